#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/NumberText.h"
#include "platform/PathDump.h"
#include "support/IconCorpus.h"

using namespace FMX::VX::Graphics;
using FMX::Testing::DumpPath;

namespace {

struct TParseCase {
  const char* Text;
  const char* Want;
};

void ExpectParses(const std::vector<TParseCase>& Cases) {
  for (const TParseCase& C : Cases) {
    TVXPathData P;
    P.SetData(C.Text);
    EXPECT_EQ(DumpPath(P), C.Want) << "text: \"" << C.Text << "\"";
  }
}

// Every d="..." attribute of the scalable icons.
std::vector<std::string> IconPathTexts() { return LoadIconPathTexts(IconDirectory() / "scalable"); }

}  // namespace

TEST(PathParser, NumbersAndSeparators) {
  ExpectParses({
      {"M 10 20 30 40", "M10,20 L30,40"},
      {"m 10 20 30 40", "M10,20 L40,60"},
      {"M10-20", "M10,-20 Z"},
      {"M1-2-3-4", "M1,-2 L-3,-4"},
      {"M.5.5", "M0.5,0.5 Z"},
      {"M 1e2,3", "M100,3 Z"},
      {"M1E-1 2e+1", "M0.1,20 Z"},
      {"M1e-400 7", "M0,7 Z"},  // too small for a double: zero
      {"M1e400 7", ""},         // too large: not a number
      {"M 1e 2", ""},
      // An exponent takes no fraction: "1e2.5" is one unreadable number, which
      // ends the move, and the lone 7 after it is half a pair.
      {"M1e2.5 7", ""},
      {"M1e2 .5 7", "M100,0.5 Z"},
      // Exponent letters belong to the number wherever they are, and a point
      // after the exponent too when the mantissa has none; a sign only right
      // after the letter.
      {"M1e5e5 7", ""},
      {"M1ee5 2", ""},
      {"M1e-5.3 7", ""},
      {"M.e1 2", ""},
      {"M1.5e3.5 7", "M1500,0.5 Z"},
      {"M1e+5-3", "M1e+05,-3 Z"},
      {"M1e 5 2 3", "M2,3 Z"},  // "1e" and the lone 5 spoil the first pair
      {"M\t1\n2\rL3,4", "M1,2 L3,4"},
      {"M1,,,2 L3 , 4", "M1,2 L3,4"},
      {"M1 2 3", "M1,2 Z"},  // a pair cut short ends the command
  });
}

TEST(PathParser, SignsAndPointsContinueTheCommandLikeDigits) {
  ExpectParses({
      {"M0 0 .5 .5", "M0,0 L0.5,0.5"},
      {"M0 0 +3 +4", "M0,0 L3,4"},
      {"m1 1 +1+1", "M1,1 L2,2"},
      {"M+1+2", "M1,2 Z"},
      {"M0 0 L .5 .5 .25 .25", "M0,0 L0.5,0.5 L0.25,0.25"},
  });
}

TEST(PathParser, CommandsRepetitionAndRecovery) {
  ExpectParses({
      {"", ""},
      {"M", "M0,0 Z"},  // a pair requested at the very end is (0, 0)
      {"M 0 0 L", "M0,0 L0,0"},
      {"LLL", "L0,0 L0,0 L0,0"},
      {"z", "Z"},
      {"-", ""},
      {"M--1 2", ""},
      {"10 20 L 5 5", ""},  // text must start with a command
      {"M 0 0 L 10", "M0,0 Z"},
      {"M 10 20 X 30 40", "M10,20 Z"},
      {"M0 0 H 1 2", "M0,0 L1,0 L2,0"},
      {"M1 2 h3 v-4 V9", "M1,2 L4,2 L4,-2 L4,9"},
      {"M1 2 ZM3 4z", "M1,2 Z M3,4 Z"},
      {"M10 10 L20 10 Z m 5 5 l 1 0", "M10,10 L20,10 Z M15,15 L16,15"},
      {"M0 0 C1 1 2 2 3 3 4 4 5 5 6 6", "M0,0 C1,1 2,2 3,3 C4,4 5,5 6,6"},
      {"M0 0 c1 1 2 2 3 3 1 1 2 2 3 3", "M0,0 C1,1 2,2 3,3 C4,4 5,5 6,6"},
      {"M0 0 C1 1 2 2", "M0,0 C1,1 2,2 0,0"},  // the missing end point reads as (0, 0)
  });
}

