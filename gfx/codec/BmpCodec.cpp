// Sections: byte access, header reading, palette, row decoders, ReadBmp, WriteBmp32.
#include "gfx/codec/BmpCodec.h"

#include <cstring>
#include <string>

#include "gfx/codec/LittleEndian.h"

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;  // OS/2 1.x: 16-bit sizes, no compression
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t V2HeaderSize = 52;  // adds the colour masks
constexpr std::uint32_t V3HeaderSize = 56;  // adds the alpha mask
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;
constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;
constexpr std::uint32_t RedMask = 0x00FF0000;
constexpr std::uint32_t GreenMask = 0x0000FF00;
constexpr std::uint32_t BlueMask = 0x000000FF;
constexpr std::uint32_t AlphaMask = 0xFF000000;

[[noreturn]] void Fail(const std::string& What, std::size_t Offset) {
  throw EBmpError("bitmap file: " + What + " (at byte " + std::to_string(Offset) + ")");
}

// Little-endian reads that refuse to step outside the file.
class TByteReader {
 public:
  explicit TByteReader(std::span<const std::uint8_t> Bytes) : FBytes(Bytes) {}

  std::size_t Size() const { return FBytes.size(); }

  void Require(std::size_t Offset, std::size_t Count, const char* What) const {
    if (Offset > FBytes.size() || Count > FBytes.size() - Offset)
      Fail(std::string("truncated ") + What, Offset);
  }
  std::uint16_t U16(std::size_t Offset, const char* What) const {
    Require(Offset, 2, What);
    return static_cast<std::uint16_t>(FBytes[Offset] | FBytes[Offset + 1] << 8);
  }
  std::uint32_t U32(std::size_t Offset, const char* What) const {
    Require(Offset, 4, What);
    return std::uint32_t{FBytes[Offset]} | std::uint32_t{FBytes[Offset + 1]} << 8 |
           std::uint32_t{FBytes[Offset + 2]} << 16 | std::uint32_t{FBytes[Offset + 3]} << 24;
  }
  std::int32_t I32(std::size_t Offset, const char* What) const {
    return static_cast<std::int32_t>(U32(Offset, What));
  }
  const std::uint8_t* At(std::size_t Offset) const { return FBytes.data() + Offset; }

 private:
  std::span<const std::uint8_t> FBytes;
};

// What the headers say, checked against each other and the file's length.
struct TBmpHeader {
  int Width = 0;
  int Height = 0;  // always positive; TopDown says the order of the rows
  bool TopDown = false;
  int BitCount = 0;
  std::uint32_t Compression = BiRgb;
  std::size_t HeadersEnd = 0;   // first byte after the info header and any separate masks
  std::size_t PixelOffset = 0;  // first byte of the first row in the file
  std::size_t RowBytes = 0;     // one row in the file, padded to 4 bytes
  std::size_t PaletteOffset = 0;  // 1, 4 and 8 bits: the colour table
  std::size_t PaletteEntrySize = 4;  // 3 (blue, green, red) after a core header
  std::uint32_t PaletteSize = 0;
};

void CheckMasks(const TByteReader& Reader, std::size_t MasksOffset, bool HasAlphaMask) {
  const std::uint32_t R = Reader.U32(MasksOffset, "channel masks");
  const std::uint32_t G = Reader.U32(MasksOffset + 4, "channel masks");
  const std::uint32_t B = Reader.U32(MasksOffset + 8, "channel masks");
  const std::uint32_t A = HasAlphaMask ? Reader.U32(MasksOffset + 12, "channel masks") : 0;
  // Only the standard byte layout; the fourth byte is alpha whether or not a mask names it.
  if (R != RedMask || G != GreenMask || B != BlueMask || (A != 0 && A != AlphaMask))
    Fail("unsupported channel masks", MasksOffset);
}

