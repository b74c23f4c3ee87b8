// Stroking and filling a path on a canvas.

#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/Brush.h"
#include "platform/Canvas.h"

namespace FMX::VX::Graphics {

void TVXPathData::DrawPath(TCanvas& Canvas, float Opacity) const { Canvas.DrawPath(*this, Opacity); }

void TVXPathData::FillPath(TCanvas& Canvas, float Opacity) const {
  if (Canvas.Fill().Kind() != TBrushKind::None && !IsEmpty() && Points().back().Kind != TPathPointKind::Close) {
    // An open path is filled as if closed, through a closed copy.
    TVXPathData Closed;
    Closed.Assign(*this);
    Closed.ClosePath();
    Canvas.FillPath(Closed, Opacity);
    return;
  }
  Canvas.FillPath(*this, Opacity);
}

}  // namespace FMX::VX::Graphics
