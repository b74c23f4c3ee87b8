#include "platform/CairoText_p.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace FMX {

namespace {

// Sizes beyond this many canvas units are drawn at this size: larger glyphs
// overflow Pango's fixed-point units and are of no use on any surface.
constexpr double MaxFontSize = 10000;
// Text is measured in parts no longer than this many bytes, and shorter at
// large sizes: a part's extent must stay well inside Pango's int units
// (about 2 million units of 1/1024), even at two ems per byte.
constexpr std::size_t MaxBatchBytes = 256;
constexpr double PieceExtent = 500000;

int ToPangoUnits(double V) {
  const double U = V * PANGO_SCALE;
  if (!(U > 0)) return 0;
  return U >= double(INT_MAX / 2) ? INT_MAX / 2 : int(std::lround(U));
}

}  // namespace

std::string_view TCairoText::DrawnPart(std::string_view Text) {
  if (Text.size() <= MaxDrawnText) return Text;
  std::size_t Cut = MaxDrawnText;
  while (Cut > 0 && (static_cast<unsigned char>(Text[Cut]) & 0xC0) == 0x80) --Cut;  // whole characters
  return Text.substr(0, Cut);
}

// Pango breaks a word too long for the line between characters, at a cost
// that grows with the square of the word's length (seconds for a few
// thousand characters). Long runs without a break opportunity get one
// (a zero-width space) every LongRun bytes, so each costs little.
std::string_view TCairoText::WithBreaks(std::string_view Text) {
  constexpr std::size_t LongRun = 64;
  const auto Blank = [](char C) { return C == ' ' || C == '\n' || C == '\r' || C == '\t'; };
  bool Long = false;
  for (std::size_t I = 0, Run = 0; I < Text.size() && !Long; ++I) {
    Run = Blank(Text[I]) ? 0 : Run + 1;
    Long = Run > 2 * LongRun;
  }
  if (!Long) return Text;
  FBroken.clear();
  FBroken.reserve(Text.size() + Text.size() / 16);
  std::size_t Run = 0;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char C = Text[I];
    const bool Starts = (static_cast<unsigned char>(C) & 0xC0) != 0x80;  // a character starts here
    if (Blank(C)) {
      Run = 0;
    } else if (Starts && Run >= LongRun) {
      FBroken += "\xE2\x80\x8B";
      Run = 0;
    }
    FBroken += C;
    if (!Blank(C)) ++Run;
  }
  return FBroken;
}

