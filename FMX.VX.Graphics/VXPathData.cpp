#include "FMX.VX.Graphics/VXPathData.h"

#include <utility>

#include "FMX.VX.Graphics/PathParser_p.h"

namespace FMX::VX::Graphics {

namespace {

// Runs Body inside BeginUpdate/EndUpdate; the EndUpdate also runs when an
// exception passes (an exception from EndUpdate's own notification then
// replaces the one that was passing).
template <typename F>
void Batched(TVXPathData& Path, F&& Body) {
  Path.BeginUpdate();
  try {
    Body();
  } catch (...) {
    Path.EndUpdate();
    throw;
  }
  Path.EndUpdate();
}

}  // namespace

TVXPathData::TVXPathData() {
  TPathData::FOnChanged = [this](TObject* Sender) { PathChange(Sender); };
}

TVXPathData::~TVXPathData() = default;

std::unique_ptr<TVXPathData> TVXPathData::NewInstance() const { return std::make_unique<TVXPathData>(); }

std::unique_ptr<TVXPathData> TVXPathData::Clone() const {
  std::unique_ptr<TVXPathData> Copy = NewInstance();
  Copy->Assign(*this);
  return Copy;
}

const TNotifyEvent& TVXPathData::OnChanged() const { return FOnChanged; }

void TVXPathData::SetOnChanged(TNotifyEvent Handler) { FOnChanged = std::move(Handler); }

void TVXPathData::SetFillMode(TVXFillMode Value) {
  if (FFillMode != Value) FFillMode = Value;
}

void TVXPathData::PathChange(TObject*) {
  if (FUpdateCount > 0) return;
  FLength = 0;
  FPolygons.clear();
  FDistances.clear();
  FPolygonsValid = false;
  FDistancesValid = false;
  FHitIndex.reset();
  FBatchStale = false;
  FLiveValid = false;
  FLivePolygons.clear();
  FLiveIndex.reset();
  FColdQueries = 0;
  if (FOnChanged) FOnChanged(this);
}

void TVXPathData::DoChanged() {
  if (FUpdateCount > 0) {
    // The caches stay as they were; the hit tests must not use them now.
    FBatchStale = FPolygonsValid;
    FLiveValid = false;
    FColdQueries = 0;
    return;
  }
  TPathData::DoChanged();
}

void TVXPathData::BeginUpdate() { ++FUpdateCount; }

void TVXPathData::EndUpdate() {
  --FUpdateCount;
  if (FUpdateCount == 0) PathChange(this);
}

std::string TVXPathData::Data() const { return GetPathString(); }

void TVXPathData::SetData(std::string_view PathString) {
  Batched(*this, [&] {
    Clear();
    Detail::ParsePathString(*this, PathString);
    // A trailing move is closed so that it is not left dangling.
    if (!IsEmpty() && Points().back().Kind == TPathPointKind::MoveTo) ClosePath();
  });
}

void TVXPathData::AddPolygon(std::span<const TPoint> Poly) {
  if (Poly.empty()) return;
  auto F = [](const TPoint& P) { return TPointF{float(P.X), float(P.Y)}; };
  Batched(*this, [&] {
    Reserve(Points().size() + Poly.size() + 1);
    MoveTo(F(Poly.front()));
    for (std::size_t I = 1; I < Poly.size(); ++I) LineTo(F(Poly[I]));
    if (Poly.front() == Poly.back()) ClosePath();
  });
}

void TVXPathData::AddPolygon(std::span<const TPointF> Poly) {
  if (Poly.empty()) return;
  Batched(*this, [&] {
    Reserve(Points().size() + Poly.size() + 1);
    MoveTo(Poly.front());
    for (std::size_t I = 1; I + 1 < Poly.size(); ++I) LineTo(Poly[I]);
    // Exact comparison: a repeated first point closes instead of drawing.
    const TPointF &First = Poly.front(), &Last = Poly.back();
    if (First.X == Last.X && First.Y == Last.Y)
      ClosePath();
    else
      LineTo(Last);
  });
}

void TVXPathData::AddPolygons(const TPointPolygons& Poly) {
  Batched(*this, [&] {
    for (const TPoints& P : Poly) AddPolygon(std::span<const TPoint>(P));
  });
}

void TVXPathData::AddPolygons(const TVXPolygons& Poly) {
  Batched(*this, [&] {
    for (const TCanvasPoints& P : Poly) AddPolygon(std::span<const TPointF>(P));
  });
}

void TVXPathData::CopyPoints(const TPathData& Source, TPathData& Dest) {
  if (&Source == &Dest) {
    // Appending a path to itself: walk a snapshot, the list grows meanwhile.
    TPathData Snapshot;
    Snapshot.Assign(Source);
    CopyPoints(Snapshot, Dest);
    return;
  }
  Dest.Reserve(Dest.Points().size() + Source.Points().size());
  for (const TPathSegment& S : Source.Segments()) {
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        Dest.MoveTo(S.Pt(0));
        break;
      case TPathPointKind::LineTo:
        Dest.LineTo(S.Pt(0));
        break;
      case TPathPointKind::CurveTo:
        if (!S.IsCompleteCurve()) throw Exception("Path Copying Error");
        Dest.CurveTo(S.Pt(0), S.Pt(1), S.Pt(2));
        break;
      case TPathPointKind::Close:
        Dest.ClosePath();
        break;
    }
  }
}

void TVXPathData::Append(const TVXPathData& Source) {
  if (IsEmpty()) {
    Assign(Source);
    return;
  }
  Batched(*this, [&] { CopyPoints(Source, *this); });
}

void TVXPathData::Append(std::string_view PathString) {
  TVXPathData Temp;
  Temp.SetData(PathString);
  Append(Temp);
}

void TVXPathData::AssignTo(TPersistent& Dest) const {
  if (auto* Path = dynamic_cast<TPathData*>(&Dest)) {
    CopyPoints(*this, *Path);
    return;
  }
  TPathData::AssignTo(Dest);
}

void TVXPathData::SmoothCurveTo(TPointF ControlPoint2, TPointF EndPoint) {
  if (GetCount() > 2 && Points().back().Kind != TPathPointKind::MoveTo)
    TPathData::SmoothCurveTo(ControlPoint2, EndPoint);
  else
    CurveTo(LastPoint(), ControlPoint2, EndPoint);
}

void TVXPathData::SmoothCurveToRel(TPointF ControlPoint2, TPointF EndPoint) {
  if (GetCount() > 2 && Points().back().Kind != TPathPointKind::MoveTo)
    TPathData::SmoothCurveToRel(ControlPoint2, EndPoint);
  else
    CurveToRel(TPointF{0, 0}, ControlPoint2, EndPoint);
}

}  // namespace FMX::VX::Graphics
