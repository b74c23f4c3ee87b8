#pragma once
// The reading half of the tests' own SVG path readers, kept apart from the
// library's: blanks and commas between values, numbers by std::from_chars
// after an optional sign, arc flags, and the command loop (a command letter
// repeats for further arguments, M and m then counting as L and l). A
// reader derives from it (CRTP) and supplies Command(Cmd), which reads one
// set of arguments and returns false when it cannot, and Close().

#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace VXTest {

template <class TReader>
class TPathTextWalker {
 public:
  explicit TPathTextWalker(std::string_view Text) : T(Text) {}

  // True when the whole text was read; false at the first thing the reader
  // does not know.
  bool Walk() {
    char Cmd = 0;
    for (;;) {
      Skip();
      if (I >= T.size()) return true;
      const char C = T[I];
      if (std::isalpha(static_cast<unsigned char>(C))) {
        if (!std::strchr("MmLlHhVvCcSsQqTtAaZz", C)) return false;
        Cmd = C;
        ++I;
        if (Cmd == 'Z' || Cmd == 'z') {
          Self().Close();
          continue;
        }
      } else if (Cmd == 0 || Cmd == 'Z' || Cmd == 'z') {
        return false;
      }
      if (!Self().Command(Cmd)) return false;
      if (Cmd == 'M') Cmd = 'L';
      if (Cmd == 'm') Cmd = 'l';
    }
  }

 protected:
  void Skip() {
    while (I < T.size() && std::strchr(" \t\r\n\f\v,", T[I]) && T[I] != '\0') ++I;
  }

  // sign? digits* ('.' digits*)? ([eE] sign? digits+)?, at least one digit.
  bool Num(double& V) {
    Skip();
    const std::size_t S = I + (I < T.size() && T[I] == '+');
    const auto [Ptr, Ec] = std::from_chars(T.data() + S, T.data() + T.size(), V);
    if (Ec != std::errc()) return false;
    I = std::size_t(Ptr - T.data());
    return true;
  }

  bool Flag(bool& B) {
    Skip();
    if (I >= T.size() || (T[I] != '0' && T[I] != '1')) return false;
    B = T[I++] == '1';
    return true;
  }

  std::string_view T;
  std::size_t I = 0;

 private:
  TReader& Self() { return static_cast<TReader&>(*this); }
};

}  // namespace VXTest
