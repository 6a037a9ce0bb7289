#pragma once

#include "support/SortedLists.h"
#include "textcatalog/uLangBasics.h"

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// The language administration: holds the current catalog and the catalogs available for
// selection, switches the language and tells listeners and open windows of the change. Without a
// current catalog it answers as the built-in German catalog would.
class TBabelFishAdmin {
public:
    TBabelFishAdmin();
    virtual ~TBabelFishAdmin();
    TBabelFishAdmin(const TBabelFishAdmin&) = delete;
    TBabelFishAdmin& operator=(const TBabelFishAdmin&) = delete;

    IntfPtr<IBabelFish> Current;

    // The catalogs available for selection, by language code; the first catalog of a code wins.
    TStringSortedIntfList& Catalogs() { return *FCatalogs; }
    const std::vector<IntfPtr<IInterface>>& Listeners() const { return FListeners; }

    WideString GetString(TTextId id);
    std::uint8_t GetCharset();
    WideString GetFontName();
    WideString GetLocale();
    void AdaptFont(TFont* font);

    // Rebuilds Catalogs from the language modules in ProgramFolder and every folder below it,
    // registers the built-in German catalog under "DEU" unless a module took that code, and then
    // runs the catalogs-scanned handler.
    void ScanModules(const AnsiString& programFolder);
    // Makes the catalog for Code current: a module's first, then the built-in English and
    // German catalogs. The current code, or one that nothing provides, changes nothing.
    void SelectLanguage(std::string_view code);
    // Makes Catalog current and notifies, unless it has the current language.
    void SetCurrent(const IntfPtr<IBabelFish>& catalog);
    static bool MatchesLocale(const IntfPtr<IBabelFish>& catalog, std::u16string_view code);
    // Listeners are kept alive until the administrator goes; those that implement ILangUpdate
    // are told of every later change.
    void AddListener(IntfPtr<IInterface> listener);
    // Tells every listener, then every open window, that implements ILangUpdate; a failure is
    // raised at once and those after it are not told.
    void NotifyLanguageChange();

private:
    void ScanFolder(const AnsiString& folder);
    void RegisterCatalog(const IntfPtr<IBabelFish>& catalog);

    std::unique_ptr<TStringSortedIntfList> FCatalogs;
    std::vector<IntfPtr<IInterface>> FListeners;
};

// Run at the end of every ScanModules, once Catalogs is complete. The data dictionary installs
// itself here so that each scan extends it, without the text catalog depending on it; an empty
// handler removes it.
void SetCatalogsScannedHandler(std::function<void(TBabelFishAdmin&)> handler);

// Extensions of files that are never tried as language modules, in lower case.
std::span<const std::string_view> NoModuleExtensions();

// Creates the administrator if needed and scans ProgramFolder for language modules.
void ScanLanguageModules(const AnsiString& programFolder);
// The same for the folder of the program's own file.
void ScanLanguageModules();
// The folder of the program's own file, ending in a path separator.
AnsiString ProgramFolder();
