// The control layer: ownership and the object tree, layout, hit tests and
// painting a form.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <unistd.h>

#include "platform/Form.h"
#include "platform/Shapes.h"
#include "tests/platform/CanvasProbe.h"

using namespace FMX;

namespace {

// Records its own destruction by name.
class TTracked : public TControl {
 public:
  TTracked(TFmxObject* AOwner, std::string Name, std::vector<std::string>& Log)
      : TControl(AOwner), FName(std::move(Name)), FLog(Log) {}
  ~TTracked() override { FLog.push_back(FName); }

 private:
  std::string FName;
  std::vector<std::string>& FLog;
};

std::vector<TFmxObject*> ChildrenOf(const TFmxObject& O) {
  std::vector<TFmxObject*> V;
  for (int I = 0; I < O.ChildrenCount(); ++I) V.push_back(O.Children(I));
  return V;
}

std::string TempName(const std::string& Stem) {
  return ::testing::TempDir() + "vxfmx_" + std::to_string(::getpid()) + "_" + Stem;
}

}  // namespace

TEST(TFmxObjectTest, TheOwnerFreesWhatItOwnsNewestFirstAndForgetsWhatWasFreedEarlier) {
  std::vector<std::string> Log;
  auto* Owner = new TTracked(nullptr, "owner", Log);
  new TTracked(Owner, "a", Log);
  auto* B = new TTracked(Owner, "b", Log);
  new TTracked(Owner, "c", Log);
  delete B;  // leaves the owner's list: not freed twice
  EXPECT_EQ(Owner->ComponentCount(), 2);
  delete Owner;
  EXPECT_EQ(Log, (std::vector<std::string>{"b", "owner", "c", "a"}));
}

TEST(TFmxObjectTest, ChildrenKeepOrderAndDeletedChildrenLeaveTheirParent) {
  TControl Parent;
  TControl A(nullptr), B(nullptr);
  auto* C = new TControl(nullptr);
  A.SetParent(&Parent);
  B.SetParent(&Parent);
  C->SetParent(&Parent);
  EXPECT_EQ(ChildrenOf(Parent), (std::vector<TFmxObject*>{&A, &B, C}));
  A.BringToFront();
  EXPECT_EQ(ChildrenOf(Parent), (std::vector<TFmxObject*>{&B, C, &A}));
  C->SendToBack();
  EXPECT_EQ(ChildrenOf(Parent), (std::vector<TFmxObject*>{C, &B, &A}));
  EXPECT_EQ(A.Index(), 2);
  delete C;
  EXPECT_EQ(ChildrenOf(Parent), (std::vector<TFmxObject*>{&B, &A}));
  B.SetParent(&A);  // moves: a child has one parent
  EXPECT_EQ(ChildrenOf(Parent), (std::vector<TFmxObject*>{&A}));
  EXPECT_EQ(B.Parent(), &A);
  EXPECT_EQ(Parent.Children(5), nullptr);
  EXPECT_EQ(Parent.Children(-1), nullptr);
}

TEST(TFmxObjectTest, CyclesAreRefusedAndAFreedParentReleasesChildrenItDoesNotOwn) {
  TControl Root;
  auto* Mid = new TControl(&Root);
  Mid->SetParent(&Root);
  TControl Leaf;
  Leaf.SetParent(Mid);
  EXPECT_THROW(Root.SetParent(&Leaf), Exception);
  EXPECT_THROW(Root.SetParent(&Root), Exception);
  EXPECT_EQ(Root.Parent(), nullptr);
  delete Mid;  // owned by Root, parent of Leaf: Leaf survives without a parent
  EXPECT_EQ(Leaf.Parent(), nullptr);
  EXPECT_EQ(Root.ChildrenCount(), 0);
  EXPECT_EQ(Root.ComponentCount(), 0);
}

