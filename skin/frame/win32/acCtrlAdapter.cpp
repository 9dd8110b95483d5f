#include "skin/frame/win32/acCtrlAdapter.h"

#include <algorithm>
#include <typeinfo>

#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/PrivateMessages.h"
#include "skin/frame/win32/acProvider.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

bool Excepted(const TComponent& Component) { return (Component.Tag() & ExceptTag) != 0; }

// Skinned already: a window carrying the skin's properties, or a control that says so.
bool SkinnedControl(TControl* Control) {
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control))
    return Windowed->HandleAllocated() && IsSkinnedWindow(Windowed->Handle());
  return SendSkinCommandTo(Control, SKC_QUERY_SKINNED, 0) != 0;
}

// Control is Parent or one of the controls inside it.
bool Holds(const TControl* Parent, const TControl* Control) {
  if (Parent == Control) return true;
  const auto* Container = dynamic_cast<const TWinControl*>(Parent);
  if (!Container) return false;
  return std::any_of(Container->Controls().begin(), Container->Controls().end(),
                     [Control](const TControl* Child) { return Holds(Child, Control); });
}

}  // namespace

void TacCtrlAdapter::AddAllItems(const TsSkinManager& Manager) {
  if (!Manager.SkinningRules.Contains(TacSkinningRule::srThirdParty)) return;
  for (TComponent* Component : std::vector<TComponent*>(FForm.Components())) AddItem(Component, Manager);
  AddChildren(&FForm, Manager);
}

void TacCtrlAdapter::AddChildren(TControl* Parent, const TsSkinManager& Manager) {
  auto* Container = dynamic_cast<TWinControl*>(Parent);
  if (!Container || !Container->HandleAllocated()) return;
  for (TControl* Child : std::vector<TControl*>(Container->Controls())) {
    AddItem(Child, Manager);
    AddChildren(Child, Manager);
  }
}

void TacCtrlAdapter::AddItem(TComponent* Component, const TsSkinManager& Manager) {
  auto* Control = dynamic_cast<TControl*>(Component);
  if (!Control || Excepted(*Control) || Control->Destroying()) return;
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control); Windowed && !Windowed->HandleAllocated()) return;
  if (SkinnedControl(Control)) return;
  // The framework's own label, not one of the engine's labels built on it.
  auto* Label = dynamic_cast<TCustomLabel*>(Control);
  if (!Label || typeid(*Label) != typeid(TLabel) || Adapted(Label)) return;
  SavedLabelColors.push_back({Label->Font().Color(), Label, Label->ParentFont()});
  if (Manager.LabelsOptions.TransparentAlways) Label->SetTransparent(true);
  Label->Font().SetColor(Manager.Store().GetGlobalFontColor());
}

bool TacCtrlAdapter::Adapted(const TCustomLabel* Label) const {
  return std::any_of(SavedLabelColors.begin(), SavedLabelColors.end(),
                     [Label](const TSavedLabelColor& Saved) { return Saved.Control == Label; });
}

void TacCtrlAdapter::RemoveAllItems() {
  for (const TSavedLabelColor& Saved : SavedLabelColors) {
    // A label freed meanwhile is no longer on the form.
    if (!Holds(&FForm, Saved.Control) || Saved.Control->Destroying()) continue;
    // The parent's font first: it brings the colour the label had, unless its own differed.
    if (Saved.ParentFont) Saved.Control->SetParentFont(true);
    if (Saved.Control->Font().Color() != Saved.Color) Saved.Control->Font().SetColor(Saved.Color);
  }
  SavedLabelColors.clear();
}
