#include "eigensolver/Module1_GenStructure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ios>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

namespace ms = Module1_GenStructure;

namespace {

using Rows = std::vector<std::vector<double>>;

DoubleMatrix MatrixOf(const Rows& rows) {
    const auto n = static_cast<std::int64_t>(rows.size());
    DoubleMatrix m(n, n);
    for (std::int64_t r = 1; r <= n; ++r) {
        for (std::int64_t c = 1; c <= n; ++c) m(r, c) = rows[r - 1][c - 1];
    }
    return m;
}

struct Decomposition {
    DoubleMatrix a;
    DoubleVector d;
    DoubleMatrix v;
};

Decomposition Solve(const Rows& rows, bool sorted) {
    const auto n = static_cast<std::int64_t>(rows.size());
    Decomposition r{MatrixOf(rows), DoubleVector(n), DoubleMatrix(n, n)};
    ms::Jacobi(r.a, n, n, r.d, r.v, 0);
    if (sorted) ms::Eigsrt(r.d, r.v, n, n);
    return r;
}

bool SameBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }

void ExpectColumnNear(const DoubleMatrix& v, std::int64_t k, const std::vector<double>& expected,
                      double tolerance) {
    for (std::int64_t j = 1; j <= static_cast<std::int64_t>(expected.size()); ++j) {
        EXPECT_NEAR(v(j, k), expected[j - 1], tolerance) << "row " << j << " of column " << k;
    }
}

// The Hilbert matrix of order n in arrays with upper bound ub, every element
// outside indices 1 to n (and every element of d and v) set to the marker.
Decomposition SolveHilbert(std::int64_t n, std::int64_t ub, double marker) {
    Decomposition r{DoubleMatrix(ub, ub), DoubleVector(ub), DoubleMatrix(ub, ub)};
    for (std::int64_t p = 0; p <= ub; ++p) {
        r.d(p) = marker;
        for (std::int64_t q = 0; q <= ub; ++q) {
            const bool inside = p >= 1 && p <= n && q >= 1 && q <= n;
            r.a(p, q) = inside ? 1.0 / static_cast<double>(p + q - 1) : marker;
            r.v(p, q) = marker;
        }
    }
    ms::Jacobi(r.a, n, n, r.d, r.v, 0);
    ms::Eigsrt(r.d, r.v, n, n);
    return r;
}

bool OutsideOneToN(std::int64_t i, std::int64_t n) { return i < 1 || i > n; }

void ExpectMarkersKept(const Decomposition& r, std::int64_t n, double marker) {
    const std::int64_t ub = r.d.Ubound();
    for (std::int64_t p = 0; p <= ub; ++p) {
        if (OutsideOneToN(p, n)) {
            EXPECT_EQ(r.d(p), marker) << "d(" << p << ")";
        }
        for (std::int64_t q = 0; q <= ub; ++q) {
            if (!OutsideOneToN(p, n) && !OutsideOneToN(q, n)) continue;
            EXPECT_EQ(r.a(p, q), marker) << "a(" << p << ", " << q << ")";
            EXPECT_EQ(r.v(p, q), marker) << "v(" << p << ", " << q << ")";
        }
    }
}

}  // namespace

// Index 0 and the indices above n are neither read nor written: the same
// matrix in arrays with a spare index at the top and other markers gives the
// same bits, and every marker stays. Order 4 takes the solver's other path.
TEST(Jacobi, UsesOnlyIndicesOneToN) {
    for (std::int64_t n = 2; n <= 4; ++n) {
        SCOPED_TRACE(n);
        const Decomposition exact = SolveHilbert(n, n, 7.0);
        const Decomposition padded = SolveHilbert(n, n + 1, -3.0);
        for (std::int64_t k = 1; k <= n; ++k) {
            EXPECT_TRUE(SameBits(exact.d(k), padded.d(k))) << "eigenvalue " << k;
            for (std::int64_t j = 1; j <= n; ++j) {
                EXPECT_TRUE(SameBits(exact.v(j, k), padded.v(j, k))) << j << ", " << k;
            }
        }
        ExpectMarkersKept(exact, n, 7.0);
        ExpectMarkersKept(padded, n, -3.0);
    }
}

TEST(Jacobi, OrderZeroTouchesNothing) {
    DoubleMatrix a(1, 1), v(1, 1);
    DoubleVector d(1);
    a(1, 1) = 7.0;
    v(1, 1) = 9.0;
    d(1) = 5.0;
    ms::Jacobi(a, 0, 0, d, v, 0);
    ms::Eigsrt(d, v, 0, 0);
    EXPECT_EQ(a(1, 1), 7.0);
    EXPECT_EQ(v(1, 1), 9.0);
    EXPECT_EQ(d(1), 5.0);
}

