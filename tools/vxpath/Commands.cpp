#include "Commands.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <VXFMXCommon.h>

#include "Json.h"

namespace VXPath {

using namespace FMX::VX::Graphics;

namespace {

void AppendPoint(std::string& Out, TPointF P) {
  Out += '[';
  AppendJsonNumber(Out, P.X);
  Out += ',';
  AppendJsonNumber(Out, P.Y);
  Out += ']';
}

// --- length, bbox, polygons, normalize ---------------------------------------

class TLength final : public TPathAction {
 public:
  explicit TLength(bool Json) : FJson(Json) {}
  void Process(TVXPathData& Path, std::string& Out) override {
    if (FJson) {
      Out += "{\"length\":";
      AppendJsonNumber(Out, Path.GetLength());
      Out += "}\n";
    } else {
      AppendNumber(Out, Path.GetLength());
      Out += '\n';
    }
  }

 private:
  bool FJson;
};

class TBBox final : public TPathAction {
 public:
  explicit TBBox(bool Json) : FJson(Json) {}
  void Process(TVXPathData& Path, std::string& Out) override {
    const TRectF R = Path.GetBounds();
    if (FJson) {
      const std::pair<const char*, float> Fields[] = {{"left", R.Left},      {"top", R.Top},
                                                      {"right", R.Right},    {"bottom", R.Bottom},
                                                      {"width", R.Width()},  {"height", R.Height()}};
      char Sep = '{';
      for (const auto& [Name, Value] : Fields) {
        Out += Sep;
        AppendJsonString(Out, Name);
        Out += ':';
        AppendJsonNumber(Out, Value);
        Sep = ',';
      }
      Out += "}\n";
    } else {
      for (const float V : {R.Left, R.Top, R.Right, R.Bottom}) {
        AppendNumber(Out, V);
        Out += ' ';
      }
      Out.back() = '\n';
    }
  }

 private:
  bool FJson;
};

class TPolygons final : public TPathAction {
 public:
  explicit TPolygons(bool Json) : FJson(Json) {}
  void Process(TVXPathData& Path, std::string& Out) override {
    if (FJson) Out += "{\"polygons\":";
    Out += '[';
    const TVXPolygons& Polygons = Path.Polygons();
    for (std::size_t I = 0; I < Polygons.size(); ++I) {
      if (I) Out += ',';
      Out += '[';
      for (std::size_t J = 0; J < Polygons[I].size(); ++J) {
        if (J) Out += ',';
        AppendPoint(Out, Polygons[I][J]);
      }
      Out += ']';
    }
    Out += FJson ? "]}\n" : "]\n";
  }

 private:
  bool FJson;
};

// Text output: the text itself; JSON: {"data": text}.
void AppendData(std::string& Out, std::string_view Text, bool Json) {
  if (Json) {
    Out += "{\"data\":";
    AppendJsonString(Out, Text);
    Out += "}\n";
  } else {
    Out += Text;
    // Split text may already end with its (line-break) delimiter.
    if (Out.empty() || Out.back() != '\n') Out += '\n';
  }
}

class TNormalize final : public TPathAction {
 public:
  explicit TNormalize(bool Json) : FJson(Json) {}
  void Process(TVXPathData& Path, std::string& Out) override { AppendData(Out, Path.Data(), FJson); }

 private:
  bool FJson;
};

// --- split ---------------------------------------------------------------------

// "\n", "\t" and "\\" in a delimiter typed on the shell.
std::string Unescape(std::string_view Text) {
  std::string Result;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == '\\' && I + 1 < Text.size()) {
      const char C = Text[I + 1];
      if (C == 'n' || C == 't' || C == '\\') {
        Result += C == 'n' ? '\n' : C == 't' ? '\t' : '\\';
        ++I;
        continue;
      }
    }
    Result += Text[I];
  }
  return Result;
}

class TSplit final : public TPathAction {
 public:
  TSplit(std::int32_t Len, std::string Delimiter, bool Json)
      : FLen(Len), FDelimiter(std::move(Delimiter)), FJson(Json) {}
  void Process(TVXPathData& Path, std::string& Out) override {
    AppendData(Out, Path.SplitDataByLength(FLen, FDelimiter), FJson);
  }

