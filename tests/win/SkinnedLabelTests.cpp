// The skinned labels on a skinned panel, with real windows: the text colour found through
// the panel's section, the effect label's shadow, size and kinds, its disabled look.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "framework/Application.h"
#include "framework/Colors.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sLabelFX.h"
#include "skin/controls/sPanel.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// A plain PANEL of 0x404040 with text 0xEFEFEF and the internal skin's first shadow; BOX
// plain green.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\nCOLOR=3355443\nSHADOW1COLOR=0\nSHADOW1BLUR=1\nSHADOW1OFFSET=1\n"
    "[PANEL]\nSTATES=1\nCOLOR=4210752\nFONTCOLOR=15724527\n"
    "[BOX]\nSTATES=1\nCOLOR=65280\n";

constexpr TPixel32 PanelGrey = 0x404040;
constexpr TPixel32 Untouched = 0x00FF00FF;

TPixel32 AsPixel(TColor Color) {
  return ExchangeRedBlue(static_cast<TPixel32>(ColorToRGB(Color))) & 0xFFFFFF;
}

class SkinnedLabel : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);
  TsPanel* Panel = nullptr;

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin);
    Form->SetBounds(40, 40, 360, 200);
    Panel = ShownPanel(*Form, {0, 0, 320, 160});
  }

  // A label of the main window's kind: bold Tahoma, font colour red (never expected).
  template <class TLabelKind>
  TLabelKind* LabelOnPanel(const wchar_t* Caption, int Left, int Top) {
    auto* Label = new TLabelKind(Form);
    Label->BeginLoading();
    Label->Font().SetHeight(-13);
    Label->Font().SetStyle({TFontStyle::fsBold});
    Label->Font().SetColor(0x0000FF);
    Label->SetParent(Panel);
    Label->SetBounds(Left, Top, 100, 18);
    Label->SetCaption(Caption);
    Label->Loaded();
    return Label;
  }
  TsLabelFX* LinkOnPanel(const wchar_t* Caption, int Left, int Top) {
    TsLabelFX* Label = LabelOnPanel<TsLabelFX>(Caption, Left, Top);
    Label->SetColor(clMoneyGreen);
    Label->Kind().SetKindType(ktStandard);
    return Label;
  }

  // What the panel shows, with its children, in a device context of its size.
  TDibSection Printed() {
    TDibSection Dib = NewDib(Panel->Width(), Panel->Height(), Untouched);
    SendMessageW(Panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dib.DC()), PRF_CLIENT);
    return Dib;
  }
  static TPixel32 At(const TDibSection& Dib, int X, int Y) {
    return ReadPixel(Dib.Pixels(), X, Y) & 0xFFFFFF;
  }
  static int Count(const TDibSection& Dib, const TControl& Area, const std::function<bool(TPixel32)>& Which) {
    int N = 0;
    for (int Y = Area.Top(); Y < Area.Top() + Area.Height(); ++Y)
      for (int X = Area.Left(); X < Area.Left() + Area.Width(); ++X) N += Which(At(Dib, X, Y)) ? 1 : 0;
    return N;
  }
  static bool Reddish(TPixel32 P) {
    const int R = static_cast<int>((P >> 16) & 0xFF), G = static_cast<int>((P >> 8) & 0xFF);
    return R > G + 40;
  }
};

TEST_F(SkinnedLabel, APlainLabelAsksThePanelForItsSectionAndDrawsInItsTextColour) {
  TsLabel* Label = LabelOnPanel<TsLabel>(L"Address / IP test ping", 17, 7);
  TacStateSectionQuery Query;
  Query.R = {0, 0, Label->Width(), Label->Height()};
  EXPECT_EQ(PerformSkinCommand(Label, SKC_QUERY_STATE_SECTION, reinterpret_cast<LPARAM>(&Query)), 1);
  EXPECT_EQ(Query.SkinIndex, Manager->Store().GetSkinIndex("PANEL"));
  EXPECT_EQ(Query.R.left, 17);
  EXPECT_EQ(Query.R.top, 7);

  const TDibSection Shown = Printed();
  EXPECT_GT(Count(Shown, *Label, [](TPixel32 P) { return P == 0xEFEFEF; }), 20);
  EXPECT_EQ(Count(Shown, *Label, Reddish), 0);
  // Around the text the label leaves the panel as it is.
  EXPECT_EQ(At(Shown, Label->Left() + Label->Width() - 1, Label->Top() + Label->Height() - 1), PanelGrey);
}

