#include "framework/Dialogs.h"

#include <windows.h>

#include "framework/Application.h"

namespace {

void Box(const std::wstring& Text, const wchar_t* Caption, UINT Icon) {
  HWND Owner = GetActiveWindow();
  if (!Owner && Application) Owner = Application->Handle();
  MessageBoxW(Owner, Text.c_str(), Caption, MB_OK | Icon);
}

}  // namespace

void ShowMessage(const std::wstring& Text) { Box(Text, Application ? Application->Title().c_str() : L"", 0); }

void ErrorBox(const std::wstring& Text) { Box(Text, L"Error", MB_ICONERROR); }

void WarningBox(const std::wstring& Text) { Box(Text, L"Warning", MB_ICONWARNING); }
