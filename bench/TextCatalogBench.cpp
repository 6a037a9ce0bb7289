#include "platform/Directory.h"
#include "textcatalog/BabelFishAdmin.h"
#include "textcatalog/HandleBabelFish.h"
#include "textcatalog/StaticBabelFish.h"
#include "textcatalog/uDefStrings.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

struct TextsLoaded {
    TextsLoaded() { FillDefStrings(); }
};

void Texts() {
    static TextsLoaded loaded;
}

// Every fallback to English builds the whole table afresh.
void BM_BuildEnglishCatalog(benchmark::State& state) {
    Texts();
    for (auto _ : state) {
        auto english = MakeIntf<TBabelFishEN>();
        benchmark::DoNotOptimize(english.Get());
    }
}
BENCHMARK(BM_BuildEnglishCatalog)->Unit(benchmark::kMicrosecond);

std::vector<TTextId> RandomIds() {
    std::mt19937 random(7);
    std::vector<TTextId> ids(4096);
    for (TTextId& id : ids) {
        id = 1000 + random() % 14012;
    }
    return ids;
}

void BM_GermanLookup(benchmark::State& state) {
    Texts();
    const auto ids = RandomIds();
    const auto german = MakeIntf<TDefaultBabelFish>();
    IBabelFish& catalog = *german;
    std::size_t i = 0;
    WideString text;
    for (auto _ : state) {
        catalog.GetString(ids[i++ % ids.size()], text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_GermanLookup);

void BM_EnglishLookup(benchmark::State& state) {
    Texts();
    const auto ids = RandomIds();
    const auto english = MakeIntf<TBabelFishEN>();
    IBabelFish& catalog = *english;
    std::size_t i = 0;
    WideString text;
    for (auto _ : state) {
        catalog.GetString(ids[i++ % ids.size()], text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_EnglishLookup);

// A program folder full of files that are no modules: each is probed, none is loaded.
void BM_ScanModules(benchmark::State& state) {
    Texts();
    const fs::path folder =
        fs::temp_directory_path() / ("vexa-bench-scan-" + std::to_string(state.range(0)));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int i = 0; i < state.range(0); ++i) {
        std::ofstream(folder / ("daten" + std::to_string(i) + ".dat")) << "Messwerte " << i;
    }
    TBabelFishAdmin admin;
    for (auto _ : state) {
        admin.ScanModules(folder.string());
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_ScanModules)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The shipped French module: its exports read, its entry points tried, then loaded.
void BM_LoadShippedModule(benchmark::State& state) {
    Texts();
    const AnsiString module = ProgramFolder() + "languages" + PathDelimiter() + "francais.lng";
    for (auto _ : state) {
        benchmark::DoNotOptimize(THandleBabelFish::TryLoad(module).Get());
    }
}
BENCHMARK(BM_LoadShippedModule)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
