#include "settings/IniEncoding.h"

#include "SettingsFixtures.h"
#include "platform/CodePage.h"
#include "settings/VexaAppIniFileStorage.h"
#include "settings/uVexaRegIniStorage.h"

#include <gtest/gtest.h>

namespace {

// The bytes a Windows editor writes for Text in UTF-16, mark included.
std::string Utf16File(std::u16string_view text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct TEditorFile {
    const char* Name;
    TIniEncoding Encoding;
    // The file as the editor wrote it, and as the write-back must leave it.
    std::string Written;
    std::string Expected;
};

// One settings file written by other editors: its first section begins right after the mark,
// and one value holds letters outside ASCII.
const char16_t kWide[] = u"[FORMS]\r\nMain=1\r\n[Other]\r\nName=Gr\u00FC\u00DFe\r\n";
const char16_t kWideAfter[] =
    u"[FORMS]\r\nMain=1\r\n\r\n[Other]\r\nName=Gr\u00FC\u00DFe\r\nNew=\u00C9t\u00E9\r\n\r\n";

std::vector<TEditorFile> EditorFiles() {
    const std::string utf8 = WideToUtf8(kWide);
    const std::string utf8After = WideToUtf8(kWideAfter);
    return {
        {"Ansi", TIniEncoding::Ansi, WideToAnsi(kWide), WideToAnsi(kWideAfter)},
        {"Utf8WithMark", TIniEncoding::Utf8, "\xEF\xBB\xBF" + utf8, "\xEF\xBB\xBF" + utf8After},
        {"Utf16LittleEndian", TIniEncoding::Utf16LE, Utf16File(kWide), Utf16File(kWideAfter)},
        {"Utf16BigEndian", TIniEncoding::Utf16BE, Utf16File(kWide, true),
         Utf16File(kWideAfter, true)},
    };
}

class EditorEncodings : public testing::TestWithParam<TEditorFile> {};

TEST_P(EditorEncodings, AreReadWholeAndWrittenBackInTheirOwnEncoding) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file, GetParam().Written);
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        EXPECT_EQ(storage.Encoding(), GetParam().Encoding);
        EXPECT_EQ(storage.ReadString("FORMS", "Main"), "1");
        EXPECT_EQ(storage.ReadString("Other", "Name"), WideToAnsi(u"Gr\u00FC\u00DFe"));
        storage.WriteString("Other", "New", WideToAnsi(u"\u00C9t\u00E9"));
    }
    EXPECT_EQ(ReadTextFile(file), GetParam().Expected);
}

TEST_P(EditorEncodings, ChooseTheStoreInTheBootstrapFile) {
    TTempFolder folder;
    const AnsiString bootstrap = folder.File("program.ini");
    const AnsiString settings = folder.File("Vexa.ini");
    const std::u16string text =
        u"[CONFIGURATION]\r\nUseRegistry=0\r\nIniFileName=" + AnsiToWide(settings) + u"\r\n";
    const std::string utf8 = WideToUtf8(text);
    const std::string bytes[] = {WideToAnsi(text), "\xEF\xBB\xBF" + utf8, Utf16File(text),
                                 Utf16File(text, true)};
    WriteTextFile(bootstrap, bytes[static_cast<int>(GetParam().Encoding)]);
    TRegIniData store(bootstrap);
    ASSERT_NE(store.IniFileStorage(), nullptr);
    EXPECT_EQ(store.IniFileStorage()->FullFileName(), settings);
    store.IniFileStorage()->SetFlushOnDestroy(false);
}

INSTANTIATE_TEST_SUITE_P(Files, EditorEncodings, testing::ValuesIn(EditorFiles()),
                         [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(IniEncoding, AUtf16FileKeepsWhatTheCodePageCannotHold) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    // Greek, a character beyond the 16-bit range and a surrogate without its partner.
    const std::u16string kept =
        u"[Names]\r\nGreek=\u03A9\u03BC\r\nFace=\U0001F600\r\nHalf=a\xD800z\r\n";
    WriteTextFile(file, Utf16File(kept));
    {
        TVexaAppIniFileStorage storage;
        storage.SetFileName(file);
        storage.WriteString("Names", "Plain", "x");
    }
    EXPECT_EQ(ReadTextFile(file), Utf16File(kept + u"Plain=x\r\n\r\n"));
}

TEST(IniEncoding, AFileRewrittenInAnotherEncodingMeanwhileKeepsThatOne) {
    TTempFolder folder;
    const AnsiString file = folder.File("Vexa.ini");
    WriteTextFile(file, "[A]\r\nx=1\r\n");
    TVexaAppIniFileStorage storage;
    storage.SetFileName(file);
    storage.WriteString("A", "y", WideToAnsi(u"\u00E4"));
    // An editor saves the file as UTF-16 while the program runs.
    WriteTextFile(file, Utf16File(u"[A]\r\nx=2\r\n"));
    ASSERT_TRUE(storage.Flush());
    EXPECT_EQ(ReadTextFile(file), Utf16File(u"[A]\r\nx=2\r\ny=\u00E4\r\n\r\n"));
    EXPECT_EQ(storage.Encoding(), TIniEncoding::Utf16LE);
    EXPECT_EQ(storage.ReadString("A", "x"), "2");
    storage.SetFlushOnDestroy(false);
}

TEST(IniEncoding, MarksDecideAndEveryByteComesBack) {
    const struct {
        std::string Bytes;
        TIniEncoding Encoding;
        std::string Text;
    } cases[] = {
        {"", TIniEncoding::Ansi, ""},
        {"[A]\r\nx=\xE9", TIniEncoding::Ansi, "[A]\r\nx=\xE9"},
        // Half a mark, or a mark later in the file, is text.
        {"\xEF\xBB[A]", TIniEncoding::Ansi, "\xEF\xBB[A]"},
        {" \xEF\xBB\xBF", TIniEncoding::Ansi, " \xEF\xBB\xBF"},
        {"\xEF\xBB\xBF", TIniEncoding::Utf8, ""},
        // Bytes that are no UTF-8 stay as they are.
        {"\xEF\xBB\xBFx=\xC3\xA9\xFF", TIniEncoding::Utf8, "x=\xC3\xA9\xFF"},
        {"\xFF\xFE", TIniEncoding::Utf16LE, ""},
        {std::string("\xFF\xFEx\0\xE9\0", 6), TIniEncoding::Utf16LE, "x\xC3\xA9"},
        {std::string("\xFE\xFF\0x\x20\xAC", 6), TIniEncoding::Utf16BE, "x\xE2\x82\xAC"},
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), TIniEncoding::Utf16LE, "\xF0\x9F\x98\x80"},
        {std::string("\xFF\xFE\x00\xDC", 4), TIniEncoding::Utf16LE, "\xED\xB0\x80"},
        {std::string("\xFF\xFE\0\0", 4), TIniEncoding::Utf16LE, std::string(1, '\0')},
    };
    for (const auto& [bytes, encoding, text] : cases) {
        const TIniText decoded = DecodeIniText(bytes);
        EXPECT_EQ(decoded.Encoding, encoding) << bytes;
        EXPECT_EQ(decoded.Text, text) << bytes;
        EXPECT_EQ(EncodeIniText(decoded.Encoding, decoded.Text), bytes) << bytes;
    }
    // Half a character at the end of a UTF-16 file.
    EXPECT_EQ(DecodeIniText(std::string("\xFF\xFEx\0y", 5)).Text, "x\xEF\xBF\xBD");
}

} // namespace
