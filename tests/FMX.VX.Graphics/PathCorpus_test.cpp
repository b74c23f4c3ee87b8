// The path class against the world: real icon path data measured against
// exact lengths, and the fill-rule hit test against Cairo's cairo_in_fill.

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "support/CairoPath.h"
#include "support/ExactPathLength.h"
#include "support/IconCorpus.h"

using namespace FMX::VX::Graphics;

namespace {

using VXTest::AddToCairo;

const std::vector<std::string>& Corpus() {
  static const std::vector<std::string> Texts = LoadIconPathTexts();
  return Texts;
}

TEST(IconCorpus, LengthsWithinOnePerMilleOfTheExactLengthAtEveryScale) {
  if (Corpus().empty()) GTEST_SKIP() << "no icons under " << IconDirectory();
  for (const float Scale : {0.01f, 1.0f, 64.0f}) {
    std::size_t Bad = 0;
    for (const std::string& Text : Corpus()) {
      TVXPathData P;
      P.SetData(Text);
      if (Scale != 1) P.ApplyMatrix(TMatrix::CreateScaling(Scale, Scale));
      const double Truth = ExactLength::PathTextLength(Text) * Scale;
      const double Got = P.GetLength();
      if (!(std::fabs(Got - Truth) <= std::max(Truth * 1e-3, 1e-6 * Scale)) && ++Bad <= 5)
        ADD_FAILURE() << "scale " << Scale << ": " << Got << " against " << Truth << " for " << Text.substr(0, 200);
    }
    EXPECT_EQ(Bad, 0u) << "scale " << Scale << ", of " << Corpus().size();
  }
}

double SegmentDistance(TPointF P, TPointF A, TPointF B) {
  const double DX = double(B.X) - A.X, DY = double(B.Y) - A.Y, L2 = DX * DX + DY * DY;
  double T = L2 > 0 ? ((double(P.X) - A.X) * DX + (double(P.Y) - A.Y) * DY) / L2 : 0;
  T = std::clamp(T, 0.0, 1.0);
  return std::hypot(double(P.X) - (A.X + T * DX), double(P.Y) - (A.Y + T * DY));
}

// Distance from P to the outline, closing edges included.
double OutlineDistance(const TVXPolygons& Polys, TPointF P) {
  double D = INFINITY;
  for (const TCanvasPoints& Poly : Polys)
    for (std::size_t i = 0; i < Poly.size(); ++i) D = std::min(D, SegmentDistance(P, Poly[i], Poly[(i + 1) % Poly.size()]));
  return D;
}

// Every probe farther than 0.01 from the outline gets Cairo's answer,
// under both fill rules, at icon size and scaled to 512 units; the first
// queries are plain walks, the later ones go through the index. Cairo
// flattens curves in 24.8 fixed point, halving with truncation, which puts
// its own outline up to about 3/256 off the curve at unit scale; under a
// 256-fold transform (tolerance 0.1 device units) it is exact to a few
// ten-thousandths, so a disagreement is ours.
TEST(IconCorpus, PointInFillAgreesWithCairo) {
  if (Corpus().empty()) GTEST_SKIP() << "no icons under " << IconDirectory();
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* Cr = cairo_create(Surface);
  cairo_scale(Cr, 256, 256);
  cairo_set_tolerance(Cr, 0.1);
  std::mt19937 Rng(7);
  std::size_t Compared = 0, Bad = 0, Holes = 0;
  for (const float Fit : {0.0f, 512.0f}) {
    for (const std::string& Text : Corpus()) {
      TVXPathData P;
      P.SetData(Text);
      TRectF B = P.GetBounds();
      if (!(B.Width() > 0 && B.Height() > 0)) continue;
      if (Fit > 0) {
        const float S = float(Fit / std::max(B.Width(), B.Height()));
        P.ApplyMatrix(TMatrix::CreateTranslation(-B.Left, -B.Top) * TMatrix::CreateScaling(S, S));
        B = P.GetBounds();
      }
      AddToCairo(Cr, P);
      std::uniform_real_distribution<double> X(B.Left - B.Width() * 0.1, B.Right + B.Width() * 0.1);
      std::uniform_real_distribution<double> Y(B.Top - B.Height() * 0.1, B.Bottom + B.Height() * 0.1);
      for (const TVXFillMode Mode : {fmEvenOdd, fmNonZero}) {
        P.SetFillMode(Mode);
        cairo_set_fill_rule(Cr, Mode == fmEvenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        for (int i = 0; i < 80; ++i) {  // with both rules, enough for the index and its finer grid
          const TPointF Q{float(X(Rng)), float(Y(Rng))};
          if (OutlineDistance(P.ToPolygons(), Q) <= 0.01) continue;
          const bool Ours = P.PointInFill(Q), Theirs = cairo_in_fill(Cr, Q.X, Q.Y);
          ++Compared;
          Holes += P.PointInPath(Q) != Ours;
          if (Ours != Theirs && ++Bad <= 5)
            ADD_FAILURE() << (Mode == fmEvenOdd ? "even-odd" : "non-zero") << " at " << Q.X << "," << Q.Y
                          << ": ours " << Ours << " for " << Text.substr(0, 200);
        }
      }
    }
  }
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
  EXPECT_EQ(Bad, 0u) << "of " << Compared;
  EXPECT_GT(Compared, Corpus().size() * 100);
  // The corpus has holes where the per-subpath test and the fill differ.
  EXPECT_GT(Holes, 0u);
}

}  // namespace
