// Path data: SVG icons of the Adwaita theme drawn from their path text,
// their flattened polygons and lengths, hit-test maps, and the path class's
// own figures (endpoint arcs, ring sectors, positions along a path, fill
// rules, segment outlines).

#include <cmath>
#include <cstdio>

#include <VXFMXCommon.h>

#include "Tiles.h"
#include "support/IconCorpus.h"

namespace VXGallery {

using namespace FMX::VX;
using namespace FMX::VX::Graphics;

namespace {

// Every d="..." attribute of one icon, joined by blanks; empty when the
// file cannot be read.
std::string IconPathText(const std::string& File) {
  std::string Text;
  for (const std::string& D : LoadIconFilePathTexts(IconDirectory() / "scalable" / File)) {
    if (!Text.empty()) Text += ' ';
    Text += D;
  }
  return Text;
}

// The icons are 16 units square; tiles show them 10 times as large.
constexpr float IconScale = 10;
constexpr float IconOffset = 20;

struct TIcon {
  const char* Name;  // tile name part
  const char* File;  // below scalable/
  bool Details;      // also polygons and a hit-test map
};

constexpr TIcon Icons[] = {
    {"edit-find", "actions/edit-find-symbolic.svg", true},
    {"user-home", "places/user-home-symbolic.svg", true},
    {"starred", "status/starred-symbolic.svg", false},
    {"input-gaming", "devices/input-gaming-symbolic.svg", true},
    {"emblem-favorite", "emblems/emblem-favorite-symbolic.svg", false},
};

std::string Decimal(double Value, int Digits) {
  char Buf[64];
  std::snprintf(Buf, sizeof Buf, "%.*f", Digits, Value);
  return Buf;
}

}  // namespace

void AddPathDataTiles(TGallery& G) {
  for (const TIcon& Icon : Icons) {
    const std::string IconText = IconPathText(Icon.File);
    if (IconText.empty()) {
      std::fprintf(stderr, "vxgallery: icon %s not found below %s; its tiles are left out\n", Icon.File,
                   IconDirectory().string().c_str());
      continue;
    }
    const std::string Name = Icon.Name;
    G.Add("icon-" + Name, std::string(Icon.File) + " drawn from its path text", 200, 200, VXG_CODE(
        TVXPathData Path;
        Path.SetData(IconText);
        Path.ApplyMatrix(VXMatrixMultiply(CreateScaleVXMatrix(IconScale, IconScale),
                                          CreateTranslateVXMatrix(IconOffset, IconOffset)));
        Canvas.Fill().SetColor(0xFF2E3436);
        Path.FillPath(Canvas, 1);
        Canvas.Stroke().SetColor(claOrange);
        Path.DrawPath(Canvas, 1)));
    if (!Icon.Details) continue;

    TVXPathData Measured;
    Measured.SetData(IconText);
    std::size_t PointCount = 0;
    for (const TCanvasPoints& Poly : Measured.Polygons()) PointCount += Poly.size();
    G.Add("icon-" + Name + "-polygons",
          Name + ": " + std::to_string(Measured.Polygons().size()) + " polygons, " + std::to_string(PointCount) +
              " points, length " + Decimal(Measured.GetLength(), 2),
          200, 200, VXG_CODE(
              TVXPathData Path;
              Path.SetData(IconText);
              Path.ApplyMatrix(VXMatrixMultiply(CreateScaleVXMatrix(IconScale, IconScale),
                                                CreateTranslateVXMatrix(IconOffset, IconOffset)));
              const TVXPolygons& Polygons = Path.Polygons();
              for (std::size_t I = 0; I < Polygons.size(); ++I) {
                Canvas.Stroke().SetColor(IndexToColor(std::int32_t(I), std::int32_t(Polygons.size()), DefaultColorList));
                Canvas.DrawPolygon(Polygons[I], 1);
                Canvas.Fill().SetColor(claBlack);
                for (const TPointF P : Polygons[I]) Canvas.FillRect(CenterRect(P, 2.0f, 2.0f), 1);
              }));

    G.Add("icon-" + Name + "-hit", Name + ": hit-test map (blue inside, orange on a 0.5-unit outline)", 200, 200,
          VXG_CODE(
              TVXPathData Path;
              Path.SetData(IconText);
              for (float Y = -1.875f; Y < 18; Y += 0.25f)
                for (float X = -1.875f; X < 18; X += 0.25f) {
                  const bool Inside = Path.PointInPath(X, Y);
                  const bool OnOutline = Path.PointInPathOutline(X, Y, 0.5f);
                  Canvas.Fill().SetColor(OnOutline ? claOrange : Inside ? claRoyalBlue : claWhiteSmoke);
                  const TPointF Center{X * IconScale + IconOffset, Y * IconScale + IconOffset};
                  Canvas.FillRect(CenterRect(Center, 2.0f, 2.0f), 1);
                }));
  }

  G.Add("path-svg-arcs", "AddArcSvg: the four arcs from the large-arc and sweep flags", 240, 160, VXG_CODE(
      const TAlphaColor Colors[] = {claCrimson, claSeaGreen, claRoyalBlue, claDarkOrange};
      int I = 0;
      for (const bool Large : {false, true})
        for (const bool Sweep : {false, true}) {
          TVXPathData Path;
          Path.MoveTo(TPointF{90, 60});
          Path.AddArcSvg(TPointF{90, 60}, TPointF{50, 35}, 0, Large, Sweep, TPointF{150, 100});
          Canvas.Stroke().SetColor(Colors[I++]);
          Canvas.SetStrokeThickness(3);
          Path.DrawPath(Canvas, 1);
        }));

  G.Add("path-ring-sectors", "Arc: ring sectors between two radii", 240, 160, VXG_CODE(
      for (int I = 0; I < 6; ++I) {
        TVXPathData Path;
        Arc(Path, I * 60 + 4, I * 60 + 56, 30, 70, 0);
        Path.ApplyMatrix(CreateTranslateVXMatrix(120, 80));
        Canvas.Fill().SetColor(ColorSchemeLists[csSouthwest - 1][I]);
        Path.FillPath(Canvas, 1);
      }));

  G.Add("path-data-text", "Data: one path from SVG text with arcs, curves and a hole", 240, 160, VXG_CODE(
      TVXPathData Path;
      Path.SetData("M20,80 A60,60 0 0 1 140,80 Q180,20 220,80 T220,140 L20,140 Z "
                   "M60,110 h40 v15 h-40 z");
      Canvas.Fill().SetColor(claLightSeaGreen);
      Path.FillPath(Canvas, 1);
      Canvas.Stroke().SetColor(claDarkSlateGray);
      Canvas.SetStrokeThickness(2);
      Path.DrawPath(Canvas, 1)));

  G.Add("path-positions", "GetPointAtLength and GetAngleAtLength: a tick across the path every 15 units", 240, 160,
        VXG_CODE(
            TVXPathData Path;
            Path.SetData("M20,130 C60,-20 180,180 220,30");
            Canvas.Stroke().SetColor(claGray);
            Path.DrawPath(Canvas, 1);
            Canvas.Stroke().SetColor(claCrimson);
            Canvas.SetStrokeThickness(2);
            for (double D = 0; D <= Path.GetLength(); D += 15) {
              const TPointF P = Path.GetPointAtLength(D);
              const double A = DegToRad(Path.GetAngleAtLength(D));
              const TPointF Across{float(8 * std::sin(A)), float(-8 * std::cos(A))};
              Canvas.DrawLine(TPointF{P.X - Across.X, P.Y - Across.Y}, TPointF{P.X + Across.X, P.Y + Across.Y}, 1);
            }));

  for (const TVXFillMode Mode : {fmEvenOdd, fmNonZero})
    G.Add(std::string("path-fill-rule-") + (Mode == fmEvenOdd ? "evenodd" : "nonzero"),
          std::string("PointInFill under the ") + (Mode == fmEvenOdd ? "even-odd" : "non-zero") +
              " rule: a hit-test map of a star drawn in one stroke",
          160, 160, VXG_CODE(
              TVXPathData Star;
              Star.SetData("M80,10 L121,137 L13,58 L147,58 L39,137 Z");
              Star.SetFillMode(Mode);
              for (float Y = 2; Y < 160; Y += 4)
                for (float X = 2; X < 160; X += 4) {
                  Canvas.Fill().SetColor(Star.PointInFill(X, Y) ? claRoyalBlue : claWhiteSmoke);
                  Canvas.FillRect(CenterRect(TPointF{X, Y}, 3.0f, 3.0f), 1);
                }),
          {{"Mode", Mode == fmEvenOdd ? "fmEvenOdd" : "fmNonZero"}});

  G.Add("path-outline", "AddPathOutline: a rectangle around each flattened segment", 240, 160, VXG_CODE(
      TVXPathData Curve;
      Curve.SetData("M20,130 C60,-20 180,180 220,30");
      TVXPathData Outline;
      Outline.AddPathOutline(Curve, 12);
      Canvas.Stroke().SetColor(claCornflowerBlue);
      Outline.DrawPath(Canvas, 1);
      Canvas.Stroke().SetColor(claCrimson);
      Canvas.SetStrokeThickness(2);
      Curve.DrawPath(Canvas, 1)));
}

}  // namespace VXGallery