 private:
  std::int32_t FLen;
  std::string FDelimiter;
  bool FJson;
};

// --- hit -----------------------------------------------------------------------

enum class THitRule { Subpath, EvenOdd, NonZero, Outline };

class THit final : public TPathAction {
 public:
  THit(TPointF Pt, THitRule Rule, float Width, bool Json) : FPt(Pt), FRule(Rule), FWidth(Width), FJson(Json) {}
  void Process(TVXPathData& Path, std::string& Out) override {
    bool Inside = false;
    switch (FRule) {
      case THitRule::Subpath: Inside = Path.PointInPath(FPt); break;
      case THitRule::Outline: Inside = Path.PointInPathOutline(FPt, FWidth); break;
      case THitRule::EvenOdd:
      case THitRule::NonZero:
        Path.SetFillMode(FRule == THitRule::EvenOdd ? fmEvenOdd : fmNonZero);
        Inside = Path.PointInFill(FPt);
        break;
    }
    if (FJson)
      Out += Inside ? "{\"inside\":true}\n" : "{\"inside\":false}\n";
    else
      Out += Inside ? "inside\n" : "outside\n";
  }

 private:
  TPointF FPt;
  THitRule FRule;
  float FWidth;
  bool FJson;
};

std::unique_ptr<TPathAction> MakeHit(const TParsedArgs& Args, std::span<const double> Numbers, bool Json) {
  const TPointF Pt{float(Numbers[0]), float(Numbers[1])};
  const std::string* Outline = Args.Value("--outline");
  const std::string* Rule = Args.Value("--fill-rule");
  if (Outline && Rule) throw EUsageError("--outline and --fill-rule exclude each other");
  if (Outline) {
    const double Width = ParseNumber(*Outline, "--outline");
    if (Width < 0) throw EUsageError("bad number for --outline: '" + *Outline + "' (it must not be negative)");
    return std::make_unique<THit>(Pt, THitRule::Outline, float(Width), Json);
  }
  THitRule R = THitRule::Subpath;
  if (Rule) {
    if (*Rule == "subpath") R = THitRule::Subpath;
    else if (*Rule == "evenodd") R = THitRule::EvenOdd;
    else if (*Rule == "nonzero") R = THitRule::NonZero;
    else throw EUsageError("bad value for --fill-rule: '" + *Rule + "' (evenodd, nonzero or subpath)");
  }
  return std::make_unique<THit>(Pt, R, 0.0f, Json);
}

// --- at ------------------------------------------------------------------------

void AppendPositions(const TVXPathData& Path, std::span<const double> Distances, bool Json, std::string& Out) {
  if (Json) Out += "{\"points\":[";
  for (std::size_t I = 0; I < Distances.size(); ++I) {
    const double D = Distances[I];
    const TPointF Pt = Path.GetPointAtLength(D);
    const double Angle = Path.GetAngleAtLength(D);
    if (Json) {
      if (I) Out += ',';
      Out += "{\"distance\":";
      AppendJsonNumber(Out, D);
      Out += ",\"x\":";
      AppendJsonNumber(Out, Pt.X);
      Out += ",\"y\":";
      AppendJsonNumber(Out, Pt.Y);
      Out += ",\"angle\":";
      AppendJsonNumber(Out, Angle);
      Out += '}';
    } else {
      if (I) Out += "; ";
      AppendNumber(Out, Pt.X);
      Out += ' ';
      AppendNumber(Out, Pt.Y);
      Out += ' ';
      AppendNumber(Out, Angle);
    }
  }
  Out += Json ? "]}\n" : "\n";
}

class TAt final : public TPathAction {
 public:
  TAt(std::span<const double> Distances, bool Json) : FDistances(Distances.begin(), Distances.end()), FJson(Json) {}
  void Process(TVXPathData& Path, std::string& Out) override { AppendPositions(Path, FDistances, FJson, Out); }

 private:
  std::vector<double> FDistances;
  bool FJson;
};

