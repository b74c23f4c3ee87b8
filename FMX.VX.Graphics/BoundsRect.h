#pragma once
// Persistent holders of one bounding rectangle that announce every change
// through OnChange: an integer family over TRect (TVXCustomRect,
// TVXObjectRect, TObjectSize) and a float family over TRectF
// (TVXCustomVXRect, TVXObjectVXRect). Components expose them as streamable
// sub-properties (a shape's bounds, an object's size).
//
// Guarantees:
// - bounds are all zero and OnChange is unset after construction; the event
//   is never raised during construction or destruction;
// - every mutating operation that changes something (and SetBoundsRect,
//   Scale and Assign always) ends with exactly one Change(), which raises
//   OnChange(this) when it is set; the event runs synchronously inside the
//   call;
// - nothing is validated or normalised: inverted rectangles and negative
//   sizes are stored as the arithmetic gives them (32-bit two's complement
//   in the integer family);
// - Assign copies the bounds only from the same family; anything else
//   raises EConvertError "Cannot assign a <Source> to a <Dest>" and leaves
//   bounds and event unchanged.
//
// Property indices of GetSize/SetSize: 0 Left, 1 Top, 2 Right, 3 Bottom,
// 4 Height, any other index Width. Setting Height or Width moves the bottom
// or right edge; setting Left or Top moves only that edge (the size changes).

#include <cstdint>
#include <functional>
#include <utility>

#include "FMX.VX.Graphics/Geometry.h"
#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

// Rectangle callbacks for client components: the handler reads aRect, or
// supplies or adjusts it.
using TVXRectEvent = std::function<void(TObject* Sender, const TRectF& aRect)>;
using TVXGetRectEvent = std::function<void(TObject* Sender, TRectF& aRect)>;

class VXFMX_API TVXCustomRect : public TPersistent {
 public:
  enum : std::int32_t { siLeft = 0, siTop = 1, siRight = 2, siBottom = 3, siHeight = 4, siWidth = 5 };

  TVXCustomRect() = default;

  // Copies the bounds (not the event) from any TVXCustomRect, then Change().
  void Assign(const TPersistent& Source) override;

  virtual std::int32_t GetSize(std::int32_t Index) const;
  // No change and no notification when GetSize(Index) already equals Value.
  virtual void SetSize(std::int32_t Index, std::int32_t Value);
  // Always notifies, also when R equals the current bounds.
  virtual void SetBoundsRect(const TRect& R);
  // Moves the top-left corner to (X, Y), keeping the size; no notification
  // when it is there already.
  virtual void MoveTo(std::int32_t X, std::int32_t Y);
  // Notifies only when DX or DY is non-zero.
  virtual void Translate(std::int32_t DX, std::int32_t DY);
  // Grows the bounds about their centre by DX in width and DY in height
  // (VXCommon::ScaleRect: an odd amount gives its extra unit to the right or
  // bottom edge). Always notifies.
  virtual void Scale(std::int32_t DX, std::int32_t DY);

  const TRect& BoundsRect() const { return FBoundsRect; }
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Event) { FOnChange = std::move(Event); }

  std::int32_t Left() const { return GetSize(siLeft); }
  std::int32_t Top() const { return GetSize(siTop); }
  std::int32_t Right() const { return GetSize(siRight); }
  std::int32_t Bottom() const { return GetSize(siBottom); }
  std::int32_t Height() const { return GetSize(siHeight); }
  std::int32_t Width() const { return GetSize(siWidth); }
  void SetLeft(std::int32_t Value) { SetSize(siLeft, Value); }
  void SetTop(std::int32_t Value) { SetSize(siTop, Value); }
  void SetRight(std::int32_t Value) { SetSize(siRight, Value); }
  void SetBottom(std::int32_t Value) { SetSize(siBottom, Value); }
  void SetHeight(std::int32_t Value) { SetSize(siHeight, Value); }
  void SetWidth(std::int32_t Value) { SetSize(siWidth, Value); }

 protected:
  // Raises OnChange(this) when it is set. Descendants override it to react
  // to every change.
  virtual void Change();

  TRect FBoundsRect;
  TNotifyEvent FOnChange;
};

// Streams Left, Top, Right and Bottom (a value of 0 is not written).
class VXFMX_API TVXObjectRect : public TVXCustomRect {
 public:
  const TPublishedProperties* PublishedProperties() const override;
};

// Streams Left, Top, Right, Bottom, Height and Width (a value of 0 is not
// written). Derives from TVXCustomRect directly, not from TVXObjectRect.
class VXFMX_API TObjectSize : public TVXCustomRect {
 public:
  const TPublishedProperties* PublishedProperties() const override;
};

class VXFMX_API TVXCustomVXRect : public TPersistent {
 public:
  enum : std::int32_t { siLeft = 0, siTop = 1, siRight = 2, siBottom = 3, siHeight = 4, siWidth = 5 };

  TVXCustomVXRect() = default;

  // Copies the bounds (not the event) from any TVXCustomVXRect, then Change().
  void Assign(const TPersistent& Source) override;

  virtual float GetSize(std::int32_t Index) const;
  // No change and no notification when GetSize(Index) already equals Value
  // exactly.
  virtual void SetSize(std::int32_t Index, float Value);
  // Always notifies, also when R equals the current bounds.
  virtual void SetBoundsRect(const TRectF& R);
  // Moves the top-left corner to (X, Y), keeping the size; no notification
  // when it is there already (exact comparison).
  virtual void MoveTo(float X, float Y);
  // Notifies only when DX or DY is non-zero.
  virtual void Translate(float DX, float DY);
  // Grows the bounds about their centre by DX in width and DY in height,
  // each side moving by half the amount (ScaleRect). Always notifies.
  virtual void Scale(float DX, float DY);

  const TRectF& BoundsRect() const { return FBoundsRect; }
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Event) { FOnChange = std::move(Event); }

  float Left() const { return GetSize(siLeft); }
  float Top() const { return GetSize(siTop); }
  float Right() const { return GetSize(siRight); }
  float Bottom() const { return GetSize(siBottom); }
  float Height() const { return GetSize(siHeight); }
  float Width() const { return GetSize(siWidth); }
  void SetLeft(float Value) { SetSize(siLeft, Value); }
  void SetTop(float Value) { SetSize(siTop, Value); }
  void SetRight(float Value) { SetSize(siRight, Value); }
  void SetBottom(float Value) { SetSize(siBottom, Value); }
  void SetHeight(float Value) { SetSize(siHeight, Value); }
  void SetWidth(float Value) { SetSize(siWidth, Value); }

 protected:
  // Raises OnChange(this) when it is set. Descendants override it to react
  // to every change.
  virtual void Change();

  TRectF FBoundsRect;
  TNotifyEvent FOnChange;
};

// Streams Left, Top, Right and Bottom (a value of 0 is not written).
class VXFMX_API TVXObjectVXRect : public TVXCustomVXRect {
 public:
  const TPublishedProperties* PublishedProperties() const override;
};

}  // namespace FMX::VX::Graphics
