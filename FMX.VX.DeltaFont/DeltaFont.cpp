#include "FMX.VX.DeltaFont/DeltaFont.h"

#include "platform/Streaming.h"

namespace FMX::VX::DeltaFont {

namespace {

// Clears the update flag again, also when an exception passes.
class TUpdating {
 public:
  explicit TUpdating(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TUpdating() { FFlag = false; }
  TUpdating(const TUpdating&) = delete;
  TUpdating& operator=(const TUpdating&) = delete;

 private:
  bool& FFlag;
};

struct TStyleDelta {
  TFontStyle Style;
  TDeltaAttribute Delta;
};
// Bold, italic, strike-out, underline: the order the deltas are computed in.
constexpr TStyleDelta StyleDeltas[] = {{TFontStyle::Bold, TDeltaAttribute::daBold},
                                       {TFontStyle::Italic, TDeltaAttribute::daItalic},
                                       {TFontStyle::StrikeOut, TDeltaAttribute::daStrikeOut},
                                       {TFontStyle::Underline, TDeltaAttribute::daUnderline}};

}  // namespace

TVXCustomDeltaFont::TVXCustomDeltaFont() {
  TFont::SetOnChanged([this](TObject* Sender) { Changed(Sender); });
}

void TVXCustomDeltaFont::Changed(TObject* /*Sender*/) {
  Changed();
  if (FOnChange) FOnChange(this);
}

void TVXCustomDeltaFont::Changed() {
  if (!FUpdating) UpdateDeltas();
}

TFont* TVXCustomDeltaFont::OriginalFont() {
  if (!FOnGetOriginalFont) return nullptr;
  TFont* Font = nullptr;
  FOnGetOriginalFont(this, Font);
  return Font;
}

void TVXCustomDeltaFont::UpdateDeltas() {
  if (TFont* Font = OriginalFont()) UpdateDeltas(Font);
}

void TVXCustomDeltaFont::UpdateNonDelta() {
  if (TFont* Font = OriginalFont()) UpdateNonDelta(Font);
}

void TVXCustomDeltaFont::UpdateDeltas(const TFont* Font) {
  if (FUpdating || !Font) return;
  TUpdating Guard(FUpdating);
  FDeltas = {};
  for (const auto& S : StyleDeltas)
    if (Style().Contains(S.Style) != Font->Style().Contains(S.Style)) FDeltas.Include(S.Delta);
  if (Family() != Font->Family()) FDeltas.Include(TDeltaAttribute::daFace);
  if (!(Size() == Font->Size())) FDeltas.Include(TDeltaAttribute::daSize);
}

void TVXCustomDeltaFont::UpdateNonDelta(const TFont* Font) {
  if (FUpdating || !Font) return;
  TUpdating Guard(FUpdating);
  TFontStyles NewStyle = Style();
  for (const auto& S : StyleDeltas) {
    if (FDeltas.Contains(S.Delta)) continue;
    if (Font->Style().Contains(S.Style)) NewStyle.Include(S.Style);
    else NewStyle.Exclude(S.Style);
  }
  SetStyle(NewStyle);
  if (!FDeltas.Contains(TDeltaAttribute::daFace)) SetFamily(Font->Family());
  if (!FDeltas.Contains(TDeltaAttribute::daSize)) SetSize(Font->Size());
}

const TPublishedProperties* TVXDeltaFont::PublishedProperties() const {
  static constexpr const char* DeltaNames[] = {"daBold",      "daColor",      "daFace",     "daItalic",
                                               "daSize",      "daStrikeOut",  "daUnderline"};
  static const TPublishedProperties Table(
      TFont::PublishedProperties(),
      {SetProperty("Deltas", &TVXCustomDeltaFont::Deltas, &TVXCustomDeltaFont::SetDeltas, DeltaNames)});
  return &Table;
}

}  // namespace FMX::VX::DeltaFont
