// A skinned control's picture and its parent's: the parent's background as the painters take
// it, border corners painted again over it, and outer effects painted into the parent's
// picture; with real windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "framework/Application.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "skin/controls/sPanel.h"
#include "skin/render/MaskPaint.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"

namespace {

constexpr TPixel32 Key = 0x00FF00FFu;
constexpr TPixel32 Blue = 0xFF0000FFu;
constexpr TPixel32 Back = 0xFF102030u;

// The master bitmap: at (0, 0) a 6 x 6 blue border without a mask, 2 pixels wide, its
// top-left pixel the key; at (6, 0) a 3 x 3 blue picture over a mask of full coverage, the
// outer effect.
TBitmap32 MasterPicture() {
  TBitmap32 Master(9, 6);
  Master.Fill(Blue);
  Master.Row(0)[0] = Key;
  for (int Y = 3; Y < 6; ++Y)
    for (int X = 6; X < 9; ++X) Master.Row(Y)[X] = 0xFF000000u;
  return Master;
}

// PANEL opaque white; SEEN half see-through (answers with its picture); FRAMED the border;
// STATE0ONLY the border painted only in hot states; SHADOWED the outer effect, 1 pixel
// beyond every side at full opacity.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\nMASTERBITMAP=MASTER.BMP\n"
    "[PANEL]\nCOLOR=16777215\n"
    "[SEEN]\nTRANSPARENCY=50\nCOLOR=0\n"
    "[FRAMED]\nCOLOR=255\nBORDERSMASK=^0000^0000^0006^0006^0002^0002^0002^0002^1^0^0^0\n"
    "[HOTFRAMED]\nCOLOR=255\nBORDERSMASK=^0000^0000^0006^0006^0002^0002^0002^0002^1^0^2^0\n"
    "[SHADOWED]\nCOLOR=255\nOUTERMODE=1\nOUTERMASK=^0006^0000^0009^0006^0001^0001^0001^0001^1^1^0^0\n"
    "OUTOFFSL=1\nOUTOFFST=1\nOUTOFFSR=1\nOUTOFFSB=1\nOUTOPACITY=255\n";

class CommonDataPicture : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin, MasterPicture());
    Form->SetBounds(0, 0, 200, 150);
    Form->HandleNeeded();
  }

  TsPanel* Panel(TWinControl& Parent, const char* Section, int Left, int Top, int Width, int Height) {
    auto* Control = new TsPanel(Form);
    Control->BeginLoading();
    Control->SetParent(&Parent);
    Control->SetBounds(Left, Top, Width, Height);
    Control->Loaded();
    Control->HandleNeeded();
    Control->SkinData().SetSkinSection(Section);
    return Control;
  }
  // Its finished picture, every pixel Fill.
  static TBitmapView GivePicture(TsPanel& Control, TPixel32 Fill) {
    TsCommonData& Data = Control.SkinData();
    Data.PrepareCacheBitmap();
    Data.FCacheBmp->Pixels().Fill(Fill);
    Data.BGChanged = false;
    return Data.CachePicture();
  }
  // A picture where pixel (x, y) is x + 256 y, opaque.
  static TBitmapView GiveNamedPicture(TsPanel& Control) {
    const TBitmapView Picture = GivePicture(Control, 0);
    for (int Y = 0; Y < Picture.Height; ++Y)
      for (int X = 0; X < Picture.Width; ++X)
        Picture.Row(Y)[X] = 0xFF000000u | static_cast<TPixel32>(X + 256 * Y);
    return Picture;
  }
};

TEST_F(CommonDataPicture, TheWidestBorderWidthIsTheBordersOwnOr0) {
  EXPECT_EQ(Panel(*Form, "FRAMED", 0, 0, 10, 10)->SkinData().MaxBorderWidth(), 2);
  EXPECT_EQ(Panel(*Form, "PANEL", 0, 0, 10, 10)->SkinData().MaxBorderWidth(), 0);
  EXPECT_EQ(Panel(*Form, "HOTFRAMED", 0, 0, 10, 10)->SkinData().MaxBorderWidth(), 0);
}

