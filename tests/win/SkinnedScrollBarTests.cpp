// The skinned scroll bars over a plain memo with real windows and real mouse input: the
// room they take, how they look disabled, arrow presses with their repeat, the release
// paths, the thumb drag's positions and the hover timer at rest.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Colors.h"
#include "framework/Form.h"
#include "framework/Memo.h"
#include "skin/controls/acSBUtils.h"
#include "skin/controls/sMemo.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// Each bar part in a colour of its own (TColor, red in the low byte); no pictures, so the
// arrows are drawn as vector arrows.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\nCOLOR=3355443\n"
    "[EDIT]\nSTATES=2\nCOLOR=3355443\nFONTCOLOR=15724527\n"
    "[SCROLLBAR1V]\nSTATES=2\nCOLOR=255\nHOTCOLOR=255\n"
    "[SCROLLBAR2V]\nSTATES=2\nCOLOR=65280\nHOTCOLOR=65280\n"
    "[SCROLLBTNTOP]\nSTATES=3\nCOLOR=16711680\nHOTCOLOR=8421504\nFONTCOLOR=0\n"
    "[SCROLLBTNBOTTOM]\nSTATES=3\nCOLOR=16711680\nHOTCOLOR=8421504\nFONTCOLOR=0\n"
    "[SCROLLSLIDERV]\nSTATES=3\nCOLOR=65535\nHOTCOLOR=16776960\n";

struct TScrollCall {
  int Code;
  int Position;
  std::chrono::steady_clock::time_point At;
  LPARAM LParam = 0;
  int ScrollPosBefore = 0;  // the window's own position as the message arrived
};

// A scroll message or one of the skin commands around it, in arrival order.
struct TSeen {
  UINT Msg;  // WM_VSCROLL, or SKC_BEFORE_SCROLL / SKC_AFTER_SCROLL
  LPARAM LParam;
  int Code;  // of a WM_VSCROLL
};

void Pump(std::chrono::milliseconds For) {
  const auto End = std::chrono::steady_clock::now() + For;
  PumpUntil([&] { return std::chrono::steady_clock::now() >= End; }, For + 1s);
}

void Shift(bool Down) {
  INPUT Input{};
  Input.type = INPUT_KEYBOARD;
  Input.ki.wVk = VK_SHIFT;
  Input.ki.dwFlags = Down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &Input, sizeof(INPUT));
}

class SkinnedScrollBars : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);
  TMemo* Memo = new TMemo(Form);
  std::vector<TScrollCall> Calls;
  std::vector<TSeen> Seen;
  LRESULT BeforeScrollAnswer = 0;
  TMessageHook Recorder;
  TacScrollWnd* Bars = nullptr;

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin);
    Form->SetBounds(60, 60, 400, 300);
    Memo->SetParent(Form);
    Memo->SetBounds(10, 10, 200, 160);
    Memo->SetScrollBars(TScrollStyle::ssVertical);
    Recorder = Memo->AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
      if (Message.Msg == WM_VSCROLL) {
        Calls.push_back({LOWORD(Message.WParam), HIWORD(Message.WParam), std::chrono::steady_clock::now(),
                         Message.LParam, GetScrollPos(Memo->Handle(), SB_VERT)});
        Seen.push_back({WM_VSCROLL, Message.LParam, LOWORD(Message.WParam)});
      }
      if (Message.Msg == WM_SKINCOMMAND) {
        const int Code = SkinCommandCode(Message.WParam);
        if (Code == SKC_BEFORE_SCROLL || Code == SKC_AFTER_SCROLL) {
          Seen.push_back({static_cast<UINT>(Code), Message.LParam, 0});
          Message.Result = Code == SKC_BEFORE_SCROLL ? BeforeScrollAnswer : 0;
          return;
        }
      }
      Next(Message);
    });
    Form->Show();
    Bars = AttachSkinnedScrollBars(*Memo, nullptr);
    Pump(50ms);
  }
  void TearDown() override {
    LeftButton(false);
    MouseTo({5, 5});
    Pump(30ms);
  }

  void FillLines(int Count) {
    std::wstring Text;
    for (int I = 0; I < Count; ++I) Text += L"line " + std::to_wstring(I) + L"\r\n";
    Memo->SetText(Text);
    Pump(30ms);
  }
  RECT Window() const {
    RECT R{};
    GetWindowRect(Memo->Handle(), &R);
    return R;
  }
  // The vertical bar on the screen: the client edge's 2 pixels in, 17 wide.
  RECT Bar() const { return Bars->VertBarRect(); }
  POINT At(int DX, int DY) const { return {Bar().left + DX, Bar().top + DY}; }
  int Count(int Code) const {
    return static_cast<int>(
        std::count_if(Calls.begin(), Calls.end(), [&](const TScrollCall& C) { return C.Code == Code; }));
  }
  bool TimerRunning(UINT_PTR Id) const { return KillTimer(Memo->Handle(), Id) != FALSE; }
  // The rows of the bar's middle column painted in Color (bar coordinates), first and last;
  // {-1, -1} for none.
  std::pair<int, int> RowsIn(COLORREF Color) const {
    std::pair<int, int> Rows{-1, -1};
    for (int Y = 0; Y < Bar().bottom - Bar().top; ++Y)
      if (ScreenPixel(At(8, Y)) == Color) {
        if (Rows.first < 0) Rows.first = Y;
        Rows.second = Y;
      }
    return Rows;
  }
};

