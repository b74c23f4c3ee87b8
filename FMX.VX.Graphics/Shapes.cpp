#include "FMX.VX.Graphics/Shapes.h"

#include <array>
#include <optional>
#include <span>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "FMX.VX.Graphics/Frames.h"
#include "FMX.VX.Graphics/Geometry.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/Offscreen_p.h"

namespace FMX::VX::Graphics {

namespace CH = FMX::VX::CanvasHelper;

namespace {

using TTriangle = std::array<TPointF, 3>;

void DrawPolygon(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity) {
  CH::Polygon(Canvas, Points, Opacity);
}

float Mid(float A, float B) { return float(double(A) + (double(B) - double(A)) / 2); }

// --- Type form -------------------------------------------------------------

struct TBevelColors {
  TAlphaColor FrameTop, FrameBottom, FirstHalf, SecondHalf;
};

TBevelColors BevelColors(TVXShapeOrientation Orientation) {
  constexpr TAlphaColor Light = ShapeLightGrey, Dark = ShapeDarkGrey;
  switch (Orientation) {
    case soDown: return {Dark, Light, Dark, Light};
    case soLeft: return {Dark, Light, Light, Dark};
    case soRight: return {Light, Dark, Dark, Light};
    default: return {Light, Dark, Light, Dark};
  }
}

// The three bevel facets of the isosceles triangle in R, each closing on
// the centre, with their fill colours.
void DrawTriangleBevel(TCanvas& Canvas, const TRectF& R, TVXShapeOrientation Orientation) {
  constexpr TAlphaColor Light = ShapeLightGrey, Dark = ShapeDarkGrey;
  const float L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom, CX = Mid(L, Rt), CY = Mid(T, B);
  const TPointF C{CX, CY};
  struct TFacet {
    TPointF A, B;
    TAlphaColor Color;
  };
  std::array<TFacet, 3> Facets;
  switch (Orientation) {
    case soDown:
      Facets = {{{{CX, B}, {L, T}, Light}, {{L, T}, {Rt, T}, Light}, {{Rt, T}, {CX, B}, Dark}}};
      break;
    case soLeft:
      Facets = {{{{L, CY}, {Rt, T}, Light}, {{Rt, T}, {Rt, B}, Dark}, {{Rt, B}, {L, CY}, Dark}}};
      break;
    case soRight:
      Facets = {{{{Rt, CY}, {L, T}, Light}, {{L, B}, {L, T}, Light}, {{L, B}, {Rt, CY}, Dark}}};
      break;
    default:
      Facets = {{{{CX, T}, {L, B}, Light}, {{Rt, B}, {CX, T}, Dark}, {{L, B}, {Rt, B}, Dark}}};
      break;
  }
  for (const TFacet& F : Facets) {
    Canvas.Fill().SetColor(F.Color);
    const TTriangle P{F.A, F.B, C};
    DrawPolygon(Canvas, P, 1);
  }
}

TTriangle TypeTriangle(const TRectF& R, TVXShapeType Type, TVXShapeOrientation Orientation) {
  const float L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom, CX = Mid(L, Rt), CY = Mid(T, B);
  const bool Isosceles = Type == sIsoscelesTriangle;
  switch (Orientation) {
    case soDown: return Isosceles ? TTriangle{{{CX, B}, {L, T}, {Rt, T}}} : TTriangle{{{L, B}, {L, T}, {Rt, T}}};
    case soLeft: return Isosceles ? TTriangle{{{L, CY}, {Rt, T}, {Rt, B}}} : TTriangle{{{L, T}, {Rt, T}, {Rt, B}}};
    case soRight: return Isosceles ? TTriangle{{{Rt, CY}, {L, T}, {L, B}}} : TTriangle{{{Rt, B}, {L, T}, {L, B}}};
    default: return Isosceles ? TTriangle{{{CX, T}, {L, B}, {Rt, B}}} : TTriangle{{{Rt, T}, {L, B}, {Rt, B}}};
  }
}

// --- Style form: diamond and triangles ---------------------------------------

bool IsPolygonStyle(TVXShapeStyle S) {
  return (S >= ssDiamond && S <= ssDownTriangle) || (S >= ss3DDiamond && S <= ss3DDownTriangle);
}

// Draws the diamond or triangle of Style (flat or raised) on D.
void DrawPolygonStyle(TCanvas& D, const TRectF& R, TVXShapeStyle Style, TAlphaColor TopColor,
                      TAlphaColor BottomColor, float Depth, float Opacity) {
  const TPointF C = VXCenterPoint(R);
  TPointF ML{R.Left, C.Y}, MT{C.X, R.Top}, MR{R.Right, C.Y}, MB{C.X, R.Bottom};
  TPointF TL{R.Left, R.Top}, TR{R.Right, R.Top}, BL{R.Left, R.Bottom}, BR{R.Right, R.Bottom};
  const bool Raised = Style >= ss3DDiamond;
  const int Base = Raised ? Style - 12 : Style;

  if (Raised) {
    CH::TVXCanvasStateGuard Guard(D);
    D.Stroke().SetKind(TBrushKind::None);
    D.Fill().SetColor(TopColor);
    auto Facet = [&](const TPointF& A, const TPointF& B, const TPointF& Cc) {
      const TTriangle P{A, B, Cc};
      DrawPolygon(D, P, Opacity);
    };
    // Moves each vertex Depth along the line to I.
    auto MoveTowards = [&](const TPointF& I, std::initializer_list<TPointF*> Points) {
      for (TPointF* P : Points) OffsetPoint(*P, I, Depth);
    };
    switch (Base) {
      case ssDiamond:
        Facet(ML, MT, MB);
        D.Fill().SetColor(BottomColor);
        Facet(MR, MT, MB);
        OffsetPoint(ML, Depth, 0), OffsetPoint(MR, -Depth, 0);
        OffsetPoint(MT, 0, Depth), OffsetPoint(MB, 0, -Depth);
        break;
      case ssLeftTriangle: {
        Facet(ML, TR, BR);
        const TPointF I = InCenterPoint(ML, TR, BR);
        D.Fill().SetColor(BottomColor);
        Facet(I, TR, BR);
        MoveTowards(I, {&ML, &TR, &BR});
        break;
      }
      case ssRightTriangle: {
        Facet(MR, TL, BL);
        const TPointF I = InCenterPoint(TL, MR, BL);
        D.Fill().SetColor(BottomColor);
        Facet(I, TL, MR);
        Facet(I, MR, BL);
        MoveTowards(I, {&MR, &TL, &BL});
        break;
      }
      case ssUpTriangle: {
        Facet(BL, MT, BR);
        const TPointF I = InCenterPoint(BL, MT, BR);
        D.Fill().SetColor(BottomColor);
        Facet(MT, I, BR);
        Facet(BL, I, BR);
        MoveTowards(I, {&BR, &MT, &BL});
        break;
      }
      default: {
        Facet(TL, MB, TR);
        const TPointF I = InCenterPoint(TL, TR, MB);
        D.Fill().SetColor(BottomColor);
        Facet(MB, I, TR);
        MoveTowards(I, {&TR, &MB, &TL});
        break;
      }
    }
  }

  switch (Base) {
    case ssDiamond: {
      const std::array<TPointF, 4> P{ML, MT, MR, MB};
      DrawPolygon(D, P, Opacity);
      break;
    }
    case ssLeftTriangle: DrawPolygon(D, TTriangle{ML, TR, BR}, Opacity); break;
    case ssRightTriangle: DrawPolygon(D, TTriangle{TL, MR, BL}, Opacity); break;
    case ssUpTriangle: DrawPolygon(D, TTriangle{BL, MT, BR}, Opacity); break;
    default: DrawPolygon(D, TTriangle{TL, TR, MB}, Opacity); break;
  }
}

// Everything but the diamond and triangles; returns the final rectangle.
TRectF DrawBoxStyle(TCanvas& D, TRectF R, const TBitmap* Bitmap, TVXShapeStyle Style, bool Stretch,
                    TAlphaColor TopColor, TAlphaColor BottomColor, float Depth, float Opacity) {
  const bool Raised = Style >= ss3DRectangle;
  const int Base = Raised ? Style - 12 : Style;
  const double W = double(R.Right) - R.Left, H = double(R.Bottom) - R.Top;
  const float S = float(W < H ? W : H);
  if (Base == ssSquare || Base == ssCircle || Base == ssRoundSquare) {
    R.Left = float(R.Left + (W - S) / 2);
    R.Top = float(R.Top + (H - S) / 2);
    R.Right = float(double(R.Left) + S);
    R.Bottom = float(double(R.Top) + S);
  }
  const float Radius = float(double(S) / 4);
  switch (Base) {
    case ssRectangle:
    case ssSquare:
      if (Raised) Frame3DExt(D, R, TopColor, BottomColor, Depth, false, 0, 0);
      CH::Rectangle(D, R, Opacity);
      break;
    case ssEllipse:
    case ssCircle:
      if (Raised) Frame3DEllipse(D, R, TopColor, BottomColor, Depth);
      CH::Ellipse(D, R, Opacity);
      break;
    case ssImage:
      if (Raised || !Bitmap) break;
      if (Stretch)
        CH::StretchDraw(D, R, *Bitmap, Opacity);
      else
        CH::Draw(D, R.Left, R.Top, *Bitmap, Opacity);
      break;
    case ssRoundRect:
    case ssRoundSquare:
      if (Raised) Frame3DExt(D, R, TopColor, BottomColor, Depth, true, Radius, Radius);
      CH::RoundRect(D, R, Radius, Radius, Opacity);
      break;
    default: break;
  }
  return R;
}

}  // namespace

void CopyCanvasState(TCanvas& Target, const TCanvas& Source) {
  Target.Fill().Assign(Source.Fill());
  Target.Stroke().Assign(Source.Stroke());
  Target.Font().Assign(Source.Font());
  Target.SetMatrix(Source.Matrix());
  Target.SetStrokeThickness(Source.GetStrokeThickness());
  Target.SetStrokeCap(Source.Stroke().Cap());
  Target.SetStrokeJoin(Source.Stroke().Join());
  Target.SetStrokeDash(Source.Stroke().Dash());
}

TRectF DrawShape(TCanvas& Canvas, const TRectF& Rect, TVXShapeType ShapeType, TVXShapeOrientation ShapeOrientation,
                 bool Is3D, float Depth) {
  TRectF R = Rect;
  const TBevelColors Colors = BevelColors(ShapeOrientation);
  switch (ShapeType) {
    case sRect:
      if (Is3D) Frame3DExt(Canvas, R, Colors.FrameTop, Colors.FrameBottom, Depth, false, 0, 0);
      CH::FillRect(Canvas, R, 1);
      break;
    case sCircle:
      // The two halves of the bevel are exactly the ellipse frame's.
      if (Is3D) Frame3DEllipse(Canvas, R, Colors.FirstHalf, Colors.SecondHalf, Depth);
      CH::Ellipse(Canvas, R, 1);
      break;
    case sIsoscelesTriangle:
    case sRightTriangle:
      if (Is3D) {
        if (ShapeType == sIsoscelesTriangle) {
          CH::TVXCanvasStateGuard Guard(Canvas);
          Canvas.Stroke().SetKind(TBrushKind::None);
          DrawTriangleBevel(Canvas, R, ShapeOrientation);
        }
        VXInflateRect(R, -Depth, -Depth);
      }
      DrawPolygon(Canvas, TypeTriangle(R, ShapeType, ShapeOrientation), 1);
      break;
    default: break;
  }
  return R;
}

TRectF DrawShape(TCanvas& Canvas, const TRectF& Rect, const TBitmap* Bitmap, TVXShapeStyle ShapeStyle, bool Stretch,
                 TAlphaColor TopColor, TAlphaColor BottomColor, float Depth, float Opacity) {
  TRectF R = FixRect(Rect);
  if (ShapeStyle > ss3DRoundSquare) return R;
  std::optional<Detail::TOffscreenLayer> Layer;
  if (Opacity < 1 && ShapeStyles3D.Contains(ShapeStyle)) {
    // The frames stroke one-unit lines; the bodies use the caller's stroke.
    Layer.emplace(Canvas, R, Detail::StrokeReach(Canvas), Opacity);
    Opacity = 1;
  }
  TCanvas& D = Layer ? Layer->Canvas() : Canvas;
  if (IsPolygonStyle(ShapeStyle))
    DrawPolygonStyle(D, R, ShapeStyle, TopColor, BottomColor, Depth, Opacity);
  else
    R = DrawBoxStyle(D, R, Bitmap, ShapeStyle, Stretch, TopColor, BottomColor, Depth, Opacity);
  if (Layer) Layer->Finish();
  return R;
}

}  // namespace FMX::VX::Graphics
