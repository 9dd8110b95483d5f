// Skin containers built in code for tests, fuzz seeds and the loading benchmark: no binary
// fixture is kept anywhere, every byte comes from here.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gfx/Bitmap32.h"
#include "skin/store/acSkinPackage.h"

TBytes EncodeJpeg(const TBitmap32& Pixels, int Quality);

// A picture with a different colour in every pixel (so that a wrong offset shows).
TBitmap32 PatternPicture(int Width, int Height, std::uint8_t Alpha);

// A container of the given files, Options.dat first.
TBytes PackSkin(const std::string& Options, const std::vector<std::pair<std::string, TBytes>>& Images);

// A container of the internal skin's shape: Options.dat describing every standard section,
// ButtonHuge.bmp, Master.bmp and seven PNG pictures (ten entries).
TBytes InternalShapedSkin();
