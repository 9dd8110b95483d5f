// Start-up: from process start to the main window shown, for Quorvane and for a minimal
// Win32 window program started the same way in the same run. The ratio of the two is the
// figure that matters (Wine's own process start dominates both).
#include <benchmark/benchmark.h>

#include <chrono>

#include "tests/e2e/Probe.h"

namespace {

using namespace probe;

void TimeStartToWindow(benchmark::State& State, const wchar_t* Exe, const wchar_t* Caption) {
  for (auto _ : State) {
    const auto Start = std::chrono::steady_clock::now();
    TLaunchedProgram Program(L"\"" + ExeDirectory() + Exe + L"\"");
    HWND Window = nullptr;
    const bool Shown = WaitUntil(
        [&] { return (Window = FindTopWindow(Program.ProcessId(), Caption)) != nullptr; }, 60s, 1ms);
    const auto Elapsed = std::chrono::steady_clock::now() - Start;
    if (!Shown) {
      State.SkipWithError("the window did not appear");
      break;
    }
    State.SetIterationTime(std::chrono::duration<double>(Elapsed).count());
    PostMessageW(Window, WM_CLOSE, 0, 0);
    Program.WaitForExit(10s);
  }
}

void BM_StartToWindow_Minimal(benchmark::State& State) {
  TimeStartToWindow(State, L"qv_minimal_window.exe", L"Minimal window");
}
void BM_StartToWindow_Quorvane(benchmark::State& State) {
  TimeStartToWindow(State, L"quorvane.exe", L"Quorvane v1.1");
}

BENCHMARK(BM_StartToWindow_Minimal)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_StartToWindow_Quorvane)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace

BENCHMARK_MAIN();
