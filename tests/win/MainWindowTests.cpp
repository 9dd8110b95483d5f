// The main window built from its stored description, driven through real window messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/DibSection.h"
#include "framework/Handles.h"
#include "skin/store/win32/SkinCommands.h"
#include "tests/win/WinTestSupport.h"

namespace {

using namespace std::chrono_literals;

std::wstring HelperPath() {
  std::wstring Path(MAX_PATH, L'\0');
  Path.resize(GetModuleFileNameW(nullptr, Path.data(), static_cast<DWORD>(Path.size())));
  return L"\"" + Path.substr(0, Path.find_last_of(L"\\/") + 1) + L"qv_emit.exe\"";
}

struct TShellCall {
  std::wstring Verb, Target, Parameters, Directory;
  int ShowMode;
  bool operator==(const TShellCall&) const = default;
};

std::wstring OrNull(const wchar_t* Text) { return Text ? Text : L"<null>"; }

// The window with its two seams observed: each started command line is recorded and may be
// replaced by another one to run (a harmless helper instead of a real ping); links are recorded.
class TTestForm : public TForm1 {
 public:
  using TForm1::TForm1;
  std::vector<std::wstring> Started;
  std::function<std::wstring(const std::wstring&)> Substitute = [](const std::wstring&) {
    return HelperPath() + L" hex:6F6B0D0A";
  };
  std::vector<TShellCall> ShellCalls;

 protected:
  TCmdThread* StartRunner(const std::wstring& CmdLine) override {
    Started.push_back(CmdLine);
    return new TCmdThread(Substitute(CmdLine));
  }
  void ShellOpen(const wchar_t* Verb, const std::wstring& Target, const wchar_t* Parameters,
                 const wchar_t* Directory, int ShowMode) override {
    ShellCalls.push_back({OrNull(Verb), Target, OrNull(Parameters), OrNull(Directory), ShowMode});
  }
};

class MainWindow : public ::testing::Test {
 protected:
  TApplication App;
  std::unique_ptr<TTestForm> Form = std::make_unique<TTestForm>(nullptr);

  static void Pump(std::chrono::milliseconds Time) {
    PumpUntil([] { return false; }, Time);
  }

  // Clicks the button; a runner it starts is counted until it has ended.
  void Press(TsButton* Button) {
    TCmdThread* Before = Form->CmdThread;
    SendMessageW(Button->Handle(), BM_CLICK, 0, 0);
    TCmdThread* Started = Form->CmdThread;
    if (!Started || Started == Before) return;
    ++LiveRunners;
    Started->OnTerminate = [this, WindowsOwn = Started->OnTerminate](TObject* Sender) {
      WindowsOwn(Sender);
      --LiveRunners;
    };
  }

  // Lets every runner end before the window goes: under Wine, ending a child while it is
  // still starting can leave it hanging (and holding the test's output open).
  void TearDown() override {
    if (Form) PumpUntil([&] { return LiveRunners == 0; });
  }
  int LiveRunners = 0;

  // A left click in the middle of a non-windowed control, sent to its windowed parent.
  static void ClickGraphic(TControl* Control) {
    const LPARAM At =
        MAKELPARAM(Control->Left() + Control->Width() / 2, Control->Top() + Control->Height() / 2);
    HWND Parent = Control->Parent()->Handle();
    SendMessageW(Parent, WM_MOUSEMOVE, 0, At);
    SendMessageW(Parent, WM_LBUTTONDOWN, MK_LBUTTON, At);
    SendMessageW(Parent, WM_LBUTTONUP, 0, At);
  }

