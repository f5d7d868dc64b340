#pragma once
// The console table, and for the summary lines each benchmark's figures: its items per
// second and its real and CPU time per iteration. With repetitions the median stands for
// the benchmark, since one slow run on a busy machine should not move a ratio.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace korvane::bench {

struct Figures {
    double realTime = 0; // in the benchmark's unit
    double cpuTime = 0;
    std::map<std::string, double> counters;
};

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            Figures figures{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(), {}};
            for (const auto& [name, counter] : run.counters)
                figures.counters[name] = counter.value;
            (median ? medians_ : single_)[run.run_name.function_name] = figures;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // False when the benchmark did not run (filtered out).
    bool Find(const std::string& name, Figures& figures) const {
        for (const auto* table : {&medians_, &single_}) {
            const auto it = table->find(name);
            if (it != table->end()) {
                figures = it->second;
                return true;
            }
        }
        return false;
    }

    // 0 when the benchmark did not run or has no such counter.
    double Counter(const std::string& name, const std::string& counter) const {
        Figures figures;
        if (!Find(name, figures))
            return 0;
        const auto it = figures.counters.find(counter);
        return it != figures.counters.end() ? it->second : 0;
    }

    double Rate(const std::string& name) const { return Counter(name, "items_per_second"); }

private:
    std::map<std::string, Figures> medians_;
    std::map<std::string, Figures> single_;
};

} // namespace korvane::bench
