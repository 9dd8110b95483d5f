#include "framework/Component.h"

#include <algorithm>
#include <stdexcept>

#include "framework/core/DescriptionValues.h"

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
  if (FOwner) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (FOwner) std::erase(FOwner->FComponents, this);
}

void TComponent::DestroyComponents() {
  MarkDestroying();
  while (!FComponents.empty()) {
    // The owned component removes itself from FComponents in its destructor.
    delete FComponents.back();
  }
}

TComponent* TComponent::FindComponent(std::wstring_view Name) const {
  if (Name.empty()) return nullptr;
  const auto Found = std::find_if(FComponents.begin(), FComponents.end(),
                                  [Name](const TComponent* Component) { return Component->FName == Name; });
  return Found == FComponents.end() ? nullptr : *Found;
}

void TComponent::SetName(const std::wstring& Value) {
  if (Value == FName) return;
  if (FOwner && FOwner->FindComponent(Value))
    throw std::invalid_argument("a component with this name already exists");
  FName = Value;
}

void TComponent::Loaded() { FLoading = false; }

void TComponent::MarkDestroying() {
  FDestroying = true;
  for (TComponent* Component : FComponents) Component->MarkDestroying();
}

bool TComponent::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Tag") {
    SetTag(AsInteger(Value));
    return true;
  }
  return false;
}

TNotifyEvent TComponent::MethodAddress(const std::wstring&) { return {}; }

TNotifyEvent TComponent::ReadEvent(const TDescriptionValue& Value) const {
  const std::wstring MethodName = AsIdentifier(Value);
  for (TComponent* Owner = FOwner; Owner; Owner = Owner->FOwner) {
    if (TNotifyEvent Event = Owner->MethodAddress(MethodName)) return Event;
  }
  std::string Narrow(MethodName.begin(), MethodName.end());
  throw EPropertyError("unknown event handler '" + Narrow + "'");
}
