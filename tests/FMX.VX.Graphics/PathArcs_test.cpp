#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/PathDump.h"
#include "support/ExactPathLength.h"

using namespace FMX::VX::Graphics;
using FMX::Testing::DumpPath;

namespace {

using K = TPathPointKind;

void ExpectNear(TPointF A, TPointF B, double Tol, const std::string& What) {
  EXPECT_NEAR(A.X, B.X, Tol) << What;
  EXPECT_NEAR(A.Y, B.Y, Tol) << What;
}

TPointF Mid(const TPathSegment& S) {
  auto C = [](double A, double B, double C, double D) { return 0.125 * A + 0.375 * B + 0.375 * C + 0.125 * D; };
  return {float(C(S.Start.X, S.Pt(0).X, S.Pt(1).X, S.Pt(2).X)), float(C(S.Start.Y, S.Pt(0).Y, S.Pt(1).Y, S.Pt(2).Y))};
}

// Same kinds, points within Tol.
void ExpectSameFigure(const TPathData& A, const TPathData& B, double Tol, const std::string& What) {
  ASSERT_EQ(A.GetCount(), B.GetCount()) << What << "\n" << DumpPath(A) << "\n" << DumpPath(B);
  for (std::int32_t I = 0; I < A.GetCount(); ++I) {
    EXPECT_EQ(A.GetPoint(I).Kind, B.GetPoint(I).Kind) << What << " at " << I;
    ExpectNear(A.GetPoint(I).Point, B.GetPoint(I).Point, Tol, What + " at " + std::to_string(I));
  }
}

}  // namespace

TEST(ArcSvgPart, QuarterPiecesHaveTheirControlPointsAlongTheTangents) {
  TVXPathData P;
  P.MoveTo({10, 0});
  P.AddArcSvgPart({0, 0}, {10, 10}, 0, 90);
  ASSERT_EQ(P.GetCount(), 4);
  ExpectNear(P.GetPoint(1).Point, {10, 5.522847f}, 2e-6, "first control");
  ExpectNear(P.GetPoint(2).Point, {5.522847f, 10}, 2e-6, "second control");
  ExpectNear(P.GetPoint(3).Point, {0, 10}, 2e-6, "end");

  struct TCase {
    float Start, Sweep;
    int Pieces;
    TPointF End;
  };
  const std::vector<TCase> Cases = {
      {0, 90.5f, 1, {-0.0872654f, 9.99962f}},  // within 0.01 radian of a quarter: one piece
      {0, 95, 2, {-0.871557f, 9.96195f}},
      {0, -180, 2, {-10, 0}},
      {450, 90, 1, {-10, 0}},    // start reduced by a whole turn
      {0, 1000, 4, {10, 0}},     // sweep limited to a whole turn
      {30, 1e-9f, 0, {0, 0}},    // too small to draw
  };
  for (const TCase& C : Cases) {
    TVXPathData Q;
    Q.AddArcSvgPart({0, 0}, {10, 10}, C.Start, C.Sweep);
    std::string What = std::to_string(C.Start) + "/" + std::to_string(C.Sweep);
    ASSERT_EQ(Q.GetCount(), 3 * C.Pieces) << What;
    if (C.Pieces > 0) ExpectNear(Q.LastPoint(), C.End, 1e-4, What);
  }
}

TEST(ArcSvg, HalfCircleThroughTheSideTheSweepFlagChooses) {
  for (bool Sweep : {true, false}) {
    TVXPathData P;
    P.MoveTo({0, 0});
    P.AddArcSvg({0, 0}, {5, 5}, 0, false, Sweep, {10, 0});
    ASSERT_EQ(P.GetCount(), 7);
    float S = Sweep ? -1.0f : 1.0f;
    const TPointF Want[] = {{0, S * 2.761424f}, {2.238576f, S * 5}, {5, S * 5},
                            {7.761424f, S * 5}, {10, S * 2.761424f}, {10, 0}};
    for (int I = 0; I < 6; ++I) ExpectNear(P.GetPoint(I + 1).Point, Want[I], 2e-5, "point " + std::to_string(I + 1));
  }
}

