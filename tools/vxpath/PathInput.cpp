#include "PathInput.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "Options.h"

namespace VXPath {

TPathInput TPathInput::FromText(std::string Text) { return TPathInput(TKind::Text, std::move(Text)); }

TPathInput TPathInput::FromFile(const std::string& FileName) {
  std::error_code Ec;
  if (std::filesystem::is_directory(FileName, Ec)) throw EInputError("cannot read '" + FileName + "': is a directory");
  TPathInput Input(TKind::File, FileName);
  Input.FFile.open(FileName, std::ios::in | std::ios::binary);
  if (!Input.FFile) throw EInputError("cannot read '" + FileName + "': " + std::strerror(errno));
  return Input;
}

TPathInput TPathInput::FromStdin() { return TPathInput(TKind::Stdin, "stdin"); }

bool TPathInput::Next(std::string& Text) {
  if (FKind == TKind::Text) {
    if (FTextDone) return false;
    FTextDone = true;
    Text = FName;
    return true;
  }
  std::istream& In = FKind == TKind::File ? static_cast<std::istream&>(FFile) : std::cin;
  while (std::getline(In, Text)) {
    ++FLine;
    if (!Text.empty() && Text.back() == '\r') Text.pop_back();
    if (Text.find_first_not_of(" \t\f\v") != std::string::npos) return true;
  }
  if (In.bad()) throw EInputError("cannot read '" + FName + "': read error after line " + std::to_string(FLine));
  return false;
}

std::string TPathInput::Where() const {
  if (FKind == TKind::Text) return "argument";
  return FName + ":" + std::to_string(FLine);
}

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t' || C == '\n' || C == '\r' || C == '\f' || C == '\v' || C == ','; }

std::string Shown(std::string_view Text, std::size_t At) {
  if (At >= Text.size()) return "the end of the text";
  const unsigned char C = static_cast<unsigned char>(Text[At]);
  if (C < 0x20 || C >= 0x7F) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    return std::string("byte 0x") + Hex[C >> 4] + Hex[C & 0xF];
  }
  return "'" + std::string(1, char(C)) + "'";
}

std::string StoppedAt(std::string_view Text, std::size_t At) {
  return "reading stopped at character " + std::to_string(At + 1) + " (" + Shown(Text, At) + ")";
}

}  // namespace

std::string NoPathReason(std::string_view Text) {
  std::size_t At = 0;
  while (At < Text.size() && IsBlank(Text[At])) ++At;
  if (At == Text.size()) return "the text is empty";
  const char Command = Text[At];
  if (!std::strchr("MmLlHhVvCcSsQqTtAaZz", Command) || Command == '\0')
    return StoppedAt(Text, At) + ": a path starts with a command letter such as M";
  if (Command == 'Z' || Command == 'z') return StoppedAt(Text, At) + ": there is nothing to close";
  std::size_t Next = At + 1;
  while (Next < Text.size() && IsBlank(Text[Next])) ++Next;
  const auto NumberStart = [](char C) {
    return std::isdigit(static_cast<unsigned char>(C)) || C == '.' || C == '-' || C == '+';
  };
  const auto NumberChar = [&](char C) { return NumberStart(C) || C == 'e' || C == 'E'; };
  if (Next == Text.size() || !NumberStart(Text[Next]))
    return StoppedAt(Text, Next) + ": '" + std::string(1, Command) + "' needs numbers";
  while (Next < Text.size() && (NumberChar(Text[Next]) || IsBlank(Text[Next]))) ++Next;
  return StoppedAt(Text, Next) + ": '" + std::string(1, Command) + "' needs more numbers";
}

}  // namespace VXPath
