#include "platform/CairoCanvas.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/CairoText_p.h"
#include "platform/Math.h"
#include "platform/PathData.h"

namespace FMX {

namespace {

// Control-point distance of a cubic quarter circle of radius 1.
constexpr double Kappa = 0.55228474983079339840;

double Channel(TAlphaColor C, int Shift) { return double((C >> Shift) & 0xFF) / 255.0; }

bool Finite(const TRectF& R) {
  return std::isfinite(R.Left) && std::isfinite(R.Top) && std::isfinite(R.Right) && std::isfinite(R.Bottom);
}

bool Finite(const TPointF& P) { return std::isfinite(P.X) && std::isfinite(P.Y); }

struct TBox {
  double L, T, R, B;
};

TBox Normalised(const TRectF& Rect) {
  return {std::min<double>(Rect.Left, Rect.Right), std::min<double>(Rect.Top, Rect.Bottom),
          std::max<double>(Rect.Left, Rect.Right), std::max<double>(Rect.Top, Rect.Bottom)};
}

// Whether Box, under the context's current matrix, stays within the device
// range Cairo rasterises. Curves far beyond it come out wrong or bring
// Cairo down, so such shapes are not painted.
bool InCairoRange(cairo_t* Cr, const TBox& Box) {
  constexpr double Limit = 1073741824.0;  // 2^30 device units
  for (double X : {Box.L, Box.R})
    for (double Y : {Box.T, Box.B}) {
      double DX = X, DY = Y;
      cairo_user_to_device(Cr, &DX, &DY);
      if (!(std::fabs(DX) <= Limit && std::fabs(DY) <= Limit)) return false;
    }
  return true;
}

// Rectangle path, clockwise on screen from the top edge; see TCanvas::FillRect.
void AddRectPath(cairo_t* Cr, const TBox& Box, float XRadius, float YRadius, TCorners Corners, TCornerType Type) {
  const double W = Box.R - Box.L, H = Box.B - Box.T;
  const double RX = std::min<double>(std::fabs(XRadius), W / 2), RY = std::min<double>(std::fabs(YRadius), H / 2);
  if (!(RX > 0) || !(RY > 0) || Corners.Empty()) {
    cairo_rectangle(Cr, Box.L, Box.T, W, H);
    return;
  }
  struct TCornerInfo {
    TCorner Corner;
    double PX, PY;      // the corner
    double InX, InY;    // direction of the edge arriving at it
    double OutX, OutY;  // direction of the edge leaving it
  };
  const TCornerInfo Info[4] = {
      {TCorner::TopRight, Box.R, Box.T, 1, 0, 0, 1},
      {TCorner::BottomRight, Box.R, Box.B, 0, 1, -1, 0},
      {TCorner::BottomLeft, Box.L, Box.B, -1, 0, 0, -1},
      {TCorner::TopLeft, Box.L, Box.T, 0, -1, 1, 0},
  };
  cairo_move_to(Cr, Box.L + (Corners.Contains(TCorner::TopLeft) ? RX : 0), Box.T);
  for (const TCornerInfo& C : Info) {
    if (!Corners.Contains(C.Corner)) {
      cairo_line_to(Cr, C.PX, C.PY);
      continue;
    }
    // Radius along the arriving and the leaving edge.
    const double RIn = C.InX != 0 ? RX : RY, ROut = C.OutX != 0 ? RX : RY;
    const double AX = C.PX - C.InX * RIn, AY = C.PY - C.InY * RIn;
    const double BX = C.PX + C.OutX * ROut, BY = C.PY + C.OutY * ROut;
    cairo_line_to(Cr, AX, AY);
    switch (Type) {
      case TCornerType::Round:
        cairo_curve_to(Cr, AX + C.InX * Kappa * RIn, AY + C.InY * Kappa * RIn, BX - C.OutX * Kappa * ROut,
                       BY - C.OutY * Kappa * ROut, BX, BY);
        break;
      case TCornerType::Bevel:
        cairo_line_to(Cr, BX, BY);
        break;
      case TCornerType::InnerRound:  // quarter ellipse around the corner point
        cairo_curve_to(Cr, AX + C.OutX * Kappa * ROut, AY + C.OutY * Kappa * ROut, BX - C.InX * Kappa * RIn,
                       BY - C.InY * Kappa * RIn, BX, BY);
        break;
      case TCornerType::InnerLine:  // square notch
        cairo_line_to(Cr, AX + C.OutX * ROut, AY + C.OutY * ROut);
        cairo_line_to(Cr, BX, BY);
        break;
    }
  }
  cairo_close_path(Cr);
}

void AddEllipsePath(cairo_t* Cr, const TBox& Box) {
  const double CX = (Box.L + Box.R) / 2, CY = (Box.T + Box.B) / 2;
  const double RX = (Box.R - Box.L) / 2, RY = (Box.B - Box.T) / 2;
  const double KX = Kappa * RX, KY = Kappa * RY;
  cairo_move_to(Cr, CX + RX, CY);
  cairo_curve_to(Cr, CX + RX, CY + KY, CX + KX, CY + RY, CX, CY + RY);
  cairo_curve_to(Cr, CX - KX, CY + RY, CX - RX, CY + KY, CX - RX, CY);
  cairo_curve_to(Cr, CX - RX, CY - KY, CX - KX, CY - RY, CX, CY - RY);
  cairo_curve_to(Cr, CX + KX, CY - RY, CX + RX, CY - KY, CX + RX, CY);
  cairo_close_path(Cr);
}

// Elliptical arc in cubic pieces of at most a quarter turn.
void AddArcPath(cairo_t* Cr, double CX, double CY, double RX, double RY, double Start, double Sweep) {
  const int Pieces = std::max(1, int(std::ceil(std::fabs(Sweep) / 90 - 1e-9)));
  const double Step = Sweep / Pieces * (Pi / 180);
  const double H = 4.0 / 3.0 * std::tan(Step / 4);
  double A = Start * (Pi / 180);
  double C = std::cos(A), S = std::sin(A);
  cairo_move_to(Cr, CX + RX * C, CY + RY * S);
  for (int I = 0; I < Pieces; ++I) {
    const double B = A + Step;
    const double C2 = std::cos(B), S2 = std::sin(B);
    cairo_curve_to(Cr, CX + RX * (C - H * S), CY + RY * (S + H * C), CX + RX * (C2 + H * S2),
                   CY + RY * (S2 - H * C2), CX + RX * C2, CY + RY * S2);
    A = B;
    C = C2;
    S = S2;
  }
}

// False (and nothing built) when the path holds a non-finite coordinate.
bool AddPathData(cairo_t* Cr, const TPathData& Path) {
  for (const TPathPoint& P : Path.Points())
    if (!Finite(P.Point)) return false;
  bool HasCurrent = false;
  for (const TPathSegment& S : Path.Segments()) {
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        cairo_move_to(Cr, S.Pt(0).X, S.Pt(0).Y);
        HasCurrent = true;
        break;
      case TPathPointKind::LineTo:
        if (!HasCurrent) cairo_move_to(Cr, S.Start.X, S.Start.Y);
        cairo_line_to(Cr, S.Pt(0).X, S.Pt(0).Y);
        HasCurrent = true;
        break;
      case TPathPointKind::CurveTo:
        if (!S.IsCompleteCurve()) break;
        if (!HasCurrent) cairo_move_to(Cr, S.Start.X, S.Start.Y);
        cairo_curve_to(Cr, S.Pt(0).X, S.Pt(0).Y, S.Pt(1).X, S.Pt(1).Y, S.Pt(2).X, S.Pt(2).Y);
        HasCurrent = true;
        break;
      case TPathPointKind::Close:
        if (HasCurrent) cairo_close_path(Cr);
        break;
    }
  }
  return true;
}

}  // namespace

