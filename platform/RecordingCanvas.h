#pragma once
// A canvas that paints nothing and records every call instead: which
// operation, its arguments and the drawing state it was called in. Tests
// of drawing routines assert on the recorded sequence.
//
// Recorded: every drawing operation, clip operation (IntersectClipRect,
// PushClip, PopClip) and scene bracket (BeginScene, EndScene), in call
// order. Not recorded: state changes themselves (they show in the state of
// later records) and text measuring.
//
// Text metrics are pluggable. The default gives every character (code
// point) half the font size as width and every line the font size as
// height; the width of a text is that of its widest line ('\n' separates
// lines) and an empty text is one line high.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/PathData.h"

namespace FMX {

enum class TCanvasOp : std::uint8_t {
  BeginScene,
  EndScene,
  IntersectClipRect,
  PushClip,
  PopClip,
  Clear,
  FillRect,
  DrawRect,
  FillEllipse,
  DrawEllipse,
  DrawLine,
  DrawArc,
  FillPath,
  DrawPath,
  DrawPolygon,
  FillText,
  DrawBitmap,
};

// Name of the operation as written in dumps ("FillRect").
VXFMX_API const char* CanvasOpName(TCanvasOp Op);

// One recorded call. Fields that an operation does not pass keep their
// default values.
struct VXFMX_API TCanvasRecord {
  TCanvasOp Op = TCanvasOp::BeginScene;

  // Rect: rectangle of rect, ellipse, text and clip operations; destination
  // of DrawBitmap. SourceRect: DrawBitmap's source.
  TRectF Rect;
  TRectF SourceRect;
  float XRadius = 0;
  float YRadius = 0;
  TCorners Corners;
  TCornerType CornerType = TCornerType::Round;

  // DrawLine: the two end points. DrawArc: centre, then radii. DrawPolygon:
  // the points. FillPath / DrawPath: the coordinates of every path point.
  std::vector<TPointF> Points;
  // FillPath / DrawPath: the path points with their kinds.
  std::vector<TPathPoint> Path;
  float StartAngle = 0;
  float SweepAngle = 0;

  std::string Text;
  bool WordWrap = false;
  TFillTextFlags Flags;
  TTextAlign HTextAlign = TTextAlign::Center;
  TTextAlign VTextAlign = TTextAlign::Center;

  float Opacity = 1;
  bool HighSpeed = false;
  TSize BitmapSize;     // DrawBitmap: the bitmap's size in pixels
  TAlphaColor Color = 0;  // Clear
  std::int32_t ClipDepth = 0;  // clip nesting when the call was made

  // Drawing state at the time of the call.
  TBrush Fill;
  TStrokeBrush Stroke;  // with thickness, cap, join and dash
  TFont Font;
  TMatrix Matrix;

  // One line, e.g.
  //   FillRect (10,20,30,40) op=0.5 fill=Solid:FFFF0000
  //   DrawLine (0,0)-(10,0) op=1 stroke=Solid:FF000000 w=2 cap=Flat join=Miter dash=Dash
  //   FillText (0,0,100,20) "Hi" wrap=0 h=Leading v=Center op=1 fill=Solid:FF000000 font="DejaVu Sans" 12 []
  // The state shown is what the operation uses: the fill for fills and text,
  // the stroke for outlines, the font for text; the matrix is shown when it
  // is not the identity ("m=[a,b,c,d,e,f]", the six affine elements).
  std::string ToString() const;
};

class VXFMX_API TRecordingCanvas : public TCanvas {
 public:
  using TTextMetrics = std::function<TSizeF(const TFont& Font, std::string_view Text)>;

  TRecordingCanvas(std::int32_t Width = 100, std::int32_t Height = 100);
  ~TRecordingCanvas() override;

  const std::vector<TCanvasRecord>& Records() const { return FRecords; }
  std::size_t Count() const { return FRecords.size(); }
  const TCanvasRecord& operator[](std::size_t Index) const { return FRecords.at(Index); }
  // How many records of one operation.
  std::size_t Count(TCanvasOp Op) const;
  // The operations in call order.
  std::vector<TCanvasOp> Ops() const;
  void ClearRecords() { FRecords.clear(); }
  // Every record's ToString, one per line, each ending in '\n'.
  std::string Dump() const;

  // An empty function restores the default metrics.
  void SetTextMetrics(TTextMetrics Metrics) { FMetrics = std::move(Metrics); }
  static TSizeF DefaultTextMetrics(const TFont& Font, std::string_view Text);

  // Change the size Width() and Height() report.
  void Resize(std::int32_t Width, std::int32_t Height) { SetSize(Width, Height); }

 protected:
  bool DoBeginScene() override;
  void DoEndScene() override;
  void DoSetMatrix() override {}
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
  TCanvasRecord& Add(TCanvasOp Op, float Opacity);

  std::vector<TCanvasRecord> FRecords;
  TTextMetrics FMetrics;
};

}  // namespace FMX
