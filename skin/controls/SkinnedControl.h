// TsSkinnedControl: a platform control that owns its skin data (TsCommonData) and lets it
// finish loading with the control. The skinned classes of the program derive from it.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "framework/Component.h"
#include "skin/render/ControlKinds.h"
#include "skin/render/win32/sCtrlSkinData.h"

// TData: the kind of skin data the control owns.
template <class TBase, class TData = TsCtrlSkinData>
class TsSkinnedControl : public TBase {
 public:
  // Kind: the control-kind code; StandardSection: the section it uses when it names none.
  TsSkinnedControl(TComponent* AOwner, int Kind, const char* ClassName, std::function<std::string()> StandardSection)
      : TBase(AOwner), FCommonData(this, Kind) {
    FCommonData.OwnerClassName = ClassName;
    FCommonData.StandardSection = std::move(StandardSection);
  }

  TData& SkinData() { return FCommonData; }
  const TData& SkinData() const { return FCommonData; }

  void Loaded() override {
    TBase::Loaded();
    FCommonData.Loaded();
  }

 protected:
  TData FCommonData;
};

// A StandardSection that is always Name.
inline std::function<std::string()> FixedSection(const char* Name) {
  return [Name] { return std::string(Name); };
}