TCairoCanvas::TCairoCanvas(cairo_t* Context, std::int32_t Width, std::int32_t Height) : TCanvas(Width, Height) {
  Retarget(Context, Width, Height);
}

TCairoCanvas::TCairoCanvas(cairo_surface_t* Surface, std::int32_t Width, std::int32_t Height)
    : TCanvas(Width, Height) {
  cairo_t* Cr = Surface ? cairo_create(Surface) : nullptr;
  Retarget(Cr, Width, Height);
  if (Cr) cairo_destroy(Cr);
}

TCairoCanvas::~TCairoCanvas() {
  if (FCr) cairo_destroy(FCr);
}

void TCairoCanvas::Retarget(cairo_t* Context, std::int32_t Width, std::int32_t Height) {
  if (Context) cairo_reference(Context);
  if (FCr) cairo_destroy(FCr);
  FCr = Context;
  SetSize(Width, Height);
  ResetClipDepth();
  if (FCr) {
    cairo_matrix_t M;
    cairo_get_matrix(FCr, &M);
    FBase[0] = M.xx;
    FBase[1] = M.yx;
    FBase[2] = M.xy;
    FBase[3] = M.yy;
    FBase[4] = M.x0;
    FBase[5] = M.y0;
  }
  InvalidateContextState();
}

