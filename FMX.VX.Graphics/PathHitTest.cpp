// Hit tests against the fill and the stroked outline of a path, and outlines
// built from rectangles.
//
// The fill test is the even-odd polygon test run on each cached polygon. A
// path that is hit-tested repeatedly gets an index (after a few queries, so
// that a single test after each edit stays a plain walk):
//
// - Bands. A large polygon is cut into horizontal bands, and each band keeps
//   a copy of the polygon reduced to the vertices that matter for a point in
//   that band. Relative to a band, a vertex lies above it, in it, or below
//   it. An edge can cross the horizontal through a point of the band only if
//   its two ends differ in that respect, so within a run of consecutive
//   vertices above (or below) the band only the first and the last are
//   needed: the shortcut between them joins two vertices on the same side
//   and never crosses. The reduced polygon keeps every crossing edge as it
//   was (same ends, same direction), so the polygon test gives the very same
//   answer on it.
// - Cells. The path's bounds are divided into a grid. A cell that no edge
//   comes near (a small margin included) lies wholly inside or wholly
//   outside the fill, since the answer can only change across an edge; its
//   answer is worked out once with the polygon test and then read directly.
//   Cells that an edge touches go through the polygon test every time.
//
// Band and cell numbers come from one monotonic function of the coordinate
// each, used both when building and when querying, so a point is always
// judged with the data built for the cell and band it maps to.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "FMX.VX.Graphics/CubicFlatten_p.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/VXPathData.h"

namespace FMX::VX::Graphics {

namespace {

// Queries answered by the plain walk before the index is built.
constexpr std::uint32_t kQueriesBeforeIndex = 4;
// Polygons up to this size are tested whole; so are giant ones, whose band
// copies could outgrow 32-bit offsets.
constexpr std::size_t kMinBandedPolygon = 32;
constexpr std::size_t kMaxBandedPolygon = std::size_t(1) << 26;
// Aim for about this many polygon vertices per band, with at most kMaxBands
// bands, and halve the bands while the copies would outgrow kMaxCopyFactor
// times the polygon.
constexpr std::size_t kVerticesPerBand = 4;
constexpr std::size_t kMaxBands = 4096;
constexpr std::size_t kMaxCopyFactor = 6;
// Cells per side of the grid.
constexpr std::uint32_t kGridSize = 64;

enum TCellState : std::uint8_t { csUnknown = 0, csInside = 1, csOutside = 2, csEdge = 3 };

// Bucket of V in [0, Count) for V >= Origin: floor((V - Origin) * Scale),
// the last bucket also taking what lies beyond. Monotonic in V.
inline std::uint32_t Bucket(double V, double Origin, double Scale, std::uint32_t Count) {
  const double B = (V - Origin) * Scale;
  return B > 0 ? (B < Count ? std::min(std::uint32_t(B), Count - 1) : Count - 1) : 0;  // NaN: 0
}

}  // namespace

struct TVXPathData::TPathHitIndex {
  struct TPolygonIndex {
    TRectF Bounds;                 // of the vertices (unbounded with a non-finite one); inverted when empty
    std::uint32_t BandCount = 0;   // 0: test the polygon whole
    std::uint32_t FirstStart = 0;  // into Starts (BandCount + 1 entries)
    double BandScale = 0;          // bands per unit of y
  };
  std::vector<TPolygonIndex> Polygons;
  std::vector<std::uint32_t> Starts;  // band start offsets into Points, then the end
  TCanvasPoints Points;               // reduced polygons of all bands

  TRectF Bounds;                      // union of the polygon bounds
  bool AllFinite = true;
  bool Built = false;                 // bands built
  std::uint32_t GridSize = 0;         // 0: no grid
  double CellScaleX = 0, CellScaleY = 0;
  // Per rule: queries so far, and the grid of known answers (TCellState,
  // 2 bits per cell; empty until built).
  struct TRuleGrid {
    std::uint32_t Queries = 0;
    bool Built = false;
    std::vector<std::uint8_t> Cells;
  };
  TRuleGrid Grids[3];

