// Canvas state under faults: every helper operation run against a backend
// that raises at its k-th call (once, or from then on) and with font change
// handlers that raise must leave every saved part, the clip depth and the
// scene depth as they were, and report the first error.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.CanvasHelper/CanvasSaveState.h"
#include "platform/Bitmap.h"
#include "platform/PathData.h"
#include "platform/RecordingCanvas.h"

using namespace FMX;
using namespace FMX::VX::CanvasHelper;

namespace {

// A recording canvas whose hooks raise at the FailAt-th hook call (counting
// from 1), and at every later one too when Sticky.
class TFaultCanvas : public TRecordingCanvas {
 public:
  int FailAt = 0;
  bool Sticky = false;
  int Calls = 0;
  int Thrown = 0;
  int FailedPops = 0;  // clip levels a raising PopClip left open

 protected:
  bool DoBeginScene() override { return Hit(), TRecordingCanvas::DoBeginScene(); }
  void DoEndScene() override { Hit(), TRecordingCanvas::DoEndScene(); }
  void DoSetMatrix() override { Hit(), TRecordingCanvas::DoSetMatrix(); }
  void DoIntersectClipRect(const TRectF& R) override { Hit(), TRecordingCanvas::DoIntersectClipRect(R); }
  void DoPushClip() override { Hit(), TRecordingCanvas::DoPushClip(); }
  void DoPopClip() override {
    const int Before = Thrown;
    try {
      Hit();
    } catch (...) {
      FailedPops += Thrown - Before;
      throw;
    }
    TRecordingCanvas::DoPopClip();
  }
  void DoClear(TAlphaColor C) override { Hit(), TRecordingCanvas::DoClear(C); }
  void DoFillRect(const TRectF& R, float X, float Y, TCorners C, float O, TCornerType T) override {
    Hit(), TRecordingCanvas::DoFillRect(R, X, Y, C, O, T);
  }
  void DoDrawRect(const TRectF& R, float X, float Y, TCorners C, float O, TCornerType T) override {
    Hit(), TRecordingCanvas::DoDrawRect(R, X, Y, C, O, T);
  }
  void DoFillEllipse(const TRectF& R, float O) override { Hit(), TRecordingCanvas::DoFillEllipse(R, O); }
  void DoDrawEllipse(const TRectF& R, float O) override { Hit(), TRecordingCanvas::DoDrawEllipse(R, O); }
  void DoDrawLine(const TPointF& A, const TPointF& B, float O) override { Hit(), TRecordingCanvas::DoDrawLine(A, B, O); }
  void DoDrawArc(const TPointF& C, const TPointF& R, float S, float W, float O) override {
    Hit(), TRecordingCanvas::DoDrawArc(C, R, S, W, O);
  }
  void DoFillPath(const TPathData& P, float O) override { Hit(), TRecordingCanvas::DoFillPath(P, O); }
  void DoDrawPath(const TPathData& P, float O) override { Hit(), TRecordingCanvas::DoDrawPath(P, O); }
  void DoDrawPolygon(std::span<const TPointF> P, float O) override { Hit(), TRecordingCanvas::DoDrawPolygon(P, O); }
  void DoFillText(const TRectF& R, std::string_view T, bool W, float O, TFillTextFlags F, TTextAlign H,
                  TTextAlign V) override {
    Hit(), TRecordingCanvas::DoFillText(R, T, W, O, F, H, V);
  }
  TSizeF DoMeasureText(std::string_view T) const override {
    const_cast<TFaultCanvas*>(this)->Hit();
    return TRecordingCanvas::DoMeasureText(T);
  }
  void DoDrawBitmap(const TBitmap& B, const TRectF& S, const TRectF& D, float O, bool H) override {
    Hit(), TRecordingCanvas::DoDrawBitmap(B, S, D, O, H);
  }