TEST(TControlTest, AlignedChildrenShareTheClientAreaInsideThePadding) {
  TControl Parent;
  Parent.SetSize(100, 80);
  Parent.SetPadding({5, 4, 3, 2});
  struct TCase {
    TAlignLayout Align;
    float W, H;
    TRectF Expected;
  };
  // Placed in this child order: top band, bottom band, left, right, client.
  const TCase Cases[] = {
      {TAlignLayout::Top, 0, 10, {5, 4, 97, 14}},      {TAlignLayout::Bottom, 0, 6, {5, 72, 97, 78}},
      {TAlignLayout::Left, 20, 0, {5, 14, 25, 72}},    {TAlignLayout::Right, 7, 0, {90, 14, 97, 72}},
      {TAlignLayout::Client, 1, 1, {25, 14, 90, 72}},  {TAlignLayout::None, 3, 3, {0, 0, 3, 3}},
  };
  std::vector<TControl*> Kids;
  for (const auto& C : Cases) {
    auto* K = new TControl(&Parent);
    K->SetSize(C.W, C.H);
    K->SetAlign(C.Align);
    K->SetParent(&Parent);
    Kids.push_back(K);
  }
  for (std::size_t I = 0; I < Kids.size(); ++I) EXPECT_EQ(Kids[I]->BoundsRect(), Cases[I].Expected) << I;
  // Resizing the parent places them again.
  Parent.SetSize(200, 80);
  EXPECT_EQ(Kids[4]->BoundsRect(), (TRectF{25, 14, 190, 72}));
  // So does hiding or showing an aligned child: the client child takes its band.
  Kids[0]->SetVisible(false);
  EXPECT_EQ(Kids[4]->BoundsRect(), (TRectF{25, 4, 190, 72}));
  Kids[0]->SetVisible(true);
  EXPECT_EQ(Kids[4]->BoundsRect(), (TRectF{25, 14, 190, 72}));
  // A client area smaller than the padding leaves a client child empty, not inverted.
  Parent.SetSize(4, 4);
  EXPECT_EQ(Kids[4]->Width(), 0);
  EXPECT_EQ(Kids[4]->Height(), 0);
}

TEST(TControlTest, ObjectAtPointFindsTheFrontmostHitTestableControl) {
  TForm Form(100, 100);
  auto* Back = new TRectangle(&Form);
  Back->SetParent(&Form);
  Back->SetBounds(10, 10, 50, 50);
  auto* Front = new TRectangle(&Form);
  Front->SetParent(&Form);
  Front->SetBounds(30, 30, 50, 50);
  auto* Inner = new TRectangle(&Form);
  Inner->SetParent(Front);
  Inner->SetBounds(5, 5, 10, 10);  // form coordinates 35..45
  EXPECT_EQ(Form.ObjectAtPoint({20, 20}), Back);
  EXPECT_EQ(Form.ObjectAtPoint({40, 40}), Inner);
  EXPECT_EQ(Form.ObjectAtPoint({50, 50}), Front);
  Inner->SetHitTest(false);
  EXPECT_EQ(Form.ObjectAtPoint({40, 40}), Front);
  Front->SetVisible(false);
  EXPECT_EQ(Form.ObjectAtPoint({40, 40}), Back);
  EXPECT_EQ(Form.ObjectAtPoint({90, 90}), &Form);
  EXPECT_EQ(Form.ObjectAtPoint({100, 5}), nullptr);
  EXPECT_EQ(Inner->AbsoluteRect(), (TRectF{35, 35, 45, 45}));
}

