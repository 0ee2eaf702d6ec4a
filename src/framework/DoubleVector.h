#pragma once

#include <cstdint>
#include <vector>

#include "framework/ArrayBounds.h"

// One-dimensional dynamic array of Double: indices 0 to Ubound(), every element
// 0.0 at creation, every access bounds-checked.
class DoubleVector {
public:
    explicit DoubleVector(std::int64_t upperBound = -1) { Redim(upperBound); }

    std::int64_t Ubound() const { return upperBound_; }

    // Keeps the elements that lie within both the old and the new bounds; new
    // elements are 0.0.
    void Redim(std::int64_t upperBound) {
        ArrayBounds::CheckUpperBound(upperBound);
        upperBound_ = upperBound;
        elements_.resize(static_cast<std::size_t>(upperBound + 1), 0.0);
    }

    double& operator()(std::int64_t i) {
        ArrayBounds::CheckIndex(i, upperBound_);
        return elements_[static_cast<std::size_t>(i)];
    }
    const double& operator()(std::int64_t i) const {
        ArrayBounds::CheckIndex(i, upperBound_);
        return elements_[static_cast<std::size_t>(i)];
    }

private:
    std::int64_t upperBound_ = -1;
    std::vector<double> elements_;
};
