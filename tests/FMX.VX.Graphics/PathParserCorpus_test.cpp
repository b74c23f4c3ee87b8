// The path-text reader against a slow, independent reader on every path of
// the icon corpus: every command, number and stored point. The reference
// tokenises with std::from_chars, builds points with the same float
// arithmetic as the path class (so lines and curves must match bit for bit)
// and draws arcs the textbook way (one sine and cosine per piece), which the
// library's points must follow within 1e-5, arc ends exactly.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/NumberText.h"
#include "support/ExactPathLength.h"
#include "support/IconCorpus.h"
#include "support/PathTextWalker.h"

using namespace FMX::VX::Graphics;
using FMX::TPathPoint;
using FMX::TPathPointKind;

namespace {

struct TRefPoint {
  TPathPoint P;
  bool Approx = false;  // computed with trigonometry: compared with a tolerance
  double Scale = 1;     // of the figure it belongs to, for that tolerance
};

class TReference : public VXTest::TPathTextWalker<TReference> {
 public:
  explicit TReference(std::string_view Text) : TPathTextWalker(Text) {}

  // False when the text holds something this strict reader does not know;
  // the corpus is well formed, so that fails the test.
  bool Read() { return Walk(); }

  std::vector<TRefPoint> Points;

 private:
  friend class VXTest::TPathTextWalker<TReference>;
  static float F(double V) { return float(V); }

  TPointF Cur() const { return Points.empty() ? TPointF{} : Points.back().P.Point; }

  bool Pair(bool Rel, TPointF& P) {
    double X, Y;
    if (!Num(X) || !Num(Y)) return false;
    const TPointF C = Cur();
    P = Rel ? TPointF{F(double(C.X) + F(X)), F(double(C.Y) + F(Y))} : TPointF{F(X), F(Y)};
    return true;
  }

  void Add(TPathPointKind K, TPointF P, bool Approx = false) {
    if (K == TPathPointKind::MoveTo) Start = P;
    if (K == TPathPointKind::Close) P = Start;
    Points.push_back({{K, P}, Approx, ArcScale});
  }
  void Curve(TPointF C1, TPointF C2, TPointF E) {
    Add(TPathPointKind::CurveTo, C1);
    Add(TPathPointKind::CurveTo, C2);
    Add(TPathPointKind::CurveTo, E);
  }
  void Close() {
    Add(TPathPointKind::Close, {});
    AfterCubic = false;
  }

  void Quad(TPointF K, TPointF E) {
    const double Third = 0.6666666666666666;
    const TPointF P0 = Cur();
    Reflection = K;
    Curve({F(P0.X + (double(K.X) - P0.X) * Third), F(P0.Y + (double(K.Y) - P0.Y) * Third)},
          {F(E.X + (double(K.X) - E.X) * Third), F(E.Y + (double(K.Y) - E.Y) * Third)}, E);
  }

  // The whole ellipse drawn for an arc that ends where it starts.
  void Ellipse(TPointF P1, TPointF R) {
    const double L = F(double(P1.X) - R.X), Tp = F(double(P1.Y) - 2.0 * R.Y), Rt = F(double(P1.X) + R.X),
                 B = P1.Y;
    const double CX = (L + Rt) / 2, CY = (Tp + B) / 2, RX = (Rt - L) / 2, RY = (B - Tp) / 2;
    const double K = 4.0 / 3.0 * (std::sqrt(2.0) - 1), KX = RX * K, KY = RY * K;
    auto P = [](double X, double Y) { return TPointF{F(X), F(Y)}; };
    Add(TPathPointKind::MoveTo, P(CX + RX, CY), true);
    const TPointF Pts[12] = {P(CX + RX, CY + KY), P(CX + KX, CY + RY), P(CX, CY + RY),
                             P(CX - KX, CY + RY), P(CX - RX, CY + KY), P(CX - RX, CY),
                             P(CX - RX, CY - KY), P(CX - KX, CY - RY), P(CX, CY - RY),
                             P(CX + KX, CY - RY), P(CX + RX, CY - KY), P(CX + RX, CY)};
    for (const TPointF& Q : Pts) Add(TPathPointKind::CurveTo, Q, true);
    Add(TPathPointKind::Close, {}, true);
  }

