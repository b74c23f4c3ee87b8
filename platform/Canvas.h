#pragma once
// The drawing surface every routine of the library paints on.
//
// TCanvas keeps the drawing state (fill, stroke, font, matrix, pen position,
// clip nesting) and offers the drawing operations. Backends derive from it
// and implement only the protected Do* hooks: TCairoCanvas draws with Cairo
// (bitmaps, PDF, SVG, any cairo surface), TRecordingCanvas records each call.
//
// Conventions:
// - Coordinates are canvas units, transformed by Matrix() (row vectors,
//   x' = x*m11 + y*m21 + m31) before they reach the device.
// - Opacity is 0..1 and multiplies the alpha of whatever is painted; values
//   above 1 count as 1, values of 0 or less (and NaN) paint nothing. (The
//   recording canvas keeps every value as passed.)
// - Angles are degrees, turning from +x towards +y (clockwise on screen).
// - Rectangles may be given inverted (Left > Right, Top > Bottom); shapes are
//   drawn in the normalised rectangle.
// - Fill operations use Fill(); outline operations use Stroke() with its
//   thickness, cap, join and dash; text is painted with Fill().
// - Nothing raises for degenerate geometry or an empty surface: such calls
//   simply paint nothing.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>
#include <string_view>

#include "platform/Brush.h"
#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Font.h"
#include "platform/Set.h"
#include "platform/Types.h"

namespace FMX {

class TBitmap;
class TPathData;

// Horizontal: Leading = left, Trailing = right (mirrored for right-to-left
// text). Vertical: Leading = top, Trailing = bottom.
enum class TTextAlign : std::int32_t { Center = 0, Leading = 1, Trailing = 2 };

enum class TFillTextFlag : std::uint8_t { RightToLeft = 0 };
using TFillTextFlags = TSet<TFillTextFlag, std::uint8_t>;

// Bytes of text that FillText draws at most (64 KiB).
inline constexpr std::size_t MaxDrawnText = 65536;

class VXFMX_API TCanvas : public TPersistent {
 public:
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // --- State ------------------------------------------------------------
  // The canvas's own brushes and font, changed in place. The defaults are a
  // solid black fill, a solid black stroke of thickness 1 (flat caps, miter
  // joins, no dash) and DejaVu Sans 12.
  TBrush& Fill() { return FFill; }
  const TBrush& Fill() const { return FFill; }
  void SetFill(const TBrush& Value) { FFill.Assign(Value); }
  TStrokeBrush& Stroke() { return FStroke; }
  const TStrokeBrush& Stroke() const { return FStroke; }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }

  // Stroke properties, kept in Stroke().
  float GetStrokeThickness() const { return FStroke.Thickness(); }
  void SetStrokeThickness(float Value) { FStroke.SetThickness(Value); }
  TStrokeCap GetStrokeCap() const { return FStroke.Cap(); }
  void SetStrokeCap(TStrokeCap Value) { FStroke.SetCap(Value); }
  TStrokeJoin GetStrokeJoin() const { return FStroke.Join(); }
  void SetStrokeJoin(TStrokeJoin Value) { FStroke.SetJoin(Value); }
  TStrokeDash GetStrokeDash() const { return FStroke.Dash(); }
  void SetStrokeDash(TStrokeDash Value) { FStroke.SetDash(Value); }

  // Current transform; identity at construction. Only the affine part is
  // used (m13, m23, m33 are ignored). While the matrix is singular or holds
  // a non-finite element nothing is painted and IntersectClipRect empties
  // the clip.
  const TMatrix& Matrix() const { return FMatrix; }
  void SetMatrix(const TMatrix& Value);

  // Drawable size in device pixels (document canvases: points).
  std::int32_t Width() const { return FWidth; }
  std::int32_t Height() const { return FHeight; }

  // A current position for callers that keep one (move-to / line-to style
  // drawing). The canvas itself never reads or moves it.
  TPointF PenPos() const { return FPenPos; }
  void SetPenPos(TPointF Value) { FPenPos = Value; }

  // The bitmap whose pixels this canvas paints, or nullptr for canvases
  // without readable pixels (documents, recordings, foreign surfaces).
  TBitmap* Bitmap() const { return FBitmap; }

