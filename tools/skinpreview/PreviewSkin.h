// Loading the skin the preview shows: a skin container (.asz) or a skin folder.
#pragma once

#include <filesystem>

#include "skin/store/sSkinStore.h"

// A folder is read as a container holding its files (sub-folders are skipped), so that its
// file names match without regard to case, as they do on Windows. Throws
// std::runtime_error with a message for the user when there is no skin at Path; what the
// loader itself throws passes through.
void LoadPreviewSkin(const std::filesystem::path& Path, TsSkinStore& Store);
