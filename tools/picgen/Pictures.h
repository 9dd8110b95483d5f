// The program's own pictures, drawn the same way on every run: the icon (one image per
// size), the vendor logo and the donate badge, on a transparent background, in the
// colours of the graphite skin.
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

// A graphite tile with a light-teal ping pulse, Size pixels square.
TBitmap32 DrawTile(int Size);
// A soft graphite badge with a heart and the word "DONATE".
TBitmap32 DrawDonate();

struct TPictureFile {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};

// quorvane.ico (all icon sizes), logo.bmp and donate.bmp, with their bytes.
std::vector<TPictureFile> GeneratePictures();
