// The eleven palettes and colour ramps along them.

#include <VXFMXCommon.h>

#include "Tiles.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

void AddColorTiles(TGallery& G) {
  G.Add("colors-palettes", "The eleven palettes, ColorSchemeColors(csDefaultColors .. csAntique)", 420, 290, VXG_CODE(
      const char* Names[] = {"Default colors", "Pastels", "Black and white", "Grays", "Southwest", "Reds",
                             "Greens", "Blues", "Violets", "Dystopia", "Antique"};
      Canvas.Font().SetSize(11);
      Canvas.Stroke().SetColor(claGray);
      for (int S = csDefaultColors; S <= csAntique; ++S) {
        const float Top = 10.0f + (S - 1) * 25.0f;
        Canvas.Fill().SetColor(claBlack);
        CanvasHelper::TextOut(Canvas, 10.0f, Top + 3, Names[S - 1]);
        const auto Colors = ColorSchemeColors(TVXColorScheme(S));
        for (std::size_t I = 0; I < Colors.size(); ++I) {
          Canvas.Fill().SetColor(Colors[I]);
          CanvasHelper::Rectangle(Canvas, TRectF{130.0f + I * 28, Top, 152.0f + I * 28, Top + 20});
        }
      }));

  for (const int Steps : {10, 40}) {
    G.Add("colors-ramps-" + std::to_string(Steps),
          "IndexToColor: " + std::to_string(Steps) + " steps along each palette", 420, 290, VXG_CODE(
              for (int S = csDefaultColors; S <= csAntique; ++S) {
                const float Top = 10.0f + (S - 1) * 25.0f;
                const float Step = 400.0f / Steps;
                for (int I = 0; I < Steps; ++I) {
                  Canvas.Fill().SetColor(IndexToColor(I, Steps, ColorSchemeColors(TVXColorScheme(S))));
                  Canvas.FillRect(TRectF{10 + I * Step, Top, 10 + (I + 1) * Step, Top + 20}, 1);
                }
              }),
          {{"Steps", std::to_string(Steps)}});
  }

  G.Add("colors-named", "Every named colour, by name (NamedAlphaColors)", 420, 290, VXG_CODE(
      const auto Named = NamedAlphaColors();
      for (std::size_t I = 0; I < Named.size(); ++I) {
        const float X = 10.0f + float(I % 16) * 25, Y = 10.0f + float(I / 16) * 25;
        Canvas.Fill().SetColor(Named[I].Color);
        Canvas.FillRect(TRectF{X, Y, X + 22, Y + 22}, 1);
      }));
}

}  // namespace VXGallery