void TCairoCanvas::InvalidateContextState() {
  FMatrixDirty = true;
  FSourceKnown = false;
  FLineKnown = false;
  if (FCr) cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_EVEN_ODD);
}

TCairoText& TCairoCanvas::Text() const {
  if (!FText) FText = std::make_unique<TCairoText>();
  return *FText;
}

// --- State ----------------------------------------------------------------

bool TCairoCanvas::PrepareMatrix() {
  if (FMatrixDirty) {
    const TMatrix& M = Matrix();
    cairo_matrix_t User, Base, Total;
    cairo_matrix_init(&User, M.m11, M.m12, M.m21, M.m22, M.m31, M.m32);
    cairo_matrix_init(&Base, FBase[0], FBase[1], FBase[2], FBase[3], FBase[4], FBase[5]);
    cairo_matrix_multiply(&Total, &User, &Base);  // the canvas matrix first, then the context's own
    const double Det = Total.xx * Total.yy - Total.yx * Total.xy;
    FMatrixUsable = std::isfinite(Det) && Det != 0 && std::isfinite(Total.x0) && std::isfinite(Total.y0);
    if (FMatrixUsable) cairo_set_matrix(FCr, &Total);
    FMatrixDirty = false;
  }
  return FMatrixUsable;
}

bool TCairoCanvas::PrepareFill(float Opacity, double& Alpha) {
  if (!FCr || !(Opacity > 0) || Fill().Kind() == TBrushKind::None) return false;
  Alpha = Opacity < 1 ? double(Opacity) : 1.0;
  return PrepareMatrix();
}

bool TCairoCanvas::PrepareStroke(float Opacity, double& Alpha) {
  if (!FCr || !(Opacity > 0) || Stroke().Kind() == TBrushKind::None) return false;
  const float T = Stroke().Thickness();
  if (!(T > 0) || !std::isfinite(T)) return false;
  Alpha = Opacity < 1 ? double(Opacity) : 1.0;
  if (!PrepareMatrix()) return false;
  ApplyLineStyle();
  return true;
}

void TCairoCanvas::SetSolidSource(TAlphaColor Color, double Alpha) {
  if (FSourceKnown && Color == FSourceColor && Alpha == FSourceAlpha) return;
  cairo_set_source_rgba(FCr, Channel(Color, 16), Channel(Color, 8), Channel(Color, 0), Channel(Color, 24) * Alpha);
  FSourceKnown = true;
  FSourceColor = Color;
  FSourceAlpha = Alpha;
}

