#include "textcatalog/HandleBabelFish.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::string_view kEntryPoints[] = {"GETLOCALE", "GETDESCRIPTION", "GETSTRING"};

// A text as GETSTRING hands it over, copied at once. The module may return its buffer or memory
// of its own; either way at most the interface's length is read.
struct TModuleText {
    std::array<char, VEXA_LANG_TEXT_BUFFER_SIZE> Buffer{};
    std::array<char, VEXA_LANG_TEXT_MAX_LEN> Copy;
    std::size_t Length = 0;

    void Take(const char* text) {
        Buffer.back() = '\0';
        Length = 0;
        if (text) {
            while (Length < Copy.size() && text[Length] != '\0') {
                Copy[Length] = text[Length];
                ++Length;
            }
        }
    }
    std::string_view View() const { return {Copy.data(), Length}; }
};

// Asks a module everything the program may ask it: its code, its description and the text of
// every id of the built-in tables, each read as a lookup reads it. It allocates nothing, so that
// a fault may cut it short anywhere.
bool TryEntryPoints(TLibraryHandle library) {
    const auto getLocale =
        reinterpret_cast<TVexaGetLocale>(FindLibrarySymbol(library, "GETLOCALE"));
    const auto getDescription =
        reinterpret_cast<TVexaGetDescription>(FindLibrarySymbol(library, "GETDESCRIPTION"));
    const auto getString =
        reinterpret_cast<TVexaGetString>(FindLibrarySymbol(library, "GETSTRING"));
    if (!getLocale || !getDescription || !getString) {
        return false;
    }
    std::array<unsigned char, VEXA_LANG_SHORT_STRING_SIZE> area{};
    getLocale(area.data());
    getDescription(area.data());
    TModuleText text;
    volatile std::size_t read = 0; // the texts are read, not only asked for
    for (TTextId id = kFirstDefStringId; id <= kLastDefStringId; ++id) {
        text.Take(getString(id, text.Buffer.data(), VEXA_LANG_TEXT_MAX_LEN));
        read = read + text.Length;
    }
    return true;
}

} // namespace

THandleBabelFish::THandleBabelFish(const WideString& fileName)
    : FFileName(WideToAnsi(fileName)), FModule(FFileName) {
    if (!BindEntryPoints()) {
        // The module, if loaded, is unloaded with the member that owns it.
        throw Exception("Invalid VEXA language module!");
    }
}

IntfPtr<THandleBabelFish> THandleBabelFish::TryLoad(const AnsiString& fileName) {
    if (!ProbeLibraryExports(fileName, kEntryPoints)) {
        return {};
    }
    AnsiString fault;
    TDynamicLibrary module =
        TDynamicLibrary::Adopt(LoadLibraryAfterTrial(fileName, TryEntryPoints, fault));
    if (!fault.empty()) {
        // Its language is missing then; the line tells why to whoever looks.
        std::fprintf(stderr, "Language module %s not loaded: %s when tried.\n", fileName.c_str(),
                     fault.c_str());
    }
    if (!module.Loaded()) {
        return {};
    }
    auto catalog = MakeIntf<THandleBabelFish>();
    catalog->FFileName = fileName;
    catalog->FModule = std::move(module);
    if (!catalog->BindEntryPoints()) {
        return {};
    }
    return catalog;
}

bool THandleBabelFish::BindEntryPoints() {
    FGetLocale = FModule.Symbol<TVexaGetLocale>("GETLOCALE");
    FGetDescription = FModule.Symbol<TVexaGetDescription>("GETDESCRIPTION");
    FGetString = FModule.Symbol<TVexaGetString>("GETSTRING");
    if (FGetLocale && FGetDescription && FGetString) {
        return true;
    }
    FGetLocale = nullptr;
    FGetDescription = nullptr;
    FGetString = nullptr;
    FModule.Free();
    return false;
}

template <class Call>
void THandleBabelFish::CallModule(Call&& call) const {
    if (!RunCatchingFaults(call)) {
        throw Exception("Language module " + FFileName + " faulted");
    }
}

WideString THandleBabelFish::ReadShortString(void(VEXA_LANG_CALL* fill)(unsigned char*)) const {
    // The area starts zeroed, so that a module that writes nothing reads as an empty string; the
    // string is read only inside its area, whatever the length byte says.
    std::array<unsigned char, VEXA_LANG_SHORT_STRING_SIZE> area{};
    CallModule([&] { fill(area.data()); });
    return AnsiToWide(std::string_view(reinterpret_cast<const char*>(area.data()) + 1, area[0]));
}

WideString THandleBabelFish::GetString(TTextId id) {
    if (FGetString) {
        TModuleText text;
        CallModule([&] { text.Take(FGetString(id, text.Buffer.data(), VEXA_LANG_TEXT_MAX_LEN)); });
        if (text.Length > 0) {
            return AnsiToWide(text.View());
        }
    }
    return AnsiToWide(GetDefString(id));
}

WideString THandleBabelFish::GetDescription() {
    return FGetDescription ? ReadShortString(FGetDescription) : u"Deutsch (Deutschland)";
}

WideString THandleBabelFish::GetLocale() {
    return FGetLocale ? ReadShortString(FGetLocale) : u"DEU";
}
