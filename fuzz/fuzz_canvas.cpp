// The Cairo canvas under hostile drawing: a fuzzed path (and a line, a
// rectangle and an arc from its points) filled and stroked under a fuzzed
// matrix and stroke style. Every call returns in bounded time (libFuzzer's
// timeout), the canvas state is unchanged afterwards, and the canvas still
// paints.

#include <cmath>
#include <cstring>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"

using namespace FMX;

namespace {

// Either any float bits or a value in a useful range.
float Number(VXFuzz::TInput& In, double Lo, double Hi) {
  return In.Byte() < 32 ? In.Raw<float>() : float(In.Range(Lo, Hi));
}

struct TState {
  TMatrix Matrix;
  TBrush Fill;
  TStrokeBrush Stroke;
  std::int32_t Clip, Scene;
  explicit TState(const TCanvas& C)
      : Matrix(C.Matrix()), Fill(C.Fill()), Stroke(C.Stroke()), Clip(C.ClipDepth()), Scene(C.SceneDepth()) {}
  bool operator==(const TState& O) const {
    return std::memcmp(&Matrix, &O.Matrix, sizeof Matrix) == 0 && Fill.SameBrush(O.Fill) &&
           Stroke.SameStroke(O.Stroke) && Clip == O.Clip && Scene == O.Scene;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size > 4096) return 0;
  static TBitmap Bitmap(48, 40);
  TCanvas& C = Bitmap.Canvas();
  Bitmap.Clear(0);
  VXFuzz::TInput In(Data, Size);

  TMatrix M = TMatrix::Identity();
  M.m11 = Number(In, -4, 4);
  M.m12 = Number(In, -4, 4);
  M.m21 = Number(In, -4, 4);
  M.m22 = Number(In, -4, 4);
  M.m31 = Number(In, -100, 100);
  M.m32 = Number(In, -100, 100);
  C.SetMatrix(M);
  C.SetStrokeThickness(Number(In, 0, 20));
  C.SetStrokeCap(TStrokeCap(In.Byte() % 2));
  C.SetStrokeJoin(TStrokeJoin(In.Byte() % 3));
  const std::uint8_t Dash = In.Byte() % 6;
  if (Dash == 5) {
    std::vector<float> Array(In.Byte() % 5);
    for (float& V : Array) V = Number(In, 0, 4);
    C.Stroke().SetCustomDash(Array, Number(In, -10, 10));
  } else {
    C.SetStrokeDash(TStrokeDash(Dash));
  }
  const bool Gradient = In.Flag();
  for (TBrush* B : {static_cast<TBrush*>(&C.Fill()), static_cast<TBrush*>(&C.Stroke())}) {
    B->SetColor(In.Raw<TAlphaColor>() | 0x01000000);
    if (Gradient) {
      B->SetKind(TBrushKind::Gradient);
      B->Gradient().ClearPoints();
      B->Gradient().AddPoint(0xFF0000FF, Number(In, 0, 1));
      B->Gradient().AddPoint(0xFFFF0000, Number(In, 0, 1));
    } else {
      B->SetKind(TBrushKind::Solid);
    }
  }
  const float Opacity = Number(In, 0, 1);
  const TState Before(C);

  VX::Graphics::TVXPathData Path;
  Path.SetData(In.Rest());
  C.BeginScene();
  {
    TClipGuard Guard(C);
    if (In.Flag()) C.IntersectClipRect({Number(In, -10, 50), Number(In, -10, 50), Number(In, -10, 50), Number(In, -10, 50)});
    C.FillPath(Path, Opacity);
    C.DrawPath(Path, Opacity);
    const auto Points = Path.Points();
    if (Points.size() >= 2) {
      const TPointF A = Points[0].Point, B = Points[Points.size() - 1].Point;
      C.DrawLine(A, B, Opacity);
      C.FillRect({A.X, A.Y, B.X, B.Y}, Opacity);
      C.DrawRect({A.X, A.Y, B.X, B.Y}, B.X - A.X, 3, AllCorners, Opacity);
      C.FillEllipse({A.X, A.Y, B.X, B.Y}, Opacity);
      C.DrawEllipse({A.X, A.Y, B.X, B.Y}, Opacity);
      C.DrawArc(A, B, Points.size() * 7.5f, B.Y - A.X, Opacity);
      std::vector<TPointF> Run;
      for (const TPathPoint& Q : Points) Run.push_back(Q.Point);
      C.DrawPolygon(Run, Opacity);
    }
  }
  C.EndScene();
  VXFUZZ_CHECK(TState(C) == Before);

  // The canvas still paints.
  C.SetMatrix(TMatrix::Identity());
  C.Fill().SetKind(TBrushKind::Solid);
  C.Fill().SetColor(0xFF00FF00);
  C.FillRect(TRectF{0, 0, 48, 40}, 1);
  VXFUZZ_CHECK(Bitmap.GetPixel(0, 0) == 0xFF00FF00 && Bitmap.GetPixel(47, 39) == 0xFF00FF00);
  return 0;
}
