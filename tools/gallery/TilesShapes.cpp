// Shapes in their 24 styles, flat and raised, and the frames under the
// raised ones.

#include <VXFMXCommon.h>

#include "TileSupport.h"
#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

namespace {

constexpr const char* StyleNames[] = {
    "ssRectangle",      "ssEllipse",         "ssImage",           "ssDiamond",          "ssLeftTriangle",
    "ssRightTriangle",  "ssUpTriangle",      "ssDownTriangle",    "ssRoundRect",        "ssSquare",
    "ssCircle",         "ssRoundSquare",     "ss3DRectangle",     "ss3DEllipse",        "ss3DImage",
    "ss3DDiamond",      "ss3DLeftTriangle",  "ss3DRightTriangle", "ss3DUpTriangle",     "ss3DDownTriangle",
    "ss3DRoundRect",    "ss3DSquare",        "ss3DCircle",        "ss3DRoundSquare"};

}  // namespace

void AddShapeTiles(TGallery& G) {
  for (const bool Raised : {false, true})
    for (const float Opacity : {1.0f, 0.5f}) {
      const int First = Raised ? ss3DRectangle : ssRectangle;
      G.Add(std::string("shapes-") + (Raised ? "raised" : "flat") + (Opacity < 1 ? "-translucent" : ""),
            std::string("The twelve ") + (Raised ? "raised" : "flat") + " shape styles at opacity " +
                (Opacity < 1 ? "0.5" : "1"),
            360, 250, VXG_CODE(
                DrawChecker(Canvas);
                const auto Picture = MakePicture();
                Canvas.Font().SetSize(9);
                for (int S = First; S < First + 12; ++S) {
                  const float X = 10.0f + float(S % 4) * 87, Y = 8.0f + float(S % 12 / 4) * 80;
                  Canvas.Fill().SetColor(claLightSkyBlue);
                  Canvas.Stroke().SetColor(claNavy);
                  DrawShape(Canvas, TRectF{X, Y, X + 75, Y + 55}, Picture.get(), TVXShapeStyle(S), true, claWhite,
                            claSlateGray, 4, Opacity);
                  Canvas.Fill().SetColor(claBlack);
                  CanvasHelper::TextOut(Canvas, X, Y + 58, StyleNames[S]);
                }),
            {{"First", Raised ? "ss3DRectangle" : "ssRectangle"}, {"Opacity", Opacity < 1 ? "0.5f" : "1.0f"}});
    }

  G.Add("shapes-types", "DrawShape by type and orientation, raised 4 units", 360, 250, VXG_CODE(
      Canvas.Fill().SetColor(claPaleGoldenrod);
      Canvas.Stroke().SetColor(claSaddleBrown);
      for (int T = sRect; T <= sRightTriangle; ++T)
        for (int O = soUp; O <= soRight; ++O) {
          const float X = 12.0f + float(O) * 87, Y = 10.0f + float(T) * 60;
          DrawShape(Canvas, TRectF{X, Y, X + 70, Y + 50}, TVXShapeType(T), TVXShapeOrientation(O), true, 4);
        }));

  G.Add("frames-square", "Frame3DExt, square corners: raised and sunk", 240, 160, VXG_CODE(
      TRectF Raised{15, 20, 110, 140};
      Frame3DExt(Canvas, Raised, claWhite, claGray, 6);
      Canvas.Fill().SetColor(claSilver);
      Canvas.FillRect(Raised, 1);
      TRectF Sunk{130, 20, 225, 140};
      Frame3DExt(Canvas, Sunk, claGray, claWhite, 6);
      Canvas.FillRect(Sunk, 1)));

  G.Add("frames-rounded-ellipse", "Frame3DExt with rounded corners, and Frame3DEllipse", 240, 160, VXG_CODE(
      Canvas.Stroke().SetColor(claDimGray);
      TRectF Rounded{15, 20, 110, 140};
      Frame3DExt(Canvas, Rounded, claLightCyan, claSteelBlue, 6, true, 18, 18);
      Canvas.Fill().SetColor(claLightSteelBlue);
      Canvas.FillRect(Rounded, 12, 12, AllCorners, 1);
      TRectF Round{125, 25, 230, 130};
      Frame3DEllipse(Canvas, Round, claLightCyan, claSteelBlue, 6);
      Canvas.FillEllipse(Round, 1)));
}

}  // namespace VXGallery