  std::wstring Pane() { return Form->sMemo1->Text(); }
};

TEST_F(MainWindow, FormHasItsStoredProperties) {
  EXPECT_EQ(Form->Caption(), L"Quorvane v1.1");
  EXPECT_EQ(Form->ClientWidth(), 808);
  EXPECT_EQ(Form->ClientHeight(), 483);
  const LONG Style = GetWindowLongW(Form->Handle(), GWL_STYLE);
  EXPECT_TRUE(Style & WS_SYSMENU);
  EXPECT_FALSE(Style & WS_MINIMIZEBOX);
  EXPECT_FALSE(Style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(Style & WS_THICKFRAME) << "the window must not be resizable";
  RECT Client{};
  GetClientRect(Form->Handle(), &Client);
  EXPECT_EQ(Client.right, 808);
  EXPECT_EQ(Client.bottom, 483);
  EXPECT_EQ(Form->Font().Name(), L"Tahoma");
  EXPECT_EQ(Form->Font().Height(), -11);
}

TEST_F(MainWindow, ComponentsSitWhereTheDescriptionPutsThem) {
  const struct {
    TControl* Control;
    TWinControl* Parent;
    RECT Bounds;
  } Expected[] = {
      {Form->sPanel1, Form.get(), {0, 0, 484, 483}},
      {Form->sMemo1, Form->sPanel1, {1, 1, 483, 482}},
      {Form->sPanel2, Form.get(), {484, 0, 808, 483}},
      {Form->sLabel1, Form->sPanel2, {17, 7, 121, 20}},
      {Form->sLabel2, Form->sPanel2, {206, 7, 279, 20}},
      {Form->sEdit1, Form->sPanel2, {17, 26, 182, 47}},
      {Form->sEdit2, Form->sPanel2, {206, 26, 287, 47}},
      {Form->sButton1, Form->sPanel2, {22, 78, 152, 113}},
      {Form->sButton2, Form->sPanel2, {169, 73, 299, 108}},
      {Form->sButton11, Form->sPanel2, {22, 121, 152, 156}},
      {Form->sButton7, Form->sPanel2, {169, 121, 299, 156}},
      {Form->sButton3, Form->sPanel2, {22, 169, 152, 204}},
      {Form->sButton8, Form->sPanel2, {169, 169, 299, 204}},
      {Form->sButton4, Form->sPanel2, {22, 217, 152, 252}},
      {Form->sButton9, Form->sPanel2, {169, 217, 299, 252}},
      {Form->sButton5, Form->sPanel2, {22, 264, 152, 299}},
      {Form->sButton10, Form->sPanel2, {169, 264, 299, 299}},
      {Form->sButton6, Form->sPanel2, {22, 310, 152, 345}},
      {Form->sButton12, Form->sPanel2, {169, 310, 299, 345}},
      {Form->sLabelFX2, Form->sPanel2, {19, 406, 207, 424}},
      {Form->sLabelFX3, Form->sPanel2, {28, 430, 181, 448}},
      {Form->sImage2, Form->sPanel2, {246, 441, 323, 482}},
      {Form->sImage1, Form->sPanel2, {210, 447, 240, 477}},
      {Form->sLabelFX1, Form->sPanel2, {11, 454, 204, 472}},
  };
  for (const auto& Item : Expected) {
    SCOPED_TRACE(testing::PrintToString(Item.Control->Name()));
    EXPECT_EQ(Item.Control->Parent(), Item.Parent);
    const RECT Bounds = Item.Control->BoundsRect();
    EXPECT_EQ(Bounds.left, Item.Bounds.left);
    EXPECT_EQ(Bounds.top, Item.Bounds.top);
    if (auto* Label = dynamic_cast<TCustomLabel*>(Item.Control)) {
      // Labels take the size of their text in the fonts of the system that shows them; the
      // links 2 pixels more each way, for the skin's shadow (offset 1, blur 1).
      const SIZE Text = TextSize(*Label);
      const int Shadow = dynamic_cast<TsLabelFX*>(Label) ? 2 : 0;
      EXPECT_EQ(Label->Width(), Text.cx + Shadow);
      EXPECT_EQ(Label->Height(), Text.cy + Shadow);
      continue;
    }
    EXPECT_EQ(Bounds.right, Item.Bounds.right);
    EXPECT_EQ(Bounds.bottom, Item.Bounds.bottom);
  }
  // The window owns every component, the manager too.
  EXPECT_EQ(Form->Components().size(), 25u);
}

TEST_F(MainWindow, ControlsHaveTheirStoredProperties) {
  TsMemo& Pane = *Form->sMemo1;
  const LONG PaneStyle = GetWindowLongW(Pane.Handle(), GWL_STYLE);
  EXPECT_TRUE(PaneStyle & ES_READONLY);
  EXPECT_TRUE(PaneStyle & WS_VSCROLL);
  EXPECT_FALSE(PaneStyle & WS_HSCROLL);
  EXPECT_EQ(Pane.Color(), 0x333333);
  EXPECT_EQ(Pane.Font().Color(), 0xEFEFEF);

  EXPECT_EQ(Form->sEdit1->Text(), L"");
  EXPECT_EQ(Form->sEdit1->TextHint(), L"example.com / 127.0.0.1");
  EXPECT_EQ(Form->sEdit2->Text(), L"64");
  EXPECT_EQ(Form->sEdit2->Color(), 0x333333);

  const std::pair<TsButton*, const wchar_t*> Captions[] = {
      {Form->sButton1, L"Ping Test Start"},
      {Form->sButton2, L"Ping Test Stop"},
      {Form->sButton3, L"Display full TCP/IP configuration"},
      {Form->sButton4, L"Display DNS Cache."},
      {Form->sButton5, L"Clear DNS cache"},
      {Form->sButton6, L"Register DNS server"},
      {Form->sButton7, L"Return IP address IPv4"},
      {Form->sButton8, L"Return IP address IPv6"},
      {Form->sButton9, L"renew your IP Address IPv4"},
      {Form->sButton10, L"renew your IP Address IPv6"},
      {Form->sButton11, L"Display basic TCP / IP configuration"},
      {Form->sButton12, L"Systeminfo"},
  };
  for (const auto& [Button, Caption] : Captions) {
    EXPECT_EQ(Button->Caption(), Caption);
    wchar_t Shown[64] = {};
    GetWindowTextW(Button->Handle(), Shown, 64);
    EXPECT_STREQ(Shown, Caption);
  }
  EXPECT_TRUE(Form->sButton11->Reflected);
  EXPECT_EQ(Form->sLabel1->Caption(), L"Address / IP test ping");
  EXPECT_EQ(Form->sLabel2->Caption(), L"Packet in bytes");
  EXPECT_EQ(Form->sLabelFX2->Caption(), L"Quorvane ver1.1");
  EXPECT_EQ(Form->sLabelFX1->Caption(), L"Besuchen Sie unsere Website");
  for (TsLabelFX* Label : {Form->sLabelFX1, Form->sLabelFX2, Form->sLabelFX3}) {
    EXPECT_EQ(Label->Color(), clMoneyGreen);
    EXPECT_EQ(Label->Font().Height(), -13);
    EXPECT_TRUE(Label->Font().Style().Contains(TFontStyle::fsBold));
    EXPECT_EQ(Label->Shadow().OffsetKeeper.RightBottom, 2);
    EXPECT_EQ(Label->Kind().Color(), clYellow);
    EXPECT_EQ(Label->Kind().KindType(), ktStandard);
  }
  EXPECT_EQ(Form->sLabelFX2->Cursor(), crArrow);
  EXPECT_EQ(Form->sLabelFX3->Cursor(), crHandPoint);

  EXPECT_EQ(Form->sImage1->Picture().Width(), 60);
  EXPECT_EQ(Form->sImage1->Picture().Height(), 60);
  EXPECT_EQ(Form->sImage2->Picture().Width(), 225);
  EXPECT_EQ(Form->sImage2->Picture().Height(), 125);
  EXPECT_TRUE(Form->sImage1->Center());
  EXPECT_TRUE(Form->sImage1->UseFullSize);
  EXPECT_EQ(Form->sImage2->SkinData().SkinSection(), "CHECKBOX");

  TsSkinManager& Manager = *Form->sSkinManager1;
  ASSERT_EQ(Manager.InternalSkins.size(), 1u);
  EXPECT_EQ(Manager.InternalSkins[0].Name, L"FM (internal)");
  EXPECT_EQ(Manager.SkinDirectory(), L"C:\\Skins");
  EXPECT_EQ(Manager.SkinName(), L"FM (internal)");
  // The internal skin is loaded and applied while the window is read.
  EXPECT_TRUE(Manager.SkinActive());
  EXPECT_EQ(Manager.SkinInfo(), L"8.1");
  EXPECT_NE(Manager.Store().GetSkinIndex("BUTTON"), -1);
  EXPECT_EQ(Manager.ThirdParty[1], L"TButton");
  EXPECT_EQ(Manager.ThirdParty[0], L" ");
}

TEST_F(MainWindow, EachButtonStartsItsCommandLine) {
  Form->sEdit1->SetText(L"127.0.0.1");
  const std::pair<TsButton*, const wchar_t*> Table[] = {
      {Form->sButton1, L"ping 127.0.0.1 -t -l 64"},
      {Form->sButton3, L"ipconfig /all"},
      {Form->sButton4, L"ipconfig /displaydns"},
      {Form->sButton5, L"ipconfig /flushdns"},
      {Form->sButton6, L"ipconfig /registerdns"},
      {Form->sButton7, L"ipconfig /release"},
      {Form->sButton8, L"ipconfig /release6"},
      {Form->sButton9, L"ipconfig /renew"},
      {Form->sButton10, L"ipconfig /renew6"},
      {Form->sButton11, L"ipconfig"},
      {Form->sButton12, L"systeminfo"},
  };
  for (const auto& [Button, CmdLine] : Table) {
    Form->Started.clear();
    Press(Button);
    ASSERT_EQ(Form->Started.size(), 1u) << testing::PrintToString(Button->Name());
    EXPECT_EQ(Form->Started[0], CmdLine);
  }
  Form->sEdit1->SetText(L"");
  Form->Started.clear();
  Press(Form->sButton1);
  ASSERT_EQ(Form->Started.size(), 1u);
  EXPECT_EQ(Form->Started[0], L"ping  -t -l 64");
  // Stop starts nothing.
  Form->Started.clear();
  Press(Form->sButton2);
  EXPECT_TRUE(Form->Started.empty());
}

TEST_F(MainWindow, ChunksAreAppendedExactlyAsTheyCame) {
  Form->Substitute = [](const std::wstring&) { return HelperPath() + L" hex:610D0A sleep:300 hex:620D0A"; };
  Press(Form->sButton11);
  ASSERT_TRUE(PumpUntil([&] { return Form->CmdThread == nullptr; }));
  EXPECT_EQ(Pane(), L"a\r\nb\r\n");
}

TEST_F(MainWindow, CommandClearsThePaneAndStopWithNothingRunningDoesNothing) {
  Press(Form->sButton2);  // nothing started yet
  EXPECT_EQ(Form->CmdThread, nullptr);
  Press(Form->sButton3);
  EXPECT_NE(Form->CmdThread, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return Form->CmdThread == nullptr && Pane() == L"ok\r\n"; }));
  Press(Form->sButton2);  // the last command has ended
  Pump(200ms);
  EXPECT_EQ(Pane(), L"ok\r\n");
  Press(Form->sButton4);
  ASSERT_TRUE(PumpUntil([&] { return Form->CmdThread == nullptr; }));
  EXPECT_EQ(Pane(), L"ok\r\n") << "the second command's output replaces the first";
}

