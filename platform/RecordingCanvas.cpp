#include "platform/RecordingCanvas.h"

#include <cstdio>
#include <initializer_list>

#include "platform/Bitmap.h"
#include "platform/NumberText.h"

namespace FMX {

namespace {

std::string Num(float V) { return FloatToStr(double(V)); }

// "(a,b,...)", or with other brackets.
std::string Tuple(std::initializer_list<float> Values, char Open = '(', char Close = ')') {
  std::string S(1, Open);
  for (float V : Values) {
    if (S.size() > 1) S += ',';
    S += Num(V);
  }
  S += Close;
  return S;
}

std::string Pt(const TPointF& P) { return Tuple({P.X, P.Y}); }

std::string Rc(const TRectF& R) { return Tuple({R.Left, R.Top, R.Right, R.Bottom}); }

std::string Hex(TAlphaColor C) {
  char Buf[9];
  std::snprintf(Buf, sizeof Buf, "%08X", unsigned(C));
  return Buf;
}

const char* KindName(TBrushKind K) {
  switch (K) {
    case TBrushKind::None: return "None";
    case TBrushKind::Solid: return "Solid";
    case TBrushKind::Gradient: return "Gradient";
  }
  return "?";
}

const char* AlignName(TTextAlign A) {
  switch (A) {
    case TTextAlign::Center: return "Center";
    case TTextAlign::Leading: return "Leading";
    case TTextAlign::Trailing: return "Trailing";
  }
  return "?";
}

const char* CapName(TStrokeCap C) { return C == TStrokeCap::Round ? "Round" : "Flat"; }

const char* JoinName(TStrokeJoin J) {
  switch (J) {
    case TStrokeJoin::Miter: return "Miter";
    case TStrokeJoin::Round: return "Round";
    case TStrokeJoin::Bevel: return "Bevel";
  }
  return "?";
}

const char* DashName(TStrokeDash D) {
  switch (D) {
    case TStrokeDash::Solid: return "Solid";
    case TStrokeDash::Dash: return "Dash";
    case TStrokeDash::Dot: return "Dot";
    case TStrokeDash::DashDot: return "DashDot";
    case TStrokeDash::DashDotDot: return "DashDotDot";
    case TStrokeDash::Custom: return "Custom";
  }
  return "?";
}

const char* CornerTypeName(TCornerType T) {
  switch (T) {
    case TCornerType::Round: return "Round";
    case TCornerType::Bevel: return "Bevel";
    case TCornerType::InnerRound: return "InnerRound";
    case TCornerType::InnerLine: return "InnerLine";
  }
  return "?";
}

// "Solid:FFFF0000", "None", or "Gradient:Linear[FF000000@0,FFFFFFFF@1]".
std::string BrushText(const TBrush& B) {
  switch (B.Kind()) {
    case TBrushKind::None: return "None";
    case TBrushKind::Solid: return "Solid:" + Hex(B.Color());
    case TBrushKind::Gradient: {
      const TGradient& G = B.Gradient();
      std::string S = G.Style() == TGradientStyle::Radial ? "Gradient:Radial[" : "Gradient:Linear[";
      bool First = true;
      for (const TGradientPoint& P : G.Points()) {
        if (!First) S += ",";
        First = false;
        S += Hex(P.Color) + "@" + Num(P.Offset);
      }
      return S + "]";
    }
  }
  return KindName(B.Kind());
}

std::string StrokeText(const TStrokeBrush& S) {
  return "stroke=" + BrushText(S) + " w=" + Num(S.Thickness()) + " cap=" + CapName(S.Cap()) +
         " join=" + JoinName(S.Join()) + " dash=" + DashName(S.Dash());
}

std::string FontText(const TFont& F) {
  std::string S = "font=\"" + F.Family() + "\" " + Num(F.Size()) + " [";
  static const char* const Names[] = {"Bold", "Italic", "Underline", "StrikeOut"};
  bool First = true;
  for (int I = 0; I < 4; ++I)
    if (F.Style().Contains(TFontStyle(I))) {
      if (!First) S += ",";
      First = false;
      S += Names[I];
    }
  return S + "]";
}

bool IsIdentity(const TMatrix& M) { return M == TMatrix::Identity(); }

std::string PathText(const std::vector<TPathPoint>& Path) {
  std::string S;
  for (const TPathPoint& P : Path) {
    if (!S.empty()) S += " ";
    switch (P.Kind) {
      case TPathPointKind::MoveTo: S += "M"; break;
      case TPathPointKind::LineTo: S += "L"; break;
      case TPathPointKind::CurveTo: S += "C"; break;
      case TPathPointKind::Close: S += "Z"; continue;
    }
    S += Num(P.Point.X) + "," + Num(P.Point.Y);
  }
  return "[" + S + "]";
}

}  // namespace

const char* CanvasOpName(TCanvasOp Op) {
  switch (Op) {
    case TCanvasOp::BeginScene: return "BeginScene";
    case TCanvasOp::EndScene: return "EndScene";
    case TCanvasOp::IntersectClipRect: return "IntersectClipRect";
    case TCanvasOp::PushClip: return "PushClip";
    case TCanvasOp::PopClip: return "PopClip";
    case TCanvasOp::Clear: return "Clear";
    case TCanvasOp::FillRect: return "FillRect";
    case TCanvasOp::DrawRect: return "DrawRect";
    case TCanvasOp::FillEllipse: return "FillEllipse";
    case TCanvasOp::DrawEllipse: return "DrawEllipse";
    case TCanvasOp::DrawLine: return "DrawLine";
    case TCanvasOp::DrawArc: return "DrawArc";
    case TCanvasOp::FillPath: return "FillPath";
    case TCanvasOp::DrawPath: return "DrawPath";
    case TCanvasOp::DrawPolygon: return "DrawPolygon";
    case TCanvasOp::FillText: return "FillText";
    case TCanvasOp::DrawBitmap: return "DrawBitmap";
  }
  return "?";
}

std::string TCanvasRecord::ToString() const {
  std::string S = CanvasOpName(Op);
  bool UsesFill = false, UsesStroke = false, UsesFont = false, UsesMatrix = true;
  const auto Radii = [&] {
    if (XRadius != 0 || YRadius != 0 || !Corners.Empty() || CornerType != TCornerType::Round) {
      char Buf[8];
      std::snprintf(Buf, sizeof Buf, "%02X", unsigned(Corners.Bits()));
      S += " r=" + Num(XRadius) + "," + Num(YRadius) + " corners=" + Buf + " " + CornerTypeName(CornerType);
    }
  };
  switch (Op) {
    case TCanvasOp::BeginScene:
    case TCanvasOp::EndScene:
    case TCanvasOp::PushClip:
    case TCanvasOp::PopClip:
      UsesMatrix = false;
      break;
    case TCanvasOp::IntersectClipRect:
      S += " " + Rc(Rect);
      break;
    case TCanvasOp::Clear:
      S += " " + Hex(Color);
      UsesMatrix = false;
      break;
    case TCanvasOp::FillRect:
      S += " " + Rc(Rect);
      Radii();
      UsesFill = true;
      break;
    case TCanvasOp::DrawRect:
      S += " " + Rc(Rect);
      Radii();
      UsesStroke = true;
      break;
    case TCanvasOp::FillEllipse:
      S += " " + Rc(Rect);
      UsesFill = true;
      break;
    case TCanvasOp::DrawEllipse:
      S += " " + Rc(Rect);
      UsesStroke = true;
      break;
    case TCanvasOp::DrawLine:
      if (Points.size() == 2) S += " " + Pt(Points[0]) + "-" + Pt(Points[1]);
      UsesStroke = true;
      break;
    case TCanvasOp::DrawArc:
      if (Points.size() == 2) S += " c=" + Pt(Points[0]) + " r=" + Pt(Points[1]);
      S += " a=" + Num(StartAngle) + "," + Num(SweepAngle);
      UsesStroke = true;
      break;
    case TCanvasOp::FillPath:
    case TCanvasOp::DrawPath:
      S += " " + PathText(Path);
      (Op == TCanvasOp::FillPath ? UsesFill : UsesStroke) = true;
      break;
    case TCanvasOp::DrawPolygon: {
      std::string P;
      for (const TPointF& Q : Points) P += Pt(Q);
      S += " [" + P + "]";
      UsesStroke = true;
      break;
    }
    case TCanvasOp::FillText:
      S += " " + Rc(Rect) + " \"" + Text + "\" wrap=" + (WordWrap ? "1" : "0") + " h=" + AlignName(HTextAlign) +
           " v=" + AlignName(VTextAlign);
      if (Flags.Contains(TFillTextFlag::RightToLeft)) S += " rtl";
      UsesFill = UsesFont = true;
      break;
    case TCanvasOp::DrawBitmap:
      S += " " + std::to_string(BitmapSize.cx) + "x" + std::to_string(BitmapSize.cy) + " " + Rc(SourceRect) +
           "->" + Rc(Rect);
      if (HighSpeed) S += " fast";
      break;
  }
  if (Op >= TCanvasOp::FillRect) S += " op=" + Num(Opacity);
  if (UsesFill) S += " fill=" + BrushText(Fill);
  if (UsesStroke) S += " " + StrokeText(Stroke);
  if (UsesFont) S += " " + FontText(Font);
  if (UsesMatrix && !IsIdentity(Matrix))
    S += " m=" + Tuple({Matrix.m11, Matrix.m12, Matrix.m21, Matrix.m22, Matrix.m31, Matrix.m32}, '[', ']');
  return S;
}

TRecordingCanvas::TRecordingCanvas(std::int32_t Width, std::int32_t Height) : TCanvas(Width, Height) {}

TRecordingCanvas::~TRecordingCanvas() = default;

std::size_t TRecordingCanvas::Count(TCanvasOp Op) const {
  std::size_t N = 0;
  for (const TCanvasRecord& R : FRecords) N += R.Op == Op;
  return N;
}

std::vector<TCanvasOp> TRecordingCanvas::Ops() const {
  std::vector<TCanvasOp> Result;
  Result.reserve(FRecords.size());
  for (const TCanvasRecord& R : FRecords) Result.push_back(R.Op);
  return Result;
}

std::string TRecordingCanvas::Dump() const {
  std::string S;
  for (const TCanvasRecord& R : FRecords) S += R.ToString() + "\n";
  return S;
}

TSizeF TRecordingCanvas::DefaultTextMetrics(const TFont& Font, std::string_view Text) {
  std::size_t Lines = 1, Widest = 0, Current = 0;
  for (const char C : Text) {
    if (C == '\n') {
      ++Lines;
      Current = 0;
      continue;
    }
    // Count code points: every byte that does not continue a UTF-8 sequence.
    if ((static_cast<unsigned char>(C) & 0xC0) != 0x80) ++Current;
    if (Current > Widest) Widest = Current;
  }
  const double Size = Font.Size();
  return {float(double(Widest) * Size / 2), float(double(Lines) * Size)};
}

TCanvasRecord& TRecordingCanvas::Add(TCanvasOp Op, float Opacity) {
  TCanvasRecord& R = FRecords.emplace_back();
  R.Op = Op;
  R.Opacity = Opacity;
  R.ClipDepth = ClipDepth();
  R.Fill = Fill();
  R.Stroke = Stroke();
  R.Font = Font();
  R.Matrix = Matrix();
  return R;
}

bool TRecordingCanvas::DoBeginScene() {
  Add(TCanvasOp::BeginScene, 1);
  return true;
}

void TRecordingCanvas::DoEndScene() { Add(TCanvasOp::EndScene, 1); }

void TRecordingCanvas::DoIntersectClipRect(const TRectF& Rect) { Add(TCanvasOp::IntersectClipRect, 1).Rect = Rect; }

// A push records the level it opens from (the depth before it), a pop the
// level it returns to.
void TRecordingCanvas::DoPushClip() { Add(TCanvasOp::PushClip, 1); }

void TRecordingCanvas::DoPopClip() { Add(TCanvasOp::PopClip, 1).ClipDepth = ClipDepth() - 1; }

void TRecordingCanvas::DoClear(TAlphaColor Color) { Add(TCanvasOp::Clear, 1).Color = Color; }

void TRecordingCanvas::DoFillRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                                  TCornerType CornerType) {
  TCanvasRecord& R = Add(TCanvasOp::FillRect, Opacity);
  R.Rect = Rect;
  R.XRadius = XRadius;
  R.YRadius = YRadius;
  R.Corners = Corners;
  R.CornerType = CornerType;
}

