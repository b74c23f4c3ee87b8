// Hit tests and length measurement on real icon paths, against Cairo doing
// the same work in the same process.
//
// Corpus: the d="..." attributes of the SVG icons under VXFMX_ICON_DIR
// (default /usr/share/icons/Adwaita).
//
// - PointInPath/*: the same query points against every path, our hit test
//   with warm caches versus cairo_in_fill (even-odd, default tolerance 0.1),
//   at the icons' own size and with each path scaled to fill 512 x 512.
// - PointInFill/*: the same with the fill-rule test (even-odd, as Cairo).
// - Length/*: parsing the path text and measuring it, versus building the
//   already parsed path in Cairo, flattening it with cairo_copy_path_flat
//   (tolerance 0.005, our chords' largest distance from the curve; and 0.1,
//   Cairo's default) and adding up the flat segments. Length/CopyAndMeasure
//   leaves the parsing out: the parsed points are copied in and measured.

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "tests/support/CairoPath.h"
#include "tests/support/IconCorpus.h"

using namespace FMX::VX::Graphics;

namespace {

using VXTest::AddToCairo;

struct TCorpusPath {
  std::string Text;
  std::unique_ptr<TVXPathData> Path;  // parsed, at icon size or scaled
  std::vector<TPointF> Probes;
  cairo_t* Cr = nullptr;  // holds the same path as its current path
};

double Dist(double DX, double DY) { return std::sqrt(DX * DX + DY * DY); }

class TCorpus {
 public:
  explicit TCorpus(float FitSize) {
    FSurface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    std::mt19937 Rng(1);
    for (std::string& Text : LoadIconPathTexts()) {
      TCorpusPath C;
      C.Path = std::make_unique<TVXPathData>();
      C.Path->SetData(Text);
      TRectF B = C.Path->GetBounds();
      if (C.Path->IsEmpty() || !(B.Width() > 0) || !(B.Height() > 0)) continue;
      if (FitSize > 0) {
        const float S = float(FitSize / std::max(B.Width(), B.Height()));
        C.Path->ApplyMatrix(TMatrix::CreateTranslation(-B.Left, -B.Top) * TMatrix::CreateScaling(S, S));
        B = C.Path->GetBounds();
      }
      // Points over the bounds grown by a tenth on each side: some outside,
      // most inside the box, where the work is.
      const double MX = B.Width() * 0.1, MY = B.Height() * 0.1;
      std::uniform_real_distribution<double> X(B.Left - MX, B.Right + MX), Y(B.Top - MY, B.Bottom + MY);
      for (int i = 0; i < 32; ++i) C.Probes.push_back({float(X(Rng)), float(Y(Rng))});
      C.Cr = cairo_create(FSurface);
      cairo_set_fill_rule(C.Cr, CAIRO_FILL_RULE_EVEN_ODD);
      AddToCairo(C.Cr, *C.Path);
      // Warm the caches and build the index, outside the timed loops. Only
      // queries inside the bounds count towards the index (the grid comes
      // after 65 of them, its finer grid after 129): a path with few probes
      // inside takes more passes.
      std::size_t Inside = 0;
      for (const TPointF& Q : C.Probes) Inside += Q.X >= B.Left && Q.X <= B.Right && Q.Y >= B.Top && Q.Y < B.Bottom;
      for (std::size_t Pass = 0; Pass < 2 + 160 / std::max<std::size_t>(Inside, 1); ++Pass)
        for (const TPointF& Q : C.Probes) C.Path->PointInPath(Q);
      C.Text = std::move(Text);
      Paths.push_back(std::move(C));
    }
  }
  ~TCorpus() {
    for (TCorpusPath& C : Paths) cairo_destroy(C.Cr);
    cairo_surface_destroy(FSurface);
  }
  std::size_t Queries() const {
    std::size_t N = 0;
    for (const TCorpusPath& C : Paths) N += C.Probes.size();
    return N;
  }

  std::vector<TCorpusPath> Paths;

 private:
  cairo_surface_t* FSurface = nullptr;
};

TCorpus& IconCorpus() {
  static TCorpus C(0);
  return C;
}
TCorpus& LargeCorpus() {
  static TCorpus C(512);
  return C;
}

void HitOurs(benchmark::State& State, TCorpus& Corpus) {
  std::size_t Hits = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths)
      for (const TPointF& P : C.Probes) Hits += C.Path->PointInPath(P.X, P.Y);
  benchmark::DoNotOptimize(Hits);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Queries()));
  State.counters["paths"] = double(Corpus.Paths.size());
}

