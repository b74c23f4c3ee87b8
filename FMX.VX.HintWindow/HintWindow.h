#pragma once
// A small self-hiding tooltip: a light-yellow rectangle with a line of
// text that a control places on itself (or on a form) near a point or in a
// rectangle, and that hides itself when its timer fires after Interval
// milliseconds.
//
// Hidden -> ActivateHint -> visible with the timer running -> after
// Interval, TimeOut stops the timer and hides the window. HideHint hides it
// early but leaves the timer running, so TimeOut still comes and hides it
// again.
//
// Guarantees:
// - Destroying the window stops its timer first: TimeOut never reaches a
//   window that is gone, whatever was pending.
// - ActivateHint is not re-entrant: a call from inside a handler that runs
//   during ActivateHint does nothing.
//
// A picture of a form with a hint shown takes a few lines:
//
//   TForm Form(240, 120);
//   auto* Hint = new TVXHintWindow(&Form);  // owned by the form
//   Hint->SetParent(&Form);
//   Hint->ActivateHint(TPointF{20, 20}, "Hint text");
//   TBitmap Bitmap;
//   Form.PaintTo(Bitmap);  // or Form.SaveToPNG / SaveToPDF / SaveToSVG

#include <cstdint>
#include <string>

#include "platform/Export.h"
#include "platform/Shapes.h"
#include "platform/Timer.h"
#include "platform/Types.h"

namespace FMX::VX::HintWindow {

class VXFMX_API TVXHintWindow : public TRectangle {
 public:
  static constexpr TAlphaColor HintColor = 0xFFFFFFE0;

  explicit TVXHintWindow(TFmxObject* AOwner = nullptr);
  ~TVXHintWindow() override;

  // Shows AHint with the window's corner Corner() at Point: the text is
  // measured in the text control's font on its canvas.
  void ActivateHint(const TPointF& Point, const std::string& AHint);
  // Shows AHint in a window grown from Rect by the padding plus 10 in width
  // and 4 in height, its corner Corner() at Rect's top-left corner; starts
  // the timer.
  virtual void ActivateHint(const TRectF& Rect, const std::string& AHint);
  // Hides the window; the timer keeps running.
  virtual void HideHint();

  TCorner Corner() const { return FCorner; }
  void SetCorner(TCorner Value) { FCorner = Value; }
  // The timer's interval in milliseconds.
  std::uint32_t Interval() const { return FTimer->Interval(); }
  void SetInterval(std::uint32_t Value) { FTimer->SetInterval(Value); }

  const std::string& Text() const { return FTextControl->Text(); }
  void SetText(const std::string& Value) { FTextControl->SetText(Value); }
  bool Activating() const { return FActivating; }
  void SetActivating(bool Value) { FActivating = Value; }

  TText& TextControl() const { return *FTextControl; }
  TTimer& Timer() const { return *FTimer; }

  // Streams Corner and Interval (each when not at its default).
  const TPublishedProperties* PublishedProperties() const override;

 protected:
  // The timer's event: stops the timer and hides the window.
  virtual void TimeOut(TObject* Sender);

 private:
  TTimer* FTimer = nullptr;
  bool FActivating = false;
  TText* FTextControl = nullptr;
  TCorner FCorner = TCorner::TopLeft;
};

}  // namespace FMX::VX::HintWindow
