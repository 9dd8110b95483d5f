// The skinned panel and image with real windows: the panel's picture from its section, on
// its window and lent to its children; the image composed over it in its fitting modes.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Colors.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sPanel.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// PANEL: the internal skin's colours and vertical gradient (0x464646 at the top, 0x3A3A3A
// at the bottom), no border. CHECKBOX wholly see-through, as the main window's images use it.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\nCOLOR=3355443\n"
    "[PANEL]\nSTATES=1\nCOLOR=4210752\nFONTCOLOR=15724527\nGRADIENTPERCENT=100\n"
    "GRADIENTDATA=4605510;3815994;100;0;0;3815994;3815994;0;0;0\n"
    "[PANEL_LOW]\nSTATES=1\nCOLOR=3815994\n"
    "[CHECKBOX]\nTRANSPARENCY=100\nHOTTRANSPARENCY=100\n";

// Row Y of a top-to-bottom gradient from 0x46 to 0x3A over Height rows, as a grey pixel.
TPixel32 GradientGrey(int Y, int Height) {
  const int Level =
      static_cast<int>(std::lround(0x46 + (0x3A - 0x46) * static_cast<double>(Y) / (Height - 1)));
  return static_cast<TPixel32>(Level * 0x010101);
}

// Each colour byte within Tolerance (the gradient steps in single precision; a composited
// opaque pixel keeps 1/256 of what was behind it and the Mitchell filter rings a little at
// a resized picture's edge).
bool Near(TPixel32 Actual, TPixel32 Expected, int Tolerance = 1) {
  for (int Shift = 0; Shift < 24; Shift += 8)
    if (std::abs(static_cast<int>((Actual >> Shift) & 0xFF) - static_cast<int>((Expected >> Shift) & 0xFF)) >
        Tolerance)
      return false;
  return true;
}

constexpr TPixel32 Untouched = 0x00FF00FF;

class SkinnedPanel : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);
  TsPanel* Panel = nullptr;

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin);
    Form->SetBounds(40, 40, 200, 160);
    Panel = ShownPanel(*Form, {0, 0, 60, 101});
  }

  TsImage* ImageOnPanel(int Left, int Top, int W, int H) {
    auto* Image = new TsImage(Form);
    Image->BeginLoading();
    Image->SetParent(Panel);
    Image->SetBounds(Left, Top, W, H);
    Image->SkinData().SetSkinSection("CHECKBOX");
    Image->Loaded();
    return Image;
  }

  // What the panel paints into a device context of its own size.
  TDibSection Printed() {
    TDibSection Dib = NewDib(Panel->Width(), Panel->Height(), Untouched);
    SendMessageW(Panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dib.DC()), PRF_CLIENT);
    return Dib;
  }
  static TPixel32 At(const TDibSection& Dib, int X, int Y) {
    return ReadPixel(Dib.Pixels(), X, Y) & 0xFFFFFF;
  }
};

TEST_F(SkinnedPanel, ItsPictureIsItsSectionsGradientAndItsWindowShowsThatPicture) {
  ASSERT_TRUE(Panel->SkinData().Skinned());
  ASSERT_TRUE(Panel->SkinData().FCacheBmp);
  const TConstBitmapView Picture = Panel->SkinData().CachePicture();
  ASSERT_EQ(Picture.Width, 60);
  ASSERT_EQ(Picture.Height, 101);
  const TDibSection Shown = Printed();
  // 101 rows: 0x46 at row 0, 0x40 at row 50, 0x3A at row 100.
  for (const int Y : {0, 25, 50, 75, 100}) {
    SCOPED_TRACE(Y);
    for (const int X : {0, 30, 59}) {
      EXPECT_TRUE(Near(ReadPixel(Picture, X, Y), GradientGrey(Y, 101)))
          << std::hex << ReadPixel(Picture, X, Y);
      EXPECT_TRUE(Near(At(Shown, X, Y), GradientGrey(Y, 101))) << std::hex << At(Shown, X, Y);
    }
  }
  EXPECT_TRUE(Near(ReadPixel(Picture, 30, 50), 0x404040));
}

TEST_F(SkinnedPanel, PaintingValidatesTheWindowAndErasingShowsThePictureNotThePanelsColour) {
  InvalidateRect(Panel->Handle(), nullptr, TRUE);
  UpdateWindow(Panel->Handle());
  EXPECT_FALSE(GetUpdateRect(Panel->Handle(), nullptr, FALSE));
  // While the panel waits for its parent it paints nothing, but still validates.
  Panel->SkinData().FUpdating = true;
  InvalidateRect(Panel->Handle(), nullptr, TRUE);
  UpdateWindow(Panel->Handle());
  EXPECT_FALSE(GetUpdateRect(Panel->Handle(), nullptr, FALSE));
  Panel->SkinData().FUpdating = false;
  // Painting its children leaves nothing more to paint.
  TsImage* Image = ImageOnPanel(10, 20, 30, 30);
  TBitmap32 Red(10, 6);
  Red.Fill(0xFFFF0000);
  Image->Picture().Assign(Red);
  UpdateWindow(Panel->Handle());
  EXPECT_TRUE(Image->SkinData().FCacheBmp);
  EXPECT_FALSE(GetUpdateRect(Panel->Handle(), nullptr, FALSE));

  TDibSection Erased = NewDib(60, 101, Untouched);
  EXPECT_EQ(SendMessageW(Panel->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(Erased.DC()), 0), 1);
  EXPECT_TRUE(Near(At(Erased, 30, 50), 0x404040)) << std::hex << At(Erased, 30, 50);
}

