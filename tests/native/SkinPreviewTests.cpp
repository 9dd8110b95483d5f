#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>

#include "SkinFixture.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/SectionPaint.h"
#include "gfx/codec/ImageDecode.h"
#include "tools/picgen/TinyFont.h"
#include "tools/skinpreview/ContactSheet.h"
#include "tools/skinpreview/PngFile.h"
#include "tools/skinpreview/PreviewSkin.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder of this test's own, removed afterwards.
class TScratch {
 public:
  TScratch()
      : FPath(fs::temp_directory_path() /
              ("qv_skinpreview_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()))) {
    fs::remove_all(FPath);
    fs::create_directories(FPath);
  }
  ~TScratch() { fs::remove_all(FPath); }
  TScratch(const TScratch&) = delete;
  TScratch& operator=(const TScratch&) = delete;
  const fs::path& Path() const { return FPath; }

 private:
  fs::path FPath;
};

void WriteFile(const fs::path& Path, std::span<const std::uint8_t> Bytes) {
  std::ofstream Out(Path, std::ios::binary);
  Out.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

TBytes ReadFile(const fs::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>{});
}

// The fixture skin, loaded the way the tool loads a container file.
class SkinPreview : public testing::Test {
 protected:
  void SetUp() override {
    const fs::path File = Scratch.Path() / "fixture.asz";
    WriteFile(File, InternalShapedSkin());
    LoadPreviewSkin(File, Store);
    Sheet = RenderContactSheet(Store);
  }

  const TSheetEntry* Find(const std::string& Label) const {
    const auto Found = std::find_if(Sheet.Entries.begin(), Sheet.Entries.end(),
                                    [&](const TSheetEntry& Entry) { return Entry.Label == Label; });
    return Found == Sheet.Entries.end() ? nullptr : &*Found;
  }

