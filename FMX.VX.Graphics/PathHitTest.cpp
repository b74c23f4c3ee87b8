// Hit tests against the fill and the stroked outline of a path, and outlines
// built from rectangles.
//
// The fill tests count the crossings of a ray from the point towards +x with
// the edges of the cached polygons, each ring closed by an edge from its last
// point to its first. Per polygon the parity decides PointInPath (inside any
// polygon); over all polygons the parity decides the even-odd fill and the
// signed sum the non-zero fill. One crossing rule serves all three: that of
// the even-odd polygon test of Intersection.h, so that the answers equal it.
//
// The first query after a change walks the path's segments without
// flattening them. The next ones list the edges by horizontal band and walk
// the query's band. A path that is hit-tested repeatedly then gets a grid
// index, once the band queries have saved about what building it costs:
//
// - A grid over the path's bounds, of square-ish cells sized so that most of
//   them stay clear of the outline (by its length; at most 2 cells per edge
//   on small paths, half a cell per edge on large ones).
//   Each edge is listed in the cells of each row that it can cross (the part
//   of the edge within the row's height, widened by a small margin); a
//   horizontal edge, which crosses no ray but still separates inside from
//   outside, in the cells it runs through.
// - A cell that lists no edge lies wholly inside or outside every ring: it
//   keeps its winding number and, for 2 to 64 polygons, the set of polygons
//   that contain it (a bit per polygon).
// - A query in an edge cell walks its row to the right until a clean cell,
//   counting the crossings of the listed edges whose crossing lies in the
//   cell being walked (each crossing is counted in exactly one cell), and
//   adds the clean cell's winding (beyond the grid: 0), or walks left and
//   subtracts, whichever clean cell is nearer.
// - Answers of clean cells, and (on small grids) of the clean parts of edge
//   cells on a grid four or eight times finer, are kept per rule at two bits
//   a fine cell: once the path is warm, most queries read those two bits
//   and nothing else. Working them out walks each fine row once per edge
//   cell for the part beyond the cell, then each fine cell's own crossings.
// - A fine cell that one edge alone crosses has one answer on each side of
//   it, kept in a hash table with the edge: a query there tests that edge
//   as the walk would, instead of walking.
//
// Cell numbers come from one monotonic function of the coordinate, used both
// when building and when querying, so a crossing is always attributed to the
// cell whose range holds it.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "FMX.VX.Graphics/CubicFlatten_p.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/PathWalk_p.h"
#include "FMX.VX.Graphics/VXPathData.h"