TEST(ArcSvg, RadiiAreMadePositiveAndScaledToReachTheEndPoint) {
  TVXPathData Exact, Small, Negative;
  Exact.AddArcSvg({0, 0}, {5, 5}, 0, false, true, {10, 0});
  Small.AddArcSvg({0, 0}, {1, 1}, 0, false, true, {10, 0});
  Negative.AddArcSvg({0, 0}, {-5, -5}, 0, false, true, {10, 0});
  ExpectSameFigure(Exact, Small, 1e-4, "scaled radii");
  EXPECT_EQ(DumpPath(Negative), DumpPath(Exact));
  // Unequal radii too small: scaled together, keeping their ratio 2:1.
  TVXPathData Ellipse;
  Ellipse.AddArcSvg({0, 0}, {2, 1}, 0, false, true, {20, 0});
  ASSERT_EQ(Ellipse.GetCount(), 6);
  ExpectNear(Ellipse.GetPoint(2).Point, {10, -5}, 1e-4, "top of the half ellipse");
}

TEST(ArcSvg, LargeArcAndRotation) {
  // Radius 5 between points 6 apart: the small arc bulges 1 beyond the
  // chord, the large one 9.
  TVXPathData SmallArc, LargeArc;
  SmallArc.AddArcSvg({-3, 0}, {5, 5}, 0, false, true, {3, 0});
  LargeArc.AddArcSvg({-3, 0}, {5, 5}, 0, true, true, {3, 0});
  EXPECT_NEAR(SmallArc.GetBounds().Top, -1, 1e-3);
  EXPECT_NEAR(LargeArc.GetBounds().Top, -9, 1e-3);
  ExpectNear(LargeArc.LastPoint(), {3, 0}, 1e-4, "large arc end");

  // Ellipse with radii 10 and 5 turned by 45 degrees; the chord from (0, 0)
  // to (10, 10) lies along its major axis, so the centre is (2.5, 7.5).
  TVXPathData R;
  R.MoveTo({0, 0});
  R.AddArcSvg({0, 0}, {10, 5}, 45, false, true, {10, 10});
  ExpectNear(R.LastPoint(), {10, 10}, 1e-4, "rotated end");
  const double C = std::sqrt(0.5);
  for (const TPathSegment& S : R.Segments()) {
    if (S.Kind != K::CurveTo) continue;
    for (TPointF Q : {Mid(S), S.End()}) {
      double DX = Q.X - 2.5, DY = Q.Y - 7.5;
      double U = C * DX + C * DY, V = -C * DX + C * DY;
      EXPECT_NEAR(std::hypot(U / 10, V / 5), 1.0, 1e-3);
    }
  }
}

TEST(ArcSvg, DegenerateInput) {
  // Start equal to end: a whole ellipse resting on the start point, built
  // from the radii as given.
  for (TPointF Radius : {TPointF{5, 3}, TPointF{-5, 3}}) {
    TVXPathData Arc, Ellipse;
    Arc.AddArcSvg({1, 1}, Radius, 30, true, false, {1, 1});
    Ellipse.AddEllipse({1 - Radius.X, 1 - 2 * Radius.Y, 1 + Radius.X, 1});
    EXPECT_EQ(DumpPath(Arc), DumpPath(Ellipse));
  }
  // A radius of zero joins the points with a straight line.
  TVXPathData Line;
  Line.MoveTo({0, 0});
  Line.AddArcSvg({0, 0}, {0, 5}, 0, false, true, {10, 0});
  EXPECT_EQ(DumpPath(Line), "M0,0 L10,0");
}

