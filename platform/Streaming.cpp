#include "platform/Streaming.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "platform/NumberText.h"

namespace FMX {

namespace {

std::string_view Trim(std::string_view S) {
  const auto Blank = [](char C) { return C == ' ' || C == '\t' || C == '\r'; };
  while (!S.empty() && Blank(S.front())) S.remove_prefix(1);
  while (!S.empty() && Blank(S.back())) S.remove_suffix(1);
  return S;
}

}  // namespace

// --- Tables -----------------------------------------------------------------

TPublishedProperties::TPublishedProperties(const TPublishedProperties* Base, std::vector<TPublishedProperty> Own)
    : FOwn(std::move(Own)) {
  if (Base) FAll = Base->FAll;
  for (const auto& P : FOwn) FAll.push_back(&P);
}

const TPublishedProperty* TPublishedProperties::Find(std::string_view Name) const {
  for (const auto* P : FAll)
    if (P->Name == Name) return P;
  return nullptr;
}

// --- Writing and reading ------------------------------------------------------

std::string WriteProperties(const TPersistent& Object) {
  std::string Text = "[" + Object.ClassName() + "]\n";
  if (const TPublishedProperties* Table = Object.PublishedProperties())
    for (const auto* P : Table->All())
      if (P->Stored(Object)) Text += P->Name + " = " + P->Get(Object) + "\n";
  return Text;
}

void ReadProperties(TPersistent& Object, std::string_view Text) {
  const std::string Class = Object.ClassName();
  const TPublishedProperties* Table = Object.PublishedProperties();
  std::map<const TPublishedProperty*, std::string_view> Values;
  bool First = true;
  int LineNo = 0;
  while (!Text.empty()) {
    const auto Eol = Text.find('\n');
    const std::string_view Line = Trim(Text.substr(0, Eol));
    Text = Eol == Text.npos ? std::string_view() : Text.substr(Eol + 1);
    ++LineNo;
    if (Line.empty() || Line.front() == '#') continue;
    const bool Header = Line.front() == '[' && Line.back() == ']';
    if (Header) {
      const std::string_view Name = Trim(Line.substr(1, Line.size() - 2));
      if (!First || Name != Class)
        throw EReadError("Line " + std::to_string(LineNo) + ": expected properties of " + Class + ", found " +
                         std::string(Line));
      First = false;
      continue;
    }
    First = false;
    const auto Eq = Line.find('=');
    if (Eq == Line.npos)
      throw EReadError("Line " + std::to_string(LineNo) + ": expected 'Name = Value', found '" + std::string(Line) +
                       "'");
    const std::string_view Name = Trim(Line.substr(0, Eq));
    const std::string_view Value = Trim(Line.substr(Eq + 1));
    const TPublishedProperty* P = Table ? Table->Find(Name) : nullptr;
    if (!P) throw EReadError("Unknown property '" + std::string(Name) + "' of " + Class);
    if (!Values.emplace(P, Value).second)
      throw EReadError("Property '" + std::string(Name) + "' of " + Class + " is given twice");
    if (!P->Valid(Value))
      throw EReadError("Invalid value '" + std::string(Value) + "' for property '" + P->Name + "' of " + Class);
  }
  if (!Table) return;
  for (const auto* P : Table->All()) {
    const auto It = Values.find(P);
    if (It == Values.end()) P->SetDefault(Object);
    else P->Set(Object, It->second);
  }
}

// --- Value text ------------------------------------------------------------------

namespace PropertyText {

std::string FromFloat(double Value) { return FloatToStr(Value, TFormatSettings::Invariant()); }

bool ToFloat(std::string_view Text, float& Value) {
  if (Text == "NAN") {
    Value = std::numeric_limits<float>::quiet_NaN();
    return true;
  }
  if (Text == "INF" || Text == "-INF") {
    Value = Text[0] == '-' ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return true;
  }
  double D = 0;
  if (!TryStrToFloat(Text, D, TFormatSettings::Invariant())) return false;
  const float F = float(D);
  if (!std::isfinite(F)) return false;  // beyond the float range
  Value = F;
  return true;
}

std::string FromString(std::string_view Value) {
  std::string Out = "\"";
  for (const char C : Value) {
    switch (C) {
      case '"': Out += "\\\""; break;
      case '\\': Out += "\\\\"; break;
      case '\n': Out += "\\n"; break;
      case '\r': Out += "\\r"; break;
      case '\t': Out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(C) < 0x20 || C == 0x7F) {
          char Buf[5];
          std::snprintf(Buf, sizeof Buf, "\\x%02X", unsigned(static_cast<unsigned char>(C)));
          Out += Buf;
        } else {
          Out += C;
        }
    }
  }
  return Out + "\"";
}

bool ToString(std::string_view Text, std::string& Value) {
  if (Text.size() < 2 || Text.front() != '"' || Text.back() != '"') return false;
  std::string Out;
  for (std::size_t I = 1; I + 1 < Text.size(); ++I) {
    const char C = Text[I];
    if (C == '"') return false;  // an unescaped quote inside
    if (C != '\\') {
      Out += C;
      continue;
    }
    if (++I + 1 >= Text.size()) return false;  // a lone backslash before the closing quote
    switch (Text[I]) {
      case '"': Out += '"'; break;
      case '\\': Out += '\\'; break;
      case 'n': Out += '\n'; break;
      case 'r': Out += '\r'; break;
      case 't': Out += '\t'; break;
      case 'x': {
        if (I + 3 >= Text.size()) return false;
        unsigned V = 0;
        const auto [End, Ec] = std::from_chars(Text.data() + I + 1, Text.data() + I + 3, V, 16);
        if (Ec != std::errc() || End != Text.data() + I + 3) return false;
        Out += char(V);
        I += 2;
        break;
      }
      default: return false;
    }
  }
  Value = std::move(Out);
  return true;
}

std::string FromSet(std::uint64_t Bits, std::span<const char* const> Names) {
  std::string Out = "[";
  for (std::size_t I = 0; I < 64; ++I) {
    if (!(Bits >> I & 1)) continue;
    if (Out.size() > 1) Out += ", ";
    Out += I < Names.size() ? std::string(Names[I]) : std::to_string(I);
  }
  return Out + "]";
}

bool ToEnum(std::string_view Text, std::span<const char* const> Names, int& Ordinal) {
  for (std::size_t I = 0; I < Names.size(); ++I)
    if (Text == Names[I]) {
      Ordinal = int(I);
      return true;
    }
  return false;
}

bool ToSet(std::string_view Text, std::span<const char* const> Names, std::uint64_t& Bits) {
  if (Text.size() < 2 || Text.front() != '[' || Text.back() != ']') return false;
  std::string_view Inner = Trim(Text.substr(1, Text.size() - 2));
  std::uint64_t Out = 0;
  while (!Inner.empty()) {
    const auto Comma = Inner.find(',');
    const std::string_view Item = Trim(Inner.substr(0, Comma));
    int I = 0;
    if (!ToEnum(Item, Names, I)) return false;
    Out |= std::uint64_t(1) << I;
    if (Comma == Inner.npos) break;
    Inner = Trim(Inner.substr(Comma + 1));
    if (Inner.empty()) return false;  // a trailing comma
  }
  Bits = Out;
  return true;
}

}  // namespace PropertyText

}  // namespace FMX
