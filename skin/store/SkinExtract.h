// Writing an internal skin's container to disk as an .asz file, byte for byte. Each returns
// the text the manager shows in its error box, or nothing on success.
// Paths are Windows paths; where "\" is not the system's separator it is read as "/".
// Portable.
#pragma once

#include <optional>
#include <string>

#include "skin/store/sStoredSkins.h"

// Item Index into DestDir (created when missing) as "<Name> extracted.asz".
std::optional<std::wstring> ExtractByIndex(const TsStoredSkins& Skins, int Index, const std::wstring& DestDir);

// Every item named NameOfSkin (exactly) into DestDir, which must exist.
std::optional<std::wstring> ExtractInternalSkin(const TsStoredSkins& Skins, const std::wstring& NameOfSkin,
                                                const std::wstring& DestDir);
