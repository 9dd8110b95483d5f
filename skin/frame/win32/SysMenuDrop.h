// Dropping a form's system menu from the painted frame: the entries of the window's own
// system menu are enabled or greyed by the system-menu rules, the menu is tracked, and the
// chosen command goes to the window as WM_SYSCOMMAND. Preparing the menu and sending the
// choice are apart from the tracking, which waits for the user. Win32.
#pragma once

#include <windows.h>

#include "skin/frame/SystemMenuRules.h"

class TCustomForm;

// The rules' inputs for Form: its border style, border icons, window state, whether it is
// the application's main form, and what its window's system menu says about Close.
TSysMenuForm SysMenuFormOf(TCustomForm& Form);

// Enables or greys SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE and SC_CLOSE in
// Window's own system menu by Items. WS_VISIBLE is off meanwhile, so the changes repaint
// nothing. The menu, or null when the window has none.
HMENU PrepareSysMenu(HWND Window, const TSysMenuItems& Items);

// Posts Command to Window as WM_SYSCOMMAND; nothing for 0 (no choice).
void SendSysMenuChoice(HWND Window, UINT Command);

// Opens the system menu for Form at At (screen coordinates) and sends the command chosen.
// With SkinnedPopups (the skin manager's option) it is the popup of MakeSysMenuPopup, which
// shows only the entries the rules show; without, Window's own system menu prepared by
// PrepareSysMenu. Only for the active window. Returns when the menu has closed; the window
// may be gone by then.
void DropSysMenu(HWND Window, const TSysMenuForm& Form, POINT At, bool SkinnedPopups);