bool TCairoCanvas::SetBrushSource(const TBrush& Brush, double Alpha, double X0, double Y0, double X1, double Y1) {
  if (Brush.Kind() == TBrushKind::Solid) {
    SetSolidSource(Brush.Color(), Alpha);
    return true;
  }
  const TGradient& G = Brush.Gradient();
  const auto Points = G.Points();
  if (Points.empty()) return false;
  // The stop painted where the gradient has no extent: the one with the
  // highest offset (the last of them when several share it).
  const auto LastStop = [&] {
    std::size_t Best = 0;
    for (std::size_t I = 1; I < Points.size(); ++I)
      if (!(Points[I].Offset < Points[Best].Offset)) Best = I;
    return Points[Best].Color;
  };
  if (Points.size() == 1) {
    SetSolidSource(Points[0].Color, Alpha);
    return true;
  }
  const double L = std::min(X0, X1), T = std::min(Y0, Y1), W = std::fabs(X1 - X0), H = std::fabs(Y1 - Y0);
  cairo_pattern_t* Pattern = nullptr;
  if (G.Style() == TGradientStyle::Linear) {
    const double SX = L + G.StartPosition().X * W, SY = T + G.StartPosition().Y * H;
    const double EX = L + G.StopPosition().X * W, EY = T + G.StopPosition().Y * H;
    if (!std::isfinite(SX) || !std::isfinite(SY) || !std::isfinite(EX) || !std::isfinite(EY) ||
        (SX == EX && SY == EY)) {
      SetSolidSource(LastStop(), Alpha);
      return true;
    }
    Pattern = cairo_pattern_create_linear(SX, SY, EX, EY);
  } else {
    const double CX = L + G.RadialCenter().X * W, CY = T + G.RadialCenter().Y * H;
    const double RX = W / 2, RY = H / 2;
    if (!std::isfinite(CX) || !std::isfinite(CY) || !(RX > 0) || !(RY > 0)) {
      SetSolidSource(LastStop(), Alpha);
      return true;
    }
    // Pattern space: the unit circle around the origin.
    Pattern = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_matrix_t M;
    cairo_matrix_init(&M, 1 / RX, 0, 0, 1 / RY, -CX / RX, -CY / RY);
    cairo_pattern_set_matrix(Pattern, &M);
  }
  for (const TGradientPoint& P : Points) {
    const double Offset = std::isnan(P.Offset) ? 0.0 : std::clamp<double>(P.Offset, 0, 1);
    cairo_pattern_add_color_stop_rgba(Pattern, Offset, Channel(P.Color, 16), Channel(P.Color, 8),
                                      Channel(P.Color, 0), Channel(P.Color, 24) * Alpha);
  }
  cairo_pattern_set_extend(Pattern, CAIRO_EXTEND_PAD);
  cairo_set_source(FCr, Pattern);
  cairo_pattern_destroy(Pattern);
  FSourceKnown = false;
  return true;
}

