#pragma once
// Where the path tool's paths come from: one path given as an argument, or
// a file or stdin holding one path per line. Lines are read one at a time,
// so input of any size is processed in bounded memory.

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>

namespace VXPath {

class TPathInput {
 public:
  // The argument itself is the one path.
  static TPathInput FromText(std::string Text);
  // One path per line; raises EInputError when the file cannot be opened.
  static TPathInput FromFile(const std::string& FileName);
  static TPathInput FromStdin();

  // The next path text; false at the end. Files and stdin skip lines that
  // hold only blanks; a trailing '\r' (CRLF files) is dropped. Raises
  // EInputError when reading fails part-way.
  bool Next(std::string& Text);
  // Where the last path came from, for messages: "argument", "FILE:LINE",
  // "stdin:LINE".
  std::string Where() const;

 private:
  enum class TKind : std::uint8_t { Text, File, Stdin };
  TPathInput(TKind Kind, std::string Name) : FKind(Kind), FName(std::move(Name)) {}

  TKind FKind;
  std::string FName;  // the text (Text) or the file name (File)
  std::ifstream FFile;
  std::int64_t FLine = 0;
  bool FTextDone = false;
};

// Why a text holds no path, as a sentence naming where reading stopped
// (the parser keeps whatever it read before the first thing it could not
// use): "reading stopped at character 1 ('x'): a path starts with a
// command letter such as M".
std::string NoPathReason(std::string_view Text);

}  // namespace VXPath
