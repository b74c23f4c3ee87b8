#pragma once
// Visual controls: a rectangle of the parent's coordinate space that paints
// itself and then its children onto any canvas.
//
// Coordinates: Position() is the top-left corner in the parent control's
// coordinates (canvas units); the control paints in its own coordinates,
// (0, 0) to (Width, Height), clipped to that rectangle.
//
// Layout: a child with Align() other than None is placed inside the
// parent's client area, the local rectangle less the parent's Padding:
// Top and Bottom children take full-width bands in child order, Left and
// Right children full-height bands of what is left, and Client children
// fill whatever remains. Placement happens whenever the parent's size or
// padding, or the children or their alignment, change.

#include <cstdint>
#include <functional>

#include "platform/Export.h"
#include "platform/FmxObject.h"
#include "platform/Types.h"

namespace FMX {

class TCanvas;

// Ordinals as the layout enumeration of the platform (Client is 9).
enum class TAlignLayout : std::int32_t { None = 0, Top = 1, Left = 2, Right = 3, Bottom = 4, Client = 9 };

// Four distances inside a control's edges, in canvas units.
struct TBoundsF {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  friend bool operator==(const TBoundsF&, const TBoundsF&) = default;
};

class VXFMX_API TControl : public TFmxObject {
 public:
  explicit TControl(TFmxObject* AOwner = nullptr);
  ~TControl() override;

  // --- Geometry ----------------------------------------------------------
  TPointF Position() const { return {FBounds.Left, FBounds.Top}; }
  void SetPosition(TPointF Value);
  float Width() const { return FBounds.Width(); }
  float Height() const { return FBounds.Height(); }
  void SetWidth(float Value);
  void SetHeight(float Value);
  void SetSize(float AWidth, float AHeight);
  // In the parent's coordinates. Negative sizes count as 0.
  TRectF BoundsRect() const { return FBounds; }
  void SetBoundsRect(const TRectF& Value);
  void SetBounds(float X, float Y, float AWidth, float AHeight);
  // (0, 0, Width, Height).
  TRectF LocalRect() const { return {0, 0, Width(), Height()}; }
  // This control's rectangle in the coordinates of its topmost control
  // ancestor (the form).
  TRectF AbsoluteRect() const;

  // --- Behaviour ---------------------------------------------------------
  bool Visible() const { return FVisible; }
  // Aligned siblings are placed again when an aligned control shows or hides.
  void SetVisible(bool Value);
  // False: the control is transparent to ObjectAtPoint.
  bool HitTest() const { return FHitTest; }
  void SetHitTest(bool Value) { FHitTest = Value; }
  // Opacity 0..1, multiplied into everything the control paints itself.
  float Opacity() const { return FOpacity; }
  void SetOpacity(float Value) { FOpacity = Value; }
  const TBoundsF& Padding() const { return FPadding; }
  void SetPadding(const TBoundsF& Value);
  TAlignLayout Align() const { return FAlign; }
  void SetAlign(TAlignLayout Value);

  // The topmost visible, hit-testable control at Point (in this control's
  // coordinates): a child in front wins over the ones behind it and over
  // this control. nullptr when nothing is hit.
  TControl* ObjectAtPoint(TPointF Point);

  // The canvas the control measures text with: its form's canvas, or a
  // shared measuring canvas while the control is not on a form.
  virtual TCanvas& Canvas() const;

  // --- Painting ----------------------------------------------------------
  // Paints this control and its visible children, each in its own
  // coordinates, onto Canvas. The canvas's matrix and clip are as before
  // afterwards (also when an exception passes); the control's own
  // Paint sees the canvas's current matrix extended by its position.
  void PaintTo(TCanvas& Canvas);

  // Places the aligned children again (normally automatic).
  void Realign();

 protected:
  // Draws the control itself in local coordinates; children come after.
  virtual void Paint(TCanvas& /*Canvas*/) {}
  // Called after the size changed.
  virtual void Resize() {}

  void ChildrenChanged() override;
  void ParentChanged() override;

 private:
  void ParentRealign();

  TRectF FBounds;
  TBoundsF FPadding;
  TAlignLayout FAlign = TAlignLayout::None;
  float FOpacity = 1;
  bool FVisible = true;
  bool FHitTest = true;
  bool FRealigning = false;
};

}  // namespace FMX
