// Move-only owners of Win32 handles, each releasing its handle the way it was obtained, and
// guards that undo a selection or a saved DC state on every path.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

// GDI objects (bitmaps, brushes, fonts, pens, regions) and memory DCs held by the owners
// below right now, so a test can see a leak (Wine's GetGuiResources answers 0).
inline std::atomic<int> LiveGdiObjects{0};

// Owns one handle; TTraits::Free frees it, TTraits::Invalid() is the empty value. Owners of
// GDI handles (traits with CountsGdi) keep LiveGdiObjects.
template <class THandle, class TTraits>
class TUniqueHandleOf {
 public:
  TUniqueHandleOf() = default;
  explicit TUniqueHandleOf(THandle Handle) : FHandle(Handle) { Count(Handle, 1); }
  TUniqueHandleOf(TUniqueHandleOf&& Other) noexcept : FHandle(std::exchange(Other.FHandle, TTraits::Invalid())) {}
  TUniqueHandleOf& operator=(TUniqueHandleOf&& Other) noexcept {
    Reset(Other.Release());
    return *this;
  }
  TUniqueHandleOf(const TUniqueHandleOf&) = delete;
  TUniqueHandleOf& operator=(const TUniqueHandleOf&) = delete;
  ~TUniqueHandleOf() { Reset(); }

  THandle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != TTraits::Invalid(); }
  // Gives the handle up without freeing it.
  THandle Release() {
    Count(FHandle, -1);
    return std::exchange(FHandle, TTraits::Invalid());
  }
  void Reset(THandle Handle = TTraits::Invalid()) {
    Count(Handle, 1);
    const THandle Old = std::exchange(FHandle, Handle);
    if (Old != TTraits::Invalid()) TTraits::Free(Old);
    Count(Old, -1);
  }

 private:
  THandle FHandle = TTraits::Invalid();

  static void Count(THandle Handle, int By) {
    if constexpr (requires { TTraits::CountsGdi; }) {
      if (Handle != TTraits::Invalid()) LiveGdiObjects += By;
    }
  }
};

struct TWindowTraits {
  static HWND Invalid() { return nullptr; }
  static void Free(HWND Handle) { DestroyWindow(Handle); }
};
struct TMemoryDCTraits {
  static constexpr bool CountsGdi = true;
  static HDC Invalid() { return nullptr; }
  static void Free(HDC Handle) { DeleteDC(Handle); }
};
template <class TGdiHandle>
struct TGdiObjectTraits {
  static constexpr bool CountsGdi = true;
  static TGdiHandle Invalid() { return nullptr; }
  static void Free(TGdiHandle Handle) { DeleteObject(Handle); }
};
struct TIconTraits {
  static HICON Invalid() { return nullptr; }
  static void Free(HICON Handle) { DestroyIcon(Handle); }
};
struct THookTraits {
  static HHOOK Invalid() { return nullptr; }
  static void Free(HHOOK Handle) { UnhookWindowsHookEx(Handle); }
};
struct TModuleTraits {
  static HMODULE Invalid() { return nullptr; }
  static void Free(HMODULE Handle) { FreeLibrary(Handle); }
};
struct TMenuTraits {
  static HMENU Invalid() { return nullptr; }
  static void Free(HMENU Handle) { DestroyMenu(Handle); }
};
// Kernel handles whose empty value is null (threads, processes, events, pipes, jobs).
struct TKernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static void Free(HANDLE Handle) { CloseHandle(Handle); }
};

using TUniqueWindow = TUniqueHandleOf<HWND, TWindowTraits>;
// A DC from CreateCompatibleDC / CreateDC (DeleteDC). A DC from GetDC is a TWindowDC.
using TMemoryDC = TUniqueHandleOf<HDC, TMemoryDCTraits>;
using TUniqueBitmap = TUniqueHandleOf<HBITMAP, TGdiObjectTraits<HBITMAP>>;
using TUniqueBrush = TUniqueHandleOf<HBRUSH, TGdiObjectTraits<HBRUSH>>;
using TUniqueFont = TUniqueHandleOf<HFONT, TGdiObjectTraits<HFONT>>;
using TUniquePen = TUniqueHandleOf<HPEN, TGdiObjectTraits<HPEN>>;
using TUniqueRegion = TUniqueHandleOf<HRGN, TGdiObjectTraits<HRGN>>;
using TUniqueIcon = TUniqueHandleOf<HICON, TIconTraits>;
using TUniqueHandle = TUniqueHandleOf<HANDLE, TKernelHandleTraits>;
// A hook from SetWindowsHookExW.
using TUniqueHook = TUniqueHandleOf<HHOOK, THookTraits>;
// A module from LoadLibraryW (not GetModuleHandleW, which lends one).
using TUniqueModule = TUniqueHandleOf<HMODULE, TModuleTraits>;
// A menu of our own from CreatePopupMenu (never a window's system menu, which it keeps).
using TUniqueMenu = TUniqueHandleOf<HMENU, TMenuTraits>;

