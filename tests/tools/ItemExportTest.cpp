#include "tools/ItemExport.h"

#include "datadict/InformationList.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

TEST(ItemExport, OneLinePerItemUnderTheFieldNames) {
    FillDefStrings();
    std::ostringstream out;
    {
        TInformationList list;
        ExportItems(*list.ReferenceEntry().Information, "DEU", out);
    }
    ClearDefStrings();
    auto lines = Split(out.str(), '\n');
    ASSERT_EQ(lines.back(), "");
    lines.pop_back();
    ASSERT_EQ(lines.size(), 449u);
    EXPECT_EQ(lines[0], "Name\tSymbolId\tSymbol\tCaptionId\tHintId\tCaption\tUnitId\tUnitText\t"
                        "StorageName\tGroup\tFlags\tValueKind\tDecimals\tHasLimits\tMinValue\t"
                        "MaxValue\tDefaultValue\tTopicId\tChoiceIds\tChoiceTexts\tHasChoices\t"
                        "Index\tEntry");
    for (const std::string& line : lines) {
        EXPECT_EQ(Split(line, '\t').size(), 23u) << line;
    }
    EXPECT_EQ(lines[1], "Comment\t5600\t\t10003\t0\tBemerkung\t3000\t-\tBEMERKUNG\t0\t0\t162\t0\t"
                        "false\t0\t0\t\"\"\t20060\t\t\tfalse\t0\tDEU");
    EXPECT_EQ(lines[3], "Lp\t5602\tLP\t1000\t0\tLänge über Puffer\t3001\tm\tLaengePuffer\t1\t0\t5\t"
                        "3\ttrue\t0\t45\t0\t22010\t\t\tfalse\t2\tDEU");
    EXPECT_EQ(lines[38],
              "l\t5625\tl\t1106\t0\tRegelspurweite\t3001\tm\tRegelspurweite\t2\t0\t5\t3\t"
              "true\t0\t2\t1.435\t23055\t\t\tfalse\t37\tDEU");
    EXPECT_EQ(lines[344], "EsCvSide\t5600\t\t0\t0\t\t3000\t-\t\t17\t0\t160\t0\tfalse\t0\t0\tfalse\t"
                          "0\t4040|4039\tnach bogenaußen|nach bogeninnen\ttrue\t343\tDEU");
    EXPECT_EQ(Split(lines[448], '\t')[0], "MarkZ");
    EXPECT_EQ(Split(lines[448], '\t')[15], "7.5");
}

} // namespace