TEST(Jacobi, OrderOneIsItsOwnEigenpair) {
    Decomposition r = Solve({{-4.5}}, true);
    EXPECT_EQ(r.d(1), -4.5);
    EXPECT_EQ(r.v(1, 1), 1.0);
    EXPECT_EQ(r.a(1, 1), -4.5);
}

TEST(Jacobi, DiagonalMatrixReturnsAtOnceAndSortsDescending) {
    Decomposition r = Solve({{1, 0, 0}, {0, 2, 0}, {0, 0, 3}}, false);
    for (std::int64_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(r.d(k), static_cast<double>(k));
        for (std::int64_t j = 1; j <= 3; ++j) EXPECT_EQ(r.v(j, k), j == k ? 1.0 : 0.0);
    }
    ms::Eigsrt(r.d, r.v, 3, 3);
    for (std::int64_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(r.d(k), static_cast<double>(4 - k));
        for (std::int64_t j = 1; j <= 3; ++j) EXPECT_EQ(r.v(j, k), j == 4 - k ? 1.0 : 0.0);
    }
}

TEST(Jacobi, OnlyTheUpperTriangleCounts) {
    Decomposition lower5 = Solve({{2, 1}, {5, 2}}, false);
    Decomposition symmetric = Solve({{2, 1}, {1, 2}}, false);
    for (std::int64_t k = 1; k <= 2; ++k) {
        EXPECT_TRUE(SameBits(lower5.d(k), symmetric.d(k)));
        for (std::int64_t j = 1; j <= 2; ++j) {
            EXPECT_TRUE(SameBits(lower5.v(j, k), symmetric.v(j, k)));
        }
    }
    EXPECT_EQ(lower5.a(2, 1), 5.0);
}

TEST(Jacobi, EqualDiagonalRotatesOnceWithTheRotationsOwnValues) {
    Decomposition r = Solve({{2, 1}, {1, 2}}, false);
    EXPECT_EQ(r.d(1), 1.0);
    EXPECT_EQ(r.d(2), 3.0);
    const double c = 1.0 / std::sqrt(2.0);
    const double s = c;
    const double tau = s / (c + 1.0);
    const double oneLess = 1.0 - s * tau;
    EXPECT_TRUE(SameBits(r.v(1, 1), oneLess));
    EXPECT_TRUE(SameBits(r.v(2, 1), -s));
    EXPECT_TRUE(SameBits(r.v(1, 2), s));
    EXPECT_TRUE(SameBits(r.v(2, 2), oneLess));
    EXPECT_NE(oneLess, s);
    EXPECT_EQ(r.a(1, 2), 0.0);
    EXPECT_EQ(r.a(1, 1), 2.0);
    EXPECT_EQ(r.a(2, 1), 1.0);
    EXPECT_EQ(r.a(2, 2), 2.0);

    ms::Eigsrt(r.d, r.v, 2, 2);
    EXPECT_EQ(r.d(1), 3.0);
    EXPECT_EQ(r.d(2), 1.0);
    EXPECT_TRUE(SameBits(r.v(1, 1), s));
    EXPECT_TRUE(SameBits(r.v(1, 2), oneLess));
}

struct KnownCase {
    const char* name;
    Rows matrix;
    bool sorted;
    std::vector<double> eigenvalues;
    Rows columns;  // eigenvector k as columns[k - 1]
};

class KnownMatrices : public testing::TestWithParam<KnownCase> {};

TEST_P(KnownMatrices, EigenpairsInTheirOrder) {
    const KnownCase& kc = GetParam();
    Decomposition r = Solve(kc.matrix, kc.sorted);
    const auto n = static_cast<std::int64_t>(kc.matrix.size());
    for (std::int64_t k = 1; k <= n; ++k) {
        EXPECT_NEAR(r.d(k), kc.eigenvalues[k - 1], 5e-4) << "eigenvalue " << k;
        ExpectColumnNear(r.v, k, kc.columns[k - 1], 5e-4);
    }
    for (std::int64_t p = 1; p <= n; ++p) {
        for (std::int64_t q = p + 1; q <= n; ++q) EXPECT_EQ(r.a(p, q), 0.0);
    }
}

const double kSqrt5 = std::sqrt(5.0);
const double kSqrt3 = std::sqrt(3.0);