TEST_F(CommonDataPicture, TheParentsBackgroundIsItsPictureItsColourOrNoneWhileItIsMade) {
  TsPanel* Seen = Panel(*Form, "SEEN", 0, 0, 40, 40);
  const TBitmapView Picture = GiveNamedPicture(*Seen);
  TCacheInfo Info = Panel(*Seen, "FRAMED", 3, 2, 10, 10)->SkinData().ParentCacheInfo();
  EXPECT_TRUE(Info.Ready);
  EXPECT_EQ(Info.Bmp.Row0, Picture.Row0);
  EXPECT_EQ(Info.X, 0);  // the parent's origin: painters add the control's position
  // An opaque parent of one colour.
  TsPanel* White = Panel(*Form, "PANEL", 50, 0, 40, 40);
  Info = Panel(*White, "FRAMED", 3, 2, 10, 10)->SkinData().ParentCacheInfo();
  EXPECT_FALSE(Info.Ready);
  EXPECT_EQ(Info.FillColor, 0xFFFFFFu);
  // A see-through parent that cannot make its picture yet (it has no size).
  TsPanel* Empty = Panel(*Form, "SEEN", 100, 0, 0, 0);
  Info = Panel(*Empty, "FRAMED", 0, 0, 10, 10)->SkinData().ParentCacheInfo();
  EXPECT_FALSE(Info.Ready);
  EXPECT_EQ(Info.FillColor, clFuchsia);
  // Not skinned: the control's own colour.
  TsPanel* Plain = Panel(*White, "NOWHERE", 0, 0, 10, 10);
  Plain->SetColor(0x123456);
  Info = Plain->SkinData().ParentCacheInfo();
  EXPECT_FALSE(Info.Ready);
  EXPECT_EQ(Info.FillColor, 0x123456u);
}

TEST_F(CommonDataPicture, RefreshedCornersShowWhatTheParentShowsBehindThemNow) {
  TsPanel* Seen = Panel(*Form, "SEEN", 0, 0, 40, 40);
  GiveNamedPicture(*Seen);
  TsPanel* Framed = Panel(*Seen, "FRAMED", 3, 2, 10, 10);
  const TBitmapView Picture = GivePicture(*Framed, Back);
  Framed->SkinData().RefreshCorners(0, bcTopLeft | bcBottomRight);
  EXPECT_EQ(Picture.Row(0)[0], 0xFF000000u | (3 + 256 * 2));  // the key: the parent at (3, 2)
  EXPECT_EQ(Picture.Row(0)[1], Blue);
  EXPECT_EQ(Picture.Row(9)[9], Blue);  // bottom right
  EXPECT_EQ(Picture.Row(0)[9], Back);  // top right: not asked for
  EXPECT_EQ(Picture.Row(9)[0], Back);  // bottom left: not asked for
  EXPECT_EQ(Picture.Row(0)[4], Back);  // a side
}

TEST_F(CommonDataPicture, EffectsComeFirstAndTheCornersThenKeepTheBordersOwnColours) {
  TsPanel* White = Panel(*Form, "PANEL", 0, 0, 40, 40);
  TsPanel* Framed = Panel(*White, "FRAMED", 3, 2, 10, 10);
  const TBitmapView Picture = GivePicture(*Framed, 0xFFFF0000u);  // red
  Framed->SkinData().SetSaturation(-100);
  Framed->SkinData().ApplyEffectsAndCorners(Picture, 0);
  // Red made grey: round(0.299 * 255) = 76, (255 * 76) >> 8 = 75.
  EXPECT_EQ(Picture.Row(5)[5], 0xFF4B4B4Bu);
  EXPECT_EQ(Picture.Row(1)[1], Blue);         // a corner, painted after the effect
  EXPECT_EQ(Picture.Row(0)[0], 0xFFFFFFFFu);  // its key pixel: the white parent
  EXPECT_EQ(Picture.Row(0)[5], 0xFF4B4B4Bu);  // sides are not painted again
}

TEST_F(CommonDataPicture, AnOuterEffectIsPaintedIntoTheParentsPictureAroundTheControl) {
  TsPanel* White = Panel(*Form, "PANEL", 0, 0, 40, 40);
  TsPanel* Shadowed = Panel(*White, "SHADOWED", 10, 10, 10, 10);
  Shadowed->SkinData().OuterEffects().SetVisibility(TacOuterVisibility::ovAlways);
  const TBitmapView Picture = GivePicture(*White, Back);
  BackgroundInfo Info;
  Info.Picture = Picture;
  Info.Kind = bkPicture;
  SendSkinCommand(Shadowed->Handle(), SKC_PAINT_OUTER_EFFECT, reinterpret_cast<LPARAM>(&Info));
  // Over 0x102030 at opacity 255 and full coverage (w = 254): blue (0x30 + 255 * 254) >> 8 =
  // 253, green and red 0.
  constexpr TPixel32 Painted = 0xFF0000FDu;
  EXPECT_EQ(Picture.Row(9)[9], Painted);    // the rectangle starts 1 pixel out
  EXPECT_EQ(Picture.Row(20)[20], Painted);  // and ends 1 pixel out
  EXPECT_EQ(Picture.Row(15)[15], Back);     // no centre
  EXPECT_EQ(Picture.Row(8)[8], Back);
  ASSERT_TRUE(Shadowed->SkinData().FOuterCache);
  EXPECT_EQ(Shadowed->SkinData().FOuterCache->Width(), 12);
  EXPECT_EQ(Shadowed->SkinData().FOuterCache->Row(6)[6], Back);
  // Asked to restore first: the effect over the pixels kept last time, whose centre shows.
  constexpr TPixel32 Now = 0xFF405060u;
  Picture.Fill(Now);
  SendSkinMessage(Shadowed->Handle(),
                  SkinCommandMessage(SKC_PAINT_OUTER_EFFECT, reinterpret_cast<LPARAM>(&Info), 1));
  EXPECT_EQ(Picture.Row(15)[15], Back);
  EXPECT_EQ(Picture.Row(9)[9], Painted);
  EXPECT_EQ(Picture.Row(8)[8], Now);
  EXPECT_EQ(Shadowed->SkinData().FOuterCache->Row(6)[6], Now);
}

