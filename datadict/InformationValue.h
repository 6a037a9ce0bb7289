#pragma once

#include "runtime/Strings.h"

#include <cstdint>
#include <string_view>
#include <variant>

// A decimal number with four digits after the point, held as a scaled integer so that values such
// as 1.435 are exact.
struct TDecimal {
    static constexpr std::int64_t kScale = 10000;
    std::int64_t Scaled = 0;

    constexpr double AsDouble() const { return static_cast<double>(Scaled) / kScale; }
    friend constexpr bool operator==(TDecimal, TDecimal) = default;
};

// Reads "1.435", "-0.5" or "150" exactly; anything else, or more than four digits after the point,
// is rejected (at compile time when used in a constant expression).
consteval TDecimal Dec(std::string_view text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    at += negative ? 1 : 0;
    std::int64_t whole = 0;
    int digits = 0;
    for (; at < text.size() && text[at] != '.'; ++at, ++digits) {
        if (text[at] < '0' || text[at] > '9') {
            throw "not a decimal number";
        }
        whole = whole * 10 + (text[at] - '0');
    }
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    if (at < text.size()) {
        for (++at; at < text.size(); ++at, ++fractionDigits) {
            if (text[at] < '0' || text[at] > '9' || fractionDigits == 4) {
                throw "not a decimal number with at most four digits after the point";
            }
            fraction = fraction * 10 + (text[at] - '0');
        }
    }
    if (digits + fractionDigits == 0) {
        throw "not a decimal number";
    }
    for (int i = fractionDigits; i < 4; ++i) {
        fraction *= 10;
    }
    const std::int64_t scaled = whole * TDecimal::kScale + fraction;
    return TDecimal{negative ? -scaled : scaled};
}

// "1.435", "0.0005", "-4": the shortest exact form.
AnsiString DecimalToText(TDecimal value);

// The value of an item's default: a text (empty or not), an integer, a decimal number or a
// Boolean. A default-constructed value is the empty text.
using TInformationValue = std::variant<AnsiString, std::int32_t, TDecimal, bool>;

// The same kinds as constants of a compiled-in table.
using TInformationValueRow = std::variant<std::string_view, std::int32_t, TDecimal, bool>;

constexpr TInformationValueRow EmptyText() {
    return std::string_view();
}
constexpr TInformationValueRow Text(std::string_view text) {
    return text;
}
constexpr TInformationValueRow Int(std::int32_t value) {
    return value;
}
constexpr TInformationValueRow Bool(bool value) {
    return value;
}

TInformationValue ToInformationValue(const TInformationValueRow& row);

// A reviewable form: texts in double quotes (the empty text as ""), numbers in decimal, Booleans as
// true or false.
AnsiString InformationValueToText(const TInformationValue& value);
