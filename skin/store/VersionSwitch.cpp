#include "skin/store/VersionSwitch.h"

#include <algorithm>

namespace {

wchar_t LowerAscii(wchar_t C) { return C >= L'A' && C <= L'Z' ? static_cast<wchar_t>(C - L'A' + L'a') : C; }

// The switch is all ASCII, so comparing ASCII letters without case is comparing without
// case: no other character folds onto one of its letters.
bool IsVersionSwitch(std::wstring_view Argument) {
  return std::ranges::equal(Argument, VersionSwitch, [](wchar_t A, wchar_t B) { return LowerAscii(A) == B; });
}

}  // namespace

std::optional<std::size_t> FindVersionSwitch(std::span<const std::wstring> Arguments) {
  const auto Found = std::ranges::find_if(Arguments, [](const std::wstring& A) { return IsVersionSwitch(A); });
  if (Found == Arguments.end()) return std::nullopt;
  return static_cast<std::size_t>(Found - Arguments.begin());
}
