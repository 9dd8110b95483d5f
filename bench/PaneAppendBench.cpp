// The output pane: one 2000-byte append when the pane already holds 16 KiB, 256 KiB and
// 1 MiB. Wine's own edit control gets slower as its text grows, so the same append is also
// timed as the bare edit-control message: the difference is our own share, and it must not
// grow with the text.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Memo.h"

namespace {

// Lines of the shape ipconfig prints.
std::wstring Lines(std::size_t Bytes) {
  const std::wstring Line = L"    IPv4 address. . . . . . . . . . . : 127.0.0.1 (Preferred)      \r\n";
  std::wstring Text;
  while (Text.size() + Line.size() <= Bytes) Text += Line;
  Text.append(Bytes - Text.size(), L'x');
  return Text;
}

struct TPane {
  TApplication App;
  TForm Form{nullptr};
  TMemo* Memo = new TMemo(&Form);

  TPane() {
    Form.SetBounds(0, 0, 500, 520);
    Memo->SetParent(&Form);
    Memo->SetAlign(TAlign::alClient);
    Memo->SetReadOnly(true);
    Memo->SetScrollBars(TScrollStyle::ssVertical);
    Form.Show();
    App.ProcessMessages();
  }
};

template <class TAppend>
void TimeAppend(benchmark::State& State, TAppend Append) {
  static TPane Pane;  // one window for the whole run: creating windows is not what is timed
  const std::wstring Base = Lines(static_cast<std::size_t>(State.range(0)) * 1024);
  const std::wstring Chunk = Lines(2000);
  for (auto _ : State) {
    State.PauseTiming();
    SetWindowTextW(Pane.Memo->Handle(), Base.c_str());
    State.ResumeTiming();
    Append(*Pane.Memo, Chunk);
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

BENCHMARK(BM_PaneAppend)->Arg(16)->Arg(256)->Arg(1024)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareEditAppend)->Arg(16)->Arg(256)->Arg(1024)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
