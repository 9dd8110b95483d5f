#include "framework/UtilityWindow.h"

#include <stdexcept>
#include <string>

#include "framework/WindowProcErrors.h"

namespace {

constexpr wchar_t ClassName[] = L"QvUtilityWindow";

}  // namespace

TUtilityWindow::TUtilityWindow(TKind Kind, const std::wstring& Title, THandler Handler)
    : FHandler(std::move(Handler)) {
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof(Class);
  if (!GetClassInfoExW(Instance, ClassName, &Class)) {
    Class.lpfnWndProc = &TUtilityWindow::WindowProcedure;
    Class.hInstance = Instance;
    Class.lpszClassName = ClassName;
    if (!RegisterClassExW(&Class))
      throw std::runtime_error("RegisterClassExW failed: error " + std::to_string(GetLastError()));
  }
  const DWORD Style = Kind == TKind::TopLevel ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX : 0;
  const HWND Parent = Kind == TKind::MessageOnly ? HWND_MESSAGE : nullptr;
  // The object comes with WM_NCCREATE, the first message a popup or message-only window gets.
  FWindow.Reset(
      CreateWindowExW(0, ClassName, Title.c_str(), Style, 0, 0, 0, 0, Parent, nullptr, Instance, this));
  if (!FWindow) throw std::runtime_error("CreateWindowExW failed: error " + std::to_string(GetLastError()));
}

TUtilityWindow::~TUtilityWindow() {
  if (FWindow) SetWindowLongPtrW(FWindow.Get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK TUtilityWindow::WindowProcedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE) {
    const auto* Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
  }
  auto* Self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (Self && Self->FHandler) {
    TMessage Message{Msg, WParam, LParam, 0};
    try {
      if (Self->FHandler(Message)) return Message.Result;
    } catch (...) {
      ReportCurrentException();
      return Message.Result;
    }
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}
