#pragma once
// The platform's path container: an ordered list of path points (move, line,
// cubic curve, close) with the editing operations drawing code relies on.
//
// Guarantees:
// - A cubic segment is three consecutive curve points (first control point,
//   second control point, end point); it starts at the point stored before
//   them, or at (0, 0) when it is the first thing in the path. The editing
//   operations always append whole segments; only AddPoint (raw import) can
//   leave an incomplete curve at the end, and every walk over the points
//   meets it as a segment with fewer than three points.
// - A close point stores the coordinates of its subpath's first point (the
//   last move, or (0, 0) when the path has no move before it), so the current
//   point after a close is where the subpath started.
// - LastPoint is the coordinates of the last stored point; (0, 0) when empty.
// - The change slot (FOnChanged) is called with this object as sender after
//   every call that may change the points: each append, Clear, Assign,
//   Flatten, ApplyMatrix and the shape builders (once per call, even when
//   the call turned out to change nothing).
// - Coordinates are not checked: infinities and NaNs are stored as given and
//   propagate through the arithmetic; GetPathString writes them as "INF",
//   "-INF" and "NAN".
//
// Angles are in degrees and turn from +x towards +y (clockwise on a screen
// whose y axis points down).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX {

enum class TPathPointKind : std::int32_t { MoveTo = 0, LineTo = 1, CurveTo = 2, Close = 3 };

struct TPathPoint {
  TPathPointKind Kind = TPathPointKind::MoveTo;
  TPointF Point;
  friend bool operator==(const TPathPoint&, const TPathPoint&) = default;
};

// One step of a walk over a path: a move, a line, a cubic curve or a close.
struct TPathSegment {
  TPathPointKind Kind = TPathPointKind::MoveTo;
  TPointF Start;                        // current point before the segment ((0, 0) at index 0)
  std::span<const TPathPoint> Points;   // 1 point; 3 for a curve (fewer: incomplete, at the end only)
  std::size_t Index = 0;                // index of Points[0] in the path
  // Coordinates of the I-th point of the segment.
  const TPointF& Pt(std::size_t I) const { return Points[I].Point; }
  // End point of the segment (the last point it holds).
  const TPointF& End() const { return Points.back().Point; }
  bool IsCompleteCurve() const { return Kind == TPathPointKind::CurveTo && Points.size() == 3; }
};

// Forward range over the segments of a point list. Cheap to copy; valid until
// the path changes.
class TPathSegments {
 public:
  class Iterator {
   public:
    using value_type = TPathSegment;
    using difference_type = std::ptrdiff_t;
    Iterator() = default;
    Iterator(std::span<const TPathPoint> Pts, std::size_t I) : FPts(Pts), FIndex(I) {}
    TPathSegment operator*() const {
      TPathSegment S;
      S.Kind = FPts[FIndex].Kind;
      if (FIndex > 0) S.Start = FPts[FIndex - 1].Point;
      S.Points = FPts.subspan(FIndex, Width());
      S.Index = FIndex;
      return S;
    }
    Iterator& operator++() {
      FIndex += Width();
      return *this;
    }
    Iterator operator++(int) {
      Iterator T = *this;
      ++*this;
      return T;
    }
    friend bool operator==(const Iterator& A, const Iterator& B) { return A.FIndex == B.FIndex; }

   private:
    std::size_t Width() const {
      if (FPts[FIndex].Kind != TPathPointKind::CurveTo) return 1;
      std::size_t Left = FPts.size() - FIndex;
      return Left < 3 ? Left : 3;
    }
    std::span<const TPathPoint> FPts;
    std::size_t FIndex = 0;
  };

  explicit TPathSegments(std::span<const TPathPoint> Pts) : FPts(Pts) {}
  Iterator begin() const { return Iterator(FPts, 0); }
  Iterator end() const { return Iterator(FPts, FPts.size()); }

 private:
  std::span<const TPathPoint> FPts;
};

class VXFMX_API TPathData : public TPersistent {
 public:
  TPathData();
  TPathData(const TPathData&) = delete;
  TPathData& operator=(const TPathData&) = delete;
  ~TPathData() override;

  // Another TPathData: points replaced by a copy of its points (the change
  // slot is not copied). Anything else: the inherited assignment.
  void Assign(const TPersistent& Source) override;