void HitCairo(benchmark::State& State, TCorpus& Corpus) {
  std::size_t Hits = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths)
      for (const TPointF& P : C.Probes) Hits += cairo_in_fill(C.Cr, P.X, P.Y);
  benchmark::DoNotOptimize(Hits);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Queries()));
}

void FillOurs(benchmark::State& State, TCorpus& Corpus) {
  std::size_t Hits = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths)
      for (const TPointF& P : C.Probes) Hits += C.Path->PointInFill(P.X, P.Y);
  benchmark::DoNotOptimize(Hits);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Queries()));
}

void BM_PointInPath_Icon(benchmark::State& S) { HitOurs(S, IconCorpus()); }
void BM_PointInFill_Icon(benchmark::State& S) { FillOurs(S, IconCorpus()); }
void BM_PointInFill_512(benchmark::State& S) { FillOurs(S, LargeCorpus()); }
void BM_PointInPath_Icon_Cairo(benchmark::State& S) { HitCairo(S, IconCorpus()); }
void BM_PointInPath_512(benchmark::State& S) { HitOurs(S, LargeCorpus()); }
void BM_PointInPath_512_Cairo(benchmark::State& S) { HitCairo(S, LargeCorpus()); }

// Cold start: a fresh copy of each path and enough queries (16) to build the
// index, so the cost of flattening and indexing shows.
void BM_PointInPath_512_ColdIndex(benchmark::State& State) {
  TCorpus& Corpus = LargeCorpus();
  std::size_t Hits = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths) {
      TVXPathData P;
      P.Assign(*C.Path);
      for (int i = 0; i < 16; ++i) Hits += P.PointInPath(C.Probes[std::size_t(i)]);
    }
  benchmark::DoNotOptimize(Hits);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Paths.size()));
}

// The first query after a change, and the first 64: a fresh copy of each
// path queried once (or 64 times), against Cairo rebuilding the path and
// asking cairo_in_fill as often.
void FirstQueries(benchmark::State& State, TCorpus& Corpus, int Queries, bool Cairo) {
  std::size_t Hits = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths) {
      if (Cairo) {
        AddToCairo(C.Cr, *C.Path);
        for (int i = 0; i < Queries; ++i) {
          const TPointF& Q = C.Probes[std::size_t(i) % C.Probes.size()];
          Hits += cairo_in_fill(C.Cr, Q.X, Q.Y);
        }
      } else {
        TVXPathData P;
        P.Assign(*C.Path);
        for (int i = 0; i < Queries; ++i) Hits += P.PointInPath(C.Probes[std::size_t(i) % C.Probes.size()]);
      }
    }
  benchmark::DoNotOptimize(Hits);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Paths.size()));
}
void BM_First_Icon(benchmark::State& S) { FirstQueries(S, IconCorpus(), 1, false); }
void BM_First_Icon_Cairo(benchmark::State& S) { FirstQueries(S, IconCorpus(), 1, true); }
void BM_First64_Icon(benchmark::State& S) { FirstQueries(S, IconCorpus(), 64, false); }
void BM_First64_Icon_Cairo(benchmark::State& S) { FirstQueries(S, IconCorpus(), 64, true); }
void BM_First_512(benchmark::State& S) { FirstQueries(S, LargeCorpus(), 1, false); }
void BM_First_512_Cairo(benchmark::State& S) { FirstQueries(S, LargeCorpus(), 1, true); }
void BM_First64_512(benchmark::State& S) { FirstQueries(S, LargeCorpus(), 64, false); }
void BM_First64_512_Cairo(benchmark::State& S) { FirstQueries(S, LargeCorpus(), 64, true); }

void BM_Length_ParseAndMeasure(benchmark::State& State) {
  TCorpus& Corpus = IconCorpus();
  TVXPathData P;
  double Total = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths) {
      P.SetData(C.Text);
      Total += P.GetLength();
    }
  benchmark::DoNotOptimize(Total);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Paths.size()));
}

// The measurement alone: the parsed points copied in, then measured.
void BM_Length_CopyAndMeasure(benchmark::State& State) {
  TCorpus& Corpus = IconCorpus();
  TVXPathData P;
  double Total = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths) {
      P.Assign(*C.Path);
      Total += P.GetLength();
    }
  benchmark::DoNotOptimize(Total);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Paths.size()));
}

