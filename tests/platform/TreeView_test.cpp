// Tree view rows and menu item children.

#include <gtest/gtest.h>

#include "platform/Form.h"
#include "platform/TreeView.h"
#include "tests/platform/CanvasProbe.h"

using namespace FMX;

namespace {

TTreeViewItem* Add(TTreeView& View, TFmxObject* Parent, const char* Text) {
  auto* Item = new TTreeViewItem(&View);
  Item->SetText(Text);
  Item->SetParent(Parent);
  return Item;
}

}  // namespace

TEST(TTreeViewTest, ItemsAreCountedPerLevelAndLaidOutAsIndentedRows) {
  TTreeView View;
  View.SetSize(200, 300);
  auto* A = Add(View, &View, "A");
  auto* A1 = Add(View, A, "A1");
  auto* A1x = Add(View, A1, "A1x");
  auto* A2 = Add(View, A, "A2");
  auto* B = Add(View, &View, "B");
  auto* Stray = new TControl(&View);  // not an item: not counted
  Stray->SetParent(A);
  EXPECT_EQ(View.GetCount(), 2);
  EXPECT_EQ(View.GlobalCount(), 5);
  EXPECT_EQ(A->GetCount(), 2);
  EXPECT_EQ(A->ItemByIndex(1), A2);
  EXPECT_EQ(A->ItemByIndex(2), nullptr);
  EXPECT_EQ(View.GetTreeItem(1), B);
  EXPECT_EQ(A1x->Level(), 2);
  EXPECT_EQ(A1x->TreeView(), &View);
  EXPECT_EQ(A1x->ParentItem(), A1);

  const float H = TTreeView::RowHeight, I = TTreeView::Indent;
  // Rows in pre-order: A, A1, A1x, A2, B.
  EXPECT_EQ(A1x->AbsoluteRect(), (TRectF{2 * I, 2 * H, 200, 3 * H}));
  EXPECT_EQ(A2->AbsoluteRect().Top, 3 * H);
  EXPECT_EQ(B->AbsoluteRect().Top, 4 * H);
  A1->SetIsExpanded(false);
  EXPECT_EQ(A2->AbsoluteRect().Top, 2 * H);
  EXPECT_EQ(B->AbsoluteRect().Top, 3 * H);
  delete A;  // takes its sub-items' places with it
  EXPECT_EQ(B->AbsoluteRect().Top, 0);
}

TEST(TTreeViewTest, ACollapsedItemHidesItsSubItemsWhenPainted) {
  TForm Form(100, 100);
  auto* View = new TTreeView(&Form);
  View->SetParent(&Form);
  View->SetAlign(TAlignLayout::Client);
  auto* Top = Add(*View, View, "Top");
  Add(*View, Top, "WWWWW");
  auto Dark = [&](int Row) {
    auto Bmp = Form.MakeScreenshot();
    int N = 0;
    for (int Y = Row * 20; Y < Row * 20 + 20; ++Y)
      for (int X = 0; X < 100; ++X) N += CanvasProbe::R(Bmp->GetPixel(X, Y)) < 128;
    return N;
  };
  EXPECT_GT(Dark(0), 0);
  EXPECT_GT(Dark(1), 0);
  Top->SetIsExpanded(false);
  EXPECT_GT(Dark(0), 0);
  EXPECT_EQ(Dark(1), 0);
}

TEST(TMenuItemTest, CountsOnlyMenuItemChildren) {
  TMenuItem Menu;
  auto* Other = new TControl(&Menu);
  Other->SetParent(&Menu);
  auto* Sub = new TMenuItem(&Menu);
  Sub->SetParent(&Menu);
  EXPECT_EQ(Menu.ChildrenCount(), 2);
  EXPECT_EQ(Menu.ItemsCount(), 1);
  EXPECT_EQ(Menu.Items(0), Sub);
  EXPECT_EQ(Menu.Items(1), nullptr);
}
