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

// Small containers that cost a loader doing a linear search per lookup, or believing every
// declared size, far more than their size.
// S0 (COLOR=255, a border of the master) and S1 .. S(Sections-1), each naming the one
// before as PARENTCLASS.
TBytes ParentChainSkin(int Sections);
// A and B naming each other as PARENTCLASS, and S0 .. S(Sections-1) naming A.
TBytes ParentLoopSkin(int Sections);
// A Side x Side master of one colour (no key colour) and Borders borders over all of it, the
// corners of each (overlapping, nearly the whole picture) a pixel narrower than the one before.
TBytes KeyedBordersSkin(int Side, int Borders);
// Pictures I0.BMP .. and one section with a key naming each of them.
TBytes ManyPicturesSkin(int Pictures);
// Options.dat and Entries entries of EntryBytes zero bytes each, honestly declared.
TBytes BigEntriesSkin(int Entries, std::uint32_t EntryBytes);