// --- render --------------------------------------------------------------------

enum class TPictureFormat { Png, Pdf, Svg };

bool EndsWithNoCase(std::string_view Text, std::string_view Suffix) {
  return Text.size() >= Suffix.size() &&
         std::equal(Suffix.begin(), Suffix.end(), Text.end() - Suffix.size(),
                    [](char A, char B) { return std::tolower(static_cast<unsigned char>(A)) == B; });
}

// "none", a colour name or "#RRGGBB" / "#AARRGGBB"; false for "none".
bool ParseColor(const std::string* Text, TAlphaColor Default, std::string_view What, TAlphaColor& Color) {
  if (!Text) {
    Color = Default;
    return Default != 0;
  }
  if (*Text == "none") return false;
  if (!TryStringToAlphaColor(*Text, Color))
    throw EUsageError("bad colour for " + std::string(What) + ": '" + *Text +
                      "' (a name such as red, #RRGGBB, #AARRGGBB or none)");
  return true;
}

class TRender final : public TPathAction {
 public:
  TRender(const TParsedArgs& Args) {
    const std::string* File = Args.Value("-o");
    if (!File || File->empty()) throw EUsageError("render needs an output file: -o FILE.png|.pdf|.svg");
    FFileName = *File;
    if (EndsWithNoCase(FFileName, ".png")) FFormat = TPictureFormat::Png;
    else if (EndsWithNoCase(FFileName, ".pdf")) FFormat = TPictureFormat::Pdf;
    else if (EndsWithNoCase(FFileName, ".svg")) FFormat = TPictureFormat::Svg;
    else throw EUsageError("cannot tell the picture format of '" + FFileName + "': use .png, .pdf or .svg");
    if (const std::string* Size = Args.Value("--size")) {
      const auto X = Size->find_first_of("xX");
      if (X == std::string::npos) throw EUsageError("bad value for --size: '" + *Size + "' (WIDTHxHEIGHT, e.g. 256x256)");
      FWidth = ParseInteger(std::string_view(*Size).substr(0, X), "--size width", 1, 16384);
      FHeight = ParseInteger(std::string_view(*Size).substr(X + 1), "--size height", 1, 16384);
    }
    FHasFill = ParseColor(Args.Value("--fill"), claBlack, "--fill", FFill);
    FHasStroke = ParseColor(Args.Value("--stroke"), 0, "--stroke", FStroke);
    if (const std::string* Width = Args.Value("--width")) {
      const double W = ParseNumber(*Width, "--width");
      if (W <= 0) throw EUsageError("bad number for --width: '" + *Width + "' (it must be positive)");
      FStrokeWidth = float(W);
    }
    FFit = Args.Has("--fit");
  }

  void Process(TVXPathData& Path, std::string&) override {
    if (FFit)
      FKept.push_back(Path.Clone());  // the transform needs the bounds of every path
    else
      Draw(Path);
    FAny = true;
  }

  void Finish() override {
    if (!FAny) throw EInputError("nothing to render into '" + FFileName + "'");
    try {
      if (FFit) {
        const TMatrix M = FitMatrix();
        for (const auto& Path : FKept) {
          Path->ApplyMatrix(M);
          Draw(*Path);
        }
      }
      if (FBitmap)
        FBitmap->SaveToFile(FFileName);
      else
        Document().Finish();
    } catch (const std::exception& E) {
      throw EInputError(E.what());
    }
  }

 private:
  TCanvas& Canvas() {
    if (FFormat == TPictureFormat::Png) {
      if (!FBitmap) FBitmap = std::make_unique<TBitmap>(FWidth, FHeight);
      return FBitmap->Canvas();
    }
    return Document().Canvas();
  }

  TCairoDocument& Document() {
    if (!FDocument) {
      try {
        FDocument = std::make_unique<TCairoDocument>(
            FFileName, FFormat == TPictureFormat::Pdf ? TDocumentFormat::Pdf : TDocumentFormat::Svg, FWidth, FHeight);
      } catch (const std::exception& E) {
        throw EInputError(E.what());
      }
    }
    return *FDocument;
  }

