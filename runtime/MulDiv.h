#pragma once

#include <cstdint>
#include <cstdlib>

// A·B/C without overflow, rounded to the nearest integer with halves away from zero; -1 when C
// is 0 or the result does not fit, as the Windows call answers.
constexpr std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude =
        ((product < 0 ? -product : product) + (c < 0 ? -std::int64_t{c} : c) / 2) /
        (c < 0 ? -std::int64_t{c} : c);
    const std::int64_t result = (product < 0) != (c < 0) ? -magnitude : magnitude;
    return result > INT32_MAX || result < INT32_MIN ? -1 : static_cast<std::int32_t>(result);
}
