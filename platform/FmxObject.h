#pragma once
// Base of every control: ownership, the parent/child tree and two slots for
// the caller's data.
//
// Ownership and the tree are separate:
// - The owner frees the objects it owns when it is destroyed (last created
//   first). An owned object that is deleted earlier leaves its owner's list.
// - The parent lists its children in order (painting order for controls);
//   a child belongs to at most one parent. Destroying a parent frees the
//   children it also owns and detaches the others (they become parentless).
//
// Guarantees:
// - Deleting any object removes it from its owner's and its parent's lists,
//   so nothing keeps a dangling pointer to it.
// - The data slots are never owned: the object neither frees nor copies
//   what DataObject points to.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Classes.h"
#include "platform/Export.h"

namespace FMX {

class VXFMX_API TFmxObject : public TPersistent {
 public:
  explicit TFmxObject(TFmxObject* AOwner = nullptr);
  ~TFmxObject() override;
  TFmxObject(const TFmxObject&) = delete;
  TFmxObject& operator=(const TFmxObject&) = delete;

  // --- Ownership ---------------------------------------------------------
  TFmxObject* Owner() const { return FOwner; }
  std::int32_t ComponentCount() const { return std::int32_t(FComponents.size()); }
  // nullptr outside 0..ComponentCount()-1.
  TFmxObject* Components(std::int32_t Index) const;

  // --- Tree --------------------------------------------------------------
  TFmxObject* Parent() const { return FParent; }
  // Appends this object to Value's children (nullptr: no parent). Setting
  // the current parent again changes nothing. Raises Exception when Value
  // is this object or one of its descendants.
  void SetParent(TFmxObject* Value);
  std::int32_t ChildrenCount() const { return std::int32_t(FChildren.size()); }
  // nullptr outside 0..ChildrenCount()-1.
  TFmxObject* Children(std::int32_t Index) const;
  // Index among the parent's children; -1 without a parent.
  std::int32_t Index() const;
  // Moves this object to the end of its parent's children (drawn last).
  void BringToFront();
  // Moves it to the start (drawn first).
  void SendToBack();

  // --- Data slots --------------------------------------------------------
  TObject* DataObject() const { return FDataObject; }
  void SetDataObject(TObject* Value) { FDataObject = Value; }
  const std::string& DataString() const { return FDataString; }
  void SetDataString(std::string Value) { FDataString = std::move(Value); }

 protected:
  // Called on the parent after a child was added, removed or reordered.
  virtual void ChildrenChanged() {}
  // Called on the object after its parent changed.
  virtual void ParentChanged() {}

 private:
  void DetachFromParent();

  TFmxObject* FOwner = nullptr;
  TFmxObject* FParent = nullptr;
  std::vector<TFmxObject*> FComponents;
  std::vector<TFmxObject*> FChildren;
  TObject* FDataObject = nullptr;
  std::string FDataString;
};

}  // namespace FMX
