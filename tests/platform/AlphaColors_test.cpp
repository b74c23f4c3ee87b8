#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/AlphaColors.h"
#include "platform/Classes.h"

using namespace FMX;

namespace {

std::string Upper(std::string S) {
  for (char& Ch : S) Ch = char(std::toupper((unsigned char)Ch));
  return S;
}
std::string Lower(std::string S) {
  for (char& Ch : S) Ch = char(std::tolower((unsigned char)Ch));
  return S;
}

}  // namespace

TEST(NamedAlphaColors, HoldTheCssNamesWithTheirValues) {
  const auto Names = NamedAlphaColors();
  EXPECT_EQ(Names.size(), 147u);
  std::set<TAlphaColor> Values;
  for (const auto& N : Names) Values.insert(N.Color);
  // Nine names are synonyms: Cyan, Magenta and seven "Grey" spellings.
  EXPECT_EQ(Values.size(), 138u);
  for (const auto& N : Names) EXPECT_EQ(N.Color >> 24, 0xFFu) << N.Name;

  EXPECT_EQ(claRed, 0xFFFF0000u);
  EXPECT_EQ(claGreen, 0xFF008000u);  // the CSS green, not X11's 00FF00
  EXPECT_EQ(claGray, 0xFF808080u);   // the CSS gray, not X11's BEBEBE
  EXPECT_EQ(claCrimson, 0xFFDC143Cu);
  EXPECT_EQ(claLightGoldenrodYellow, 0xFFFAFAD2u);
  EXPECT_EQ(claYellowGreen, 0xFF9ACD32u);
}

TEST(AlphaColorToString, NamedColoursGiveTheFirstSynonymInAlphabeticalOrder) {
  struct Case { TAlphaColor Color; const char* Text; };
  for (auto [Color, Text] : std::vector<Case>{{0xFFFF0000, "Red"},
                                              {0xFF00FFFF, "Aqua"},
                                              {0xFFFF00FF, "Fuchsia"},
                                              {0xFF808080, "Gray"},
                                              {0xFFA9A9A9, "DarkGray"},
                                              {0xFFD3D3D3, "LightGray"},
                                              {0xFF2F4F4F, "DarkSlateGray"},
                                              {0xFF778899, "LightSlateGray"},
                                              {0xFF708090, "SlateGray"},
                                              {0xFF696969, "DimGray"},
                                              {0xFF000000, "Black"},
                                              {0xFFFFFFFF, "White"}})
    EXPECT_EQ(AlphaColorToString(Color), Text);
}

TEST(AlphaColorToString, OtherColoursAreWrittenAsEightUpperCaseHexDigits) {
  struct Case { TAlphaColor Color; const char* Text; };
  for (auto [Color, Text] : std::vector<Case>{{0x00000000, "#00000000"},
                                              {0x80FF0000, "#80FF0000"},   // red, but not opaque
                                              {0x00FF0000, "#00FF0000"},
                                              {0xFF123456, "#FF123456"},
                                              {0xFEFFFFFF, "#FEFFFFFF"},
                                              {0x0ABCDEF0, "#0ABCDEF0"}})
    EXPECT_EQ(AlphaColorToString(Color), Text);
}

TEST(StringToAlphaColor, ReadsEveryNameInAnyLetterCase) {
  for (const auto& N : NamedAlphaColors()) {
    const std::string Name(N.Name);
    EXPECT_EQ(StringToAlphaColor(Name), N.Color) << Name;
    EXPECT_EQ(StringToAlphaColor(Lower(Name)), N.Color) << Name;
    EXPECT_EQ(StringToAlphaColor(Upper(Name)), N.Color) << Name;
  }
}

TEST(StringToAlphaColor, ReadsTheHexadecimalForms) {
  struct Case { const char* Text; TAlphaColor Color; };
  for (auto [Text, Color] : std::vector<Case>{{"#80FF0000", 0x80FF0000},
                                              {"#80ff0000", 0x80FF0000},
                                              {"$80FF0000", 0x80FF0000},
                                              {"$00000000", 0x00000000},
                                              {"#FF0000", 0xFFFF0000},   // six digits: opaque
                                              {"#00000000", 0x00000000},
                                              {"#000000", 0xFF000000},
                                              {"#aBcDeF", 0xFFABCDEF},
                                              {"#FFFFFFFF", 0xFFFFFFFF}})
    EXPECT_EQ(StringToAlphaColor(Text), Color) << Text;
}

