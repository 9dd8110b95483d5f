// The background exchange between skinned controls and their parents, and section text, with
// real windows and DIB sections.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "framework/Panel.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sPanel.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/SectionPaintWin.h"
#include "skin/render/win32/SkinText.h"
#include "skin/render/win32/TextOnPicture.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// Global colour 0x112233; PANEL opaque white; HALF half see-through; BUTTON black with red
// text, a blue left contour.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\nCOLOR=1122867\n"
    "[PANEL]\nCOLOR=16777215\n"
    "[HALF]\nTRANSPARENCY=50\nCOLOR=0\n"
    "[BUTTON]\nSTATES=1\nCOLOR=0\nFONTCOLOR=255\nTCLEFT=16711680\n";

class BackgroundExchange : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin);
    Form->HandleNeeded();
  }

  template <class T>
  T* Make(TWinControl& Parent, int Left = 0, int Top = 0, int W = 20, int H = 20) {
    auto* Control = new T(Form);
    Control->BeginLoading();
    Control->SetParent(&Parent);
    Control->SetBounds(Left, Top, W, H);
    Control->Loaded();
    Control->HandleNeeded();
    return Control;
  }

  // A skinned panel of Section whose finished picture is ready: pixel (x, y) is x + 16 y.
  TsPanel* PanelWithPicture(const char* Section) {
    auto* Panel = Make<TsPanel>(*Form);
    Panel->SkinData().SetSkinSection(Section);
    Panel->SkinData().FCacheBmp.emplace(std::move(*TDibSection::Make(20, 20)));
    const TBitmapView Picture = Panel->SkinData().CachePicture();
    for (int Y = 0; Y < 20; ++Y)
      for (int X = 0; X < 20; ++X) Picture.Row(Y)[X] = 0xFF000000u | static_cast<TPixel32>(X + 16 * Y);
    Panel->SkinData().BGChanged = false;
    return Panel;
  }
};

TEST_F(BackgroundExchange, AnUnskinnedParentControlIsTakenAsItsOwnColour) {
  auto* Plain = Make<TPanel>(*Form);
  Plain->SetColor(0x00345678);
  BackgroundInfo Info;
  Info.Kind = bkPicture;  // reset by the question
  EXPECT_TRUE(AskParentBackground(Info, Plain, false));
  EXPECT_EQ(Info.Kind, bkColor);
  EXPECT_EQ(Info.Color, 0x00345678);
  const TCacheInfo Cache = BackgroundToCacheInfo(Info);
  EXPECT_FALSE(Cache.Ready);
  EXPECT_EQ(Cache.FillColor, 0x00345678);
}

