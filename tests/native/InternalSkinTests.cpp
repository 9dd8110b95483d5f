// The internal skin "FM (internal)" as the build packs it, read back through the real
// loader: the container, the description's fixed values and the loaded records.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "skin/controls/core/ButtonCornerHit.h"
#include "skin/frame/FrameItems.h"
#include "skin/frame/GlowRect.h"
#include "skin/frame/RegionRects.h"
#include "skin/store/SkinDescription.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/sSkinStore.h"

namespace {

TBytes PackedInternalSkin() {
  std::ifstream In(QUORVANE_INTERNAL_SKIN, std::ios::binary);
  return TBytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

std::uint32_t ReadU32(const TBytes& Data, std::size_t At) {
  return Data.at(At) | Data.at(At + 1) << 8 | Data.at(At + 2) << 16 | std::uint32_t{Data.at(At + 3)} << 24;
}

// Where the zlib stream starting at From ends (inflated to its end), or 0 when it is broken.
std::size_t StreamEnd(const TBytes& Data, std::size_t From) {
  z_stream Stream{};
  if (inflateInit(&Stream) != Z_OK) return 0;
  std::vector<std::uint8_t> Sink(1 << 16);
  Stream.next_in = const_cast<Bytef*>(Data.data() + From);
  Stream.avail_in = static_cast<uInt>(Data.size() - From);
  int Result = Z_OK;
  while (Result == Z_OK) {
    Stream.next_out = Sink.data();
    Stream.avail_out = static_cast<uInt>(Sink.size());
    Result = inflate(&Stream, Z_NO_FLUSH);
  }
  const std::size_t End = Result == Z_STREAM_END ? From + Stream.total_in : 0;
  inflateEnd(&Stream);
  return End;
}

class InternalSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Data = std::make_unique<TBytes>(PackedInternalSkin());
    Package = std::make_unique<TacSkinConvertor>();
    Package->PackedData = *Data;
    ASSERT_TRUE(UnpackSkinPackage(*Package));
    ASSERT_TRUE(Package->Options.has_value());
    Description = std::make_unique<TSkinDescription>(TSkinDescription::FromBytes(*Package->Options));
    Store = std::make_unique<TsSkinStore>();
    Store->LoadSkin(Description.get(), Package.get());
  }
  // The store first: it may refer to the package, which refers to the data.
  static void TearDownTestSuite() {
    Store.reset();
    Description.reset();
    Package.reset();
    Data.reset();
  }

  static const TsMaskData& Picture(const char* Section, const char* Key) {
    const int Index = Store->GetMaskIndex(Section, Key);
    EXPECT_GE(Index, 0) << Section << "." << Key;
    return Store->ma().at(static_cast<std::size_t>(Index < 0 ? 0 : Index));
  }
  static const TsGeneralData& Section(const char* Name) {
    const int Index = Store->GetSkinIndex(Name);
    EXPECT_GE(Index, 0) << Name;
    return Store->gd().at(static_cast<std::size_t>(Index < 0 ? 0 : Index));
  }

  static inline std::unique_ptr<TBytes> Data;
  static inline std::unique_ptr<TacSkinConvertor> Package;
  static inline std::unique_ptr<TSkinDescription> Description;
  static inline std::unique_ptr<TsSkinStore> Store;
};

TEST_F(InternalSkin, TenEntriesInOrderEachAFullZlibStreamEndingWithTheData) {
  const std::vector<std::string> Expected{"Options.dat",      "ButtonHuge.bmp",  "Master.bmp",
                                          "CloseBtnGlow.png", "MaxBtnGlow.png",  "MinBtnGlow.png",
                                          "NormalBtnGlow.png", "EditGlow.png",   "ExtBord.png",
                                          "Grip.png"};
  ASSERT_GE(Data->size(), 8u);
  EXPECT_EQ(std::string(Data->begin(), Data->begin() + 4), "ASzf");
  ASSERT_EQ(ReadU32(*Data, 4), Expected.size());
  std::size_t At = 8;
  for (const std::string& Name : Expected) {
    const std::uint32_t Length = ReadU32(*Data, At);
    EXPECT_EQ(std::string(Data->begin() + At + 4, Data->begin() + At + 4 + Length), Name);
    At += 4 + Length + 4;
    EXPECT_EQ(Data->at(At), 0x78) << Name;
    EXPECT_EQ(Data->at(At + 1), 0x9C) << Name;
    At = StreamEnd(*Data, At);
    ASSERT_NE(At, 0u) << Name;
  }
  EXPECT_EQ(At, Data->size());
}

