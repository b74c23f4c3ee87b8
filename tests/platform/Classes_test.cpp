#include <gtest/gtest.h>

#include "platform/Classes.h"

using namespace FMX;

namespace {
class TBox : public TPersistent {
 public:
  int Value = 0;
  void Assign(const TPersistent& Source) override {
    if (auto* Box = dynamic_cast<const TBox*>(&Source)) {
      Value = Box->Value;
      return;
    }
    TPersistent::Assign(Source);
  }
};
class TOther : public TPersistent {};
}  // namespace

TEST(TPersistent, AssignCopiesKnownSourcesAndRejectsOthersNamingBothClasses) {
  TBox A, B;
  B.Value = 7;
  A.Assign(B);
  EXPECT_EQ(A.Value, 7);
  TOther O;
  try {
    A.Assign(O);
    FAIL() << "assignment from an unrelated class must fail";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TOther to a TBox");
  }
  EXPECT_EQ(A.Value, 7);
}

TEST(TObject, ClassNameHasNoNamespace) {
  TOther O;
  EXPECT_EQ(O.ClassName(), "TOther");
}
