#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "support/ExactPathLength.h"

using namespace FMX::VX::Graphics;

namespace {

// "(0,0 3,0)(0,5 10,5)": the polygons in a compact form.
std::string Text(const TVXPolygons& Polys) {
  std::ostringstream S;
  for (const TCanvasPoints& P : Polys) {
    S << '(';
    for (std::size_t i = 0; i < P.size(); ++i) S << (i ? " " : "") << P[i].X << ',' << P[i].Y;
    S << ')';
  }
  return S.str();
}

struct MeasureCase {
  std::string Name;
  std::function<void(TVXPathData&)> Build;
  std::string Polygons;
  std::vector<std::vector<float>> Distances;
};

void Data(TVXPathData& P, const char* S) { P.SetData(S); }

const std::vector<MeasureCase> kMeasure = {
    {"Empty", [](TVXPathData&) {}, "", {}},
    {"ClosedTriangle", [](TVXPathData& P) { Data(P, "M0,0 L3,0 L3,4 Z"); }, "(0,0 3,0 3,4 0,0)", {{0, 3, 7, 12}}},
    // The jump between subpaths adds nothing; the next polygon repeats the distance reached.
    {"TwoSubpaths", [](TVXPathData& P) { Data(P, "M0,0 L10,0 M0,5 L10,5"); }, "(0,0 10,0)(0,5 10,5)",
     {{0, 10}, {10, 20}}},
    {"SecondCloseAddsNothing", [](TVXPathData& P) { Data(P, "M0,0 L10,0 Z Z"); }, "(0,0 10,0 0,0)", {{0, 10, 20}}},
    // After a close the current point is where that subpath began.
    {"LineAfterClose", [](TVXPathData& P) { Data(P, "M0,0 L10,0 Z L6,8"); }, "(0,0 10,0 0,0)(0,0 6,8)",
     {{0, 10, 20}, {20, 30}}},
    {"CloseOpeningThePath",
     [](TVXPathData& P) {
       P.ClosePath();
       P.LineTo({3, 4});
     },
     "(0,0 3,4)", {{0, 5}}},
    {"IncompleteTrailingCurveSkipped",
     [](TVXPathData& P) {
       Data(P, "M0,0 L5,0");
       P.AddPoint(TPathPointKind::CurveTo, {9, 9});
       P.AddPoint(TPathPointKind::CurveTo, {9, 0});
     },
     "(0,0 5,0)", {{0, 5}}},
};

class Measurement : public testing::TestWithParam<MeasureCase> {};

TEST_P(Measurement, PolygonsDistancesAndLength) {
  const MeasureCase& C = GetParam();
  TVXPathData P;
  C.Build(P);
  EXPECT_EQ(Text(P.ToPolygons()), C.Polygons);
  ASSERT_EQ(P.Distances().size(), C.Distances.size());
  double Last = 0;
  for (std::size_t i = 0; i < C.Distances.size(); ++i) {
    ASSERT_EQ(P.Distances()[i].size(), C.Distances[i].size()) << i;
    for (std::size_t j = 0; j < C.Distances[i].size(); ++j)
      EXPECT_NEAR(P.Distances()[i][j], C.Distances[i][j], 1e-5) << i << "," << j;
    if (!C.Distances[i].empty()) Last = C.Distances[i].back();
  }
  EXPECT_NEAR(P.GetLength(), Last, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Paths, Measurement, testing::ValuesIn(kMeasure),
                         [](const auto& Info) { return Info.param.Name; });

// Arc length of the cubic by Simpson's rule on |B'(t)|.
double CubicLength(TPointF P0, TPointF P1, TPointF P2, TPointF P3) {
  auto Speed = [&](double t) {
    const double u = 1 - t;
    const double dx = 3 * (u * u * (P1.X - P0.X) + 2 * u * t * (P2.X - P1.X) + t * t * (P3.X - P2.X));
    const double dy = 3 * (u * u * (P1.Y - P0.Y) + 2 * u * t * (P2.Y - P1.Y) + t * t * (P3.Y - P2.Y));
    return std::hypot(dx, dy);
  };
  const int N = 200000;
  double S = Speed(0) + Speed(1);
  for (int i = 1; i < N; ++i) S += (i % 2 ? 4 : 2) * Speed(double(i) / N);
  return S / (3.0 * N);
}

TEST(PathLength, CubicsMatchTheirArcLength) {
  const float k = 55.22847f;  // quarter circle of radius 100
  const std::vector<std::array<TPointF, 4>> Cubics = {
      {{{100, 0}, {100, k}, {k, 100}, {0, 100}}},
      {{{0, 0}, {120, 0}, {-20, 80}, {100, 80}}},   // S-curve
      {{{0, 0}, {100, 100}, {0, 100}, {100, 0}}},   // loop-like, tight turn
      {{{10, 10}, {10, 10}, {60, 40}, {60, 40}}},   // straight, speed zero at both ends
      {{{0, 0}, {30, 40}, {-30, 40}, {0, 0}}},      // closed teardrop with a cusp-like tip
  };
  for (const auto& C : Cubics) {
    TVXPathData P;
    P.MoveTo(C[0]);
    P.CurveTo(C[1], C[2], C[3]);
    const double Truth = CubicLength(C[0], C[1], C[2], C[3]);
    EXPECT_NEAR(P.GetLength(), Truth, Truth * 1e-3) << C[1].X << "," << C[1].Y;
    // The points follow the curve from its start to its very end, about one unit apart.
    const TCanvasPoints& Poly = P.ToPolygons().at(0);
    EXPECT_EQ(Poly.front(), C[0]);
    EXPECT_EQ(Poly.back(), C[3]);
    double Longest = 0;
    for (std::size_t i = 1; i < Poly.size(); ++i)
      Longest = std::max(Longest, std::hypot(double(Poly[i].X) - Poly[i - 1].X, double(Poly[i].Y) - Poly[i - 1].Y));
    EXPECT_LT(Longest, 2.0);
    EXPECT_GT(Poly.size(), Truth * 0.9);
  }
}

// Curves keep their shape and length at every scale: chords follow the
// curvature, not only a 1-unit spacing.
TEST(PathLength, CurvesWithinOnePerMilleFromTinyToHuge) {
  const float k = 0.5522847f;
  const std::vector<std::array<TPointF, 4>> Cubics = {
      {{{1, 0}, {1, k}, {k, 1}, {0, 1}}},          // quarter circle
      {{{0, 0}, {1.2f, 0}, {-0.2f, 0.8f}, {1, 0.8f}}},  // S-curve
      {{{0, 0}, {1, 1}, {0, 1}, {1, 0}}},          // tight turn
      {{{0, 0}, {0.3f, 0.4f}, {-0.3f, 0.4f}, {0, 0}}},  // closed teardrop
      // A small closed loop from a real icon, which once flattened to one chord of length 0.
      {{{5.486f, 13.152f}, {5.47668f, 13.25085f}, {5.526581f, 13.1601f}, {5.486f, 13.152f}}},
  };
  for (const auto& C : Cubics)
    for (const double Scale : {0.01, 1.0, 10.0, 100.0, 10000.0}) {
      auto S = [&](TPointF P) { return TPointF{float(P.X * Scale), float(P.Y * Scale)}; };
      TVXPathData P;
      P.MoveTo(S(C[0]));
      P.CurveTo(S(C[1]), S(C[2]), S(C[3]));
      const auto Exact = [&](TPointF Q) { return ExactLength::Pt{Q.X, Q.Y}; };
      const double Truth = ExactLength::CubicLength(Exact(S(C[0])), Exact(S(C[1])), Exact(S(C[2])), Exact(S(C[3])));
      EXPECT_NEAR(P.GetLength(), Truth, Truth * 1e-3) << C[1].X << "," << C[1].Y << " x" << Scale;
    }
}

// Chord counts: the tolerance sets them for small curves, the 1-unit
// spacing for large ones, and neither runs far beyond what it needs.
TEST(PathLength, ChordCounts) {
  struct {
    const char* Path;
    std::size_t Min, Max;
  } const Cases[] = {
      // Straight but unevenly parameterised: 4 chords for the spacing, 11 for the tolerance.
      {"M0,0 C1,0 2,0 3.5,0", 12, 12},
      {"M1,0 C1,0.5523 0.5523,1 0,1", 12, 20},          // quarter circle, radius 1
      {"M0.01,0 C0.01,0.005523 0.005523,0.01 0,0.01", 12, 20},
      {"M1000,0 C1000,552.3 552.3,1000 0,1000", 1571, 2000},  // 1571 units long
      {"M0,0 L10,0 Q10,10 20,10", 13, 40},
  };
  for (const auto& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    const std::size_t N = P.ToPolygons().at(0).size();
    EXPECT_GE(N, C.Min) << C.Path;
    EXPECT_LE(N, C.Max) << C.Path;
  }
  TVXPathData Line;
  Line.SetData("M0,0 C1,0 2,0 3.5,0");
  EXPECT_NEAR(Line.GetLength(), 3.5, 1e-6);
}

// Mid-sized curves, where neither the 1-unit spacing nor the relative
// tolerance is the binding rule: every chord stays within 0.005 units of the
// cubic it replaces.
TEST(PathLength, ChordsStayCloseToMidSizedCurves) {
  const float k = 0.5522847f;
  const std::vector<std::array<TPointF, 4>> Cubics = {
      {{{1, 0}, {1, k}, {k, 1}, {0, 1}}},               // quarter circle
      {{{0, 0}, {1.2f, 0}, {-0.2f, 0.8f}, {1, 0.8f}}},  // S-curve
      {{{0, 0}, {1, 1}, {0, 1}, {1, 0}}},               // tight turn
  };
  for (const auto& C : Cubics)
    for (const float Scale : {3.0f, 10.0f, 40.0f, 300.0f}) {
      std::array<TPointF, 4> S;
      for (int i = 0; i < 4; ++i) S[i] = {C[i].X * Scale, C[i].Y * Scale};
      TVXPathData P;
      P.MoveTo(S[0]);
      P.CurveTo(S[1], S[2], S[3]);
      const TCanvasPoints& Poly = P.ToPolygons().at(0);
      const std::size_t N = Poly.size() - 1;  // chords at evenly spaced parameters
      double Worst = 0;
      for (std::size_t i = 0; i < N; ++i)
        for (int j = 1; j < 8; ++j) {
          const double t = (i + j / 8.0) / N, u = 1 - t;
          const double W[4] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
          double X = 0, Y = 0;
          for (int q = 0; q < 4; ++q) X += W[q] * S[q].X, Y += W[q] * S[q].Y;
          const TPointF A = Poly[i], B = Poly[i + 1];
          const double DX = double(B.X) - A.X, DY = double(B.Y) - A.Y;
          const double T = std::clamp(((X - A.X) * DX + (Y - A.Y) * DY) / (DX * DX + DY * DY), 0.0, 1.0);
          Worst = std::max(Worst, std::hypot(X - (A.X + T * DX), Y - (A.Y + T * DY)));
        }
      EXPECT_LE(Worst, 0.0051) << C[1].X << "," << C[1].Y << " x" << Scale;
    }
}

// Hostile curves get a budget in proportion to the path, not hundreds of
// millions of points: 4,000 curves reaching a million units out and back.
TEST(PathLength, HugeCurvesStayWithinThePathBudget) {
  std::string Text = "M0 0";
  for (int i = 0; i < 4000; ++i) Text += "c1e6 0 0 0 0 0";
  TVXPathData P;
  P.SetData(Text);
  const TVXPolygons& Polys = P.ToPolygons();
  ASSERT_EQ(Polys.size(), 1u);
  EXPECT_LE(Polys[0].size(), (1u << 20) + 4000u * 320u + 1u);
  // Thinned, yet still measured: each curve runs 4/9 of a million out and back.
  EXPECT_NEAR(P.GetLength(), 4000 * 8e6 / 9, 4000 * 8e6 / 9 * 1e-3);
  // A long path of ordinary curves is not thinned: 20,000 curves of 200
  // units keep their chords about 1 unit long.
  std::string Long = "M0 0";
  for (int i = 0; i < 10000; ++i) Long += "c100 0 100 0 200 0c-100 0 -100 0 -200 0";
  TVXPathData L;
  L.SetData(Long);
  const TCanvasPoints& Poly = L.ToPolygons().at(0);
  double Longest = 0;
  for (std::size_t i = 1; i < Poly.size(); ++i) Longest = std::max(Longest, std::fabs(double(Poly[i].X) - Poly[i - 1].X));
  EXPECT_LT(Longest, 2.0);
}

// Thinning for the budget spares small curves: a unit circle after huge
// curves keeps its shape and its length.
TEST(PathLength, BudgetThinningSparesSmallCurves) {
  std::string Text = "M0 0";
  for (int i = 0; i < 8; ++i) Text += "c1e6 0 0 0 0 0";
  Text += " M10 0 A1 1 0 0 1 12 0 A1 1 0 0 1 10 0 Z";
  TVXPathData P;
  P.SetData(Text);
  ASSERT_EQ(P.ToPolygons().size(), 2u);
  const TCanvasPoints& Circle = P.ToPolygons()[1];
  double Length = 0;
  for (std::size_t i = 1; i < Circle.size(); ++i)
    Length += std::hypot(double(Circle[i].X) - Circle[i - 1].X, double(Circle[i].Y) - Circle[i - 1].Y);
  EXPECT_NEAR(Length, 2 * M_PI, 2 * M_PI * 1e-3);
  EXPECT_LE(P.ToPolygons()[0].size(), (1u << 20) + 12u * 320u + 1u);
}

// Hostile geometry: huge, tiny and non-finite curves and arcs end quickly
// with a bounded number of points, and finite paths measure finite.
TEST(PathLength, HostileCurvesAndArcs) {
  struct {
    const char* Path;
    double Length;  // < 0: only finite
  } const Cases[] = {
      {"M0 0 C3.4e38 0 -3.4e38 0 0 0", -1},
      {"M0 0 A3.4e38 3.4e38 0 0 1 8 0", 8},      // too flat to sweep: a line
      {"M0 0 A5 5 0 1 1 3.4e38 0", -1},          // a half circle beyond float range
      {"M0 0 A1e-30 1e-30 0 0 1 1e-30 0", M_PI / 3 * 1e-30},  // a sixth of a turn
      {"M1e-30 0 C1e-30 0.5523e-30 0.5523e-30 1e-30 0 1e-30", M_PI / 2 * 1e-30},
  };
  for (const auto& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    std::size_t N = 0;
    for (const TCanvasPoints& Poly : P.ToPolygons()) N += Poly.size();
    EXPECT_LE(N, (1u << 20) + 1024u) << C.Path;
    EXPECT_TRUE(std::isfinite(P.GetLength())) << C.Path;
    if (C.Length >= 0) {
      EXPECT_NEAR(P.GetLength(), C.Length, C.Length * 1e-3) << C.Path;
    }
    const TPointF Q = P.GetPointAtLength(P.GetLength() / 3);
    EXPECT_TRUE(std::isfinite(Q.X) && std::isfinite(Q.Y)) << C.Path;
    EXPECT_TRUE(std::isfinite(P.GetAngleAtLength(P.GetLength() / 3))) << C.Path;
  }
  // Non-finite control points: one chord each, nothing more.
  const float NaN = std::numeric_limits<float>::quiet_NaN(), Inf = std::numeric_limits<float>::infinity();
  TVXPathData P;
  P.MoveTo({0, 0});
  P.CurveTo({NaN, 1}, {2, Inf}, {3, 3});
  P.CurveTo({-Inf, 1}, {2, 2}, {5, 5});
  EXPECT_EQ(P.ToPolygons().at(0).size(), 3u);
}

TEST(PathLength, CirclesFromArcs) {
  for (const float R : {10.0f, 100.0f}) {
    const double Truth = 2 * M_PI * R;
    TVXPathData E;
    E.AddEllipse({0, 0, 2 * R, 2 * R});
    EXPECT_NEAR(E.GetLength(), Truth, Truth * 1e-3) << R;
    TVXPathData A;
    std::ostringstream S;
    S << "M" << 2 * R << "," << R << " A" << R << "," << R << " 0 1,1 0," << R << " A" << R << "," << R
      << " 0 1,1 " << 2 * R << "," << R << " Z";
    A.SetData(S.str());
    EXPECT_NEAR(A.GetLength(), Truth, Truth * 1e-3) << S.str();
  }
}

TEST(PathLength, CurveOpeningThePathStartsAtTheOrigin) {
  TVXPathData P;
  P.CurveTo({10, 0}, {20, 0}, {30, 0});
  EXPECT_EQ(P.ToPolygons().at(0).front(), (TPointF{0, 0}));
  EXPECT_NEAR(P.GetLength(), 30, 1e-5);
  // So does a line.
  TVXPathData L;
  L.LineTo({3, 4});
  EXPECT_EQ(L.GetLength(), 5);
}

// Each chord's length is narrowed to 32 bits before it is added up.
TEST(PathLength, ChordLengthsNarrowedTo32Bits) {
  TVXPathData P;
  P.SetData("M0,0 L1,1");
  EXPECT_EQ(P.GetLength(), double(float(std::sqrt(2.0))));
  EXPECT_NE(P.GetLength(), std::sqrt(2.0));
}

// A radius-100 circle: the point within 0.01 of the circle and at the right
// place along it, the angle within 0.1 degree of the tangent.
TEST(PointAtLength, FollowsACircle) {
  // Eight arcs of 45 degrees: cubics within 0.0005 of the circle.
  TVXPathData P;
  P.SetData("M100,0 A100,100 0 0 1 70.710678,70.710678 A100,100 0 0 1 0,100 A100,100 0 0 1 -70.710678,70.710678"
            "A100,100 0 0 1 -100,0 A100,100 0 0 1 -70.710678,-70.710678 A100,100 0 0 1 0,-100"
            "A100,100 0 0 1 70.710678,-70.710678 A100,100 0 0 1 100,0 Z");
  const double L = P.GetLength();
  for (int i = 0; i <= 1000; ++i) {
    const double D = L * i / 1000;
    const TPointF Q = P.GetPointAtLength(D);
    EXPECT_NEAR(std::hypot(Q.X, Q.Y), 100, 0.01) << D;
    const double Theta = std::atan2(Q.Y, Q.X) * 180 / M_PI;  // runs from 0 through 90 (screen clockwise)
    EXPECT_NEAR(std::remainder(Theta - 360.0 * i / 1000, 360), 0, 0.01) << D;
    EXPECT_NEAR(std::remainder(P.GetAngleAtLength(D) - (Theta + 90), 360), 0, 0.1) << D;
  }
}

TEST(PointAtLength, EndsGapsAndDegeneratePaths) {
  struct {
    const char* Path;
    double D;
    TPointF Point;
    double Angle;
  } const Cases[] = {
      {"M0,0 L10,0 L10,10", 5, {5, 0}, 0},
      {"M0,0 L10,0 L10,10", 10, {10, 0}, 0},  // at a vertex: the chord arriving there
      {"M0,0 L10,0 L10,10", 15, {10, 5}, 90},
      {"M0,0 L10,0 L10,10", -1, {0, 0}, 0},   // clamped to the ends
      {"M0,0 L10,0 L10,10", 1e9, {10, 10}, 90},
      {"M0,0 L10,0 L10,10", NAN, {0, 0}, 0},
      {"M10,0 L0,0", 4, {6, 0}, 180},
      {"M0,0 L0,-10", 4, {0, -4}, -90},
      // The gap between subpaths takes no length: the end of the earlier one.
      {"M0,0 L10,0 M0,5 L10,5", 10, {10, 0}, 0},
      {"M0,0 L10,0 M0,5 L10,5", 15, {5, 5}, 0},
      {"M0,0 L10,0 Z", 15, {5, 0}, 180},
      // Zero-length chords are passed over for the direction.
      {"M0,0 L0,0 L0,10", 0, {0, 0}, 90},
      {"M5,5 L5,5", 3, {5, 5}, 0},  // zero length: the first point
      {"", 3, {0, 0}, 0},
      // A coordinate beyond float range: a finite point, not inf * 0.
      {"M0,0 L1e39,0 L5,5", 1, {0, 0}, 0},
  };
  for (const auto& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    const TPointF Q = P.GetPointAtLength(C.D);
    EXPECT_NEAR(Q.X, C.Point.X, 1e-5) << C.Path << " at " << C.D;
    EXPECT_NEAR(Q.Y, C.Point.Y, 1e-5) << C.Path << " at " << C.D;
    EXPECT_NEAR(P.GetAngleAtLength(C.D), C.Angle, 1e-9) << C.Path << " at " << C.D;
  }
}

TEST(MeasureCache, KeptUntilTheNextChange) {
  TVXPathData P;
  int Changes = 0;
  P.SetOnChanged([&](TObject*) { ++Changes; });
  P.SetData("M0,0 C10,0 20,10 20,20");
  const TVXPolygons* Polys = &P.ToPolygons();
  const TPointF* Data = Polys->at(0).data();
  // Measuring neither rebuilds the polygons nor changes the path.
  EXPECT_GT(P.GetLength(), 20);
  EXPECT_EQ(P.ToPolygons().at(0).data(), Data);
  EXPECT_EQ(Changes, 1);
  P.LineTo({20, 30});
  EXPECT_EQ(P.ToPolygons().at(0).back(), (TPointF{20, 30}));
  EXPECT_EQ(P.Distances().at(0).size(), P.ToPolygons().at(0).size());

  // A path of length zero is not measured again on every call either.
  TVXPathData Dot;
  Dot.MoveTo({5, 5});
  EXPECT_EQ(Dot.GetLength(), 0);
  const TPointF* DotData = Dot.ToPolygons().at(0).data();
  EXPECT_EQ(Dot.GetLength(), 0);
  EXPECT_EQ(Dot.ToPolygons().at(0).data(), DotData);
}

TEST(MeasureCache, BatchKeepsTheCachesUntilTheFinalEndUpdate) {
  TVXPathData P;
  P.SetData("M0,0 L10,0");
  EXPECT_EQ(P.GetLength(), 10);
  P.BeginUpdate();
  P.BeginUpdate();
  P.LineTo({10, 10});
  EXPECT_EQ(P.GetLength(), 10);  // the path as it was
  P.EndUpdate();
  EXPECT_EQ(P.GetLength(), 10);
  P.EndUpdate();
  EXPECT_EQ(P.GetLength(), 20);

  // Caches first built inside a batch describe the points at that moment.
  P.SetData("M0,0 L10,0");
  P.BeginUpdate();
  P.LineTo({10, 10});
  EXPECT_EQ(P.GetLength(), 20);
  P.LineTo({0, 10});
  EXPECT_EQ(Text(P.ToPolygons()), "(0,0 10,0 10,10)");
  P.EndUpdate();
  EXPECT_EQ(P.GetLength(), 30);
}

TEST(SplitDataByLength, Delimiters) {
  TVXPathData P;
  P.SetData("M0,0 L100,100");
  EXPECT_EQ(P.SplitDataByLength(10, "|"), "M0,0 L100,100 |");
  EXPECT_EQ(P.SplitDataByLength(100, "|"), "M0,0 L100,100 ");
  EXPECT_EQ(P.SplitDataByLength(0, "\n"), "M0,0 \nL100,100 \n");
  // A command exactly Len long does not exceed it.
  P.SetData("M0,0 L1,1");
  EXPECT_EQ(P.SplitDataByLength(5, "|"), "M0,0 L1,1 |");
  EXPECT_EQ(P.SplitDataByLength(4, "|"), "M0,0 |L1,1 |");
  P.SetData("M0.1,0 C1,2 3,4 5,6 Z");
  EXPECT_EQ(P.SplitDataByLength(-1, "|"), "M0.100000001490116,0 |C1,2 3,4 5,6 |Z |");
  P.AddPoint(TPathPointKind::CurveTo, {7, 8});
  EXPECT_EQ(P.SplitDataByLength(1000, "|"), "M0.100000001490116,0 C1,2 3,4 5,6 Z ");
}

TEST(SplitDataByLength, ParsesBackToTheSamePoints) {
  for (const char* D : {"M2.5,3 l10.25,0 c1,1 2,-1 3.3,0 s4,4 5,5 h-7 v-3 z m40,40 a12,7 30 1,0 10,10 z",
                        "M0,0 C0.1,0.2 0.3,0.7 1e-3,7 L-5,-5 Z M1,1 L2,2"}) {
    TVXPathData P;
    P.SetData(D);
    TVXPathData Q;
    Q.SetData(P.SplitDataByLength(16, "\n"));
    ASSERT_EQ(Q.GetCount(), P.GetCount()) << D;
    for (std::int32_t i = 0; i < P.GetCount(); ++i) EXPECT_EQ(Q.GetPoint(i), P.GetPoint(i)) << D << " @" << i;
  }
}

}  // namespace
