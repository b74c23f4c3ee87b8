#include "platform/CairoGeometry_p.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/Math.h"

namespace FMX::CairoGeometry {

namespace {

// Cairo's 24.8 fixed point holds about +-8.4 million; stay well inside.
constexpr double FixedLimit = 4.0e6;
// Curves are cut in halves at most this often; a piece is then a chord.
constexpr int MaxDepth = 48;
// Wide strokes cut each curve at most this often: every piece gets a join,
// and a round join is a disc of many points, so the work must stay small
// even when a near-singular matrix asks for a tolerance of almost nothing.
constexpr int MaxWideDepth = 12;
// Points on one round cap or join at most, and on all of one stroke's;
// beyond that budget joins are bevelled and caps flat.
constexpr double MaxDiscPoints = 1024;
constexpr double DiscBudget = 65536;
// Chords one wide stroke cuts its curves into in all; beyond, each further
// curve is one chord.
constexpr int MaxWideChords = 16384;
// Dashes one wide stroke cuts in all; beyond, the rest is drawn solid.
constexpr int MaxWideDashes = 16384;
// Dashes cut from one segment's visible window at most; beyond, the rest of
// the window is drawn solid.
constexpr int MaxDashesPerWindow = 4096;

TPt Mid(TPt A, TPt B) { return {(A.X + B.X) / 2, (A.Y + B.Y) / 2}; }
double Dist(TPt A, TPt B) { return std::hypot(B.X - A.X, B.Y - A.Y); }
bool Same(TPt A, TPt B) { return A.X == B.X && A.Y == B.Y; }

TBox Hull(TPt A, TPt B, TPt C, TPt D) {
  return {std::min({A.X, B.X, C.X, D.X}), std::min({A.Y, B.Y, C.Y, D.Y}), std::max({A.X, B.X, C.X, D.X}),
          std::max({A.Y, B.Y, C.Y, D.Y})};
}

bool Inside(const TBox& Inner, const TBox& Outer) {
  return Inner.L >= Outer.L && Inner.R <= Outer.R && Inner.T >= Outer.T && Inner.B <= Outer.B;
}

bool Disjoint(const TBox& A, const TBox& B) { return A.R < B.L || A.L > B.R || A.B < B.T || A.T > B.B; }

// de Casteljau halves of a cubic.
void Split(const TPt P[4], TPt Left[4], TPt Right[4]) {
  const TPt A = Mid(P[0], P[1]), B = Mid(P[1], P[2]), C = Mid(P[2], P[3]);
  const TPt D = Mid(A, B), E = Mid(B, C), F = Mid(D, E);
  Left[0] = P[0], Left[1] = A, Left[2] = D, Left[3] = F;
  Right[0] = F, Right[1] = E, Right[2] = C, Right[3] = P[3];
}

// Length estimate of a cubic: between its chord and its control polygon.
double CurveLength(TPt P0, TPt P1, TPt P2, TPt P3) {
  return (Dist(P0, P3) + Dist(P0, P1) + Dist(P1, P2) + Dist(P2, P3)) / 2;
}

// Where line AB meets the vertical line X = V (Vertical) or the horizontal
// line Y = V. Computed from the line's normal form rather than from a
// parameter along AB: with endpoints near 1e38 a parameter cannot tell the
// pixels of a small box apart, while the products here are exact for float
// input.
TPt OnLine(TPt A, TPt B, bool Vertical, double V) {
  const double DX = B.X - A.X, DY = B.Y - A.Y;
  const double C = std::fma(DX, A.Y, -(DY * A.X));  // DX * y - DY * x = C on the line
  if (Vertical) return {V, (C + DY * V) / DX};
  return {(DX * V - C) / DY, V};
}

// Liang-Barsky: the parameter range of segment AB inside Box; false when
// none. Edge0 and Edge1 tell which side (0 left, 1 right, 2 top, 3 bottom)
// each end of the range lies on, -1 for the segment's own end.
bool ClipSegment(TPt A, TPt B, const TBox& Box, double& T0, double& T1, int& Edge0, int& Edge1) {
  T0 = 0, T1 = 1;
  Edge0 = Edge1 = -1;
  const double DX = B.X - A.X, DY = B.Y - A.Y;
  const double P[4] = {-DX, DX, -DY, DY};
  const double Q[4] = {A.X - Box.L, Box.R - A.X, A.Y - Box.T, Box.B - A.Y};
  for (int I = 0; I < 4; ++I) {
    if (P[I] == 0) {
      if (Q[I] < 0) return false;
      continue;
    }
    const double R = Q[I] / P[I];
    if (P[I] < 0) {
      if (R > T1) return false;
      if (R > T0) T0 = R, Edge0 = I;
    } else {
      if (R < T0) return false;
      if (R < T1) T1 = R, Edge1 = I;
    }
  }
  return T0 <= T1;
}

// How far a cubic's inner control points stray from its chord.
double Flatness(TPt P0, TPt P1, TPt P2, TPt P3) {
  const double DX = P3.X - P0.X, DY = P3.Y - P0.Y, L = std::hypot(DX, DY);
  if (L == 0) return std::max(Dist(P0, P1), Dist(P0, P2));
  const double D1 = std::fabs((P1.X - P0.X) * DY - (P1.Y - P0.Y) * DX) / L;
  const double D2 = std::fabs((P2.X - P0.X) * DY - (P2.Y - P0.Y) * DX) / L;
  return std::max(D1, D2);
}

}  // namespace

static TPt EdgePoint(TPt A, TPt B, int Edge, const TBox& Box) {
  const double V[4] = {Box.L, Box.R, Box.T, Box.B};
  const TPt P = OnLine(A, B, Edge < 2, V[Edge]);
  return {std::clamp(P.X, Box.L, Box.R), std::clamp(P.Y, Box.T, Box.B)};
}

double TBox::Diagonal() const { return std::hypot(R - L, B - T); }

double TAffine::MaxScale() const {
  // Singular values of [[xx, xy], [yx, yy]].
  const double A = xx * xx + yx * yx, B = xx * xy + yx * yy, C = xy * xy + yy * yy;
  const double Mean = (A + C) / 2, Root = std::sqrt(std::max(0.0, (A - C) * (A - C) / 4 + B * B));
  return std::sqrt(Mean + Root);
}

double TAffine::MinScale() const {
  const double Max = MaxScale();
  return Max > 0 ? std::fabs(xx * yy - xy * yx) / Max : 0;
}

bool TAffine::Invert(TAffine& Out) const {
  const double Det = xx * yy - xy * yx;
  if (!std::isfinite(Det) || Det == 0) return false;
  Out.xx = yy / Det, Out.xy = -xy / Det, Out.yx = -yx / Det, Out.yy = xx / Det;
  Out.x0 = -(Out.xx * x0 + Out.xy * y0);
  Out.y0 = -(Out.yx * x0 + Out.yy * y0);
  return std::isfinite(Out.xx) && std::isfinite(Out.xy) && std::isfinite(Out.yx) && std::isfinite(Out.yy) &&
         std::isfinite(Out.x0) && std::isfinite(Out.y0);
}

TBox VisibleBox(cairo_t* Cr) {
  double X0, Y0, X1, Y1;
  cairo_matrix_t Saved;
  cairo_get_matrix(Cr, &Saved);
  cairo_identity_matrix(Cr);
  cairo_clip_extents(Cr, &X0, &Y0, &X1, &Y1);
  cairo_set_matrix(Cr, &Saved);
  const auto Cut = [](double V) { return std::clamp(V, -FixedLimit / 2, FixedLimit / 2); };
  return {Cut(X0), Cut(Y0), Cut(X1), Cut(Y1)};
}

// --- Fills --------------------------------------------------------------------

TPt TFillSink::Clamp(TPt D) const { return {std::clamp(D.X, FBox.L, FBox.R), std::clamp(D.Y, FBox.T, FBox.B)}; }

void TFillSink::Emit(TPt D) {
  const TPt C = Clamp(D);
  if (Same(C, FLastEmitted)) return;
  cairo_line_to(FCr, C.X, C.Y);
  FLastEmitted = C;
}

void TFillSink::DeviceMoveTo(TPt D) {
  FCurrent = FStart = D;
  FHasCurrent = true;
  FLastEmitted = Clamp(D);
  cairo_move_to(FCr, FLastEmitted.X, FLastEmitted.Y);
}

// The clamp of a straight segment is the polyline through the clamps of its
// points where a coordinate crosses a side of the box: the exact image.
void TFillSink::DeviceLineTo(TPt D) {
  if (!FHasCurrent) DeviceMoveTo({0, 0});
  const TPt A = FCurrent;
  // The points where a coordinate crosses a side, in order along AD (by
  // their projection on AD, which small points give precisely).
  std::array<TPt, 4> Cuts{};
  std::array<double, 4> Keys{};
  std::size_t N = 0;
  const auto Cross = [&](double From, double To, bool Vertical, double Edge) {
    if (!((From < Edge && To > Edge) || (From > Edge && To < Edge))) return;
    const TPt P = OnLine(A, D, Vertical, Edge);
    Cuts[N] = Vertical ? TPt{Edge, P.Y} : TPt{P.X, Edge};
    Keys[N] = Cuts[N].X * (D.X - A.X) + Cuts[N].Y * (D.Y - A.Y);
    ++N;
  };
  Cross(A.X, D.X, true, FBox.L);
  Cross(A.X, D.X, true, FBox.R);
  Cross(A.Y, D.Y, false, FBox.T);
  Cross(A.Y, D.Y, false, FBox.B);
  for (std::size_t I = 1; I < N; ++I)  // at most four: insertion sort
    for (std::size_t J = I; J > 0 && Keys[J] < Keys[J - 1]; --J) {
      std::swap(Keys[J], Keys[J - 1]);
      std::swap(Cuts[J], Cuts[J - 1]);
    }
  for (std::size_t I = 0; I < N; ++I) Emit(Cuts[I]);
  Emit(D);
  FCurrent = D;
}

void TFillSink::MoveTo(TPt P) { DeviceMoveTo(FM(P)); }

void TFillSink::LineTo(TPt P) { DeviceLineTo(FM(P)); }

void TFillSink::CurveTo(TPt C1, TPt C2, TPt P) {
  if (!FHasCurrent) DeviceMoveTo({0, 0});
  DeviceCurve(FCurrent, FM(C1), FM(C2), FM(P), 0);
}

void TFillSink::DeviceCurve(TPt P0, TPt C1, TPt C2, TPt P3, int Depth) {
  const TBox H = Hull(P0, C1, C2, P3);
  if (Inside(H, FBox)) {
    // Wholly inside: the clamp is the identity.
    cairo_curve_to(FCr, C1.X, C1.Y, C2.X, C2.Y, P3.X, P3.Y);
    FLastEmitted = P3;
    FCurrent = P3;
    return;
  }
  // Outside the box, a curve and its chord enclose only points outside it.
  if (Disjoint(H, FBox) || Depth >= MaxDepth) {
    DeviceLineTo(P3);
    return;
  }
  const TPt P[4] = {P0, C1, C2, P3};
  TPt L[4], R[4];
  Split(P, L, R);
  DeviceCurve(L[0], L[1], L[2], L[3], Depth + 1);
  DeviceCurve(R[0], R[1], R[2], R[3], Depth + 1);
}

void TFillSink::Close() {
  if (!FHasCurrent) return;
  DeviceLineTo(FStart);
  cairo_close_path(FCr);
  FLastEmitted = Clamp(FStart);
}

void TFillSink::Polygon(std::span<const TPt> Points) {
  if (Points.size() < 3) return;
  MoveTo(Points[0]);
  for (std::size_t I = 1; I < Points.size(); ++I) LineTo(Points[I]);
  Close();
}

// --- Strokes ------------------------------------------------------------------

double TDash::Period() const {
  double Sum = 0;
  for (double V : Pattern) Sum += V;
  return Sum;
}

void TStrokeSink::EndRun() {
  if (!FOpenActive) return;
  FRuns.push_back(std::move(FOpen));
  FOpen = TRun();
  FOpenActive = false;
}

void TStrokeSink::Piece(TPt A, TPt B, double LenA, double /*LenB*/) {
  if (!FOpenActive) {
    FOpen.Start = A;
    FOpen.Phase = LenA;
    FOpen.AtSubpathStart = LenA == 0 && FRuns.size() == FSubpathFirstRun;
    FOpenActive = true;
  }
  FOpen.Ops.push_back({false, {}, {}, B});
}

void TStrokeSink::UserLine(TPt UA, TPt UB) {
  const TPt A = FM(UA), B = FM(UB);
  const double L = Dist(UA, UB);
  double T0, T1;
  int E0, E1;
  if (!ClipSegment(A, B, FBox, T0, T1, E0, E1)) {
    EndRun();
  } else {
    if (E0 >= 0) EndRun();
    Piece(E0 >= 0 ? EdgePoint(A, B, E0, FBox) : A, E1 >= 0 ? EdgePoint(A, B, E1, FBox) : B, FLength + L * T0,
          FLength + L * T1);
    if (E1 >= 0) EndRun();
  }
  FLength += L;
}

void TStrokeSink::Curve(TPt P0, TPt C1, TPt C2, TPt P3, TPt U0, TPt U1, TPt U2, TPt U3, int Depth) {
  const TBox H = Hull(P0, C1, C2, P3);
  if (Inside(H, FBox)) {
    if (!FOpenActive) {
      FOpen.Start = P0;
      FOpen.Phase = FLength;
      FOpen.AtSubpathStart = FLength == 0 && FRuns.size() == FSubpathFirstRun;
      FOpenActive = true;
    }
    FOpen.Ops.push_back({true, C1, C2, P3});
    FLength += CurveLength(U0, U1, U2, U3);
    return;
  }
  if (Disjoint(H, FBox)) {
    EndRun();
    FLength += CurveLength(U0, U1, U2, U3);
    return;
  }
  if (Depth >= MaxDepth) {
    UserLine(U0, U3);
    return;
  }
  const TPt U[4] = {U0, U1, U2, U3};
  TPt UL[4], UR[4];
  Split(U, UL, UR);
  const TPt M = FM(UL[3]);
  const TPt D[4] = {P0, C1, C2, P3};
  TPt DL[4], DR[4];
  Split(D, DL, DR);
  Curve(DL[0], DL[1], DL[2], M, UL[0], UL[1], UL[2], UL[3], Depth + 1);
  Curve(M, DR[1], DR[2], DR[3], UR[0], UR[1], UR[2], UR[3], Depth + 1);
}

void TStrokeSink::EndSubpath(bool Closed) {
  const bool Whole = FOpenActive && FOpen.AtSubpathStart && FRuns.size() == FSubpathFirstRun;
  if (Closed && Whole) {
    FOpen.Closed = true;
  } else if (Closed && FOpenActive && FRuns.size() > FSubpathFirstRun && FRuns[FSubpathFirstRun].AtSubpathStart) {
    // The run that reaches the close goes on into the first one: joined, not
    // capped, where the subpath starts.
    TRun& First = FRuns[FSubpathFirstRun];
    FOpen.Ops.insert(FOpen.Ops.end(), First.Ops.begin(), First.Ops.end());
    First = std::move(FOpen);
    FOpen = TRun();
    FOpenActive = false;
  }
  EndRun();
  FSubpathFirstRun = FRuns.size();
}

void TStrokeSink::MoveTo(TPt P) {
  if (FHasCurrent) EndSubpath(false);
  FUser = FUserStart = P;
  FLength = 0;
  FHasCurrent = true;
  // A lone move paints nothing; a run starts with the first piece.
}

void TStrokeSink::LineTo(TPt P) {
  if (!FHasCurrent) MoveTo({0, 0});
  UserLine(FUser, P);
  FUser = P;
}

void TStrokeSink::CurveTo(TPt C1, TPt C2, TPt P) {
  if (!FHasCurrent) MoveTo({0, 0});
  Curve(FM(FUser), FM(C1), FM(C2), FM(P), FUser, C1, C2, P, 0);
  FUser = P;
}

void TStrokeSink::Close() {
  if (!FHasCurrent) return;
  if (!Same(FUser, FUserStart)) UserLine(FUser, FUserStart);
  else if (!FOpenActive && FRuns.size() == FSubpathFirstRun && FBox.Contains(FM(FUser)))
    Piece(FM(FUser), FM(FUser), 0, 0);  // a closed dot
  EndSubpath(true);
  FUser = FUserStart;
  FLength = 0;
  FHasCurrent = true;
}

void TStrokeSink::Stroke(cairo_t* Cr, const cairo_matrix_t& Total, const TDash& Dash) {
  if (FHasCurrent) EndSubpath(false);
  FHasCurrent = false;
  const auto Build = [Cr](const TRun& R) {
    cairo_move_to(Cr, R.Start.X, R.Start.Y);
    for (const TOp& Op : R.Ops) {
      if (Op.Curve)
        cairo_curve_to(Cr, Op.C1.X, Op.C1.Y, Op.C2.X, Op.C2.Y, Op.P.X, Op.P.Y);
      else
        cairo_line_to(Cr, Op.P.X, Op.P.Y);
    }
    if (R.Closed) cairo_close_path(Cr);
  };
  cairo_new_path(Cr);
  if (Dash.Pattern.empty()) {
    cairo_identity_matrix(Cr);
    for (const TRun& R : FRuns) Build(R);
    cairo_set_matrix(Cr, &Total);
    cairo_stroke(Cr);
    return;
  }
  const double Period = Dash.Period();
  for (const TRun& R : FRuns) {
    cairo_identity_matrix(Cr);
    Build(R);
    cairo_set_matrix(Cr, &Total);
    cairo_set_dash(Cr, Dash.Pattern.data(), int(Dash.Pattern.size()), std::fmod(Dash.Offset + R.Phase, Period));
    cairo_stroke(Cr);
  }
  cairo_set_matrix(Cr, &Total);
}

// --- Strokes wider than the target ----------------------------------------------

TWideStroke::TWideStroke(TFillSink& Out, const TAffine& M, const TBox& Visible, double HalfWidth, TCapStyle Cap,
                         TJoinStyle Join, const TDash& Dash)
    : FOut(Out), FHalf(HalfWidth), FCap(Cap), FJoin(Join), FDash(Dash) {
  TAffine Inverse;
  M.Invert(Inverse);  // the canvas only strokes under invertible transforms
  const TPt Corners[4] = {{Visible.L, Visible.T}, {Visible.R, Visible.T}, {Visible.R, Visible.B}, {Visible.L, Visible.B}};
  for (int I = 0; I < 4; ++I) FArea[I] = Inverse(Corners[I]);
  FCenter = Inverse({(Visible.L + Visible.R) / 2, (Visible.T + Visible.B) / 2});
  FRadius = 0;
  for (const TPt& C : FArea) FRadius = std::max(FRadius, Dist(C, FCenter));
  FTolerance = 0.05 / std::max(M.MaxScale(), 1e-300);
}

double TWideStroke::Distance(TPt A, TPt B) const {
  const double DX = B.X - A.X, DY = B.Y - A.Y, L2 = DX * DX + DY * DY;
  double T = L2 > 0 ? ((FCenter.X - A.X) * DX + (FCenter.Y - A.Y) * DY) / L2 : 0;
  T = std::clamp(T, 0.0, 1.0);
  return Dist(FCenter, {A.X + DX * T, A.Y + DY * T});
}

void TWideStroke::CoverAll() {
  if (FCovered) return;
  FCovered = true;
  FScratch.assign(FArea, FArea + 4);
  Emit(FScratch);
}

// Every outline goes out with the same orientation, so that the nonzero
// rule gives their union.
void TWideStroke::Emit(std::vector<TPt>& Polygon) {
  double Area = 0;
  for (std::size_t I = 0, N = Polygon.size(); I < N; ++I) {
    const TPt &A = Polygon[I], &B = Polygon[(I + 1) % N];
    Area += (A.X - FCenter.X) * (B.Y - FCenter.Y) - (B.X - FCenter.X) * (A.Y - FCenter.Y);
  }
  if (Area < 0) std::reverse(Polygon.begin(), Polygon.end());
  FOut.Polygon(Polygon);
}

void TWideStroke::Body(TPt A, TPt B) {
  if (FCovered || Distance(A, B) > FHalf + FRadius) return;
  const double L = Dist(A, B);
  if (L == 0) return;
  const double NX = -(B.Y - A.Y) / L * FHalf, NY = (B.X - A.X) / L * FHalf;
  FScratch = {{A.X + NX, A.Y + NY}, {B.X + NX, B.Y + NY}, {B.X - NX, B.Y - NY}, {A.X - NX, A.Y - NY}};
  // Covering the whole area (all its corners inside the body)?
  const double UX = (B.X - A.X) / L, UY = (B.Y - A.Y) / L;
  bool All = true;
  for (const TPt& C : FArea) {
    const double Along = (C.X - A.X) * UX + (C.Y - A.Y) * UY, Across = -(C.X - A.X) * UY + (C.Y - A.Y) * UX;
    All = All && Along >= 0 && Along <= L && std::fabs(Across) <= FHalf;
  }
  if (All) {
    CoverAll();
    return;
  }
  Emit(FScratch);
}

// A round cap or join: the disc around C, of which only the sector facing
// the visible area matters. False once the stroke has spent its budget for
// round parts: nothing is drawn, and the caller bevels or leaves a flat cap.
bool TWideStroke::Disc(TPt C) {
  if (FCovered) return true;
  const double D = Dist(C, FCenter);
  if (D - FRadius > FHalf) return true;
  if (D + FRadius <= FHalf) {
    CoverAll();
    return true;
  }
  if (FDiscPoints > DiscBudget) return false;
  // Angular step whose chord strays less than the tolerance from the circle.
  const double Step = std::max(std::sqrt(8 * FTolerance / FHalf), 1e-9);
  double From = 0, Span = 2 * Pi;
  const bool Sector = D > FRadius * 1.01;
  if (Sector) {
    const double Half = std::asin(std::min(1.0, FRadius * 1.01 / D)) + Step;
    From = std::atan2(FCenter.Y - C.Y, FCenter.X - C.X) - Half;
    Span = 2 * Half;
  }
  const int N = int(std::min(std::ceil(Span / Step), MaxDiscPoints));
  FDiscPoints += N;
  FScratch.clear();
  if (Sector) FScratch.push_back(C);
  // Chords from a circle of radius R/cos(Step/2) lie outside the circle.
  const double R = FHalf / std::cos(Span / N / 2);
  for (int I = 0; I <= N; ++I) {
    const double A = From + Span * I / N;
    FScratch.push_back({C.X + R * std::cos(A), C.Y + R * std::sin(A)});
  }
  Emit(FScratch);
  return true;
}

void TWideStroke::Join(TPt P, TPt DirIn, TPt DirOut) {
  if (FCovered) return;
  if (FJoin == TJoinStyle::Round && Disc(P)) return;
  const double Cross = DirIn.X * DirOut.Y - DirIn.Y * DirOut.X;
  const double Dot = DirIn.X * DirOut.X + DirIn.Y * DirOut.Y;
  if (Cross == 0 && Dot > 0) return;  // straight on
  const double S = Cross > 0 ? -1 : 1;  // the outer side
  const TPt N0{-DirIn.Y * FHalf * S, DirIn.X * FHalf * S}, N1{-DirOut.Y * FHalf * S, DirOut.X * FHalf * S};
  // Miter limit 10, as Cairo's default: the tip lies 1/cos(turn/2) half
  // widths out.
  const double Ratio = std::sqrt(2 / std::max(1 + Dot, 1e-300));
  const bool Miter = FJoin == TJoinStyle::Miter && Ratio <= 10;
  if (Dist(P, FCenter) - FRadius > FHalf * (Miter ? Ratio : 1)) return;
  FScratch = {P, {P.X + N0.X, P.Y + N0.Y}};
  if (Miter) {
    const double MX = N0.X + N1.X, MY = N0.Y + N1.Y, ML = std::hypot(MX, MY);
    if (ML > 0) FScratch.push_back({P.X + MX / ML * FHalf * Ratio, P.Y + MY / ML * FHalf * Ratio});
  }
  FScratch.push_back({P.X + N1.X, P.Y + N1.Y});
  Emit(FScratch);
}

void TWideStroke::StrokePolyline(std::span<const TPt> Points, bool Closed) {
  if (Points.empty() || FCovered) return;
  // Repeated points carry no direction.
  std::vector<TPt> Kept;
  Kept.reserve(Points.size());
  for (const TPt& Q : Points)
    if (Kept.empty() || !Same(Q, Kept.back())) Kept.push_back(Q);
  const std::span<const TPt> P(Kept);
  if (Closed && P.size() < 3) Closed = false;
  if (P.size() == 1) {
    if (FCap == TCapStyle::Round) Disc(P[0]);  // a dot
    return;
  }
  const auto Dir = [](TPt A, TPt B) {
    const double L = Dist(A, B);
    return TPt{(B.X - A.X) / L, (B.Y - A.Y) / L};
  };
  for (std::size_t I = 0; I + 1 < P.size(); ++I) {
    Body(P[I], P[I + 1]);
    if (I + 2 < P.size()) Join(P[I + 1], Dir(P[I], P[I + 1]), Dir(P[I + 1], P[I + 2]));
  }
  if (Closed) {
    Join(P[0], Dir(P[P.size() - 2], P[P.size() - 1]), Dir(P[0], P[1]));
  } else if (FCap == TCapStyle::Round) {
    Disc(P[0]);
    Disc(P[P.size() - 1]);
  }
}

void TWideStroke::EndSubpath(bool Closed) {
  std::size_t Kept = 0;
  for (std::size_t I = 0; I < FLine.size(); ++I)
    if (Kept == 0 || !Same(FLine[I], FLine[Kept - 1])) FLine[Kept++] = FLine[I];
  FLine.resize(Kept);
  if (Closed && FLine.size() > 1 && !Same(FLine.front(), FLine.back())) FLine.push_back(FLine.front());
  if (FDash.Pattern.empty() || FLine.size() < 2) {
    StrokePolyline(FLine, Closed && FLine.size() > 2);
    FLine.clear();
    return;
  }
  // Dashes, each stroked on its own with its caps. Along each segment only
  // the stretch whose stroke can reach the visible area is cut into dashes.
  const double Period = FDash.Period();
  const double Reach = FHalf * (FJoin == TJoinStyle::Miter ? 10 : 1) + FRadius;
  double Along = 0;  // position along the subpath
  std::vector<TPt> Dash;
  const auto Flush = [&] {
    if (!Dash.empty()) StrokePolyline(Dash, false);
    Dash.clear();
  };
  const auto PhaseAt = [&](double Position, std::size_t& Index, double& Left) {
    double Phase = std::fmod(FDash.Offset + Position, Period);
    if (Phase < 0) Phase += Period;
    Index = 0;
    while (Index + 1 < FDash.Pattern.size() && Phase >= FDash.Pattern[Index]) Phase -= FDash.Pattern[Index++];
    Left = FDash.Pattern[Index] - Phase;
  };
  for (std::size_t I = 0; I + 1 < FLine.size() && !FCovered; ++I) {
    const TPt A = FLine[I], B = FLine[I + 1];
    const double L = Dist(A, B);
    // The window of this segment within Reach of the centre.
    const double UX = (B.X - A.X) / L, UY = (B.Y - A.Y) / L;
    const double Foot = (FCenter.X - A.X) * UX + (FCenter.Y - A.Y) * UY;
    const double Off = std::fabs(-(FCenter.X - A.X) * UY + (FCenter.Y - A.Y) * UX);
    if (Off > Reach) {
      Flush();
      Along += L;
      continue;
    }
    const double W = std::sqrt(Reach * Reach - Off * Off);
    const double S0 = std::max(0.0, Foot - W), S1 = std::min(L, Foot + W);
    if (S0 >= S1) {
      Flush();
      Along += L;
      continue;
    }
    if (S0 > 0) Flush();
    std::size_t Index;
    double Left;
    PhaseAt(Along + S0, Index, Left);
    // Positions relative to the window's start keep their precision.
    const TPt W0{A.X + UX * S0, A.Y + UY * S0};
    const double Span = S1 - S0;
    double S = 0;
    int Steps = 0;
    while (S < Span) {
      if (++Steps > MaxDashesPerWindow || ++FDashes > MaxWideDashes) {
        // More dashes than can be told apart: the rest of the window solid.
        if (Dash.empty()) Dash.push_back({W0.X + UX * S, W0.Y + UY * S});
        Dash.push_back({W0.X + UX * Span, W0.Y + UY * Span});
        break;
      }
      const double E = std::min(Span, S + Left);
      if (Index % 2 == 0) {
        const TPt From{W0.X + UX * S, W0.Y + UY * S};
        if (Dash.empty() || !Same(Dash.back(), From)) Dash.push_back(From);
        Dash.push_back({W0.X + UX * E, W0.Y + UY * E});
      }
      if (S + Left <= Span) {
        // The pattern entry ends inside the window.
        if (Index % 2 == 0) Flush();
        Index = (Index + 1) % FDash.Pattern.size();
        Left = FDash.Pattern[Index];
      }
      S = E;
    }
    if (S1 < L) Flush();
    Along += L;
  }
  Flush();
  FLine.clear();
}

void TWideStroke::MoveTo(TPt P) {
  if (FHasCurrent) EndSubpath(false);
  FLine.assign(1, P);
  FHasCurrent = true;
}

void TWideStroke::LineTo(TPt P) {
  if (!FHasCurrent) MoveTo({0, 0});
  FLine.push_back(P);
}

void TWideStroke::Curve(TPt P0, TPt C1, TPt C2, TPt P3, int Depth) {
  const TBox H = Hull(P0, C1, C2, P3);
  const double Reach = FHalf * (FJoin == TJoinStyle::Miter ? 10 : 1) + FRadius;
  const bool Far = H.L > FCenter.X + Reach || H.R < FCenter.X - Reach || H.T > FCenter.Y + Reach ||
                   H.B < FCenter.Y - Reach;
  if (Far || Depth >= MaxWideDepth || FChords >= MaxWideChords || Flatness(P0, C1, C2, P3) <= FTolerance) {
    FLine.push_back(P3);
    ++FChords;
    return;
  }
  const TPt P[4] = {P0, C1, C2, P3};
  TPt L[4], R[4];
  Split(P, L, R);
  Curve(L[0], L[1], L[2], L[3], Depth + 1);
  Curve(R[0], R[1], R[2], R[3], Depth + 1);
}

void TWideStroke::CurveTo(TPt C1, TPt C2, TPt P) {
  if (!FHasCurrent) MoveTo({0, 0});
  Curve(FLine.back(), C1, C2, P, 0);
}

void TWideStroke::Close() {
  if (!FHasCurrent) return;
  const TPt Start = FLine.front();
  EndSubpath(true);
  FLine.assign(1, Start);
}

void TWideStroke::Finish() {
  if (FHasCurrent) EndSubpath(false);
  FHasCurrent = false;
}

}  // namespace FMX::CairoGeometry
