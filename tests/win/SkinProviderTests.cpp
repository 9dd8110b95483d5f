// The skinned window frame with real windows: the main window built from its stored
// description, with the internal skin, gets its frame on its first activation; the frame
// answers hit tests, paints the title from the skin in both activation states, closes on a
// click of its close button, and gives the system's frame back while the skin is off.
// Geometry comes from the live system metrics (Wine's caption is 19 pixels tall).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "framework/Label.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/acSBUtils.h"
#include "skin/frame/win32/acProvider.h"
#include "skin/frame/win32/sSkinProvider.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/SkinManagerStartup.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/WinTestSupport.h"

namespace {

using namespace std::chrono_literals;

// The main window, counting the closes it is asked for (and staying open).
class TClosingForm : public TForm1 {
 public:
  using TForm1::TForm1;
  int Closes = 0;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_CLOSE) {
      ++Closes;
      return;
    }
    TForm1::WndProc(Message);
  }
};

// Where the internal skin puts the title elements, worked out from the system's metrics
// and the skin's values: BITOP=3, BIRIGHT=2, no BILEFT, the close glyph 72 x 50 in three
// states above their masks (24 x 25 each).
struct TExpectedFrame {
  int Caption = GetSystemMetrics(SM_CYCAPTION);
  int Border = GetSystemMetrics(SM_CXDLGFRAME);
  int VCenter = Caption / 2 + Border / 2;
  // IconSizeFor(Caption - 3): 8 for 9..16 pixels, 16 for 17..47.
  int IconSide = Caption - 3 <= 16 ? 8 : 16;
  RECT Close(int Width) const {
    const int Right = Width - 2 - std::max(4, Border);
    return {Right - 24, VCenter - 12, Right, VCenter - 12 + 25};
  }
  POINT IconCentre() const { return {Border + IconSide / 2, VCenter}; }
  int CaptionLeft() const { return Border + IconSide + 2 + 4; }
};

bool IsGrey(COLORREF Pixel, int From, int To) {
  const int R = GetRValue(Pixel);
  return R == GetGValue(Pixel) && R == GetBValue(Pixel) && R >= From && R <= To;
}

class SkinProvider : public testing::Test {
 protected:
  TApplication App;
  std::unique_ptr<TClosingForm> Main;

  void SetUp() override {
    StartSkinManagerUnit({});
    Main = std::make_unique<TClosingForm>(nullptr);
    Main->sSkinManager1->OnWindowActivated = SkinFormOnActivate;
    Main->SetBounds(20, 20, Main->Width(), Main->Height());
    Main->Show();
    Activate(Main->Handle());
    PumpUntil([&] { return Frames(Main->Handle()) > 0; }, 5s);
    ASSERT_EQ(Frames(Main->Handle()), 1);
    UpdateWindow(Main->Handle());
  }

  static void Activate(HWND Window) {
    SetForegroundWindow(Window);
    SetActiveWindow(Window);
    PumpUntil([Window] { return GetActiveWindow() == Window; }, 5s);
    PumpUntil([] { return false; }, 50ms);
  }

  static int Frames(HWND Window) {
    return static_cast<int>(std::count_if(
        acProviders().begin(), acProviders().end(),
        [Window](TacProvider* P) { return P->Form()->HandleAllocated() && P->Form()->Handle() == Window; }));
  }

  TForm* OtherForm(std::intptr_t Tag, TFormBorderStyle Style) {
    auto* Form = new TForm(&App);
    Form->SetTag(Tag);
    Form->SetBorderStyle(Style);
    Form->SetBounds(300, 300, 200, 120);
    Form->Show();
    Activate(Form->Handle());
    return Form;
  }

  RECT WindowRect() const {
    RECT R{};
    GetWindowRect(Main->Handle(), &R);
    return R;
  }
  int Width() const { return WindowRect().right - WindowRect().left; }

