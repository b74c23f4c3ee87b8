#include "FMX.VX.CanvasHelper/CanvasSaveState.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

using namespace FMX;
using namespace FMX::VX::CanvasHelper;

namespace {

const std::vector<float> DashA{2, 1};

// Two looks that differ in every saved field.
void LookA(TCanvas& C) {
  C.Fill().SetColor(0xFFFF0000);
  C.Stroke().SetKind(TBrushKind::Solid);
  C.Stroke().SetColor(0xFF00FF00);
  C.Font().SetFamily("DejaVu Serif");
  C.Font().SetSize(20);
  C.SetStrokeThickness(3);
  C.SetStrokeCap(TStrokeCap::Round);
  C.SetStrokeJoin(TStrokeJoin::Bevel);
  C.Stroke().SetCustomDash(DashA, 0.5f);
  C.SetMatrix(TMatrix::CreateScaling(2, 3) * TMatrix::CreateTranslation(5, 7));
}

void LookB(TCanvas& C) {
  C.Fill().SetKind(TBrushKind::None);
  C.Fill().SetColor(0xFF0000FF);
  C.Stroke().SetKind(TBrushKind::None);
  C.Stroke().SetColor(0xFFFFFF00);
  C.Font().SetFamily("DejaVu Sans Mono");
  C.Font().SetSize(9);
  C.SetStrokeThickness(0.5f);
  C.SetStrokeCap(TStrokeCap::Flat);
  C.SetStrokeJoin(TStrokeJoin::Round);
  C.SetStrokeDash(TStrokeDash::Dot);
  C.SetMatrix(TMatrix::CreateRotation(1));
}

// Which look each part of C has: 'A', 'B' or '?' (neither), in part order.
std::string Looks(const TCanvas& C) {
  TRecordingCanvas A, B;
  LookA(A);
  LookB(B);
  auto Pick = [](bool IsA, bool IsB) { return IsA ? 'A' : IsB ? 'B' : '?'; };
  auto Props = [&](const TCanvas& R) {
    const TStrokeBrush &S = C.Stroke(), &T = R.Stroke();
    return S.Thickness() == T.Thickness() && S.Cap() == T.Cap() && S.Join() == T.Join() && S.Dash() == T.Dash() &&
           (S.Dash() != TStrokeDash::Custom ||
            (std::vector<float>(S.DashArray().begin(), S.DashArray().end()) == DashA && S.DashOffset() == 0.5f));
  };
  return {Pick(C.Fill().SameBrush(A.Fill()), C.Fill().SameBrush(B.Fill())),
          Pick(C.Stroke().SameBrush(A.Stroke()), C.Stroke().SameBrush(B.Stroke())),
          Pick(C.Font().SameFont(A.Font()), C.Font().SameFont(B.Font())), Pick(Props(A), Props(B)),
          Pick(C.Matrix() == A.Matrix(), C.Matrix() == B.Matrix())};
}

TEST(CanvasSaveState, RestoresExactlyTheSavedParts) {
  const struct {
    TVXCanvasSaveParts Parts;
    const char* Expected;  // fill, stroke brush, font, stroke properties, matrix
  } Cases[] = {
      {{cspFill}, "ABBBB"},        {{cspStrokeFill}, "BABBB"}, {{cspFont}, "BBABB"},
      {{cspStrokeProps}, "BBBAB"}, {{cspMatrix}, "BBBBA"},     {AllCanvasSaveParts, "AAAAA"},
      {{}, "BBBBB"},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    LookA(C);
    auto State = SaveState(C, Case.Parts);
    LookB(C);
    RestoreState(C, std::move(State));
    EXPECT_EQ(Looks(C), Case.Expected) << "parts " << int(Case.Parts.Bits());
  }
  EXPECT_EQ(AllCanvasSaveParts.Bits(), 0x1F);
  EXPECT_EQ((TVXCanvasSaveParts{cspFont, cspMatrix}.Bits()), 0x14);
}

TEST(CanvasSaveState, KeptStateRestoresOntoOtherCanvasesAgainAndAgain) {
  TRecordingCanvas Source;
  LookA(Source);
  const auto State = SaveState(Source);
  TBitmap Bitmap(8, 8);
  for (int Round = 0; Round < 2; ++Round) {
    LookB(Bitmap.Canvas());
    RestoreState(Bitmap.Canvas(), *State);
    EXPECT_EQ(Looks(Bitmap.Canvas()), "AAAAA") << "round " << Round;
  }
  TRecordingCanvas Third;
  LookB(Third);
  Third.Assign(*State);  // a canvas assigned from a state restores it
  EXPECT_EQ(Looks(Third), "AAAAA");
}

TEST(CanvasSaveState, RestoresMatrixAndBrushesBeforeFontAndStrokePropertiesLast) {
  TRecordingCanvas C;
  LookA(C);
  auto State = SaveState(C);
  LookB(C);
  std::string AtFontChange;
  C.Font().SetOnChanged([&](TObject*) { AtFontChange = Looks(C); });
  RestoreState(C, std::move(State));
  EXPECT_EQ(AtFontChange, "AAABA");
}

TEST(CanvasSaveState, OtherObjectsCannotBeCapturedOrRestored) {
  TVXCanvasSaveState State(AllCanvasSaveParts);
  TBrush Brush;
  auto Message = [](auto&& Call) {
    try {
      Call();
    } catch (const EConvertError& E) {
      return E.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(Message([&] { State.Assign(Brush); }), "Cannot assign a TBrush to a TVXCanvasSaveState");
  EXPECT_EQ(Message([&] { State.AssignTo(Brush); }), "Cannot assign a TVXCanvasSaveState to a TBrush");
}

TEST(CanvasStateGuard, RestoresOnScopeExitAndWhenAnExceptionPasses) {
  TRecordingCanvas C;
  LookA(C);
  { TVXCanvasStateGuard Guard(C); LookB(C); }
  EXPECT_EQ(Looks(C), "AAAAA");
  try {
    TVXCanvasStateGuard Guard(C);
    LookB(C);
    throw Exception("draw failed");
  } catch (const Exception&) {
  }
  EXPECT_EQ(Looks(C), "AAAAA");
}

TEST(CanvasStateGuard, RestoreErrorReachesCallerUnlessAnotherExceptionUnwinds) {
  TRecordingCanvas C;
  LookA(C);
  C.Font().SetOnChanged([](TObject*) { throw Exception("restore failed"); });
  auto Run = [&](bool DrawFails) {
    try {
      TVXCanvasStateGuard Guard(C, {cspFont});
      C.Font().SetOnChanged({});
      C.Font().SetSize(50);
      C.Font().SetOnChanged([](TObject*) { throw Exception("restore failed"); });
      if (DrawFails) throw Exception("draw failed");
    } catch (const Exception& E) {
      return E.Message();
    }
    return std::string("nothing");
  };
  EXPECT_EQ(Run(false), "restore failed");
  EXPECT_EQ(Run(true), "draw failed");
}

}  // namespace
