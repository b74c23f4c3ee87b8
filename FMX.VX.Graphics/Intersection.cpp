#include "FMX.VX.Graphics/Intersection.h"

#include <algorithm>
#include <cmath>

#include "FMX.VX.Graphics/GeometryMath_p.h"
#include "FMX.VX.Graphics/VectorMatrix.h"
#include "platform/Math.h"

namespace FMX::VX::Graphics {

using Detail::Add32;
using Detail::SquaredDistance;
using Detail::Sub32;

// --- Rectangle and segment intersection ----------------------------------

bool VXIntersectRect(const TRect& A, const TRect& B, TRect& R) {
  R = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
  return R.Left <= R.Right && R.Top <= R.Bottom;
}

bool VXIntersectRect(const TRectF& A, const TRectF& B, TRectF& R) {
  R = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
  return R.Left <= R.Right && R.Top <= R.Bottom;
}

bool VXIntersectRect(const TRect& A, const TRect& B) {
  TRect R;
  return VXIntersectRect(A, B, R);
}

bool VXIntersectRect(const TRectF& A, const TRectF& B) {
  TRectF R;
  return VXIntersectRect(A, B, R);
}

namespace {

// Strictly on the same side of a line: both non-zero with equal signs.
bool SameSide(float RA, float RB) { return RA != 0 && RB != 0 && (RA > 0) == (RB > 0); }

}  // namespace

bool VXIntersectLine(const TPointF& P1, const TPointF& P2, const TPointF& P3, const TPointF& P4, TPointF& Q) {
  // Line through P1, P2 as a1*x + b1*y + c1 = 0; every coefficient is a float.
  const float A1 = float(double(P2.Y) - P1.Y);
  const float B1 = float(double(P1.X) - P2.X);
  const float C1 = float(double(P2.X) * P1.Y - double(P1.X) * P2.Y);
  const float R3 = float(double(A1) * P3.X + double(B1) * P3.Y + C1);
  const float R4 = float(double(A1) * P4.X + double(B1) * P4.Y + C1);
  if (SameSide(R3, R4)) return false;

  const float A2 = float(double(P4.Y) - P3.Y);
  const float B2 = float(double(P3.X) - P4.X);
  const float C2 = float(double(P4.X) * P3.Y - double(P3.X) * P4.Y);
  const float R1 = float(double(A2) * P1.X + double(B2) * P1.Y + C2);
  const float R2 = float(double(A2) * P2.X + double(B2) * P2.Y + C2);
  if (SameSide(R1, R2)) return false;

  const float D = float(double(A1) * B2 - double(A2) * B1);
  if (D == 0) return false;  // parallel, collinear ones included
  Q = {float((double(B1) * C2 - double(B2) * C1) / D), float((double(A2) * C1 - double(A1) * C2) / D)};
  return true;
}

bool VXIntersectRect(const TPointF& P1, const TPointF& P2, const TRectF& R, TCanvasPoints& Points) {
  Points.clear();
  auto Inside = [&R](const TPointF& P) { return R.Left <= P.X && P.X <= R.Right && R.Top <= P.Y && P.Y <= R.Bottom; };
  bool Result = Inside(P1) && Inside(P2);
  const TPointF TL{R.Left, R.Top}, TR{R.Right, R.Top}, BL{R.Left, R.Bottom}, BR{R.Right, R.Bottom};
  const TPointF Edges[4][2] = {{TL, TR}, {TL, BL}, {TR, BR}, {BL, BR}};  // top, left, right, bottom
  for (const auto& E : Edges) {
    TPointF Q;
    if (VXIntersectLine(P1, P2, E[0], E[1], Q)) {
      Result = true;
      Points.push_back(Q);
    }
  }
  return Result;
}

bool PtInVXRect(const TPoint& P, const TRectF& R) { return PtInVXRect(VXPoint(P), R); }

bool PtInVXRect(const TPointF& P, const TRectF& R) {
  return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom;
}

// --- Anchor points --------------------------------------------------------

namespace {

// The anchor of a rectangle given its edge midpoints.
template <typename Point, typename Rect, typename Coord>
Point AnchorOf(const Rect& R, TConnectionPoint Anchor, Coord MidX, Coord MidY) {
  switch (Anchor) {
    case cpTop: return {MidX, R.Top};
    case cpTopRight: return {R.Right, R.Top};
    case cpRight: return {R.Right, MidY};
    case cpBottomRight: return {R.Right, R.Bottom};
    case cpBottom: return {MidX, R.Bottom};
    case cpBottomLeft: return {R.Left, R.Bottom};
    case cpLeft: return {R.Left, MidY};
    case cpTopLeft: break;
  }
  return {R.Left, R.Top};
}

}  // namespace

TPoint GetPointOnRect(const TRect& R, TConnectionPoint Point) {
  // Integer halves truncate toward zero.
  return AnchorOf<TPoint>(R, Point, Add32(R.Left, Sub32(R.Right, R.Left) / 2), Add32(R.Top, Sub32(R.Bottom, R.Top) / 2));
}

TPointF GetVXPointOnVXRect(const TRectF& R, TConnectionPoint Point) {
  return AnchorOf<TPointF>(R, Point, float(double(R.Left) + (double(R.Right) - R.Left) / 2),
                           float(double(R.Top) + (double(R.Bottom) - R.Top) / 2));
}

TPointF GetCanvasPointOnRect(const TRectF& R, TConnectionPoint Point) { return GetVXPointOnVXRect(R, Point); }

// --- Normalising and fitting ---------------------------------------------

TRect FixRect(const TRect& R) {
  TRect Result = R;
  if (Result.Bottom < Result.Top) std::swap(Result.Top, Result.Bottom);
  if (Result.Right < Result.Left) std::swap(Result.Left, Result.Right);
  return Result;
}

TRectF FixRect(const TRectF& R) {
  TRectF Result = R;
  if (Result.Top > Result.Bottom) std::swap(Result.Top, Result.Bottom);
  if (Result.Left > Result.Right) std::swap(Result.Left, Result.Right);
  return Result;
}

float FitRect(TRect& R, const TRect& Bounds, bool Stretch) {
  const std::int32_t BW = VXRectWidth(Bounds), BH = VXRectHeight(Bounds);
  // Empty bounds. (Testing the two sizes rather than their 32-bit product,
  // which can wrap to zero for large bounds.)
  if (BW == 0 || BH == 0) return 1;
  const std::int32_t W = VXRectWidth(R), H = VXRectHeight(R);
  const float Ratio = float(std::max(double(W) / BW, double(H) / BH));
  if ((Ratio < 1 && !Stretch) || Ratio == 0)
    R = {0, 0, W, H};
  else
    R = {0, 0, Round32(W / double(Ratio)), Round32(H / double(Ratio))};
  CenterRect(R, Bounds);
  return Ratio;
}

float FitRect(TRectF& R, const TRectF& Bounds, bool Stretch) {
  const float BW = VXRectWidth(Bounds), BH = VXRectHeight(Bounds);
  if (BW == 0 || BH == 0) return 1;
  const float W = VXRectWidth(R), H = VXRectHeight(R);
  const float Ratio = float(std::max(double(W) / BW, double(H) / BH));
  if ((Ratio < 1 && !Stretch) || Ratio == 0)
    R = {0, 0, W, H};  // a rectangle without extent stays one: nothing to stretch
  else
    R = {0, 0, float(W / double(Ratio)), float(H / double(Ratio))};
  CenterRect(R, Bounds);
  return Ratio;
}

TRectF FitRect(const TMatrix& M, const TRectF& R, const TRectF& Bounds) {
  TMatrix T = VXMatrixMultiply(CreateTranslateVXMatrix(Bounds.Left, Bounds.Top), M);
  const float W = VXRectWidth(R), H = VXRectHeight(R);
  if (double(W) * H != 0)
    T = VXMatrixMultiply(
        CreateScaleVXMatrix(float(double(VXRectWidth(Bounds)) / W), float(double(VXRectHeight(Bounds)) / H)), T);
  return VXMatrixTransform(T, R);
}

// --- Triangles and point moves -------------------------------------------

namespace {

// Incentre weights: each vertex by the length of the side opposite it.
template <typename P>
bool InCenter(const P& P1, const P& P2, const P& P3, float L1, float L2, float L3, double& X, double& Y) {
  const double Sum = double(L1) + L2 + L3;
  if (Sum == 0) return false;  // three coincident vertices
  X = (double(L1) * P1.X + double(L2) * P2.X + double(L3) * P3.X) / Sum;
  Y = (double(L1) * P1.Y + double(L2) * P2.Y + double(L3) * P3.Y) / Sum;
  return true;
}

}  // namespace

TPoint InCenterPoint(const TPoint& P1, const TPoint& P2, const TPoint& P3) {
  const float L1 = float(std::sqrt(SquaredDistance(P2.X, P2.Y, P3.X, P3.Y)));
  const float L2 = float(std::sqrt(SquaredDistance(P1.X, P1.Y, P3.X, P3.Y)));
  const float L3 = float(std::sqrt(SquaredDistance(P1.X, P1.Y, P2.X, P2.Y)));
  double X, Y;
  if (!InCenter(P1, P2, P3, L1, L2, L3, X, Y)) return P1;
  return {Round32(X), Round32(Y)};
}

TPointF InCenterPoint(const TPointF& P1, const TPointF& P2, const TPointF& P3) {
  const float L1 = VXDistance(P2, P3), L2 = VXDistance(P1, P3), L3 = VXDistance(P1, P2);
  double X, Y;
  if (!InCenter(P1, P2, P3, L1, L2, L3, X, Y)) return P1;
  return {float(X), float(Y)};
}

TPoint OffsetPoint(TPoint& P, std::int32_t DX, std::int32_t DY) {
  const TPoint Old = P;
  P = {Add32(P.X, DX), Add32(P.Y, DY)};
  return Old;
}

TPointF OffsetPoint(TPointF& P, float DX, float DY) {
  const TPointF Old = P;
  P = {float(double(P.X) + DX), float(double(P.Y) + DY)};
  return Old;
}

TPoint OffsetPoint(TPoint& P, const TPoint& Target, float Distance) {
  const TPoint Old = P;
  const float D = float(std::sqrt(SquaredDistance(Target.X, Target.Y, P.X, P.Y)));
  if (D == 0) return Old;
  const double K = double(Distance) / D;
  P.Y = Add32(P.Y, Round32((double(Target.Y) - P.Y) * K));
  P.X = Add32(P.X, Round32((double(Target.X) - P.X) * K));
  return Old;
}

TPointF OffsetPoint(TPointF& P, const TPointF& Target, float Distance) {
  const TPointF Old = P;
  const float D = VXDistance(Target, P);
  if (D == 0) return Old;
  const double K = double(Distance) / D;
  P.Y = float(double(P.Y) + (double(Target.Y) - P.Y) * K);
  P.X = float(double(P.X) + (double(Target.X) - P.X) * K);
  return Old;
}

// --- Polygon hit tests ----------------------------------------------------

bool PointInPath(std::span<const TPoint> Polygon, std::int32_t X, std::int32_t Y) {
  bool Inside = false;
  if (Polygon.empty()) return false;
  std::size_t J = Polygon.size() - 1;
  for (std::size_t I = 0; I < Polygon.size(); J = I++) {
    const TPoint& PI = Polygon[I];
    const TPoint& PJ = Polygon[J];
    if ((PI.Y <= Y && Y < PJ.Y) || (PJ.Y <= Y && Y < PI.Y)) {
      // The product of two 33-bit differences needs 66 bits.
      const __int128 Num = __int128(std::int64_t(PJ.X) - PI.X) * (std::int64_t(Y) - PI.Y);
      const double XC = double(Num) / double(std::int64_t(PJ.Y) - PI.Y) + PI.X;
      if (X < XC) Inside = !Inside;
    }
  }
  return Inside;
}

bool PointInPath(std::span<const TPointF> Polygon, float X, float Y) {
  bool Inside = false;
  if (Polygon.empty()) return false;
  std::size_t J = Polygon.size() - 1;
  for (std::size_t I = 0; I < Polygon.size(); J = I++) {
    const TPointF& PI = Polygon[I];
    const TPointF& PJ = Polygon[J];
    if ((PI.Y <= Y && Y < PJ.Y) || (PJ.Y <= Y && Y < PI.Y)) {
      const double XC = (double(PJ.X) - PI.X) * (double(Y) - PI.Y) / (double(PJ.Y) - PI.Y) + PI.X;
      if (X < XC) Inside = !Inside;
    }
  }
  return Inside;
}

namespace {

// Sign of (a.x - p.x)(b.y - p.y) - (b.x - p.x)(a.y - p.y): which side of the
// edge a-b the point p lies on. Exact for integers (128-bit products); in
// double from the widened floats.
int EdgeSide(const TPoint& A, const TPoint& B, std::int64_t PX, std::int64_t PY) {
  const __int128 Det = __int128(A.X - PX) * (B.Y - PY) - __int128(B.X - PX) * (A.Y - PY);
  return Det > 0 ? 1 : Det < 0 ? -1 : 0;
}

int EdgeSide(const TPointF& A, const TPointF& B, double PX, double PY) {
  const double Det = (double(A.X) - PX) * (double(B.Y) - PY) - (double(B.X) - PX) * (double(A.Y) - PY);
  return Det > 0 ? 1 : Det < 0 ? -1 : 0;
}

// Even-odd location with exact boundary detection; PX, PY are the test
// point widened (int64 for integer polygons, double for float ones).
template <typename P, typename C>
TPathClickLocation Locate(std::span<const P> Polygon, C PX, C PY) {
  const std::size_t N = Polygon.size();
  if (N < 3) return clOutsidePath;
  bool Inside = false;
  P Prev = Polygon[0];
  for (std::size_t I = 1; I <= N; ++I) {
    const P Cur = Polygon[I == N ? 0 : I];
    const C CX = Cur.X, CY = Cur.Y, QX = Prev.X, QY = Prev.Y;
    if (CY == PY) {
      if (CX == PX) return clOnPath;                           // on a vertex
      if (QY == PY && (CX > PX) == (QX < PX)) return clOnPath;  // on a horizontal edge
    }
    if ((QY < PY) != (CY < PY)) {  // the edge crosses the horizontal through the point
      if (QX >= PX) {
        if (CX > PX) {
          Inside = !Inside;
        } else {
          const int Side = EdgeSide(Prev, Cur, PX, PY);
          if (Side == 0) return clOnPath;
          if ((Side > 0) == (CY > QY)) Inside = !Inside;
        }
      } else if (CX > PX) {
        const int Side = EdgeSide(Prev, Cur, PX, PY);
        if (Side == 0) return clOnPath;
        if ((Side > 0) == (CY > QY)) Inside = !Inside;
      }
    }
    Prev = Cur;
  }
  return Inside ? clInsidePath : clOutsidePath;
}

}  // namespace

TPathClickLocation PointInPath(const TPoint& P, std::span<const TPoint> Polygon) {
  return Locate<TPoint, std::int64_t>(Polygon, P.X, P.Y);
}

TPathClickLocation PointInPath(const TPointF& P, std::span<const TPointF> Polygon) {
  return Locate<TPointF, double>(Polygon, P.X, P.Y);
}

}  // namespace FMX::VX::Graphics
