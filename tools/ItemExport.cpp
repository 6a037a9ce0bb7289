#include "tools/ItemExport.h"

#include "platform/CodePage.h"
#include "tools/TextExport.h"

#include <charconv>
#include <string>

namespace {

constexpr const char* kFields[] = {
    "Name",      "SymbolId",    "Symbol",      "CaptionId", "HintId",       "Caption",
    "UnitId",    "UnitText",    "StorageName", "Group",     "Flags",        "ValueKind",
    "Decimals",  "HasLimits",   "MinValue",    "MaxValue",  "DefaultValue", "TopicId",
    "ChoiceIds", "ChoiceTexts", "HasChoices",  "Index",     "Entry"};

std::string Field(const AnsiString& ansi) {
    return EscapeTableField(WideToUtf8(AnsiToWide(ansi)).c_str());
}

std::string Number(double value) {
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    return std::string(buffer, result.ptr);
}

const char* Boolean(bool value) {
    return value ? "true" : "false";
}

std::string Joined(const TStringList* list) {
    std::string joined;
    for (int i = 0; list && i < list->Count(); ++i) {
        joined += (i ? "|" : "") + Field(list->Strings(i));
    }
    return joined;
}

} // namespace

void ExportItems(const TInformation& information, std::string_view languageCode,
                 std::ostream& out) {
    for (const char* field : kFields) {
        out << field << (field == kFields[std::size(kFields) - 1] ? "\n" : "\t");
    }
    const std::string code = Field(AnsiString(languageCode));
    for (int i = 0; i < information.Count(); ++i) {
        const TInformationItem& item = information.Item(i);
        out << Field(item.Name) << '\t' << item.SymbolId << '\t' << Field(item.Symbol) << '\t'
            << item.CaptionId << '\t' << item.HintId << '\t' << Field(item.Caption) << '\t'
            << item.UnitId << '\t' << Field(item.UnitText) << '\t' << Field(item.StorageName)
            << '\t' << int{item.Group} << '\t' << item.Flags << '\t' << item.ValueKind << '\t'
            << item.Decimals << '\t' << Boolean(item.HasLimits) << '\t' << Number(item.MinValue)
            << '\t' << Number(item.MaxValue) << '\t'
            << Field(InformationValueToText(item.DefaultValue)) << '\t' << item.TopicId << '\t'
            << Joined(item.ChoiceIds.get()) << '\t' << Joined(item.ChoiceTexts.get()) << '\t'
            << Boolean(item.HasChoices) << '\t' << item.Index << '\t' << code << '\n';
    }
}
