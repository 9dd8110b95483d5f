// Repainting the whole main window (frame, panels, controls, labels): with every cached
// picture valid, and after SKC_REPAINT has marked them to be made again; beside it a plain
// BitBlt of a picture of the window's size (814 x 508) onto the window, for the ratio.
// Run under Wine on a display; the window is shown, so the paints are real.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <optional>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/DibSection.h"
#include "framework/Handles.h"
#include "skin/store/win32/SkinCommands.h"

namespace {

constexpr UINT WholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

struct TShownWindow {
  TApplication App;
  TForm1* Form = App.CreateForm<TForm1>();
  TShownWindow() {
    Form->Show();
    App.ProcessMessages();
    RedrawWindow(Form->Handle(), nullptr, nullptr, WholeWindow);
  }
};

void BM_MainWindowRepaint_CacheValid(benchmark::State& State) {
  TShownWindow Shown;
  for (auto _ : State) {
    RedrawWindow(Shown.Form->Handle(), nullptr, nullptr, WholeWindow);
    GdiFlush();
  }
}
BENCHMARK(BM_MainWindowRepaint_CacheValid)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_MainWindowRepaint_AfterSkcRepaint(benchmark::State& State) {
  TShownWindow Shown;
  const TMessage Repaint = SkinCommandMessage(SKC_REPAINT);
  for (auto _ : State) {
    SendSkinMessage(Shown.Form->Handle(), Repaint);
    BroadcastToChildren(Shown.Form, Repaint);
    RedrawWindow(Shown.Form->Handle(), nullptr, nullptr, WholeWindow);
    GdiFlush();
  }
}
BENCHMARK(BM_MainWindowRepaint_AfterSkcRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_PlainBitBlt_814x508(benchmark::State& State) {
  TShownWindow Shown;
  std::optional<TDibSection> Picture = TDibSection::Make(814, 508);
  if (!Picture) {
    State.SkipWithError("no DIB section");
    return;
  }
  Picture->Pixels().Fill(0xFF404040u);
  const TWindowDC Window(Shown.Form->Handle(), TWindowDC::TArea::Window);
  for (auto _ : State) {
    BitBlt(Window.Get(), 0, 0, 814, 508, Picture->DC(), 0, 0, SRCCOPY);
    GdiFlush();
  }
}
BENCHMARK(BM_PlainBitBlt_814x508)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
