#pragma once
// The two drawing controls: a filled and outlined rectangle, and a block of
// text laid out by Pango.

#include <string>

#include "platform/Brush.h"
#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/Export.h"
#include "platform/Font.h"

namespace FMX {

// Fills its local rectangle with Fill and outlines it with Stroke (the
// outline sits inside the rectangle). Defaults: solid white fill, solid
// black stroke of thickness 1.
class VXFMX_API TRectangle : public TControl {
 public:
  explicit TRectangle(TFmxObject* AOwner = nullptr);

  TBrush& Fill() { return FFill; }
  const TBrush& Fill() const { return FFill; }
  TStrokeBrush& Stroke() { return FStroke; }
  const TStrokeBrush& Stroke() const { return FStroke; }

 protected:
  void Paint(TCanvas& Canvas) override;

 private:
  TBrush FFill{TBrushKind::Solid, 0xFFFFFFFF};
  TStrokeBrush FStroke{TBrushKind::Solid, 0xFF000000};
};

// Text painted in Font and Color, aligned inside the local rectangle
// (centred both ways by default), optionally word-wrapped.
class VXFMX_API TText : public TControl {
 public:
  explicit TText(TFmxObject* AOwner = nullptr);

  const std::string& Text() const { return FText; }
  void SetText(std::string Value) { FText = std::move(Value); }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  TAlphaColor Color() const { return FColor; }
  void SetColor(TAlphaColor Value) { FColor = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  TTextAlign HorzTextAlign() const { return FHorzAlign; }
  void SetHorzTextAlign(TTextAlign Value) { FHorzAlign = Value; }
  TTextAlign VertTextAlign() const { return FVertAlign; }
  void SetVertTextAlign(TTextAlign Value) { FVertAlign = Value; }

  // Unwrapped extent of Text in Font, measured on Canvas().
  TSizeF TextExtent(std::string_view Value) const;

 protected:
  void Paint(TCanvas& Canvas) override;

 private:
  std::string FText;
  TFont FFont;
  TAlphaColor FColor = 0xFF000000;
  bool FWordWrap = false;
  TTextAlign FHorzAlign = TTextAlign::Center;
  TTextAlign FVertAlign = TTextAlign::Center;
};

}  // namespace FMX