INSTANTIATE_TEST_SUITE_P(Jacobi, KnownMatrices,
                         testing::Values(KnownCase{"NegativeTheta",
                                                   {{3, 1}, {1, 2}},
                                                   true,
                                                   {(5 + kSqrt5) / 2, (5 - kSqrt5) / 2},
                                                   {{0.850651, 0.525731}, {-0.525731, 0.850651}}},
                                         KnownCase{"Tridiagonal",
                                                   {{4, 1, 0}, {1, 3, 1}, {0, 1, 2}},
                                                   true,
                                                   {3 + kSqrt3, 3.0, 3 - kSqrt3},
                                                   {{0.788675, 0.577350, 0.211325},
                                                    {-0.577350, 0.577350, 0.577350},
                                                    {0.211325, -0.577350, 0.788675}}},
                                         KnownCase{"FullUnsorted",
                                                   {{1, 2, 3}, {2, 4, 5}, {3, 5, 6}},
                                                   false,
                                                   {0.170915, -0.515729, 11.344814},
                                                   {{0.591009, -0.736976, 0.327985},
                                                    {0.736976, 0.327985, -0.591009},
                                                    {0.327985, 0.591009, 0.736976}}},
                                         KnownCase{"FullSorted",
                                                   {{1, 2, 3}, {2, 4, 5}, {3, 5, 6}},
                                                   true,
                                                   {11.344814, 0.170915, -0.515729},
                                                   {{0.327985, 0.591009, 0.736976},
                                                    {0.591009, -0.736976, 0.327985},
                                                    {0.736976, 0.327985, -0.591009}}}),
                         [](const testing::TestParamInfo<KnownCase>& info) {
                             return info.param.name;
                         });

// Pins every bit of one full 3x3 result: a fused multiply-add or a reordered
// sum anywhere in the solver changes at least one of these.
TEST(Jacobi, FullMatrixIsBitExact) {
    Decomposition r = Solve({{1, 2, 3}, {2, 4, 5}, {3, 5, 6}}, true);
    const double d[] = {0x1.6b08b7f67504ap+3, 0x1.5e08c853381e7p-3, -0x1.080db17c1e51dp-1};
    const double v[3][3] = {{0x1.4fdb5f638b254p-2, 0x1.2e98bcedf294ep-1, 0x1.7954f2c3d2fddp-1},
                            {0x1.2e98bcedf2949p-1, -0x1.7954f2c3d2fdfp-1, 0x1.4fdb5f638b25ap-2},
                            {0x1.7954f2c3d2fep-1, 0x1.4fdb5f638b24bp-2, -0x1.2e98bcedf294cp-1}};
    for (std::int64_t k = 1; k <= 3; ++k) {
        EXPECT_TRUE(SameBits(r.d(k), d[k - 1])) << "eigenvalue " << k;
        for (std::int64_t j = 1; j <= 3; ++j) {
            EXPECT_TRUE(SameBits(r.v(j, k), v[k - 1][j - 1])) << "v(" << j << ", " << k << ")";
        }
    }
}

