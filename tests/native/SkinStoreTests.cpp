// The loading sequence and every lookup of the skin store, through the real container:
// each test packs a small description (and pictures) with the writer and loads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SkinFixture.h"
#include "gfx/ColorOps.h"
#include "skin/store/Blur5.h"
#include "gfx/codec/BmpCodec.h"
#include "skin/store/DefaultSystemColors.h"
#include "gfx/codec/PngEncode.h"
#include "skin/store/SkinError.h"
#include "skin/store/sSkinStore.h"

namespace {

using TImages = std::vector<std::pair<std::string, TBytes>>;

void Load(TsSkinStore& Store, const std::string& Options, const TImages& Images = {}, const std::string& Common = "") {
  const TBytes Data = PackSkin(Options, Images);
  TacSkinConvertor Package;
  Package.PackedData = Data;
  ASSERT_TRUE(UnpackSkinPackage(Package));
  ASSERT_TRUE(Package.Options.has_value());
  const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
  if (Common.empty()) Store.LoadSkin(&Description, &Package);
  else Store.LoadSkin(&Description, &Package, TSkinDescription(Common));
}

const TsGeneralData& Section(const TsSkinStore& Store, const char* Name) {
  const int Index = Store.GetSkinIndex(Name);
  EXPECT_GE(Index, 0) << Name;
  return Store.gd().at(static_cast<std::size_t>(Index < 0 ? 0 : Index));
}

const TsMaskData& Picture(const TsSkinStore& Store, const char* SectionName, const char* Key) {
  const int Index = Store.GetMaskIndex(SectionName, Key);
  EXPECT_GE(Index, 0) << SectionName << "." << Key;
  return Store.ma().at(static_cast<std::size_t>(Index < 0 ? 0 : Index));
}

constexpr TPixel32 KeyPixel = MakePixel32(255, 0, 255, 255);

// A master bitmap of 300 x 200 whose only key-colour pixels are the given ones.
TBytes MasterWithKeys(const std::vector<TPoint>& Keys) {
  TBitmap32 Master = PatternPicture(300, 200, 255);
  for (int Y = 0; Y < 200; ++Y)
    for (int X = 0; X < 300; ++X)
      if ((Master.Row(Y)[X] & 0xFFFFFF) == 0xFF00FF) Master.Row(Y)[X] = MakePixel32(1, 2, 3, 255);
  for (const TPoint& P : Keys) Master.Row(P.Y)[P.X] = KeyPixel;
  return WriteBmp32(Master.View());
}

// ---- Sections and their states

TEST(SkinStore, SectionsKeepFileOrderAndGainTransparentAndMainColor) {
  TsSkinStore Store;
  Load(Store, "[GLOBALINFO]\nCOLOR=3355443\nFONTCOLOR=15724527\n[PANEL]\n[BUTTON]\n");
  ASSERT_EQ(Store.gd().size(), 5u);
  EXPECT_EQ(Store.GetSkinIndex("BUTTON"), 2);
  EXPECT_EQ(Store.GetSkinIndex("button"), -1);
  EXPECT_EQ(Store.GetSkinIndex(""), -1);
  EXPECT_EQ(Store.gd()[3].ClassName, "TRANSPARENT");
  EXPECT_EQ(Store.gd()[4].ClassName, "MAINCOLOR");
  for (const TsGenState& State : Store.gd()[3].Props) {
    EXPECT_EQ(State.Transparency, 100);
    EXPECT_EQ(State.Color, clWhite);
    EXPECT_EQ(State.FontColor.Color, 15724527);
    EXPECT_EQ(State.FontColor.Left, -1);
  }
  EXPECT_EQ(Store.gd()[3].States, 1);
  for (const TsGenState& State : Store.gd()[4].Props) {
    EXPECT_EQ(State.Transparency, 0);
    EXPECT_EQ(State.Color, 3355443);
  }
  EXPECT_EQ(Store.ConstData().IndexGLobalInfo, 0);
  EXPECT_EQ(Store.ConstData().Sections[ssButton], 2);
  EXPECT_EQ(Store.ConstData().Sections[ssTransparent], 3);
  EXPECT_EQ(Store.ConstData().Sections[ssEdit], -1);

  TsSkinStore Own;
  Load(Own, "[TRANSPARENT]\nCOLOR=5\n[MAINCOLOR]\n");
  EXPECT_EQ(Own.gd().size(), 2u) << "sections the file has are not added again";
}

TEST(SkinStore, HotStateTakesItsOwnDefaultsNotTheNormalValues) {
  TsSkinStore Store;
  Load(Store,
       "[ONE]\nSTATES=1\nCOLOR=123\nFONTCOLOR=5\n"
       "[THREE]\nCOLOR=123\nFONTCOLOR=5\nTCLEFT=7\n"
       "[OWN]\nUSESTATE2=1\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\nTRANSPARENCY2=40\n"
       "[COPY]\nUSESTATE2=2\nHOTCOLOR=2\nCOLOR2=3\n");
  const TsGeneralData& One = Section(Store, "ONE");
  EXPECT_EQ(One.Props[1].Color, 123);
  EXPECT_EQ(One.Props[1].FontColor.Color, 5);
  EXPECT_EQ(One.Props[2].Color, 123);
  const TsGeneralData& Three = Section(Store, "THREE");
  EXPECT_EQ(Three.States, 3);
  EXPECT_EQ(Three.Props[1].Color, clWhite);
  EXPECT_EQ(Three.Props[1].FontColor.Color, 0);
  EXPECT_EQ(Three.Props[1].FontColor.Left, -1);
  EXPECT_EQ(Three.Props[1].GlowColor, clWhite);
  EXPECT_EQ(Three.Props[1].TextureIndex, -1);
  const TsGeneralData& Own = Section(Store, "OWN");
  EXPECT_TRUE(Own.UseState2);
  EXPECT_EQ(Own.Props[2].Color, 3);
  EXPECT_EQ(Own.Props[2].Transparency, 40);
  const TsGeneralData& Copy = Section(Store, "COPY");
  EXPECT_FALSE(Copy.UseState2);
  EXPECT_EQ(Copy.Props[2].Color, 2) << "the third state copies the hot one";
}

TEST(SkinStore, GradientsOfTheStates) {
  TsSkinStore Store;
  Load(Store,
       "[PANEL]\nGRADIENTPERCENT=100\nGRADIENTDATA=3618615;5263440;97;0;0;5263440;5263440;0;0;0\n"
       "HOTGRADIENTPERCENT=50\nHOTGRADIENTDATA=N/A\n[PLAIN]\nGRADIENTPERCENT=30\n");
  const TsGeneralData& Panel = Section(Store, "PANEL");
  ASSERT_EQ(Panel.Props[0].GradientArray.size(), 2u);
  EXPECT_EQ(Panel.Props[0].GradientArray[0].Color.C(), 0xFF373737u);
  EXPECT_EQ(Panel.Props[0].GradientArray[1].Percent, 100);
  EXPECT_EQ(Panel.Props[0].GradientPercent, 100);
  EXPECT_TRUE(Panel.Props[1].GradientArray.empty());
  EXPECT_EQ(Panel.Props[1].GradientPercent, 0);
  EXPECT_EQ(Section(Store, "PLAIN").Props[0].GradientPercent, 0) << "no gradient text, no gradient share";
}

TEST(SkinStore, KeysAreInheritedThroughParentClass) {
  TsSkinStore Store;
  Load(Store,
       "[BASE]\nCOLOR=1\nFONTCOLOR=2\nSTATES=2\nGLOW=300\nGIVEOWNFONT=TRUE\nOUTOPACITY=90\n"
       "[CHILD]\nPARENTCLASS=BASE\nFONTCOLOR=-5\nTRANSPARENCY=abc\nRESERVEDBOOLEAN=1\n"
       "[GRANDCHILD]\nPARENTCLASS=CHILD\nGLOWMARGIN=4\n"
       "[ASKING]\nPARENTCLASS=?\n[MISSING]\nPARENTCLASS=NOSUCH\n");
  const TsGeneralData& Child = Section(Store, "CHILD");
  EXPECT_EQ(Child.ParentClass, "BASE");
  EXPECT_EQ(Child.Props[0].Color, 1);
  EXPECT_EQ(Child.Props[0].FontColor.Color, 2) << "a negative value counts as absent";
  EXPECT_EQ(Child.Props[0].Transparency, 0);
  EXPECT_EQ(Child.States, 2);
  EXPECT_EQ(Child.GlowCount, 255) << "cut to its maximum";
  EXPECT_TRUE(Child.GiveOwnFont);
  EXPECT_TRUE(Child.ReservedBoolean);
  EXPECT_EQ(Child.OuterOpacity, 90);
  const TsGeneralData& Grandchild = Section(Store, "GRANDCHILD");
  EXPECT_EQ(Grandchild.Props[0].Color, 1);
  EXPECT_EQ(Grandchild.GlowMargin, 4);
  EXPECT_TRUE(Grandchild.ReservedBoolean) << "inherited from CHILD";
  EXPECT_EQ(Section(Store, "ASKING").Props[0].Color, clWhite);
  EXPECT_EQ(Section(Store, "MISSING").Props[0].Color, clWhite);
}

TEST(SkinStore, ParentChainsThatLoopEnd) {
  TsSkinStore Store;
  Load(Store,
       "[SELF]\nPARENTCLASS=SELF\n"
       "[A]\nPARENTCLASS=B\nCOLOR=10\n[B]\nPARENTCLASS=A\nFONTCOLOR=20\n"
       "[X]\nPARENTCLASS=Y\n[Y]\nPARENTCLASS=Z\n[Z]\nPARENTCLASS=X\nCOLOR=30\n");
  EXPECT_EQ(Section(Store, "SELF").Props[0].Color, clWhite);
  const TsGeneralData& A = Section(Store, "A");
  EXPECT_EQ(A.Props[0].FontColor.Color, 20);
  EXPECT_EQ(A.Props[0].Transparency, 0) << "absent in the whole loop: the default";
  EXPECT_EQ(Section(Store, "B").Props[0].Color, 10);
  EXPECT_EQ(Section(Store, "X").Props[0].Color, 30);
  EXPECT_EQ(Section(Store, "Y").Props[0].Color, 30);
  EXPECT_EQ(Store.GetMaskIndex(Store.GetSkinIndex("A"), "BORDERSMASK"), -1);
  EXPECT_EQ(Store.GetTextureIndex(Store.GetSkinIndex("X"), "PATTERN"), -1);
}

TEST(SkinStore, BooleansOfSections) {
  TsSkinStore Store;
  Load(Store, "[YES]\nRESERVEDBOOLEAN=yes\n[ONE]\nRESERVEDBOOLEAN=1\n[TRUE]\nRESERVEDBOOLEAN=TRUE\n");
  EXPECT_FALSE(Section(Store, "YES").ReservedBoolean);
  EXPECT_TRUE(Section(Store, "ONE").ReservedBoolean);
  EXPECT_TRUE(Section(Store, "TRUE").ReservedBoolean);
}

// ---- Pictures

TEST(SkinStore, MasterBitmapPicturesAndTheirSizes) {
  TsSkinStore Store;
  Load(Store,
       "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nBICONCLOSE=@0000@0000@0072@0050@3@1\n"
       "[BUTTON]\nBORDERSMASK=^0010^0020^0037^0038^0000^0000^0000^0000^3^1^5^0\n"
       "GLYPHMASK=@0000@0148@0028@0162@2@0\nPATTERN=~0143~0101~0144~0194~01~0\n"
       "[PANEL]\nBORDERSMASK=^0000^0000^0030^0030^0000^0000^0000^0000^1^0^1^2\n",
       {{"master.bmp", MasterWithKeys({})}});
  EXPECT_EQ(Store.MasterBitmap().Width(), 300) << "the master entry is found ignoring its case";
  const TsMaskData& Close = Picture(Store, "GLOBALINFO", "BICONCLOSE");
  EXPECT_EQ(Close.ImgType, itisaGlyph);
  EXPECT_EQ(Close.Width, 24);
  EXPECT_EQ(Close.Height, 25);
  EXPECT_EQ(Close.Bmp, nullptr);

  const TsMaskData& Border = Picture(Store, "BUTTON", "BORDERSMASK");
  EXPECT_EQ(Border.ImgType, itisaBorder);
  EXPECT_EQ(std::vector<int>({Border.WL, Border.WT, Border.WR, Border.WB}), std::vector<int>({3, 3, 3, 3}));
  EXPECT_EQ(Border.DrawMode, 5);
  EXPECT_EQ(Border.SkinIndex, Store.GetSkinIndex("BUTTON"));
  EXPECT_EQ(Border.Bmp, nullptr);  // cut from the master bitmap
  EXPECT_EQ(Section(Store, "BUTTON").BorderIndex, Store.GetMaskIndex("BUTTON", "BORDERSMASK"));

  const TsMaskData& Glyph = Picture(Store, "BUTTON", "GLYPHMASK");
  EXPECT_EQ(Glyph.R, (TRect{0, 148, 28, 162}));
  EXPECT_EQ(Glyph.Width, 14);
  EXPECT_EQ(Glyph.Height, 14);

  const TsMaskData& Pattern = Picture(Store, "BUTTON", "PATTERN");
  EXPECT_EQ(Pattern.ImgType, itisaTexture);
  EXPECT_EQ(Pattern.DrawMode, 1);
  EXPECT_EQ(Section(Store, "BUTTON").Props[0].TextureIndex, Store.GetMaskIndex("BUTTON", "PATTERN"));

  const TsMaskData& Panel = Picture(Store, "PANEL", "BORDERSMASK");
  EXPECT_EQ(std::vector<int>({Panel.WL, Panel.WT, Panel.WR, Panel.WB}), std::vector<int>({2, 2, 2, 2}))
      << "zero widths take the border width";
}

TEST(SkinStore, PictureHeightsByMaskTypeAndPicturesWithoutImageCount) {
  TsSkinStore Store;
  Load(Store,
       "[S]\nM0=@0000@0000@0030@0060@1@0\nM1=@0000@0000@0030@0060@1@1\nM2=@0000@0000@0030@0060@1@2\n"
       "M5=@0000@0000@0030@0060@1@5\nNONE=@0000@0000@0030@0020@0@0\n");
  EXPECT_EQ(Picture(Store, "S", "M0").Height, 60);
  EXPECT_EQ(Picture(Store, "S", "M1").Height, 30);
  EXPECT_EQ(Picture(Store, "S", "M2").Height, 20);
  EXPECT_EQ(Picture(Store, "S", "M5").Height, 10);
  const TsMaskData& None = Picture(Store, "S", "NONE");
  EXPECT_EQ(None.ImageCount, 1);
  EXPECT_EQ(None.Width, 0);
  EXPECT_EQ(None.Height, 20);
  EXPECT_EQ(std::vector<int>({None.WL, None.WT, None.WR, None.WB}), std::vector<int>({0, 20, 0, 20}));
}

TEST(SkinStore, CornerTypeLooksForTheKeyColourInTheCornersOfEveryStatePicture) {
  // Border of 3 pictures 10 x 10 (mask below) at (0, 0), borders 2.
  const std::string Border = "^0000^0000^0030^0020^0002^0002^0002^0002^3^1^0^0\n";
  struct TCase {
    const char* Name;
    std::vector<TPoint> Keys;
    int CornerType;
  };
  const std::vector<TCase> Cases{
      {"none", {}, 0},
      {"top left of the first", {{0, 0}}, 1},
      {"bottom right of the third", {{29, 9}}, 1},
      {"top right of the second", {{19, 1}}, 1},
      {"middle of a picture", {{5, 5}}, 0},
      {"in the mask half", {{0, 10}}, 0},
  };
  for (const TCase& Case : Cases) {
    TsSkinStore Store;
    Load(Store, "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[FORM]\nBORDERSMASK=" + Border,
         {{"MASTER.BMP", MasterWithKeys(Case.Keys)}});
    EXPECT_EQ(Picture(Store, "FORM", "BORDERSMASK").CornerType, Case.CornerType) << Case.Name;
  }
  TsSkinStore Huge;
  Load(Huge, "[BUTTON_HUGE]\nBORDERSMASK=" + Border + "[BUTTON]\nBORDERSMASK=" + Border);
  EXPECT_EQ(Picture(Huge, "BUTTON_HUGE", "BORDERSMASK").CornerType, 2);
  EXPECT_EQ(Picture(Huge, "BUTTON", "BORDERSMASK").CornerType, 0);
}

TEST(SkinStore, HugeButtonBorderAsASeparatePictureHasItsOwnCornerType) {
  // Three 10 x 10 state pictures over their mask, borders 2; keyed or not, the huge
  // button's border is type 2, another section's border by its key colour.
  const std::string Border = "!FRAME.BMP!3!1!0!0002!0002!0002!0002!0\n";
  struct TCase {
    const char* Section;
    std::vector<TPoint> Keys;
    int CornerType;
  };
  const std::vector<TCase> Cases{
      {"BUTTON_HUGE", {}, 2}, {"BUTTON_HUGE", {{0, 0}}, 2}, {"BUTTON", {{0, 0}}, 1}, {"BUTTON", {}, 0}};
  for (const TCase& Case : Cases) {
    TsSkinStore Store;
    Load(Store, std::string("[") + Case.Section + "]\nBORDERSMASK=" + Border, {{"FRAME.BMP", MasterWithKeys(Case.Keys)}});
    EXPECT_EQ(Picture(Store, Case.Section, "BORDERSMASK").CornerType, Case.CornerType)
        << Case.Section << " " << Case.Keys.size();
  }
}

TEST(SkinStore, CornerTestLeavesOutTheLastRowAndColumnOfTheBitmap) {
  TBitmap32 Master(10, 10);
  Master.Fill(MakePixel32(9, 9, 9, 255));
  Master.Row(9)[9] = KeyPixel;
  TsSkinStore Store;
  Load(Store, "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[F]\nBORDERSMASK=^0000^0000^0010^0010^0002^0002^0002^0002^1^0^0^0\n",
       {{"MASTER.BMP", WriteBmp32(Master.View())}});
  EXPECT_EQ(Picture(Store, "F", "BORDERSMASK").CornerType, 0);
}

TEST(SkinStore, SeparateImagesAreDecodedOncePerSkin) {
  TsSkinStore Store;
  Load(Store,
       "[BUTTON]\nGLOW=1\nGLOW0=!EDITGLOW.PNG!1!0!3!0008!0008!0009!0008!1\nSAME=!EDITGLOW.PNG!2!1!9\n"
       "WOOD=WOOD.BMP\nMISSING=!NOSUCH.PNG!1!0!3\nTEXT=!README.TXT!1!0!3\n",
       {{"EditGlow.png", EncodePng(PatternPicture(30, 30, 255))}, {"Wood.bmp", WriteBmp32(PatternPicture(8, 6, 255).View())},
        {"Readme.txt", TBytes(10, 'x')}});
  const TsMaskData& Glow = Picture(Store, "BUTTON", "GLOW0");
  EXPECT_EQ(Glow.ImgType, itisaGlow);
  EXPECT_EQ(Glow.R, (TRect{0, 0, 30, 30}));
  EXPECT_EQ(std::vector<int>({Glow.WL, Glow.WT, Glow.WR, Glow.WB, Glow.DrawMode}), std::vector<int>({8, 8, 9, 8, 1}));
  const TsMaskData& Same = Picture(Store, "BUTTON", "SAME");
  EXPECT_EQ(Same.Bmp, Glow.Bmp);
  EXPECT_EQ(Same.ImgType, itisaPngGlyph);
  EXPECT_EQ(std::vector<int>({Same.WL, Same.WT, Same.WR, Same.WB}), std::vector<int>({5, 5, 5, 5}))
      << "without border words: width / (3 * images), height / (3 * masks + 3)";
  const TsMaskData& Wood = Picture(Store, "BUTTON", "WOOD");
  EXPECT_EQ(Wood.ImgType, itisaTexture);
  EXPECT_EQ(Wood.ImageCount, 1);
  EXPECT_EQ(Store.GetMaskIndex("BUTTON", "MISSING"), -1);
  EXPECT_EQ(Store.GetMaskIndex("BUTTON", "TEXT"), -1) << "an unknown kind is no picture";
  EXPECT_EQ(Store.ExtArray().size(), 3u) << "EDITGLOW.PNG once, WOOD.BMP, README.TXT (empty)";
  EXPECT_EQ(Store.ExtArray()[0].FileName, "EDITGLOW.PNG");
}

TEST(SkinStore, ScaleVariantsOfImagesAndBordersAreSkipped) {
  TsSkinStore Store;
  Load(Store,
       "[BUTTON]\nBORDERSMASK*125=^0000^0000^0030^0020^0002^0002^0002^0002^3^1^0^0\n"
       "GLOW0*150=!G.PNG!1!0!3\nGLYPHMASK*125=@0000@0000@0030@0020@1@0\n",
       {{"G.PNG", EncodePng(PatternPicture(4, 4, 255))}});
  EXPECT_EQ(Store.GetMaskIndex("BUTTON", "BORDERSMASK*125"), -1);
  EXPECT_EQ(Store.GetMaskIndex("BUTTON", "GLOW0*150"), -1);
  EXPECT_GE(Store.GetMaskIndex("BUTTON", "GLYPHMASK*125"), 0) << "other variants load under their own name";
  EXPECT_EQ(Section(Store, "BUTTON").BorderIndex, -1);
}

TEST(SkinStore, KeyColourRuleAndPremultiplyRuleOfSeparateImages) {
  TBitmap32 Glow(2, 1);
  Glow.Row(0)[0] = MakePixel32(200, 100, 50, 128);
  Glow.Row(0)[1] = 0x00FFFFFF;
  TBitmap32 Keyed(2, 1);
  Keyed.Row(0)[0] = KeyPixel;
  Keyed.Row(0)[1] = MakePixel32(1, 2, 3, 0);
  const TImages Images{{"G.PNG", EncodePng(Glow)}, {"K.BMP", WriteBmp32(Keyed.View())}, {"J.JPG", EncodeJpeg(PatternPicture(8, 8, 255), 90)}};
  const std::string Keys = "[S]\nG=!G.PNG!1!0!3\nJ=!J.JPG!1!0!1\n";
  struct TCase {
    const char* Name;
    const char* Version;
    bool Composition;
    TPixel32 First;
    TPixel32 Second;
  };
  const std::vector<TCase> Cases{
      {"composition, new skin", "8.10", true, MakePixel32(100, 50, 25, 128), 0},
      {"no composition", "8.10", false, MakePixel32(200, 100, 50, 128), 0x00FFFFFF},
      {"old skin", "7.45", true, MakePixel32(200, 100, 50, 128), 0x00FFFFFF},
  };
  for (const TCase& Case : Cases) {
    TsSkinStore Store;
    TsSystemInfo System = Store.System();
    System.DesktopComposition = Case.Composition;
    Store.SetSystem(System);
    Load(Store, std::string("[GLOBALINFO]\nVERSION=") + Case.Version + "\n" + Keys, Images);
    const TBitmap32& Decoded = *Picture(Store, "S", "G").Bmp;
    EXPECT_EQ(Decoded.Row(0)[0], Case.First) << Case.Name;
    EXPECT_EQ(Decoded.Row(0)[1], Case.Second) << Case.Name;
    const TBitmap32& Jpeg = *Picture(Store, "S", "J").Bmp;
    EXPECT_EQ(PixelAlpha(Jpeg.Row(3)[3]), 255);
  }
}

TEST(SkinStore, MasterWithoutAlphaGetsTheKeyColourTransparent) {
  // An 8-bit master: fuchsia and grey in the table.
  TBytes File{'B', 'M'};
  const auto U32 = [&](std::uint32_t V) {
    for (int I = 0; I < 4; ++I) File.push_back(static_cast<std::uint8_t>(V >> (8 * I)));
  };
  U32(14 + 40 + 8 + 4);
  U32(0);
  U32(14 + 40 + 8);
  U32(40);
  U32(2);
  U32(1);
  U32(1 | 8 << 16);
  for (int I = 0; I < 4; ++I) U32(0);
  U32(2);
  U32(0);
  U32(0xFF00FF);
  U32(0x808080);
  U32(0x0100);
  TsSkinStore Store;
  Load(Store, "[GLOBALINFO]\nMASTERBITMAP=M.BMP\n", {{"M.BMP", File}});
  ASSERT_EQ(Store.MasterBitmap().Width(), 2);
  EXPECT_EQ(Store.MasterBitmap().Row(0)[0], MakePixel32(255, 0, 255, 0));
  EXPECT_EQ(Store.MasterBitmap().Row(0)[1], MakePixel32(128, 128, 128, 255));
}

TEST(SkinStore, UnpackedSkinsReadTheirFilesFromTheSkinFolder) {
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "qv_unpacked_skin_test";
  std::filesystem::create_directories(Dir);
  const TBytes Master = MasterWithKeys({});
  std::ofstream(Dir / "MASTER.BMP", std::ios::binary).write(reinterpret_cast<const char*>(Master.data()), static_cast<std::streamsize>(Master.size()));
  const TBytes Glow = EncodePng(PatternPicture(6, 6, 255));
  std::ofstream(Dir / "GLOW.PNG", std::ios::binary).write(reinterpret_cast<const char*>(Glow.data()), static_cast<std::streamsize>(Glow.size()));
  TsSkinStore Store;
  Store.SetSkinPath(Dir);
  const TSkinDescription Description("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[B]\nGLOW0=!GLOW.PNG!1!0!3\nNONE=!NONE.PNG!1!0!3\n");
  Store.LoadSkin(&Description, nullptr);
  EXPECT_EQ(Store.MasterBitmap().Width(), 300);
  EXPECT_GE(Store.GetMaskIndex("B", "GLOW0"), 0);
  EXPECT_EQ(Store.GetMaskIndex("B", "NONE"), -1);
  std::filesystem::remove_all(Dir);
}

// ---- Lookups

TEST(SkinStore, MaskAndTextureLookupsFollowParents) {
  TsSkinStore Store;
  Load(Store,
       "[BASE]\nBORDERSMASK=^0000^0000^0030^0020^0002^0002^0002^0002^3^1^0^0\n"
       "PATTERN=~0000~0000~0008~0008~01~0\nGLYPHMASK=@0000@0000@0030@0020@1@0\n"
       "[CHILD]\nPARENTCLASS=BASE\n[GRANDCHILD]\nPARENTCLASS=CHILD\n[SELF]\nPARENTCLASS=SELF\n");
  const int Base = Store.GetSkinIndex("BASE");
  const int Child = Store.GetSkinIndex("CHILD");
  const int Grandchild = Store.GetSkinIndex("GRANDCHILD");
  const int Self = Store.GetSkinIndex("SELF");
  const int Border = Store.GetMaskIndex("BASE", "BORDERSMASK");
  const int Pattern = Store.GetMaskIndex("BASE", "PATTERN");
  ASSERT_GE(Border, 0);
  EXPECT_EQ(Store.GetMaskIndex(Child, "CHILD", "BORDERSMASK"), Border);
  EXPECT_EQ(Store.GetMaskIndex(Grandchild, "GRANDCHILD", "BORDERSMASK"), Border);
  EXPECT_EQ(Store.GetMaskIndex(Grandchild, "BORDERSMASK"), Border);
  EXPECT_EQ(Store.GetMaskIndex("CHILD", "BORDERSMASK"), -1) << "the named section only";
  EXPECT_EQ(Store.GetMaskIndex(Base, "NOSUCH"), -1);
  EXPECT_EQ(Store.GetTextureIndex(Grandchild, "GRANDCHILD", "PATTERN"), Pattern);
  EXPECT_EQ(Store.GetTextureIndex(Grandchild, "PATTERN"), Pattern);
  EXPECT_EQ(Store.GetTextureIndex(Base, "GLYPHMASK"), -1) << "a glyph is no texture";
  EXPECT_EQ(Store.GetTextureIndex(Base, "BASE", "GLYPHMASK"), -1);
  EXPECT_EQ(Section(Store, "GRANDCHILD").BorderIndex, Border);
  EXPECT_EQ(Section(Store, "GRANDCHILD").Props[0].TextureIndex, Pattern);
  for (const int Found : {Store.GetMaskIndex(Self, "SELF", "BORDERSMASK"), Store.GetMaskIndex(Self, "BORDERSMASK"),
                          Store.GetTextureIndex(Self, "SELF", "PATTERN"), Store.GetTextureIndex(Self, "PATTERN")})
    EXPECT_EQ(Found, -1);
  EXPECT_EQ(Store.GetMaskIndex(-1, "BORDERSMASK"), -1);
  EXPECT_EQ(Store.GetMaskIndex(99, "X", "BORDERSMASK"), -1);
}

TEST(SkinStore, IndexValidityAndAnswersAboutTheSkin) {
  TsSkinStore Store;
  EXPECT_EQ(Store.GetSkinInfo(), "N/A");
  EXPECT_TRUE(Store.GetSkinSections().empty());
  Load(Store, "[GLOBALINFO]\nVERSION=8.10\n[S]\nG=@0000@0000@0030@0020@1@0\n");
  Store.SetActive(true);
  EXPECT_EQ(Store.GetSkinInfo(), "8.1");
  EXPECT_EQ(Store.GetVersion(), "12.08");
  EXPECT_EQ(Store.GetSkinSections(), (std::vector<std::string>{"GLOBALINFO", "S", "TRANSPARENT", "MAINCOLOR"}));
  EXPECT_TRUE(Store.IsValidSkinIndex(0));
  EXPECT_TRUE(Store.IsValidSkinIndex(3));
  EXPECT_FALSE(Store.IsValidSkinIndex(4));
  EXPECT_FALSE(Store.IsValidSkinIndex(-1));
  EXPECT_TRUE(Store.IsValidImgIndex(static_cast<int>(Store.ma().size()) - 1));
  EXPECT_FALSE(Store.IsValidImgIndex(static_cast<int>(Store.ma().size())));
  EXPECT_EQ(Store.FormShadowSize(), TRect{});
}

TEST(SkinStore, ScrollBorderOffsetOfSections) {
  TsSkinStore Store;
  Load(Store,
       "[EDIT]\nBORDERSMASK=^0000^0000^0030^0020^0001^0001^0001^0001^3^1^0^0\n"
       "[ALPHAEDIT]\nBORDERSMASK=^0000^0000^0030^0020^0001^0001^0001^0002^3^1^0^0\n"
       "[PANEL]\nBORDERSMASK=^0000^0000^0030^0020^0001^0001^0001^0001^3^1^0^0\n[BARE]\n");
  EXPECT_EQ(Section(Store, "EDIT").ScrollBorderOffset, -1);
  EXPECT_EQ(Section(Store, "ALPHAEDIT").ScrollBorderOffset, 0);
  EXPECT_EQ(Section(Store, "PANEL").ScrollBorderOffset, 0);
  EXPECT_EQ(Section(Store, "BARE").ScrollBorderOffset, -2);
}

TEST(SkinStore, CaptionGlyphsFallBackAndCollectTheirGlows) {
  TsSkinStore Store;
  Load(Store,
       "[GLOBALINFO]\nBICONCLOSE=@0000@0000@0072@0050@3@1\nBICONMAX=@0072@0000@0144@0050@3@1\n"
       "SICONMAX=@0000@0050@0048@0082@3@1\nBICONCLOSEGLOW=2\nBICONCLOSEGLOWMARGIN=3\n"
       "BICONCLOSEGLOW0=@0000@0100@0030@0130@1@0\nBICONCLOSEGLOW1=@0030@0100@0060@0130@1@0\n"
       "RADIOCHECKED=@0000@0130@0016@0146@1@0\nEXBORDER=@0000@0150@0020@0170@1@0\n");
  const TConstantSkinData& C = Store.ConstData();
  const int Close = Store.GetMaskIndex("GLOBALINFO", "BICONCLOSE");
  EXPECT_EQ(C.TitleGlyphs[tgClose], Close);
  EXPECT_EQ(C.TitleGlyphs[tgCloseAlone], Close);
  EXPECT_EQ(C.TitleGlyphs[tgSmallClose], Close);
  EXPECT_EQ(C.TitleGlyphs[tgSmallMax], Store.GetMaskIndex("GLOBALINFO", "SICONMAX"));
  EXPECT_EQ(C.TitleGlyphs[tgSmallMin], -1);
  EXPECT_EQ(C.TitleGlyphs[tgNone], -1);
  ASSERT_EQ(C.TitleGlows[tgClose].size(), 2u);
  EXPECT_EQ(C.TitleGlows[tgClose][1], Store.GetMaskIndex("GLOBALINFO", "BICONCLOSEGLOW1"));
  EXPECT_EQ(C.TitleGlows[tgCloseAlone], C.TitleGlows[tgClose]);
  EXPECT_EQ(C.GlowMargins[tgCloseAlone], 3);
  EXPECT_TRUE(C.TitleGlows[tgMax].empty());
  EXPECT_EQ(C.RadioButton[1], Store.GetMaskIndex("GLOBALINFO", "RADIOCHECKED"));
  EXPECT_EQ(C.RadioButton[0], -1);
  EXPECT_EQ(C.ExBorder, Store.GetMaskIndex("GLOBALINFO", "EXBORDER"));
}

TEST(SkinStore, CaptionGlowCountsAreBounded) {
  TsSkinStore Store;
  Load(Store, "[GLOBALINFO]\nBICONMAXGLOW=2000000000\nBICONMINGLOW=-3\n");
  EXPECT_EQ(Store.ConstData().TitleGlows[tgMax].size(), 255u);
  EXPECT_TRUE(Store.ConstData().TitleGlows[tgMin].empty());
}

TEST(SkinStore, ElementsResolveWithTheirFallbacks) {
  TsSkinStore Store;
  Load(Store,
       "[BUTTON]\nBORDERSMASK=^0000^0000^0030^0020^0002^0002^0002^0002^3^1^0^0\n"
       "[UPDOWNBTN_TOP]\n[COMBOBOX]\nGLYPHMASK=@0000@0000@0030@0020@1@0\n[COMBOBTN]\n"
       "[TABLEFTLAST]\n[TABBOTTOM]\n[TRACKBAR]\nSLIDERMASK=@0000@0000@0010@0010@1@0\nSLIDERVMASK=@0010@0000@0020@0010@1@0\n"
       "TICKVERT=@0020@0000@0030@0010@1@0\n");
  const TConstantSkinData& C = Store.ConstData();
  EXPECT_EQ(C.UpDownBtns[sdTop].SkinIndex, Store.GetSkinIndex("UPDOWNBTN_TOP"));
  EXPECT_EQ(C.UpDownBtns[sdLeft].SkinIndex, Store.GetSkinIndex("BUTTON"));
  EXPECT_EQ(C.UpDownBtns[sdLeft].MaskIndex, Store.GetMaskIndex("BUTTON", "BORDERSMASK"));
  EXPECT_EQ(C.UpDownBtns[sdLeft].SkinSection, "BUTTON");
  EXPECT_EQ(C.ComboBtn.SkinIndex, Store.GetSkinIndex("COMBOBTN"));
  EXPECT_EQ(C.ComboBtn.GlyphIndex, Store.GetMaskIndex("COMBOBOX", "GLYPHMASK"));
  EXPECT_EQ(C.Tabs[tpLast * 4 + sdLeft].SkinIndex, Store.GetSkinIndex("TABLEFTLAST"));
  EXPECT_EQ(C.Tabs[tpSingle * 4 + sdBottom].SkinIndex, Store.GetSkinIndex("TABBOTTOM"));
  EXPECT_EQ(C.Tabs[tpFirst * 4 + sdTop].SkinIndex, -1);
  EXPECT_EQ(C.TrackBar[0].SliderIndex, Store.GetMaskIndex("TRACKBAR", "SLIDERVMASK"));
  EXPECT_EQ(C.TrackBar[1].SliderIndex, Store.GetMaskIndex("TRACKBAR", "SLIDERMASK"));
  EXPECT_EQ(C.TrackBar[0].TickIndex, Store.GetMaskIndex("TRACKBAR", "TICKVERT"));
  EXPECT_EQ(C.TrackBar[1].TickIndex, -1);
}

// ---- Outer effects

TEST(SkinStore, Blur5IsASoftSquareOpaqueInTheMiddle) {
  const TBitmap32 Blur = MakeBlur5();
  ASSERT_EQ(Blur.Width(), 19);
  ASSERT_EQ(Blur.Height(), 19);
  EXPECT_EQ(Blur.Row(9)[9] & 0xFFFFFF, 0u);
  EXPECT_GE(Blur.Row(0)[0] & 0xFF, 250u);
  for (int X = 0; X < 9; ++X) {
    EXPECT_GT(Blur.Row(9)[X] & 0xFF, Blur.Row(9)[X + 1] & 0xFF) << "fades towards the edge at " << X;
    EXPECT_EQ(Blur.Row(9)[X], Blur.Row(9)[18 - X]);
    EXPECT_EQ(Blur.Row(X)[9], Blur.Row(9)[X]);
  }
}

TEST(SkinStore, GeneratedOuterEffectMaskHoldsTheSideColoursAboveAndBlur5Below) {
  TsSkinStore Store;
  Load(Store, "[GLOBALINFO]\nSH_COLORT=255\nSH_COLORB=65280\nSH_COLORL=16711680\nSH_COLORR=65535\nSH_WIDTHL=4\n");
  const TacOutEffData& Shadow = Store.oe()[1];
  ASSERT_TRUE(Store.IsValidImgIndex(Shadow.Mask));
  EXPECT_EQ(std::vector<int>({Shadow.WidthL, Shadow.WidthT, Shadow.WidthR, Shadow.WidthB}), std::vector<int>({4, 9, 9, 9}));
  EXPECT_EQ(std::vector<int>({Shadow.OffsetL, Shadow.OffsetT, Shadow.OffsetR, Shadow.OffsetB, Shadow.Opacity}),
            std::vector<int>({3, 2, 3, 5, 60}));
  const TsMaskData& Mask = Store.ma()[static_cast<std::size_t>(Shadow.Mask)];
  EXPECT_EQ(Mask.R, (TRect{0, 0, 19, 38}));
  EXPECT_EQ(std::vector<int>({Mask.ImageCount, Mask.MaskType, Mask.DrawMode, Mask.BorderWidth, Mask.WL, Mask.WT, Mask.WR, Mask.WB}),
            std::vector<int>({1, 1, 1, 9, 9, 9, 9, 9}));
  EXPECT_EQ(Mask.Width, 19);
  EXPECT_EQ(Mask.Height, 19);
  const TBitmap32& Image = *Mask.Bmp;
  EXPECT_EQ(Image.Row(0)[9], MakePixel32(255, 0, 0, 255)) << "top";
  EXPECT_EQ(Image.Row(18)[9], MakePixel32(0, 255, 0, 255)) << "bottom";
  EXPECT_EQ(Image.Row(9)[0], MakePixel32(0, 0, 255, 255)) << "left";
  EXPECT_EQ(Image.Row(9)[18], MakePixel32(255, 255, 0, 255)) << "right";
  const TBitmap32 Blur = MakeBlur5();
  for (int Y = 0; Y < 19; ++Y)
    for (int X = 0; X < 19; ++X) ASSERT_EQ(Image.Row(19 + Y)[X], Blur.Row(Y)[X]);
  EXPECT_EQ(Store.oe()[0].Opacity, 200);
  EXPECT_EQ(Store.oe()[0].ColorL, clWhite);
}

TEST(SkinStore, OuterEffectMaskFromTheFileOrNone) {
  TsSkinStore Store;
  Load(Store,
       "[GLOBALINFO]\nSH_SOURCE=1\nSH_MASK=^0000^0000^0030^0060^0005^0005^0005^0005^1^1^1^5\nLO_SOURCE=0\n");
  ASSERT_TRUE(Store.IsValidImgIndex(Store.oe()[1].Mask));
  const TsMaskData& Mask = Store.ma()[static_cast<std::size_t>(Store.oe()[1].Mask)];
  EXPECT_EQ(Mask.R, (TRect{0, 0, 30, 60}));
  EXPECT_EQ(Mask.Bmp, nullptr);
  EXPECT_EQ(Mask.CornerType, 0);
  EXPECT_EQ(Store.oe()[1].WidthL, -1);
  EXPECT_EQ(Store.oe()[0].Mask, -1);
  TsSkinStore Absent;
  Load(Absent, "[GLOBALINFO]\nSH_SOURCE=1\n");
  EXPECT_EQ(Absent.oe()[1].Mask, -1);
}

// ---- Palette

TEST(SkinStore, PaletteFromTheDescription) {
  TsSkinStore Store;
  Load(Store,
       "[GLOBALINFO]\nCOLOR=3355443\nFONTCOLOR=15724527\nBORDERCOLOR=-2\nBTNCOLOR1NORMAL=4294967295\nEDITTEXT_ALERT=99\n"
       "[EDIT]\nCOLOR=3355443\nFONTCOLOR=15724527\n[HINT]\nCOLOR=-16777192\nFONTCOLOR=7\n");
  const TacPaletteArray& P = Store.Palette();
  EXPECT_EQ(P[pcMainColor], 3355443);
  EXPECT_EQ(P[pcLabelText], 15724527);
  EXPECT_EQ(P[pcEditBG], 3355443);
  EXPECT_EQ(P[pcEditText], 15724527);
  EXPECT_EQ(P[pcBorder], -2) << "negative values in GLOBALINFO are kept";
  EXPECT_EQ(P[pcBtnColor1Normal], -1) << "64-bit value kept in 32 bits";
  EXPECT_EQ(P[pcEditText_Alert], 99);
  EXPECT_EQ(P[pcEditText_Caution], 99);
  EXPECT_EQ(P[pcEditBG_Caution], 0x8597D9);
  EXPECT_EQ(P[pcEditBG_EvenRow], static_cast<TColor>(BlendTwoColors(15724527, 3355443, 13)));
  EXPECT_EQ(P[pcGrid], static_cast<TColor>(BlendTwoColors(15724527, 3355443, 30)));
  EXPECT_EQ(P[pcBtnColor1Active], static_cast<TColor>(BlendTwoColors(3355443, 0xFFFFFF, 177) | 0xFF000000u));
  EXPECT_EQ(P[pcBtnBorderActive], -2);
  EXPECT_EQ(P[pcEditBG_Inverted], 15724527);
  EXPECT_EQ(P[pcHintText], 7);
  EXPECT_EQ(P[pcHintBG], clWhite) << "a negative section colour counts as absent";
  EXPECT_EQ(Store.GetActiveEditColor(), 3355443);
  EXPECT_EQ(Store.GetGlobalFontColor(), 15724527);
}

TEST(SkinStore, WithoutDescriptionOnlyDefaults) {
  TsSkinStore Store;
  Store.LoadSkin(nullptr, nullptr);
  ASSERT_EQ(Store.gd().size(), 2u);
  EXPECT_EQ(Store.gd()[0].ClassName, "TRANSPARENT");
  EXPECT_TRUE(Store.ma().empty());
  const TacPaletteArray& P = Store.Palette();
  EXPECT_EQ(P[pcMainColor], DefaultSystemColor(15));
  EXPECT_EQ(P[pcEditBG], DefaultSystemColor(5));
  EXPECT_EQ(P[pcEditText], DefaultSystemColor(8));
  EXPECT_EQ(P[pcWebText], clBlue);
  EXPECT_EQ(P[pcWebTextHot], clRed);
  EXPECT_EQ(P[pcSelectionBG], DefaultSystemColor(13));
  EXPECT_EQ(P[pcSelectionText_Focused], DefaultSystemColor(14));
  EXPECT_EQ(P[pcHintBG], DefaultSystemColor(24));
  EXPECT_EQ(P[pcEditText_Ok], 0x008000);
  EXPECT_EQ(Store.ConstData().Sections[ssTransparent], 0);
}

TEST(SkinStore, SystemColoursAreAskedOfThePlatform) {
  TsSkinStore Store;
  TsSystemInfo System = Store.System();
  System.Color = [](int Index) { return Index * 1000; };
  Store.SetSystem(System);
  Load(Store, "[EDIT]\nCOLOR=-16777211\n");  // 0xFF000005: the window colour
  EXPECT_EQ(Store.Palette()[pcEditBG], clWhite) << "negative counts as absent in sections";
  Load(Store, "[GLOBALINFO]\n[HINT]\n");
  EXPECT_EQ(Store.Palette()[pcMainColor], 15000);
  EXPECT_EQ(Store.ColorToRGB(clHighlight), 13000);
  EXPECT_EQ(Store.ColorToRGB(0x123456), 0x123456);
}

TEST(SkinStore, SelectionColoursAndTheirFallbacks) {
  struct TCase {
    const char* Name;
    std::string Options;
    std::array<TColor, 4> Expected;  // BG, Text, BG focused, text focused
  };
  const TColor Highlight = DefaultSystemColor(13), HighlightText = DefaultSystemColor(14);
  const std::vector<TCase> Cases{
      {"selection", "[SELECTION]\nCOLOR=1\nFONTCOLOR=2\nHOTCOLOR=3\nHOTFONTCOLOR=4\n", {1, 2, 3, 4}},
      {"one-state selection", "[SELECTION]\nSTATES=1\nCOLOR=1\nFONTCOLOR=2\nHOTCOLOR=3\n", {1, 2, 1, 2}},
      {"menu item", "[MENUITEM]\nHOTCOLOR=5\nHOTFONTCOLOR=6\n", {5, 6, 5, 6}},
      {"key-coloured selection text", "[SELECTION]\nFONTCOLOR=16711935\n[MENUITEM]\nHOTCOLOR=5\nHOTFONTCOLOR=16711935\n",
       {5, HighlightText, 5, HighlightText}},
      {"nothing", "[OTHER]\n", {Highlight, HighlightText, Highlight, HighlightText}},
  };
  for (const TCase& Case : Cases) {
    TsSkinStore Store;
    Load(Store, Case.Options);
    const TacPaletteArray& P = Store.Palette();
    EXPECT_EQ((std::array<TColor, 4>{P[pcSelectionBG], P[pcSelectionText], P[pcSelectionBG_Focused], P[pcSelectionText_Focused]}),
              Case.Expected)
        << Case.Name;
    EXPECT_EQ(Store.GetHighLightColor(true), P[pcSelectionBG_Focused]);
  }
}

// ---- Colour adjustments

TEST(SkinStore, HueShiftKeepsTheCloseGlyphsWhenAsked) {
  TBitmap32 Master(40, 10);
  Master.Fill(MakePixel32(255, 0, 0, 255));
  Master.Row(5)[35] = KeyPixel;
  const TImages Images{{"M.BMP", WriteBmp32(Master.View())}};
  const std::string Options =
      "[GLOBALINFO]\nMASTERBITMAP=M.BMP\nBICONCLOSE=@0000@0000@0010@0010@1@0\nBICONMAX=@0010@0000@0020@0010@1@0\n"
      "COLOR=255\nTCTOP=255\n[S]\nCOLOR=255\nFONTCOLOR=16711935\nTCLEFT=-1\n";
  const TPixel32 Red = MakePixel32(255, 0, 0, 255), Green = MakePixel32(0, 255, 0, 255);
  for (const int KeepHue : {0, 1, 2}) {
    TsSkinStore Store;
    Store.SetHueOffset(120);
    Load(Store, Options + "[GLOBALINFO]\nBIKEEPHUE=" + std::to_string(KeepHue) + "\n", Images);
    EXPECT_EQ(Store.MasterBitmap().Row(5)[5], KeepHue >= 1 ? Red : Green) << KeepHue;
    EXPECT_EQ(Store.MasterBitmap().Row(5)[15], KeepHue == 1 ? Red : Green) << KeepHue;
    EXPECT_EQ(Store.MasterBitmap().Row(5)[25], Green) << KeepHue;
    EXPECT_EQ(Store.MasterBitmap().Row(5)[35], KeyPixel) << "the key colour never changes";
    EXPECT_EQ(Section(Store, "S").Props[0].Color, 0x00FF00);
    EXPECT_EQ(Section(Store, "S").Props[0].FontColor.Color, clFuchsia);
    EXPECT_EQ(Store.Palette()[pcMainColor], 0x00FF00);
    EXPECT_EQ(Store.Palette()[pcWebTextHot], 255) << "the hot link colour keeps its hue";
  }
}

TEST(SkinStore, InvertedRectanglesKeepNothingAndBreakNothing) {
  TBitmap32 Master(30, 30);
  Master.Fill(MakePixel32(255, 0, 0, 255));
  TsSkinStore Store;
  Store.SetHueOffset(120);
  Store.SetBrightness(10);
  Load(Store,
       "[GLOBALINFO]\nMASTERBITMAP=M.BMP\nBIKEEPHUE=1\nBICONCLOSE=@0020@0000@0010@0010@1@0\n"
       "[S]\nB=^0020^0020^0010^0010^0002^0002^0002^0002^1^1^0^0\n",
       {{"M.BMP", WriteBmp32(Master.View())}});
  EXPECT_EQ(Store.MasterBitmap().Row(5)[15], ScaleBrightness(MakePixel32(0, 255, 0, 255), PercentToWeight(10)));
  EXPECT_EQ(Picture(Store, "S", "B").CornerType, 0);
}

TEST(SkinStore, SaturationAndBrightnessChangeColoursAndPictures) {
  const TImages Images{{"G.PNG", EncodePng(PatternPicture(4, 4, 255))}};
  const std::string Options = "[S]\nCOLOR=255\nHOTCOLOR=8421504\nG=!G.PNG!1!0!1\n";
  TsSkinStore Grey;
  Grey.SetSaturation(-100);
  Load(Grey, Options, Images);
  const TColor Red = Section(Grey, "S").Props[0].Color;
  EXPECT_EQ(Red & 0xFF, (Red >> 8) & 0xFF);
  EXPECT_EQ(Red & 0xFF, (Red >> 16) & 0xFF);
  const TPixel32 P = Grey.ExtArray()[0].Bmp->Row(2)[3];
  EXPECT_EQ(P & 0xFF, (P >> 8) & 0xFF);

  TsSkinStore Dark;
  Dark.SetBrightness(-50);
  Load(Dark, Options, Images);
  EXPECT_EQ(Section(Dark, "S").Props[1].Color, static_cast<TColor>(ScaleBrightness(8421504, -127)));
  EXPECT_EQ(Dark.ExtArray()[0].Bmp->Row(2)[3], ScaleBrightness(PatternPicture(4, 4, 255).Row(2)[3], -127));
}

// ---- Common sections

TEST(SkinStore, CommonSectionOfANewNameCopiesItsParentAndAppliesItsKeys) {
  TsSkinStore Store;
  Load(Store,
       "[BASE]\nCOLOR=1\nFONTCOLOR=2\nSTATES=2\nHOTCOLOR=3\nGLOW=4\n"
       "BORDERSMASK=^0000^0000^0030^0020^0002^0002^0002^0002^3^1^0^0\n[OTHER]\n",
       {},
       "[EXTRA]\nPARENTCLASS=BASE\nFONTCOLOR=9\nHOTCOLOR=7\n[ALONE]\nTRANSPARENCY=30\nPARENTCLASS=NOSUCH\n"
       "[LATER]\nPARENTCLASS=EXTRA\nGLOW=5\n");
  std::vector<std::string> Names;
  for (const TsGeneralData& Data : Store.gd()) Names.push_back(Data.ClassName);
  EXPECT_EQ(Names, (std::vector<std::string>{"BASE", "OTHER", "EXTRA", "ALONE", "LATER", "TRANSPARENT", "MAINCOLOR"}));

  const TsGeneralData& Extra = Section(Store, "EXTRA");
  EXPECT_EQ(Extra.ParentClass, "BASE");
  EXPECT_EQ(Extra.Props[0].Color, 1) << "from the parent";
  EXPECT_EQ(Extra.Props[0].FontColor.Color, 9) << "its own key";
  EXPECT_EQ(Extra.States, 2);
  EXPECT_EQ(Extra.Props[1].Color, 7);
  EXPECT_EQ(Extra.GlowCount, 4);
  EXPECT_EQ(Extra.BorderIndex, Store.GetMaskIndex("BASE", "BORDERSMASK")) << "pictures through the parent";
  EXPECT_EQ(Section(Store, "BASE").Props[0].FontColor.Color, 2) << "the parent is not changed";

  const TsGeneralData& Alone = Section(Store, "ALONE");
  EXPECT_EQ(Alone.Props[0].Color, clWhite) << "no parent: a copy of an empty section";
  EXPECT_EQ(Alone.Props[0].Transparency, 30);
  EXPECT_EQ(Alone.States, 3);
  EXPECT_EQ(Alone.BorderIndex, -1);

  const TsGeneralData& Later = Section(Store, "LATER");
  EXPECT_EQ(Later.Props[0].FontColor.Color, 9) << "a parent the common text added before";
  EXPECT_EQ(Later.GlowCount, 5);

  TsSkinStore Empty;
  Empty.LoadSkin(nullptr, nullptr, TSkinDescription("[EXTRA]\nCOLOR=1\n"));
  EXPECT_EQ(Empty.gd().size(), 2u) << "without a description nothing is merged";
}

TEST(SkinStore, CommonKeysOverrideThoseOfASectionTheSkinHas) {
  TsSkinStore Store;
  Load(Store,
       "[EDIT]\nCOLOR=1\nFONTCOLOR=2\nTRANSPARENCY=40\nGRADIENTPERCENT=100\n"
       "GRADIENTDATA=3618615;5263440;97;0;0;5263440;5263440;0;0;0\n[CHILD]\nPARENTCLASS=EDIT\n",
       {},
       "[EDIT]\nCOLOR=3355443\nGRADIENTPERCENT=40\nPARENTCLASS=LOOKS\n[LOOKS]\nFONTCOLOR=77\n");
  ASSERT_EQ(Store.gd().size(), 5u) << "EDIT, CHILD, LOOKS and the two added ones";
  const TsGeneralData& Edit = Section(Store, "EDIT");
  EXPECT_EQ(Edit.Props[0].Color, 3355443);
  EXPECT_EQ(Edit.Props[0].FontColor.Color, 2) << "only the keys the common section gives";
  EXPECT_EQ(Edit.Props[0].Transparency, 40);
  EXPECT_EQ(Edit.Props[0].GradientPercent, 40);
  EXPECT_EQ(Edit.Props[0].GradientArray.size(), 2u) << "the skin's gradient points stay";
  EXPECT_EQ(Store.Palette()[pcEditBG], 3355443) << "the palette sees the merged section";
  EXPECT_EQ(Section(Store, "CHILD").Props[0].Color, 1) << "sections inheriting in the skin keep the skin's value";
}

TEST(SkinStore, BmpFilesOfTheCommonTextBecomeExtraPictures) {
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "qv_common_sections_test";
  std::filesystem::create_directories(Dir);
  const auto Write = [&](const char* Name, const TBytes& Bytes) {
    std::ofstream(Dir / Name, std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  };
  const TBitmap32 Logo = PatternPicture(6, 3, 255);
  Write("Logo.bmp", WriteBmp32(Logo.View()));
  Write("Broken.bmp", TBytes(40, 'x'));
  TsSkinStore Store;
  Store.SetSkinPath(Dir);
  Load(Store, "[GLOBALINFO]\n[BUTTON]\n", {},
       "[GLOBALINFO]\nLOGO=Logo.bmp\n[globalinfo]\nLOGO=Logo.bmp\n[BUTTON]\nback=Logo.bmp\n"
       "GONE=Missing.bmp\nBAD=Broken.bmp\nTEXT=Logo.png\n[NEWONE]\nPIC=Logo.bmp\n");

  const int Back = Store.GetMaskIndex("BUTTON", "BACK");
  ASSERT_GE(Back, 0) << "section and key upper-cased; read from disk though the skin is packed";
  const TsMaskData& Picture = Store.ma()[static_cast<std::size_t>(Back)];
  ASSERT_NE(Picture.Bmp, nullptr);
  ASSERT_EQ(Picture.Bmp->Width(), 6);
  ASSERT_EQ(Picture.Bmp->Height(), 3);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 6; ++X) ASSERT_EQ(Picture.Bmp->Row(Y)[X], Logo.Row(Y)[X]) << X << "," << Y;
  EXPECT_EQ(Picture.R, (TRect{0, 0, 6, 3}));
  EXPECT_EQ(Picture.ImgType, itisaTexture);
  EXPECT_EQ(Picture.SkinIndex, Store.GetSkinIndex("BUTTON"));
  EXPECT_EQ(Store.GetMaskIndex(Store.GetSkinIndex("NEWONE"), "PIC"), Store.GetMaskIndex("NEWONE", "PIC"))
      << "a section the common text adds owns its pictures";
  EXPECT_GE(Store.GetMaskIndex("NEWONE", "PIC"), 0);

  struct TCase {
    const char* Section;
    const char* Key;
  };
  for (const TCase& Case : std::vector<TCase>{{"GLOBALINFO", "LOGO"}, {"BUTTON", "GONE"}, {"BUTTON", "BAD"}, {"BUTTON", "TEXT"}})
    EXPECT_EQ(Store.GetMaskIndex(Case.Section, Case.Key), -1) << Case.Section << "." << Case.Key;
  EXPECT_TRUE(Store.ExtArray().empty()) << "not a separate image of the skin";
  std::filesystem::remove_all(Dir);
}

// ---- Errors

TEST(SkinStore, ConversionErrorsEndTheLoadWithTheirTextAndKeepThePreviousSkin) {
  struct TCase {
    const char* Name;
    std::string Options;
    const char* Message;
  };
  const std::vector<TCase> Cases{
      {"glyph", "[S]\nGOOD=@0000@0000@0030@0020@1@0\nBAD=@00x0@0000@0030@0020@1@0\n", "'00X0' is not a valid integer value"},
      {"border", "[S]\nGOOD=@0000@0000@0030@0020@1@0\nBORDERSMASK=^12\n", "'' is not a valid integer value"},
      {"gradient", "[S]\nGOOD=@0000@0000@0030@0020@1@0\nGRADIENTDATA=1;2;x;0;0;3;3;0;0;0\n", "'x' is not a valid integer value"},
  };
  for (const TCase& Case : Cases) {
    TsSkinStore Store;
    Load(Store, "[OLD]\nCOLOR=255\nGLYPH=@0000@0000@0030@0020@1@0\n");
    try {
      Load(Store, Case.Options);
      ADD_FAILURE() << Case.Name << " accepted";
    } catch (const ESkinError& Error) {
      EXPECT_STREQ(Error.what(), Case.Message) << Case.Name;
    }
    EXPECT_EQ(Store.GetMaskIndex("S", "GOOD"), -1) << Case.Name << ": nothing of the failed load is kept";
    EXPECT_EQ(Store.GetMaskIndex("OLD", "GLYPH"), 0) << Case.Name;
    ASSERT_EQ(Store.gd().size(), 3u) << Case.Name << ": OLD, TRANSPARENT, MAINCOLOR";
    EXPECT_EQ(Store.gd()[0].ClassName, "OLD") << Case.Name;
    EXPECT_EQ(Store.gd()[0].Props[0].Color, 255) << Case.Name;
    EXPECT_EQ(Store.GetSkinIndex("S"), -1) << Case.Name;
  }
}

TEST(SkinStore, ContainerOfTheInternalSkinsShapeLoads) {
  const TBytes Data = InternalShapedSkin();
  TacSkinConvertor Package;
  Package.PackedData = Data;
  ASSERT_TRUE(UnpackSkinPackage(Package));
  EXPECT_EQ(Package.Files.size(), 9u);
  const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
  TsSkinStore Store;
  Store.LoadSkin(&Description, &Package);
  EXPECT_EQ(Store.gd().back().ClassName, "MAINCOLOR");
  EXPECT_EQ(Store.Palette()[pcEditBG], 3355443);
  EXPECT_EQ(Store.Palette()[pcMainColor], 3355443);
  EXPECT_EQ(Store.ConstData().TitleGlyphs[tgSmallClose], Store.ConstData().TitleGlyphs[tgClose]);
  EXPECT_EQ(Store.ConstData().TitleGlows[tgClose].size(), 1u);
  EXPECT_GE(Store.ConstData().TitleGlows[tgClose][0], 0);
  EXPECT_EQ(Picture(Store, "BUTTON_HUGE", "BORDERSMASK").CornerType, 2);
  EXPECT_EQ(Picture(Store, "MENUITEM", "BORDERSMASK").CornerType, 1) << "the master's key-coloured top-left corner";
  EXPECT_EQ(Store.ExtArray().size(), 7u);
}

}  // namespace

