// 10,000 small outlined and filled shapes (rectangles, ellipses and
// polygons, in turn) on a 1024 x 1024 bitmap: through the canvas helper,
// and the same drawing with direct Cairo calls on an image surface of the
// same size. The run ends with the ratio helper / Cairo.

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "platform/Bitmap.h"
#include "platform/Math.h"

namespace {

using namespace FMX;
namespace CH = FMX::VX::CanvasHelper;

constexpr int ShapeCount = 10000;
constexpr int Side = 1024;
constexpr TAlphaColor StrokeColor = 0xFF202020;
constexpr double Kappa = 0.55228474983079339840;

struct TShape {
  TRectF Box;
  std::array<TPointF, 5> Points;  // pentagon inscribed in Box
  TAlphaColor Fill;
};

const std::vector<TShape>& Shapes() {
  static const std::vector<TShape> List = [] {
    std::mt19937 Rng(12345);
    std::uniform_real_distribution<float> Pos(0, Side - 24), Size(4, 20);
    static constexpr TAlphaColor Palette[] = {0xFFE53935, 0xFF43A047, 0xFF1E88E5, 0xFFFDD835,
                                              0xFF8E24AA, 0xFF00ACC1, 0xFFFB8C00, 0xFF6D4C41};
    std::vector<TShape> Result(ShapeCount);
    for (int I = 0; I < ShapeCount; ++I) {
      TShape& S = Result[I];
      const float X = Pos(Rng), Y = Pos(Rng), W = Size(Rng), H = Size(Rng);
      S.Box = {X, Y, X + W, Y + H};
      for (int K = 0; K < 5; ++K) {
        const double A = -Pi / 2 + K * 2 * Pi / 5;
        S.Points[K] = {float(X + W / 2 + W / 2 * std::cos(A)), float(Y + H / 2 + H / 2 * std::sin(A))};
      }
      S.Fill = Palette[I % 8];
    }
    return Result;
  }();
  return List;
}

void Helper(benchmark::State& State) {
  TBitmap Bitmap(Side, Side);
  TCanvas& C = Bitmap.Canvas();
  C.Stroke().SetColor(StrokeColor);
  C.SetStrokeThickness(1);
  const auto& List = Shapes();
  for (auto _ : State) {
    for (int I = 0; I < ShapeCount; ++I) {
      const TShape& S = List[I];
      C.Fill().SetColor(S.Fill);
      switch (I % 3) {
        case 0: CH::Rectangle(C, S.Box); break;
        case 1: CH::Ellipse(C, S.Box); break;
        default: CH::Polygon(C, std::span<const TPointF>(S.Points)); break;
      }
    }
    benchmark::DoNotOptimize(Bitmap.GetPixel(0, 0));
  }
  State.SetItemsProcessed(State.iterations() * ShapeCount);
}

void SetColor(cairo_t* Cr, TAlphaColor C) {
  cairo_set_source_rgba(Cr, ((C >> 16) & 0xFF) / 255.0, ((C >> 8) & 0xFF) / 255.0, (C & 0xFF) / 255.0,
                        (C >> 24) / 255.0);
}

// Outline first, then the fill, as the helper draws closed shapes.
void OutlineThenFill(cairo_t* Cr, TAlphaColor Fill) {
  SetColor(Cr, StrokeColor);
  cairo_stroke_preserve(Cr);
  SetColor(Cr, Fill);
  cairo_fill(Cr);
}

void DirectCairo(benchmark::State& State) {
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Side, Side);
  cairo_t* Cr = cairo_create(Surface);
  cairo_set_line_width(Cr, 1);
  cairo_set_fill_rule(Cr, CAIRO_FILL_RULE_EVEN_ODD);
  const auto& List = Shapes();
  for (auto _ : State) {
    for (int I = 0; I < ShapeCount; ++I) {
      const TShape& S = List[I];
      const double L = S.Box.Left, T = S.Box.Top, R = S.Box.Right, B = S.Box.Bottom;
      switch (I % 3) {
        case 0:
          cairo_rectangle(Cr, L, T, R - L, B - T);
          break;
        case 1: {
          const double CX = (L + R) / 2, CY = (T + B) / 2, RX = (R - L) / 2, RY = (B - T) / 2;
          const double KX = Kappa * RX, KY = Kappa * RY;
          cairo_move_to(Cr, CX + RX, CY);
          cairo_curve_to(Cr, CX + RX, CY + KY, CX + KX, CY + RY, CX, CY + RY);
          cairo_curve_to(Cr, CX - KX, CY + RY, CX - RX, CY + KY, CX - RX, CY);
          cairo_curve_to(Cr, CX - RX, CY - KY, CX - KX, CY - RY, CX, CY - RY);
          cairo_curve_to(Cr, CX + KX, CY - RY, CX + RX, CY - KY, CX + RX, CY);
          cairo_close_path(Cr);
          break;
        }
        default:
          cairo_move_to(Cr, S.Points[0].X, S.Points[0].Y);
          for (int K = 1; K < 5; ++K) cairo_line_to(Cr, S.Points[K].X, S.Points[K].Y);
          cairo_line_to(Cr, S.Points[0].X, S.Points[0].Y);
          break;
      }
      OutlineThenFill(Cr, S.Fill);
    }
    cairo_surface_flush(Surface);
    benchmark::DoNotOptimize(cairo_image_surface_get_data(Surface)[0]);
  }
  State.SetItemsProcessed(State.iterations() * ShapeCount);
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
}

BENCHMARK(Helper)->Unit(benchmark::kMillisecond);
BENCHMARK(DirectCairo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv, [](TRatioReporter& R) {
    R.PrintTimeRatio("helper / direct Cairo, median CPU time", "Helper", "DirectCairo", "goal: at most 1.15x");
  });
}
