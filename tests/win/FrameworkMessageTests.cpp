// Message routing: message hooks, reflected notifications, graphic children painted,
// hit-tested and given the cursor, mouse enter and leave.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/Button.h"
#include "framework/ControlMessages.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Handles.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "tests/win/WinTestSupport.h"

namespace {

// A hook in front of Control's handling that records each message and passes it on.
[[nodiscard]] TMessageHook RecordMessages(TControl& Control, std::vector<UINT>& Seen) {
  return Control.AddMessageHook([&Seen](TMessage& Message, const TMessageHookChain::TNext& Next) {
    Seen.push_back(Message.Msg);
    Next(Message);
  });
}

TEST(WindowProcTest, EveryMessagePassesAHook) {
  TForm Form(nullptr);
  auto* Button = new TButton(&Form);
  Button->SetParent(&Form);
  std::vector<UINT> Seen;
  const TMessageHook Recorder = RecordMessages(*Button, Seen);
  // Hooked before the window exists: the creation messages come through it too.
  const HWND Window = Button->Handle();
  EXPECT_EQ(Seen.front(), static_cast<UINT>(WM_NCCREATE));
  EXPECT_NE(std::find(Seen.begin(), Seen.end(), static_cast<UINT>(WM_CREATE)), Seen.end());
  Seen.clear();
  SetWindowTextW(Window, L"Chained");
  EXPECT_NE(std::find(Seen.begin(), Seen.end(), static_cast<UINT>(WM_SETTEXT)), Seen.end());
  EXPECT_EQ(Button->Caption(), L"Chained");  // the old procedure did its work
  EXPECT_EQ(Button->Perform(WM_APP + 17, 1, 2), 0);
  EXPECT_EQ(Seen.back(), static_cast<UINT>(WM_APP + 17));
}

TEST(WindowProcTest, AHookThatDoesNotPassItOnStopsTheMessage) {
  TForm Form(nullptr);
  auto* Button = new TButton(&Form);
  Button->SetParent(&Form);
  Button->SetCaption(L"Before");
  const TMessageHook Hook = Button->AddMessageHook([](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == WM_SETTEXT) {
      Message.Result = TRUE;
      return;
    }
    Next(Message);
  });
  SetWindowTextW(Button->Handle(), L"After");
  EXPECT_EQ(Button->Caption(), L"Before");
}

TEST(WindowProcTest, AButtonHandlesItsOwnClickReflectedFromItsParent) {
  TForm Form(nullptr);
  auto* Panel = new TPanel(&Form);
  Panel->SetParent(&Form);
  auto* Button = new TButton(&Form);
  Button->SetParent(Panel);
  int Clicks = 0;
  Button->OnClick = [&Clicks, Button](TObject* Sender) {
    EXPECT_EQ(Sender, Button);
    ++Clicks;
  };
  std::vector<UINT> Seen;
  const TMessageHook Recorder = RecordMessages(*Button, Seen);
  // What the button sends its parent when it is clicked.
  const HWND Window = Button->Handle();
  SendMessageW(Panel->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Window), BN_CLICKED),
               reinterpret_cast<LPARAM>(Window));
  EXPECT_EQ(Clicks, 1);
  // The system button's own mouse handling (capture, press, release) ends in the same click.
  SendMessageW(Window, BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 2);
  EXPECT_NE(std::find(Seen.begin(), Seen.end(), CN_COMMAND), Seen.end());
}

TEST(WindowProcTest, FrameworkMessagesTellAboutChanges) {
  TForm Form(nullptr);
  auto* Label = new TLabel(&Form);
  Label->SetParent(&Form);
  std::vector<UINT> Seen;
  const TMessageHook Recorder = RecordMessages(*Label, Seen);
  Label->SetCaption(L"x");
  Label->Font().SetHeight(-20);
  Label->SetColor(clYellow);
  Label->SetEnabled(false);
  Label->SetVisible(false);
  EXPECT_EQ(Seen, (std::vector<UINT>{CM_TEXTCHANGED, CM_FONTCHANGED, CM_COLORCHANGED, CM_ENABLEDCHANGED,
                                     CM_VISIBLECHANGED}));
}

// A panel with two labels, the second partly over the first.
struct TLabelPanel {
  TForm Form{nullptr};
  TPanel* Panel = new TPanel(&Form);
  TLabel* First = new TLabel(&Form);
  TLabel* Second = new TLabel(&Form);

  TLabelPanel() {
    Form.SetBounds(0, 0, 300, 200);
    Panel->SetParent(&Form);
    Panel->SetBevelOuter(TBevelCut::bvNone);
    Panel->SetColor(clWhite);
    Panel->SetBounds(0, 0, 200, 100);
    for (TLabel* Label : {First, Second}) {
      Label->SetParent(Panel);
      Label->SetAutoSize(false);
      Label->SetCaption(L"");
    }
    First->SetBounds(10, 10, 60, 30);
    First->SetColor(clRed);
    Second->SetBounds(50, 20, 60, 30);
    Second->SetColor(clBlue);
  }
};

TEST(GraphicChildTest, PaintedInChildOrderClippedToTheirBounds) {
  TLabelPanel Setup;
  const TCapture Capture = PrintClient(Setup.Panel->Handle(), 200, 100, PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(Capture.Count(RGB(255, 0, 0), {10, 10, 70, 40}), 60 * 30 - 20 * 20);  // less the overlap
  EXPECT_EQ(Capture.Count(RGB(0, 0, 255), {50, 20, 110, 50}), 60 * 30);           // on top
  EXPECT_EQ(Capture.At(5, 5), RGB(255, 255, 255));
  EXPECT_EQ(Capture.At(150, 80), RGB(255, 255, 255));
  EXPECT_EQ(Capture.Count(RGB(255, 0, 0), {0, 0, 200, 100}), 60 * 30 - 20 * 20);  // nothing outside
}

// Paints far beyond its own bounds; its parent must keep that inside them.
class TSpillingControl : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clLime);
    Canvas().FillRect({-500, -500, 500, 500});
  }
};

