// Drawing routines against the same drawing done with plain Cairo calls.
//
// Each case is drawn once on a recording canvas; the recorded operations
// (geometry, colours, stroke width) are turned into a flat list that the
// baseline replays with the fewest Cairo calls that paint the same thing.
// Both sides draw onto an image surface of the same size, and the run ends
// with the ratios routine / Cairo:
//   LineGradient     256 strips
//   EllipseGradient  128 rings
//   DrawShape        the 24 styles, raised ones with their bevels

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <functional>
#include <vector>

#include "bench/RatioReporter.h"
#include "FMX.VX.Graphics/Gradients.h"
#include "FMX.VX.Graphics/Shapes.h"
#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

namespace {

using namespace FMX;
using namespace FMX::VX::Graphics;

constexpr int Side = 512;
constexpr double Kappa = 0.55228474983079339840;
const std::vector<TAlphaColor> Colors{0xFFE53935, 0xFFFDD835, 0xFF43A047, 0xFF1E88E5, 0xFF8E24AA};

using TDraw = std::function<void(TCanvas&)>;

void Strips(TCanvas& C) { LineGradient(C, TRectF{0, 0, 1020, 64}, Colors, 4, diHorizontal, 1); }
void Rings(TCanvas& C) { EllipseGradient(C, TRectF{0, 0, 512, 512}, Colors, 2, 1); }

TBitmap& Image() {
  static TBitmap B(16, 16);
  static const bool Painted = (B.Clear(0xFF3F51B5), true);
  (void)Painted;
  return B;
}

void Shapes(TCanvas& C) {
  C.Fill().SetColor(0xFF4CAF50);
  C.Stroke().SetColor(0xFF1B5E20);
  C.SetStrokeThickness(1);
  for (int S = 0; S < 24; ++S) {
    const float X = 4.0f + (S % 6) * 84, Y = 4.0f + (S / 6) * 84;
    DrawShape(C, TRectF{X, Y, X + 80, Y + 70}, &Image(), TVXShapeStyle(S), true, 0xFFF0F0F0, 0xFF606060, 5, 1);
    C.Stroke().SetColor(0xFF1B5E20);  // raised rectangles leave their frame colour behind
  }
}

// --- The baseline: recorded operations replayed with plain Cairo ----------

struct TOp {
  enum TKind { Fill, Stroke, Bitmap } Kind;
  TAlphaColor Color = 0;
  float Width = 1;
  cairo_line_join_t Join = CAIRO_LINE_JOIN_MITER;
  std::vector<TPathPoint> Path;  // rectangles and ellipses as paths too
  TRectF Rect;                   // bitmaps: destination
};

void AddEllipse(std::vector<TPathPoint>& P, const TRectF& R) {
  const double CX = (double(R.Left) + R.Right) / 2, CY = (double(R.Top) + R.Bottom) / 2;
  const double RX = (double(R.Right) - R.Left) / 2, RY = (double(R.Bottom) - R.Top) / 2;
  const double KX = Kappa * RX, KY = Kappa * RY;
  const auto Pt = [](double X, double Y) { return TPointF{float(X), float(Y)}; };
  using K = TPathPointKind;
  P = {{K::MoveTo, Pt(CX + RX, CY)},
       {K::CurveTo, Pt(CX + RX, CY + KY)}, {K::CurveTo, Pt(CX + KX, CY + RY)}, {K::CurveTo, Pt(CX, CY + RY)},
       {K::CurveTo, Pt(CX - KX, CY + RY)}, {K::CurveTo, Pt(CX - RX, CY + KY)}, {K::CurveTo, Pt(CX - RX, CY)},
       {K::CurveTo, Pt(CX - RX, CY - KY)}, {K::CurveTo, Pt(CX - KX, CY - RY)}, {K::CurveTo, Pt(CX, CY - RY)},
       {K::CurveTo, Pt(CX + KX, CY - RY)}, {K::CurveTo, Pt(CX + RX, CY - KY)}, {K::CurveTo, Pt(CX + RX, CY)},
       {K::Close, Pt(CX + RX, CY)}};
}

std::vector<TOp> Replay(const TDraw& Draw) {
  TRecordingCanvas Rec(Side * 2, Side);
  Draw(Rec);
  std::vector<TOp> Ops;
  for (const TCanvasRecord& R : Rec.Records()) {
    const bool IsFill = R.Op == TCanvasOp::FillRect || R.Op == TCanvasOp::FillEllipse || R.Op == TCanvasOp::FillPath;
    if (R.Op == TCanvasOp::DrawBitmap) {
      Ops.push_back({TOp::Bitmap, 0, 1, CAIRO_LINE_JOIN_MITER, {}, R.Rect});
      continue;
    }
    const TBrush& B = IsFill ? R.Fill : static_cast<const TBrush&>(R.Stroke);
    if (B.Kind() == TBrushKind::None) continue;  // paints nothing, as on the canvas
    TOp Op{IsFill ? TOp::Fill : TOp::Stroke, B.Color(), R.Stroke.Thickness(),
           R.Stroke.Join() == TStrokeJoin::Miter ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_BEVEL, {}, {}};
    using K = TPathPointKind;
    switch (R.Op) {
      case TCanvasOp::FillRect:
      case TCanvasOp::DrawRect:
        Op.Path = {{K::MoveTo, {R.Rect.Left, R.Rect.Top}}, {K::LineTo, {R.Rect.Right, R.Rect.Top}},
                   {K::LineTo, {R.Rect.Right, R.Rect.Bottom}}, {K::LineTo, {R.Rect.Left, R.Rect.Bottom}},
                   {K::Close, {R.Rect.Left, R.Rect.Top}}};
        break;
      case TCanvasOp::FillEllipse:
      case TCanvasOp::DrawEllipse: AddEllipse(Op.Path, R.Rect); break;
      case TCanvasOp::DrawLine: Op.Path = {{K::MoveTo, R.Points[0]}, {K::LineTo, R.Points[1]}}; break;
      case TCanvasOp::FillPath:
      case TCanvasOp::DrawPath: Op.Path = R.Path; break;
      default: continue;
    }
    Ops.push_back(std::move(Op));
  }
  return Ops;
}

void SetColor(cairo_t* Cr, TAlphaColor C) {
  cairo_set_source_rgba(Cr, ((C >> 16) & 0xFF) / 255.0, ((C >> 8) & 0xFF) / 255.0, (C & 0xFF) / 255.0,
                        (C >> 24) / 255.0);
}

void RunCairo(benchmark::State& State, const TDraw& Draw) {
  const std::vector<TOp> Ops = Replay(Draw);
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Side * 2, Side);
  cairo_t* Cr = cairo_create(Surface);
  cairo_set_fill_rule(Cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_surface_t* Img = Image().Surface();
  for (auto _ : State) {
    for (const TOp& Op : Ops) {
      if (Op.Kind == TOp::Bitmap) {
        cairo_save(Cr);
        cairo_translate(Cr, Op.Rect.Left, Op.Rect.Top);
        cairo_scale(Cr, (double(Op.Rect.Right) - Op.Rect.Left) / 16, (double(Op.Rect.Bottom) - Op.Rect.Top) / 16);
        cairo_set_source_surface(Cr, Img, 0, 0);
        cairo_paint(Cr);
        cairo_restore(Cr);
        continue;
      }
      const std::vector<TPathPoint>& P = Op.Path;
      for (std::size_t I = 0; I < P.size(); ++I) {
        const TPointF& Q = P[I].Point;
        switch (P[I].Kind) {
          case TPathPointKind::MoveTo: cairo_move_to(Cr, Q.X, Q.Y); break;
          case TPathPointKind::LineTo: cairo_line_to(Cr, Q.X, Q.Y); break;
          case TPathPointKind::Close: cairo_close_path(Cr); break;
          case TPathPointKind::CurveTo:
            cairo_curve_to(Cr, Q.X, Q.Y, P[I + 1].Point.X, P[I + 1].Point.Y, P[I + 2].Point.X, P[I + 2].Point.Y);
            I += 2;
            break;
        }
      }
      SetColor(Cr, Op.Color);
      if (Op.Kind == TOp::Fill) {
        cairo_fill(Cr);
      } else {
        cairo_set_line_width(Cr, Op.Width);
        cairo_set_line_join(Cr, Op.Join);
        cairo_stroke(Cr);
      }
    }
    cairo_surface_flush(Surface);
    benchmark::DoNotOptimize(cairo_image_surface_get_data(Surface)[0]);
  }
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
}

void RunRoutine(benchmark::State& State, const TDraw& Draw) {
  TBitmap Bitmap(Side * 2, Side);
  for (auto _ : State) {
    Draw(Bitmap.Canvas());
    benchmark::DoNotOptimize(Bitmap.GetPixel(0, 0));
  }
}

void LineGradientRoutine(benchmark::State& S) { RunRoutine(S, Strips); }
void LineGradientCairo(benchmark::State& S) { RunCairo(S, Strips); }
void EllipseGradientRoutine(benchmark::State& S) { RunRoutine(S, Rings); }
void EllipseGradientCairo(benchmark::State& S) { RunCairo(S, Rings); }
void DrawShapeRoutine(benchmark::State& S) { RunRoutine(S, Shapes); }
void DrawShapeCairo(benchmark::State& S) { RunCairo(S, Shapes); }

BENCHMARK(LineGradientRoutine)->Unit(benchmark::kMicrosecond);
BENCHMARK(LineGradientCairo)->Unit(benchmark::kMicrosecond);
BENCHMARK(EllipseGradientRoutine)->Unit(benchmark::kMicrosecond);
BENCHMARK(EllipseGradientCairo)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawShapeRoutine)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawShapeCairo)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWithRatios(argc, argv, [](TRatioReporter& R) {
    R.PrintTimeRatio("LineGradient, 256 strips / Cairo", "LineGradientRoutine", "LineGradientCairo",
                     "goal: at most 1.2x");
    R.PrintTimeRatio("EllipseGradient, 128 rings / Cairo", "EllipseGradientRoutine", "EllipseGradientCairo",
                     "goal: at most 1.2x");
    R.PrintTimeRatio("DrawShape, 24 styles / Cairo", "DrawShapeRoutine", "DrawShapeCairo", "goal: at most 1.2x");
  });
}
