#include "datadict/InformationValue.h"

#include <cstdlib>
#include <string>

AnsiString DecimalToText(TDecimal value) {
    const bool negative = value.Scaled < 0;
    // Magnitude as unsigned so that the most negative value has one too.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.Scaled)
                                             : static_cast<std::uint64_t>(value.Scaled);
    AnsiString text = negative ? "-" : "";
    text += std::to_string(magnitude / TDecimal::kScale);
    std::uint64_t fraction = magnitude % TDecimal::kScale;
    if (fraction != 0) {
        AnsiString digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += '.' + digits;
    }
    return text;
}

TInformationValue ToInformationValue(const TInformationValueRow& row) {
    return std::visit(
        [](const auto& value) -> TInformationValue {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string_view>) {
                return AnsiString(value);
            } else {
                return value;
            }
        },
        row);
}

AnsiString InformationValueToText(const TInformationValue& value) {
    return std::visit(
        [](const auto& held) -> AnsiString {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, AnsiString>) {
                return '"' + held + '"';
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return std::to_string(held);
            } else if constexpr (std::is_same_v<T, TDecimal>) {
                return DecimalToText(held);
            } else {
                return held ? "true" : "false";
            }
        },
        value);
}
