// The preview block as another process sends it: built byte by byte at the offsets of the
// wire format (magic at 0, SkinName at 4, SkinDir at 132, Data at 644, 30,645 bytes).
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/store/PreviewBlock.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

void Put(TBytes& Block, std::size_t Offset, const std::string& Text) {
  for (std::size_t I = 0; I < Text.size(); ++I) Block[Offset + I] = static_cast<std::uint8_t>(Text[I]);
}

// A block of Size bytes, all zero but the magic 0xA400 (little-endian: 00 A4 00 00) and the
// three strings, each written without its terminator (the zeros around supply it).
TBytes Block(const std::string& Name, const std::string& Dir, const std::string& Data, std::size_t Size = 30645) {
  TBytes Result(Size, 0);
  Result[1] = 0xA4;
  Put(Result, 4, Name);
  Put(Result, 132, Dir);
  Put(Result, 644, Data);
  return Result;
}

std::optional<TacSkinData> Read(const TBytes& Bytes) { return ReadPreviewBlock(Bytes.data(), Bytes.size()); }

TEST(PreviewBlock, ReadsTheThreeStringsOfAGoodBlock) {
  const std::string Data = "[GLOBALINFO]\r\nVERSION=8.10\r\n";
  const auto Read1 = Read(Block("Graphite", "C:\\Skins\\Graphite", Data));
  ASSERT_TRUE(Read1.has_value());
  EXPECT_EQ(Read1->Magic, 0xA400u);
  EXPECT_EQ(Read1->SkinName, "Graphite");
  EXPECT_EQ(Read1->SkinDir, "C:\\Skins\\Graphite");
  EXPECT_EQ(Read1->Data, Data);
}

TEST(PreviewBlock, EightBitCharactersPassUnchanged) {
  // Windows-1252 bytes for "Grün" and "Café": the caller converts them, not the reader.
  const auto Result = Read(Block("Gr\xFCn", "C:\\Caf\xE9", ""));
  ASSERT_TRUE(Result.has_value());
  EXPECT_EQ(Result->SkinName, "Gr\xFCn");
  EXPECT_EQ(Result->SkinDir, "C:\\Caf\xE9");
  EXPECT_EQ(Result->Data, "");
}

// A field filled to its last byte has no terminator: it is read exactly to its size and
// not into the next field.
struct TFullField {
  const char* Name;
  std::size_t Offset;
  std::size_t Size;
  std::string TacSkinData::*Field;
};

TEST(PreviewBlock, AFieldWithoutTerminatorEndsAtItsSize) {
  const TFullField Fields[] = {{"SkinName", 4, 128, &TacSkinData::SkinName},
                               {"SkinDir", 132, 512, &TacSkinData::SkinDir},
                               {"Data", 644, 30001, &TacSkinData::Data}};
  for (const TFullField& Case : Fields) {
    SCOPED_TRACE(Case.Name);
    TBytes Bytes = Block("n", "d", "x");
    for (std::size_t I = 0; I < Case.Size; ++I) Bytes[Case.Offset + I] = static_cast<std::uint8_t>('A' + I % 26);
    // Non-zero bytes right after the field: whatever follows must not be read into it.
    TBytes Longer = Bytes;
    Longer.push_back('!');
    if (Case.Offset + Case.Size < 30645) Longer[Case.Offset + Case.Size] = '!';
    std::string Expected;
    for (std::size_t I = 0; I < Case.Size; ++I) Expected.push_back(static_cast<char>('A' + I % 26));
    for (const TBytes* Input : {&Bytes, &Longer}) {
      const auto Result = Read(*Input);
      ASSERT_TRUE(Result.has_value());
      EXPECT_EQ(Result.value().*Case.Field, Expected);
      EXPECT_EQ((Result.value().*Case.Field).size(), Case.Size);
    }
  }
}

TEST(PreviewBlock, AllFieldsFullAtOnce) {
  TBytes Bytes(30645, 'z');
  Bytes[0] = 0x00;
  Bytes[1] = 0xA4;
  Bytes[2] = 0x00;
  Bytes[3] = 0x00;
  const auto Result = Read(Bytes);
  ASSERT_TRUE(Result.has_value());
  EXPECT_EQ(Result->SkinName, std::string(128, 'z'));
  EXPECT_EQ(Result->SkinDir, std::string(512, 'z'));
  EXPECT_EQ(Result->Data, std::string(30001, 'z'));
}

TEST(PreviewBlock, BytesBeyondTheBlockAreIgnored) {
  TBytes Bytes = Block("Graphite", "C:\\Skins", "[A]");
  Bytes.resize(40000, 'q');
  const auto Result = Read(Bytes);
  ASSERT_TRUE(Result.has_value());
  EXPECT_EQ(Result->SkinName, "Graphite");
  EXPECT_EQ(Result->SkinDir, "C:\\Skins");
  EXPECT_EQ(Result->Data, "[A]");
}

TEST(PreviewBlock, RefusedBlocks) {
  struct TCase {
    const char* Name;
    TBytes Bytes;
  };
  TBytes BigEndianMagic = Block("n", "d", "x");
  BigEndianMagic[1] = 0x00;
  BigEndianMagic[2] = 0xA4;
  TBytes HighByteSet = Block("n", "d", "x");
  HighByteSet[3] = 0x01;  // 0x0100A400
  TBytes NoMagic = Block("n", "d", "x");
  NoMagic[1] = 0x00;
  const TCase Cases[] = {{"one byte short", Block("n", "d", "x", 30644)},
                         {"empty", {}},
                         {"three bytes", TBytes{0x00, 0xA4, 0x00}},
                         {"magic only", Block("", "", "", 4)},
                         {"magic 0xA40000", BigEndianMagic},
                         {"magic 0x0100A400", HighByteSet},
                         {"magic 0", NoMagic}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    EXPECT_FALSE(ReadPreviewBlock(Case.Bytes.data(), Case.Bytes.size()).has_value());
  }
}

TEST(PreviewBlock, NullIsRefusedWhateverTheSize) {
  for (const std::size_t Size : {std::size_t{0}, std::size_t{30645}, std::size_t{1} << 20}) {
    SCOPED_TRACE(Size);
    EXPECT_FALSE(ReadPreviewBlock(nullptr, Size).has_value());
  }
}

}  // namespace
