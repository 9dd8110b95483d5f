// Forms and containers with real windows: alignment, client size, border style and icons,
// taskbar ownership.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

RECT Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }

bool SameRect(const RECT& A, const RECT& B) {
  return A.left == B.left && A.top == B.top && A.right == B.right && A.bottom == B.bottom;
}

testing::AssertionResult HasBounds(const TControl& Control, const RECT& Expected) {
  const RECT Actual = Control.BoundsRect();
  if (SameRect(Actual, Expected)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "bounds (" << Actual.left << ", " << Actual.top << ", "
                                     << Actual.right << ", " << Actual.bottom << "), expected ("
                                     << Expected.left << ", " << Expected.top << ", " << Expected.right
                                     << ", " << Expected.bottom << ")";
}

// A panel without bevels holding one child of each alignment.
struct TAlignedPanel {
  TForm Form{nullptr};
  TPanel* Panel = new TPanel(&Form);
  TPanel* TopChild = new TPanel(&Form);
  TPanel* BottomChild = new TPanel(&Form);
  TLabel* LeftChild = new TLabel(&Form);  // a graphic control aligns like a windowed one
  TPanel* RightChild = new TPanel(&Form);
  TPanel* ClientChild = new TPanel(&Form);

  TAlignedPanel() {
    Panel->SetParent(&Form);
    Panel->SetBevelOuter(TBevelCut::bvNone);
    Panel->SetBounds(0, 0, 200, 100);
    LeftChild->SetAutoSize(false);
    Place(ClientChild, TAlign::alClient, 1, 1);
    Place(RightChild, TAlign::alRight, 40, 1);
    Place(LeftChild, TAlign::alLeft, 30, 1);
    Place(BottomChild, TAlign::alBottom, 1, 20);
    Place(TopChild, TAlign::alTop, 1, 10);
  }
  void Place(TControl* Child, TAlign Align, int Width, int Height) {
    Child->SetBounds(0, 0, Width, Height);
    Child->SetParent(Panel);
    Child->SetAlign(Align);
  }
  void ExpectLayout(int W, int H) const {
    EXPECT_TRUE(HasBounds(*TopChild, Rect(0, 0, W, 10)));
    EXPECT_TRUE(HasBounds(*BottomChild, Rect(0, H - 20, W, H)));
    EXPECT_TRUE(HasBounds(*LeftChild, Rect(0, 10, 30, H - 20)));
    EXPECT_TRUE(HasBounds(*RightChild, Rect(W - 40, 10, W, H - 20)));
    EXPECT_TRUE(HasBounds(*ClientChild, Rect(30, 10, W - 40, H - 20)));
  }
};

TEST(AlignTest, ChildrenTakeTheirEdgesBeforeTheWindowsExist) {
  TAlignedPanel Layout;
  ASSERT_FALSE(Layout.Panel->HandleAllocated());
  Layout.ExpectLayout(200, 100);
  Layout.Panel->SetBounds(0, 0, 300, 150);
  Layout.ExpectLayout(300, 150);
}

TEST(AlignTest, ResizingTheWindowRealignsAndWindowsFollow) {
  TAlignedPanel Layout;
  Layout.Form.HandleNeeded();
  Layout.Panel->SetBounds(0, 0, 260, 120);
  Layout.ExpectLayout(260, 120);
  // The system's own resize (not through SetBounds) realigns too.
  SetWindowPos(Layout.Panel->Handle(), nullptr, 0, 0, 220, 90, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout.ExpectLayout(220, 90);
  RECT Window;
  GetWindowRect(Layout.ClientChild->Handle(), &Window);
  MapWindowPoints(HWND_DESKTOP, Layout.Panel->Handle(), reinterpret_cast<POINT*>(&Window), 2);
  EXPECT_TRUE(SameRect(Window, Rect(30, 10, 180, 70)));
}

TEST(AlignTest, HidingAnAlignedChildGivesItsSpaceAway) {
  TAlignedPanel Layout;
  Layout.TopChild->SetVisible(false);
  EXPECT_TRUE(HasBounds(*Layout.LeftChild, Rect(0, 0, 30, 80)));
  Layout.TopChild->SetVisible(true);
  Layout.ExpectLayout(200, 100);
}

TEST(AlignTest, BevelsAndBorderNarrowTheSharedArea) {
  TForm Form(nullptr);
  auto* Panel = new TPanel(&Form);
  Panel->SetParent(&Form);
  Panel->SetBounds(0, 0, 100, 50);
  Panel->SetBevelInner(TBevelCut::bvLowered);
  Panel->SetBevelWidth(2);
  Panel->SetBorderWidth(3);
  auto* Child = new TPanel(&Form);
  Child->SetParent(Panel);
  Child->SetAlign(TAlign::alClient);
  EXPECT_TRUE(HasBounds(*Child, Rect(7, 7, 93, 43)));  // 2 (outer) + 3 (border) + 2 (inner)
}

struct TFrameCase {
  TFormBorderStyle BorderStyle;
  TBorderIcons Icons;
  DWORD Present;
  DWORD Absent;
};

class FormFrameTest : public testing::TestWithParam<TFrameCase> {};

TEST_P(FormFrameTest, ClientSizeHoldsForTheFrameOfTheStyle) {
  const TFrameCase& Case = GetParam();
  TForm Form(nullptr);
  Form.SetBorderStyle(Case.BorderStyle);
  Form.SetBorderIcons(Case.Icons);
  Form.SetClientWidth(808);
  Form.SetClientHeight(483);
  const HWND Window = Form.Handle();
  const auto Style = static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_STYLE));
  const auto ExStyle = static_cast<DWORD>(GetWindowLongPtrW(Window, GWL_EXSTYLE));
  EXPECT_EQ(Style & Case.Present, Case.Present);
  EXPECT_EQ(Style & Case.Absent, 0u);
  RECT Client;
  GetClientRect(Window, &Client);
  EXPECT_EQ(Client.right, 808);
  EXPECT_EQ(Client.bottom, 483);
  // The window's size from the live metrics (Wine's caption is 19 pixels, Windows' 23).
  RECT Expected{0, 0, 808, 483};
  AdjustWindowRectEx(&Expected, Style, FALSE, ExStyle);
  RECT Actual;
  GetWindowRect(Window, &Actual);
  EXPECT_EQ(Actual.right - Actual.left, Expected.right - Expected.left);
  EXPECT_EQ(Actual.bottom - Actual.top, Expected.bottom - Expected.top);
  EXPECT_EQ(Form.Width(), Expected.right - Expected.left);
  EXPECT_EQ(Form.ClientWidth(), 808);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FormFrameTest,
    testing::Values(TFrameCase{TFormBorderStyle::bsSingle,
                               {TBorderIcon::biSystemMenu},
                               WS_CAPTION | WS_SYSMENU,
                               WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
                    TFrameCase{TFormBorderStyle::bsSizeable,
                               {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize},
                               WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                               WS_POPUP},
                    TFrameCase{TFormBorderStyle::bsDialog,
                               {TBorderIcon::biSystemMenu, TBorderIcon::biMinimize},
                               WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               WS_THICKFRAME | WS_MINIMIZEBOX},
                    TFrameCase{TFormBorderStyle::bsNone,
                               {TBorderIcon::biSystemMenu},
                               WS_POPUP,
                               WS_CAPTION | WS_SYSMENU}));

TEST(FormTest, ChangingTheBorderStyleRecreatesTheWindowKeepingItsText) {
  TForm Form(nullptr);
  Form.SetCaption(L"Quorvane v1.1");
  const HWND Before = Form.Handle();
  Form.SetBorderStyle(TFormBorderStyle::bsSingle);
  const HWND After = Form.Handle();
  EXPECT_FALSE(IsWindow(Before));
  EXPECT_EQ(GetWindowLongPtrW(After, GWL_STYLE) & WS_THICKFRAME, 0);
  wchar_t Text[64] = {};
  GetWindowTextW(After, Text, 64);
  EXPECT_STREQ(Text, L"Quorvane v1.1");
}

TEST(FormTest, MainFormOwnsTheTaskbarButton) {
  TApplication App;
  App.MainFormOnTaskBar = true;
  TForm* Main = App.CreateForm<TForm>();
  TForm* Second = App.CreateForm<TForm>();
  EXPECT_EQ(App.MainForm(), Main);
  EXPECT_NE(GetWindowLongPtrW(Main->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(GetWindow(Main->Handle(), GW_OWNER), nullptr);
  EXPECT_EQ(GetWindow(Second->Handle(), GW_OWNER), Main->Handle());
  EXPECT_EQ(GetWindowLongPtrW(Second->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST(FormTest, WithoutMainFormOnTaskBarTheApplicationWindowOwnsTheForms) {
  TApplication App;
  TForm* Main = App.CreateForm<TForm>();
  EXPECT_EQ(GetWindow(Main->Handle(), GW_OWNER), App.Handle());
  EXPECT_EQ(GetWindowLongPtrW(Main->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST(FormTest, TheMainFormGoingClearsIt) {
  TApplication App;
  TForm* Main = App.CreateForm<TForm>();
  delete Main;
  EXPECT_EQ(App.MainForm(), nullptr);
}

TEST(FormTest, ChildrenTakeTheFormsFontUntilTheyHaveTheirOwn) {
  TForm Form(nullptr);
  auto* Label = new TLabel(&Form);
  Label->SetParent(&Form);
  Form.Font().SetName(L"Tahoma");
  Form.Font().SetHeight(-13);
  EXPECT_EQ(Label->Font().Height(), -13);
  EXPECT_TRUE(Label->ParentFont());
  Label->Font().SetHeight(-20);
  EXPECT_FALSE(Label->ParentFont());
  Form.Font().SetHeight(-9);
  EXPECT_EQ(Label->Font().Height(), -20);
  Label->SetParentFont(true);
  EXPECT_EQ(Label->Font().Height(), -9);
}

}  // namespace
