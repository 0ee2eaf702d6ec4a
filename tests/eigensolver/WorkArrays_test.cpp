#include <gtest/gtest.h>

#include "eigensolver/WorkMatrix.h"
#include "eigensolver/WorkVector.h"
#include "framework/OutOfBoundsException.h"

TEST(WorkArrays, EveryIndexIsBoundsTested) {
    WorkVector<3> vector;
    WorkMatrix<3> matrix;
    vector(0) = 1.0;
    vector(3) = 2.0;
    matrix(0, 3) = 3.0;
    matrix(3, 0) = 4.0;
    EXPECT_EQ(vector(0), 1.0);
    EXPECT_EQ(vector(3), 2.0);
    EXPECT_EQ(matrix(0, 3), 3.0);
    EXPECT_EQ(matrix(3, 0), 4.0);
    EXPECT_THROW(vector(-1), OutOfBoundsException);
    EXPECT_THROW(vector(4), OutOfBoundsException);
    EXPECT_THROW(matrix(-1, 0), OutOfBoundsException);
    EXPECT_THROW(matrix(4, 0), OutOfBoundsException);
    EXPECT_THROW(matrix(0, -1), OutOfBoundsException);
    EXPECT_THROW(matrix(0, 4), OutOfBoundsException);
}
