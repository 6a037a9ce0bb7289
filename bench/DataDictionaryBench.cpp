#include "datadict/InformationList.h"
#include "platform/ProgramPath.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/uDefStrings.h"

#include <benchmark/benchmark.h>

namespace {

// The folder of this program, where the shipped language modules lie below languages/.
AnsiString ProgramFolder() {
    const AnsiString path = ProgramFileName();
    return path.substr(0, path.find_last_of("/\\") + 1);
}

// Start-up step 2: the dictionary of 448 items with their German texts.
void BM_BuildDataDictionary(benchmark::State& state) {
    FillDefStrings();
    for (auto _ : state) {
        TInformationList list;
        benchmark::DoNotOptimize(&list);
    }
    ClearDefStrings();
}
BENCHMARK(BM_BuildDataDictionary)->Unit(benchmark::kMicrosecond);

// One language module's entry: a copy of the 448 items with the module's texts.
void BM_AddLanguageEntriesForOneModule(benchmark::State& state) {
    FillDefStrings();
    TBabelFishAdmin admin;
    admin.ScanModules(ProgramFolder() + "languages");
    if (admin.Catalogs().Count() < 2) {
        state.SkipWithError("no language module below the program");
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<TInformationList>();
        state.ResumeTiming();
        list->AddLanguageEntries(admin);
        benchmark::DoNotOptimize(list->EntryCount());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    ClearDefStrings();
}
BENCHMARK(BM_AddLanguageEntriesForOneModule)->Unit(benchmark::kMicrosecond);

// Start-up without the window and back: texts, dictionary, language administration and the scan
// for the shipped modules, then their release.
void BM_StartupWithoutWindow(benchmark::State& state) {
    const AnsiString folder = ProgramFolder();
    for (auto _ : state) {
        FillDefStrings();
        CreateInformationList();
        CreateBabelFishAdmin();
        ScanLanguageModules(folder);
        benchmark::DoNotOptimize(InformationList()->EntryCount());
        FreeBabelFishAdmin();
        FreeInformationList();
        ClearDefStrings();
    }
}
BENCHMARK(BM_StartupWithoutWindow)->Unit(benchmark::kMicrosecond);

} // namespace
