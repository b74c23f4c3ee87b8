#include "FMX.VX.HintWindow/HintWindow.h"

#include "platform/Streaming.h"

namespace FMX::VX::HintWindow {

TVXHintWindow::TVXHintWindow(TFmxObject* AOwner) : TRectangle(AOwner) {
  Fill().SetColor(HintColor);
  SetPadding({3, 3, 3, 3});
  SetHitTest(false);
  FTextControl = new TText(this);
  FTextControl->SetParent(this);
  FTextControl->SetText("");
  FTextControl->SetHitTest(false);
  FTextControl->SetAlign(TAlignLayout::Client);
  FTimer = new TTimer(this);
  FTimer->SetEnabled(false);
  FTimer->SetOnTimer([this](TObject* Sender) { TimeOut(Sender); });
}

TVXHintWindow::~TVXHintWindow() {
  // The timer goes first, so that nothing pending can call TimeOut on a
  // window half destroyed.
  delete FTimer;
  FTimer = nullptr;
}

void TVXHintWindow::ActivateHint(const TPointF& Point, const std::string& AHint) {
  const TSizeF Size = FTextControl->TextExtent(AHint);
  ActivateHint(TRectF{Point.X, Point.Y, float(double(Point.X) + Size.cx), float(double(Point.Y) + Size.cy)}, AHint);
}

void TVXHintWindow::ActivateHint(const TRectF& Rect, const std::string& AHint) {
  if (FActivating) return;
  FActivating = true;
  struct TClear {
    bool& Flag;
    ~TClear() { Flag = false; }
  } Clear{FActivating};

  FTimer->SetEnabled(true);
  SetText(AHint);
  const TBoundsF& P = Padding();
  const double W = double(Rect.Width()) + P.Left + P.Right + 10;
  const double H = double(Rect.Height()) + P.Top + P.Bottom + 4;
  double X = Rect.Left, Y = Rect.Top;
  if (FCorner == TCorner::TopRight || FCorner == TCorner::BottomRight) X -= W;
  if (FCorner == TCorner::BottomLeft || FCorner == TCorner::BottomRight) Y -= H;
  SetBounds(float(X), float(Y), float(W), float(H));
  SetVisible(true);
  BringToFront();
}

void TVXHintWindow::HideHint() { SetVisible(false); }

void TVXHintWindow::TimeOut(TObject* /*Sender*/) {
  FTimer->SetEnabled(false);
  HideHint();
}

const TPublishedProperties* TVXHintWindow::PublishedProperties() const {
  static constexpr const char* CornerNames[] = {"TopLeft", "TopRight", "BottomLeft", "BottomRight"};
  static const TPublishedProperties Table(
      nullptr, {EnumProperty("Corner", &TVXHintWindow::Corner, &TVXHintWindow::SetCorner, CornerNames,
                             TCorner::TopLeft),
                IntegerProperty("Interval", &TVXHintWindow::Interval, &TVXHintWindow::SetInterval,
                                TTimer::DefaultInterval)});
  return &Table;
}

}  // namespace FMX::VX::HintWindow
