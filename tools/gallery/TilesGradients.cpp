// Gradients: the platform gradient and the banded ones (strips, ellipse
// rings, rectangle outlines), in every direction and at several step sizes.

#include <VXFMXCommon.h>

#include "TileSupport.h"
#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

namespace {

constexpr const char* DirectionNames[] = {"gdDownRight", "gdDown",    "gdDownLeft", "gdRight",
                                          "gdLeft",      "gdUpRight", "gdUp",       "gdUpLeft"};

}  // namespace

void AddGradientTiles(TGallery& G) {
  for (const int Step : {1, 8}) {
    G.Add("gradients-directions-step-" + std::to_string(Step),
          "DirectionGradient in all eight directions, StepSize " + std::to_string(Step) +
              (Step <= 1 ? " (smooth)" : " (banded along the axes)"),
          360, 200, VXG_CODE(
              const TColors Colors{claNavy, claDeepSkyBlue, claWhite};
              Canvas.Font().SetSize(9);
              for (int D = gdDownRight; D <= gdUpLeft; ++D) {
                const float X = 8.0f + float(D % 4) * 88, Y = 8.0f + float(D / 4) * 96;
                DirectionGradient(Canvas, TRectF{X, Y, X + 80, Y + 70}, Colors, TGradientDirection(D), Step, 1);
                Canvas.Fill().SetColor(claBlack);
                CanvasHelper::TextOut(Canvas, X, Y + 73, DirectionNames[D]);
              }),
          {{"Step", std::to_string(Step)}});
  }

  G.Add("gradients-strips", "LineGradient: strips at StepSize 1 (smooth), 4, 12 and 24", 360, 200, VXG_CODE(
      const int Steps[] = {1, 4, 12, 24};
      for (int I = 0; I < 4; ++I) {
        const float Y = 8.0f + float(I) * 48;
        LineGradient(Canvas, TRectF{8, Y, 352, Y + 40}, ColorSchemeColors(csSouthwest), Steps[I], diHorizontal, 1);
      }));

  G.Add("gradients-platform", "DrawGradient: linear and radial, rectangle and ellipse", 360, 200, VXG_CODE(
      const TColors Colors{claGold, claOrangeRed, claPurple};
      DrawGradient(Canvas, TRectF{8, 8, 176, 96}, Colors, TGradientStyle::Linear, TPointF{0, 0}, TPointF{1, 0},
                   true, 1);
      DrawGradient(Canvas, TRectF{184, 8, 352, 96}, Colors, TGradientStyle::Linear, TPointF{0, 0}, TPointF{1, 1},
                   false, 1);
      DrawGradient(Canvas, TRectF{8, 104, 176, 192}, Colors, TGradientStyle::Radial, TPointF{0.5f, 0.5f},
                   TPointF{0, 0}, true, 1);
      DrawGradient(Canvas, TRectF{184, 104, 352, 192}, Colors, TGradientStyle::Radial, TPointF{0.3f, 0.3f},
                   TPointF{0, 0}, false, 1)));

  G.Add("gradients-ellipses", "EllipseGradient: rings at StepSize 1, 4 and 10, and around a chosen centre", 360, 200,
        VXG_CODE(
            const TColors Colors{claDarkGreen, claYellowGreen, claLightYellow};
            EllipseGradient(Canvas, TRectF{8, 8, 120, 96}, Colors, 1, 1);
            EllipseGradient(Canvas, TRectF{124, 8, 236, 96}, Colors, 4, 1);
            EllipseGradient(Canvas, TRectF{240, 8, 352, 96}, Colors, 10, 1);
            EllipseGradient(Canvas, TRectF{8, 104, 352, 192}, 0.25f, 0.3f, Colors, 3, 1)));

  G.Add("gradients-rectangles", "RectGradient: outlines at StepSize 1 (smooth), 3, 8 and 16", 360, 200, VXG_CODE(
      const TColors Colors{claMaroon, claTomato, claPeachPuff};
      const int Steps[] = {1, 3, 8, 16};
      for (int I = 0; I < 4; ++I) {
        const float X = 8.0f + float(I) * 88;
        RectGradient(Canvas, TRectF{X, 8, X + 80, 192}, Colors, Steps[I], 1);
      }));

  G.Add("gradients-translucent", "Banded gradients at opacity 0.5 over a checkerboard", 360, 200, VXG_CODE(
      DrawChecker(Canvas);
      const TColors Colors{claBlue, claAqua, claWhite};
      EllipseGradient(Canvas, TRectF{8, 8, 176, 192}, Colors, 6, 0.5f);
      RectGradient(Canvas, TRectF{184, 8, 352, 96}, Colors, 6, 0.5f);
      LineGradient(Canvas, TRectF{184, 104, 352, 192}, Colors, 6, diVertical, 0.5f)));
}

}  // namespace VXGallery
