#include "FMX.VX.Graphics/Geometry.h"

#include <cmath>

#include "FMX.VX.Graphics/GeometryMath_p.h"
#include "platform/Math.h"
#include "platform/NumberText.h"

namespace FMX::VX::Graphics {

using Detail::Add32;
using Detail::Sub32;

// --- Canvas coordinates ---------------------------------------------------

TRectF CanvasRect(const TRectF& R) { return R; }

TRectF CanvasRect(const TRect& R) { return RectToVXRect(R); }

TRectF CanvasRect(std::int32_t Left, std::int32_t Top, std::int32_t Right, std::int32_t Bottom) {
  return {float(Left), float(Top), float(Right), float(Bottom)};
}

TRectF CanvasRect(float Left, float Top, float Right, float Bottom) { return {Left, Top, Right, Bottom}; }

TPointF CanvasPoint(std::int32_t X, std::int32_t Y) { return {float(X), float(Y)}; }

TPointF CanvasPoint(float X, float Y) { return {X, Y}; }

double CanvasRound(double Value) { return Value; }

double CanvasTrunc(double Value) { return Value; }

double CanvasDiv(std::int64_t A, std::int64_t B) { return double(A) / double(B); }

double CanvasDiv(double A, double B) { return A / B; }

float CanvasMax(std::span<const float> Values) { return MaxValue(Values); }

float CanvasMin(std::span<const float> Values) { return MinValue(Values); }

TPointF CanvasCenterPoint(const TRectF& R) { return VXCenterPoint(R); }

// --- Points ---------------------------------------------------------------

TPointF VXPoint(float X, float Y) { return {X, Y}; }

TPointF VXPoint(const TPoint& P) { return {float(P.X), float(P.Y)}; }

TPointF PointToVXPoint(const TPoint& P) { return VXPoint(P); }

TPoint VXPointToPoint(const TPointF& P) { return {Round32(P.X), Round32(P.Y)}; }

TPointF VXPointToCanvasPoint(const TPointF& P) { return {float(double(P.X)), float(double(P.Y))}; }

TCanvasPoints PointsToVXPoints(std::span<const TPoint> Points) {
  TCanvasPoints Result;
  Result.reserve(Points.size());
  for (const TPoint& P : Points) Result.push_back(VXPoint(P));
  return Result;
}

TPoints VXPointsToPoints(std::span<const TPointF> Points) {
  TPoints Result;
  Result.reserve(Points.size());
  for (const TPointF& P : Points) Result.push_back(VXPointToPoint(P));
  return Result;
}

bool PointsEqual(const TPointF& P1, const TPointF& P2) { return SameValue(P1.X, P2.X) && SameValue(P1.Y, P2.Y); }

float VXDistance(const TPointF& P1, const TPointF& P2) {
  const double DX = double(P1.X) - P2.X, DY = double(P1.Y) - P2.Y;
  return float(std::sqrt(DX * DX + DY * DY));
}

TPointF VXCenterPoint(const TPointF& P1, const TPointF& P2, float Ratio) {
  auto Axis = [Ratio](float C1, float C2) {
    return C1 == C2 ? C1 : float(double(C1) + (double(C2) - C1) * Ratio);
  };
  return {Axis(P1.X, P2.X), Axis(P1.Y, P2.Y)};
}

namespace {

// Mean point: float accumulators, each addition done in double and narrowed.
template <typename P>
TPointF MeanPoint(std::span<const P> Points) {
  if (Points.empty()) return {};
  float SX = 0, SY = 0;
  for (const P& Pt : Points) {
    SX = Detail::KeepFloat(double(SX) + Pt.X);
    SY = Detail::KeepFloat(double(SY) + Pt.Y);
  }
  const double N = double(Points.size());
  return {float(SX / N), float(SY / N)};
}

}  // namespace

TPointF VXCenterPoint(std::span<const TPointF> Points) { return MeanPoint(Points); }

TPointF VXCenterPoint(std::span<const TPoint> Points) { return MeanPoint(Points); }

TCanvasPoints ScalePoints(std::span<const TPointF> Points, float SX, float SY) {
  const TPointF M = MeanPoint(Points);
  TCanvasPoints Result;
  Result.reserve(Points.size());
  for (const TPointF& P : Points)
    Result.push_back({float((double(P.X) - M.X) * SX + M.X), float((double(P.Y) - M.Y) * SY + M.Y)});
  return Result;
}

TPoints ScalePoints(std::span<const TPoint> Points, float SX, float SY) {
  const TPointF M = MeanPoint(Points);
  TPoints Result;
  Result.reserve(Points.size());
  for (const TPoint& P : Points)
    Result.push_back({Round32((double(P.X) - M.X) * SX + M.X), Round32((double(P.Y) - M.Y) * SY + M.Y)});
  return Result;
}

namespace {

std::string CoordinateText(float V) {
  // The general format writes zero as "0" whatever its sign; keep the sign so
  // that the text reads back to the same bits.
  if (V == 0 && std::signbit(V)) return "-0";
  return FloatToStr(double(V), USFormatSettings);
}

// A coordinate field: a number under the US format that fits a float.
bool ReadCoordinate(std::string_view Field, float& Out) {
  double D = 0;
  if (!TryStrToFloat(Field, D, USFormatSettings)) return false;
  const float F = float(D);
  if (std::isinf(F)) return false;  // finite text beyond the float range
  Out = F;
  return true;
}

}  // namespace

std::string VXPointToString(const TPointF& P) {
  std::string S;
  S.reserve(48);
  S += '(';
  S += CoordinateText(P.X);
  S += ',';
  S += CoordinateText(P.Y);
  S += ')';
  return S;
}

TPointF StringToVXPoint(std::string_view Text) {
  // Field n runs from after the n-th separator to the next one (or the end).
  auto IsSeparator = [](char C) { return C == ',' || C == '(' || C == ')'; };
  std::size_t Bounds[3];  // positions of the first three separators
  std::size_t Found = 0;
  for (std::size_t I = 0; I < Text.size() && Found < 3; ++I)
    if (IsSeparator(Text[I])) Bounds[Found++] = I;
  if (Found < 2) return {};  // no y field
  const std::size_t End = Found == 3 ? Bounds[2] : Text.size();
  TPointF P;
  if (!ReadCoordinate(Text.substr(Bounds[0] + 1, Bounds[1] - Bounds[0] - 1), P.X) ||
      !ReadCoordinate(Text.substr(Bounds[1] + 1, End - Bounds[1] - 1), P.Y))
    return {};
  return P;
}

// --- Rectangles -----------------------------------------------------------

TRectF VXRect(float Left, float Top, float Right, float Bottom) { return {Left, Top, Right, Bottom}; }

TRectF VXRect(const TPointF& TopLeft, const TPointF& BottomRight) {
  return {TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y};
}

TRectF VXRect(const TRect& R) { return RectToVXRect(R); }

TRectF VXRect(const TRectF& R) { return R; }

TRectF RectToVXRect(const TRect& R) { return {float(R.Left), float(R.Top), float(R.Right), float(R.Bottom)}; }

TRect VXRectToRect(const TRectF& R) { return {Round32(R.Left), Round32(R.Top), Round32(R.Right), Round32(R.Bottom)}; }

std::int32_t VXRectWidth(const TRect& R) { return Sub32(R.Right, R.Left); }

std::int32_t VXRectHeight(const TRect& R) { return Sub32(R.Bottom, R.Top); }

float VXRectWidth(const TRectF& R) { return float(double(R.Right) - R.Left); }

float VXRectHeight(const TRectF& R) { return float(double(R.Bottom) - R.Top); }

bool EqualsRect(const TRect& A, const TRect& B) { return A == B; }

bool EqualsRect(const TRectF& A, const TRectF& B) {
  return SameValue(A.Left, B.Left) && SameValue(A.Top, B.Top) && SameValue(A.Right, B.Right) &&
         SameValue(A.Bottom, B.Bottom);
}

void VXInflateRect(TRect& R, std::int32_t DX, std::int32_t DY) {
  R.Left = Sub32(R.Left, DX);
  R.Top = Sub32(R.Top, DY);
  R.Right = Add32(R.Right, DX);
  R.Bottom = Add32(R.Bottom, DY);
}

void VXInflateRect(TRectF& R, float DX, float DY) {
  R.Left = float(double(R.Left) - DX);
  R.Top = float(double(R.Top) - DY);
  R.Right = float(double(R.Right) + DX);
  R.Bottom = float(double(R.Bottom) + DY);
}

TRect ScaleRect(const TRect& R, float SX, float SY) {
  const std::int32_t HX = Round32(double(SX) / 2), HY = Round32(double(SY) / 2);
  return {Sub32(R.Left, HX), Sub32(R.Top, HY), Add32(R.Right, HX), Add32(R.Bottom, HY)};
}

TRectF ScaleRect(const TRectF& R, float SX, float SY) {
  const float HX = float(double(SX) / 2), HY = float(double(SY) / 2);
  return {float(double(R.Left) - HX), float(double(R.Top) - HY), float(double(R.Right) + HX),
          float(double(R.Bottom) + HY)};
}

bool OffsetVXRect(TRectF& R, float DX, float DY) {
  R.Left = float(double(R.Left) + DX);
  R.Right = float(double(R.Right) + DX);
  R.Top = float(double(R.Top) + DY);
  R.Bottom = float(double(R.Bottom) + DY);
  return true;
}

bool OffsetVXRect(TRectF* R, float DX, float DY) { return R != nullptr && OffsetVXRect(*R, DX, DY); }

TPointF VXCenterPoint(const TRectF& R) {
  return {float((double(R.Right) - R.Left) / 2 + R.Left), float((double(R.Bottom) - R.Top) / 2 + R.Top)};
}

TPointF VXCenterPoint(const TRect& R) {
  return {float((double(R.Right) - R.Left) / 2 + R.Left), float((double(R.Bottom) - R.Top) / 2 + R.Top)};
}

TRect CenterRect(const TPoint& Center, std::int32_t Width, std::int32_t Height) {
  return CenterRect(Center.X, Center.Y, Width, Height);
}

TRect CenterRect(std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height) {
  const std::int32_t HW = Width / 2, HH = Height / 2;
  return {Sub32(X, HW), Sub32(Y, HH), Add32(X, HW), Add32(Y, HH)};
}

TRectF CenterRect(const TPointF& Center, float Width, float Height) {
  return CenterRect(Center.X, Center.Y, Width, Height);
}

TRectF CenterRect(float X, float Y, float Width, float Height) {
  const float HW = float(double(Width) / 2), HH = float(double(Height) / 2);
  return {float(double(X) - HW), float(double(Y) - HH), float(double(X) + HW), float(double(Y) + HH)};
}

TRectF CenterRect(TRectF& R, const TRectF& Bounds) {
  // To the origin first, so that the size is what the rectangle keeps.
  OffsetVXRect(R, -R.Left, -R.Top);
  const double DX = double(Round((double(VXRectWidth(Bounds)) - VXRectWidth(R)) / 2));
  const double DY = double(Round((double(VXRectHeight(Bounds)) - VXRectHeight(R)) / 2));
  OffsetVXRect(R, float(DX), float(DY));
  OffsetVXRect(R, Bounds.Left, Bounds.Top);
  return R;
}

TRect CenterRect(TRect& R, const TRect& Bounds) {
  TRectF F = RectToVXRect(R);
  CenterRect(F, RectToVXRect(Bounds));
  R = VXRectToRect(F);
  return R;
}

}  // namespace FMX::VX::Graphics
