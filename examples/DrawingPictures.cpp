// One PNG per shape style (flat or raised, opaque and translucent over a
// checkerboard) and per shape type (all four orientations, flat and raised).

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

}  // namespace

void WriteDrawingPictures(const std::string& Folder) {
  int Count = 0;
  ShapeStyles(Folder, Count);
  ShapeTypes(Folder, Count);
  std::printf("  %d drawing pictures written to %s (shape_*.png)\n", Count, Folder.c_str());
}