TEST_F(SkinnedPanel, AChildAskingForItsBackgroundGetsThePanelsPicture) {
  BackgroundInfo Info;
  AskParentBackground(Info, Panel, false);
  EXPECT_EQ(Info.Kind, bkPicture);
  EXPECT_EQ(Info.Picture.Row0, Panel->SkinData().CachePicture().Row0);
  EXPECT_EQ(Info.Offset, TPoint{});
}

TEST_F(SkinnedPanel, AnEmptyImageShowsOnlyThePanelBehindIt) {
  TsImage* Image = ImageOnPanel(10, 20, 30, 30);
  const TDibSection Shown = Printed();
  ASSERT_TRUE(Image->SkinData().FCacheBmp);
  const TConstBitmapView Cache = Image->SkinData().CachePicture();
  const TConstBitmapView Behind = Panel->SkinData().CachePicture();
  for (const int Y : {0, 15, 29}) {
    EXPECT_EQ(ReadPixel(Cache, 0, Y) & 0xFFFFFF, ReadPixel(Behind, 10, 20 + Y) & 0xFFFFFF);
    EXPECT_TRUE(Near(At(Shown, 10, 20 + Y), GradientGrey(20 + Y, 101)));
    EXPECT_TRUE(Near(At(Shown, 39, 20 + Y), GradientGrey(20 + Y, 101)));
  }
}

struct TModeCase {
  const char* What;
  bool Stretch, Proportional, Center;
  TRect Inside;  // where ImagePlacement puts a 10 x 6 picture in a 30 x 30 image, by hand
};

TEST_F(SkinnedPanel, AnImageDrawsItsPictureWhereItsModeAndPlacementPutIt) {
  TsImage* Image = ImageOnPanel(10, 20, 30, 30);
  TBitmap32 Red(10, 6);
  Red.Fill(0xFFFF0000);
  Image->Picture().Assign(Red);
  const TModeCase Cases[] = {
      {"natural size at the corner", false, false, false, {0, 0, 10, 6}},
      {"natural size centred", false, false, true, {10, 12, 20, 18}},
      {"stretched over the image, Center on", true, false, true, {0, 0, 30, 30}},
      // 30 x 6 / 10 = 18 high, centred at (30 - 18) / 2 = 6.
      {"stretched keeping the aspect, centred", true, true, true, {0, 6, 30, 24}},
  };
  for (const TModeCase& C : Cases) {
    SCOPED_TRACE(C.What);
    Image->SetStretch(C.Stretch);
    Image->SetProportional(C.Proportional);
    Image->SetCenter(C.Center);
    const TDibSection Shown = Printed();
    const TRect R = C.Inside.Offset(10, 20);
    for (const TPoint P : {TPoint{R.Left, R.Top}, TPoint{R.Right - 1, R.Bottom - 1}})
      EXPECT_TRUE(Near(At(Shown, P.X, P.Y), 0xFF0000, 6))
          << P.X << "," << P.Y << " " << std::hex << At(Shown, P.X, P.Y);
    if (R.Right < 40) {
      EXPECT_TRUE(Near(At(Shown, R.Right, R.Top), GradientGrey(R.Top, 101)));
    }
    if (R.Bottom < 50) {
      EXPECT_TRUE(Near(At(Shown, R.Left, R.Bottom), GradientGrey(R.Bottom, 101)));
    }
    if (R.Top > 20) {
      EXPECT_TRUE(Near(At(Shown, R.Left, R.Top - 1), GradientGrey(R.Top - 1, 101)));
    }
  }
}

TEST_F(SkinnedPanel, AGreyedReflectedImageIsAGreyShapeWithAFadingMirrorBelowIt) {
  TsImage* Image = ImageOnPanel(10, 20, 30, 30);
  TBitmap32 Green(10, 6);
  Green.Fill(0xFF00FF00);
  Image->Picture().Assign(Green);
  Image->SetGrayed(true);
  Image->SetReflected(true);
  const TDibSection Shown = Printed();
  // Green's grey level R/4 + G/2 + B/4 = 127 shades the white shape to 255 x 127 >> 8 = 126,
  // composited opaque over the panel: 125.
  EXPECT_TRUE(Near(At(Shown, 15, 23), 0x7D7D7D)) << std::hex << At(Shown, 15, 23);
  // The mirror's first row (image row 6) at full weight; image row 9 is the panel again.
  EXPECT_TRUE(Near(At(Shown, 15, 26), 0x7D7D7D)) << std::hex << At(Shown, 15, 26);
  EXPECT_TRUE(Near(At(Shown, 15, 29), GradientGrey(29, 101)));
}