TEST_F(SkinnedScrollBars, TakeTheRoomOfTheSystemBarBesideTheClientEdge) {
  ASSERT_NE(Bars, nullptr);
  EXPECT_EQ(SkinnedScrollBarsOf(Memo->Handle()), Bars);
  EXPECT_EQ(GetPropW(Memo->Handle(), L"ACSBSC"), Bars);
  // 200 x 160 with a 2-pixel client edge. The skin's EDIT has no border of its own, so the
  // bar reaches 2 pixels out over that edge: to the window's right edge, full height, as
  // wide as the system's bar.
  const int Thickness = GetSystemMetrics(SM_CXVSCROLL);
  RECT Client{};
  GetClientRect(Memo->Handle(), &Client);
  EXPECT_EQ(Client.right, 200 - Thickness);
  EXPECT_EQ(Client.bottom, 160);
  const RECT W = Window();
  const RECT B = Bar();
  EXPECT_EQ(B.left - W.left, 200 - Thickness);
  EXPECT_EQ(B.right - W.left, 200);
  EXPECT_EQ(B.top - W.top, 0);
  EXPECT_EQ(B.bottom - W.top, 160);
}

TEST_F(SkinnedScrollBars, WhileTheTextFitsTheBarIsDrawnDisabledAndTakesNoClicks) {
  FillLines(2);
  RedrawWindow(Memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(50ms);
  EXPECT_FALSE(Bars->BarEnabled(Bars->sBarVert));
  // The track (red before the thumb's place, green after it) faded with weight 60 towards
  // the form's colour, and no thumb (yellow) anywhere between the arrows.
  const COLORREF Face = GetSysColor(COLOR_BTNFACE);
  const auto Faded = [&](int R, int G, int B) {
    return RGB((R * 60 + GetRValue(Face) * 195) >> 8, (G * 60 + GetGValue(Face) * 195) >> 8,
               (B * 60 + GetBValue(Face) * 195) >> 8);
  };
  const int Arrow = GetSystemMetrics(SM_CXVSCROLL);
  const int Length = Bar().bottom - Bar().top;
  for (int Y = Arrow + 1; Y < Length - Arrow - 1; Y += 7) {
    const COLORREF Pixel = ScreenPixel(At(8, Y));
    EXPECT_TRUE(Pixel == Faded(255, 0, 0) || Pixel == Faded(0, 255, 0))
        << "at " << Y << ": " << std::hex << Pixel;
  }
  const LRESULT Hit = SendMessageW(Memo->Handle(), WM_NCHITTEST, 0, MAKELPARAM(At(8, 30).x, At(8, 30).y));
  EXPECT_EQ(Hit, HTNOWHERE);
  MouseTo(At(8, Bar().bottom - Bar().top - 5));
  LeftButton(true);
  Pump(100ms);
  LeftButton(false);
  Pump(50ms);
  EXPECT_TRUE(Calls.empty());
}

// Each append that adds a line changes the bar's state; the system then paints its own bar
// there. What stays on the screen is ours, painted once per append.
TEST_F(SkinnedScrollBars, AfterEveryAppendTheScreenShowsTheSkinnedBarPaintedOnce) {
  FillLines(20);
  // The first append also scrolls the caret down from the top: two changes.
  Memo->AppendText(L"first\r\n");
  const std::vector<COLORREF> Ours{RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(0, 0, 255),     RGB(128, 128, 128),
                                   RGB(255, 255, 0), RGB(0, 255, 255), RGB(0, 0, 0)};
  for (int I = 0; I < 30; ++I) {
    const int Before = Bars->BarPaintCount();
    Memo->AppendText(L"appended " + std::to_wstring(I) + L"\r\n");
    EXPECT_EQ(Bars->BarPaintCount(), Before + 1) << I;
    for (int Y = 0; Y < Bar().bottom - Bar().top; ++Y) {
      const COLORREF Pixel = ScreenPixel(At(8, Y));
      ASSERT_NE(std::find(Ours.begin(), Ours.end(), Pixel), Ours.end())
          << "append " << I << ", row " << Y << ": " << std::hex << Pixel;
    }
  }
}

TEST_F(SkinnedScrollBars, AnArrowPressScrollsOnceThenRepeatsUntilTheRelease) {
  FillLines(200);
  ASSERT_TRUE(Bars->BarEnabled(Bars->sBarVert));
  const LRESULT Hit = SendMessageW(Memo->Handle(), WM_NCHITTEST, 0, MAKELPARAM(At(8, 30).x, At(8, 30).y));
  EXPECT_EQ(Hit, HTVSCROLL);
  MouseTo(At(8, Bar().bottom - Bar().top - 5));
  Pump(30ms);
  Calls.clear();
  const auto Pressed = std::chrono::steady_clock::now();
  LeftButton(true);
  Pump(200ms);
  ASSERT_EQ(Count(SB_LINEDOWN), 1);
  EXPECT_LT(Calls[0].At - Pressed, 150ms);
  Pump(800ms);
  LeftButton(false);
  Pump(150ms);
  const int Lines = Count(SB_LINEDOWN);
  // 300 ms to the second, then 55 ms apart: about 10 in the second that passed.
  ASSERT_GE(Lines, 4);
  EXPECT_GE(Calls[1].At - Calls[0].At, 280ms);
  for (int I = 2; I < Lines; ++I)
    EXPECT_GE(Calls[static_cast<std::size_t>(I)].At - Calls[static_cast<std::size_t>(I - 1)].At, 40ms);
  EXPECT_LE(Lines, 14);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
  EXPECT_EQ(Calls.back().Code, SB_ENDSCROLL);
  EXPECT_GT(GetScrollPos(Memo->Handle(), SB_VERT), 0);
  EXPECT_FALSE(TimerRunning(0xFFFD));
  EXPECT_FALSE(TimerRunning(0xFFFE));
  // Nothing follows the release.
  Pump(300ms);
  EXPECT_EQ(Count(SB_LINEDOWN), Lines);
}

TEST_F(SkinnedScrollBars, MovingOffThePressedArrowPausesTheRepeatAndShowsItUnpressed) {
  FillLines(300);
  const int Length = Bar().bottom - Bar().top;
  const POINT OnArrow = At(8, Length - 5);
  const POINT Corner = At(1, Length - 2);  // of the arrow button, clear of its arrow
  constexpr COLORREF Normal = RGB(0, 0, 255);
  MouseTo(OnArrow);
  Pump(30ms);
  Calls.clear();
  LeftButton(true);
  Pump(450ms);
  EXPECT_NE(ScreenPixel(Corner), Normal);
  MouseTo(At(8, Length / 2));
  Pump(100ms);
  const int Paused = Count(SB_LINEDOWN);
  EXPECT_GE(Paused, 2);
  EXPECT_EQ(ScreenPixel(Corner), Normal);
  Pump(300ms);
  EXPECT_EQ(Count(SB_LINEDOWN), Paused);
  MouseTo(OnArrow);
  Pump(300ms);
  EXPECT_GE(Count(SB_LINEDOWN), Paused + 2);
  EXPECT_NE(ScreenPixel(Corner), Normal);
  LeftButton(false);
  Pump(50ms);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
}

TEST_F(SkinnedScrollBars, ALostCaptureEndsThePress) {
  FillLines(200);
  MouseTo(At(8, Bar().bottom - Bar().top - 5));
  Pump(30ms);
  Calls.clear();
  LeftButton(true);
  Pump(450ms);
  ASSERT_GE(Count(SB_LINEDOWN), 2);
  ASSERT_EQ(GetCapture(), Memo->Handle());
  ReleaseCapture();
  Pump(30ms);
  const int Lines = Count(SB_LINEDOWN);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
  EXPECT_FALSE(TimerRunning(0xFFFD));
  EXPECT_FALSE(TimerRunning(0xFFFE));
  Pump(400ms);
  EXPECT_EQ(Count(SB_LINEDOWN), Lines);
  LeftButton(false);
  Pump(50ms);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
}

TEST_F(SkinnedScrollBars, TheButtonFoundUpAtATickEndsThePress) {
  FillLines(200);
  MouseTo(At(8, Bar().bottom - Bar().top - 5));
  Pump(30ms);
  Calls.clear();
  // The press arrives, but the button is never held.
  SendMessageW(Memo->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL,
               MAKELPARAM(At(8, Bar().bottom - Bar().top - 5).x, At(8, Bar().bottom - Bar().top - 5).y));
  Pump(600ms);
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  EXPECT_EQ(Count(SB_ENDSCROLL), 1);
  EXPECT_FALSE(TimerRunning(0xFFFD));
  EXPECT_FALSE(TimerRunning(0xFFFE));
  EXPECT_NE(GetCapture(), Memo->Handle());
}

TEST_F(SkinnedScrollBars, DraggingTheThumbToTheEndSendsOnePastTheLastPage) {
  FillLines(300);
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(Memo->Handle(), SB_VERT, &Info));
  ASSERT_EQ(Info.nPos, 0);
  const int Length = Bar().bottom - Bar().top;
  const int Arrow = GetSystemMetrics(SM_CXVSCROLL);
  // The thumb starts right after the upper arrow.
  MouseTo(At(8, Arrow + 1));
  Pump(30ms);
  Calls.clear();
  LeftButton(true);
  Pump(50ms);
  EXPECT_TRUE(Calls.empty());
  // Down by one pixel: 1 x (nMax - nPage + 2) / (track - thumb) rounds to the first step.
  MouseTo(At(8, Arrow + 2));
  Pump(50ms);
  MouseTo(At(8, Length + 40));
  Pump(80ms);
  LeftButton(false);
  Pump(80ms);
  ASSERT_GE(Calls.size(), 3u);
  const int End = Info.nMax - Info.nMin - static_cast<int>(Info.nPage) + 2;
  const TScrollCall& LastTrack = Calls[Calls.size() - 3];
  EXPECT_EQ(LastTrack.Code, SB_THUMBTRACK);
  EXPECT_EQ(LastTrack.Position, Info.nMin + End);
  EXPECT_EQ(Calls[Calls.size() - 2].Code, SB_THUMBPOSITION);
  EXPECT_EQ(Calls[Calls.size() - 2].Position, Info.nMin + End);
  EXPECT_EQ(Calls.back().Code, SB_ENDSCROLL);
  EXPECT_EQ(Calls.back().Position, Info.nMin + End);
  for (std::size_t I = 0; I + 2 < Calls.size(); ++I) EXPECT_EQ(Calls[I].Code, SB_THUMBTRACK);
  // The memo shows its last page.
  SCROLLINFO After{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Memo->Handle(), SB_VERT, &After);
  EXPECT_EQ(After.nPos, Info.nMax - static_cast<int>(Info.nPage) + 1);
}

