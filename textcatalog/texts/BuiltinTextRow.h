#pragma once

#include <array>
#include <cstdint>
#include <span>

// One row of the built-in text tables: the German and the English text of one text id side by side,
// so that a translation pair is written and reviewed together. Texts are UTF-8 in the source and
// are converted to the ANSI code page when the tables are filled. A null text means the language
// has no row for the id (distinct from an empty row).
struct BuiltinTextRow {
    std::uint32_t Id;
    const char* German;
    const char* English;
};

// The blocks of rows, each in ascending id order; the blocks themselves follow each other in
// ascending id order.
std::span<const BuiltinTextRow> TextRows1000();  // 1000..3577
std::span<const BuiltinTextRow> TextRows4000();  // 4000..5950
std::span<const BuiltinTextRow> TextRows6000();  // 6000..9187
std::span<const BuiltinTextRow> TextRows10001(); // 10001..10392
std::span<const BuiltinTextRow> TextRows10394(); // 10394..10779
std::span<const BuiltinTextRow> TextRows10800(); // 10800..15011 and the mail failure/window rows

// Every block, in ascending id order.
inline std::array<std::span<const BuiltinTextRow>, 6> BuiltinTextBlocks() {
    return {TextRows1000(),  TextRows4000(),  TextRows6000(),
            TextRows10001(), TextRows10394(), TextRows10800()};
}