void TCairoCanvas::ApplyLineStyle() {
  const TStrokeBrush& S = Stroke();
  const float T = S.Thickness();
  if (!FLineKnown || T != FLineThickness) {
    cairo_set_line_width(FCr, T);
    FLineThickness = T;
  }
  if (!FLineKnown || S.Cap() != FLineCap) {
    cairo_set_line_cap(FCr, S.Cap() == TStrokeCap::Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    FLineCap = S.Cap();
  }
  if (!FLineKnown || S.Join() != FLineJoin) {
    cairo_line_join_t J = CAIRO_LINE_JOIN_MITER;
    if (S.Join() == TStrokeJoin::Round) J = CAIRO_LINE_JOIN_ROUND;
    if (S.Join() == TStrokeJoin::Bevel) J = CAIRO_LINE_JOIN_BEVEL;
    cairo_set_line_join(FCr, J);
    FLineJoin = S.Join();
  }
  const TStrokeDash D = S.Dash();
  if (!FLineKnown || D != FLineDash || D == TStrokeDash::Custom || (D != TStrokeDash::Solid && T != FLineDashThickness)) {
    static constexpr double DashPattern[] = {3, 1};
    static constexpr double DotPattern[] = {1, 1};
    static constexpr double DashDotPattern[] = {3, 1, 1, 1};
    static constexpr double DashDotDotPattern[] = {3, 1, 1, 1, 1, 1};
    std::span<const double> Unit;
    std::array<double, 16> Small;
    std::vector<double> Large;
    double Offset = 0;
    switch (D) {
      case TStrokeDash::Solid: break;
      case TStrokeDash::Dash: Unit = DashPattern; break;
      case TStrokeDash::Dot: Unit = DotPattern; break;
      case TStrokeDash::DashDot: Unit = DashDotPattern; break;
      case TStrokeDash::DashDotDot: Unit = DashDotDotPattern; break;
      case TStrokeDash::Custom: {
        const auto Array = S.DashArray();
        double Sum = 0;
        bool Valid = !Array.empty() && std::isfinite(S.DashOffset());
        for (const float V : Array) {
          Valid = Valid && std::isfinite(V) && V >= 0;
          Sum += V;
        }
        if (!Valid || !(Sum > 0) || !std::isfinite(Sum)) break;
        double* Out = Small.data();
        if (Array.size() > Small.size()) {
          Large.resize(Array.size());
          Out = Large.data();
        }
        for (std::size_t I = 0; I < Array.size(); ++I) Out[I] = Array[I];
        Unit = {Out, Array.size()};
        Offset = S.DashOffset();
        break;
      }
    }
    if (Unit.empty()) {
      cairo_set_dash(FCr, nullptr, 0, 0);
    } else {
      std::array<double, 16> ScaledSmall;
      std::vector<double> ScaledLarge;
      double* Scaled = ScaledSmall.data();
      if (Unit.size() > ScaledSmall.size()) {
        ScaledLarge.resize(Unit.size());
        Scaled = ScaledLarge.data();
      }
      for (std::size_t I = 0; I < Unit.size(); ++I) Scaled[I] = Unit[I] * T;
      cairo_set_dash(FCr, Scaled, int(Unit.size()), Offset * T);
    }
    FLineDash = D;
    FLineDashThickness = T;
  }
  FLineKnown = true;
}

void TCairoCanvas::FillCurrentPath(double Alpha, double X0, double Y0, double X1, double Y1) {
  if (SetBrushSource(Fill(), Alpha, X0, Y0, X1, Y1))
    cairo_fill(FCr);
  else
    cairo_new_path(FCr);
}

void TCairoCanvas::StrokeCurrentPath(double Alpha, double X0, double Y0, double X1, double Y1) {
  if (SetBrushSource(Stroke(), Alpha, X0, Y0, X1, Y1))
    cairo_stroke(FCr);
  else
    cairo_new_path(FCr);
}

void TCairoCanvas::FillCurrentPath(double Alpha) {
  double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  if (Fill().Kind() == TBrushKind::Gradient) cairo_path_extents(FCr, &X0, &Y0, &X1, &Y1);
  FillCurrentPath(Alpha, X0, Y0, X1, Y1);
}

void TCairoCanvas::StrokeCurrentPath(double Alpha) {
  double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  if (Stroke().Kind() == TBrushKind::Gradient) cairo_path_extents(FCr, &X0, &Y0, &X1, &Y1);
  StrokeCurrentPath(Alpha, X0, Y0, X1, Y1);
}

// --- Scenes and clip --------------------------------------------------------

bool TCairoCanvas::DoBeginScene() { return FCr != nullptr; }

void TCairoCanvas::DoEndScene() {
  if (FCr) cairo_surface_flush(cairo_get_target(FCr));
}

void TCairoCanvas::DoSetMatrix() { FMatrixDirty = true; }

void TCairoCanvas::DoIntersectClipRect(const TRectF& Rect) {
  if (!FCr) return;
  cairo_new_path(FCr);
  if (PrepareMatrix() && Finite(Rect)) {
    const TBox B = Normalised(Rect);
    cairo_rectangle(FCr, B.L, B.T, B.R - B.L, B.B - B.T);
  } else {
    // An empty rectangle is empty in any user space.
    cairo_rectangle(FCr, 0, 0, 0, 0);
  }
  cairo_clip(FCr);
}

void TCairoCanvas::DoPushClip() {
  if (FCr) cairo_save(FCr);
}

void TCairoCanvas::DoPopClip() {
  if (!FCr) return;
  cairo_restore(FCr);
  // The restore also brought back the source, line style and matrix of the
  // push; what was set since is gone.
  InvalidateContextState();
}

// --- Drawing ----------------------------------------------------------------

void TCairoCanvas::DoClear(TAlphaColor Color) {
  if (!FCr) return;
  cairo_save(FCr);
  cairo_set_operator(FCr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgba(FCr, Channel(Color, 16), Channel(Color, 8), Channel(Color, 0), Channel(Color, 24));
  cairo_paint(FCr);
  cairo_restore(FCr);
}

void TCairoCanvas::DoFillRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                              TCornerType CornerType) {
  double Alpha;
  if (!Finite(Rect) || !PrepareFill(Opacity, Alpha)) return;
  const TBox B = Normalised(Rect);
  AddRectPath(FCr, B, XRadius, YRadius, Corners, CornerType);
  FillCurrentPath(Alpha, B.L, B.T, B.R, B.B);
}

void TCairoCanvas::DoDrawRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                              TCornerType CornerType) {
  double Alpha;
  if (!Finite(Rect) || !PrepareStroke(Opacity, Alpha)) return;
  const TBox B = Normalised(Rect);
  AddRectPath(FCr, B, XRadius, YRadius, Corners, CornerType);
  StrokeCurrentPath(Alpha, B.L, B.T, B.R, B.B);
}

