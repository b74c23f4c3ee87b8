#pragma once
// Console output plus the CPU time per iteration of every run, so that a
// benchmark program can end with ratios against a baseline measured in the
// same run. Benchmarks compared this way do the same work per iteration, so
// the ratio of their times is the inverse ratio of their throughputs.
// CPU time rather than wall time: the work is single threaded, and wall time
// on a shared machine mostly measures the others.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    ConsoleReporter::ReportRuns(Runs);
    // With --benchmark_report_aggregates_only only the aggregates arrive;
    // their median stands in for the repetitions then.
    for (const Run& R : Runs)
      if (!R.error_occurred && (R.run_type == Run::RT_Iteration || R.aggregate_name == "median"))
        FTimes[R.run_name.function_name].push_back(R.GetAdjustedCPUTime());
  }

  // Median CPU time per iteration of a benchmark; 0 when it did not run.
  double Median(const std::string& Name) {
    std::vector<double>& T = FTimes[Name];
    if (T.empty()) return 0;
    std::sort(T.begin(), T.end());
    return T.size() % 2 ? T[T.size() / 2] : (T[T.size() / 2 - 1] + T[T.size() / 2]) / 2;
  }

  // Prints "<Label>: <time of A / time of B>x (<Goal>)" when both ran.
  void PrintTimeRatio(const char* Label, const std::string& A, const std::string& B, const char* Goal) {
    const double TA = Median(A), TB = Median(B);
    if (TA > 0 && TB > 0) std::printf("%s: %.3fx (%s)\n", Label, TA / TB, Goal);
  }

 private:
  std::map<std::string, std::vector<double>> FTimes;
};

// Runs the benchmarks with a TRatioReporter and hands it to Report.
template <typename F>
int RunWithRatios(int argc, char** argv, F Report) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  benchmark::Shutdown();
  Report(Reporter);
  return 0;
}