TEST_F(SkinnedScrollBars, ShiftClickOnTheTrackCentresTheThumbThereInOneStep) {
  FillLines(300);
  constexpr COLORREF Thumb = RGB(255, 255, 0);     // SCROLLSLIDERV's colour
  constexpr COLORREF HotThumb = RGB(0, 255, 255);  // and its hot colour
  const std::pair<int, int> Before = RowsIn(Thumb);
  ASSERT_EQ(Before.first, GetSystemMetrics(SM_CXVSCROLL));
  const int ClickY = 100;
  MouseTo(At(8, ClickY));
  Pump(30ms);
  Calls.clear();
  Shift(true);
  LeftButton(true);
  Pump(100ms);
  LeftButton(false);
  Shift(false);
  Pump(100ms);
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].Code, SB_THUMBTRACK);
  EXPECT_GT(Calls[0].Position, 0);
  // The thumb as long as before, its centre on the click (the position rounds to a line);
  // hot, as the cursor rests on it now.
  const std::pair<int, int> After = RowsIn(HotThumb);
  EXPECT_EQ(After.second - After.first, Before.second - Before.first);
  EXPECT_NEAR((After.first + After.second) / 2.0, ClickY, 2.0);
}

TEST_F(SkinnedScrollBars, AtRestOverTheBarNothingIsRepaintedAfterTheFirst) {
  FillLines(200);
  const int Before = Bars->BarPaintCount();
  // On the thumb, right after the upper arrow: it shows its hot colour.
  MouseTo(At(8, GetSystemMetrics(SM_CXVSCROLL) + 1));
  Pump(300ms);
  const int Settled = Bars->BarPaintCount();
  EXPECT_GT(Settled, Before);
  EXPECT_EQ(ScreenPixel(At(8, GetSystemMetrics(SM_CXVSCROLL) + 1)), RGB(0, 255, 255));
  Pump(2s);
  EXPECT_EQ(Bars->BarPaintCount(), Settled);
  MouseTo({Window().left - 30, Window().top + 20});
  Pump(150ms);
  EXPECT_GT(Bars->BarPaintCount(), Settled);
  EXPECT_FALSE(TimerRunning(0xFFF2));
}

