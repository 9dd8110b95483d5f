#include "skin/frame/win32/acProvider.h"

#include <algorithm>
#include <string>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/SystemBindings.h"
#include "skin/frame/win32/sSkinProvider.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

std::vector<TacProvider*>& ProviderList() {
  static std::vector<TacProvider*> List;
  return List;
}

std::wstring ClassNameOf(HWND Window) {
  wchar_t Name[256] = {};
  const int Length = GetClassNameW(Window, Name, 256);
  return std::wstring(Name, static_cast<std::size_t>(std::max(Length, 0)));
}

bool HasProvider(HWND Window) {
  return std::any_of(ProviderList().begin(), ProviderList().end(), [Window](const TacProvider* Item) {
    return Item->Form()->HandleAllocated() && Item->Form()->Handle() == Window;
  });
}

// Whether the manager's rules skin a window of this class.
bool RulesSkin(const TsSkinManager& Manager, HWND Window) {
  const bool Dialog = ClassNameOf(Window) == L"TMessageForm";
  return Manager.SkinningRules.Contains(Dialog ? TacSkinningRule::srStdDialogs : TacSkinningRule::srStdForms);
}

}  // namespace

TacProvider::TacProvider(TCustomForm* AForm)
    : TComponent(AForm), FForm(AForm), FProvider(TsSkinProvider::CreateRT(AForm)) {
  // The main window keeps its own colour property; its background comes from the skin.
  FProvider->UseGlobalColor = false;
  ProviderList().push_back(this);
}

TacProvider::~TacProvider() { std::erase(ProviderList(), this); }

const std::vector<TacProvider*>& acProviders() { return ProviderList(); }

void SkinFormOnActivate(HWND Window) {
  TsSkinManager* Manager = TsSkinManager::DefaultManager();
  if (!Manager || !Application || Application->Destroying() || !Window || IsSkinnedWindow(Window)) return;
  const LONG_PTR Style = GetWindowLongPtrW(Window, GWL_STYLE);
  if ((Style & WS_POPUP) && !(Style & WS_BORDER)) return;
  if (HasProvider(Window)) return;
  auto* Form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(Window));
  if (!Form || Form->Destroying() || Form->Loading() || (Form->Tag() & ExceptTag) == ExceptTag) return;
  if (!RulesSkin(*Manager, Window)) return;
  new TacProvider(Form);
  // The whole window is painted anew, the frame first.
  if (DesktopCompositionEnabled()) {
    RedrawWindow(Window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    SendMessageW(Window, WM_NCPAINT, 1, 0);
  } else {
    UpdateWindow(Window);
    RedrawWindow(Window, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
  }
}
