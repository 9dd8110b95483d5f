// TMemo: the multi-line system edit control, with no limit on its text (without one, Wine's
// multi-line edit stops at 30,000 characters). Wine's edit control gets very slow with long
// lines while it wraps them: text should come in lines, as command output does.
#pragma once

#include <string>
#include <string_view>

#include "framework/Edit.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* AOwner);

  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  // Long lines wrap at the right edge (no horizontal scrolling).
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  // Puts Text at the very end, exactly as given, and the caret after it, which scrolls the
  // newest text into view.
  void AppendText(std::wstring_view Text);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
};
