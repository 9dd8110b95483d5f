// The command runner, through real child processes: qv_emit (beside this exe) writes exactly
// the bytes a test asks for. The main-thread side is served by pumping messages.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/UCmdLine.h"
#include "framework/Handles.h"
#include "framework/Synchronizer.h"
#include "tests/win/WinTestSupport.h"

namespace {

using namespace std::chrono_literals;

std::wstring EmitCommand(const std::wstring& Steps) {
  wchar_t Path[MAX_PATH];
  const DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Folder(Path, Length);
  Folder.erase(Folder.find_last_of(L'\\') + 1);
  return L"\"" + Folder + L"qv_emit.exe\" " + Steps;
}

// Hex for qv_emit's hex step.
std::wstring Hex(const std::string& Bytes) {
  static constexpr wchar_t Digits[] = L"0123456789ABCDEF";
  std::wstring Text;
  for (const unsigned char Byte : Bytes) {
    Text += Digits[Byte >> 4];
    Text += Digits[Byte & 15];
  }
  return Text;
}

// Receives one runner's chunks the way the main window does, and clears its reference when
// the runner ends.
struct TReceiver {
  TCmdThread* Runner = nullptr;
  std::vector<std::wstring> Chunks;
  bool Ended = false;
  std::function<void(TReceiver&)> OnChunk;
  std::function<void(TCmdThread&)> OnEnded;

  void Start(const std::wstring& CommandLine) {
    Runner = new TCmdThread(CommandLine);
    Runner->FOnCmdLine = [this](TObject* Sender) {
      Chunks.push_back(static_cast<TCmdThread*>(Sender)->FOutCmdLine);
      if (OnChunk) OnChunk(*this);
    };
    Runner->OnTerminate = [this](TObject* Sender) {
      if (OnEnded) OnEnded(*static_cast<TCmdThread*>(Sender));
      Runner = nullptr;
      Ended = true;
    };
  }
  std::wstring Text() const {
    std::wstring All;
    for (const auto& Chunk : Chunks) All += Chunk;
    return All;
  }
  // The number after Label in the text ("pid 123"), or 0.
  DWORD NumberAfter(const std::wstring& Label) const {
    const std::wstring All = Text();
    const auto At = All.find(Label + L" ");
    return At == std::wstring::npos ? 0 : std::wcstoul(All.c_str() + At + Label.size() + 1, nullptr, 10);
  }
};

class Runner : public testing::Test {
 protected:
  TSynchronizer Synchronizer;
};

struct TOutputCase {
  const char* Name;
  std::wstring Steps;
  std::wstring Expected;
};

class RunnerOutput : public Runner, public testing::WithParamInterface<TOutputCase> {};

TEST_P(RunnerOutput, DeliversTheTextInChunksOfAtMost2000) {
  TReceiver Receiver;
  Receiver.Start(EmitCommand(GetParam().Steps));
  ASSERT_TRUE(PumpUntil([&] { return Receiver.Ended; }));
  EXPECT_EQ(Receiver.Text(), GetParam().Expected);
  for (const auto& Chunk : Receiver.Chunks) {
    EXPECT_LE(Chunk.size(), 2000u);
    EXPECT_FALSE(Chunk.empty());
  }
  EXPECT_GE(Receiver.Chunks.size(), (GetParam().Expected.size() + 1999) / 2000);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunnerOutput,
    testing::Values(
        TOutputCase{"Lines", L"hex:" + Hex("a\r\nb\r\n"), L"a\r\nb\r\n"},
        TOutputCase{"MoreThan2000AtOnceInOrder", L"fill:2500:41 fill:2500:42",
                    std::wstring(2500, L'A') + std::wstring(2500, L'B')},
        // Wine's OEM code page is 437: alpha, Gamma and e-acute there; the ANSI page (1252)
        // has no alpha or Gamma.
        TOutputCase{"OemLettersOutsideTheAnsiPage", L"hex:E0E2820D0A", L"\u03B1\u0393\u00E9\r\n"},
        TOutputCase{"ZeroByteDropsTheRestOfTheRead", L"hex:41420043440D0A", L"AB"},
        TOutputCase{"NothingWritten", L"sleep:10", L""}),
    [](const testing::TestParamInfo<TOutputCase>& Info) { return std::string(Info.param.Name); });

// The main thread serves nothing for a while, so the child writes everything and ends while
// most of it still waits in the pipe: it must all come, in order.
TEST_F(Runner, DeliversWhatIsLeftInThePipeAfterTheChildEnded) {
  TReceiver Receiver;
  Receiver.Start(EmitCommand(L"fill:1500:43 fill:1500:44"));
  Sleep(500);
  ASSERT_TRUE(PumpUntil([&] { return Receiver.Ended; }));
  EXPECT_EQ(Receiver.Text(), std::wstring(1500, L'C') + std::wstring(1500, L'D'));
}

TEST_F(Runner, AnUnknownProgramDeliversNothingAndEnds) {
  TReceiver Receiver;
  Receiver.Start(L"qv_no_such_program_4711.exe");
  ASSERT_TRUE(PumpUntil([&] { return Receiver.Ended; }));
  EXPECT_TRUE(Receiver.Chunks.empty());
}

// Stop ends the child and what the child started, whether they keep writing or wait
// silently; at most the chunk of the read under way still arrives.
class RunnerStop : public Runner, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(RunnerStop, EndsTheChildAndWhatItStarted) {
  TReceiver Receiver;
  Receiver.Start(EmitCommand(GetParam()));
  ASSERT_TRUE(PumpUntil([&] { return Receiver.NumberAfter(L"pid") != 0 && Receiver.NumberAfter(L"child") != 0; }));
  const TUniqueHandle Child(OpenProcess(SYNCHRONIZE, FALSE, Receiver.NumberAfter(L"pid")));
  const TUniqueHandle GrandChild(OpenProcess(SYNCHRONIZE, FALSE, Receiver.NumberAfter(L"child")));
  ASSERT_TRUE(Child);
  ASSERT_TRUE(GrandChild);

