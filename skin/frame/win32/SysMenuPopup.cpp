#include "skin/frame/win32/SysMenuPopup.h"

#include <array>
#include <string>

namespace {

struct TEntry {
  UINT Command;
  bool Visible;
  bool Enabled;
};

// The window's own text for Command ("Close\tAlt+F4": caption, then shortcut), or Default.
std::wstring EntryText(HMENU SystemMenu, UINT Command, const wchar_t* Default) {
  if (!SystemMenu) return Default;
  const int Length = GetMenuStringW(SystemMenu, Command, nullptr, 0, MF_BYCOMMAND);
  if (Length <= 0) return Default;
  std::wstring Text(static_cast<std::size_t>(Length) + 1, L'\0');
  Text.resize(
      static_cast<std::size_t>(GetMenuStringW(SystemMenu, Command, Text.data(), Length + 1, MF_BYCOMMAND)));
  return Text.empty() ? std::wstring(Default) : Text;
}

bool IsRuledCommand(UINT Command) {
  for (const UINT Ruled : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
    if (Command == Ruled) return true;
  return false;
}

// The window menu's entries beyond the six, as they are there (text, state, command).
void AppendFurtherEntries(HMENU Popup, HMENU SystemMenu) {
  const int Count = SystemMenu ? GetMenuItemCount(SystemMenu) : 0;
  bool First = true;
  for (int Index = 0; Index < Count; ++Index) {
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(SystemMenu, static_cast<UINT>(Index), TRUE, &Info)) continue;
    if ((Info.fType & MFT_SEPARATOR) || Info.hSubMenu || IsRuledCommand(Info.wID) || Info.wID == 0) continue;
    if (First) AppendMenuW(Popup, MF_SEPARATOR, 0, nullptr);
    First = false;
    const std::wstring Text = EntryText(SystemMenu, Info.wID, L"");
    AppendMenuW(Popup, MF_STRING | ((Info.fState & MFS_GRAYED) ? MF_GRAYED : 0), Info.wID, Text.c_str());
  }
}

}  // namespace

TUniqueMenu MakeSysMenuPopup(HWND Window, const TSysMenuItems& Items) {
  TUniqueMenu Popup(CreatePopupMenu());
  if (!Popup) return Popup;
  const HMENU SystemMenu = Window ? GetSystemMenu(Window, FALSE) : nullptr;
  const std::array<TEntry, 6> Entries{{{SC_RESTORE, Items.VisibleRestore, Items.EnabledRestore},
                                       {SC_MOVE, true, Items.EnabledMove},
                                       {SC_SIZE, Items.VisibleSize, Items.EnabledSize},
                                       {SC_MINIMIZE, Items.VisibleMin, Items.EnabledMin},
                                       {SC_MAXIMIZE, Items.VisibleMax, Items.EnabledMax},
                                       {SC_CLOSE, Items.VisibleClose, Items.EnabledClose}}};
  for (std::size_t I = 0; I < Entries.size(); ++I) {
    const TEntry& Entry = Entries[I];
    if (!Entry.Visible) continue;
    // Close stands apart from the window entries, as in the system's own menu.
    if (Entry.Command == SC_CLOSE && GetMenuItemCount(Popup.Get()) > 0)
      AppendMenuW(Popup.Get(), MF_SEPARATOR, 0, nullptr);
    const std::wstring Text = EntryText(SystemMenu, Entry.Command, SysMenuDefaultCaptions[I]);
    AppendMenuW(Popup.Get(), MF_STRING | (Entry.Enabled ? MF_ENABLED : MF_GRAYED), Entry.Command,
                Text.c_str());
  }
  AppendFurtherEntries(Popup.Get(), SystemMenu);
  return Popup;
}
