// Where a skin's files are: the rules that turn SkinDirectory and SkinName into paths, and
// the list of available skins, and reading a skin's file. Paths are Windows paths with "\" as written by the user.
// Portable (the skin list reads the folder through std::filesystem).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "skin/store/sStoredSkins.h"

// "" stays "", a final "\" stays, a final "/" becomes "\", "C" becomes "C:\", else "\" is
// appended.
std::wstring WithTrailingSlash(const std::wstring& Path);

// SkinDirectory resolved against AppDirectory (the program's folder with its trailing
// "\"): "..", ".\" or "./", ".", and names without ":" or "\\" are relative to it; anything
// else is used unchanged. No separator is appended.
std::wstring GetFullSkinDirectory(const std::wstring& SkinDirectory, const std::wstring& AppDirectory);

// A name longer than 4 characters ending in ".asz" (any case) loses that suffix.
std::wstring StripAszSuffix(const std::wstring& SkinName);

// The container file that would hold SkinName.
std::wstring PackedSkinPath(const std::wstring& SkinDirectory, const std::wstring& SkinName);

// The internal skins' names, then the names (extension removed) of the files in Directory
// whose extension is exactly ".asz"; folders are not listed. A missing folder lists none.
std::vector<std::wstring> ListSkins(const TsStoredSkins& Internal, const std::filesystem::path& Directory);

// The whole of a skin's file; none when it is missing or cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& Path);
