// The control adapter of a skinned form (TacCtrlAdapter): walks the form for controls that
// the skin engine's own classes do not skin and gives them the skin's look where the program
// can. Standard labels take the skin's label colour (their own is kept and given back when
// the skin goes); anything already skinned, excepted by its Tag or without a window yet is
// passed over. Other standard windowed controls have no skinned subclass in this program and
// are left as they are. Win32.
#pragma once

#include <vector>

#include "gfx/Color.h"

class TComponent;
class TControl;
class TCustomForm;
class TCustomLabel;
class TsSkinManager;

class TacCtrlAdapter {
 public:
  explicit TacCtrlAdapter(TCustomForm& Form) : FForm(Form) {}
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;

  // Walks the form (the components it owns, then its controls, into every windowed child
  // that has a window) when Manager's rules let third-party controls be skinned.
  void AddAllItems(const TsSkinManager& Manager);
  // Gives every adapted label its own colour back (the skin went).
  void RemoveAllItems();

  // The labels adapted so far.
  std::size_t AdaptedLabels() const { return SavedLabelColors.size(); }

 private:
  struct TSavedLabelColor {
    TColor Color;
    TCustomLabel* Control;
    bool ParentFont;
  };

  TCustomForm& FForm;
  std::vector<TSavedLabelColor> SavedLabelColors;

  void AddItem(TComponent* Component, const TsSkinManager& Manager);
  void AddChildren(TControl* Parent, const TsSkinManager& Manager);
  bool Adapted(const TCustomLabel* Label) const;
};