  void Arc(TPointF P1, TPointF R, float Angle, bool Large, bool Sweep, TPointF P2) {
    ArcScale = std::max({1.0, std::fabs(double(P1.X)), std::fabs(double(P1.Y)), std::fabs(double(P2.X)),
                         std::fabs(double(P2.Y)), std::fabs(double(R.X)), std::fabs(double(R.Y))});
    if (P1 == P2) return Ellipse(P1, R);
    const auto [CX, CY, RX, RY, C, S, Theta, Delta] =
        ExactLength::ArcCentre({P1.X, P1.Y}, R.X, R.Y, Angle, Large, Sweep, {P2.X, P2.Y});
    if (!(std::fabs(Delta) >= 1e-12) || !std::isfinite(CX) || !std::isfinite(CY) || !(RX > 0 && RY > 0)) {
      Add(TPathPointKind::LineTo, P2);
      return;
    }
    // Quarter turns, the last piece taking what is left.
    const int N = std::max(1, int(std::ceil((std::fabs(Delta) - 0.01) / (M_PI / 2))));
    auto At = [&](double X, double Y) {
      return TPointF{F(CX + C * RX * X - S * RY * Y), F(CY + S * RX * X + C * RY * Y)};
    };
    for (int K = 0; K < N; ++K) {
      const double A = Theta + K * std::copysign(M_PI / 2, Delta);
      const double B = K + 1 == N ? Theta + Delta : A + std::copysign(M_PI / 2, Delta);
      const double H = 4.0 / 3.0 * std::tan((B - A) / 4);
      Add(TPathPointKind::CurveTo, At(std::cos(A) - H * std::sin(A), std::sin(A) + H * std::cos(A)), true);
      Add(TPathPointKind::CurveTo, At(std::cos(B) + H * std::sin(B), std::sin(B) - H * std::cos(B)), true);
      if (K + 1 == N)
        Add(TPathPointKind::CurveTo, P2);
      else
        Add(TPathPointKind::CurveTo, At(std::cos(B), std::sin(B)), true);
    }
  }

  bool Command(char Cmd) {
    const bool Rel = Cmd >= 'a';
    const char U = Rel ? char(Cmd - 'a' + 'A') : Cmd;
    const bool WasCubic = AfterCubic;
    AfterCubic = U == 'C' || U == 'S';
    TPointF P, C1, C2, E;
    double V;
    switch (U) {
      case 'M':
        if (!Pair(Rel, P)) return false;
        Add(TPathPointKind::MoveTo, P);
        break;
      case 'L':
        if (!Pair(Rel, P)) return false;
        Add(TPathPointKind::LineTo, P);
        break;
      case 'H':
      case 'V': {
        if (!Num(V)) return false;
        const float Value = F(V);
        TPointF Q = Cur();
        float& Axis = U == 'H' ? Q.X : Q.Y;
        Axis = Rel ? F(double(Axis) + Value) : Value;
        Add(TPathPointKind::LineTo, Q);
        break;
      }
      // The current point stays put while a command's pairs are read.
      case 'C':
        if (!Pair(Rel, C1) || !Pair(Rel, C2) || !Pair(Rel, E)) return false;
        Curve(C1, C2, E);
        break;
      case 'S': {
        if (!Pair(Rel, C2) || !Pair(Rel, E)) return false;
        const TPointF L = Cur();
        C1 = L;
        if (WasCubic) {
          const TPointF Before = Points[Points.size() - 2].P.Point;
          C1 = {F(2.0 * L.X - Before.X), F(2.0 * L.Y - Before.Y)};
        } else if (Rel) {
          C1 = {F(double(L.X) + 0.0), F(double(L.Y) + 0.0)};
        }
        Curve(C1, C2, E);
        break;
      }
      case 'Q':
        if (!Pair(false, C1) || !Pair(false, E)) return false;
        if (Rel) {
          const TPointF L = Cur();
          C1 = {F(double(L.X) + C1.X), F(double(L.Y) + C1.Y)};
          E = {F(double(L.X) + E.X), F(double(L.Y) + E.Y)};
        }
        Quad(C1, E);
        return true;
      case 'T': {
        if (!Pair(Rel, E)) return false;
        const TPointF L = Cur();
        Quad({F(2.0 * L.X - Reflection.X), F(2.0 * L.Y - Reflection.Y)}, E);
        return true;
      }
      case 'A': {
        double RX, RY, Angle;
        bool Large, Sweep;
        if (!Num(RX) || !Num(RY) || !Num(Angle) || !Flag(Large) || !Flag(Sweep) || !Pair(Rel, E)) return false;
        Arc(Cur(), {F(RX), F(RY)}, F(Angle), Large, Sweep, E);
        break;
      }
    }
    Reflection = Cur();
    return true;
  }

