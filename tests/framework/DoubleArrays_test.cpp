#include <gtest/gtest.h>

#include "framework/DoubleMatrix.h"
#include "framework/DoubleVector.h"

TEST(DoubleVector, ZeroAtCreationAndBoundsCheckedBothEnds) {
    DoubleVector d(3);
    for (std::int64_t i = 0; i <= 3; ++i) EXPECT_EQ(d(i), 0.0);
    EXPECT_THROW(d(-1), OutOfBoundsException);
    EXPECT_THROW(d(4), OutOfBoundsException);
    const DoubleVector& cd = d;
    EXPECT_THROW(cd(4), OutOfBoundsException);
    EXPECT_THROW(DoubleVector(-2), OutOfBoundsException);
    EXPECT_THROW(DoubleVector(-1)(0), OutOfBoundsException);
}

TEST(DoubleVector, RedimKeepsWhatFitsAndZeroesTheRest) {
    DoubleVector d(3);
    d(1) = 1.5;
    d(3) = 3.5;
    d.Redim(2);
    EXPECT_EQ(d.Ubound(), 2);
    EXPECT_EQ(d(1), 1.5);
    EXPECT_THROW(d(3), OutOfBoundsException);
    d.Redim(3);
    EXPECT_EQ(d(3), 0.0);
}

TEST(DoubleMatrix, EachDimensionIsBoundsChecked) {
    DoubleMatrix m(3, 2);
    EXPECT_EQ(m.Ubound(1), 3);
    EXPECT_EQ(m.Ubound(2), 2);
    EXPECT_EQ(m(3, 2), 0.0);
    EXPECT_THROW(m(4, 0), OutOfBoundsException);
    EXPECT_THROW(m(0, 3), OutOfBoundsException);
    EXPECT_THROW(m(-1, 0), OutOfBoundsException);
    EXPECT_THROW(m(0, -1), OutOfBoundsException);
    EXPECT_THROW(m.Ubound(3), OutOfBoundsException);
}

TEST(DoubleMatrix, RedimKeepsElementsByIndexNotByPosition) {
    DoubleMatrix m(3, 3);
    m(1, 1) = 11;
    m(1, 2) = 12;
    m(2, 1) = 21;
    m(3, 3) = 33;
    m.Redim(2, 2);
    EXPECT_EQ(m(1, 1), 11);
    EXPECT_EQ(m(1, 2), 12);
    EXPECT_EQ(m(2, 1), 21);
    EXPECT_EQ(m(2, 2), 0.0);
    EXPECT_THROW(m(3, 3), OutOfBoundsException);
}
