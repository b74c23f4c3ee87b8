// Drawing routines against the same drawing in raw Cairo (and Pango for
// text) on a bitmap of the same size: a circular progress indicator of 100
// outlined and filled circles, and arrows with filled heads, a band shaft
// and a three-line caption. The run ends with the ratios routine / raw
// Cairo.

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <string_view>

#include "bench/RatioReporter.h"
#include "FMX.VX.Graphics/Arrows.h"
#include "FMX.VX.Graphics/Colors.h"
#include "FMX.VX.Graphics/Progress.h"
#include "platform/Bitmap.h"
#include "platform/Math.h"

namespace {

using namespace FMX;
using namespace FMX::VX::Graphics;

constexpr int Side = 512;
constexpr int ArrowCount = 50;
constexpr TAlphaColor StrokeColor = 0xFF202020, FillColor = 0xFF1E88E5, TextColor = 0xFFE53935;
constexpr float Head = 12, Width = 4;
constexpr std::string_view CaptionLines[] = {"first line", "second line", "the third"};
constexpr const char* Caption = "first line\r\nsecond line\r\nthe third";

struct TArrow {
  float X1, Y1, X2, Y2;
};

TArrow ArrowAt(int I) {
  const double A = I * 0.7;
  return {float(256 + 60 * std::cos(A)), float(256 + 60 * std::sin(A)), float(256 + 230 * std::cos(A + 0.3)),
          float(256 + 230 * std::sin(A + 0.3))};
}

void SetColor(cairo_t* Cr, TAlphaColor C) {
  cairo_set_source_rgba(Cr, ((C >> 16) & 0xFF) / 255.0, ((C >> 8) & 0xFF) / 255.0, (C & 0xFF) / 255.0,
                        (C >> 24) / 255.0);
}

void Arrows(benchmark::State& State) {
  TBitmap Bitmap(Side, Side);
  TCanvas& C = Bitmap.Canvas();
  C.Stroke().SetColor(StrokeColor);
  C.Fill().SetColor(FillColor);
  C.SetStrokeThickness(1);
  const TArrowOptions Options{aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoDrawCaption};
  for (auto _ : State) {
    for (int I = 0; I < ArrowCount; ++I) {
      const TArrow A = ArrowAt(I);
      DrawArrow(C, A.X1, A.Y1, A.X2, A.Y2, Head, Caption, Options, Width, 1, TextColor);
    }
    benchmark::DoNotOptimize(Bitmap.GetPixel(0, 0));
  }
  State.SetItemsProcessed(State.iterations() * ArrowCount);
}

// A closed outline stroked, then filled, as the helper's Polygon does.
void OutlineThenFill(cairo_t* Cr, const double (*P)[2], int N) {
  cairo_move_to(Cr, P[0][0], P[0][1]);
  for (int K = 1; K < N; ++K) cairo_line_to(Cr, P[K][0], P[K][1]);
  cairo_line_to(Cr, P[0][0], P[0][1]);
  SetColor(Cr, StrokeColor);
  cairo_stroke_preserve(Cr);
  SetColor(Cr, FillColor);
  cairo_fill(Cr);
}

void ArrowsRawCairo(benchmark::State& State) {
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Side, Side);
  cairo_t* Cr = cairo_create(Surface);
  cairo_set_line_width(Cr, 1);
  cairo_set_fill_rule(Cr, CAIRO_FILL_RULE_EVEN_ODD);
  PangoLayout* Layout = pango_cairo_create_layout(Cr);
  PangoFontDescription* Font = pango_font_description_from_string("DejaVu Sans 12px");
  pango_layout_set_font_description(Layout, Font);
  for (auto _ : State) {
    for (int I = 0; I < ArrowCount; ++I) {
      const TArrow A = ArrowAt(I);
      const double DX = double(A.X2) - A.X1, DY = double(A.Y2) - A.Y1, L = std::hypot(DX, DY);
      const double UX = DX / L, UY = DY / L, NX = DY / L, NY = -DX / L;
      // Caption: three lines from the midpoint down, one line height apart.
      SetColor(Cr, TextColor);
      double Y = A.Y1 + DY / 2;
      for (const std::string_view Line : CaptionLines) {
        pango_layout_set_text(Layout, Line.data(), int(Line.size()));
        int W, H;
        pango_layout_get_size(Layout, &W, &H);
        cairo_move_to(Cr, A.X1 + DX / 2, Y);
        pango_cairo_show_layout(Cr, Layout);
        Y += double(H) / PANGO_SCALE;
      }
      // Band shaft between the heads' bases.
      const double SX = A.X1 + Head * UX, SY = A.Y1 + Head * UY, EX = A.X2 - Head * UX, EY = A.Y2 - Head * UY;
      const double HW = Width / 2;
      const double Band[4][2] = {{SX + HW * NX, SY + HW * NY},
                                 {SX - HW * NX, SY - HW * NY},
                                 {EX - HW * NX, EY - HW * NY},
                                 {EX + HW * NX, EY + HW * NY}};
      OutlineThenFill(Cr, Band, 4);
      const double Start[3][2] = {{SX + Head * NX, SY + Head * NY}, {A.X1, A.Y1}, {SX - Head * NX, SY - Head * NY}};
      OutlineThenFill(Cr, Start, 3);
      const double End[3][2] = {{EX + Head * NX, EY + Head * NY}, {A.X2, A.Y2}, {EX - Head * NX, EY - Head * NY}};
      OutlineThenFill(Cr, End, 3);
    }
    cairo_surface_flush(Surface);
    benchmark::DoNotOptimize(cairo_image_surface_get_data(Surface)[0]);
  }
  State.SetItemsProcessed(State.iterations() * ArrowCount);
  pango_font_description_free(Font);
  g_object_unref(Layout);
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
}

