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
namespace CairoGeometry {
struct TAffine;
}

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

 public:
  // What a gradient spans, canvas units.
  struct TGradientBox {
    double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  };

 private:
  // Build the shape (in canvas units) into a geometry sink that keeps only
  // what can be seen (platform/CairoGeometry_p.h), then fill or stroke it.
  template <typename TBuild>
  void FillShape(double Alpha, const TGradientBox& Box, TBuild&& Build);
  template <typename TBuild>
  void StrokeShape(double Alpha, const TGradientBox& Box, TBuild&& Build);
  // A rectangle (canvas units) as the current path, for clipping.
  void AddClipRect(double L, double T, double R, double B);
  // The canvas transform as last prepared, and setting it on the context.
  CairoGeometry::TAffine Total() const;
  void SetTotal();
  TCairoText& Text() const;

  cairo_t* FCr = nullptr;
  double FBase[6] = {1, 0, 0, 1, 0, 0};  // the context's own transform at construction
  double FTotal[6] = {1, 0, 0, 1, 0, 0};  // canvas matrix, then FBase (cairo's xx, yx, xy, yy, x0, y0)

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

  mutable std::unique_ptr<TCairoText> FText;  // made on first text call
};

}  // namespace FMX
