#include "framework/SystemBindings.h"

#include <memory>

namespace {

struct TModuleFree {
  void operator()(HMODULE Module) const { FreeLibrary(Module); }
};
using TModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, TModuleFree>;

using TUpdateLayeredWindow = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using TSetLayout = DWORD(WINAPI*)(HDC, DWORD);
using TGetLayout = DWORD(WINAPI*)(HDC);
using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);

template <class TFunction>
TFunction Bind(const TModule& Module, const char* Name) {
  // GetProcAddress answers a generic FARPROC; the cast through void* to the real signature
  // is how every late binding is done.
  return Module ? reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(Module.get(), Name))) : nullptr;
}

// The process's bindings: made once, released (modules freed) when the program ends.
struct TBindings {
  TModule Gdi32{LoadLibraryW(L"gdi32.dll")};
  TModule User32{LoadLibraryW(L"user32.dll")};
  TUpdateLayeredWindow UpdateLayeredWindow = Bind<TUpdateLayeredWindow>(User32, "UpdateLayeredWindow");
  TSetLayeredWindowAttributes SetLayeredWindowAttributes =
      Bind<TSetLayeredWindowAttributes>(User32, "SetLayeredWindowAttributes");
  TSetLayout SetLayout = Bind<TSetLayout>(Gdi32, "SetLayout");
  TGetLayout GetLayout = Bind<TGetLayout>(Gdi32, "GetLayout");
  TSetProcessDPIAware SetProcessDPIAware = Bind<TSetProcessDPIAware>(User32, "SetProcessDPIAware");
  TGetScrollBarInfo GetScrollBarInfo = Bind<TGetScrollBarInfo>(User32, "GetScrollBarInfo");
  int CheckWidth = 0;
  int CheckHeight = 0;

  TBindings() {
    // The predefined check-box picture holds 4 x 3 images.
    if (HBITMAP Checks = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759 /* OBM_CHECKBOXES */))) {
      BITMAP Info{};
      if (GetObjectW(Checks, sizeof(Info), &Info)) {
        CheckWidth = Info.bmWidth / 4;
        CheckHeight = Info.bmHeight / 3;
      }
      DeleteObject(Checks);
    }
  }
};

const TBindings& Bindings() {
  static const TBindings Instance;
  return Instance;
}

bool AskComposition() {
  OSVERSIONINFOW Version{};
  Version.dwOSVersionInfoSize = sizeof(Version);
  // GetVersionExW reports 6.1 or lower to programs without a compatibility manifest (and
  // under Wine by default), which is still enough to tell 6 from 5.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&Version) || Version.dwMajorVersion < 6) return false;
#pragma GCC diagnostic pop
  const TModule Dwm(LoadLibraryW(L"dwmapi.dll"));
  const auto IsEnabled = Bind<TDwmIsCompositionEnabled>(Dwm, "DwmIsCompositionEnabled");
  BOOL Enabled = FALSE;
  return IsEnabled != nullptr && SUCCEEDED(IsEnabled(&Enabled)) && Enabled;
}

}  // namespace

void BindSystemFunctions() { Bindings(); }

bool LayeredWindowsSupported() { return Bindings().UpdateLayeredWindow != nullptr; }

BOOL CallUpdateLayeredWindow(HWND Window, HDC ScreenDC, POINT* Position, SIZE* Size, HDC SourceDC,
                             POINT* SourcePosition, COLORREF Key, BLENDFUNCTION* Blend, DWORD Flags) {
  const auto Function = Bindings().UpdateLayeredWindow;
  return Function ? Function(Window, ScreenDC, Position, Size, SourceDC, SourcePosition, Key, Blend, Flags) : FALSE;
}

BOOL CallSetLayeredWindowAttributes(HWND Window, COLORREF Key, BYTE Alpha, DWORD Flags) {
  const auto Function = Bindings().SetLayeredWindowAttributes;
  return Function ? Function(Window, Key, Alpha, Flags) : FALSE;
}

void CallSetLayout(HDC DC, DWORD Layout) {
  if (const auto Function = Bindings().SetLayout) Function(DC, Layout);
}

DWORD CallGetLayout(HDC DC) {
  const auto Function = Bindings().GetLayout;
  return Function ? Function(DC) : 0;
}

std::optional<bool> CallGetScrollBarInfo(HWND Window, LONG Object, SCROLLBARINFO& Info) {
  const auto Function = Bindings().GetScrollBarInfo;
  if (!Function) return std::nullopt;
  Info.cbSize = sizeof(Info);
  return Function(Window, Object, &Info) != FALSE;
}

TSetProcessDPIAware BoundSetProcessDPIAware() { return Bindings().SetProcessDPIAware; }

int SysCheckWidth() { return Bindings().CheckWidth; }
int SysCheckHeight() { return Bindings().CheckHeight; }

bool DesktopCompositionEnabled() {
  static const bool Enabled = AskComposition();
  return Enabled;
}
