#include "platform/TreeView.h"

#include "platform/Canvas.h"

namespace FMX {

namespace {

template <typename T>
std::int32_t CountOf(const TFmxObject& Parent) {
  std::int32_t N = 0;
  for (std::int32_t I = 0; I < Parent.ChildrenCount(); ++I)
    if (dynamic_cast<T*>(Parent.Children(I))) ++N;
  return N;
}

template <typename T>
T* NthOf(const TFmxObject& Parent, std::int32_t Index) {
  if (Index < 0) return nullptr;
  for (std::int32_t I = 0; I < Parent.ChildrenCount(); ++I)
    if (auto* Item = dynamic_cast<T*>(Parent.Children(I)))
      if (Index-- == 0) return Item;
  return nullptr;
}

// Lays out Item and its sub-items for a row width; returns the item's
// height (its own row plus, when expanded, the rows of its sub-items).
float LayoutItem(TTreeViewItem& Item, float X, float Y, float Width) {
  double Rows = TTreeView::RowHeight;
  const double SubWidth = double(Width) - TTreeView::Indent;
  for (std::int32_t I = 0; I < Item.ChildrenCount(); ++I)
    if (auto* Sub = dynamic_cast<TTreeViewItem*>(Item.Children(I)))
      Rows += LayoutItem(*Sub, TTreeView::Indent, float(Rows), float(SubWidth));
  const float Height = Item.IsExpanded() ? float(Rows) : TTreeView::RowHeight;
  Item.SetBounds(X, Y, Width, Height);
  return Height;
}

}  // namespace

// --- TTreeViewItem ----------------------------------------------------------

TTreeViewItem::TTreeViewItem(TFmxObject* AOwner) : TControl(AOwner) {}

void TTreeViewItem::SetText(std::string Value) { FText = std::move(Value); }

void TTreeViewItem::SetIsExpanded(bool Value) {
  if (Value == FExpanded) return;
  FExpanded = Value;
  if (TTreeView* View = TreeView()) View->RealignItems();
}

std::int32_t TTreeViewItem::Count() const { return CountOf<TTreeViewItem>(*this); }

TTreeViewItem* TTreeViewItem::ItemByIndex(std::int32_t Index) const { return NthOf<TTreeViewItem>(*this, Index); }

TTreeViewItem* TTreeViewItem::ParentItem() const { return dynamic_cast<TTreeViewItem*>(Parent()); }

TTreeView* TTreeViewItem::TreeView() const {
  for (TFmxObject* P = Parent(); P; P = P->Parent()) {
    if (auto* View = dynamic_cast<TTreeView*>(P)) return View;
    if (!dynamic_cast<TTreeViewItem*>(P)) return nullptr;
  }
  return nullptr;
}

std::int32_t TTreeViewItem::Level() const {
  std::int32_t N = 0;
  for (auto* P = ParentItem(); P; P = P->ParentItem()) ++N;
  return N;
}

void TTreeViewItem::ChildrenChanged() {
  TControl::ChildrenChanged();
  if (TTreeView* View = TreeView()) View->RealignItems();
}

void TTreeViewItem::ParentChanged() {
  TControl::ParentChanged();
  if (TTreeView* View = TreeView()) View->RealignItems();
}

void TTreeViewItem::Paint(TCanvas& Canvas) {
  if (FText.empty()) return;
  const TTreeView* View = TreeView();
  const TFont Saved(Canvas.Font());
  const TBrush SavedFill(Canvas.Fill());
  if (View) Canvas.Font().Assign(View->Font());
  Canvas.Fill().SetKind(TBrushKind::Solid);
  Canvas.Fill().SetColor(0xFF000000);
  Canvas.FillText({2, 0, Width(), TTreeView::RowHeight}, FText, false, Opacity(), {}, TTextAlign::Leading,
                  TTextAlign::Center);
  Canvas.Font().Assign(Saved);
  Canvas.Fill().Assign(SavedFill);
}

// --- TTreeView ---------------------------------------------------------------

TTreeView::TTreeView(TFmxObject* AOwner) : TControl(AOwner) {}

std::int32_t TTreeView::Count() const { return CountOf<TTreeViewItem>(*this); }

TTreeViewItem* TTreeView::GetTreeItem(std::int32_t Index) const { return NthOf<TTreeViewItem>(*this, Index); }

std::int32_t TTreeView::GlobalCount() const {
  std::int32_t N = 0;
  auto Walk = [&N](auto& Self, const TFmxObject& Parent) -> void {
    for (std::int32_t I = 0; I < Parent.ChildrenCount(); ++I)
      if (auto* Item = dynamic_cast<TTreeViewItem*>(Parent.Children(I))) {
        ++N;
        Self(Self, *Item);
      }
  };
  Walk(Walk, *this);
  return N;
}

void TTreeView::RealignItems() {
  double Y = 0;
  for (std::int32_t I = 0; I < ChildrenCount(); ++I)
    if (auto* Item = dynamic_cast<TTreeViewItem*>(Children(I))) Y += LayoutItem(*Item, 0, float(Y), Width());
}

void TTreeView::ChildrenChanged() {
  TControl::ChildrenChanged();
  RealignItems();
}

// --- TMenuItem ---------------------------------------------------------------

TMenuItem::TMenuItem(TFmxObject* AOwner) : TControl(AOwner) {}

std::int32_t TMenuItem::ItemsCount() const { return CountOf<TMenuItem>(*this); }

TMenuItem* TMenuItem::Items(std::int32_t Index) const { return NthOf<TMenuItem>(*this, Index); }

}  // namespace FMX
