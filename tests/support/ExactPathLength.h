#pragma once
// Exact lengths of path text, to measure the library's flattening against:
// cubics and quadratics integrated numerically (adaptive Gauss-Legendre to
// about 1e-9), elliptical arcs in closed form (incomplete elliptic integrals
// of the second kind), lines exactly. Its own small SVG path reader; like
// the library it stores coordinates as 32-bit floats (relative ones added in
// double first), closes back to the subpath's start, draws a whole ellipse
// for an arc that ends where it starts, and a line for a zero radius.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/PathTextWalker.h"

namespace ExactLength {

struct Pt {
  double X = 0, Y = 0;
};

// Integral of F over [A, B], to about Tol, by 5-point Gauss-Legendre with
// halving.
template <class F>
double Integrate(const F& Fn, double A, double B, double Tol, int Depth = 0) {
  static constexpr double X[5] = {0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                                  0.9061798459386640};
  static constexpr double W[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                                  0.2369268850561891, 0.2369268850561891};
  auto GL = [&](double L, double R) {
    const double M = (L + R) / 2, H = (R - L) / 2;
    double S = 0;
    for (int i = 0; i < 5; ++i) S += W[i] * Fn(M + H * X[i]);
    return S * H;
  };
  const double M = (A + B) / 2;
  const double Whole = GL(A, B), Halves = GL(A, M) + GL(M, B);
  if (std::fabs(Whole - Halves) <= Tol || Depth > 40) return Halves;
  return Integrate(Fn, A, M, Tol / 2, Depth + 1) + Integrate(Fn, M, B, Tol / 2, Depth + 1);
}

inline double CubicLength(Pt P0, Pt P1, Pt P2, Pt P3, double Tol = 1e-9) {
  auto Speed = [&](double T) {
    const double U = 1 - T;
    const double DX = 3 * (U * U * (P1.X - P0.X) + 2 * U * T * (P2.X - P1.X) + T * T * (P3.X - P2.X));
    const double DY = 3 * (U * U * (P1.Y - P0.Y) + 2 * U * T * (P2.Y - P1.Y) + T * T * (P3.Y - P2.Y));
    return std::hypot(DX, DY);
  };
  return Integrate(Speed, 0, 1, Tol);
}

// E(Phi, K) for any real Phi.
inline double EllipticE(double K, double Phi) {
  const double N = std::nearbyint(Phi / M_PI);
  const double R = Phi - N * M_PI;  // in [-pi/2, pi/2]
  const double Part = std::ellint_2(K, std::fabs(R));
  return 2 * N * std::comp_ellint_2(K) + (R < 0 ? -Part : Part);
}

// Length of the arc (A cos t, B sin t) for t from T1 through T1 + Delta.
inline double EllipseArcLength(double A, double B, double T1, double Delta) {
  A = std::fabs(A);
  B = std::fabs(B);
  const double T2 = T1 + Delta;
  double L;
  if (A >= B) {
    if (A == 0) return 0;
    // A^2 sin^2 t + B^2 cos^2 t = A^2 (1 - k^2 sin^2 (t - pi/2)), k^2 = 1 - B^2 / A^2
    const double K = std::sqrt(std::max(0.0, 1 - (B * B) / (A * A)));
    L = A * (EllipticE(K, T2 - M_PI / 2) - EllipticE(K, T1 - M_PI / 2));
  } else {
    const double K = std::sqrt(std::max(0.0, 1 - (A * A) / (B * B)));
    L = B * (EllipticE(K, T2) - EllipticE(K, T1));
  }
  return std::fabs(L);
}

// The centre parameterisation of the SVG endpoint arc from P1 to P2, the
// textbook way: radii too small to reach P2 grown until they just do,
// angles by atan2, Delta the signed sweep. Zero radii give non-finite
// values.
struct TArcCentre {
  double CX, CY, RX, RY, Cos, Sin;  // centre, radii, rotation
  double Theta, Delta;              // start angle and sweep, radians
};

inline TArcCentre ArcCentre(Pt P1, double RX, double RY, double AngleDeg, bool Large, bool Sweep, Pt P2) {
  RX = std::fabs(RX);
  RY = std::fabs(RY);
  const double Phi = AngleDeg * M_PI / 180, C = std::cos(Phi), S = std::sin(Phi);
  const double DX = (P1.X - P2.X) / 2, DY = (P1.Y - P2.Y) / 2;
  const double XP = C * DX + S * DY, YP = -S * DX + C * DY;
  const double Lambda = XP * XP / (RX * RX) + YP * YP / (RY * RY);
  if (Lambda > 1) {
    RX *= std::sqrt(Lambda);
    RY *= std::sqrt(Lambda);
  }
  const double Num = RX * RX * RY * RY - RX * RX * YP * YP - RY * RY * XP * XP;
  const double Den = RX * RX * YP * YP + RY * RY * XP * XP;
  const double Coef = (Large == Sweep ? -1 : 1) * std::sqrt(std::max(0.0, Num / Den));
  const double CXP = Coef * RX * YP / RY, CYP = -Coef * RY * XP / RX;
  const double UX = (XP - CXP) / RX, UY = (YP - CYP) / RY, VX = (-XP - CXP) / RX, VY = (-YP - CYP) / RY;
  double Delta = std::atan2(UX * VY - UY * VX, UX * VX + UY * VY);
  if (!Sweep && Delta > 0) Delta -= 2 * M_PI;
  if (Sweep && Delta < 0) Delta += 2 * M_PI;
  return {(P1.X + P2.X) / 2 + C * CXP - S * CYP, (P1.Y + P2.Y) / 2 + S * CXP + C * CYP, RX, RY, C, S,
          std::atan2(UY, UX), Delta};
}

// Length of the SVG endpoint arc from P1 to P2, as the library draws it.
inline double SvgArcLength(Pt P1, double RX, double RY, double AngleDeg, bool Large, bool Sweep, Pt P2) {
  if (P1.X == P2.X && P1.Y == P2.Y) return EllipseArcLength(RX, RY, 0, 2 * M_PI);
  if (RX == 0 || RY == 0) return std::hypot(P2.X - P1.X, P2.Y - P1.Y);
  const TArcCentre A = ArcCentre(P1, RX, RY, AngleDeg, Large, Sweep, P2);
  return EllipseArcLength(A.RX, A.RY, A.Theta, A.Delta);
}

// Total length of the figure that path text describes.
class TReader : public VXTest::TPathTextWalker<TReader> {
 public:
  explicit TReader(std::string_view Text) : TPathTextWalker(Text) {}

