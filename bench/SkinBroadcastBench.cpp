// The skin-loaded broadcast over the main window's tree, as the manager runs it after a
// load: SKC_SKIN_LOADED, then SKC_STOP_ANIMATIONS and SKC_REPAINT, to every control.
// Run under Wine on a display; the window is shown, so the repaint's invalidations are real.
#include <benchmark/benchmark.h>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

void BM_SkinLoadedBroadcast_MainWindow(benchmark::State& State) {
  TApplication App;
  // Owned by the application, where the broadcast finds its forms.
  TForm1* Form = App.CreateForm<TForm1>();
  Form->Show();
  App.ProcessMessages();
  for (auto _ : State) {
    Form->sSkinManager1->UpdateSkin(true);
    State.PauseTiming();
    App.ProcessMessages();  // the repaints the broadcast asked for, outside the figure
    State.ResumeTiming();
  }
}
BENCHMARK(BM_SkinLoadedBroadcast_MainWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
