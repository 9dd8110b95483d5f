#include "skin/frame/win32/SysMenuDrop.h"

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "skin/frame/win32/SysMenuPopup.h"

namespace {

TSysMenuBorder RuleBorder(TFormBorderStyle Style) {
  switch (Style) {
    case TFormBorderStyle::bsNone:
      return TSysMenuBorder::None;
    case TFormBorderStyle::bsSingle:
      return TSysMenuBorder::Single;
    case TFormBorderStyle::bsDialog:
      return TSysMenuBorder::Dialog;
    case TFormBorderStyle::bsSizeable:
      break;
  }
  return TSysMenuBorder::Sizeable;
}

// Takes WS_VISIBLE off a window for its own lifetime, so that what changes meanwhile is not
// painted; puts it back only if it was there.
class THiddenWhile {
 public:
  explicit THiddenWhile(HWND Window)
      : FWindow(Window), FWasVisible((GetWindowLongPtrW(Window, GWL_STYLE) & WS_VISIBLE) != 0) {
    if (FWasVisible)
      SetWindowLongPtrW(FWindow, GWL_STYLE, GetWindowLongPtrW(FWindow, GWL_STYLE) & ~WS_VISIBLE);
  }
  THiddenWhile(const THiddenWhile&) = delete;
  THiddenWhile& operator=(const THiddenWhile&) = delete;
  ~THiddenWhile() {
    if (FWasVisible && IsWindow(FWindow))
      SetWindowLongPtrW(FWindow, GWL_STYLE, GetWindowLongPtrW(FWindow, GWL_STYLE) | WS_VISIBLE);
  }

 private:
  HWND FWindow;
  bool FWasVisible;
};

void EnableEntry(HMENU Menu, UINT Command, bool Enabled) {
  EnableMenuItem(Menu, Command, MF_BYCOMMAND | (Enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

TSysMenuForm SysMenuFormOf(TCustomForm& Form) {
  TSysMenuForm Result;
  Result.BorderStyle = RuleBorder(Form.BorderStyle());
  const TBorderIcons Icons = Form.BorderIcons();
  Result.SystemMenuIcon = Icons.Contains(TBorderIcon::biSystemMenu);
  Result.MinimizeIcon = Icons.Contains(TBorderIcon::biMinimize);
  Result.MaximizeIcon = Icons.Contains(TBorderIcon::biMaximize);
  Result.IsMainForm = Application && Application->MainForm() == &Form;
  Result.MainFormOnTaskBar = Application && Application->MainFormOnTaskBar;
  if (!Form.HandleAllocated()) {
    Result.HasSystemMenu = false;
    return Result;
  }
  const HWND Window = Form.Handle();
  if (IsIconic(Window))
    Result.WindowState = TSysMenuWindowState::Minimized;
  else if (IsZoomed(Window))
    Result.WindowState = TSysMenuWindowState::Maximized;
  Result.MdiChild = (GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  const HMENU Menu = GetSystemMenu(Window, FALSE);
  Result.HasSystemMenu = Menu != nullptr;
  if (Menu) {
    const UINT State = GetMenuState(Menu, SC_CLOSE, MF_BYCOMMAND);
    Result.CloseEntry = State != static_cast<UINT>(-1);
    Result.CloseGreyed = Result.CloseEntry && (State & (MF_GRAYED | MF_DISABLED)) != 0;
  }
  return Result;
}

HMENU PrepareSysMenu(HWND Window, const TSysMenuItems& Items) {
  const HMENU Menu = GetSystemMenu(Window, FALSE);
  if (!Menu) return nullptr;
  const THiddenWhile Hidden(Window);
  EnableEntry(Menu, SC_RESTORE, Items.EnabledRestore);
  EnableEntry(Menu, SC_MOVE, Items.EnabledMove);
  EnableEntry(Menu, SC_SIZE, Items.EnabledSize);
  EnableEntry(Menu, SC_MINIMIZE, Items.EnabledMin);
  EnableEntry(Menu, SC_MAXIMIZE, Items.EnabledMax);
  EnableEntry(Menu, SC_CLOSE, Items.EnabledClose);
  return Menu;
}

void SendSysMenuChoice(HWND Window, UINT Command) {
  if (Command != 0) PostMessageW(Window, WM_SYSCOMMAND, Command, 0);
}

void DropSysMenu(HWND Window, const TSysMenuForm& Form, POINT At, bool SkinnedPopups) {
  if (!Window || GetActiveWindow() != Window) return;
  const TSysMenuItems Items = SystemMenuItems(Form);
  TUniqueMenu Popup;
  if (SkinnedPopups) Popup = MakeSysMenuPopup(Window, Items);
  const HMENU Menu = SkinnedPopups ? Popup.Get() : PrepareSysMenu(Window, Items);
  if (!Menu) return;
  const auto Command = static_cast<UINT>(
      TrackPopupMenu(Menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, At.x, At.y, 0, Window, nullptr));
  if (IsWindow(Window)) SendSysMenuChoice(Window, Command);
}
