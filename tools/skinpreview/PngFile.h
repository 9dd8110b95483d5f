// Writing a 32-bit picture as an 8-bit RGBA PNG file (libpng).
#pragma once

#include <filesystem>

#include "skin/render/Bitmap32.h"

// Throws std::runtime_error when the file cannot be written.
void WritePngFile(const std::filesystem::path& Path, TConstBitmapView Picture);