  LRESULT HitTest(int X, int Y) const {
    const RECT R = WindowRect();
    return SendMessageW(Main->Handle(), WM_NCHITTEST, 0, MAKELPARAM(R.left + X, R.top + Y));
  }

  // The whole window as the window prints itself.
  TDibSection Printed() const {
    const RECT R = WindowRect();
    std::optional<TDibSection> Dib = TDibSection::Make(R.right - R.left, R.bottom - R.top);
    if (!Dib) throw std::runtime_error("no DIB section");
    PrintWindow(Main->Handle(), Dib->DC(), 0);
    return std::move(*Dib);
  }
  static COLORREF At(const TDibSection& Dib, int X, int Y) {
    const TPixel32 P = ReadPixel(Dib.Pixels(), X, Y);
    return RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF);
  }

  // How many pixels of the caption text's band have exactly Color.
  int CaptionPixels(const TDibSection& Dib, COLORREF Color) const {
    const TExpectedFrame Frame;
    int Count = 0;
    for (int Y = Frame.VCenter - 6; Y <= Frame.VCenter + 6; ++Y)
      for (int X = Frame.CaptionLeft(); X < Frame.Close(Width()).left - 12; ++X)
        if (At(Dib, X, Y) == Color) ++Count;
    return Count;
  }

  void SendNonClient(UINT Msg, WPARAM Code, POINT InWindow) {
    const RECT R = WindowRect();
    SendMessageW(Main->Handle(), Msg, Code, MAKELPARAM(R.left + InWindow.x, R.top + InWindow.y));
  }
};

TEST_F(SkinProvider, TheFirstActivationAttachesOneFrameAndLaterOnesNoOther) {
  const auto Attached = std::find_if(acProviders().begin(), acProviders().end(),
                                     [&](TacProvider* P) { return P->Form() == Main.get(); });
  ASSERT_NE(Attached, acProviders().end());
  EXPECT_EQ(SendSkinCommand(Main->Handle(), SKC_QUERY_PROVIDER, 0),
            reinterpret_cast<LRESULT>((*Attached)->Provider()));
  const std::size_t Before = acProviders().size();
  TForm* Other = OtherForm(0, TFormBorderStyle::bsSingle);
  EXPECT_EQ(Frames(Other->Handle()), 1);
  Activate(Main->Handle());
  Activate(Other->Handle());
  Activate(Main->Handle());
  EXPECT_EQ(Frames(Main->Handle()), 1);
  EXPECT_EQ(Frames(Other->Handle()), 1);
  EXPECT_EQ(acProviders().size(), Before + 1);
}

TEST_F(SkinProvider, FormsWithTheExceptTagAndBorderlessPopupsAreNotSkinned) {
  const struct {
    std::intptr_t Tag;
    TFormBorderStyle Style;
    int Frames;
  } Cases[] = {
      {256, TFormBorderStyle::bsSingle, 0}, {256 | 1, TFormBorderStyle::bsSizeable, 0},
      {0, TFormBorderStyle::bsNone, 0},     {0, TFormBorderStyle::bsSizeable, 1},
      {255, TFormBorderStyle::bsSingle, 1},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Tag);
    TForm* Form = OtherForm(Case.Tag, Case.Style);
    EXPECT_EQ(Frames(Form->Handle()), Case.Frames);
    EXPECT_EQ(SendSkinCommand(Form->Handle(), SKC_QUERY_PROVIDER, 0) != 0, Case.Frames == 1);
  }
}

