#pragma once

#include "datadict/InformationValue.h"
#include "textcatalog/uDefStrings.h"

#include <cstdint>
#include <initializer_list>
#include <span>

// Kinds of value. The first four are the platform's variant type codes.
inline constexpr std::int32_t vkInteger = 3;
inline constexpr std::int32_t vkFloat = 5;
inline constexpr std::int32_t vkBoolean = 11;
inline constexpr std::int32_t vkString = 256;
// The 0-based index of one of the item's choices.
inline constexpr std::int32_t vkChoice = 160;
// A data record, a file or folder name, a point list or a set of parameters chosen elsewhere.
inline constexpr std::int32_t vkSelection = 161;
// Free text: remarks, names of authors, firm or organisation.
inline constexpr std::int32_t vkText = 162;
inline constexpr std::int32_t vkRecord = 163;
inline constexpr std::int32_t vkRecordList = 164;

// Unit texts.
inline constexpr TTextId kNoUnit = 3000; // "-"
inline constexpr TTextId kMetre = 3001;
inline constexpr TTextId kMillimetre = 3002;
inline constexpr TTextId kDegree = 3003;
inline constexpr TTextId kRadian = 3004;
inline constexpr TTextId kKmPerHour = 3005;
inline constexpr TTextId kSquareMillimetre = 3006;
inline constexpr TTextId kKiloNewton = 13579;
inline constexpr TTextId kKiloNewtonPerMm = 13580;

// The empty text, for items without a symbol.
inline constexpr TTextId kNoSymbol = 5600;

inline constexpr std::uint32_t kNoFlags = 0;
// The word with the given bits (0 the lowest) set.
consteval std::uint32_t Flags(std::initializer_list<int> bits) {
    std::uint32_t word = 0;
    for (const int bit : bits) {
        if (bit < 0 || bit > 31) {
            throw "flag bit out of range";
        }
        word |= std::uint32_t{1} << bit;
    }
    return word;
}

// What one registration of an item passes, in the order of the registration's arguments.
struct TItemRegistration {
    const char* Name;
    TTextId SymbolId;
    TTextId CaptionId;
    TTextId HintId;
    TTextId UnitId;
    const char* StorageName;
    std::uint8_t Group;
    std::uint32_t Flags;
    std::int32_t ValueKind;
    std::int32_t Decimals;
    bool HasLimits;
    double MinValue;
    double MaxValue;
    TInformationValueRow DefaultValue;
    std::int32_t TopicId;
    // Only a choice item keeps them.
    std::span<const TTextId> ChoiceIds;
};

// The product family's information items, in registration order.
std::span<const TItemRegistration> InformationItems();