  void Draw(const TVXPathData& Path) {
    TCanvas& C = Canvas();
    if (FHasFill) {
      C.Fill().SetKind(TBrushKind::Solid);
      C.Fill().SetColor(FFill);
      Path.FillPath(C, 1);
    }
    if (FHasStroke) {
      C.Stroke().SetKind(TBrushKind::Solid);
      C.Stroke().SetColor(FStroke);
      C.SetStrokeThickness(FStrokeWidth);
      C.SetStrokeJoin(TStrokeJoin::Round);
      C.SetStrokeCap(TStrokeCap::Round);
      Path.DrawPath(C, 1);
    }
  }

  // Scales the bounds of all paths, keeping the aspect ratio, into the
  // picture less a margin that leaves room for the stroke, and centres them.
  TMatrix FitMatrix() const {
    TRectF U = FKept.front()->GetBounds();
    for (const auto& Path : FKept) {
      const TRectF B = Path->GetBounds();
      U = {std::min(U.Left, B.Left), std::min(U.Top, B.Top), std::max(U.Right, B.Right), std::max(U.Bottom, B.Bottom)};
    }
    const double Margin = (FHasStroke ? double(FStrokeWidth) / 2 : 0) + 1;
    const double InnerW = std::max(double(FWidth) - 2 * Margin, 1.0);
    const double InnerH = std::max(double(FHeight) - 2 * Margin, 1.0);
    const double UW = double(U.Right) - U.Left, UH = double(U.Bottom) - U.Top;
    double Scale = std::min(UW > 0 ? InnerW / UW : std::numeric_limits<double>::infinity(),
                            UH > 0 ? InnerH / UH : std::numeric_limits<double>::infinity());
    if (!std::isfinite(Scale)) Scale = 1;
    const double CX = (double(U.Left) + U.Right) / 2, CY = (double(U.Top) + U.Bottom) / 2;
    TMatrix M = CreateTranslateVXMatrix(float(-CX), float(-CY));
    M = VXMatrixMultiply(M, CreateScaleVXMatrix(float(Scale), float(Scale)));
    return VXMatrixMultiply(M, CreateTranslateVXMatrix(float(FWidth / 2.0), float(FHeight / 2.0)));
  }

  std::string FFileName;
  TPictureFormat FFormat = TPictureFormat::Png;
  std::int32_t FWidth = 256;
  std::int32_t FHeight = 256;
  bool FHasFill = true;
  TAlphaColor FFill = claBlack;
  bool FHasStroke = false;
  TAlphaColor FStroke = 0;
  float FStrokeWidth = 1;
  bool FFit = false;
  bool FAny = false;
  std::vector<std::unique_ptr<TVXPathData>> FKept;
  std::unique_ptr<TBitmap> FBitmap;
  std::unique_ptr<TCairoDocument> FDocument;
};

// --- the table -----------------------------------------------------------------

template <typename Action>
std::unique_ptr<TPathAction> Simple(const TParsedArgs&, std::span<const double>, bool Json) {
  return std::make_unique<Action>(Json);
}

