// Growth of the path class with the size of one path: time per segment at
// 1e3, 1e4 and 1e5 segments (1e6 with --scaling_million) for parsing lines,
// curves and arcs, for the builder calls, for GetLength and for the hit
// tests, and the peak memory per byte of path text of a 1e6-segment path
// next to Cairo doing the same work.
//
// The program prints, for each operation, the time per segment at every
// size relative to 1e3 and the growth exponent (1 is linear), and fails
// (exit code 1, "FAILED") when the time per segment at 1e5 is more than 1.5
// times that at 1e3.

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"

using namespace FMX::VX::Graphics;

namespace {

// N copies of Unit, after a move.
std::string Repeat(const char* Unit, std::int64_t N) {
  std::string S = "M0 0";
  S.reserve(std::size_t(N) * std::strlen(Unit) + 8);
  for (std::int64_t i = 0; i < N; ++i) S += Unit;
  return S;
}

// Units that wander and come back, so that coordinates stay small.
constexpr const char* kLine = " l1 2 -1 -1";      // two segments
constexpr const char* kCurve = " c1 2 3 4 5 6 c-1 -2 -3 -4 -5 -6";
constexpr const char* kArc = " a5 5 0 0 1 3 4 a5 5 0 0 1 -3 -4";
// N cubic arcs round a circle of radius N (about 6 units each) with a wavy
// edge: a figure that grows with N, for the hit tests.
std::string WavyCircle(std::int64_t N) {
  std::string S;
  const double R = double(N), Step = 2 * M_PI / double(N);
  auto At = [&](double A, double Radius) {
    return std::to_string(Radius * std::cos(A)) + "," + std::to_string(Radius * std::sin(A)) + " ";
  };
  S = "M" + At(0, R);
  for (std::int64_t i = 0; i < N; ++i) {
    const double A = i * Step;
    S += "C" + At(A + Step / 3, R + 2) + At(A + 2 * Step / 3, R - 2) + At(A + Step, R);
  }
  return S + "Z";
}

void SetCounters(benchmark::State& State, double Segments) {
  State.counters["per_segment"] =
      benchmark::Counter(Segments, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Parse(benchmark::State& State, const char* Unit) {
  const std::string Text = Repeat(Unit, State.range(0) / 2);
  TVXPathData P;
  for (auto _ : State) {
    P.SetData(Text);
    benchmark::DoNotOptimize(P.GetCount());
  }
  SetCounters(State, double(State.range(0)));
}
void BM_ParseLines(benchmark::State& S) { Parse(S, kLine); }
void BM_ParseCurves(benchmark::State& S) { Parse(S, kCurve); }
void BM_ParseArcs(benchmark::State& S) { Parse(S, kArc); }

// Builder calls on one path, N times.
void Build(benchmark::State& State, const std::function<void(TVXPathData&, std::int64_t)>& Call) {
  for (auto _ : State) {
    TVXPathData P;
    for (std::int64_t i = 0; i < State.range(0); ++i) Call(P, i);
    benchmark::DoNotOptimize(P.GetCount());
  }
  SetCounters(State, double(State.range(0)));
}
void BM_AddEllipse(benchmark::State& S) {
  Build(S, [](TVXPathData& P, std::int64_t i) { P.AddEllipse({float(i % 100), 0, float(i % 100 + 10), 10}); });
}
void BM_AddRectangle(benchmark::State& S) {
  Build(S, [](TVXPathData& P, std::int64_t i) { P.AddRectangle({float(i % 100), 0, float(i % 100 + 10), 10}, 2, 2); });
}
void BM_AddArc(benchmark::State& S) {
  Build(S, [](TVXPathData& P, std::int64_t i) { P.AddArc({float(i % 100), 0}, {5, 5}, 0, 135); });
}
void BM_AddPolygon(benchmark::State& S) {
  const TCanvasPoints Square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  Build(S, [&](TVXPathData& P, std::int64_t) { P.AddPolygon(std::span<const TPointF>(Square)); });
}
void BM_CurveTo(benchmark::State& S) {
  Build(S, [](TVXPathData& P, std::int64_t i) { P.CurveTo({1, 2}, {3, 4}, {float(i % 7), 6}); });
}
void BM_Append(benchmark::State& S) {
  TVXPathData Piece;
  Piece.SetData("M0 0 L5 5 C1 2 3 4 5 6 Z");
  Build(S, [&](TVXPathData& P, std::int64_t) { P.Append(Piece); });
}

// Measuring a parsed path of N curves.
void BM_GetLength(benchmark::State& State) {
  TVXPathData Source;
  Source.SetData(Repeat(kCurve, State.range(0) / 2));
  TVXPathData P;
  for (auto _ : State) {
    P.Assign(Source);
    benchmark::DoNotOptimize(P.GetLength());
  }
  SetCounters(State, double(State.range(0)));
}

// The first hit test after a change, and 64 queries, on a path of N curves.
void HitTests(benchmark::State& State, int Queries) {
  TVXPathData Source;
  Source.SetData(WavyCircle(State.range(0)));
  Source.GetLength();
  TVXPathData P;
  std::size_t Hits = 0;
  for (auto _ : State) {
    P.Assign(Source);
    const double R = double(State.range(0));
    for (int i = 0; i < Queries; ++i) Hits += P.PointInPath(float(R * std::cos(i)), float(R * 0.999 * std::sin(i * 3)));
  }
  benchmark::DoNotOptimize(Hits);
  SetCounters(State, double(State.range(0)));
}
void BM_FirstHitTest(benchmark::State& S) { HitTests(S, 1); }
void BM_First64HitTests(benchmark::State& S) { HitTests(S, 64); }

// Remembers the CPU time per iteration of each run by its full name.
class TScalingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& Runs) override {
    ConsoleReporter::ReportRuns(Runs);
    for (const Run& R : Runs)
      if (!R.error_occurred && R.run_type == Run::RT_Iteration)
        Times[R.run_name.function_name + "/" + R.run_name.args] = R.GetAdjustedCPUTime();
  }
  std::map<std::string, double> Times;
};

// Peak resident memory of a child process running Work, minus its resident
// memory when Work starts, in bytes.
double PeakOf(const std::function<void()>& Work) {
  std::fflush(stdout);
  const pid_t Pid = fork();
  if (Pid == 0) {
    Work();
    _exit(0);
  }
  int Status = 0;
  struct rusage Usage {};
  wait4(Pid, &Status, 0, &Usage);
  return double(Usage.ru_maxrss) * 1024;
}

long ResidentBytes() {
  std::ifstream Statm("/proc/self/statm");
  long Size = 0, Resident = 0;
  Statm >> Size >> Resident;
  return Resident * sysconf(_SC_PAGESIZE);
}

void ReportMemory() {
  const std::string Text = Repeat(kCurve, 500000);  // 1e6 curves
  // Each child reports its resident memory before the work through a pipe,
  // so that the text and the libraries are left out.
  auto Measure = [&](const char* Name, const std::function<void()>& Work) {
    int Fd[2];
    if (pipe(Fd) != 0) return;
    const double Peak = PeakOf([&] {
      const long Before = ResidentBytes();
      if (write(Fd[1], &Before, sizeof Before) != sizeof Before) _exit(1);
      Work();
    });
    long Before = 0;
    if (read(Fd[0], &Before, sizeof Before) != sizeof Before) Before = 0;
    close(Fd[0]);
    close(Fd[1]);
    std::printf("peak memory, %s: %.1f bytes per byte of path text (%.0f MB for %.1f MB of text)\n", Name,
                (Peak - double(Before)) / double(Text.size()), (Peak - double(Before)) / 1e6, double(Text.size()) / 1e6);
  };
  Measure("parse + GetLength + hit index", [&] {
    TVXPathData P;
    P.SetData(Text);
    P.GetLength();
    // Enough queries for the bands and then the grid.
    for (int i = 0; i < 80; ++i) P.PointInPath(float(i), 1);
  });
  Measure("Cairo build + cairo_copy_path_flat (0.1) + cairo_in_fill", [&] {
    // The same curves straight into Cairo (numbers read with from_chars).
    cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* Cr = cairo_create(Surface);
    cairo_move_to(Cr, 0, 0);
    double V[6];
    int K = 0;
    const char* P = Text.data() + 4;
    const char* End = Text.data() + Text.size();
    while (P < End) {
      if (*P == ' ' || *P == 'c') {
        ++P;
        continue;
      }
      P = std::from_chars(P, End, V[K]).ptr;
      if (++K == 6) {
        cairo_rel_curve_to(Cr, V[0], V[1], V[2], V[3], V[4], V[5]);
        K = 0;
      }
    }
    cairo_path_t* Flat = cairo_copy_path_flat(Cr);
    for (int i = 0; i < 16; ++i) benchmark::DoNotOptimize(cairo_in_fill(Cr, i, 1));
    cairo_path_destroy(Flat);
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
  });
}

}  // namespace

