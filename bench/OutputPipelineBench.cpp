// The command runner's output path as a whole: a child (qv_emit) writes 8 MiB as fast as it
// can; the runner reads it, converts it from the OEM code page and hands it chunk by chunk
// through Synchronize to a receiver on the main thread that only stores the text. The main
// thread meanwhile answers a posted message over and over, which shows that it stays
// responsive: round_trips counts the answers per run, max_reply_ms the longest wait for one.
//
// Run under Wine from the build's bin folder (qv_emit.exe lies beside this exe).
#include <windows.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "app/UCmdLine.h"
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

void BM_OutputPipeline(benchmark::State& State) {
  TSynchronizer Synchronizer;
  const std::wstring CommandLine = EmitCommand();
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

    using TClock = std::chrono::steady_clock;
    auto Posted = TClock::now();
    if (State.range(0)) PostThreadMessageW(GetCurrentThreadId(), WM_PROBE, 0, 0);
    for (;;) {
      MSG Msg;
      while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
        if (Msg.hwnd == nullptr && Msg.message == WM_PROBE) {
          const auto Now = TClock::now();
          MaxReplyMs = std::max(MaxReplyMs, std::chrono::duration<double, std::milli>(Now - Posted).count());
          ++RoundTrips;
          Posted = Now;
          PostThreadMessageW(GetCurrentThreadId(), WM_PROBE, 0, 0);
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
    // The last probe is still queued; take it out so the next run starts clean.
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, WM_PROBE, WM_PROBE, PM_REMOVE)) {
    }
    if (Received.size() != OutputBytes) State.SkipWithError("output lost");
  }
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * OutputBytes));
  State.counters["round_trips"] = benchmark::Counter(RoundTrips, benchmark::Counter::kAvgIterations);
  State.counters["max_reply_ms"] = MaxReplyMs;
}
BENCHMARK(BM_OutputPipeline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
