#pragma once
// TVXPathData: the library's path object. It extends the platform container
// with change batching and a change event, SVG path text (Data), polygon
// import, appending, elliptical arcs, cached flattening with distances, and
// hit tests against the fill and the stroked outline.
//
// Guarantees:
// - Every change to the points reaches PathChange. Outside a batch it drops
//   the cached polygons, distances and length and raises OnChanged once with
//   this object as sender. Inside BeginUpdate/EndUpdate nothing is raised
//   and the caches keep their contents; the EndUpdate that brings the
//   counter back to exactly 0 does both once. The counter has no lower
//   bound: an extra EndUpdate leaves it negative and batching stops working.
// - Setting Data never raises for bad text: the parser keeps what it could
//   read, and the whole assignment raises OnChanged once. Only an exception
//   from an OnChanged handler reaches the caller.
// - FillMode is stored only; setting it raises nothing.
//
// Angles are in degrees and turn from +x towards +y (clockwise on screen).

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/PathData.h"
#include "platform/Types.h"

namespace FMX {
class TCanvas;
}

namespace FMX::VX::Graphics {

using namespace ::FMX;

enum TVXFillMode : std::uint8_t { fmEvenOdd, fmNonZero };
using TPointPolygons = std::vector<TPoints>;
using TVXPolygons = std::vector<TCanvasPoints>;

class VXFMX_API TVXPathData : public FMX::TPathData {
 public:
  using TDistances = std::vector<TSingleDynArray>;

  TVXPathData();
  ~TVXPathData() override;

  // Virtual constructor: a derived class returns an empty object of its own
  // class, so that Clone() keeps the run-time class.
  virtual std::unique_ptr<TVXPathData> NewInstance() const;
  // A new object of this object's run-time class holding a copy of the points.
  std::unique_ptr<TVXPathData> Clone() const;

  // The user's change event (the container's change slot stays with this
  // class).
  const TNotifyEvent& OnChanged() const override;
  void SetOnChanged(TNotifyEvent Handler) override;

  TVXFillMode FillMode() const { return FFillMode; }
  void SetFillMode(TVXFillMode Value);

  // The path as SVG text (the container's writer), and the parser: the path
  // is cleared and replaced by what PathString describes.
  std::string Data() const;
  void SetData(std::string_view PathString);

  // A move to the first point and lines to the others. The integer form
  // keeps a repeated closing point as a line before the close; the float form
  // closes instead of drawing to a last point equal to the first. An empty
  // run changes nothing and raises nothing; otherwise OnChanged fires once.
  void AddPolygon(std::span<const TPoint> Poly);
  void AddPolygon(std::span<const TPointF> Poly);
  // AddPolygon for each element, raising OnChanged once (also when empty).
  void AddPolygons(const TPointPolygons& Poly);
  void AddPolygons(const TVXPolygons& Poly);

  // Source's points after this path's, as absolute coordinates (onto an
  // empty path: Assign). An incomplete curve in Source raises Exception
  // "Path Copying Error"; the points copied before it stay and OnChanged
  // still fires once. A class overriding Append should add
  // `using TVXPathData::Append;` to keep the text overload visible.
  virtual void Append(const TVXPathData& Source);
  // Parses PathString into a temporary path and appends that.
  void Append(std::string_view PathString);

  void BeginUpdate();
  void EndUpdate();

  // Strokes the path on Canvas with its current stroke.
  void DrawPath(TCanvas& Canvas, float Opacity) const;
  // Fills the path with Canvas's fill; an open path is filled as if closed
  // (through a closed copy; this path is left unchanged).
  void FillPath(TCanvas& Canvas, float Opacity) const;

  // Cubic whose first control point mirrors the previous point about the
  // current point; when the path holds two points or fewer, or ends in a
  // move, the first control point is the current point instead.
  void SmoothCurveTo(TPointF ControlPoint2, TPointF EndPoint);
  // As SmoothCurveTo, with both points offsets from the current point.
  void SmoothCurveToRel(TPointF ControlPoint2, TPointF EndPoint);