  TPointF Start, Reflection;
  bool AfterCubic = false;
  double ArcScale = 1;
};

bool Near(float Got, float Want, double Scale) {
  return std::fabs(double(Got) - Want) <= 1e-5 * std::max(Scale, std::fabs(double(Want)));
}

// Empty when P holds what the reference reads from Text; else the first
// difference.
std::string Compare(const std::string& Text, const TVXPathData& P) {
  TReference R(Text);
  if (!R.Read()) return "the reference cannot read it";
  // The class closes a trailing move.
  if (!R.Points.empty() && R.Points.back().P.Kind == TPathPointKind::MoveTo) R.Points.push_back({{TPathPointKind::Close, R.Points.back().P.Point}});
  if (std::size_t(P.GetCount()) != R.Points.size())
    return std::to_string(P.GetCount()) + " points, the reference " + std::to_string(R.Points.size());
  for (std::size_t I = 0; I < R.Points.size(); ++I) {
    const TPathPoint& Got = P.Points()[I];
    const TRefPoint& Want = R.Points[I];
    const bool Same = Got.Kind == Want.P.Kind &&
                      (Want.Approx ? Near(Got.Point.X, Want.P.Point.X, Want.Scale) && Near(Got.Point.Y, Want.P.Point.Y, Want.Scale)
                                   : std::memcmp(&Got.Point, &Want.P.Point, sizeof(TPointF)) == 0);
    if (!Same)
      return "point " + std::to_string(I) + ": (" + std::to_string(Got.Point.X) + ", " + std::to_string(Got.Point.Y) +
             ") kind " + std::to_string(int(Got.Kind)) + ", the reference (" + std::to_string(Want.P.Point.X) +
             ", " + std::to_string(Want.P.Point.Y) + ") kind " + std::to_string(int(Want.P.Kind));
  }
  return {};
}

}  // namespace

TEST(PathParserCorpus, EveryIconPathReadsAsTheReferenceReadsIt) {
  const std::vector<std::string> Texts = LoadIconPathTexts();
  ASSERT_GE(Texts.size(), 100u) << "no icons under " << IconDirectory() << " (install adwaita-icon-theme)";
  std::size_t Bad = 0, Arcs = 0;
  for (const std::string& Text : Texts) {
    TVXPathData P;
    P.SetData(Text);
    Arcs += Text.find_first_of("Aa") != std::string::npos;
    const std::string Why = Compare(Text, P);
    if (!Why.empty() && ++Bad <= 5) ADD_FAILURE() << Why << "\nin " << Text.substr(0, 300);
  }
  EXPECT_EQ(Bad, 0u) << "of " << Texts.size();
  EXPECT_GT(Arcs, 10u);
}