TEST(PathParser, SmoothCubicsMirrorOnlyAfterACubic) {
  ExpectParses({
      {"M0 0 C 0 10 10 10 10 0 S 20 -10 20 0", "M0,0 C0,10 10,10 10,0 C10,-10 20,-10 20,0"},
      {"M0 0 c 0 10 10 10 10 0 s 10 -10 10 0", "M0,0 C0,10 10,10 10,0 C10,-10 20,-10 20,0"},
      {"M0 0 L 10 0 S 20 10 30 0", "M0,0 L10,0 C10,0 20,10 30,0"},
      {"M0 0 S 10 10 20 0 20 20 30 0", "M0,0 C0,0 10,10 20,0 C30,-10 20,20 30,0"},
      {"M0 0 C 0 10 10 10 10 0 Z S 1 1 2 2", "M0,0 C0,10 10,10 10,0 Z C0,0 1,1 2,2"},
      {"M5 5 s 1 1 2 2", "M5,5 C5,5 6,6 7,7"},
  });
}

TEST(PathParser, QuadraticsBecomeCubics) {
  const char* Reflected = "M0,0 C6.6667,0 10,3.3333 10,10 C10,16.667 10,23.333 10,30";
  ExpectParses({
      {"M 0 0 Q 30 0 30 30", "M0,0 C20,0 30,10 30,30"},
      {"M 0 0 Q 10 0 10 10 T 10 30", Reflected},
      {"M0 0 q 10 0 10 10 t 0 20", Reflected},
      {"M0 0 Q 10 0 10 10 10 20 0 20", "M0,0 C6.6667,0 10,3.3333 10,10 C10,16.667 6.6667,20 0,20"},
      // After anything but a quadratic, T's control point is the current point.
      {"M0 0 L10 0 T20 0", "M0,0 L10,0 C10,0 13.333,0 20,0"},
  });
}

TEST(PathParser, ArcsReadCompactFlagsAndRelativeEndPoints) {
  struct TCase {
    const char* Text;
    TPointF Start, Radius;
    float Angle;
    bool Large, Sweep;
    TPointF End;
  };
  const std::vector<TCase> Cases = {
      {"M0 0 A 5 5 0 11 10 0", {0, 0}, {5, 5}, 0, true, true, {10, 0}},
      {"M0 0 A 5,5 0 1,1 10,0", {0, 0}, {5, 5}, 0, true, true, {10, 0}},
      {"M0 0 a 5 5 0 0 0 10 0", {0, 0}, {5, 5}, 0, false, false, {10, 0}},
      {"M2 3 a 1 2 30 01 2 0", {2, 3}, {1, 2}, 30, false, true, {4, 3}},
      {"M2 3 A -1 2 30 -1,1 4 3", {2, 3}, {-1, 2}, 30, false, true, {4, 3}},
  };
  for (const TCase& C : Cases) {
    TVXPathData Parsed, Direct;
    Parsed.SetData(C.Text);
    Direct.MoveTo(C.Start);
    Direct.AddArcSvg(C.Start, C.Radius, C.Angle, C.Large, C.Sweep, C.End);
    EXPECT_EQ(DumpPath(Parsed), DumpPath(Direct)) << C.Text;
  }
  ExpectParses({{"M0 0 A 5 5 0 1", "M0,0 Z"}});  // no sweep flag: the arc is dropped
}