TCairoText::TCairoText() {
  FContext = pango_font_map_create_context(pango_cairo_font_map_get_default());
  cairo_font_options_t* Options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(Options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(Options, CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(FContext, Options);
  cairo_font_options_destroy(Options);
  FLayout = pango_layout_new(FContext);
  pango_layout_set_wrap(FLayout, PANGO_WRAP_WORD_CHAR);
  FDescription = pango_font_description_new();
}

TCairoText::~TCairoText() {
  pango_font_description_free(FDescription);
  g_object_unref(FLayout);
  g_object_unref(FContext);
}

bool TCairoText::SetFont(const TFont& Font) {
  const double Size = Font.Size();
  if (!(Size > 0)) return false;
  if (FHaveFont && Font.Size() == FSize && Font.Style() == FStyle && Font.Family() == FFamily) return true;

  pango_font_description_set_family(FDescription, Font.Family().c_str());
  pango_font_description_set_absolute_size(FDescription, std::min(Size, MaxFontSize) * PANGO_SCALE);
  const TFontStyles Style = Font.Style();
  pango_font_description_set_weight(FDescription,
                                    Style.Contains(TFontStyle::Bold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(FDescription,
                                   Style.Contains(TFontStyle::Italic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(FLayout, FDescription);

  if (!FHaveFont || Style != FStyle) {
    PangoAttrList* Attrs = pango_attr_list_new();
    if (Style.Contains(TFontStyle::Underline)) pango_attr_list_insert(Attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (Style.Contains(TFontStyle::StrikeOut)) pango_attr_list_insert(Attrs, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(FLayout, Attrs);
    pango_attr_list_unref(Attrs);
  }
  FHaveFont = true;
  FFamily = Font.Family();
  FSize = Font.Size();
  FStyle = Style;
  return true;
}

void TCairoText::SetText(std::string_view Text) {
  // Pango counts bytes in an int; longer texts are cut (a character cut in
  // half becomes U+FFFD below).
  if (Text.size() > std::size_t(INT_MAX / 2)) Text = Text.substr(0, std::size_t(INT_MAX / 2));
  // Pango wants valid UTF-8 without NUL bytes; anything else is shown as
  // U+FFFD instead of being rejected.
  const char* End = nullptr;
  if (g_utf8_validate(Text.data(), gssize(Text.size()), &End)) {
    // Setting the same text again would throw the layout away: measuring
    // and then drawing one text lays it out once.
    if (std::string_view(pango_layout_get_text(FLayout)) != Text)
      pango_layout_set_text(FLayout, Text.data(), int(Text.size()));
    return;
  }
  FScratch.clear();
  std::string_view Rest = Text;
  while (!Rest.empty()) {
    g_utf8_validate(Rest.data(), gssize(Rest.size()), &End);
    const std::size_t Good = std::size_t(End - Rest.data());
    FScratch.append(Rest.data(), Good);
    if (Good == Rest.size()) break;
    FScratch += "\xEF\xBF\xBD";
    Rest.remove_prefix(Good + 1);  // skip the offending byte (a NUL or a broken sequence byte)
  }
  pango_layout_set_text(FLayout, FScratch.data(), int(FScratch.size()));
}

void TCairoText::SetDirection(bool RightToLeft) {
  if (RightToLeft == FRightToLeft) return;
  FRightToLeft = RightToLeft;
  pango_layout_set_auto_dir(FLayout, RightToLeft ? FALSE : TRUE);
  pango_context_set_base_dir(FContext, RightToLeft ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_LTR);
  pango_layout_context_changed(FLayout);
}

TSizeF TCairoText::Measure(std::string_view Text) {
  SetDirection(false);
  pango_layout_set_width(FLayout, -1);
  pango_layout_set_alignment(FLayout, PANGO_ALIGN_LEFT);
  // Pango keeps extents in ints of 1/1024 unit: a long line or many lines
  // overflow them, and one huge layout costs time and memory out of all
  // proportion. So the text is measured in batches of whole lines small
  // enough for Pango, a line too long for one batch in pieces (widths
  // added), and the batches summed in double.
  const double Size = std::min<double>(FSize, MaxFontSize);
  const std::size_t PieceBytes = std::clamp<std::size_t>(std::size_t(PieceExtent / Size), 64, MaxBatchBytes);
  const std::size_t BatchLines = std::max<std::size_t>(1, std::size_t(PieceExtent / (2 * Size)));
  const auto Extent = [this](std::string_view Part, double& W, double& H) {
    SetText(Part);
    PangoRectangle Logical;
    pango_layout_get_extents(FLayout, nullptr, &Logical);
    W = double(Logical.width) / PANGO_SCALE;
    H = double(Logical.height) / PANGO_SCALE;
  };
  if (Text.size() <= PieceBytes) {
    double W, H;
    Extent(Text, W, H);
    return {float(W), float(H)};
  }
  double Width = 0, Height = 0, EmptyHeight = -1;
  std::size_t BatchStart = 0, BatchEnd = 0, Lines = 0;  // lines from BatchStart, text up to BatchEnd
  const auto Flush = [&] {
    if (Lines == 0) return;
    double W, H;
    Extent(Text.substr(BatchStart, BatchEnd - BatchStart), W, H);
    Width = std::max(Width, W);
    Height += H;
    Lines = 0;
  };
  for (std::size_t At = 0;;) {
    // One line: up to a line break ("\n", "\r" or "\r\n") or the end. A
    // break at the very end leaves one more, empty line.
    std::size_t End = Text.find_first_of("\r\n", At);
    const bool Last = End == std::string_view::npos;
    if (Last) End = Text.size();
    if (End == At) {
      // Empty lines are all as high as the font's line: no layout needed.
      Flush();
      if (EmptyHeight < 0) {
        double W;
        Extent({}, W, EmptyHeight);
      }
      Height += EmptyHeight;
    } else if (End - At > PieceBytes) {
      Flush();
      double LineWidth = 0, LineHeight = 0;
      for (std::size_t P = At; P < End;) {
        std::size_t Q = std::min(End, P + PieceBytes);
        // Never cut a character in half.
        while (Q < End && Q > P + 1 && (static_cast<unsigned char>(Text[Q]) & 0xC0) == 0x80) --Q;
        double W, H;
        Extent(Text.substr(P, Q - P), W, H);
        LineWidth += W;
        LineHeight = std::max(LineHeight, H);
        P = Q;
      }
      Width = std::max(Width, LineWidth);
      Height += LineHeight;
    } else {
      if (Lines > 0 && (End - BatchStart > PieceBytes || Lines >= BatchLines)) Flush();
      if (Lines == 0) BatchStart = At;
      BatchEnd = End;
      ++Lines;
    }
    if (Last) break;
    At = End + 1;
    if (Text[End] == '\r' && At < Text.size() && Text[At] == '\n') ++At;
  }
  Flush();
  return {float(Width), float(Height)};
}

void TCairoText::Layout(const TRectF& Rect, std::string_view Text, bool WordWrap, bool RightToLeft,
                        TTextAlign HTextAlign, TTextAlign VTextAlign, double& X, double& Y) {
  const double Left = std::min(Rect.Left, Rect.Right), Right = std::max(Rect.Left, Rect.Right);
  const double Top = std::min(Rect.Top, Rect.Bottom), Bottom = std::max(Rect.Top, Rect.Bottom);
  const double W = Right - Left, H = Bottom - Top;

  // Where the lines go, as a fraction of the free width: 0 left, 1 right.
  double HPos = 0.5;
  PangoAlignment Align = PANGO_ALIGN_CENTER;
  if (HTextAlign != TTextAlign::Center) {
    const bool AtRight = (HTextAlign == TTextAlign::Trailing) != RightToLeft;
    HPos = AtRight ? 1 : 0;
    Align = AtRight ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT;
  }

  SetDirection(RightToLeft);
  pango_layout_set_alignment(FLayout, Align);
  pango_layout_set_width(FLayout, WordWrap ? ToPangoUnits(W) : -1);
  Text = DrawnPart(Text);
  if (WordWrap) Text = WithBreaks(Text);
  SetText(Text);
  PangoRectangle Logical;
  pango_layout_get_extents(FLayout, nullptr, &Logical);
  const double LX = double(Logical.x) / PANGO_SCALE, LY = double(Logical.y) / PANGO_SCALE;
  const double LW = double(Logical.width) / PANGO_SCALE, LH = double(Logical.height) / PANGO_SCALE;

  // A wrapped layout is as wide as the rectangle and places its lines
  // itself; an unwrapped block is placed by its logical width.
  X = WordWrap ? Left : Left - LX + (W - LW) * HPos;
  double VPos = 0.5;
  if (VTextAlign == TTextAlign::Leading) VPos = 0;
  if (VTextAlign == TTextAlign::Trailing) VPos = 1;
  Y = Top - LY + (H - LH) * VPos;
}

}  // namespace FMX
