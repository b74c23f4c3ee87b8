// One PNG per shape style (flat or raised, opaque and translucent over a
// checkerboard), per shape type (all four orientations, flat and raised),
// per gradient kind (banded and smooth, opaque and translucent) and one of
// the frames.

#include "DrawingPictures.h"

#include <VXFMXCommon.h>

#include <cstdio>
#include <string>

using namespace FMX::VX::Graphics;

namespace {

constexpr const char* StyleNames[] = {
    "Rectangle",     "Ellipse",     "Image",     "Diamond",       "LeftTriangle",   "RightTriangle",
    "UpTriangle",    "DownTriangle", "RoundRect", "Square",        "Circle",         "RoundSquare",
    "3DRectangle",   "3DEllipse",   "3DImage",   "3DDiamond",     "3DLeftTriangle", "3DRightTriangle",
    "3DUpTriangle",  "3DDownTriangle", "3DRoundRect", "3DSquare", "3DCircle",       "3DRoundSquare"};

constexpr const char* TypeNames[] = {"Rect", "Circle", "IsoscelesTriangle", "RightTriangle"};

// A light checkerboard, so that translucency shows.
void Checkerboard(FMX::TBitmap& Bitmap) {
  Bitmap.Clear(0xFFFFFFFF);
  FMX::TCanvas& C = Bitmap.Canvas();
  C.Fill().SetColor(0xFFDDDDDD);
  for (int Y = 0; Y < Bitmap.Height(); Y += 10)
    for (int X = (Y / 10) % 2 * 10; X < Bitmap.Width(); X += 20)
      C.FillRect(TRectF{float(X), float(Y), float(X + 10), float(Y + 10)}, 1);
}

void Save(const FMX::TBitmap& Bitmap, const std::string& Folder, const std::string& Name, int& Count) {
  Bitmap.SaveToFile(Folder + "/" + Name + ".png");
  ++Count;
}

void ShapeStyles(const std::string& Folder, int& Count) {
  FMX::TBitmap Image(32, 32);
  for (int Y = 0; Y < 32; ++Y)
    for (int X = 0; X < 32; ++X) Image.SetPixel(X, Y, ((X / 8 + Y / 8) % 2) ? 0xFF3F51B5 : 0xFFFFC107);
  for (int Style = 0; Style <= ss3DRoundSquare; ++Style) {
    FMX::TBitmap Bitmap(260, 120);
    Checkerboard(Bitmap);
    FMX::TCanvas& C = Bitmap.Canvas();
    C.Fill().SetColor(0xFF4CAF50);
    C.Stroke().SetColor(0xFF1B5E20);
    C.SetStrokeThickness(1.5f);
    for (int Half = 0; Half < 2; ++Half) {
      const float X = 10.0f + Half * 130;
      DrawShape(C, TRectF{X, 10, X + 110, 110}, &Image, TVXShapeStyle(Style), true, 0xFFF0F0F0, 0xFF606060, 8,
                Half == 0 ? 1.0f : 0.5f);
      C.Stroke().SetColor(0xFF1B5E20);
      C.SetStrokeThickness(1.5f);
    }
    Save(Bitmap, Folder, std::string("shape_") + StyleNames[Style], Count);
  }
}

void ShapeTypes(const std::string& Folder, int& Count) {
  for (int Type = sRect; Type <= sRightTriangle; ++Type) {
    FMX::TBitmap Bitmap(420, 220);
    Checkerboard(Bitmap);
    FMX::TCanvas& C = Bitmap.Canvas();
    C.Fill().SetColor(0xFF2196F3);
    C.Stroke().SetColor(0xFF0D47A1);
    for (int Raised = 0; Raised < 2; ++Raised)
      for (int O = soUp; O <= soRight; ++O) {
        const float X = 10.0f + O * 102, Y = 10.0f + Raised * 105;
        DrawShape(C, TRectF{X, Y, X + 92, Y + 95}, TVXShapeType(Type), TVXShapeOrientation(O), Raised == 1, 6);
      }
    Save(Bitmap, Folder, std::string("shape_type_") + TypeNames[Type], Count);
  }
}

const TColors Rainbow{0xFFE53935, 0xFFFDD835, 0xFF43A047, 0xFF1E88E5, 0xFF8E24AA};

// Each gradient kind in four panels: banded opaque, banded translucent,
// smooth opaque, smooth translucent.
void Gradients(const std::string& Folder, int& Count) {
  using TPaint = void (*)(FMX::TCanvas&, const TRectF&, int, float);
  const struct {
    const char* Name;
    TPaint Paint;
  } Kinds[] = {
      {"Horizontal", [](FMX::TCanvas& C, const TRectF& R, int S, float O) { LineGradient(C, R, Rainbow, S, diHorizontal, O); }},
      {"Vertical", [](FMX::TCanvas& C, const TRectF& R, int S, float O) { LineGradient(C, R, Rainbow, S, diVertical, O); }},
      {"Ellipse", [](FMX::TCanvas& C, const TRectF& R, int S, float O) { EllipseGradient(C, R, Rainbow, S, O); }},
      {"EllipseCentred",
       [](FMX::TCanvas& C, const TRectF& R, int S, float O) { EllipseGradient(C, R, 0.3f, 0.35f, Rainbow, float(S), O); }},
      {"Rect", [](FMX::TCanvas& C, const TRectF& R, int S, float O) { RectGradient(C, R, Rainbow, S, O); }},
      {"DirectionUp", [](FMX::TCanvas& C, const TRectF& R, int S, float O) { DirectionGradient(C, R, Rainbow, gdUp, S, O); }},
      {"DirectionUpLeft",
       [](FMX::TCanvas& C, const TRectF& R, int S, float O) { DirectionGradient(C, R, Rainbow, gdUpLeft, S, O); }},
  };
  for (const auto& K : Kinds) {
    FMX::TBitmap Bitmap(500, 130);
    Checkerboard(Bitmap);
    for (int Panel = 0; Panel < 4; ++Panel) {
      const float X = 10.0f + Panel * 122;
      K.Paint(Bitmap.Canvas(), TRectF{X, 10, X + 112, 120}, Panel < 2 ? 4 : 0, Panel % 2 ? 0.5f : 1.0f);
    }
    Save(Bitmap, Folder, std::string("gradient_") + K.Name, Count);
  }
}

void Frames(const std::string& Folder, int& Count) {
  FMX::TBitmap Bitmap(380, 120);
  Checkerboard(Bitmap);
  FMX::TCanvas& C = Bitmap.Canvas();
  C.Fill().SetColor(0xFFB0BEC5);
  C.Stroke().SetColor(0xFF37474F);
  TRectF Square{10, 10, 120, 110}, Rounded{135, 10, 245, 110}, Oval{260, 10, 370, 110};
  Frame3DExt(C, Square, 0xFFFFFFFF, 0xFF546E7A, 6);
  FMX::VX::CanvasHelper::FillRect(C, Square);
  Frame3DExt(C, Rounded, 0xFFFFFFFF, 0xFF546E7A, 6, true, 18, 18);
  FMX::VX::CanvasHelper::RoundRect(C, Rounded, 18, 18);
  Frame3DEllipse(C, Oval, 0xFFFFFFFF, 0xFF546E7A, 6);
  FMX::VX::CanvasHelper::Ellipse(C, Oval);
  Save(Bitmap, Folder, "frames", Count);
}

}  // namespace

void WriteDrawingPictures(const std::string& Folder) {
  int Count = 0;
  ShapeStyles(Folder, Count);
  ShapeTypes(Folder, Count);
  Gradients(Folder, Count);
  Frames(Folder, Count);
  std::printf("  %d drawing pictures written to %s (shape_*, gradient_*, frames .png)\n", Count, Folder.c_str());
}
