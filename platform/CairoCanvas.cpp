#include "platform/CairoCanvas.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/CairoGeometry_p.h"
#include "platform/CairoText_p.h"
#include "platform/Math.h"
#include "platform/PathData.h"

namespace FMX {

namespace {

// Dash periods below this many device pixels are drawn solid.
constexpr double MinDashPeriod = 0.5;

using CairoGeometry::TPt;
using CairoGeometry::TSink;

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

// Rectangle path, clockwise on screen from the top edge; see TCanvas::FillRect.
void AddRectPath(TSink& Cr, const TBox& Box, float XRadius, float YRadius, TCorners Corners, TCornerType Type) {
  const double W = Box.R - Box.L, H = Box.B - Box.T;
  const double RX = std::min<double>(std::fabs(XRadius), W / 2), RY = std::min<double>(std::fabs(YRadius), H / 2);
  if (!(RX > 0) || !(RY > 0) || Corners.Empty()) {
    Cr.MoveTo({Box.L, Box.T});
    Cr.LineTo({Box.R, Box.T});
    Cr.LineTo({Box.R, Box.B});
    Cr.LineTo({Box.L, Box.B});
    Cr.Close();
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
  Cr.MoveTo({Box.L + (Corners.Contains(TCorner::TopLeft) ? RX : 0), Box.T});
  for (const TCornerInfo& C : Info) {
    if (!Corners.Contains(C.Corner)) {
      Cr.LineTo({C.PX, C.PY});
      continue;
    }
    // Radius along the arriving and the leaving edge.
    const double RIn = C.InX != 0 ? RX : RY, ROut = C.OutX != 0 ? RX : RY;
    const double AX = C.PX - C.InX * RIn, AY = C.PY - C.InY * RIn;
    const double BX = C.PX + C.OutX * ROut, BY = C.PY + C.OutY * ROut;
    Cr.LineTo({AX, AY});
    switch (Type) {
      case TCornerType::Round:
        Cr.CurveTo({AX + C.InX * Kappa * RIn, AY + C.InY * Kappa * RIn}, {BX - C.OutX * Kappa * ROut, BY - C.OutY * Kappa * ROut}, {BX, BY});
        break;
      case TCornerType::Bevel:
        Cr.LineTo({BX, BY});
        break;
      case TCornerType::InnerRound:  // quarter ellipse around the corner point
        Cr.CurveTo({AX + C.OutX * Kappa * ROut, AY + C.OutY * Kappa * ROut}, {BX - C.InX * Kappa * RIn, BY - C.InY * Kappa * RIn}, {BX, BY});
        break;
      case TCornerType::InnerLine:  // square notch
        Cr.LineTo({AX + C.OutX * ROut, AY + C.OutY * ROut});
        Cr.LineTo({BX, BY});
        break;
    }
  }
  Cr.Close();
}

void AddEllipsePath(TSink& Cr, const TBox& Box) {
  const double CX = (Box.L + Box.R) / 2, CY = (Box.T + Box.B) / 2;
  const double RX = (Box.R - Box.L) / 2, RY = (Box.B - Box.T) / 2;
  const double KX = Kappa * RX, KY = Kappa * RY;
  Cr.MoveTo({CX + RX, CY});
  Cr.CurveTo({CX + RX, CY + KY}, {CX + KX, CY + RY}, {CX, CY + RY});
  Cr.CurveTo({CX - KX, CY + RY}, {CX - RX, CY + KY}, {CX - RX, CY});
  Cr.CurveTo({CX - RX, CY - KY}, {CX - KX, CY - RY}, {CX, CY - RY});
  Cr.CurveTo({CX + KX, CY - RY}, {CX + RX, CY - KY}, {CX + RX, CY});
  Cr.Close();
}

// Elliptical arc in cubic pieces of at most a quarter turn.
void AddArcPath(TSink& Cr, double CX, double CY, double RX, double RY, double Start, double Sweep) {
  const int Pieces = std::max(1, int(std::ceil(std::fabs(Sweep) / 90 - 1e-9)));
  const double Step = Sweep / Pieces * (Pi / 180);
  const double H = 4.0 / 3.0 * std::tan(Step / 4);
  double A = Start * (Pi / 180);
  double C = std::cos(A), S = std::sin(A);
  Cr.MoveTo({CX + RX * C, CY + RY * S});
  for (int I = 0; I < Pieces; ++I) {
    const double B = A + Step;
    const double C2 = std::cos(B), S2 = std::sin(B);
    Cr.CurveTo({CX + RX * (C - H * S), CY + RY * (S + H * C)}, {CX + RX * (C2 + H * S2), CY + RY * (S2 - H * C2)}, {CX + RX * C2, CY + RY * S2});
    A = B;
    C = C2;
    S = S2;
  }
}

// False (and nothing built) when the path holds a non-finite coordinate.
bool AddPathData(TSink& Cr, const TPathData& Path) {
  for (const TPathPoint& P : Path.Points())
    if (!Finite(P.Point)) return false;
  bool HasCurrent = false;
  for (const TPathSegment& S : Path.Segments()) {
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        Cr.MoveTo({S.Pt(0).X, S.Pt(0).Y});
        HasCurrent = true;
        break;
      case TPathPointKind::LineTo:
        if (!HasCurrent) Cr.MoveTo({S.Start.X, S.Start.Y});
        Cr.LineTo({S.Pt(0).X, S.Pt(0).Y});
        HasCurrent = true;
        break;
      case TPathPointKind::CurveTo:
        if (!S.IsCompleteCurve()) break;
        if (!HasCurrent) Cr.MoveTo({S.Start.X, S.Start.Y});
        Cr.CurveTo({S.Pt(0).X, S.Pt(0).Y}, {S.Pt(1).X, S.Pt(1).Y}, {S.Pt(2).X, S.Pt(2).Y});
        HasCurrent = true;
        break;
      case TPathPointKind::Close:
        if (HasCurrent) Cr.Close();
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
    FTotal[0] = Total.xx, FTotal[1] = Total.yx, FTotal[2] = Total.xy;
    FTotal[3] = Total.yy, FTotal[4] = Total.x0, FTotal[5] = Total.y0;
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

namespace {

// Cairo and pixman carry the map from device pixels to a gradient's pattern
// space, and the pattern coordinates of every pixel, in 16.16 fixed point.
// Past that range Cairo either paints nothing or fails for good ("out of
// memory") and refuses all later drawing. Checks the user-to-pattern matrix
// `ToPattern` under the context's matrix; (AlongX, AlongY) is the pattern
// point at the middle of the visible area.
bool PatternFits(cairo_t* Cr, const cairo_matrix_t& ToPattern, double& AlongX, double& AlongY) {
  static constexpr double Limit = 1 << 14;
  AlongX = AlongY = std::numeric_limits<double>::quiet_NaN();
  cairo_matrix_t Inverse, Map;
  cairo_get_matrix(Cr, &Inverse);
  if (cairo_matrix_invert(&Inverse) != CAIRO_STATUS_SUCCESS) return false;
  cairo_matrix_multiply(&Map, &Inverse, &ToPattern);  // device to user, then user to pattern
  const CairoGeometry::TBox Visible = CairoGeometry::VisibleBox(Cr);
  AlongX = (Visible.L + Visible.R) / 2, AlongY = (Visible.T + Visible.B) / 2;
  cairo_matrix_transform_point(&Map, &AlongX, &AlongY);
  cairo_matrix_t Check = ToPattern;
  if (cairo_matrix_invert(&Check) != CAIRO_STATUS_SUCCESS) return false;
  for (const double V : {Map.xx, Map.yx, Map.xy, Map.yy})
    if (!(std::fabs(V) < Limit)) return false;
  for (const double X : {Visible.L, Visible.R})
    for (const double Y : {Visible.T, Visible.B}) {
      double PX = X, PY = Y;
      cairo_matrix_transform_point(&Map, &PX, &PY);
      if (!(std::fabs(PX) < Limit) || !(std::fabs(PY) < Limit)) return false;
    }
  return true;
}

}  // namespace

bool TCairoCanvas::SetBrushSource(const TBrush& Brush, double Alpha, double X0, double Y0, double X1, double Y1) {
  if (Brush.Kind() == TBrushKind::Solid) {
    SetSolidSource(Brush.Color(), Alpha);
    return true;
  }
  const TGradient& G = Brush.Gradient();
  const auto Points = G.Points();
  if (Points.empty()) return false;
  // The stop with the highest offset (the last of them when several share
  // it), painted beyond the gradient's end and where it has no extent; and
  // the one with the lowest, painted before its start.
  const auto LastStop = [&] {
    std::size_t Best = 0;
    for (std::size_t I = 1; I < Points.size(); ++I)
      if (!(Points[I].Offset < Points[Best].Offset)) Best = I;
    return Points[Best].Color;
  };
  const auto FirstStop = [&] {
    std::size_t Best = 0;
    for (std::size_t I = 1; I < Points.size(); ++I)
      if (Points[I].Offset < Points[Best].Offset) Best = I;
    return Points[Best].Color;
  };
  if (Points.size() == 1) {
    SetSolidSource(Points[0].Color, Alpha);
    return true;
  }
  const double L = std::min(X0, X1), T = std::min(Y0, Y1), W = std::fabs(X1 - X0), H = std::fabs(Y1 - Y0);
  const bool Linear = G.Style() == TGradientStyle::Linear;
  cairo_matrix_t ToPattern;
  if (Linear) {
    const double SX = L + G.StartPosition().X * W, SY = T + G.StartPosition().Y * H;
    const double EX = L + G.StopPosition().X * W, EY = T + G.StopPosition().Y * H;
    const double DX = EX - SX, DY = EY - SY, L2 = DX * DX + DY * DY;
    if (!std::isfinite(SX) || !std::isfinite(SY) || !(L2 > 0) || !std::isfinite(L2)) {
      SetSolidSource(LastStop(), Alpha);
      return true;
    }
    // Pattern space: the gradient runs from (0, 0) to (1, 0). Only the
    // distance along it matters; across it, pattern space follows the device
    // pixels at the same scale, so that no skew of the canvas matrix takes
    // the pattern coordinates out of Cairo's range.
    cairo_matrix_init(&ToPattern, DX / L2, 0, DY / L2, 0, -(SX * DX + SY * DY) / L2, 0);
    cairo_matrix_t Device, Inverse, Map;
    cairo_get_matrix(FCr, &Device);
    Inverse = Device;
    if (cairo_matrix_invert(&Inverse) == CAIRO_STATUS_SUCCESS) {
      cairo_matrix_multiply(&Map, &Inverse, &ToPattern);
      Map.yx = -Map.xy, Map.yy = Map.xx, Map.y0 = 0;
      cairo_matrix_multiply(&ToPattern, &Device, &Map);  // user to device, then device to pattern
    }
  } else {
    const double CX = L + G.RadialCenter().X * W, CY = T + G.RadialCenter().Y * H;
    const double RX = W / 2, RY = H / 2;
    if (!std::isfinite(CX) || !std::isfinite(CY) || !(RX > 0) || !(RY > 0)) {
      SetSolidSource(LastStop(), Alpha);
      return true;
    }
    // Pattern space: the unit circle around the origin.
    cairo_matrix_init(&ToPattern, 1 / RX, 0, 0, 1 / RY, -CX / RX, -CY / RY);
  }
  double AlongX, AlongY;
  if (!PatternFits(FCr, ToPattern, AlongX, AlongY)) {
    // A gradient squeezed to a sliver or lying far off the target: one
    // padded end shows, the one nearer the middle of the visible area.
    const double Along = Linear ? AlongX : std::hypot(AlongX, AlongY);
    SetSolidSource(Along < 0.5 ? FirstStop() : LastStop(), Alpha);
    return true;
  }
  cairo_pattern_t* Pattern =
      Linear ? cairo_pattern_create_linear(0, 0, 1, 0) : cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_set_matrix(Pattern, &ToPattern);
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
  // Dashes are set per stroke (each visible run has its own phase); between
  // strokes the context holds none.
  if (!FLineKnown) cairo_set_dash(FCr, nullptr, 0, 0);
  FLineKnown = true;
}

CairoGeometry::TAffine TCairoCanvas::Total() const {
  return {FTotal[0], FTotal[1], FTotal[2], FTotal[3], FTotal[4], FTotal[5]};
}

void TCairoCanvas::SetTotal() {
  cairo_matrix_t M;
  cairo_matrix_init(&M, FTotal[0], FTotal[1], FTotal[2], FTotal[3], FTotal[4], FTotal[5]);
  cairo_set_matrix(FCr, &M);
}

template <typename TBuild>
void TCairoCanvas::FillShape(double Alpha, const TGradientBox& Box, TBuild&& Build) {
  cairo_new_path(FCr);
  cairo_identity_matrix(FCr);
  CairoGeometry::TFillSink Sink(FCr, Total(), CairoGeometry::VisibleBox(FCr).Grown(2));
  Build(Sink);
  SetTotal();
  if (SetBrushSource(Fill(), Alpha, Box.X0, Box.Y0, Box.X1, Box.Y1))
    cairo_fill(FCr);
  else
    cairo_new_path(FCr);
}

template <typename TBuild>
void TCairoCanvas::StrokeShape(double Alpha, const TGradientBox& Box, TBuild&& Build) {
  using namespace CairoGeometry;
  const TStrokeBrush& S = Stroke();
  const double T = S.Thickness();
  const TAffine M = Total();
  const double Scale = M.MaxScale();
  cairo_identity_matrix(FCr);
  const CairoGeometry::TBox Visible = VisibleBox(FCr);
  SetTotal();

  // The dash pattern in canvas units.
  TDash Dash;
  static constexpr double DashPattern[] = {3, 1};
  static constexpr double DotPattern[] = {1, 1};
  static constexpr double DashDotPattern[] = {3, 1, 1, 1};
  static constexpr double DashDotDotPattern[] = {3, 1, 1, 1, 1, 1};
  std::span<const double> Unit;
  switch (S.Dash()) {
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
      for (const float V : Array) Dash.Pattern.push_back(double(V) * T);
      // An odd count repeats, as on paper: on-off-on, off-on-off.
      if (Array.size() % 2) Dash.Pattern.insert(Dash.Pattern.end(), Dash.Pattern.begin(), Dash.Pattern.end());
      Dash.Offset = double(S.DashOffset()) * T;
      break;
    }
  }
  for (const double U : Unit) Dash.Pattern.push_back(U * T);
  if (!Dash.Pattern.empty()) {
    const double Period = Dash.Period();
    if (!(Period * Scale >= MinDashPeriod) || !std::isfinite(Period)) {
      // Dashes far below a pixel: solid, as light as the dashes would be on
      // average.
      double On = 0;
      for (std::size_t I = 0; I < Dash.Pattern.size(); I += 2) On += Dash.Pattern[I];
      Alpha *= Period > 0 ? std::min(1.0, On / Period) : 1.0;
      Dash.Pattern.clear();
    }
  }

  const bool Round = S.Cap() == TStrokeCap::Round;
  const TJoinStyle Join = S.Join() == TStrokeJoin::Round   ? TJoinStyle::Round
                          : S.Join() == TStrokeJoin::Bevel ? TJoinStyle::Bevel
                                                           : TJoinStyle::Miter;
  // Cairo walks dashes in canvas units, measured from device points rounded
  // to 1/256 pixel. A transform that squeezes some direction far below a
  // pixel per unit blows that rounding up into millions of dashes, so such
  // dashes are cut here, within a budget, like those of a wide stroke.
  const bool SqueezedDashes = !Dash.Pattern.empty() && Dash.Period() * M.MinScale() < MinDashPeriod;
  if (T * Scale > Visible.Diagonal() || SqueezedDashes) {
    // Wider than the target (or squeezed dashes): the stroke's parts that
    // reach it, as fills.
    cairo_new_path(FCr);
    cairo_identity_matrix(FCr);
    TFillSink Out(FCr, M, Visible.Grown(2));
    TWideStroke Wide(Out, M, Visible.Grown(2), T / 2, Round ? TCapStyle::Round : TCapStyle::Flat, Join, Dash);
    Build(Wide);
    Wide.Finish();
    SetTotal();
    if (SetBrushSource(Stroke(), Alpha, Box.X0, Box.Y0, Box.X1, Box.Y1)) {
      cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_WINDING);
      cairo_fill(FCr);
      cairo_set_fill_rule(FCr, CAIRO_FILL_RULE_EVEN_ODD);
    } else {
      cairo_new_path(FCr);
    }
    return;
  }
  // Pieces farther out than the stroke reaches (miters up to Cairo's limit
  // of 10 half widths) cannot touch the visible area.
  const double Reach = T / 2 * Scale * (Join == TJoinStyle::Miter ? 10 : 1) + 2;
  TStrokeSink Sink(M, Visible.Grown(Reach));
  Build(Sink);
  if (Sink.Empty() || !SetBrushSource(Stroke(), Alpha, Box.X0, Box.Y0, Box.X1, Box.Y1)) return;
  cairo_matrix_t Matrix;
  cairo_get_matrix(FCr, &Matrix);
  Sink.Stroke(FCr, Matrix, Dash);
  if (!Dash.Pattern.empty()) cairo_set_dash(FCr, nullptr, 0, 0);
}

void TCairoCanvas::AddClipRect(double L, double T, double R, double B) {
  cairo_identity_matrix(FCr);
  CairoGeometry::TFillSink Sink(FCr, Total(), CairoGeometry::VisibleBox(FCr).Grown(2));
  Sink.MoveTo({L, T});
  Sink.LineTo({R, T});
  Sink.LineTo({R, B});
  Sink.LineTo({L, B});
  Sink.Close();
  SetTotal();
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
    AddClipRect(B.L, B.T, B.R, B.B);
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
  FillShape(Alpha, {B.L, B.T, B.R, B.B}, [&](TSink& S) { AddRectPath(S, B, XRadius, YRadius, Corners, CornerType); });
}

void TCairoCanvas::DoDrawRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                              TCornerType CornerType) {
  double Alpha;
  if (!Finite(Rect) || !PrepareStroke(Opacity, Alpha)) return;
  const TBox B = Normalised(Rect);
  StrokeShape(Alpha, {B.L, B.T, B.R, B.B}, [&](TSink& S) { AddRectPath(S, B, XRadius, YRadius, Corners, CornerType); });
}

void TCairoCanvas::DoFillEllipse(const TRectF& Rect, float Opacity) {
  double Alpha;
  if (!Finite(Rect) || !PrepareFill(Opacity, Alpha)) return;
  const TBox B = Normalised(Rect);
  FillShape(Alpha, {B.L, B.T, B.R, B.B}, [&](TSink& S) { AddEllipsePath(S, B); });
}

void TCairoCanvas::DoDrawEllipse(const TRectF& Rect, float Opacity) {
  double Alpha;
  if (!Finite(Rect) || !PrepareStroke(Opacity, Alpha)) return;
  const TBox B = Normalised(Rect);
  StrokeShape(Alpha, {B.L, B.T, B.R, B.B}, [&](TSink& S) { AddEllipsePath(S, B); });
}

void TCairoCanvas::DoDrawLine(const TPointF& P1, const TPointF& P2, float Opacity) {
  double Alpha;
  if (!Finite(P1) || !Finite(P2) || !PrepareStroke(Opacity, Alpha)) return;
  StrokeShape(Alpha, {P1.X, P1.Y, P2.X, P2.Y}, [&](TSink& S) {
    S.MoveTo({P1.X, P1.Y});
    S.LineTo({P2.X, P2.Y});
  });
}

void TCairoCanvas::DoDrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle,
                             float Opacity) {
  double Alpha;
  if (!Finite(Center) || !Finite(Radius) || !std::isfinite(StartAngle) || !std::isfinite(SweepAngle) ||
      SweepAngle == 0 || !PrepareStroke(Opacity, Alpha))
    return;
  const double Sweep = std::clamp<double>(SweepAngle, -360, 360);
  const TGradientBox Box{double(Center.X) - std::fabs(Radius.X), double(Center.Y) - std::fabs(Radius.Y),
                         double(Center.X) + std::fabs(Radius.X), double(Center.Y) + std::fabs(Radius.Y)};
  StrokeShape(Alpha, Box, [&](TSink& S) { AddArcPath(S, Center.X, Center.Y, Radius.X, Radius.Y, StartAngle, Sweep); });
}

namespace {

// What a path's gradient spans: the box of all its points.
bool PathBox(const TPathData& Path, TCairoCanvas::TGradientBox& Box) {
  bool Any = false;
  for (const TPathPoint& P : Path.Points()) {
    if (!Finite(P.Point)) return false;
    if (!Any) Box = {P.Point.X, P.Point.Y, P.Point.X, P.Point.Y};
    Box.X0 = std::min<double>(Box.X0, P.Point.X), Box.Y0 = std::min<double>(Box.Y0, P.Point.Y);
    Box.X1 = std::max<double>(Box.X1, P.Point.X), Box.Y1 = std::max<double>(Box.Y1, P.Point.Y);
    Any = true;
  }
  return Any;
}

}  // namespace

void TCairoCanvas::DoFillPath(const TPathData& Path, float Opacity) {
  double Alpha;
  TGradientBox Box;
  if (Path.IsEmpty() || !PrepareFill(Opacity, Alpha) || !PathBox(Path, Box)) return;
  FillShape(Alpha, Box, [&](TSink& S) { AddPathData(S, Path); });
}

void TCairoCanvas::DoDrawPath(const TPathData& Path, float Opacity) {
  double Alpha;
  TGradientBox Box;
  if (Path.IsEmpty() || !PrepareStroke(Opacity, Alpha) || !PathBox(Path, Box)) return;
  StrokeShape(Alpha, Box, [&](TSink& S) { AddPathData(S, Path); });
}

void TCairoCanvas::DoDrawPolygon(std::span<const TPointF> Points, float Opacity) {
  double Alpha;
  if (Points.size() < 2 || !PrepareStroke(Opacity, Alpha)) return;
  TGradientBox Box;
  bool Any = false;
  for (const TPointF& P : Points) {
    if (!Finite(P)) continue;
    if (!Any) Box = {P.X, P.Y, P.X, P.Y};
    Box.X0 = std::min<double>(Box.X0, P.X), Box.Y0 = std::min<double>(Box.Y0, P.Y);
    Box.X1 = std::max<double>(Box.X1, P.X), Box.Y1 = std::max<double>(Box.Y1, P.Y);
    Any = true;
  }
  if (!Any) return;
  StrokeShape(Alpha, Box, [&](TSink& S) {
    std::size_t I = 0;
    while (I < Points.size()) {
      // One run of finite points.
      while (I < Points.size() && !Finite(Points[I])) ++I;
      const std::size_t First = I;
      while (I < Points.size() && Finite(Points[I])) ++I;
      const std::size_t Count = I - First;
      if (Count < 2) continue;
      S.MoveTo({Points[First].X, Points[First].Y});
      for (std::size_t K = First + 1; K < I; ++K) S.LineTo({Points[K].X, Points[K].Y});
      if (Count >= 3 && Points[I - 1] == Points[First]) S.Close();
    }
  });
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
  AddClipRect(D.L, D.T, D.R, D.B);
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
