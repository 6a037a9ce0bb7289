#include "datadict/InformationList.h"

#include "platform/CodePage.h"
#include "runtime/Status.h"
#include "support/MiscTool.h"
#include "textcatalog/BabelFishAdmin.h"

#include <memory>

namespace {

std::unique_ptr<TInformationList> gInformationList;

WideString LocaleOf(IBabelFish& catalog) {
    WideString locale;
    CheckStatus(catalog.GetLocale(locale));
    return locale;
}

// An entry for Catalog with its (still empty) items.
std::unique_ptr<TInformationListEntry> NewEntry(IntfPtr<IBabelFish> catalog) {
    auto entry = std::make_unique<TInformationListEntry>(std::move(catalog));
    entry->Information = std::make_unique<TInformation>(entry.get());
    return entry;
}

} // namespace

TInformationListEntry::TInformationListEntry(IntfPtr<IBabelFish> catalog)
    : BabelFish(std::move(catalog)) {}

TInformationListEntry::~TInformationListEntry() {
    BabelFish.Reset();
    Information.reset();
}

TInformationList::TInformationList() {
    auto entry = NewEntry(MakeIntf<TDefaultBabelFish>());
    const AnsiString code = WideToAnsi(LocaleOf(*entry->BabelFish));
    TInformation& information = *entry->Information;
    FEntries.AddObject(code, entry.release());
    try {
        information.RegisterItems(InformationItems());
    } catch (...) {
        FreeListObjects(&FEntries);
        throw;
    }
}

TInformationList::~TInformationList() {
    FreeListObjects(&FEntries);
}

TInformationListEntry& TInformationList::Entry(int index) const {
    return *static_cast<TInformationListEntry*>(FEntries.Objects(index));
}

TInformationListEntry* TInformationList::FindEntry(std::string_view code) const {
    const int index = FEntries.IndexOf(code);
    return index < 0 ? nullptr : &Entry(index);
}

void TInformationList::AddLanguageEntries(TBabelFishAdmin& admin) {
    TStringSortedIntfList& catalogs = admin.Catalogs();
    for (int i = 0; i < catalogs.Count(); ++i) {
        const auto catalog = Supports<IBabelFish>(catalogs.GetItem(i));
        if (!catalog) {
            continue;
        }
        const AnsiString code = WideToAnsi(LocaleOf(*catalog));
        if (FindEntry(UpperCase(code))) {
            continue;
        }
        // Appended only once complete: a lookup that fails part way leaves no half-built entry.
        auto entry = NewEntry(catalog);
        entry->Information->CopyItemsFrom(*ReferenceEntry().Information);
        FEntries.AddObject(code, entry.release());
    }
}

TInformationList* InformationList() noexcept {
    return gInformationList.get();
}

void CreateInformationList() {
    if (gInformationList) {
        return;
    }
    gInformationList = std::make_unique<TInformationList>();
    SetCatalogsScannedHandler([](TBabelFishAdmin& admin) {
        if (TInformationList* list = InformationList()) {
            list->AddLanguageEntries(admin);
        }
    });
}

void FreeInformationList() noexcept {
    SetCatalogsScannedHandler(nullptr);
    gInformationList.reset();
}

void AddLanguageEntries() {
    TInformationList* list = InformationList();
    TBabelFishAdmin* admin = BabelFishAdmin();
    if (list && admin) {
        list->AddLanguageEntries(*admin);
    }
}
