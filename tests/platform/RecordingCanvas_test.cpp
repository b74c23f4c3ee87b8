// The recording canvas: what is recorded, with which state, and its dump.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Math.h"
#include "platform/RecordingCanvas.h"

using namespace FMX;

namespace {

TEST(TRecordingCanvasTest, RecordsTheStateOfEachCall) {
  TRecordingCanvas C;
  C.Fill().SetColor(0xFFFF0000);
  C.FillRect(TRectF{1, 2, 3, 4}, 0.5f);
  C.Fill().SetColor(0xFF0000FF);
  C.Stroke().SetColor(0xFF00FF00);
  C.SetStrokeThickness(3);
  C.SetStrokeCap(TStrokeCap::Round);
  C.SetStrokeJoin(TStrokeJoin::Bevel);
  C.SetStrokeDash(TStrokeDash::Dot);
  C.SetMatrix(TMatrix::CreateTranslation(5, 6));
  C.Font().SetSize(9);
  C.Font().SetStyle({TFontStyle::Italic});
  C.DrawEllipse(TRectF{0, 0, 10, 10}, 1);

  ASSERT_EQ(C.Count(), 2u);
  EXPECT_EQ(C[0].Fill.Color(), 0xFFFF0000u);  // not changed by later calls
  EXPECT_EQ(C[0].Opacity, 0.5f);
  EXPECT_EQ(C[0].Matrix, TMatrix::Identity());
  const TCanvasRecord& E = C[1];
  EXPECT_EQ(E.Op, TCanvasOp::DrawEllipse);
  EXPECT_EQ(E.Fill.Color(), 0xFF0000FFu);
  EXPECT_EQ(E.Stroke.Color(), 0xFF00FF00u);
  EXPECT_EQ(E.Stroke.Thickness(), 3);
  EXPECT_EQ(E.Stroke.Cap(), TStrokeCap::Round);
  EXPECT_EQ(E.Stroke.Join(), TStrokeJoin::Bevel);
  EXPECT_EQ(E.Stroke.Dash(), TStrokeDash::Dot);
  EXPECT_EQ(E.Matrix, TMatrix::CreateTranslation(5, 6));
  EXPECT_EQ(E.Font.Size(), 9);
  EXPECT_TRUE(E.Font.Style().Contains(TFontStyle::Italic));
}

TEST(TRecordingCanvasTest, DumpShowsArgumentsAndTheStateUsed) {
  TRecordingCanvas C;
  C.BeginScene();
  C.Fill().SetColor(0xFFFF0000);
  C.FillRect(TRectF{10, 20, 30, 40}, 0.5f);
  C.SetStrokeThickness(2);
  C.SetStrokeDash(TStrokeDash::Dash);
  C.DrawLine({0, 0}, {10, 0}, 1);
  C.DrawRect(TRectF{0, 0, 4, 4}, 1.5f, 2, {TCorner::TopLeft}, 1, TCornerType::Bevel);
  C.PushClip();
  C.IntersectClipRect(TRectF{0, 0, 5, 5});
  C.SetMatrix(TMatrix::CreateScaling(2, 3));
  C.FillText(TRectF{0, 0, 100, 20}, "Hi", true, 1, {}, TTextAlign::Leading, TTextAlign::Trailing);
  TPathData P;
  P.MoveTo({1, 2});
  P.CurveTo({3, 4}, {5, 6}, {7, 8});
  P.ClosePath();
  C.FillPath(P, 0.25f);
  C.PopClip();
  C.PopClip();  // unmatched: not recorded
  C.DrawArc({5, 5}, {2, 3}, 90, -45, 1);
  TBitmap B(7, 3);
  C.DrawBitmap(B, TRectF{0, 0, 7, 3}, TRectF{1, 1, 15, 7}, 1, true);
  C.Fill().SetKind(TBrushKind::Gradient);
  C.Fill().Gradient().AddPoint(0xFF000000, 0);
  C.Fill().Gradient().AddPoint(0xFFFFFFFF, 1);
  C.SetMatrix(TMatrix::Identity());
  C.FillEllipse(TRectF{0, 0, 1, 1}, 1);
  C.EndScene();
  C.EndScene();  // unmatched: not recorded

  EXPECT_EQ(C.Dump(),
            "BeginScene\n"
            "FillRect (10,20,30,40) op=0.5 fill=Solid:FFFF0000\n"
            "DrawLine (0,0)-(10,0) op=1 stroke=Solid:FF000000 w=2 cap=Flat join=Miter dash=Dash\n"
            "DrawRect (0,0,4,4) r=1.5,2 corners=01 Bevel op=1 stroke=Solid:FF000000 w=2 cap=Flat join=Miter "
            "dash=Dash\n"
            "PushClip\n"
            "IntersectClipRect (0,0,5,5)\n"
            "FillText (0,0,100,20) \"Hi\" wrap=1 h=Leading v=Trailing op=1 fill=Solid:FFFF0000 "
            "font=\"DejaVu Sans\" 12 [] m=[2,0,0,3,0,0]\n"
            "FillPath [M1,2 C3,4 C5,6 C7,8 Z] op=0.25 fill=Solid:FFFF0000 m=[2,0,0,3,0,0]\n"
            "PopClip\n"
            "DrawArc c=(5,5) r=(2,3) a=90,-45 op=1 stroke=Solid:FF000000 w=2 cap=Flat join=Miter dash=Dash "
            "m=[2,0,0,3,0,0]\n"
            "DrawBitmap 7x3 (0,0,7,3)->(1,1,15,7) fast op=1 m=[2,0,0,3,0,0]\n"
            "FillEllipse (0,0,1,1) op=1 fill=Gradient:Linear[FF000000@0,FFFFFFFF@1]\n"
            "EndScene\n");
  EXPECT_EQ(C[5].ClipDepth, 1);
  EXPECT_EQ(C[4].ClipDepth, 0);
  EXPECT_EQ(C[7].Path.size(), 5u);
  EXPECT_EQ(C[7].Points[3], (TPointF{7, 8}));
  EXPECT_EQ(C.Count(TCanvasOp::PopClip), 1u);
}

TEST(TRecordingCanvasTest, TextMetrics) {
  TRecordingCanvas C;
  C.Font().SetSize(10);
  // Default: half the size per code point, the size per line.
  const struct {
    const char* Text;
    float W, H;
  } Cases[] = {{"", 0, 10}, {"abc", 15, 10}, {"ab\ncde", 15, 20}, {"\xC3\xA9t\xC3\xA9", 15, 10}, {"a\n", 5, 20}};
  for (const auto& K : Cases) {
    EXPECT_EQ(C.TextWidth(K.Text), K.W) << K.Text;
    EXPECT_EQ(C.TextHeight(K.Text), K.H) << K.Text;
  }
  std::vector<std::string> Asked;
  C.SetTextMetrics([&](const TFont& F, std::string_view T) {
    Asked.emplace_back(T);
    return TSizeF{float(T.size()) * 10.5f, F.Size() * 2};
  });
  EXPECT_EQ(C.TextWidth("ab"), 21);
  EXPECT_EQ(C.TextHeight("ab"), 20);
  EXPECT_EQ(Asked.size(), 2u);
  EXPECT_EQ(C.Count(), 0u);  // measuring is not recorded
  C.SetTextMetrics(nullptr);
  EXPECT_EQ(C.TextWidth("abcd"), 20);
}

}  // namespace