namespace FMX::VX::Graphics {

namespace {

// Queries answered through the bands before the grid is built (the grid
// costs about as much as a hundred plain walks).
constexpr std::uint32_t kBandQueriesBeforeGrid = 64;
// Beyond this many edges the bands' memory (about 6 bytes per edge) weighs
// more than the queries they speed up: plain walks then, and the grid once
// they have visited this many times the path's edges.
constexpr std::size_t kMaxBandEdges = std::size_t(1) << 22;
constexpr std::uint64_t kWalksBeforeGrid = 8;
// Bands: at most one per kBandEdges edges. Fewer bands cost less to list;
// more keep from each query the edges that do not reach its height.
constexpr double kBandEdges = 2;
// Grid sizing: a cell side of about (area / outline length) / 24; at most 2
// cells per edge up to kSmallPath edges, half a cell per edge beyond; and
// the largest grid side.
constexpr double kCellsAcrossOutline = 24;
constexpr double kMaxCellsPerEdge = 2;
constexpr std::size_t kSmallPath = 4096;
// No grid when the edges would be listed in more cells than this on average.
constexpr std::uint64_t kMaxCellsPerEdgeListed = 8;
constexpr std::uint32_t kMaxGridSide = 1024;
// Polygons whose containment a clean cell can record.
constexpr std::size_t kMaskPolygons = 64;
// Fine cells per cell on each axis: the largest power of two up to kMaxFine
// that keeps the fine grid within kMaxFineCells fine cells.
constexpr std::uint32_t kMaxFine = 8;
// Indexed queries before the fine grid is worked out.
constexpr std::uint32_t kQueriesBeforeFine = 64;
constexpr std::size_t kMaxFineCells = 65536;

// Bucket of V in [0, Count) for V >= Origin: floor((V - Origin) * Scale),
// the last bucket also taking what lies beyond. Monotonic in V. Last is
// Count - 1, as a double. On x86 the clamp takes no branch: maxsd gives its
// second operand, 0, for NaN, as the portable form does.
inline std::uint32_t Bucket(double V, double Origin, double Scale, double Last) {
  const double B = (V - Origin) * Scale;
#if defined(__SSE2__)
  return std::uint32_t(_mm_cvttsd_si64(_mm_min_sd(_mm_max_sd(_mm_set_sd(B), _mm_setzero_pd()), _mm_set_sd(Last))));
#else
  const double AboveZero = B > 0 ? B : 0;  // NaN: 0
  return std::uint32_t(AboveZero < Last ? AboveZero : Last);
#endif
}
inline std::uint32_t Bucket(double V, double Origin, double Scale, std::uint32_t Count) {
  return Bucket(V, Origin, Scale, double(Count - 1));
}

// Bit sets over cells, 64 to a word, bit C % 64 of word C / 64.
// The first set bit in [From, To), or To.
constexpr std::size_t NextBit(std::span<const std::uint64_t> Set, std::size_t From, std::size_t To) {
  if (From >= To) return To;
  std::size_t W = From >> 6;
  std::uint64_t Bits = Set[W] & (~std::uint64_t(0) << (From & 63));
  while (Bits == 0) {
    if (++W << 6 >= To) return To;
    Bits = Set[W];
  }
  return std::min(To, (W << 6) + std::size_t(std::countr_zero(Bits)));
}
// One past the last set bit in [From, To), or From.
constexpr std::size_t AfterLastBit(std::span<const std::uint64_t> Set, std::size_t From, std::size_t To) {
  if (From >= To) return From;
  std::size_t W = (To - 1) >> 6;
  std::uint64_t Bits = Set[W] & (~std::uint64_t(0) >> (63 - ((To - 1) & 63)));
  while (Bits == 0) {
    if (W << 6 <= From) return From;
    Bits = Set[--W];
  }
  return std::max(From, (W << 6) + 64 - std::size_t(std::countl_zero(Bits)));
}
// Set bits 3, 64, 130 and 191.
constexpr std::uint64_t kSampleBits[] = {std::uint64_t(1) << 3, 1, std::uint64_t(1) << 2 | std::uint64_t(1) << 63};
static_assert(NextBit(kSampleBits, 0, 192) == 3 && NextBit(kSampleBits, 3, 192) == 3);
static_assert(NextBit(kSampleBits, 4, 192) == 64 && NextBit(kSampleBits, 65, 192) == 130);
static_assert(NextBit(kSampleBits, 65, 120) == 120 && NextBit(kSampleBits, 131, 192) == 191);
static_assert(NextBit(kSampleBits, 4, 60) == 60 && NextBit(kSampleBits, 131, 190) == 190);
static_assert(NextBit(kSampleBits, 9, 9) == 9);
static_assert(AfterLastBit(kSampleBits, 0, 192) == 192 && AfterLastBit(kSampleBits, 0, 191) == 131);
static_assert(AfterLastBit(kSampleBits, 0, 130) == 65 && AfterLastBit(kSampleBits, 0, 64) == 4);
static_assert(AfterLastBit(kSampleBits, 5, 64) == 5 && AfterLastBit(kSampleBits, 66, 130) == 66);
static_assert(AfterLastBit(kSampleBits, 3, 4) == 4 && AfterLastBit(kSampleBits, 5, 5) == 5);
// Ranges that end at a word boundary read no word beyond them.
static_assert(NextBit(std::span(kSampleBits).first(2), 65, 128) == 128 && AfterLastBit(kSampleBits, 0, 3) == 0);

// The crossing of edge PJ -> PI with the ray from (X, Y) towards +x, as the
// even-odd polygon test computes it: false when the edge does not span Y;
// otherwise XC is where it crosses and Dir +1 (down the screen) or -1.
inline bool Crossing(const TPointF& PI, const TPointF& PJ, float Y, double& XC, int& Dir) {
  const bool Down = PJ.Y <= Y && Y < PI.Y;
  if (!Down && !(PI.Y <= Y && Y < PJ.Y)) return false;
  XC = (double(PJ.X) - PI.X) * (double(Y) - PI.Y) / (double(PJ.Y) - PI.Y) + PI.X;
  Dir = Down ? 1 : -1;
  return true;
}

// Whether (X, Y) lies left of edge PJ -> PI as the walk sees it: its
// crossing right of X. Above and below the edge, where it has no crossing,
// StripsLeft says (bit 0: the strip above lies left of it, bit 1: below).
inline bool LeftOfEdge(const TPointF& PI, const TPointF& PJ, std::uint8_t StripsLeft, float X, float Y) {
  double XC;
  int Dir;
  if (Crossing(PI, PJ, Y, XC, Dir)) return X < XC;
  return (StripsLeft & (Y < std::min(PI.Y, PJ.Y) ? 1 : 2)) != 0;
}

// Each polygon's first vertex, numbered over all polygons, then the count of
// them all: a vertex's number is also that of the edge that ends at it.
std::vector<std::uint32_t> VertexStarts(const TVXPolygons& Source) {
  std::vector<std::uint32_t> Starts(Source.size() + 1, 0);
  for (std::size_t p = 0; p < Source.size(); ++p) Starts[p + 1] = Starts[p] + std::uint32_t(Source[p].size());
  return Starts;
}
// The polygon of vertex K, from VertexStarts.
std::size_t PolygonOf(std::span<const std::uint32_t> Starts, std::uint32_t K) {
  return std::size_t(std::upper_bound(Starts.begin(), Starts.end(), K) - Starts.begin()) - 1;
}

// Signed crossings of the ray with a ring's edges, closing edge included.
int RingWinding(std::span<const TPointF> Polygon, float X, float Y) {
  int Sum = 0;
  if (Polygon.empty()) return 0;
  std::size_t J = Polygon.size() - 1;
  for (std::size_t I = 0; I < Polygon.size(); J = I++) {
    double XC;
    int Dir;
    if (Crossing(Polygon[I], Polygon[J], Y, XC, Dir) && X < XC) Sum += Dir;
  }
  return Sum;
}


// The plain walk run on the path's own segments, for the first queries after
// a change: the chords are made on the fly and dropped, and a curve whose
// control points lie wholly above, below or right of the ray is never cut
// up (its chords stay within those points). A curve wholly left of the
// point is not cut up either: its chords cross the ray as often as the
// single chord from its start to its end. The answers are those of the walk
// over the flattened polygons, ring by ring.
class TSegmentWalk {
 public:
  TSegmentWalk(const TPathData& Path, float X, float Y) : FPath(Path), FX(X), FY(Y) {}
  bool Open() const { return FOpen; }
  TPointF First() const { return FFirst; }
  void Point(TPointF P) {
    if (FOpen) Edge(FLast, P);
    else {
      FOpen = true;
      FFirst = P;
    }
    FLast = P;
  }
  void Curve(const TPathSegment& S, std::size_t) {
    const TPointF P[5] = {FLast, S.Start, S.Pt(0), S.Pt(1), S.Pt(2)};
    double L = P[0].X, R = L, T = P[0].Y, B = T;
    bool Finite = true;
    for (const TPointF& Q : P) {
      Finite = Finite && std::isfinite(Q.X) && std::isfinite(Q.Y);
      L = std::min(L, double(Q.X));
      R = std::max(R, double(Q.X));
      T = std::min(T, double(Q.Y));
      B = std::max(B, double(Q.Y));
    }
    if (Finite) {
      // Room for the rounding of the points on the curve and of the
      // crossings, far below the spacing of 32-bit values.
      const double MX = 1e-9 * std::max(std::fabs(L), std::fabs(R));
      const double MY = 1e-9 * std::max(std::fabs(T), std::fabs(B));
      if (FY < T - MY || FY > B + MY || FX > R + MX) {
        FLast = P[4];
        return;
      }
      if (FX < L - MX) {
        FRing += (P[4].Y > FY) - (FLast.Y > FY);
        FLast = P[4];
        return;
      }
    }
    const std::int32_t Steps = CurveSteps(S);
    thread_local std::vector<TPointF> Chords;
    if (Chords.size() < std::size_t(Steps)) Chords.resize(std::size_t(Steps));
    Detail::FlattenCubic(S.Start, S.Pt(0), S.Pt(1), S.Pt(2), Steps, Chords.data());
    for (std::int32_t i = 0; i < Steps; ++i) Point(Chords[std::size_t(i)]);
    if (Chords.size() > (std::size_t(1) << 16)) std::vector<TPointF>().swap(Chords);
  }
  void Flush() {
    if (!FOpen) return;
    Edge(FLast, FFirst);
    FSum += FRing;
    FAnyOdd = FAnyOdd || (FRing & 1) != 0;
    FRing = 0;
    FOpen = false;
  }
  // Signed crossings over all rings, and whether any ring is crossed an
  // odd number of times.
  int Sum() const { return FSum; }
  bool AnyOdd() const { return FAnyOdd; }

 private:
  void Edge(const TPointF& From, const TPointF& To) {
    double XC;
    int Dir;
    if (Crossing(To, From, FY, XC, Dir) && FX < XC) FRing += Dir;
  }
  // The chord count the flattening gives this curve, thinned as it thins
  // the whole path's (the path's total worked out when first needed).
  std::int32_t CurveSteps(const TPathSegment& S) {
    const std::int32_t N = Detail::CubicFlattenSteps(S.Start, S.Pt(0), S.Pt(1), S.Pt(2), Detail::kCurveStep);
    if (FThinning < 0) {
      double Total = 0, Curves = 0;
      for (const TPathSegment& C : FPath.Segments())
        if (C.IsCompleteCurve()) {
          Total += Detail::CubicFlattenSteps(C.Start, C.Pt(0), C.Pt(1), C.Pt(2), Detail::kCurveStep);
          ++Curves;
        }
      const double Budget = double(Detail::kCurveBudgetBase) + double(Detail::kCurveBudgetPerCurve) * Curves;
      FThinning = Total > Budget ? Budget / Total : 0;
    }
    return FThinning > 0 ? Detail::ThinnedSteps(N, FThinning) : N;
  }

  const TPathData& FPath;
  float FX, FY;
  bool FOpen = false;
  TPointF FFirst, FLast;
  int FRing = 0, FSum = 0;
  bool FAnyOdd = false;
  double FThinning = -1;  // 0: none
};

}  // namespace

struct TVXPathData::TPathHitIndex {
  // Read by every query, side by side at the front.
  TRectF Bounds;                      // union of the polygon bounds
  std::uint32_t FX = 0, FY = 0;       // the fine grid (FX = 0: not built)
  double FineScaleX = 0, FineScaleY = 0;
  double FineLastX = 0, FineLastY = 0;  // FX - 1 and FY - 1
  double OriginX = 0, OriginY = 0;      // Bounds.Left and Bounds.Top
  // Per rule, the fine grid's answers at two bits a fine cell (known, then
  // inside; inside but not known: a cell of one edge), so that a query
  // reads a quarter of a byte; null where the fine grid cannot answer for
  // the rule (AnySubpath over more than kMaskPolygons polygons). With one
  // polygon AnySubpath shares EvenOdd's.
  const std::uint64_t* FineAnswers[3] = {};

