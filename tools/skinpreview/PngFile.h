// Writing a 32-bit picture as an 8-bit RGBA PNG file.
#pragma once

#include <filesystem>

#include "gfx/Bitmap32.h"

// Throws std::runtime_error when the picture cannot be encoded or the file not written.
void WritePngFile(const std::filesystem::path& Path, const TBitmap32& Picture);