bool ProcessAlive(DWORD Id) {
  HANDLE Process = OpenProcess(SYNCHRONIZE, FALSE, Id);
  if (!Process) return false;
  const bool Alive = WaitForSingleObject(Process, 0) == WAIT_TIMEOUT;
  CloseHandle(Process);
  return Alive;
}

TEST_F(MainWindow, StopEndsOnlyTheMostRecentPing) {
  Form->Substitute = [](const std::wstring&) { return HelperPath() + L" pid forever"; };
  const std::wregex PidLine(L"pid (\\d+)");
  std::wsmatch Match;
  auto PidInPane = [&] {
    const std::wstring Text = Pane();
    return std::regex_search(Text, Match, PidLine) ? static_cast<DWORD>(std::stoul(Match[1].str())) : 0;
  };
  Form->sEdit1->SetText(L"127.0.0.1");
  Press(Form->sButton1);
  DWORD First = 0;
  ASSERT_TRUE(PumpUntil([&] { return (First = PidInPane()) != 0; }));
  Press(Form->sButton1);  // clears the pane; the first ping goes on
  DWORD Second = 0;
  ASSERT_TRUE(PumpUntil([&] { return (Second = PidInPane()) != 0; }));
  ASSERT_NE(First, Second);

  Press(Form->sButton2);
  EXPECT_TRUE(PumpUntil([&] { return !ProcessAlive(Second); }, 2s)) << "the second ping still runs";
  EXPECT_TRUE(PumpUntil([&] { return Form->CmdThread == nullptr; }, 2s));
  EXPECT_TRUE(ProcessAlive(First)) << "Stop reached the earlier ping";
  const std::size_t Length = Pane().size();
  EXPECT_TRUE(PumpUntil([&] { return Pane().size() > Length; }, 2s)) << "the first ping stopped appending";

  // Stop again: the most recent runner has ended; the earlier one is out of reach.
  Press(Form->sButton2);
  Pump(300ms);
  EXPECT_TRUE(ProcessAlive(First));
  Form.reset();  // the window goes with the program, and its commands with it
  EXPECT_TRUE(PumpUntil([&] { return !ProcessAlive(First); }, 2s));
  Pump(500ms);  // the stopped runner's thread ends after one more hand-off
}

