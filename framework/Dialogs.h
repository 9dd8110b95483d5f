// Message boxes with an OK button, owned by the active window of this thread (the active
// form) or, when there is none, by the application window.
#pragma once

#include <string>

void ShowMessage(const std::wstring& Text);
void ErrorBox(const std::wstring& Text);
void WarningBox(const std::wstring& Text);
