#include "framework/TextConversion.h"

std::wstring WideFrom(UINT CodePage, std::string_view Text) {
  if (Text.empty()) return {};
  const int Size = static_cast<int>(Text.size());
  const int Length = MultiByteToWideChar(CodePage, 0, Text.data(), Size, nullptr, 0);
  if (Length <= 0) return {};
  std::wstring Result(static_cast<std::size_t>(Length), L'\0');
  MultiByteToWideChar(CodePage, 0, Text.data(), Size, Result.data(), Length);
  return Result;
}

std::string Utf8FromWide(std::wstring_view Text) {
  if (Text.empty()) return {};
  const int Size = static_cast<int>(Text.size());
  const int Length = WideCharToMultiByte(CP_UTF8, 0, Text.data(), Size, nullptr, 0, nullptr, nullptr);
  if (Length <= 0) return {};
  std::string Result(static_cast<std::size_t>(Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Text.data(), Size, Result.data(), Length, nullptr, nullptr);
  return Result;
}
