#include "platform/Environment.h"
#include "support/SortedLists.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <random>
#include <vector>

// Side by side: the integer-keyed text list against a sorted vector searched with
// std::lower_bound and against std::map, for as many keys as the built-in text table holds,
// added in ascending order and found in random order; and the name-keyed object list with the
// locale comparison for as many names as the data dictionary holds.

namespace {

constexpr int kTextCount = 2600;
constexpr int kNameCount = 448;

std::vector<std::int32_t> TextIds() {
    std::vector<std::int32_t> ids;
    for (int i = 0; i < kTextCount; ++i) {
        ids.push_back(1000 + 6 * i);
    }
    return ids;
}

AnsiString TextOf(std::int32_t id) {
    return "Text " + std::to_string(id) + " of the table";
}

// Keys drawn at random, far more of them than a branch predictor could learn the order of, so
// that every search is a search and not a replay.
template <class T>
std::vector<T> RandomDraws(const std::vector<T>& values) {
    std::mt19937 random(2600);
    std::uniform_int_distribution<std::size_t> pick(0, values.size() - 1);
    std::vector<T> draws(1 << 18);
    for (T& draw : draws) {
        draw = values[pick(random)];
    }
    return draws;
}

template <class FindText>
void FindAtRandom(benchmark::State& state, FindText&& findText) {
    const auto order = RandomDraws(TextIds());
    AnsiString text;
    std::size_t next = 0;
    for (auto _ : state) {
        const bool found = findText(order[next], text);
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(text.data());
        next = next + 1 == order.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_Find_TLongSortedStringList(benchmark::State& state) {
    TLongSortedStringList list;
    for (const std::int32_t id : TextIds()) {
        list.Add(id, TextOf(id));
    }
    FindAtRandom(state, [&](std::int32_t id, AnsiString& text) {
        int index = -1;
        return list.Find(id, index, text);
    });
}

void BM_Find_VectorLowerBound(benchmark::State& state) {
    std::vector<std::pair<std::int32_t, AnsiString>> table;
    for (const std::int32_t id : TextIds()) {
        table.emplace_back(id, TextOf(id));
    }
    FindAtRandom(state, [&](std::int32_t id, AnsiString& text) {
        const auto found =
            std::lower_bound(table.begin(), table.end(), id,
                             [](const auto& entry, std::int32_t key) { return entry.first < key; });
        if (found == table.end() || found->first != id) {
            text.clear();
            return false;
        }
        text = found->second;
        return true;
    });
}

void BM_Find_StdMap(benchmark::State& state) {
    std::map<std::int32_t, AnsiString> table;
    for (const std::int32_t id : TextIds()) {
        table.emplace(id, TextOf(id));
    }
    FindAtRandom(state, [&](std::int32_t id, AnsiString& text) {
        const auto found = table.find(id);
        if (found == table.end()) {
            text.clear();
            return false;
        }
        text = found->second;
        return true;
    });
}

BENCHMARK(BM_Find_TLongSortedStringList);
BENCHMARK(BM_Find_VectorLowerBound);
BENCHMARK(BM_Find_StdMap);

// Filling the table as the built-in catalog fills it: every key after the last.
void BM_AddAscending_TLongSortedStringList(benchmark::State& state) {
    const auto ids = TextIds();
    for (auto _ : state) {
        TLongSortedStringList list;
        for (const std::int32_t id : ids) {
            list.Add(id, "Text");
        }
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * kTextCount);
}

void BM_AddAscending_VectorLowerBound(benchmark::State& state) {
    const auto ids = TextIds();
    for (auto _ : state) {
        std::vector<std::pair<std::int32_t, AnsiString>> table;
        for (const std::int32_t id : ids) {
            const auto at = std::upper_bound(
                table.begin(), table.end(), id,
                [](std::int32_t key, const auto& entry) { return key < entry.first; });
            table.emplace(at, id, "Text");
        }
        benchmark::DoNotOptimize(table.size());
    }
    state.SetItemsProcessed(state.iterations() * kTextCount);
}

void BM_AddAscending_StdMap(benchmark::State& state) {
    const auto ids = TextIds();
    for (auto _ : state) {
        std::map<std::int32_t, AnsiString> table;
        for (const std::int32_t id : ids) {
            table.emplace(id, "Text");
        }
        benchmark::DoNotOptimize(table.size());
    }
    state.SetItemsProcessed(state.iterations() * kTextCount);
}

BENCHMARK(BM_AddAscending_TLongSortedStringList)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddAscending_VectorLowerBound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddAscending_StdMap)->Unit(benchmark::kMicrosecond);

// Names shaped like the data dictionary's: short symbols and longer words, mixed case, some
// with umlauts or a hyphen.
std::vector<AnsiString> ItemNames() {
    const char* stems[] = {"Lp",   "Hk",      "Breite", "H\xF6he", "Radius",   "Zone",
                           "Wank", "Neigung", "Achse",  "Puffer",  "Kupplung", "Stromabn"};
    const char* endings[] = {"",
                             "Min",
                             "Max",
                             "-Ref",
                             "\xFC"
                             "ber",
                             "Soll",
                             "Ist",
                             "Quer",
                             "L\xE4ngs",
                             "Oben",
                             "Unten",
                             "Mitte",
                             "Innen",
                             "Au\xDF"
                             "en",
                             "Vorn",
                             "Hinten",
                             "Links",
                             "Rechts",
                             "Eck",
                             "Kante",
                             "Fl\xE4"
                             "che",
                             "Punkt",
                             "Linie",
                             "Profil",
                             "Grenze",
                             "Wert",
                             "Faktor",
                             "Zahl",
                             "Winkel",
                             "Weg",
                             "Spiel",
                             "Last",
                             "Kraft",
                             "Masse",
                             "Feder",
                             "D\xE4mpfer",
                             "Art",
                             "Typ"};
    std::vector<AnsiString> names;
    for (const char* ending : endings) {
        for (const char* stem : stems) {
            if (names.size() < static_cast<std::size_t>(kNameCount)) {
                names.push_back(AnsiString(stem) + ending);
            }
        }
    }
    return names;
}

void FindNames(benchmark::State& state, bool localeCompare) {
    // The user's locale is pinned so that the figures compare between machines.
    WriteEnvironmentVariable("LC_ALL", "de_DE.UTF-8");
    const auto names = ItemNames();
    TStringSortedObjList list;
    list.LocaleCompare = localeCompare;
    std::vector<std::unique_ptr<TObject>> items;
    for (const AnsiString& name : names) {
        items.push_back(std::make_unique<TObject>());
        list.Add(name, items.back().get());
    }
    if (list.Count() != kNameCount) {
        state.SkipWithError("names are not distinct");
        return;
    }
    const auto order = RandomDraws(names);
    std::size_t next = 0;
    for (auto _ : state) {
        int index = -1;
        TObject* item = nullptr;
        benchmark::DoNotOptimize(list.Find(order[next], index, item));
        benchmark::DoNotOptimize(item);
        next = next + 1 == order.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FindName_TStringSortedObjList_Locale(benchmark::State& state) {
    FindNames(state, true);
}

void BM_FindName_TStringSortedObjList_Bytes(benchmark::State& state) {
    FindNames(state, false);
}

BENCHMARK(BM_FindName_TStringSortedObjList_Locale);
BENCHMARK(BM_FindName_TStringSortedObjList_Bytes);

} // namespace
