// Elliptical arcs as cubic curves: arcs of axis-aligned ellipses, SVG
// endpoint arcs and ring sectors.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "FMX.VX.Graphics/Geometry.h"
#include "FMX.VX.Graphics/GraphicsUnit.h"
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

// Clamped arccos, so that rounding never takes a cosine out of [-1, 1].
double SafeArcCos(double C) { return std::acos(std::clamp(C, -1.0, 1.0)); }

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
      Total = F(double(Total) - double(cPI) * 0.5);
      Last = double(S) + 0.01 >= double(Total);
    } else {
      Piece = F(double(cPI) * 0.5);
      Total = F(double(Total) + 1.5707963267948966);
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
    A = F(double(A) + Piece);
  }
}

void TVXPathData::AddArcSvg(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2) {
  if (P1 == P2) {
    // A whole ellipse resting on the start point, from the radii as given.
    AddEllipse(VXRect(F(double(P1.X) - Radius.X), F(double(P1.Y) - 2.0 * Radius.Y), F(double(P1.X) + Radius.X),
                      P1.Y));
    return;
  }
  float Phi = F(DegToRad(Angle));
  float RX = std::fabs(Radius.X), RY = std::fabs(Radius.Y);
  if (RX == 0 || RY == 0) {
    // An ellipse without extent joins the end points with a line.
    LineTo(P2);
    return;
  }
  float SinPhi = F(std::sin(double(Phi))), CosPhi = F(std::cos(double(Phi)));

  // The mid-point of the chord in the ellipse's own axes.
  float DX = F((double(P1.X) - P2.X) / 2.0), DY = F((double(P1.Y) - P2.Y) / 2.0);
  float XP = F(double(CosPhi) * DX + double(SinPhi) * DY);
  float YP = F(-double(SinPhi) * DX + double(CosPhi) * DY);

  float RX2 = F(double(RX) * RX), RY2 = F(double(RY) * RY);
  float XP2 = F(double(XP) * XP), YP2 = F(double(YP) * YP);
  // Radii too small to reach the end point grow until they just do.
  float Lambda = F(double(XP2) / RX2 + double(YP2) / RY2);
  if (Lambda > 1) {
    float Root = F(std::sqrt(double(Lambda)));
    RX = F(double(Root) * RX);
    RY = F(double(Root) * RY);
    RX2 = F(double(RX) * RX);
    RY2 = F(double(RY) * RY);
  }

  float Sign = LargeFlag == SweepFlag ? -1.0f : 1.0f;
  float R = F((double(RX2) * RY2 - double(RX2) * YP2 - double(RY2) * XP2) / (double(RX2) * YP2 + double(RY2) * XP2));
  if (R < 0) R = 0;
  float Coef = F(double(Sign) * std::sqrt(double(R)));
  float CXP = F(double(Coef) * F(double(RX) * YP / RY));
  float CYP = F(double(Coef) * -F(double(RY) * XP / RX));

  float CX = F((double(P1.X) + P2.X) / 2.0 + F(double(CosPhi) * CXP - double(SinPhi) * CYP));
  float CY = F((double(P1.Y) + P2.Y) / 2.0 + F(double(SinPhi) * CXP + double(CosPhi) * CYP));

  float UX = F((double(XP) - CXP) / RX), UY = F((double(YP) - CYP) / RY);
  float VX = F((-double(XP) - CXP) / RX), VY = F((-double(YP) - CYP) / RY);
  float ULen = F(std::sqrt(double(UX) * UX + double(UY) * UY));
  float VLen = F(std::sqrt(double(VX) * VX + double(VY) * VY));

  float Theta1 = F(SafeArcCos(double(UX) / ULen));
  if (UY < 0) Theta1 = -Theta1;
  float Dot = F(double(UX) * VX + double(UY) * VY);
  float Delta = F(SafeArcCos(double(Dot) / F(double(ULen) * VLen)));
  if (F(double(UX) * VY - double(UY) * VX) < 0) Delta = -Delta;
  if (!SweepFlag && Delta > 0)
    Delta = F(Delta - TwoPi);
  else if (SweepFlag && Delta < 0)
    Delta = F(Delta + TwoPi);

  TVXPathData Unit;
  Unit.AddArcSvgPart(TPointF{0, 0}, TPointF{RX, RY}, F(RadToDeg(Theta1)), F(RadToDeg(Delta)));

  // Rotate, then move to the centre.
  TMatrix Move = VXIdentityMatrix;
  Move.m31 = CX;
  Move.m32 = CY;
  const TMatrix M = VXMatrixMultiply(CreateRotationVXMatrix(Phi), Move);
  auto Map = [&M](const TPointF& P) { return VXPoint(VXMatrixTransform(M, VXVector(P, 1))); };
  for (const TPathSegment& S : Unit.Segments()) {
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        MoveTo(Map(S.Pt(0)));
        break;
      case TPathPointKind::LineTo:
        LineTo(Map(S.Pt(0)));
        break;
      case TPathPointKind::CurveTo:
        CurveTo(Map(S.Pt(0)), Map(S.Pt(1)), Map(S.Pt(2)));  // the unit path holds whole curves only
        break;
      case TPathPointKind::Close:
        ClosePath();
        break;
    }
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

TVXPathData& Arc(TVXPathData& Path, double A, double B, double R1, double R2, double Rotation) {
  if (R1 > R2) std::swap(R1, R2);
  double AR = DegToRad(A + Rotation), BR = DegToRad(B + Rotation);
  double D = std::fabs(BR - AR);
  bool Forward = BR >= AR;
  if (D >= FullTurn) {
    AddCircle(Path, F(R2), Forward);
    if (R1 > 0) AddCircle(Path, F(R1), Forward);
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
  if (R1 > R2) std::swap(R1, R2);
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
