#include "runtime/Format.h"

#include "runtime/Exception.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

struct GoodCase {
    const char* Format;
    std::vector<FormatArg> Args;
    const char* Expected;
};

AnsiString FormatCase(const GoodCase& c) {
    return FormatSpan(c.Format, c.Args);
}

TEST(Format, FillsPlaceholdersOfEveryKind) {
    const int value = 42;
    const std::vector<GoodCase> cases = {
        {"plain text", {}, "plain text"},
        {"100%%", {}, "100%"},
        {"%d", {42}, "42"},
        {"%d", {-42}, "-42"},
        {"%5d|", {42}, "   42|"},
        {"%-5d|", {42}, "42   |"},
        {"%.4d", {-7}, "-0007"},
        {"%*d", {6, 13}, "    13"},
        {"%*d|", {-6, 13}, "13    |"}, // a negative width: that width, aligned left
        {"%-*s|", {-4, "ab"}, "ab  |"},
        {"%*s|", {-1, "ab"}, "ab|"},
        {"%d", {std::numeric_limits<long long>::min()}, "-9223372036854775808"},
        {"%u", {-1}, "4294967295"},
        {"%u", {7u}, "7"},
        {"%x", {255}, "FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%x", {-1LL}, "FFFFFFFFFFFFFFFF"},
        {"%.8x", {0x8000FFFF}, "8000FFFF"},
        {"%f", {1.5}, "1.50"},
        {"%5.3f", {3.14159}, "3.142"},
        {"%6.3f", {-0.5}, "-0.500"},
        {"%.0f", {2.5}, "3"},
        {"%.2f", {0.125}, "0.13"},
        {"%.2f", {-0.001}, "0.00"},
        {"%.*f", {3, 2.0}, "2.000"},
        {"%.*f und %.*f", {1, 0.25, 2, 10.0}, "0.3 und 10.00"},
        {"%.*f", {-3, 1.5}, "1.50"}, // a negative precision: none
        {"%.*f", {-(1 << 30), 1.5}, "1.50"},
        {"%5.1f km/h", {120.04}, "120.0 km/h"},
        {"%3.0f", {7.0}, "  7"},
        {"%.3f", {1e20}, "100000000000000000000.000"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%6.0n", {1234.0}, " 1,234"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {-0.000123}, "-1.23E-004"},
        {"%g", {0.5}, "0.5"},
        {"%g", {1234.5}, "1234.5"},
        {"%g", {1e20}, "1E+20"},
        {"%g", {0.0}, "0"},
        {"%f", {std::numeric_limits<double>::infinity()}, "INF"},
        {"%f", {std::nan("")}, "NAN"},
        {"%s", {"abc"}, "abc"},
        {"%s", {u"wide"}, "wide"},
        {"%-6s|", {"ab"}, "ab    |"},
        {"%6s|", {"ab"}, "    ab|"},
        {"%.2s", {"abcdef"}, "ab"},
        {"%s", {static_cast<const char*>(nullptr)}, ""},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%D %S", {1, "x"}, "1 x"},
        {"[%s]", {"UIC 505-1"}, "[UIC 505-1]"},
        {"%p",
         {static_cast<const void*>(nullptr)},
         sizeof(void*) == 8 ? "0000000000000000" : "00000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatCase(c), c.Expected) << "format " << c.Format;
    }
    EXPECT_EQ(Format("%m", {1234.5}), "1,234.50 \x80");
    EXPECT_EQ(Format("%d", {value}), "42");
}

TEST(Format, WideFormatTakesNarrowAndWideArguments) {
    EXPECT_EQ(Format(u"E-Mail not sended (Status code %d).", {-1}),
              u"E-Mail not sended (Status code -1).");
    EXPECT_EQ(Format(u"%s / %s", {"L\xE4nge", u"\u00FCber"}), u"L\u00E4nge / \u00FCber");
}

TEST(Format, MismatchesAndMalformedPlaceholdersRaiseTheConversionError) {
    const std::vector<std::pair<const char*, std::vector<FormatArg>>> cases = {
        {"%d", {1.5}},
        {"%d", {"text"}},
        {"%f", {3}},
        {"%s", {3}},
        {"%p", {3}},
        {"%x", {2.0}},
        {"%d", {}},
        {"%d %d", {1}},
        {"%*d", {"w", 1}},
        {"%.*f", {1.5, 2.0}},
        {"%", {}},
        {"abc %", {1}},
        {"%5", {1}},
        {"%q", {1}},
        {"%3:d", {1, 2}},
        {"%\xE4", {1}},
        {"%99999999999d", {1}},
        {"%*d", {1 << 30, 1}},
        {"%*d", {-(1 << 30), 1}},
        {"%*d", {std::numeric_limits<long long>::min(), 1}},
        {"%.5000f", {1.0}},
    };
    for (const auto& [format, args] : cases) {
        EXPECT_THROW(FormatSpan(format, args), EConvertError) << "format " << format;
    }
    try {
        Format("Value %d", {"x"});
        FAIL() << "no error raised";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
    }
}

// Texts come from language modules written by others: any byte sequence as a format either
// formats or raises the conversion error, and nothing else happens (the sanitizer build watches).
TEST(Format, SurvivesRandomAndHostileFormats) {
    std::mt19937 random(20261210);
    const std::string alphabet = "%%%%%*.-:0123456789dDusxXfeEgGnmpS abc\xE4\x80";
    const std::vector<FormatArg> args = {1, "text", 2.5, -3, u"wide", 7u, 0.0, 12LL};
    int formatted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string format(random() % 24, ' ');
        for (char& c : format) {
            c = round % 3 == 0 ? static_cast<char>(random() % 256)
                               : alphabet[random() % alphabet.size()];
        }
        const std::size_t argCount = random() % (args.size() + 1);
        try {
            const auto text = FormatSpan(format, std::span(args.data(), argCount));
            EXPECT_LE(text.size(), 24u * (kMaxFormatWidth + 32));
            ++formatted;
        } catch (const EConvertError&) {
        }
    }
    EXPECT_GT(formatted, 0);
}

} // namespace
