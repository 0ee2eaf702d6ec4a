// Starts each probe program many times, alternating between them, and reports
// the median wall time from fork to exit (the probes quit right after their
// first paint) and the median peak resident memory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double mebibytes;
};

Sample RunOnce(const std::string& program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);  // Qt's platform notes
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program.c_str(), status);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s VORLIX_PROBE BARE_PROBE\n", argv[0]);
        return 2;
    }
    const int runs = 21;
    std::vector<double> ms[2], mib[2];
    for (int run = 0; run < runs + 2; ++run) {
        for (int p = 0; p < 2; ++p) {
            const Sample s = RunOnce(argv[1 + p]);
            if (run < 2) continue;  // warm the file cache first
            ms[p].push_back(s.milliseconds);
            mib[p].push_back(s.mebibytes);
        }
    }
    const double t0 = Median(ms[0]), t1 = Median(ms[1]);
    const double m0 = Median(mib[0]), m1 = Median(mib[1]);
    std::printf("\nStart-up to the first paint of the window (median of %d runs):\n", runs);
    std::printf("%-14s %10s %10s\n", "", "ms", "MiB peak");
    std::printf("%-14s %10.1f %10.1f\n", "Vorlix", t0, m0);
    std::printf("%-14s %10.1f %10.1f\n", "bare Qt window", t1, m1);
    std::printf("%-14s %10.2f %10.2f\n", "ratio", t0 / t1, m0 / m1);
    return 0;
}
