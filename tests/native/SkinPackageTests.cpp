#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/store/SkinError.h"
#include "skin/store/acSkinPackage.h"

namespace {

TBytes Bytes(const std::string& Text) { return TBytes(Text.begin(), Text.end()); }

TBytes ThreeEntryPackage() {
  const TBytes Options = Bytes("[GLOBALINFO]\nVERSION=8.10\n");
  const TBytes Master(300, 7);
  const TBytes Png = Bytes("not really a png");
  const std::vector<TacPackageEntry> Entries{{"Options.dat", Options}, {"Master.bmp", Master}, {"glow.png", Png}};
  return WriteSkinPackage(Entries);
}

TacSkinConvertor Unpack(const TBytes& Data) {
  TacSkinConvertor Convertor;
  Convertor.PackedData = Data;
  if (!UnpackSkinPackage(Convertor)) ADD_FAILURE() << "not taken as a container";
  return Convertor;
}

void SetU32(TBytes& Data, std::size_t Offset, std::uint32_t Value) {
  for (int I = 0; I < 4; ++I) Data[Offset + static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(Value >> (8 * I));
}

// A container with one entry whose declared size and stream are given separately.
TBytes OneEntry(const std::string& Name, std::uint32_t DeclaredSize, const TBytes& Stream) {
  TBytes Out = Bytes("ASzf");
  Out.resize(8);
  SetU32(Out, 4, 1);
  const std::size_t At = Out.size();
  Out.resize(At + 4);
  SetU32(Out, At, static_cast<std::uint32_t>(Name.size()));
  Out.insert(Out.end(), Name.begin(), Name.end());
  const std::size_t SizeAt = Out.size();
  Out.resize(SizeAt + 4);
  SetU32(Out, SizeAt, DeclaredSize);
  Out.insert(Out.end(), Stream.begin(), Stream.end());
  return Out;
}

TBytes Deflate(const TBytes& Data) {
  uLongf Size = compressBound(static_cast<uLong>(Data.size()));
  TBytes Out(Size);
  EXPECT_EQ(compress(Out.data(), &Size, Data.data(), static_cast<uLong>(Data.size())), Z_OK);
  Out.resize(Size);
  return Out;
}

void ExpectReadError(const TBytes& Data) {
  TacSkinConvertor Convertor;
  Convertor.PackedData = Data;
  try {
    UnpackSkinPackage(Convertor);
    ADD_FAILURE() << "accepted a bad container of " << Data.size() << " bytes";
  } catch (const ESkinError& Error) {
    EXPECT_STREQ(Error.what(), SStreamReadError);
  }
}

TEST(SkinPackage, WriterAndReaderAgreeOnEveryEntry) {
  const TBytes Data = ThreeEntryPackage();
  const TacSkinConvertor Convertor = Unpack(Data);
  ASSERT_TRUE(Convertor.Options.has_value());
  EXPECT_EQ(*Convertor.Options, Bytes("[GLOBALINFO]\nVERSION=8.10\n"));
  EXPECT_EQ(Convertor.ImageCount, 2);
  ASSERT_EQ(Convertor.Files.size(), 2u);
  EXPECT_EQ(Convertor.Files[0].FileName, "Master.bmp");
  EXPECT_TRUE(Convertor.Files[0].IsBitmap);
  EXPECT_EQ(Convertor.Files[0].FileStream, TBytes(300, 7));
  EXPECT_EQ(Convertor.Files[1].FileName, "glow.png");
  EXPECT_FALSE(Convertor.Files[1].IsBitmap);
  EXPECT_EQ(Convertor.Files[1].FileStream, Bytes("not really a png"));
}

TEST(SkinPackage, WriterStartsEveryStreamWithTheDefaultZlibHeader) {
  const TBytes Options = Bytes("x");
  const std::vector<TacPackageEntry> Entries{{"Options.dat", Options}};
  const TBytes Data = WriteSkinPackage(Entries);
  const std::size_t StreamAt = 8 + 4 + 11 + 4;
  ASSERT_GT(Data.size(), StreamAt + 2);
  EXPECT_EQ(Data[StreamAt], 0x78);
  EXPECT_EQ(Data[StreamAt + 1], 0x9C);
}

TEST(SkinPackage, DescriptionEntryIsFoundIgnoringCaseAndImagesByUpperCaseName) {
  const TBytes Options = Bytes("[A]");
  const TBytes Image = Bytes("img");
  const std::vector<TacPackageEntry> Entries{{"master.bmp", Image}, {"OPTIONS.DAT", Options}};
  const TacSkinConvertor Convertor = Unpack(WriteSkinPackage(Entries));
  ASSERT_TRUE(Convertor.Options.has_value());
  EXPECT_EQ(*Convertor.Options, Bytes("[A]"));
  ASSERT_NE(Convertor.FindFile("MASTER.BMP"), nullptr);
  EXPECT_EQ(Convertor.FindFile("MASTER.BMP")->FileStream, Image);
  EXPECT_EQ(Convertor.FindFile("master.bmp"), nullptr);
}

TEST(SkinPackage, LookupsSearchOnlyTheFirstCountMinusOneEntries) {
  // Without a description entry the last image lies beyond ImageCount.
  const TBytes A = Bytes("a"), B = Bytes("b");
  const std::vector<TacPackageEntry> Entries{{"A.BMP", A}, {"B.BMP", B}};
  const TacSkinConvertor Convertor = Unpack(WriteSkinPackage(Entries));
  EXPECT_FALSE(Convertor.Options.has_value());
  EXPECT_NE(Convertor.FindFile("A.BMP"), nullptr);
  EXPECT_EQ(Convertor.FindFile("B.BMP"), nullptr);
}

TEST(SkinPackage, OtherMagicIsNotAContainer) {
  for (const std::string& Text : {std::string(""), std::string("ASz"), std::string("ASZF\0\0\0\0", 8), std::string("PK\3\4")}) {
    TacSkinConvertor Convertor;
    const TBytes Data = Bytes(Text);
    Convertor.PackedData = Data;
    EXPECT_FALSE(UnpackSkinPackage(Convertor)) << Text;
    EXPECT_FALSE(Convertor.Options.has_value());
  }
}

TEST(SkinPackage, FormatErrorNamesTheSkin) {
  EXPECT_EQ(InternalFormatErrorText("Dark"),
            "Internal format error in the \"Dark\" skin. Please, update this skin to latest version.");
}

TEST(SkinPackage, MagicWithoutEntriesIsAnEmptyContainer) {
  TacSkinConvertor Convertor;
  const TBytes Data = Bytes("ASzf");
  Convertor.PackedData = Data;
  EXPECT_TRUE(UnpackSkinPackage(Convertor));
  EXPECT_EQ(Convertor.ImageCount, -1);
  EXPECT_TRUE(Convertor.Files.empty());
}

TEST(SkinPackage, EveryTruncationIsAReadError) {
  const TBytes Data = ThreeEntryPackage();
  for (std::size_t Length = 8; Length < Data.size(); ++Length)
    ExpectReadError(TBytes(Data.begin(), Data.begin() + static_cast<std::ptrdiff_t>(Length)));
}

TEST(SkinPackage, LyingFieldsAreReadErrors) {
  const TBytes Good = ThreeEntryPackage();
  TBytes MoreEntries = Good;
  SetU32(MoreEntries, 4, 4);
  TBytes HugeCount = Good;
  SetU32(HugeCount, 4, 0xFFFFFFFF);
  TBytes LongName = Good;
  SetU32(LongName, 8, 0x7FFFFFF0);
  ExpectReadError(MoreEntries);
  ExpectReadError(HugeCount);
  ExpectReadError(LongName);
}

TEST(SkinPackage, DeclaredSizeMustMatchTheStreamsOutput) {
  const TBytes Payload(1000, 'q');
  const TBytes Stream = Deflate(Payload);
  EXPECT_EQ(*Unpack(OneEntry("Options.dat", 1000, Stream)).Options, Payload);
  ExpectReadError(OneEntry("Options.dat", 1001, Stream));
  ExpectReadError(OneEntry("Options.dat", 999, Stream));
  ExpectReadError(OneEntry("Options.dat", 0, Stream));
  EXPECT_EQ(*Unpack(OneEntry("Options.dat", 0, Deflate(TBytes()))).Options, TBytes()) << "an empty entry";
  ExpectReadError(OneEntry("Options.dat", 0, Deflate(TBytes(1, 'q'))));
}

TEST(SkinPackage, DecompressionBombsAreRefused) {
  // Declared far beyond what the bytes left could unpack to: refused before allocating.
  ExpectReadError(OneEntry("Options.dat", 0xFFFFFFFF, Deflate(TBytes(10, 0))));
  // Beyond the largest entry a skin needs, even where the packed bytes could hold it.
  TBytes Noise(70000);
  std::uint32_t State = 1;
  for (std::uint8_t& Byte : Noise) Byte = static_cast<std::uint8_t>((State = State * 1664525 + 1013904223) >> 24);
  ExpectReadError(OneEntry("Master.bmp", 65u << 20, Deflate(Noise)));
  // Real output far beyond the declared size: stopped right after the declared bytes.
  ExpectReadError(OneEntry("Options.dat", 100, Deflate(TBytes(8u << 20, 0))));
}

TEST(SkinPackage, CorruptStreamsAreReadErrors) {
  const TBytes Payload(500, 'z');
  TBytes BadHeader = Deflate(Payload);
  BadHeader[0] = 0x12;
  TBytes BadChecksum = Deflate(Payload);
  BadChecksum.back() ^= 0xFF;
  TBytes BadData = Deflate(Payload);
  BadData[3] ^= 0xA5;
  ExpectReadError(OneEntry("Options.dat", 500, BadHeader));
  ExpectReadError(OneEntry("Options.dat", 500, BadChecksum));
  ExpectReadError(OneEntry("Options.dat", 500, BadData));
}

TEST(SkinPackage, FileLoadingKeepsTheEntriesAndDropsTheFileBytes) {
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "qv_skinpackage_test";
  std::filesystem::create_directories(Dir);
  const TBytes Data = ThreeEntryPackage();
  std::ofstream(Dir / "Dark.asz", std::ios::binary).write(reinterpret_cast<const char*>(Data.data()),
                                                         static_cast<std::streamsize>(Data.size()));
  TacSkinConvertor Convertor;
  EXPECT_TRUE(LoadPackedSkinFile(Dir / "Dark.asz", Convertor));
  EXPECT_TRUE(Convertor.Options.has_value());
  EXPECT_EQ(Convertor.Files.size(), 2u);
  EXPECT_TRUE(Convertor.OwnedData.empty());
  EXPECT_TRUE(Convertor.PackedData.empty());

  EXPECT_FALSE(LoadPackedSkinFile(Dir / "Missing.asz", Convertor));
  EXPECT_EQ(Convertor.Files.size(), 2u) << "a missing file leaves the converter alone";
  std::filesystem::remove_all(Dir);
}

}  // namespace
