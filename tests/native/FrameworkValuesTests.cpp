// Stored property values turned into component values, and the stored picture format.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Description.h"
#include "framework/core/DescriptionValues.h"
#include "framework/core/Picture.h"
#include "gfx/codec/BmpCodec.h"

namespace {

// The value of the single property of a one-property description.
TDescriptionValue Stored(const std::string& ValueText) {
  return ParseDescription("object X: TX\n  P = " + ValueText + "\nend\n").Properties.at(0).Value;
}

TEST(DescriptionValuesTest, IntegersAndStrings) {
  EXPECT_EQ(AsInteger(Stored("-11")), -11);
  EXPECT_EQ(AsInteger(Stored("$FF00000F")), static_cast<int>(0xFF00000F));
  EXPECT_EQ(AsString(Stored("'Ping Test Start'")), L"Ping Test Start");
  EXPECT_TRUE(AsBoolean(Stored("True")));
  EXPECT_FALSE(AsBoolean(Stored("False")));
}

TEST(DescriptionValuesTest, ColoursByNumberOrName) {
  struct TCase {
    const char* Text;
    TColor Expected;
  };
  for (const TCase& C :
       {TCase{"$333333", 0x333333}, TCase{"clBtnFace", static_cast<TColor>(0xFF00000F)},
        TCase{"clWindowText", static_cast<TColor>(0xFF000008)}, TCase{"clMoneyGreen", 0xC0DCC0},
        TCase{"clYellow", 0x00FFFF}, TCase{"clBlack", 0}, TCase{"clWhite", 0xFFFFFF},
        TCase{"clNone", 0x1FFFFFFF}, TCase{"clFuchsia", 0xFF00FF}}) {
    EXPECT_EQ(AsColor(Stored(C.Text)), C.Expected) << C.Text;
  }
}

enum class TFruit { Apple, Pear, Plum };
const TEnumNames<TFruit> Fruits = {
    {L"fApple", TFruit::Apple}, {L"fPear", TFruit::Pear}, {L"fPlum", TFruit::Plum}};

TEST(DescriptionValuesTest, EnumerationsAndSets) {
  EXPECT_EQ(AsEnum<TFruit>(Stored("fPear"), Fruits), TFruit::Pear);
  const TSet<TFruit> Set = AsSet<TFruit>(Stored("[fApple, fPlum]"), Fruits);
  EXPECT_TRUE(Set.Contains(TFruit::Apple));
  EXPECT_FALSE(Set.Contains(TFruit::Pear));
  EXPECT_TRUE(Set.Contains(TFruit::Plum));
  EXPECT_TRUE(AsSet<TFruit>(Stored("[]"), Fruits).Empty());
}

TEST(DescriptionValuesTest, WrongKindsAndUnknownNamesAreErrors) {
  EXPECT_THROW(AsInteger(Stored("'12'")), EPropertyError);
  EXPECT_THROW(AsString(Stored("12")), EPropertyError);
  EXPECT_THROW(AsBoolean(Stored("Yes")), EPropertyError);
  EXPECT_THROW(AsColor(Stored("clPaleBlue")), EPropertyError);
  EXPECT_THROW(AsColor(Stored("'red'")), EPropertyError);
  EXPECT_THROW(AsEnum<TFruit>(Stored("fBanana"), Fruits), EPropertyError);
  EXPECT_THROW(AsSet<TFruit>(Stored("fApple"), Fruits), EPropertyError);
  EXPECT_THROW(AsSet<TFruit>(Stored("[fApple, fKiwi]"), Fruits), EPropertyError);
  EXPECT_THROW(AsInteger(Stored("$100000000")), EPropertyError);
  try {
    AsInteger(Stored("'12'"));
  } catch (const EPropertyError& Error) {
    EXPECT_NE(std::string(Error.what()).find("expected an integer, found a string"), std::string::npos)
        << Error.what();
  }
}

std::vector<std::uint8_t> StoredPicture(const std::string& ClassName, const std::vector<std::uint8_t>& File,
                                        std::uint32_t Length) {
  std::vector<std::uint8_t> Data;
  Data.reserve(1 + ClassName.size() + 4 + File.size());
  Data.push_back(static_cast<std::uint8_t>(ClassName.size()));
  Data.insert(Data.end(), ClassName.begin(), ClassName.end());
  for (int Shift = 0; Shift < 32; Shift += 8) Data.push_back(static_cast<std::uint8_t>(Length >> Shift));
  Data.insert(Data.end(), File.begin(), File.end());
  return Data;
}

std::vector<std::uint8_t> SmallBmp() {
  TBitmap32 Pixels(3, 2);
  Pixels.Row(0)[0] = MakePixel32(10, 20, 30, 128);
  Pixels.Row(1)[2] = MakePixel32(200, 100, 50, 255);
  return WriteBmp32(Pixels.View());
}

TEST(PictureTest, ReadsBothStoredClasses) {
  for (const std::string ClassName : {"TPNGGraphic", "TBitmap"}) {
    const std::vector<std::uint8_t> File = SmallBmp();
    TPicture Picture;
    Picture.LoadFromStoredData(StoredPicture(ClassName, File, static_cast<std::uint32_t>(File.size())));
    EXPECT_EQ(Picture.Width(), 3);
    EXPECT_EQ(Picture.Height(), 2);
    EXPECT_EQ(Picture.GraphicClassName(), ClassName);
    EXPECT_EQ(Picture.BitCount(), 32);
    EXPECT_EQ(Picture.Bitmap().Row(0)[0], MakePixel32(10, 20, 30, 128));
    EXPECT_EQ(Picture.Bitmap().Row(1)[2], MakePixel32(200, 100, 50, 255));
  }
}

TEST(PictureTest, BadDataKeepsTheOldPicture) {
  const std::vector<std::uint8_t> File = SmallBmp();
  const auto Size = static_cast<std::uint32_t>(File.size());
  TPicture Picture;
  Picture.LoadFromStoredData(StoredPicture("TBitmap", File, Size));
  std::vector<std::uint8_t> BadFile = File;
  BadFile[0] = 'X';
  const std::vector<std::vector<std::uint8_t>> Bad = {
      {},
      {7, 'T', 'B'},
      StoredPicture("TJPEGImage", File, Size),
      StoredPicture("TBitmap", File, Size + 1),
      StoredPicture("TBitmap", File, Size - 1),
  };
  for (const auto& Data : Bad) EXPECT_THROW(Picture.LoadFromStoredData(Data), EPropertyError);
  EXPECT_THROW(Picture.LoadFromStoredData(StoredPicture("TBitmap", BadFile, Size)), EBmpError);
  EXPECT_EQ(Picture.Width(), 3);
  EXPECT_EQ(Picture.Bitmap().Row(1)[2], MakePixel32(200, 100, 50, 255));
}

}  // namespace