// Matrices that need five or six sweeps, so that the threshold of the first
// three sweeps and the zeroing of negligible elements from the fifth sweep on
// decide some of their last bits; in "Singular" an element negligible beside
// one eigenvalue estimate is not beside the other. The bits come from
// jacobi_reference.py beside this file, which follows the algorithm step by
// step in Python (IEEE doubles, each operation rounded on its own), apart from
// this code; its options show that a rule moved by one sweep changes them.
TEST(Jacobi, LaterSweepsAreBitExact) {
    struct BitExactCase {
        const char* name;
        Rows matrix;
        double eigenvalues[3];
        double columns[3][3];  // eigenvector k as columns[k - 1]
    };
    const BitExactCase cases[] = {
        {"Decimals",
         {{-0.9, -1.2, -4.6}, {-1.2, -4.1, -2.4}, {-4.6, -2.4, -7.8}},
         {0x1.6666666666664p+0, -0x1.899c24e54e137p+1, -0x1.63ff5d2d12e18p+3},
         {{0x1.c9f25c5bfeddap-1, -0x1.1ac0a98520579p-55, -0x1.c9f25c5bfedd9p-2},
          {-0x1.46cf9e84b6f62p-3, 0x1.de4bd6e524e1fp-1, -0x1.46cf9e84b6f61p-2},
          {0x1.abcd196faae8ap-2, 0x1.6d62c51843607p-2, 0x1.abcd196faae89p-1}}},
        {"Integers",
         {{4, 2, 2}, {2, 8, -1}, {2, -1, 7}},
         {0x1.1b54cda58fbbfp+3, 0x1.0000000000000p+3, 0x1.12acc969c1105p+1},
         {{0x1.46cf9e84b6f60p-2, 0x1.de4bd6e524e1fp-1, -0x1.46cf9e84b6f57p-3},
          {0x1.c9f25c5bfedd8p-2, -0x1.064617543ceb0p-52, 0x1.c9f25c5bfeddap-1},
          {0x1.abcd196faae89p-1, -0x1.6d62c51843605p-2, -0x1.abcd196faae8ap-2}}},
        {"SixSweeps",
         {{4, 2, -2}, {2, 2, 5}, {-2, 5, 2}},
         {0x1.bffffffffffffp+2, 0x1.3ffffffffffffp+2, -0x1.0000000000000p+2},
         {{-0x1.1bd2f797ef344p-52, 0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcep-1},
          {0x1.e2b7dddfefa66p-1, 0x1.e2b7dddfefa69p-3, -0x1.e2b7dddfefa5dp-3},
          {-0x1.5555555555554p-2, 0x1.5555555555556p-1, -0x1.5555555555555p-1}}},
        {"Singular",
         {{-4, 7, 7}, {7, 4, 4}, {7, 4, 4}},
         {0x1.b26d41832a0bdp+3, -0x1.da933ed800000p-54, -0x1.326d41832a0bdp+3},
         {{0x1.f6883656229c8p-2, 0x1.3b719240a7a06p-1, 0x1.3b719240a7a06p-1},
          {0x1.0f106546b41ecp-55, -0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bccp-1},
          {0x1.be1acbb5b1bc3p-1, -0x1.635805f51306cp-2, -0x1.635805f51306dp-2}}},
    };
    for (const BitExactCase& bc : cases) {
        SCOPED_TRACE(bc.name);
        Decomposition r = Solve(bc.matrix, true);
        for (std::int64_t k = 1; k <= 3; ++k) {
            EXPECT_TRUE(SameBits(r.d(k), bc.eigenvalues[k - 1]))
                << "eigenvalue " << k << ": " << std::hexfloat << r.d(k);
            for (std::int64_t j = 1; j <= 3; ++j) {
                EXPECT_TRUE(SameBits(r.v(j, k), bc.columns[k - 1][j - 1]))
                    << "v(" << j << ", " << k << "): " << std::hexfloat << r.v(j, k);
            }
        }
    }
}

TEST(Eigsrt, TiesTakeTheLastOfTheLargest) {
    struct TieCase {
        std::vector<double> d;
        std::vector<int> formerColumns;
    };
    const TieCase cases[] = {{{5, 5, 1}, {2, 1, 3}}, {{5, 5, 5}, {3, 1, 2}}};
    for (const TieCase& tc : cases) {
        DoubleVector d(3);
        DoubleMatrix v(3, 3);
        for (std::int64_t k = 1; k <= 3; ++k) {
            d(k) = tc.d[k - 1];
            for (std::int64_t j = 1; j <= 3; ++j) v(j, k) = 10.0 * k + j;  // column k tagged
        }
        ms::Eigsrt(d, v, 3, 3);
        for (std::int64_t k = 1; k <= 3; ++k) {
            EXPECT_EQ(d(k), tc.d[k - 1]);
            EXPECT_EQ(v(1, k), 10.0 * tc.formerColumns[k - 1] + 1) << "column " << k;
            EXPECT_EQ(v(3, k), 10.0 * tc.formerColumns[k - 1] + 3) << "column " << k;
        }
    }
}

TEST(Eigsrt, NotANumberIsNeverChosen) {
    DoubleVector d(3);
    DoubleMatrix v(3, 3);
    d(1) = 1.0;
    d(2) = std::numeric_limits<double>::quiet_NaN();
    d(3) = 2.0;
    ms::Eigsrt(d, v, 3, 3);
    EXPECT_EQ(d(1), 2.0);
    EXPECT_TRUE(std::isnan(d(2)));
    EXPECT_EQ(d(3), 1.0);
}

TEST(ZeroTwopi, OneCorrectionEachWay) {
    const double twoPi = 6.283185307179586;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double in;
        double out;
    };
    const Case cases[] = {
        {-0.5, -0.5 + twoPi}, {7.0, 7.0 - twoPi}, {-twoPi, 0.0},   {-7.0, -7.0 + twoPi},
        {13.0, 13.0 - twoPi}, {2 * twoPi, twoPi}, {-1e-17, twoPi}, {0.0, 0.0},
        {-0.0, -0.0},         {twoPi, twoPi},     {nan, nan},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(SameBits(ms::ZeroTwopi(c.in), c.out)) << c.in;
    }
}

