// The skinned button with real windows and real mouse input: its face in each state, the
// click with its pressed hold, presses that end elsewhere, the focus dots and the look
// without a skin.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/controls/sButton.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// Each state its own face and text colour (TColor: red in the low byte).
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\nCOLOR=3355443\n"
    "[BUTTON]\nSTATES=3\nCOLOR=255\nFONTCOLOR=16777215\nHOTCOLOR=65280\nHOTFONTCOLOR=0\n"
    "USESTATE2=1\nCOLOR2=16711680\nFONTCOLOR2=16776960\n";
constexpr COLORREF NormalFace = RGB(255, 0, 0);
constexpr COLORREF HotFace = RGB(0, 255, 0);
constexpr COLORREF PressedFace = RGB(0, 0, 255);
constexpr COLORREF PressedText = RGB(0, 255, 255);  // also the focus dots' colour

class SkinnedButton : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);
  TsButton* Button = new TsButton(Form);
  TsButton* Other = new TsButton(Form);
  int Clicks = 0;

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin);
    Form->SetBounds(60, 60, 400, 300);
    for (TsButton* B : {Button, Other}) {
      B->BeginLoading();
      B->SetParent(Form);
      B->SetBounds(20, B == Button ? 20 : 100, 130, 35);
      B->SetCaption(B == Button ? L"renew your IP Address IPv4" : L"Other");
      B->Loaded();
    }
    Button->OnClick = [this](TObject*) { ++Clicks; };
    MouseTo({5, 5});
    Form->Show();
    Other->SetFocus();
    Pump(100ms);
  }
  void TearDown() override {
    LeftButton(false);
    MouseTo({5, 5});
    Pump(30ms);
  }
  static void Pump(std::chrono::milliseconds For) {
    const auto End = std::chrono::steady_clock::now() + For;
    PumpUntil([&] { return std::chrono::steady_clock::now() >= End; }, For + 1s);
  }
  // A point of the button on the screen, from its top left corner.
  POINT At(int X, int Y) const {
    POINT P{X, Y};
    ClientToScreen(Button->Handle(), &P);
    return P;
  }
  // The face beside the caption: left of it, halfway down.
  COLORREF Face() const { return ScreenPixel(At(3, 17)); }
  int CountOnScreen(COLORREF Color) const {
    int Count = 0;
    for (int Y = 0; Y < 35; ++Y)
      for (int X = 0; X < 130; ++X) Count += ScreenPixel(At(X, Y)) == Color;
    return Count;
  }
};

TEST_F(SkinnedButton, TheFaceFollowsHoverPressAndLeave) {
  EXPECT_EQ(Face(), NormalFace);
  MouseTo(At(65, 17));
  Pump(150ms);
  EXPECT_EQ(Face(), HotFace);
  LeftButton(true);
  Pump(50ms);
  EXPECT_EQ(Face(), PressedFace);
  // Dragged off while held: not shown pressed.
  MouseTo(At(200, 17));
  Pump(150ms);
  EXPECT_NE(Face(), PressedFace);
  LeftButton(false);
  Pump(50ms);
  EXPECT_EQ(Clicks, 0);
  // The press gave the button the focus: it keeps the hot look.
  EXPECT_EQ(Face(), HotFace);
  Other->SetFocus();
  Pump(50ms);
  EXPECT_EQ(Face(), NormalFace);
}

TEST_F(SkinnedButton, AReleaseOverTheButtonClicksOnceAfterHoldingThePressedLook) {
  MouseTo(At(65, 17));
  Pump(150ms);
  LeftButton(true);
  Pump(50ms);
  const auto Released = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration UntilClick{};
  Button->OnClick = [&](TObject*) {
    ++Clicks;
    UntilClick = std::chrono::steady_clock::now() - Released;
  };
  LeftButton(false);
  PumpUntil([&] { return Clicks > 0; }, 1s);
  Pump(50ms);
  EXPECT_EQ(Clicks, 1);
  EXPECT_GE(UntilClick, 30ms);
  EXPECT_EQ(Face(), HotFace);
}

TEST_F(SkinnedButton, AReleaseWithoutAPressOnTheButtonIsIgnored) {
  SendMessageW(Button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(65, 17));
  Pump(50ms);
  EXPECT_EQ(Clicks, 0);
  EXPECT_EQ(Face(), NormalFace);
}

TEST_F(SkinnedButton, TheFocusedButtonShowsDotsAroundItsCaptionInThePressedTextColour) {
  EXPECT_EQ(CountOnScreen(PressedText), 0);
  Button->SetFocus();
  Pump(100ms);
  const int Dots = CountOnScreen(PressedText);
  // A dotted frame around the caption's two lines: every other pixel of its edges.
  EXPECT_GT(Dots, 60);
  // Kept at least 3 pixels inside the top and bottom edges.
  for (int X = 0; X < 130; ++X)
    for (const int Y : {0, 1, 2, 32, 33, 34}) EXPECT_NE(ScreenPixel(At(X, Y)), PressedText) << X << "," << Y;
}

TEST_F(SkinnedButton, TheCaptionWrapsOntoTwoCentredLinesInTheNormalTextColour) {
  int Top = -1, Bottom = -1;
  for (int Y = 0; Y < 35; ++Y)
    for (int X = 6; X < 124; ++X)
      // Ink of the white text, smoothed at its edges, over the red face.
      if (GetGValue(ScreenPixel(At(X, Y))) >= 0x80) {
        if (Top < 0) Top = Y;
        Bottom = Y;
      }
  ASSERT_GE(Top, 0);
  // Two lines of an 8-point face are more than 16 pixels from the first ink to the last.
  EXPECT_GT(Bottom - Top, 16);
  // Centred: as much room above as below, to a pixel or two of the font's descent.
  EXPECT_NEAR(Top, 35 - 1 - Bottom, 3);
}

TEST_F(SkinnedButton, WithoutASkinItPaintsAsASystemPushButton) {
  Manager->SetActive(false);
  Pump(100ms);
  EXPECT_EQ(Face(), GetSysColor(COLOR_BTNFACE));
  MouseTo(At(65, 17));
  Pump(100ms);
  LeftButton(true);
  Pump(50ms);
  LeftButton(false);
  PumpUntil([&] { return Clicks > 0; }, 1s);
  EXPECT_EQ(Clicks, 1);
}

}  // namespace
