// TButton: the system push button. Its click arrives as the reflected BN_CLICKED.
#pragma once

#include "framework/WinControl.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  // Enter in the form clicks the default button, which has the default look.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  // Esc in the form clicks the cancel button.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  // The caption wraps onto several lines (BS_MULTILINE).
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // Gives the window the default look or takes it away.
  virtual void SetButtonStyle(bool ADefault);

 private:
  bool FDefault = false;
  bool FCancel = false;
  bool FWordWrap = false;
};
