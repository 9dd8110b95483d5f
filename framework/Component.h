// TComponent: an owned object with a name. An owner frees what it owns, last created first,
// when it goes; a component freed earlier leaves its owner's list by itself.
//
// Components are built from stored descriptions: the reader calls BeginLoading, feeds every
// stored property to ReadProperty, and finally calls Loaded, which ends the loading state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Description.h"
#include "framework/core/Object.h"

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  // Owned components in creation order.
  const std::vector<TComponent*>& Components() const { return FComponents; }
  TComponent* FindComponent(std::wstring_view Name) const;
  template <class T>
  T* FindComponent(std::wstring_view Name) const {
    return dynamic_cast<T*>(FindComponent(Name));
  }

  const std::wstring& Name() const { return FName; }
  // Names are unique among the components of one owner (std::invalid_argument otherwise).
  void SetName(const std::wstring& Value);
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t Value) { FTag = Value; }

  bool Loading() const { return FLoading; }
  void BeginLoading() { FLoading = true; }
  // Ends the loading state; classes finish what they postponed while loading.
  virtual void Loaded();
  // True from the start of the component's destruction (also while its owner or parent is
  // freeing it), so that handlers can skip work that is pointless on the way out.
  bool Destroying() const { return FDestroying; }

  // Applies one stored property ("Left", "Font.Height" ...). Returns false for a property the
  // class does not know; throws EPropertyError for a known property with a bad value.
  virtual bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value);
  // The event handler that a stored method name stands for; empty when unknown. A form
  // answers for its own handlers.
  virtual TNotifyEvent MethodAddress(const std::wstring& MethodName);

 protected:
  // Marks this component and everything it owns as being destroyed.
  void MarkDestroying();
  // Frees every owned component now, last created first.
  void DestroyComponents();
  // Resolves a stored event (an identifier naming a handler) through the owners' MethodAddress;
  // throws EPropertyError when no owner knows it.
  TNotifyEvent ReadEvent(const TDescriptionValue& Value) const;

 private:
  TComponent* FOwner;
  std::vector<TComponent*> FComponents;
  std::wstring FName;
  std::intptr_t FTag = 0;
  bool FLoading = false;
  bool FDestroying = false;
};
