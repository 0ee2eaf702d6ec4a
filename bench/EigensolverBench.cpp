// Times Jacobi + Eigsrt per matrix against Eigen's SelfAdjointEigenSolver on
// the same fixed-seed random symmetric matrices, and reports the worst
// residual |A v - lambda v| / |A| of each in units of machine epsilon.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "eigensolver/Module1_GenStructure.h"

namespace {

constexpr int kMatrices = 4096;

template <int N>
using Fixed = Eigen::Matrix<double, N, N>;

template <int N>
const std::vector<Fixed<N>>& RandomSymmetric() {
    static const std::vector<Fixed<N>> set = [] {
        std::mt19937_64 rng(N == 3 ? 33 : 22);
        std::uniform_real_distribution<double> entry(-10.0, 10.0);
        std::vector<Fixed<N>> out(kMatrices);
        for (auto& m : out) {
            for (int p = 0; p < N; ++p) {
                for (int q = p; q < N; ++q) m(p, q) = m(q, p) = entry(rng);
            }
        }
        return out;
    }();
    return set;
}

template <int N>
void LoadUpperTriangle(const Fixed<N>& m, DoubleMatrix& a) {
    for (int p = 0; p < N; ++p) {
        for (int q = p; q < N; ++q) a(p + 1, q + 1) = m(p, q);
    }
}

template <int N>
void BM_Vorlix(benchmark::State& state) {
    const auto& set = RandomSymmetric<N>();
    DoubleMatrix a(N, N), v(N, N);
    DoubleVector d(N);
    std::size_t i = 0;
    for (auto _ : state) {
        LoadUpperTriangle<N>(set[i], a);
        Module1_GenStructure::Jacobi(a, N, N, d, v, 0);
        Module1_GenStructure::Eigsrt(d, v, N, N);
        benchmark::DoNotOptimize(d(1));
        benchmark::ClobberMemory();
        i = (i + 1) % set.size();
    }
}

template <int N>
void BM_Eigen(benchmark::State& state) {
    const auto& set = RandomSymmetric<N>();
    Eigen::SelfAdjointEigenSolver<Fixed<N>> solver;
    std::size_t i = 0;
    for (auto _ : state) {
        solver.compute(set[i]);
        benchmark::DoNotOptimize(solver.eigenvalues().data());
        benchmark::ClobberMemory();
        i = (i + 1) % set.size();
    }
}

template <int N>
double Residual(const Fixed<N>& m, const Eigen::Matrix<double, N, 1>& vec, double lambda) {
    return (m * vec - lambda * vec).norm() / m.norm();
}

template <int N>
double WorstVorlixResidual() {
    double worst = 0.0;
    for (const auto& m : RandomSymmetric<N>()) {
        DoubleMatrix a(N, N), v(N, N);
        DoubleVector d(N);
        LoadUpperTriangle<N>(m, a);
        Module1_GenStructure::Jacobi(a, N, N, d, v, 0);
        Module1_GenStructure::Eigsrt(d, v, N, N);
        for (int k = 1; k <= N; ++k) {
            Eigen::Matrix<double, N, 1> vec;
            for (int j = 1; j <= N; ++j) vec(j - 1) = v(j, k);
            worst = std::max(worst, Residual<N>(m, vec, d(k)));
        }
    }
    return worst / std::numeric_limits<double>::epsilon();
}

template <int N>
double WorstEigenResidual() {
    double worst = 0.0;
    for (const auto& m : RandomSymmetric<N>()) {
        Eigen::SelfAdjointEigenSolver<Fixed<N>> solver(m);
        for (int k = 0; k < N; ++k) {
            worst = std::max(worst,
                             Residual<N>(m, solver.eigenvectors().col(k), solver.eigenvalues()(k)));
        }
    }
    return worst / std::numeric_limits<double>::epsilon();
}

// Keeps the console output and remembers the time per iteration of each run.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            nanoseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> nanoseconds;
};

void PrintSummaryRow(const char* label, double ours, double eigen, double oursEps,
                     double eigenEps) {
    std::printf("%-6s %10.1f %10.1f %8.2f %12.2f %12.2f\n", label, ours, eigen, ours / eigen,
                oursEps, eigenEps);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Vorlix, 3);
BENCHMARK_TEMPLATE(BM_Eigen, 3);
BENCHMARK_TEMPLATE(BM_Vorlix, 2);
BENCHMARK_TEMPLATE(BM_Eigen, 2);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto& ns = reporter.nanoseconds;
    std::printf("\nEigensolver, per random symmetric matrix (entries uniform in [-10, 10]):\n");
    std::printf("%-6s %10s %10s %8s %12s %12s\n", "order", "Vorlix ns", "Eigen ns", "ratio",
                "Vorlix eps", "Eigen eps");
    PrintSummaryRow("3x3", ns["BM_Vorlix<3>"], ns["BM_Eigen<3>"], WorstVorlixResidual<3>(),
                    WorstEigenResidual<3>());
    PrintSummaryRow("2x2", ns["BM_Vorlix<2>"], ns["BM_Eigen<2>"], WorstVorlixResidual<2>(),
                    WorstEigenResidual<2>());
    benchmark::Shutdown();
    return 0;
}
