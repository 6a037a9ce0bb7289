#pragma once

#include <cstdint>
#include <utility>

// 32-bit statuses of the interface boundary: 0 success, negative failure.
using HResult = std::int32_t;

inline constexpr HResult kStatusOk = 0;
inline constexpr HResult kStatusNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kStatusFail = static_cast<HResult>(0x80004005u);
// Anything raised inside an interface operation comes back as this status.
inline constexpr HResult kStatusUnexpected = static_cast<HResult>(0x8000FFFFu);

constexpr bool Succeeded(HResult status) {
    return status >= 0;
}
constexpr bool Failed(HResult status) {
    return status < 0;
}

// The boundary of an interface operation: no exception leaves it.
template <class Operation>
HResult GuardStatus(Operation&& operation) noexcept {
    try {
        std::forward<Operation>(operation)();
        return kStatusOk;
    } catch (...) {
        return kStatusUnexpected;
    }
}

// The caller's side: a negative status becomes a raised EOSError carrying that status.
void CheckStatus(HResult status);