// A long run of relative arcs, whole ellipses (ending on their start),
// closes, moves, lines and smooth cubics among them, and a cut-off arc at
// the end: the text gives exactly the points that the path's own calls give,
// and the change handler, called once, already sees all of them.
TEST(PathParser, ArcRunsGiveWhatTheDirectCallsGive) {
  std::mt19937 Random(7);
  auto Pick = [&](int Count) { return int(Random() % unsigned(Count)); };
  auto Text = [](float V) {
    char Buf[32];
    std::snprintf(Buf, sizeof Buf, "%.9g", double(V));
    return std::string(Buf);
  };
  for (int Round = 0; Round < 20; ++Round) {
    std::string T = "M3 4";
    TVXPathData Direct;
    Direct.MoveTo({3, 4});
    bool AfterCubic = false;
    for (int I = 0; I < 60; ++I) {
      const bool Smooth = AfterCubic;
      AfterCubic = false;
      switch (Pick(12)) {
        case 0:
          T += " z m1 -2";
          Direct.ClosePath();
          Direct.MoveToRel({1, -2});
          break;
        case 1:
          T += " l2.5 0";
          Direct.LineToRel({2.5f, 0});
          break;
        case 2:
          // The first control mirrors the last cubic's second one, or is
          // the current point after anything else.
          T += " s1 1 2 0";
          if (Smooth) Direct.SmoothCurveToRel({1, 1}, {2, 0});
          else Direct.CurveToRel({0, 0}, {1, 1}, {2, 0});
          AfterCubic = true;
          break;
        default: {
          const TPointF R{float(Pick(400) - 200) / 16, float(1 + Pick(200)) / 8};
          const float Angle = float(Pick(720) - 360) / 4;
          const bool Large = Pick(2), Sweep = Pick(2);
          // Every fifth arc ends on its start: a whole ellipse.
          const TPointF D = Pick(5) == 0 ? TPointF{0, 0} : TPointF{float(Pick(64) - 32) / 4, float(Pick(64) - 32) / 4};
          T += " a" + Text(R.X) + "," + Text(R.Y) + " " + Text(Angle) + " " + (Large ? "1" : "0") + (Sweep ? "1" : "0") +
               " " + Text(D.X) + "," + Text(D.Y);
          const TPointF Start = Direct.LastPoint();
          const TPointF End{float(double(Start.X) + D.X), float(double(Start.Y) + D.Y)};
          Direct.AddArcSvg(Start, R, Angle, Large, Sweep, End);
        }
      }
    }
    T += " a5 5 0 1";  // no sweep flag: dropped
    if (Direct.Points().back().Kind == FMX::TPathPointKind::MoveTo) Direct.ClosePath();  // as text closes a trailing move
    TVXPathData Parsed;
    int Calls = 0;
    std::vector<FMX::TPathPoint> Seen;
    Parsed.SetOnChanged([&](FMX::TObject*) {
      ++Calls;
      Seen.assign(Parsed.Points().begin(), Parsed.Points().end());
    });
    Parsed.SetData(T);
    EXPECT_EQ(Calls, 1);
    ASSERT_EQ(Parsed.GetCount(), Direct.GetCount()) << T;
    ASSERT_EQ(Seen.size(), Parsed.Points().size());
    for (std::int32_t I = 0; I < Direct.GetCount(); ++I) {
      const FMX::TPathPoint &Want = Direct.GetPoint(I), &Got = Parsed.GetPoint(I);
      ASSERT_TRUE(Got.Kind == Want.Kind && Got.Point == Want.Point && Seen[std::size_t(I)].Point == Want.Point)
          << "point " << I << " in " << T;
    }
  }
}

TEST(PathParser, AssignmentClearsAndNotifiesOnceWhateverTheText) {
  for (const char* Text : {"M0 0 L1 1 C 2", "garbage", "", "M1 2 L3 4 Q 5"}) {
    TVXPathData P;
    P.SetData("M9 9 L8 8");
    int Calls = 0;
    P.SetOnChanged([&](TObject*) { ++Calls; });
    P.SetData(Text);
    EXPECT_EQ(Calls, 1) << Text;
    EXPECT_EQ(P.GetPathString().find("M9,9"), std::string::npos) << Text;
  }
  // An exception from the handler reaches the caller; the path is parsed.
  TVXPathData P;
  P.SetOnChanged([](TObject*) { throw FMX::Exception("handler"); });
  EXPECT_THROW(P.SetData("M1 1 L2 2"), FMX::Exception);
  EXPECT_EQ(DumpPath(P), "M1,1 L2,2");
}

TEST(PathParser, IconPathsCheckedByHand) {
  ExpectParses({
      // list-add-symbolic
      {"m 7 1 v 6 h -6 v 2 h 6 v 6 h 2 v -6 h 6 v -2 h -6 v -6 z m 0 0",
       "M7,1 L7,7 L1,7 L1,9 L7,9 L7,15 L9,15 L9,9 L15,9 L15,7 L9,7 L9,1 Z M7,1 Z"},
      // the outer ring of edit-delete-symbolic, first half
      {"m 8 0 c -4.410156 0 -8 3.589844 -8 8 s 3.589844 8 8 8 z",
       "M8,0 C3.5898,0 0,3.5898 0,8 C0,12.41 3.5898,16 8,16 Z"},
  });
  // A circle of radius 2 around (9, 12) written as four arcs with repeated
  // arguments and compact flags.
  TVXPathData P;
  P.SetData("M11 12a2 2 0 01-2 2 2 2 0 01-2-2 2 2 0 012-2 2 2 0 012 2z");
  ASSERT_EQ(P.GetCount(), 14);
  const TPointF Ends[] = {{9, 14}, {7, 12}, {9, 10}, {11, 12}};
  int I = 0;
  for (const TPathSegment& S : P.Segments()) {
    if (S.Kind != TPathPointKind::CurveTo) continue;
    EXPECT_NEAR(S.End().X, Ends[I].X, 1e-5);
    EXPECT_NEAR(S.End().Y, Ends[I].Y, 1e-5);
    double U = 0.5, V = 0.5;
    double MX = U * U * U * S.Start.X + 3 * U * U * V * S.Pt(0).X + 3 * U * V * V * S.Pt(1).X + V * V * V * S.Pt(2).X;
    double MY = U * U * U * S.Start.Y + 3 * U * U * V * S.Pt(0).Y + 3 * U * V * V * S.Pt(1).Y + V * V * V * S.Pt(2).Y;
    EXPECT_NEAR(std::hypot(MX - 9, MY - 12), 2.0, 1e-3);
    ++I;
  }
  EXPECT_EQ(I, 4);
}

