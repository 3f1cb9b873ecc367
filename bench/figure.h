#pragma once
// Prints one measured figure against its target, in the one line form bench/run collects:
//   figure NAME VALUE UNIT target OP BOUND ok|MISS

#include <cstdio>
#include <string_view>

inline void printFigure(std::string_view name, double value, std::string_view unit, std::string_view op,
                        double bound) {
    const bool ok = op == "<=" ? value <= bound : value >= bound;
    std::printf("figure %.*s %.3f %.*s target %.*s %g %s\n", int(name.size()), name.data(), value,
                int(unit.size()), unit.data(), int(op.size()), op.data(), bound, ok ? "ok" : "MISS");
    std::fflush(stdout);
}
