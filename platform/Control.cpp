#include "platform/Control.h"

#include <algorithm>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace FMX {

namespace {

float NonNegative(float V) { return V > 0 ? V : 0; }  // NaN counts as 0 too

TRectF SizedRect(float X, float Y, float W, float H) {
  return {X, Y, float(double(X) + NonNegative(W)), float(double(Y) + NonNegative(H))};
}

}  // namespace

TControl::TControl(TFmxObject* AOwner) : TFmxObject(AOwner) {}

TControl::~TControl() = default;

void TControl::SetPosition(TPointF Value) { SetBounds(Value.X, Value.Y, Width(), Height()); }
void TControl::SetWidth(float Value) { SetBounds(FBounds.Left, FBounds.Top, Value, Height()); }
void TControl::SetHeight(float Value) { SetBounds(FBounds.Left, FBounds.Top, Width(), Value); }
void TControl::SetSize(float AWidth, float AHeight) { SetBounds(FBounds.Left, FBounds.Top, AWidth, AHeight); }
void TControl::SetBoundsRect(const TRectF& Value) {
  SetBounds(Value.Left, Value.Top, Value.Width(), Value.Height());
}

void TControl::SetBounds(float X, float Y, float AWidth, float AHeight) {
  const TRectF New = SizedRect(X, Y, AWidth, AHeight);
  if (New == FBounds) return;
  const bool Resized = New.Width() != FBounds.Width() || New.Height() != FBounds.Height();
  FBounds = New;
  if (!Resized) return;
  Realign();
  Resize();
}

TRectF TControl::AbsoluteRect() const {
  double X = 0, Y = 0;
  for (const TControl* C = this;;) {
    const auto* P = dynamic_cast<const TControl*>(C->Parent());
    if (!P) break;  // C is the root (the form): its own position does not count
    X += C->FBounds.Left;
    Y += C->FBounds.Top;
    C = P;
  }
  return SizedRect(float(X), float(Y), Width(), Height());
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  if (FAlign != TAlignLayout::None) ParentRealign();
}

void TControl::SetPadding(const TBoundsF& Value) {
  if (Value == FPadding) return;
  FPadding = Value;
  Realign();
}

void TControl::SetAlign(TAlignLayout Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  ParentRealign();
}

void TControl::ChildrenChanged() { Realign(); }
void TControl::ParentChanged() { ParentRealign(); }

void TControl::ParentRealign() {
  if (auto* P = dynamic_cast<TControl*>(Parent())) P->Realign();
}

void TControl::Realign() {
  if (FRealigning) return;
  FRealigning = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } Reset{FRealigning};

  double L = FPadding.Left, T = FPadding.Top;
  double R = double(Width()) - FPadding.Right, B = double(Height()) - FPadding.Bottom;
  auto Band = [](double Lo, double Hi) { return float(std::max(0.0, Hi - Lo)); };
  // Top and bottom bands first, then left and right, then the client area.
  for (TAlignLayout Pass : {TAlignLayout::Top, TAlignLayout::Left, TAlignLayout::Client}) {
    for (std::int32_t I = 0; I < ChildrenCount(); ++I) {
      auto* C = dynamic_cast<TControl*>(Children(I));
      if (!C || !C->Visible()) continue;
      const TAlignLayout A = C->FAlign;
      if (Pass == TAlignLayout::Top && A == TAlignLayout::Top) {
        C->SetBounds(float(L), float(T), Band(L, R), C->Height());
        T += C->Height();
      } else if (Pass == TAlignLayout::Top && A == TAlignLayout::Bottom) {
        B -= C->Height();
        C->SetBounds(float(L), float(B), Band(L, R), C->Height());
      } else if (Pass == TAlignLayout::Left && A == TAlignLayout::Left) {
        C->SetBounds(float(L), float(T), C->Width(), Band(T, B));
        L += C->Width();
      } else if (Pass == TAlignLayout::Left && A == TAlignLayout::Right) {
        R -= C->Width();
        C->SetBounds(float(R), float(T), C->Width(), Band(T, B));
      } else if (Pass == TAlignLayout::Client && A == TAlignLayout::Client) {
        C->SetBounds(float(L), float(T), Band(L, R), Band(T, B));
      }
    }
  }
}

TControl* TControl::ObjectAtPoint(TPointF Point) {
  if (!FVisible) return nullptr;
  if (!(Point.X >= 0 && Point.Y >= 0 && Point.X < Width() && Point.Y < Height())) return nullptr;
  for (std::int32_t I = ChildrenCount() - 1; I >= 0; --I) {
    auto* C = dynamic_cast<TControl*>(Children(I));
    if (!C) continue;
    const TPointF Local{float(double(Point.X) - C->FBounds.Left), float(double(Point.Y) - C->FBounds.Top)};
    if (TControl* Hit = C->ObjectAtPoint(Local)) return Hit;
  }
  return FHitTest ? this : nullptr;
}

TCanvas& TControl::Canvas() const {
  if (auto* P = dynamic_cast<const TControl*>(Parent())) return P->Canvas();
  // Text measures the same on every canvas, so an empty bitmap serves.
  static TBitmap Measuring;
  return Measuring.Canvas();
}

void TControl::PaintTo(TCanvas& Canvas) {
  if (!FVisible) return;
  const TMatrix Saved = Canvas.Matrix();
  struct TRestore {
    TCanvas& C;
    TMatrix M;
    ~TRestore() { C.SetMatrix(M); }
  } Restore{Canvas, Saved};
  TClipGuard Clip(Canvas);
  Canvas.SetMatrix(TMatrix::CreateTranslation(FBounds.Left, FBounds.Top) * Saved);
  Canvas.IntersectClipRect(LocalRect());
  Paint(Canvas);
  for (std::int32_t I = 0; I < ChildrenCount(); ++I)
    if (auto* C = dynamic_cast<TControl*>(Children(I))) C->PaintTo(Canvas);
}

}  // namespace FMX
