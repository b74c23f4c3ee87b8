// Path text throughput: assigning Data versus only reading every number of
// the same text with std::from_chars. The corpus is the path data (d="...")
// of the Adwaita icon theme's SVG icons. The program ends by printing the
// ratio of the two throughputs.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/RatioReporter.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "tests/support/IconCorpus.h"

namespace {

struct TCorpus {
  std::vector<std::string> Texts;
  std::size_t Bytes = 0;
};

const TCorpus& Corpus() {
  static const TCorpus C = [] {
    TCorpus Out;
    Out.Texts = LoadIconPathTexts();
    for (const std::string& T : Out.Texts) Out.Bytes += T.size();
    return Out;
  }();
  return C;
}

bool CheckCorpus(benchmark::State& State) {
  if (Corpus().Texts.empty()) {
    State.SkipWithError("no icons under /usr/share/icons/Adwaita (install adwaita-icon-theme)");
    return false;
  }
  return true;
}

// Arc-heavy text: the corpus's arc commands (and the rest of the paths that
// hold them), each path ten times.
const TCorpus& ArcCorpus() {
  static const TCorpus C = [] {
    TCorpus Out;
    for (const std::string& T : Corpus().Texts)
      if (T.find_first_of("Aa") != std::string::npos)
        for (int i = 0; i < 10; ++i) {
          Out.Texts.push_back(T);
          Out.Bytes += T.size();
        }
    return Out;
  }();
  return C;
}

// Baseline: find every number and convert it, nothing else.
void FromCharsNumbers(benchmark::State& State, const TCorpus& Texts) {
  if (!CheckCorpus(State)) return;
  double Sum = 0;
  std::size_t Numbers = 0;
  for (auto _ : State) {
    for (const std::string& T : Texts.Texts) {
      const char* P = T.data();
      const char* End = P + T.size();
      while (P < End) {
        char C = *P;
        if ((C >= '0' && C <= '9') || C == '-' || C == '.') {
          double V;
          auto [Next, Ec] = std::from_chars(P, End, V);
          if (Ec == std::errc()) {
            Sum += V;
            ++Numbers;
            P = Next;
            continue;
          }
        }
        ++P;
      }
    }
    benchmark::DoNotOptimize(Sum);
  }
  State.SetBytesProcessed(std::int64_t(State.iterations()) * std::int64_t(Texts.Bytes));
  State.counters["numbers"] = double(Numbers) / double(State.iterations());
}
void BM_FromCharsNumbers(benchmark::State& State) { FromCharsNumbers(State, Corpus()); }
void BM_FromCharsNumbers_Arcs(benchmark::State& State) { FromCharsNumbers(State, ArcCorpus()); }
BENCHMARK(BM_FromCharsNumbers);
BENCHMARK(BM_FromCharsNumbers_Arcs);

void SetData(benchmark::State& State, const TCorpus& Texts) {
  if (!CheckCorpus(State)) return;
  FMX::VX::Graphics::TVXPathData Path;
  std::size_t Points = 0;
  for (auto _ : State) {
    for (const std::string& T : Texts.Texts) {
      Path.SetData(T);
      Points += std::size_t(Path.GetCount());
    }
    benchmark::DoNotOptimize(Points);
  }
  State.SetBytesProcessed(std::int64_t(State.iterations()) * std::int64_t(Texts.Bytes));
  State.counters["points"] = double(Points) / double(State.iterations());
}
void BM_SetData(benchmark::State& State) { SetData(State, Corpus()); }
void BM_SetData_Arcs(benchmark::State& State) { SetData(State, ArcCorpus()); }
BENCHMARK(BM_SetData);
BENCHMARK(BM_SetData_Arcs);

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv, [](TRatioReporter& R) {
    std::printf("corpus: %zu path texts, %zu bytes\n", Corpus().Texts.size(), Corpus().Bytes);
    R.PrintTimeRatio("Data assignment throughput / from_chars throughput", "BM_FromCharsNumbers", "BM_SetData",
                     "goal: at least 1");
    R.PrintTimeRatio("Data assignment throughput / from_chars throughput, arc-heavy text",
                     "BM_FromCharsNumbers_Arcs", "BM_SetData_Arcs", "goal: at least 1");
  });
}