TEST(Jacobi, RefusesBadCallsBeforeTouchingAnything) {
    DoubleMatrix a(3, 3), v(3, 3), small(2, 3);
    DoubleVector d(3), shortD(2);
    a(1, 1) = 1.0;
    v(1, 1) = 4.0;
    EXPECT_THROW(ms::Jacobi(a, -1, -1, d, v, 0), std::invalid_argument);
    EXPECT_THROW(ms::Jacobi(a, 101, 101, d, v, 0), std::invalid_argument);
    EXPECT_THROW(ms::Jacobi(small, 3, 3, d, v, 0), OutOfBoundsException);
    EXPECT_THROW(ms::Jacobi(a, 3, 3, shortD, v, 0), OutOfBoundsException);
    EXPECT_THROW(ms::Jacobi(a, 3, 3, d, small, 0), OutOfBoundsException);
    EXPECT_THROW(ms::Eigsrt(shortD, v, 3, 3), OutOfBoundsException);
    EXPECT_THROW(ms::Eigsrt(d, v, -1, -1), std::invalid_argument);
    EXPECT_EQ(v(1, 1), 4.0);
    EXPECT_EQ(d(1), 0.0);
}

TEST(Jacobi, LargestOrderWorks) {
    const std::int64_t n = 100;
    DoubleMatrix a(n, n), v(n, n);
    DoubleVector d(n);
    for (std::int64_t p = 1; p <= n; ++p) {
        a(p, p) = 2.0;
        if (p < n) a(p, p + 1) = -1.0;
    }
    ms::Jacobi(a, n, n, d, v, 0);
    ms::Eigsrt(d, v, n, n);
    const double pi = 3.141592653589793;
    for (std::int64_t k = 1; k <= n; ++k) {
        // The second-difference matrix has eigenvalues 2 - 2 cos(k pi / (n + 1)).
        EXPECT_NEAR(d(k), 2.0 - 2.0 * std::cos((n + 1 - k) * pi / (n + 1)), 1e-12);
    }
}

TEST(Jacobi, NotANumberRunsAllSweepsAndReturns) {
    Decomposition r =
        Solve({{1, std::numeric_limits<double>::quiet_NaN(), 0}, {0, 2, 1}, {0, 1, 3}}, true);
    EXPECT_TRUE(std::isnan(r.a(1, 2)));
}

// Residuals over many random symmetric matrices: every eigenpair solves
// A v = lambda v, the eigenvectors are orthonormal and the eigenvalues sorted.
TEST(Jacobi, RandomSymmetricMatricesDecomposeAccurately) {
    std::mt19937_64 rng(20261210);
    std::uniform_real_distribution<double> entry(-10.0, 10.0);
    const double eps = std::numeric_limits<double>::epsilon();
    for (int trial = 0; trial < 4000; ++trial) {
        const std::int64_t n = trial % 4 == 0 ? 2 : 3;
        Rows rows(n, std::vector<double>(n));
        for (std::int64_t p = 0; p < n; ++p) {
            for (std::int64_t q = p; q < n; ++q) rows[p][q] = rows[q][p] = entry(rng);
        }
        double norm = 0.0;
        for (const auto& row : rows) {
            for (double x : row) norm += x * x;
        }
        norm = std::sqrt(norm);

        Decomposition r = Solve(rows, true);
        for (std::int64_t k = 1; k <= n; ++k) {
            if (k > 1) {
                ASSERT_GE(r.d(k - 1), r.d(k)) << "trial " << trial;
            }
            for (std::int64_t i = 1; i <= n; ++i) {
                double av = 0.0;
                for (std::int64_t j = 1; j <= n; ++j) av += rows[i - 1][j - 1] * r.v(j, k);
                ASSERT_LE(std::fabs(av - r.d(k) * r.v(i, k)), 8 * eps * norm) << "trial " << trial;
            }
            for (std::int64_t l = 1; l <= n; ++l) {
                double dot = 0.0;
                for (std::int64_t j = 1; j <= n; ++j) dot += r.v(j, k) * r.v(j, l);
                ASSERT_LE(std::fabs(dot - (k == l ? 1.0 : 0.0)), 8 * eps) << "trial " << trial;
            }
        }
    }
}
