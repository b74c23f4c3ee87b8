#include "FMX.VX.Graphics/Colors.h"

#include <algorithm>
#include <bit>

#include "platform/Math.h"

namespace FMX::VX::Graphics {

static_assert(sizeof(TColorList) == 40);
static_assert(sizeof(TVXColorScheme) == 1 && csAntique == 11);

std::span<const TAlphaColor> ColorSchemeColors(TVXColorScheme Scheme) {
  if (Scheme <= csCustom || Scheme > csAntique) return {};
  return ColorSchemeLists[Scheme - 1];
}

std::string CanvasColorToString(TAlphaColor Color) { return AlphaColorToString(Color); }

TAlphaColor StringToCanvasColor(std::string_view Text) { return StringToAlphaColor(Text); }

bool CanvasColorToIdent(std::int32_t Color, std::string& Ident) {
  return AlphaColorToIdent(std::bit_cast<TAlphaColor>(Color), Ident);
}

bool IdentToCanvasColor(std::string_view Ident, std::int32_t& Color) {
  TAlphaColor Value;
  if (!IdentToAlphaColor(Ident, Value)) return false;
  Color = std::bit_cast<std::int32_t>(Value);
  return true;
}

std::uint8_t DoubleToByte(double Value) {
  // Round saturates and maps NaN to 0, so the clamp sees every input.
  return std::uint8_t(std::clamp<std::int64_t>(Round(Value), 0, 255));
}

TAlphaColor IndexToColor(std::int32_t Index, std::int32_t Count, std::span<const TAlphaColor> Colors) {
  const std::size_t N = Colors.size();
  if (N == 0) return 0xFF000000;
  if (N == 1 || Count <= 0 || Index < 0) return Colors[0];

  // Steps between two neighbouring colours; positive since Count > 0.
  const double Seg = double(Count) / double(N - 1);
  const std::int64_t Step = std::max<std::int64_t>(1, Round(Seg));
  const std::int64_t K = Index / Step;
  if (K >= std::int64_t(N - 1)) return Colors[N - 1];

  const TAlphaColor C1 = Colors[std::size_t(K)];
  const TAlphaColor C2 = Colors[std::size_t(K) + 1];
  const double T = double(Index) - Seg * double(K) + 1;
  TAlphaColor Result = 0;
  for (int Shift : {16, 8, 0, 24}) {  // red, green, blue, alpha
    const double A = double((C1 >> Shift) & 0xFF);
    const double B = double((C2 >> Shift) & 0xFF);
    Result |= TAlphaColor(DoubleToByte(A - ((A - B) / Seg) * T)) << Shift;
  }
  return Result;
}

}  // namespace FMX::VX::Graphics
