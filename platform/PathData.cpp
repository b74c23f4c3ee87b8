#include "platform/PathData.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/Math.h"
#include "platform/NumberText.h"

namespace FMX {

namespace {

// 4/3 * (sqrt(2) - 1): a quarter circle's control points lie this fraction
// of the radius along the tangents.
constexpr double QuarterKappa = 0.5522847498307936;

TPointF Offset(const TPointF& Base, const TPointF& D) {
  return {float(double(Base.X) + D.X), float(double(Base.Y) + D.Y)};
}

// Number of line pieces that keep a cubic within Tolerance of its chords:
// the chord error of a piece of parameter length h is at most
// h^2 / 8 * max|B''| and |B''| <= 6 * max(|P0 - 2P1 + P2|, |P1 - 2P2 + P3|).
std::size_t CubicPieces(const TPointF& P0, const TPointF& P1, const TPointF& P2, const TPointF& P3,
                        double Tolerance) {
  constexpr std::size_t MaxPieces = 4096;
  double AX = double(P0.X) - 2.0 * P1.X + P2.X, AY = double(P0.Y) - 2.0 * P1.Y + P2.Y;
  double BX = double(P1.X) - 2.0 * P2.X + P3.X, BY = double(P1.Y) - 2.0 * P2.Y + P3.Y;
  double L = std::max(std::hypot(AX, AY), std::hypot(BX, BY));
  if (!std::isfinite(L)) return 1;
  double N = std::ceil(std::sqrt(0.75 * L / Tolerance));
  if (!(N >= 1)) return 1;
  if (N >= double(MaxPieces)) return MaxPieces;
  return std::size_t(N);
}

TPointF CubicAt(const TPointF& P0, const TPointF& P1, const TPointF& P2, const TPointF& P3, double T) {
  double U = 1.0 - T;
  double B0 = U * U * U, B1 = 3.0 * U * U * T, B2 = 3.0 * U * T * T, B3 = T * T * T;
  return {float(B0 * P0.X + B1 * P1.X + B2 * P2.X + B3 * P3.X),
          float(B0 * P0.Y + B1 * P1.Y + B2 * P2.Y + B3 * P3.Y)};
}

double CubicAxis(double P0, double P1, double P2, double P3, double T) {
  double U = 1.0 - T;
  return U * U * U * P0 + 3.0 * U * U * T * P1 + 3.0 * U * T * T * P2 + T * T * T * P3;
}

// Widens [Lo, Hi] by the extremes of one coordinate of a cubic inside (0, 1).
void CubicAxisExtremes(double P0, double P1, double P2, double P3, float& Lo, float& Hi) {
  // B'(t) / 3 = A t^2 + B t + C
  double A = P3 - 3.0 * P2 + 3.0 * P1 - P0;
  double B = 2.0 * (P2 - 2.0 * P1 + P0);
  double C = P1 - P0;
  double Roots[2];
  int Count = 0;
  if (std::fabs(A) < 1e-12) {
    if (std::fabs(B) > 1e-12) Roots[Count++] = -C / B;
  } else {
    double D = B * B - 4.0 * A * C;
    if (D >= 0) {
      double S = std::sqrt(D);
      Roots[Count++] = (-B + S) / (2.0 * A);
      Roots[Count++] = (-B - S) / (2.0 * A);
    }
  }
  for (int I = 0; I < Count; ++I) {
    double T = Roots[I];
    if (T > 0 && T < 1) {
      float V = float(CubicAxis(P0, P1, P2, P3, T));
      Lo = std::min(Lo, V);
      Hi = std::max(Hi, V);
    }
  }
}

void WritePoint(std::string& Out, const TPointF& P, const TFormatSettings& Settings) {
  Out += FloatToStr(double(P.X), Settings);
  Out += ',';
  Out += FloatToStr(double(P.Y), Settings);
}

}  // namespace

TPathData::TPathData() = default;
TPathData::~TPathData() = default;

void TPathData::Assign(const TPersistent& Source) {
  if (auto* Src = dynamic_cast<const TPathData*>(&Source)) {
    if (Src != this) {
      FPoints = Src->FPoints;
      FSubpathStart = Src->FSubpathStart;
    }
    DoChanged();
    return;
  }
  TPersistent::Assign(Source);
}

void TPathData::Clear() {
  FPoints.clear();
  FSubpathStart = {};
  DoChanged();
}

void TPathData::Reserve(std::size_t Count) {
  // Geometric growth: callers reserve "what I have plus what I add", and an
  // exact reserve would copy the whole path on every append.
  if (Count > FPoints.capacity()) FPoints.reserve(std::max(Count, FPoints.capacity() * 2));
}

const TPathPoint& TPathData::GetPoint(std::int32_t Index) const {
  if (Index < 0 || std::size_t(Index) >= FPoints.size())
    throw Exception("List index out of bounds (" + std::to_string(Index) + ")");
  return FPoints[std::size_t(Index)];
}

std::vector<TPathPoint> TPathData::TakePoints() {
  std::vector<TPathPoint> Out = std::move(FPoints);
  FPoints.clear();
  FSubpathStart = {};
  return Out;
}

void TPathData::GivePoints(std::vector<TPathPoint>&& Points) {
  FPoints = std::move(Points);
  // Only a move starts a subpath: the last one is the current subpath's
  // start, the origin when there is none.
  FSubpathStart = {};
  for (auto It = FPoints.rbegin(); It != FPoints.rend(); ++It)
    if (It->Kind == TPathPointKind::MoveTo) {
      FSubpathStart = It->Point;
      break;
    }
  DoChanged();
}

TPointF TPathData::LastPoint() const { return FPoints.empty() ? TPointF{} : FPoints.back().Point; }

void TPathData::Append(TPathPointKind Kind, const TPointF& P) {
  if (Kind == TPathPointKind::Close) {
    FPoints.push_back({Kind, FSubpathStart});
    return;
  }
  if (Kind == TPathPointKind::MoveTo) FSubpathStart = P;
  FPoints.push_back({Kind, P});
}

void TPathData::MoveTo(const TPointF& P) {
  Append(TPathPointKind::MoveTo, P);
  DoChanged();
}

void TPathData::MoveToRel(const TPointF& P) { MoveTo(Offset(LastPoint(), P)); }

void TPathData::LineTo(const TPointF& P) {
  Append(TPathPointKind::LineTo, P);
  DoChanged();
}

void TPathData::LineToRel(const TPointF& P) { LineTo(Offset(LastPoint(), P)); }

void TPathData::HLineTo(float X) { LineTo({X, LastPoint().Y}); }

void TPathData::HLineToRel(float DX) {
  TPointF L = LastPoint();
  LineTo({float(double(L.X) + DX), L.Y});
}

void TPathData::VLineTo(float Y) { LineTo({LastPoint().X, Y}); }

void TPathData::VLineToRel(float DY) {
  TPointF L = LastPoint();
  LineTo({L.X, float(double(L.Y) + DY)});
}

void TPathData::CurveTo(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint) {
  Append(TPathPointKind::CurveTo, ControlPoint1);
  Append(TPathPointKind::CurveTo, ControlPoint2);
  Append(TPathPointKind::CurveTo, EndPoint);
  DoChanged();
}

void TPathData::CurveToRel(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint) {
  TPointF L = LastPoint();
  CurveTo(Offset(L, ControlPoint1), Offset(L, ControlPoint2), Offset(L, EndPoint));
}

void TPathData::SmoothCurveTo(const TPointF& ControlPoint2, const TPointF& EndPoint) {
  TPointF L = LastPoint();
  TPointF C1 = L;
  if (FPoints.size() >= 2) {
    const TPointF& Before = FPoints[FPoints.size() - 2].Point;
    C1 = {float(2.0 * L.X - Before.X), float(2.0 * L.Y - Before.Y)};
  }
  CurveTo(C1, ControlPoint2, EndPoint);
}

void TPathData::SmoothCurveToRel(const TPointF& ControlPoint2, const TPointF& EndPoint) {
  TPointF L = LastPoint();
  SmoothCurveTo(Offset(L, ControlPoint2), Offset(L, EndPoint));
}

void TPathData::ClosePath() {
  Append(TPathPointKind::Close, {});
  DoChanged();
}

void TPathData::AddPoint(TPathPointKind Kind, const TPointF& P) {
  switch (Kind) {
    case TPathPointKind::MoveTo:
    case TPathPointKind::LineTo:
    case TPathPointKind::CurveTo:
    case TPathPointKind::Close:
      Append(Kind, P);
      DoChanged();
      return;
  }
  throw Exception("Invalid path point kind");
}

void TPathData::Flatten(float Tolerance) {
  double Tol = (Tolerance > 0 && std::isfinite(Tolerance)) ? double(Tolerance) : 0.25;
  std::vector<TPathPoint> Out;
  Out.reserve(FPoints.size());
  TPointF SubpathStart;
  for (const TPathSegment& S : Segments()) {
    if (S.Kind != TPathPointKind::CurveTo) {
      if (S.Kind == TPathPointKind::MoveTo) SubpathStart = S.Pt(0);
      Out.push_back(S.Points[0]);
      continue;
    }
    if (!S.IsCompleteCurve()) break;  // an incomplete curve can only be the tail
    const TPointF &P0 = S.Start, &P1 = S.Pt(0), &P2 = S.Pt(1), &P3 = S.Pt(2);
    std::size_t N = CubicPieces(P0, P1, P2, P3, Tol);
    for (std::size_t I = 1; I < N; ++I)
      Out.push_back({TPathPointKind::LineTo, CubicAt(P0, P1, P2, P3, double(I) / double(N))});
    Out.push_back({TPathPointKind::LineTo, P3});
  }
  FPoints = std::move(Out);
  FSubpathStart = SubpathStart;
  DoChanged();
}

void TPathData::AddEllipse(const TRectF& Rect) {
  double CX = (double(Rect.Left) + Rect.Right) / 2.0, CY = (double(Rect.Top) + Rect.Bottom) / 2.0;
  double RX = (double(Rect.Right) - Rect.Left) / 2.0, RY = (double(Rect.Bottom) - Rect.Top) / 2.0;
  double KX = RX * QuarterKappa, KY = RY * QuarterKappa;
  auto P = [](double X, double Y) { return TPointF{float(X), float(Y)}; };
  Reserve(FPoints.size() + 14);
  Append(TPathPointKind::MoveTo, P(CX + RX, CY));
  auto Curve = [&](TPointF A, TPointF B, TPointF C) {
    Append(TPathPointKind::CurveTo, A);
    Append(TPathPointKind::CurveTo, B);
    Append(TPathPointKind::CurveTo, C);
  };
  Curve(P(CX + RX, CY + KY), P(CX + KX, CY + RY), P(CX, CY + RY));
  Curve(P(CX - KX, CY + RY), P(CX - RX, CY + KY), P(CX - RX, CY));
  Curve(P(CX - RX, CY - KY), P(CX - KX, CY - RY), P(CX, CY - RY));
  Curve(P(CX + KX, CY - RY), P(CX + RX, CY - KY), P(CX + RX, CY));
  Append(TPathPointKind::Close, {});
  DoChanged();
}

void TPathData::AddArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle) {
  double CX = Center.X, CY = Center.Y, RX = Radius.X, RY = Radius.Y;
  double Sweep = std::isfinite(SweepAngle) ? std::clamp(double(SweepAngle), -360.0, 360.0) : 0.0;
  double A = DegToRad(StartAngle);
  double S = DegToRad(Sweep);
  auto At = [&](double T) { return TPointF{float(CX + RX * std::cos(T)), float(CY + RY * std::sin(T))}; };
  TPointF Start = At(A);
  if (FPoints.empty() || FPoints.back().Kind == TPathPointKind::Close)
    Append(TPathPointKind::MoveTo, Start);
  else if (!(LastPoint() == Start))
    Append(TPathPointKind::LineTo, Start);
  // Pieces of at most a quarter turn; a tiny allowance keeps an exact
  // quarter from splitting into two.
  std::size_t N = std::size_t(std::ceil(std::fabs(Sweep) / 90.0 - 1e-9));
  if (N > 0) {
    double Piece = S / double(N);
    double K = 4.0 / 3.0 * std::tan(Piece / 4.0);
    Reserve(FPoints.size() + 3 * N);
    for (std::size_t I = 0; I < N; ++I) {
      double T0 = A + Piece * double(I), T1 = A + Piece * double(I + 1);
      double C0 = std::cos(T0), S0 = std::sin(T0), C1 = std::cos(T1), S1 = std::sin(T1);
      Append(TPathPointKind::CurveTo, {float(CX + RX * (C0 - K * S0)), float(CY + RY * (S0 + K * C0))});
      Append(TPathPointKind::CurveTo, {float(CX + RX * (C1 + K * S1)), float(CY + RY * (S1 - K * C1))});
      Append(TPathPointKind::CurveTo, At(T1));
    }
  }
  DoChanged();
}