  void Clear();
  // Room for at least Count points; grows geometrically (at least doubling),
  // so reserving "size + n" before each append stays amortised O(1).
  void Reserve(std::size_t Count);
  std::int32_t GetCount() const { return std::int32_t(FPoints.size()); }
  bool IsEmpty() const { return FPoints.empty(); }
  // 0 <= Index < GetCount(); otherwise Exception "List index out of bounds (<Index>)".
  const TPathPoint& GetPoint(std::int32_t Index) const;
  std::span<const TPathPoint> Points() const { return FPoints; }
  TPathSegments Segments() const { return TPathSegments(FPoints); }
  // The current point: the last stored point's coordinates, (0, 0) when empty.
  TPointF LastPoint() const;

  void MoveTo(const TPointF& P);
  void MoveToRel(const TPointF& P);
  void LineTo(const TPointF& P);
  void LineToRel(const TPointF& P);
  void HLineTo(float X);
  void HLineToRel(float DX);
  void VLineTo(float Y);
  void VLineToRel(float DY);
  // Appends exactly three curve points, even on an empty path.
  void CurveTo(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint);
  // All three points are offsets from the current point.
  void CurveToRel(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint);
  // First control point: the point stored before the current point mirrored
  // about the current point (after a curve, its second control point); the
  // current point itself when the path holds fewer than two points.
  void SmoothCurveTo(const TPointF& ControlPoint2, const TPointF& EndPoint);
  // As SmoothCurveTo; ControlPoint2 and EndPoint are offsets from the current point.
  void SmoothCurveToRel(const TPointF& ControlPoint2, const TPointF& EndPoint);
  void ClosePath();
  // Bulk building, for code that appends many points at once (the path-text
  // reader): TakePoints hands over the point list and leaves the path empty
  // (no notification); the caller appends whole segments to it, storing a
  // close point with its subpath's first point, and GivePoints puts it back
  // as the path's points and notifies once. SubpathStart is the first point
  // of the current subpath, the point the next close stores.
  std::vector<TPathPoint> TakePoints();
  void GivePoints(std::vector<TPathPoint>&& Points);
  TPointF SubpathStart() const { return FSubpathStart; }
  // Raw import of one stored point. A close point is stored with its
  // subpath's first point whatever P holds; a kind outside the four raises
  // Exception "Invalid path point kind".
  void AddPoint(TPathPointKind Kind, const TPointF& P);

  // Replaces every curve by line points that stay within Tolerance (in path
  // units, > 0; anything else counts as 0.25) of the curve. One curve gives
  // at most 4096 lines, so enormous curves may exceed the tolerance.
  void Flatten(float Tolerance = 0.25f);

  // Closed ellipse inscribed in Rect: a move to the middle of the right edge,
  // four cubic quarter arcs through bottom, left and top, and a close.
  void AddEllipse(const TRectF& Rect);
  // Elliptical arc around Center with radii Radius.X, Radius.Y from
  // StartAngle through SweepAngle (degrees; sweeps beyond a full turn are
  // cut to one turn), in cubic pieces of at most a quarter turn. It begins
  // with a move to the arc's start when the path is empty or ends in a
  // close, otherwise with a line to it (left out when the current point is
  // already there).
  void AddArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle);
  // Closed rectangle starting on the top edge and running clockwise on
  // screen. Corners in Corners get XRadius, YRadius (absolute values, capped
  // at half the width and half the height) shaped by CornerType: Round
  // (quarter ellipse), Bevel (straight cut), InnerRound (quarter ellipse
  // curving inwards around the corner), InnerLine (notch of two lines). A
  // zero radius gives square corners. The rectangle is normalised first.
  void AddRectangle(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners = AllCorners,
                    TCornerType CornerType = TCornerType::Round);

  // Every point transformed (points are row vectors, see TMatrix).
  void ApplyMatrix(const TMatrix& M);

  // SVG path text: "M10,20 L30,40 C1,2 3,4 5,6 Z", numbers written by
  // FloatToStr with '.' as decimal separator. An incomplete curve at the end
  // is left out.
  std::string GetPathString() const;

  // Smallest rectangle holding the path: the stored on-curve points and the
  // extremes of every curve (not its control points). (0, 0, 0, 0) when empty.
  TRectF GetBounds() const;

  // The change slot: a derived class or owner installs its handler here.
  virtual const TNotifyEvent& OnChanged() const;
  virtual void SetOnChanged(TNotifyEvent Handler);

 protected:
  // Calls the change slot, if set, with this object as sender.
  virtual void DoChanged();

  TNotifyEvent FOnChanged;

 private:
  void Append(TPathPointKind Kind, const TPointF& P);

  std::vector<TPathPoint> FPoints;
  TPointF FSubpathStart;  // first point of the current subpath, stored with close points
};

}  // namespace FMX
