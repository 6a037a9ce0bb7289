#include "tools/TextExport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const BuiltinTextRow kRows[] = {
    {1000, "Länge über Puffer", "Length over buffers"},
    {2350, "Zeile 1\rZeile 2\r\nTab\there \\ Ende", "Line 1\rLine 2\r\nTab\there \\ end"},
    {5600, "", ""},
    {9009, "Wert \"%s\"", "Value \"%s\""},
    {10603, nullptr, ""},
};

std::span<const BuiltinTextRow> Rows() {
    return kRows;
}

TEST(TextExport, TableEscapesControlsAndMarksMissingTexts) {
    const std::span<const BuiltinTextRow> blocks[] = {Rows()};
    std::ostringstream out;
    ExportTextTable(blocks, out);
    EXPECT_EQ(out.str(), "id\tde\ten\n"
                         "1000\tLänge über Puffer\tLength over buffers\n"
                         "2350\tZeile 1\\rZeile 2\\r\\nTab\\there \\\\ Ende\t"
                         "Line 1\\rLine 2\\r\\nTab\\there \\\\ end\n"
                         "5600\t\t\n"
                         "9009\tWert \"%s\"\tValue \"%s\"\n"
                         "10603\t\\N\t\n");
}

TEST(TextExport, PoTemplateCarriesIdGermanAndEnglish) {
    const std::span<const BuiltinTextRow> blocks[] = {Rows()};
    std::ostringstream out;
    ExportPoTemplate(blocks, out);
    const std::string po = out.str();
    EXPECT_NE(po.find("\"Content-Type: text/plain; charset=UTF-8\\n\""), std::string::npos);
    EXPECT_NE(po.find("# English: \"Length over buffers\"\n"
                      "msgctxt \"1000\"\n"
                      "msgid \"Länge über Puffer\"\n"
                      "msgstr \"\"\n"),
              std::string::npos);
    EXPECT_NE(po.find("msgid \"Wert \\\"%s\\\"\""), std::string::npos);
    EXPECT_NE(po.find("msgid \"Zeile 1\\rZeile 2\\r\\nTab\\there \\\\ Ende\""), std::string::npos);
    // Nothing to translate: an empty German row and an id German lacks.
    EXPECT_EQ(po.find("msgctxt \"5600\""), std::string::npos);
    EXPECT_EQ(po.find("msgctxt \"10603\""), std::string::npos);
}

} // namespace
