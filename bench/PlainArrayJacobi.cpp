#include "PlainArrayJacobi.h"

#include <cmath>
#include <utility>

namespace PlainArrayJacobi {
namespace {

constexpr int kMaxSweeps = 50;
constexpr int kWorkUpperBound = 100;

inline void RotatePair(double& x, double& y, double s, double tau) {
    const double g = x;
    const double h = y;
    x = g - s * (h + g * tau);
    y = h + s * (g - h * tau);
}

void Rotate(Matrix& a, std::int64_t n, Vector& d, Matrix& v, double* z, std::int64_t p,
            std::int64_t q, double g) {
    const double apq = a[p][q];
    double h = d[q] - d[p];
    double t;
    if (std::fabs(h) + g == std::fabs(h)) {
        t = apq / h;
    } else {
        const double theta = (0.5 * h) / apq;
        t = 1.0 / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
        if (theta < 0.0) t = -t;
    }
    const double c = 1.0 / std::sqrt(t * t + 1.0);
    const double s = t * c;
    const double tau = s / (c + 1.0);

    h = apq * t;
    z[p] = z[p] - h;
    z[q] = z[q] + h;
    d[p] = d[p] - h;
    d[q] = d[q] + h;
    a[p][q] = 0.0;

    for (std::int64_t j = 1; j <= p - 1; ++j) RotatePair(a[j][p], a[j][q], s, tau);
    for (std::int64_t j = p + 1; j <= q - 1; ++j) RotatePair(a[p][j], a[j][q], s, tau);
    for (std::int64_t j = q + 1; j <= n; ++j) RotatePair(a[p][j], a[q][j], s, tau);
    for (std::int64_t j = 1; j <= n; ++j) RotatePair(v[j][p], v[j][q], s, tau);
}

}  // namespace

void Jacobi(Matrix& a, std::int64_t n, Vector& d, Matrix& v) {
    double b[kWorkUpperBound + 1];
    double z[kWorkUpperBound + 1];

    for (std::int64_t p = 1; p <= n; ++p) {
        for (std::int64_t q = 1; q <= n; ++q) v[p][q] = 0.0;
        v[p][p] = 1.0;
    }
    for (std::int64_t p = 1; p <= n; ++p) {
        b[p] = a[p][p];
        d[p] = b[p];
        z[p] = 0.0;
    }

    for (int sweep = 1; sweep <= kMaxSweeps; ++sweep) {
        double sum = 0.0;
        for (std::int64_t p = 1; p <= n - 1; ++p) {
            for (std::int64_t q = p + 1; q <= n; ++q) sum = std::fabs(a[p][q]) + sum;
        }
        if (sum == 0.0) return;

        const double nn = static_cast<double>(n);
        const double threshold = sweep <= 3 ? (0.2 * sum) / (nn * nn) : 0.0;

        for (std::int64_t p = 1; p <= n - 1; ++p) {
            for (std::int64_t q = p + 1; q <= n; ++q) {
                const double magnitude = std::fabs(a[p][q]);
                const double g = magnitude * 100.0;
                if (sweep >= 5 && std::fabs(d[p]) + g == std::fabs(d[p]) &&
                    std::fabs(d[q]) + g == std::fabs(d[q])) {
                    a[p][q] = 0.0;
                } else if (magnitude > threshold) {
                    Rotate(a, n, d, v, z, p, q, g);
                }
            }
        }

        for (std::int64_t p = 1; p <= n; ++p) {
            b[p] = z[p] + b[p];
            d[p] = b[p];
            z[p] = 0.0;
        }
    }
}

void Eigsrt(Vector& d, Matrix& v, std::int64_t n) {
    for (std::int64_t i = 1; i <= n - 1; ++i) {
        std::int64_t k = i;
        double m = d[i];
        for (std::int64_t j = i + 1; j <= n; ++j) {
            if (d[j] >= m) {
                k = j;
                m = d[j];
            }
        }
        if (k != i) {
            d[k] = d[i];
            d[i] = m;
            for (std::int64_t j = 1; j <= n; ++j) std::swap(v[j][i], v[j][k]);
        }
    }
}

}  // namespace PlainArrayJacobi
