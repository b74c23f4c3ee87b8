#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/VXPathData.h"

using namespace FMX::VX::Graphics;

namespace {

// A circle of radius 50 around (50, 50) in four cubic quarters.
#define CIRCLE \
  "M100,50 C100,77.6 77.6,100 50,100 C22.4,100 0,77.6 0,50 C0,22.4 22.4,0 50,0 C77.6,0 100,22.4 100,50 Z"

struct HitCase {
  const char* Path;
  float X, Y;
  bool Inside;
};

TEST(PointInPath, Table) {
  const HitCase Cases[] = {
      {"M0,0 L10,0 L10,10 L0,10 Z", 5, 5, true},
      // Left and top edges belong to the polygon, right and bottom ones do not.
      {"M0,0 L10,0 L10,10 L0,10 Z", 0, 5, true},
      {"M0,0 L10,0 L10,10 L0,10 Z", 5, 0, true},
      {"M0,0 L10,0 L10,10 L0,10 Z", 10, 5, false},
      {"M0,0 L10,0 L10,10 L0,10 Z", 5, 10, false},
      {"M0,0 L10,0 L10,10 L0,10 Z", -1, 5, false},
      // An open subpath is tested as if closed.
      {"M0,0 L10,0 L10,10", 8, 2, true},
      {"M0,0 L10,0 L10,10", 2, 8, false},
      // Subpaths are tested on their own: neither overlap nor nesting cuts holes.
      {"M0,0 L10,0 L10,10 L0,10 Z M5,5 L15,5 L15,15 L5,15 Z", 7, 7, true},
      {"M0,0 L30,0 L30,30 L0,30 Z M10,10 L20,10 L20,20 L10,20 Z", 15, 15, true},
      // A line after a close starts where that subpath began: (0,0)-(20,0)-(20,20) here.
      {"M0,0 L-10,0 L-10,10 Z L20,0 L20,20", 15, 5, true},
      // A curve of the circle, not the corners of its control polygon.
      {CIRCLE, 50, 98, true},
      {CIRCLE, 87, 87, false},  // inside the control polygon, outside the circle
      {CIRCLE, 84.5f, 84.5f, true},
      {"", 0, 0, false},
      {"M5,5", 5, 5, false},
  };
  for (const HitCase& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    P.SetFillMode(fmNonZero);
    EXPECT_EQ(P.PointInPath(C.X, C.Y), C.Inside) << C.Path << " at " << C.X << "," << C.Y;
    EXPECT_EQ(P.PointInPath(TPointF{C.X, C.Y}), C.Inside);
  }
}

TEST(PointInPath, FollowsChanges) {
  TVXPathData P;
  P.SetData("M0,0 L10,0 L10,10 L0,10 Z");
  EXPECT_FALSE(P.PointInPath(15, 5));
  P.SetData("M0,0 L20,0 L20,10 L0,10 Z");
  EXPECT_TRUE(P.PointInPath(15, 5));
  for (int i = 0; i < 16; ++i) P.PointInPath(1, 1);  // warm index
  // Inside a batch the polygon cache may lag behind, the hit tests may not.
  P.BeginUpdate();
  P.ApplyMatrix(TMatrix::CreateTranslation(100, 0));
  EXPECT_EQ(P.ToPolygons().at(0).at(0).X, 0);  // the kept cache
  for (int i = 0; i < 8; ++i) {
    EXPECT_FALSE(P.PointInPath(15, 5));
    EXPECT_FALSE(P.PointInFill(15, 5));
    EXPECT_TRUE(P.PointInPath(115, 5));
    EXPECT_TRUE(P.PointInPathOutline(100, 5, 1));
  }
  P.ApplyMatrix(TMatrix::CreateTranslation(100, 0));
  EXPECT_TRUE(P.PointInPath(215, 5));
  EXPECT_FALSE(P.PointInPath(115, 5));
  P.Clear();
  EXPECT_FALSE(P.PointInPath(215, 5));
  EXPECT_FALSE(P.PointInPathOutline(200, 5, 1));
  P.AddRectangle({0, 0, 20, 10}, 0, 0);
  P.EndUpdate();
  EXPECT_TRUE(P.PointInPath(15, 5));
  EXPECT_FALSE(P.PointInPath(115, 5));
  // A batch that only reads leaves the warm caches alone.
  P.BeginUpdate();
  EXPECT_TRUE(P.PointInFill(15, 5));
  P.EndUpdate();
}

// A path warm enough for its finest cells still answers for its points as
// they are now: after each kind of change, inside and outside a batch, and
// for all three rules.
TEST(PointInPath, WarmIndexFollowsChanges) {
  struct Step {
    const char* Name;
    std::function<void(TVXPathData&)> Change;
    float X, Y;
    bool Any, EvenOdd, NonZero;
  };
  // Two nested squares running the same way round: a hole under even-odd only.
  const char* Squares = "M0,0 L40,0 L40,40 L0,40 Z M10,10 L30,10 L30,30 L10,30 Z";
  const Step Steps[] = {
      {"as built", [](TVXPathData&) {}, 20, 20, true, false, true},
      {"moved in a batch", [](TVXPathData& P) { P.ApplyMatrix(TMatrix::CreateTranslation(100, 0)); }, 120, 20, true,
       false, true},
      {"old place in the batch", [](TVXPathData&) {}, 20, 20, false, false, false},
      {"grown in the batch", [](TVXPathData& P) { P.AddRectangle({115, 15, 125, 25}, 0, 0); }, 120, 20, true, true,
       true},
      {"replaced outside a batch", [&](TVXPathData& P) { P.SetData("M0,0 L40,0 L40,40 L0,40 Z"); }, 20, 20, true, true,
       true},
      {"cleared", [](TVXPathData& P) { P.Clear(); }, 20, 20, false, false, false},
  };
  TVXPathData P;
  P.SetData(Squares);
  // Queries over the current bounds, enough for the finest cells.
  auto Warm = [&] {
    const TRectF B = P.GetBounds();
    for (int i = 0; i < 400; ++i) {
      const TPointF Q{B.Left + B.Width() * (float(i % 20) + 0.5f) / 20, B.Top + B.Height() * (float(i / 20) + 0.5f) / 20};
      P.PointInPath(Q);
      P.SetFillMode(i % 2 ? fmEvenOdd : fmNonZero);
      P.PointInFill(Q);
    }
  };
  for (std::size_t i = 0; i < std::size(Steps); ++i) {
    const Step& S = Steps[i];
    if (i == 1) P.BeginUpdate();
    if (i == 4) P.EndUpdate();
    S.Change(P);
    for (int Round = 0; Round < 2; ++Round) {
      EXPECT_EQ(P.PointInPath(S.X, S.Y), S.Any) << S.Name;
      P.SetFillMode(fmEvenOdd);
      EXPECT_EQ(P.PointInFill(S.X, S.Y), S.EvenOdd) << S.Name;
      P.SetFillMode(fmNonZero);
      EXPECT_EQ(P.PointInFill(S.X, S.Y), S.NonZero) << S.Name;
      Warm();  // the second round asks a path warm again
    }
  }
}

// The banded index must give exactly what the polygon test gives on the whole
// polygons, also on vertices, edges and band boundaries.
TEST(PointInPath, IndexAgreesWithThePolygonTest) {
  auto Ellipse = [](TVXPathData& P) { P.AddEllipse({0, 0, 400, 300}); };
  // A zigzag that crosses every band and cell many times.
  auto Zigzag = [](TVXPathData& P) {
    P.MoveTo({0, 0});
    for (int i = 1; i < 200; ++i) P.LineTo({float(i * 2), float(i % 2 ? 300 : 0)});
    P.ClosePath();
  };
  auto Star = [](TVXPathData& P) {
    P.MoveTo({350, 150});
    for (int i = 1; i < 80; ++i) {
      const double a = i * M_PI / 40, r = i % 2 ? 60 : 150;
      P.LineTo({float(200 + r * std::cos(a)), float(150 + r * std::sin(a))});
    }
  };
  // Axis-aligned squares, some nested, some overlapping: horizontal edges
  // bound regions without ever crossing a ray.
  auto Squares = [](TVXPathData& P) {
    for (int i = 0; i < 12; ++i)
      for (int j = 0; j < 9; ++j)
        if ((i + j) % 3 != 0) P.AddRectangle({i * 33.0f, j * 33.0f, i * 33.0f + 20 + j, j * 33.0f + 20 + i}, 0, 0);
    P.AddRectangle({5, 5, 395, 295}, 0, 0);
  };
  std::vector<std::function<void(TVXPathData&)>> Shapes = {Ellipse, Zigzag, Star, Squares, [&](TVXPathData& P) {
                                                             Ellipse(P);
                                                             Star(P);
                                                             P.SetData(P.Data() + " M0,0 L0,1000 L1,0 Z");
                                                           }};
  for (const auto& Shape : Shapes) {
    TVXPathData P;
    Shape(P);
    std::mt19937 Rng(7);
    std::uniform_real_distribution<float> X(-10, 410), Y(-10, 310);
    std::vector<TPointF> Probes;
    for (int i = 0; i < 20000; ++i) Probes.push_back({X(Rng), Y(Rng)});
    for (const TCanvasPoints& Poly : P.ToPolygons())
      for (std::size_t i = 0; i < Poly.size(); i += 3) {
        Probes.push_back(Poly[i]);
        Probes.push_back({float((double(Poly[i].X) + Poly[(i + 1) % Poly.size()].X) / 2), Poly[i].Y});
      }
    TVXPathData NonZero;
    NonZero.Assign(P);
    NonZero.SetFillMode(fmNonZero);
    // A copy refreshed every 48 queries answers through the bands (after
    // its first query) and never reaches the grid.
    TVXPathData Banded;
    for (std::size_t i = 0; i < Probes.size(); ++i) {
      const TPointF Q = Probes[i];
      bool Expected = false, Odd = false;
      for (const TCanvasPoints& Poly : P.ToPolygons()) {
        const bool In = PointInPath(Poly, Q.X, Q.Y);
        Expected = Expected || In;
        Odd = Odd != In;  // crossings of all subpaths together
      }
      if (i % 48 == 0) {
        Banded.Assign(P);
        Banded.PointInPath(0, 0);
      }
      Banded.SetFillMode(i % 2 ? fmEvenOdd : fmNonZero);
      if (i % 3 == 0) ASSERT_EQ(Banded.PointInPath(Q), Expected) << Q.X << "," << Q.Y << " banded";
      else if (i % 2) ASSERT_EQ(Banded.PointInFill(Q), Odd) << Q.X << "," << Q.Y << " banded";
      else ASSERT_EQ(Banded.PointInFill(Q), NonZero.PointInFill(Q)) << Q.X << "," << Q.Y << " banded";
      ASSERT_EQ(P.PointInPath(Q), Expected) << Q.X << "," << Q.Y;
      ASSERT_EQ(P.PointInFill(Q), Odd) << Q.X << "," << Q.Y;
      if (i % 16 == 0) {
        // The first query on a fresh copy is a plain walk, without the index.
        TVXPathData Fresh;
        Fresh.Assign(P);
        Fresh.SetFillMode(fmNonZero);
        ASSERT_EQ(NonZero.PointInFill(Q), Fresh.PointInFill(Q)) << Q.X << "," << Q.Y;
      }
    }
  }
}

// Signed crossings of the ray from (X, Y) towards +x with a closed ring, by
// the crossing rule of the even-odd polygon test: the non-zero reference.
int RingWinding(const TCanvasPoints& Poly, float X, float Y) {
  int Sum = 0;
  for (std::size_t I = 0, J = Poly.size() - 1; I < Poly.size(); J = I++) {
    const TPointF PI = Poly[I], PJ = Poly[J];
    const bool Down = PJ.Y <= Y && Y < PI.Y, Up = PI.Y <= Y && Y < PJ.Y;
    if (!Down && !Up) continue;
    const double XC = (double(PJ.X) - PI.X) * (double(Y) - PI.Y) / (double(PJ.Y) - PI.Y) + PI.X;
    if (X < XC) Sum += Down ? 1 : -1;
  }
  return Sum;
}

// Once a path has answered a few hundred queries, its index answers most of
// them from precomputed cells. Those answers must be the polygon test's on
// the points where rounding decides: vertices and their neighbouring floats,
// points on edges (horizontal ones included), and lattices of points at
// simple fractions of the bounds, where cell boundaries fall. Shapes: single
// and many subpaths (beyond the 64 that per-subpath cell answers cover),
// degenerate subpaths, axis-aligned steps, nested rings both ways round.
TEST(PointInPath, WarmIndexAgreesOnExactPoints) {
  struct Shape {
    const char* Name;
    std::function<void(TVXPathData&)> Build;
  };
  const Shape Shapes[] = {
      {"staircase", [](TVXPathData& P) {
         P.MoveTo({0, 0});
         for (int i = 1; i <= 12; ++i) {
           P.LineTo({float(i * 8), float(i - 1) * 8});
           P.LineTo({float(i * 8), float(i * 8)});
         }
         P.LineTo({0, 96});
         P.ClosePath();
       }},
      {"circle with degenerate subpaths", [](TVXPathData& P) {
         P.SetData(CIRCLE " M20,20 M30,30 L30,30 Z M10,10 L90,90 Z M40,60 L60,60 L50,60 Z");
       }},
      {"nested rings both ways", [](TVXPathData& P) {
         for (int i = 0; i < 6; ++i) {
           const float A = float(i * 7), B = float(100 - i * 7);
           if (i % 2) P.SetData(P.Data() + " M" + std::to_string(A) + "," + std::to_string(A) + " L" +
                                std::to_string(A) + "," + std::to_string(B) + " L" + std::to_string(B) + "," +
                                std::to_string(B) + " L" + std::to_string(B) + "," + std::to_string(A) + " Z");
           else P.AddRectangle({A, A, B, B}, 0, 0);
         }
         P.AddEllipse({30, 30, 70, 70});
       }},
      {"a hundred small squares", [](TVXPathData& P) {
         for (int i = 0; i < 10; ++i)
           for (int j = 0; j < 10; ++j)
             P.AddRectangle({i * 10.0f, j * 10.0f, i * 10.0f + 6 + (i + j) % 5, j * 10.0f + 6 + (i * j) % 5}, 0, 0);
         P.AddEllipse({5, 5, 95, 95});
       }},
      {"thin spikes", [](TVXPathData& P) {
         P.MoveTo({0, 50});
         for (int i = 0; i < 40; ++i) {
           P.LineTo({float(i * 2.5 + 1.25), i % 2 ? 0.0f : 100.0f});
           P.LineTo({float(i * 2.5 + 2.5), 50});
         }
         P.LineTo({100, 100});
         P.LineTo({0, 100});
         P.ClosePath();
       }},
  };
  for (const Shape& S : Shapes) {
    TVXPathData P;
    S.Build(P);
    const TVXPolygons Polys = P.ToPolygons();
    const TRectF B = P.GetBounds();
    std::vector<TPointF> Probes;
    for (const TCanvasPoints& Poly : Polys)
      for (std::size_t i = 0; i < Poly.size(); ++i) {
        const TPointF V = Poly[i], W = Poly[(i + 1) % Poly.size()];
        Probes.push_back(V);
        for (const float DX : {-1.0f, 1.0f})
          Probes.push_back({std::nextafter(V.X, V.X + DX), V.Y});
        for (const float DY : {-1.0f, 1.0f})
          Probes.push_back({V.X, std::nextafter(V.Y, V.Y + DY)});
        Probes.push_back({float((double(V.X) + W.X) / 2), float((double(V.Y) + W.Y) / 2)});
        if (V.Y == W.Y) Probes.push_back({float(V.X * 0.25 + W.X * 0.75), V.Y});  // on a horizontal edge
      }
    for (int N = 1; N <= 96; ++N)
      for (int K = 0; K <= N; ++K) {
        const float X = float(B.Left + double(B.Right - B.Left) * K / N);
        const float Y = float(B.Top + double(B.Bottom - B.Top) * K / N);
        Probes.push_back({X, float(B.Top + double(B.Bottom - B.Top) * (N - K) / N)});
        Probes.push_back({X, Y});
      }
    // All three rules on one path, as they share its index; first enough
    // queries inside the bounds for the grid and its finer cells.
    auto Ask = [&](TPointF Q, bool* Out) {
      Out[0] = P.PointInPath(Q);
      P.SetFillMode(fmEvenOdd);
      Out[1] = P.PointInFill(Q);
      P.SetFillMode(fmNonZero);
      Out[2] = P.PointInFill(Q);
    };
    for (int i = 0; i < 400; ++i) {
      bool Ignored[3];
      Ask({B.Left + (B.Right - B.Left) * float(i % 20) / 20, B.Top + (B.Bottom - B.Top) * float(i / 20) / 20}, Ignored);
    }
    int Inside[3] = {};
    for (const TPointF Q : Probes) {
      bool Any = false, Odd = false;
      int Sum = 0;
      for (const TCanvasPoints& Poly : Polys) {
        const bool In = PointInPath(Poly, Q.X, Q.Y);
        Any = Any || In;
        Odd = Odd != In;
        Sum += RingWinding(Poly, Q.X, Q.Y);
      }
      bool Got[3];
      Ask(Q, Got);
      ASSERT_EQ(Got[0], Any) << S.Name << " at " << Q.X << "," << Q.Y;
      ASSERT_EQ(Got[1], Odd) << S.Name << " at " << Q.X << "," << Q.Y << " even-odd";
      ASSERT_EQ(Got[2], Sum != 0) << S.Name << " at " << Q.X << "," << Q.Y << " non-zero";
      Inside[0] += Any;
      Inside[1] += Odd;
      Inside[2] += Sum != 0;
    }
    // The probes reach both sides under every rule.
    for (const int N : Inside) {
      EXPECT_GT(N, 100) << S.Name;
      EXPECT_LT(N, int(Probes.size()) - 100) << S.Name;
    }
  }
}

// The fill rule decides holes: rings, overlaps and letters with counters.
TEST(PointInFill, HonoursTheFillRule) {
  // Outer square clockwise on screen; the inner one the same way (Same) or
  // the other way (Ring).
  const char* Same = "M0,0 L30,0 L30,30 L0,30 Z M10,10 L20,10 L20,20 L10,20 Z";
  const char* Ring = "M0,0 L30,0 L30,30 L0,30 Z M10,10 L10,20 L20,20 L20,10 Z";
  const char* Overlap = "M0,0 L10,0 L10,10 L0,10 Z M5,5 L15,5 L15,15 L5,15 Z";
  struct {
    const char* Path;
    float X, Y;
    bool EvenOdd, NonZero, AnySubpath;
  } const Cases[] = {
      {Same, 15, 15, false, true, true},
      {Same, 5, 5, true, true, true},
      {Ring, 15, 15, false, false, true},
      {Ring, 25, 25, true, true, true},
      {Overlap, 7, 7, false, true, true},
      {Overlap, 2, 2, true, true, true},
      {Overlap, 12, 12, true, true, true},
      {Overlap, 12, 2, false, false, false},
      // Open subpaths are filled as if closed.
      {"M0,0 L10,0 L10,10 M2,2 L8,2 L8,8", 7, 3, false, true, true},
      // A circle of two arcs with a hole of two arcs the other way round.
      {"M0,50 A50,50 0 1,1 100,50 A50,50 0 1,1 0,50 Z M30,50 A20,20 0 1,0 70,50 A20,20 0 1,0 30,50 Z", 50, 50,
       false, false, true},
      {"", 0, 0, false, false, false},
  };
  for (const auto& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    for (int Warm = 0; Warm < 2; ++Warm) {
      for (int i = 0; i < 16 * Warm; ++i) P.PointInFill(C.X + 100, C.Y);  // builds the index
      P.SetFillMode(fmEvenOdd);
      EXPECT_EQ(P.PointInFill(C.X, C.Y), C.EvenOdd) << C.Path << " at " << C.X << "," << C.Y;
      P.SetFillMode(fmNonZero);
      EXPECT_EQ(P.PointInFill(TPointF{C.X, C.Y}), C.NonZero) << C.Path << " at " << C.X << "," << C.Y;
      EXPECT_EQ(P.PointInPath(C.X, C.Y), C.AnySubpath) << C.Path << " at " << C.X << "," << C.Y;
    }
  }
}

// Issue examples: sub-unit curves keep their shape in the hit tests.
TEST(PointInPath, SmallCurvesKeepTheirShape) {
  TVXPathData P;
  P.SetData("M0 0 H2 A0.6 0.6 0 0 1 2.6 0.6 V2 H0 Z");  // a rounded corner of radius 0.6
  EXPECT_TRUE(P.PointInPath(2.4f, 0.2f));
  EXPECT_TRUE(P.PointInFill(2.4f, 0.2f));
  EXPECT_FALSE(P.PointInPath(2.55f, 0.05f));
  EXPECT_TRUE(P.PointInPathOutline(2.6f - 0.6f * 0.2929f, 0.6f * 0.2929f, 0.01f));  // on the arc at 45 degrees
}

// Regression: box checks that left out a non-finite vertex rejected points
// that the polygon test counts as inside (the ring then need not cross an even
// number of times).
TEST(PointInPath, NonFiniteVerticesMatchThePolygonTest) {
  const float Inf = std::numeric_limits<float>::infinity(), NaN = std::numeric_limits<float>::quiet_NaN();
  for (const TPointF Odd : {TPointF{Inf, 5}, TPointF{NaN, 5}, TPointF{5, NaN}, TPointF{-Inf, -Inf}}) {
    TVXPathData P;
    P.MoveTo({0, 0});
    P.LineTo(Odd);
    P.LineTo({0, 10});
    P.LineTo({10, 10});
    P.ClosePath();
    for (int i = 0; i < 8; ++i)
      for (const TPointF Q : {TPointF{100, 2}, TPointF{5, 9}, TPointF{-3, 4}, TPointF{NaN, 1}}) {
        bool Expected = false;
        for (const TCanvasPoints& Poly : P.ToPolygons()) Expected = Expected || PointInPath(Poly, Q.X, Q.Y);
        EXPECT_EQ(P.PointInPath(Q), Expected) << Odd.X << "," << Odd.Y << " at " << Q.X << "," << Q.Y;
      }
  }
}

// The first query after a change walks the segments without flattening
// them: it must answer as the polygon test does on the flattened path, also
// on hostile curves (huge, tiny, thinned to the chord budget, non-finite,
// spanning many orders of magnitude) and at the curves' own coordinates.
TEST(PointInPath, FirstQueryAgreesWithThePolygonTest) {
  const float NaN = std::numeric_limits<float>::quiet_NaN(), Inf = std::numeric_limits<float>::infinity();
  struct Shape {
    const char* Name;
    std::function<void(TVXPathData&)> Build;
  };
  const Shape Shapes[] = {
      {"circle", [](TVXPathData& P) { P.SetData(CIRCLE); }},
      {"arcs and a hole", [](TVXPathData& P) {
         P.SetData("M0,50 A50,50 0 1,1 100,50 A50,50 0 1,1 0,50 Z M30,50 A20,20 0 1,0 70,50 A20,20 0 1,0 30,50 Z");
       }},
      {"open curves after a close", [](TVXPathData& P) {
         P.SetData("C10,40 60,-20 80,30 Z C20,90 90,90 40,10 M5,5 L60,80 C0,100 100,0 5,5");
       }},
      {"huge curves, thinned", [](TVXPathData& P) {
         P.MoveTo({0, 0});
         for (int i = 0; i < 3; ++i)
           P.CurveTo({float(i * 3e6), 4e6f}, {float(i * 3e6 + 2e6), -4e6f}, {float((i + 1) * 3e6), float(i % 2) * 1e6f});
         P.ClosePath();
       }},
      {"tiny curves", [](TVXPathData& P) {
         P.MoveTo({0, 0});
         P.CurveTo({1e-30f, 3e-30f}, {4e-30f, -2e-30f}, {5e-30f, 1e-30f});
         P.CurveTo({3e-30f, 6e-30f}, {0, 4e-30f}, {0, 0});
       }},
      {"magnitudes far apart", [](TVXPathData& P) {
         P.MoveTo({0.001f, 0.002f});
         P.CurveTo({1e10f, -1e10f}, {-1e10f, 1e10f}, {0.003f, 0.001f});
         P.CurveTo({0.5f, 0.5f}, {-0.5f, 0.7f}, {0.001f, 0.002f});
       }},
      {"non-finite control points", [=](TVXPathData& P) {
         P.MoveTo({0, 0});
         P.CurveTo({NaN, 10}, {20, 30}, {40, 0});
         P.CurveTo({30, Inf}, {10, 20}, {0, 0});
         P.MoveTo({50, 50});
         P.CurveTo({60, 80}, {90, 90}, {-Inf, 60});
       }},
  };
  for (const Shape& S : Shapes) {
    TVXPathData P;
    S.Build(P);
    // Probes: the points and control points themselves, points just beside
    // them, the flattened vertices and random points over the bounds.
    std::vector<TPointF> Probes;
    for (int i = 0; i < P.GetCount(); ++i) {
      const TPointF Q = P.Points()[std::size_t(i)].Point;
      Probes.push_back(Q);
      Probes.push_back({std::nextafter(Q.X, -Inf), Q.Y});
      Probes.push_back({Q.X, std::nextafter(Q.Y, Inf)});
      Probes.push_back({Q.X * 0.5f, Q.Y * 0.999f});
    }
    for (const TCanvasPoints& Poly : P.ToPolygons())
      for (std::size_t i = 0; i < Poly.size(); i += 1 + Poly.size() / 64) Probes.push_back(Poly[i]);
    const TRectF B = P.GetBounds();
    std::mt19937 Rng(3);
    std::uniform_real_distribution<float> U(0, 1);
    for (int i = 0; i < 64; ++i)
      Probes.push_back({B.Left + U(Rng) * (B.Right - B.Left), B.Top + U(Rng) * (B.Bottom - B.Top)});
    TVXPathData NonZero;
    NonZero.Assign(P);
    NonZero.SetFillMode(fmNonZero);
    for (std::size_t k = 0; k < Probes.size(); ++k) {
      const TPointF Q = Probes[k];
      bool Any = false, Odd = false;
      for (const TCanvasPoints& Poly : P.ToPolygons()) {
        const bool In = PointInPath(Poly, Q.X, Q.Y);
        Any = Any || In;
        Odd = Odd != In;
      }
      const bool WarmNonZero = NonZero.PointInFill(Q);
      for (const TVXFillMode Mode : {fmEvenOdd, fmNonZero}) {
        TVXPathData Fresh;
        Fresh.Assign(P);
        Fresh.SetFillMode(Mode);
        ASSERT_EQ(Fresh.PointInFill(Q), Mode == fmEvenOdd ? Odd : WarmNonZero) << S.Name << " at " << Q.X << "," << Q.Y;
      }
      TVXPathData Fresh;
      Fresh.Assign(P);
      ASSERT_EQ(Fresh.PointInPath(Q), Any) << S.Name << " at " << Q.X << "," << Q.Y;
      if (k % 8 != 0) continue;
      ASSERT_EQ(Fresh.PointInPath(Q), Any) << S.Name << " at " << Q.X << "," << Q.Y << " flattened";
      // A change inside a batch, after the polygons were built: the next
      // query walks the segments again (a lone trailing move fills nothing).
      Fresh.BeginUpdate();
      Fresh.MoveTo(Q);
      ASSERT_EQ(Fresh.PointInPath(Q), Any) << S.Name << " at " << Q.X << "," << Q.Y << " in a batch";
      Fresh.EndUpdate();
    }
  }
}

// Cairo's even-odd fill of the same single-subpath curves, away from the edges.
TEST(PointInPath, AgreesWithCairoAwayFromTheEdges) {
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* Cr = cairo_create(Surface);
  cairo_set_fill_rule(Cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_tolerance(Cr, 0.01);
  for (const char* D : {"M10,60 C10,-10 110,-10 110,60 C110,90 60,100 60,120 C60,100 10,90 10,60 Z",
                        "M0,0 C200,0 -80,120 120,120 L0,120 Z", "M20,20 C150,20 -40,100 100,100 C60,0 10,140 20,20",
                        "M50,25 A20,20 0 1,1 49.9,25 Z M80,80 L120,80 L120,120 L80,120 Z"}) {
    TVXPathData P;
    P.SetData(D);
    cairo_new_path(Cr);
    for (const TPathSegment& S : P.Segments()) {
      if (S.Kind == TPathPointKind::MoveTo) cairo_move_to(Cr, S.Pt(0).X, S.Pt(0).Y);
      if (S.Kind == TPathPointKind::LineTo) cairo_line_to(Cr, S.Pt(0).X, S.Pt(0).Y);
      if (S.Kind == TPathPointKind::CurveTo)
        cairo_curve_to(Cr, S.Pt(0).X, S.Pt(0).Y, S.Pt(1).X, S.Pt(1).Y, S.Pt(2).X, S.Pt(2).Y);
      if (S.Kind == TPathPointKind::Close) cairo_close_path(Cr);
    }
    // Distance from a probe to the flattened outline, to skip points near an edge.
    auto Near = [&](double X, double Y) {
      for (const TCanvasPoints& Poly : P.ToPolygons())
        for (std::size_t i = 0; i < Poly.size(); ++i) {
          const TPointF A = Poly[i], B = Poly[(i + 1) % Poly.size()];
          const double dx = B.X - A.X, dy = B.Y - A.Y, L2 = dx * dx + dy * dy;
          const double t = L2 > 0 ? std::clamp(((X - A.X) * dx + (Y - A.Y) * dy) / L2, 0.0, 1.0) : 0;
          if (std::hypot(X - A.X - t * dx, Y - A.Y - t * dy) < 0.5) return true;
        }
      return false;
    };
    int Compared = 0, Inside = 0;
    for (double Y = -5.3; Y < 130; Y += 1.7)
      for (double X = -5.1; X < 130; X += 1.3) {
        if (Near(X, Y)) continue;
        const bool Cairo = cairo_in_fill(Cr, X, Y);
        ASSERT_EQ(P.PointInPath(float(X), float(Y)), Cairo) << D << " at " << X << "," << Y;
        ++Compared;
        Inside += Cairo;
      }
    EXPECT_GT(Inside, 200) << D;
    EXPECT_GT(Compared - Inside, 200) << D;
  }
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
}

TEST(PointInPathOutline, Table) {
  const HitCase Cases[] = {
      {"M0,0 L10,0", 5, 0.5f, true},
      {"M0,0 L10,0", 5, 1.5f, false},
      {"M0,0 L10,0", -0.5f, 0, false},  // no caps
      {"M0,0 L10,0", 10.5f, 0, false},
      {"M0,0 L10,0 L10,10", 10.5f, 0.5f, true},
      {"M0,0 L10,0 L10,10", 10.5f, -0.5f, false},  // no joins: outside both rectangles at the corner
      // The closing edge of a closed subpath is stroked too.
      {"M0,0 L10,0 L10,10 L0,10 Z", -0.5f, 5, true},
      {"M0,0 L10,0 L10,10 L0,10 Z", 5, 5, false},
      {"M0,0 L10,0 L10,10 L0,10", -0.5f, 5, false},
      // On a circle of radius 50 around (50, 50): half a unit off the curve either way.
      {CIRCLE, 50.3f, 100.5f, true},
      {CIRCLE, 84.9f, 84.9f, true},  // 0.64 inside the curve, where the rectangles overlap
      {CIRCLE, 50, 101.5f, false},
      {CIRCLE, 50, 98.5f, false},
      {"M5,5", 5, 5, false},
  };
  for (const HitCase& C : Cases) {
    TVXPathData P;
    P.SetData(C.Path);
    EXPECT_EQ(P.PointInPathOutline(C.X, C.Y, 2), C.Inside) << C.Path << " at " << C.X << "," << C.Y;
    EXPECT_EQ(P.PointInPathOutline(TPointF{C.X, C.Y}, 2), C.Inside);
  }
}

TEST(AddPathOutline, OneRectanglePerSegment) {
  TVXPathData Source;
  Source.SetData("M0,0 L10,0 L10,10 L20,10");
  TVXPathData Out;
  Out.SetData("M-5,-5");
  int Changes = 0;
  Out.SetOnChanged([&](TObject*) { ++Changes; });
  Out.AddPathOutline(Source, 2);
  EXPECT_EQ(Changes, 1);
  ASSERT_EQ(Out.GetCount(), 2 + 3 * 5);  // the old move and close stay in front
  EXPECT_EQ(Out.Data().substr(0, 40), "M-5,-5 Z M0,-1 L0,1 L10,1 L10,-1 Z M11,0");

  // A closed square gets its closing edge as a fourth rectangle.
  TVXPathData Square;
  Square.SetData("M0,0 L10,0 L10,10 L0,10 Z");
  TVXPathData Ring;
  Ring.AddPathOutline(Square, 2);
  EXPECT_EQ(Ring.GetCount(), 20);

  TVXPathData Dot;
  Dot.SetData("M5,5");
  Dot.AddPathOutline(Dot, 2);
  EXPECT_EQ(Dot.GetCount(), 2);
  TVXPathData Single;
  Single.MoveTo({1, 1});
  Ring.AddPathOutline(Single, 2);
  EXPECT_EQ(Ring.GetCount(), 20);

  // Two points: one rectangle.
  TVXPathData Two, TwoOut;
  Two.SetData("M0,0 L10,0");
  TwoOut.AddPathOutline(Two, 2);
  EXPECT_EQ(TwoOut.Data(), "M0,-1 L0,1 L10,1 L10,-1 Z");
  // A path not opening with a move starts at (0, 0), as it is drawn and measured.
  TVXPathData NoMove, NoMoveOut;
  NoMove.LineTo({10, 0});
  NoMove.LineTo({10, 10});
  NoMoveOut.AddPathOutline(NoMove, 2);
  EXPECT_EQ(NoMoveOut.Data(), "M0,-1 L0,1 L10,1 L10,-1 Z M11,0 L9,0 L9,10 L11,10 Z");
  EXPECT_TRUE(NoMove.PointInPathOutline(5, 0.5f, 2));
}

// On straight paths the outline test and the fill of the built outline use the
// same rectangles, so they agree everywhere, boundaries included.
TEST(AddPathOutline, FillAgreesWithTheOutlineTest) {
  TVXPathData Source;
  Source.SetData("M0,0 L37,11 L20,40 L3,21 Z M50,50 L80,52");
  TVXPathData Outline;
  Outline.AddPathOutline(Source, 3);
  for (float Y = -3; Y < 56; Y += 0.25f)
    for (float X = -3; X < 84; X += 0.25f)
      ASSERT_EQ(Outline.PointInPath(X, Y), Source.PointInPathOutline(X, Y, 3)) << X << "," << Y;
}

}  // namespace
