// Repainting the whole main window (frame, panels, controls, labels): with every cached
// picture valid, and after SKC_REPAINT has marked them to be made again; beside it a plain
// BitBlt of a picture of the window's size (814 x 508) onto the window, for the ratio.
// A third case repaints the window without the controls the system still paints (buttons,
// fields, output pane): the engine's own share. Run under Wine on a display; the window is
// shown, so the paints are real.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <optional>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/DibSection.h"
#include "framework/Handles.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "skin/frame/win32/acProvider.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/SkinManagerStartup.h"

namespace {

constexpr UINT WholeWindow = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// The main window as the program shows it: started like the program, activated, so that
// its frame is skinned too.
struct TShownWindow {
  TApplication App;
  const TsManagerUnit& Unit = StartSkinManagerUnit({});
  TForm1* Form = App.CreateForm<TForm1>();
  TShownWindow() {
    Form->sSkinManager1->OnWindowActivated = SkinFormOnActivate;
    Form->Show();
    SetForegroundWindow(Form->Handle());
    SetActiveWindow(Form->Handle());
    App.ProcessMessages();
    RedrawWindow(Form->Handle(), nullptr, nullptr, WholeWindow);
  }
  bool FrameSkinned() const {
    for (TacProvider* Provider : acProviders())
      if (Provider->Form() == Form) return true;
    return false;
  }
};

void BM_MainWindowRepaint_CacheValid(benchmark::State& State) {
  TShownWindow Shown;
  if (!Shown.FrameSkinned()) return State.SkipWithError("the frame was not skinned");
  for (auto _ : State) {
    RedrawWindow(Shown.Form->Handle(), nullptr, nullptr, WholeWindow);
    GdiFlush();
  }
}
BENCHMARK(BM_MainWindowRepaint_CacheValid)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_MainWindowRepaint_AfterSkcRepaint(benchmark::State& State) {
  TShownWindow Shown;
  if (!Shown.FrameSkinned()) return State.SkipWithError("the frame was not skinned");
  const TMessage Repaint = SkinCommandMessage(SKC_REPAINT);
  for (auto _ : State) {
    SendSkinMessage(Shown.Form->Handle(), Repaint);
    BroadcastToChildren(Shown.Form, Repaint);
    RedrawWindow(Shown.Form->Handle(), nullptr, nullptr, WholeWindow);
    GdiFlush();
  }
}
// The system still paints the buttons, fields and output pane; without them what is left is
// the engine's own share: frame, panels, pictures and labels.
void HideSystemPaintedControls(TWinControl& Parent) {
  for (TControl* Control : Parent.Controls()) {
    if (dynamic_cast<TsButton*>(Control) || dynamic_cast<TsEdit*>(Control) || dynamic_cast<TsMemo*>(Control))
      Control->SetVisible(false);
    else if (auto* Container = dynamic_cast<TWinControl*>(Control))
      HideSystemPaintedControls(*Container);
  }
}

void BM_MainWindowRepaint_EngineShare(benchmark::State& State) {
  TShownWindow Shown;
  if (!Shown.FrameSkinned()) return State.SkipWithError("the frame was not skinned");
  HideSystemPaintedControls(*Shown.Form);
  RedrawWindow(Shown.Form->Handle(), nullptr, nullptr, WholeWindow);
  for (auto _ : State) {
    RedrawWindow(Shown.Form->Handle(), nullptr, nullptr, WholeWindow);
    GdiFlush();
  }
}
BENCHMARK(BM_MainWindowRepaint_EngineShare)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

BENCHMARK(BM_MainWindowRepaint_AfterSkcRepaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

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