// Text written the way other tools write it: exponents, signs packed
// against numbers, points starting numbers, flags without separators, and
// every command, absolute and relative, repeated implicitly.
TEST(PathParserCorpus, GeneratedTextReadsAsTheReferenceReadsIt) {
  std::mt19937 Random(42);
  auto Number = [&](bool Flag) -> std::string {
    if (Flag) return Random() % 2 ? "1" : "0";
    switch (Random() % 6) {
      case 0: return std::to_string(int(Random() % 2001) - 1000);
      case 1: return (Random() % 2 ? "-." : ".") + std::to_string(Random() % 100000);
      case 2: return std::to_string(int(Random() % 200) - 100) + "." + std::to_string(Random() % 1000) + "e" +
                     std::to_string(int(Random() % 9) - 4);
      case 3: return std::to_string(Random() % 10) + "E+" + std::to_string(Random() % 3);
      case 4: {
        char Buf[64];
        std::snprintf(Buf, sizeof Buf, "%.17g", std::ldexp(double(Random()), -int(Random() % 40)));
        return Buf;
      }
      default: return std::to_string(Random() % 1000000) + "." + std::to_string(Random() % 100000000);
    }
  };
  const char* Commands = "MmLlHhVvCcSsQqTtAa";
  const int Arity[] = {2, 2, 2, 2, 1, 1, 1, 1, 6, 6, 4, 4, 4, 4, 2, 2, 7, 7};
  for (int Round = 0; Round < 300; ++Round) {
    std::string Text = "M" + Number(false) + " " + Number(false);
    for (int K = 0; K < 20; ++K) {
      const int C = int(Random() % 18);
      Text += Random() % 3 ? " " : "";
      Text += Commands[C];
      for (int Repeat = 1 + int(Random() % 2); Repeat > 0; --Repeat)
        for (int A = 0; A < Arity[C]; ++A) {
          const bool Flag = C >= 16 && (A == 3 || A == 4);
          std::string N = Number(Flag);
          // A separator only where the next number would run on: a flag
          // is one digit, and a sign starts a number.
          const bool Joins = std::isdigit(static_cast<unsigned char>(Text.back()));
          const bool AfterFlag = C >= 16 && (A == 4 || A == 5);
          const bool Needed = Joins && !AfterFlag && N[0] != '-';
          Text += Needed || Random() % 2 ? (Random() % 2 ? "," : " ") : "";
          Text += N;
        }
      if (Random() % 8 == 0) Text += "z";
    }
    TVXPathData P;
    P.SetData(Text);
    const std::string Why = Compare(Text, P);
    ASSERT_TRUE(Why.empty()) << Why << "\nin " << Text;
  }
}

// Arcs where the sweep is cut into pieces at its edge cases: half turns with
// either flag, nearly whole turns, sweeps too flat to draw, huge radii with
// tiny sweeps, radii too small, rotated and mirrored ellipses, zero radii and
// arcs that end where they start.
TEST(PathParserCorpus, EdgeCaseArcsFollowTheReference) {
  for (const char* Text : {
           "M0 0 A5 5 0 0 1 10 0", "M0 0 A5 5 0 0 0 10 0", "M0 0 A5 5 0 1 1 10 0", "M0 0 A5 5 0 1 0 10 0",
           "M0 0 A5 5 0 1 1 0.001 0", "M0 0 A5 5 0 1 0 0.001 0", "M0 0 A5 5 0 0 1 0.001 0",
           "M0 0 A1e6 1e6 0 0 1 1 0", "M0 0 A1e6 1e6 0 1 1 1 0", "M0 0 A1 1 0 0 1 1e-7 0",
           "M0 0 A2 2 0 0 1 4 1e-11", "M0 0 A1 1 0 0 1 100 0", "M0 0 A3 1 30 1 0 2 2", "M0 0 A-5 -3 45 1 0 3 4",
           "M0 0 A5 5 0 1 1 -5 5", "M0 0 A5 5 0 1 0 -5 5", "M5 0 A5 5 0 1 1 0 -5", "M0 0 A0 5 0 0 1 10 0",
           "M10 10 A5 3 0 1 1 10 10", "M0 0 A4 4 720 0 1 3 3", "M1 1 a2 2 0 1 1 0 .001 2 2 0 1 1 0-.001",
           // Radii far too small for the chord: grown by factors up to 1e77.
           "M0 0 A1e-30 1e-30 0 0 1 1e30 1e30", "M0 0 A1e-40 3e-40 30 1 0 3e37 -1e37",
           "M-1e38 0 A1e-38 1e-38 0 0 0 1e38 0", "M0 0 A2e-30 1e-30 90 1 1 0 1e30", "M-3e38 0 A1e-45 1e-45 0 0 1 3e38 0",
       }) {
    TVXPathData P;
    P.SetData(Text);
    EXPECT_EQ(Compare(Text, P), "") << Text;
  }
}

