// Text between the system's UTF-16 and the 8-bit encodings the program meets: UTF-8 (our own
// texts, error messages) and the ANSI code page (texts other programs send).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Text in CodePage (CP_UTF8, CP_ACP) to UTF-16.
std::wstring WideFrom(UINT CodePage, std::string_view Text);
inline std::wstring WideFromUtf8(std::string_view Text) { return WideFrom(CP_UTF8, Text); }
std::string Utf8FromWide(std::wstring_view Text);
