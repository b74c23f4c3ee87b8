// Arrows with heads and captions.

#include "FMX.VX.Graphics/Arrows.h"

#include <array>
#include <cmath>
#include <span>
#include <string_view>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.Graphics/FillColorGuard_p.h"
#include "FMX.VX.Graphics/Geometry.h"

namespace FMX::VX::Graphics {

using Detail::TFillColorGuard;

namespace {

namespace Helper = FMX::VX::CanvasHelper;

// Line k of the caption at (X, Y + k * height of "A"); lines end at CR LF.
void DrawCaption(TCanvas& Canvas, std::string_view Caption, double X, double Y) {
  // Nothing changes the font between lines, so one measurement serves all.
  const double H = Canvas.TextHeight("A");
  std::size_t Line = 0;
  for (;;) {
    const std::size_t End = Caption.find("\r\n");
    const std::string_view Text = Caption.substr(0, End);
    Helper::TextOut(Canvas, float(X), float(Y + double(Line) * H), Text, 1.0f);
    if (End == std::string_view::npos) break;
    Caption.remove_prefix(End + 2);
    ++Line;
  }
}

bool Finite(std::span<const TPointF> Points) {
  for (const TPointF& P : Points)
    if (!std::isfinite(P.X) || !std::isfinite(P.Y)) return false;
  return true;
}

// Outline or filled polygon at opacity 1; skipped when a coordinate
// overflowed.
void DrawOutline(TCanvas& Canvas, std::span<const TPointF> Points, bool Filled) {
  if (!Finite(Points)) return;
  if (Filled)
    Helper::Polygon(Canvas, Points, 1.0f);
  else
    Helper::Polyline(Canvas, Points, 1.0f);
}

}  // namespace

void DrawArrow(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float HeadSize, std::string_view Caption,
               TArrowOptions Options, float LineWidth, float Opacity, TAlphaColor TextColor) {
  const double DX = double(X2) - X1, DY = double(Y2) - Y1;
  // hypot neither underflows to 0 for tiny non-zero differences nor
  // overflows for huge ones, so the unit vectors below stay finite.
  const double L = std::hypot(DX, DY);
  if (!(L > 0) || !std::isfinite(L)) return;

  if (!Caption.empty()) {
    TFillColorGuard Guard(Canvas);
    Canvas.Fill().SetColor(TextColor);
    if (Options.Contains(aoDrawCaption)) DrawCaption(Canvas, Caption, X1 + DX / 2, Y1 + DY / 2);
  }

  const double UX = DX / L, UY = DY / L;  // unit direction
  const double NX = DY / L, NY = -DX / L;  // unit normal
  const bool Heads = HeadSize > 0 && std::isfinite(HeadSize);
  const bool AtStart = Heads && Options.Contains(aoArrowAtStart);
  const bool AtEnd = Heads && Options.Contains(aoArrowAtEnd);
  const bool Filled = Options.Contains(aoFillHead);
  const TPointF P1{X1, Y1}, P2{X2, Y2};

  if (LineWidth == 1) {
    Canvas.DrawLine(P1, P2, Opacity);
  } else {
    const double SX = AtStart ? X1 + HeadSize * UX : X1, SY = AtStart ? Y1 + HeadSize * UY : Y1;
    const double EX = AtEnd ? X2 - HeadSize * UX : X2, EY = AtEnd ? Y2 - HeadSize * UY : Y2;
    const double HW = double(LineWidth) / 2;
    const TPointF First{float(SX + HW * NX), float(SY + HW * NY)};
    const std::array<TPointF, 5> Band{First, TPointF{float(SX - HW * NX), float(SY - HW * NY)},
                                      TPointF{float(EX - HW * NX), float(EY - HW * NY)},
                                      TPointF{float(EX + HW * NX), float(EY + HW * NY)}, First};
    DrawOutline(Canvas, Band, Filled);
  }

  // Tip T, base centre HeadSize back along the arrow (Sign -1 at the tail's
  // end of the arrow points the head backwards).
  auto Head = [&](const TPointF& Tip, double Sign) {
    const double BX = Tip.X - Sign * HeadSize * UX, BY = Tip.Y - Sign * HeadSize * UY;
    const TPointF Side1{float(BX + HeadSize * NX), float(BY + HeadSize * NY)};
    const TPointF Side2{float(BX - HeadSize * NX), float(BY - HeadSize * NY)};
    const std::array<TPointF, 4> Outline{Side1, Tip, Side2, Side1};
    const bool Closed = Options.Contains(aoClosedHead);
    DrawOutline(Canvas, std::span<const TPointF>(Outline.data(), Closed ? 4 : 3), Filled);
  };
  if (AtStart) Head(P1, -1);
  if (AtEnd) Head(P2, 1);
}

void DrawArrow(TCanvas& Canvas, std::span<const TPointF> Points, float HeadSize, std::string_view Caption,
               TArrowOptions Options, float LineWidth, float CaptionSegment, float Opacity, TAlphaColor TextColor) {
  const std::size_t M = Points.size();
  if (M < 2) return;
  const std::size_t Last = M - 2;  // index of the last segment
  double CaptionAt = CaptionSegment;
  if (CaptionAt == -1 || CaptionAt >= double(M - 1)) CaptionAt = double((M - 1) / 2);
  for (std::size_t I = 0; I <= Last; ++I) {
    TArrowOptions O = Options;
    if (I != 0) O.Exclude(aoArrowAtStart);
    if (I != Last) O.Exclude(aoArrowAtEnd);
    if (double(I) != CaptionAt) O.Exclude(aoDrawCaption);
    DrawArrow(Canvas, Points[I].X, Points[I].Y, Points[I + 1].X, Points[I + 1].Y, HeadSize, Caption, O, LineWidth,
              Opacity, TextColor);
  }
}

void DrawArrow(TCanvas& Canvas, std::span<const TPoint> Points, float HeadSize, std::string_view Caption,
               TArrowOptions Options, float LineWidth, float CaptionSegment, float Opacity, TAlphaColor TextColor) {
  const TCanvasPoints Float = PointsToVXPoints(Points);
  DrawArrow(Canvas, std::span<const TPointF>(Float), HeadSize, Caption, Options, LineWidth, CaptionSegment, Opacity,
            TextColor);
}

}  // namespace FMX::VX::Graphics