TEST_F(SkinnedScrollBars, DetachingGivesTheWindowItsOwnBarBack) {
  DetachSkinnedScrollBars(*Memo);
  EXPECT_EQ(SkinnedScrollBarsOf(Memo->Handle()), nullptr);
  RECT Client{};
  GetClientRect(Memo->Handle(), &Client);
  EXPECT_EQ(Client.right, 196 - GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(GetWindowLongPtrW(Memo->Handle(), GWL_STYLE) & WS_VSCROLL, WS_VSCROLL);
}

TEST_F(SkinnedScrollBars, EveryScrollMessageComesBetweenTheTwoSkinCommands) {
  FillLines(300);
  const POINT Arrow = At(8, Bar().bottom - Bar().top - 5);
  Seen.clear();
  // A press whose button is up at the first tick: one line down, then the end.
  SendMessageW(Memo->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(Arrow.x, Arrow.y));
  Pump(500ms);
  const LPARAM Down = MAKELPARAM(SB_LINEDOWN, WM_VSCROLL);
  const LPARAM End = MAKELPARAM(SB_ENDSCROLL, WM_VSCROLL);
  ASSERT_EQ(Seen.size(), 6u);
  EXPECT_EQ(Seen[0].Msg, static_cast<UINT>(SKC_BEFORE_SCROLL));
  EXPECT_EQ(Seen[0].LParam, Down);
  EXPECT_EQ(Seen[1].Msg, static_cast<UINT>(WM_VSCROLL));
  EXPECT_EQ(Seen[1].Code, SB_LINEDOWN);
  EXPECT_EQ(Seen[2].Msg, static_cast<UINT>(SKC_AFTER_SCROLL));
  EXPECT_EQ(Seen[2].LParam, Down);
  EXPECT_EQ(Seen[3].LParam, End);
  EXPECT_EQ(Seen[4].Code, SB_ENDSCROLL);
  EXPECT_EQ(Seen[5].LParam, End);
}

TEST_F(SkinnedScrollBars, ATrackPositionGoesInTheWindowFirstOrWholeInLParamWhenAsked) {
  FillLines(300);
  const HWND Window = Memo->Handle();
  // The thumb grabbed right after the upper arrow and dragged down to row 100.
  const auto Drag = [&] {
    Calls.clear();
    const POINT Grab = At(8, GetSystemMetrics(SM_CXVSCROLL) + 1);
    SendMessageW(Window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(Grab.x, Grab.y));
    POINT To = At(8, 100);
    ScreenToClient(Window, &To);
    SendMessageW(Window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(To.x, To.y));
    SendMessageW(Window, WM_LBUTTONUP, 0, MAKELPARAM(To.x, To.y));
    Pump(30ms);
  };
  // Unanswered: the window's own position is set first, lParam 0.
  Drag();
  ASSERT_EQ(Calls.size(), 3u);
  EXPECT_EQ(Calls[0].Code, SB_THUMBTRACK);
  EXPECT_GT(Calls[0].Position, 0);
  EXPECT_EQ(Calls[0].LParam, 0);
  EXPECT_EQ(Calls[0].ScrollPosBefore, Calls[0].Position);
  // Answered 1: the position comes whole in lParam.
  BeforeScrollAnswer = 1;
  SendMessageW(Window, EM_LINESCROLL, 0, -1000);
  Pump(30ms);
  ASSERT_EQ(GetScrollPos(Window, SB_VERT), 0);
  Drag();
  ASSERT_EQ(Calls.size(), 3u);
  EXPECT_EQ(Calls[0].Code, SB_THUMBTRACK);
  EXPECT_GT(Calls[0].Position, 0);
  EXPECT_EQ(Calls[0].LParam, Calls[0].Position);
  EXPECT_EQ(Calls[0].ScrollPosBefore, 0);
  EXPECT_EQ(Calls[1].Code, SB_THUMBPOSITION);
  EXPECT_EQ(Calls[1].LParam, Calls[0].Position);
}

TEST_F(SkinnedScrollBars, ARecreatedWindowTakesItsBarsAlongAndBothBarsShareTheSizeBox) {
  Memo->SetScrollBars(TScrollStyle::ssBoth);
  Pump(30ms);
  ASSERT_EQ(SkinnedScrollBarsOf(Memo->Handle()), nullptr);
  Bars = AttachSkinnedScrollBars(*Memo, nullptr);
  Pump(50ms);
  // Over the 2-pixel edge as before: the vertical bar above the horizontal one, the size box
  // in the corner between them, in the skin's global colour (the skin has no SCROLLBAR1H).
  const int T = GetSystemMetrics(SM_CXVSCROLL);
  const TScrollBarRects Rects = Bars->BarRects();
  EXPECT_EQ(Rects.Vert, (TRect{200 - T, 0, 200, 160 - T}));
  EXPECT_EQ(Rects.Horz, (TRect{0, 160 - T, 200 - T, 160}));
  EXPECT_EQ(Rects.SizeBox, (TRect{200 - T, 160 - T, 200, 160}));
  RECT Client{};
  GetClientRect(Memo->Handle(), &Client);
  EXPECT_EQ(Client.right, 200 - T);
  EXPECT_EQ(Client.bottom, 160 - T);
  const RECT W = Window();
  EXPECT_EQ(ScreenPixel({W.left + 200 - T / 2, W.top + 160 - T / 2}), RGB(0x33, 0x33, 0x33));
}

// The output pane of the main window with the internal skin: its arrows carry glyph masks,
// light on the buttons' 0x363636.
TEST(SkinnedScrollBarsInternalSkin, TheMemosArrowsShowTheirGlyphs) {
  TApplication App;
  auto Form = std::make_unique<TForm1>(nullptr);
  Form->Show();
  TacScrollWnd* Bars = AttachSkinnedScrollBars(*Form->sMemo1, &Form->sMemo1->SkinData());
  std::wstring Text;
  for (int I = 0; I < 300; ++I) Text += L"line " + std::to_wstring(I) + L"\r\n";
  Form->sMemo1->SetText(Text);
  PumpUntil([] { return false; }, 100ms);
  const RECT Bar = Bars->VertBarRect();
  const int Arrow = GetSystemMetrics(SM_CXVSCROLL);
  HDC DC = GetDC(nullptr);
  for (const int Top : {Bar.top, Bar.bottom - Arrow}) {
    int Button = 0, Light = 0;
    for (int Y = Top; Y < Top + Arrow; ++Y)
      for (int X = Bar.left; X < Bar.right; ++X) {
        const COLORREF C = GetPixel(DC, X, Y);
        if (C == RGB(0x36, 0x36, 0x36)) ++Button;
        if (GetGValue(C) >= 0x80) ++Light;
      }
    EXPECT_GT(Button, Arrow * Arrow / 2) << "arrow at " << Top;
    EXPECT_GT(Light, 4) << "arrow at " << Top;
  }
  ReleaseDC(nullptr, DC);
}

}  // namespace
