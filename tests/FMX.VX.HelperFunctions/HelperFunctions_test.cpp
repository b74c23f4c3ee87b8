// Tree-view and menu helpers.

#include <gtest/gtest.h>

#include "FMX.VX.HelperFunctions/HelperFunctions.h"

using namespace FMX;
using namespace FMX::VX::HelperFunctions;

namespace {

// A
// ├─ A1
// │  └─ Dup      (data Tag1)
// └─ A2          (data string "s")
// Dup            (data Tag2)
// B
// └─ Dup         (no data object)
class Tree : public ::testing::Test {
 protected:
  Tree() {
    A = AddChildTreeViewItem(&View, nullptr, "A");
    A1 = AddChildTreeViewItem(&View, A, "A1");
    DeepDup = AddChildTreeViewItem(&View, A1, "Dup", &Tag1);
    A2 = AddChildTreeViewItem(&View, A, "A2", "s");
    TopDup = AddChildTreeViewItem(&View, nullptr, "Dup", &Tag2);
    B = AddChildTreeViewItem(&View, nullptr, "B");
    BDup = AddChildTreeViewItem(&View, B, "Dup");
  }
  TTreeView View;
  TObject Tag1, Tag2, Unused;
  TTreeViewItem *A, *A1, *DeepDup, *A2, *TopDup, *B, *BDup;
};

}  // namespace

TEST_F(Tree, AddedItemsAreOwnedByTheViewAndPlacedUnderTheirParent) {
  EXPECT_EQ(View.GetCount(), 3);
  EXPECT_EQ(View.GetTreeItem(1), TopDup);
  EXPECT_EQ(A->GetCount(), 2);
  EXPECT_EQ(A1->ItemByIndex(0), DeepDup);
  EXPECT_EQ(DeepDup->Owner(), &View);
  EXPECT_EQ(DeepDup->GetText(), "Dup");
  EXPECT_EQ(DeepDup->DataObject(), &Tag1);
  EXPECT_EQ(A2->DataString(), "s");
  EXPECT_EQ(A2->DataObject(), nullptr);
  EXPECT_EQ(View.ComponentCount(), 7);
  EXPECT_EQ(AddChildTreeViewItem(nullptr, A, "nowhere"), nullptr);
  EXPECT_EQ(AddChildTreeViewItem(nullptr, A, "nowhere", "data"), nullptr);
  EXPECT_EQ(AddChildTreeViewItem(nullptr, nullptr, "nowhere", &Tag1), nullptr);
  EXPECT_EQ(View.ComponentCount(), 7);
}

TEST_F(Tree, FindSearchesDepthFirstInPreOrder) {
  // The match deep in the first top-level item wins over the later top-level one.
  EXPECT_EQ(FindTreeViewItem(&View, "Dup"), DeepDup);
  EXPECT_EQ(FindTreeViewItem(&View, "A2"), A2);
  EXPECT_EQ(FindTreeViewItem(&View, "B"), B);
  EXPECT_EQ(FindTreeViewItem(&View, "b"), nullptr) << "text matching is case-sensitive";
  EXPECT_EQ(FindTreeViewItem(&View, "Du"), nullptr);
  EXPECT_EQ(FindTreeViewItem(&View, std::string()), nullptr);

  EXPECT_EQ(FindTreeViewItem(&View, &Tag2), TopDup);
  EXPECT_EQ(FindTreeViewItem(&View, &Unused), nullptr);
  // A null data object finds the first item without one.
  EXPECT_EQ(FindTreeViewItem(&View, static_cast<TObject*>(nullptr)), A);
}

TEST_F(Tree, ChildSearchesLookBelowTheItemOnly) {
  EXPECT_EQ(FindTreeViewChildItem(A, "A"), nullptr) << "the item itself is not a descendant";
  EXPECT_EQ(FindTreeViewChildItem(A, "Dup"), DeepDup);
  EXPECT_EQ(FindTreeViewChildItem(B, "Dup"), BDup);
  EXPECT_EQ(FindTreeViewChildItem(A, "B"), nullptr);
  EXPECT_EQ(FindTreeViewChildItem(A, &Tag1), DeepDup);
  EXPECT_EQ(FindTreeViewChildItem(A, &Tag2), nullptr);
  EXPECT_EQ(FindTreeViewChildItem(A, static_cast<TObject*>(nullptr)), A1);
}

TEST_F(Tree, NullViewsAndItemsFindNothing) {
  EXPECT_EQ(FindTreeViewItem(nullptr, "A"), nullptr);
  EXPECT_EQ(FindTreeViewItem(nullptr, &Tag1), nullptr);
  EXPECT_EQ(FindTreeViewChildItem(nullptr, "A"), nullptr);
  EXPECT_EQ(FindTreeViewChildItem(nullptr, &Tag1), nullptr);
  EXPECT_FALSE(IsSubmenuVisible(nullptr));
}

TEST(IsSubmenuVisibleTest, NeedsAVisibleMenuItemAmongTheChildren) {
  TMenuItem Menu;
  EXPECT_FALSE(IsSubmenuVisible(&Menu)) << "no children";
  auto* Decoration = new TControl(&Menu);
  Decoration->SetParent(&Menu);
  EXPECT_FALSE(IsSubmenuVisible(&Menu)) << "only a non-menu child";
  auto* Hidden = new TMenuItem(&Menu);
  Hidden->SetParent(&Menu);
  Hidden->SetVisible(false);
  EXPECT_FALSE(IsSubmenuVisible(&Menu)) << "only hidden menu items";
  auto* Grandchild = new TMenuItem(&Menu);
  Grandchild->SetParent(Hidden);
  EXPECT_FALSE(IsSubmenuVisible(&Menu)) << "grandchildren do not count";
  auto* Shown = new TMenuItem(&Menu);
  Shown->SetParent(&Menu);
  EXPECT_TRUE(IsSubmenuVisible(&Menu));
}
