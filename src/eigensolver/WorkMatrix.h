#pragma once

#include <array>
#include <cstdint>

#include "framework/ArrayBounds.h"

// A bounds-checked square matrix of Double with indices 0 to UpperBound in each
// dimension, row index first, that lives on the stack. Its bounds and row
// length are constants, so a test or an address costs the compiler next to
// nothing. Like WorkVector, its elements are left unset.
template <std::int64_t UpperBound>
class WorkMatrix {
public:
    double& operator()(std::int64_t r, std::int64_t c) {
        ArrayBounds::CheckIndex(r, UpperBound);
        ArrayBounds::CheckIndex(c, UpperBound);
        return elements_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    }

private:
    std::array<std::array<double, UpperBound + 1>, UpperBound + 1> elements_;
};
