#pragma once
// Test support for paths: a compact text of the stored points for
// assertions ("M10,20 L30,40 C1,2 3,4 5,6 Z", numbers with five significant
// digits, magnitudes below 1E-9 printed as 0) and a change-event counter.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/PathData.h"

namespace FMX::Testing {

inline std::string DumpNumber(float V) {
  if (V > -1e-9f && V < 1e-9f) return "0";
  char Buf[32];
  std::snprintf(Buf, sizeof Buf, "%.5g", double(V));
  std::string S = Buf;
  return S == "-0" ? "0" : S;
}

inline std::string DumpPoint(const TPointF& P) { return DumpNumber(P.X) + "," + DumpNumber(P.Y); }

inline std::string DumpPath(const TPathData& Path) {
  std::string Out;
  for (const TPathSegment& S : Path.Segments()) {
    if (!Out.empty()) Out += ' ';
    switch (S.Kind) {
      case TPathPointKind::MoveTo: Out += "M" + DumpPoint(S.Pt(0)); break;
      case TPathPointKind::LineTo: Out += "L" + DumpPoint(S.Pt(0)); break;
      case TPathPointKind::Close: Out += "Z"; break;
      case TPathPointKind::CurveTo:
        Out += "C";
        for (std::size_t I = 0; I < S.Points.size(); ++I) Out += (I ? " " : "") + DumpPoint(S.Pt(I));
        break;
    }
  }
  return Out;
}

// Counts the calls of a path's change event and checks their sender.
struct TChangeCounter {
  int Count = 0;
  explicit TChangeCounter(TPathData& Path) {
    Path.SetOnChanged([this, &Path](TObject* Sender) {
      EXPECT_EQ(Sender, &Path);
      ++Count;
    });
  }
};

}  // namespace FMX::Testing