TEST_F(InternalSkin, GlobalValuesAsWritten) {
  const struct {
    const char* Key;
    const char* Value;
  } Cases[] = {
      {"VERSION", "8.10"},
      {"COLOR", "3355443"},
      {"MASTERBITMAP", "MASTER.BMP"},
      {"BICONCLOSE", "@0000@0000@0072@0050@3@1"},
      {"BICLOSEALONE", "@0000@0000@0072@0050@3@1"},
      {"BICONCLOSEGLOW0", "!CLOSEBTNGLOW.PNG!1!0!3!0008!0008!0009!0008!1"},
      {"BICONMAXGLOW0", "!MAXBTNGLOW.PNG!1!0!3!0008!0008!0009!0008!1"},
      {"BICONMINGLOW0", "!MINBTNGLOW.PNG!1!0!3!0008!0008!0009!0008!1"},
      {"BICONNORMGLOW0", "!NORMALBTNGLOW.PNG!1!0!3!0008!0008!0009!0008!1"},
      {"BITOP", "3"},
      {"BIRIGHT", "2"},
      {"BISPACE", "-2"},
      {"TITLEHEIGHT", "40"},
      {"BORDERWIDTH", "16"},
      {"BORDERMODE", "1"},
      {"EXBORDER", "!EXTBORD.PNG!2!0!3!0026!0049!0026!0026!1"},
      {"SHADOW1COLOR", "0"},
      {"SHADOW1BLUR", "1"},
      {"SHADOW1OFFSET", "1"},
      {"FADINGITERATIONS", "15"},
  };
  for (const auto& Case : Cases) {
    const std::string* Value = Description->Find("GLOBALINFO", Case.Key);
    ASSERT_NE(Value, nullptr) << Case.Key;
    EXPECT_EQ(*Value, Case.Value) << Case.Key;
  }
  EXPECT_NE(Description->Find("GLOBALINFO", "FADINGENABLED"), nullptr);
  EXPECT_NE(Description->Find("GLOBALINFO", "I"), nullptr);
  EXPECT_EQ(Description->Find("GLOBALINFO", "SICONCLOSE"), nullptr);
  for (const char* Glyph : {"BICLOSEALONE", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM"})
    EXPECT_EQ(*Description->Find("GLOBALINFO", std::string(Glyph) + "GLOWMARGIN"), "3") << Glyph;
}

TEST_F(InternalSkin, DescriptionHasEveryStandardSectionOnceAndNoParentsNorLoaderSections) {
  std::set<std::string> Names;
  for (const TSkinSection& Written : Description->Sections()) {
    std::set<std::string> Keys;
    for (const TSkinKey& Key : Written.Keys) {
      EXPECT_TRUE(Keys.insert(Key.Name).second) << Written.Name << "." << Key.Name << " twice";
      EXPECT_NE(Key.Name, "PARENTCLASS") << Written.Name;
    }
    Names.insert(Written.Name);
  }
  EXPECT_EQ(Names.size(), Description->Sections().size()) << "a section written twice";
  EXPECT_EQ(Names.count("TRANSPARENT"), 0u);
  EXPECT_EQ(Names.count("MAINCOLOR"), 0u);
  for (int Id = 0; Id < SectionCount; ++Id)
    if (Id != ssTransparent) {
      EXPECT_EQ(Names.count(acSectionNames[static_cast<std::size_t>(Id)]), 1u) << Id;
    }
  bool HotGradientNone = false;
  for (const TSkinSection& Written : Description->Sections())
    for (const TSkinKey& Key : Written.Keys) HotGradientNone |= Key.Name == "HOTGRADIENTDATA" && Key.Value == "N/A";
  EXPECT_TRUE(HotGradientNone);
}

TEST_F(InternalSkin, LoaderAddsTransparentAndMainColorLast) {
  ASSERT_GE(Store->gd().size(), 2u);
  EXPECT_EQ(Store->gd()[Store->gd().size() - 2].ClassName, "TRANSPARENT");
  EXPECT_EQ(Store->gd().back().ClassName, "MAINCOLOR");
  EXPECT_EQ(Store->GetSkinIndex("BUTTON"), Description->SectionIndex("BUTTON"));
  EXPECT_EQ(Store->ConstData().Sections[ssButton], Store->GetSkinIndex("BUTTON"));
}

TEST_F(InternalSkin, PaletteAndSkinWideValues) {
  EXPECT_EQ(Store->Palette()[pcEditBG], 3355443);
  EXPECT_EQ(Store->Palette()[pcMainColor], 3355443);
  EXPECT_DOUBLE_EQ(Store->CommonSkinData().Version, 8.1);
  EXPECT_EQ(Store->CommonSkinData().ExTitleHeight, 40);
  EXPECT_EQ(Store->CommonSkinData().ExBorderWidth, 16);
  EXPECT_EQ(Store->CommonSkinData().ExDrawMode, 1);
  EXPECT_EQ(Store->CommonSkinData().BITopMargin, 3);
  EXPECT_EQ(Store->CommonSkinData().BIRightMargin, 2);
  EXPECT_EQ(Store->CommonSkinData().BISpacing, -2);
  EXPECT_EQ(Store->CommonSkinData().Shadow1Blur, 1);
  EXPECT_EQ(Store->CommonSkinData().Shadow1Offset, 1);
  EXPECT_EQ(Store->CommonSkinData().Shadow1Color, 0);
}

TEST_F(InternalSkin, SectionColours) {
  EXPECT_EQ(Section("EDIT").Props[0].Color, 3355443);
  EXPECT_EQ(Section("EDIT").Props[0].FontColor.Color, 15724527);
  const TsGeneralData& Panel = Section("PANEL");
  EXPECT_EQ(Panel.States, 1);
  EXPECT_EQ(Panel.Props[0].Color, 4210752);
  EXPECT_EQ(Panel.Props[0].FontColor.Color, 15724527);
  EXPECT_EQ(Panel.Props[0].GradientPercent, 100);
  ASSERT_EQ(Panel.Props[0].GradientArray.size(), 2u);
  EXPECT_EQ(Panel.Props[0].GradientArray[0].Mode & GradientKindMask, 0) << "top to bottom";
  EXPECT_EQ(Picture("PANEL", "BORDERSMASK").WL, 4);
  const TsGeneralData& Title = Section("FORMTITLE");
  EXPECT_EQ(Title.States, 2);
  EXPECT_EQ(Title.Props[0].FontColor.Color, 15724527);
  EXPECT_EQ(Title.Props[1].FontColor.Color, 16777215);
  EXPECT_EQ(Section("CHECKBOX").Props[0].Transparency, 100);
  EXPECT_EQ(Section("CHECKBOX").Props[1].Transparency, 100);
}

TEST_F(InternalSkin, CaptionGlyphsAndTheirGlows) {
  const int Close = Store->ConstData().TitleGlyphs[tgClose];
  ASSERT_GE(Close, 0);
  EXPECT_EQ(Store->ConstData().TitleGlyphs[tgSmallClose], Close);
  EXPECT_EQ(Store->ma()[static_cast<std::size_t>(Close)].Width, 24);
  EXPECT_EQ(Store->ma()[static_cast<std::size_t>(Close)].Height, 25);
  for (int Glyph = tgCloseAlone; Glyph <= tgHelp; ++Glyph) EXPECT_GE(Store->ConstData().TitleGlyphs[Glyph], 0) << Glyph;
  for (int Glyph = 0; Glyph < GlowingGlyphCount; ++Glyph) {
    ASSERT_EQ(Store->ConstData().TitleGlows[Glyph].size(), 1u) << Glyph;
    EXPECT_GE(Store->ConstData().TitleGlows[Glyph][0], 0) << Glyph;
    EXPECT_EQ(Store->ConstData().GlowMargins[Glyph], 3) << Glyph;
  }
  for (int Check : Store->ConstData().CheckBox) EXPECT_GE(Check, 0);
  for (int Radio : Store->ConstData().RadioButton) EXPECT_GE(Radio, 0);
  EXPECT_GE(Store->ConstData().ExBorder, 0);
}

TEST_F(InternalSkin, SizeGripIsOpaqueOnTheScrollTrackColour) {
  // A glyph picture of its own is copied whole, alpha included; see-through pixels would
  // show black in the size box.
  const int Grip = Store->ConstData().GripRightBottom;
  ASSERT_GE(Grip, 0);
  const TsMaskData& Picture = Store->ma()[static_cast<std::size_t>(Grip)];
  ASSERT_NE(Picture.Bmp, nullptr);
  const TColor Track = Section("SCROLLBAR1H").Props[0].Color;
  EXPECT_EQ(Picture.Bmp->Row(0)[0], 0xFF000000u | ExchangeRedBlue(Track));
  for (int Y = 0; Y < Picture.Bmp->Height(); ++Y)
    for (int X = 0; X < Picture.Bmp->Width(); ++X) ASSERT_EQ(PixelAlpha(Picture.Bmp->Row(Y)[X]), 255) << X << "," << Y;
}

TEST_F(InternalSkin, ButtonGlowAndFrames) {
  const TsGeneralData& Button = Section("BUTTON");
  EXPECT_EQ(Button.GlowCount, 1);
  EXPECT_EQ(Button.GlowMargin, 3);
  const TsMaskData& Glow = Picture("BUTTON", "GLOW0");
  ASSERT_NE(Glow.Bmp, nullptr);
  EXPECT_EQ(Glow.Bmp->Width(), 30);
  EXPECT_EQ(Glow.Bmp->Height(), 30);
  EXPECT_EQ(Glow.WL, 8);
  EXPECT_EQ(Glow.WT, 8);
  EXPECT_EQ(Glow.WR, 9);
  EXPECT_EQ(Glow.WB, 8);
  EXPECT_EQ(Picture("BUTTON", "BORDERSMASK").CornerType, 0) << "its corners take clicks";
  EXPECT_FALSE(ButtonCornerLetsClickThrough(Picture("BUTTON", "BORDERSMASK"), 130, 35, {0, 0}));
  const TsMaskData& Huge = Picture("BUTTON_HUGE", "BORDERSMASK");
  ASSERT_NE(Huge.Bmp, nullptr);
  EXPECT_EQ(Huge.CornerType, 2) << "the huge button's border is given as a picture of its own";
  const int ExBorder = Store->ConstData().ExBorder;
  ASSERT_GE(ExBorder, 0);
  EXPECT_EQ(Store->ma()[static_cast<std::size_t>(ExBorder)].Width, 53);
  EXPECT_EQ(Store->ma()[static_cast<std::size_t>(ExBorder)].Height, 76);
}

TEST_F(InternalSkin, WindowFrameCornersHaveNoKeyColour) {
  for (const char* Name : {"FORM", "FORMTITLE"}) {
    const TsMaskData& Frame = Picture(Name, "BORDERSMASK");
    EXPECT_EQ(Frame.CornerType, 0) << Name;
    EXPECT_FALSE(TKeyColorCorners().HasKeyColorCorner(Store->MasterBitmap().View(), Frame)) << Name;
  }
}

TEST_F(InternalSkin, EveryScrollArrowSectionHasAGlyph) {
  for (const char* Name : {"SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM"}) {
    const TsMaskData& Arrow = Picture(Name, "GLYPHMASK");
    EXPECT_EQ(Arrow.ImageCount, 3) << Name;
    EXPECT_GT(Arrow.Width, 0) << Name;
  }
}

TEST_F(InternalSkin, ButtonFrameIsRoundedAndItsGlowSoft) {
  const TsMaskData& Frame = Picture("BUTTON", "BORDERSMASK");
  ASSERT_EQ(Frame.MaskType, 1);
  const auto MaskRed = [&](int X, int Y) {
    return (Store->MasterBitmap().Row(Frame.R.Top + Frame.Height + Y)[Frame.R.Left + X] >> 16) & 0xFF;
  };
  EXPECT_GT(MaskRed(0, 0), 128u) << "the rounded corner lets the parent show";
  EXPECT_EQ(MaskRed(Frame.Width / 2, Frame.Height / 2), 0u) << "the face is opaque";
  const TBitmap32& Glow = *Picture("BUTTON", "GLOW0").Bmp;
  EXPECT_EQ(PixelAlpha(Glow.Row(0)[0]), 0) << "the glow fades out before the picture's edge";
  const auto EdgeAlpha = PixelAlpha(Glow.Row(Glow.Height() / 2)[4]);
  EXPECT_GT(EdgeAlpha, 0);
  EXPECT_LT(EdgeAlpha, PixelAlpha(Glow.Row(Glow.Height() / 2)[Glow.Width() / 2])) << "brightest at the element";
}

// The main window's title with the internal skin and a 23-pixel caption: the lone close
// glyph (24 x 25) ends BIRIGHT + 4 pixels from the right edge, centred on 12.
TEST_F(InternalSkin, CloseButtonOfTheMainWindow) {
  const TFrameItems Items = CalcItems({814, 512, 23, 3, 3, false, true}, FrameSkinValues(*Store));
  EXPECT_EQ(Items.CloseRect, (TRect{814 - 30, 0, 814 - 6, 25}));
  EXPECT_EQ(Items.FIconRect, (TRect{3, 4, 19, 20}));
}

// A hot command button of the main window (sButton9: 169, 217 in its panel, 130 x 35) gets
// a 141 x 45 glow window 5 pixels left of and above it.
TEST_F(InternalSkin, GlowOfAMainWindowButton) {
  const std::optional<TRect> R =
      GlowWindowRect(Bounds(169, 217, 130, 35), Picture("BUTTON", "GLOW0"), Section("BUTTON").GlowMargin);
  ASSERT_TRUE(R.has_value());
  EXPECT_EQ(*R, Bounds(169 - 5, 217 - 5, 141, 45));
}

// Square corners: nothing is cut from the main window, its region is its rectangle.
TEST_F(InternalSkin, MainWindowRegionIsItsRectangle) {
  const int Form = Store->GetMaskIndex("FORM", "BORDERSMASK");
  const int Title = Store->GetMaskIndex("FORMTITLE", "BORDERSMASK");
  ASSERT_GE(Form, 0);
  ASSERT_GE(Title, 0);
  const std::vector<TRect> Rects = CollectRegionRects(*Store, Form, Title, 814, 512);
  EXPECT_TRUE(Rects.empty());
  EXPECT_EQ(WindowRegionRects(814, 512, Rects), (std::vector<TRect>{{0, 0, 814, 512}}));
}

}  // namespace
