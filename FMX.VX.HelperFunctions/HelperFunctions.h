#pragma once
// Tree-view and menu lookups: add a child item in one call, find an item by
// its text or by the data object attached to it, and tell whether a menu
// item has a visible submenu.
//
// Searches run depth-first, pre-order: the tree view's top-level items (or
// an item's direct sub-items) in index order, each one followed by its own
// descendants before the next sibling. Text matching is exact and
// case-sensitive; data matching compares object identity, so a null data
// object finds the first item without one. A null tree view or item finds
// nothing (nullptr).
//
// The helpers never own or free what the data slots point to.

#include <string>

#include "platform/Export.h"
#include "platform/TreeView.h"

namespace FMX::VX::HelperFunctions {

// A new item owned by TreeView, with text AText, under ParentItem, or at the
// top level when ParentItem is null. A null tree view creates nothing and
// returns nullptr.
VXFMX_API TTreeViewItem* AddChildTreeViewItem(TTreeView* TreeView, TTreeViewItem* ParentItem,
                                              const std::string& AText);
// The same, with the item's data string set (nothing for a null tree view).
VXFMX_API TTreeViewItem* AddChildTreeViewItem(TTreeView* TreeView, TTreeViewItem* ParentItem,
                                              const std::string& AText, const std::string& AData);
// The same, with the item's data object set (nothing for a null tree view).
VXFMX_API TTreeViewItem* AddChildTreeViewItem(TTreeView* TreeView, TTreeViewItem* ParentItem,
                                              const std::string& AText, TObject* AData);
// A string literal as data is a data string.
inline TTreeViewItem* AddChildTreeViewItem(TTreeView* TreeView, TTreeViewItem* ParentItem, const std::string& AText,
                                           const char* AData) {
  return AddChildTreeViewItem(TreeView, ParentItem, AText, std::string(AData ? AData : ""));
}

// The first item in the whole tree with text AText (data object AData).
VXFMX_API TTreeViewItem* FindTreeViewItem(const TTreeView* TreeView, const std::string& AText);
VXFMX_API TTreeViewItem* FindTreeViewItem(const TTreeView* TreeView, const TObject* AData);
// The first descendant of Item (never Item itself) with text AText (data
// object AData).
VXFMX_API TTreeViewItem* FindTreeViewChildItem(const TTreeViewItem* Item, const std::string& AText);
VXFMX_API TTreeViewItem* FindTreeViewChildItem(const TTreeViewItem* Item, const TObject* AData);

// True when at least one child of MenuItem is a visible menu item (other
// children are skipped); false for none and for a null menu item.
VXFMX_API bool IsSubmenuVisible(const TMenuItem* MenuItem);

}  // namespace FMX::VX::HelperFunctions
