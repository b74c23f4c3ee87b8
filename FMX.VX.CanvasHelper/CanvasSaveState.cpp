#include "FMX.VX.CanvasHelper/CanvasSaveState.h"

#include <exception>

namespace FMX::VX::CanvasHelper {

TVXCanvasSaveState::TVXCanvasSaveState(TVXCanvasSaveParts Parts) : FParts(Parts) {
  // Placeholders until Assign captures the real values.
  if (FParts.Contains(cspFill)) FFill = std::make_unique<TBrush>(TBrushKind::Solid, 0xFF000000);
  if (FParts.Contains(cspFont)) FFont = std::make_unique<TFont>();
  if (FParts.Contains(cspStrokeFill)) FStroke = std::make_unique<TBrush>(TBrushKind::Solid, 0xFFFFFFFF);
}

TVXCanvasSaveState::~TVXCanvasSaveState() = default;

void TVXCanvasSaveState::Assign(const TPersistent& Source) {
  const auto* Canvas = dynamic_cast<const TCanvas*>(&Source);
  if (!Canvas) {
    TPersistent::Assign(Source);
    return;
  }
  if (FParts.Contains(cspFill)) FFill->Assign(Canvas->Fill());
  if (FParts.Contains(cspStrokeFill)) FStroke->Assign(Canvas->Stroke());  // a plain brush takes the brush part
  if (FParts.Contains(cspFont)) FFont->Assign(Canvas->Font());
  if (FParts.Contains(cspStrokeProps)) {
    const TStrokeBrush& Stroke = Canvas->Stroke();
    FStrokeThickness = Stroke.Thickness();
    FStrokeCap = Stroke.Cap();
    FStrokeJoin = Stroke.Join();
    FStrokeDash = Stroke.Dash();
    FStrokeDashArray.assign(Stroke.DashArray().begin(), Stroke.DashArray().end());
    FStrokeDashOffset = Stroke.DashOffset();
  }
  if (FParts.Contains(cspMatrix)) FMatrix = Canvas->Matrix();
}

void TVXCanvasSaveState::AssignTo(TPersistent& Dest) const {
  auto* Canvas = dynamic_cast<TCanvas*>(&Dest);
  if (!Canvas) {
    TPersistent::AssignTo(Dest);
    return;
  }
  // Every saved part goes back even when writing one of them raises (a font
  // change handler, a backend); the first error is raised at the end.
  std::exception_ptr First;
  auto Step = [&First](auto&& Write) {
    try {
      Write();
    } catch (...) {
      if (!First) First = std::current_exception();
    }
  };
  if (FParts.Contains(cspMatrix)) Step([&] { Canvas->SetMatrix(FMatrix); });
  if (FParts.Contains(cspFill)) Step([&] { Canvas->Fill().Assign(*FFill); });
  // A plain brush source leaves the stroke's own properties alone.
  if (FParts.Contains(cspStrokeFill)) Step([&] { Canvas->Stroke().Assign(*FStroke); });
  if (FParts.Contains(cspFont)) Step([&] { Canvas->Font().Assign(*FFont); });
  if (FParts.Contains(cspStrokeProps)) {
    Step([&] { Canvas->SetStrokeThickness(FStrokeThickness); });
    Step([&] { Canvas->SetStrokeCap(FStrokeCap); });
    Step([&] { Canvas->SetStrokeJoin(FStrokeJoin); });
    // The custom pattern goes back first (that switches the style to
    // Custom); the saved style then wins.
    Step([&] { Canvas->Stroke().SetCustomDash(FStrokeDashArray, FStrokeDashOffset); });
    Step([&] { Canvas->SetStrokeDash(FStrokeDash); });
  }
  if (First) std::rethrow_exception(First);
}

std::unique_ptr<TVXCanvasSaveState> SaveState(const TCanvas& Canvas, TVXCanvasSaveParts Parts) {
  auto State = std::make_unique<TVXCanvasSaveState>(Parts);
  State->Assign(Canvas);
  return State;
}

void RestoreState(TCanvas& Canvas, std::unique_ptr<TVXCanvasSaveState> State) {
  if (State) State->AssignTo(Canvas);
}

void RestoreState(TCanvas& Canvas, const TVXCanvasSaveState& State) { State.AssignTo(Canvas); }

TVXCanvasStateGuard::TVXCanvasStateGuard(TCanvas& Canvas, TVXCanvasSaveParts Parts)
    : FCanvas(Canvas), FState(Parts), FUncaught(std::uncaught_exceptions()) {
  FState.Assign(Canvas);
}

TVXCanvasStateGuard::~TVXCanvasStateGuard() noexcept(false) {
  if (std::uncaught_exceptions() > FUncaught) {
    try {
      FState.AssignTo(FCanvas);
    } catch (...) {
      // The exception already unwinding is the one the caller must see.
    }
    return;
  }
  FState.AssignTo(FCanvas);
}

}  // namespace FMX::VX::CanvasHelper
