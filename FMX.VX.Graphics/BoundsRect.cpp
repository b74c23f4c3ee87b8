#include "FMX.VX.Graphics/BoundsRect.h"

#include "FMX.VX.Graphics/GeometryMath_p.h"
#include "VXCommon/RectFunctions.h"

namespace FMX::VX::Graphics {

using Detail::Add32;
using Detail::Sub32;

// --- Integer family -------------------------------------------------------

void TVXCustomRect::Assign(const TPersistent& Source) {
  if (const auto* Other = dynamic_cast<const TVXCustomRect*>(&Source)) {
    FBoundsRect = Other->FBoundsRect;
    Change();
    return;
  }
  TPersistent::Assign(Source);
}

std::int32_t TVXCustomRect::GetSize(std::int32_t Index) const {
  switch (Index) {
    case siLeft: return FBoundsRect.Left;
    case siTop: return FBoundsRect.Top;
    case siRight: return FBoundsRect.Right;
    case siBottom: return FBoundsRect.Bottom;
    case siHeight: return Sub32(FBoundsRect.Bottom, FBoundsRect.Top);
    default: return Sub32(FBoundsRect.Right, FBoundsRect.Left);
  }
}

void TVXCustomRect::SetSize(std::int32_t Index, std::int32_t Value) {
  if (GetSize(Index) == Value) return;
  switch (Index) {
    case siLeft: FBoundsRect.Left = Value; break;
    case siTop: FBoundsRect.Top = Value; break;
    case siRight: FBoundsRect.Right = Value; break;
    case siBottom: FBoundsRect.Bottom = Value; break;
    case siHeight: FBoundsRect.Bottom = Add32(FBoundsRect.Top, Value); break;
    default: FBoundsRect.Right = Add32(FBoundsRect.Left, Value); break;
  }
  Change();
}

void TVXCustomRect::SetBoundsRect(const TRect& R) {
  FBoundsRect = R;
  Change();
}

void TVXCustomRect::MoveTo(std::int32_t X, std::int32_t Y) {
  TRect& B = FBoundsRect;
  if (X == B.Left && Y == B.Top) return;
  B.Right = Add32(X, Sub32(B.Right, B.Left));
  B.Left = X;
  B.Bottom = Add32(Y, Sub32(B.Bottom, B.Top));
  B.Top = Y;
  Change();
}

void TVXCustomRect::Translate(std::int32_t DX, std::int32_t DY) {
  TRect& B = FBoundsRect;
  if (DX != 0) {
    B.Left = Add32(B.Left, DX);
    B.Right = Add32(B.Right, DX);
  }
  if (DY != 0) {
    B.Top = Add32(B.Top, DY);
    B.Bottom = Add32(B.Bottom, DY);
  }
  if (DX != 0 || DY != 0) Change();
}

void TVXCustomRect::Scale(std::int32_t DX, std::int32_t DY) {
  FBoundsRect = ::VXCommon::ScaleRect(FBoundsRect, DX, DY);
  Change();
}

void TVXCustomRect::Change() {
  if (FOnChange) FOnChange(this);
}

// --- Float family ---------------------------------------------------------

void TVXCustomVXRect::Assign(const TPersistent& Source) {
  if (const auto* Other = dynamic_cast<const TVXCustomVXRect*>(&Source)) {
    FBoundsRect = Other->FBoundsRect;
    Change();
    return;
  }
  TPersistent::Assign(Source);
}

float TVXCustomVXRect::GetSize(std::int32_t Index) const {
  switch (Index) {
    case siLeft: return FBoundsRect.Left;
    case siTop: return FBoundsRect.Top;
    case siRight: return FBoundsRect.Right;
    case siBottom: return FBoundsRect.Bottom;
    case siHeight: return VXRectHeight(FBoundsRect);
    default: return VXRectWidth(FBoundsRect);
  }
}

void TVXCustomVXRect::SetSize(std::int32_t Index, float Value) {
  if (GetSize(Index) == Value) return;
  switch (Index) {
    case siLeft: FBoundsRect.Left = Value; break;
    case siTop: FBoundsRect.Top = Value; break;
    case siRight: FBoundsRect.Right = Value; break;
    case siBottom: FBoundsRect.Bottom = Value; break;
    case siHeight: FBoundsRect.Bottom = float(double(FBoundsRect.Top) + Value); break;
    default: FBoundsRect.Right = float(double(FBoundsRect.Left) + Value); break;
  }
  Change();
}

void TVXCustomVXRect::SetBoundsRect(const TRectF& R) {
  FBoundsRect = R;
  Change();
}

void TVXCustomVXRect::MoveTo(float X, float Y) {
  TRectF& B = FBoundsRect;
  if (X == B.Left && Y == B.Top) return;
  B.Right = float(double(X) + B.Right - B.Left);
  B.Left = X;
  B.Bottom = float(double(Y) + B.Bottom - B.Top);
  B.Top = Y;
  Change();
}

void TVXCustomVXRect::Translate(float DX, float DY) {
  TRectF& B = FBoundsRect;
  if (DX != 0) {
    B.Left = float(double(B.Left) + DX);
    B.Right = float(double(B.Right) + DX);
  }
  if (DY != 0) {
    B.Top = float(double(B.Top) + DY);
    B.Bottom = float(double(B.Bottom) + DY);
  }
  if (DX != 0 || DY != 0) Change();
}

void TVXCustomVXRect::Scale(float DX, float DY) {
  FBoundsRect = ScaleRect(FBoundsRect, DX, DY);
  Change();
}

void TVXCustomVXRect::Change() {
  if (FOnChange) FOnChange(this);
}

}  // namespace FMX::VX::Graphics
