// Bitmaps: pixel access, blits, PNG files, empty bitmaps.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/PathData.h"
#include "tests/platform/CanvasProbe.h"

using namespace FMX;
using namespace CanvasProbe;

namespace {

constexpr TAlphaColor C0 = 0xFFFF0000, C1 = 0xFF00FF00, C2 = 0xFF0000FF, C3 = 0x80FFFF00;

std::string TempName(const std::string& Stem) {
  return ::testing::TempDir() + "vxfmx_" + std::to_string(::getpid()) + "_" + Stem;
}

// 2 x 2 source: C0 C1 / C2 C3.
void Quad(TBitmap& B) {
  B.SetSize(2, 2);
  B.SetPixel(0, 0, C0);
  B.SetPixel(1, 0, C1);
  B.SetPixel(0, 1, C2);
  B.SetPixel(1, 1, C3);
}

TEST(TBitmapTest, PixelsRoundTripThroughPremultipliedStorage) {
  TBitmap B(3, 1);
  EXPECT_EQ(B.GetPixel(0, 0), 0u);  // new pixels are transparent
  const TAlphaColor Colors[] = {0xFF123456, 0x80FF8000, 0x00ABCDEF};
  for (int I = 0; I < 3; ++I) B.SetPixel(I, 0, Colors[I]);
  EXPECT_EQ(B.GetPixel(0, 0), 0xFF123456u);
  EXPECT_EQ(B.GetPixel(1, 0), 0x80FF8000u);
  EXPECT_EQ(B.GetPixel(2, 0), 0u);  // no colour survives alpha 0
  // Outside: reads 0, writes ignored.
  B.SetPixel(-1, 0, 0xFFFFFFFF);
  B.SetPixel(3, 0, 0xFFFFFFFF);
  EXPECT_EQ(B.GetPixel(3, 0), 0u);
  EXPECT_EQ(B.GetPixel(0, -1), 0u);
}

TEST(TBitmapTest, DrawBitmapScalesTheSourcePartIntoTheDestination) {
  TBitmap Src;
  Quad(Src);
  TBitmap Dst(20, 20);
  // Nearest neighbour: four solid quadrants with a sharp edge at 10.
  Dst.Canvas().DrawBitmap(Src, TRectF{0, 0, 2, 2}, TRectF{0, 0, 20, 20}, 1, true);
  EXPECT_EQ(Dst.GetPixel(9, 1), C0);
  EXPECT_EQ(Dst.GetPixel(10, 1), C1);
  EXPECT_EQ(Dst.GetPixel(2, 17), C2);
  EXPECT_EQ(Dst.GetPixel(17, 17), C3);
  // Smooth scaling: the corners keep their colour, the middle blends.
  Dst.Clear(0);
  Dst.Canvas().DrawBitmap(Src, TRectF{0, 0, 2, 2}, TRectF{0, 0, 20, 20}, 1, false);
  EXPECT_EQ(Dst.GetPixel(0, 0), C0);
  EXPECT_GT(G(Dst.GetPixel(9, 0)), 60);
  EXPECT_GT(R(Dst.GetPixel(9, 0)), 60);
  // The right column into (5,5)-(15,15), smooth: nothing of the left
  // column bleeds in, nothing lands outside.
  Dst.Clear(0);
  Dst.Canvas().DrawBitmap(Src, TRectF{1, 0, 2, 2}, TRectF{5, 5, 15, 15}, 1, false);
  EXPECT_EQ(Dst.GetPixel(5, 5), C1);
  EXPECT_EQ(Dst.GetPixel(14, 6), C1);
  EXPECT_EQ(A(Dst.GetPixel(6, 14)), 0x80);
  EXPECT_EQ(Dst.GetPixel(4, 8), 0u);
  EXPECT_EQ(Dst.GetPixel(15, 8), 0u);
  // The matrix applies to the destination.
  Dst.Clear(0);
  Dst.Canvas().SetMatrix(TMatrix::CreateTranslation(10, 0));
  Dst.Canvas().DrawBitmap(Src, TRectF{0, 0, 1, 1}, TRectF{0, 0, 5, 5}, 1, true);
  EXPECT_EQ(Dst.GetPixel(12, 2), C0);
  EXPECT_EQ(Dst.GetPixel(2, 2), 0u);
}

TEST(TBitmapTest, SelfBlitReadsTheOldPixels) {
  // The left half of a bitmap copied onto its right half.
  TBitmap Self(10, 10);
  Self.Canvas().Fill().SetColor(C2);
  Self.Canvas().FillRect(TRectF{0, 0, 5, 10}, 1);
  Self.Canvas().DrawBitmap(Self, TRectF{0, 0, 5, 10}, TRectF{5, 0, 10, 10}, 1, true);
  EXPECT_EQ(Self.GetPixel(7, 5), C2);
  EXPECT_EQ(Self.GetPixel(2, 5), C2);
}

TEST(TBitmapTest, EmptyBitmapsPaintNothingAndRaiseNothing) {
  for (const auto& Size : {std::pair{0, 0}, std::pair{0, 5}, std::pair{-3, 7}, std::pair{-1, -1}}) {
    TBitmap B(Size.first, Size.second);
    EXPECT_TRUE(B.IsEmpty());
    EXPECT_EQ(B.Width(), 0);
    EXPECT_EQ(B.Height(), 0);
    TCanvas& C = B.Canvas();
    EXPECT_EQ(C.Bitmap(), &B);
    EXPECT_FALSE(C.BeginScene());
    EXPECT_EQ(C.SceneDepth(), 0);
    C.EndScene();
    C.PushClip();
    C.IntersectClipRect(TRectF{0, 0, 5, 5});
    C.Clear(0xFFFFFFFF);
    C.FillRect(TRectF{0, 0, 5, 5}, 1);
    C.DrawRect(TRectF{0, 0, 5, 5}, 2, 2, AllCorners, 1);
    C.FillEllipse(TRectF{0, 0, 5, 5}, 1);
    C.DrawLine({0, 0}, {5, 5}, 1);
    C.DrawArc({2, 2}, {2, 2}, 0, 90, 1);
    TPathData P;
    P.AddEllipse(TRectF{0, 0, 5, 5});
    C.FillPath(P, 1);
    C.DrawPath(P, 1);
    C.FillText(TRectF{0, 0, 5, 5}, "x", true, 1, {}, TTextAlign::Center);
    C.DrawBitmap(B, TRectF{0, 0, 1, 1}, TRectF{0, 0, 1, 1}, 1);
    C.PopClip();
    EXPECT_GT(C.TextWidth("x"), 0);  // measuring does not need pixels
    TBitmap Real(4, 4);  // an empty source paints nothing
    Real.Canvas().DrawBitmap(B, TRectF{0, 0, 1, 1}, TRectF{0, 0, 4, 4}, 1);
    EXPECT_EQ(Real.GetPixel(1, 1), 0u);
  }
}

TEST(TBitmapTest, PngRoundTripAndAssign) {
  TBitmap B;
  Quad(B);
  const std::string File = TempName("quad.png");
  B.SaveToFile(File);
  auto Loaded = TBitmap::CreateFromFile(File);
  std::remove(File.c_str());
  ASSERT_EQ(Loaded->Width(), 2);
  ASSERT_EQ(Loaded->Height(), 2);
  EXPECT_EQ(Loaded->GetPixel(0, 0), C0);
  EXPECT_EQ(Loaded->GetPixel(1, 0), C1);
  EXPECT_EQ(Loaded->GetPixel(0, 1), C2);
  EXPECT_EQ(Loaded->GetPixel(1, 1), C3);

  TBitmap Copy(7, 7);
  Copy.Assign(*Loaded);
  EXPECT_EQ(Copy.Width(), 2);
  EXPECT_EQ(Copy.GetPixel(1, 1), C3);
  Loaded->SetPixel(1, 1, 0);  // a copy, not shared pixels
  EXPECT_EQ(Copy.GetPixel(1, 1), C3);
}

TEST(TBitmapTest, FileErrorsNameTheFile) {
  const std::string Missing = TempName("does_not_exist.png");
  const std::string NotPng = TempName("not_a.png");
  std::ofstream(NotPng) << "this is not a PNG image";
  for (const std::string& File : {Missing, NotPng}) {
    TBitmap B(3, 3);
    B.SetPixel(1, 1, C0);
    try {
      B.LoadFromFile(File);
      ADD_FAILURE() << "no error for " << File;
    } catch (const EBitmapError& E) {
      EXPECT_NE(E.Message().find("\"" + File + "\""), std::string::npos) << E.Message();
    }
    EXPECT_EQ(B.Width(), 3);  // a failed load leaves the bitmap as it was
    EXPECT_EQ(B.GetPixel(1, 1), C0);
  }
  std::remove(NotPng.c_str());

  TBitmap Empty;
  EXPECT_THROW(Empty.SaveToFile(TempName("empty.png")), EBitmapError);
}

TEST(TBitmapTest, ImpossibleSizeRaises) {
  EXPECT_THROW(TBitmap(100000, 100000), EBitmapError);
  TBitmap B(2, 2);
  EXPECT_THROW(B.SetSize(40000, 1), EBitmapError);
  EXPECT_EQ(B.Width(), 2);
}

}  // namespace
