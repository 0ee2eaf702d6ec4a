#pragma once

#include <array>
#include <cstdint>

#include "framework/ArrayBounds.h"

// A bounds-checked vector of Double with indices 0 to UpperBound that lives
// on the stack, so a call of the solver allocates nothing on the heap. Its
// elements are left unset: the solver writes every element it uses before
// reading it, and clearing 101 doubles twice would double the cost of a 2x2.
template <std::int64_t UpperBound>
class WorkVector {
public:
    double& operator()(std::int64_t i) {
        ArrayBounds::CheckIndex(i, UpperBound);
        return elements_[static_cast<std::size_t>(i)];
    }

private:
    std::array<double, UpperBound + 1> elements_;
};