TEST_F(MainWindow, LinksCallTheShellAsTheTableSays) {
  const TShellCall Site{L"<null>", WebSite, L"<null>", L"<null>", SW_SHOW};
  const std::pair<TControl*, TShellCall> Table[] = {
      {Form->sImage1, Site},
      {Form->sLabelFX1, Site},
      {Form->sLabelFX2, Site},
      {Form->sImage2, {L"open", DonationPage, L"", L"", SW_SHOWNORMAL}},
      {Form->sLabelFX3, {L"<null>", ContactMail, L"<null>", L"<null>", SW_SHOW}},
  };
  for (const auto& [Control, Call] : Table) {
    Form->ShellCalls.clear();
    ClickGraphic(Control);
    ASSERT_EQ(Form->ShellCalls.size(), 1u) << testing::PrintToString(Control->Name());
    EXPECT_EQ(Form->ShellCalls[0], Call) << testing::PrintToString(Control->Name());
  }
  EXPECT_EQ(std::wstring(WebSite).find(L"://"), std::wstring::npos) << "the site is a bare host name";
  EXPECT_EQ(std::wstring(ContactMail).rfind(L"mailto:", 0), 0u);
}

TEST_F(MainWindow, TheCaptionsShowThePanelsTextColourAndTheLinksTheirOwnGreen) {
  Form->Show();
  TsPanel& Panel = *Form->sPanel2;
  std::optional<TDibSection> Shown = TDibSection::Make(Panel.Width(), Panel.Height());
  ASSERT_TRUE(Shown);
  SendMessageW(Panel.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Shown->DC()), PRF_CLIENT);
  const auto Count = [&](const TControl& Label, TPixel32 Colour) {
    int N = 0;
    for (int Y = Label.Top(); Y < Label.Top() + Label.Height(); ++Y)
      for (int X = Label.Left(); X < Label.Left() + Label.Width(); ++X)
        N += (ReadPixel(Shown->Pixels(), X, Y) & 0xFFFFFF) == Colour ? 1 : 0;
    return N;
  };
  // The PANEL section's text colour 0xEFEFEF; clMoneyGreen 0xC0DCC0 as a pixel.
  for (TsLabel* Caption : {Form->sLabel1, Form->sLabel2}) EXPECT_GT(Count(*Caption, 0xEFEFEF), 20);
  for (TsLabelFX* Link : {Form->sLabelFX1, Form->sLabelFX2, Form->sLabelFX3}) {
    EXPECT_GT(Count(*Link, 0xC0DCC0), 20);
    EXPECT_EQ(Link->Shadow().OffsetKeeper, (TacOffsetKeeper{0, 2}));
  }
}

