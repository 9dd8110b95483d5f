// Which entries of a form's system menu are shown and which can be chosen, from the form's
// border style, border icons, window state and kind. The rules are a pure function so that
// every combination can be checked without a window; the Win32 side gathers the inputs and
// applies the answer to a menu. Portable.
#pragma once

// The border styles the rules tell apart. The tool-window styles are listed even though our
// framework makes no tool windows, so the rules stay whole for any caller.
enum class TSysMenuBorder { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class TSysMenuWindowState { Normal, Minimized, Maximized };

struct TSysMenuForm {
  TSysMenuBorder BorderStyle = TSysMenuBorder::Sizeable;
  // The border icons biSystemMenu, biMinimize and biMaximize.
  bool SystemMenuIcon = true;
  bool MinimizeIcon = true;
  bool MaximizeIcon = true;
  TSysMenuWindowState WindowState = TSysMenuWindowState::Normal;
  bool IsMainForm = false;
  bool MainFormOnTaskBar = false;  // the application's setting; matters for the main form
  bool MdiChild = false;
  // What the window's own system menu says about Close. Without a menu handle the Close
  // entry follows biSystemMenu alone.
  bool HasSystemMenu = true;
  bool CloseEntry = true;
  bool CloseGreyed = false;
};

struct TSysMenuItems {
  bool VisibleRestore = false;
  bool VisibleSize = false;
  bool VisibleMin = false;
  bool VisibleMax = false;
  bool VisibleClose = false;
  // Move has no rule of its own for being shown: it is always there.
  bool EnabledRestore = false;
  bool EnabledMove = false;
  bool EnabledSize = false;
  bool EnabledMin = false;
  bool EnabledMax = false;
  bool EnabledClose = false;

  bool operator==(const TSysMenuItems&) const = default;
};

TSysMenuItems SystemMenuItems(const TSysMenuForm& Form);
