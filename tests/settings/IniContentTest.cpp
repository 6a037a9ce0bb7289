#include "settings/IniContent.h"

#include "runtime/Exception.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct TReadCase {
    const char* Name;
    const char* Text;
    std::optional<const char*> Expected; // value of CONFIGURATION/Key
};

class IniContentRead : public testing::TestWithParam<TReadCase> {};

TEST_P(IniContentRead, FindsWhatAReaderOfTheFileSees) {
    const TIniContent content = TIniContent::Parse(GetParam().Text);
    const std::optional<AnsiString> value = content.ReadString("CONFIGURATION", "Key");
    ASSERT_EQ(value.has_value(), GetParam().Expected.has_value());
    if (value) {
        EXPECT_EQ(*value, *GetParam().Expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniContentRead,
    testing::Values(
        TReadCase{"Plain", "[CONFIGURATION]\nKey=v\n", "v"},
        TReadCase{"BlanksAroundEverything", "  [ CONFIGURATION ]  \r\n \t Key \t=  v w  \r\n",
                  "v w"},
        TReadCase{"NamesWithoutCase", "[configuration]\nKEY=v", "v"},
        TReadCase{"EverythingAfterTheFirstEquals", "[CONFIGURATION]\nKey==a=b", "=a=b"},
        TReadCase{"EmptyValue", "[CONFIGURATION]\nKey=", ""},
        TReadCase{"CommentSkipped", "[CONFIGURATION]\n;Key=v", std::nullopt},
        TReadCase{"IndentedComment", "[CONFIGURATION]\n   ; Key=v", std::nullopt},
        TReadCase{"LineBeforeAnySection", "Key=v\n[CONFIGURATION]", std::nullopt},
        TReadCase{"LastKeyWins", "[CONFIGURATION]\nKey=1\nkey=2", "2"},
        TReadCase{"LastSectionIsTheOneRead",
                  "[CONFIGURATION]\nKey=1\n[Other]\nKey=3\n[Configuration]\nElse=2", std::nullopt},
        TReadCase{"LastSectionHoldsTheKey", "[CONFIGURATION]\nKey=1\n[CONFIGURATION]\nKey=2", "2"},
        TReadCase{"CarriageReturnsAlone", "[CONFIGURATION]\rKey=v\r", "v"},
        TReadCase{"NoLineEnd", "[CONFIGURATION]\nKey=v", "v"},
        TReadCase{"HeaderWithoutClosingBracket", "[CONFIGURATION\nKey=v", std::nullopt},
        TReadCase{"LineWithoutEquals", "[CONFIGURATION]\nKey\nKey = v", "v"}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(IniInteger, ReadsDecimalAndHexadecimalNumbersAndNothingElse) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"0", 0},
        {"17", 17},
        {"-17", -17},
        {"+17", 17},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X0", 0},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"no", std::nullopt},
        {"false", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"-$10", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseIniInteger(text), expected) << '"' << text << '"';
    }
}

TEST(IniInteger, ReadIntegerFallsBackForMissingKeysAndForNonNumbers) {
    const TIniContent content =
        TIniContent::Parse("[S]\nHex =  0x0  \nWord=no\nEmpty=\nBig=99999999999");
    EXPECT_EQ(content.ReadInteger("S", "Hex", 1), 0);
    EXPECT_EQ(content.ReadInteger("S", "Word", 1), 1);
    EXPECT_EQ(content.ReadInteger("S", "Empty", 1), 1);
    EXPECT_EQ(content.ReadInteger("S", "Big", 1), 1);
    EXPECT_EQ(content.ReadInteger("S", "Missing", 7), 7);
    EXPECT_EQ(content.ReadInteger("Missing", "Hex", 7), 7);
}

TEST(IniContentWrite, SerializesTheNormalisedFormAndKeepsRepeatedLines) {
    const TIniContent content = TIniContent::Parse("; head comment\r\n"
                                                   "orphan=1\r\n"
                                                   "\r\n"
                                                   "  [ FORMS ]  \r\n"
                                                   "   Main = 10 , 20   \n"
                                                   "; inner comment\n"
                                                   "no equals sign\n"
                                                   "\n"
                                                   "Main=30\n"
                                                   "[Empty]\n"
                                                   "[FORMS]\n"
                                                   "Other=x");
    EXPECT_EQ(content.Serialize(), "[FORMS]\r\nMain=10 , 20\r\nMain=30\r\n\r\n"
                                   "[Empty]\r\n\r\n"
                                   "[FORMS]\r\nOther=x\r\n\r\n");
}

TEST(IniContentWrite, SerializedContentReadsBackTheSame) {
    const TIniContent content = TIniContent::Parse("[a]\nx=1\n=empty name\n[a]\n[b]\n[c=d\ny=2]");
    EXPECT_EQ(TIniContent::Parse(content.Serialize()).Serialize(), content.Serialize());
}

TEST(IniContentWrite, WriteStringChangesTheKeyALookupReads) {
    TIniContent content = TIniContent::Parse("[S]\nKey=1\n[s]\nkey=2\nKEY=3");
    content.WriteString("S", "Key", " 4 ");
    content.WriteString("S", "New", "5");
    content.WriteString("T", "Key", "6");
    EXPECT_EQ(content.Serialize(),
              "[S]\r\nKey=1\r\n\r\n[s]\r\nkey=2\r\nKEY=4\r\nNew=5\r\n\r\n[T]\r\nKey=6\r\n\r\n");
}

TEST(IniContentWrite, WriteStringRefusesWhatTheFileCouldNotCarry) {
    TIniContent content;
    for (const auto& [name, value] :
         {std::pair{"", "v"}, std::pair{"a=b", "v"}, std::pair{";a", "v"}, std::pair{"[a", "v"},
          std::pair{"a\nb", "v"}, std::pair{"a", "v\r\nw"}}) {
        EXPECT_THROW(content.WriteString("S", name, value), EConvertError) << name;
    }
    EXPECT_THROW(content.WriteString("S\n", "a", "v"), EConvertError);
    EXPECT_TRUE(content.Empty());
}

} // namespace