TEST(TFormTest, PaintsChildrenInOrderClippedToTheirParents) {
  TForm Form(60, 40);
  Form.SetFill(0xFF0000FF);
  auto* Red = new TRectangle(&Form);
  Red->SetParent(&Form);
  Red->SetBounds(10, 10, 30, 20);
  Red->Fill().SetColor(0xFFFF0000);
  Red->Stroke().SetKind(TBrushKind::None);
  // A child reaching beyond its parent is cut at the parent's edge.
  auto* Green = new TRectangle(&Form);
  Green->SetParent(Red);
  Green->SetBounds(20, 5, 40, 10);
  Green->Fill().SetColor(0xFF00FF00);
  Green->Stroke().SetKind(TBrushKind::None);
  // An invisible control paints nothing.
  auto* Hidden = new TRectangle(&Form);
  Hidden->SetParent(&Form);
  Hidden->SetBounds(0, 0, 5, 5);
  Hidden->Fill().SetColor(0xFF000000);
  Hidden->SetVisible(false);

  TBitmap Bmp;
  Form.PaintTo(Bmp);
  ASSERT_EQ(Bmp.Width(), 60);
  ASSERT_EQ(Bmp.Height(), 40);
  struct TProbe {
    int X, Y;
    TAlphaColor Color;
  };
  const TProbe Probes[] = {
      {2, 2, 0xFF0000FF},    // background (the hidden control is not there)
      {12, 12, 0xFFFF0000},  // red
      {35, 17, 0xFF00FF00},  // green inside red
      {39, 17, 0xFF00FF00},  // last green column inside red
      {41, 17, 0xFF0000FF},  // clipped: green would reach x = 70
      {12, 31, 0xFF0000FF},  // below red
  };
  for (const auto& P : Probes) EXPECT_EQ(Bmp.GetPixel(P.X, P.Y), P.Color) << P.X << "," << P.Y;
  // The canvas's matrix and clip are as before.
  EXPECT_EQ(Bmp.Canvas().Matrix(), TMatrix::Identity());
  EXPECT_EQ(Bmp.Canvas().ClipDepth(), 0);
}

TEST(TFormTest, TextIsDrawnInsideItsControlInItsColour) {
  TForm Form(120, 40);
  auto* Text = new TText(&Form);
  Text->SetParent(&Form);
  Text->SetBounds(60, 0, 60, 40);
  Text->SetText("Wy");
  Text->SetColor(0xFFFF0000);
  Text->Font().SetSize(20);
  auto Bmp = Form.MakeScreenshot();
  int Red = 0, Left = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 120; ++X) {
      const TAlphaColor C = Bmp->GetPixel(X, Y);
      const bool Ink = CanvasProbe::R(C) > 200 && CanvasProbe::G(C) < 100;
      Red += Ink;
      if (Ink && X < 60) ++Left;
    }
  EXPECT_GT(Red, 30);
  EXPECT_EQ(Left, 0);
  // Measured in the control's own font: larger font, wider text.
  const float W20 = Text->TextExtent("Wy").cx;
  Text->Font().SetSize(10);
  EXPECT_NEAR(Text->TextExtent("Wy").cx * 2, W20, 1.0);
}

TEST(TFormTest, SavesPngPdfAndSvg) {
  TForm Form(30, 20);
  auto* R = new TRectangle(&Form);
  R->SetParent(&Form);
  R->SetBounds(5, 5, 10, 10);
  const std::string Png = TempName("form.png"), Pdf = TempName("form.pdf"), Svg = TempName("form.svg");
  Form.SaveToPNG(Png);
  Form.SaveToPDF(Pdf);
  Form.SaveToSVG(Svg);
  auto Read = [](const std::string& F) {
    std::ifstream In(F, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), {});
  };
  const auto Loaded = TBitmap::CreateFromFile(Png);
  EXPECT_EQ(Loaded->GetPixel(1, 1), 0xFFFFFFFFu);
  EXPECT_EQ(Loaded->GetPixel(5, 5), 0xFF000000u);  // the outline
  EXPECT_EQ(Read(Pdf).rfind("%PDF", 0), 0u);
  EXPECT_NE(Read(Svg).find("<svg"), std::string::npos);
  std::remove(Png.c_str());
  std::remove(Pdf.c_str());
  std::remove(Svg.c_str());
  EXPECT_THROW(Form.SaveToPDF("/nonexistent-dir/x.pdf"), Exception);
}
