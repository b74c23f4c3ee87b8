// One PNG per routine and option set: pie wedges, scaled wedges and ring
// sectors; circular, pie and bar progress indicators in every direction and
// display mode; arrows with every head option, captions and polylines;
// wrapped text and rotated text boxes.

#include "SlicePictures.h"

#include <VXFMXCommon.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace FMX::VX::Graphics;
namespace Helper = FMX::VX::CanvasHelper;

namespace {

struct TPictures {
  std::string Folder;
  int Count = 0;

  // A white bitmap with a fill and a 1.5-unit stroke.
  static void Prepare(FMX::TBitmap& Bitmap, TAlphaColor Fill, TAlphaColor Stroke) {
    Bitmap.Clear(0xFFFFFFFF);
    FMX::TCanvas& C = Bitmap.Canvas();
    C.Fill().SetColor(Fill);
    C.Stroke().SetColor(Stroke);
    C.SetStrokeThickness(1.5f);
  }
  void Save(const FMX::TBitmap& Bitmap, const std::string& Name) {
    Bitmap.SaveToFile(Folder + "/" + Name + ".png");
    ++Count;
  }
};

void Slices(TPictures& P) {
  const struct {
    const char* Name;
    double Start, End;
    int Offset;
  } Pies[] = {{"quarter", 0, 90, 0}, {"quarter_offset90", 0, 90, 90}, {"clockwise", 90, -60, 0},
              {"three_quarters", 30, 300, 0}, {"full", 0, 360, 0}};
  for (const auto& Pie : Pies) {
    FMX::TBitmap B(180, 120);
    TPictures::Prepare(B, 0xFFFF9800, 0xFF6D4C41);
    DrawPieSlice(B.Canvas(), TRectF{10, 10, 170, 110}, Pie.Start, Pie.End, Pie.Offset, 1);
    P.Save(B, std::string("pie_") + Pie.Name);
  }
  for (const double Scale : {1.0, 0.75, 0.5}) {
    FMX::TBitmap B(180, 120);
    TPictures::Prepare(B, 0xFF8BC34A, 0xFF33691E);
    FMX::TCanvas& C = B.Canvas();
    Helper::FrameRect(C, TRectF{10, 10, 170, 110});
    DrawPieSlice(C, TRectF{10, 10, 170, 110}, 20, 250, Scale, 0, 1);
    P.Save(B, "pie_scaled_" + std::to_string(int(Scale * 100)));
  }
  const struct {
    const char* Name;
    double Start, End;
    int Offset;
    double Inner, Outer;
  } Donuts[] = {{"ring", 0, 360, 0, 0.5, 1}, {"sector", 0, 120, 0, 0.5, 1}, {"sector_offset45", 0, 120, 45, 0.5, 1},
                {"swapped_radii", 0, 120, 0, 1, 0.5}, {"thin", 200, 340, 0, 0.85, 0.95},
                {"inner_zero", 0, 120, 0, 0, 1}};
  for (const auto& Donut : Donuts) {
    FMX::TBitmap B(180, 120);
    TPictures::Prepare(B, 0xFF03A9F4, 0xFF01579B);
    DrawDonutSlice(B.Canvas(), TRectF{10, 10, 170, 110}, Donut.Start, Donut.End, Donut.Offset, Donut.Inner,
                   Donut.Outer, 1);
    P.Save(B, std::string("donut_") + Donut.Name);
  }
}

void Progress(TPictures& P) {
  const TColors Colors(DefaultColorList.begin(), DefaultColorList.end());
  const char* Directions[] = {"forward", "backward"};
  const char* Displays[] = {"all", "current"};
  const char* Types[] = {"rect", "circle", "isosceles", "right"};
  for (int D = pdForward; D <= pdBackward; ++D)
    for (int T = dtAllProgress; T <= dtCurrentProgress; ++T) {
      const std::string Suffix = std::string("_") + Directions[D] + "_" + Displays[T];
      for (int Type = sRect; Type <= sRightTriangle; ++Type)
        for (const bool Raised : {false, true}) {
          FMX::TBitmap B(160, 160);
          TPictures::Prepare(B, 0xFF000000, 0xFF333333);
          ProgressCircle(B.Canvas(), TRectF{0, 0, 160, 160}, 6, 65, 0, 100, Colors, false, 16, TVXShapeType(Type),
                         soUp, Raised, 2, 3, TProgressDirection(D), TProgressDisplayType(T));
          P.Save(B, std::string("progress_circle_") + Types[Type] + (Raised ? "_raised" : "") + Suffix);
        }
      FMX::TBitmap Pie(160, 160);
      TPictures::Prepare(Pie, 0xFF000000, 0xFFFFFFFF);
      ProgressPie(Pie.Canvas(), TRectF{5, 5, 155, 155}, 0, 65, 0, 100, Colors, false, 12, 4, TProgressDirection(D),
                  TProgressDisplayType(T));
      P.Save(Pie, "progress_pie" + Suffix);
      for (int O = poHorizontal; O <= poVertical; ++O)
        for (const bool Outline : {false, true}) {
          const bool H = O == poHorizontal;
          FMX::TBitmap B(H ? 240 : 40, H ? 40 : 240);
          TPictures::Prepare(B, 0xFF000000, 0xFF000000);
          ProgressRect(B.Canvas(), TRectF{0, 0, float(B.Width()), float(B.Height())}, 4, 65, 0, 100, Colors,
                       Outline, 10, Outline ? sIsoscelesTriangle : sRect, H ? soRight : soUp, !Outline, 2, 3,
                       TProgressOrientation(O), TProgressDirection(D), TProgressDisplayType(T));
          P.Save(B, std::string("progress_bar_") + (H ? "horizontal" : "vertical") +
                        (Outline ? "_triangles_outlined" : "_raised") + Suffix);
        }
    }
}

void Arrows(TPictures& P) {
  const struct {
    const char* Name;
    TArrowOptions Options;
    float Width;
  } Sets[] = {
      {"line", {}, 1},
      {"band", {}, 6},
      {"start_open", {aoArrowAtStart}, 1},
      {"end_open", {aoArrowAtEnd}, 1},
      {"both_closed", {aoArrowAtStart, aoArrowAtEnd, aoClosedHead}, 1},
      {"both_filled", {aoArrowAtStart, aoArrowAtEnd, aoFillHead}, 1},
      {"band_filled", {aoArrowAtStart, aoArrowAtEnd, aoFillHead}, 6},
      {"band_outlined_closed", {aoArrowAtEnd, aoClosedHead}, 6},
      {"caption", {aoArrowAtEnd, aoFillHead, aoDrawCaption}, 3},
  };
  for (const auto& Set : Sets) {
    FMX::TBitmap B(220, 140);
    TPictures::Prepare(B, 0xFF9C27B0, 0xFF4A148C);
    DrawArrow(B.Canvas(), 20, 120, 200, 20, 14, "two-line\r\ncaption", Set.Options, Set.Width, 1, 0xFF212121);
    P.Save(B, std::string("arrow_") + Set.Name);
  }
  const std::vector<TPointF> Route{{20, 20}, {120, 20}, {120, 120}, {220, 120}, {220, 40}};
  for (const float Segment : {-1.0f, 0.0f, 3.0f}) {
    FMX::TBitmap B(240, 170);
    TPictures::Prepare(B, 0xFF009688, 0xFF004D40);
    DrawArrow(B.Canvas(), Route, 10, "caption\r\nhere", {aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoDrawCaption}, 4,
              Segment, 1, 0xFFD32F2F);
    P.Save(B, "arrow_polyline_caption_" + std::string(Segment < 0 ? "middle" : std::to_string(int(Segment))));
  }
}

void Text(TPictures& P) {
  const char* Sample =
      "Wrapping keeps \"quoted runs together\" and breaks after hyphens: a well-known rule.\r\nA hard break "
      "starts the line again; caf\xC3\xA9 and \xE2\x82\xAC amounts stay whole.";
  for (const float Width : {120.0f, 220.0f}) {
    FMX::TBitmap B(260, 260);
    TPictures::Prepare(B, 0xFF000000, 0xFFB0BEC5);
    FMX::TCanvas& C = B.Canvas();
    const std::string Wrapped = WrapCanvasText(C, Sample, Width);
    // CR LF ends a line on the canvas as LF does.
    std::string Lines;
    for (std::size_t I = 0; I < Wrapped.size(); ++I)
      if (!(Wrapped[I] == '\r' && I + 1 < Wrapped.size() && Wrapped[I + 1] == '\n')) Lines += Wrapped[I];
    const float H = GetMultilineTextHeight(C, "A");
    Helper::FrameRect(C, TRectF{10, 10, 10 + Width, 250});
    C.FillText(TRectF{10, 10, 10 + Width, 10 + H}, Lines, false, 1, {}, FMX::TTextAlign::Leading,
               FMX::TTextAlign::Leading);
    P.Save(B, "text_wrapped_" + std::to_string(int(Width)));
  }
  for (const int Angle : {0, 30, 90, 150, 225, 300}) {
    FMX::TBitmap B(220, 220);
    TPictures::Prepare(B, 0xFF000000, 0xFFE57373);
    FMX::TCanvas& C = B.Canvas();
    TPointF Origin;
    const TPointF Box = GetRotatedTextExtent(C, Angle, "Rotated text", Origin);
    const TRectF Frame{10, 10, 10 + Box.X, 10 + Box.Y};
    Helper::FrameRect(C, Frame);
    // The text turned about the start of its baseline, placed at Origin.
    const float X = 10 + Origin.X, Y = 10 + Origin.Y, W = C.TextWidth("Rotated text"), Ht = C.TextHeight("x");
    const FMX::TMatrix Saved = C.Matrix();
    C.SetMatrix(FMX::TMatrix::CreateTranslation(-X, -Y) * FMX::TMatrix::CreateRotation(float(-Angle * FMX::Pi / 180)) *
                FMX::TMatrix::CreateTranslation(X, Y) * Saved);
    C.FillText(TRectF{X, Y - Ht, X + W, Y}, "Rotated text", false, 1, {}, FMX::TTextAlign::Leading,
               FMX::TTextAlign::Leading);
    C.SetMatrix(Saved);
    P.Save(B, "text_rotated_" + std::to_string(Angle));
  }
}

}  // namespace

void WriteSlicePictures(const std::string& Folder) {
  TPictures P{Folder};
  Slices(P);
  Progress(P);
  Arrows(P);
  Text(P);
  std::printf("  %d slice, progress, arrow and text pictures written to %s (pie_*, donut_*, progress_*, arrow_*, "
              "text_*.png)\n",
              P.Count, Folder.c_str());
}
