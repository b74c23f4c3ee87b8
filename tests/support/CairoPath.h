#pragma once
// The same path as Cairo's current path, for tests and benchmarks that
// compare the library with Cairo. An incomplete curve is left out, as the
// library's own walks leave it out.

#include <cairo.h>

#include "FMX.VX.Graphics/VXPathData.h"

namespace VXTest {

inline void AddToCairo(cairo_t* Cr, const FMX::VX::Graphics::TVXPathData& P) {
  using FMX::TPathPointKind;
  cairo_new_path(Cr);
  for (const auto& S : P.Segments()) {
    switch (S.Kind) {
      case TPathPointKind::MoveTo: cairo_move_to(Cr, S.Pt(0).X, S.Pt(0).Y); break;
      case TPathPointKind::LineTo: cairo_line_to(Cr, S.Pt(0).X, S.Pt(0).Y); break;
      case TPathPointKind::CurveTo:
        if (S.IsCompleteCurve()) cairo_curve_to(Cr, S.Pt(0).X, S.Pt(0).Y, S.Pt(1).X, S.Pt(1).Y, S.Pt(2).X, S.Pt(2).Y);
        break;
      case TPathPointKind::Close: cairo_close_path(Cr); break;
    }
  }
}

}  // namespace VXTest