// Long runs of arcs in one text, with whole ellipses (end on the start),
// flat arcs, smooth curves and closes among them: every arc's last piece
// ends up with its own controls, wherever the run is cut.
TEST(PathParserCorpus, LongArcRunsFollowTheReference) {
  auto Repeat = [](const std::string& Part, int Count) {
    std::string S;
    for (int I = 0; I < Count; ++I) S += Part;
    return S;
  };
  for (const std::string& Text : {
           "M0 0" + Repeat(" a3 2 10 0 1 1 1", 70),
           "M0 0" + Repeat(" a3 2 0 1 0 2 -1 a2 2 0 0 1 0 0", 25) + "z",
           "M5 5" + Repeat(" A4 4 0 0 1 9 5 A4 4 0 1 1 5 5 l1 1", 20),
           "M1 1" + Repeat(" a1 1 0 0 1 1e-13 0 a1 1 0 0 1 2 0 s1 1 2 2 c1 0 1 1 0 1 s1 1 2 0", 20),
           "M0 0" + Repeat(" a2 3 0 0 1 4 0 z m1 1 a1 1 0 0 1 0 0", 20) + " a2 2 0 0 1 1 1",
       }) {
    TVXPathData P;
    P.SetData(Text);
    EXPECT_EQ(Compare(Text, P), "") << Text.substr(0, 60);
  }
}

// Numbers read by the short-decimal route give exactly what the runtime's
// converter gives, narrowed to float: decimals next to the points where
// float rounding turns over (halfway between two floats), and mantissas of
// up to fifteen digits with exponents.
TEST(PathParserCorpus, ShortDecimalsConvertAsStrToFloatNextToFloatRoundingBoundaries) {
  std::mt19937 Random(11);
  std::vector<std::string> Numbers;
  std::size_t NearBoundary = 0;
  for (int I = 0; I < 20000; ++I) {
    const float F = std::ldexp(float(Random() % (1u << 24)), int(Random() % 40) - 40);
    const double Half = (double(F) + double(std::nextafter(F, INFINITY))) / 2;
    char Buf[64];
    std::snprintf(Buf, sizeof Buf, "%.*f", int(Random() % 8) + 8, Half);
    std::string Num = Buf;
    // At most fifteen digits, leading zeros aside.
    const std::size_t First = Num.find_first_not_of("0.");
    if (First == std::string::npos) continue;
    const std::size_t Keep = First + 15 + (Num.find('.') > First ? 1 : 0);
    if (Num.size() > Keep) Num.resize(Keep);
    if (Num.back() == '.') Num.pop_back();
    const double D = FMX::StrToFloat(Num);
    const std::uint64_t Low = std::bit_cast<std::uint64_t>(D) & ((std::uint64_t(1) << 29) - 1);
    NearBoundary += Low + 8 >= (std::uint64_t(1) << 28) && Low <= (std::uint64_t(1) << 28) + 8;
    Numbers.push_back(Num);
  }
  for (int I = 0; I < 5000; ++I) {
    std::string Num = std::to_string(Random() % 1000000000000000ull);
    Num.resize(1 + Random() % Num.size());
    if (Random() % 2) Num.insert(Random() % (Num.size() + 1), ".");
    Num += (Random() % 2 ? "e" : "E");
    const int E = int(Random() % 61) - 30;
    Num += (E >= 0 && Random() % 2 ? "+" : "") + std::to_string(E);
    if (Num[0] == '.' && Num.size() > 1 && !std::isdigit(static_cast<unsigned char>(Num[1]))) continue;
    Numbers.push_back((Random() % 2 ? "-" : "") + Num);
  }
  EXPECT_GT(NearBoundary, 50u) << "the numbers do not reach the rounding boundaries";
  std::string Text = "M";
  for (const std::string& Num : Numbers) Text += " " + Num + ",0";
  TVXPathData P;
  P.SetData(Text);
  ASSERT_EQ(std::size_t(P.GetCount()), Numbers.size());
  for (std::size_t I = 0; I < Numbers.size(); ++I)
    ASSERT_EQ(std::bit_cast<std::uint32_t>(P.Points()[I].Point.X),
              std::bit_cast<std::uint32_t>(float(FMX::StrToFloat(Numbers[I]))))
        << Numbers[I];
}
