#pragma once
// Geometry for the Cairo canvas, bounded by what can be seen.
//
// Cairo keeps device coordinates in 24.8 fixed point (about +-8 million
// pixels) and its work grows with the size of what it is handed. So the
// canvas never hands it raw geometry: every shape is built in canvas (user)
// coordinates into one of the sinks below, which map it through the canvas
// transform in double precision and cut it down to the visible device
// area plus a margin:
//
// - TFillSink: for fills and clips. Geometry is clamped into the box with
//   the exact clamp of each segment; the winding number of every point
//   inside the box is unchanged, so the fill is exact there.
// - TStrokeSink: for strokes no wider than the target. Pieces outside the
//   box (which holds the visible area plus the stroke's reach) are dropped;
//   what remains is kept as runs that remember how far along the path they
//   start, so that dashes keep their phase.
// - TWideStroke: for strokes wider than the target's diagonal, and for
//   dashes that a squeezing transform shrinks below a pixel. The stroke
//   is turned into the union of its parts (segment bodies, joins, caps,
//   dashes) as filled outlines, keeping only parts that reach the visible
//   area, through a TFillSink.
//
// Paths are built with the identity matrix on the context (device space);
// the caller sets the canvas transform before painting, so that strokes,
// dashes and gradients are measured in canvas units as usual.

#include <cairo.h>

#include <cstddef>
#include <span>
#include <vector>

namespace FMX::CairoGeometry {

struct TPt {
  double X = 0, Y = 0;
};

struct TBox {
  double L = 0, T = 0, R = 0, B = 0;
  bool Contains(TPt P) const { return P.X >= L && P.X <= R && P.Y >= T && P.Y <= B; }
  TBox Grown(double D) const { return {L - D, T - D, R + D, B + D}; }
  double Diagonal() const;
};

// x' = xx*x + xy*y + x0, y' = yx*x + yy*y + y0 (cairo's layout).
struct TAffine {
  double xx = 1, yx = 0, xy = 0, yy = 1, x0 = 0, y0 = 0;
  TPt operator()(TPt P) const { return {xx * P.X + xy * P.Y + x0, yx * P.X + yy * P.Y + y0}; }
  // Largest and smallest stretch of a unit vector (singular values).
  double MaxScale() const;
  double MinScale() const;
  bool Invert(TAffine& Out) const;
};

// The device-space box worth drawing into: the clip extents, cut to the
// range Cairo's fixed point can hold.
TBox VisibleBox(cairo_t* Cr);

// User-space geometry consumer. Points are canvas units.
class TSink {
 public:
  virtual ~TSink() = default;
  virtual void MoveTo(TPt P) = 0;
  virtual void LineTo(TPt P) = 0;
  virtual void CurveTo(TPt C1, TPt C2, TPt P) = 0;
  virtual void Close() = 0;
};

class TFillSink final : public TSink {
 public:
  // Box in device space; geometry goes onto Cr's current path (Cr must have
  // the identity matrix while building).
  TFillSink(cairo_t* Cr, const TAffine& M, const TBox& Box) : FCr(Cr), FM(M), FBox(Box) {}
  void MoveTo(TPt P) override;
  void LineTo(TPt P) override;
  void CurveTo(TPt C1, TPt C2, TPt P) override;
  void Close() override;
  // The same in device coordinates.
  void DeviceMoveTo(TPt D);
  void DeviceLineTo(TPt D);
  // One closed polygon, user space.
  void Polygon(std::span<const TPt> Points);

 private:
  TPt Clamp(TPt D) const;
  void Emit(TPt D);
  void DeviceCurve(TPt P0, TPt C1, TPt C2, TPt P3, int Depth);