// Arcs end exactly where they are asked to, however flat, and relative
// commands after them start from there.
TEST(ArcSvg, EndsExactlyAtTheEndPoint) {
  struct {
    const char* Path;
    TPointF End;
    double Length;
  } const Cases[] = {
      {"M0 0 A10000 10000 0 0 1 8 0", {8, 0}, 8},
      {"M0 0 a2000 2000 0 0 1 1 0 l1 0", {2, 0}, 2},
      {"M0 0 A100000 100000 0 0 1 8 0 L8 5", {8, 5}, 13},  // once lost its first segment
      {"M0 0 A1e30 1e30 0 0 1 8 0", {8, 0}, 8},            // too flat to sweep: a line
      {"M0 0 A1e30 1e30 0 1 1 8 0", {8, 0}, 2e30 * M_PI},  // the long way: all but 8 of the circle
      {"M0 0 A1e30 1e30 0 1 0 8 0", {8, 0}, 2e30 * M_PI},
      {"M3 4 A5 5 0 0 1 13 4", {13, 4}, 5 * M_PI},           // half circle
      {"M3 4 A5 5 0 1 0 8 9", {8, 9}, 7.5 * M_PI},           // three quarters
      {"M0 0 A5 5 0 0 1 10 0 a5 5 0 0 1 10 0 a5 5 0 0 1 10 0", {30, 0}, 15 * M_PI},
  };
  for (const auto& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    EXPECT_EQ(P.LastPoint(), C.End) << C.Path;
    EXPECT_NEAR(P.GetLength(), C.Length, C.Length * 1e-3) << C.Path;
  }
  // The 8-unit chord of radius 100000 bulges by 0.00008: kept as a curve.
  TVXPathData Flat;
  Flat.SetData("M0 0 A100000 100000 0 0 1 8 0");
  ASSERT_EQ(Flat.GetCount(), 4);
  EXPECT_EQ(Flat.GetPoint(1).Kind, K::CurveTo);
  // Exactly half a turn, whichever flag says so: two quarter pieces.
  for (const char* Half : {"M0 0 A5 5 0 0 1 10 0", "M0 0 A5 5 0 1 1 10 0"}) {
    TVXPathData H;
    H.SetData(Half);
    EXPECT_EQ(H.GetCount(), 7) << Half;
  }
}

// End points a rounding step apart leave the side of the sweep to noise:
// the large-arc flag decides. A large arc goes nearly all the way round the
// ellipse, a small one is a line; either way, with either sweep flag, under
// any rotation, the arc ends exactly at its end point.
TEST(ArcSvg, EndPointsARoundingStepApartFollowTheLargeArcFlag) {
  struct {
    const char* Path;
    double RX, RY;  // 0: a line
    TPointF End;
  } const Cases[] = {
      {"M0 0 A5 5 0 1 1 1e-45 0", 5, 5, {1e-45f, 0}},
      {"M0 0 A5 3 30 1 1 1e-45 0", 5, 3, {1e-45f, 0}},
      {"M0 0 A5 3 30 1 0 1e-45 0", 5, 3, {1e-45f, 0}},
      {"M0 0 A5 3 -75 1 0 0 -1e-45", 5, 3, {0, -1e-45f}},
      {"M3.8675 0 A4 10.75 196 1 1 3.8675 -1e-45", 4, 10.75, {3.8675f, -1e-45f}},
      {"M51212452 0 A16777216 4718592 268 1 1 51212452 1e-45", 16777216, 4718592, {51212452, 1e-45f}},
      {"M1 1 A5 5 0 1 1 1 1.0000001", 5, 5, {1, 1.0000001f}},
      {"M0 0 A5 3 30 0 1 1e-45 0", 0, 0, {1e-45f, 0}},
      {"M0 0 A5 3 30 0 0 1e-45 0", 0, 0, {1e-45f, 0}},
      {"M0 0 A5 5 0 0 0 0 1e-45", 0, 0, {0, 1e-45f}},
      {"M3.8675 0 A4 10.75 196 0 1 3.8675 -1e-45", 0, 0, {3.8675f, -1e-45f}},
  };
  for (const auto& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    ASSERT_GE(P.GetCount(), 2) << C.Path;
    const TPathPoint& Last = P.GetPoint(P.GetCount() - 1);
    if (C.RX == 0) {
      EXPECT_EQ(P.GetCount(), 2) << C.Path;
      EXPECT_EQ(Last.Kind, K::LineTo) << C.Path;
    } else {
      EXPECT_EQ(P.GetCount(), 13) << C.Path;  // four pieces
      const double Whole = ExactLength::EllipseArcLength(C.RX, C.RY, 0, 2 * M_PI);
      EXPECT_NEAR(P.GetLength(), Whole, Whole * 1e-3) << C.Path;
    }
    EXPECT_EQ(Last.Point, C.End) << C.Path;
  }
}

