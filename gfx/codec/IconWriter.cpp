#include "gfx/codec/IconWriter.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "gfx/codec/LittleEndian.h"

namespace {

constexpr std::uint32_t DirectoryHeaderSize = 6;
constexpr std::uint32_t DirectoryEntrySize = 16;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr int MaxIconSide = 256;

std::uint32_t MaskRowBytes(int Width) { return static_cast<std::uint32_t>((Width + 31) / 32 * 4); }

std::uint32_t ImageBytes(const TConstBitmapView& Image) {
  const auto Height = static_cast<std::uint32_t>(Image.Height);
  return InfoHeaderSize + static_cast<std::uint32_t>(Image.Width) * 4 * Height +
         MaskRowBytes(Image.Width) * Height;
}

void PutImage(std::vector<std::uint8_t>& Out, const TConstBitmapView& Image) {
  PutU32(Out, InfoHeaderSize);
  PutU32(Out, static_cast<std::uint32_t>(Image.Width));
  PutU32(Out, static_cast<std::uint32_t>(Image.Height) * 2);  // colour rows, then mask rows
  PutU16(Out, 1);                                             // planes
  PutU16(Out, 32);
  PutU32(Out, 0);  // BI_RGB
  PutU32(Out, ImageBytes(Image) - InfoHeaderSize);
  PutU32(Out, 0);
  PutU32(Out, 0);
  PutU32(Out, 0);
  PutU32(Out, 0);

  for (int Y = Image.Height - 1; Y >= 0; --Y) {
    const auto* Row = reinterpret_cast<const std::uint8_t*>(Image.Row(Y));
    Out.insert(Out.end(), Row, Row + static_cast<std::size_t>(Image.Width) * 4);
  }
  std::vector<std::uint8_t> MaskRow(MaskRowBytes(Image.Width));
  for (int Y = Image.Height - 1; Y >= 0; --Y) {
    std::fill(MaskRow.begin(), MaskRow.end(), std::uint8_t{0});
    const TPixel32* Row = Image.Row(Y);
    for (int X = 0; X < Image.Width; ++X)
      if (PixelAlpha(Row[X]) == 0)
        MaskRow[static_cast<std::size_t>(X / 8)] |= static_cast<std::uint8_t>(0x80 >> (X % 8));
    Out.insert(Out.end(), MaskRow.begin(), MaskRow.end());
  }
}

}  // namespace

std::vector<std::uint8_t> WriteIco(std::span<const TConstBitmapView> Images) {
  if (Images.empty() || Images.size() > 0xFFFF)
    throw std::invalid_argument("an icon holds 1 to 65535 images");
  for (const TConstBitmapView& Image : Images)
    if (Image.Width < 1 || Image.Height < 1 || Image.Width > MaxIconSide || Image.Height > MaxIconSide)
      throw std::invalid_argument("icon image of " + std::to_string(Image.Width) + " x " +
                                  std::to_string(Image.Height) + " pixels: each side must be 1 to 256");

  std::vector<std::uint8_t> Out;
  PutU16(Out, 0);  // reserved
  PutU16(Out, 1);  // type: icon
  PutU16(Out, static_cast<std::uint32_t>(Images.size()));
  std::uint32_t Offset = DirectoryHeaderSize + DirectoryEntrySize * static_cast<std::uint32_t>(Images.size());
  for (const TConstBitmapView& Image : Images) {
    // A side of 256 is stored as 0.
    Out.push_back(static_cast<std::uint8_t>(Image.Width % MaxIconSide));
    Out.push_back(static_cast<std::uint8_t>(Image.Height % MaxIconSide));
    Out.push_back(0);  // no palette
    Out.push_back(0);  // reserved
    PutU16(Out, 1);    // planes
    PutU16(Out, 32);   // bits per pixel
    PutU32(Out, ImageBytes(Image));
    PutU32(Out, Offset);
    Offset += ImageBytes(Image);
  }
  for (const TConstBitmapView& Image : Images) PutImage(Out, Image);
  return Out;
}