TEST_F(SkinProvider, HitTestsNameTheIconAndTheCloseButtonAndLeaveTheRestToTheSystem) {
  const TExpectedFrame Frame;
  const RECT Close = Frame.Close(Width());
  const RECT R = WindowRect();
  const int Height = R.bottom - R.top;
  const struct {
    int X, Y;
    LRESULT Code;
  } Points[] = {
      {(Close.left + Close.right) / 2, (Close.top + Close.bottom) / 2, HTCLOSE},
      {Close.left, Frame.VCenter, HTCLOSE},
      {Close.right, Frame.VCenter, HTCAPTION},
      {Frame.IconCentre().x, Frame.IconCentre().y, HTSYSMENU},
      {Width() / 2, Frame.VCenter, HTCAPTION},
      {Width() / 2, Height / 2, HTCLIENT},
      {1, Height / 2, HTBORDER},
      {Width() / 2, Height - 1, HTBORDER},
  };
  for (const auto& P : Points) {
    SCOPED_TRACE(testing::Message() << P.X << ", " << P.Y);
    EXPECT_EQ(HitTest(P.X, P.Y), P.Code);
  }
}

TEST_F(SkinProvider, TheTitleComesFromTheSkinInTheActiveLookAndChangesWithActivation) {
  const TExpectedFrame Frame;
  const int X = Frame.Close(Width()).left - 20;
  TDibSection Active = Printed();
  // FORMTITLE active: a vertical grey gradient from 0x505050 to 0x424242.
  EXPECT_TRUE(IsGrey(At(Active, X, Frame.VCenter), 0x42, 0x50)) << std::hex << At(Active, X, Frame.VCenter);
  EXPECT_NE(At(Active, X, Frame.VCenter), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_GT(CaptionPixels(Active, RGB(0xFF, 0xFF, 0xFF)), 0);
  EXPECT_EQ(CaptionPixels(Active, RGB(0xEF, 0xEF, 0xEF)), 0);

  OtherForm(256, TFormBorderStyle::bsSingle);
  TDibSection Inactive = Printed();
  // Inactive: from 0x3E3E3E to 0x363636, text 0xEFEFEF.
  EXPECT_TRUE(IsGrey(At(Inactive, X, Frame.VCenter), 0x36, 0x3E))
      << std::hex << At(Inactive, X, Frame.VCenter);
  EXPECT_GT(CaptionPixels(Inactive, RGB(0xEF, 0xEF, 0xEF)), 0);
  EXPECT_EQ(CaptionPixels(Inactive, RGB(0xFF, 0xFF, 0xFF)), 0);
}

TEST_F(SkinProvider, TheWindowOnScreenShowsTheSkinnedTitle) {
  const TExpectedFrame Frame;
  const int X = Frame.Close(Width()).left - 20;
  SetWindowPos(Main->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(Main->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const TWindowDC DC(Main->Handle(), TWindowDC::TArea::Window);
  const COLORREF Pixel = GetPixel(DC.Get(), X, Frame.VCenter);
  EXPECT_TRUE(IsGrey(Pixel, 0x42, 0x50)) << std::hex << Pixel;
  // A new caption is painted by the frame, never by the system.
  Main->SetCaption(L"Another caption");
  const COLORREF After = GetPixel(DC.Get(), X, Frame.VCenter);
  EXPECT_TRUE(IsGrey(After, 0x42, 0x50)) << std::hex << After;
}

TEST_F(SkinProvider, TheCloseButtonClosesOnlyWhenReleasedOverIt) {
  const RECT Close = TExpectedFrame().Close(Width());
  const POINT Centre{(Close.left + Close.right) / 2, (Close.top + Close.bottom) / 2};
  const POINT Caption{Width() / 2, TExpectedFrame().VCenter};

  SendNonClient(WM_NCLBUTTONDOWN, HTCLOSE, Centre);
  SendNonClient(WM_NCLBUTTONUP, HTCAPTION, Caption);
  PumpUntil([] { return false; }, 50ms);
  EXPECT_EQ(Main->Closes, 0);

  // A release without a press does nothing either.
  SendNonClient(WM_NCLBUTTONUP, HTCLOSE, Centre);
  PumpUntil([] { return false; }, 50ms);
  EXPECT_EQ(Main->Closes, 0);

  SendNonClient(WM_NCLBUTTONDOWN, HTCLOSE, Centre);
  SendNonClient(WM_NCLBUTTONUP, HTCLOSE, Centre);
  PumpUntil([&] { return Main->Closes > 0; }, 2s);
  EXPECT_EQ(Main->Closes, 1);
}

TEST_F(SkinProvider, TheCloseButtonShowsItsHotLookWhileTheMouseIsOverIt) {
  const RECT Close = TExpectedFrame().Close(Width());
  const POINT Centre{(Close.left + Close.right) / 2, (Close.top + Close.bottom) / 2};
  // Left of the cross, on the hot state's plate (0xB84A4A, from (2, 3) to (22, 23)).
  const POINT OnPlate{Close.left + 4, Close.top + 12};
  EXPECT_TRUE(IsGrey(At(Printed(), OnPlate.x, OnPlate.y), 0x42, 0x50));
  SendNonClient(WM_NCMOUSEMOVE, HTCLOSE, Centre);
  EXPECT_EQ(At(Printed(), OnPlate.x, OnPlate.y), RGB(0xB8, 0x4A, 0x4A));
  SendNonClient(WM_NCMOUSEMOVE, HTCAPTION, {Width() / 2, TExpectedFrame().VCenter});
  EXPECT_TRUE(IsGrey(At(Printed(), OnPlate.x, OnPlate.y), 0x42, 0x50));
}

// Where the popup menu window was while a timer ran inside the menu's own loop.
RECT OpenMenuRect{};
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (const HWND Menu = FindWindowW(L"#32768", nullptr); Menu && IsWindowVisible(Menu)) {
    GetWindowRect(Menu, &OpenMenuRect);
    EndMenu();
  }
}

TEST_F(SkinProvider, AClickOnTheIconOpensTheSystemMenuBelowIt) {
  const TExpectedFrame Frame;
  const RECT R = WindowRect();
  OpenMenuRect = {};
  const UINT_PTR Timer = SetTimer(nullptr, 0, 100, &CloseOpenMenu);
  SendNonClient(WM_NCLBUTTONDOWN, HTSYSMENU, Frame.IconCentre());
  KillTimer(nullptr, Timer);
  EXPECT_EQ(OpenMenuRect.left, R.left + Frame.Border);
  EXPECT_EQ(OpenMenuRect.top, R.top + 2 * Frame.Border + Frame.IconSide);
  EXPECT_EQ(Main->Closes, 0);
}

TEST_F(SkinProvider, SkinOffGivesTheSystemFrameBackAndSkinOnTakesItAgain) {
  const HWND Window = Main->Handle();
  const RECT R = WindowRect();
  TUniqueRegion Region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowLongPtrW(Window, GWL_STYLE) & WS_SYSMENU, 0);
  // Square corners: the region is the whole window.
  ASSERT_EQ(GetWindowRgn(Window, Region.Get()), SIMPLEREGION);
  RECT Box{};
  GetRgnBox(Region.Get(), &Box);
  EXPECT_EQ(Box.right - Box.left, R.right - R.left);
  EXPECT_EQ(Box.bottom - Box.top, R.bottom - R.top);

  Main->sSkinManager1->SetActive(false);
  EXPECT_NE(GetWindowLongPtrW(Window, GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(GetWindowRgn(Window, Region.Get()), ERROR);
  EXPECT_EQ(SendMessageW(Window, WM_NCHITTEST, 0,
                         MAKELPARAM(R.left + TExpectedFrame().IconCentre().x,
                                    R.top + TExpectedFrame().IconCentre().y)) == HTSYSMENU,
            true);

  Main->sSkinManager1->SetActive(true);
  PumpUntil([] { return false; }, 100ms);
  EXPECT_EQ(GetWindowLongPtrW(Window, GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(GetWindowRgn(Window, Region.Get()), SIMPLEREGION);
  EXPECT_EQ(Frames(Window), 1);
  const TExpectedFrame Frame;
  TDibSection Shown = Printed();
  EXPECT_TRUE(IsGrey(At(Shown, Frame.Close(Width()).left - 20, Frame.VCenter), 0x36, 0x50));
}

TEST_F(SkinProvider, MaximisedTheFrameWouldReachJustPastTheWorkArea) {
  RECT Work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
  const int B = TExpectedFrame().Border;
  MINMAXINFO Info{};
  SendMessageW(Main->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&Info));
  EXPECT_EQ(Info.ptMaxPosition.x, Work.left - B);
  EXPECT_EQ(Info.ptMaxPosition.y, Work.top - B);
  EXPECT_EQ(Info.ptMaxSize.x, Work.right - Work.left + 2 * B);
  EXPECT_EQ(Info.ptMaxSize.y, Work.bottom - Work.top + 2 * B);
}

TEST_F(SkinProvider, ChildrenGetTheWindowPictureWithTheClientAreasPlaceInIt) {
  const TExpectedFrame Frame;
  BackgroundInfo Info;
  AskParentBackground(Info, Main.get(), false);
  ASSERT_EQ(Info.Kind, bkPicture);
  const RECT R = WindowRect();
  EXPECT_EQ(Info.Picture.Width, R.right - R.left);
  EXPECT_EQ(Info.Picture.Height, R.bottom - R.top);
  // The client area starts below the border and the caption.
  EXPECT_EQ(Info.Offset, (TPoint{Frame.Border, Frame.Border + Frame.Caption}));
  EXPECT_EQ(SendSkinCommand(Main->Handle(), SKC_QUERY_CLIENT_OFFSET, 0),
            MAKELRESULT(Frame.Border, Frame.Border + Frame.Caption));
}

TEST_F(SkinProvider, AFormsClientBackgroundIsTheFormSectionNotItsOwnColour) {
  TForm* Form = OtherForm(0, TFormBorderStyle::bsSingle);
  ASSERT_EQ(Frames(Form->Handle()), 1);
  std::optional<TDibSection> Dib = TDibSection::Make(Form->ClientWidth(), Form->ClientHeight());
  ASSERT_TRUE(Dib);
  Dib->Pixels().Fill(0x00FF00FF);
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dib->DC()), 0), 1);
  // FORM: COLOR=4210752, 0x404040 in both states.
  EXPECT_EQ(At(*Dib, Form->ClientWidth() / 2, Form->ClientHeight() / 2), RGB(0x40, 0x40, 0x40));
  EXPECT_EQ(At(*Dib, 1, 1), RGB(0x40, 0x40, 0x40));
  // The skin's frame is 4 pixels wide, one more than the system's border: its active band
  // (0x3E3E3E) shows in the client's first column.
  EXPECT_EQ(At(*Dib, 0, Form->ClientHeight() / 2), RGB(0x3E, 0x3E, 0x3E));
}

TEST_F(SkinProvider, PaintingLeavesNothingToPaintAndAnIdleWindowStaysIdle) {
  const HWND Window = Main->Handle();
  RedrawWindow(Window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_FALSE(GetUpdateRect(Window, nullptr, FALSE));
  // While the frame waits for an update it paints nothing, but still validates.
  SendSkinMessage(Window, SkinCommandMessage(SKC_SET_UPDATING, 0, 1));
  ASSERT_EQ(SendSkinCommand(Window, SKC_QUERY_UPDATING, 0), 1);
  InvalidateRect(Window, nullptr, TRUE);
  UpdateWindow(Window);
  EXPECT_FALSE(GetUpdateRect(Window, nullptr, FALSE));
}

}  // namespace

namespace {

TsSkinProvider* ProviderOf(HWND Window) {
  for (TacProvider* P : acProviders())
    if (P->Form()->HandleAllocated() && P->Form()->Handle() == Window) return P->Provider();
  return nullptr;
}

// The skin editor's private message: asked whether it is there, the form answers 1; told to
// close, it closes; without "/acpreview" a preview block passes to the form unanswered.
TEST_F(SkinProvider, TheSkinEditorsMessagesAreAnsweredAndItsBlocksIgnoredOutsidePreviewMode) {
  EXPECT_EQ(SendMessageW(Main->Handle(), WM_SKINPREVIEW, SKINPREVIEW_QUERY, 0), 1);
  EXPECT_EQ(Main->Closes, 0);
  SendMessageW(Main->Handle(), WM_SKINPREVIEW, SKINPREVIEW_CLOSE, 0);
  PumpUntil([&] { return Main->Closes > 0; }, 2s);
  EXPECT_EQ(Main->Closes, 1);
  std::vector<unsigned char> Block(30645, 0);
  Block[0] = 0x00;
  Block[1] = 0xA4;
  COPYDATASTRUCT Data{COPYDATA_SKINPREVIEW, static_cast<DWORD>(Block.size()), Block.data()};
  EXPECT_EQ(SendMessageW(Main->Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&Data)), 0);
}

// A disabled form gets its cover, at the opacity its blend value leaves, until it is
// enabled again; with the default value nothing covers it.
TEST_F(SkinProvider, ADisabledFormIsCoveredByItsBlendValueUntilEnabled) {
  TsSkinProvider* Provider = ProviderOf(Main->Handle());
  ASSERT_NE(Provider, nullptr);
  // Layered windows owned by the form.
  const auto Covers = [this] {
    std::pair<HWND, int> Seen{Main->Handle(), 0};
    EnumWindows(
        [](HWND Window, LPARAM Param) {
          auto& S = *reinterpret_cast<std::pair<HWND, int>*>(Param);
          if (GetWindow(Window, GW_OWNER) == S.first &&
              (GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_LAYERED))
            ++S.second;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&Seen));
    return Seen.second;
  };
  EnableWindow(Main->Handle(), FALSE);
  EXPECT_EQ(Covers(), 0);
  EnableWindow(Main->Handle(), TRUE);
  Provider->DisabledBlendValue = 100;
  EnableWindow(Main->Handle(), FALSE);
  EXPECT_EQ(Covers(), 1);
  EnableWindow(Main->Handle(), TRUE);
  EXPECT_EQ(Covers(), 0);
}

// Every control of the main window is one of the engine's own and already skinned: the
// adapter passes over all of them.
TEST_F(SkinProvider, TheControlAdapterPassesOverEveryControlOfTheMainWindow) {
  TsSkinProvider* Provider = ProviderOf(Main->Handle());
  ASSERT_NE(Provider, nullptr);
  ASSERT_NE(Provider->ControlAdapter(), nullptr);
  EXPECT_EQ(Provider->ControlAdapter()->AdaptedLabels(), 0u);
}

// A standard label on a skinned form takes the skin's label colour and gets its own back
// when the skin goes; one excepted by its Tag is left alone while skinned.
TEST_F(SkinProvider, AStandardLabelTakesTheSkinsLabelColourWhileSkinned) {
  constexpr TColor Own = 0x0000FF;  // red
  auto* Form = new TForm(&App);
  Form->SetBounds(300, 300, 200, 120);
  auto* Plain = new TLabel(Form);
  Plain->SetParent(Form);
  Plain->Font().SetColor(Own);
  auto* Excepted = new TLabel(Form);
  Excepted->SetParent(Form);
  Excepted->SetTag(256);
  Excepted->Font().SetColor(Own);
  Form->Show();
  Activate(Form->Handle());
  ASSERT_EQ(Frames(Form->Handle()), 1);
  const TColor SkinColour = Main->sSkinManager1->Store().GetGlobalFontColor();
  ASSERT_NE(SkinColour, Own);
  EXPECT_EQ(Plain->Font().Color(), SkinColour);
  EXPECT_EQ(Excepted->Font().Color(), Own);
  Main->sSkinManager1->SetActive(false);
  EXPECT_EQ(Plain->Font().Color(), Own);
}

// Neither repainting the skinned window nor switching the skin off and on again leaves a
// picture, brush, font or window behind.
TEST_F(SkinProvider, RepaintsAndSkinOffAndOnLeaveNothingBehind) {
  const auto Repaint = [&] {
    const TMessage Message = SkinCommandMessage(SKC_REPAINT);
    SendSkinMessage(Main->Handle(), Message);
    BroadcastToChildren(Main.get(), Message);
    RedrawWindow(Main->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  const auto ThreadWindows = [] {
    int Count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(), [](HWND, LPARAM Param) { return ++*reinterpret_cast<int*>(Param), TRUE; },
        reinterpret_cast<LPARAM>(&Count));
    return Count;
  };
  const auto SkinOffAndOn = [&] {
    Main->sSkinManager1->SetActive(false);
    Repaint();
    Main->sSkinManager1->SetActive(true);
    Repaint();
  };
  Repaint();
  const int Objects = LiveGdiObjects;
  const int Windows = ThreadWindows();
  for (int I = 0; I < 20; ++I) Repaint();
  EXPECT_EQ(LiveGdiObjects, Objects);
  // The first unskinned paint makes the brushes of the system's look once (the fields keep
  // theirs); from then on every cycle ends where the one before it did.
  SkinOffAndOn();
  const int AfterFirstCycle = LiveGdiObjects;
  EXPECT_LE(AfterFirstCycle - Objects, 8);
  for (int I = 0; I < 5; ++I) SkinOffAndOn();
  EXPECT_EQ(LiveGdiObjects, AfterFirstCycle);
  EXPECT_EQ(ThreadWindows(), Windows);
  EXPECT_EQ(Frames(Main->Handle()), 1);
}

// The output pane carries the skinned scroll bars; its thumb follows the output as it
// arrives, ending at the bottom after every append with the bar painted once per change,
// and the bars go and come with the skin.
TEST_F(SkinProvider, ThePanesSkinnedScrollBarFollowsTheOutputToItsEnd) {
  const HWND Pane = Main->sMemo1->Handle();
  const TacScrollWnd* Bars = SkinnedScrollBarsOf(Pane);
  ASSERT_NE(Bars, nullptr);
  EXPECT_NE(GetPropW(Pane, SkinSubclassProperty), nullptr);
  int Scrolled = 0;
  for (int I = 0; I < 50; ++I) {
    const int Painted = Bars->BarPaintCount();
    Main->sMemo1->AppendText(L"Reply from 127.0.0.1: bytes=32 time<1ms TTL=128\r\n");
    // The unfocused pane's state changes twice per append: its range with the new text,
    // then its position as the caret is scrolled to it.
    EXPECT_GE(Bars->BarPaintCount(), Painted + 1) << I;
    EXPECT_LE(Bars->BarPaintCount(), Painted + 2) << I;
    SCROLLINFO Info{sizeof(Info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(Pane, SB_VERT, &Info));
    if (Info.nMax - Info.nMin + 1 <= static_cast<int>(Info.nPage)) continue;
    ++Scrolled;
    EXPECT_EQ(Info.nPos, Info.nMax - static_cast<int>(Info.nPage) + 1) << I;
  }
  EXPECT_GT(Scrolled, 10);
  Main->sSkinManager1->SetActive(false);
  PumpUntil([] { return false; }, 100ms);
  EXPECT_EQ(SkinnedScrollBarsOf(Main->sMemo1->Handle()), nullptr);
  Main->sSkinManager1->SetActive(true);
  PumpUntil([] { return false; }, 100ms);
  EXPECT_NE(SkinnedScrollBarsOf(Main->sMemo1->Handle()), nullptr);
}

}  // namespace