#define SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinWarmUpTime(0.05)->MinTime(0.5)
BENCHMARK(BM_ParseLines) SIZES;
BENCHMARK(BM_ParseCurves) SIZES;
BENCHMARK(BM_ParseArcs) SIZES;
BENCHMARK(BM_AddEllipse) SIZES;
BENCHMARK(BM_AddRectangle) SIZES;
BENCHMARK(BM_AddArc) SIZES;
BENCHMARK(BM_AddPolygon) SIZES;
BENCHMARK(BM_CurveTo) SIZES;
BENCHMARK(BM_Append) SIZES;
BENCHMARK(BM_GetLength) SIZES;
BENCHMARK(BM_FirstHitTest) SIZES;
BENCHMARK(BM_First64HitTests) SIZES;

int main(int argc, char** argv) {
  // Memory first, in children forked from a process that has not worked yet.
  ReportMemory();
  // Then keep freed memory in the process (blocks up to 32 MB from the heap,
  // no trimming): otherwise every iteration above a few MB maps fresh pages,
  // and the first-touch cost of pages (high in virtual machines) swamps the
  // growth being measured.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  bool Million = false;
  std::vector<char*> Args;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--scaling_million") == 0)
      Million = true;
    else
      Args.push_back(argv[i]);
  }
  int Count = int(Args.size());
  if (Million)
    for (const char* Name : {"BM_ParseCurves", "BM_GetLength", "BM_AddEllipse"})
      benchmark::RegisterBenchmark((std::string(Name) + "_million").c_str(), [Name](benchmark::State& S) {
        const std::string N = Name;
        if (N == "BM_ParseCurves") BM_ParseCurves(S);
        if (N == "BM_GetLength") BM_GetLength(S);
        if (N == "BM_AddEllipse") BM_AddEllipse(S);
      })->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
  benchmark::Initialize(&Count, Args.data());
  TScalingReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  benchmark::Shutdown();

  bool Failed = false;
  std::printf("\nTime per segment relative to 1e3 segments, and growth exponent of the total time:\n");
  for (const char* Name : {"BM_ParseLines", "BM_ParseCurves", "BM_ParseArcs", "BM_AddEllipse", "BM_AddRectangle",
                           "BM_AddArc", "BM_AddPolygon", "BM_CurveTo", "BM_Append", "BM_GetLength",
                           "BM_FirstHitTest", "BM_First64HitTests"}) {
    auto T = [&](const char* N) {
      auto It = Reporter.Times.find(std::string(Name) + "/" + N);
      return It == Reporter.Times.end() ? 0.0 : It->second;
    };
    const double T3 = T("1000"), T4 = T("10000"), T5 = T("100000");
    if (!(T3 > 0 && T5 > 0)) continue;
    const double R4 = T4 / 10 / T3, R5 = T5 / 100 / T3;
    const double Exponent = std::log(T5 / T3) / std::log(100.0);
    const bool Bad = R5 > 1.5;
    Failed = Failed || Bad;
    std::printf("%-20s 1e4: %.2fx  1e5: %.2fx  exponent %.2f  %s\n", Name, R4, R5, Exponent,
                Bad ? "FAILED: super-linear growth (goal: 1e5 within 1.5x of 1e3)" : "ok");
  }
  return Failed ? 1 : 0;
}