  // Elliptical arcs.
  // Arc of the axis-aligned ellipse around Center with radii Radius from
  // StartAngle through SweepAngle (degrees), as cubic pieces of at most a
  // quarter turn appended with no move or line first: the caller makes the
  // current point the arc's start. A sweep below 1e-10 radian adds nothing.
  void AddArcSvgPart(TPointF Center, TPointF Radius, float StartAngle, float SweepAngle);
  // SVG endpoint arc from P1 to P2 (the current point should be P1): radii
  // made non-negative and scaled up when too small to reach P2, Angle the
  // x-axis rotation in degrees. Worked out in double (directions kept as
  // vectors, so tiny sweeps survive), in cubic pieces of a quarter turn,
  // the last taking the rest (up to a quarter turn plus 0.01 radian) and
  // ending exactly at P2. P1 == P2 appends a whole ellipse resting on P1
  // (from the radii as passed); a radius of zero, or a short sweep too flat
  // to draw (under 1e-12 radian), appends a line to P2. Between end
  // directions that close LargeFlag alone chooses: nearly a whole turn, or
  // the line.
  void AddArcSvg(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2);

  // Into any TPathData: this path's points appended to Dest's, without
  // clearing Dest ("Path Copying Error" as for Append). Anything else: the
  // inherited assignment error.
  void AssignTo(TPersistent& Dest) const override;

  // --- measurement and hit tests (implemented by the measurement helper) ---
  // Polygons: one per subpath, curves flattened into chords at most about 1
  // unit long that stay within 1/1000 of the curve's size (and 0.005 units)
  // of the cubic, under a budget of about 2^20 + 320 points per curve for
  // the whole path (see CubicFlatten_p.h); a line or curve opening the path
  // starts at (0, 0); a closed subpath repeats its first point at the end. Distances: per polygon point, the distance along the path from its
  // start (the gap between subpaths adds nothing). The results are references
  // to caches that stay valid from the first call until the next change
  // (within a BeginUpdate/EndUpdate batch: until the final EndUpdate). These
  // const calls fill caches, so one object is not for concurrent use.
  const TVXPolygons& ToPolygons() const;
  const TVXPolygons& Polygons() const { return ToPolygons(); }
  double GetLength() const;
  const TDistances& Distances() const;
  // The path as text with absolute commands ("M0,0 L100,100 C... Z "), with
  // Delimiter inserted each time the text since the last delimiter exceeds
  // Len characters. An incomplete trailing curve is left out.
  std::string SplitDataByLength(std::int32_t Len, std::string_view Delimiter) const;
  // Inside the fill: each subpath (polygon) on its own with the even-odd
  // rule; inside any of them is inside. FillMode is not consulted. Hit tests
  // always answer for the points as they are now, also inside a batch. Left and
  // top edges count as inside, right and bottom ones as outside. Queries
  // allocate nothing once the path has been indexed (after a few queries).
  bool PointInPath(TPointF P) const;
  bool PointInPath(float X, float Y) const;
  // Inside the fill as it is painted: all subpaths together under FillMode
  // (fmEvenOdd: inside when a ray from the point crosses the outline an odd
  // number of times; fmNonZero: when the outline winds around the point).
  // Open subpaths count as closed. Same flattening, edge rule and speed as
  // PointInPath.
  bool PointInFill(TPointF P) const;
  bool PointInFill(float X, float Y) const;
  // On the outline of the given width: inside a rectangle of half the width
  // on both sides of a segment of the polygons (no joins, no caps).
  bool PointInPathOutline(TPointF P, float StrokeWidth) const;
  bool PointInPathOutline(float X, float Y, float StrokeWidth) const;
  // Appends one closed rectangle per segment of P flattened (tolerance 0.25);
  // one change notification.
  void AddPathOutline(const TVXPathData& P, float StrokeWidth);
  // The point at Distance along the path and the direction of travel there
  // (degrees, from +x towards +y), read from Polygons and Distances.
  // Distances below 0 or beyond the length clamp to the ends; the gap between
  // subpaths takes no length, so a distance where one subpath ends and the
  // next begins gives the end of the earlier one. A path of zero length gives
  // its first point and angle 0; an empty path (0, 0) and 0. The angle is
  // that of the chord the point lies on (at a vertex: the chord arriving
  // there; at the very start: the first chord of non-zero length), except
  // where its neighbours turn by 15 degrees or less, as the chords of a
  // flattened curve do: there it is blended towards the neighbour on the
  // point's side, so that it follows the curve's tangent. Straight runs and
  // sharper corners keep the chord's own angle.
  TPointF GetPointAtLength(double Distance) const;
  double GetAngleAtLength(double Distance) const;

