#pragma once

#include <cstdint>
#include <vector>

#include "framework/ArrayBounds.h"

// Two-dimensional dynamic array of Double, row index first: indices 0 to
// Ubound(1) and 0 to Ubound(2), every element 0.0 at creation, every access
// bounds-checked in each dimension.
class DoubleMatrix {
public:
    DoubleMatrix(std::int64_t rowUpperBound, std::int64_t columnUpperBound) {
        Redim(rowUpperBound, columnUpperBound);
    }

    // dimension 1 is the rows, 2 the columns.
    std::int64_t Ubound(int dimension = 1) const {
        if (dimension == 1) return rowUpperBound_;
        if (dimension == 2) return columnUpperBound_;
        ArrayBounds::ThrowOutOfBounds(dimension, 2);
    }

    // Keeps the elements whose indices lie within both the old and the new
    // bounds; new elements are 0.0.
    void Redim(std::int64_t rowUpperBound, std::int64_t columnUpperBound) {
        ArrayBounds::CheckUpperBound(rowUpperBound);
        ArrayBounds::CheckUpperBound(columnUpperBound);
        std::vector<double> resized(
            static_cast<std::size_t>((rowUpperBound + 1) * (columnUpperBound + 1)), 0.0);
        for (std::int64_t r = 0; r <= rowUpperBound && r <= rowUpperBound_; ++r) {
            for (std::int64_t c = 0; c <= columnUpperBound && c <= columnUpperBound_; ++c) {
                resized[static_cast<std::size_t>(r * (columnUpperBound + 1) + c)] =
                    elements_[Offset(r, c)];
            }
        }
        rowUpperBound_ = rowUpperBound;
        columnUpperBound_ = columnUpperBound;
        elements_.swap(resized);
    }

    double& operator()(std::int64_t r, std::int64_t c) {
        ArrayBounds::CheckIndex(r, rowUpperBound_);
        ArrayBounds::CheckIndex(c, columnUpperBound_);
        return elements_[Offset(r, c)];
    }
    const double& operator()(std::int64_t r, std::int64_t c) const {
        ArrayBounds::CheckIndex(r, rowUpperBound_);
        ArrayBounds::CheckIndex(c, columnUpperBound_);
        return elements_[Offset(r, c)];
    }

private:
    std::size_t Offset(std::int64_t r, std::int64_t c) const {
        return static_cast<std::size_t>(r * (columnUpperBound_ + 1) + c);
    }

    std::int64_t rowUpperBound_ = -1;
    std::int64_t columnUpperBound_ = -1;
    std::vector<double> elements_;
};