  // The fine cell of (X, Y), in bounds.
  std::size_t FineCell(float X, float Y) const {
    return std::size_t(Bucket(Y, OriginY, FineScaleY, FineLastY)) * FX + Bucket(X, OriginX, FineScaleX, FineLastX);
  }
  // The fine grid's answer: 1 inside, 0 outside; when it does not know, -2
  // in a cell of one edge, else -1.
  int FineAnswer(float X, float Y, THitRule Rule) const {
    const std::uint64_t* Set = FineAnswers[int(Rule)];
    if (!Set) return -1;
    const std::size_t F = FineCell(X, Y);
    const unsigned Pair = unsigned(Set[F >> 5] >> ((F & 31) * 2)) & 3;
    return Pair & 1 ? int(Pair >> 1) : -1 - int(Pair >> 1);
  }
  // The answer at (X, Y), in bounds, in a fine cell of one edge.
  bool OneEdgeAnswer(float X, float Y, THitRule Rule) const;
  // Adds fine cell (I, J), touched by edge Edge (numbered from Starts, as
  // VertexStarts gives them) alone, to OneEdgeCells, from the walk's Sum
  // and Odd at its centre (X, Y); leaves it open where the edge cannot
  // settle it.
  void AddOneEdgeCell(const TVXPolygons& Source, std::span<const std::uint32_t> Starts, std::uint32_t Edge,
                      std::uint32_t I, std::uint32_t J, float X, float Y, std::int32_t Sum, std::uint64_t Odd,
                      double Margin);
  // The whole answer when the fine grid knows it, without touching the
  // polygons: 1 inside, 0 outside, negative (as FineAnswer) when the index
  // must answer.
  int QuickAnswer(float X, float Y, THitRule Rule) const {
    if (!(X >= Bounds.Left && X <= Bounds.Right && Y >= Bounds.Top && Y < Bounds.Bottom)) return 0;
    return FineAnswer(X, Y, Rule);
  }

  // An edge as the polygon test sees it (from PJ to PI), copied so that a
  // walk reads one array.
  struct TEdge {
    TPointF PI, PJ;
    std::uint32_t Poly;
  };
  std::vector<TRectF> PolyBounds;     // of the vertices; unbounded with a non-finite one
  bool AllFinite = true;
  std::size_t EdgeCount = 0;
  double EdgeSpan = 0;                // sum of the edges' heights
  bool Built = false;
  std::uint64_t Walked = 0;  // edges visited by plain walks so far (large paths)
  // Horizontal bands, for the queries before the grid: each band lists the
  // edges whose vertical extent meets it, by the number of their vertex
  // counted over all polygons (PolyStarts: each polygon's first), in
  // order; a query walks its band's list.
  std::vector<std::uint32_t> PolyStarts;
  bool BandsTried = false;
  std::uint32_t BandQueries = 0;
  std::uint32_t NBands = 0;
  double BandScale = 0;
  std::vector<std::uint32_t> BandStarts;
  std::vector<std::uint32_t> BandEdges;
  // The grid (GX = 0: none).
  std::uint32_t GX = 0, GY = 0;
  double ScaleX = 0, ScaleY = 0;
  // Per cell, where its edges start in Edges (then the end) and, for a
  // clean cell, its winding: side by side, as a walk reads both.
  struct TCell {
    std::uint32_t Start;
    std::int32_t Winding;
  };
  std::vector<TCell> Cells;
  std::vector<TEdge> Edges;
  // Bit sets over the cells: clean, and per rule the answer of a clean cell
  // (AnySubpath only where Inside or a single polygon settles it). A bit per
  // cell, so that most queries touch a few bytes.
  std::vector<std::uint64_t> CleanBits, AnswerBits[3];
  // The same at up to kMaxFine times the resolution on each axis (a fine
  // cell of an edge cell is clean when no edge touches it), so that most
  // queries near the outline are answered without a walk: the storage
  // behind FineAnswers, one set per rule.
  std::vector<std::uint64_t> FineSets[3];
  // Fine cells that one edge alone touches (not a horizontal one), which the
  // fine grid leaves open: answered from that edge without a walk. Within
  // the cell the answer is one thing on each side of the edge. At a height
  // the edge spans, the point's side is the one the walk sees (whether the
  // edge's crossing lies right of it); above and below the edge, the side
  // of the edge's end there, which lies beyond the cell.
  struct TOneEdgeCell {
    std::uint32_t F;  // the fine cell (kNoCell: an empty slot)
    TPointF PI, PJ;   // the edge, as TEdge holds it
    // Bit R: rule R's answer left of the edge (its crossing counted), bit
    // R + 3: right of it.
    std::uint8_t Answers;
    // Bit 0: the strip above the edge lies left of it, bit 1: the strip
    // below.
    std::uint8_t StripsLeft;
  };
  // A hash table (open addressing), so that a query finds its cell in one
  // read most of the time: the walk it saves reads the grid's cold lists.
  static constexpr std::uint32_t kNoCell = std::numeric_limits<std::uint32_t>::max();
  std::vector<TOneEdgeCell> OneEdgeCells;
  // The first slot to try for fine cell F, and the slot after S.
  std::size_t OneEdgeSlot(std::size_t F) const {
    return std::size_t((std::uint64_t(std::uint32_t(F * 0x9E3779B1u)) * OneEdgeCells.size()) >> 32);
  }
  std::size_t NextSlot(std::size_t S) const { return S + 1 < OneEdgeCells.size() ? S + 1 : 0; }
  bool FineBuilt = false;
  std::uint32_t IndexedQueries = 0;
  static bool Bit(const std::vector<std::uint64_t>& Set, std::size_t C) { return (Set[C >> 6] >> (C & 63)) & 1; }
  static void SetBit(std::vector<std::uint64_t>& Set, std::size_t C) { Set[C >> 6] |= std::uint64_t(1) << (C & 63); }
  // Per cell, bit p: polygon p contains it; kept for 2 to 64 polygons (with
  // one polygon its parity is the winding's).
  std::vector<std::uint64_t> Inside;

  std::uint32_t CellX(double X) const { return Bucket(X, Bounds.Left, ScaleX, GX); }
  std::uint32_t CellY(double Y) const { return Bucket(Y, Bounds.Top, ScaleY, GY); }
  bool Clean(std::size_t C) const { return Cells[C].Start == Cells[C + 1].Start; }