TEST_F(CommonDataPicture, OnlyAControlShowingItsEffectUnderAManagerAllowingThemPaintsOne) {
  TsPanel* White = Panel(*Form, "PANEL", 0, 0, 40, 40);
  TsPanel* Shadowed = Panel(*White, "SHADOWED", 10, 10, 10, 10);
  Form->Show();
  const TBitmapView Picture = GivePicture(*White, Back);
  White->SkinData().PaintOuterEffects(White, {0, 0});
  EXPECT_EQ(Picture.Row(9)[9], Back);  // its visibility is ovNone
  Shadowed->SkinData().OuterEffects().SetVisibility(TacOuterVisibility::ovAlways);
  Manager->Effects.AllowOuterEffects = false;
  White->SkinData().PaintOuterEffects(White, {0, 0});
  EXPECT_EQ(Picture.Row(9)[9], Back);
  Manager->Effects.AllowOuterEffects = true;
  White->SkinData().PaintOuterEffects(White, {0, 0});
  EXPECT_EQ(Picture.Row(9)[9], 0xFF0000FDu);
}

TEST_F(CommonDataPicture, WithOuterEffectsOnMovingOrSizingTellsTheParentToMakeItsPictureAgain) {
  TsPanel* White = Panel(*Form, "PANEL", 0, 0, 80, 80);
  TsPanel* Shadowed = Panel(*White, "SHADOWED", 10, 10, 10, 10);
  GivePicture(*White, Back);  // ready: not updating
  std::vector<int> Heard;
  const TMessageHook Listening =
      White->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
        const int Code = Message.Msg == WM_SKINCOMMAND ? SkinCommandCode(Message.WParam) : 0;
        if (Code == SKC_BG_CHANGED || Code == SKC_PREPARE_CACHE) Heard.push_back(Code);
        Next(Message);
      });
  Shadowed->SetBounds(12, 10, 10, 10);
  EXPECT_TRUE(Heard.empty());  // effects off
  Shadowed->SkinData().OuterEffects().SetVisibility(TacOuterVisibility::ovAlways);
  Heard.clear();
  Shadowed->SetBounds(14, 10, 10, 10);
  EXPECT_EQ(Heard, (std::vector<int>{SKC_BG_CHANGED, SKC_PREPARE_CACHE}));
  Heard.clear();
  Shadowed->SetBounds(14, 10, 12, 10);
  EXPECT_EQ(Heard, (std::vector<int>{SKC_BG_CHANGED, SKC_PREPARE_CACHE}));
  // Not while painting is postponed.
  Heard.clear();
  Shadowed->SkinData().BeginUpdate();
  Shadowed->SkinData().InvalidateParentBackground();
  EXPECT_TRUE(Heard.empty());
  Shadowed->SkinData().EndUpdate(false);
  Shadowed->SkinData().InvalidateParentBackground();
  EXPECT_EQ(Heard, (std::vector<int>{SKC_BG_CHANGED, SKC_PREPARE_CACHE}));
}

TEST_F(CommonDataPicture, APlainContainerWithOuterEffectsOnLendsItsPictureNotItsColour) {
  TsPanel* White = Panel(*Form, "PANEL", 0, 0, 40, 40);
  const TBitmapView Picture = GivePicture(*White, Back);
  TsPanel* Child = Panel(*White, "FRAMED", 3, 2, 10, 10);
  TCacheInfo Info = Child->SkinData().ParentCacheInfo();
  EXPECT_FALSE(Info.Ready);
  EXPECT_EQ(Info.FillColor, 0xFFFFFFu);
  White->SkinData().OuterEffects().SetVisibility(TacOuterVisibility::ovAlways);
  Info = Child->SkinData().ParentCacheInfo();
  EXPECT_TRUE(Info.Ready);
  EXPECT_EQ(Info.Bmp.Row0, Picture.Row0);
}

}  // namespace