TEST(GraphicChildTest, PaintingIsClippedToTheChildsBoundsAndStartsAtItsCorner) {
  TLabelPanel Setup;
  auto* Spill = new TSpillingControl(&Setup.Form);
  Spill->SetParent(Setup.Panel);
  Spill->SetBounds(120, 60, 30, 20);
  const TCapture Capture = PrintClient(Setup.Panel->Handle(), 200, 100, PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(Capture.Count(RGB(0, 255, 0), {0, 0, 200, 100}), 30 * 20);
  EXPECT_EQ(Capture.Count(RGB(0, 255, 0), {120, 60, 150, 80}), 30 * 20);
  EXPECT_EQ(Capture.Count(RGB(255, 0, 0), {0, 0, 200, 100}), 60 * 30 - 20 * 20);  // the others untouched
}

TEST(GraphicChildTest, AHiddenChildIsNotPainted) {
  TLabelPanel Setup;
  Setup.Second->SetVisible(false);
  const TCapture Capture = PrintClient(Setup.Panel->Handle(), 200, 100, PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(Capture.Count(RGB(255, 0, 0), {0, 0, 200, 100}), 60 * 30);
  EXPECT_EQ(Capture.Count(RGB(0, 0, 255), {0, 0, 200, 100}), 0);
}

LPARAM At(int X, int Y) { return MAKELPARAM(X, Y); }

TEST(GraphicChildTest, AClickOnTheTopmostChildUnderTheMouseFiresItsOnClick) {
  TLabelPanel Setup;
  std::vector<TObject*> Clicked;
  Setup.First->OnClick = [&Clicked](TObject* Sender) { Clicked.push_back(Sender); };
  Setup.Second->OnClick = [&Clicked](TObject* Sender) { Clicked.push_back(Sender); };
  const HWND Panel = Setup.Panel->Handle();
  auto Click = [Panel](int DownX, int DownY, int UpX, int UpY) {
    SendMessageW(Panel, WM_LBUTTONDOWN, MK_LBUTTON, At(DownX, DownY));
    SendMessageW(Panel, WM_LBUTTONUP, 0, At(UpX, UpY));
  };
  Click(15, 15, 16, 16);   // first only
  Click(55, 25, 55, 25);   // the overlap: the second is on top
  Click(15, 15, 150, 80);  // released outside: no click
  Click(150, 80, 15, 15);  // pressed outside: no click
  EXPECT_EQ(Clicked, (std::vector<TObject*>{Setup.First, Setup.Second}));
}

TEST(GraphicChildTest, MouseEnterAndLeaveFollowTheChildUnderTheMouse) {
  TLabelPanel Setup;
  std::vector<std::pair<char, TObject*>> Events;
  for (TLabel* Label : {Setup.First, Setup.Second}) {
    Label->OnMouseEnter = [&Events](TObject* Sender) { Events.emplace_back('E', Sender); };
    Label->OnMouseLeave = [&Events](TObject* Sender) { Events.emplace_back('L', Sender); };
  }
  int PanelEnters = 0;
  int PanelLeaves = 0;
  Setup.Panel->OnMouseEnter = [&PanelEnters](TObject*) { ++PanelEnters; };
  Setup.Panel->OnMouseLeave = [&PanelLeaves](TObject*) { ++PanelLeaves; };
  const HWND Panel = Setup.Panel->Handle();
  SendMessageW(Panel, WM_MOUSEMOVE, 0, At(15, 15));
  SendMessageW(Panel, WM_MOUSEMOVE, 0, At(16, 15));
  SendMessageW(Panel, WM_MOUSEMOVE, 0, At(80, 30));
  SendMessageW(Panel, WM_MOUSEMOVE, 0, At(150, 80));
  SendMessageW(Panel, WM_MOUSEMOVE, 0, At(15, 15));
  SendMessageW(Panel, WM_MOUSELEAVE, 0, 0);
  const std::vector<std::pair<char, TObject*>> Expected = {{'E', Setup.First},  {'L', Setup.First},
                                                           {'E', Setup.Second}, {'L', Setup.Second},
                                                           {'E', Setup.First},  {'L', Setup.First}};
  EXPECT_EQ(Events, Expected);
  EXPECT_EQ(PanelEnters, 1);
  EXPECT_EQ(PanelLeaves, 1);
  EXPECT_FALSE(Setup.Panel->MouseInControl());
}

TEST(GraphicChildTest, TheCursorIsTheOneOfTheChildUnderTheMouse) {
  TLabelPanel Setup;
  Setup.First->SetCursor(crHandPoint);
  Setup.Panel->SetCursor(crCross);
  Setup.Form.Show();
  const HWND Panel = Setup.Panel->Handle();
  auto CursorAt = [Panel](int X, int Y) {
    POINT Point{X, Y};
    ClientToScreen(Panel, &Point);
    SetCursorPos(Point.x, Point.y);
    SetCursor(nullptr);
    SendMessageW(Panel, WM_SETCURSOR, reinterpret_cast<WPARAM>(Panel), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(CursorAt(15, 15), LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(CursorAt(150, 80), LoadCursorW(nullptr, IDC_CROSS));  // the panel's own
  EXPECT_EQ(CursorAt(100, 40), LoadCursorW(nullptr, IDC_CROSS));  // the second label has none
}

}  // namespace
