// Progress indicators: circles of shapes, pies and bars, in every
// direction, orientation and display mode.

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

namespace {

constexpr const char* DirectionNames[] = {"pdForward", "pdBackward"};
constexpr const char* DisplayNames[] = {"dtAllProgress", "dtCurrentProgress"};

}  // namespace

void AddProgressTiles(TGallery& G) {
  G.Add("progress-circle", "ProgressCircle at 7 of 12: both directions, both display modes", 360, 200, VXG_CODE(
      Canvas.Font().SetSize(9);
      Canvas.Stroke().SetColor(claDimGray);
      for (int Dir = pdForward; Dir <= pdBackward; ++Dir)
        for (int Mode = dtAllProgress; Mode <= dtCurrentProgress; ++Mode) {
          const float X = 8.0f + float(Dir * 2 + Mode) * 88;
          ProgressCircle(Canvas, TRectF{X, 20, X + 80, 100}, 4, 7, 0, 12, ColorSchemeColors(csBlues), false, 12,
                         sCircle, soUp, false, 0, 2, TProgressDirection(Dir), TProgressDisplayType(Mode));
          Canvas.Fill().SetColor(claBlack);
          CanvasHelper::TextOut(Canvas, X, 104.0f, DirectionNames[Dir]);
          CanvasHelper::TextOut(Canvas, X, 116.0f, DisplayNames[Mode]);
        }
      for (int Type = sRect; Type <= sRightTriangle; ++Type) {
        const float X = 8.0f + float(Type) * 88;
        ProgressCircle(Canvas, TRectF{X, 132, X + 64, 196}, 2, 5, 0, 8, ColorSchemeColors(csSouthwest), true, 8,
                       TVXShapeType(Type), soUp, true, 2, 1, pdForward, dtAllProgress);
      }));

  G.Add("progress-pie", "ProgressPie at 5 of 8, gaps of 6 degrees: both directions, both display modes", 360, 130,
        VXG_CODE(
            Canvas.Font().SetSize(9);
            Canvas.Stroke().SetColor(claWhite);
            for (int Dir = pdForward; Dir <= pdBackward; ++Dir)
              for (int Mode = dtAllProgress; Mode <= dtCurrentProgress; ++Mode) {
                const float X = 8.0f + float(Dir * 2 + Mode) * 88;
                ProgressPie(Canvas, TRectF{X, 10, X + 80, 90}, 0, 5, 0, 8, ColorSchemeColors(csReds), false, 8, 6,
                            TProgressDirection(Dir), TProgressDisplayType(Mode));
                Canvas.Fill().SetColor(claBlack);
                CanvasHelper::TextOut(Canvas, X, 96.0f, DirectionNames[Dir]);
                CanvasHelper::TextOut(Canvas, X, 108.0f, DisplayNames[Mode]);
              }));

  G.Add("progress-bars", "ProgressRect at 6 of 10: horizontal and vertical, both directions, both display modes",
        360, 220, VXG_CODE(
            Canvas.Font().SetSize(9);
            Canvas.Stroke().SetColor(claDarkSlateGray);
            for (int Dir = pdForward; Dir <= pdBackward; ++Dir)
              for (int Mode = dtAllProgress; Mode <= dtCurrentProgress; ++Mode) {
                const int I = Dir * 2 + Mode;
                const float Y = 8.0f + float(I) * 52;
                ProgressRect(Canvas, TRectF{8, Y, 228, Y + 26}, 2, 6, 0, 10, ColorSchemeColors(csGreens), false, 10,
                             sRect, soUp, false, 0, 3, poHorizontal, TProgressDirection(Dir),
                             TProgressDisplayType(Mode));
                Canvas.Fill().SetColor(claBlack);
                CanvasHelper::TextOut(Canvas, 8.0f, Y + 28, std::string(DirectionNames[Dir]) + ", " + DisplayNames[Mode]);
                const float X = 244.0f + float(I) * 29;
                ProgressRect(Canvas, TRectF{X, 8, X + 24, 212}, 2, 6, 0, 10, ColorSchemeColors(csViolets), true, 10,
                             sIsoscelesTriangle, soUp, true, 2, 2, poVertical, TProgressDirection(Dir),
                             TProgressDisplayType(Mode));
              }));
}

}  // namespace VXGallery
