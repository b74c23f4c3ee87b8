#pragma once
// Shared pieces of the drawing-routine tests: a canvas that fails at a
// chosen call, a snapshot of the drawing state, and compact call dumps.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Canvas.h"
#include "platform/RecordingCanvas.h"

namespace VXTest {

// A recording canvas whose drawing call number FailAt (0-based, counting
// every drawing and scene operation) raises instead of drawing.
class TThrowingCanvas : public FMX::TRecordingCanvas {
 public:
  explicit TThrowingCanvas(int FailAt, std::int32_t Size = 200) : TRecordingCanvas(Size, Size), FFailAt(FailAt) {}
  int Calls() const { return FCalls; }

 protected:
  using R = FMX::TRecordingCanvas;
  void DoClear(FMX::TAlphaColor C) override { Step(), R::DoClear(C); }
  void DoFillRect(const FMX::TRectF& A, float X, float Y, FMX::TCorners C, float O, FMX::TCornerType T) override {
    Step(), R::DoFillRect(A, X, Y, C, O, T);
  }
  void DoDrawRect(const FMX::TRectF& A, float X, float Y, FMX::TCorners C, float O, FMX::TCornerType T) override {
    Step(), R::DoDrawRect(A, X, Y, C, O, T);
  }
  void DoFillEllipse(const FMX::TRectF& A, float O) override { Step(), R::DoFillEllipse(A, O); }
  void DoDrawEllipse(const FMX::TRectF& A, float O) override { Step(), R::DoDrawEllipse(A, O); }
  void DoDrawLine(const FMX::TPointF& P1, const FMX::TPointF& P2, float O) override {
    Step(), R::DoDrawLine(P1, P2, O);
  }
  void DoDrawArc(const FMX::TPointF& C, const FMX::TPointF& Rd, float S, float W, float O) override {
    Step(), R::DoDrawArc(C, Rd, S, W, O);
  }
  void DoFillPath(const FMX::TPathData& P, float O) override { Step(), R::DoFillPath(P, O); }
  void DoDrawPath(const FMX::TPathData& P, float O) override { Step(), R::DoDrawPath(P, O); }
  void DoDrawPolygon(std::span<const FMX::TPointF> P, float O) override { Step(), R::DoDrawPolygon(P, O); }
  void DoDrawBitmap(const FMX::TBitmap& B, const FMX::TRectF& S, const FMX::TRectF& D, float O, bool H) override {
    Step(), R::DoDrawBitmap(B, S, D, O, H);
  }

 private:
  void Step() {
    if (FCalls++ == FFailAt) throw FMX::Exception("device lost");
  }
  int FFailAt;
  int FCalls = 0;
};

// A recording canvas that only counts its fills, outlines and lines and
// keeps the first and last of their rectangles (line: the two ends), for
// routines that may issue tens of thousands of calls.
class TCountingCanvas : public FMX::TRecordingCanvas {
 public:
  std::size_t Bands = 0;
  FMX::TRectF First, Last;
  float LastThickness = 0;

 protected:
  using R = FMX::TRecordingCanvas;
  void DoFillRect(const FMX::TRectF& A, float, float, FMX::TCorners, float, FMX::TCornerType) override { Band(A); }
  void DoDrawRect(const FMX::TRectF& A, float, float, FMX::TCorners, float, FMX::TCornerType) override { Band(A); }
  void DoFillEllipse(const FMX::TRectF& A, float) override { Band(A); }
  void DoDrawLine(const FMX::TPointF& P1, const FMX::TPointF& P2, float) override { Band({P1.X, P1.Y, P2.X, P2.Y}); }

 private:
  void Band(const FMX::TRectF& A) {
    if (Bands++ == 0) First = A;
    Last = A;
    LastThickness = GetStrokeThickness();
  }
};

// The drawing state a routine may promise to put back.
struct TStateSnapshot {
  FMX::TBrush Fill;
  FMX::TStrokeBrush Stroke;
  FMX::TFont Font;
  FMX::TMatrix Matrix;

  explicit TStateSnapshot(const FMX::TCanvas& C)
      : Fill(C.Fill()), Stroke(C.Stroke()), Matrix(C.Matrix()) {
    Font.Assign(C.Font());
  }
  // Empty when Canvas holds the same state; otherwise what differs.
  std::string Diff(const FMX::TCanvas& C) const {
    std::string D;
    if (!Fill.SameBrush(C.Fill())) D += " fill";
    if (!Stroke.SameStroke(C.Stroke())) D += " stroke";
    if (!Font.SameFont(C.Font())) D += " font";
    if (!(Matrix == C.Matrix())) D += " matrix";
    return D;
  }
};

// A canvas state unlike every default: translucent colours, thick dashed
// round-capped stroke, a scaled and shifted matrix.
inline void SetUnusualState(FMX::TCanvas& C) {
  C.Fill().SetColor(0x80123456);
  C.Stroke().SetColor(0x90654321);
  C.SetStrokeThickness(3.5f);
  C.SetStrokeCap(FMX::TStrokeCap::Round);
  C.SetStrokeJoin(FMX::TStrokeJoin::Bevel);
  C.SetStrokeDash(FMX::TStrokeDash::DashDot);
  C.Font().SetSize(17);
  C.SetMatrix(FMX::TMatrix::CreateScaling(0.5f, 0.5f) * FMX::TMatrix::CreateTranslation(3, 4));
}

// Runs Draw on a canvas that fails at call 0, 1, 2, ... until a run
// completes, and hands every failed run's canvas and starting state to
// Check. Returns how many calls the complete run made.
inline int FailAtEveryCall(const std::function<void(FMX::TCanvas&)>& Draw,
                           const std::function<void(const TThrowingCanvas&, const TStateSnapshot&)>& Check) {
  for (int K = 0; K < 10000; ++K) {
    TThrowingCanvas C(K);
    SetUnusualState(C);
    const TStateSnapshot Before(C);
    bool Threw = false;
    try {
      Draw(C);
    } catch (const FMX::Exception&) {
      Threw = true;
    }
    if (!Threw) return K;
    SCOPED_TRACE("failing at call " + std::to_string(K));
    Check(C, Before);
  }
  ADD_FAILURE() << "never completed";
  return -1;
}

// Recorded calls with geometry, opacity and the colour used (fill colour for
// fills, stroke colour for outlines), one per line.
inline std::string CallsWithColors(const FMX::TRecordingCanvas& Canvas) {
  std::string S;
  char Buf[16];
  for (const FMX::TCanvasRecord& R : Canvas.Records()) {
    std::string Line = R.ToString();
    for (const char* Cut : {" fill=", " stroke=", " m="})
      if (auto At = Line.find(Cut); At != std::string::npos) Line.erase(At);
    using Op = FMX::TCanvasOp;
    const bool Fills = R.Op == Op::FillRect || R.Op == Op::FillEllipse || R.Op == Op::FillPath;
    const bool Strokes = R.Op == Op::DrawRect || R.Op == Op::DrawEllipse || R.Op == Op::DrawPath ||
                         R.Op == Op::DrawLine || R.Op == Op::DrawPolygon;
    if (Fills || Strokes) {
      const FMX::TBrush& B = Fills ? R.Fill : static_cast<const FMX::TBrush&>(R.Stroke);
      if (B.Kind() == FMX::TBrushKind::None)
        Line += " none";
      else
        std::snprintf(Buf, sizeof Buf, " %08X", unsigned(B.Color())), Line += Buf;
    }
    S += Line + "\n";
  }
  return S;
}

}  // namespace VXTest
