// The output pane: one 2000-byte append when the pane already holds 16 KiB, 256 KiB and
// 1 MiB. Wine's own edit control gets slower as its text grows, so the same append is also
// timed as the bare edit-control message: the difference is our own share, and it must not
// grow with the text.
//
// The skinned pane of the main window is timed apart: its append and the repaint that
// follows, less the time spent in the system's edit control (everything its native handling
// takes, including what it asks of the parent meanwhile). What is left is our own share —
// the skin's hooks, colours and frame — per append, the text's conversion excluded. Beside
// it, the skinned scroll bar's update and repaint after an append.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Memo.h"
#include "skin/controls/acSBUtils.h"
#include "skin/controls/sMemo.h"
#include "skin/frame/win32/acProvider.h"
#include "skin/store/win32/SkinManagerStartup.h"

namespace {

using TClock = std::chrono::steady_clock;

// Lines of the shape ipconfig prints.
std::wstring Lines(std::size_t Bytes) {
  const std::wstring Line = L"    IPv4 address. . . . . . . . . . . : 127.0.0.1 (Preferred)      \r\n";
  std::wstring Text;
  while (Text.size() + Line.size() <= Bytes) Text += Line;
  Text.append(Bytes - Text.size(), L'x');
  return Text;
}

// A skinned pane that adds up the time its messages spend in the system's edit control.
class TTimedMemo : public TsMemo {
 public:
  using TsMemo::TsMemo;
  TClock::duration Native{};

 protected:
  void DefaultHandler(TMessage& Message) override {
    if (FDepth++ > 0) {
      TsMemo::DefaultHandler(Message);
      --FDepth;
      return;
    }
    const TClock::time_point Start = TClock::now();
    TsMemo::DefaultHandler(Message);
    Native += TClock::now() - Start;
    --FDepth;
  }

 private:
  int FDepth = 0;
};

// One application for the whole run: the plain pane on a form of its own, and the main
// window as the program shows it, its pane replaced by a timed one of the same settings.
struct TPanes {
  TApplication App;
  const TsManagerUnit& Unit = StartSkinManagerUnit({});
  TForm1* Main = App.CreateForm<TForm1>();
  TForm* PlainForm = new TForm(&App);
  TMemo* Plain = new TMemo(PlainForm);
  TTimedMemo* Skinned = new TTimedMemo(Main);

  TPanes() {
    PlainForm->SetBounds(0, 0, 500, 520);
    Plain->SetParent(PlainForm);
    Plain->SetAlign(TAlign::alClient);
    Plain->SetReadOnly(true);
    Plain->SetScrollBars(TScrollStyle::ssVertical);
    PlainForm->Show();

    Main->sSkinManager1->OnWindowActivated = SkinFormOnActivate;
    Main->sMemo1->SetVisible(false);
    Skinned->BeginLoading();
    Skinned->SetParent(Main->sPanel1);
    Skinned->SetAlign(TAlign::alClient);
    Skinned->Font().Assign(Main->sMemo1->Font());
    Skinned->SetReadOnly(true);
    Skinned->SetScrollBars(TScrollStyle::ssVertical);
    Skinned->Loaded();
    Main->Show();
    App.ProcessMessages();
  }
  static TPanes& Get() {
    static TPanes Panes;  // creating windows is not what is timed
    return Panes;
  }
};

void Refill(TMemo& Memo, const std::wstring& Base) {
  SetWindowTextW(Memo.Handle(), Base.c_str());
  UpdateWindow(Memo.Handle());
}

template <class TAppend>
void TimeAppend(benchmark::State& State, TAppend Append) {
  TMemo& Memo = *TPanes::Get().Plain;
  const std::wstring Base = Lines(static_cast<std::size_t>(State.range(0)) * 1024);
  const std::wstring Chunk = Lines(2000);
  for (auto _ : State) {
    State.PauseTiming();
    Refill(Memo, Base);
    State.ResumeTiming();
    Append(Memo, Chunk);
  }
  State.counters["pane_KiB"] = static_cast<double>(State.range(0));
}

void BM_PaneAppend(benchmark::State& State) {
  TimeAppend(State, [](TMemo& Memo, const std::wstring& Chunk) { Memo.AppendText(Chunk); });
}

// The edit control's own share: the caret to the end and the text replaced there, nothing else.
void BM_BareEditAppend(benchmark::State& State) {
  TimeAppend(State, [](TMemo& Memo, const std::wstring& Chunk) {
    const HWND Window = Memo.Handle();
    const LRESULT End = SendMessageW(Window, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(Window, EM_SETSEL, static_cast<WPARAM>(End), End);
    SendMessageW(Window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Chunk.c_str()));
  });
}

// Our own share of one append to the skinned pane and its repaint (manual time); the
// system's edit control's share beside it as a counter.
void BM_SkinnedPaneOwnShare(benchmark::State& State) {
  TTimedMemo& Memo = *TPanes::Get().Skinned;
  if (!Memo.ListSW()) return State.SkipWithError("the pane is not skinned");
  const std::wstring Base = Lines(static_cast<std::size_t>(State.range(0)) * 1024);
  const std::wstring Chunk = Lines(2000);
  TClock::duration Native{};
  for (auto _ : State) {
    Refill(Memo, Base);
    Memo.Native = {};
    const TClock::time_point Start = TClock::now();
    Memo.AppendText(Chunk);
    UpdateWindow(Memo.Handle());
    const TClock::duration Whole = TClock::now() - Start;
    Native += Memo.Native;
    State.SetIterationTime(std::chrono::duration<double>(Whole - Memo.Native).count());
  }
  State.counters["pane_KiB"] = static_cast<double>(State.range(0));
  State.counters["edit_control_ms"] = benchmark::Counter(
      std::chrono::duration<double, std::milli>(Native).count(), benchmark::Counter::kAvgIterations);
}

// The skinned scroll bar brought up to date and repainted after an append (what every
// append asks of it), the pane holding 256 KiB.
void BM_ScrollBarRepaintAfterAppend(benchmark::State& State) {
  TTimedMemo& Memo = *TPanes::Get().Skinned;
  TacScrollWnd* Bars = SkinnedScrollBarsOf(Memo.Handle());
  if (!Bars) return State.SkipWithError("the pane has no skinned scroll bars");
  Refill(Memo, Lines(256 * 1024));
  const std::wstring Chunk = Lines(2000);
  for (auto _ : State) {
    State.PauseTiming();
    Memo.AppendText(Chunk);
    State.ResumeTiming();
    Bars->SyncScrollBars(true);
    GdiFlush();
  }
}

BENCHMARK(BM_PaneAppend)->Arg(16)->Arg(256)->Arg(1024)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareEditAppend)->Arg(16)->Arg(256)->Arg(1024)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinnedPaneOwnShare)
    ->Arg(16)
    ->Arg(256)
    ->Arg(1024)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollBarRepaintAfterAppend)->Iterations(50)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