  TScratch Scratch;
  TsSkinStore Store;
  TContactSheet Sheet;
};

// The sheet's pixels in Rect, colour bytes only.
std::vector<TPixel32> ColoursIn(const TBitmap32& Picture, const TRect& Rect) {
  std::vector<TPixel32> Colours;
  for (int Y = Rect.Top; Y < Rect.Bottom; ++Y)
    for (int X = Rect.Left; X < Rect.Right; ++X) Colours.push_back(Picture.Row(Y)[X] & 0xFFFFFFu);
  return Colours;
}

TEST_F(SkinPreview, EverySectionIsLabelledAndShownInEachStateTwice) {
  ASSERT_GT(Store.gd().size(), static_cast<std::size_t>(SectionCount));
  for (const TsGeneralData& Section : Store.gd()) {
    const TSheetEntry* const Entry = Find(Section.ClassName);
    if (Section.ClassName == "GLOBALINFO") {
      EXPECT_EQ(Entry, nullptr);
      continue;
    }
    ASSERT_NE(Entry, nullptr) << Section.ClassName;
    EXPECT_EQ(Entry->Cells.size(), 2u * static_cast<std::size_t>(std::min(Section.States, MaxShownStates)))
        << Section.ClassName;
  }
  EXPECT_EQ(Find("BUTTON")->Cells.size(), 6u);
  EXPECT_EQ(Find("TRANSPARENT")->Cells.size(), 2u);
}

TEST_F(SkinPreview, LabelsAreDrawnInTheTinyFont) {
  for (const TSheetEntry& Entry : Sheet.Entries) {
    ASSERT_FALSE(Entry.Label.empty());
    for (std::size_t Index = 0; Index < Entry.Label.size(); ++Index)
      for (int Row = 0; Row < TinyGlyphHeight; ++Row)
        for (int Column = 0; Column < TinyGlyphWidth; ++Column) {
          const int X = Entry.LabelAt.X + static_cast<int>(Index) * TinyGlyphAdvance + Column;
          const TPixel32 Expected = TinyFontCell(Entry.Label[Index], Column, Row) ? SheetInk : SheetPaper;
          ASSERT_EQ(Sheet.Picture.Row(Entry.LabelAt.Y + Row)[X], Expected)
              << Entry.Label << " letter " << Index << " cell " << Column << "," << Row;
        }
  }
}

TEST_F(SkinPreview, SectionCellsHoldTheSectionAsPaintedInThatState) {
  const int Button = Store.GetSkinIndex("BUTTON");
  const TSheetEntry& Entry = *Find("BUTTON");
  for (int State = 0; State < 3; ++State) {
    const TRect Cell = Entry.Cells[static_cast<std::size_t>(2 * State + 1)];
    // The fixture's button is opaque: painted on its own it gives the same pixels.
    TBitmap32 Alone(Cell.Width(), Cell.Height());
    TCacheInfo Black;
    Black.FillColor = clBlack;
    PaintSectionByIndex(Button, Black, State, Store.gd()[static_cast<std::size_t>(Button)].Props[State].TextureIndex,
                        -1, &Store, Alone.View(), {0, 0}, BitmapRect(Alone.View()), -1);
    EXPECT_EQ(ColoursIn(Sheet.Picture, Cell), ColoursIn(Alone, BitmapRect(Alone.View()))) << "state " << State;
    // The same on the panel picture.
    EXPECT_EQ(ColoursIn(Sheet.Picture, Entry.Cells[static_cast<std::size_t>(2 * State)]),
              ColoursIn(Sheet.Picture, Cell));
  }
  EXPECT_NE(ColoursIn(Sheet.Picture, Entry.Cells[1]), ColoursIn(Sheet.Picture, Entry.Cells[3]));
}

TEST_F(SkinPreview, SeeThroughSectionShowsTheCheckerboardAndThePanel) {
  const TSheetEntry& Entry = *Find("TRANSPARENT");
  const std::vector<TPixel32> OnChecker = ColoursIn(Sheet.Picture, Entry.Cells[1]);
  EXPECT_EQ(std::set<TPixel32>(OnChecker.begin(), OnChecker.end()),
            (std::set<TPixel32>{CheckerLight & 0xFFFFFFu, CheckerDark & 0xFFFFFFu}));
  // On the panel it shows the panel's inside, which is no checkerboard.
  const std::vector<TPixel32> OnPanel = ColoursIn(Sheet.Picture, Entry.Cells[0]);
  EXPECT_EQ(std::count(OnPanel.begin(), OnPanel.end(), CheckerLight & 0xFFFFFFu), 0);
  EXPECT_NE(OnPanel, OnChecker);
}

TEST_F(SkinPreview, EveryGlyphStateAndEveryGlowIsShown) {
  int Glyphs = 0, Glows = 0;
  for (const TsMaskData& Picture : Store.ma()) {
    const bool IsGlow = Picture.ImgType == itisaGlow;
    if (!IsGlow && Picture.ImgType != itisaGlyph && Picture.ImgType != itisaPngGlyph) continue;
    (IsGlow ? Glows : Glyphs) += 1;
    const TSheetEntry* const Entry = Find(Picture.ClassName + " " + Picture.PropertyName);
    ASSERT_NE(Entry, nullptr) << Picture.ClassName << " " << Picture.PropertyName;
    ASSERT_EQ(Entry->Cells.size(), 2u * static_cast<std::size_t>(Picture.ImageCount));
    // Something of the picture covers the checkerboard.
    const std::vector<TPixel32> OnChecker = ColoursIn(Sheet.Picture, Entry->Cells[1]);
    EXPECT_TRUE(std::any_of(OnChecker.begin(), OnChecker.end(), [](TPixel32 Colour) {
      return Colour != (CheckerLight & 0xFFFFFFu) && Colour != (CheckerDark & 0xFFFFFFu);
    })) << Entry->Label;
  }
  EXPECT_GT(Glyphs, 0);
  EXPECT_EQ(Glows, 6);  // four caption glows, the extended border and the button's
}

TEST_F(SkinPreview, GlowsAreCompositedOverTheBackdropAsALayeredWindowShowsThem) {
  const auto Glow = std::find_if(Store.ma().begin(), Store.ma().end(), [](const TsMaskData& Picture) {
    return Picture.ClassName == "BUTTON" && Picture.PropertyName == "GLOW0";
  });
  ASSERT_NE(Glow, Store.ma().end());
  const TRect Cell = Find("BUTTON GLOW0")->Cells[1];
  TBitmap32 Layer(Cell.Width(), Cell.Height());
  PaintNinePieceAlpha(Layer.View(), BitmapRect(Layer.View()), TCacheInfo{}, 0, *Glow, Store.MasterBitmap().View(), 255,
                      {Glow->WL, Glow->WT, Glow->WR, Glow->WB});
  int SeeThrough = 0;
  for (int Y = 0; Y < Cell.Height(); ++Y)
    for (int X = 0; X < Cell.Width(); ++X) {
      const TPixel32 Shown = Sheet.Picture.Row(Cell.Top + Y)[Cell.Left + X];
      const TPixel32 Painted = Layer.Row(Y)[X];
      const int Alpha = PixelAlpha(Painted);
      // The checkerboard square under this pixel (the item lies Inset = 10 pixels into its tile).
      const bool Light = ((X + 10) / CheckerSquare + (Y + 10) / CheckerSquare) % 2 == 0;
      const TPixel32 Behind = Light ? CheckerLight : CheckerDark;
      SeeThrough += Alpha < 255;
      for (int Shift = 0; Shift < 24; Shift += 8) {
        const int S = Painted >> Shift & 0xFF, D = Behind >> Shift & 0xFF;
        ASSERT_NEAR(Shown >> Shift & 0xFF, ((S - D) * Alpha + D * 256) >> 8, 1) << X << "," << Y;
      }
    }
  EXPECT_GT(SeeThrough, 0);
}

TEST_F(SkinPreview, SheetIsOpaqueAndWrittenAsPng) {
  ASSERT_FALSE(Sheet.Picture.Empty());
  const fs::path Png = Scratch.Path() / "sheet.png";
  WritePngFile(Png, Sheet.Picture);
  const std::optional<TDecodedImage> Read = DecodeSkinImage(ReadFile(Png), TSkinImageKind::Png);
  ASSERT_TRUE(Read.has_value());
  EXPECT_EQ(Read->Pixels, Sheet.Picture);
  for (int Y = 0; Y < Sheet.Picture.Height(); ++Y)
    for (int X = 0; X < Sheet.Picture.Width(); ++X) ASSERT_EQ(PixelAlpha(Sheet.Picture.Row(Y)[X]), 255);
  // Every item lies inside the sheet.
  for (const TSheetEntry& Entry : Sheet.Entries)
    for (const TRect& Cell : Entry.Cells) {
      EXPECT_GE(Cell.Left, 0);
      EXPECT_GE(Cell.Top, 0);
      EXPECT_LE(Cell.Right, Sheet.Picture.Width());
      EXPECT_LE(Cell.Bottom, Sheet.Picture.Height());
    }
}

TEST(SkinPreviewLoad, FolderNamesMatchWithoutCase) {
  TScratch Scratch;
  TacSkinConvertor Package;
  const TBytes Container = InternalShapedSkin();
  Package.PackedData = Container;
  ASSERT_TRUE(UnpackSkinPackage(Package));
  WriteFile(Scratch.Path() / "OPTIONS.DAT", *Package.Options);
  for (const TacImageItem& File : Package.Files) {
    std::string Lower = File.FileName;
    std::transform(Lower.begin(), Lower.end(), Lower.begin(), [](unsigned char C) { return std::tolower(C); });
    WriteFile(Scratch.Path() / Lower, File.FileStream);
  }
  fs::create_directories(Scratch.Path() / "sub");

  TsSkinStore FromFolder, FromContainer;
  LoadPreviewSkin(Scratch.Path(), FromFolder);
  const fs::path File = Scratch.Path() / "sub" / "skin.asz";
  WriteFile(File, Container);
  LoadPreviewSkin(File, FromContainer);
  EXPECT_FALSE(FromFolder.MasterBitmap().Empty());
  EXPECT_EQ(FromFolder.MasterBitmap(), FromContainer.MasterBitmap());
  EXPECT_EQ(FromFolder.ma().size(), FromContainer.ma().size());
  EXPECT_EQ(RenderContactSheet(FromFolder).Picture, RenderContactSheet(FromContainer).Picture);
}

TEST(SkinPreviewLoad, NoSkinIsAnError) {
  TScratch Scratch;
  const fs::path NotAContainer = Scratch.Path() / "plain.asz";
  WriteFile(NotAContainer, TBytes{'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'});
  const fs::path EmptyFolder = Scratch.Path() / "empty";
  fs::create_directories(EmptyFolder);
  for (const fs::path& Path : {Scratch.Path() / "missing.asz", NotAContainer, EmptyFolder}) {
    TsSkinStore Store;
    EXPECT_THROW(LoadPreviewSkin(Path, Store), std::runtime_error) << Path;
  }
}

}  // namespace
