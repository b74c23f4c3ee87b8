// Interface identifiers, the platform-services registry and string lists.

#include <gtest/gtest.h>

#include "platform/PlatformServices.h"
#include "platform/StringList.h"

using namespace FMX;

namespace {

class IGreeter : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Create("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}");
  virtual std::string Greet() const = 0;
};
class IOther : public virtual IInterface {
 public:
  static constexpr TGUID IID = TGUID::Create("{00000000-0000-0000-0000-000000000001}");
};
class TGreeter : public IGreeter {
 public:
  std::string Greet() const override { return "hello"; }
};

// Each test leaves the registry as it found it.
class Registry : public ::testing::Test {
 protected:
  void TearDown() override {
    TPlatformServices::Current().RemovePlatformService(IGreeter::IID);
    TPlatformServices::Current().RemovePlatformService(IOther::IID);
  }
};

}  // namespace

TEST(TGUIDTest, ReadsTheBracedFormAndWritesItBack) {
  constexpr TGUID G = TGUID::Create("{725981BF-689E-400A-8C9F-D78816954A88}");
  static_assert(G.D1 == 0x725981BF && G.D2 == 0x689E && G.D3 == 0x400A && G.D4[0] == 0x8C && G.D4[7] == 0x88);
  EXPECT_EQ(G.ToString(), "{725981BF-689E-400A-8C9F-D78816954A88}");
  EXPECT_EQ(TGUID::Create("{725981bf-689e-400a-8c9f-d78816954a88}"), G);
  EXPECT_NE(TGUID::Create("{725981BF-689E-400A-8C9F-D78816954A89}"), G);
  for (const char* Bad : {"", "725981BF-689E-400A-8C9F-D78816954A88", "{725981BF-689E-400A-8C9F-D78816954A8}",
                          "{725981BF-689E-400A-8C9F-D78816954A8G}", "{725981BF+689E-400A-8C9F-D78816954A88}",
                          "{725981BF-689E-400A-8C9FD-78816954A88}"})
    EXPECT_THROW(TGUID::Create(Bad), EConvertError) << Bad;
}

TEST_F(Registry, ServicesAreFoundByIdentifierAndInterface) {
  auto& R = TPlatformServices::Current();
  EXPECT_EQ(&R, &TPlatformServices::Current());
  auto Service = std::make_shared<TGreeter>();
  EXPECT_FALSE(R.SupportsPlatformService(IGreeter::IID));
  R.AddPlatformService(IGreeter::IID, Service);
  std::shared_ptr<IGreeter> G;
  ASSERT_TRUE(R.SupportsPlatformService(G));
  EXPECT_EQ(G.get(), Service.get());
  EXPECT_EQ(G->Greet(), "hello");
  // Registered under another identifier, it still has to implement the
  // interface asked for.
  R.AddPlatformService(IOther::IID, Service);
  std::shared_ptr<IOther> O;
  EXPECT_FALSE(R.SupportsPlatformService(O));
  EXPECT_EQ(O, nullptr);
  EXPECT_TRUE(R.SupportsPlatformService(IOther::IID, G));
  R.RemovePlatformService(IGreeter::IID);
  EXPECT_EQ(R.GetPlatformService(IGreeter::IID), nullptr);
  EXPECT_FALSE(R.SupportsPlatformService(G));
  R.RemovePlatformService(IGreeter::IID);  // nothing there: no error
}

TEST_F(Registry, ATakenIdentifierOrANullServiceIsRefused) {
  auto& R = TPlatformServices::Current();
  auto First = std::make_shared<TGreeter>();
  R.AddPlatformService(IGreeter::IID, First);
  try {
    R.AddPlatformService(IGreeter::IID, std::make_shared<TGreeter>());
    ADD_FAILURE() << "a second registration was accepted";
  } catch (const EPlatformServiceError& E) {
    EXPECT_STREQ(E.what(), "Service {0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0} is already registered");
  }
  EXPECT_EQ(R.GetPlatformService(IGreeter::IID).get(), First.get());
  EXPECT_THROW(R.AddPlatformService(IOther::IID, nullptr), EPlatformServiceError);
}

TEST(TStringListTest, KeepsInsertionOrderAndChecksIndices) {
  TStringList L;
  EXPECT_EQ(L.Add("b"), 0);
  EXPECT_EQ(L.Add("a"), 1);
  EXPECT_EQ(L.Add("b"), 2);
  EXPECT_EQ(L.IndexOf("b"), 0);
  EXPECT_EQ(L.IndexOf("B"), -1);
  EXPECT_EQ(L[1], "a");
  EXPECT_THROW(L.Strings(3), Exception);
  EXPECT_THROW(L.Strings(-1), Exception);
  TStringList Copy;
  Copy.Assign(L);
  EXPECT_EQ(Copy.Items(), L.Items());
}