void TRecordingCanvas::DoDrawRect(const TRectF& Rect, float XRadius, float YRadius, TCorners Corners, float Opacity,
                                  TCornerType CornerType) {
  TCanvasRecord& R = Add(TCanvasOp::DrawRect, Opacity);
  R.Rect = Rect;
  R.XRadius = XRadius;
  R.YRadius = YRadius;
  R.Corners = Corners;
  R.CornerType = CornerType;
}

void TRecordingCanvas::DoFillEllipse(const TRectF& Rect, float Opacity) {
  Add(TCanvasOp::FillEllipse, Opacity).Rect = Rect;
}

void TRecordingCanvas::DoDrawEllipse(const TRectF& Rect, float Opacity) {
  Add(TCanvasOp::DrawEllipse, Opacity).Rect = Rect;
}

void TRecordingCanvas::DoDrawLine(const TPointF& P1, const TPointF& P2, float Opacity) {
  Add(TCanvasOp::DrawLine, Opacity).Points = {P1, P2};
}

void TRecordingCanvas::DoDrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle,
                                 float Opacity) {
  TCanvasRecord& R = Add(TCanvasOp::DrawArc, Opacity);
  R.Points = {Center, Radius};
  R.StartAngle = StartAngle;
  R.SweepAngle = SweepAngle;
}