  void Start(const TVXPolygons& Source);
  void BuildBands(const TVXPolygons& Source);
  bool BandQuery(const TVXPolygons& Source, float X, float Y, THitRule Rule) const;
  void Build(const TVXPolygons& Source);
  void BuildFine(const TVXPolygons& Source);
  // Cells of a grid of Gx x Gy cells (Sx, Sy cells per unit) over Bounds
  // that edge A-B can cross (Margin: allowance for rounding).
  template <class F>
  void ForEachCellOf(std::uint32_t Gx, std::uint32_t Gy, double Sx, double Sy, double Margin, const TPointF& A,
                     const TPointF& B, F&& Visit) const {
    auto CellX = [&](double X) { return Bucket(X, Bounds.Left, Sx, Gx); };
    auto CellY = [&](double Y) { return Bucket(Y, Bounds.Top, Sy, Gy); };
    const std::uint32_t GX = Gx;
    const double ScaleY = Sy;
    const double Y0 = std::min(A.Y, B.Y), Y1 = std::max(A.Y, B.Y);
    const std::uint32_t J0 = CellY(Y0), J1 = CellY(Y1);
    if (A.Y == B.Y) {
      // It crosses no ray, but inside and outside change across it: its
      // cells must not pass for clean.
      const double Lo = double(std::min(A.X, B.X)) - Margin, Hi = double(std::max(A.X, B.X)) + Margin;
      for (std::uint32_t I = CellX(Lo), I1 = CellX(Hi); I <= I1; ++I) Visit(std::size_t(J0) * GX + I);
      return;
    }
    const double DXDY = (double(B.X) - A.X) / (double(B.Y) - A.Y);
    for (std::uint32_t J = J0; J <= J1; ++J) {
      // The edge's part within the row, the row widened by the margin: a Y
      // that maps to row J may lie a rounding error outside its nominal range.
      const double RowTop = std::max(Y0, Bounds.Top + J / ScaleY - Margin);
      const double RowBottom = std::min(Y1, Bounds.Top + (J + 1) / ScaleY + Margin);
      const double XA = A.X + (RowTop - A.Y) * DXDY, XB = A.X + (RowBottom - A.Y) * DXDY;
      const double Lo = std::max(std::min(XA, XB), double(std::min(A.X, B.X))) - Margin;
      const double Hi = std::min(std::max(XA, XB), double(std::max(A.X, B.X))) + Margin;
      for (std::uint32_t I = CellX(Lo), I1 = CellX(Hi); I <= I1; ++I) Visit(std::size_t(J) * GX + I);
    }
  }

