#include "skin/store/win32/SkinCommands.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/WinControl.h"

namespace {

struct TPendingSkinCommand {
  HWND Window;
  WPARAM WParam;
  LPARAM LParam;
};

// The sends of this thread now under way, the innermost last.
thread_local std::vector<TPendingSkinCommand> PendingSkinCommands;

// Keeps one send on the stack while it runs, also when the receiver throws.
class TPendingScope {
 public:
  TPendingScope(HWND Window, const TMessage& Message) {
    PendingSkinCommands.push_back({Window, Message.WParam, Message.LParam});
  }
  ~TPendingScope() { PendingSkinCommands.pop_back(); }
  TPendingScope(const TPendingScope&) = delete;
  TPendingScope& operator=(const TPendingScope&) = delete;
};

std::vector<TCustomForm*>& SkinnedFormList() {
  static std::vector<TCustomForm*> Forms;
  return Forms;
}

LRESULT DispatchDirectly(TControl* Control, const TMessage& Message) {
  auto* Windowed = dynamic_cast<TWinControl*>(Control);
  const TPendingScope Pending(Windowed && Windowed->HandleAllocated() ? Windowed->Handle() : nullptr, Message);
  return Control->Perform(Message.Msg, Message.WParam, Message.LParam);
}

void SendToForm(TCustomForm* Form, const TMessage& Message) {
  if (Form->HandleAllocated()) SendSkinMessage(Form->Handle(), Message);
  BroadcastToChildren(Form, Message);
}

}  // namespace

bool IsOwnSkinCommand(HWND Receiver, const TMessage& Message) {
  if (Message.Msg != WM_SKINCOMMAND) return false;
  const int Code = SkinCommandCode(Message.WParam);
  if ((Code == SKC_APPLY_PREVIEW || Code == SKC_SKIN_LIST_SKIN_CHANGED) && Message.LParam == 0) return true;
  if (PendingSkinCommands.empty()) return false;
  const TPendingSkinCommand& Top = PendingSkinCommands.back();
  return Top.Window == Receiver && Top.WParam == Message.WParam && Top.LParam == Message.LParam;
}

TSkinState* SkinStateOf(HWND Window) {
  return Window ? static_cast<TSkinState*>(GetPropW(Window, SkinStateProperty)) : nullptr;
}

bool IsSkinnedWindow(HWND Window) {
  if (!Window) return false;
  if (GetPropW(Window, SkinStateProperty) || GetPropW(Window, SkinSubclassProperty)) return true;
  return AskSkinCommand(Window, SKC_QUERY_SKINNED);
}

LRESULT SendSkinMessage(HWND Window, const TMessage& Message) {
  const TPendingScope Pending(Window, Message);
  if (TSkinState* State = SkinStateOf(Window); State && State->WndProc) {
    TMessage Direct = Message;
    State->WndProc(Direct);
    return Direct.Result;
  }
  return SendMessageW(Window, Message.Msg, Message.WParam, Message.LParam);
}

LRESULT SendSkinCommand(HWND Window, int Code, LPARAM LParam) {
  return SendSkinMessage(Window, SkinCommandMessage(Code, LParam));
}

LRESULT SendSkinCommandTo(TControl* Control, int Code, LPARAM LParam, WORD Argument) {
  if (!Control) return 0;
  const TMessage Message = SkinCommandMessage(Code, LParam, Argument);
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control)) {
    if (Windowed->Destroying() || !Windowed->HandleAllocated()) return 0;
    return SendSkinMessage(Windowed->Handle(), Message);
  }
  return DispatchDirectly(Control, Message);
}

LRESULT PerformSkinCommand(TControl* Control, int Code, LPARAM LParam) {
  return DispatchDirectly(Control, SkinCommandMessage(Code, LParam));
}

bool AskSkinCommand(HWND Window, int Code) { return SendSkinCommand(Window, Code, 0) == 1; }

void BroadcastToChildren(TWinControl* Container, const TMessage& Message) {
  // Indexes, not iterators: a receiver may add or remove children of the container.
  for (std::size_t I = 0; I < Container->Controls().size(); ++I) {
    TControl* Child = Container->Controls()[I];
    if (Child->Destroying()) return;
    auto* Windowed = dynamic_cast<TWinControl*>(Child);
    if (Windowed && Windowed->HandleAllocated()) {
      const HWND Window = Windowed->Handle();
      SendSkinMessage(Window, Message);
      // A skinned window forwards to its own children.
      if (!IsSkinnedWindow(Window)) BroadcastToChildren(Windowed, Message);
    } else {
      DispatchDirectly(Child, Message);
    }
  }
}

void BroadcastToForms(const TMessage& Message, const std::vector<HWND>& HookedWindows) {
  // A form may close during the walk, which moves the others: what was visited is
  // remembered, so none is visited twice.
  std::vector<const TComponent*> Visited;
  if (Application) {
    for (std::size_t I = Application->Components().size(); I > 0;) {
      I = std::min(I, Application->Components().size());
      if (I == 0) break;
      --I;
      auto* Form = dynamic_cast<TCustomForm*>(Application->Components()[I]);
      if (!Form || std::find(Visited.begin(), Visited.end(), Form) != Visited.end()) continue;
      Visited.push_back(Form);
      if (Form->Loading() || Form->Destroying()) continue;
      if (Form->HandleAllocated() && IsSkinnedWindow(Form->Handle())) continue;
      SendToForm(Form, Message);
    }
  }
  Visited.clear();
  const std::vector<TCustomForm*>& Skinned = SkinnedFormList();
  for (std::size_t I = 0; I < Skinned.size(); ++I) {
    TCustomForm* Form = Skinned[I];
    if (std::find(Visited.begin(), Visited.end(), Form) != Visited.end()) continue;
    Visited.push_back(Form);
    if (!Form->Destroying()) SendToForm(Form, Message);
  }
  for (const HWND Window : HookedWindows) {
    if (IsWindowVisible(Window)) SendSkinMessage(Window, Message);
  }
}

void BroadcastToChildWindows(HWND Parent, const TMessage& Message) {
  std::vector<HWND> Descendants;
  EnumChildWindows(
      Parent,
      [](HWND Window, LPARAM List) {
        reinterpret_cast<std::vector<HWND>*>(List)->push_back(Window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&Descendants));
  for (const HWND Window : Descendants) {
    if (IsWindow(Window) && GetAncestor(Window, GA_PARENT) == Parent) SendSkinMessage(Window, Message);
  }
}

TSkinnedFormRegistration::TSkinnedFormRegistration(TCustomForm* Form) : FForm(Form) {
  SkinnedFormList().push_back(Form);
}

TSkinnedFormRegistration::~TSkinnedFormRegistration() { std::erase(SkinnedFormList(), FForm); }

const std::vector<TCustomForm*>& SkinnedForms() { return SkinnedFormList(); }