void TRecordingCanvas::DoFillPath(const TPathData& Path, float Opacity) {
  TCanvasRecord& R = Add(TCanvasOp::FillPath, Opacity);
  R.Path.assign(Path.Points().begin(), Path.Points().end());
  R.Points.reserve(R.Path.size());
  for (const TPathPoint& P : R.Path) R.Points.push_back(P.Point);
}

void TRecordingCanvas::DoDrawPath(const TPathData& Path, float Opacity) {
  TCanvasRecord& R = Add(TCanvasOp::DrawPath, Opacity);
  R.Path.assign(Path.Points().begin(), Path.Points().end());
  R.Points.reserve(R.Path.size());
  for (const TPathPoint& P : R.Path) R.Points.push_back(P.Point);
}

void TRecordingCanvas::DoDrawPolygon(std::span<const TPointF> Points, float Opacity) {
  Add(TCanvasOp::DrawPolygon, Opacity).Points.assign(Points.begin(), Points.end());
}

void TRecordingCanvas::DoFillText(const TRectF& Rect, std::string_view Text, bool WordWrap, float Opacity,
                                  TFillTextFlags Flags, TTextAlign HTextAlign, TTextAlign VTextAlign) {
  TCanvasRecord& R = Add(TCanvasOp::FillText, Opacity);
  R.Rect = Rect;
  R.Text.assign(Text);
  R.WordWrap = WordWrap;
  R.Flags = Flags;
  R.HTextAlign = HTextAlign;
  R.VTextAlign = VTextAlign;
}

TSizeF TRecordingCanvas::DoMeasureText(std::string_view Text) const {
  return FMetrics ? FMetrics(Font(), Text) : DefaultTextMetrics(Font(), Text);
}

void TRecordingCanvas::DoDrawBitmap(const TBitmap& Bitmap, const TRectF& Source, const TRectF& Dest, float Opacity,
                                    bool HighSpeed) {
  TCanvasRecord& R = Add(TCanvasOp::DrawBitmap, Opacity);
  R.Rect = Dest;
  R.SourceRect = Source;
  R.HighSpeed = HighSpeed;
  R.BitmapSize = {Bitmap.Width(), Bitmap.Height()};
}

}  // namespace FMX
