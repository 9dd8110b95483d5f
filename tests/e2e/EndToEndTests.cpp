// The real quorvane.exe, started and driven from outside with real mouse and keyboard input.
#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/Probe.h"

using namespace probe;

namespace {

const std::wstring Caption = L"Quorvane v1.1";

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    PingsBefore = ProcessesNamed(L"ping.exe").size();
    Program = std::make_unique<TLaunchedProgram>(L"\"" + ExeDirectory() + L"e2e\\quorvane.exe\"");
    ASSERT_TRUE(WaitUntil([&] { return (Window = FindTopWindow(Program->ProcessId(), Caption)); }, 60s))
        << "the main window did not appear";
    const auto Panes = FindEdits(Window, true);
    ASSERT_EQ(Panes.size(), 1u);
    Pane = Panes.front();
  }

  void TearDown() override {
    if (Program && !Program->WaitForExit(0ms)) {
      PostMessageW(Window, WM_CLOSE, 0, 0);
      if (!Program->WaitForExit(10s)) TerminateProcess(Program->Process(), 1);
    }
  }

  void ClickButton(const std::wstring& Text) {
    HWND Button = FindChildByText(Window, Text);
    ASSERT_NE(Button, nullptr) << "no button";
    Click(Button);
  }

  bool PaneShows(const std::wstring& Text, int Times, std::chrono::milliseconds Timeout) {
    return WaitUntil(
        [&] {
          const std::wstring Now = ReadText(Pane);
          int Found = 0;
          for (auto At = Now.find(Text); At != std::wstring::npos; At = Now.find(Text, At + 1)) ++Found;
          return Found >= Times;
        },
        Timeout);
  }

  HWND HostField() {
    // The two single-line fields: the host field is the empty one at the start.
    for (HWND Field : FindEdits(Window, false))
      if (ReadText(Field).empty()) return Field;
    return nullptr;
  }

  std::size_t PingsBefore = 0;
  std::unique_ptr<TLaunchedProgram> Program;
  HWND Window = nullptr;
  HWND Pane = nullptr;
};

TEST_F(EndToEnd, BasicConfigurationAppearsInThePane) {
  ClickButton(L"Display basic TCP / IP configuration");
  EXPECT_TRUE(PaneShows(L"IPv4 address", 1, 30s)) << "pane: " << testing::PrintToString(ReadText(Pane));
  EXPECT_NE(ReadText(Pane).find(L"127.0.0.1"), std::wstring::npos);
}

std::vector<HWND> Descendants(HWND Parent) {
  std::vector<HWND> Found;
  EnumChildWindows(
      Parent,
      [](HWND Child, LPARAM List) {
        reinterpret_cast<std::vector<HWND>*>(List)->push_back(Child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&Found));
  return Found;
}

// Both panels, the pane, both fields and the twelve buttons are skinned windows; a skin
// command from this process, even a harmless question, gets 0.
TEST_F(EndToEnd, EverySkinnedControlCarriesItsSkinStateAndRefusesForeignSkinCommands) {
  constexpr UINT WM_SKINCOMMAND = 0xA100;
  constexpr WPARAM QuerySkinned = WPARAM{7} << 16;
  constexpr WPARAM SetSection = WPARAM{15} << 16;
  const std::vector<HWND> Children = Descendants(Window);
  EXPECT_EQ(Children.size(), 17u);
  for (const HWND Child : Children) {
    EXPECT_NE(GetPropW(Child, L"ACSDATA"), nullptr) << ReadText(Child).substr(0, 40);
    EXPECT_EQ(SendMessageW(Child, WM_SKINCOMMAND, QuerySkinned, 0), 0);
    // A junk pointer, which our own sends would follow.
    EXPECT_EQ(SendMessageW(Child, WM_SKINCOMMAND, SetSection, 0x12345678), 0);
  }
  // Still alive and working.
  ClickButton(L"Display basic TCP / IP configuration");
  EXPECT_TRUE(PaneShows(L"IPv4 address", 1, 30s));
}

TEST_F(EndToEnd, ContinuousPingRunsUntilStopped) {
  HWND Host = HostField();
  ASSERT_NE(Host, nullptr);
  Type(Host, L"127.0.0.1");
  ASSERT_EQ(ReadText(Host), L"127.0.0.1");

  ClickButton(L"Ping Test Start");
  ASSERT_TRUE(PaneShows(L"Reply from 127.0.0.1", 2, 30s)) << testing::PrintToString(ReadText(Pane));
  EXPECT_NE(ReadText(Pane).find(L"with 64 bytes of data"), std::wstring::npos);

  ClickButton(L"Ping Test Stop");
  EXPECT_TRUE(WaitUntil([&] { return ProcessesNamed(L"ping.exe").size() == PingsBefore; }, 2s))
      << "the ping process still runs after Stop";
  Sleep(300);  // at most the pending chunk may still arrive
  const std::wstring AfterStop = ReadText(Pane);
  Sleep(2500);  // a running ping would have added two more replies
  EXPECT_EQ(ReadText(Pane), AfterStop);
}

TEST_F(EndToEnd, ClosingTheWindowWhilePingRunsEndsEverything) {
  HWND Host = HostField();
  ASSERT_NE(Host, nullptr);
  Type(Host, L"127.0.0.1");
  ClickButton(L"Ping Test Start");
  ASSERT_TRUE(PaneShows(L"Reply from 127.0.0.1", 1, 30s));

  PostMessageW(Window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Program->WaitForExit(2s)) << "the program did not end within 2 s";
  EXPECT_TRUE(WaitUntil([&] { return ProcessesNamed(L"ping.exe").size() == PingsBefore; }, 2s))
      << "a ping process outlived the program";
}

TEST(EndToEndStart, VersionSwitchShowsTheVersionBeforeTheMainWindow) {
  TLaunchedProgram Program(L"\"" + ExeDirectory() + L"e2e\\quorvane.exe\" -x /ACVER");
  struct TEnd {
    const TLaunchedProgram& Program;
    ~TEnd() {
      if (!Program.WaitForExit(0ms)) TerminateProcess(Program.Process(), 1);
    }
  } End{Program};

  HWND Box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (Box = FindTopWindowShowing(Program.ProcessId(), L"Kestrane v12.08")); }, 60s))
      << "no box with the version";
  // The main window waits for the box.
  Sleep(1000);
  EXPECT_EQ(FindTopWindow(Program.ProcessId(), Caption), nullptr);
  ASSERT_TRUE(IsWindow(Box));

  HWND Ok = FindChildByText(Box, L"OK");
  ASSERT_NE(Ok, nullptr);
  Click(Ok);
  HWND Window = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (Window = FindTopWindow(Program.ProcessId(), Caption)); }, 60s))
      << "the main window did not appear after the box was closed";
  EXPECT_FALSE(IsWindow(Box));
  PostMessageW(Window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Program.WaitForExit(10s));
}

}  // namespace