TEST(StringToAlphaColor, MalformedTextRaisesAConvertErrorNamingTheText) {
  for (const char* Text : {"", "#", "$", "#12345", "#1234567", "#123456789", "$FF0000", "#GG0000", "#12 456",
                           " Red", "Red ", "Redd", "Re", "claRed", "#+1234567", "0xFF0000", "Grey!", "RebeccaPurple"}) {
    try {
      StringToAlphaColor(Text);
      ADD_FAILURE() << "accepted '" << Text << "'";
    } catch (const EConvertError& E) {
      EXPECT_EQ(E.Message(), "'" + std::string(Text) + "' is not a valid color");
    }
    TAlphaColor Color = 0x12345678;
    EXPECT_FALSE(TryStringToAlphaColor(Text, Color)) << Text;
    EXPECT_EQ(Color, 0x12345678u) << Text;
  }
  // Long text is quoted by its first 64 bytes only; NULs are kept.
  const std::string Long = "#" + std::string(1000000, 'F');
  try {
    StringToAlphaColor(Long);
    ADD_FAILURE() << "accepted a million digits";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "'" + Long.substr(0, 64) + "...' is not a valid color");
  }
  try {
    StringToAlphaColor(std::string("Red\0", 4));
    ADD_FAILURE() << "accepted an embedded NUL";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), std::string("'Red\0' is not a valid color", 27));
  }
}

TEST(AlphaColorText, EveryColourSurvivesTheRoundTrip) {
  std::vector<TAlphaColor> Colors{0, 0xFFFFFFFF, 0x00FFFFFF, 0xFF000000, 0x7FFFFFFF, 0x80000000};
  for (const auto& N : NamedAlphaColors()) {
    Colors.push_back(N.Color);
    Colors.push_back(N.Color & 0x00FFFFFF);  // the same RGB without alpha has no name
    Colors.push_back(N.Color ^ 1);
  }
  std::mt19937 Random(20240611);
  for (int I = 0; I < 20000; ++I) Colors.push_back(TAlphaColor(Random()));

  for (TAlphaColor Color : Colors) {
    const std::string Text = AlphaColorToString(Color);
    EXPECT_EQ(StringToAlphaColor(Text), Color) << Text;
    std::string Ident;
    const bool Named = AlphaColorToIdent(Color, Ident);
    EXPECT_EQ(Named, Text[0] != '#') << Text;
    if (Named) {
      EXPECT_EQ(Ident, "cla" + Text);
      TAlphaColor Back = 0;
      EXPECT_TRUE(IdentToAlphaColor(Ident, Back));
      EXPECT_EQ(Back, Color);
    }
  }
}

TEST(AlphaColorIdent, IdentsAreTheNamesWithTheClaPrefix) {
  std::string Ident = "unchanged";
  EXPECT_TRUE(AlphaColorToIdent(claCyan, Ident));
  EXPECT_EQ(Ident, "claAqua");
  Ident = "unchanged";
  EXPECT_FALSE(AlphaColorToIdent(0x80FF0000, Ident));
  EXPECT_EQ(Ident, "unchanged");

  struct Case { const char* Ident; bool Known; TAlphaColor Color; };
  for (auto [Text, Known, Expected] : std::vector<Case>{{"claRed", true, 0xFFFF0000},
                                                         {"CLARED", true, 0xFFFF0000},
                                                         {"claCyan", true, 0xFF00FFFF},
                                                         {"claslategrey", true, 0xFF708090},
                                                         {"Red", false, 0},
                                                         {"cla", false, 0},
                                                         {"claNothing", false, 0},
                                                         {"cl", false, 0},
                                                         {"", false, 0},
                                                         {"#FFFF0000", false, 0},
                                                         {"cla#FFFF0000", false, 0}}) {
    TAlphaColor Color = 0x12345678;
    EXPECT_EQ(IdentToAlphaColor(Text, Color), Known) << Text;
    EXPECT_EQ(Color, Known ? Expected : 0x12345678u) << Text;
  }
}