  Receiver.Runner->Stop();
  const std::size_t ChunksAtStop = Receiver.Chunks.size();
  ASSERT_TRUE(PumpUntil([&] { return Receiver.Ended; }));
  EXPECT_LE(Receiver.Chunks.size(), ChunksAtStop + 1);
  EXPECT_EQ(WaitForSingleObject(Child.Get(), 10000), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(GrandChild.Get(), 10000), WAIT_OBJECT_0);
}

INSTANTIATE_TEST_SUITE_P(Children, RunnerStop,
                         testing::Values(L"pid spawn:forever forever", L"pid spawn:sleep:300000 sleep:300000"));

// A process the child started and left behind (without the pipe) ends with the runner.
TEST_F(Runner, WhatTheChildLeftBehindEndsWithTheRunner) {
  TReceiver Receiver;
  TUniqueHandle Leftover;
  Receiver.OnChunk = [&](TReceiver& R) {
    if (!Leftover && R.NumberAfter(L"child") != 0)
      Leftover.Reset(OpenProcess(SYNCHRONIZE, FALSE, R.NumberAfter(L"child")));
  };
  Receiver.Start(EmitCommand(L"detach:forever"));
  ASSERT_TRUE(PumpUntil([&] { return Receiver.Ended; }));
  ASSERT_TRUE(Leftover);
  EXPECT_EQ(WaitForSingleObject(Leftover.Get(), 10000), WAIT_OBJECT_0);
}

// Runners started together, some with children that run on silently: the others still end
// with their children (no child holds a copy of another runner's pipe), and Stop ends the
// silent ones.
TEST_F(Runner, EndWhileOtherRunnersChildrenRunOn) {
  std::vector<std::unique_ptr<TReceiver>> Short;
  std::vector<std::unique_ptr<TReceiver>> Silent;
  for (int I = 0; I < 10; ++I) {
    Silent.push_back(std::make_unique<TReceiver>());
    Silent.back()->Start(EmitCommand(L"sleep:300000"));
    Short.push_back(std::make_unique<TReceiver>());
    Short.back()->Start(EmitCommand(L"hex:" + Hex(std::to_string(I))));
  }
  auto AllEnded = [](const std::vector<std::unique_ptr<TReceiver>>& Receivers) {
    for (const auto& R : Receivers)
      if (!R->Ended) return false;
    return true;
  };
  EXPECT_TRUE(PumpUntil([&] { return AllEnded(Short); }));
  for (int I = 0; I < 10; ++I) EXPECT_EQ(Short[I]->Text(), std::to_wstring(I));
  for (const auto& R : Silent) {
    EXPECT_FALSE(R->Ended);
    if (R->Runner) R->Runner->Stop();
  }
  EXPECT_TRUE(PumpUntil([&] { return AllEnded(Silent); }));
  for (const auto& R : Silent) EXPECT_TRUE(R->Chunks.empty());
}

// Asking an ended runner to stop (here from its OnTerminate, the last moment it exists)
// delivers nothing more.
TEST_F(Runner, StopOnAnEndedRunnerDoesNothing) {
  TReceiver Receiver;
  Receiver.OnEnded = [](TCmdThread& Ended) { Ended.Stop(); };
  Receiver.Start(EmitCommand(L"hex:410D0A"));
  ASSERT_TRUE(PumpUntil([&] { return Receiver.Ended; }));
  PumpUntil([] { return false; }, 200ms);
  EXPECT_EQ(Receiver.Text(), L"A\r\n");
}

std::size_t ThreadsOfThisProcess() {
  const TUniqueHandle Snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 Entry{};
  Entry.dwSize = sizeof(Entry);
  std::size_t Count = 0;
  for (BOOL More = Thread32First(Snapshot.Get(), &Entry); More; More = Thread32Next(Snapshot.Get(), &Entry))
    if (Entry.th32OwnerProcessID == GetCurrentProcessId()) ++Count;
  return Count;
}

// Wine's GetProcessHandleCount answers 0; the system's handle table (which Windows has too)
// lists every handle with its owner.
std::size_t HandlesOfThisProcess() {
  struct THandleEntry {
    ULONG OwnerProcessId;
    BYTE ObjectType;
    BYTE Flags;
    USHORT Value;
    PVOID Object;
    ULONG Access;
  };
  struct THandleTable {
    ULONG Count;
    THandleEntry Entries[1];
  };
  using TQuery = LONG(WINAPI*)(ULONG InformationClass, PVOID Buffer, ULONG Size, PULONG Needed);
  constexpr ULONG SystemHandleInformation = 16;
  constexpr LONG InfoLengthMismatch = static_cast<LONG>(0xC0000004);
  // Through void(*)(), the one function type a cast to any other does not warn about.
  const auto Query = reinterpret_cast<TQuery>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  std::vector<std::uint8_t> Buffer(1 << 20);
  LONG Status;
  while ((Status = Query(SystemHandleInformation, Buffer.data(), static_cast<ULONG>(Buffer.size()), nullptr)) ==
         InfoLengthMismatch)
    Buffer.resize(Buffer.size() * 2);
  if (Status != 0) return 0;
  const auto* Table = reinterpret_cast<const THandleTable*>(Buffer.data());
  std::size_t Count = 0;
  for (ULONG I = 0; I < Table->Count; ++I)
    if (Table->Entries[I].OwnerProcessId == GetCurrentProcessId()) ++Count;
  return Count;
}

// 200 runners, ten at a time, each with its own short output: every output arrives whole,
// and afterwards no thread and no handle is left.
TEST_F(Runner, ManyRunsLeaveNothingBehind) {
  auto RunBatch = [](int First, int Count) {
    std::vector<std::unique_ptr<TReceiver>> Receivers;
    for (int I = 0; I < Count; ++I) {
      Receivers.push_back(std::make_unique<TReceiver>());
      Receivers.back()->Start(EmitCommand(L"hex:" + Hex("run " + std::to_string(First + I) + "\r\n")));
    }
    EXPECT_TRUE(PumpUntil([&] {
      for (const auto& R : Receivers)
        if (!R->Ended) return false;
      return true;
    }, 60s));
    for (int I = 0; I < Count; ++I)
      EXPECT_EQ(Receivers[I]->Text(), L"run " + std::to_wstring(First + I) + L"\r\n");
  };
  RunBatch(-10, 10);  // the first runs create what the process keeps for good
  const std::size_t ThreadsBefore = ThreadsOfThisProcess();
  const std::size_t HandlesBefore = HandlesOfThisProcess();
  ASSERT_GT(HandlesBefore, 0u);
  for (int First = 0; First < 200; First += 10) RunBatch(First, 10);
  // A runner's thread ends just after its OnTerminate; give the last ones time to go.
  PumpUntil([&] { return ThreadsOfThisProcess() == ThreadsBefore && HandlesOfThisProcess() == HandlesBefore; });
  EXPECT_EQ(ThreadsOfThisProcess(), ThreadsBefore);
  EXPECT_EQ(HandlesOfThisProcess(), HandlesBefore);
}

}  // namespace