// A window's DC from GetDC (or the whole window's from GetWindowDC), given back with ReleaseDC.
class TWindowDC {
 public:
  enum class TArea { Client, Window };
  explicit TWindowDC(HWND Window, TArea Area = TArea::Client)
      : FWindow(Window), FDC(Area == TArea::Client ? GetDC(Window) : GetWindowDC(Window)) {}
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

// A DC from GetDCEx (any flags), given back with ReleaseDC and the window it came from.
class TWindowDCEx {
 public:
  TWindowDCEx(HWND Window, HRGN Clip, DWORD Flags) : FWindow(Window), FDC(GetDCEx(Window, Clip, Flags)) {}
  TWindowDCEx(const TWindowDCEx&) = delete;
  TWindowDCEx& operator=(const TWindowDCEx&) = delete;
  ~TWindowDCEx() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

// A window property (SetPropW), removed again when the owner goes; a property that another
// value has replaced meanwhile is left alone.
class TWindowProperty {
 public:
  TWindowProperty(HWND Window, const wchar_t* Name, HANDLE Value)
      : FWindow(Window), FName(Name), FValue(SetPropW(Window, Name, Value) ? Value : nullptr) {}
  TWindowProperty(const TWindowProperty&) = delete;
  TWindowProperty& operator=(const TWindowProperty&) = delete;
  ~TWindowProperty() {
    if (FValue && GetPropW(FWindow, FName) == FValue) RemovePropW(FWindow, FName);
  }
  bool Set() const { return FValue != nullptr; }

 private:
  HWND FWindow;
  const wchar_t* FName;  // a string literal or atom name that outlives the property
  HANDLE FValue;
};

// BeginPaint / EndPaint.
class TPaintDC {
 public:
  explicit TPaintDC(HWND Window) : FWindow(Window), FDC(BeginPaint(Window, &FPaint)) {}
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  HDC Get() const { return FDC; }
  const RECT& PaintRect() const { return FPaint.rcPaint; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// Selects an object into a DC and selects the previous one back when it goes. Selecting a
// region sets the DC's clipping to a copy of it and returns a region type (SIMPLEREGION …),
// not a previous object: nothing is selected back then (a saved DC state restores clipping).
class TSelectObjectGuard {
 public:
  TSelectObjectGuard(HDC DC, HGDIOBJ Object) : FDC(DC), FOld(SelectObject(DC, Object)) {
    if (GetObjectType(Object) == OBJ_REGION) FOld = nullptr;
  }
  TSelectObjectGuard(const TSelectObjectGuard&) = delete;
  TSelectObjectGuard& operator=(const TSelectObjectGuard&) = delete;
  ~TSelectObjectGuard() {
    if (FOld && FOld != HGDI_ERROR) SelectObject(FDC, FOld);
  }

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// SaveDC / RestoreDC: origin, clipping and selections come back on every path.
class TSavedDCState {
 public:
  explicit TSavedDCState(HDC DC) : FDC(DC), FState(SaveDC(DC)) {}
  TSavedDCState(const TSavedDCState&) = delete;
  TSavedDCState& operator=(const TSavedDCState&) = delete;
  ~TSavedDCState() {
    if (FState) RestoreDC(FDC, FState);
  }

 private:
  HDC FDC;
  int FState;
};

// A window-message timer (SetTimer on a window), killed when the owner goes.
class TWindowTimer {
 public:
  TWindowTimer(HWND Window, UINT_PTR Id, UINT Interval)
      : FWindow(Window), FId(SetTimer(Window, Id, Interval, nullptr) ? Id : 0) {}
  TWindowTimer(const TWindowTimer&) = delete;
  TWindowTimer& operator=(const TWindowTimer&) = delete;
  ~TWindowTimer() {
    if (FId) KillTimer(FWindow, FId);
  }
  bool Active() const { return FId != 0; }

 private:
  HWND FWindow;
  UINT_PTR FId;
};