TEST_F(SkinnedLabel, ALabelsOwnSectionIsPaintedBehindItsTextAndOneTheSkinLacksIsNot) {
  TsLabel* Label = LabelOnPanel<TsLabel>(L"Packet", 17, 7);
  const auto Corner = [&] { return At(Printed(), Label->Left() + Label->Width() - 1, Label->Top()); };
  Label->SetSkinSection("box");
  EXPECT_EQ(Corner(), 0x00FF00u);
  Label->SetSkinSection("NOSUCHSECTION");
  EXPECT_EQ(Corner(), PanelGrey);
}

TEST_F(SkinnedLabel, WithoutTheSkinColourOrWithoutTheSkinAPlainLabelDrawsInItsFontColour) {
  TsLabel* Label = LabelOnPanel<TsLabel>(L"Packet in bytes", 17, 7);
  Label->SetUseSkinColor(false);
  TDibSection Shown = Printed();
  EXPECT_GT(Count(Shown, *Label, [](TPixel32 P) { return P == 0xFF0000; }), 20);
  EXPECT_EQ(Count(Shown, *Label, [](TPixel32 P) { return P == 0xEFEFEF; }), 0);

  Label->SetUseSkinColor(true);
  Manager->SetActive(false);
  TDibSection Dib = NewDib(Panel->Width(), Panel->Height(), Untouched);
  SendMessageW(Panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dib.DC()),
               PRF_CLIENT | PRF_ERASEBKGND);
  // The panel gave its labels the window-text colour back when the skin went.
  const TPixel32 FontColour = AsPixel(Label->Font().Color());
  EXPECT_GT(Count(Dib, *Label, [&](TPixel32 P) { return P == FontColour; }), 20);
  EXPECT_EQ(Count(Dib, *Label, [](TPixel32 P) { return P == 0xEFEFEF; }), 0);
}

TEST_F(SkinnedLabel, TheSkinsShadowMakesAnEffectLabelTwoPixelsLargerThanItsTextAndMovesItForAWiderOne) {
  TsLabelFX* Label = LinkOnPanel(L"Quorvane ver1.1", 19, 40);
  const SIZE Text = TextSize(*Label);
  // Offset 1, blur 1: the shadow reaches from 0 to 2 past the text.
  EXPECT_EQ(Label->Width(), Text.cx + 2);
  EXPECT_EQ(Label->Height(), Text.cy + 2);
  EXPECT_EQ(Label->Shadow().OffsetKeeper, (TacOffsetKeeper{0, 2}));
  EXPECT_EQ(Label->Left(), 19);
  // The label's own shadow, blur 4 and distance 1, reaches from -3 to 5: the label grows by
  // 8 and moves 3 up and left so that the text stays where it was.
  Label->Shadow().SetMode(smCustom);
  EXPECT_EQ(Label->Width(), Text.cx + 8);
  EXPECT_EQ(Label->Height(), Text.cy + 8);
  EXPECT_EQ(Label->Left(), 16);
  EXPECT_EQ(Label->Top(), 37);
  EXPECT_EQ(Label->Shadow().OffsetKeeper, (TacOffsetKeeper{-3, 5}));
  Label->Shadow().SetMode(smSkin1);
  EXPECT_EQ(Label->Left(), 19);
  EXPECT_EQ(Label->Top(), 40);
  EXPECT_EQ(Label->Width(), Text.cx + 2);
}

TEST_F(SkinnedLabel, AnEffectLabelSizesItselfAgainWhenTheSkinGoesAndComesBack) {
  TsLabelFX* Label = LinkOnPanel(L"Quorvane ver1.1", 19, 40);
  const SIZE Text = TextSize(*Label);
  // Without a skin the label's own shadow (blur 4, distance 1) applies: -3 .. 5.
  Manager->SetActive(false);
  EXPECT_EQ(Label->Shadow().OffsetKeeper, (TacOffsetKeeper{-3, 5}));
  EXPECT_EQ(Label->Width(), Text.cx + 8);
  EXPECT_EQ(Label->Left(), 16);
  Manager->SetActive(true);
  EXPECT_EQ(Label->Shadow().OffsetKeeper, (TacOffsetKeeper{0, 2}));
  EXPECT_EQ(Label->Width(), Text.cx + 2);
  EXPECT_EQ(Label->Left(), 19);
  EXPECT_EQ(Label->Top(), 40);
}

TEST_F(SkinnedLabel, AStandardEffectLabelDrawsInItsColourOverItsShadowWhateverItsFontColour) {
  TsLabelFX* Label = LinkOnPanel(L"contact@example.com", 28, 60);
  const TDibSection Shown = Printed();
  EXPECT_GT(Count(Shown, *Label, [](TPixel32 P) { return P == AsPixel(clMoneyGreen); }), 20);
  EXPECT_EQ(Count(Shown, *Label, Reddish), 0);
  // The black shadow darkens the panel beside the strokes.
  EXPECT_GT(Count(Shown, *Label, [](TPixel32 P) { return (P & 0xFF) < 0x30; }), 10);
}

