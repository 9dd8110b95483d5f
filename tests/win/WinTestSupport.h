// What the Windows tests share: serving the main thread's messages while waiting, and
// reading back what a window paints.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "gfx/Bitmap32.h"

class TCustomLabel;
class TDibSection;

using namespace std::chrono_literals;

// Serves the main thread's messages until Done holds; false if the deadline passed first.
bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Deadline = 20s);

// Real input, as a user gives it: the cursor moved to a screen point; the left button
// pressed or released where the cursor is.
void MouseTo(POINT Screen);
void LeftButton(bool Down);
// What the screen shows at a point.
COLORREF ScreenPixel(POINT Screen);

// A window's client area as WM_PRINTCLIENT paints it, one COLORREF per pixel.
struct TCapture {
  int Width = 0;
  int Height = 0;
  std::vector<COLORREF> Pixels;

  COLORREF At(int X, int Y) const { return Pixels[static_cast<std::size_t>(Y * Width + X)]; }
  int Count(COLORREF Color) const;
  int Count(COLORREF Color, const RECT& Area) const;
};

// Paints Window's client area over a fill of Under with the given WM_PRINTCLIENT flags.
TCapture PrintClient(HWND Window, int Width, int Height, UINT Flags = PRF_CLIENT,
                     COLORREF Under = RGB(1, 2, 3));

// A DIB section of W x H pixels filled with Fill (throws when none can be made).
TDibSection NewDib(int W, int H, TPixel32 Fill);

// The size of Label's caption in its font, on one line, as GDI measures it.
SIZE TextSize(TCustomLabel& Label);

// What a message box showed, read from another thread while it is up, then closed.
struct TSeenBox {
  std::wstring Caption;
  std::wstring Text;
  HWND Owner = nullptr;
  HICON Icon = nullptr;  // the icon shown, if any
};

// Waits (on another thread) for a message box of UiThread, reads it and presses OK; an
// empty result when none came within about 20 s.
TSeenBox WatchForBox(DWORD UiThread);
