// The form's system menu dropped from the painted frame: its entries enabled or greyed by
// the rules for the form's settings, and the chosen command sent to the window.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/frame/win32/SysMenuDrop.h"
#include "tests/win/WinTestSupport.h"

namespace {

// A form that notes the system commands it gets and carries none of them out.
class TCommandForm : public TForm {
 public:
  using TForm::TForm;
  std::vector<WPARAM> Commands;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_SYSCOMMAND) {
      Commands.push_back(Message.WParam & 0xFFF0);
      return;
    }
    TForm::WndProc(Message);
  }
};

class SysMenuDrop : public testing::Test {
 protected:
  TApplication App;
  TCommandForm* Form = App.CreateForm<TCommandForm>();

  // The main window's settings: single border, system menu only.
  void MakeMainWindow() {
    Form->SetBorderStyle(TFormBorderStyle::bsSingle);
    Form->SetBorderIcons({TBorderIcon::biSystemMenu});
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpUntil([&] { return GetActiveWindow() == Form->Handle(); }, 2s);
  }

  bool Enabled(UINT Command) const {
    const UINT State = GetMenuState(GetSystemMenu(Form->Handle(), FALSE), Command, MF_BYCOMMAND);
    return State != static_cast<UINT>(-1) && (State & (MF_GRAYED | MF_DISABLED)) == 0;
  }

  // A key the menu loop will find waiting: the mnemonic of "&Close".
  void QueueChoiceOfClose() { PostMessageW(Form->Handle(), WM_CHAR, L'c', 1); }
};

TEST_F(SysMenuDrop, TheMainWindowsInputsComeFromItsSettingsAndWindow) {
  MakeMainWindow();
  const TSysMenuForm Inputs = SysMenuFormOf(*Form);
  EXPECT_EQ(Inputs.BorderStyle, TSysMenuBorder::Single);
  EXPECT_TRUE(Inputs.SystemMenuIcon);
  EXPECT_FALSE(Inputs.MinimizeIcon);
  EXPECT_FALSE(Inputs.MaximizeIcon);
  EXPECT_EQ(Inputs.WindowState, TSysMenuWindowState::Normal);
  EXPECT_TRUE(Inputs.IsMainForm);
  EXPECT_FALSE(Inputs.MdiChild);
  EXPECT_TRUE(Inputs.HasSystemMenu);
  EXPECT_TRUE(Inputs.CloseEntry);
  EXPECT_FALSE(Inputs.CloseGreyed);
}

TEST_F(SysMenuDrop, TheMainWindowsMenuHasCloseAloneEnabled) {
  MakeMainWindow();
  ASSERT_NE(PrepareSysMenu(Form->Handle(), SystemMenuItems(SysMenuFormOf(*Form))), nullptr);
  EXPECT_TRUE(Enabled(SC_CLOSE));
  EXPECT_FALSE(Enabled(SC_MOVE));
  EXPECT_FALSE(Enabled(SC_RESTORE));
  EXPECT_FALSE(Enabled(SC_SIZE));
  EXPECT_FALSE(Enabled(SC_MINIMIZE));
  EXPECT_FALSE(Enabled(SC_MAXIMIZE));
  // The window was hidden only while the entries changed.
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
}

// The skinned frame takes WS_SYSMENU off the form once its system menu exists; the menu
// stays the window's and is still the one prepared.
TEST_F(SysMenuDrop, TheMenuOutlivesTheSystemMenuStyle) {
  MakeMainWindow();
  ASSERT_NE(GetSystemMenu(Form->Handle(), FALSE), nullptr);
  SetWindowLongPtrW(Form->Handle(), GWL_STYLE, GetWindowLongPtrW(Form->Handle(), GWL_STYLE) & ~WS_SYSMENU);
  const TSysMenuForm Inputs = SysMenuFormOf(*Form);
  EXPECT_TRUE(Inputs.HasSystemMenu);
  EXPECT_TRUE(Inputs.CloseEntry);
  ASSERT_NE(PrepareSysMenu(Form->Handle(), SystemMenuItems(Inputs)), nullptr);
  EXPECT_TRUE(Enabled(SC_CLOSE));
  EXPECT_FALSE(Enabled(SC_SIZE));
}

TEST_F(SysMenuDrop, AGreyedCloseStaysGreyedAndAMaximisedFormCannotBeMoved) {
  Form->Show();
  EnableMenuItem(GetSystemMenu(Form->Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  ShowWindow(Form->Handle(), SW_MAXIMIZE);
  const TSysMenuForm Inputs = SysMenuFormOf(*Form);
  EXPECT_TRUE(Inputs.CloseGreyed);
  EXPECT_EQ(Inputs.WindowState, TSysMenuWindowState::Maximized);
  PrepareSysMenu(Form->Handle(), SystemMenuItems(Inputs));
  EXPECT_FALSE(Enabled(SC_CLOSE));
  EXPECT_FALSE(Enabled(SC_MOVE));
  EXPECT_TRUE(Enabled(SC_RESTORE));
  EXPECT_TRUE(Enabled(SC_SIZE));
  EXPECT_TRUE(Enabled(SC_MINIMIZE));
  EXPECT_TRUE(Enabled(SC_MAXIMIZE));
}

TEST_F(SysMenuDrop, ChoosingCloseSendsTheCloseCommandFromEitherMenu) {
  MakeMainWindow();
  ASSERT_EQ(GetActiveWindow(), Form->Handle());
  RECT Bounds{};
  GetWindowRect(Form->Handle(), &Bounds);
  for (const bool SkinnedPopups : {true, false}) {
    Form->Commands.clear();
    QueueChoiceOfClose();
    DropSysMenu(Form->Handle(), SysMenuFormOf(*Form), {Bounds.left + 3, Bounds.top + 30}, SkinnedPopups);
    PumpUntil([&] { return !Form->Commands.empty(); }, 2s);
    EXPECT_EQ(Form->Commands, (std::vector<WPARAM>{SC_CLOSE})) << SkinnedPopups;
  }
}

TEST_F(SysMenuDrop, OnlyTheActiveWindowGetsItsMenu) {
  MakeMainWindow();
  TForm* Other = App.CreateForm<TForm>();
  Other->Show();
  SetForegroundWindow(Other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Other->Handle(); }, 2s));
  // Were the menu opened, these keys would choose Close.
  QueueChoiceOfClose();
  DropSysMenu(Form->Handle(), SysMenuFormOf(*Form), {10, 10}, false);
  PumpUntil([] { return false; }, 100ms);
  EXPECT_TRUE(Form->Commands.empty());
}

TEST_F(SysMenuDrop, NoChoiceSendsNothing) {
  MakeMainWindow();
  SendSysMenuChoice(Form->Handle(), 0);
  SendSysMenuChoice(Form->Handle(), SC_MOVE);
  PumpUntil([&] { return !Form->Commands.empty(); }, 1s);
  PumpUntil([] { return false; }, 50ms);
  EXPECT_EQ(Form->Commands, (std::vector<WPARAM>{SC_MOVE}));
}

}  // namespace