  cairo_t* FCr;
  TAffine FM;
  TBox FBox;
  bool FHasCurrent = false;
  TPt FCurrent, FStart;  // device, unclamped
  TPt FLastEmitted;
};

// Dash pattern in canvas units (already multiplied by the thickness).
struct TDash {
  std::vector<double> Pattern;  // empty: solid
  double Offset = 0;
  double Period() const;
};

class TStrokeSink final : public TSink {
 public:
  TStrokeSink(const TAffine& M, const TBox& Box) : FM(M), FBox(Box) {}
  void MoveTo(TPt P) override;
  void LineTo(TPt P) override;
  void CurveTo(TPt C1, TPt C2, TPt P) override;
  void Close() override;
  // Builds the runs on Cr (identity matrix) and strokes them under Total;
  // a dashed stroke is painted run by run, each with its own phase.
  void Stroke(cairo_t* Cr, const cairo_matrix_t& Total, const TDash& Dash);
  bool Empty() const { return FRuns.empty() && FOpen.Ops.empty(); }

 private:
  struct TOp {
    bool Curve;
    TPt C1, C2, P;  // device
  };
  struct TRun {
    TPt Start;           // device
    double Phase = 0;    // canvas units along the subpath where the run starts
    std::vector<TOp> Ops;
    bool Closed = false;
    bool AtSubpathStart = false;  // begins where its subpath begins
  };
  void Piece(TPt A, TPt B, double LenA, double LenB);  // a visible straight piece, device
  void UserLine(TPt UA, TPt UB);
  void Curve(TPt P0, TPt C1, TPt C2, TPt P3, TPt U0, TPt U1, TPt U2, TPt U3, int Depth);
  void EndRun();
  void EndSubpath(bool Closed);

  TAffine FM;
  TBox FBox;
  bool FHasCurrent = false;
  TPt FUser, FUserStart;  // user space current and subpath start
  double FLength = 0;     // canvas units along the current subpath
  TRun FOpen;             // the run being built
  bool FOpenActive = false;
  std::size_t FSubpathFirstRun = 0;
  std::vector<TRun> FRuns;
};

enum class TCapStyle { Flat, Round };
enum class TJoinStyle { Miter, Round, Bevel };

class TWideStroke final : public TSink {
 public:
  // HalfWidth in canvas units. Out receives the outlines (fill them with
  // the nonzero rule); Visible is the device box that matters.
  TWideStroke(TFillSink& Out, const TAffine& M, const TBox& Visible, double HalfWidth, TCapStyle Cap,
              TJoinStyle Join, const TDash& Dash);
  void MoveTo(TPt P) override;
  void LineTo(TPt P) override;
  void CurveTo(TPt C1, TPt C2, TPt P) override;
  void Close() override;
  // Ends the last subpath; call once after the geometry.
  void Finish();

 private:
  void EndSubpath(bool Closed);
  void StrokePolyline(std::span<const TPt> P, bool Closed);
  void Curve(TPt P0, TPt C1, TPt C2, TPt P3, int Depth);
  void Body(TPt A, TPt B);
  // False when the budget for round parts is spent and nothing was drawn.
  bool Disc(TPt C);
  void Join(TPt P, TPt DirIn, TPt DirOut);
  // Distance from the visible area's centre to segment AB, in canvas units.
  double Distance(TPt A, TPt B) const;
  void Emit(std::vector<TPt>& Polygon);
  void CoverAll();

  TFillSink& FOut;
  TPt FCenter;     // centre of the visible area, canvas units
  double FRadius;  // radius around FCenter holding the visible area
  TPt FArea[4];    // the visible box's corners in canvas units
  double FHalf;
  TCapStyle FCap;
  TJoinStyle FJoin;
  TDash FDash;
  double FTolerance;  // canvas units
  double FDiscPoints = 0;  // points spent on round caps and joins so far
  int FDashes = 0;  // dashes cut so far
  int FChords = 0;  // chords cut from curves so far
  bool FCovered = false;
  bool FHasCurrent = false;
  std::vector<TPt> FLine;  // the current subpath, flattened
  std::vector<TPt> FScratch;
};

}  // namespace FMX::CairoGeometry
