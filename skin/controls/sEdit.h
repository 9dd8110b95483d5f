// TsEdit: a single-line field. It owns its skin data (kind 3, section "EDIT") and can carry
// a caption label bound to one of its sides (BoundLabel); its own skinned painting comes
// with the engine's fields.
#pragma once

#include "framework/Edit.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/sBoundLabel.h"

class TsEdit : public TsSkinnedControl<TEdit> {
 public:
  explicit TsEdit(TComponent* AOwner) : TsSkinnedControl(AOwner, cocEdit, "TsEdit", FixedSection("EDIT")) {}

  TsBoundLabel& BoundLabel() { return FBoundLabel; }

  void Loaded() override {
    TsSkinnedControl::Loaded();
    FBoundLabel.UpdateVisibility();
  }

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override {
    constexpr std::wstring_view Prefix = L"BoundLabel.";
    if (PropertyName.starts_with(Prefix) && FBoundLabel.ReadProperty(PropertyName.substr(Prefix.size()), Value))
      return true;
    return TsSkinnedControl::ReadProperty(PropertyName, Value);
  }

 private:
  TsBoundLabel FBoundLabel{this};
};
