// TsButton: the command button. It owns its skin data (kind 93, section "BUTTON"). Its
// window is owner-drawn: while a skin is active the whole face (section, border, caption,
// focus dots, disabled look) is rendered into the cached picture for the button's state and
// copied to the screen; without one it paints as a classic push button. A release shows the
// pressed look for a moment before the button turns hot again.
#pragma once

#include <windows.h>

#include "framework/Button.h"
#include "framework/MessageHookChain.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/core/ButtonCaption.h"
#include "skin/render/DisabledLook.h"

class TCanvas;

class TsButton : public TsSkinnedControl<TButton> {
 public:
  explicit TsButton(TComponent* AOwner);

  // 0 normal, 1 hot, 2 pressed, 3 default.
  int CurrentState();
  // The skin state CurrentState paints with in a section of States states.
  static int StateIndex(int State, int States);
  // Renders the button for its state into its cached picture; false when its parent's
  // picture is not ready yet.
  bool PrepareCache();

  // A glyph is drawn with its mirrored reflection (the caption never is).
  bool Reflected = false;
  bool ShowFocus = true;
  bool Down = false;
  int FocusMargin = 1;
  int ContentMargin = 6;
  TsDisabledKind DisabledKind{dkBlended};

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void SetButtonStyle(bool ADefault) override;

 private:
  // The button is its form's active (default-looking) button.
  bool IsFocused = false;
  // A left press began on the button and has not been released.
  bool FMouseClicked = false;
  TMessageHook FSkinnedPainting;

  bool SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next);
  // A click on a see-through corner of the button's own border picture goes to the window
  // behind it.
  bool CornerLetsClickThrough(LPARAM ScreenPoint);
  void MouseDown(TMessage& Message, const TMessageHookChain::TNext& Next);
  void MouseUp(TMessage& Message, const TMessageHookChain::TNext& Next);
  struct TCaptionLayout {
    TCaptionText Text;  // views into the caption it was laid out for
    TRect Rect;
    int LineHeight = 0;
  };
  // Text (the caption, kept alive by the caller) broken into lines and placed for State.
  TCaptionLayout LayCaption(TCanvas& Canvas, const std::wstring& Text, int State);
  template <class TDrawLine>
  void ForEachCaptionLine(const TCaptionLayout& Layout, TDrawLine&& DrawLine);
  // The content moves one pixel right and down while pressed.
  bool ContentShifted(int State) const;
  void Paint(HDC DC);
  void CopyCache(HDC DC) const;
  void DrawCaption(TCanvas& Canvas, int State);
  // Without a skin: the system's push-button frame, the caption and the focus rectangle.
  void PaintUnskinned(HDC DC);
  // The new look shows now (the state changed).
  void Repaint();
};
