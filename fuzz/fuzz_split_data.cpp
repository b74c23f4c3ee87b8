// Split path text: the pieces SplitDataByLength writes rejoin into text that
// reads back to the same points as the path (bit for bit), every piece but
// the last runs just past the length (the delimiter follows the command that
// crossed it), and no delimiter is ever written twice in a row.

#include <cmath>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "fuzz/FuzzSupport.h"

using namespace FMX::VX::Graphics;

namespace {

std::vector<std::string_view> SplitOn(std::string_view Text, std::string_view Delimiter) {
  std::vector<std::string_view> Pieces;
  std::size_t Start = 0;
  for (std::size_t At; (At = Text.find(Delimiter, Start)) != std::string_view::npos; Start = At + Delimiter.size())
    Pieces.push_back(Text.substr(Start, At - Start));
  Pieces.push_back(Text.substr(Start));
  return Pieces;
}

// Length of the last command in a piece ("L1,2 " or "Z ").
std::size_t LastCommand(std::string_view Piece) {
  const std::size_t At = Piece.find_last_of("MLCZ");
  return At == std::string_view::npos ? 0 : Piece.size() - At;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  VXFuzz::TInput In(Data, Size);
  const std::int32_t Len = std::int32_t(In.Byte()) * 2 - 16;
  static constexpr std::string_view Delimiters[] = {"|", "\n", "<>", ""};
  const std::string_view Delimiter = Delimiters[In.Byte() % 4];
  if (In.Left() > 8192) return 0;

  TVXPathData P;
  P.SetData(In.Rest());
  for (const FMX::TPathPoint& Q : P.Points())
    if (!std::isfinite(Q.Point.X) || !std::isfinite(Q.Point.Y)) return 0;
  for (const FMX::TPathSegment& S : P.Segments())
    if (S.Kind == FMX::TPathPointKind::CurveTo && !S.IsCompleteCurve()) return 0;

  const std::string Split = P.SplitDataByLength(Len, Delimiter);
  const std::string Whole = P.SplitDataByLength(INT32_MAX, "");
  std::string Joined;
  if (Delimiter.empty()) {
    Joined = Split;
  } else {
    const auto Pieces = SplitOn(Split, Delimiter);
    for (std::size_t I = 0; I < Pieces.size(); ++I) {
      Joined += Pieces[I];
      if (I + 1 == Pieces.size()) break;
      // A piece ends with the command that took it past Len.
      VXFUZZ_CHECK(!Pieces[I].empty());
      VXFUZZ_CHECK(std::int64_t(Pieces[I].size()) > Len);
      VXFUZZ_CHECK(std::int64_t(Pieces[I].size() - LastCommand(Pieces[I])) <= std::max<std::int64_t>(Len, 0));
    }
  }
  VXFUZZ_CHECK(Joined == Whole);

  TVXPathData Back;
  Back.SetData(Joined);
  const auto A = P.Points(), B = Back.Points();
  VXFUZZ_CHECK(A.size() == B.size());
  for (std::size_t I = 0; I < A.size(); ++I) VXFUZZ_CHECK(A[I] == B[I]);
  return 0;
}