void CairoBuildAndFlatten(benchmark::State& State, double Tolerance) {
  TCorpus& Corpus = IconCorpus();
  cairo_surface_t* Surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* Cr = cairo_create(Surface);
  cairo_set_tolerance(Cr, Tolerance);
  double Total = 0;
  for (auto _ : State)
    for (const TCorpusPath& C : Corpus.Paths) {
      AddToCairo(Cr, *C.Path);
      cairo_path_t* Flat = cairo_copy_path_flat(Cr);
      double X = 0, Y = 0, SX = 0, SY = 0;
      for (int i = 0; i < Flat->num_data; i += Flat->data[i].header.length) {
        const cairo_path_data_t* D = &Flat->data[i];
        if (D->header.type == CAIRO_PATH_MOVE_TO) {
          X = SX = D[1].point.x;
          Y = SY = D[1].point.y;
        } else if (D->header.type == CAIRO_PATH_LINE_TO) {
          Total += Dist(D[1].point.x - X, D[1].point.y - Y);
          X = D[1].point.x;
          Y = D[1].point.y;
        } else if (D->header.type == CAIRO_PATH_CLOSE_PATH) {
          Total += Dist(SX - X, SY - Y);
          X = SX;
          Y = SY;
        }
      }
      cairo_path_destroy(Flat);
    }
  benchmark::DoNotOptimize(Total);
  State.SetItemsProcessed(std::int64_t(State.iterations() * Corpus.Paths.size()));
  cairo_destroy(Cr);
  cairo_surface_destroy(Surface);
}

void BM_Length_Cairo_BuildAndFlatten(benchmark::State& State) { CairoBuildAndFlatten(State, 0.1); }
// Our chords stay within 0.005 units of the curve (less on small curves):
// Cairo at the same tolerance.
void BM_Length_Cairo_BuildAndFlatten_Tol005(benchmark::State& State) { CairoBuildAndFlatten(State, 0.005); }

}  // namespace

BENCHMARK(BM_PointInPath_Icon);
BENCHMARK(BM_PointInFill_Icon);
BENCHMARK(BM_PointInFill_512);
BENCHMARK(BM_PointInPath_Icon_Cairo);
BENCHMARK(BM_PointInPath_512);
BENCHMARK(BM_PointInPath_512_Cairo);
BENCHMARK(BM_PointInPath_512_ColdIndex);
BENCHMARK(BM_First_Icon);
BENCHMARK(BM_First_Icon_Cairo);
BENCHMARK(BM_First64_Icon);
BENCHMARK(BM_First64_Icon_Cairo);
BENCHMARK(BM_First_512);
BENCHMARK(BM_First_512_Cairo);
BENCHMARK(BM_First64_512);
BENCHMARK(BM_First64_512_Cairo);
BENCHMARK(BM_Length_ParseAndMeasure);
BENCHMARK(BM_Length_CopyAndMeasure);
BENCHMARK(BM_Length_Cairo_BuildAndFlatten);
BENCHMARK(BM_Length_Cairo_BuildAndFlatten_Tol005);

int main(int argc, char** argv) {
  // Load, parse and warm both corpora before any timing.
  IconCorpus();
  LargeCorpus();
  return RunWithRatios(argc, argv, [](TRatioReporter& R) {
    R.PrintTimeRatio("PointInPath queries per second / cairo_in_fill, icon size", "BM_PointInPath_Icon_Cairo",
                     "BM_PointInPath_Icon", "goal: at least 20x");
    R.PrintTimeRatio("PointInPath queries per second / cairo_in_fill, 512 x 512", "BM_PointInPath_512_Cairo",
                     "BM_PointInPath_512", "goal: at least 10x");
    R.PrintTimeRatio("PointInFill queries per second / cairo_in_fill, icon size", "BM_PointInPath_Icon_Cairo",
                     "BM_PointInFill_Icon", "goal: at least 20x");
    R.PrintTimeRatio("PointInFill queries per second / cairo_in_fill, 512 x 512", "BM_PointInPath_512_Cairo",
                     "BM_PointInFill_512", "goal: at least 10x");
    for (const char* Size : {"Icon", "512"}) {
      const std::string S = Size;
      R.PrintTimeRatio(("first PointInPath after a change, speed / Cairo rebuild + cairo_in_fill, " + S).c_str(),
                       "BM_First_" + S + "_Cairo", "BM_First_" + S, "goal: at least 1x");
      R.PrintTimeRatio(("first 64 PointInPath after a change, speed / Cairo, " + S).c_str(),
                       "BM_First64_" + S + "_Cairo", "BM_First64_" + S, "goal: at least 2x");
    }
    R.PrintTimeRatio("parse + GetLength cost / Cairo build + cairo_copy_path_flat (tolerance 0.005)",
                     "BM_Length_ParseAndMeasure", "BM_Length_Cairo_BuildAndFlatten_Tol005", "goal: at most 1x");
    R.PrintTimeRatio("parse + GetLength cost / Cairo build + cairo_copy_path_flat (tolerance 0.1)",
                     "BM_Length_ParseAndMeasure", "BM_Length_Cairo_BuildAndFlatten", "for reference");
  });
}
