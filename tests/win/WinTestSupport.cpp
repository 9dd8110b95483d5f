#include "tests/win/WinTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

#include "framework/DibSection.h"
#include "framework/Handles.h"
#include "framework/Label.h"

void MouseTo(POINT Screen) {
  SetCursorPos(Screen.x, Screen.y);
  INPUT Input{};
  Input.type = INPUT_MOUSE;
  Input.mi.dx = MulDiv(Screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  Input.mi.dy = MulDiv(Screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  Input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &Input, sizeof(INPUT));
}

void LeftButton(bool Down) {
  INPUT Input{};
  Input.type = INPUT_MOUSE;
  Input.mi.dwFlags = Down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &Input, sizeof(INPUT));
}

COLORREF ScreenPixel(POINT Screen) {
  const TWindowDC Desktop(nullptr);
  return GetPixel(Desktop.Get(), Screen.x, Screen.y);
}

bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Deadline) {
  const auto End = std::chrono::steady_clock::now() + Deadline;
  while (!Done()) {
    if (std::chrono::steady_clock::now() > End) return false;
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Msg);
      DispatchMessageW(&Msg);
    }
    // Not WaitMessage: it may serve a worker's sent call itself and sleep on, missing the
    // change that call made.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

int TCapture::Count(COLORREF Color) const {
  return static_cast<int>(std::count(Pixels.begin(), Pixels.end(), Color));
}

int TCapture::Count(COLORREF Color, const RECT& Area) const {
  int N = 0;
  for (int Y = Area.top; Y < Area.bottom; ++Y)
    for (int X = Area.left; X < Area.right; ++X) N += At(X, Y) == Color;
  return N;
}

TCapture PrintClient(HWND Window, int Width, int Height, UINT Flags, COLORREF Under) {
  const std::optional<TDibSection> Dib = TDibSection::Make(Width, Height);
  if (!Dib) return {};
  const TUniqueBrush Brush(CreateSolidBrush(Under));
  const RECT All{0, 0, Width, Height};
  FillRect(Dib->DC(), &All, Brush.Get());
  SendMessageW(Window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dib->DC()), Flags);
  const TBitmapView Pixels = Dib->Pixels();
  TCapture Capture{Width, Height, {}};
  for (int Y = 0; Y < Height; ++Y) {
    for (int X = 0; X < Width; ++X) {
      const TPixel32 P = Pixels.Row(Y)[X];
      Capture.Pixels.push_back(RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF));
    }
  }
  return Capture;
}

TSeenBox WatchForBox(DWORD UiThread) {
  TSeenBox Seen;
  for (int Attempt = 0; Attempt < 2000; ++Attempt) {
    HWND Box = nullptr;
    EnumThreadWindows(
        UiThread,
        [](HWND Window, LPARAM Found) {
          wchar_t Class[16] = {};
          GetClassNameW(Window, Class, 16);
          if (std::wstring(Class) != L"#32770" || !IsWindowVisible(Window)) return TRUE;
          *reinterpret_cast<HWND*>(Found) = Window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&Box));
    if (Box) {
      wchar_t Buffer[256] = {};
      GetWindowTextW(Box, Buffer, 256);
      Seen.Caption = Buffer;
      GetDlgItemTextW(Box, 0xFFFF, Buffer, 256);  // the message text's static control
      Seen.Text = Buffer;
      Seen.Owner = GetWindow(Box, GW_OWNER);
      EnumChildWindows(
          Box,
          [](HWND Child, LPARAM Icon) {
            if ((GetWindowLongPtrW(Child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(Child)) {
              *reinterpret_cast<HICON*>(Icon) =
                  reinterpret_cast<HICON>(SendMessageW(Child, STM_GETICON, 0, 0));
            }
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&Seen.Icon));
      PostMessageW(Box, WM_COMMAND, IDOK, 0);
      return Seen;
    }
    std::this_thread::sleep_for(10ms);
  }
  return Seen;
}

SIZE TextSize(TCustomLabel& Label) {
  const HDC Screen = GetDC(nullptr);
  const HGDIOBJ Old = SelectObject(Screen, Label.Font().Handle());
  SIZE Size{};
  const std::wstring Caption = Label.Caption();
  GetTextExtentPoint32W(Screen, Caption.c_str(), static_cast<int>(Caption.size()), &Size);
  SelectObject(Screen, Old);
  ReleaseDC(nullptr, Screen);
  return Size;
}

TDibSection NewDib(int W, int H, TPixel32 Fill) {
  std::optional<TDibSection> Dib = TDibSection::Make(W, H);
  if (!Dib) throw std::runtime_error("no DIB section");
  Dib->Pixels().Fill(Fill);
  return std::move(*Dib);
}
