#pragma once
// Canvas save state: a detached copy of chosen parts of a canvas's drawing
// state (fill, stroke brush, font, stroke properties, matrix), written back
// later onto that canvas or any other.
//
// Drawing code brackets every state change so that the canvas leaves the
// routine as it came in:
//
//     TVXCanvasStateGuard Guard(Canvas);   // saves all parts
//     Canvas.SetStrokeThickness(1);        // ... draw ...
//                                          // restored here, also on a throw
//
// or, by hand, SaveState / RestoreState.
//
// Guarantees:
// - Capture and restore touch only the parts the state was made with; the
//   rest of the canvas (and the state's unused fields) are never read or
//   written.
// - Capture copies in the order fill, stroke brush, font, stroke
//   properties, matrix; restore writes matrix, fill, stroke brush, font,
//   stroke properties. The stroke brush is written before the stroke
//   properties, so the saved thickness, cap, join and dash always win.
// - Restore writes every saved part even when writing one raises (a font
//   change handler may); the first error is raised once all are written.
// - The stroke properties part holds thickness, cap, join, dash style and
//   the custom dash pattern with its offset, so a custom dash comes back
//   with its own pattern.
// - The clip is not part of the state; TClipGuard (platform/Canvas.h)
//   brackets clip changes.
// - Capturing from or restoring to anything but a canvas raises
//   EConvertError "Cannot assign a <source> to a <destination>".

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Brush.h"
#include "platform/Canvas.h"
#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Font.h"
#include "platform/Set.h"
#include "platform/Types.h"

namespace FMX::VX::CanvasHelper {

enum TVXCanvasSavePart : std::uint8_t {
  cspFill = 0,         // the canvas Fill brush
  cspStrokeFill = 1,   // the brush part of the canvas Stroke (kind, colour, gradient)
  cspFont = 2,         // the canvas Font
  cspStrokeProps = 3,  // stroke thickness, cap, join and dash
  cspMatrix = 4,       // the canvas Matrix
};

// One byte, bit n for part n.
using TVXCanvasSaveParts = TSet<TVXCanvasSavePart, std::uint8_t>;
inline constexpr TVXCanvasSaveParts AllCanvasSaveParts = TVXCanvasSaveParts::FromBits(0x1F);

class VXFMX_API TVXCanvasSaveState : public TPersistent {
 public:
  explicit TVXCanvasSaveState(TVXCanvasSaveParts Parts);
  ~TVXCanvasSaveState() override;
  TVXCanvasSaveState(const TVXCanvasSaveState&) = delete;
  TVXCanvasSaveState& operator=(const TVXCanvasSaveState&) = delete;

  // Capture: Source must be a canvas.
  void Assign(const TPersistent& Source) override;
  // Restore: Dest must be a canvas. The state stays usable afterwards.
  void AssignTo(TPersistent& Dest) const override;

  TVXCanvasSaveParts Parts() const { return FParts; }

 private:
  TMatrix FMatrix;
  std::unique_ptr<TBrush> FFill;    // with cspFill
  std::unique_ptr<TBrush> FStroke;  // with cspStrokeFill: the brush part only
  float FStrokeThickness = 0;
  TStrokeCap FStrokeCap = TStrokeCap::Flat;
  TStrokeJoin FStrokeJoin = TStrokeJoin::Miter;
  TStrokeDash FStrokeDash = TStrokeDash::Solid;
  std::vector<float> FStrokeDashArray;
  float FStrokeDashOffset = 0;
  std::unique_ptr<TFont> FFont;  // with cspFont
  TVXCanvasSaveParts FParts;
};

// A new state holding Parts of Canvas; the caller owns it.
VXFMX_API std::unique_ptr<TVXCanvasSaveState> SaveState(const TCanvas& Canvas,
                                                        TVXCanvasSaveParts Parts = AllCanvasSaveParts);

// Writes State back onto Canvas and frees it (also when writing back
// raises). A null State does nothing.
VXFMX_API void RestoreState(TCanvas& Canvas, std::unique_ptr<TVXCanvasSaveState> State);

// Writes State back onto Canvas; the caller keeps it and may restore it
// again.
VXFMX_API void RestoreState(TCanvas& Canvas, const TVXCanvasSaveState& State);

// Saves Parts of a canvas on construction and writes them back on
// destruction, also when an exception passes.
//
// Restoring may raise (a font change handler can). Without an exception in
// flight that error reaches the caller; while another exception unwinds the
// stack, the restore error is dropped so the original one propagates.
class VXFMX_API TVXCanvasStateGuard {
 public:
  explicit TVXCanvasStateGuard(TCanvas& Canvas, TVXCanvasSaveParts Parts = AllCanvasSaveParts);
  ~TVXCanvasStateGuard() noexcept(false);
  TVXCanvasStateGuard(const TVXCanvasStateGuard&) = delete;
  TVXCanvasStateGuard& operator=(const TVXCanvasStateGuard&) = delete;

 private:
  TCanvas& FCanvas;
  TVXCanvasSaveState FState;
  int FUncaught;  // exceptions in flight when the guard was made
};

}  // namespace FMX::VX::CanvasHelper
