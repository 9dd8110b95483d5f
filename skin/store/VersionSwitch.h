// The command-line switch that makes the program show the skinning components' version
// before anything else. Portable.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::wstring_view VersionSwitch = L"/acver";
inline constexpr std::wstring_view VersionBoxText = L"Kestrane v12.08";

// The position of the first argument that is VersionSwitch, ignoring the case of its
// letters, or nothing. Arguments are the command-line parameters after the program's name.
std::optional<std::size_t> FindVersionSwitch(std::span<const std::wstring> Arguments);
