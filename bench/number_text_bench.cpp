// ParseNumber and FormatNumber against the C library's strtod and
// snprintf("%.15g") on the same inputs: typed weights, products of weights
// and factors, and values at the ends of the double range. After the usual
// table it prints the time ratios (ours / C library).
#include <benchmark/benchmark.h>

#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "number_text.h"

namespace {

const double kFactors[] = {0.36, 0.87, 0.17, 0.38, 2.64, 1.13, 1.07, 1.41, 0.04};

// Texts a user types into the weight field, and a few extreme ones.
const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t = {"150", "57", "130.5", "0.5", "72.25", " 180 ", "0", "1000000",
                                  "165.3", "2.64", "1.5e2", "-12.75", "99999999", "0.001", "12.5",
                                  "1e308", "3e-308", "1.79769313486232e+308", "0.333333333333333",
                                  "113", "68.4", "250", "9.5", "1e-005"};
    for (int tenths = 5; tenths < 3000; tenths += 97) {
      t.push_back(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    }
    return t;
  }();
  return texts;
}

// What the program writes: the typed weights and their products with every
// factor, plus the extremes.
const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::vector<double> v = {1e308 * 2.64 / 2, 3e-308 * 0.04, DBL_MAX, DBL_MIN, 1.0 / 3, 1e-5, 1e20};
    for (const std::string& text : Texts()) {
      const double weight = std::strtod(text.c_str(), nullptr);
      v.push_back(weight);
      for (double factor : kFactors) v.push_back(weight * factor);
    }
    return v;
  }();
  return values;
}

void BM_ParseNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& text : Texts()) benchmark::DoNotOptimize(ParseNumber(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Texts().size()));
}

void BM_strtod(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& text : Texts()) {
      char* end;
      benchmark::DoNotOptimize(std::strtod(text.c_str(), &end));
      benchmark::DoNotOptimize(end);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Texts().size()));
}

void BM_FormatNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (double value : Values()) benchmark::DoNotOptimize(FormatNumber(value));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

// Into a std::string as FormatNumber returns one, so that both pay for it.
void BM_snprintf(benchmark::State& state) {
  for (auto _ : state) {
    for (double value : Values()) {
      char buffer[32];
      const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
      benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(length)));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values().size()));
}

BENCHMARK(BM_ParseNumber);
BENCHMARK(BM_strtod);
BENCHMARK(BM_FormatNumber);
BENCHMARK(BM_snprintf);

// The console table, also keeping each benchmark's CPU time per iteration
// (the mean when repeated), which other work on the machine disturbs less
// than wall time.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  RecordingReporter() : ConsoleReporter(OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name.empty() || run.aggregate_name == "mean") {
        times[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  auto ratio = [&](const char* ours, const char* theirs, const char* label) {
    const auto a = reporter.times.find(ours);
    const auto b = reporter.times.find(theirs);
    if (a != reporter.times.end() && b != reporter.times.end() && b->second > 0) {
      std::printf("%s time ratio: %.2f\n", label, a->second / b->second);
    }
  };
  std::printf("%zu texts, %zu values per iteration\n", Texts().size(), Values().size());
  ratio("BM_ParseNumber", "BM_strtod", "ParseNumber/strtod");
  ratio("BM_FormatNumber", "BM_snprintf", "FormatNumber/snprintf");
  return 0;
}