  std::uint32_t BandOf(const TPolygonIndex& P, double Y) const {
    return Bucket(Y, P.Bounds.Top, P.BandScale, P.BandCount);
  }
  std::uint32_t CellOf(double X, double Y) const {
    return Bucket(Y, Bounds.Top, CellScaleY, GridSize) * GridSize + Bucket(X, Bounds.Left, CellScaleX, GridSize);
  }
  static TCellState Cell(const std::vector<std::uint8_t>& Cells, std::uint32_t C) {
    return TCellState((Cells[C >> 2] >> ((C & 3) * 2)) & 3);
  }

  void Start(const TVXPolygons& Source);
  void Build(const TVXPolygons& Source);
  void AddBands(const TCanvasPoints& Poly, TPolygonIndex& P);
  void AddGrid(const TVXPolygons& Source, THitRule Rule);
  void MarkEdge(TPointF A, TPointF B, double Margin, std::vector<std::uint8_t>& Work);
  bool Test(const TVXPolygons& Source, float X, float Y, THitRule Rule) const;
  // The answer, through the grid when there is one for the rule.
  bool Query(const TVXPolygons& Source, float X, float Y, THitRule Rule) const;
};

void TVXPathData::THitIndexDeleter::operator()(TPathHitIndex* Index) const { delete Index; }

// Bounds only; the rest waits for Build.
void TVXPathData::TPathHitIndex::Start(const TVXPolygons& Source) {
  Polygons.resize(Source.size());
  const float Inf = std::numeric_limits<float>::infinity();
  Bounds = {Inf, Inf, -Inf, -Inf};
  for (std::size_t i = 0; i < Source.size(); ++i) {
    float L = Inf, T = Inf, R = -Inf, B = -Inf;
    bool Finite = true;
    for (const TPointF& V : Source[i]) {
      Finite = Finite && std::isfinite(V.X) && std::isfinite(V.Y);
      L = std::min(L, V.X);
      R = std::max(R, V.X);
      T = std::min(T, V.Y);
      B = std::max(B, V.Y);
    }
    // Edges at a NaN or infinite vertex drop out of the polygon test or give
    // NaN crossings, so such a ring need not cross an even number of times:
    // no box can stand in for the test then.
    if (!Finite) {
      L = T = -Inf;
      R = B = Inf;
      AllFinite = false;
    }
    Polygons[i].Bounds = {L, T, R, B};
    Bounds = {std::min(Bounds.Left, L), std::min(Bounds.Top, T), std::max(Bounds.Right, R),
              std::max(Bounds.Bottom, B)};
  }
}

void TVXPathData::TPathHitIndex::Build(const TVXPolygons& Source) {
  Built = true;
  if (!AllFinite) return;
  for (std::size_t i = 0; i < Source.size(); ++i)
    if (Source[i].size() > kMinBandedPolygon && Source[i].size() <= kMaxBandedPolygon &&
        Polygons[i].Bounds.Bottom > Polygons[i].Bounds.Top)
      AddBands(Source[i], Polygons[i]);
}

// Vertex v is needed in the bands from the lowest to the highest band number
// of v and its two neighbours: in its own band, and wherever one of its edges
// has one end above the band and the other in or below it (or the reverse).
void TVXPathData::TPathHitIndex::AddBands(const TCanvasPoints& Poly, TPolygonIndex& P) {
  const std::size_t n = Poly.size();
  const double Height = double(P.Bounds.Bottom) - double(P.Bounds.Top);
  std::vector<std::uint32_t> Band(n);
  std::vector<std::uint32_t> Count;
  for (std::size_t K = std::min(kMaxBands, n / kVerticesPerBand); K > 1; K /= 2) {
    P.BandCount = std::uint32_t(K);
    P.BandScale = double(K) / Height;
    for (std::size_t v = 0; v < n; ++v) Band[v] = BandOf(P, Poly[v].Y);
    auto Range = [&](std::size_t v, std::uint32_t& Lo, std::uint32_t& Hi) {
      const std::uint32_t A = Band[(v + n - 1) % n], B = Band[v], C = Band[(v + 1) % n];
      Lo = std::min({A, B, C});
      Hi = std::max({A, B, C}) + 1;
    };
    Count.assign(K + 1, 0);
    std::size_t Total = 0;
    for (std::size_t v = 0; v < n; ++v) {
      std::uint32_t Lo, Hi;
      Range(v, Lo, Hi);
      ++Count[Lo];
      --Count[Hi];
      Total += Hi - Lo;
    }
    if (Total > kMaxCopyFactor * n) continue;
    const std::size_t StartBase = Starts.size();
    P.FirstStart = std::uint32_t(StartBase);
    Starts.resize(StartBase + K + 1);
    // Count holds the changes of the per-band count from band to band.
    std::uint32_t InBand = 0, Offset = std::uint32_t(Points.size());
    for (std::size_t k = 0; k <= K; ++k) {
      Starts[StartBase + k] = Offset;
      InBand += Count[k];
      if (k < K) Offset += InBand;
    }
    Points.resize(Offset);
    std::vector<std::uint32_t> Fill(Starts.begin() + std::ptrdiff_t(StartBase), Starts.end() - 1);
    for (std::size_t v = 0; v < n; ++v) {
      std::uint32_t Lo, Hi;
      Range(v, Lo, Hi);
      for (std::uint32_t k = Lo; k < Hi; ++k) Points[Fill[k]++] = Poly[v];
    }
    return;
  }
  P.BandCount = 0;
}

// Marks (in Work, one byte per cell) the cells that the segment A-B comes
// within Margin of.
void TVXPathData::TPathHitIndex::MarkEdge(TPointF A, TPointF B, double Margin, std::vector<std::uint8_t>& Work) {
  const double X0 = std::min(A.X, B.X) - Margin, X1 = std::max(A.X, B.X) + Margin;
  const double Y0 = std::min(A.Y, B.Y) - Margin, Y1 = std::max(A.Y, B.Y) + Margin;
  const std::uint32_t I0 = Bucket(X0, Bounds.Left, CellScaleX, GridSize);
  const std::uint32_t I1 = Bucket(X1, Bounds.Left, CellScaleX, GridSize);
  const std::uint32_t J0 = Bucket(Y0, Bounds.Top, CellScaleY, GridSize);
  const std::uint32_t J1 = Bucket(Y1, Bounds.Top, CellScaleY, GridSize);
  const bool Slanted = I1 > I0 + 1 && J1 > J0 + 1;
  const double dx = double(B.X) - A.X, dy = double(B.Y) - A.Y;
  const double CW = 1 / CellScaleX, CH = 1 / CellScaleY;
  auto Side = [&](double X, double Y) { return dx * (Y - A.Y) - dy * (X - A.X); };
  for (std::uint32_t j = J0; j <= J1; ++j)
    for (std::uint32_t i = I0; i <= I1; ++i) {
      if (Slanted) {
        // A long slanted edge: skip the cells of its box that lie wholly on
        // one side of its line.
        const double L = Bounds.Left + i * CW - Margin, R = Bounds.Left + (i + 1) * CW + Margin;
        const double T = Bounds.Top + j * CH - Margin, Bt = Bounds.Top + (j + 1) * CH + Margin;
        const double S0 = Side(L, T), S1 = Side(R, T), S2 = Side(L, Bt), S3 = Side(R, Bt);
        if ((S0 > 0 && S1 > 0 && S2 > 0 && S3 > 0) || (S0 < 0 && S1 < 0 && S2 < 0 && S3 < 0)) continue;
      }
      Work[j * GridSize + i] = csEdge;
    }
}

void TVXPathData::TPathHitIndex::AddGrid(const TVXPolygons& Source, THitRule Rule) {
  Grids[int(Rule)].Built = true;
  if (!AllFinite) return;
  const double W = double(Bounds.Right) - Bounds.Left, H = double(Bounds.Bottom) - Bounds.Top;
  if (!(W > 0 && H > 0)) return;
  const double Magnitude = std::max({std::fabs(double(Bounds.Left)), std::fabs(double(Bounds.Right)),
                                     std::fabs(double(Bounds.Top)), std::fabs(double(Bounds.Bottom))});
  // Cells must stay far wider than the rounding of the coordinates.
  if (std::min(W, H) < kGridSize * 1e-4 * Magnitude) return;
  const std::uint32_t G = GridSize = kGridSize;
  CellScaleX = G / W;
  CellScaleY = G / H;
  std::vector<std::uint8_t>& Cells = Grids[int(Rule)].Cells;
  std::vector<std::uint8_t> Work(std::size_t(G) * G, csUnknown);
  const double Margin = 1e-6 * (Magnitude + std::max(W, H));
  for (const TCanvasPoints& Poly : Source)
    for (std::size_t i = 0; i < Poly.size(); ++i) MarkEdge(Poly[i], Poly[(i + 1) % Poly.size()], Margin, Work);
  // Cells that no edge touches share their answer with the untouched cells
  // next to them: fill each connected group (span by span) from one probe.
  std::vector<std::uint32_t> Seeds;
  for (std::uint32_t C = 0; C < G * G; ++C) {
    if (Work[C] != csUnknown) continue;
    const std::uint32_t i = C % G, j = C / G;
    const float X = float(Bounds.Left + (i + 0.5) / CellScaleX), Y = float(Bounds.Top + (j + 0.5) / CellScaleY);
    if (CellOf(X, Y) != C || !(X <= Bounds.Right && Y < Bounds.Bottom)) {
      Work[C] = csEdge;  // no probe point inside the cell: leave it to the full test
      continue;
    }
    const std::uint8_t S = Test(Source, X, Y, Rule) ? csInside : csOutside;
    Seeds.push_back(C);
    while (!Seeds.empty()) {
      const std::uint32_t D = Seeds.back();
      Seeds.pop_back();
      if (Work[D] != csUnknown) continue;
      const std::uint32_t Row = D - D % G;
      std::uint32_t L = D, R = D;
      while (L > Row && Work[L - 1] == csUnknown) --L;
      while (R + 1 < Row + G && Work[R + 1] == csUnknown) ++R;
      std::fill(Work.begin() + L, Work.begin() + R + 1, S);
      for (const std::int64_t Step : {-std::int64_t(G), std::int64_t(G)}) {
        if ((Step < 0 && Row == 0) || (Step > 0 && Row + G >= G * G)) continue;
        for (std::uint32_t E = L; E <= R; ++E) {
          const std::uint32_t N = std::uint32_t(E + Step);
          if (Work[N] == csUnknown && (E == L || Work[N - 1] != csUnknown)) Seeds.push_back(N);
        }
      }
    }
  }
  Cells.assign((std::size_t(G) * G + 3) / 4, 0);
  for (std::uint32_t C = 0; C < G * G; ++C) Cells[C >> 2] = std::uint8_t(Cells[C >> 2] | (Work[C] << ((C & 3) * 2)));
}

// Signed crossings of the ray from (X, Y) towards +x with the edges of the
// ring (closing edge included): +1 where the edge runs down the screen, -1
// where it runs up. The crossing rule is that of the even-odd polygon test,
// so the parity of the sum is that test's answer.
static int Winding(std::span<const TPointF> Polygon, float X, float Y) {
  int Sum = 0;
  if (Polygon.empty()) return 0;
  std::size_t J = Polygon.size() - 1;
  for (std::size_t I = 0; I < Polygon.size(); J = I++) {
    const TPointF& PI = Polygon[I];
    const TPointF& PJ = Polygon[J];
    const bool Down = PJ.Y <= Y && Y < PI.Y;
    if (Down || (PI.Y <= Y && Y < PJ.Y)) {
      const double XC = (double(PJ.X) - PI.X) * (double(Y) - PI.Y) / (double(PJ.Y) - PI.Y) + PI.X;
      if (X < XC) Sum += Down ? 1 : -1;
    }
  }
  return Sum;
}

// The polygon test on each polygon in turn (through its bands when it has
// them), after the box check.
bool TVXPathData::TPathHitIndex::Test(const TVXPolygons& Source, float X, float Y, THitRule Rule) const {
  int Sum = 0;
  for (std::size_t i = 0; i < Polygons.size(); ++i) {
    const TPolygonIndex& P = Polygons[i];
    // No edge lies right of a point beyond the right edge, and a point left of
    // every vertex crosses each closed ring as often down as up. Points on
    // the right edge itself go through the full test.
    const TRectF& B = P.Bounds;
    if (!(X >= B.Left && X <= B.Right && Y >= B.Top && Y < B.Bottom)) continue;
    std::span<const TPointF> Poly = Source[i];
    if (P.BandCount > 0) {
      const std::uint32_t k = BandOf(P, Y);
      const std::uint32_t* S = Starts.data() + P.FirstStart;
      Poly = std::span<const TPointF>(Points.data() + S[k], S[k + 1] - S[k]);
    }
    if (Rule == THitRule::AnySubpath) {
      if (Graphics::PointInPath(Poly, X, Y)) return true;
    } else {
      Sum += Winding(Poly, X, Y);
    }
  }
  return Rule == THitRule::EvenOdd ? (Sum & 1) != 0 : Sum != 0;
}

bool TVXPathData::TPathHitIndex::Query(const TVXPolygons& Source, float X, float Y, THitRule Rule) const {
  if (!(X >= Bounds.Left && X <= Bounds.Right && Y >= Bounds.Top && Y < Bounds.Bottom)) return false;
  const std::vector<std::uint8_t>& Cells = Grids[int(Rule)].Cells;
  if (!Cells.empty()) {
    const TCellState S = Cell(Cells, CellOf(X, Y));
    if (S == csInside) return true;
    if (S == csOutside) return false;
  }
  return Test(Source, X, Y, Rule);
}

const TVXPolygons& TVXPathData::CurrentPolygons() const {
  if (!FBatchStale) {
    UpdateMeasureCaches();
    return FPolygons;
  }
  if (!FLiveValid) {
    Detail::FlattenPath(*this, FLivePolygons);
    FLiveIndex.reset(new TPathHitIndex);
    FLiveIndex->Start(FLivePolygons);
    FLiveValid = true;
  }
  return FLivePolygons;
}

bool TVXPathData::HitTest(float X, float Y, THitRule Rule) const {
  // The common case first: a warm index for the rule on current caches.
  if (const TPathHitIndex* Ready = FHitIndex.get();
      Ready && FPolygonsValid && !FBatchStale && Ready->Grids[int(Rule)].Built)
    return Ready->Query(FPolygons, X, Y, Rule);
  const TVXPolygons& Polys = CurrentPolygons();
  if (FBatchStale) return FLiveIndex->Query(Polys, X, Y, Rule);
  if (!FHitIndex) {
    FHitIndex.reset(new TPathHitIndex);
    FHitIndex->Start(FPolygons);
  }
  TPathHitIndex& Index = *FHitIndex;
  TPathHitIndex::TRuleGrid& Grid = Index.Grids[int(Rule)];
  if (!Grid.Built && ++Grid.Queries > kQueriesBeforeIndex) {
    if (!Index.Built) Index.Build(FPolygons);
    Index.AddGrid(FPolygons, Rule);
  }
  return Index.Query(FPolygons, X, Y, Rule);
}

bool TVXPathData::PointInPath(TPointF P) const { return PointInPath(P.X, P.Y); }

bool TVXPathData::PointInPath(float X, float Y) const { return HitTest(X, Y, THitRule::AnySubpath); }

bool TVXPathData::PointInFill(TPointF P) const { return PointInFill(P.X, P.Y); }

bool TVXPathData::PointInFill(float X, float Y) const {
  return HitTest(X, Y, FFillMode == fmNonZero ? THitRule::NonZero : THitRule::EvenOdd);
}

namespace {

// Corners of the rectangle of half-width W around the segment A-B, in path
// order: A + n, A - n, B - n, B + n with n the normal of length W (every step
// rounded to 32 bits). False for a segment of zero (or NaN) length.
bool SegmentRectangle(TPointF A, TPointF B, float W, TPointF* R) {
  const float dx = float(double(B.X) - double(A.X));
  const float dy = float(double(B.Y) - double(A.Y));
  if (dx == 0 && dy == 0) return false;
  const float dx2 = float(double(dx) * double(dx));
  const float dy2 = float(double(dy) * double(dy));
  const float Len = float(std::sqrt(double(float(double(dx2) + double(dy2)))));
  if (!(Len > 0)) return false;  // length lost to underflow, or NaN
  const float nx = float(double(float(double(W) * double(dx))) / double(Len));
  const float ny = float(double(float(double(W) * double(dy))) / double(Len));
  R[0] = {float(double(A.X) + double(ny)), float(double(A.Y) - double(nx))};
  R[1] = {float(double(A.X) - double(ny)), float(double(A.Y) + double(nx))};
  R[2] = {float(double(B.X) - double(ny)), float(double(B.Y) + double(nx))};
  R[3] = {float(double(B.X) + double(ny)), float(double(B.Y) - double(nx))};
  return true;
}

float HalfWidth(float StrokeWidth) { return float(double(StrokeWidth) / 2); }

// The walk over a flattened path shared by outline building: every straight
// segment, the closing ones included, from-to in path order.
template <typename F>
void ForEachFlatSegment(const TPathData& Flat, F&& Visit) {
  bool Started = false;
  TPointF Previous, SubpathStart;
  for (const TPathSegment& S : Flat.Segments()) {
    if (S.Kind == TPathPointKind::CurveTo) continue;  // only an incomplete one survives flattening
    const TPointF Current = S.Pt(0);
    if (!Started) {
      Started = true;
      SubpathStart = Current;
    } else if (S.Kind == TPathPointKind::MoveTo) {
      SubpathStart = Current;
    } else if (S.Kind == TPathPointKind::LineTo) {
      Visit(Previous, Current);
    } else {
      // A close stores one end or the other of its subpath; whichever it is,
      // one of these two visits has zero length and adds nothing.
      Visit(Previous, Current);
      Visit(Current, SubpathStart);
      SubpathStart = Current;
    }
    Previous = Current;
  }
}

}  // namespace

void TVXPathData::AddRectangleForSegment(TPointF A, TPointF B, float W) {
  TPointF R[4];
  if (!SegmentRectangle(A, B, W, R)) return;
  MoveTo(R[0]);
  LineTo(R[1]);
  LineTo(R[2]);
  LineTo(R[3]);
  ClosePath();
}

bool TVXPathData::PointInPathOutline(TPointF P, float StrokeWidth) const {
  return PointInPathOutline(P.X, P.Y, StrokeWidth);
}

bool TVXPathData::PointInPathOutline(float X, float Y, float StrokeWidth) const {
  const float W = HalfWidth(StrokeWidth);
  const double PX = X, PY = Y;
  for (const TCanvasPoints& Poly : CurrentPolygons()) {
    for (std::size_t j = 1; j < Poly.size(); ++j) {
      const TPointF A = Poly[j - 1], B = Poly[j];
      // Cheap rejection with a margin that covers the rounding of the corners.
      const double Margin = std::fabs(double(W)) * 1.001 +
                            1e-6 * std::max({std::fabs(double(A.X)), std::fabs(double(A.Y)),
                                             std::fabs(double(B.X)), std::fabs(double(B.Y))});
      if (PX < std::min(A.X, B.X) - Margin || PX > std::max(A.X, B.X) + Margin ||
          PY < std::min(A.Y, B.Y) - Margin || PY > std::max(A.Y, B.Y) + Margin)
        continue;
      TPointF R[5];
      if (!SegmentRectangle(A, B, W, R)) continue;
      R[4] = R[0];
      if (Graphics::PointInPath(std::span<const TPointF>(R), X, Y)) return true;
    }
  }
  return false;
}

void TVXPathData::AddPathOutline(const TVXPathData& P, float StrokeWidth) {
  const float W = HalfWidth(StrokeWidth);
  if (P.GetCount() < 2) return;
  TVXPathData Flat;
  Flat.Assign(P);
  Flat.Flatten(0.25f);
  BeginUpdate();
  try {
    ForEachFlatSegment(Flat, [&](TPointF A, TPointF B) { AddRectangleForSegment(A, B, W); });
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

}  // namespace FMX::VX::Graphics
