#include "FMX.VX.HelperFunctions/HelperFunctions.h"

#include <functional>

namespace FMX::VX::HelperFunctions {

namespace {

using TMatch = std::function<bool(const TTreeViewItem&)>;

// Pre-order search of Parent's sub-items (a tree view's top-level items or
// an item's children); Parent itself is not tested.
TTreeViewItem* FindBelow(const TFmxObject& Parent, const TMatch& Match) {
  for (std::int32_t I = 0; I < Parent.ChildrenCount(); ++I) {
    auto* Item = dynamic_cast<TTreeViewItem*>(Parent.Children(I));
    if (!Item) continue;
    if (Match(*Item)) return Item;
    if (TTreeViewItem* Found = FindBelow(*Item, Match)) return Found;
  }
  return nullptr;
}

TMatch ByText(const std::string& AText) {
  return [&AText](const TTreeViewItem& Item) { return Item.GetText() == AText; };
}
TMatch ByData(const TObject* AData) {
  return [AData](const TTreeViewItem& Item) { return Item.DataObject() == AData; };
}

}  // namespace

TTreeViewItem* AddChildTreeViewItem(TTreeView* TreeView, TTreeViewItem* ParentItem, const std::string& AText) {
  if (!TreeView) return nullptr;
  auto* Item = new TTreeViewItem(TreeView);
  Item->SetText(AText);
  Item->SetParent(ParentItem ? static_cast<TFmxObject*>(ParentItem) : TreeView);
  return Item;
}

TTreeViewItem* AddChildTreeViewItem(TTreeView* TreeView, TTreeViewItem* ParentItem, const std::string& AText,
                                    const std::string& AData) {
  TTreeViewItem* Item = AddChildTreeViewItem(TreeView, ParentItem, AText);
  if (Item) Item->SetDataString(AData);
  return Item;
}

TTreeViewItem* AddChildTreeViewItem(TTreeView* TreeView, TTreeViewItem* ParentItem, const std::string& AText,
                                    TObject* AData) {
  TTreeViewItem* Item = AddChildTreeViewItem(TreeView, ParentItem, AText);
  if (Item) Item->SetDataObject(AData);
  return Item;
}

TTreeViewItem* FindTreeViewItem(const TTreeView* TreeView, const std::string& AText) {
  return TreeView ? FindBelow(*TreeView, ByText(AText)) : nullptr;
}

TTreeViewItem* FindTreeViewItem(const TTreeView* TreeView, const TObject* AData) {
  return TreeView ? FindBelow(*TreeView, ByData(AData)) : nullptr;
}

TTreeViewItem* FindTreeViewChildItem(const TTreeViewItem* Item, const std::string& AText) {
  return Item ? FindBelow(*Item, ByText(AText)) : nullptr;
}

TTreeViewItem* FindTreeViewChildItem(const TTreeViewItem* Item, const TObject* AData) {
  return Item ? FindBelow(*Item, ByData(AData)) : nullptr;
}

bool IsSubmenuVisible(const TMenuItem* MenuItem) {
  if (!MenuItem) return false;
  for (std::int32_t I = 0; I < MenuItem->ChildrenCount(); ++I)
    if (const auto* Sub = dynamic_cast<const TMenuItem*>(MenuItem->Children(I)); Sub && Sub->Visible()) return true;
  return false;
}

}  // namespace FMX::VX::HelperFunctions
