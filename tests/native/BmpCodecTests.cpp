#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gfx/codec/BmpCodec.h"
#include "gfx/codec/LittleEndian.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const TBytes& Bytes, std::size_t Offset) {
  return Bytes[Offset] | Bytes[Offset + 1] << 8 | Bytes[Offset + 2] << 16 |
         std::uint32_t{Bytes[Offset + 3]} << 24;
}

void SetU32(TBytes& Bytes, std::size_t Offset, std::uint32_t Value) {
  for (int I = 0; I < 4; ++I)
    Bytes[Offset + static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(Value >> (8 * I));
}

// A bitmap file built by hand: file header, info header of the given size, optional masks
// after it, then the pixel bytes exactly as given (rows in file order, padding included).
struct TFileSpec {
  std::uint32_t HeaderSize = 40;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::uint16_t BitCount = 24;
  std::uint32_t Compression = 0;
  std::vector<std::uint32_t> MasksAfterHeader{};
  TBytes Pixels{};
};

TBytes BuildFile(const TFileSpec& Spec) {
  TBytes Info;
  PutU32(Info, Spec.HeaderSize);
  if (Spec.HeaderSize == 12) {
    PutU16(Info, static_cast<std::uint32_t>(Spec.Width));
    PutU16(Info, static_cast<std::uint32_t>(Spec.Height));
    PutU16(Info, 1);
    PutU16(Info, Spec.BitCount);
  } else {
    PutU32(Info, static_cast<std::uint32_t>(Spec.Width));
    PutU32(Info, static_cast<std::uint32_t>(Spec.Height));
    PutU16(Info, 1);
    PutU16(Info, Spec.BitCount);
    PutU32(Info, Spec.Compression);
    Info.resize(Spec.HeaderSize, 0);
  }
  for (const std::uint32_t Mask : Spec.MasksAfterHeader) PutU32(Info, Mask);

  TBytes File{'B', 'M'};
  const auto PixelOffset = static_cast<std::uint32_t>(14 + Info.size());
  PutU32(File, PixelOffset + static_cast<std::uint32_t>(Spec.Pixels.size()));
  PutU32(File, 0);
  PutU32(File, PixelOffset);
  File.insert(File.end(), Info.begin(), Info.end());
  File.insert(File.end(), Spec.Pixels.begin(), Spec.Pixels.end());
  return File;
}

// 3 x 2 pixels at 24 bits: each row 9 bytes plus 3 of padding.
const TBytes Rows24{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0, 0, 0,
                    0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0, 0, 0};

void ExpectRows(const TBitmap32& Bitmap, const std::vector<std::vector<TPixel32>>& Rows) {
  ASSERT_EQ(Bitmap.Height(), static_cast<int>(Rows.size()));
  for (int Y = 0; Y < Bitmap.Height(); ++Y) {
    ASSERT_EQ(Bitmap.Width(), static_cast<int>(Rows[static_cast<std::size_t>(Y)].size()));
    for (int X = 0; X < Bitmap.Width(); ++X)
      EXPECT_EQ(Bitmap.Row(Y)[X], Rows[static_cast<std::size_t>(Y)][static_cast<std::size_t>(X)])
          << "pixel " << X << ", " << Y;
  }
}

TEST(BmpRead, TwentyFourBitBottomUpGetsOpaquePixelsWithTheLastFileRowOnTop) {
  const TBmpImage Image = ReadBmp(BuildFile({.Width = 3, .Height = 2, .Pixels = Rows24}));
  EXPECT_EQ(Image.BitCount, 24);
  ExpectRows(Image.Pixels, {{0xFF131211, 0xFF161514, 0xFF191817}, {0xFF030201, 0xFF060504, 0xFF090807}});
}

TEST(BmpRead, TwentyFourBitTopDownKeepsTheFileOrder) {
  const TBmpImage Image = ReadBmp(BuildFile({.Width = 3, .Height = -2, .Pixels = Rows24}));
  ExpectRows(Image.Pixels, {{0xFF030201, 0xFF060504, 0xFF090807}, {0xFF131211, 0xFF161514, 0xFF191817}});
}

TEST(BmpRead, OldCoreHeaderTwentyFourBit) {
  const TBmpImage Image = ReadBmp(BuildFile({.HeaderSize = 12, .Width = 3, .Height = 2, .Pixels = Rows24}));
  ExpectRows(Image.Pixels, {{0xFF131211, 0xFF161514, 0xFF191817}, {0xFF030201, 0xFF060504, 0xFF090807}});
}

TEST(BmpRead, LastRowMayLackItsPadding) {
  TBytes Short = Rows24;
  Short.resize(Short.size() - 3);
  EXPECT_EQ(ReadBmp(BuildFile({.Width = 3, .Height = 2, .Pixels = Short})).Pixels.Row(0)[2], 0xFF191817u);
}

// 2 x 2 at 32 bits; the fourth byte of each pixel is its alpha and must survive.
const TBytes Rows32{0x10, 0x20, 0x30, 0x00, 0x11, 0x21, 0x31, 0x80,
                    0x12, 0x22, 0x32, 0xFF, 0x13, 0x23, 0x33, 0x01};

TEST(BmpRead, ThirtyTwoBitKeepsAlphaWithEveryHeaderAndMaskLayout) {
  struct TCase {
    const char* Name;
    TFileSpec Spec;
  };
  const TCase Cases[] = {
      {"BI_RGB, info header", {.Width = 2, .Height = -2, .BitCount = 32, .Pixels = Rows32}},
      {"BI_BITFIELDS, masks after an info header",
       {.Width = 2,
        .Height = -2,
        .BitCount = 32,
        .Compression = 3,
        .MasksAfterHeader = {0xFF0000, 0xFF00, 0xFF},
        .Pixels = Rows32}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const TBmpImage Image = ReadBmp(BuildFile(Case.Spec));
    EXPECT_EQ(Image.BitCount, 32);
    ExpectRows(Image.Pixels, {{0x00302010, 0x80312111}, {0xFF322212, 0x01332313}});
  }
}

TEST(BmpRead, ThirtyTwoBitV4HeaderWithAlphaMask) {
  TBytes File = BuildFile(
      {.HeaderSize = 108, .Width = 2, .Height = 2, .BitCount = 32, .Compression = 3, .Pixels = Rows32});
  SetU32(File, 54, 0xFF0000);
  SetU32(File, 58, 0xFF00);
  SetU32(File, 62, 0xFF);
  SetU32(File, 66, 0xFF000000);
  ExpectRows(ReadBmp(File).Pixels, {{0xFF322212, 0x01332313}, {0x00302010, 0x80312111}});
}

TBitmap32 SamplePicture() {
  TBitmap32 Bitmap(3, 2);
  const TPixel32 Pixels[] = {0x00000000, 0x80FF0000, 0xFF00FF00, 0x200000FF, 0xFFFFFFFF, 0x7F123456};
  for (int I = 0; I < 6; ++I) Bitmap.Row(I / 3)[I % 3] = Pixels[I];
  return Bitmap;
}

TEST(BmpWrite, RoundTripKeepsEveryByteIncludingAlpha) {
  const TBitmap32 Picture = SamplePicture();
  const TBytes File = WriteBmp32(Picture.View());
  const TBmpImage Image = ReadBmp(File);
  EXPECT_EQ(Image.BitCount, 32);
  EXPECT_EQ(Image.Pixels, Picture);
}

TEST(BmpWrite, WritesAV5HeaderWithAnAlphaMaskBottomUp) {
  const TBytes File = WriteBmp32(SamplePicture().View());
  ASSERT_EQ(File.size(), 14u + 124u + 3u * 2u * 4u);
  EXPECT_EQ(File[0], 'B');
  EXPECT_EQ(File[1], 'M');
  EXPECT_EQ(U32At(File, 2), File.size());
  EXPECT_EQ(U32At(File, 10), 14u + 124u);
  EXPECT_EQ(U32At(File, 14), 124u);
  EXPECT_EQ(U32At(File, 18), 3u);
  EXPECT_EQ(U32At(File, 22), 2u);  // positive height: bottom-up rows
  EXPECT_EQ(File[28], 32);
  EXPECT_EQ(U32At(File, 30), 3u);  // BI_BITFIELDS
  EXPECT_EQ(U32At(File, 54), 0x00FF0000u);
  EXPECT_EQ(U32At(File, 58), 0x0000FF00u);
  EXPECT_EQ(U32At(File, 62), 0x000000FFu);
  EXPECT_EQ(U32At(File, 66), 0xFF000000u);
  EXPECT_EQ(U32At(File, 138), 0x200000FFu);  // the first stored row is the bottom one
}

TEST(BmpWrite, WritesFromABottomUpView) {
  const TBitmap32 Picture = SamplePicture();
  std::vector<TPixel32> Memory{0x200000FF, 0xFFFFFFFF, 0x7F123456, 0x00000000, 0x80FF0000, 0xFF00FF00};
  const TConstBitmapView BottomUp(reinterpret_cast<const std::byte*>(Memory.data() + 3), 3, 2, -12);
  EXPECT_EQ(ReadBmp(WriteBmp32(BottomUp)).Pixels, Picture);
}

TEST(BmpWrite, RefusesAnEmptyBitmap) { EXPECT_THROW(WriteBmp32(TBitmap32().View()), EBmpError); }

// Every refusal is the one error type, and its message names the fault and where it is.
TEST(BmpRead, RefusesBadFilesWithAClearError) {
  const TBytes Good24 = BuildFile({.Width = 3, .Height = 2, .Pixels = Rows24});
  struct TCase {
    const char* Name;
    std::function<TBytes()> Make;
    const char* Message;
  };
  const TCase Cases[] = {
      {"empty", [] { return TBytes{}; }, "truncated file header"},
      {"cut in the file header", [&] { return TBytes(Good24.begin(), Good24.begin() + 10); },
       "truncated file header"},
      {"cut in the info header", [&] { return TBytes(Good24.begin(), Good24.begin() + 30); },
       "truncated info header"},
      {"no signature",
       [&] {
         TBytes F = Good24;
         F[0] = 'X';
         return F;
       },
       "no BM signature"},
      {"unknown header size",
       [&] {
         TBytes F = Good24;
         SetU32(F, 14, 20);
         return F;
       },
       "unsupported info header size 20"},
      {"zero width", [] { return BuildFile({.Width = 0, .Height = 2, .Pixels = Rows24}); },
       "width 0 is not positive"},
      {"negative width", [] { return BuildFile({.Width = -3, .Height = 2, .Pixels = Rows24}); },
       "width -3 is not positive"},
      {"zero height", [] { return BuildFile({.Width = 3, .Height = 0, .Pixels = Rows24}); },
       "height is zero"},
      {"sizes that overflow",
       [] { return BuildFile({.Width = 0x7FFFFFFF, .Height = 0x7FFFFFFF, .Pixels = Rows24}); },
       "size 2147483647 x 2147483647 is too large"},
      {"most negative height", [] { return BuildFile({.Width = 3, .Height = INT32_MIN, .Pixels = Rows24}); },
       "too large"},
      {"one side too long", [] { return BuildFile({.Width = 100000, .Height = 1, .Pixels = Rows24}); },
       "too large"},
      {"pixels cut short",
       [&] {
         TBytes F = Good24;
         F.resize(F.size() - 4);
         return F;
       },
       "pixel data too short: 21 bytes declared, 20 present"},
      {"pixel offset past the end",
       [&] {
         TBytes F = Good24;
         SetU32(F, 10, 1000);
         return F;
       },
       "pixel data too short"},
      {"pixel offset inside the headers",
       [&] {
         TBytes F = Good24;
         SetU32(F, 10, 20);
         return F;
       },
       "overlaps the headers"},
      {"2 bits", [] { return BuildFile({.Width = 3, .Height = 2, .BitCount = 2, .Pixels = Rows24}); },
       "unsupported bit count 2"},
      {"16 bits", [] { return BuildFile({.Width = 3, .Height = 2, .BitCount = 16, .Pixels = Rows24}); },
       "unsupported bit count 16"},
      {"0 bits", [] { return BuildFile({.Width = 3, .Height = 2, .BitCount = 0, .Pixels = Rows24}); },
       "unsupported bit count 0"},
      {"24 bits run-length",
       [] { return BuildFile({.Width = 3, .Height = 2, .Compression = 1, .Pixels = Rows24}); },
       "unsupported compression 1 for 24-bit pixels"},
      {"32 bits as JPEG",
       [] {
         return BuildFile({.Width = 2, .Height = 2, .BitCount = 32, .Compression = 4, .Pixels = Rows32});
       },
       "unsupported compression 4 for 32-bit pixels"},
      {"other channel masks",
       [] {
         return BuildFile({.Width = 2,
                           .Height = 2,
                           .BitCount = 32,
                           .Compression = 3,
                           .MasksAfterHeader = {0xFF, 0xFF00, 0xFF0000},
                           .Pixels = Rows32});
       },
       "unsupported channel masks"},
      {"masks missing", [] { return BuildFile({.Width = 2, .Height = 2, .BitCount = 32, .Compression = 3}); },
       "truncated channel masks"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    try {
      ReadBmp(Case.Make());
      ADD_FAILURE() << "accepted";
    } catch (const EBmpError& Error) {
      const std::string Message = Error.what();
      EXPECT_NE(Message.find(Case.Message), std::string::npos) << Message;
      EXPECT_NE(Message.find("(at byte "), std::string::npos) << Message;
    }
  }
}

// Palette entries as the file stores them (blue, green, red, 0), read as one integer.
std::vector<std::uint32_t> GreyRamp(std::size_t Count) {
  std::vector<std::uint32_t> Palette;
  for (std::size_t I = 0; I < Count; ++I) {
    const auto Level = static_cast<std::uint32_t>(I * 255 / (Count - 1));
    Palette.push_back(Level << 16 | Level << 8 | Level);
  }
  return Palette;
}

TEST(BmpRead, IndexedPixelsTakeTheirColoursFromTheTable) {
  struct TCase {
    const char* Name;
    std::uint16_t BitCount;
    TBytes Rows;  // 3 x 2, bottom-up, each row padded to 4 bytes
    std::vector<std::vector<TPixel32>> Expected;
  };
  const TPixel32 Black = MakePixel32(0, 0, 0, 255), White = MakePixel32(255, 255, 255, 255);
  const std::vector<TCase> Cases{
      {"1 bit", 1, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0}, {{Black, White, Black}, {White, Black, White}}},
      {"4 bits", 4, {0x0F, 0x30, 0, 0, 0xF0, 0x00, 0, 0},
       {{White, Black, Black}, {Black, White, MakePixel32(51, 51, 51, 255)}}},
      {"8 bits", 8, {0, 255, 17, 0, 255, 0, 0, 0},
       {{White, Black, Black}, {Black, White, MakePixel32(17, 17, 17, 255)}}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const TBmpImage Image = ReadBmp(BuildFile({.Width = 3,
                                               .Height = 2,
                                               .BitCount = Case.BitCount,
                                               .MasksAfterHeader = GreyRamp(std::size_t{1} << Case.BitCount),
                                               .Pixels = Case.Rows}));
    EXPECT_EQ(Image.BitCount, Case.BitCount);
    ExpectRows(Image.Pixels, Case.Expected);
  }
}

TEST(BmpRead, ShortColourTablesAreReadAndIndexesBeyondThemAreBlack) {
  TBytes File = BuildFile({.Width = 3, .Height = 1, .BitCount = 8,
                           .MasksAfterHeader = {0x0000FF, 0x00FF00}, .Pixels = {0, 1, 2, 0}});
  SetU32(File, 46, 2);  // colours used
  ExpectRows(ReadBmp(File).Pixels,
             {{MakePixel32(0, 0, 255, 255), MakePixel32(0, 255, 0, 255), MakePixel32(0, 0, 0, 255)}});

  TBytes TooMany = File;
  SetU32(TooMany, 46, 257);
  EXPECT_THROW(ReadBmp(TooMany), EBmpError);
  const TBytes Missing = BuildFile({.Width = 3, .Height = 1, .BitCount = 8, .MasksAfterHeader = {0, 0}, .Pixels = {0, 1, 2, 0}});
  try {
    ReadBmp(Missing);
    ADD_FAILURE() << "accepted a table of 2 entries where 256 are due";
  } catch (const EBmpError& Error) {
    EXPECT_NE(std::string(Error.what()).find("truncated colour table"), std::string::npos) << Error.what();
  }
}

TEST(BmpRead, IndexedRunLengthFilesAreRefused) {
  EXPECT_THROW(ReadBmp(BuildFile({.Width = 3, .Height = 1, .BitCount = 8, .Compression = 1,
                                  .MasksAfterHeader = GreyRamp(256), .Pixels = {0, 1, 2, 0}})),
               EBmpError);
}

TEST(BmpRead, EveryTruncationOfAGoodFileIsRefused) {
  const TBytes File = WriteBmp32(SamplePicture().View());
  for (std::size_t Length = 0; Length < File.size(); ++Length)
    EXPECT_THROW(ReadBmp(std::span(File.data(), Length)), EBmpError) << "length " << Length;
}

}  // namespace
