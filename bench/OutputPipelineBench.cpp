// The command runner's output path as a whole: a child (qv_emit) writes 8 MiB as fast as it
// can; the runner reads it, converts it from the OEM code page and hands it chunk by chunk
// through Synchronize to a receiver on the main thread that only stores the text.
//
// With argument 1 a probe thread meanwhile posts a message to the main thread every 5 ms and
// waits for its answer, to show that the main thread keeps answering while the output
// streams: round_trips counts the answers per run, max_reply_ms is the longest wait.
// BM_PipeReadOnly is the floor Wine's pipes set: the same output read in 2000-byte reads by
// one thread, with no conversion and no hand-off.
//
// Run under Wine from the build's bin folder (qv_emit.exe lies beside this exe).
#include <windows.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "app/UCmdLine.h"
#include "framework/Handles.h"
#include "framework/Synchronizer.h"

namespace {

constexpr std::size_t OutputBytes = 8 << 20;
constexpr UINT WM_PROBE = WM_APP + 1;  // a thread message of this program only

std::wstring EmitCommand() {
  wchar_t Path[MAX_PATH];
  const DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Folder(Path, Length);
  Folder.erase(Folder.find_last_of(L'\\') + 1);
  return L"\"" + Folder + L"qv_emit.exe\" fill:" + std::to_wstring(OutputBytes) + L":41";
}

// Posts WM_PROBE to a thread every 5 ms and times the answer (Answered set by that thread).
class TProbe {
 public:
  TProbe(DWORD Target, HANDLE Answered) : FThread([this, Target, Answered] { Run(Target, Answered); }) {}
  ~TProbe() {
    FStop = true;
    FThread.join();
  }
  int RoundTrips() const { return FRoundTrips; }
  double MaxReplyMs() const { return FMaxReplyMs; }

 private:
  std::atomic<bool> FStop{false};
  std::atomic<int> FRoundTrips{0};
  std::atomic<double> FMaxReplyMs{0};
  std::thread FThread;

  void Run(DWORD Target, HANDLE Answered) {
    while (!FStop) {
      const auto Posted = std::chrono::steady_clock::now();
      PostThreadMessageW(Target, WM_PROBE, 0, 0);
      while (!FStop && WaitForSingleObject(Answered, 10) == WAIT_TIMEOUT) {
      }
      if (FStop) return;
      const double Ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Posted).count();
      FMaxReplyMs = std::max(FMaxReplyMs.load(), Ms);
      ++FRoundTrips;
      Sleep(5);
    }
  }
};

void BM_OutputPipeline(benchmark::State& State) {
  TSynchronizer Synchronizer;
  const std::wstring CommandLine = EmitCommand();
  const TUniqueHandle Answered(CreateEventW(nullptr, FALSE, FALSE, nullptr));
  std::wstring Received;
  Received.reserve(OutputBytes);
  double RoundTrips = 0;
  double MaxReplyMs = 0;
  for (auto _ : State) {
    Received.clear();
    bool Ended = false;
    auto* Runner = new TCmdThread(CommandLine);
    Runner->FOnCmdLine = [&](TObject* Sender) { Received += static_cast<TCmdThread*>(Sender)->FOutCmdLine; };
    Runner->OnTerminate = [&](TObject*) { Ended = true; };
    std::unique_ptr<TProbe> Probe;
    if (State.range(0)) Probe = std::make_unique<TProbe>(GetCurrentThreadId(), Answered.Get());
    for (;;) {
      MSG Msg;
      while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
        if (Msg.hwnd == nullptr && Msg.message == WM_PROBE) {
          SetEvent(Answered.Get());
          continue;
        }
        TranslateMessage(&Msg);
        DispatchMessageW(&Msg);
      }
      // PeekMessageW runs the runner's sent calls itself (the last one sets Ended) and then
      // answers "nothing queued": check before sleeping, or the loop sleeps for good.
      if (Ended) break;
      MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    if (Probe) {
      RoundTrips += Probe->RoundTrips();
      MaxReplyMs = std::max(MaxReplyMs, Probe->MaxReplyMs());
    }
    if (Received.size() != OutputBytes) State.SkipWithError("output lost");
  }
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * OutputBytes));
  State.counters["round_trips"] = benchmark::Counter(RoundTrips, benchmark::Counter::kAvgIterations);
  State.counters["max_reply_ms"] = MaxReplyMs;
}
BENCHMARK(BM_OutputPipeline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_PipeReadOnly(benchmark::State& State) {
  std::wstring CommandLine = EmitCommand();
  static char Buffer[2000];
  for (auto _ : State) {
    HANDLE Read = nullptr;
    HANDLE Write = nullptr;
    CreatePipe(&Read, &Write, nullptr, 0);
    const TUniqueHandle ReadEnd(Read);
    TUniqueHandle WriteEnd(Write);
    SetHandleInformation(Write, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    STARTUPINFOW Startup{};
    Startup.cb = sizeof(Startup);
    Startup.dwFlags = STARTF_USESTDHANDLES;
    Startup.hStdOutput = Write;
    PROCESS_INFORMATION Child{};
    if (!CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &Startup,
                        &Child)) {
      State.SkipWithError("qv_emit did not start");
      return;
    }
    const TUniqueHandle Process(Child.hProcess);
    const TUniqueHandle Thread(Child.hThread);
    WriteEnd.Reset();
    std::size_t Total = 0;
    DWORD Count = 0;
    while (ReadFile(Read, Buffer, sizeof(Buffer), &Count, nullptr) && Count > 0) Total += Count;
    if (Total != OutputBytes) State.SkipWithError("output lost");
  }
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * OutputBytes));
}
BENCHMARK(BM_PipeReadOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
