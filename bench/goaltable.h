#pragma once

// The closing table of ./bench.sh: each benchmark adds the figures it is held
// to, one tab-separated line each (figure, measured, goal, ratio, verdict), to
// the file named by BENCH_SUMMARY; without it nothing is written.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace felgrove::bench {

enum class Goal { AtMost, AtLeast };

// One figure against its goal. The ratio is measured / goal; the goal is met
// at or below 1 for an upper bound, at or above 1 for a lower one. A goal of
// 0 means the figure has none and is listed for reference.
inline void addToGoalTable(const std::string& figure, double measured, const std::string& unit,
                           Goal kind, double goal) {
    const char* path = std::getenv("BENCH_SUMMARY");
    if (path == nullptr || *path == '\0' || measured <= 0)
        return;
    std::FILE* table = std::fopen(path, "a");
    if (table == nullptr)
        return;
    if (goal <= 0) {
        std::fprintf(table, "%s\t%.3g %s\t-\t-\t-\n", figure.c_str(), measured, unit.c_str());
    } else {
        const double ratio = measured / goal;
        const bool met = kind == Goal::AtMost ? ratio <= 1.0 : ratio >= 1.0;
        std::fprintf(table, "%s\t%.3g %s\t%s %g %s\t%.3g\t%s\n", figure.c_str(), measured,
                     unit.c_str(), kind == Goal::AtMost ? "<=" : ">=", goal, unit.c_str(), ratio,
                     met ? "met" : "MISSED");
    }
    std::fclose(table);
}

// The console report, keeping each run's real time (in the run's time unit)
// by its name for the closing figures.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    // The real time of the run named `name`, or 0 when it did not run.
    double time(const std::string& name) const {
        const auto found = m_times.find(name);
        return found == m_times.end() ? 0.0 : found->second;
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace felgrove::bench