const std::vector<TCommand>& Table() {
  static const std::vector<TCommand> Commands{
      {"length", "length [--json] [PATH-TEXT | -f FILE | -]", "length of each path",
       "Prints the length of each path: curves and arcs are flattened into\n"
       "lines about 1 unit long and the lines are added up; the gap from one\n"
       "subpath to the next adds nothing.\n",
       {}, 0, 0, Simple<TLength>},
      {"bbox", "bbox [--json] [PATH-TEXT | -f FILE | -]", "bounding box of each path",
       "Prints the smallest rectangle holding each path as LEFT TOP RIGHT BOTTOM\n"
       "(curve extremes count, control points do not). With --json also its\n"
       "width and height.\n",
       {}, 0, 0, Simple<TBBox>},
      {"polygons", "polygons [--json] [PATH-TEXT | -f FILE | -]", "flattened polygons as JSON",
       "Prints each path flattened into polygons, one per subpath, as a JSON array\n"
       "of arrays of [x, y] points; a closed subpath repeats its first point.\n",
       {}, 0, 0, Simple<TPolygons>},
      {"split", "split --len N [--delimiter S] [--json] [PATH-TEXT | -f FILE | -]", "path text split into pieces",
       "Writes each path as absolute path text and inserts the delimiter each\n"
       "time the text since the last one grows past N characters. The delimiter\n"
       "is a line break unless given; \\n, \\t and \\\\ in it stand for a line\n"
       "break, a tab and a backslash.\n",
       {{"--len", true}, {"--delimiter", true}}, 0, 0,
       [](const TParsedArgs& Args, std::span<const double>, bool Json) -> std::unique_ptr<TPathAction> {
         const std::string* Len = Args.Value("--len");
         if (!Len) throw EUsageError("split needs --len N");
         const std::string* Delimiter = Args.Value("--delimiter");
         return std::make_unique<TSplit>(ParseInteger(*Len, "--len", 1, 1 << 30),
                                         Delimiter ? Unescape(*Delimiter) : std::string("\n"), Json);
       }},
      {"hit", "hit X Y [--outline WIDTH | --fill-rule evenodd|nonzero|subpath] [--json] [PATH-TEXT | -f FILE | -]",
       "is a point inside each path",
       "Prints \"inside\" or \"outside\" for the point (X, Y) and each path.\n"
       "  --fill-rule subpath   each subpath on its own with the even-odd rule;\n"
       "                        inside any of them is inside (the default)\n"
       "  --fill-rule evenodd   the whole path under the even-odd rule\n"
       "  --fill-rule nonzero   the whole path under the non-zero winding rule\n"
       "  --outline WIDTH       on the path's outline stroked WIDTH wide\n"
       "                        (no joins or caps) instead of inside the fill\n",
       {{"--outline", true}, {"--fill-rule", true}}, 2, 2, MakeHit},
      {"normalize", "normalize [--json] [PATH-TEXT | -f FILE | -]", "path text with absolute commands",
       "Prints each path as the library writes it: absolute M, L, C and Z\n"
       "commands (arcs, quadratic and smooth curves become cubic curves).\n",
       {}, 0, 0, Simple<TNormalize>},
      {"at", "at D... [--json] [PATH-TEXT | -f FILE | -]", "point and angle at distances along each path",
       "Prints, for each distance D along the path, the point there and the\n"
       "direction of the path in degrees (turning from +x towards +y), as\n"
       "X Y ANGLE groups separated by \"; \". Distances below 0 or past the\n"
       "length give the ends of the path.\n",
       {}, 1, -1,
       [](const TParsedArgs&, std::span<const double> Numbers, bool Json) -> std::unique_ptr<TPathAction> {
         return std::make_unique<TAt>(Numbers, Json);
       }},
      {"render", "render -o FILE.png|.pdf|.svg [--size WxH] [--fill COLOR] [--stroke COLOR] [--width W] [--fit]\n"
                 "              [PATH-TEXT | -f FILE | -]",
       "draw the paths into a picture",
       "Draws every path into one picture: filled with --fill (black unless\n"
       "given; \"none\" for no fill), then stroked with --stroke (none unless\n"
       "given) --width units wide (1). Colours are names (red, SteelBlue) or\n"
       "#RRGGBB / #AARRGGBB. The picture is 256x256 unless --size is given;\n"
       "PNG pixels are transparent where nothing is drawn, PDF and SVG sizes\n"
       "are in points. --fit scales and centres the paths to fill the picture\n"
       "(the paths are then kept in memory until all are read).\n",
       {{"-o", true}, {"--size", true}, {"--fill", true}, {"--stroke", true}, {"--width", true}, {"--fit", false}},
       0, 0,
       [](const TParsedArgs& Args, std::span<const double>, bool) -> std::unique_ptr<TPathAction> {
         return std::make_unique<TRender>(Args);
       }},
  };
  return Commands;
}

}  // namespace

std::span<const TCommand> Commands() { return Table(); }

const TCommand* FindCommand(std::string_view Name) {
  for (const TCommand& C : Table())
    if (C.Name == Name) return &C;
  return nullptr;
}

}  // namespace VXPath