  // Crossings on one side of X in the row of Y, from cell (I, J) on to the
  // first clean cell: rightwards those right of X, added; leftwards those
  // at or left of X, subtracted; and the per-polygon parity. Returns the
  // clean cell's number, or SIZE_MAX when the row ends first.
  template <bool Rightwards>
  std::size_t WalkRow(float X, float Y, std::uint32_t I, std::uint32_t J, std::int32_t& Sum,
                      std::uint64_t& Odd) const;
  // Signed crossings right of (X, Y) and per-polygon parity, through the
  // grid: (X, Y) in bounds, the grid built.
  void WalkAt(float X, float Y, std::int32_t& Sum, std::uint64_t& Odd) const;
  // WalkAt in two parts, for (X, Y) in edge cell (I, J). WalkBeyond: the
  // crossings in the cells beyond (I, J) up to the nearer clean cell, and
  // that cell's winding; the same for every point of the cell at height Y
  // (a crossing in another cell lies on the same side of all of them).
  // Rightwards tells the direction taken. WalkCell: the crossings within
  // (I, J) on that side of X.
  void WalkBeyond(float X, float Y, std::uint32_t I, std::uint32_t J, bool& Rightwards, std::int32_t& Sum,
                  std::uint64_t& Odd) const;
  void WalkCell(float X, float Y, std::uint32_t I, std::uint32_t J, bool Rightwards, std::int32_t& Sum,
                std::uint64_t& Odd) const;
  // WalkCell's count of one crossing at XC.
  static void CountOwn(float X, double XC, int Dir, std::uint32_t Poly, bool Rightwards, std::int32_t& Sum,
                       std::uint64_t& Odd) {
    if ((X < XC) == Rightwards) {
      Sum += Rightwards ? Dir : -Dir;
      Odd ^= std::uint64_t(1) << (Poly & 63);
    }
  }
  // Visit(XC, Dir, Poly) for each crossing at height Y that edge cell (I, J)
  // counts: those of its edges whose crossing lies in the cell.
  template <class F>
  void ForEachCrossingIn(float Y, std::uint32_t I, std::uint32_t J, F&& Visit) const {
    const std::size_t C = std::size_t(J) * GX + I;
    for (std::uint32_t e = Cells[C].Start, End = Cells[C + 1].Start; e < End; ++e) {
      const TEdge& E = Edges[e];
      double XC;
      int Dir;
      if (Crossing(E.PI, E.PJ, Y, XC, Dir) && CellX(XC) == I) Visit(XC, Dir, E.Poly);
    }
  }
  static bool Answer(THitRule Rule, std::int32_t Sum, std::uint64_t Odd) {
    switch (Rule) {
      case THitRule::AnySubpath: return Odd != 0;
      case THitRule::EvenOdd: return (Sum & 1) != 0;
      case THitRule::NonZero: return Sum != 0;
    }
    return false;
  }
  // One polygon: inside it is an odd winding.
  static THitRule OwnRule(THitRule Rule, std::size_t Polygons) {
    return Rule == THitRule::AnySubpath && Polygons == 1 ? THitRule::EvenOdd : Rule;
  }
  bool Plain(const TVXPolygons& Source, float X, float Y, THitRule Rule) const;
  // The answer through the grid and its fine cells: (X, Y) in bounds, Rule
  // one that the grid answers (after OwnRule).
  bool IndexedAnswer(float X, float Y, THitRule Rule) const;
  bool Query(const TVXPolygons& Source, float X, float Y, THitRule Rule);
};

void TVXPathData::THitIndexDeleter::operator()(TPathHitIndex* Index) const { delete Index; }

// Bounds only; the grid waits for Build.
void TVXPathData::TPathHitIndex::Start(const TVXPolygons& Source) {
  PolyBounds.resize(Source.size());
  const float Inf = std::numeric_limits<float>::infinity();
  Bounds = {Inf, Inf, -Inf, -Inf};
  for (std::size_t i = 0; i < Source.size(); ++i) {
    float L = Inf, T = Inf, R = -Inf, B = -Inf;
    bool Finite = true;
    float PrevY = Source[i].empty() ? 0.0f : Source[i].back().Y;
    for (const TPointF& V : Source[i]) {
      Finite = Finite && std::isfinite(V.X) && std::isfinite(V.Y);
      EdgeSpan += std::fabs(double(V.Y) - PrevY);
      PrevY = V.Y;
      L = std::min(L, V.X);
      R = std::max(R, V.X);
      T = std::min(T, V.Y);
      B = std::max(B, V.Y);
    }
    EdgeCount += Source[i].size();
    // Edges at a NaN or infinite vertex drop out of the polygon test or give
    // NaN crossings, so such a ring need not cross an even number of times:
    // no box can stand in for the test then.
    if (!Finite) {
      L = T = -Inf;
      R = B = Inf;
      AllFinite = false;
    }
    PolyBounds[i] = {L, T, R, B};
    Bounds = {std::min(Bounds.Left, L), std::min(Bounds.Top, T), std::max(Bounds.Right, R),
              std::max(Bounds.Bottom, B)};
  }
}

void TVXPathData::TPathHitIndex::BuildBands(const TVXPolygons& Source) {
  BandsTried = true;
  const double H = double(Bounds.Bottom) - Bounds.Top;
  if (!AllFinite || EdgeCount == 0 || !(H > 0) || EdgeCount >= std::numeric_limits<std::uint32_t>::max()) return;
  // As many bands as keep the lists at about one and a half entries per
  // edge: half an edge per band at most, fewer when edges are tall.
  const double N = std::min(double(EdgeCount) / kBandEdges, EdgeSpan > 0 ? double(EdgeCount) * H / (kBandEdges * EdgeSpan) : 1.0);
  NBands = std::uint32_t(std::clamp(N, 1.0, double(1u << 20)));
  BandScale = NBands / H;
  PolyStarts = VertexStarts(Source);
  // An edge that crosses a ray at Y spans Y, so its bands, from that of its
  // top to that of its bottom (one monotonic function), hold Y's band: from
  // the lower to the higher band of its two ends, each vertex's band worked
  // out once. Horizontal edges cross no ray and are left out.
  thread_local std::vector<std::uint32_t> VertexBands;
  VertexBands.resize(EdgeCount);
  {
    std::uint32_t* Out = VertexBands.data();
    for (const TCanvasPoints& Poly : Source)
      for (const TPointF& V : Poly) *Out++ = Bucket(V.Y, Bounds.Top, BandScale, NBands);
  }
  // Visits each listed edge as (its vertex's number, first band, last band).
  auto ForEachListed = [&](auto&& Visit) {
    for (std::size_t p = 0; p < Source.size(); ++p) {
      const TPointF* Poly = Source[p].data();
      const std::uint32_t N = std::uint32_t(Source[p].size()), Base = PolyStarts[p];
      const std::uint32_t* Band = VertexBands.data() + Base;
      for (std::uint32_t v = 0, Prev = N - 1; v < N; Prev = v++) {
        if (Poly[v].Y == Poly[Prev].Y) continue;
        Visit(Base + v, std::min(Band[v], Band[Prev]), std::max(Band[v], Band[Prev]));
      }
    }
  };
  // Counts per band (as differences, summed up after), then each band's
  // end; the lists are filled backwards from the ends, which leaves each
  // band's start and the entries in vertex order.
  BandStarts.assign(std::size_t(NBands) + 1, 0);
  std::uint64_t Listed = 0;
  ForEachListed([&](std::uint32_t, std::uint32_t J0, std::uint32_t J1) {
    ++BandStarts[J0];
    --BandStarts[J1 + 1];
    Listed += J1 - J0 + 1;
  });
  if (Listed >= std::numeric_limits<std::uint32_t>::max()) {
    NBands = 0;
    BandStarts = {};
    PolyStarts = {};
    return;
  }
  // Differences to counts, counts to ends (wrapping arithmetic undoes the
  // decrements exactly).
  for (std::uint32_t J = 1; J < NBands; ++J) BandStarts[J] += BandStarts[J - 1];
  for (std::uint32_t J = 1; J < NBands; ++J) BandStarts[J] += BandStarts[J - 1];
  BandStarts[NBands] = BandStarts[NBands - 1];
  BandEdges.resize(Listed);
  for (std::size_t p = Source.size(); p-- > 0;) {
    const TPointF* Poly = Source[p].data();
    const std::uint32_t N = std::uint32_t(Source[p].size()), Base = PolyStarts[p];
    const std::uint32_t* Band = VertexBands.data() + Base;
    for (std::uint32_t v = N; v-- > 0;) {
      const std::uint32_t Prev = v == 0 ? N - 1 : v - 1;
      if (Poly[v].Y == Poly[Prev].Y) continue;
      const std::uint32_t J0 = std::min(Band[v], Band[Prev]), J1 = std::max(Band[v], Band[Prev]);
      for (std::uint32_t J = J1 + 1; J-- > J0;) BandEdges[--BandStarts[J]] = Base + v;
    }
  }
  if (VertexBands.capacity() > (std::size_t(1) << 16)) std::vector<std::uint32_t>().swap(VertexBands);
}

// The crossings of the edges listed in Y's band: those of every edge, as no
// other edge spans Y. Lists run in vertex order, so each ring's parity is
// known when its entries end.
bool TVXPathData::TPathHitIndex::BandQuery(const TVXPolygons& Source, float X, float Y, THitRule Rule) const {
  const std::uint32_t J = Bucket(Y, Bounds.Top, BandScale, NBands);
  const std::uint32_t Begin = BandStarts[J], End = BandStarts[J + 1];
  if (Begin == End) return Answer(Rule, 0, 0);
  std::int32_t Sum = 0, Ring = 0;
  bool AnyOdd = false;
  // The polygon of the first entry; later ones only move forwards.
  std::size_t Poly = PolygonOf(PolyStarts, BandEdges[Begin]);
  const TPointF* P = Source[Poly].data();
  std::uint32_t Base = PolyStarts[Poly], Next = PolyStarts[Poly + 1];
  for (std::uint32_t e = Begin; e < End; ++e) {
    const std::uint32_t K = BandEdges[e];
    if (K >= Next) {
      AnyOdd = AnyOdd || (Ring & 1) != 0;
      Ring = 0;
      while (K >= PolyStarts[Poly + 1]) ++Poly;
      P = Source[Poly].data();
      Base = PolyStarts[Poly];
      Next = PolyStarts[Poly + 1];
    }
    const std::uint32_t V = K - Base;
    double XC;
    int Dir;
    if (Crossing(P[V], P[V == 0 ? Next - Base - 1 : V - 1], Y, XC, Dir) && X < XC) {
      Ring += Dir;
      Sum += Dir;
    }
  }
  AnyOdd = AnyOdd || (Ring & 1) != 0;
  return Answer(Rule, Sum, AnyOdd);
}

void TVXPathData::TPathHitIndex::Build(const TVXPolygons& Source) {
  Built = true;
  if (!AllFinite || EdgeCount == 0) return;
  const double W = double(Bounds.Right) - Bounds.Left, H = double(Bounds.Bottom) - Bounds.Top;
  if (!(W > 0 && H > 0)) return;
  const double Magnitude = std::max({std::fabs(double(Bounds.Left)), std::fabs(double(Bounds.Right)),
                                     std::fabs(double(Bounds.Top)), std::fabs(double(Bounds.Bottom))});
  // Cells must stay far wider than the rounding of the coordinates.
  const double MinCell = std::max(1e-4 * Magnitude, 1e-30);
  // Cells about 1/kCellsAcrossOutline of the area per unit of outline length,
  // so that most cells stay clear of it however finely curves are cut; at
  // most kMaxCellsPerEdge per edge.
  double Outline = 0;
  for (const TCanvasPoints& Poly : Source)
    for (std::size_t v = 0; v < Poly.size(); ++v) {
      const TPointF &A = Poly[v], &B = Poly[v == 0 ? Poly.size() - 1 : v - 1];
      const double DX = double(B.X) - A.X, DY = double(B.Y) - A.Y;
      Outline += std::sqrt(DX * DX + DY * DY);
    }
  const double MaxCells = EdgeCount <= kSmallPath ? double(EdgeCount) * kMaxCellsPerEdge + 256
                                                  : double(kSmallPath) * kMaxCellsPerEdge + double(EdgeCount) / 2;
  // At least half a cell per edge, so that long outlines do not pile
  // hundreds of edges into each cell they cross.
  const double CellCount = std::clamp(std::max(kCellsAcrossOutline * kCellsAcrossOutline * Outline * Outline / (W * H),
                                           double(EdgeCount) / 2),
                                  16.0, MaxCells);
  auto Side = [&](double Extent, double Other) {
    const double N = std::min(std::sqrt(CellCount * Extent / Other), Extent / MinCell);
    return std::uint32_t(std::clamp(N, 1.0, double(kMaxGridSide)));
  };
  GX = Side(W, H);
  GY = Side(H, W);
  ScaleX = GX / W;
  ScaleY = GY / H;
  const double Margin = 1e-6 * (Magnitude + std::max(W, H));
  const std::size_t NCells = std::size_t(GX) * GY;

  // Two passes over the edges: count the cells each one is listed in, then
  // fill the lists. An edge is listed, row by row, over the x-range of its
  // part within the row.
  auto ForEachCell = [&](const TPointF& A, const TPointF& B, auto&& Visit) {
    ForEachCellOf(GX, GY, ScaleX, ScaleY, Margin, A, B, Visit);
  };
  auto ForEachEdge = [&](auto&& Visit) {
    for (std::size_t p = 0; p < Source.size(); ++p) {
      const TCanvasPoints& Poly = Source[p];
      for (std::size_t v = 0; v < Poly.size(); ++v)
        ForEachCell(Poly[v], Poly[v == 0 ? Poly.size() - 1 : v - 1],
                    [&](std::size_t C) {
                      Visit(C, TEdge{Poly[v], Poly[v == 0 ? Poly.size() - 1 : v - 1], std::uint32_t(p)});
                    });
    }
  };
  Cells.assign(NCells + 1, TCell{0, 0});
  // Edges piled up in a small area (a million curves over one spot) would be
  // listed in many cells each: such a grid would cost more than it saves.
  const std::uint64_t MaxListed = std::uint64_t(EdgeCount) * kMaxCellsPerEdgeListed + 65536;
  std::uint64_t Listed = 0;
  ForEachEdge([&](std::size_t C, TEdge) {
    if (++Listed <= MaxListed) ++Cells[C + 1].Start;
  });
  if (Listed > MaxListed) {
    GX = GY = 0;
    Cells = {};
    return;
  }
  for (std::size_t C = 0; C < NCells; ++C) Cells[C + 1].Start += Cells[C].Start;
  Edges.resize(Cells[NCells].Start);
  {
    std::vector<std::uint32_t> Fill(NCells);
    for (std::size_t C = 0; C < NCells; ++C) Fill[C] = Cells[C].Start;
    ForEachEdge([&](std::size_t C, TEdge E) { Edges[Fill[C]++] = E; });
  }

  // Clean cells, row by row from the right: the walk from a probe point in
  // the cell to the next clean cell, whose values are known by then.
  CleanBits.assign((NCells + 63) / 64, 0);
  for (auto& A : AnswerBits) A.assign((NCells + 63) / 64, 0);
  const bool Masks = Source.size() > 1 && Source.size() <= kMaskPolygons;
  if (Masks) Inside.assign(NCells, 0);
  for (std::uint32_t J = 0; J < GY; ++J)
    for (std::uint32_t I = GX; I-- > 0;) {
      const std::size_t C = std::size_t(J) * GX + I;
      if (!Clean(C)) continue;
      const float X = float(Bounds.Left + (I + 0.5) / ScaleX), Y = float(Bounds.Top + (J + 0.5) / ScaleY);
      if (CellX(X) != I || CellY(Y) != J) {
        // No probe point maps to the cell: no grid then.
        GX = GY = 0;
        Cells = {};
        Edges = {};
        Inside = {};
        CleanBits = {};
        for (auto& A : AnswerBits) A = {};
        FX = FY = 0;
        return;
      }
      std::int32_t Sum = 0;
      std::uint64_t Odd = 0;
      const std::size_t Next = I + 1 < GX ? WalkRow<true>(X, Y, I + 1, J, Sum, Odd) : SIZE_MAX;
      if (Next != SIZE_MAX) {
        Sum += Cells[Next].Winding;
        if (Masks) Odd ^= Inside[Next];
      }
      Cells[C].Winding = Sum;
      if (Masks) Inside[C] = Odd;
      SetBit(CleanBits, C);
      if (Masks ? Odd != 0 : (Sum & 1) != 0) SetBit(AnswerBits[int(THitRule::AnySubpath)], C);
      if (Sum & 1) SetBit(AnswerBits[int(THitRule::EvenOdd)], C);
      if (Sum != 0) SetBit(AnswerBits[int(THitRule::NonZero)], C);
    }

}

// The fine grid, built once many queries have gone through the coarse one.
void TVXPathData::TPathHitIndex::BuildFine(const TVXPolygons& Source) {
  FineBuilt = true;
  if (GX == 0) return;
  const std::size_t NCells = std::size_t(GX) * GY;
  const double Magnitude = std::max({std::fabs(double(Bounds.Left)), std::fabs(double(Bounds.Right)),
                                     std::fabs(double(Bounds.Top)), std::fabs(double(Bounds.Bottom))});
  const double Margin = 1e-6 * (Magnitude + std::max(double(Bounds.Right) - Bounds.Left, double(Bounds.Bottom) - Bounds.Top));
  const bool Masks = !Inside.empty();
  // The fine grid. Scaling by a power of two is exact, so a fine cell always
  // lies within the cell that CellX and CellY give.
  // Small grids only: large ones have cells enough, and the walks that find
  // the fine answers would cost more than they save.
  std::uint32_t Fine = kMaxFine;
  while (Fine > 1 && NCells * Fine * Fine > kMaxFineCells) Fine /= 2;
  if (Fine < 4) Fine = 1;
  FX = GX * Fine;
  FY = GY * Fine;
  FineScaleX = ScaleX * Fine;
  FineScaleY = ScaleY * Fine;
  FineLastX = FX - 1;
  FineLastY = FY - 1;
  OriginX = Bounds.Left;
  OriginY = Bounds.Top;
  const std::size_t NFine = std::size_t(FX) * FY;
  // Per fine cell, the edge that touches it (numbered as its vertex) while
  // it is the only one.
  constexpr std::uint32_t kNoEdge = std::numeric_limits<std::uint32_t>::max(), kManyEdges = kNoEdge - 1;
  const bool Numbered = EdgeCount < kManyEdges;
  const std::vector<std::uint32_t> Starts = Numbered ? VertexStarts(Source) : std::vector<std::uint32_t>{};
  std::vector<std::uint32_t> OnlyEdge(NFine, kNoEdge);
  for (std::size_t p = 0; p < Source.size(); ++p) {
    const TCanvasPoints& Poly = Source[p];
    for (std::size_t v = 0; v < Poly.size(); ++v) {
      const std::uint32_t G = Numbered ? Starts[p] + std::uint32_t(v) : kManyEdges;
      ForEachCellOf(FX, FY, FineScaleX, FineScaleY, Margin, Poly[v], Poly[v == 0 ? Poly.size() - 1 : v - 1],
                    [&](std::size_t F) { OnlyEdge[F] = OnlyEdge[F] == kNoEdge || OnlyEdge[F] == G ? G : kManyEdges; });
    }
  }
  // AnySubpath has an answer of its own only with the polygon masks; with
  // one polygon it is EvenOdd's, and beyond kMaskPolygons the fine grid
  // cannot tell it.
  const bool OwnAny = Masks;
  for (int R = 0; R < 3; ++R)
    if (R != int(THitRule::AnySubpath) || OwnAny) FineSets[R].assign((NFine + 31) / 32, 0);
  auto SetFine = [&](std::size_t F, int R, bool In) {
    FineSets[R][F >> 5] |= std::uint64_t(In ? 3 : 1) << ((F & 31) * 2);
  };
  // The walks from the fine cells of one row within one edge cell share
  // their part beyond the cell and the crossings within it: worked out once
  // per row and cell.
  struct {
    std::uint32_t Cell = std::numeric_limits<std::uint32_t>::max();
    bool Rightwards = true;
    std::int32_t Sum = 0;
    std::uint64_t Odd = 0;
  } Beyond;
  struct TOwn {
    double XC;
    std::int32_t Dir;
    std::uint32_t Poly;
  };
  std::vector<TOwn> Own;
  // The fine cells of a clean cell along one fine row: Fine pairs alike,
  // written at once (they share a word: Fine divides 32).
  const std::uint64_t RunMask = Fine >= 32 ? ~std::uint64_t(0) : (std::uint64_t(1) << (2 * Fine)) - 1;
  for (std::uint32_t J = 0; J < FY; ++J) {
    Beyond.Cell = std::numeric_limits<std::uint32_t>::max();
    for (std::uint32_t CI = 0; CI < GX; ++CI) {
      const std::size_t C = std::size_t(J / Fine) * GX + CI, F0 = std::size_t(J) * FX + std::size_t(CI) * Fine;
      if (Bit(CleanBits, C)) {
        for (int R = 0; R < 3; ++R)
          if (!FineSets[R].empty())
            FineSets[R][F0 >> 5] |= (Bit(AnswerBits[R], C) ? RunMask : RunMask & 0x5555555555555555u) << ((F0 & 31) * 2);
        continue;
      }
      for (std::uint32_t I = CI * Fine; I < (CI + 1) * Fine; ++I) {
        const std::size_t F = std::size_t(J) * FX + I;
        const std::uint32_t Only = OnlyEdge[F];
        if (Only == kManyEdges) continue;
        const float X = float(Bounds.Left + (I + 0.5) / FineScaleX), Y = float(Bounds.Top + (J + 0.5) / FineScaleY);
        if (Bucket(X, Bounds.Left, FineScaleX, FX) != I || Bucket(Y, Bounds.Top, FineScaleY, FY) != J) continue;
        const std::uint32_t CJ = CellY(Y);
        if (Beyond.Cell != CI) {
          Beyond.Cell = CI;
          Beyond.Sum = 0;
          Beyond.Odd = 0;
          WalkBeyond(X, Y, CI, CJ, Beyond.Rightwards, Beyond.Sum, Beyond.Odd);
          Own.clear();
          ForEachCrossingIn(Y, CI, CJ, [&](double XC, int Dir, std::uint32_t Poly) { Own.push_back({XC, Dir, Poly}); });
        }
        std::int32_t Sum = Beyond.Sum;
        std::uint64_t Odd = Beyond.Odd;
        for (const TOwn& K : Own) CountOwn(X, K.XC, K.Dir, K.Poly, Beyond.Rightwards, Sum, Odd);
        if (Only == kNoEdge) {
          for (int R = 0; R < 3; ++R)
            if (!FineSets[R].empty()) SetFine(F, R, Answer(THitRule(R), Sum, Masks ? Odd : std::uint64_t(Sum & 1)));
        } else {
          AddOneEdgeCell(Source, Starts, Only, I, J, X, Y, Sum, Odd, Margin);
        }
      }
    }
  }
  // The cells of one edge into their table, marked in the fine grid.
  if (!OneEdgeCells.empty()) {
    std::vector<TOneEdgeCell> Found = std::move(OneEdgeCells);
    // Two thirds full: most cells are found in their first slot or the next.
    OneEdgeCells.assign(Found.size() + Found.size() / 2 + 1, TOneEdgeCell{kNoCell, {}, {}, 0, 0});
    for (const TOneEdgeCell& C : Found) {
      std::size_t S = OneEdgeSlot(C.F);
      while (OneEdgeCells[S].F != kNoCell) S = NextSlot(S);
      OneEdgeCells[S] = C;
      for (std::vector<std::uint64_t>& Set : FineSets)
        if (!Set.empty()) Set[C.F >> 5] |= std::uint64_t(2) << ((C.F & 31) * 2);
    }
  }
  for (int R = 0; R < 3; ++R) FineAnswers[R] = FineSets[R].empty() ? nullptr : FineSets[R].data();
  if (Source.size() == 1) FineAnswers[int(THitRule::AnySubpath)] = FineAnswers[int(THitRule::EvenOdd)];
}

void TVXPathData::TPathHitIndex::AddOneEdgeCell(const TVXPolygons& Source, std::span<const std::uint32_t> Starts,
                                                std::uint32_t Edge, std::uint32_t I, std::uint32_t J, float X,
                                                float Y, std::int32_t Sum, std::uint64_t Odd, double Margin) {
  const std::size_t p = PolygonOf(Starts, Edge), v = Edge - Starts[p];
  const TCanvasPoints& Poly = Source[p];
  const TPointF PI = Poly[v], PJ = Poly[v == 0 ? Poly.size() - 1 : v - 1];
  // A horizontal edge crosses no ray: it leaves its cells open.
  if (PI.Y == PJ.Y || !std::isfinite(PI.X) || !std::isfinite(PI.Y) || !std::isfinite(PJ.X) || !std::isfinite(PJ.Y))
    return;
  // Where the edge ends within the cell's row, the strip above (or below)
  // that end lies on the side of the end: left of the edge when the end is
  // right of the cell. The end lies beyond the cell, as the next edge would
  // touch it otherwise; one within the margins leaves the cell open.
  const double CellLeft = Bounds.Left + I / FineScaleX - Margin;
  const double CellRight = Bounds.Left + (I + 1) / FineScaleX + Margin;
  const TPointF& Top = PI.Y < PJ.Y ? PI : PJ;
  const TPointF& Bottom = PI.Y < PJ.Y ? PJ : PI;
  std::uint8_t StripsLeft = 0;
  auto Strip = [&](const TPointF& End, bool InRow, std::uint8_t Bit) {
    if (!InRow || End.X < CellLeft) return true;
    if (!(End.X > CellRight)) return false;
    StripsLeft |= Bit;
    return true;
  };
  if (!Strip(Top, Top.Y > Bounds.Top + J / FineScaleY - Margin, 1) ||
      !Strip(Bottom, Bottom.Y < Bounds.Top + (J + 1) / FineScaleY + Margin, 2))
    return;
  // The answers on both sides from the one at (X, Y): the edge's crossing
  // adds its direction to the points left of it.
  const bool LeftHere = LeftOfEdge(PI, PJ, StripsLeft, X, Y);
  const std::int32_t EdgeDir = PI.Y > PJ.Y ? 1 : -1;
  const std::uint64_t EdgeBit = std::uint64_t(1) << (p & 63);
  const std::int32_t SumLeft = LeftHere ? Sum : Sum + EdgeDir, SumRight = SumLeft - EdgeDir;
  const std::uint64_t OddLeft = LeftHere ? Odd : Odd ^ EdgeBit, OddRight = OddLeft ^ EdgeBit;
  const bool Masks = !Inside.empty();
  std::uint8_t Answers = 0;
  for (int R = 0; R < 3; ++R) {
    if (FineSets[R].empty()) continue;
    Answers |= std::uint8_t(Answer(THitRule(R), SumLeft, Masks ? OddLeft : std::uint64_t(SumLeft & 1)) << R);
    Answers |= std::uint8_t(Answer(THitRule(R), SumRight, Masks ? OddRight : std::uint64_t(SumRight & 1)) << (R + 3));
  }
  OneEdgeCells.push_back({std::uint32_t(std::size_t(J) * FX + I), PI, PJ, Answers, StripsLeft});
}

bool TVXPathData::TPathHitIndex::OneEdgeAnswer(float X, float Y, THitRule Rule) const {
  const std::size_t F = FineCell(X, Y);
  // The fine grid marks only cells that are in the table.
  std::size_t S = OneEdgeSlot(F);
  while (OneEdgeCells[S].F != F) S = NextSlot(S);
  const TOneEdgeCell& C = OneEdgeCells[S];
  return (C.Answers >> (int(Rule) + (LeftOfEdge(C.PI, C.PJ, C.StripsLeft, X, Y) ? 0 : 3))) & 1;
}

void TVXPathData::TPathHitIndex::WalkAt(float X, float Y, std::int32_t& Sum, std::uint64_t& Odd) const {
  const std::uint32_t I = CellX(X), J = CellY(Y);
  bool Rightwards;
  WalkBeyond(X, Y, I, J, Rightwards, Sum, Odd);
  WalkCell(X, Y, I, J, Rightwards, Sum, Odd);
}

void TVXPathData::TPathHitIndex::WalkBeyond(float X, float Y, std::uint32_t I, std::uint32_t J, bool& Rightwards,
                                            std::int32_t& Sum, std::uint64_t& Odd) const {
  // Walk towards the nearer clean cell (or end of the row, beyond which
  // nothing winds around a point).
  // The clean cells are found in the bit set, a word at a time: the
  // cells' own lists are read only where the walk goes.
  const std::size_t Row = std::size_t(J) * GX;
  const std::uint32_t Right = std::uint32_t(NextBit(CleanBits, Row + I + 1, Row + GX) - Row);
  const std::uint32_t Left = std::uint32_t(AfterLastBit(CleanBits, Row, Row + I) - Row);
  Rightwards = Right - I <= I + 1 - Left;
  const std::size_t C = Rightwards ? (I + 1 < GX ? WalkRow<true>(X, Y, I + 1, J, Sum, Odd) : SIZE_MAX)
                                   : (I > 0 ? WalkRow<false>(X, Y, I - 1, J, Sum, Odd) : SIZE_MAX);
  if (C != SIZE_MAX) {
    Sum += Cells[C].Winding;
    if (!Inside.empty()) Odd ^= Inside[C];
  }
}

void TVXPathData::TPathHitIndex::WalkCell(float X, float Y, std::uint32_t I, std::uint32_t J, bool Rightwards,
                                          std::int32_t& Sum, std::uint64_t& Odd) const {
  ForEachCrossingIn(Y, I, J,
                    [&](double XC, int Dir, std::uint32_t Poly) { CountOwn(X, XC, Dir, Poly, Rightwards, Sum, Odd); });
}

template <bool Rightwards>
std::size_t TVXPathData::TPathHitIndex::WalkRow(float X, float Y, std::uint32_t I, std::uint32_t J,
                                                 std::int32_t& Sum, std::uint64_t& Odd) const {
  const std::size_t Row = std::size_t(J) * GX;
  // Leftwards, K wraps past 0 to beyond the row.
  for (std::uint32_t K = I; K < GX; Rightwards ? ++K : --K) {
    const std::size_t C = Row + K;
    if (Clean(C)) return C;
    for (std::uint32_t e = Cells[C].Start, End = Cells[C + 1].Start; e < End; ++e) {
      const TEdge& E = Edges[e];
      double XC;
      int Dir;
      if (Crossing(E.PI, E.PJ, Y, XC, Dir) && (X < XC) == Rightwards && CellX(XC) == K) {
        Sum += Rightwards ? Dir : -Dir;
        Odd ^= std::uint64_t(1) << (E.Poly & 63);
      }
    }
  }
  return SIZE_MAX;
}

// The walk over every polygon, after its box check.
bool TVXPathData::TPathHitIndex::Plain(const TVXPolygons& Source, float X, float Y, THitRule Rule) const {
  int Sum = 0;
  for (std::size_t i = 0; i < Source.size(); ++i) {
    // No edge lies right of a point beyond the right edge, and a point left of
    // every vertex crosses each closed ring as often down as up. Points on
    // the right edge itself go through the full test.
    const TRectF& B = PolyBounds[i];
    if (!(X >= B.Left && X <= B.Right && Y >= B.Top && Y < B.Bottom)) continue;
    const int W = RingWinding(Source[i], X, Y);
    if (Rule == THitRule::AnySubpath && (W & 1)) return true;
    Sum += W;
  }
  return Rule == THitRule::EvenOdd ? (Sum & 1) != 0 : Rule == THitRule::NonZero && Sum != 0;
}

bool TVXPathData::TPathHitIndex::Query(const TVXPolygons& Source, float X, float Y, THitRule Rule) {
  if (!(X >= Bounds.Left && X <= Bounds.Right && Y >= Bounds.Top && Y < Bounds.Bottom)) return false;
  Rule = OwnRule(Rule, Source.size());
  auto Indexed = [&] { return GX > 0 && (Rule != THitRule::AnySubpath || !Inside.empty()); };
  if (!Indexed()) {
    if (!Built && EdgeCount > kMaxBandEdges) {
      // Paths this large keep to plain walks until the grid.
      Walked += EdgeCount;
      if (Walked > kWalksBeforeGrid * EdgeCount) Build(Source);
      if (!Indexed()) return Plain(Source, X, Y, Rule);
    }
    if (!Built && ++BandQueries > kBandQueriesBeforeGrid) {
      // The bands go before the grid comes, so that the two never take
      // memory together; they come back for what the grid cannot answer.
      BandStarts = {};
      BandEdges = {};
      PolyStarts = {};
      NBands = 0;
      BandsTried = false;
      Build(Source);
    }
    if (!Indexed()) {
      if (!BandsTried && EdgeCount <= kMaxBandEdges) BuildBands(Source);
      return NBands > 0 ? BandQuery(Source, X, Y, Rule) : Plain(Source, X, Y, Rule);
    }
  }
  if (!FineBuilt && ++IndexedQueries > kQueriesBeforeFine) BuildFine(Source);
  return IndexedAnswer(X, Y, Rule);
}

bool TVXPathData::TPathHitIndex::IndexedAnswer(float X, float Y, THitRule Rule) const {
  if (FX > 0) {
    const int Known = FineAnswer(X, Y, Rule);
    if (Known >= 0) return Known != 0;
    if (Known == -2) return OneEdgeAnswer(X, Y, Rule);
  } else {
    const std::size_t Cell = std::size_t(CellY(Y)) * GX + CellX(X);
    if (Bit(CleanBits, Cell)) return Bit(AnswerBits[int(Rule)], Cell);
  }
  std::int32_t Sum = 0;
  std::uint64_t Odd = 0;
  WalkAt(X, Y, Sum, Odd);
  return Answer(Rule, Sum, Odd);
}

const TVXPolygons& TVXPathData::CurrentPolygons() const {
  if (!FBatchStale) {
    UpdateMeasureCaches(false);  // the hit tests need no distances
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

// Only the hit tests below call this; inline, it folds into each of them.
// A warm index with its fine grid answers most queries alone, in a few
// instructions; the rest go through HitTestSlow.
inline bool TVXPathData::HitTest(float X, float Y, THitRule Rule) const {
  if (!FBatchStale && FHitIndex)
    if (const int Known = FHitIndex->QuickAnswer(X, Y, Rule); Known >= 0) return Known != 0;
  return HitTestSlow(X, Y, Rule);
}

// Kept out of line, so that the warm path above stays a leaf.
[[gnu::noinline]] bool TVXPathData::HitTestSlow(float X, float Y, THitRule Rule) const {
  // A point in bounds that the warm fine grid leaves open: straight to the
  // index's answer.
  if (!FBatchStale && FHitIndex && FHitIndex->FineAnswers[int(Rule)])
    return FHitIndex->IndexedAnswer(X, Y, TPathHitIndex::OwnRule(Rule, FPolygons.size()));
  // The first queries after a change walk the segments themselves: one
  // query then costs less than flattening the path would.
  if ((FBatchStale ? !FLiveValid : !FPolygonsValid) && FColdQueries < kColdQueries) {
    ++FColdQueries;
    TSegmentWalk Walk(*this, X, Y);
    Detail::WalkPolygons(*this, Walk);
    return TPathHitIndex::Answer(Rule, Walk.Sum(), Walk.AnyOdd());
  }
  const TVXPolygons& Polys = CurrentPolygons();
  if (FBatchStale) return FLiveIndex->Query(Polys, X, Y, Rule);
  if (!FHitIndex) {
    FHitIndex.reset(new TPathHitIndex);
    FHitIndex->Start(FPolygons);
  }
  return FHitIndex->Query(FPolygons, X, Y, Rule);
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
  // A path not opening with a move starts at (0, 0), as it is drawn.
  TPointF Previous, SubpathStart;
  for (const TPathSegment& S : Flat.Segments()) {
    if (S.Kind == TPathPointKind::CurveTo) continue;  // only an incomplete one survives flattening
    const TPointF Current = S.Pt(0);
    if (S.Kind == TPathPointKind::MoveTo) {
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
