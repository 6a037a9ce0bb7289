#include "textcatalog/HandleBabelFish.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"

#include <array>
#include <cstring>

namespace {

// A length-prefixed string is read only inside its area, whatever the length byte says; the
// area starts zeroed so that a module that writes nothing reads as an empty string.
template <class Fill>
WideString ReadShortString(Fill fill) {
    std::array<unsigned char, VEXA_LANG_SHORT_STRING_SIZE> area{};
    fill(area.data());
    const std::size_t length = area[0];
    return AnsiToWide(std::string_view(reinterpret_cast<const char*>(area.data()) + 1, length));
}

} // namespace

THandleBabelFish::THandleBabelFish(const WideString& fileName) : FModule(WideToAnsi(fileName)) {
    if (!BindEntryPoints()) {
        // The module, if loaded, is unloaded with the member that owns it.
        throw Exception("Invalid VEXA language module!");
    }
}

IntfPtr<THandleBabelFish> THandleBabelFish::TryLoad(const AnsiString& fileName) {
    if (!ProbeLibraryImage(fileName)) {
        return {};
    }
    TDynamicLibrary module(fileName);
    if (!module.Loaded()) {
        return {};
    }
    auto catalog = MakeIntf<THandleBabelFish>();
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

WideString THandleBabelFish::GetString(TTextId id) {
    if (FGetString) {
        std::array<char, VEXA_LANG_TEXT_BUFFER_SIZE> buffer{};
        const char* text = FGetString(id, buffer.data(), VEXA_LANG_TEXT_MAX_LEN);
        WideString result;
        if (text == buffer.data()) {
            // A text in the buffer ends at the buffer's end at the latest.
            buffer.back() = '\0';
            result = AnsiToWide(std::string_view(text, std::strlen(text)));
        } else if (text) {
            result = AnsiToWide(text);
        }
        if (!result.empty()) {
            return result;
        }
    }
    return AnsiToWide(GetDefString(id));
}

WideString THandleBabelFish::GetDescription() {
    if (!FGetDescription) {
        return u"Deutsch (Deutschland)";
    }
    return ReadShortString([this](unsigned char* area) { FGetDescription(area); });
}

WideString THandleBabelFish::GetLocale() {
    if (!FGetLocale) {
        return u"DEU";
    }
    return ReadShortString([this](unsigned char* area) { FGetLocale(area); });
}
