#include "framework/Application.h"

#include <algorithm>

#include "framework/Dialogs.h"
#include "framework/Form.h"
#include "framework/ProgramArguments.h"

TApplication* Application = nullptr;

namespace {

std::wstring ProgramTitle() {
  const std::wstring Path = ProgramFilePath();
  const std::size_t Slash = Path.find_last_of(L"\\/");
  std::wstring Name = Slash == std::wstring::npos ? Path : Path.substr(Slash + 1);
  const std::size_t Dot = Name.rfind(L'.');
  if (Dot != std::wstring::npos) Name.resize(Dot);
  return Name;
}

}  // namespace

TApplication::TApplication()
    : TComponent(nullptr),
      FTitle(ProgramTitle()),
      FErrorReporting([](const std::wstring& Text) { ErrorBox(Text); }),
      FWindow(TUtilityWindow::TKind::TopLevel, FTitle,
              [this](TMessage& Message) { return WindowMessage(Message); }) {
  Application = this;
}

TApplication::~TApplication() {
  // The forms go while the application window, the synchronizer and Application still serve them.
  DestroyComponents();
  Application = nullptr;
}

void TApplication::Initialize() {}

THookId TApplication::HookMainWindow(TWindowHook Hook) {
  FHooks.emplace_back(++FLastHookId, std::move(Hook));
  return FLastHookId;
}

void TApplication::UnhookMainWindow(THookId Id) {
  std::erase_if(FHooks, [Id](const auto& Entry) { return Entry.first == Id; });
}

bool TApplication::WindowMessage(TMessage& Message) {
  // A hook may add or remove hooks while it runs: walk a copy, skipping the removed ones.
  const auto Hooks = FHooks;
  for (const auto& [Id, Hook] : Hooks) {
    const bool StillHooked =
        std::any_of(FHooks.begin(), FHooks.end(), [Id = Id](const auto& Entry) { return Entry.first == Id; });
    if (StillHooked && Hook(Message)) return true;
  }
  return false;
}

void TApplication::HandleMessage(MSG& Msg) {
  if (Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST) {
    // Tab, Enter and Esc in a form work the way they do in a dialog.
    const HWND Root = GetAncestor(Msg.hwnd, GA_ROOT);
    if (dynamic_cast<TCustomForm*>(TWinControl::FromHandle(Root)) && IsDialogMessageW(Root, &Msg)) return;
  }
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  MSG Msg;
  while (!FTerminated) {
    const BOOL Got = GetMessageW(&Msg, nullptr, 0, 0);
    if (Got == 0 || Got == -1) {
      FTerminated = true;
      break;
    }
    HandleMessage(Msg);
  }
}

void TApplication::ProcessMessages() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
    if (Msg.message == WM_QUIT) {
      FTerminated = true;
      return;
    }
    HandleMessage(Msg);
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::FormDestroyed(const TCustomForm* Form) {
  if (FMainForm == Form) FMainForm = nullptr;
}
