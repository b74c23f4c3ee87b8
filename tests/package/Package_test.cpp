#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Platform/SystemFontsService.h"
#include "package/Package.h"

using namespace FMX::VX::Package;

namespace {

const std::vector<std::string> UnitOrder{"FMX.VX.HelperFunctions", "FMX.VX.DeltaFont", "FMX.VX.CanvasHelper",
                                         "FMX.VX.Graphics",        "FMX.VX.HintWindow", "FMX.VX.Platform"};

// "+Unit" for a set-up, "-Unit" for a tear-down, in call order.
using TTrace = std::vector<std::string>;

void Record(const char* UnitName, TUnitPhase Phase, void* Data) {
  static_cast<TTrace*>(Data)->push_back((Phase == TUnitPhase::Initialize ? "+" : "-") + std::string(UnitName));
}

TTrace Expected(char Sign, bool Reverse) {
  TTrace T;
  for (const auto& Name : UnitOrder) T.push_back(Sign + Name);
  if (Reverse) std::reverse(T.begin(), T.end());
  return T;
}

std::vector<int> Counts() {
  std::vector<int> C;
  for (const auto& Name : UnitOrder) C.push_back(UnitLoadCount(Name));
  return C;
}

// Each test starts and ends with the package loaded once, as the library's
// constructor left it, and with no hook in place.
class PackageLoad : public ::testing::Test {
 protected:
  void SetUp() override { SetUnitTraceHook(&Record, &Trace); }
  void TearDown() override {
    SetUnitTraceHook(nullptr);
    while (UnitLoadCount("FMX.VX.Graphics") > 1) UnloadPackage();
    if (UnitLoadCount("FMX.VX.Graphics") == 0) LoadPackage();
  }
  TTrace Trace;
};

}  // namespace

TEST(PackageUnits, AreListedInSetUpOrderAndLoadedWithTheLibrary) {
  std::vector<std::string> Names;
  for (const auto& U : PackageUnits()) Names.push_back(U.Name);
  EXPECT_EQ(Names, UnitOrder);
  // The shared library's constructor loaded the package once.
  EXPECT_EQ(Counts(), std::vector<int>(6, 1));
  EXPECT_EQ(UnitLoadCount("FMX.VX.Nothing"), -1);
}

TEST_F(PackageLoad, NestedLoadsAndUnloadsOnlyCount) {
  auto& US = FMX::VX::Graphics::USFormatSettings;
  US.DecimalSeparator = '#';  // would be reset by a set-up or tear-down
  LoadPackage();
  EXPECT_EQ(VXFMXCommonLoad(), 1);
  EXPECT_EQ(Counts(), std::vector<int>(6, 3));
  UnloadPackage();
  VXFMXCommonUnload();
  EXPECT_EQ(Counts(), std::vector<int>(6, 1));
  EXPECT_TRUE(Trace.empty());
  EXPECT_EQ(US.DecimalSeparator, '#');
  US.DecimalSeparator = '.';
}

TEST_F(PackageLoad, LastUnloadTearsDownInReverseAndTheNextLoadSetsUpInOrder) {
  auto& US = FMX::VX::Graphics::USFormatSettings;
  US.DecimalSeparator = '#';
  UnloadPackage();
  EXPECT_EQ(Trace, Expected('-', true));
  EXPECT_EQ(Counts(), std::vector<int>(6, 0));
  EXPECT_EQ(US.DecimalSeparator, '.') << "the graphics unit's tear-down did not run";

  Trace.clear();
  US.DecimalSeparator = '#';
  LoadPackage();
  EXPECT_EQ(Trace, Expected('+', false));
  EXPECT_EQ(Counts(), std::vector<int>(6, 1));
  EXPECT_EQ(US.DecimalSeparator, '.') << "the graphics unit's set-up did not run";
  EXPECT_EQ(US.ThousandSeparator, ',');
}

