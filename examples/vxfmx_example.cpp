// Example: the library used for real. Prints geometry, colour and path
// results and paints a small picture into PNG, PDF and SVG files.
//
//   vxfmx_example <output folder>

#include <VXFMXCommon.h>

#include "DrawingPictures.h"
#include "SlicePictures.h"

#include <cstdio>
#include <string>

using namespace FMX::VX::Graphics;
namespace Helper = FMX::VX::CanvasHelper;

namespace {

std::string Text(const TRectF& R) {
  return "(" + FloatToStr(R.Left) + ", " + FloatToStr(R.Top) + ", " + FloatToStr(R.Right) + ", " +
         FloatToStr(R.Bottom) + ")";
}

std::string Text(const TRect& R) {
  return "(" + std::to_string(R.Left) + ", " + std::to_string(R.Top) + ", " + std::to_string(R.Right) + ", " +
         std::to_string(R.Bottom) + ")";
}

// A gear-like icon outline in SVG path syntax: arcs, curves and a hole.
constexpr const char* IconPath =
    "M 60,10 L 72,10 L 75,25 A 36,36 0 0 1 88,32 L 101,24 L 110,33 L 102,46 A 36,36 0 0 1 108,60 "
    "L 122,63 L 122,75 L 108,78 A 36,36 0 0 1 102,91 L 110,104 L 101,113 L 88,105 A 36,36 0 0 1 75,111 "
    "L 72,126 L 60,126 L 57,111 A 36,36 0 0 1 44,105 L 31,113 L 22,104 L 30,91 A 36,36 0 0 1 24,78 "
    "L 10,75 L 10,63 L 24,60 A 36,36 0 0 1 30,46 L 22,33 L 31,24 L 44,32 A 36,36 0 0 1 57,25 Z "
    "M 66,48 C 55,48 46,57 46,68 C 46,79 55,88 66,88 C 77,88 86,79 86,68 C 86,57 77,48 66,48 Z";

void PrintResults(const TVXPathData& Icon) {
  std::printf("Geometry\n");
  TRect Small{0, 0, 50, 20};
  const float Ratio = FitRect(Small, TRect{0, 0, 100, 100}, true);
  std::printf("  FitRect (0, 0, 50, 20) stretched into (0, 0, 100, 100) = %s, ratio %s\n", Text(Small).c_str(),
              FloatToStr(Ratio).c_str());
  TRectF Box{0, 0, 3, 3};
  std::printf("  CenterRect (0, 0, 3, 3) in (0, 0, 10, 10) = %s\n",
              Text(CenterRect(Box, TRectF{0, 0, 10, 10})).c_str());
  for (const char* S : {"(1.5,-2)", "(0.100000001490116,2)", "(3,x)", "1.5,2.5"}) {
    const TPointF P = StringToVXPoint(S);
    std::printf("  StringToVXPoint %-24s -> %s\n", S, VXPointToString(P).c_str());
  }

  std::printf("Colours\n  ramp of the default palette over 12 steps:");
  for (int I = 0; I < 12; ++I) std::printf(" %08X", IndexToColor(I, 12, DefaultColorList));
  std::printf("\n  %08X is %s\n", DefaultColorList[4], CanvasColorToString(DefaultColorList[4]).c_str());

  std::printf("Path\n  %d points, %zu polygons, length %s\n", Icon.GetCount(), Icon.Polygons().size(),
              FloatToStr(Icon.GetLength()).c_str());
  for (TPointF P : {TPointF{316, 88}, TPointF{366, 88}, TPointF{366, 60}, TPointF{300, 20}})
    std::printf("  point %s inside: %s, on a 2-pixel outline: %s\n", VXPointToString(P).c_str(),
                Icon.PointInPath(P) ? "yes" : "no", Icon.PointInPathOutline(P, 2) ? "yes" : "no");
}

void Paint(FMX::TCanvas& Canvas, const TVXPathData& Icon) {
  Canvas.Fill().SetKind(FMX::TBrushKind::Solid);
  Canvas.Fill().SetColor(0xFFFFFFFF);
  Helper::FillRect(Canvas, TRectF{0, 0, 480, 240});

  // Colour ramps of three palettes.
  Canvas.Stroke().SetKind(FMX::TBrushKind::None);
  const TColorList* Palettes[] = {&DefaultColorList, &PastelsColorList, &BluesColorList};
  for (int Row = 0; Row < 3; ++Row)
    for (int I = 0; I < 24; ++I) {
      Canvas.Fill().SetColor(IndexToColor(I, 24, *Palettes[Row]));
      Helper::FillRect(Canvas, TRectF{10.0f + I * 10, 10.0f + Row * 14, 20.0f + I * 10, 22.0f + Row * 14});
    }

  // Shapes through the immediate-mode helper.
  Canvas.Stroke().SetKind(FMX::TBrushKind::Solid);
  Canvas.Stroke().SetColor(0xFF202020);
  Helper::SetPenWidth(Canvas, 2);
  Canvas.Fill().SetColor(PastelsColorList[0]);
  Helper::Rectangle(Canvas, 10, 70, 60, 120);
  Canvas.Fill().SetColor(PastelsColorList[1]);
  Helper::Ellipse(Canvas, 70, 70, 130, 120);
  Canvas.Fill().SetColor(PastelsColorList[3]);
  Helper::RoundRect(Canvas, TRectF{140, 70, 200, 120}, 12, 12);
  Canvas.Fill().SetColor(PastelsColorList[4]);
  const FMX::TCanvasPoints Star{{235, 70}, {248, 118}, {210, 88}, {260, 88}, {222, 118}};
  Helper::Polygon(Canvas, Star);
  Canvas.Fill().SetColor(SouthwestColorList[4]);
  Helper::Pie(Canvas, 10, 130, 90, 210, 90, 130, 90, 210);
  Canvas.Fill().SetColor(GreensColorList[3]);
  Helper::Chord(Canvas, 100, 130, 180, 210, 180, 150, 100, 150);
  Helper::DrawFocusRect(Canvas, TRectF{190, 140, 260, 200});

  // The parsed icon, filled and stroked, with its name.
  Canvas.Fill().SetColor(VioletsColorList[0]);
  Icon.FillPath(Canvas, 0.9f);
  Icon.DrawPath(Canvas, 1);
  Canvas.Font().SetFamily("DejaVu Sans");
  Canvas.Font().SetSize(14);
  Canvas.Fill().SetColor(0xFF000000);
  Helper::TextOut(Canvas, 290.0f, 200.0f, "VXFMXCommon");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string Folder = argc > 1 ? argv[1] : ".";
  TVXPathData Icon;
  Icon.SetData(IconPath);
  // Move the icon into the right half of the picture.
  Icon.ApplyMatrix(CreateTranslateVXMatrix(300, 20));

  PrintResults(Icon);

  FMX::TBitmap Bitmap(480, 240);
  Paint(Bitmap.Canvas(), Icon);
  Bitmap.SaveToFile(Folder + "/example.png");
  {
    FMX::TCairoDocument Pdf(Folder + "/example.pdf", FMX::TDocumentFormat::Pdf, 480, 240);
    Paint(Pdf.Canvas(), Icon);
  }
  {
    FMX::TCairoDocument Svg(Folder + "/example.svg", FMX::TDocumentFormat::Svg, 480, 240);
    Paint(Svg.Canvas(), Icon);
  }
  std::printf("Pictures\n  %s/example.png, example.pdf and example.svg written\n", Folder.c_str());
  WriteDrawingPictures(Folder);
  WriteSlicePictures(Folder);
  return 0;
}
