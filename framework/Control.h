// TControl: a visible component placed in a windowed parent. Every message meant for the
// control, window messages and the framework's CM_/CN_ messages alike, goes through
// WindowProc: first the control's message hooks (the one added last first), then the
// virtual WndProc. Code that wants to subclass a control adds a hook and passes messages
// on through its Next.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "framework/core/AlignLayout.h"
#include "framework/Component.h"
#include "framework/Cursors.h"
#include "framework/Font.h"
#include "framework/Message.h"
#include "framework/MessageHookChain.h"
#include "gfx/Set.h"
#include "gfx/Color.h"

class TWinControl;

enum class TControlStyleFlag {
  csClickEvents,  // a left click (down and up inside) calls Click
  csOpaque,       // the control paints every pixel of its bounds
};
using TControlStyle = TSet<TControlStyleFlag>;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  void WindowProc(TMessage& Message) { FMessageHooks.Deliver(Message); }
  // Hook sees the control's messages until the result goes (see TMessageHookChain).
  [[nodiscard]] TMessageHook AddMessageHook(TMessageHookChain::THook Hook) {
    return FMessageHooks.Add(std::move(Hook));
  }
  // Sends a message through WindowProc and returns its result.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* Value);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  // In the parent's client coordinates (a form's: in screen coordinates).
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetBoundsRect(const RECT& Rect) {
    SetBounds(Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
  }
  virtual RECT ClientRect() const;
  int ClientWidth() const;
  int ClientHeight() const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  // Changing the font (through any setter) ends ParentFont.
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }

  // Caption and Text are one property under two names.
  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& Value) { SetText(Value); }
  virtual std::wstring Text() const;
  virtual void SetText(const std::wstring& Value);
  const std::wstring& Hint() const { return FHint; }
  void SetHint(const std::wstring& Value) { FHint = Value; }

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  bool MouseInControl() const { return FMouseInControl; }

  virtual void Invalidate();
  // Fires OnClick.
  virtual void Click();

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
  void Loaded() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual void WndProc(TMessage& Message);
  // What happens to a message nobody handled: nothing for a non-windowed control; the
  // window's original procedure for a windowed one.
  virtual void DefaultHandler(TMessage& Message);
  // Stores new bounds without touching any window; asks the parent to re-align when needed.
  void UpdateBounds(int ALeft, int ATop, int AWidth, int AHeight);
  // Takes the parent's font / colour while ParentFont / ParentColor.
  void TakeParentFont();
  void TakeParentColor();
  void SetMouseInControl(bool Value) { FMouseInControl = Value; }
  // Text as stored by non-windowed controls (and by windowed ones without a window).
  std::wstring FText;

 private:
  friend class TWinControl;  // the parent keeps its children's links and states
  TMessageHookChain FMessageHooks;
  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = false;
  TFont FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  TCursor FCursor = crDefault;
  TCursor FDragCursor = crDefault;
  std::wstring FHint;
  TControlStyle FControlStyle;
  bool FMouseInControl = false;
  bool FClicking = false;

  void RequestAlign();
  void HandleClickMessages(const TMessage& Message);
};