 private:
  void Hit() {
    ++Calls;
    if (FailAt > 0 && (Calls == FailAt || (Sticky && Calls > FailAt))) {
      ++Thrown;
      throw Exception("fault " + std::to_string(Calls));
    }
  }
};

// A look that differs from the defaults in every saved part.
void Dress(TCanvas& C) {
  C.Fill().SetColor(0xFF112233);
  C.Stroke().SetColor(0xFF445566);
  C.Font().SetFamily("DejaVu Serif");
  C.Font().SetSize(17);
  C.SetStrokeThickness(2.5f);
  C.SetStrokeCap(TStrokeCap::Round);
  C.SetStrokeJoin(TStrokeJoin::Bevel);
  const float Dashes[] = {4, 2};
  C.Stroke().SetCustomDash(Dashes, 1);
  C.SetStrokeDash(TStrokeDash::DashDot);
  C.SetMatrix(TMatrix::CreateScaling(2, 3) * TMatrix::CreateTranslation(5, 7));
}

struct TLook {
  TBrush Fill;
  TStrokeBrush Stroke;
  TFont Font;
  TMatrix Matrix;
  std::int32_t Clip, Scene;
  explicit TLook(const TCanvas& C)
      : Fill(C.Fill()), Stroke(C.Stroke()), Matrix(C.Matrix()), Clip(C.ClipDepth()), Scene(C.SceneDepth()) {
    Font.Assign(C.Font());
  }
  // Which parts differ, "" when none.
  std::string Diff(const TCanvas& C) const {
    std::string D;
    if (!C.Fill().SameBrush(Fill)) D += "fill ";
    if (!C.Stroke().SameStroke(Stroke)) D += "stroke ";
    if (!C.Font().SameFont(Font)) D += "font ";
    if (!(C.Matrix() == Matrix)) D += "matrix ";
    if (C.ClipDepth() != Clip) D += "clip ";
    if (C.SceneDepth() != Scene) D += "scene ";
    return D;
  }
};

struct TOperation {
  const char* Name;
  std::function<void(TCanvas&)> Run;
};

const std::vector<TOperation>& Operations() {
  static TBitmap Picture(4, 3);
  static const std::vector<TPointF> Run{{1, 1}, {20, 4}, {12, 18}, {3, 9}};
  static const std::vector<TOperation> Ops = {
      {"DrawFocusRect", [](TCanvas& C) { DrawFocusRect(C, TRectF{1, 2, 30, 20}); }},
      {"DrawFocusRect int", [](TCanvas& C) { DrawFocusRect(C, TRect{1, 2, 30, 20}, 0.5f); }},
      {"TextRect", [](TCanvas& C) { TextRect(C, TRectF{0, 0, 50, 20}, 2, 3, "clipped"); }},
      {"TextRect int", [](TCanvas& C) { TextRect(C, TRect{0, 0, 50, 20}, 2, 3, "two\nlines"); }},
      {"TextOut", [](TCanvas& C) { TextOut(C, 4.0f, 5.0f, "out"); }},
      {"FillText turned",
       [](TCanvas& C) {
         FillText(C, TRectF{0, 0, 40, 20}, "turned", false, 1, {}, 30, TTextAlign::Center);
       }},
      {"TextExtent", [](TCanvas& C) { (void)TextExtent(C, "size"); }},
      {"Rectangle", [](TCanvas& C) { Rectangle(C, TRectF{1, 1, 9, 9}); }},
      {"RoundRect", [](TCanvas& C) { RoundRect(C, TRectF{1, 1, 19, 9}, 4, 4); }},
      {"Ellipse", [](TCanvas& C) { Ellipse(C, TRectF{1, 1, 9, 5}); }},
      {"FrameRect", [](TCanvas& C) { FrameRect(C, TRectF{1, 1, 9, 9}); }},
      {"FillRect", [](TCanvas& C) { FillRect(C, TRectF{1, 1, 9, 9}); }},
      {"Polygon", [](TCanvas& C) { Polygon(C, std::span<const TPointF>(Run)); }},
      {"Polyline", [](TCanvas& C) { Polyline(C, std::span<const TPointF>(Run), 0.5f); }},
      {"PolyBezier", [](TCanvas& C) { PolyBezierTo(C, std::span<const TPointF>(Run)); }},
      {"Pie", [](TCanvas& C) { Pie(C, 0.f, 0.f, 20.f, 20.f, 20.f, 10.f, 10.f, 0.f); }},
      {"Chord", [](TCanvas& C) { Chord(C, 0.f, 0.f, 20.f, 20.f, 20.f, 10.f, 10.f, 0.f); }},
      {"Arc", [](TCanvas& C) { Arc(C, 0.f, 0.f, 20.f, 20.f, 20.f, 10.f, 10.f, 0.f); }},
      {"AngleArc", [](TCanvas& C) { AngleArc(C, 10.f, 10.f, 5.f, 0.f, 270.f); }},
      {"LineTo", [](TCanvas& C) { MoveTo(C, 1, 1), LineTo(C, 9, 4); }},
      {"StretchDraw", [](TCanvas& C) { StretchDraw(C, TRectF{0, 0, 8, 6}, Picture); }},
      {"CopyRect", [](TCanvas& C) { CopyRect(C, TRectF{0, 0, 4, 4}, C, TRectF{1, 1, 5, 5}); }},
  };
  return Ops;
}

}  // namespace

