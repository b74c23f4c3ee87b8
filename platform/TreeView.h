#pragma once
// Tree view and menu controls.
//
// A tree view's top-level items are its children that are tree-view items;
// an item's sub-items are its own children that are items. Items are drawn
// as rows of text, one row per item whose ancestors are all expanded,
// indented by level (RowHeight and Indent canvas units).
//
// Menu items form a tree of their own the same way: a menu item's submenu
// is its children that are menu items. Other children (separators drawn by
// the caller, decorations) may sit among them.

#include <cstdint>
#include <string>

#include "platform/Control.h"
#include "platform/Export.h"
#include "platform/Font.h"

namespace FMX {

class TTreeView;

class VXFMX_API TTreeViewItem : public TControl {
 public:
  explicit TTreeViewItem(TFmxObject* AOwner = nullptr);

  const std::string& Text() const { return FText; }
  const std::string& GetText() const { return FText; }
  void SetText(std::string Value);
  bool IsExpanded() const { return FExpanded; }
  void SetIsExpanded(bool Value);

  // Direct sub-items, in order.
  std::int32_t Count() const;
  std::int32_t GetCount() const { return Count(); }
  // nullptr outside 0..Count()-1.
  TTreeViewItem* ItemByIndex(std::int32_t Index) const;
  // Parent item; nullptr for a top-level item.
  TTreeViewItem* ParentItem() const;
  // The tree view above this item; nullptr while it is not in one.
  TTreeView* TreeView() const;
  // 0 for a top-level item.
  std::int32_t Level() const;

 protected:
  void Paint(TCanvas& Canvas) override;
  void ChildrenChanged() override;
  void ParentChanged() override;

 private:
  std::string FText;
  bool FExpanded = true;
};

class VXFMX_API TTreeView : public TControl {
 public:
  static constexpr float RowHeight = 20;
  static constexpr float Indent = 16;

  explicit TTreeView(TFmxObject* AOwner = nullptr);

  // Top-level items, in order.
  std::int32_t Count() const;
  std::int32_t GetCount() const { return Count(); }
  // nullptr outside 0..Count()-1.
  TTreeViewItem* GetTreeItem(std::int32_t Index) const;
  TTreeViewItem* ItemByIndex(std::int32_t Index) const { return GetTreeItem(Index); }
  // Items in all levels.
  std::int32_t GlobalCount() const;

  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }

  // Places every item row again (automatic when items change).
  void RealignItems();

 protected:
  void ChildrenChanged() override;
  void Resize() override { RealignItems(); }

 private:
  TFont FFont;
};

class VXFMX_API TMenuItem : public TControl {
 public:
  explicit TMenuItem(TFmxObject* AOwner = nullptr);

  const std::string& Text() const { return FText; }
  void SetText(std::string Value) { FText = std::move(Value); }
  // Direct sub-menu items, in order (other children are not counted).
  std::int32_t ItemsCount() const;
  // nullptr outside 0..ItemsCount()-1.
  TMenuItem* Items(std::int32_t Index) const;

 private:
  std::string FText;
};

}  // namespace FMX
