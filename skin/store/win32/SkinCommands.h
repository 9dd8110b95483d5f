// The skin command protocol between manager, frames and controls: WM_SKINCOMMAND with the
// command code in the high word of wParam (framework/PrivateMessages.h), the window
// properties that mark skinned windows, the delivery operations and the broadcasts.
//
// WM_SKINCOMMAND lies in the range any process may send or post to our windows, and many
// codes follow or write through lParam. So every send of ours is remembered, while it runs,
// on a stack of this thread; a receiver acts on a skin command only when it is the one on
// top (IsOwnSkinCommand). Anything else (sent from another thread or process, or posted)
// gets reply 0 and changes nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/Message.h"
#include "framework/PrivateMessages.h"

class TControl;
class TCustomForm;
class TWinControl;

// A skinned window's skin state (the "ACSDATA" property points to it). A state with a
// WndProc takes skin commands straight, without a trip through the window system.
class TSkinState {
 public:
  TWndMethod WndProc;
  // The mouse is over the control (the manager's hot tracking asks).
  bool FMouseAbove = false;

 protected:
  ~TSkinState() = default;
};

// SKC_QUERY_STATE_SECTION's record: the state asked about, the skin index answered, and
// the area in the receiver's coordinates.
struct TacStateSectionQuery {
  std::int32_t State = 0;
  std::int32_t SkinIndex = -1;
  RECT R{};
};

inline constexpr wchar_t SkinStateProperty[] = L"ACSDATA";
// The subclassing object of a standard window skinned from outside.
inline constexpr wchar_t SkinSubclassProperty[] = L"ACSBSC";

constexpr WPARAM SkinCommandWParam(int Code, WORD Argument = 0) {
  return static_cast<WPARAM>(static_cast<DWORD>(static_cast<WORD>(Code)) << 16 | Argument);
}
// The code as a receiver reads it: the high word taken as a signed 16-bit value.
constexpr int SkinCommandCode(WPARAM WParam) { return static_cast<short>(HIWORD(WParam)); }
constexpr WORD SkinCommandArgument(WPARAM WParam) { return LOWORD(WParam); }

inline TMessage SkinCommandMessage(int Code, LPARAM LParam = 0, WORD Argument = 0) {
  return {WM_SKINCOMMAND, SkinCommandWParam(Code, Argument), LParam, 0};
}

// Whether the skin command Message, arriving at Receiver (null for a control without a
// window), is one of ours: the send on top of this thread's stack, or one of the posted
// codes that carry nothing (SKC_APPLY_PREVIEW, SKC_SKIN_LIST_SKIN_CHANGED with lParam 0).
bool IsOwnSkinCommand(HWND Receiver, const TMessage& Message);

TSkinState* SkinStateOf(HWND Window);
// Carries "ACSDATA" or "ACSBSC", or answers SKC_QUERY_SKINNED with 1.
bool IsSkinnedWindow(HWND Window);

// The reply of Window to the skin command Message.Code (Message.WParam, Message.LParam).
LRESULT SendSkinMessage(HWND Window, const TMessage& Message);
LRESULT SendSkinCommand(HWND Window, int Code, LPARAM LParam);
// A windowed control with a window gets it by SendSkinCommand; one that is being destroyed
// or has no window gets nothing; a control without a window of its kind gets it directly.
LRESULT SendSkinCommandTo(TControl* Control, int Code, LPARAM LParam, WORD Argument = 0);
// Straight to the control's message handling, window or not: for a control's skin state
// asking its own control.
LRESULT PerformSkinCommand(TControl* Control, int Code, LPARAM LParam);
bool AskSkinCommand(HWND Window, int Code);

// Every child of Container in order, stopping at the first one being destroyed; windowed
// children that are not skinned windows themselves are descended into.
void BroadcastToChildren(TWinControl* Container, const TMessage& Message);
// The manager's broadcast: the application's forms (last first), then the skinned forms,
// then every visible window of HookedWindows.
void BroadcastToForms(const TMessage& Message, const std::vector<HWND>& HookedWindows);
// Every window whose direct parent is Parent.
void BroadcastToChildWindows(HWND Parent, const TMessage& Message);

// The forms that have a frame attached, in the order they were attached. A registration
// adds its form and takes it out again when it ends.
class TSkinnedFormRegistration {
 public:
  explicit TSkinnedFormRegistration(TCustomForm* Form);
  ~TSkinnedFormRegistration();
  TSkinnedFormRegistration(const TSkinnedFormRegistration&) = delete;
  TSkinnedFormRegistration& operator=(const TSkinnedFormRegistration&) = delete;

 private:
  TCustomForm* FForm;
};
const std::vector<TCustomForm*>& SkinnedForms();
