// Text measurement: wrapping at break characters with quoted runs kept
// whole, and the box of text drawn at an angle.

#include <cmath>

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

void AddTextTiles(TGallery& G) {
  G.Add("text-wrapped", "WrapCanvasText: breaks at blanks and hyphens, quoted runs kept whole", 240, 160, VXG_CODE(
      Canvas.Font().SetSize(12);
      const float MaxWidth = 150;
      const std::string Wrapped = WrapCanvasText(
          Canvas, "A well-known rule: \"keep these words\" together, break the rest anywhere.", MaxWidth);
      Canvas.Stroke().SetColor(claTomato);
      Canvas.DrawLine(TPointF{10 + MaxWidth, 5}, TPointF{10 + MaxWidth, 155}, 1);
      Canvas.Fill().SetColor(claBlack);
      Canvas.FillText(TRectF{10, 10, 230, 150}, Wrapped, false, 1, {}, TTextAlign::Leading, TTextAlign::Leading)));

  G.Add("text-wrapped-separator", "WrapCanvasText with a visible separator and only blanks as breaks", 240, 160,
        VXG_CODE(
            Canvas.Font().SetSize(12);
            const std::string Wrapped = WrapCanvasText(Canvas, "one two-three four-five six seven eight nine",
                                                       " |\n", VXCommon::TSysCharSet::Of(" "), 120);
            Canvas.Fill().SetColor(claDarkBlue);
            Canvas.FillText(TRectF{10, 10, 230, 150}, Wrapped, false, 1, {}, TTextAlign::Leading,
                            TTextAlign::Leading)));

  for (const int Angle : {30, 90, 150}) {
    G.Add("text-rotated-" + std::to_string(Angle),
          "GetRotatedTextExtent at " + std::to_string(Angle) + " degrees: the box and the turned text", 240, 160,
          VXG_CODE(
              Canvas.Font().SetSize(14);
              TPointF Origin;
              const TPointF Box = GetRotatedTextExtent(Canvas, Angle, "Rotated text", Origin);
              const TPointF Corner{std::round((240 - Box.X) / 2), std::round((160 - Box.Y) / 2)};
              Canvas.Stroke().SetColor(claSilver);
              Canvas.DrawRect(TRectF{Corner.X, Corner.Y, Corner.X + Box.X, Corner.Y + Box.Y}, 1);
              Canvas.SetMatrix(VXMatrixMultiply(CreateRotationVXMatrix(float(DegToRad(-Angle))),
                                                CreateTranslateVXMatrix(Corner.X + Origin.X, Corner.Y + Origin.Y)));
              Canvas.Fill().SetColor(claDarkGreen);
              // The baseline starts at Origin: the text's top is about an
              // ascent above it.
              CanvasHelper::TextOut(Canvas, 0.0f, -0.8f * Canvas.TextHeight("Rotated text"), "Rotated text")),
          {{"Angle", std::to_string(Angle)}});
  }
}

}  // namespace VXGallery
