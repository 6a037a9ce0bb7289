#include "platform/CodePage.h"
#include "textcatalog/texts/BuiltinTextRow.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

struct IdRange {
    std::uint32_t First;
    std::uint32_t Last;
};

struct Block {
    std::vector<IdRange> Ranges;
    std::size_t Rows;
};

// The blocks of texts by topic, with their sub-ranges and row counts.
const std::vector<Block>& Blocks() {
    static const std::vector<Block> blocks = {
        {{{1000, 1021}}, 22},
        {{{1100, 1131}}, 32},
        {{{1230, 1251}}, 22},
        {{{1300, 1310}}, 11},
        {{{2000, 2023}, {2025, 2027}}, 27},
        {{{2050, 2051}, {2100, 2102}}, 5},
        {{{2200, 2207}}, 8},
        {{{2300, 2310}}, 11},
        {{{2350, 2357}}, 8},
        {{{2400, 2413}}, 14},
        {{{2500, 2551}}, 52},
        {{{2600, 2607}}, 8},
        {{{3000, 3006}}, 7},
        {{{3500, 3501},
          {3510, 3513},
          {3520, 3521},
          {3525, 3527},
          {3530, 3536},
          {3540, 3546},
          {3550, 3551},
          {3560, 3563},
          {3570, 3577}},
         39},
        {{{4000, 4033},
          {4036, 4051},
          {4053, 4075},
          {4080, 4081},
          {4090, 4108},
          {4150, 4156},
          {4180, 4183},
          {4200, 4216},
          {4220, 4226},
          {4300, 4316}},
         146},
        {{{4900, 4903}}, 4},
        {{{5000, 5033}}, 34},
        {{{5100, 5127}}, 28},
        {{{5200, 5203}}, 4},
        {{{5500, 5503}}, 4},
        {{{5600, 5708}, {5711, 5720}, {5730, 5743}, {5800, 5844}, {5850, 5894}, {5900, 5902}}, 226},
        {{{5950, 5950}}, 1},
        {{{6000, 6076}, {6080, 6084}, {6090, 6117}, {6200, 6200}, {6204, 6204},
          {6206, 6207}, {6209, 6209}, {6232, 6270}, {6301, 6314}, {6316, 6321},
          {6325, 6334}, {6336, 6345}, {6400, 6400}, {6438, 6441}, {6511, 6514},
          {6519, 6521}, {6601, 6639}, {6707, 6710}, {6751, 6793}, {6800, 6808}},
         301},
        {{{9000, 9187}}, 188},
        {{{10001, 10162}}, 162},
        {{{10164, 10392}}, 229},
        {{{10394, 10779}}, 386},
        {{{10800, 10927}}, 128},
        {{{10929, 10984}}, 56},
        {{{10995, 11141}}, 147},
        {{{11200, 11234}}, 35},
        // The message window's rows outside the blocks.
        {{{11303, 11303}, {11305, 11306}}, 3},
        {{{12000, 12004}}, 5},
        {{{12100, 12111}}, 12},
        {{{13000, 13052}}, 53},
        {{{13500, 13626}}, 127},
        {{{13700, 13700}}, 1},
        {{{15000, 15011}}, 12},
    };
    return blocks;
}

std::map<std::uint32_t, BuiltinTextRow> AllRows() {
    std::map<std::uint32_t, BuiltinTextRow> rows;
    for (const auto block : BuiltinTextBlocks()) {
        for (const BuiltinTextRow& row : block) {
            rows.emplace(row.Id, row);
        }
    }
    return rows;
}

TEST(BuiltinTexts, BlocksFollowEachOtherInAscendingOrderWithoutDuplicates) {
    std::uint32_t previous = 0;
    for (const auto block : BuiltinTextBlocks()) {
        for (const BuiltinTextRow& row : block) {
            EXPECT_GT(row.Id, previous) << "row " << row.Id << " out of order";
            previous = row.Id;
        }
    }
}

TEST(BuiltinTexts, EveryBlockHoldsExactlyItsRowsAndNothingLiesOutside) {
    const auto rows = AllRows();
    std::size_t inBlocks = 0;
    for (const Block& block : Blocks()) {
        std::size_t count = 0;
        for (const IdRange& range : block.Ranges) {
            for (std::uint32_t id = range.First; id <= range.Last; ++id) {
                EXPECT_TRUE(rows.count(id)) << "missing row " << id;
                count += rows.count(id);
            }
        }
        EXPECT_EQ(count, block.Rows) << "block from " << block.Ranges.front().First;
        inBlocks += count;
    }
    EXPECT_EQ(rows.size(), inBlocks) << "rows outside every block";
}