void TCairoCanvas::DoFillEllipse(const TRectF& Rect, float Opacity) {
  double Alpha;
  if (!Finite(Rect) || !PrepareFill(Opacity, Alpha)) return;
  const TBox B = Normalised(Rect);
  if (!InCairoRange(FCr, B)) return;
  AddEllipsePath(FCr, B);
  FillCurrentPath(Alpha, B.L, B.T, B.R, B.B);
}

void TCairoCanvas::DoDrawEllipse(const TRectF& Rect, float Opacity) {
  double Alpha;
  if (!Finite(Rect) || !PrepareStroke(Opacity, Alpha)) return;
  const TBox B = Normalised(Rect);
  if (!InCairoRange(FCr, B)) return;
  AddEllipsePath(FCr, B);
  StrokeCurrentPath(Alpha, B.L, B.T, B.R, B.B);
}

void TCairoCanvas::DoDrawLine(const TPointF& P1, const TPointF& P2, float Opacity) {
  double Alpha;
  if (!Finite(P1) || !Finite(P2) || !PrepareStroke(Opacity, Alpha)) return;
  cairo_move_to(FCr, P1.X, P1.Y);
  cairo_line_to(FCr, P2.X, P2.Y);
  StrokeCurrentPath(Alpha, P1.X, P1.Y, P2.X, P2.Y);
}

void TCairoCanvas::DoDrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle,
                             float Opacity) {
  double Alpha;
  if (!Finite(Center) || !Finite(Radius) || !std::isfinite(StartAngle) || !std::isfinite(SweepAngle) ||
      SweepAngle == 0 || !PrepareStroke(Opacity, Alpha))
    return;
  const double Sweep = std::clamp<double>(SweepAngle, -360, 360);
  AddArcPath(FCr, Center.X, Center.Y, Radius.X, Radius.Y, StartAngle, Sweep);
  StrokeCurrentPath(Alpha, double(Center.X) - std::fabs(Radius.X), double(Center.Y) - std::fabs(Radius.Y),
                    double(Center.X) + std::fabs(Radius.X), double(Center.Y) + std::fabs(Radius.Y));
}

void TCairoCanvas::DoFillPath(const TPathData& Path, float Opacity) {
  double Alpha;
  if (Path.IsEmpty() || !PrepareFill(Opacity, Alpha)) return;
  if (AddPathData(FCr, Path))
    FillCurrentPath(Alpha);
  else
    cairo_new_path(FCr);
}

void TCairoCanvas::DoDrawPath(const TPathData& Path, float Opacity) {
  double Alpha;
  if (Path.IsEmpty() || !PrepareStroke(Opacity, Alpha)) return;
  if (AddPathData(FCr, Path))
    StrokeCurrentPath(Alpha);
  else
    cairo_new_path(FCr);
}

void TCairoCanvas::DoDrawPolygon(std::span<const TPointF> Points, float Opacity) {
  double Alpha;
  if (Points.size() < 2 || !PrepareStroke(Opacity, Alpha)) return;
  std::size_t I = 0;
  while (I < Points.size()) {
    // One run of finite points.
    while (I < Points.size() && !Finite(Points[I])) ++I;
    const std::size_t First = I;
    while (I < Points.size() && Finite(Points[I])) ++I;
    const std::size_t Count = I - First;
    if (Count < 2) continue;
    cairo_move_to(FCr, Points[First].X, Points[First].Y);
    for (std::size_t K = First + 1; K < I; ++K) cairo_line_to(FCr, Points[K].X, Points[K].Y);
    if (Count >= 3 && Points[I - 1] == Points[First]) cairo_close_path(FCr);
  }
  StrokeCurrentPath(Alpha);
}

