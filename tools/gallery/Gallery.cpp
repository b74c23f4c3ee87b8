#include "Gallery.h"

#include <cctype>
#include <stdexcept>
#include <vector>

#include "Tiles.h"

namespace VXGallery {

namespace {

bool IsIdentChar(char C) { return std::isalnum(static_cast<unsigned char>(C)) || C == '_'; }

// Index just past the string or character literal that starts at I.
std::size_t SkipLiteral(std::string_view Code, std::size_t I) {
  const char Quote = Code[I];
  for (++I; I < Code.size(); ++I) {
    if (Code[I] == '\\') ++I;
    else if (Code[I] == Quote) return I + 1;
  }
  return Code.size();
}

// Copies the string or character literal starting at I to Out and moves I
// past it; false (nothing done) when no literal starts there.
bool CopyLiteral(std::string_view Code, std::size_t& I, std::string& Out) {
  if (Code[I] != '"' && Code[I] != '\'') return false;
  const std::size_t End = SkipLiteral(Code, I);
  Out.append(Code.substr(I, End - I));
  I = End;
  return true;
}

}  // namespace

void TGallery::Add(std::string Name, std::string Title, int Width, int Height, TTileCode Code, TBindings Bindings) {
  if (Name.empty() || Name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") != std::string::npos)
    throw std::logic_error("tile name '" + Name + "' is not made of a-z, 0-9 and '-'");
  for (const TTile& T : FTiles)
    if (T.Name == Name) throw std::logic_error("tile name '" + Name + "' is used twice");
  FTiles.push_back({std::move(Name), FArea, std::move(Title), FormatCode(BindCode(Code.Text, Bindings)), Width,
                    Height, std::move(Code.Paint)});
}

std::string BindCode(std::string_view Code, TBindings Bindings) {
  std::string Out;
  for (std::size_t I = 0; I < Code.size();) {
    if (CopyLiteral(Code, I, Out)) continue;
    const char C = Code[I];
    if (IsIdentChar(C)) {
      std::size_t End = I;
      while (End < Code.size() && IsIdentChar(Code[End])) ++End;
      const std::string_view Word = Code.substr(I, End - I);
      const std::string* Value = nullptr;
      // A member (".Name", "->Name") is not the variable of the same name.
      const bool Member = I > 0 && (Code[I - 1] == '.' || (I > 1 && Code[I - 1] == '>' && Code[I - 2] == '-'));
      if (!Member)
        for (const auto& [Name, Bound] : Bindings)
          if (Name == Word) Value = &Bound;
      if (Value) Out += *Value;
      else Out.append(Word);
      I = End;
    } else {
      Out += C;
      ++I;
    }
  }
  return Out;
}

std::string FormatCode(std::string_view Code) {
  std::string Out;
  int Parens = 0;
  int Indent = 0;
  // One entry per open brace: true for a block, false for a braced
  // initialiser (which stays on its line).
  std::vector<bool> Braces;
  const auto NewLine = [&] {
    while (!Out.empty() && Out.back() == ' ') Out.pop_back();
    Out += '\n';
    Out.append(std::size_t(Indent) * 2, ' ');
  };
  const auto OpensBlock = [&] {
    std::size_t End = Out.size();
    while (End > 0 && Out[End - 1] == ' ') --End;
    if (End == 0) return true;
    const char Last = Out[End - 1];
    if (Last == ')' || Last == ';' || Last == '{' || Last == '}' || Last == '\n') return true;
    const std::string_view Tail = std::string_view(Out).substr(0, End);
    return Tail.ends_with("else") || Tail.ends_with("do");
  };
  const auto InInitialiser = [&] { return Parens > 0 || (!Braces.empty() && !Braces.back()); };
  for (std::size_t I = 0; I < Code.size();) {
    if (CopyLiteral(Code, I, Out)) continue;
    const char C = Code[I++];
    if (C == ' ' && (Out.empty() || Out.back() == ' ' || Out.back() == '\n')) continue;
    switch (C) {
      case '(': ++Parens; Out += C; break;
      case ')': --Parens; Out += C; break;
      case '{': {
        const bool Block = !InInitialiser() && OpensBlock();
        Braces.push_back(Block);
        Out += C;
        if (Block) {
          ++Indent;
          NewLine();
        }
        break;
      }
      case '}': {
        const bool Block = !Braces.empty() && Braces.back();
        if (!Braces.empty()) Braces.pop_back();
        if (!Block) {
          Out += C;
          break;
        }
        --Indent;
        while (!Out.empty() && (Out.back() == ' ' || Out.back() == '\n')) Out.pop_back();
        NewLine();
        Out += C;
        if (I < Code.size()) NewLine();
        break;
      }
      case ';':
        Out += C;
        if (Parens == 0 && !InInitialiser() && I < Code.size()) NewLine();
        break;
      default: Out += C;
    }
  }
  while (!Out.empty() && (Out.back() == ' ' || Out.back() == '\n')) Out.pop_back();
  return Out;
}

TGallery BuildGallery() {
  TGallery G;
  for (const TTileArea& Area : TileAreas()) {
    G.BeginArea(std::string(Area.Title));
    Area.Add(G);
  }
  return G;
}

}  // namespace VXGallery
