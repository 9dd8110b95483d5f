// The yardstick of the start-up benchmark: the smallest Win32 program that shows a window
// with a caption, started the same way as Quorvane.
#include <windows.h>

namespace {

LRESULT CALLBACK MinimalWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int Show) {
  WNDCLASSW Class{};
  Class.lpfnWndProc = MinimalWndProc;
  Class.hInstance = Instance;
  Class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  Class.lpszClassName = L"MinimalWindow";
  RegisterClassW(&Class);
  HWND Window = CreateWindowExW(0, Class.lpszClassName, L"Minimal window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 814, 508, nullptr, nullptr, Instance, nullptr);
  ShowWindow(Window, Show);
  UpdateWindow(Window);
  MSG Message;
  while (GetMessageW(&Message, nullptr, 0, 0) > 0) {
    TranslateMessage(&Message);
    DispatchMessageW(&Message);
  }
  return 0;
}