// ---- The extended border's shadow

TsBuiltInShadows BuiltInShadows() { return {PatternPicture(33, 33, 200), PatternPicture(33, 33, 100)}; }

// Columns X0 .. X0 + Width - 1 of Source.
TBitmap32 Columns(const TBitmap32& Source, int X0, int Width) {
  TBitmap32 Part(Width, Source.Height());
  for (int Y = 0; Y < Source.Height(); ++Y)
    for (int X = 0; X < Width; ++X) Part.Row(Y)[X] = Source.Row(Y)[X0 + X];
  return Part;
}

TEST(SkinStore, WithoutExtendedBordersTheFormCastsNoShadow) {
  TsSkinStore Store;
  Store.SetExtendedBorders(false, BuiltInShadows());
  Load(Store, "[GLOBALINFO]\nVERSION=8.10\n");
  EXPECT_EQ(Store.FormShadowSize(), (TRect{0, 0, 0, 0}));
  EXPECT_TRUE(Store.ShdaTemplate().Empty());
  EXPECT_TRUE(Store.ShdiTemplate().Empty());
}

TEST(SkinStore, ASkinWithoutAFrameImageTakesTheBuiltInShadowsNinePixelsWide) {
  TsSkinStore Store;
  Store.SetExtendedBorders(true, BuiltInShadows());
  Load(Store, "[GLOBALINFO]\nVERSION=8.10\n");
  EXPECT_EQ(Store.FormShadowSize(), (TRect{9, 9, 9, 9}));
  EXPECT_EQ(Store.ShdaTemplate(), BuiltInShadows().Active);
  EXPECT_EQ(Store.ShdiTemplate(), BuiltInShadows().Inactive);
}