 private:
  struct TPathHitIndex;
  struct THitIndexDeleter {
    void operator()(TPathHitIndex* Index) const;
  };
  enum class THitRule : std::uint8_t { AnySubpath, EvenOdd, NonZero };
  bool HitTest(float X, float Y, THitRule Rule) const;
  bool HitTestSlow(float X, float Y, THitRule Rule) const;  // what the warm index cannot answer
  // Polygons of the points as they are now, for the hit tests: the cached
  // ones, or, when the path changed inside a batch after they were built,
  // a separate flattening of the current points.
  const TVXPolygons& CurrentPolygons() const;
  double CalculateDistances() const;
  void AddRectangleForSegment(TPointF A, TPointF B, float W);
  // Rebuilds the polygons unless FPolygonsValid, and the distances and
  // length (when asked for) unless FDistancesValid.
  void UpdateMeasureCaches(bool WithDistances = true) const;
  mutable double FLength = 0;
  mutable TVXPolygons FPolygons;
  mutable TDistances FDistances;
  mutable bool FPolygonsValid = false;  // polygons cached from the first ToPolygons until the next change
  mutable bool FDistancesValid = false;  // distances and length of the cached polygons
  // Bounds, banded copies of FPolygons and a grid of known answers for
  // PointInPath; started by the first hit test after the polygons are built,
  // dropped by every change outside a batch and whenever they are rebuilt:
  // while it exists, the polygons are valid.
  mutable std::unique_ptr<TPathHitIndex, THitIndexDeleter> FHitIndex;
  // Set by a change inside a batch while the caches above are kept; the hit
  // tests then work on FLivePolygons (with FLiveIndex), flattened from the
  // current points once per change.
  mutable bool FBatchStale = false;
  mutable bool FLiveValid = false;
  mutable TVXPolygons FLivePolygons;
  mutable std::unique_ptr<TPathHitIndex, THitIndexDeleter> FLiveIndex;
  // Hit tests since the last change that walked the segments instead of
  // polygons; after kColdQueries of them the path is flattened.
  static constexpr std::uint32_t kColdQueries = 1;
  mutable std::uint32_t FColdQueries = 0;
  // --- end of measurement and hit tests ---

 private:
  // Installed in the container's change slot at construction; outside a
  // batch: FLength = 0, caches emptied, FPolygonsValid = false, then the
  // user's OnChanged(this).
  void PathChange(TObject* Sender);
  // Inside a batch nothing needs to reach the change slot: this skips the
  // call for every point the parser adds. Outside a batch the slot
  // (PathChange) is called as usual.
  void DoChanged() override;
  // Copies Source's points onto Dest's with the container's operations.
  static void CopyPoints(const TPathData& Source, TPathData& Dest);

  TNotifyEvent FOnChanged;
  std::int32_t FUpdateCount = 0;
  TVXFillMode FFillMode = fmEvenOdd;
};

// Ring sector around the origin between radii R1 and R2 (either order; a
// negative radius counts by its size, and an inner radius of 0 gives a pie
// slice), from angle A to angle B turned by Rotation (degrees); a difference
// of a full turn gives whole rings, the inner circle running the other way
// round. The path form appends to Path and returns it; the string form
// returns the same figure as path text that the parser reads back.
VXFMX_API TVXPathData& Arc(TVXPathData& Path, double A, double B, double R1, double R2, double Rotation);
VXFMX_API std::string Arc(double A, double B, double R1, double R2, double Rotation);

}  // namespace FMX::VX::Graphics