TEST_F(SkinnedPanel, WithTheSkinRemovedThePanelPaintsAsTheFrameworksPanel) {
  Manager->SetActive(false);
  ASSERT_FALSE(Panel->SkinData().Skinned());
  TDibSection Shown = NewDib(60, 101, Untouched);
  SendMessageW(Panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shown.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
  // Inside the bevel: the panel's own colour.
  EXPECT_EQ(At(Shown, 30, 50), ExchangeRedBlue(static_cast<std::uint32_t>(ColorToRGB(Panel->Color()))));
}

TEST_F(SkinnedPanel, ALoweredOuterBevelSwitchesToTheLoweredSectionAndRepaints) {
  Panel->SetBevelOuter(TBevelCut::bvLowered);
  EXPECT_EQ(Panel->SkinData().SkinIndex, Manager->Store().GetSkinIndex("PANEL_LOW"));
  const TDibSection Shown = Printed();
  // PANEL_LOW is plain 0x3A3A3A.
  EXPECT_EQ(At(Shown, 30, 10), 0x3A3A3Au);
  EXPECT_EQ(ReadPixel(Panel->SkinData().CachePicture(), 30, 90) & 0xFFFFFF, 0x3A3A3Au);
  Panel->SetBevelOuter(TBevelCut::bvRaised);
  EXPECT_EQ(Panel->SkinData().SkinIndex, Manager->Store().GetSkinIndex("PANEL"));
}

TEST_F(SkinnedPanel, AMovedImageIsComposedAgainOverWhatLiesBehindItsNewPlace) {
  TsImage* Image = ImageOnPanel(10, 20, 30, 30);
  Printed();
  Image->SetTop(60);
  Printed();
  const TConstBitmapView Cache = Image->SkinData().CachePicture();
  EXPECT_EQ(ReadPixel(Cache, 0, 0) & 0xFFFFFF,
            ReadPixel(Panel->SkinData().CachePicture(), 10, 60) & 0xFFFFFF);
  EXPECT_TRUE(Near(ReadPixel(Cache, 0, 0), GradientGrey(60, 101)));
}

TEST_F(SkinnedPanel, ItsCaptionIsWrittenIntoItsPictureInTheSectionsTextColour) {
  const auto TextPixels = [this] {
    const TConstBitmapView Picture = Panel->SkinData().CachePicture();
    int Count = 0;
    for (int Y = 0; Y < Picture.Height; ++Y)
      for (int X = 0; X < Picture.Width; ++X) Count += (ReadPixel(Picture, X, Y) & 0xFFFFFF) == 0xEFEFEF;
    return Count;
  };
  EXPECT_EQ(TextPixels(), 0);
  Panel->Font().SetHeight(-24);
  Panel->SetCaption(L"I");
  Printed();
  // FONTCOLOR 15724527 is 0xEFEFEF; the gradient holds no such grey.
  EXPECT_GT(TextPixels(), 10);
  // The caption stands in the middle: the top rows keep the gradient.
  EXPECT_TRUE(Near(ReadPixel(Panel->SkinData().CachePicture(), 30, 5), GradientGrey(5, 101)));
}

TEST_F(SkinnedPanel, APanelWhosePictureIsOutOfDateInAParentThatIsNotReadyAnswersNotReady) {
  auto* Inner = new TsPanel(Form);
  Inner->BeginLoading();
  Inner->SetParent(Panel);
  Inner->SetBounds(5, 5, 20, 20);
  Inner->Loaded();
  Inner->HandleNeeded();
  Inner->SkinData().FCacheBmp.reset();
  Inner->SkinData().BGChanged = true;
  Panel->SkinData().BeginUpdate();
  BackgroundInfo Info;
  AskParentBackground(Info, Inner, false);
  EXPECT_EQ(Info.Kind, bkNotReady);
  Panel->SkinData().EndUpdate(false);
  AskParentBackground(Info, Inner, false);
  EXPECT_EQ(Info.Kind, bkPicture);
  // Inner's own picture: the section's gradient over its 20 rows.
  EXPECT_TRUE(Near(ReadPixel(Info.Picture, 0, 10), GradientGrey(10, 20)));
}

TEST(SkinnedPanelInternalSkin, TheMainWindowsRightPanelPaintsTheInternalSkinsPanelGradientInsideItsBorder) {
  TApplication App;
  const auto Window = std::make_unique<TForm1>(nullptr);
  TsPanel* Panel = Window->sPanel2;
  Window->Show();
  UpdateWindow(Panel->Handle());
  ASSERT_TRUE(Panel->SkinData().FCacheBmp);
  const TConstBitmapView Picture = Panel->SkinData().CachePicture();
  ASSERT_EQ(Picture.Height, Panel->Height());
  const int H = Panel->Height();
  // Inside the 4-pixel border the section's gradient from 0x464646 to 0x3A3A3A.
  for (const int Y : {4, H / 2, H - 5}) {
    SCOPED_TRACE(Y);
    EXPECT_TRUE(Near(ReadPixel(Picture, Picture.Width / 2, Y), GradientGrey(Y, H)))
        << std::hex << ReadPixel(Picture, Picture.Width / 2, Y);
  }
}

}  // namespace
