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

constexpr double TwoPi = 6.283185307179586;
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

void SvgArcPoints(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2,
                  TSvgArcPoints& Out) {
  if (P1 == P2) {
    // A whole ellipse resting on the start point, from the radii as given.
    Out.Kind = TSvgArcPoints::TKind::Ellipse;
    Out.Ellipse = VXRect(F(double(P1.X) - Radius.X), F(double(P1.Y) - 2.0 * Radius.Y), F(double(P1.X) + Radius.X),
                         P1.Y);
    return;
  }
  // The centre parameterisation, in double throughout: the sweep comes from
  // atan2, so arcs of huge radius keep their tiny sweep.
  double RX = std::fabs(double(Radius.X)), RY = std::fabs(double(Radius.Y));
  double SinPhi = 0, CosPhi = 1;
  if (Angle != 0) {
    const double Phi = DegToRad(Angle);
    SinPhi = std::sin(Phi);
    CosPhi = std::cos(Phi);
  }
  const double X1 = P1.X, Y1 = P1.Y, X2 = P2.X, Y2 = P2.Y;
  // The mid-point of the chord in the ellipse's own axes.
  const double DX = (X1 - X2) / 2, DY = (Y1 - Y2) / 2;
  const double XP = CosPhi * DX + SinPhi * DY, YP = -SinPhi * DX + CosPhi * DY;
  // Radii too small to reach the end point grow until they just do.
  const double Lambda = XP * XP / (RX * RX) + YP * YP / (RY * RY);
  if (Lambda > 1) {
    RX *= std::sqrt(Lambda);
    RY *= std::sqrt(Lambda);
  }
  const double RX2 = RX * RX, RY2 = RY * RY;
  const double Num = RX2 * RY2 - RX2 * YP * YP - RY2 * XP * XP, Den = RX2 * YP * YP + RY2 * XP * XP;
  const double Coef = (LargeFlag == SweepFlag ? -1.0 : 1.0) * std::sqrt(std::max(0.0, Num / Den));
  const double CXP = Coef * RX * YP / RY, CYP = -Coef * RY * XP / RX;
  const double CX = (X1 + X2) / 2 + CosPhi * CXP - SinPhi * CYP;
  const double CY = (Y1 + Y2) / 2 + SinPhi * CXP + CosPhi * CYP;
  // Start and end on the unit circle.
  const double UX = (XP - CXP) / RX, UY = (YP - CYP) / RY;
  const double VX = (-XP - CXP) / RX, VY = (-YP - CYP) / RY;
  double Delta = std::atan2(UX * VY - UY * VX, UX * VX + UY * VY);
  if (!SweepFlag && Delta > 0)
    Delta -= TwoPi;
  else if (SweepFlag && Delta < 0)
    Delta += TwoPi;
  // A zero radius, an arc too flat to sweep, or rubbish in the numbers:
  // the end point is still reached, by a line.
  if (!(std::fabs(Delta) >= 1e-12) || !std::isfinite(Delta) || !std::isfinite(CX) || !std::isfinite(CY) ||
      !(RX > 0 && RY > 0)) {
    Out.Kind = TSvgArcPoints::TKind::Line;
    return;
  }
  // Quarter turns, the last piece taking the rest (up to a quarter turn
  // plus 0.01 radian), each one cubic; the last ends exactly at P2.
  const double Quarter = Pi / 2;
  const int Pieces = std::max(1, int(std::ceil((std::fabs(Delta) - 0.01) / Quarter)));
  auto Map = [&](double UX, double UY) {
    const double EX = RX * UX, EY = RY * UY;
    return TPointF{F(CX + CosPhi * EX - SinPhi * EY), F(CY + SinPhi * EX + CosPhi * EY)};
  };
  // No angle is turned into a sine and cosine: the start and end directions
  // are U and V made unit length, and a quarter turn swaps coordinates.
  const double UN = std::sqrt(UX * UX + UY * UY), VN = std::sqrt(VX * VX + VY * VY);
  double CA = UX / UN, SA = UY / UN;
  const double Turn = Delta > 0 ? 1.0 : -1.0;
  const double QuarterK = Turn * (4.0 / 3.0 * 0.41421356237309503);  // tan(pi / 8)
  Out.Kind = TSvgArcPoints::TKind::Curves;
  Out.Curves = Pieces;
  TPointF* P = Out.Points;
  for (int I = 0; I < Pieces; ++I) {
    const bool Last = I + 1 == Pieces;
    double CB, SB, K;
    if (Last) {
      CB = VX / VN;
      SB = VY / VN;
      K = 4.0 / 3.0 * std::tan((Delta - (Pieces - 1) * Turn * Quarter) / 4);
    } else {
      CB = -Turn * SA;
      SB = Turn * CA;
      K = QuarterK;
    }
    P[0] = Map(CA - K * SA, SA + K * CA);
    P[1] = Map(CB + K * SB, SB - K * CB);
    P[2] = Last ? P2 : Map(CB, SB);
    P += 3;
    CA = CB;
    SA = SB;
  }
}

}  // namespace Detail

void TVXPathData::AddArcSvg(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2) {
  Detail::TSvgArcPoints Arc;
  Detail::SvgArcPoints(P1, Radius, Angle, LargeFlag, SweepFlag, P2, Arc);
  switch (Arc.Kind) {
    case Detail::TSvgArcPoints::TKind::Ellipse:
      AddEllipse(Arc.Ellipse);
      return;
    case Detail::TSvgArcPoints::TKind::Line:
      LineTo(P2);
      return;
    case Detail::TSvgArcPoints::TKind::Curves:
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