// For every operation and every k: a backend fault at the k-th call (alone,
// and from then on) reaches the caller, and nothing the operation changed
// stays changed (but for clip levels whose pop itself failed, which the
// depth keeps counting). k runs until the operation gets through without a fault.
TEST(CanvasFaults, EveryOperationAtEveryCallLeavesTheStateAsItWas) {
  for (const TOperation& Op : Operations()) {
    for (const bool Sticky : {false, true}) {
      for (int K = 1;; ++K) {
        SCOPED_TRACE(std::string(Op.Name) + (Sticky ? " sticky" : " once") + " k=" + std::to_string(K));
        TFaultCanvas C;
        Dress(C);
        C.PushClip();  // a caller's own clip level, which must survive
        const TLook Before(C);
        C.Calls = 0;
        C.FailAt = K;
        C.Sticky = Sticky;
        bool Raised = false;
        try {
          Op.Run(C);
        } catch (const Exception& E) {
          Raised = true;
          // The first fault is the one reported.
          EXPECT_EQ(E.Message(), "fault " + std::to_string(K));
        }
        EXPECT_EQ(Raised, C.Thrown > 0);
        C.FailAt = 0;
        // A pop the backend refused leaves its level open, and says so.
        EXPECT_EQ(C.ClipDepth(), Before.Clip + C.FailedPops);
        for (; C.FailedPops > 0; --C.FailedPops) C.PopClip();
        EXPECT_EQ(Before.Diff(C), "");
        if (C.Thrown == 0) break;  // the operation makes fewer than K calls
        ASSERT_LT(K, 200);
      }
    }
  }
}

// A font change handler that raises while the state goes back: every other
// part still goes back, and the handler's error is what the caller sees.
TEST(CanvasFaults, RaisingFontHandlerStillRestoresEveryPart) {
  struct TCase {
    const char* Name;
    std::function<void(TCanvas&)> Run;
  };
  const TCase Cases[] = {
      {"DrawFocusRect", [](TCanvas& C) { DrawFocusRect(C, TRectF{1, 2, 30, 20}); }},
      {"guard", [](TCanvas& C) {
         TVXCanvasStateGuard Guard(C);
         C.Font().SetSize(40);  // the handler raises here first
       }},
      {"RestoreState", [](TCanvas& C) {
         auto State = SaveState(C);
         C.SetStrokeThickness(9);
         C.SetMatrix(TMatrix::CreateRotation(1));
         RestoreState(C, std::move(State));
       }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TRecordingCanvas C;
    Dress(C);
    const TLook Before(C);
    int Raised = 0;
    C.Font().SetOnChanged([&Raised](TObject*) { throw Exception("handler " + std::to_string(++Raised)); });
    try {
      Case.Run(C);
      ADD_FAILURE() << "no error reached the caller";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), "handler 1");
    }
    EXPECT_GE(Raised, 1);
    C.Font().SetOnChanged(nullptr);
    EXPECT_EQ(Before.Diff(C), "");
  }
}

// Depth counters count only what the backend did.
TEST(CanvasFaults, DepthCountersChangeOnlyAfterTheBackendSucceeds) {
  TFaultCanvas C;
  C.FailAt = 1;
  EXPECT_THROW(C.PushClip(), Exception);
  EXPECT_EQ(C.ClipDepth(), 0);
  C.FailAt = 0;
  C.PushClip();
  C.Calls = 0;
  C.FailAt = 1;
  EXPECT_THROW(C.PopClip(), Exception);
  EXPECT_EQ(C.ClipDepth(), 1);
  C.Calls = 0;
  EXPECT_THROW(C.BeginScene(), Exception);
  EXPECT_EQ(C.SceneDepth(), 0);
  C.FailAt = 0;
  ASSERT_TRUE(C.BeginScene());
  C.Calls = 0;
  C.FailAt = 1;
  EXPECT_THROW(C.EndScene(), Exception);
  EXPECT_EQ(C.SceneDepth(), 1);
  C.FailAt = 0;
  C.EndScene();
  C.PopClip();
  EXPECT_EQ(C.SceneDepth(), 0);
  EXPECT_EQ(C.ClipDepth(), 0);
}
