#include "Json.h"

#include <charconv>
#include <cmath>

namespace VXPath {

namespace {

template <typename T>
void AppendShortest(std::string& Out, T Value) {
  if (std::isnan(Value)) {
    Out += "nan";
    return;
  }
  if (std::isinf(Value)) {
    Out += Value < 0 ? "-inf" : "inf";
    return;
  }
  if (Value == 0) Value = 0;  // no "-0"
  char Buf[64];
  const auto R = std::to_chars(Buf, Buf + sizeof Buf, Value);
  Out.append(Buf, R.ptr);
}

template <typename T>
void AppendJson(std::string& Out, T Value) {
  if (!std::isfinite(Value))
    Out += "null";
  else
    AppendShortest(Out, Value);
}

}  // namespace

void AppendNumber(std::string& Out, double Value) { AppendShortest(Out, Value); }
void AppendNumber(std::string& Out, float Value) { AppendShortest(Out, Value); }
void AppendJsonNumber(std::string& Out, double Value) { AppendJson(Out, Value); }
void AppendJsonNumber(std::string& Out, float Value) { AppendJson(Out, Value); }

void AppendJsonString(std::string& Out, std::string_view Text) {
  static constexpr char Hex[] = "0123456789abcdef";
  Out += '"';
  for (const char C : Text) {
    switch (C) {
      case '"': Out += "\\\""; break;
      case '\\': Out += "\\\\"; break;
      case '\n': Out += "\\n"; break;
      case '\r': Out += "\\r"; break;
      case '\t': Out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(C) < 0x20) {
          Out += "\\u00";
          Out += Hex[(C >> 4) & 0xF];
          Out += Hex[C & 0xF];
        } else {
          Out += C;
        }
    }
  }
  Out += '"';
}

}  // namespace VXPath
