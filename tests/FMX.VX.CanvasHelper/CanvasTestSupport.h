#pragma once
// Shared pieces of the canvas helper tests.

#include <string>

#include "platform/Canvas.h"
#include "platform/RecordingCanvas.h"

namespace VXTest {

// The recorded calls with their geometry and opacity but without the
// brushes, font and matrix, one per line: "DrawRect (1,2,3,4) op=1".
inline std::string Calls(const FMX::TRecordingCanvas& Canvas) {
  std::string S;
  for (const FMX::TCanvasRecord& R : Canvas.Records()) {
    std::string Line = R.ToString();
    for (const char* Cut : {" fill=", " stroke=", " m="})
      if (auto At = Line.find(Cut); At != std::string::npos) Line.erase(At);
    S += Line + "\n";
  }
  return S;
}

// A recording canvas whose chosen operation records and then raises.
class TFailingCanvas : public FMX::TRecordingCanvas {
 public:
  explicit TFailingCanvas(FMX::TCanvasOp FailOn) : FFailOn(FailOn) {}

 protected:
  void DoDrawRect(const FMX::TRectF& Rect, float XRadius, float YRadius, FMX::TCorners Corners, float Opacity,
                  FMX::TCornerType CornerType) override {
    TRecordingCanvas::DoDrawRect(Rect, XRadius, YRadius, Corners, Opacity, CornerType);
    Fail(FMX::TCanvasOp::DrawRect);
  }
  void DoFillText(const FMX::TRectF& Rect, std::string_view Text, bool WordWrap, float Opacity,
                  FMX::TFillTextFlags Flags, FMX::TTextAlign HTextAlign, FMX::TTextAlign VTextAlign) override {
    TRecordingCanvas::DoFillText(Rect, Text, WordWrap, Opacity, Flags, HTextAlign, VTextAlign);
    Fail(FMX::TCanvasOp::FillText);
  }

 private:
  void Fail(FMX::TCanvasOp Op) const {
    if (Op == FFailOn) throw FMX::Exception("device lost");
  }
  FMX::TCanvasOp FFailOn;
};

}  // namespace VXTest