constexpr int Segments = 100;
constexpr double Kappa = 0.55228474983079339840;

void Progress(benchmark::State& State) {
  TBitmap Bitmap(Side, Side);
  TCanvas& C = Bitmap.Canvas();
  C.Stroke().SetColor(StrokeColor);
  C.SetStrokeThickness(1);
  for (auto _ : State) {
    ProgressCircle(C, TRectF{0, 0, Side, Side}, 8, Segments, 0, Segments, DefaultColorList, false, Segments, sCircle,
                   soUp, false, 0, 2, pdForward, dtAllProgress);
    benchmark::DoNotOptimize(Bitmap.GetPixel(0, 0));
  }
  State.SetItemsProcessed(State.iterations() * Segments);
}

// The same 100 circles in the same colours and places, outline then fill.
void ProgressRawCairo(benchmark::State& State) {
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Side, Side);
  cairo_t* Cr = cairo_create(Surface);
  cairo_set_line_width(Cr, 1);
  cairo_set_fill_rule(Cr, CAIRO_FILL_RULE_EVEN_ODD);
  for (auto _ : State) {
    const double M = 8, G = 2, Size = (Side - 2 * M) * Pi / Segments - G, R = (Side - Size - 2 * M) / 2;
    for (int I = 1; I <= Segments; ++I) {
      const double A = DegToRad(double(I * 360) / Segments);
      const double CX = R + std::cos(A) * R + M + Size / 2, CY = R - std::sin(A) * R + M + Size / 2;
      const double RR = Size / 2, K = Kappa * RR;
      cairo_move_to(Cr, CX + RR, CY);
      cairo_curve_to(Cr, CX + RR, CY + K, CX + K, CY + RR, CX, CY + RR);
      cairo_curve_to(Cr, CX - K, CY + RR, CX - RR, CY + K, CX - RR, CY);
      cairo_curve_to(Cr, CX - RR, CY - K, CX - K, CY - RR, CX, CY - RR);
      cairo_curve_to(Cr, CX + K, CY - RR, CX + RR, CY - K, CX + RR, CY);
      cairo_close_path(Cr);
      SetColor(Cr, StrokeColor);
      cairo_stroke_preserve(Cr);
      SetColor(Cr, I == 1 ? DefaultColorList[0] : IndexToColor(I - 1, Segments, DefaultColorList));
      cairo_fill(Cr);
    }
    cairo_surface_flush(Surface);
    benchmark::DoNotOptimize(cairo_image_surface_get_data(Surface)[0]);
  }
  State.SetItemsProcessed(State.iterations() * Segments);
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
}

BENCHMARK(Progress)->Unit(benchmark::kMillisecond);
BENCHMARK(ProgressRawCairo)->Unit(benchmark::kMillisecond);
BENCHMARK(Arrows)->Unit(benchmark::kMillisecond);
BENCHMARK(ArrowsRawCairo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv, [](TRatioReporter& R) {
    R.PrintTimeRatio("progress circle of 100 segments / raw Cairo, median CPU time", "Progress", "ProgressRawCairo",
                     "goal: at most 1.2x");
    R.PrintTimeRatio("arrows with a 3-line caption / raw Cairo, median CPU time", "Arrows", "ArrowsRawCairo",
                     "goal: at most 1.2x");
  });
}
