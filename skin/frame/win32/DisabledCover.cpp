#include "skin/frame/win32/DisabledCover.h"

#include <algorithm>

#include "framework/Colors.h"
#include "framework/DibSection.h"
#include "framework/SystemBindings.h"

namespace {

constexpr wchar_t CoverClassName[] = L"QvDisabledCover";

// The cover's class: it paints nothing itself (UpdateLayeredWindow gives its picture).
bool RegisterCoverClass(HINSTANCE Instance) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof(Class);
  if (GetClassInfoExW(Instance, CoverClassName, &Class)) return true;
  Class.lpfnWndProc = DefWindowProcW;
  Class.hInstance = Instance;
  Class.lpszClassName = CoverClassName;
  return RegisterClassExW(&Class) != 0;
}

}  // namespace

std::optional<BYTE> DisabledCoverAlpha(int DisabledBlendValue) {
  if (DisabledBlendValue == -1) return std::nullopt;
  return static_cast<BYTE>(255 - std::clamp(DisabledBlendValue, 0, 255));
}

void TDisabledCover::Follow(HWND Form, int DisabledBlendValue, TColor DisabledBlendColor) {
  Remove();
  if (!Form || !IsWindow(Form) || IsWindowEnabled(Form)) return;
  // A fully transparent cover would change nothing on screen; without a compositor a
  // layered window shows opaque, so none is made.
  if (const std::optional<BYTE> Alpha = DisabledCoverAlpha(DisabledBlendValue); Alpha && *Alpha > 0)
    Show(Form, *Alpha, DisabledBlendColor);
}

void TDisabledCover::Remove() {
  FWindow.Reset();
  FAlpha = 0;
}

void TDisabledCover::Show(HWND Form, BYTE Alpha, TColor Color) {
  RECT Bounds{};
  if (!LayeredWindowsSupported() || !GetWindowRect(Form, &Bounds)) return;
  const int Width = Bounds.right - Bounds.left;
  const int Height = Bounds.bottom - Bounds.top;
  std::optional<TDibSection> Picture = TDibSection::Make(Width, Height);
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  if (!Picture || !RegisterCoverClass(Instance)) return;
  const COLORREF Rgb = ColorToRGB(Color);
  Picture->Pixels().Fill(MakePixel32(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb), 255));

  // Owned by the form, so it stays above it; it never takes the focus or the mouse.
  TUniqueWindow Window(CreateWindowExW(
      WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, CoverClassName, L"", WS_POPUP,
      Bounds.left, Bounds.top, Width, Height, Form, nullptr, Instance, nullptr));
  if (!Window) return;
  POINT Position{Bounds.left, Bounds.top};
  SIZE Size{Width, Height};
  POINT Source{0, 0};
  BLENDFUNCTION Blend{AC_SRC_OVER, 0, Alpha, 0};
  const TWindowDC Screen(nullptr);
  if (!CallUpdateLayeredWindow(Window.Get(), Screen.Get(), &Position, &Size, Picture->DC(), &Source, 0,
                               &Blend, ULW_ALPHA))
    return;
  ShowWindow(Window.Get(), SW_SHOWNOACTIVATE);
  FWindow = std::move(Window);
  FAlpha = Alpha;
}
