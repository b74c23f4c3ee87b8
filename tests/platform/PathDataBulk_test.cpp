// Bulk building: the point list handed out and back.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/PathData.h"
#include "platform/PathDump.h"

using namespace FMX;
using FMX::Testing::DumpPath;
using FMX::Testing::TChangeCounter;
using K = TPathPointKind;

TEST(PathDataBulk, TakeAndGiveKeepPointsSubpathStartAndNotifyOnce) {
  struct TCase {
    const char* Name;
    std::vector<TPathPoint> Given;
    TPointF Start;  // the subpath start the next close stores
  };
  const std::vector<TCase> Cases = {
      {"empty", {}, {0, 0}},
      {"no move", {{K::LineTo, {5, 5}}}, {0, 0}},
      {"last move", {{K::MoveTo, {1, 2}}, {K::LineTo, {3, 4}}, {K::MoveTo, {7, 8}}, {K::LineTo, {9, 9}}}, {7, 8}},
      // After a close the subpath start stays where the close put the pen.
      {"close last", {{K::MoveTo, {1, 2}}, {K::LineTo, {3, 4}}, {K::Close, {1, 2}}, {K::LineTo, {6, 6}}}, {1, 2}},
  };
  for (const TCase& C : Cases) {
    TPathData P;
    P.MoveTo({40, 50});
    TChangeCounter Changes(P);
    std::vector<TPathPoint> Points = P.TakePoints();
    ASSERT_EQ(Points.size(), 1u) << C.Name;
    EXPECT_TRUE(P.IsEmpty()) << C.Name;
    EXPECT_EQ(P.SubpathStart(), (TPointF{0, 0})) << C.Name;
    EXPECT_EQ(Changes.Count, 0) << C.Name;
    P.GivePoints(std::vector<TPathPoint>(C.Given));
    EXPECT_EQ(Changes.Count, 1) << C.Name;
    ASSERT_EQ(P.GetCount(), std::int32_t(C.Given.size())) << C.Name;
    EXPECT_EQ(P.SubpathStart(), C.Start) << C.Name;
    P.ClosePath();
    EXPECT_EQ(P.Points().back(), (TPathPoint{K::Close, C.Start})) << C.Name;
  }
}
