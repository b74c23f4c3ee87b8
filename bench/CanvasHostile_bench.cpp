// Hostile but finite drawing and text, each call timed on its own: huge
// strokes, coordinates far beyond Cairo's fixed point, dashes over long
// spans, very long texts. Every call must stay well under a second on a
// bitmap of at most 1024 x 1024; the program reports each case's time and
// exits with 1 when a case takes 0.5 s of processor time or more.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace {

using namespace FMX;

constexpr double Bound = 0.5;  // seconds per call

struct TCase {
  const char* Name;
  int Size;  // bitmap side
  std::function<void(TCanvas&)> Run;
};

void Line(TCanvas& C, float Thickness, TStrokeCap Cap, TStrokeDash Dash, TPointF A, TPointF B) {
  C.SetStrokeThickness(Thickness);
  C.SetStrokeCap(Cap);
  C.SetStrokeDash(Dash);
  C.DrawLine(A, B, 1);
}

std::string Repeat(const std::string& Part, std::size_t Times) {
  std::string S;
  S.reserve(Part.size() * Times);
  for (std::size_t I = 0; I < Times; ++I) S += Part;
  return S;
}

const std::vector<TCase>& Cases() {
  static const std::vector<TCase> List = {
      {"round stroke 1e13 thick", 32,
       [](TCanvas& C) { Line(C, 1e13f, TStrokeCap::Round, TStrokeDash::Solid, {0, 0}, {30, 30}); }},
      {"round stroke 1e12 thick", 32,
       [](TCanvas& C) { Line(C, 1e12f, TStrokeCap::Round, TStrokeDash::Solid, {0, 0}, {30, 30}); }},
      {"8 dashed lines +-1e7 at 0.05", 64,
       [](TCanvas& C) {
         for (int I = 0; I < 8; ++I)
           Line(C, 0.05f, TStrokeCap::Flat, TStrokeDash::Dash, {-1e7f, float(I * 8)}, {1e7f, float(64 - I * 8)});
       }},
      {"custom dash 0.06 on +-1e7", 64,
       [](TCanvas& C) {
         const float Dashes[] = {0.06f, 0.06f};
         C.Stroke().SetCustomDash(Dashes, 0);
         C.SetStrokeThickness(1);
         C.DrawLine({-1e7f, 10}, {1e7f, 50}, 1);
       }},
      {"dashed 2 wide over +-1e7, 1024", 1024,
       [](TCanvas& C) { Line(C, 2, TStrokeCap::Round, TStrokeDash::DashDot, {-1e7f, 0}, {1e7f, 1024}); }},
      {"wide dashed 1e6 over +-1e9, 1024", 1024,
       [](TCanvas& C) { Line(C, 1e6f, TStrokeCap::Round, TStrokeDash::Dot, {-1e9f, 10}, {1e9f, 900}); }},
      {"round dashes under a near-singular transform, 1024", 1024,
       [](TCanvas& C) {
         TMatrix M = TMatrix::Identity();
         M.m11 = -2.4f, M.m12 = -4, M.m21 = 1.8e-9f, M.m22 = 1e-30f;
         C.SetMatrix(M);
         C.SetStrokeJoin(TStrokeJoin::Round);
         Line(C, 2.5f, TStrokeCap::Round, TStrokeDash::Dash, {-1e7f, 0}, {1e7f, 1e9f});
         C.DrawEllipse(TRectF{-1e7f, -1e9f, 1e7f, 1e9f}, 1);
       }},
      {"fill -1e15..1e15", 1024, [](TCanvas& C) { C.FillRect(TRectF{-1e15f, 0, 1e15f, 32}, 1); }},
      {"path near 3e38, stroked and filled", 1024,
       [](TCanvas& C) {
         VX::Graphics::TVXPathData P;
         P.SetData("M-3e38,-3e38 C3e38,-3e38 3e38,3e38 -3e38,3e38 Z M0,0 L3e38,1 L-3e38,2");
         C.SetStrokeThickness(3);
         C.FillPath(P, 1);
         C.DrawPath(P, 1);
       }},
      {"round stroke 3e38 thick under 1e30 scale", 1024,
       [](TCanvas& C) {
         C.SetMatrix(TMatrix::CreateScaling(1e30f, 1e30f));
         Line(C, 3e38f, TStrokeCap::Round, TStrokeDash::Dash, {-3e38f, 1}, {3e38f, 2});
       }},
      {"TextWidth of 300,000 a", 64, [](TCanvas& C) { benchmark::DoNotOptimize(C.TextWidth(std::string(300000, 'a'))); }},
      {"TextHeight of 1M lines", 64, [](TCanvas& C) { benchmark::DoNotOptimize(C.TextHeight(std::string(999999, '\n'))); }},
      {"TextHeight of 10M line feeds", 64,
       [](TCanvas& C) { benchmark::DoNotOptimize(C.TextHeight(std::string(10000000, '\n'))); }},
      {"TextWidth of 1 MB of words", 64,
       [](TCanvas& C) { benchmark::DoNotOptimize(C.TextWidth(Repeat("word mix! ", 100000))); }},
      {"FillText of 10 MB, wrapped", 1024,
       [](TCanvas& C) {
         C.FillText(TRectF{0, 0, 1024, 1024}, std::string(10000000, 'x'), true, 1, {}, TTextAlign::Leading);
       }},
  };
  return List;
}

std::vector<double> Worst;

void Run(benchmark::State& State, std::size_t Index) {
  const TCase& Case = Cases()[Index];
  TBitmap Bmp(Case.Size, Case.Size);
  for (auto _ : State) {
    // Processor time: the bound must not depend on what else the machine runs.
    const std::clock_t Start = std::clock();
    Case.Run(Bmp.Canvas());
    const double Seconds = double(std::clock() - Start) / CLOCKS_PER_SEC;
    Worst[Index] = std::max(Worst[Index], Seconds);
  }
}

}  // namespace

int main(int Argc, char** Argv) {
  Worst.assign(Cases().size(), 0);
  for (std::size_t I = 0; I < Cases().size(); ++I)
    benchmark::RegisterBenchmark(Cases()[I].Name, Run, I)->Unit(benchmark::kMillisecond)->Iterations(3);
  benchmark::Initialize(&Argc, Argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  int Status = 0;
  for (std::size_t I = 0; I < Cases().size(); ++I)
    if (Worst[I] >= Bound) {
      std::fprintf(stderr, "over %.1f s: %s (%.3f s)\n", Bound, Cases()[I].Name, Worst[I]);
      Status = 1;
    }
  return Status;
}
