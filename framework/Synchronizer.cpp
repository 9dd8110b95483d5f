#include "framework/Synchronizer.h"

#include <exception>
#include <mutex>

#include "framework/PrivateMessages.h"

namespace {

constexpr wchar_t SynchronizerClassName[] = L"QuorvaneSynchronizer";

struct TCall {
  const std::function<void()>* Method = nullptr;
  std::exception_ptr Error;
};

}  // namespace

struct TSynchronizer::TState {
  const DWORD MainThreadId = GetCurrentThreadId();
  TSlimLock Lock;
  // The window calls go to; null once the synchronizer is going. Written on the main thread
  // under Lock, so the main thread may read it without.
  HWND Window = nullptr;
  int CallsUnderWay = 0;
  // Signalled while no worker is inside SendMessageW to Window.
  TUniqueHandle NoCallsUnderWay{CreateEventW(nullptr, TRUE, TRUE, nullptr)};

  void Call(const std::function<void()>& Method);
};

namespace {

// The process's main synchronizer. Never destroyed: a worker may still ask for it while the
// runtime runs its exit handlers.
struct TMainSynchronizer {
  TSlimLock Lock;
  std::shared_ptr<TSynchronizer::TState> State;
};

TMainSynchronizer& MainSynchronizer() {
  static auto* Main = new TMainSynchronizer;
  return *Main;
}

LRESULT CALLBACK SynchronizerWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg != WM_SYNCHRONIZECALL) return DefWindowProcW(Window, Msg, WParam, LParam);
  auto* State = reinterpret_cast<TSynchronizer::TState*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  auto* Call = reinterpret_cast<TCall*>(LParam);
  // A going synchronizer answers without running: what the call would touch may be gone.
  if (State->Window == nullptr) return 0;
  // An exception must not unwind through the system's message dispatch; the caller gets it.
  try {
    (*Call->Method)();
  } catch (...) {
    Call->Error = std::current_exception();
  }
  return 0;
}

ATOM RegisterSynchronizerClass() {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof(Class);
  Class.lpfnWndProc = SynchronizerWindowProc;
  Class.hInstance = GetModuleHandleW(nullptr);
  Class.lpszClassName = SynchronizerClassName;
  return RegisterClassExW(&Class);
}

}  // namespace

void TSynchronizer::TState::Call(const std::function<void()>& Method) {
  if (GetCurrentThreadId() == MainThreadId) {
    Method();
    return;
  }
  HWND Target;
  {
    std::lock_guard Guard(Lock);
    if (Window == nullptr) return;
    Target = Window;
    if (CallsUnderWay++ == 0) ResetEvent(NoCallsUnderWay.Get());
  }
  TCall Call{&Method, {}};
  SendMessageW(Target, WM_SYNCHRONIZECALL, 0, reinterpret_cast<LPARAM>(&Call));
  {
    std::lock_guard Guard(Lock);
    if (--CallsUnderWay == 0) SetEvent(NoCallsUnderWay.Get());
  }
  if (Call.Error) std::rethrow_exception(Call.Error);
}

TSynchronizer::TSynchronizer() : FState(std::make_shared<TState>()) {
  static const ATOM Class = RegisterSynchronizerClass();
  FWindow.Reset(CreateWindowExW(0, MAKEINTATOM(Class), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(FState.get()));
  {
    std::lock_guard Guard(FState->Lock);
    FState->Window = FWindow.Get();
  }
  TMainSynchronizer& Main = MainSynchronizer();
  std::lock_guard Guard(Main.Lock);
  Main.State = FState;
}

TSynchronizer::~TSynchronizer() {
  {
    TMainSynchronizer& Main = MainSynchronizer();
    std::lock_guard Guard(Main.Lock);
    if (Main.State == FState) Main.State.reset();
  }
  {
    std::lock_guard Guard(FState->Lock);
    FState->Window = nullptr;
  }
  // Workers already inside SendMessageW hold the window's handle: answer them before the
  // window goes, rather than rely on what a send to a destroyed window does.
  WaitServingSynchronize(FState->NoCallsUnderWay.Get());
}

void TSynchronizer::Synchronize(const std::function<void()>& Method) { FState->Call(Method); }

void TSynchronizer::SynchronizeMain(const std::function<void()>& Method) {
  std::shared_ptr<TState> State;
  {
    TMainSynchronizer& Main = MainSynchronizer();
    std::lock_guard Guard(Main.Lock);
    State = Main.State;
  }
  if (State) State->Call(Method);
}

void WaitServingSynchronize(HANDLE Handle) {
  for (;;) {
    const DWORD Result =
        MsgWaitForMultipleObjectsEx(1, &Handle, INFINITE, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    if (Result != WAIT_OBJECT_0 + 1) return;  // signalled, or nothing that can be waited for
    MSG Msg;
    PeekMessageW(&Msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}
