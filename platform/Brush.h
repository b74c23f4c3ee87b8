#pragma once
// Brushes: how the canvas fills (TBrush) and strokes (TStrokeBrush) shapes,
// and the multi-stop gradient a brush of kind Gradient paints.
//
// Guarantees:
// - Brushes and gradients are plain values: copying one copies every field,
//   Assign copies what both sides have in common.
// - A stroke brush assigned from a plain brush takes its kind, colour and
//   gradient and keeps its own thickness, cap, join and dash; a plain brush
//   assigned from a stroke brush takes the brush part only.
// - Gradient stop offsets are kept as given; painting clamps them to 0..1 and
//   orders stops by offset (stops with equal offsets keep their order).

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX {

enum class TBrushKind : std::int32_t { None = 0, Solid = 1, Gradient = 2 };

enum class TGradientStyle : std::int32_t { Linear = 0, Radial = 1 };

struct TGradientPoint {
  TAlphaColor Color = 0;
  float Offset = 0;  // 0 = start of the gradient, 1 = its end
  friend bool operator==(const TGradientPoint&, const TGradientPoint&) = default;
};

// Positions are relative to the box of the painted shape: (0, 0) is its
// top-left corner, (1, 1) its bottom-right corner.
//
// Linear: colour runs from StartPosition (offset 0) to StopPosition
// (offset 1) and is padded beyond them; by default left to right.
// Radial: an ellipse centred at RadialCenter with half the box's width and
// height as radii; offset 0 is at the centre, offset 1 on the rim, padded
// beyond it.
class VXFMX_API TGradient : public TPersistent {
 public:
  TGradient() = default;
  TGradient(const TGradient&) = default;
  TGradient& operator=(const TGradient&) = default;

  TGradientStyle Style() const { return FStyle; }
  void SetStyle(TGradientStyle Value) { FStyle = Value; }

  std::span<const TGradientPoint> Points() const { return FPoints; }
  std::int32_t PointCount() const { return std::int32_t(FPoints.size()); }
  // Index outside 0..PointCount()-1: returns a transparent stop at offset 0.
  TGradientPoint Point(std::int32_t Index) const;
  void ClearPoints() { FPoints.clear(); }
  void AddPoint(TAlphaColor Color, float Offset) { FPoints.push_back({Color, Offset}); }
  // Index outside 0..PointCount()-1 is ignored.
  void SetPoint(std::int32_t Index, TAlphaColor Color, float Offset);
  void DeletePoint(std::int32_t Index);

  TPointF StartPosition() const { return FStartPosition; }
  void SetStartPosition(TPointF Value) { FStartPosition = Value; }
  TPointF StopPosition() const { return FStopPosition; }
  void SetStopPosition(TPointF Value) { FStopPosition = Value; }
  TPointF RadialCenter() const { return FRadialCenter; }
  void SetRadialCenter(TPointF Value) { FRadialCenter = Value; }

  void Assign(const TPersistent& Source) override;
  friend bool operator==(const TGradient& A, const TGradient& B);

 private:
  std::vector<TGradientPoint> FPoints;
  TGradientStyle FStyle = TGradientStyle::Linear;
  TPointF FStartPosition{0, 0};
  TPointF FStopPosition{1, 0};
  TPointF FRadialCenter{0.5f, 0.5f};
};

class VXFMX_API TBrush : public TPersistent {
 public:
  TBrush() = default;
  TBrush(TBrushKind Kind, TAlphaColor Color) : FKind(Kind), FColor(Color) {}
  // Copies the brush part (a stroke brush copied into a TBrush is sliced on
  // purpose: that is the brush part).
  TBrush(const TBrush&) = default;
  TBrush& operator=(const TBrush&) = default;

  TBrushKind Kind() const { return FKind; }
  void SetKind(TBrushKind Value) { FKind = Value; }
  TAlphaColor Color() const { return FColor; }
  TAlphaColor GetColor() const { return FColor; }
  void SetColor(TAlphaColor Value) { FColor = Value; }
  TGradient& Gradient() { return FGradient; }
  const TGradient& Gradient() const { return FGradient; }
  void SetGradient(const TGradient& Value) { FGradient = Value; }

  // Source may be any brush (stroke brushes included): kind, colour and
  // gradient are copied.
  void Assign(const TPersistent& Source) override;
  // Same kind, colour and gradient.
  bool SameBrush(const TBrush& Other) const;

 private:
  TBrushKind FKind = TBrushKind::Solid;
  TAlphaColor FColor = 0xFF000000;
  TGradient FGradient;
};

// Line ends: Flat stops at the end point, Round adds a half disc.
enum class TStrokeCap : std::int32_t { Flat = 0, Round = 1 };
enum class TStrokeJoin : std::int32_t { Miter = 0, Round = 1, Bevel = 2 };
// Dash patterns are measured in multiples of the stroke thickness:
// Dash 3 on 1 off, Dot 1 on 1 off, DashDot 3-1-1-1, DashDotDot 3-1-1-1-1-1;
// Custom uses the stroke brush's DashArray.
enum class TStrokeDash : std::int32_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Custom = 5 };

class VXFMX_API TStrokeBrush : public TBrush {
 public:
  TStrokeBrush() = default;
  TStrokeBrush(TBrushKind Kind, TAlphaColor Color) : TBrush(Kind, Color) {}
  TStrokeBrush(const TStrokeBrush&) = default;
  TStrokeBrush& operator=(const TStrokeBrush&) = default;

  // Line width in canvas units; 0 or less strokes nothing.
  float Thickness() const { return FThickness; }
  void SetThickness(float Value) { FThickness = Value; }
  TStrokeCap Cap() const { return FCap; }
  void SetCap(TStrokeCap Value) { FCap = Value; }
  TStrokeJoin Join() const { return FJoin; }
  void SetJoin(TStrokeJoin Value) { FJoin = Value; }
  TStrokeDash Dash() const { return FDash; }
  void SetDash(TStrokeDash Value) { FDash = Value; }
  // Custom dash: alternating on and off lengths in multiples of the
  // thickness, starting DashOffset (same unit) into the pattern. An empty,
  // negative, non-finite or all-zero array strokes solid.
  std::span<const float> DashArray() const { return FDashArray; }
  float DashOffset() const { return FDashOffset; }
  // Sets the array and offset and switches Dash to Custom.
  void SetCustomDash(std::span<const float> Dashes, float Offset);

  // A stroke brush source copies everything; any other brush copies the
  // brush part and leaves thickness, cap, join and dash as they are.
  void Assign(const TPersistent& Source) override;
  bool SameStroke(const TStrokeBrush& Other) const;

 private:
  float FThickness = 1;
  TStrokeCap FCap = TStrokeCap::Flat;
  TStrokeJoin FJoin = TStrokeJoin::Miter;
  TStrokeDash FDash = TStrokeDash::Solid;
  std::vector<float> FDashArray;
  float FDashOffset = 0;
};

}  // namespace FMX