  // Up to the first thing the reader does not know.
  double Length() {
    Walk();
    return Total;
  }

 private:
  friend class VXTest::TPathTextWalker<TReader>;
  static float F(double V) { return float(V); }
  bool Point(bool Rel, Pt& P) {
    double X, Y;
    if (!Num(X) || !Num(Y)) return false;
    P = Rel ? Pt{F(Cur.X + X), F(Cur.Y + Y)} : Pt{F(X), F(Y)};
    return true;
  }
  void Line(Pt P) { Total += std::hypot(P.X - Cur.X, P.Y - Cur.Y); }
  void Cubic(Pt C1, Pt C2, Pt E) {
    Total += CubicLength(Cur, C1, C2, E);
    LastC2 = C2;
    Cur = E;
  }
  void Quad(Pt K, Pt E) {
    const double Third = 2.0 / 3.0;
    LastQ = K;
    Total += CubicLength(Cur, {Cur.X + (K.X - Cur.X) * Third, Cur.Y + (K.Y - Cur.Y) * Third},
                         {E.X + (K.X - E.X) * Third, E.Y + (K.Y - E.Y) * Third}, E);
    Cur = E;
  }
  void Close() {
    Line(Start);
    Cur = Start;
    Prev = 'Z';
  }
  bool Command(char Cmd) {
    const bool Rel = std::islower(static_cast<unsigned char>(Cmd));
    const char U = char(std::toupper(static_cast<unsigned char>(Cmd)));
    Pt P, C1, C2;
    double V;
    switch (U) {
      case 'M':
        if (!Point(Rel, P)) return false;
        Cur = Start = P;
        break;
      case 'L':
        if (!Point(Rel, P)) return false;
        Line(P);
        Cur = P;
        break;
      case 'H':
      case 'V':
        if (!Num(V)) return false;
        P = Cur;
        (U == 'H' ? P.X : P.Y) = F(Rel ? (U == 'H' ? Cur.X : Cur.Y) + V : V);
        Line(P);
        Cur = P;
        break;
      case 'C':
        if (!Point(Rel, C1) || !Point(Rel, C2) || !Point(Rel, P)) return false;
        Cubic(C1, C2, P);
        break;
      case 'S':
        if (!Point(Rel, C2) || !Point(Rel, P)) return false;
        C1 = Prev == 'C' ? Pt{F(2.0 * Cur.X - LastC2.X), F(2.0 * Cur.Y - LastC2.Y)} : Cur;
        Cubic(C1, C2, P);
        Prev = 'C';
        return true;
      case 'Q':
        if (!Point(Rel, C1) || !Point(Rel, P)) return false;
        Quad(C1, P);
        Prev = 'Q';
        return true;
      case 'T':
        if (!Point(Rel, P)) return false;
        C1 = Prev == 'Q' ? Pt{F(2.0 * Cur.X - LastQ.X), F(2.0 * Cur.Y - LastQ.Y)} : Cur;
        Quad(C1, P);
        Prev = 'Q';
        return true;
      case 'A': {
        double RX, RY, Angle;
        bool Large, Sweep;
        if (!Num(RX) || !Num(RY) || !Num(Angle) || !Flag(Large) || !Flag(Sweep) || !Point(Rel, P)) return false;
        Total += SvgArcLength(Cur, F(RX), F(RY), F(Angle), Large, Sweep, P);
        Cur = P;
        break;
      }
    }
    Prev = U == 'C' ? 'C' : U;
    return true;
  }

  Pt Cur, Start, LastC2, LastQ;
  char Prev = 0;
  double Total = 0;
};

inline double PathTextLength(std::string_view Text) { return TReader(Text).Length(); }

}  // namespace ExactLength
