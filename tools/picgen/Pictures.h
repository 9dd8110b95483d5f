// The program's own pictures, drawn the same way on every run: the icon (one image per
// size), the vendor logo and the donate badge, on a transparent background, in the
// colours of the graphite skin; and the form-shadow templates.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Bitmap32.h"

constexpr std::array<int, 5> IconSizes{16, 32, 48, 64, 128};
constexpr int LogoSize = 60;
constexpr int DonateWidth = 225;
constexpr int DonateHeight = 125;
// The shadow templates are cut into nine pieces with 16-pixel corners; the form covers
// all but the outer 9 pixels.
constexpr int ShadowTemplateSize = 33;
constexpr int ShadowTemplateMargin = 9;

// A graphite tile with a light-teal ping pulse, Size pixels square.
TBitmap32 DrawTile(int Size);
// A soft graphite badge with a heart and the word "DONATE".
TBitmap32 DrawDonate();
// A soft black shadow around a rounded square the size of the template less its margin,
// fading out to nothing at the template's edges; the inactive one is fainter.
TBitmap32 DrawFormShadow(bool Active);

struct TPictureFile {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};

// quorvane.ico (all icon sizes), logo.bmp, donate.bmp, and the shadow templates
// acSHDA.png (active) and acSHDI.png (inactive), with their bytes.
std::vector<TPictureFile> GeneratePictures();
