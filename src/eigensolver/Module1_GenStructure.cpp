#include "eigensolver/Module1_GenStructure.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "eigensolver/WorkMatrix.h"
#include "eigensolver/WorkVector.h"

namespace Module1_GenStructure {
namespace {

constexpr int kMaxSweeps = 50;
constexpr double kTwoPi = 6.283185307179586;

// The double nearest x * x.
inline double Square(double x) { return x * x; }

void CheckOrder(std::int64_t n) {
    if (n < 0 || n > kMaxOrder) {
        throw std::invalid_argument("order " + std::to_string(n) + " is outside 0 to " +
                                    std::to_string(kMaxOrder));
    }
}

void CheckCovers(const DoubleMatrix& m, std::int64_t n) {
    if (m.Ubound(1) < n) ArrayBounds::ThrowOutOfBounds(n, m.Ubound(1));
    if (m.Ubound(2) < n) ArrayBounds::ThrowOutOfBounds(n, m.Ubound(2));
}

void CheckCovers(const DoubleVector& d, std::int64_t n) {
    if (d.Ubound() < n) ArrayBounds::ThrowOutOfBounds(n, d.Ubound());
}

// One pair of a rotation: both new values are formed from the values read.
inline void RotatePair(double& x, double& y, double s, double tau) {
    const double g = x;
    const double h = y;
    x = g - s * (h + g * tau);
    y = h + s * (g - h * tau);
}

using Work = WorkVector<kMaxOrder>;

// The algorithm below works on any bounds-checked arrays with the access
// operators of DoubleMatrix and DoubleVector: the caller's own, or the stack
// copies of DecomposeOnStack.

// Annihilates a(p,q) and updates the eigenvalue estimates, the shift sums and
// the eigenvectors. g is 100 |a(p,q)|.
template <class Matrix, class Vector>
void Rotate(Matrix& a, std::int64_t n, Vector& d, Matrix& v, Work& z, std::int64_t p,
            std::int64_t q, double g) {
    const double apq = a(p, q);
    double h = d(q) - d(p);
    double t;
    if (std::fabs(h) + g == std::fabs(h)) {
        t = apq / h;
    } else {
        const double theta = (0.5 * h) / apq;
        t = 1.0 / (std::fabs(theta) + std::sqrt(Square(theta) + 1.0));
        if (theta < 0.0) t = -t;
    }
    const double c = 1.0 / std::sqrt(Square(t) + 1.0);
    const double s = t * c;
    const double tau = s / (c + 1.0);

    h = apq * t;
    z(p) = z(p) - h;
    z(q) = z(q) + h;
    d(p) = d(p) - h;
    d(q) = d(q) + h;
    a(p, q) = 0.0;

    for (std::int64_t j = 1; j <= p - 1; ++j) RotatePair(a(j, p), a(j, q), s, tau);
    for (std::int64_t j = p + 1; j <= q - 1; ++j) RotatePair(a(p, j), a(j, q), s, tau);
    for (std::int64_t j = q + 1; j <= n; ++j) RotatePair(a(p, j), a(q, j), s, tau);
    for (std::int64_t j = 1; j <= n; ++j) RotatePair(v(j, p), v(j, q), s, tau);
}

template <class Matrix>
double OffDiagonalSum(Matrix& a, std::int64_t n) {
    double sum = 0.0;
    for (std::int64_t p = 1; p <= n - 1; ++p) {
        for (std::int64_t q = p + 1; q <= n; ++q) sum = std::fabs(a(p, q)) + sum;
    }
    return sum;
}

// True when a(p,q) is too small to change either eigenvalue estimate.
template <class Vector>
bool IsNegligible(Vector& d, std::int64_t p, std::int64_t q, double g) {
    return std::fabs(d(p)) + g == std::fabs(d(p)) && std::fabs(d(q)) + g == std::fabs(d(q));
}

template <class Matrix, class Vector>
void Decompose(Matrix& a, std::int64_t n, Vector& d, Matrix& v) {
    Work b;
    Work z;

    for (std::int64_t p = 1; p <= n; ++p) {
        for (std::int64_t q = 1; q <= n; ++q) v(p, q) = 0.0;
        v(p, p) = 1.0;
    }
    for (std::int64_t p = 1; p <= n; ++p) {
        b(p) = a(p, p);
        d(p) = b(p);
        z(p) = 0.0;
    }

    for (int sweep = 1; sweep <= kMaxSweeps; ++sweep) {
        const double sum = OffDiagonalSum(a, n);
        if (sum == 0.0) return;

        const double threshold = sweep <= 3 ? (0.2 * sum) / Square(static_cast<double>(n)) : 0.0;

        for (std::int64_t p = 1; p <= n - 1; ++p) {
            for (std::int64_t q = p + 1; q <= n; ++q) {
                const double magnitude = std::fabs(a(p, q));
                const double g = magnitude * 100.0;
                if (sweep >= 5 && IsNegligible(d, p, q, g)) {
                    a(p, q) = 0.0;
                } else if (magnitude > threshold) {
                    Rotate(a, n, d, v, z, p, q, g);
                }
            }
        }

        for (std::int64_t p = 1; p <= n; ++p) {
            b(p) = z(p) + b(p);
            d(p) = b(p);
            z(p) = 0.0;
        }
    }
}

// Largest order decomposed on stack copies: the orders this program uses.
constexpr std::int64_t kStackOrder = 3;

// Runs the decomposition on copies of a, d and v in fixed-size stack arrays.
// The caller's arrays, wherever they lie, are read once on the way in (the
// diagonal and the upper triangle of a) and written once on the way out (the
// strict upper triangle of a, d and v); every access on both sides is still
// bounds-tested.
void DecomposeOnStack(DoubleMatrix& a, std::int64_t n, DoubleVector& d, DoubleMatrix& v) {
    WorkMatrix<kStackOrder> workA;
    WorkVector<kStackOrder> workD;
    WorkMatrix<kStackOrder> workV;
    for (std::int64_t p = 1; p <= n; ++p) {
        for (std::int64_t q = p; q <= n; ++q) workA(p, q) = a(p, q);
    }
    Decompose(workA, n, workD, workV);
    for (std::int64_t p = 1; p <= n; ++p) {
        for (std::int64_t q = p + 1; q <= n; ++q) a(p, q) = workA(p, q);
    }
    for (std::int64_t p = 1; p <= n; ++p) {
        d(p) = workD(p);
        for (std::int64_t q = 1; q <= n; ++q) v(p, q) = workV(p, q);
    }
}

}  // namespace

void Jacobi(DoubleMatrix& a, std::int64_t n, std::int64_t /*nDim*/, DoubleVector& d,
            DoubleMatrix& v, std::int64_t /*rotationCount*/) {
    CheckOrder(n);
    CheckCovers(a, n);
    CheckCovers(d, n);
    CheckCovers(v, n);

    if (n <= kStackOrder) {
        DecomposeOnStack(a, n, d, v);
    } else {
        Decompose(a, n, d, v);
    }
}

void Eigsrt(DoubleVector& d, DoubleMatrix& v, std::int64_t n, std::int64_t /*nDim*/) {
    CheckOrder(n);
    CheckCovers(d, n);
    CheckCovers(v, n);

    for (std::int64_t i = 1; i <= n - 1; ++i) {
        std::int64_t k = i;
        double m = d(i);
        for (std::int64_t j = i + 1; j <= n; ++j) {
            if (d(j) >= m) {
                k = j;
                m = d(j);
            }
        }
        if (k != i) {
            d(k) = d(i);
            d(i) = m;
            for (std::int64_t j = 1; j <= n; ++j) std::swap(v(j, i), v(j, k));
        }
    }
}

double ZeroTwopi(double angle) {
    if (angle < 0.0) angle = angle + kTwoPi;
    if (angle > kTwoPi) angle = angle - kTwoPi;
    return angle;
}

}  // namespace Module1_GenStructure