// The platform unit: its service lives from the first load to the last
// unload; the registry keeps its own reference.
TEST_F(PackageLoad, ThePlatformUnitPublishesOneServicePerLoadedLifetime) {
  using namespace FMX::VX::Platform;
  auto& Registry = FMX::TPlatformServices::Current();
  const auto First = TallowmerePlatform();
  ASSERT_NE(First, nullptr);
  EXPECT_EQ(Registry.GetPlatformService(IVXFMXSystemFontsService::IID), First);
  LoadPackage();
  UnloadPackage();
  EXPECT_EQ(TallowmerePlatform(), First) << "a nested load made a new service";

  UnloadPackage();
  EXPECT_EQ(TallowmerePlatform(), nullptr);
  EXPECT_EQ(Registry.GetPlatformService(IVXFMXSystemFontsService::IID), First) << "the registry lets go at unload";
  EXPECT_EQ(First.use_count(), 2);  // ours and the registry's

  LoadPackage();
  const auto Second = TallowmerePlatform();
  ASSERT_NE(Second, nullptr);
  EXPECT_NE(Second, First);
  EXPECT_EQ(Registry.GetPlatformService(IVXFMXSystemFontsService::IID), Second);
  EXPECT_EQ(First.use_count(), 1) << "the registry still holds the old service";
}

TEST_F(PackageLoad, UnbalancedUnloadsAreHarmless) {
  UnloadPackage();
  Trace.clear();
  UnloadPackage();
  VXFMXCommonUnload();
  EXPECT_TRUE(Trace.empty());
  EXPECT_EQ(Counts(), std::vector<int>(6, 0));
  // One load brings the package back: the extra unloads were not counted.
  EXPECT_EQ(VXFMXCommonLoad(), 1);
  EXPECT_EQ(Trace, Expected('+', false));
  EXPECT_EQ(Counts(), std::vector<int>(6, 1));
}

// A loader over units of our own, some of which fail.
namespace {

TTrace Calls;
bool FailSetUpOfB = false;
bool FailTearDownOfB = false;
bool FailTearDownOfC = false;

void SetUpA() { Calls.push_back("+A"); }
void TearDownA() { Calls.push_back("-A"); }
void SetUpB() {
  Calls.push_back("+B");
  if (FailSetUpOfB) throw std::runtime_error("B cannot start");
}
void TearDownB() {
  Calls.push_back("-B");
  if (FailTearDownOfB) throw std::runtime_error("B cannot stop");
}
void TearDownC() {
  Calls.push_back("-C");
  if (FailTearDownOfC) throw std::runtime_error("C cannot stop");
}

constexpr TPackageUnit TestUnits[] = {
    {"A", &SetUpA, &TearDownA}, {"Quiet", nullptr, nullptr}, {"B", &SetUpB, &TearDownB}, {"C", nullptr, &TearDownC}};

class UnitLoader : public ::testing::Test {
 protected:
  void SetUp() override {
    Calls.clear();
    FailSetUpOfB = FailTearDownOfB = FailTearDownOfC = false;
  }
  std::vector<int> LoaderCounts() const {
    return {Loader.LoadCount("A"), Loader.LoadCount("Quiet"), Loader.LoadCount("B"), Loader.LoadCount("C")};
  }

  int Counters[4] = {};
  TUnitLoader Loader{TestUnits, Counters};
};

}  // namespace

TEST_F(UnitLoader, AFailedSetUpUndoesThatLoadAndPassesTheError) {
  FailSetUpOfB = true;
  try {
    Loader.Load();
    ADD_FAILURE() << "the failed set-up was not reported";
  } catch (const std::runtime_error& E) {
    EXPECT_STREQ(E.what(), "B cannot start");
  }
  EXPECT_EQ(Calls, (TTrace{"+A", "+B", "-A"}));
  EXPECT_EQ(LoaderCounts(), (std::vector<int>{0, 0, 0, 0}));

  // After a good load, nested loads do not set B up again, so they cannot fail.
  FailSetUpOfB = false;
  Loader.Load();
  FailSetUpOfB = true;
  Calls.clear();
  Loader.Load();
  EXPECT_TRUE(Calls.empty());
  EXPECT_EQ(LoaderCounts(), (std::vector<int>{2, 2, 2, 2}));
}

TEST_F(UnitLoader, EveryTearDownRunsAndTheFirstErrorIsReported) {
  Loader.Load();
  Calls.clear();
  FailTearDownOfB = FailTearDownOfC = true;
  try {
    Loader.Unload();
    ADD_FAILURE() << "the failed tear-downs were not reported";
  } catch (const std::runtime_error& E) {
    EXPECT_STREQ(E.what(), "C cannot stop");  // C is torn down first
  }
  EXPECT_EQ(Calls, (TTrace{"-C", "-B", "-A"}));
  EXPECT_EQ(LoaderCounts(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(Loader.LoadCount(std::size_t(4)), -1);
}