TEST_F(MainWindow, RepaintingTwoHundredTimesLeavesTheLiveGdiCountWhereTheFirstRepaintLeftIt) {
  Form->Show();
  const auto Repaint = [&] {
    const TMessage Message = SkinCommandMessage(SKC_REPAINT);
    SendSkinMessage(Form->Handle(), Message);
    BroadcastToChildren(Form.get(), Message);
    RedrawWindow(Form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  Repaint();
  const int AfterFirst = LiveGdiObjects;
  // The window's pictures, brushes and fonts are held while it lives.
  EXPECT_GT(AfterFirst, 20);
  for (int I = 1; I < 200; ++I) Repaint();
  EXPECT_EQ(LiveGdiObjects, AfterFirst);
}

TEST_F(MainWindow, TheFieldsAndThePaneShowTheEditSectionsGreyWithLightTextAndNoSystemEdge) {
  Form->Show();
  Form->sMemo1->AppendText(L"Windows IP Configuration\r\n");
  EXPECT_NE(Form->sMemo1->ListSW(), nullptr);
  const COLORREF SystemEdges[] = {GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DLIGHT),
                                  GetSysColor(COLOR_BTNSHADOW)};
  for (TWinControl* Control : std::initializer_list<TWinControl*>{Form->sMemo1, Form->sEdit1, Form->sEdit2}) {
    // EDIT: COLOR=3355443, FONTCOLOR=15724527.
    EXPECT_EQ(Control->Color(), static_cast<TColor>(0x333333));
    EXPECT_EQ(Control->Font().Color(), static_cast<TColor>(15724527));
    const HWND Window = Control->Handle();
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    RECT R;
    GetWindowRect(Window, &R);
    const int W = R.right - R.left, H = R.bottom - R.top;
    std::optional<TDibSection> Shown = TDibSection::Make(W, H);
    ASSERT_TRUE(Shown);
    {
      const TWindowDC Whole(Window, TWindowDC::TArea::Window);
      BitBlt(Shown->DC(), 0, 0, W, H, Whole.Get(), 0, 0, SRCCOPY);
    }
    int Grey = 0, Light = 0, Edge = 0;
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) {
        const TPixel32 P = ReadPixel(Shown->Pixels(), X, Y) & 0xFFFFFF;
        const COLORREF C = RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF);
        const bool InFrame = X < 2 || Y < 2 || X >= W - 2 || Y >= H - 2;
        if (InFrame)
          Edge += std::find(std::begin(SystemEdges), std::end(SystemEdges), C) != std::end(SystemEdges);
        else if (P == 0x333333)
          ++Grey;
        else if (GetRValue(C) >= 0xA0 && GetGValue(C) >= 0xA0 && GetBValue(C) >= 0xA0)
          ++Light;
      }
    EXPECT_EQ(Edge, 0);
    EXPECT_GT(Light, 10);
    EXPECT_GT(Grey, Light);
  }
}

}  // namespace
