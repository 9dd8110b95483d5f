// Window-system functions that older systems may lack, bound by name once at start, and the
// system facts the painters need (check-box image size, desktop composition). Win32.
#pragma once

#include <windows.h>

#include <optional>

// True when UpdateLayeredWindow was found: per-pixel-alpha layered windows can be used.
bool LayeredWindowsSupported();
// UpdateLayeredWindow and SetLayeredWindowAttributes; FALSE when absent.
BOOL CallUpdateLayeredWindow(HWND Window, HDC ScreenDC, POINT* Position, SIZE* Size, HDC SourceDC,
                             POINT* SourcePosition, COLORREF Key, BLENDFUNCTION* Blend, DWORD Flags);
BOOL CallSetLayeredWindowAttributes(HWND Window, COLORREF Key, BYTE Alpha, DWORD Flags);
// SetLayout does nothing and GetLayout answers 0 when absent.
void CallSetLayout(HDC DC, DWORD Layout);
DWORD CallGetLayout(HDC DC);

// GetScrollBarInfo of user32 (Windows 2000 and later); nullopt when the system lacks it,
// else whether the query succeeded and filled Info.
std::optional<bool> CallGetScrollBarInfo(HWND Window, LONG Object, SCROLLBARINFO& Info);

// One image of the system's check-box bitmap.
int SysCheckWidth();
int SysCheckHeight();

// System version 6 or later and DwmIsCompositionEnabled (dwmapi, bound on first use)
// reporting composition; asked once and kept.
bool DesktopCompositionEnabled();

// SetProcessDPIAware of user32, or null when the system lacks it (before Windows Vista):
// asks the system not to scale the program's windows.
using TSetProcessDPIAware = BOOL(WINAPI*)();
TSetProcessDPIAware BoundSetProcessDPIAware();

// Binds everything above; called once at start-up (later calls do nothing). The modules
// stay loaded until the program ends.
void BindSystemFunctions();