TEST_F(BackgroundExchange, ABareParentWindowIsTakenAsTheGlobalColour) {
  const TUniqueWindow Bare(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  BackgroundInfo Info;
  EXPECT_FALSE(AskParentBackground(Info, Bare.Get(), false));
  EXPECT_EQ(Info.Kind, bkColor);
  EXPECT_EQ(Info.Color, 0x112233);
}

// Paints its client area red in columns 0..3 and blue from column 4 on, into the DC given
// with WM_PAINT.
LRESULT CALLBACK StripedWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_ERASEBKGND) return 1;
  if (Msg == WM_PAINT && WParam) {
    const HDC DC = reinterpret_cast<HDC>(WParam);
    const TUniqueBrush Red(CreateSolidBrush(RGB(255, 0, 0)));
    const TUniqueBrush Blue(CreateSolidBrush(RGB(0, 0, 255)));
    const RECT Left{0, 0, 4, 10}, Right{4, 0, 10, 10};
    FillRect(DC, &Left, Red.Get());
    FillRect(DC, &Right, Blue.Get());
    return 0;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

TEST_F(BackgroundExchange, AnUnskinnedParentPaintsItselfUnderTheAskerClippedToTheArea) {
  WNDCLASSW Class{};
  Class.lpfnWndProc = StripedWindowProc;
  Class.lpszClassName = L"QvStripedProbe";
  RegisterClassW(&Class);
  const TUniqueWindow Striped(
      CreateWindowExW(0, L"QvStripedProbe", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  const TDibSection Target = NewDib(4, 1, 0);
  BackgroundInfo Info;
  Info.TargetDC = Target.DC();
  Info.Offset = {3, 2};      // the asker's origin in the window
  Info.Area = {0, 0, 3, 1};  // its last column is not asked for
  AskParentBackground(Info, Striped.Get(), true);
  const TBitmapView Pixels = Target.Pixels();
  // Column 0 lies over window column 3 (red), columns 1 and 2 over blue; column 3 untouched.
  EXPECT_EQ(Pixels.Row(0)[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(Pixels.Row(0)[1] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(Pixels.Row(0)[2] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(Pixels.Row(0)[3], 0u);
}

TEST_F(BackgroundExchange, APartlyTransparentPanelLendsItsPicture) {
  TsPanel* Panel = PanelWithPicture("HALF");
  BackgroundInfo Info;
  Info.Offset = {7, 7};
  EXPECT_TRUE(AskParentBackground(Info, Panel, false));
  EXPECT_EQ(Info.Kind, bkPicture);
  EXPECT_EQ(Info.Picture.Row0, Panel->SkinData().CachePicture().Row0);
  EXPECT_EQ(Info.Offset, (TPoint{0, 0}));
  const TCacheInfo Cache = BackgroundToCacheInfo(Info);
  EXPECT_TRUE(Cache.Ready);
  EXPECT_EQ(Cache.FillColor, clFuchsia);
}

TEST_F(BackgroundExchange, APanelAskedToPaintCopiesItsPictureUnderTheChild) {
  TsPanel* Panel = PanelWithPicture("HALF");
  const TDibSection Target = NewDib(3, 2, 0);
  BackgroundInfo Info;
  Info.TargetDC = Target.DC();
  Info.Offset = {5, 6};  // the child's place in the panel
  Info.Area = {0, 0, 3, 2};
  AskParentBackground(Info, Panel, true);
  EXPECT_EQ(Info.Kind, bkPicture);
  const TBitmapView Pixels = Target.Pixels();
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X)
      EXPECT_EQ(Pixels.Row(Y)[X], 0xFF000000u | static_cast<TPixel32>((X + 5) + 16 * (Y + 6)))
          << X << "," << Y;
}

TEST_F(BackgroundExchange, AnOpaquePlainPanelAnswersItsColour) {
  TsPanel* Panel = Make<TsPanel>(*Form);
  ASSERT_EQ(Panel->SkinData().SkinIndex, Manager->Store().GetSkinIndex("PANEL"));
  BackgroundInfo Info;
  AskParentBackground(Info, Panel, false);
  EXPECT_EQ(Info.Kind, bkColor);
  EXPECT_EQ(Info.Color, 0xFFFFFF);
}

TEST_F(BackgroundExchange, TheWindowSystemCannotAskForABackground) {
  TsPanel* Panel = PanelWithPicture("HALF");
  BackgroundInfo Info;
  SendMessageW(Panel->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SKC_QUERY_BG_INFO),
               reinterpret_cast<LPARAM>(&Info));
  EXPECT_EQ(Info.Kind, bkUnanswered);
}

TEST_F(BackgroundExchange, APanelPaintsItsSectionOverItsParentsColour) {
  auto* Plain = Make<TPanel>(*Form);
  Plain->SetColor(0x0000FF);  // red
  auto* Half = Make<TsPanel>(*Plain);
  Half->SkinData().SetSkinSection("HALF");
  TBitmap32 Picture(4, 3);
  EXPECT_TRUE(PaintSectionOverParent(Half->SkinData(), Plain, -1, -1, false, Picture.View(), {0, 0},
                                     {0, 0, 4, 3}, 0));
  // Black over red, half see-through: (255 * 127) >> 8 = 126 red, opaque.
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X) EXPECT_EQ(Picture.Row(Y)[X], 0xFF7E0000u) << X << "," << Y;
}

TEST_F(BackgroundExchange, ASectionPaintedToADeviceContextCoversOnlyItsRectangle) {
  const TDibSection Dib = NewDib(6, 4, 0);
  PaintSectionToDC(Manager->Store().GetSkinIndex("PANEL"), TCacheInfo{}, 0, nullptr, Dib.DC(), {0, 0},
                   {1, 1, 4, 3}, -1);
  const TBitmapView Pixels = Dib.Pixels();
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 6; ++X) {
      const bool Inside = X >= 1 && X < 4 && Y >= 1 && Y < 3;
      EXPECT_EQ(Pixels.Row(Y)[X], Inside ? 0xFFFFFFFFu : 0u) << X << "," << Y;
    }
}

TEST(TextOnPicture, TextKeepsTheAlphaOfThePixelsItLeavesAlone) {
  const TDibSection Dib = NewDib(24, 16, 0x80102030u);
  const TSelectObjectGuard Font(Dib.DC(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(Dib.DC(), TRANSPARENT);
  SetTextColor(Dib.DC(), RGB(255, 255, 255));
  DrawTextKeepingAlpha(Dib.DC(), L"WM", RECT{0, 0, 24, 16}, DT_LEFT | DT_TOP | DT_SINGLELINE);
  const TBitmapView Pixels = Dib.Pixels();
  int Drawn = 0;
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 24; ++X) {
      const TPixel32 P = Pixels.Row(Y)[X];
      if ((P & 0xFFFFFF) == 0x102030u) {
        EXPECT_EQ(P >> 24, 0x80u) << X << "," << Y;
      } else {
        EXPECT_EQ(P >> 24, 0xFFu) << X << "," << Y;
        ++Drawn;
      }
    }
  EXPECT_GT(Drawn, 0);
}

// A child's text drawn into its container's picture through a moved origin, bounded by a
// clip box (as graphic children paint) or by its own rectangle without DT_NOCLIP: inside as
// on a picture of its own, outside nothing changes.
TEST(TextOnPicture, TextThroughAMovedOriginKeepsTheAlphaInsideAndTouchesNothingOutside) {
  const struct {
    const char* Name;
    RECT Rect;  // logical, the origin at (10, 8)
    UINT Format;
    bool Clip;
  } Cases[] = {{"clip box", {-4, 0, 60, 16}, DT_NOCLIP, true}, {"text rectangle", {0, 0, 20, 14}, 0, false}};
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const TDibSection Dib = NewDib(40, 30, 0x80102030u);
    const TSelectObjectGuard Font(Dib.DC(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(Dib.DC(), TRANSPARENT);
    SetTextColor(Dib.DC(), RGB(255, 255, 255));
    SetViewportOrgEx(Dib.DC(), 10, 8, nullptr);
    if (Case.Clip) IntersectClipRect(Dib.DC(), 0, 0, 20, 14);
    DrawTextKeepingAlpha(Dib.DC(), L"WMWMWM", Case.Rect, DT_LEFT | DT_TOP | DT_SINGLELINE | Case.Format);
    // Either way the text can reach (10, 8)-(30, 22) of the picture.
    const TBitmapView Pixels = Dib.Pixels();
    int Drawn = 0;
    for (int Y = 0; Y < 30; ++Y)
      for (int X = 0; X < 40; ++X) {
        const TPixel32 P = Pixels.Row(Y)[X];
        const bool Inside = X >= 10 && X < 30 && Y >= 8 && Y < 22;
        if (!Inside) {
          EXPECT_EQ(P, 0x80102030u) << X << "," << Y;
        } else if ((P & 0xFFFFFF) == 0x102030u) {
          EXPECT_EQ(P >> 24, 0x80u) << X << "," << Y;
        } else {
          EXPECT_EQ(P >> 24, 0xFFu) << X << "," << Y;
          ++Drawn;
        }
      }
    EXPECT_GT(Drawn, 0);
  }
}

// Where the text went on a white picture: whether each exact colour appears, and the columns.
struct TTextSeen {
  bool Red = false, Blue = false, DimRed = false;
  int MinX = 1000, MaxX = -1;
};

TTextSeen Look(const TDibSection& Dib) {
  TTextSeen Seen;
  const TBitmapView Pixels = Dib.Pixels();
  for (int Y = 0; Y < Pixels.Height; ++Y)
    for (int X = 0; X < Pixels.Width; ++X) {
      const TPixel32 P = Pixels.Row(Y)[X];
      if (P == 0x80FFFFFFu) continue;
      Seen.Red |= P == 0xFFFF0000u;
      Seen.Blue |= P == 0xFF0000FFu;
      Seen.DimRed |= P == 0xFF630000u;
      Seen.MinX = std::min(Seen.MinX, X);
      Seen.MaxX = std::max(Seen.MaxX, X);
    }
  return Seen;
}

TEST_F(BackgroundExchange, SkinTextTakesTheSectionColoursContoursAndAlignment) {
  auto* Button = Make<TsButton>(*Form);
  ASSERT_EQ(Button->SkinData().SkinIndex, Manager->Store().GetSkinIndex("BUTTON"));
  const struct {
    bool Enabled;
    UINT Align;
    bool Blue;  // the left contour
    bool RightHalf;
  } Cases[] = {{true, DT_LEFT, true, false}, {true, DT_RIGHT, true, true}, {false, DT_LEFT, false, false}};
  for (const auto& Case : Cases) {
    const TDibSection Dib = NewDib(60, 16, 0x80FFFFFFu);
    TCanvas Canvas;
    Canvas.SetHandle(Dib.DC());
    DrawSkinText(Canvas, L"Il", Case.Enabled, 0, Button->SkinData(), Case.Align | DT_TOP | DT_SINGLELINE,
                 RECT{1, 0, 59, 16});
    Canvas.SetHandle(nullptr);
    const TTextSeen Seen = Look(Dib);
    EXPECT_TRUE(Seen.Red) << Case.Align;
    EXPECT_EQ(Seen.Blue, Case.Blue) << Case.Enabled;
    ASSERT_LE(Seen.MinX, Seen.MaxX);
    if (Case.RightHalf) {
      EXPECT_GE(Seen.MinX, 30);
      EXPECT_LE(Seen.MaxX, 58);
    } else {
      EXPECT_GE(Seen.MinX, Case.Blue ? 0 : 1);
      EXPECT_LT(Seen.MaxX, 30);
    }
  }
}

TEST_F(BackgroundExchange, DisabledSectionTextMixesTheNormalFontColourWithTheSectionColour) {
  const TDibSection Dib = NewDib(40, 16, 0x80FFFFFFu);
  TCanvas Canvas;
  Canvas.SetHandle(Dib.DC());
  // (255 * 100 + 0 * 155) >> 8 = 99 red.
  DrawSectionText(Canvas, L"Il", false, &Manager->Store(), 0, Manager->Store().GetSkinIndex("BUTTON"),
                  DT_LEFT | DT_TOP | DT_SINGLELINE, RECT{0, 0, 40, 16});
  Canvas.SetHandle(nullptr);
  const TTextSeen Seen = Look(Dib);
  EXPECT_TRUE(Seen.DimRed);
  EXPECT_FALSE(Seen.Red);
  EXPECT_FALSE(Seen.Blue);
}

}  // namespace