TEST(SkinStore, TheFrameImageGivesTheShadowItsPicturesAndWidths) {
  // Two 53 x 76 images side by side, borders 26, 49, 26, 26; the form sits 5 pixels inside.
  const TBitmap32 Frame = PatternPicture(106, 76, 255);
  const TImages Images{{"EXTBORD.PNG", EncodePng(Frame)}};
  const std::string Global = "[GLOBALINFO]\nVERSION=8.10\nFORMOFFSET=5\nEXBORDER=!EXTBORD.PNG!2!0!3!0026!0049!0026!0026!1\n";
  struct TCase {
    const char* Mode;
    TRect Size;
  };
  for (const TCase& Case : {TCase{"BORDERMODE=0\n", {21, 44, 21, 21}}, TCase{"BORDERMODE=1\n", {5, 5, 5, 5}}}) {
    TsSkinStore Store;
    Store.SetExtendedBorders(true, BuiltInShadows());
    Load(Store, Global + Case.Mode, Images);
    EXPECT_EQ(Store.FormShadowSize(), Case.Size) << Case.Mode;
    EXPECT_EQ(Store.ShdiTemplate(), Columns(Frame, 0, 53)) << Case.Mode;
    EXPECT_EQ(Store.ShdaTemplate(), Columns(Frame, 53, 53)) << Case.Mode;
  }
}

TEST(SkinStore, OneFrameImageServesBothStates) {
  const TBitmap32 Frame = PatternPicture(53, 76, 255);
  TsSkinStore Store;
  Store.SetExtendedBorders(true, BuiltInShadows());
  Load(Store, "[GLOBALINFO]\nVERSION=8.10\nFORMOFFSET=5\nEXBORDER=!EXTBORD.PNG!1!0!3!0026!0049!0026!0026!1\n",
       {{"EXTBORD.PNG", EncodePng(Frame)}});
  EXPECT_EQ(Store.ShdiTemplate(), Frame);
  EXPECT_EQ(Store.ShdaTemplate(), Frame);
}