void TCairoCanvas::DoFillText(const TRectF& Rect, std::string_view Text, bool WordWrap, float Opacity,
                              TFillTextFlags Flags, TTextAlign HTextAlign, TTextAlign VTextAlign) {
  double Alpha;
  if (Text.empty() || !Finite(Rect) || !PrepareFill(Opacity, Alpha)) return;
  TCairoText& T = this->Text();
  if (!T.SetFont(Font())) return;
  double X, Y;
  T.Layout(Rect, Text, WordWrap, Flags.Contains(TFillTextFlag::RightToLeft), HTextAlign, VTextAlign, X, Y);
  const TBox B = Normalised(Rect);
  if (!SetBrushSource(Fill(), Alpha, B.L, B.T, B.R, B.B)) return;
  cairo_new_path(FCr);
  cairo_move_to(FCr, X, Y);
  pango_cairo_show_layout(FCr, T.Handle());
  cairo_new_path(FCr);
}

TSizeF TCairoCanvas::DoMeasureText(std::string_view Text) const {
  TCairoText& T = this->Text();
  if (!T.SetFont(Font())) return {};
  return T.Measure(Text);
}

void TCairoCanvas::DoDrawBitmap(const TBitmap& Bitmap, const TRectF& Source, const TRectF& Dest, float Opacity,
                                bool HighSpeed) {
  if (!FCr || Bitmap.IsEmpty() || !(Opacity > 0) || !Finite(Source) || !Finite(Dest) || !PrepareMatrix()) return;
  const TBox S = Normalised(Source), D = Normalised(Dest);
  const double SW = S.R - S.L, SH = S.B - S.T, DW = D.R - D.L, DH = D.B - D.T;
  if (!(SW > 0) || !(SH > 0) || !(DW > 0) || !(DH > 0)) return;

  cairo_surface_t* Pixels = Bitmap.Surface();
  cairo_surface_t* Copy = nullptr;
  if (Pixels == cairo_get_target(FCr)) {
    // Drawing a bitmap onto itself: read from a snapshot.
    Copy = cairo_surface_create_similar_image(Pixels, CAIRO_FORMAT_ARGB32, Bitmap.Width(), Bitmap.Height());
    cairo_t* C = cairo_create(Copy);
    cairo_set_source_surface(C, Pixels, 0, 0);
    cairo_set_operator(C, CAIRO_OPERATOR_SOURCE);
    cairo_paint(C);
    cairo_destroy(C);
    Pixels = Copy;
  }
  // A source of whole pixels inside the bitmap is cut out, so that smooth
  // scaling does not bleed in the pixels around it.
  double OX = S.L, OY = S.T;
  cairo_surface_t* Part = nullptr;
  const bool WholePixels = S.L == std::floor(S.L) && S.T == std::floor(S.T) && S.R == std::floor(S.R) &&
                           S.B == std::floor(S.B);
  if (WholePixels && S.L >= 0 && S.T >= 0 && S.R <= Bitmap.Width() && S.B <= Bitmap.Height() &&
      (S.L > 0 || S.T > 0 || S.R < Bitmap.Width() || S.B < Bitmap.Height())) {
    Part = cairo_surface_create_for_rectangle(Pixels, S.L, S.T, SW, SH);
    Pixels = Part;
    OX = OY = 0;
  }
  cairo_save(FCr);
  cairo_new_path(FCr);
  cairo_rectangle(FCr, D.L, D.T, DW, DH);
  cairo_clip(FCr);
  cairo_pattern_t* Pattern = cairo_pattern_create_for_surface(Pixels);
  // Pattern space is the source's pixels: user (D.L, D.T) maps to (OX, OY).
  cairo_matrix_t M;
  cairo_matrix_init(&M, SW / DW, 0, 0, SH / DH, OX - D.L * (SW / DW), OY - D.T * (SH / DH));
  cairo_pattern_set_matrix(Pattern, &M);
  cairo_pattern_set_filter(Pattern, HighSpeed ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(Pattern, CAIRO_EXTEND_PAD);
  cairo_set_source(FCr, Pattern);
  cairo_pattern_destroy(Pattern);
  cairo_paint_with_alpha(FCr, Opacity < 1 ? double(Opacity) : 1.0);
  // The restore brings back the source and clip this canvas had set.
  cairo_restore(FCr);
  if (Part) cairo_surface_destroy(Part);
  if (Copy) cairo_surface_destroy(Copy);
}

}  // namespace FMX
