#pragma once
// Canvas backend drawing with Cairo; text is laid out by Pango (fonts found
// through fontconfig).
//
// A TCairoCanvas paints on any cairo context: a bitmap's image surface
// (TBitmap::Canvas), a PDF or SVG document (TCairoDocument) or a context the
// caller made. The transform the context has when the canvas is made stays
// underneath the canvas Matrix (so a caller's device scaling is kept).
//
// The canvas owns the cairo state while it lives: it sets source, line
// style and matrix lazily, only when they differ from what it last set, so
// callers must not change the context behind its back (call
// InvalidateContextState() if they do).
//
// Text measuring uses unhinted metrics: the same text measures the same on
// every surface and under every matrix.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Canvas.h"
#include "platform/Export.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace FMX {

class TCairoText;

class VXFMX_API TCairoCanvas : public TCanvas {
 public:
  // Takes its own reference to Context; nullptr gives a canvas that paints
  // nothing. Width and Height are what Width() and Height() report.
  TCairoCanvas(cairo_t* Context, std::int32_t Width, std::int32_t Height);
  // Makes a context on Surface (its own reference).
  TCairoCanvas(cairo_surface_t* Surface, std::int32_t Width, std::int32_t Height);
  ~TCairoCanvas() override;

  cairo_t* Context() const { return FCr; }
  // Forget what the canvas believes the context holds; the next operation
  // sets source, line style and matrix again.
  void InvalidateContextState();

 protected:
  bool DoBeginScene() override;
  void DoEndScene() override;
  void DoSetMatrix() override;
  void DoIntersectClipRect(const TRectF& Rect) override;
  void DoPushClip() override;
  void DoPopClip() override;
  void DoClear(TAlphaColor Color) override;
  void DoFillRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                  TCornerType CornerType) override;
  void DoDrawRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                  TCornerType CornerType) override;
  void DoFillEllipse(const TRectF& Rect, float Opacity) override;
  void DoDrawEllipse(const TRectF& Rect, float Opacity) override;
  void DoDrawLine(const TPointF& P1, const TPointF& P2, float Opacity) override;
  void DoDrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle,
                 float Opacity) override;
  void DoFillPath(const TPathData& Path, float Opacity) override;
  void DoDrawPath(const TPathData& Path, float Opacity) override;
  void DoDrawPolygon(std::span<const TPointF> Points, float Opacity) override;
  void DoFillText(const TRectF& Rect, std::string_view Text, bool WordWrap, float Opacity, TFillTextFlags Flags,
                  TTextAlign HTextAlign, TTextAlign VTextAlign) override;
  TSizeF DoMeasureText(std::string_view Text) const override;
  void DoDrawBitmap(const TBitmap& Bitmap, const TRectF& Source, const TRectF& Dest, float Opacity,
                    bool HighSpeed) override;

 private:
  friend class TBitmap;
  friend class TCairoDocument;
  // Points the canvas at another context (a bitmap changed size, a document
  // was finished): clip nesting is forgotten; brushes, font and matrix are
  // kept. Takes its own reference; nullptr makes the canvas paint nothing.
  void Retarget(cairo_t* Context, std::int32_t Width, std::int32_t Height);
  void SetOwnerBitmap(TBitmap* Owner) { SetBitmap(Owner); }

  // Per-call preparation; false when the call paints nothing.
  bool PrepareMatrix();
  bool PrepareFill(float Opacity, double& Alpha);
  bool PrepareStroke(float Opacity, double& Alpha);
  // False when the brush paints nothing (a gradient without stops).
  bool SetBrushSource(const TBrush& Brush, double Alpha, double X0, double Y0, double X1, double Y1);
  void SetSolidSource(TAlphaColor Color, double Alpha);
  void ApplyLineStyle();
  // Paint the path built on the context with the fill or the stroke; the
  // box (user space) is what a gradient spans. The path is consumed.
  void FillCurrentPath(double Alpha, double X0, double Y0, double X1, double Y1);
  void StrokeCurrentPath(double Alpha, double X0, double Y0, double X1, double Y1);
  // The same with the path's own extents as the box.
  void FillCurrentPath(double Alpha);
  void StrokeCurrentPath(double Alpha);
  TCairoText& Text() const;

  cairo_t* FCr = nullptr;
  double FBase[6] = {1, 0, 0, 1, 0, 0};  // the context's own transform at construction

  // What the context holds, as last set by this canvas.
  bool FMatrixDirty = true;
  bool FMatrixUsable = true;  // false while Matrix() is singular or not finite
  bool FSourceKnown = false;  // the context's source is the solid colour below
  TAlphaColor FSourceColor = 0;
  double FSourceAlpha = 0;
  bool FLineKnown = false;
  float FLineThickness = 0;
  TStrokeCap FLineCap = TStrokeCap::Flat;
  TStrokeJoin FLineJoin = TStrokeJoin::Miter;
  TStrokeDash FLineDash = TStrokeDash::Solid;
  float FLineDashThickness = 0;  // thickness the dash pattern was scaled for

  mutable std::unique_ptr<TCairoText> FText;  // made on first text call
};

}  // namespace FMX
