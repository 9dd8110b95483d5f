// The system menu as a popup of its own: the entries the rules show, enabled or greyed by
// them, with the window's own captions or the default ones.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/frame/win32/SysMenuDrop.h"
#include "skin/frame/win32/SysMenuPopup.h"

namespace {

// "shown" (enabled), "greyed" or "absent".
std::string EntryState(HMENU Menu, UINT Command) {
  const UINT State = GetMenuState(Menu, Command, MF_BYCOMMAND);
  if (State == static_cast<UINT>(-1)) return "absent";
  return (State & (MF_GRAYED | MF_DISABLED)) ? "greyed" : "shown";
}

std::wstring Text(HMENU Menu, UINT Command) {
  wchar_t Buffer[128] = {};
  GetMenuStringW(Menu, Command, Buffer, 128, MF_BYCOMMAND);
  return Buffer;
}

TEST(SysMenuPopup, TheMainWindowsMenuShowsRestoreMoveSizeAndCloseWithTheWindowsCaptions) {
  TApplication App;
  TForm* Form = App.CreateForm<TForm>();
  Form->SetBorderStyle(TFormBorderStyle::bsSingle);
  Form->SetBorderIcons({TBorderIcon::biSystemMenu});
  Form->HandleNeeded();
  const TUniqueMenu Popup = MakeSysMenuPopup(Form->Handle(), SystemMenuItems(SysMenuFormOf(*Form)));
  ASSERT_TRUE(Popup);
  EXPECT_EQ(EntryState(Popup.Get(), SC_RESTORE), "greyed");
  EXPECT_EQ(EntryState(Popup.Get(), SC_MOVE), "greyed");
  EXPECT_EQ(EntryState(Popup.Get(), SC_SIZE), "greyed");
  EXPECT_EQ(EntryState(Popup.Get(), SC_MINIMIZE), "absent");
  EXPECT_EQ(EntryState(Popup.Get(), SC_MAXIMIZE), "absent");
  EXPECT_EQ(EntryState(Popup.Get(), SC_CLOSE), "shown");
  const HMENU Own = GetSystemMenu(Form->Handle(), FALSE);
  ASSERT_NE(Own, nullptr);
  EXPECT_FALSE(Text(Own, SC_CLOSE).empty());
  EXPECT_EQ(Text(Popup.Get(), SC_CLOSE), Text(Own, SC_CLOSE));
  EXPECT_EQ(Text(Popup.Get(), SC_MOVE), Text(Own, SC_MOVE));
  // Restore, Move, Size, a divider, Close; then, after a divider, what else the window's
  // menu holds (Wine adds an entry of its own), as it is there.
  int Further = 0;
  for (int Index = 0; Index < GetMenuItemCount(Own); ++Index) {
    const UINT Command = GetMenuItemID(Own, Index);
    if (Command == 0 || Command == static_cast<UINT>(-1) || Command == SC_RESTORE || Command == SC_MOVE ||
        Command == SC_SIZE || Command == SC_MINIMIZE || Command == SC_MAXIMIZE || Command == SC_CLOSE)
      continue;
    ++Further;
    EXPECT_EQ(Text(Popup.Get(), Command), Text(Own, Command));
  }
  EXPECT_EQ(GetMenuItemCount(Popup.Get()), 5 + (Further > 0 ? 1 + Further : 0));
}

TEST(SysMenuPopup, WithoutAWindowMenuTheEntriesHaveTheDefaultCaptions) {
  TSysMenuItems All;
  All.VisibleRestore = All.VisibleSize = All.VisibleMin = All.VisibleMax = All.VisibleClose = true;
  const TUniqueMenu Popup = MakeSysMenuPopup(nullptr, All);
  ASSERT_TRUE(Popup);
  EXPECT_EQ(Text(Popup.Get(), SC_RESTORE), L"Restore");
  EXPECT_EQ(Text(Popup.Get(), SC_MOVE), L"Move");
  EXPECT_EQ(Text(Popup.Get(), SC_SIZE), L"Size");
  EXPECT_EQ(Text(Popup.Get(), SC_MINIMIZE), L"Minimize");
  EXPECT_EQ(Text(Popup.Get(), SC_MAXIMIZE), L"Maximize");
  EXPECT_EQ(Text(Popup.Get(), SC_CLOSE), L"Close");
  // Nothing enabled: every entry greyed.
  for (const UINT Command : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
    EXPECT_EQ(EntryState(Popup.Get(), Command), "greyed") << Command;
}

}  // namespace
