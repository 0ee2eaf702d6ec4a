#pragma once

#include <cstdint>
#include <string>

#include "framework/OutOfBoundsException.h"

// Shared helpers of the framework's dynamic arrays: every index runs from 0 to
// its dimension's upper bound, and an upper bound of -1 means no elements.
namespace ArrayBounds {

// Kept out of line so that the checks on the hot paths stay a compare and a
// rarely taken branch.
[[noreturn]] __attribute__((noinline, cold)) inline void ThrowOutOfBounds(std::int64_t index,
                                                                          std::int64_t upperBound) {
    throw OutOfBoundsException("index " + std::to_string(index) + " is outside 0 to " +
                               std::to_string(upperBound));
}

inline void CheckUpperBound(std::int64_t upperBound) {
    if (upperBound < -1) {
        throw OutOfBoundsException("upper bound " + std::to_string(upperBound) + " is below -1");
    }
}

// One unsigned comparison against the element count covers index < 0,
// index > upperBound and the empty array (upper bound -1).
inline void CheckIndex(std::int64_t index, std::int64_t upperBound) {
    const auto count = static_cast<std::uint64_t>(upperBound + 1);
    if (__builtin_expect(static_cast<std::uint64_t>(index) >= count, 0)) {
        ThrowOutOfBounds(index, upperBound);
    }
}

}  // namespace ArrayBounds