TEST(RingSector, PathFormDrawsOuterArcLineInnerArcAndClose) {
  TVXPathData P;
  EXPECT_EQ(&Arc(P, 0, 90, 100, 50, 0), &P);
  ASSERT_EQ(P.GetCount(), 9);
  const K Kinds[] = {K::MoveTo, K::CurveTo, K::CurveTo, K::CurveTo, K::LineTo, K::CurveTo, K::CurveTo, K::CurveTo, K::Close};
  for (int I = 0; I < 9; ++I) EXPECT_EQ(P.GetPoint(I).Kind, Kinds[I]) << I;
  ExpectNear(P.GetPoint(0).Point, {100, 0}, 1e-4, "move");
  ExpectNear(P.GetPoint(3).Point, {0, 100}, 1e-4, "outer end");
  ExpectNear(P.GetPoint(4).Point, {0, 50}, 1e-4, "line");
  ExpectNear(P.GetPoint(7).Point, {50, 0}, 1e-4, "inner end");

  // Whole turns: two circles, or one without an inner radius, and a close.
  struct TCase {
    double R1;
    int Count;
  };
  for (TCase C : {TCase{50, 27}, TCase{0, 14}}) {
    TVXPathData Ring;
    Arc(Ring, 10, 370, C.R1, 100, 0);
    EXPECT_EQ(Ring.GetCount(), C.Count);
    EXPECT_EQ(Ring.Points().back().Kind, K::Close);
    EXPECT_NEAR(Ring.GetBounds().Right, 100, 1e-3);
  }
}

TEST(RingSector, StringFormTextAndRoundTripThroughTheParser) {
  const std::string Quarter =
      "M100,0A100,100 0 0,1 6.12323399573677E-15,100L3.06161699786838E-15,50A50,50 0 0,0 50,0Z";
  EXPECT_EQ(Arc(0, 90, 50, 100, 0), Quarter);
  EXPECT_EQ(Arc(90, 0, 100, 50, 0), Quarter) << "angles and radii in either order";
  EXPECT_EQ(Arc(0, 90, 0, 100, 0), "M100,0A100,100 0 0,1 6.12323399573677E-15,100L0,0Z");
  EXPECT_EQ(Arc(0, 360, 0, 100, 0), "M0,100A100,100 0 1,1 0,-100A100,100 0 1,1 0,100Z");
  EXPECT_EQ(Arc(0, 360, 20, 100, 0),
            "M0,100A100,100 0 1,1 0,-100A100,100 0 1,1 0,100M0,20A20,20 0 1,0 0,-20A20,20 0 1,0 0,20Z");

  struct TCase {
    double A, B, R1, R2, Rotation;
  };
  // Exactly half a turn counts as large in the text (in the path form it does
  // not; a half circle is the same either way, the sweep flag picks the side).
  EXPECT_EQ(Arc(0, 180, 0, 100, 0), "M100,0A100,100 0 1,1 -100,1.22464679914735E-14L0,0Z");
  // Negative radii count by their size in both forms, so the text never
  // holds "--" and both forms draw the same ring.
  EXPECT_EQ(Arc(0, 360, -10, 50, 0),
            "M0,50A50,50 0 1,1 0,-50A50,50 0 1,1 0,50M0,10A10,10 0 1,0 0,-10A10,10 0 1,0 0,10Z");
  for (TCase C : {TCase{0, 90, 50, 100, 0}, TCase{30, 250, 20, 80, 10}, TCase{-40, 15, 0, 60, 0},
                  TCase{0, 360, 0, 100, 0}, TCase{0, 360, -10, 50, 0}, TCase{0, 90, -10, 50, 0},
                  TCase{20, 80, 50, -100, 0}, TCase{0, 180, 50, 100, 0}}) {
    TVXPathData FromText, FromPath;
    FromText.SetData(Arc(C.A, C.B, C.R1, C.R2, C.Rotation));
    Arc(FromPath, C.A, C.B, C.R1, C.R2, C.Rotation);
    ExpectSameFigure(FromText, FromPath, 1e-3, std::to_string(C.A) + ".." + std::to_string(C.B));
  }
}
