// Times Jacobi + Eigsrt per matrix against the same algorithm on plain arrays
// without bounds tests (the floor) and against Eigen's SelfAdjointEigenSolver,
// on the same fixed-seed random symmetric matrices, and reports the worst
// residual |A v - lambda v| / |A| of ours and Eigen's in units of machine
// epsilon.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "PlainArrayJacobi.h"
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

// One matrix through our solver, as the Calculate handler calls it.
template <int N>
struct VorlixRun {
    DoubleMatrix a{N, N};
    DoubleMatrix v{N, N};
    DoubleVector d{N};

    void operator()(const Fixed<N>& m) {
        LoadUpperTriangle<N>(m, a);
        Module1_GenStructure::Jacobi(a, N, N, d, v, 0);
        Module1_GenStructure::Eigsrt(d, v, N, N);
    }
    double Eigenvalue(int k) { return d(k); }
    double Component(int j, int k) { return v(j, k); }
};

template <int N>
void LoadUpperTriangle(const Fixed<N>& m, PlainArrayJacobi::Matrix& a) {
    for (int p = 0; p < N; ++p) {
        for (int q = p; q < N; ++q) a[p + 1][q + 1] = m(p, q);
    }
}

// One matrix through the floor: the same algorithm on plain stack arrays.
template <int N>
struct FloorRun {
    PlainArrayJacobi::Matrix a{};
    PlainArrayJacobi::Matrix v{};
    PlainArrayJacobi::Vector d{};

    void operator()(const Fixed<N>& m) {
        LoadUpperTriangle<N>(m, a);
        PlainArrayJacobi::Jacobi(a, N, d, v);
        PlainArrayJacobi::Eigsrt(d, v, N);
    }
    double Eigenvalue(int k) { return d[k]; }
    double Component(int j, int k) { return v[j][k]; }
};

template <class Run, int N>
void RunSet(benchmark::State& state) {
    const auto& set = RandomSymmetric<N>();
    Run run;
    std::size_t i = 0;
    for (auto _ : state) {
        run(set[i]);
        benchmark::DoNotOptimize(run.Eigenvalue(1));
        benchmark::ClobberMemory();
        i = (i + 1) % set.size();
    }
}

template <int N>
void BM_Vorlix(benchmark::State& state) {
    RunSet<VorlixRun<N>, N>(state);
}

template <int N>
void BM_Floor(benchmark::State& state) {
    RunSet<FloorRun<N>, N>(state);
}

bool SameBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }

// The floor is only a floor if it computes what we compute: every bit of d
// and v must agree on the whole set.
template <int N>
bool FloorMatchesVorlix() {
    VorlixRun<N> vorlix;
    FloorRun<N> floor;
    for (const auto& m : RandomSymmetric<N>()) {
        vorlix(m);
        floor(m);
        for (int k = 1; k <= N; ++k) {
            if (!SameBits(vorlix.Eigenvalue(k), floor.Eigenvalue(k))) return false;
            for (int j = 1; j <= N; ++j) {
                if (!SameBits(vorlix.Component(j, k), floor.Component(j, k))) return false;
            }
        }
    }
    return true;
}

// Nanoseconds for the matrices [begin, end) of the set through one solver.
template <class Run, class Set>
double ChunkTime(Run& run, const Set& set, std::size_t begin, std::size_t end) {
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = begin; i < end; ++i) {
        run(set[i]);
        benchmark::DoNotOptimize(run.Eigenvalue(1));
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
        .count();
}

constexpr std::size_t kChunk = 64;
constexpr int kPasses = 100;

// Our time over the floor's, timed in alternation so that whatever else the
// machine is doing weighs on both alike: every pass times each chunk of the
// set on both (taking turns at going first), and each keeps its best time per
// chunk.
template <int N>
double RatioToFloor() {
    const auto& set = RandomSymmetric<N>();
    VorlixRun<N> vorlix;
    FloorRun<N> floor;
    const std::size_t chunks = set.size() / kChunk;
    std::vector<double> bestVorlix(chunks, std::numeric_limits<double>::infinity());
    std::vector<double> bestFloor(chunks, std::numeric_limits<double>::infinity());
    for (int pass = 0; pass < kPasses; ++pass) {
        for (std::size_t c = 0; c < chunks; ++c) {
            const std::size_t begin = c * kChunk;
            const std::size_t end = begin + kChunk;
            const auto timeVorlix = [&] {
                bestVorlix[c] = std::min(bestVorlix[c], ChunkTime(vorlix, set, begin, end));
            };
            const auto timeFloor = [&] {
                bestFloor[c] = std::min(bestFloor[c], ChunkTime(floor, set, begin, end));
            };
            if (pass % 2 == 0) {
                timeVorlix();
                timeFloor();
            } else {
                timeFloor();
                timeVorlix();
            }
        }
    }
    return std::accumulate(bestVorlix.begin(), bestVorlix.end(), 0.0) /
           std::accumulate(bestFloor.begin(), bestFloor.end(), 0.0);
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

void PrintSummaryRow(const char* label, double ours, double eigen, double toFloor, double oursEps,
                     double eigenEps) {
    std::printf("%-6s %10.1f %10.1f %8.3f %8.2f %12.2f %12.2f\n", label, ours, eigen, toFloor,
                ours / eigen, oursEps, eigenEps);
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Vorlix, 3);
BENCHMARK_TEMPLATE(BM_Floor, 3);
BENCHMARK_TEMPLATE(BM_Eigen, 3);
BENCHMARK_TEMPLATE(BM_Vorlix, 2);
BENCHMARK_TEMPLATE(BM_Floor, 2);
BENCHMARK_TEMPLATE(BM_Eigen, 2);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!FloorMatchesVorlix<3>() || !FloorMatchesVorlix<2>()) {
        std::fprintf(stderr, "the plain-array floor does not reproduce Jacobi + Eigsrt\n");
        return 1;
    }
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto& ns = reporter.nanoseconds;
    std::printf("\nEigensolver, per random symmetric matrix (entries uniform in [-10, 10]):\n");
    std::printf(
        "(/ floor: over the same algorithm on plain arrays without bounds tests, timed in\n"
        " alternation, best of %d passes per chunk of %zu matrices)\n",
        kPasses, kChunk);
    std::printf("%-6s %10s %10s %8s %8s %12s %12s\n", "order", "Vorlix ns", "Eigen ns", "/ floor",
                "/ Eigen", "Vorlix eps", "Eigen eps");
    PrintSummaryRow("3x3", ns["BM_Vorlix<3>"], ns["BM_Eigen<3>"], RatioToFloor<3>(),
                    WorstVorlixResidual<3>(), WorstEigenResidual<3>());
    PrintSummaryRow("2x2", ns["BM_Vorlix<2>"], ns["BM_Eigen<2>"], RatioToFloor<2>(),
                    WorstVorlixResidual<2>(), WorstEigenResidual<2>());
    benchmark::Shutdown();
    return 0;
}
