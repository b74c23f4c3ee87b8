#pragma once
// Test pieces for drawing routines: a recording canvas that raises at its
// K-th call and a driver that makes every call of a routine fail in turn.

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>

#include "platform/Classes.h"
#include "platform/RecordingCanvas.h"

namespace VXTest {

// Counts every drawing, clip, scene and text-measuring call (from 1) and
// raises FMX::Exception("device lost") at call FailAt (0: never). The
// failing call is recorded before it raises.
class TCountdownCanvas : public FMX::TRecordingCanvas {
 public:
  explicit TCountdownCanvas(std::size_t FailAt = 0) : FFailAt(FailAt) {}
  std::size_t CallCount() const { return FCalls; }

 protected:
  bool DoBeginScene() override { return Tick(), TRecordingCanvas::DoBeginScene(); }
  void DoEndScene() override { TRecordingCanvas::DoEndScene(), Tick(); }
  void DoIntersectClipRect(const FMX::TRectF& R) override { TRecordingCanvas::DoIntersectClipRect(R), Tick(); }
  void DoPushClip() override { TRecordingCanvas::DoPushClip(), Tick(); }
  void DoPopClip() override { TRecordingCanvas::DoPopClip(), Tick(); }
  void DoFillRect(const FMX::TRectF& R, float XR, float YR, FMX::TCorners C, float O,
                  FMX::TCornerType T) override {
    TRecordingCanvas::DoFillRect(R, XR, YR, C, O, T), Tick();
  }
  void DoDrawRect(const FMX::TRectF& R, float XR, float YR, FMX::TCorners C, float O,
                  FMX::TCornerType T) override {
    TRecordingCanvas::DoDrawRect(R, XR, YR, C, O, T), Tick();
  }
  void DoFillEllipse(const FMX::TRectF& R, float O) override { TRecordingCanvas::DoFillEllipse(R, O), Tick(); }
  void DoDrawEllipse(const FMX::TRectF& R, float O) override { TRecordingCanvas::DoDrawEllipse(R, O), Tick(); }
  void DoDrawLine(const FMX::TPointF& A, const FMX::TPointF& B, float O) override {
    TRecordingCanvas::DoDrawLine(A, B, O), Tick();
  }
  void DoDrawArc(const FMX::TPointF& C, const FMX::TPointF& R, float S, float W, float O) override {
    TRecordingCanvas::DoDrawArc(C, R, S, W, O), Tick();
  }
  void DoFillPath(const FMX::TPathData& P, float O) override { TRecordingCanvas::DoFillPath(P, O), Tick(); }
  void DoDrawPath(const FMX::TPathData& P, float O) override { TRecordingCanvas::DoDrawPath(P, O), Tick(); }
  void DoDrawPolygon(std::span<const FMX::TPointF> P, float O) override {
    TRecordingCanvas::DoDrawPolygon(P, O), Tick();
  }
  void DoFillText(const FMX::TRectF& R, std::string_view Text, bool Wrap, float O, FMX::TFillTextFlags F,
                  FMX::TTextAlign H, FMX::TTextAlign V) override {
    TRecordingCanvas::DoFillText(R, Text, Wrap, O, F, H, V), Tick();
  }
  FMX::TSizeF DoMeasureText(std::string_view Text) const override {
    Tick();
    return TRecordingCanvas::DoMeasureText(Text);
  }
  void DoDrawBitmap(const FMX::TBitmap& B, const FMX::TRectF& S, const FMX::TRectF& D, float O,
                    bool HighSpeed) override {
    TRecordingCanvas::DoDrawBitmap(B, S, D, O, HighSpeed), Tick();
  }

 private:
  void Tick() const {
    if (++FCalls == FFailAt) throw FMX::Exception("device lost");
  }
  std::size_t FFailAt;
  mutable std::size_t FCalls = 0;
};

// Runs Draw on a canvas prepared by Setup and counts its calls; then, for
// every K up to that count, runs it again on a fresh canvas failing at call
// K, expects the exception to come through and hands the canvas to Check.
// Returns the number of calls of the undisturbed run.
inline std::size_t ForEveryFailingCall(const std::function<void(FMX::TCanvas&)>& Setup,
                                       const std::function<void(FMX::TCanvas&)>& Draw,
                                       const std::function<void(const FMX::TCanvas&)>& Check,
                                       const std::string& What) {
  TCountdownCanvas Clean;
  Setup(Clean);
  Draw(Clean);
  const std::size_t Calls = Clean.CallCount();
  for (std::size_t K = 1; K <= Calls; ++K) {
    TCountdownCanvas C(K);
    Setup(C);
    EXPECT_THROW(Draw(C), FMX::Exception) << What << ", failing at call " << K;
    SCOPED_TRACE(What + ", failing at call " + std::to_string(K));
    Check(C);
  }
  return Calls;
}

}  // namespace VXTest
