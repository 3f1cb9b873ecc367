#pragma once
// Prints one measured figure against its target, in the one line form bench/run collects:
//   figure NAME VALUE UNIT target OP BOUND ok|MISS

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <vector>

inline void printFigure(std::string_view name, double value, std::string_view unit, std::string_view op,
                        double bound) {
    const bool ok = op == "<=" ? value <= bound : value >= bound;
    std::printf("figure %.*s %.3f %.*s target %.*s %g %s\n", int(name.size()), name.data(), value,
                int(unit.size()), unit.data(), int(op.size()), op.data(), bound, ok ? "ok" : "MISS");
    std::fflush(stdout);
}

// The middle of the values measured: one slow run on a shared machine does not move it.
inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

inline double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The processor time of the whole process, apart from waiting (for a disc's sync).
inline double processCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}
