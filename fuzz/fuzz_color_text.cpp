// Colour names and colour text: the throwing and the trying reader agree,
// whatever reads writes back to text that reads to the same colour, every
// colour and identifier survives the trip, and the canvas-colour forms agree
// with the platform's.

#include <string>

#include "FMX.VX.Graphics/Colors.h"
#include "fuzz/FuzzSupport.h"
#include "platform/AlphaColors.h"
#include "platform/Classes.h"

using namespace FMX;

namespace {

void CheckColor(TAlphaColor C) {
  const std::string Text = AlphaColorToString(C);
  VXFUZZ_CHECK(StringToAlphaColor(Text) == C);
  VXFUZZ_CHECK(VX::Graphics::CanvasColorToString(C) == Text);
  VXFUZZ_CHECK(VX::Graphics::StringToCanvasColor(Text) == C);
  std::string Ident;
  if (AlphaColorToIdent(C, Ident)) {
    TAlphaColor Back = ~C;
    VXFUZZ_CHECK(IdentToAlphaColor(Ident, Back) && Back == C);
    VXFUZZ_CHECK(Ident == "cla" + Text);
  } else {
    VXFUZZ_CHECK(Text.size() == 9 && Text[0] == '#');
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  TAlphaColor Tried = 0x12345678;
  const bool Ok = TryStringToAlphaColor(Text, Tried);
  try {
    const TAlphaColor Read = StringToAlphaColor(Text);
    VXFUZZ_CHECK(Ok && Read == Tried);
  } catch (const EConvertError& E) {
    VXFUZZ_CHECK(!Ok && Tried == 0x12345678);
    VXFUZZ_CHECK(E.Message().size() <= 200);
  }
  if (Ok) CheckColor(Tried);

  TAlphaColor FromIdent = 0x12345678;
  if (IdentToAlphaColor(Text, FromIdent)) {
    std::string Ident;
    VXFUZZ_CHECK(AlphaColorToIdent(FromIdent, Ident));
    std::int32_t Signed = 0;
    VXFUZZ_CHECK(VX::Graphics::IdentToCanvasColor(Text, Signed) && TAlphaColor(Signed) == FromIdent);
  } else {
    VXFUZZ_CHECK(FromIdent == 0x12345678);
  }

  VXFuzz::TInput In(Data, Size);
  CheckColor(In.Raw<TAlphaColor>());
  return 0;
}