TBmpHeader ReadHeader(const TByteReader& Reader) {
  Reader.Require(0, FileHeaderSize, "file header");
  if (Reader.At(0)[0] != 'B' || Reader.At(0)[1] != 'M') Fail("no BM signature", 0);
  const std::uint32_t PixelOffset = Reader.U32(10, "file header");

  const std::uint32_t InfoSize = Reader.U32(FileHeaderSize, "info header");
  if (InfoSize != CoreHeaderSize && InfoSize != InfoHeaderSize && InfoSize != V2HeaderSize &&
      InfoSize != V3HeaderSize && InfoSize != V4HeaderSize && InfoSize != V5HeaderSize)
    Fail("unsupported info header size " + std::to_string(InfoSize), FileHeaderSize);
  Reader.Require(FileHeaderSize, InfoSize, "info header");

  TBmpHeader Header;
  std::int64_t Width = 0;
  std::int64_t Height = 0;
  const std::size_t At = FileHeaderSize + 4;
  if (InfoSize == CoreHeaderSize) {
    Width = Reader.U16(At, "info header");
    Height = Reader.U16(At + 2, "info header");
    Header.BitCount = Reader.U16(At + 6, "info header");
  } else {
    Width = Reader.I32(At, "info header");
    Height = Reader.I32(At + 4, "info header");
    Header.BitCount = Reader.U16(At + 10, "info header");
    Header.Compression = Reader.U32(At + 12, "info header");
  }
  if (Width <= 0) Fail("width " + std::to_string(Width) + " is not positive", At);
  if (Height == 0) Fail("height is zero", At);
  Header.TopDown = Height < 0;
  if (Height < 0) Height = -Height;
  if (!IsValidBitmapSize(Width, Height))
    Fail("size " + std::to_string(Width) + " x " + std::to_string(Height) + " is too large", At);
  Header.Width = static_cast<int>(Width);
  Header.Height = static_cast<int>(Height);

  const std::size_t BitCountAt = At + (InfoSize == CoreHeaderSize ? 6 : 10);
  const std::size_t CompressionAt = At + 12;
  Header.HeadersEnd = FileHeaderSize + InfoSize;
  switch (Header.BitCount) {
    case 1:
    case 4:
    case 8: {
      if (Header.Compression != BiRgb)
        Fail("unsupported compression " + std::to_string(Header.Compression) + " for " +
                 std::to_string(Header.BitCount) + "-bit pixels",
             CompressionAt);
      // The colour table follows the info header: "colours used" entries, 0 meaning all.
      const std::uint32_t MaxColors = 1u << Header.BitCount;
      const std::uint32_t ColorsUsed = InfoSize >= InfoHeaderSize ? Reader.U32(At + 28, "info header") : 0;
      if (ColorsUsed > MaxColors)
        Fail("colour table of " + std::to_string(ColorsUsed) + " entries for " + std::to_string(Header.BitCount) +
                 "-bit pixels",
             At + 28);
      Header.PaletteSize = ColorsUsed == 0 ? MaxColors : ColorsUsed;
      Header.PaletteEntrySize = InfoSize == CoreHeaderSize ? 3 : 4;
      Header.PaletteOffset = Header.HeadersEnd;
      Reader.Require(Header.PaletteOffset, Header.PaletteSize * Header.PaletteEntrySize, "colour table");
      Header.HeadersEnd += Header.PaletteSize * Header.PaletteEntrySize;
      break;
    }
    case 24:
      if (Header.Compression != BiRgb)
        Fail("unsupported compression " + std::to_string(Header.Compression) + " for 24-bit pixels",
             CompressionAt);
      break;
    case 32:
      if (Header.Compression == BiBitfields) {
        // A plain info header is followed by three masks; larger headers hold them inside.
        const std::size_t MasksAt = FileHeaderSize + InfoHeaderSize;
        if (InfoSize == InfoHeaderSize) Header.HeadersEnd += 12;
        CheckMasks(Reader, MasksAt, InfoSize >= V3HeaderSize);
      } else if (Header.Compression != BiRgb) {
        Fail("unsupported compression " + std::to_string(Header.Compression) + " for 32-bit pixels",
             CompressionAt);
      }
      break;
    default:
      Fail("unsupported bit count " + std::to_string(Header.BitCount), BitCountAt);
  }

  if (PixelOffset < Header.HeadersEnd)
    Fail("pixel data offset " + std::to_string(PixelOffset) + " overlaps the headers", 10);
  Header.PixelOffset = PixelOffset;

  // The size checks above bound every product here far below 2^40: no overflow.
  const std::uint64_t RowBits =
      static_cast<std::uint64_t>(Header.Width) * static_cast<std::uint64_t>(Header.BitCount);
  Header.RowBytes = static_cast<std::size_t>((RowBits + 31) / 32 * 4);
  // Some writers leave out the padding of the last row; everything else must be there.
  const std::uint64_t Needed =
      static_cast<std::uint64_t>(Header.RowBytes) * static_cast<std::uint64_t>(Header.Height - 1) +
      (RowBits + 7) / 8;
  const std::uint64_t Available = PixelOffset <= Reader.Size() ? Reader.Size() - PixelOffset : 0;
  if (Needed > Available)
    Fail("pixel data too short: " + std::to_string(Needed) + " bytes declared, " + std::to_string(Available) +
             " present",
         PixelOffset);
  return Header;
}

// The colour table as opaque pixels, always 256 entries: indexes past the table's end
// are black.
std::vector<TPixel32> ReadPalette(const TByteReader& Reader, const TBmpHeader& Header) {
  std::vector<TPixel32> Palette(256, MakePixel32(0, 0, 0, 255));
  for (std::uint32_t I = 0; I < Header.PaletteSize; ++I) {
    const std::uint8_t* Entry = Reader.At(Header.PaletteOffset + I * Header.PaletteEntrySize);
    Palette[I] = MakePixel32(Entry[2], Entry[1], Entry[0], 255);
  }
  return Palette;
}

