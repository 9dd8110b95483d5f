// TWinControl: a control with its own window. The window is created on demand (Handle()),
// after its parent's, and its windowed children are created with it. One framework window
// procedure serves every window of the framework: it finds the control and passes EVERY
// message, from the first one sent during CreateWindowExW to WM_NCDESTROY, to WindowProc,
// also when the window goes with the control. The framework never writes a window's
// procedure, so a subclass someone else puts over it stays in place to the window's end.
//
// Controls over system classes (BUTTON, EDIT) register a superclass of them whose procedure is
// the framework's; unhandled messages go on to the system class's own procedure
// (DefaultHandler). Notifications a child sends to its parent (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_CTLCOLOR*) are reflected back to that child as CN_ messages.
//
// The parent also looks after its non-windowed children: it paints them after itself, in
// child order, each clipped to its bounds, and routes mouse messages and cursor requests to
// the one under the mouse.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Control.h"
#include "framework/Handles.h"

struct TCreateParams {
  std::wstring WinClassName;     // the framework's class to register
  std::wstring SystemClassName;  // system class to superclass ("BUTTON"); empty: our own class
  UINT ClassStyle = CS_DBLCLKS;
  HCURSOR ClassCursor = nullptr;
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  void HandleNeeded() { Handle(); }
  // Destroys and creates the window again; text, bounds and state carry over.
  void RecreateWnd();

  // Child controls in the order they were inserted (the painting order of graphic ones).
  const std::vector<TControl*>& Controls() const { return FControls; }
  // The child control whose window is Window (direct children only).
  TWinControl* FindChildControl(HWND Window) const;
  // The topmost visible, enabled non-windowed child at Point (client coordinates).
  TControl* GraphicControlAtPos(POINT Point) const;

  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  bool Focused() const;
  void SetFocus();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  RECT ClientRect() const override;
  void SetVisible(bool Value) override;
  void SetEnabled(bool Value) override;
  std::wstring Text() const override;
  void SetText(const std::wstring& Value) override;
  void Invalidate() override;

  // Positions aligned children inside the client area (AdjustClientRect).
  void Realign();
  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
  void Loaded() override;

  // The control a framework window belongs to; null for other windows.
  static TWinControl* FromHandle(HWND Window);

 protected:
  virtual void CreateParams(TCreateParams& Params);
  // Creates this control's window (not the children's).
  virtual void CreateWnd();
  // Destroys this control's window, keeping its text; the children's windows go first.
  virtual void DestroyWnd();
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  // The part of the client area that aligned children share.
  virtual void AdjustClientRect(RECT& Rect) const;
  // Paints the window itself into DC (own window classes); children are painted after it.
  virtual void PaintWindow(HDC DC);
  // Paints the visible non-windowed children into DC, which shows this control's client area.
  void PaintControls(HDC DC);

 private:
  friend class TControl;
  TUniqueWindow FHandle;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  int FLoadedTabOrder = -1;  // stored while loading, applied by the parent's Loaded
  int FAligning = 0;
  int FNextChildId = 100;
  TControl* FMouseControl = nullptr;    // the graphic child under the mouse
  TControl* FCaptureControl = nullptr;  // the graphic child that got the button down

  static LRESULT CALLBACK FrameworkWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void CreateHandle();
  void DestroyHandle();
  void RegisterWindowClass(const TCreateParams& Params);
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void UpdateTabOrder();
  void SyncBoundsFromWindow();
  bool RouteMouseToGraphicChild(TMessage& Message);
  void TrackMouse(TMessage& Message);
  void SetMouseControl(TControl* Control);
  bool ReflectNotification(TMessage& Message);
  bool HandleSetCursor(TMessage& Message);
  void PaintHandler(TMessage& Message);
  bool OwnWindowClass() const { return FDefWndProc == DefWindowProcW; }
};
