// The form's system menu as a popup menu of its own (what the skinned-menu support would
// show): only the entries the rules show, each enabled or greyed by them, with the captions
// and shortcut texts of the window's own system menu, followed by the window menu's further
// entries. Choosing an entry answers its system command. Win32.
#pragma once

#include <windows.h>

#include "framework/Handles.h"
#include "skin/frame/SystemMenuRules.h"

// Captions for an entry the window's own system menu lacks.
inline constexpr const wchar_t* SysMenuDefaultCaptions[] = {L"Restore",  L"Move",     L"Size",
                                                            L"Minimize", L"Maximize", L"Close"};

// The popup for Window by Items; empty when no menu can be made.
TUniqueMenu MakeSysMenuPopup(HWND Window, const TSysMenuItems& Items);