// Pixels of 1, 4 or 8 bits, the leftmost in the highest bits of a byte.
void DecodeRowIndexed(const std::uint8_t* Source, TPixel32* Target, int Width, int BitCount,
                      const std::vector<TPixel32>& Palette) {
  const int PerByte = 8 / BitCount;
  const unsigned Mask = (1u << BitCount) - 1;
  for (int X = 0; X < Width; ++X) {
    const int Shift = 8 - BitCount * (X % PerByte + 1);
    Target[X] = Palette[(Source[X / PerByte] >> Shift) & Mask];
  }
}

void DecodeRow24(const std::uint8_t* Source, TPixel32* Target, int Width) {
  for (int X = 0; X < Width; ++X, Source += 3) Target[X] = MakePixel32(Source[2], Source[1], Source[0], 255);
}

void DecodeRow32(const std::uint8_t* Source, TPixel32* Target, int Width) {
  std::memcpy(Target, Source, static_cast<std::size_t>(Width) * 4);
}

}  // namespace

TBmpImage ReadBmp(std::span<const std::uint8_t> Bytes) {
  const TByteReader Reader(Bytes);
  const TBmpHeader Header = ReadHeader(Reader);

  TBmpImage Image{TBitmap32(Header.Width, Header.Height), Header.BitCount};
  const std::vector<TPixel32> Palette = Header.BitCount <= 8 ? ReadPalette(Reader, Header) : std::vector<TPixel32>();
  for (int FileRow = 0; FileRow < Header.Height; ++FileRow) {
    const int Y = Header.TopDown ? FileRow : Header.Height - 1 - FileRow;
    const std::uint8_t* const Source = Reader.At(Header.PixelOffset + static_cast<std::size_t>(FileRow) * Header.RowBytes);
    // ReadHeader has refused every other bit count.
    if (Header.BitCount <= 8) DecodeRowIndexed(Source, Image.Pixels.Row(Y), Header.Width, Header.BitCount, Palette);
    else if (Header.BitCount == 24) DecodeRow24(Source, Image.Pixels.Row(Y), Header.Width);
    else DecodeRow32(Source, Image.Pixels.Row(Y), Header.Width);
  }
  return Image;
}

std::vector<std::uint8_t> WriteBmp32(TConstBitmapView Pixels) {
  if (Pixels.Empty() || !IsValidBitmapSize(Pixels.Width, Pixels.Height))
    throw EBmpError("bitmap file: cannot write a bitmap of " + std::to_string(Pixels.Width) + " x " +
                    std::to_string(Pixels.Height) + " pixels");
  const std::uint32_t ImageBytes =
      static_cast<std::uint32_t>(Pixels.Width) * static_cast<std::uint32_t>(Pixels.Height) * 4;
  const std::uint32_t PixelOffset = FileHeaderSize + V5HeaderSize;

  std::vector<std::uint8_t> Out;
  Out.reserve(PixelOffset + ImageBytes);
  Out.push_back('B');
  Out.push_back('M');
  PutU32(Out, PixelOffset + ImageBytes);
  PutU32(Out, 0);  // reserved
  PutU32(Out, PixelOffset);

  PutU32(Out, V5HeaderSize);
  PutU32(Out, static_cast<std::uint32_t>(Pixels.Width));
  PutU32(Out, static_cast<std::uint32_t>(Pixels.Height));  // positive: bottom-up
  PutU16(Out, 1);                                          // planes
  PutU16(Out, 32);
  PutU32(Out, BiBitfields);
  PutU32(Out, ImageBytes);
  PutU32(Out, 2835);  // 72 dots per inch, in dots per metre
  PutU32(Out, 2835);
  PutU32(Out, 0);  // colours used
  PutU32(Out, 0);  // colours important
  PutU32(Out, RedMask);
  PutU32(Out, GreenMask);
  PutU32(Out, BlueMask);
  PutU32(Out, AlphaMask);
  PutU32(Out, 0x73524742);               // colour space 'sRGB'
  Out.insert(Out.end(), 36 + 3 * 4, 0);  // end points and gammas, unused with sRGB
  PutU32(Out, 4);                        // intent LCS_GM_IMAGES
  PutU32(Out, 0);                        // profile offset
  PutU32(Out, 0);                        // profile size
  PutU32(Out, 0);                        // reserved

  for (int Y = Pixels.Height - 1; Y >= 0; --Y) {
    const auto* Row = reinterpret_cast<const std::uint8_t*>(Pixels.Row(Y));
    Out.insert(Out.end(), Row, Row + static_cast<std::size_t>(Pixels.Width) * 4);
  }
  return Out;
}
