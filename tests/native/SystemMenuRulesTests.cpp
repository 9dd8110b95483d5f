// Which system-menu entries a form shows and lets be chosen, for the border styles, border
// icons, window states and kinds of form the rules tell apart.
#include <gtest/gtest.h>

#include <string>

#include "skin/frame/SystemMenuRules.h"

namespace {

using B = TSysMenuBorder;
using W = TSysMenuWindowState;

// Shown entries as "RSNXC" (Restore, Size, Minimize, Maximize, Close), enabled ones as
// "RMSNXC" (with Move); a dot for an entry that is not.
std::string Shown(const TSysMenuItems& I) {
  return {I.VisibleRestore ? 'R' : '.', I.VisibleSize ? 'S' : '.', I.VisibleMin ? 'N' : '.',
          I.VisibleMax ? 'X' : '.', I.VisibleClose ? 'C' : '.'};
}

std::string Enabled(const TSysMenuItems& I) {
  return {I.EnabledRestore ? 'R' : '.', I.EnabledMove ? 'M' : '.', I.EnabledSize ? 'S' : '.',
          I.EnabledMin ? 'N' : '.',     I.EnabledMax ? 'X' : '.',  I.EnabledClose ? 'C' : '.'};
}

TSysMenuForm Form(B Style, bool Min, bool Max, W State = W::Normal) {
  TSysMenuForm F;
  F.BorderStyle = Style;
  F.MinimizeIcon = Min;
  F.MaximizeIcon = Max;
  F.WindowState = State;
  return F;
}

TSysMenuForm MainForm(W State = W::Normal, bool OnTaskBar = false) {
  TSysMenuForm F = Form(B::Single, false, false, State);
  F.IsMainForm = true;
  F.MainFormOnTaskBar = OnTaskBar;
  return F;
}

TSysMenuForm MdiChild(bool Min, bool Max) {
  TSysMenuForm F = Form(B::Dialog, Min, Max);
  F.MdiChild = true;
  return F;
}

TSysMenuForm Close(bool SystemMenuIcon, bool HasSystemMenu, bool Entry, bool Greyed) {
  TSysMenuForm F = Form(B::Sizeable, true, true);
  F.SystemMenuIcon = SystemMenuIcon;
  F.HasSystemMenu = HasSystemMenu;
  F.CloseEntry = Entry;
  F.CloseGreyed = Greyed;
  return F;
}

struct Case {
  const char* Name;
  TSysMenuForm Input;
  const char* Shown;
  const char* Enabled;
};

TEST(SystemMenuItems, FollowTheFormsStyleIconsAndState) {
  const Case Cases[] = {
      // The main window: Close is its only entry both shown and enabled; Restore and Size
      // are shown greyed, Move greyed too.
      {"main window", MainForm(), "RS..C", ".....C"},
      {"main window minimised", MainForm(W::Minimized), "RSNXC", "RM...C"},
      {"main window on the taskbar minimised", MainForm(W::Minimized, true), "RSN.C", "RM...C"},
      {"sizeable", Form(B::Sizeable, true, true), "RSNXC", ".MSNXC"},
      {"sizeable maximised", Form(B::Sizeable, true, true, W::Maximized), "RSNXC", "R.SNXC"},
      {"sizeable minimised", Form(B::Sizeable, true, true, W::Minimized), "RSNXC", "RM..XC"},
      {"single with both icons", Form(B::Single, true, true), "RSNXC", ".M.NXC"},
      {"single maximised without the icon", Form(B::Single, true, false, W::Maximized), "RSN.C", "...N.C"},
      {"dialog", Form(B::Dialog, true, true), "....C", ".MSN.C"},
      {"no border", Form(B::None, true, true), "....C", ".MSN.C"},
      {"tool window", Form(B::ToolWindow, true, true), "....C", ".MSN.C"},
      {"sizeable tool window", Form(B::SizeToolWin, true, true), ".S..C", ".MSN.C"},
      {"MDI child without icons", MdiChild(false, false), "RSNXC", ".MS..C"},
      {"MDI child with both icons", MdiChild(true, true), "RSNXC", ".MSNXC"},
  };
  for (const Case& C : Cases) {
    const TSysMenuItems Items = SystemMenuItems(C.Input);
    EXPECT_EQ(Shown(Items), C.Shown) << C.Name;
    EXPECT_EQ(Enabled(Items), C.Enabled) << C.Name;
  }
}

// Close is shown with biSystemMenu when the window's menu has the entry, and can be chosen
// unless the entry is greyed; a window without a menu handle goes by biSystemMenu alone.
TEST(SystemMenuItems, CloseFollowsTheIconAndTheWindowsOwnEntry) {
  const Case Cases[] = {
      {"entry there", Close(true, true, true, false), "RSNXC", ".MSNXC"},
      {"entry greyed", Close(true, true, true, true), "RSNXC", ".MSNX."},
      {"no entry", Close(true, true, false, false), "RSNX.", ".MSNX."},
      {"no system menu icon", Close(false, true, true, false), ".S...", ".MSNXC"},
      {"no menu handle, icon", Close(true, false, false, false), "RSNXC", ".MSNXC"},
      {"no menu handle, no icon", Close(false, false, false, false), ".S...", ".MSNX."},
  };
  for (const Case& C : Cases) {
    const TSysMenuItems Items = SystemMenuItems(C.Input);
    EXPECT_EQ(Shown(Items), C.Shown) << C.Name;
    EXPECT_EQ(Enabled(Items), C.Enabled) << C.Name;
  }
}

}  // namespace