TEST_F(SkinnedLabel, WithAlphaZeroTheShadowStillDarkensEveryChannelByOneIn256) {
  TsLabelFX* Label = LinkOnPanel(L"Quorvane", 19, 40);
  Label->Shadow().SetAlphaValue(0);
  const TDibSection Shown = Printed();
  // I = 0: each channel becomes c x 255 shr 8, 0x40 -> 0x3F, over the whole label.
  EXPECT_EQ(At(Shown, Label->Left(), Label->Top() + Label->Height() - 1), 0x3F3F3Fu);
  EXPECT_EQ(At(Shown, Label->Left() + Label->Width() - 1, Label->Top()), 0x3F3F3Fu);
  EXPECT_EQ(At(Shown, Label->Left() + Label->Width(), Label->Top()), PanelGrey);
  EXPECT_EQ(Count(Shown, *Label, [](TPixel32 P) { return (P & 0xFF) < 0x3F; }), 0);
}

TEST_F(SkinnedLabel, ADisabledEffectLabelIsEmbossedInTwoColoursWithoutAShadow) {
  TsLabelFX* Label = LinkOnPanel(L"Besuchen Sie", 11, 80);
  Label->SetEnabled(false);
  const TDibSection Shown = Printed();
  // The look drawn by hand: over the panel, the text in the highlight colour one pixel
  // right and down, then in the shadow colour in place (the text starts at the corner).
  TDibSection Expected = NewDib(Label->Width(), Label->Height(), PanelGrey);
  {
    const HDC DC = Expected.DC();
    const HGDIOBJ Old = SelectObject(DC, Label->Font().Handle());
    SetBkMode(DC, TRANSPARENT);
    const std::wstring Text = Label->Caption();
    RECT R{1, 1, Label->Width() + 1, Label->Height() + 1};
    SetTextColor(DC, ColorToRGB(clBtnHighlight));
    DrawTextW(DC, Text.c_str(), -1, &R, DT_SINGLELINE | DT_NOCLIP | DT_EXPANDTABS);
    R = {0, 0, Label->Width(), Label->Height()};
    SetTextColor(DC, ColorToRGB(clBtnShadow));
    DrawTextW(DC, Text.c_str(), -1, &R, DT_SINGLELINE | DT_NOCLIP | DT_EXPANDTABS);
    SelectObject(DC, Old);
  }
  int Differing = 0;
  for (int Y = 0; Y < Label->Height(); ++Y)
    for (int X = 0; X < Label->Width(); ++X)
      Differing += At(Shown, Label->Left() + X, Label->Top() + Y) != At(Expected, X, Y) ? 1 : 0;
  EXPECT_EQ(Differing, 0);
  EXPECT_GT(Count(Shown, *Label, [](TPixel32 P) { return P == AsPixel(clBtnShadow); }), 20);
  EXPECT_GT(Count(Shown, *Label, [](TPixel32 P) { return P == AsPixel(clBtnHighlight); }), 5);
}

TEST_F(SkinnedLabel, AnAngleTurnsWordWrapOffAndWordWrapTurnsTheAngleBackToNothing) {
  TsLabelFX* Label = LinkOnPanel(L"Quorvane", 19, 40);
  Label->SetWordWrap(true);
  Label->SetAngle(90);
  EXPECT_FALSE(Label->WordWrap());
  EXPECT_EQ(Label->Angle(), 90);
  // Turned upright: the label is now as wide as the text is high.
  const SIZE Text = TextSize(*Label);
  EXPECT_EQ(Label->Width(), Text.cy + 2);
  EXPECT_EQ(Label->Height(), Text.cx + 2);
  Label->SetWordWrap(true);
  EXPECT_EQ(Label->Angle(), 0);
}

TEST_F(SkinnedLabel, TheMouseEnteringAndLeavingALabelRaisesItsEvents) {
  TsLabel* Label = LabelOnPanel<TsLabel>(L"Address", 17, 7);
  int Entered = 0, Left = 0;
  Label->OnMouseEnter = [&](TObject*) { ++Entered; };
  Label->OnMouseLeave = [&](TObject*) { ++Left; };
  SendMessageW(Panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(Label->Left() + 2, Label->Top() + 2));
  EXPECT_EQ(Entered, 1);
  EXPECT_EQ(Left, 0);
  SendMessageW(Panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 150));
  EXPECT_EQ(Left, 1);
}

}  // namespace
