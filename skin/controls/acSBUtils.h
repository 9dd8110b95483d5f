// Skinned scroll bars over a control's window. TacScrollWnd takes over the window's
// non-client messages through a hook on the control's message chain: it keeps the native
// frame calculation from reserving room for the system's bars, reserves the same room
// itself, paints the bars from the skin's scroll sections there, and turns mouse input on
// them into the WM_HSCROLL / WM_VSCROLL messages the window already understands. The
// window's own scroll state (range, page, position) stays the truth: it is re-read before
// every paint and changed only through scroll messages.
//
// Use:
//   TacScrollWnd* Bars = AttachSkinnedScrollBars(Memo, &Memo.SkinData());
//   ...
//   DetachSkinnedScrollBars(Memo);   // or let the window go: the bars go with it
//
// The bars' hook sees the control's messages before every hook added earlier, so a frame
// painter hooked before it paints first and the bars are drawn over the frame. A window
// that is destroyed (also by RecreateWnd) takes its bars with it; attach them again to the
// new window. The window carries the property "ACSBSC" while it has them.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "framework/MessageHookChain.h"
#include "skin/controls/core/ScrollBarGeometry.h"

class TWinControl;
class TsCommonData;
class TsScrollWndData;
class TsSkinManager;
class TacScrollWnd;

// One bar of a TacScrollWnd.
class TacScrollBar {
 public:
  TacScrollBar(TacScrollWnd& Owner, int BarType) : nBarType(static_cast<WORD>(BarType)), sw(Owner) {}

  WORD fScrollFlags = 0;  // 8 when the window has this bar's style
  WORD nBarType;          // 0 horizontal, 1 vertical
  int nArrowWidth = -1;   // -1: the system's scroll-bar width
  int nArrowLength = -1;  // -1: derived
  int nButSizeAfter = 0, nButSizeBefore = 0;
  int nMinThumbSize = 0;
  bool fButVisibleBefore = false, fButVisibleAfter = false;
  TacScrollWnd& sw;
  bool fScrollVisible = false;
  SCROLLINFO ScrollInfo{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  // What the bar was last painted with; none before its first paint.
  struct TPainted {
    TScrollState State;
    bool Enabled = false;
  };
  std::optional<TPainted> Painted;

  bool Vertical() const { return nBarType == 1; }
  int Kind() const { return Vertical() ? SB_VERT : SB_HORZ; }
  TScrollState State() const {
    return {ScrollInfo.nMin, ScrollInfo.nMax, static_cast<int>(ScrollInfo.nPage), ScrollInfo.nPos};
  }
};

class TacScrollWnd {
 public:
  TacScrollWnd(const TacScrollWnd&) = delete;
  TacScrollWnd& operator=(const TacScrollWnd&) = delete;
  ~TacScrollWnd();

  HWND CtrlHandle() const { return FHandle; }
  TsCommonData& SkinData() const { return *FSkinData; }

  // Thickness (Which 1) or arrow-button length (Which 0) of Bar.
  int BarMetric(const TacScrollBar& Bar, int Which) const;
  // The bars' rectangles in window coordinates, as the last frame calculation left them.
  TScrollBarRects BarRects() const;
  // A bar's rectangle on the screen; empty when it is not visible.
  RECT VertBarRect() const;
  RECT HorzBarRect() const;
  TThumb ThumbPosSize(const TacScrollBar& Bar, int BarLength) const;
  bool BarEnabled(const TacScrollBar& Bar) const;

  // Paints every visible bar and the size box into DC (the window's DC); ThumbStart >= 0
  // puts the vertical bar's thumb there (bar coordinates).
  void DrawScrollBars(HDC DC, int ThumbStart = -1);
  // Re-reads both bars' scroll state and, with Repaint, paints them again.
  void SyncScrollBars(bool Repaint);
  // One scroll message to the window, between SKC_BEFORE_SCROLL and SKC_AFTER_SCROLL.
  void SendScrollCode(UINT Msg, int Code, int Position);

  // How many times a bar was painted: each bar paint counts one.
  int BarPaintCount() const { return FBarPaints; }

  bool fThumbTracking = false;
  bool fLeftScrollbar = false;
  bool ScrollsInitialized = false;
  bool bPreventStyleChange = false;
  bool DontRepaint = false;  // repainting suspended around a scroll message
  bool Destroyed = false;
  TacScrollBar sBarHorz{*this, 0};
  TacScrollBar sBarVert{*this, 1};
  int cxLeftEdge = -1, cxRightEdge = -1, cyTopEdge = -1, cyBottomEdge = -1;

 private:
  friend TacScrollWnd* AttachSkinnedScrollBars(TWinControl& Control, TsScrollWndData* SkinData);
  friend void DetachSkinnedScrollBars(TWinControl& Control);
  TacScrollWnd(TWinControl& Control, TsScrollWndData* SkinData);

  TWinControl& FControl;
  HWND FHandle;
  std::unique_ptr<TsScrollWndData> FOwnSkinData;
  TsCommonData* FSkinData;
  TsScrollWndData* FScrollData;  // the sizes' overrides, when the skin data has them
  TMessageHook FHook;
  int FMessageDepth = 0;
  bool FFreePending = false;
  int FBarPaints = 0;
  bool FPainting = false;

  void Hooked(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool HandleMessage(TMessage& Message, const TMessageHookChain::TNext& Next);
  void AfterMessage(const TMessage& Message);
  // The window's own code changed a bar's state (and may have painted the system's bar
  // there): paint the skinned one again.
  void RepaintChangedBars();
  // Unhooks and gives the window back; the object is freed once no message of it runs.
  void Release();
  void ReadScrollInfo(TacScrollBar& Bar);
  TsSkinManager* Manager() const;
  const TScrollFrame Frame() const;

  void CalcSize(TMessage& Message, const TMessageHookChain::TNext& Next);
  void NcPaint(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool HitTest(TMessage& Message);
  // True when the bar has just become the hot one: the bars are to be repainted.
  bool Hover(int HitCode);
  void HoverTick();
  bool Press(TMessage& Message);
  void MouseMovePressed(POINT Screen);
  void RepeatTick(bool First);
  void ReleasePress();
  void DragThumbTo(POINT Screen);
  void RepaintBar(TacScrollBar& Bar);
  void RepaintBars();

  // A disabled control shows its bars disabled too.
  bool DrawnEnabled(const TacScrollBar& Bar) const;
  // The part of Bar under a screen point.
  int PartAt(const TacScrollBar& Bar, POINT Screen, bool Shift) const;
  void DrawBar(HDC DC, TacScrollBar& Bar, int ThumbStart);
  void DrawSizeBox(HDC DC, const TRect& Box);
  bool SizeBoxAtParentCorner(const TRect& Box) const;
};

// Puts skinned scroll bars over Control's window (made if it has none yet) and answers them;
// a window that already has them answers those. SkinData: the control's skin data (its
// section and the scroll sizes it overrides); null: the bars make their own for the
// section "EDIT". The skin the bars paint with is that of the skin data's manager.
TacScrollWnd* AttachSkinnedScrollBars(TWinControl& Control, TsScrollWndData* SkinData);
// Takes the bars off Control's window (nothing without them): the window's own frame and
// bars come back. Safe from inside one of the window's messages; the object is freed when
// that returns.
void DetachSkinnedScrollBars(TWinControl& Control);
// The bars over Window, or null.
TacScrollWnd* SkinnedScrollBarsOf(HWND Window);
