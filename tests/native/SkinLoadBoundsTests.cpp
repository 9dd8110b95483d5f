// Small hostile skins that cost a loader with a linear search per lookup, or one that
// believes every declared size, minutes or gigabytes. Each must load, or fail with its
// text, in well under a second; a regression shows as this suite running into the timeout.
#include <gtest/gtest.h>

#include <string>

#include "SkinFixture.h"
#include "skin/store/SkinError.h"
#include "skin/store/sSkinStore.h"

namespace {

void LoadContainer(TsSkinStore& Store, const TBytes& Container) {
  TacSkinConvertor Package;
  Package.PackedData = Container;
  ASSERT_TRUE(UnpackSkinPackage(Package));
  ASSERT_TRUE(Package.Options.has_value());
  const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
  Store.LoadSkin(&Description, &Package);
}

TEST(SkinLoadBounds, LongParentChainInheritsFromItsRoot) {
  constexpr int Sections = 5000;
  TsSkinStore Store;
  LoadContainer(Store, ParentChainSkin(Sections));
  const int Root = Store.GetSkinIndex("S0");
  const int Last = Store.GetSkinIndex(std::string("S") + std::to_string(Sections - 1));
  ASSERT_GE(Root, 0);
  ASSERT_GE(Last, 0);
  const int Border = Store.GetMaskIndex("S0", "BORDERSMASK");
  ASSERT_GE(Border, 0);
  const TsGeneralData& Leaf = Store.gd()[static_cast<std::size_t>(Last)];
  EXPECT_EQ(Leaf.Props[0].Color, 255);
  EXPECT_EQ(Leaf.BorderIndex, Border);
  EXPECT_EQ(Store.GetMaskIndex(Last, "BORDERSMASK"), Border);
  EXPECT_EQ(Store.gd()[static_cast<std::size_t>(Store.GetSkinIndex("S2500"))].BorderIndex, Border);
}

TEST(SkinLoadBounds, ManySectionsNamingALoopEndTheirChains) {
  constexpr int Sections = 5000;
  TsSkinStore Store;
  LoadContainer(Store, ParentLoopSkin(Sections));
  for (const char* Name : {"A", "B", "S0", "S4999"}) {
    const int Index = Store.GetSkinIndex(Name);
    ASSERT_GE(Index, 0) << Name;
    // B's colour, through A for the S sections.
    EXPECT_EQ(Store.gd()[static_cast<std::size_t>(Index)].Props[0].Color, 255) << Name;
    EXPECT_EQ(Store.GetMaskIndex(Index, "BORDERSMASK"), -1) << Name;
  }
}

TEST(SkinLoadBounds, ManyBordersOverALargeMasterAreTestedForKeyCornersQuickly) {
  constexpr int Borders = 200;
  TsSkinStore Store;
  LoadContainer(Store, KeyedBordersSkin(2048, Borders));
  int Seen = 0;
  for (const TsMaskData& Border : Store.ma()) {
    if (Border.ClassName != "S") continue;  // not the outer effects' own pictures
    ++Seen;
    EXPECT_EQ(Border.CornerType, 0) << Border.PropertyName;
  }
  EXPECT_EQ(Seen, Borders);
}

TEST(SkinLoadBounds, ManyEntriesEachNamedOnceAreFoundByName) {
  constexpr int Pictures = 40000;
  TsSkinStore Store;
  LoadContainer(Store, ManyPicturesSkin(Pictures));
  EXPECT_EQ(Store.ExtArray().size(), static_cast<std::size_t>(Pictures));
  const int LastIndex = Store.GetMaskIndex("S", "K39999");
  ASSERT_GE(LastIndex, 0);
  const TsMaskData& Last = Store.ma()[static_cast<std::size_t>(LastIndex)];
  EXPECT_EQ(Last.PropertyName, "K39999");
  ASSERT_NE(Last.Bmp, nullptr);
  EXPECT_EQ(Last.R, (TRect{0, 0, 2, 2}));
  EXPECT_EQ(Store.ExtArray()[Pictures - 1].FileName, "I39999.BMP");
}

TEST(SkinLoadBounds, EntriesBeyondTheTotalCapAreRefusedWithTheirText) {
  // Twenty honest entries of 64 MiB: the fifth would pass 256 MiB.
  TacSkinConvertor Package;
  const TBytes Container = BigEntriesSkin(20, 64u << 20);
  Package.PackedData = Container;
  try {
    UnpackSkinPackage(Package);
    ADD_FAILURE() << "a container of 1.25 GiB was unpacked";
  } catch (const ESkinError& Error) {
    EXPECT_STREQ(Error.what(), SSkinTooLarge);
  }
}

}  // namespace
