#include "textcatalog/BabelFishAdmin.h"

#include "platform/CodePage.h"
#include "platform/Directory.h"
#include "platform/FontDefaults.h"
#include "platform/ProgramPath.h"
#include "textcatalog/HandleBabelFish.h"
#include "textcatalog/StaticBabelFish.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Screen.h"

#include <algorithm>

namespace {

std::function<void(TBabelFishAdmin&)> gCatalogsScanned;

constexpr std::string_view kNoModuleExtensions[] = {".exe", ".xml", ".dll", ".dcu", ".chm", ".ini"};

AnsiString LowerExtension(const AnsiString& name) {
    const auto dot = name.rfind('.');
    return dot == AnsiString::npos ? AnsiString() : LowerCase(std::string_view(name).substr(dot));
}

WideString LocaleOf(IBabelFish& catalog) {
    WideString locale;
    CheckStatus(catalog.GetLocale(locale));
    return locale;
}

} // namespace

void SetCatalogsScannedHandler(std::function<void(TBabelFishAdmin&)> handler) {
    gCatalogsScanned = std::move(handler);
}

std::span<const std::string_view> NoModuleExtensions() {
    return kNoModuleExtensions;
}

TBabelFishAdmin::TBabelFishAdmin()
    : Current(MakeIntf<TDefaultBabelFish>()), FCatalogs(std::make_unique<TStringSortedIntfList>()) {
}

TBabelFishAdmin::~TBabelFishAdmin() {
    FCatalogs.reset();
    Current.Reset();
    FListeners.clear();
}

WideString TBabelFishAdmin::GetString(TTextId id) {
    if (!Current) {
        return AnsiToWide(GetDefString(id));
    }
    WideString text;
    CheckStatus(Current->GetString(id, text));
    return text;
}

std::uint8_t TBabelFishAdmin::GetCharset() {
    if (!Current) {
        return kDefaultCharset;
    }
    std::uint8_t charset = 0;
    CheckStatus(Current->GetCharset(charset));
    return charset;
}

WideString TBabelFishAdmin::GetFontName() {
    if (!Current) {
        return DefaultFontFaceName();
    }
    WideString name;
    CheckStatus(Current->GetFontName(name));
    return name;
}

WideString TBabelFishAdmin::GetLocale() {
    return Current ? LocaleOf(*Current) : u"DEU";
}

void TBabelFishAdmin::AdaptFont(TFont* font) {
    if (!font || font->Charset == kSymbolCharset) {
        return;
    }
    const std::uint8_t charset = GetCharset();
    const AnsiString name = WideToAnsi(GetFontName());
    if (font->Charset == charset && SameText(font->Name, name)) {
        return;
    }
    font->Charset = charset;
    font->Name = name;
}

void TBabelFishAdmin::ScanModules(const AnsiString& programFolder) {
    ReleaseInterfacesAndClear(FCatalogs.get());
    ScanFolder(programFolder);
    int index = -1;
    IntfPtr<IInterface> found;
    if (!FCatalogs->Find("DEU", index, found)) {
        FCatalogs->Add("DEU", MakeIntf<TDefaultBabelFish>());
    }
    if (gCatalogsScanned) {
        gCatalogsScanned(*this);
    }
}

void TBabelFishAdmin::ScanFolder(const AnsiString& folder) {
    const char delimiter = PathDelimiter();
    const AnsiString prefix =
        folder.empty() || folder.back() == delimiter ? folder : folder + delimiter;
    EnumerateFolder(folder, [&](const TFolderEntry& entry) {
        const AnsiString path = prefix + entry.Name;
        if (entry.IsFolder) {
            ScanFolder(path);
            return;
        }
        const AnsiString extension = LowerExtension(entry.Name);
        if (std::find(std::begin(kNoModuleExtensions), std::end(kNoModuleExtensions), extension) !=
            std::end(kNoModuleExtensions)) {
            return;
        }
        if (auto catalog = THandleBabelFish::TryLoad(path)) {
            RegisterCatalog(catalog);
        }
    });
}

void TBabelFishAdmin::RegisterCatalog(const IntfPtr<IBabelFish>& catalog) {
    const AnsiString code = WideToAnsi(LocaleOf(*catalog));
    int index = -1;
    IntfPtr<IInterface> found;
    if (!FCatalogs->Find(code, index, found)) {
        FCatalogs->Add(code, catalog);
    }
}

bool TBabelFishAdmin::MatchesLocale(const IntfPtr<IBabelFish>& catalog, std::u16string_view code) {
    return catalog && SameText(LocaleOf(*catalog), code);
}

void TBabelFishAdmin::SelectLanguage(std::string_view code) {
    const WideString wideCode = AnsiToWide(code);
    if (!SameText(GetLocale(), wideCode)) {
        for (int i = 0; i < FCatalogs->Count(); ++i) {
            const auto catalog = Supports<IBabelFish>(FCatalogs->GetItem(i));
            if (MatchesLocale(catalog, wideCode)) {
                SetCurrent(catalog);
                return;
            }
        }
    }
    const IntfPtr<IBabelFish> english = MakeIntf<TBabelFishEN>();
    if (MatchesLocale(english, wideCode)) {
        SetCurrent(english);
        return;
    }
    const IntfPtr<IBabelFish> german = MakeIntf<TDefaultBabelFish>();
    if (MatchesLocale(german, wideCode)) {
        SetCurrent(german);
        return;
    }
    if (!Current) {
        Current = german;
    }
}

void TBabelFishAdmin::SetCurrent(const IntfPtr<IBabelFish>& catalog) {
    if (!catalog) {
        return;
    }
    if (Current && SameText(LocaleOf(*catalog), LocaleOf(*Current))) {
        return;
    }
    Current = catalog;
    NotifyLanguageChange();
}

void TBabelFishAdmin::AddListener(IntfPtr<IInterface> listener) {
    FListeners.push_back(std::move(listener));
}

void TBabelFishAdmin::NotifyLanguageChange() {
    const std::size_t count = FListeners.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (const auto update = Supports<ILangUpdate>(FListeners[i])) {
            CheckStatus(update->UpdateLanguage());
        }
    }
    // The windows open now; one that a refresh closes shortens the walk rather than being read
    // after it has gone.
    const int forms = Screen().FormCount();
    for (int i = 0; i < forms && i < Screen().FormCount(); ++i) {
        if (const auto update = Supports<ILangUpdate>(Screen().Forms(i))) {
            CheckStatus(update->UpdateLanguage());
        }
    }
}

void ScanLanguageModules(const AnsiString& programFolder) {
    CreateBabelFishAdmin();
    BabelFishAdmin()->ScanModules(programFolder);
}

AnsiString ProgramFolder() {
    const AnsiString program = ProgramFileName();
    const auto separator = program.find_last_of("\\/");
    return separator == AnsiString::npos ? AnsiString() : program.substr(0, separator + 1);
}

void ScanLanguageModules() {
    ScanLanguageModules(ProgramFolder());
}
