#pragma once
// Raised three-dimensional frames drawn inside a rectangle: the top and left
// parts in one colour, the bottom and right parts in another. Each routine
// shrinks the rectangle to the area left inside the frame, where a caller
// draws the framed body.

#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

using namespace ::FMX;

// Frame of FrameWidth canvas units inside Rect, which is shrunk by the frame.
//
// Square corners (Rounded false): one-unit rings stroked with the canvas's
// stroke brush, TopColor along the left and top edges and BottomColor along
// the right and bottom ones, ceil(FrameWidth) rings in all; Rect shrinks by
// that many units on every side. A width of 0 or less draws nothing. Rings
// that would no longer fit inside Rect are not drawn, nor any beyond the
// first 32768 (Rect still shrinks by the full count).
//
// Rounded corners: a TopColor rounded rectangle with corner radii XRadius
// and YRadius, outlined with the canvas's stroke, whose bottom-right part
// (right and bottom edges, the bottom-right corner and the bottom-right
// halves of the top-right and bottom-left corners) is covered in
// BottomColor, FrameWidth deep along the straight edges. Rect shrinks by
// exactly FrameWidth on every side.
//
// Either form leaves the stroke thickness at 1; the square form also leaves
// the stroke colour at BottomColor once a ring was drawn. The rounded form
// puts everything else back, also when the canvas raises.
VXFMX_API void Frame3DExt(TCanvas& Canvas, TRectF& Rect, TAlphaColor TopColor, TAlphaColor BottomColor,
                          float FrameWidth, bool Rounded = false, float XRadius = 0, float YRadius = 0);

// Frame around the ellipse inscribed in Rect: its top-left half in TopColor,
// its bottom-right half in BottomColor, meeting on the diagonal from the
// bottom-left to the top-right corner. Rect shrinks by FrameWidth on every
// side; the caller's ellipse drawn there covers the middle. The canvas state
// is left as it was, also when the canvas raises.
VXFMX_API void Frame3DEllipse(TCanvas& Canvas, TRectF& Rect, TAlphaColor TopColor, TAlphaColor BottomColor,
                              float FrameWidth);

}  // namespace FMX::VX::Graphics
