// TacEditWnd: the skin's hold on a multi-line edit's window while a skin is active. It sits
// in front of the control's other handlers but its skinned scroll bars (a message hook added
// just before them), paints the frame from the skin section "EDIT", keeps the control's
// colour and font colour in step with the section's state — the native control then paints
// the text itself, in those colours — and tells the scroll bars when the text moved under
// them.
//
// AttachEditSubclass makes or frees one as the skin comes and goes; RenderEditFrame paints
// a subclassed edit's frame and background into its skin data's picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/MessageHookChain.h"
#include "gfx/Color.h"
#include "gfx/Set.h"

class TWinControl;
class TsCommonData;
class TsScrollWndData;
struct BackgroundInfo;

enum TacCtrlStateItem { csPaintNeeded, csNCPaintNeeded };
using TacCtrlState = TSet<TacCtrlStateItem>;

class TacEditWnd {
 public:
  // Takes over Control's messages; SkinData is the control's own skin data.
  TacEditWnd(TWinControl& Control, TsScrollWndData& SkinData);
  TacEditWnd(const TacEditWnd&) = delete;
  TacEditWnd& operator=(const TacEditWnd&) = delete;
  ~TacEditWnd();

  // Lets go of the control's messages at once (the object itself may go later).
  void Unhook();
  bool Hooked() const { return FHook.Hooked(); }

  // The section's colours of the current state on the control, unless it has its own.
  void SetSkinParams();
  // Remembers the control's own colours; gives them back (the system's window colours).
  void SaveStdParams();
  void RestoreStdParams();

  // Cached client rectangle; top -1: not read yet.
  RECT FClientRect{0, -1, 0, 0};
  TacCtrlState CtrlState;
  // Inside the native non-client painting.
  bool StdNCPaint = false;
  // The colour the section gives the control now (what its children see through it).
  TColor Color = clNone;

 private:
  TWinControl& FControl;
  TsCommonData& FSkinData;
  TColor FStdColor = clNone;
  TColor FStdFontColor = clNone;
  bool FInSkinParams = false;
  int FLastState = -1;
  TMessageHook FHook;

  void acWndProc(TMessage& Message, const TMessageHookChain::TNext& Next);
  // True: handled here (the chain was called where needed).
  bool SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next);
  void AfterChain(const TMessage& Message);
  void FocusChanged(TMessage& Message, const TMessageHookChain::TNext& Next);
  void PaintFrame(TMessage& Message, const TMessageHookChain::TNext& Next);
  // The native non-client content (a system scroll bar) kept off the skinned border.
  void NativeFrameContent(TMessage& Message, const TMessageHookChain::TNext& Next);
  void PrintClient(TMessage& Message, const TMessageHookChain::TNext& Next);
  void RefreshGeometry();
  void AnswerBackground(BackgroundInfo& Info);
  bool HasHotLook() const;
  // Where the scroll-bar layer learns that the text moved: it re-reads both bars'
  // positions and ranges and repaints its bars (unless repainting is suspended around a
  // scroll message, or even then). The system's own bars follow by themselves.
  void SyncScrollBars(bool EvenWhileSuspended);
  HWND Window() const;
};

// For a memo: makes its subclass over its window when the skin is active and none is there
// (or the old one let go), and frees it when the skin is not active.
void AttachEditSubclass(TsScrollWndData& SkinData, std::unique_ptr<TacEditWnd>& Subclass);

// The frame and background of a subclassed edit into SkinData's picture, for the window's
// state, when the background changed; false when the parent's picture is not ready (the
// skin data then waits, updating).
bool RenderEditFrame(TsCommonData& SkinData, HWND Window);
