// Elliptical arcs as cubic curves: arcs of axis-aligned ellipses, SVG
// endpoint arcs and ring sectors.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "FMX.VX.Graphics/Geometry.h"
#include "FMX.VX.Graphics/GeometryMath_p.h"
#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Graphics/PathArcs_p.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "FMX.VX.Graphics/VectorMatrix.h"
#include "platform/Math.h"
#include "platform/NumberText.h"

namespace FMX::VX::Graphics {

namespace {

// A difference of angles from here on is a whole turn (2 pi less 1E-4).
constexpr double FullTurn = 6.2830853071795865;

// Narrowing helper: every intermediate of the arc geometry is a 32-bit float.
inline float F(double V) { return float(V); }


}  // namespace

void TVXPathData::AddArcSvgPart(TPointF Center, TPointF Radius, float StartAngle, float SweepAngle) {
  float A = F(DegToRad(StartAngle));
  float S = F(DegToRad(SweepAngle));
  // Start angle reduced by whole turns (truncated towards zero).
  const double Turn = 2.0 * double(cPI);
  double N = double(Trunc(double(A) / Turn));
  A = F(double(A) - N * Turn);
  S = F(std::clamp(double(S), -Turn, Turn));
  // Also rejects NaN, which would never reach the last piece below.
  if (!(std::fabs(S) >= 1e-10)) return;

  const double CX = Center.X, CY = Center.Y, RX = Radius.X, RY = Radius.Y;
  float Total = 0;
  bool Last = false;
  while (!Last) {
    float Previous = Total;
    float Piece;
    if (S < 0) {
      Piece = F(-double(cPI) * 0.5);
      Total = Detail::KeepFloat(double(Total) - double(cPI) * 0.5);
      Last = double(S) + 0.01 >= double(Total);
    } else {
      Piece = F(double(cPI) * 0.5);
      Total = Detail::KeepFloat(double(Total) + 1.5707963267948966);
      Last = double(Total) >= double(S) - 0.01;
    }
    if (Last) Piece = F(double(S) - Previous);

    // The unit arc from -h to +h, turned by A + h and stretched onto the
    // ellipse. Its start (cos h, -sin h) is the current point already.
    double H = double(Piece) / 2.0;
    float SH = F(std::sin(H)), CH = F(std::cos(H));
    float K = F((1.0 - CH) * 4.0 / 3.0);
    float Q = F(SH - double(K) * CH / SH);
    float CtlX = F(double(CH) + K);
    double Mid = double(A) + H;
    float Sn = F(std::sin(Mid)), Cs = F(std::cos(Mid));
    auto Map = [&](float X, float Y) {
      return TPointF{F(CX + RX * (double(X) * Cs - double(Y) * Sn)), F(CY + RY * (double(X) * Sn + double(Y) * Cs))};
    };
    CurveTo(Map(CtlX, -Q), Map(CtlX, Q), Map(CH, SH));
    A = Detail::KeepFloat(double(A) + Piece);
  }
}

namespace Detail {

namespace {

// A point given before the stretch by the radii, on the ellipse. Without
// a rotation (cosine 1, sine 0) the terms of the rotation change nothing
// but the sign of a zero sum, and are left out.
template <bool Rotated>
inline TPointF MapOntoEllipse(const TSvgArcTail& T, double UX, double UY) {
  const double EX = T.RX * UX, EY = T.RY * UY;
  if constexpr (!Rotated) return TPointF{F(T.CX + EX), F(T.CY + EY)};
  return TPointF{F(T.CX + T.CosPhi * EX - T.SinPhi * EY), F(T.CY + T.SinPhi * EX + T.CosPhi * EY)};
}

template <bool Rotated>
void TailPoints(const TSvgArcTail& T, TPointF& Control1, TPointF& Control2) {
  // 4/3 tan(t / 4) of the piece's angle t from its cosine and sine.
  const double K = 4.0 / 3.0 * T.Sin / ((1 + T.Cos) + std::sqrt(2 * (1 + T.Cos)));
  Control1 = MapOntoEllipse<Rotated>(T, T.CA - K * T.SA, T.SA + K * T.CA);
  Control2 = MapOntoEllipse<Rotated>(T, T.VX + K * T.VY, T.VY - K * T.VX);
}

template <bool Rotated>
void CurvesOfArc(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2,
                 TSvgArcPoints& Out, TSvgArcTail& T);

}  // namespace

void SvgArcTailPoints(const TSvgArcTail& T, TPointF& Control1, TPointF& Control2) {
  if (T.SinPhi == 0 && T.CosPhi == 1)
    TailPoints<false>(T, Control1, Control2);
  else
    TailPoints<true>(T, Control1, Control2);
}

void SvgArcPoints(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2,
                  TSvgArcPoints& Out, TSvgArcTail& T) {
  if (P1 == P2) {
    // A whole ellipse resting on the start point, from the radii as given.
    Out.Kind = TSvgArcPoints::TKind::Ellipse;
    Out.Ellipse = VXRect(F(double(P1.X) - Radius.X), F(double(P1.Y) - 2.0 * Radius.Y), F(double(P1.X) + Radius.X),
                         P1.Y);
    return;
  }
  // Most arcs have no rotation.
  if (Angle == 0)
    CurvesOfArc<false>(P1, Radius, Angle, LargeFlag, SweepFlag, P2, Out, T);
  else
    CurvesOfArc<true>(P1, Radius, Angle, LargeFlag, SweepFlag, P2, Out, T);
}

namespace {

template <bool Rotated>
void CurvesOfArc(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2,
                 TSvgArcPoints& Out, TSvgArcTail& T) {
  // The centre parameterisation, in double throughout. The sweep is never
  // turned into an angle: start and end stay vectors round the origin, so
  // arcs of huge radius keep their tiny sweep, and pieces are cut by
  // comparing vectors.
  const double RX = std::fabs(double(Radius.X)), RY = std::fabs(double(Radius.Y));
  double SinPhi = 0, CosPhi = 1;
  if constexpr (Rotated) {
    const double Phi = DegToRad(Angle);
    SinPhi = std::sin(Phi);
    CosPhi = std::cos(Phi);
  }
  const double X1 = P1.X, Y1 = P1.Y, X2 = P2.X, Y2 = P2.Y;
  // The mid-point of the chord in the ellipse's own axes.
  const double DX = (X1 - X2) / 2, DY = (Y1 - Y2) / 2;
  const double XP = Rotated ? CosPhi * DX + SinPhi * DY : DX, YP = Rotated ? -SinPhi * DX + CosPhi * DY : DY;
  // Radii too small to reach the end point grow by sqrt(Lambda) until they
  // just do, and the centre is then the chord's mid-point. Otherwise it lies
  // off the mid-point by sqrt(1 / Lambda - 1) of the radii, on the side the
  // flags choose. Worked out without branching on Lambda, which sits next
  // to 1 for every half circle.
  // The grown radii are never formed: start and end below are divided by
  // the radii as given, so they lie on a circle of radius sqrt(Grow2)
  // rather than on the unit circle, and mapping them back multiplies by
  // the same radii. Only the last piece's cosine and sine need the unit
  // circle, by a factor 1 / Grow2 worked out beside the centre.
  const double IRX = 1 / RX, IRY = RY == RX ? IRX : 1 / RY;  // circles need one division
  const double Lambda = (XP * IRX) * (XP * IRX) + (YP * IRY) * (YP * IRY);
  // 1 / max(1, Lambda), from the one reciprocal of Lambda (NaN gives 1).
  const double ILambda = 1 / Lambda, Grow2 = std::max(1.0, Lambda), IGrow2 = std::min(1.0, ILambda);
  const double Coef =
      (LargeFlag == SweepFlag ? -1.0 : 1.0) * std::sqrt(std::max(0.0, Lambda * (1 - Lambda))) * ILambda;
  const double CXP = Coef * (RX * IRY) * YP, CYP = -Coef * (RY * IRX) * XP;
  const double CX = (X1 + X2) / 2 + (Rotated ? CosPhi * CXP - SinPhi * CYP : CXP);
  const double CY = (Y1 + Y2) / 2 + (Rotated ? SinPhi * CXP + CosPhi * CYP : CYP);
  // Start and end, on the circle of radius sqrt(Grow2).
  const double UX = (XP - CXP) * IRX, UY = (YP - CYP) * IRY;
  const double VX = (-XP - CXP) * IRX, VY = (-YP - CYP) * IRY;
  // The sweep runs from U to V, clockwise on screen with the sweep flag
  // (Turn 1), the other way without; it goes the long way round when V
  // lies on the other side. Directions under 1e-12 radian apart leave the
  // side to rounding (the sign of Cross is noise, often zero), so there the
  // large-arc flag decides, as the centre was placed for it: a large arc
  // goes the long way round, nearly a whole turn, and a small one is too
  // flat to sweep. That, a zero radius or rubbish in the numbers: the end
  // point is still reached, by a line.
  const double Cross = UX * VY - UY * VX, Dot = UX * VX + UY * VY;
  const double Turn = SweepFlag ? 1.0 : -1.0;
  const bool Aligned = Dot > 0 && !(std::fabs(Cross) >= 1e-12 * Dot);
  if ((Aligned && !LargeFlag) || (Cross == 0 && Dot == 0) || !std::isfinite(Cross) || !std::isfinite(Dot) ||
      !std::isfinite(CX) || !std::isfinite(CY) || !(RX > 0 && RY > 0)) {
    Out.Kind = TSvgArcPoints::TKind::Line;
    return;
  }
  T.CX = CX;
  T.CY = CY;
  T.RX = RX;
  T.RY = RY;
  T.CosPhi = CosPhi;
  T.SinPhi = SinPhi;
  auto Map = [&T](double UX, double UY) { return MapOntoEllipse<Rotated>(T, UX, UY); };
  // Quarter turns while more than a quarter turn plus 0.01 radian is left
  // (a quarter turn swaps coordinates), then one piece for the rest, which
  // ends exactly at P2. The rest is more than that when V lies behind the
  // current direction (against the turn) or beyond cos(pi/2 + 0.01); the
  // long way round between aligned directions starts with a quarter turn
  // whatever side V seems to lie on.
  const double QuarterK = Turn * (4.0 / 3.0 * 0.41421356237309503);  // tan(pi / 8)
  const double BeyondQuarter = -std::sin(0.01) * Grow2;
  Out.Kind = TSvgArcPoints::TKind::Curves;
  TPointF* P = Out.Points;
  double CA = UX, SA = UY;
  int Pieces = 0;
  for (;;) {
    ++Pieces;
    const double Ahead = Turn * (CA * VY - SA * VX), Along = CA * VX + SA * VY;
    if (Pieces < 4 && (Ahead < 0 || Along < BeyondQuarter || (Pieces == 1 && Aligned))) {
      const double CB = -Turn * SA, SB = Turn * CA;
      P[0] = Map(CA - QuarterK * SA, SA + QuarterK * CA);
      P[1] = Map(CB + QuarterK * SB, SB - QuarterK * CB);
      P[2] = Map(CB, SB);
      P += 3;
      CA = CB;
      SA = SB;
      continue;
    }
    T.CA = CA;
    T.SA = SA;
    T.VX = VX;
    T.VY = VY;
    T.Cos = Along * IGrow2;
    T.Sin = (CA * VY - SA * VX) * IGrow2;
    P[2] = P2;
    break;
  }
  Out.Curves = Pieces;
}

}  // namespace

}  // namespace Detail

void TVXPathData::AddArcSvg(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2) {
  Detail::TSvgArcPoints Arc;
  Detail::TSvgArcTail Tail;
  Detail::SvgArcPoints(P1, Radius, Angle, LargeFlag, SweepFlag, P2, Arc, Tail);
  switch (Arc.Kind) {
    case Detail::TSvgArcPoints::TKind::Ellipse:
      AddEllipse(Arc.Ellipse);
      return;
    case Detail::TSvgArcPoints::TKind::Line:
      LineTo(P2);
      return;
    case Detail::TSvgArcPoints::TKind::Curves:
      Detail::SvgArcTailPoints(Tail, Arc.Points[3 * Arc.Curves - 3], Arc.Points[3 * Arc.Curves - 2]);
      for (int I = 0; I < Arc.Curves; ++I) CurveTo(Arc.Points[3 * I], Arc.Points[3 * I + 1], Arc.Points[3 * I + 2]);
      return;
  }
}

namespace {

// A whole circle of radius R around the origin, starting and ending at (0, R).
void AddCircle(TVXPathData& Path, float R, bool Sweep) {
  Path.MoveTo(TPointF{0, R});
  Path.AddArcSvg(TPointF{0, R}, TPointF{R, R}, 0, true, Sweep, TPointF{0, -R});
  Path.AddArcSvg(TPointF{0, -R}, TPointF{R, R}, 0, true, Sweep, TPointF{0, R});
}

TPointF Polar(double R, double Angle) { return {F(R * std::cos(Angle)), F(R * std::sin(Angle))}; }

}  // namespace

namespace {

// The ring's radii, made non-negative (as arcs treat radii) and ordered:
// inner first.
void RingRadii(double& R1, double& R2) {
  R1 = std::fabs(R1);
  R2 = std::fabs(R2);
  if (R1 > R2) std::swap(R1, R2);
}

}  // namespace

TVXPathData& Arc(TVXPathData& Path, double A, double B, double R1, double R2, double Rotation) {
  RingRadii(R1, R2);
  double AR = DegToRad(A + Rotation), BR = DegToRad(B + Rotation);
  double D = std::fabs(BR - AR);
  bool Forward = BR >= AR;
  if (D >= FullTurn) {
    AddCircle(Path, F(R2), Forward);
    // The inner circle runs the other way, as in the text form: a ring with a
    // hole under either fill rule.
    if (R1 > 0) AddCircle(Path, F(R1), !Forward);
    Path.ClosePath();
    return Path;
  }
  bool Large = D > Pi;
  TPointF P1 = Polar(R2, AR), P2 = Polar(R2, BR), P3 = Polar(R1, BR), P4 = Polar(R1, AR);
  Path.MoveTo(P1);
  Path.AddArcSvg(P1, TPointF{F(R2), F(R2)}, 0, Large, Forward, P2);
  Path.LineTo(P3);
  if (R1 > 0) Path.AddArcSvg(P3, TPointF{F(R1), F(R1)}, 0, Large, !Forward, P4);
  Path.ClosePath();
  return Path;
}

std::string Arc(double A, double B, double R1, double R2, double Rotation) {
  RingRadii(R1, R2);
  double AR = DegToRad(A + Rotation), BR = DegToRad(B + Rotation);
  if (AR > BR) std::swap(AR, BR);
  double Sweep = BR - AR;
  auto T = [](double V) { return FloatToStr(V, USFormatSettings); };
  const std::string_view L = Sweep < Pi ? "0" : "1";
  const std::string O = T(R2), I = T(R1);
  std::string S;
  S.reserve(160);
  auto Add = [&S](std::initializer_list<std::string_view> Parts) {
    for (std::string_view Part : Parts) S += Part;
  };
  if (Sweep >= FullTurn) {
    Add({"M0,", O, "A", O, ",", O, " 0 1,1 0,-", O, "A", O, ",", O, " 0 1,1 0,", O});
    if (R1 != 0) Add({"M0,", I, "A", I, ",", I, " 0 1,0 0,-", I, "A", I, ",", I, " 0 1,0 0,", I});
  } else {
    Add({"M", T(R2 * std::cos(AR)), ",", T(R2 * std::sin(AR)), "A", O, ",", O, " 0 ", L, ",1 ",
         T(R2 * std::cos(BR)), ",", T(R2 * std::sin(BR))});
    if (R1 != 0)
      Add({"L", T(R1 * std::cos(BR)), ",", T(R1 * std::sin(BR)), "A", I, ",", I, " 0 ", L, ",0 ",
           T(R1 * std::cos(AR)), ",", T(R1 * std::sin(AR))});
    else
      Add({"L0,0"});
  }
  S += 'Z';
  return S;
}

}  // namespace FMX::VX::Graphics
