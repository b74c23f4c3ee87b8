// The Cairo canvas under hostile drawing: a fuzzed path (and a line, a
// rectangle and an arc from its points) filled and stroked under a fuzzed
// matrix and stroke style. Every call returns in bounded time (libFuzzer's
// timeout), the canvas state is unchanged afterwards, and the canvas still
// paints.

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
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

// Brushes compared bit for bit: a NaN offset or thickness is "unchanged"
// when it is the same NaN.
template <typename T>
bool Bits(const T& A, const T& B) {
  return std::memcmp(&A, &B, sizeof A) == 0;
}

bool SameBits(const TBrush& A, const TBrush& B) {
  const TGradient &GA = A.Gradient(), &GB = B.Gradient();
  if (A.Kind() != B.Kind() || A.Color() != B.Color() || GA.Style() != GB.Style() ||
      GA.Points().size() != GB.Points().size() || !Bits(GA.StartPosition(), GB.StartPosition()) ||
      !Bits(GA.StopPosition(), GB.StopPosition()) || !Bits(GA.RadialCenter(), GB.RadialCenter()))
    return false;
  for (std::size_t I = 0; I < GA.Points().size(); ++I)
    if (GA.Points()[I].Color != GB.Points()[I].Color || !Bits(GA.Points()[I].Offset, GB.Points()[I].Offset))
      return false;
  return true;
}

struct TState {
  TMatrix Matrix;
  TBrush Fill;
  TStrokeBrush Stroke;
  std::int32_t Clip, Scene;
  explicit TState(const TCanvas& C)
      : Matrix(C.Matrix()), Fill(C.Fill()), Stroke(C.Stroke()), Clip(C.ClipDepth()), Scene(C.SceneDepth()) {}
  // The parts that differ, "" when none.
  std::string Diff(const TState& O) const {
    std::string D;
    if (std::memcmp(&Matrix, &O.Matrix, sizeof Matrix) != 0) D += "matrix ";
    if (!SameBits(Fill, O.Fill)) D += "fill ";
    const auto DA = Stroke.DashArray(), DB = O.Stroke.DashArray();
    if (!SameBits(Stroke, O.Stroke) || !Bits(Stroke.Thickness(), O.Stroke.Thickness()) ||
        Stroke.Cap() != O.Stroke.Cap() || Stroke.Join() != O.Stroke.Join() || Stroke.Dash() != O.Stroke.Dash() ||
        !Bits(Stroke.DashOffset(), O.Stroke.DashOffset()) || DA.size() != DB.size() ||
        (!DA.empty() && std::memcmp(DA.data(), DB.data(), DA.size() * sizeof(float)) != 0))
      D += "stroke ";
    if (Clip != O.Clip) D += "clip ";
    if (Scene != O.Scene) D += "scene ";
    return D;
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
  const std::string Changed = TState(C).Diff(Before);
  if (!Changed.empty()) std::fprintf(stderr, "changed: %s\n", Changed.c_str());
  VXFUZZ_CHECK(Changed.empty());

  // The canvas still paints.
  C.SetMatrix(TMatrix::Identity());
  C.Fill().SetKind(TBrushKind::Solid);
  C.Fill().SetColor(0xFF00FF00);
  C.FillRect(TRectF{0, 0, 48, 40}, 1);
  VXFUZZ_CHECK(Bitmap.GetPixel(0, 0) == 0xFF00FF00 && Bitmap.GetPixel(47, 39) == 0xFF00FF00);
  return 0;
}
