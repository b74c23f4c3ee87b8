#pragma once
// A font that remembers which of its attributes a user changed relative to
// an original font supplied by its owner.
//
// Changed attributes are the deltas; they survive changes of the original
// font, while every other attribute follows it. The owner supplies the
// original font through OnGetOriginalFont and calls UpdateNonDelta() after
// the original font changed; edits of the delta font itself (family, size,
// style) recompute the deltas on their own.
//
// Guarantees:
// - The delta set changes only in UpdateDeltas(Font) (rebuilt from scratch
//   by comparison) and SetDeltas. daColor is never computed: it stays as set
//   until the next rebuild, which drops it.
// - While an update runs, the font's own change notifications do not start
//   another update, but OnChanged still fires once per assignment.
// - UpdateDeltas(nullptr) and UpdateNonDelta(nullptr) do nothing.

#include <cstdint>
#include <functional>

#include "platform/Export.h"
#include "platform/Font.h"
#include "platform/Set.h"

namespace FMX::VX::DeltaFont {

enum class TDeltaAttribute : std::uint8_t {
  daBold = 0,
  daColor = 1,
  daFace = 2,
  daItalic = 3,
  daSize = 4,
  daStrikeOut = 5,
  daUnderline = 6
};
using TDeltaAttributes = TSet<TDeltaAttribute, std::uint8_t>;

// Supplies the original font: the handler sets Font, or leaves it null.
using TFontEvent = std::function<void(TObject* Sender, TFont*& Font)>;

class VXFMX_API TVXCustomDeltaFont : public TFont {
 public:
  TVXCustomDeltaFont();
  TVXCustomDeltaFont(const TVXCustomDeltaFont&) = delete;
  TVXCustomDeltaFont& operator=(const TVXCustomDeltaFont&) = delete;

  // Recomputes the deltas against the original font from OnGetOriginalFont;
  // nothing without a handler or when it supplies no font.
  void UpdateDeltas();
  // Recomputes the deltas against Font: each of bold, italic, strike-out,
  // underline, family (case-sensitive) and size (NaN differs from
  // everything) that differs is a delta.
  virtual void UpdateDeltas(const TFont* Font);
  // Copies every non-delta attribute from the original font of
  // OnGetOriginalFont; nothing without a handler or font.
  void UpdateNonDelta();
  // Copies every attribute that is not a delta from Font: the style set is
  // always assigned (one notification even when unchanged), then family and
  // size where they are not deltas.
  virtual void UpdateNonDelta(const TFont* Font);

  TDeltaAttributes Deltas() const { return FDeltas; }
  // Stores the set only: no notification, no recomputation.
  void SetDeltas(TDeltaAttributes Value) { FDeltas = Value; }
  bool IsDeltasStored() const { return !FDeltas.Empty(); }

  const TFontEvent& OnGetOriginalFont() const { return FOnGetOriginalFont; }
  void SetOnGetOriginalFont(TFontEvent Value) { FOnGetOriginalFont = std::move(Value); }
  // The user's change event, raised after every assignment of the font.
  const TNotifyEvent& GetOnChanged() const { return FOnChange; }
  const TNotifyEvent& OnChanged() const { return FOnChange; }
  void SetOnChanged(TNotifyEvent Value) { FOnChange = std::move(Value); }

 protected:
  // Runs on every change of the font outside an update: recomputes the
  // deltas.
  virtual void Changed();

 private:
  void Changed(TObject* Sender);
  // The original font from OnGetOriginalFont, or nullptr.
  TFont* OriginalFont();

  TDeltaAttributes FDeltas;
  TFontEvent FOnGetOriginalFont;
  bool FUpdating = false;
  TNotifyEvent FOnChange;
};

// Streams Family, Size, Style and Deltas (Deltas only when non-empty).
class VXFMX_API TVXDeltaFont : public TVXCustomDeltaFont {
 public:
  const TPublishedProperties* PublishedProperties() const override;
};

}  // namespace FMX::VX::DeltaFont