TEST(BuiltinTexts, BothLanguagesHoldTheSameIdsAndOnlyTheKnownRowsAreEmpty) {
    for (const auto& [id, row] : AllRows()) {
        const bool englishOnly = id == 10603 || id == 10604;
        ASSERT_TRUE(row.English) << id;
        EXPECT_EQ(row.German == nullptr, englishOnly) << id;
        const bool empty = id == 5600 || id == 5601 || englishOnly;
        EXPECT_EQ(std::string(row.English).empty(), empty) << id;
        if (row.German) {
            EXPECT_EQ(std::string(row.German).empty(), empty) << id;
        }
    }
}

// Callers fill the German and the English text with the same arguments.
std::vector<std::string> Placeholders(const std::string& text) {
    static const std::regex placeholder(R"(%%|%(\d+:)?-?(\*|\d+)?(\.(\*|\d+))?[A-Za-z]?)");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it) {
        if (it->str() != "%%") {
            found.push_back(it->str());
        }
    }
    return found;
}

TEST(BuiltinTexts, GermanAndEnglishCarryTheSamePlaceholdersAndAreWellFormed) {
    static const std::regex wellFormed(R"(%(\d+:)?-?(\*|\d+)?(\.(\*|\d+))?[dusxefgnmp])");
    for (const auto& [id, row] : AllRows()) {
        if (!row.German) {
            continue;
        }
        const auto german = Placeholders(row.German);
        EXPECT_EQ(german, Placeholders(row.English)) << id;
        for (const std::string& p : german) {
            EXPECT_TRUE(std::regex_match(p, wellFormed)) << id << ": " << p;
        }
    }
}

TEST(BuiltinTexts, EveryTextSurvivesTheAnsiCodePage) {
    for (const auto& [id, row] : AllRows()) {
        for (const char* text : {row.German, row.English}) {
            if (text) {
                const AnsiString ansi = Utf8ToAnsi(text);
                EXPECT_EQ(AnsiToUtf8(ansi), text) << id;
            }
        }
    }
}

TEST(BuiltinTexts, QuotedTextsAreExact) {
    struct Quoted {
        std::uint32_t Id;
        const char* German;
        const char* English;
    };
    const Quoted quoted[] = {
        {1000, "Länge über Puffer", "Length over buffers"},
        {1005, "Statische Unsymmetrie", nullptr},
        {2500, "UIC 505-1", "UIC 505-1"},
        {2600, "unbekannt", "unknown"},
        {3000, "-", "-"},
        {3001, "m", "m"},
        {3002, "mm", "mm"},
        {3003, "°", "°"},
        {3004, "rad", "rad"},
        {3005, "km/h", "km/h"},
        {3006, "mm^2", "mm^2"},
        {4093, nullptr, "Curve radius: R = %5.1f m (D = %5.4f m, I = %5.4f m, v = %5.1f km/h)"},
        {5602, "LP", "LP"},
        {5603, "LWk", "LWk"},
        {5607, "eta0", "eta0"},
        {5617, "ht", "ht"},
        {5950, "[%s]", "[%s]"},
        {9000, "Einbauhöhe unteres Stromabnehmergelenk ht [m]", nullptr},
        {9009, "Wert muss zwischen %.*f und %.*f liegen", "Value must be between %.*f and %.*f"},
        {10030, "OK", "OK"},
        {10031, "Abbrechen", "Cancel"},
        {10032, "Hilfe", "Help"},
        {10056, nullptr, "Bogie wheelbase p [m]"},
        {10115, "Berechnungsmethode", nullptr},
        {10116, "Zur Bezugslinie gehörende Berechnungsmethode", nullptr},
        {10154, "Information", "Information"},
        {10155, "Bestätigung", "Confirmation"},
        {10156, "Fehler", "Error"},
        {10160, "Ja", "Yes"},
        {10161, "Nein", "No"},
        {10162, "Abbrechen", "Cancel"},
        {10164, "Wiederholen", "Retry"},
        {10165, "Ignorieren", "Ignore"},
        {10166, "Alle", "All"},
        {10167, "Alle Nein", "No to all"},
        {10168, "Alle Ja", "Yes to all"},
        {10251, "Warnung", "Warning"},
        {10512, "&Neues Projekt", "&New project"},
        {10608, "Copyright", "Copyright"},
        {11303, "E-Mail wurde nicht versandt (Statuscode %d).",
         "E-Mail not sended (Status code %d)."},
        {11305, "Betreff", "Subject"},
        {11306, "Nachricht", "Message"},
        {13579, "kN", "kN"},
        {13580, "kN/mm", "kN/mm"},
    };
    const auto rows = AllRows();
    for (const Quoted& q : quoted) {
        const auto found = rows.find(q.Id);
        ASSERT_NE(found, rows.end()) << q.Id;
        if (q.German) {
            EXPECT_STREQ(found->second.German, q.German) << q.Id;
        }
        if (q.English) {
            EXPECT_STREQ(found->second.English, q.English) << q.Id;
        }
    }
}

} // namespace
