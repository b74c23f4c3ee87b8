#pragma once
// Text layout for the Cairo canvas: one Pango layout per canvas, reused for
// every measure and draw, on an unhinted context so that metrics do not
// depend on the surface or the matrix.

#include <pango/pangocairo.h>

#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Font.h"

namespace FMX {

class TCairoText {
 public:
  TCairoText();
  ~TCairoText();
  TCairoText(const TCairoText&) = delete;
  TCairoText& operator=(const TCairoText&) = delete;

  // False when the font cannot show anything (size not a positive number).
  bool SetFont(const TFont& Font);
  // Lays out Text unwrapped and returns its logical extent in canvas units.
  TSizeF Measure(std::string_view Text);
  // Lays out Text for drawing in Rect and returns the layout origin (where
  // its top-left corner goes) in canvas units.
  void Layout(const TRectF& Rect, std::string_view Text, bool WordWrap, bool RightToLeft, TTextAlign HTextAlign,
              TTextAlign VTextAlign, double& X, double& Y);
  PangoLayout* Handle() const { return FLayout; }
  // The part of a text that drawing lays out: its first MaxDrawnText bytes
  // (whole characters).
  static std::string_view DrawnPart(std::string_view Text);
  // Text with break opportunities added to runs too long to wrap cheaply;
  // the result may live in FBroken.
  std::string_view WithBreaks(std::string_view Text);

 private:
  void SetText(std::string_view Text);
  void SetDirection(bool RightToLeft);

  PangoContext* FContext = nullptr;
  PangoLayout* FLayout = nullptr;
  PangoFontDescription* FDescription = nullptr;
  // The font the layout was last set up for.
  bool FHaveFont = false;
  std::string FFamily;
  float FSize = 0;
  TFontStyles FStyle;
  bool FRightToLeft = false;
  std::string FScratch;  // sanitised copy of text that is not valid UTF-8
  std::string FBroken;   // text with added break opportunities
};

}  // namespace FMX
