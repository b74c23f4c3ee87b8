#include "platform/FmxObject.h"

#include <algorithm>

namespace FMX {

namespace {

void Erase(std::vector<TFmxObject*>& List, TFmxObject* Item) {
  const auto It = std::find(List.begin(), List.end(), Item);
  if (It != List.end()) List.erase(It);
}

}  // namespace

TFmxObject::TFmxObject(TFmxObject* AOwner) : FOwner(AOwner) {
  if (FOwner) FOwner->FComponents.push_back(this);
}

TFmxObject::~TFmxObject() {
  // Owned objects go first, newest first; each one leaves our lists itself.
  while (!FComponents.empty()) delete FComponents.back();
  // Children we do not own stay alive without a parent.
  while (!FChildren.empty()) {
    TFmxObject* Child = FChildren.back();
    FChildren.pop_back();
    Child->FParent = nullptr;
    Child->ParentChanged();
  }
  DetachFromParent();
  if (FOwner) Erase(FOwner->FComponents, this);
}

TFmxObject* TFmxObject::Components(std::int32_t Index) const {
  return Index >= 0 && Index < ComponentCount() ? FComponents[std::size_t(Index)] : nullptr;
}

TFmxObject* TFmxObject::Children(std::int32_t Index) const {
  return Index >= 0 && Index < ChildrenCount() ? FChildren[std::size_t(Index)] : nullptr;
}

std::int32_t TFmxObject::Index() const {
  if (!FParent) return -1;
  const auto& Siblings = FParent->FChildren;
  return std::int32_t(std::find(Siblings.begin(), Siblings.end(), this) - Siblings.begin());
}

void TFmxObject::SetParent(TFmxObject* Value) {
  if (Value == FParent) return;
  for (const TFmxObject* P = Value; P; P = P->FParent)
    if (P == this) throw Exception("Cannot make " + ClassName() + " a child of itself or of its own descendant");
  DetachFromParent();
  FParent = Value;
  if (FParent) {
    FParent->FChildren.push_back(this);
    FParent->ChildrenChanged();
  }
  ParentChanged();
}

void TFmxObject::DetachFromParent() {
  if (!FParent) return;
  TFmxObject* Old = FParent;
  Erase(Old->FChildren, this);
  FParent = nullptr;
  Old->ChildrenChanged();
}

void TFmxObject::BringToFront() {
  if (!FParent) return;
  auto& Siblings = FParent->FChildren;
  const auto It = std::find(Siblings.begin(), Siblings.end(), this);
  std::rotate(It, It + 1, Siblings.end());
  FParent->ChildrenChanged();
}

void TFmxObject::SendToBack() {
  if (!FParent) return;
  auto& Siblings = FParent->FChildren;
  const auto It = std::find(Siblings.begin(), Siblings.end(), this);
  std::rotate(Siblings.begin(), It, It + 1);
  FParent->ChildrenChanged();
}

}  // namespace FMX
