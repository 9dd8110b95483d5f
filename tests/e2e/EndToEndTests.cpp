// The real quorvane.exe, started and driven from outside with real mouse and keyboard input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "skin/store/PreviewBlock.h"
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

// A skin editor in another process previews a skin in the running program: a block of the
// wrong kind or too short changes nothing; a good one (sent by the probe, a process of its
// own) gives the output pane the previewed skin's field colour.
TEST_F(EndToEnd, ASkinPreviewFromAnotherProcessIsShownAndBadBlocksAreIgnored) {
  const HWND AppWindow = FindApplicationWindow(Program->ProcessId());
  ASSERT_NE(AppWindow, nullptr);
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "qv_preview_e2e";
  std::filesystem::remove_all(Dir);
  std::filesystem::create_directories(Dir / "Red");
  const std::string Data = "[GLOBALINFO]\nVERSION=8.10\n[EDIT]\nCOLOR=255\nFONTCOLOR=16777215\n";
  const std::filesystem::path DataFile = Dir / "Options.dat";
  std::ofstream(DataFile, std::ios::binary) << Data;
  // In the empty output pane.
  const POINT InPane{240, 440};
  const COLORREF Red = RGB(255, 0, 0);
  // The internal skin's field colour, 0x333333, once the pane has been painted.
  const COLORREF Before = RGB(0x33, 0x33, 0x33);
  ASSERT_TRUE(WaitUntil([&] { return ClientPixel(Window, InPane) == Before; }, 10s))
      << "the pane shows 0x" << std::hex << ClientPixel(Window, InPane);

  const std::string DirText = Dir.string();
  EXPECT_TRUE(SendPreviewBlock(AppWindow, 0xA401, "Red", DirText, Data, PreviewBlockSize));
  EXPECT_TRUE(SendPreviewBlock(AppWindow, PreviewMagic, "Red", DirText, Data, PreviewBlockSize - 1));
  Sleep(1000);
  EXPECT_EQ(ClientPixel(Window, InPane), Before);

  TLaunchedProgram Probe(L"\"" + ExeDirectory() + L"qv_probe.exe\" preview \"" + Caption + L"\" Red \"" +
                         Dir.wstring() + L"\" \"" + DataFile.wstring() + L"\"");
  ASSERT_TRUE(Probe.WaitForExit(30s));
  DWORD ProbeResult = 1;
  GetExitCodeProcess(Probe.Process(), &ProbeResult);
  EXPECT_EQ(ProbeResult, 0u);
  COLORREF After = Before;
  EXPECT_TRUE(WaitUntil([&] { return (After = ClientPixel(Window, InPane)) == Red; }, 10s))
      << "the pane still shows 0x" << std::hex << After;
  EXPECT_EQ(ReadText(Window), Caption);  // still the same program, alive
  std::filesystem::remove_all(Dir);
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