void TPathData::AddRectangle(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners,
                             TCornerType CornerType) {
  double L = std::min(Rect.Left, Rect.Right), R = std::max(Rect.Left, Rect.Right);
  double T = std::min(Rect.Top, Rect.Bottom), B = std::max(Rect.Top, Rect.Bottom);
  double RX = std::fabs(double(XRadius)), RY = std::fabs(double(YRadius));
  RX = std::min(RX, (R - L) / 2.0);
  RY = std::min(RY, (B - T) / 2.0);
  if (!(RX > 0 && RY > 0)) Corners = TCorners();  // NaN radii give square corners too
  auto P = [](double X, double Y) { return TPointF{float(X), float(Y)}; };
  auto LineTo = [&](TPointF Q) {
    if (!(LastPoint() == Q)) Append(TPathPointKind::LineTo, Q);
  };
  // One corner: Corner is the rectangle's vertex, From and To the points on
  // the incoming and outgoing edges. Inward is the vertex moved diagonally
  // into the rectangle by the radii.
  auto DoCorner = [&](TCorner Which, TPointF Corner, TPointF From, TPointF To, TPointF Inward) {
    if (!Corners.Contains(Which)) {
      LineTo(Corner);
      return;
    }
    LineTo(From);
    switch (CornerType) {
      case TCornerType::Round:
      case TCornerType::InnerRound: {
        // A quarter ellipse whose tangents point at the rectangle's vertex
        // (rounded outwards) or into the rectangle (rounded inwards).
        const TPointF K = CornerType == TCornerType::Round ? Corner : Inward;
        Append(TPathPointKind::CurveTo,
               P(From.X + (double(K.X) - From.X) * QuarterKappa, From.Y + (double(K.Y) - From.Y) * QuarterKappa));
        Append(TPathPointKind::CurveTo,
               P(To.X + (double(K.X) - To.X) * QuarterKappa, To.Y + (double(K.Y) - To.Y) * QuarterKappa));
        Append(TPathPointKind::CurveTo, To);
        break;
      }
      case TCornerType::Bevel:
        Append(TPathPointKind::LineTo, To);
        break;
      case TCornerType::InnerLine:
        Append(TPathPointKind::LineTo, Inward);
        Append(TPathPointKind::LineTo, To);
        break;
    }
  };
  Reserve(FPoints.size() + 18);
  bool TL = Corners.Contains(TCorner::TopLeft);
  Append(TPathPointKind::MoveTo, P(TL ? L + RX : L, T));
  DoCorner(TCorner::TopRight, P(R, T), P(R - RX, T), P(R, T + RY), P(R - RX, T + RY));
  DoCorner(TCorner::BottomRight, P(R, B), P(R, B - RY), P(R - RX, B), P(R - RX, B - RY));
  DoCorner(TCorner::BottomLeft, P(L, B), P(L + RX, B), P(L, B - RY), P(L + RX, B - RY));
  if (TL)
    DoCorner(TCorner::TopLeft, P(L, T), P(L, T + RY), P(L + RX, T), P(L + RX, T + RY));
  Append(TPathPointKind::Close, {});
  DoChanged();
}

