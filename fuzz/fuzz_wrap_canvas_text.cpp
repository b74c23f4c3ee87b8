// Word wrapping of any text must give back the text: removing the inserted
// separators restores it exactly, no separator lands inside a character or
// in front of the first word, and nothing crashes, hangs or reads past the
// end.
//
// Input: byte 0 picks the mode and the separator length, byte 1 the maximum
// width, byte 2 an extra break character; the rest is the text.
// - Even mode byte: the rest is used as raw bytes (any UTF-8 or none).
// - Odd mode byte: the rest picks tokens from a small alphabet of whole
//   characters (ASCII, 2-, 3- and 4-byte code points, breaks, quotes, line
//   breaks, bytes that start no valid sequence), so the character
//   boundaries are known and a separator between two of them can be told
//   from one that splits a character.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FMX.VX.Graphics/Text.h"
#include "platform/RecordingCanvas.h"

#include "fuzz/FuzzSupport.h"

using namespace FMX::VX::Graphics;

namespace {

// No token holds the bytes 0x01 or 0x02, which make up the separators of
// the token mode.
constexpr std::string_view Alphabet[] = {
    "a", "b", "Z", " ", " ", "\t", "-", "\"", "'", "\r", "\n", "\r\n", "\xC3\xA9", "\xC4\xA0", "\xE2\x82\xAC",
    "\xE3\x80\x80", "\xF0\x9F\x98\x80", "\xFF", "\xC0", "\x80", "\xED\xA0\x80", "x", "y", ".",
};

// Splits Out at every occurrence of Separator; the pieces joined must be
// Text, and every cut must fall on one of Boundaries (byte offsets into
// Text; empty: not checked).
void CheckRoundTrip(std::string_view Text, std::string_view Out, std::string_view Separator,
                    const std::vector<bool>& Boundary) {
  std::string Joined;
  std::size_t At = 0;
  bool First = true;
  while (true) {
    const std::size_t Next = Separator.empty() ? std::string_view::npos : Out.find(Separator, At);
    Joined += Out.substr(At, Next - At);
    if (Next == std::string_view::npos) break;
    // A cut in front of the first word never happens.
    VXFUZZ_CHECK(!(First && Next == 0));
    First = false;
    if (!Boundary.empty()) VXFUZZ_CHECK(Boundary[Joined.size()]);
    At = Next + Separator.size();
  }
  VXFUZZ_CHECK(Joined == Text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size < 3) return 0;
  const std::uint8_t Mode = Data[0];
  const float MaxWidth = Data[1] == 255 ? 1e30f : float(Data[1]);
  VXCommon::TSysCharSet Breaks = DefaultBreakChars;
  Breaks.Include(Data[2]);
  const std::string_view Rest(reinterpret_cast<const char*>(Data + 3), Size - 3);

  std::string Text;
  std::vector<bool> Boundary;
  std::string Separator;
  if (Mode & 1) {
    Boundary.push_back(true);
    for (const char C : Rest) {
      const std::string_view T = Alphabet[static_cast<unsigned char>(C) % std::size(Alphabet)];
      Text += T;
      Boundary.resize(Text.size() + 1, false);
      Boundary[Text.size()] = true;
    }
    Separator.assign(1 + (Mode >> 1) % 3, '\x01');
    Separator.back() = '\x02';
  } else {
    Text.assign(Rest);
    // A separator of a byte the text does not hold, when there is one.
    bool Seen[256] = {};
    for (const char C : Text) Seen[static_cast<unsigned char>(C)] = true;
    for (int B = 255; B >= 0; --B)
      if (!Seen[B]) {
        Separator.assign(1 + (Mode >> 1) % 3, char(B));
        break;
      }
  }

  FMX::TRecordingCanvas Canvas;
  Canvas.Font().SetSize(float(4 + Mode % 16));
  const std::string Out = WrapCanvasText(Canvas, Text, Separator, Breaks, MaxWidth);
  if (!Separator.empty()) CheckRoundTrip(Text, Out, Separator, Boundary);
  else VXFUZZ_CHECK(Out == Text);

  // The short form inserts CR LF only.
  const std::string Short = WrapCanvasText(Canvas, Text, MaxWidth);
  VXFUZZ_CHECK(Short.size() >= Text.size() && (Short.size() - Text.size()) % 2 == 0);
  return 0;
}