  // --- Scenes -----------------------------------------------------------
  // Brackets drawing. Scenes nest; drawing outside a scene also works.
  // BeginScene returns false (and opens no scene) when the canvas cannot
  // paint at all (an empty bitmap); EndScene flushes the output when a scene
  // ends.
  // An EndScene without a matching BeginScene does nothing.
  bool BeginScene();
  void EndScene();
  std::int32_t SceneDepth() const { return FSceneDepth; }

  // --- Clip -------------------------------------------------------------
  // Narrows the clip to the rectangle, given in current canvas coordinates
  // (the matrix applies). The clip only ever narrows; PushClip / PopClip
  // save and put back the clip in force. A PopClip without a matching
  // PushClip does nothing. Clip nesting is independent of scenes.
  void IntersectClipRect(const TRectF& Rect);
  void PushClip();
  void PopClip();
  std::int32_t ClipDepth() const { return FClipDepth; }

  // --- Drawing ----------------------------------------------------------
  // Every pixel of the clip becomes Color (not blended), ignoring the matrix.
  void Clear(TAlphaColor Color);

  // Rectangle, optionally with rounded corners: radii are clamped to half
  // the width and height; corners not in Corners stay square; a radius of 0
  // on either axis gives a plain rectangle.
  void FillRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                TCornerType CornerType = TCornerType::Round);
  void DrawRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                TCornerType CornerType = TCornerType::Round);
  void FillRect(const TRectF& Rect, float Opacity) { FillRect(Rect, 0, 0, TCorners(), Opacity); }
  void DrawRect(const TRectF& Rect, float Opacity) { DrawRect(Rect, 0, 0, TCorners(), Opacity); }

  // The ellipse inscribed in the rectangle.
  void FillEllipse(const TRectF& Rect, float Opacity);
  void DrawEllipse(const TRectF& Rect, float Opacity);

  void DrawLine(const TPointF& P1, const TPointF& P2, float Opacity);

  // Elliptical arc around Center with radii Radius.X and Radius.Y, from
  // StartAngle over SweepAngle degrees (negative sweeps run back; sweeps
  // beyond one full turn are cut to one turn).
  void DrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle, float Opacity);

  // Paths fill with the even-odd rule (overlapping subpaths make holes).
  // Segments before the first move start at (0, 0); an incomplete curve
  // (fewer than three curve points) is skipped. A path holding a non-finite
  // coordinate paints nothing.
  void FillPath(const TPathData& Path, float Opacity);
  void DrawPath(const TPathData& Path, float Opacity);

  // The points stroked as one outline. The outline is open unless its last
  // point equals its first, in which case it is closed (joined, no cap).
  // A point with a non-finite coordinate ends the current run; the next
  // point starts a new one.
  void DrawPolygon(std::span<const TPointF> Points, float Opacity);

  // Text laid out in Rect with Font() and painted with Fill(). Lines break
  // at '\n'; with WordWrap also at word boundaries to fit the rectangle's
  // width (a word wider than the rectangle breaks between characters).
  // The block is aligned inside the rectangle horizontally and vertically;
  // text that does not fit overflows the rectangle (it is not clipped).
  // Only the first MaxDrawnText bytes of a text are drawn (cut between
  // characters): laying out more costs seconds and could never be read on a
  // screen. Measuring has no such limit. When wrapping, a run of more than
  // 128 bytes without a blank may also break after every 64 bytes.
  void FillText(const TRectF& Rect, std::string_view Text, bool WordWrap, float Opacity, TFillTextFlags Flags,
                TTextAlign HTextAlign, TTextAlign VTextAlign = TTextAlign::Center);

  // Extent of the text laid out unwrapped in the current font, in canvas
  // units before the matrix: width of the widest line, height of all lines
  // (an empty text is one empty line high). Lines break at "\n", "\r" and
  // "\r\n". Any length is measured (long lines in parts whose widths are
  // added, so kerning across a part's end is left out).
  float TextWidth(std::string_view Text) const;
  float TextHeight(std::string_view Text) const;
  TSizeF TextExtent(std::string_view Text) const;

  // The Source part of Bitmap (pixels) scaled into Dest (canvas units).
  // HighSpeed picks nearest-neighbour sampling instead of smooth filtering.
  // Drawing an empty bitmap paints nothing.
  void DrawBitmap(const TBitmap& Bitmap, const TRectF& Source, const TRectF& Dest, float Opacity,
                  bool HighSpeed = false);

 protected:
  TCanvas(std::int32_t Width, std::int32_t Height);

  void SetSize(std::int32_t Width, std::int32_t Height);
  void SetBitmap(TBitmap* Value) { FBitmap = Value; }
  // Forgets clip nesting (the backend's surface was replaced).
  void ResetClipDepth() { FClipDepth = 0; }

  // Backend hooks. The public operation has already stored the matrix when
  // DoSetMatrix runs, but changes its depth counters only after the hook
  // returns (a hook that raises leaves them as they were): DoPushClip and
  // DoPopClip see the depth before the push or pop, DoEndScene the depth
  // of the scene it ends. Hooks read the current brushes, font and matrix
  // through the public getters.
  virtual bool DoBeginScene() = 0;
  virtual void DoEndScene() = 0;
  virtual void DoSetMatrix() = 0;
  virtual void DoIntersectClipRect(const TRectF& Rect) = 0;
  virtual void DoPushClip() = 0;
  virtual void DoPopClip() = 0;
  virtual void DoClear(TAlphaColor Color) = 0;
  virtual void DoFillRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                          TCornerType CornerType) = 0;
  virtual void DoDrawRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                          TCornerType CornerType) = 0;
  virtual void DoFillEllipse(const TRectF& Rect, float Opacity) = 0;
  virtual void DoDrawEllipse(const TRectF& Rect, float Opacity) = 0;
  virtual void DoDrawLine(const TPointF& P1, const TPointF& P2, float Opacity) = 0;
  virtual void DoDrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle,
                         float Opacity) = 0;
  virtual void DoFillPath(const TPathData& Path, float Opacity) = 0;
  virtual void DoDrawPath(const TPathData& Path, float Opacity) = 0;
  virtual void DoDrawPolygon(std::span<const TPointF> Points, float Opacity) = 0;
  virtual void DoFillText(const TRectF& Rect, std::string_view Text, bool WordWrap, float Opacity,
                          TFillTextFlags Flags, TTextAlign HTextAlign, TTextAlign VTextAlign) = 0;
  virtual TSizeF DoMeasureText(std::string_view Text) const = 0;
  virtual void DoDrawBitmap(const TBitmap& Bitmap, const TRectF& Source, const TRectF& Dest, float Opacity,
                            bool HighSpeed) = 0;

 private:
  TBrush FFill{TBrushKind::Solid, 0xFF000000};
  TStrokeBrush FStroke{TBrushKind::Solid, 0xFF000000};
  TFont FFont;
  TMatrix FMatrix = TMatrix::Identity();
  TPointF FPenPos;
  TBitmap* FBitmap = nullptr;
  std::int32_t FWidth = 0;
  std::int32_t FHeight = 0;
  std::int32_t FSceneDepth = 0;
  std::int32_t FClipDepth = 0;
};

// Saves the clip on construction and puts it back on destruction, also when
// an exception passes. A PopClip that raises reaches the caller, unless
// another exception is already unwinding the stack: that one wins.
class TClipGuard {
 public:
  explicit TClipGuard(TCanvas& Canvas) : FCanvas(Canvas), FUncaught(std::uncaught_exceptions()) {
    FCanvas.PushClip();
  }
  ~TClipGuard() noexcept(false) {
    if (std::uncaught_exceptions() > FUncaught) {
      try {
        FCanvas.PopClip();
      } catch (...) {
      }
      return;
    }
    FCanvas.PopClip();
  }
  TClipGuard(const TClipGuard&) = delete;
  TClipGuard& operator=(const TClipGuard&) = delete;

 private:
  TCanvas& FCanvas;
  int FUncaught;  // exceptions in flight when the guard was made
};

}  // namespace FMX