void TPathData::ApplyMatrix(const TMatrix& M) {
  // Close points are re-stored from the transformed moves so that they keep
  // holding their subpath's first point.
  std::vector<TPathPoint> Out;
  Out.reserve(FPoints.size());
  TPointF SubpathStart;
  for (const TPathSegment& S : Segments()) {
    for (const TPathPoint& P : S.Points) {
      if (P.Kind == TPathPointKind::Close) {
        Out.push_back({P.Kind, SubpathStart});
        continue;
      }
      Out.push_back({P.Kind, M.Transform(P.Point)});
      if (P.Kind == TPathPointKind::MoveTo) SubpathStart = Out.back().Point;
    }
  }
  FPoints = std::move(Out);
  FSubpathStart = SubpathStart;
  DoChanged();
}

std::string TPathData::GetPathString() const {
  TFormatSettings Settings;
  Settings.DecimalSeparator = '.';
  std::string Out;
  Out.reserve(FPoints.size() * 12);
  for (const TPathSegment& S : Segments()) {
    if (S.Kind == TPathPointKind::CurveTo && !S.IsCompleteCurve()) break;
    if (!Out.empty()) Out += ' ';
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        Out += 'M';
        WritePoint(Out, S.Pt(0), Settings);
        break;
      case TPathPointKind::LineTo:
        Out += 'L';
        WritePoint(Out, S.Pt(0), Settings);
        break;
      case TPathPointKind::CurveTo:
        Out += 'C';
        WritePoint(Out, S.Pt(0), Settings);
        Out += ' ';
        WritePoint(Out, S.Pt(1), Settings);
        Out += ' ';
        WritePoint(Out, S.Pt(2), Settings);
        break;
      case TPathPointKind::Close:
        Out += 'Z';
        break;
    }
  }
  return Out;
}