TEST(PathParser, PathTextRoundTripsThroughTheWriter) {
  std::vector<std::string> Texts = IconPathTexts();
  ASSERT_GE(Texts.size(), 100u) << "no icons under " << IconDirectory() << " (install adwaita-icon-theme)";
  Texts.push_back("M1 2 L3.25 -4 C.1 .2 .3 .4 .5 .6 Z m 1e-7 1e7 A 3 4 45 1 0 9 9");
  for (const std::string& Text : Texts) {
    TVXPathData First, Second;
    First.SetData(Text);
    const std::string Written = First.Data();
    Second.SetData(Written);
    ASSERT_EQ(First.GetCount(), Second.GetCount()) << Text;
    for (std::int32_t I = 0; I < First.GetCount(); ++I)
      ASSERT_EQ(First.GetPoint(I), Second.GetPoint(I)) << Text << " at " << I;
    EXPECT_EQ(Second.Data(), Written);
  }
}

// The reader converts with a fast route and falls back to the runtime's
// converter; both must give what StrToFloat gives for the same text.
TEST(PathParser, NumbersConvertExactlyAsStrToFloat) {
  for (const char* Num : {"1e5", ".5", "5.", "-.5", "+.5e-3", "1e-400", "00012", "1.5E+3", "-0", "3.4028235e38",
                          "1.17549435e-38", "1e-45", "0.100000001490116", "123456789012345678901234567890",
                          "9007199254740993", "2.4703282292062328e-324", "-0e-9999", "-0.0e5", "0e9999", "1.e5",
                          "1e0022", "1e00022", "123456789012345e-22", "999999999999999e22", "7e-23",
                          ".000000000000001e-7", "99999999999999.9e-8", "1e23", "1E-23"}) {
    TVXPathData P;
    P.SetData(std::string("M") + Num + " 7");
    ASSERT_EQ(P.GetCount(), 2) << Num;
    // Bit for bit: -0 stays -0.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(P.GetPoint(0).Point.X), std::bit_cast<std::uint32_t>(float(FMX::StrToFloat(Num))))
        << Num;
    EXPECT_EQ(P.GetPoint(0).Point.Y, 7.0f) << Num;
  }
}

// Random plain decimals around the limits of the exact division route
// (16 to 18 digits, up to 25 after the point) read as StrToFloat reads them.
TEST(PathParser, RandomDecimalsConvertExactlyAsStrToFloat) {
  std::mt19937_64 Random(20261208);
  std::string Text = "M";
  std::vector<std::string> Numbers;
  for (int I = 0; I < 4000; ++I) {
    std::string Digits;
    const int Count = 1 + int(Random() % 18);
    for (int D = 0; D < Count; ++D) Digits += char('0' + Random() % 10);
    const std::size_t PointAt = Random() % (Digits.size() + 8);
    std::string Num = (Random() % 2 ? "-" : "");
    if (PointAt < Digits.size()) Num += Digits.substr(0, PointAt) + "." + Digits.substr(PointAt);
    else Num += "0." + std::string(PointAt - Digits.size(), '0') + Digits;
    Numbers.push_back(Num);
    Text += " " + Num + " 0";
  }
  TVXPathData P;
  P.SetData(Text);
  ASSERT_EQ(P.GetCount(), int(Numbers.size()));  // a move, then lines
  for (std::size_t I = 0; I < Numbers.size(); ++I)
    ASSERT_EQ(P.GetPoint(int(I)).Point.X, float(FMX::StrToFloat(Numbers[I]))) << Numbers[I];
}