TRectF TPathData::GetBounds() const {
  if (FPoints.empty()) return {};
  bool First = true;
  TRectF Box;
  auto Include = [&](const TPointF& P) {
    if (First) {
      Box = {P.X, P.Y, P.X, P.Y};
      First = false;
      return;
    }
    Box.Left = std::min(Box.Left, P.X);
    Box.Right = std::max(Box.Right, P.X);
    Box.Top = std::min(Box.Top, P.Y);
    Box.Bottom = std::max(Box.Bottom, P.Y);
  };
  for (const TPathSegment& S : Segments()) {
    if (S.Kind != TPathPointKind::CurveTo) {
      Include(S.Pt(0));
      continue;
    }
    if (!S.IsCompleteCurve()) {
      for (const TPathPoint& P : S.Points) Include(P.Point);
      continue;
    }
    // The curve's start is the previous stored point, already included,
    // except for a leading curve, which starts at the origin.
    if (S.Index == 0) Include(S.Start);
    Include(S.Pt(2));
    CubicAxisExtremes(S.Start.X, S.Pt(0).X, S.Pt(1).X, S.Pt(2).X, Box.Left, Box.Right);
    CubicAxisExtremes(S.Start.Y, S.Pt(0).Y, S.Pt(1).Y, S.Pt(2).Y, Box.Top, Box.Bottom);
  }
  return Box;
}

const TNotifyEvent& TPathData::OnChanged() const { return FOnChanged; }

void TPathData::SetOnChanged(TNotifyEvent Handler) { FOnChanged = std::move(Handler); }

void TPathData::DoChanged() {
  if (FOnChanged) FOnChanged(this);
}

}  // namespace FMX
