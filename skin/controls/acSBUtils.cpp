#include "skin/controls/acSBUtils.h"

#include <algorithm>
#include <utility>

#include "framework/SystemBindings.h"
#include "framework/WinControl.h"
#include "gfx/ColorOps.h"
#include "skin/render/ControlKinds.h"
#include "skin/render/DisabledLook.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/PixelBlend.h"
#include "skin/render/PixelFill.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/PictureToDC.h"
#include "skin/render/win32/sCtrlSkinData.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

constexpr UINT_PTR HoverTimer = 0xFFF2;
constexpr UINT HoverInterval = 20;
constexpr UINT_PTR FirstRepeatTimer = 0xFFFD;
constexpr UINT FirstRepeatInterval = 300;
constexpr UINT_PTR RepeatTimer = 0xFFFE;
constexpr UINT RepeatInterval = 55;
constexpr WORD HasBarFlag = 8;
constexpr int ReservedMaskBase = 17;

// One bar can be pressed and one hovered at a time in the whole program.
struct TTracking {
  int PressedPart = sbpNone;
  HWND TrackedWindow = nullptr;
  UINT ScrollMessage = 0;
  UINT_PTR HoverTimerId = 0;
  UINT_PTR RepeatTimerId = 0;
  int PressedBar = -1;
  int HotBar = -1;
  int ShownPressedPart = sbpNone;
  int HotPart = sbpNone;
  int PrevHotPart = sbpNone;
  RECT HotBarRect{};
  int ThumbStart = 0;  // screen coordinate along the bar
  int ThumbLength = 0;
  int GrabOffset = 0;
  RECT TrackRect{};  // the pressed bar on the screen
  int LastTrackPos = 0;
};
TTracking Tracking;

// Holds a flag raised while it lives.
class TRaised {
 public:
  explicit TRaised(bool& Flag) : FFlag(Flag) { FFlag = true; }
  TRaised(const TRaised&) = delete;
  TRaised& operator=(const TRaised&) = delete;
  ~TRaised() { FFlag = false; }

 private:
  bool& FFlag;
};

TRect ToRect(const RECT& R) { return {R.left, R.top, R.right, R.bottom}; }
RECT ToRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

bool LeftButtonDown() {
  const int Key = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  return (GetAsyncKeyState(Key) & 0x8000) != 0;
}

// A chevron of Size rows pointing along Side, LineWidth thick, centred in Rect.
void DrawArrow(TBitmapView Bitmap, const TRect& Rect, int Side, int Size, int LineWidth, TColor Color) {
  const TPixel32 Pixel = 0xFF000000u | ExchangeRedBlue(Color);
  const int CX = (Rect.Left + Rect.Right) / 2;
  const int CY = (Rect.Top + Rect.Bottom) / 2;
  for (int Step = 0; Step < Size; ++Step)
    for (int W = 0; W < std::max(1, LineWidth); ++W)
      for (const int Sign : {-1, 1}) {
        // Drawn pointing up around (0, 0), then turned to Side.
        const int U = Sign * Step;
        const int V = Step - Size / 2 + W;
        int X = U, Y = V;
        if (Side == sdBottom) Y = -V;
        if (Side == sdLeft) X = V, Y = U;
        if (Side == sdRight) X = -V, Y = U;
        X += CX;
        Y += CY;
        if (X >= 0 && Y >= 0 && X < Bitmap.Width && Y < Bitmap.Height) Bitmap.Row(Y)[X] = Pixel;
      }
}

POINT ClientToScreenPoint(HWND Window, LPARAM LParam) {
  POINT Point{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
  ClientToScreen(Window, &Point);
  return Point;
}

POINT ScreenPoint(LPARAM LParam) {
  return {static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
}

}  // namespace

// ---- Attaching ----

TacScrollWnd* SkinnedScrollBarsOf(HWND Window) {
  return Window ? static_cast<TacScrollWnd*>(GetPropW(Window, SkinSubclassProperty)) : nullptr;
}

TacScrollWnd* AttachSkinnedScrollBars(TWinControl& Control, TsScrollWndData* SkinData) {
  if (TacScrollWnd* Existing = SkinnedScrollBarsOf(Control.Handle())) return Existing;
  auto* Bars = new TacScrollWnd(Control, SkinData);
  // A frame calculation now, so the bars take their room at once.
  SetWindowPos(Bars->CtrlHandle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return Bars;
}

void DetachSkinnedScrollBars(TWinControl& Control) {
  if (!Control.HandleAllocated()) return;
  if (TacScrollWnd* Bars = SkinnedScrollBarsOf(Control.Handle())) {
    const HWND Window = Bars->CtrlHandle();
    Bars->Release();
    if (Bars->FMessageDepth == 0) delete Bars;
    SetWindowPos(Window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

TacScrollWnd::TacScrollWnd(TWinControl& Control, TsScrollWndData* SkinData)
    : FControl(Control), FHandle(Control.Handle()) {
  if (!SkinData) {
    FOwnSkinData = std::make_unique<TsScrollWndData>(&Control, cocMemo);
    FOwnSkinData->SetSkinSection("EDIT");
    FOwnSkinData->Loaded(false);
    SkinData = FOwnSkinData.get();
  }
  FSkinData = SkinData;
  FScrollData = SkinData;
  ReadScrollInfo(sBarHorz);
  ReadScrollInfo(sBarVert);
  const LONG_PTR ExStyle = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
  fLeftScrollbar = (ExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  SetPropW(FHandle, SkinSubclassProperty, this);
  const LONG_PTR Style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  sBarHorz.fScrollFlags = (Style & WS_HSCROLL) ? HasBarFlag : 0;
  sBarVert.fScrollFlags = (Style & WS_VSCROLL) ? HasBarFlag : 0;
  FHook = Control.AddMessageHook(
      [this](TMessage& Message, const TMessageHookChain::TNext& Next) { Hooked(Message, Next); });
}

// Every way to free the object passes Release first.
TacScrollWnd::~TacScrollWnd() = default;

void TacScrollWnd::Release() {
  if (Destroyed) return;
  Destroyed = true;
  FHook.Reset();
  if (Tracking.TrackedWindow == FHandle) {
    const bool Pressed = Tracking.PressedPart != sbpNone;
    KillTimer(FHandle, HoverTimer);
    KillTimer(FHandle, FirstRepeatTimer);
    KillTimer(FHandle, RepeatTimer);
    Tracking = TTracking{};
    if (Pressed && GetCapture() == FHandle) ReleaseCapture();
  }
  if (GetPropW(FHandle, SkinSubclassProperty) == this) RemovePropW(FHandle, SkinSubclassProperty);
  FFreePending = true;
}

TsSkinManager* TacScrollWnd::Manager() const { return FSkinData->SkinManager(); }

void TacScrollWnd::ReadScrollInfo(TacScrollBar& Bar) {
  Bar.ScrollInfo = SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(FHandle, Bar.Kind(), &Bar.ScrollInfo))
    Bar.ScrollInfo = SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
}

// ---- Metrics and rectangles ----

int TacScrollWnd::BarMetric(const TacScrollBar& Bar, int Which) const {
  const TsSkinManager* M = Manager();
  const int System = GetSystemMetrics(SM_CXVSCROLL);
  const int ManagerSize = M && M->ScrollsOptions.ScrollSize >= 0 ? M->ScrollsOptions.ScrollSize : System;
  const TacScrollData& Own = Bar.Vertical() ? FScrollData->VertScrollData() : FScrollData->HorzScrollData();
  if (Which == 1) return Own.ScrollWidth() >= 0 ? Own.ScrollWidth() : ManagerSize;
  if (Own.ButtonsSize() >= 0) return Own.ButtonsSize();
  if (M && M->ScrollsOptions.ButtonsSize >= 0) return M->ScrollsOptions.ButtonsSize;
  if (Bar.nArrowLength >= 0) return Bar.nArrowLength;
  return ManagerSize;
}

const TScrollFrame TacScrollWnd::Frame() const {
  TScrollFrame F;
  F.LeftEdge = std::max(cxLeftEdge, 0);
  F.RightEdge = std::max(cxRightEdge, 0);
  F.TopEdge = std::max(cyTopEdge, 0);
  F.BottomEdge = std::max(cyBottomEdge, 0);
  F.HorzVisible = sBarHorz.fScrollVisible;
  F.VertVisible = sBarVert.fScrollVisible;
  return F;
}

TScrollBarRects TacScrollWnd::BarRects() const {
  RECT Window{};
  GetWindowRect(FHandle, &Window);
  const TRect Local{0, 0, Window.right - Window.left, Window.bottom - Window.top};
  return ScrollBarRects(Local, Frame(), BarMetric(sBarHorz, 1), BarMetric(sBarVert, 1), fLeftScrollbar);
}

RECT TacScrollWnd::VertBarRect() const {
  RECT Window{};
  GetWindowRect(FHandle, &Window);
  const TRect R = BarRects().Vert;
  return R.IsEmpty() ? RECT{} : ToRECT(R.Offset(Window.left, Window.top));
}

RECT TacScrollWnd::HorzBarRect() const {
  RECT Window{};
  GetWindowRect(FHandle, &Window);
  const TRect R = BarRects().Horz;
  return R.IsEmpty() ? RECT{} : ToRECT(R.Offset(Window.left, Window.top));
}

TThumb TacScrollWnd::ThumbPosSize(const TacScrollBar& Bar, int BarLength) const {
  return ::ThumbPosSize(Bar.State(), 0, BarLength, BarMetric(Bar, 0), Bar.nMinThumbSize);
}

bool TacScrollWnd::BarEnabled(const TacScrollBar& Bar) const {
  SCROLLBARINFO Info{};
  const std::optional<bool> Answered =
      CallGetScrollBarInfo(FHandle, Bar.Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL, Info);
  if (!Answered) return (GetWindowLongPtrW(FHandle, GWL_STYLE) & (Bar.Vertical() ? WS_VSCROLL : WS_HSCROLL)) != 0;
  return *Answered && (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

bool TacScrollWnd::DrawnEnabled(const TacScrollBar& Bar) const {
  return BarEnabled(Bar) && IsWindowEnabled(FHandle);
}

int TacScrollWnd::PartAt(const TacScrollBar& Bar, POINT Screen, bool Shift) const {
  const RECT R = Bar.Vertical() ? VertBarRect() : HorzBarRect();
  const int Length = Bar.Vertical() ? R.bottom - R.top : R.right - R.left;
  const int Thickness = Bar.Vertical() ? R.right - R.left : R.bottom - R.top;
  const int Along = Bar.Vertical() ? Screen.y - R.top : Screen.x - R.left;
  const int Across = Bar.Vertical() ? Screen.x - R.left : Screen.y - R.top;
  return ScrollBarPart(Along, Across, Length, Thickness, BarMetric(Bar, 0), ThumbPosSize(Bar, Length), Shift);
}

// ---- Messages ----

void TacScrollWnd::Hooked(TMessage& Message, const TMessageHookChain::TNext& Next) {
  ++FMessageDepth;
  if (!HandleMessage(Message, Next)) {
    Next(Message);
    if (!Destroyed) AfterMessage(Message);
  }
  if (--FMessageDepth == 0 && FFreePending) delete this;
}

bool TacScrollWnd::HandleMessage(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (Destroyed) return false;
  switch (Message.Msg) {
    case WM_NCCALCSIZE:
      CalcSize(Message, Next);
      return true;
    case WM_NCPAINT:
      NcPaint(Message, Next);
      return true;
    case WM_NCHITTEST:
      return HitTest(Message);
    case WM_NCMOUSEMOVE:
      if (Message.WParam != HTHSCROLL && Message.WParam != HTVSCROLL) return false;
      {
        const bool NewHotBar = Hover(static_cast<int>(Message.WParam));
        // The native handling may track the system's bar and paint it over ours: ours are
        // painted after it.
        Next(Message);
        if (Destroyed) return true;
        if (NewHotBar)
          RepaintBars();
        else
          RepaintBar(Message.WParam == HTVSCROLL ? sBarVert : sBarHorz);
        return true;
      }
    case WM_NCMOUSELEAVE:
      Next(Message);
      if (!Destroyed) SyncScrollBars(true);
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return Press(Message);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
      return Message.WParam == HTHSCROLL || Message.WParam == HTVSCROLL;
    case WM_SYSCOMMAND:
      return Message.WParam == (SC_VSCROLL | HTVSCROLL) || Message.WParam == (SC_HSCROLL | HTHSCROLL);
    case WM_MOUSEMOVE:
      if (Tracking.TrackedWindow != FHandle || Tracking.PressedPart == sbpNone) return false;
      MouseMovePressed(ClientToScreenPoint(FHandle, Message.LParam));
      return true;
    case WM_LBUTTONUP:
      if (Tracking.TrackedWindow != FHandle || Tracking.PressedPart == sbpNone) return false;
      ReleasePress();
      return true;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      if (Tracking.TrackedWindow == FHandle && Tracking.PressedPart != sbpNone) ReleasePress();
      return false;
    case WM_TIMER:
      if (Message.WParam == HoverTimer) {
        HoverTick();
        return true;
      }
      if (Message.WParam == FirstRepeatTimer || Message.WParam == RepeatTimer) {
        RepeatTick(Message.WParam == FirstRepeatTimer);
        return true;
      }
      return false;
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
      if (bPreventStyleChange) {
        Message.Result = 0;
        return true;
      }
      return false;
    case WM_NCDESTROY:
      Next(Message);
      Release();
      return true;
    default:
      return false;
  }
}

void TacScrollWnd::AfterMessage(const TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (!DontRepaint && !fThumbTracking) SyncScrollBars(true);
      break;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SyncScrollBars(true);
      break;
    case WM_SIZE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    // New text can show the system's bar again after a frame change inside the message has
    // painted ours with the final state already.
    case WM_SETTEXT:
      if (!DontRepaint) SyncScrollBars(true);
      break;
    case WM_STYLECHANGED:
      if (Message.WParam == static_cast<WPARAM>(GWL_EXSTYLE))
        fLeftScrollbar = (GetWindowLongPtrW(FHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
      break;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      if (IsWindowVisible(FHandle)) RedrawWindow(FHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      break;
    case WM_SKINCOMMAND:
      if (SkinCommandCode(Message.WParam) == SKC_REPAINT) FSkinData->BGChanged = true;
      break;
    default:
      // Typing, appends and caret moves change the state through the system, which then
      // paints its own bar: ours goes over it, once, and only when the state changed.
      RepaintChangedBars();
      break;
  }
}

void TacScrollWnd::RepaintChangedBars() {
  if (FPainting || fThumbTracking || DontRepaint || !ScrollsInitialized) return;
  for (TacScrollBar* Bar : {&sBarHorz, &sBarVert}) {
    if (!Bar->fScrollVisible || !Bar->Painted) continue;
    SCROLLINFO Now{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(FHandle, Bar->Kind(), &Now)) continue;
    const TScrollState State{Now.nMin, Now.nMax, static_cast<int>(Now.nPage), Now.nPos};
    if (State != Bar->Painted->State || DrawnEnabled(*Bar) != Bar->Painted->Enabled) RepaintBar(*Bar);
  }
}

// ---- Frame ----

void TacScrollWnd::CalcSize(TMessage& Message, const TMessageHookChain::TNext& Next) {
  RECT* Proposed = reinterpret_cast<RECT*>(Message.LParam);  // both forms start with the window rectangle
  if (!Proposed) {
    Next(Message);
    return;
  }
  const RECT Window = *Proposed;
  const LONG_PTR Style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  const LONG_PTR BarStyles = Style & (WS_HSCROLL | WS_VSCROLL);
  if (BarStyles) {
    bPreventStyleChange = true;
    SetWindowLongPtrW(FHandle, GWL_STYLE, Style & ~BarStyles);
  }
  Next(Message);
  if (BarStyles) {
    SetWindowLongPtrW(FHandle, GWL_STYLE, GetWindowLongPtrW(FHandle, GWL_STYLE) | BarStyles);
    bPreventStyleChange = false;
  }
  sBarHorz.fScrollFlags = (Style & WS_HSCROLL) ? HasBarFlag : 0;
  sBarVert.fScrollFlags = (Style & WS_VSCROLL) ? HasBarFlag : 0;

  TScrollFrameInput Input;
  Input.Window = ToRect(Window);
  Input.NativeClient = ToRect(*Proposed);
  Input.HasHorz = sBarHorz.fScrollFlags != 0;
  Input.HasVert = sBarVert.fScrollFlags != 0;
  Input.HorzThickness = BarMetric(sBarHorz, 1);
  Input.VertThickness = BarMetric(sBarVert, 1);
  Input.LeftScrollBar = fLeftScrollbar;
  const TsSkinManager* M = Manager();
  if (M && M->Store().IsValidSkinIndex(FSkinData->SkinIndex))
    Input.ScrollBorderOffset =
        M->Store().gd()[static_cast<std::size_t>(FSkinData->SkinIndex)].ScrollBorderOffset;
  const TScrollFrame Result = CalcScrollFrame(Input);
  cxLeftEdge = Result.LeftEdge;
  cxRightEdge = Result.RightEdge;
  cyTopEdge = Result.TopEdge;
  cyBottomEdge = Result.BottomEdge;
  sBarHorz.fScrollVisible = Result.HorzVisible;
  sBarVert.fScrollVisible = Result.VertVisible;
  *Proposed = ToRECT(Result.Client);
  ScrollsInitialized = true;
}

void TacScrollWnd::NcPaint(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!ScrollsInitialized) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (Destroyed) return;
  }
  Next(Message);
  if (Destroyed) return;
  SyncScrollBars(true);
}

// ---- Hit testing and the mouse ----

bool TacScrollWnd::HitTest(TMessage& Message) {
  if (TsSkinManager* M = Manager(); M && M->ActiveControl() != FHandle && !FSkinData->FMouseAbove)
    M->SetActiveControl(FHandle);
  if (Destroyed) return false;
  RECT Window{};
  GetWindowRect(FHandle, &Window);
  const POINT Screen = ScreenPoint(Message.LParam);
  const TScrollBarRects Rects = BarRects();
  const std::optional<int> Code =
      ScrollBarHitCode({Screen.x - Window.left, Screen.y - Window.top}, Rects, BarEnabled(sBarHorz),
                       BarEnabled(sBarVert), SizeBoxAtParentCorner(Rects.SizeBox));
  if (!Code) return false;
  Message.Result = *Code;
  return true;
}

bool TacScrollWnd::Hover(int HitCode) {
  const int Bar = HitCode == HTVSCROLL ? 1 : 0;
  if (Tracking.TrackedWindow != FHandle) {
    if (Tracking.HoverTimerId && IsWindow(Tracking.TrackedWindow))
      KillTimer(Tracking.TrackedWindow, Tracking.HoverTimerId);
    Tracking.HoverTimerId = 0;
    Tracking.HotBar = -1;
  }
  Tracking.TrackedWindow = FHandle;
  if (Bar == Tracking.HotBar) return false;
  Tracking.HotPart = sbpNone;
  Tracking.PrevHotPart = sbpNone;
  Tracking.HotBarRect = Bar == 1 ? VertBarRect() : HorzBarRect();
  Tracking.HotBar = Bar;
  Tracking.HoverTimerId = SetTimer(FHandle, HoverTimer, HoverInterval, nullptr);
  return true;
}

void TacScrollWnd::HoverTick() {
  if (fThumbTracking || Tracking.TrackedWindow != FHandle || Tracking.HotBar < 0) return;
  POINT Cursor{};
  GetCursorPos(&Cursor);
  TacScrollBar& Bar = Tracking.HotBar == 1 ? sBarVert : sBarHorz;
  if (PtInRect(&Tracking.HotBarRect, Cursor)) {
    Tracking.HotPart = PartAt(Bar, Cursor, false);
    if (Tracking.HotPart != Tracking.PrevHotPart) RepaintBar(Bar);
    Tracking.PrevHotPart = Tracking.HotPart;
    return;
  }
  KillTimer(FHandle, HoverTimer);
  Tracking.HoverTimerId = 0;
  Tracking.HotBar = -1;
  Tracking.HotPart = sbpNone;
  Tracking.PrevHotPart = sbpNone;
  RepaintBars();
}

bool TacScrollWnd::Press(TMessage& Message) {
  if (Message.WParam != HTHSCROLL && Message.WParam != HTVSCROLL) return false;
  TacScrollBar& Bar = Message.WParam == HTVSCROLL ? sBarVert : sBarHorz;
  const POINT Screen = ScreenPoint(Message.LParam);
  Tracking.TrackedWindow = FHandle;
  Tracking.ScrollMessage = Bar.Vertical() ? WM_VSCROLL : WM_HSCROLL;
  Tracking.PressedBar = Bar.nBarType;
  ReadScrollInfo(Bar);
  Tracking.PressedPart = PartAt(Bar, Screen, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
  if (Tracking.PressedPart == sbpNone) return false;
  const bool Enabled = BarEnabled(Bar);
  const RECT R = Bar.Vertical() ? VertBarRect() : HorzBarRect();
  const int BarStart = Bar.Vertical() ? R.top : R.left;
  const int Along = Bar.Vertical() ? Screen.y : Screen.x;
  const auto SaveThumb = [&] {
    const TThumb Thumb = ThumbPosSize(Bar, Bar.Vertical() ? R.bottom - R.top : R.right - R.left);
    Tracking.ThumbStart = BarStart + Thumb.Start;
    Tracking.ThumbLength = Thumb.Length;
    Tracking.TrackRect = R;
  };
  switch (Tracking.PressedPart) {
    case sbpThumbPosition:
      SaveThumb();
      Tracking.GrabOffset = Tracking.ThumbLength / 2;
      DragThumbTo(Screen);
      Tracking.PressedPart = sbpNone;
      Tracking.PressedBar = -1;
      return true;
    case sbpThumbTrack:
      if (!Enabled) break;
      SaveThumb();
      fThumbTracking = true;
      Bar.ScrollInfo.nTrackPos = Bar.ScrollInfo.nPos;
      Tracking.GrabOffset = Along - Tracking.ThumbStart;
      Tracking.LastTrackPos = Bar.ScrollInfo.nPos;
      SetCapture(FHandle);
      return true;
    default:
      if (!Enabled) break;
      Tracking.ShownPressedPart = Tracking.PressedPart;
      RepaintBar(Bar);
      SetCapture(FHandle);
      SendScrollCode(Tracking.ScrollMessage, Tracking.PressedPart, 0);
      if (Tracking.TrackedWindow == FHandle && Tracking.PressedPart != sbpNone)
        Tracking.RepeatTimerId = SetTimer(FHandle, FirstRepeatTimer, FirstRepeatInterval, nullptr);
      return true;
  }
  Tracking.PressedPart = sbpNone;
  Tracking.PressedBar = -1;
  return true;
}

void TacScrollWnd::MouseMovePressed(POINT Screen) {
  if (fThumbTracking) {
    DragThumbTo(Screen);
    return;
  }
  TacScrollBar& Bar = Tracking.PressedBar == 1 ? sBarVert : sBarHorz;
  const int Under = PartAt(Bar, Screen, false) == Tracking.PressedPart ? Tracking.PressedPart : sbpNone;
  if (Under == Tracking.ShownPressedPart) return;
  Tracking.ShownPressedPart = Under;
  RepaintBar(Bar);
}

void TacScrollWnd::RepeatTick(bool First) {
  if (Tracking.TrackedWindow != FHandle || Tracking.PressedPart == sbpNone) {
    KillTimer(FHandle, First ? FirstRepeatTimer : RepeatTimer);
    return;
  }
  if (!LeftButtonDown()) {
    ReleasePress();
    return;
  }
  if (First) {
    KillTimer(FHandle, FirstRepeatTimer);
    Tracking.RepeatTimerId = SetTimer(FHandle, RepeatTimer, RepeatInterval, nullptr);
  }
  POINT Cursor{};
  GetCursorPos(&Cursor);
  MouseMovePressed(Cursor);
  if (Tracking.ShownPressedPart == Tracking.PressedPart)
    SendScrollCode(Tracking.ScrollMessage, Tracking.PressedPart, 0);
}

void TacScrollWnd::ReleasePress() {
  const int Pressed = Tracking.PressedPart;
  const UINT Msg = Tracking.ScrollMessage;
  TacScrollBar& Bar = Tracking.PressedBar == 1 ? sBarVert : sBarHorz;
  // Cleared first: releasing the capture comes back here as WM_CAPTURECHANGED.
  Tracking.PressedPart = sbpNone;
  if (GetCapture() == FHandle) ReleaseCapture();
  DontRepaint = true;
  if (fThumbTracking) {
    SendScrollCode(Msg, SB_THUMBPOSITION, Tracking.LastTrackPos);
    fThumbTracking = false;
    SendScrollCode(Msg, SB_ENDSCROLL, Tracking.LastTrackPos);
  } else if (Pressed != sbpNone) {
    KillTimer(FHandle, FirstRepeatTimer);
    KillTimer(FHandle, RepeatTimer);
    SendScrollCode(Msg, SB_ENDSCROLL, 0);
  }
  DontRepaint = false;
  Tracking.ShownPressedPart = sbpNone;
  Tracking.RepeatTimerId = 0;
  Tracking.ScrollMessage = 0;
  Tracking.PressedBar = -1;
  if (!Destroyed) {
    ReadScrollInfo(Bar);
    RepaintBar(Bar);
  }
}

void TacScrollWnd::DragThumbTo(POINT Screen) {
  TacScrollBar& Bar = Tracking.PressedBar == 1 ? sBarVert : sBarHorz;
  const RECT& R = Tracking.TrackRect;
  const bool Vertical = Bar.Vertical();
  const int BarStart = Vertical ? R.top : R.left;
  const int BarEnd = Vertical ? R.bottom : R.right;
  const int Arrow = BarMetric(Bar, 0);
  const int Start = DraggedThumbStart(Vertical ? Screen.y : Screen.x, Tracking.GrabOffset, BarStart, BarEnd,
                                      Arrow, Tracking.ThumbLength);
  if (HDC DC = GetWindowDC(FHandle)) {
    DrawBar(DC, Bar, Start - BarStart);
    ReleaseDC(FHandle, DC);
  }
  const int Track = BarEnd - BarStart - 2 * Arrow;
  const int P = DragPosition(Bar.State(), Start - BarStart - Arrow, Track, Tracking.ThumbLength, Vertical);
  const int Position = Bar.ScrollInfo.nMin + P;
  if (Position == Tracking.LastTrackPos) return;
  Bar.ScrollInfo.nTrackPos = Position;
  DontRepaint = true;
  SendScrollCode(Tracking.ScrollMessage, SB_THUMBTRACK, Position);
  DontRepaint = false;
  Tracking.LastTrackPos = Position;
}

// ---- Scroll messages ----

void TacScrollWnd::SendScrollCode(UINT Msg, int Code, int Position) {
  const HWND Window = FHandle;
  const LPARAM Codes = MAKELPARAM(static_cast<WORD>(Code), static_cast<WORD>(Msg));
  const bool FullPosition = SendSkinCommand(Window, SKC_BEFORE_SCROLL, Codes) == 1;
  if (!FullPosition && Code == SB_THUMBTRACK)
    SetScrollPos(Window, Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, Position, FALSE);
  const WPARAM WParam =
      MAKEWPARAM(static_cast<WORD>(Code), static_cast<WORD>(std::clamp(Position, 0, 65535)));
  SendMessageW(Window, Msg, WParam, FullPosition ? Position : 0);
  if (IsWindow(Window)) SendSkinCommand(Window, SKC_AFTER_SCROLL, Codes);
}

// ---- Painting ----

void TacScrollWnd::SyncScrollBars(bool Repaint) {
  if (FSkinData->Updating() || !IsWindowVisible(FHandle)) return;
  ReadScrollInfo(sBarHorz);
  ReadScrollInfo(sBarVert);
  if (!Repaint) return;
  if (HDC DC = GetWindowDC(FHandle)) {
    DrawScrollBars(DC);
    ReleaseDC(FHandle, DC);
  }
}

void TacScrollWnd::RepaintBar(TacScrollBar& Bar) {
  if (FSkinData->Updating() || !IsWindowVisible(FHandle) || !FSkinData->Skinned()) return;
  if (HDC DC = GetWindowDC(FHandle)) {
    ReadScrollInfo(Bar);
    DrawBar(DC, Bar, -1);
    ReleaseDC(FHandle, DC);
  }
}

void TacScrollWnd::RepaintBars() { SyncScrollBars(true); }

void TacScrollWnd::DrawScrollBars(HDC DC, int ThumbStart) {
  if (FSkinData->Updating() || !IsWindowVisible(FHandle) || !FSkinData->Skinned()) return;
  if (FSkinData->BGChanged) SendSkinCommand(FHandle, SKC_PREPARE_CACHE, 0);
  if (Destroyed) return;
  DrawBar(DC, sBarHorz, -1);
  DrawBar(DC, sBarVert, ThumbStart);
  if (sBarHorz.fScrollVisible && sBarVert.fScrollVisible) DrawSizeBox(DC, BarRects().SizeBox);
}

namespace {

// What painting one bar needs from the skin.
struct TBarSkin {
  const TsSkinStore& Store;
  TCacheInfo Parent;  // the control's parent behind the bar
  TPoint Offset;      // the bar's place in the parent's picture
};

bool HasSection(const TsSkinStore& Store, const TacConstElementData& Element) {
  return Store.IsValidSkinIndex(Element.SkinIndex);
}

void PaintElement(const TBarSkin& Skin, const TacConstElementData& Element, int State, TBitmapView Bitmap,
                  const TCacheInfo& Parent, TPoint Offset, const TRect& Rect) {
  if (!HasSection(Skin.Store, Element)) return;
  const int States = std::max(1, Skin.Store.gd()[static_cast<std::size_t>(Element.SkinIndex)].States);
  PaintSectionByIndex(Element.SkinIndex, Parent, std::min(State, States - 1), Element.BGIndex[1],
                      Element.BGIndex[0], &Skin.Store, Bitmap, Offset, Rect, Element.MaskIndex);
}

void PaintGlyph(const TBarSkin& Skin, const TacConstElementData& Element, int State, TBitmapView Bitmap,
                const TRect& Rect) {
  if (!Skin.Store.IsValidImgIndex(Element.GlyphIndex)) return;
  const TsMaskData& Glyph = Skin.Store.ma()[static_cast<std::size_t>(Element.GlyphIndex)];
  const TPoint At{Rect.Left + (Rect.Width() - Glyph.Width) / 2,
                  Rect.Top + (Rect.Height() - Glyph.Height) / 2};
  TCacheInfo Behind;
  Behind.Bmp = Bitmap;
  Behind.Ready = true;
  PaintStateImage(Bitmap, At, std::min(State, std::max(0, Glyph.ImageCount - 1)), Behind, Glyph,
                  Skin.Store.MasterBitmap().View(), 1);
}

void CopyInto(TBitmapView Dst, TConstBitmapView Src, TPoint At) {
  for (int Y = 0; Y < Src.Height; ++Y) {
    const int DY = At.Y + Y;
    if (DY < 0 || DY >= Dst.Height) continue;
    for (int X = 0; X < Src.Width; ++X) {
      const int DX = At.X + X;
      if (DX >= 0 && DX < Dst.Width) Dst.Row(DY)[DX] = Src.Row(Y)[X];
    }
  }
}

// A rectangle From..To along a bar Thick thick.
TRect AlongBar(bool Vertical, int Thick, int From, int To) {
  return Vertical ? TRect{0, From, Thick, To} : TRect{From, 0, To, Thick};
}

// Where the first (Which 0) or second arrow button lies along a bar L long with arrows B
// long: each takes half of a bar too short for both. A button section with its reserved flag
// and a border mask reaches into the track as far as the mask is longer than 17.
std::pair<int, int> ArrowSpan(const TsSkinStore& Store, const TacConstElementData& Button, bool Vertical,
                              int Which, int L, int B) {
  const bool Short = 2 * B >= L;
  int From = Which == 0 ? 0 : (Short ? L / 2 : L - B);
  int To = Which == 0 ? (Short ? L / 2 : B) : L;
  if (HasSection(Store, Button) && Store.gd()[static_cast<std::size_t>(Button.SkinIndex)].ReservedBoolean &&
      Store.IsValidImgIndex(Button.MaskIndex)) {
    const TsMaskData& Mask = Store.ma()[static_cast<std::size_t>(Button.MaskIndex)];
    const int Grow = (Vertical ? Mask.Height : Mask.Width) - ReservedMaskBase;
    if (Grow > 0) {
      if (Which == 0)
        To = std::min(To + Grow, L);
      else
        From = std::max(From - Grow, 0);
    }
  }
  return {From, To};
}

// What an arrow button is drawn with besides its section.
struct TArrowLook {
  int Side = sdTop;
  int State = 0;
  int ArrowSize = 5;  // the vector arrow's, for a section without a glyph mask
  int ShiftOnPress = 0;
};

// One arrow button over Place of the bar's picture Track: in a picture of its own, over
// the track, then copied back.
void PaintArrowButton(const TBarSkin& Skin, const TacConstElementData& Button, const TArrowLook& Look,
                      TBitmapView Track, const TRect& Place) {
  TBitmap32 Picture(Place.Width(), Place.Height());
  const TBitmapView View = Picture.View();
  const TRect Whole{0, 0, Place.Width(), Place.Height()};
  TCacheInfo Behind;
  Behind.Bmp = Track;
  Behind.Ready = true;
  CopyInto(View, Track, {-Place.Left, -Place.Top});
  PaintElement(Skin, Button, Look.State, View, Behind, {Place.Left, Place.Top}, Whole);
  if (Skin.Store.IsValidImgIndex(Button.GlyphIndex)) {
    PaintGlyph(Skin, Button, Look.State, View, Whole);
  } else if (HasSection(Skin.Store, Button)) {
    const TsGeneralData& Section = Skin.Store.gd()[static_cast<std::size_t>(Button.SkinIndex)];
    const int Moved = Look.State > 1 ? Look.ShiftOnPress : 0;
    DrawArrow(View, Whole.Offset(Moved, Moved), Look.Side, Look.ArrowSize,
              Skin.Store.CommonSkinData().ArrowLineWidth,
              Section.Props[static_cast<std::size_t>(std::min(Look.State, 2))].FontColor.Color);
  }
  CopyInto(Track, View, {Place.Left, Place.Top});
}

// A disabled bar's picture mixed into what lies behind it.
void FadeDisabled(const TBarSkin& Skin, TBitmapView View) {
  if (Skin.Parent.Ready && !Skin.Parent.Bmp.Empty()) {
    const int SX = Skin.Parent.X + Skin.Offset.X;
    const int SY = Skin.Parent.Y + Skin.Offset.Y;
    BlendBitmapsKeyed(View, 0, 0, clFuchsia, DisabledFadeWeight,
                      {SX, SY, SX + View.Width - 1, SY + View.Height - 1}, Skin.Parent.Bmp);
  } else {
    FadeRectToColor(View, {0, 0, View.Width, View.Height}, 60, Skin.Parent.FillColor);
  }
}

}  // namespace

void TacScrollWnd::DrawBar(HDC DC, TacScrollBar& Bar, int ThumbStart) {
  const bool Override = ThumbStart >= 0;
  if (!Bar.fScrollVisible || (!Override && (fThumbTracking || (Bar.Vertical() && DontRepaint)))) return;
  const TsSkinManager* M = Manager();
  if (!M) return;
  const TsSkinStore& Store = M->Store();
  const TConstantSkinData& Const = Store.ConstData();
  const bool V = Bar.Vertical();
  const TacConstElementData& Before = Const.Scrolls[V ? 1 : 0];
  const TacConstElementData& After = Const.Scrolls[V ? 3 : 2];
  if (!HasSection(Store, Before)) return;
  const TRect Rect = V ? BarRects().Vert : BarRects().Horz;
  const int L = V ? Rect.Height() : Rect.Width();
  const int Thick = V ? Rect.Width() : Rect.Height();
  if (L <= 1 || Thick <= 0) return;
  ++FBarPaints;
  const TRaised Painting(FPainting);

  ReadScrollInfo(Bar);
  const int B = BarMetric(Bar, 0);
  const bool Enabled = DrawnEnabled(Bar);
  Bar.Painted = TacScrollBar::TPainted{Bar.State(), Enabled};
  const bool Tracked = Tracking.TrackedWindow == FHandle;
  const auto StateOf = [&](int Part, bool HasHot) {
    if (Override) return Part == sbpThumbTrack ? 2 : 0;
    if (Tracked && Tracking.PressedBar == Bar.nBarType && Tracking.ShownPressedPart == Part) return 2;
    if (Part == sbpThumbTrack && fThumbTracking) return 2;
    if (HasHot && Enabled && Tracked && Tracking.HotBar == Bar.nBarType && Tracking.HotPart == Part) return 1;
    return 0;
  };
  TThumb Thumb = ThumbPosSize(Bar, L);
  if (Override) Thumb.Start = ThumbStart;

  TBitmap32 Picture(Rect.Width(), Rect.Height());
  const TBitmapView View = Picture.View();
  TBarSkin Skin{
      Store, FSkinData->ParentCacheInfo(), {FControl.Left() + Rect.Left, FControl.Top() + Rect.Top}};
  const auto Along = [&](int From, int To) { return AlongBar(V, Thick, From, To); };
  const auto Paint = [&](const TacConstElementData& Element, int State, const TRect& R) {
    PaintElement(Skin, Element, State, View, Skin.Parent, Skin.Offset, R);
  };
  if (2 * B < L) {
    const int Middle = std::clamp(Thumb.Start + Thumb.Length / 2, 0, L);
    Paint(Before, StateOf(sbpPageUp, false), Along(0, Middle));
    Paint(After, StateOf(sbpPageDown, false), Along(Middle, L));
  } else {
    Paint(Before, 0, Along(0, L / 2));
    Paint(After, 0, Along(L / 2, L));
  }

  // Arrow buttons, each composed over the track.
  TArrowLook Look;
  Look.ArrowSize = 5 * FSkinData->ScalePercent / 100;
  Look.ShiftOnPress = M->ButtonsOptions.ShiftContentOnClick ? 1 : 0;
  for (const int Which : {0, 1}) {
    Look.Side = V ? (Which == 0 ? sdTop : sdBottom) : (Which == 0 ? sdLeft : sdRight);
    Look.State = StateOf(Which == 0 ? sbpLineUp : sbpLineDown, true);
    const TacConstElementData& Button = Const.ScrollBtns[static_cast<std::size_t>(Look.Side)];
    const auto [From, To] = ArrowSpan(Store, Button, V, Which, L, B);
    if (To > From) PaintArrowButton(Skin, Button, Look, View, AlongBar(V, Thick, From, To));
  }

  // The thumb, unless the page covers the whole range.
  const int Track = L - 2 * B;
  const long long Span = static_cast<long long>(Bar.ScrollInfo.nMax) - Bar.ScrollInfo.nMin;
  if (Enabled && Thumb.Length > 0 && static_cast<long long>(Bar.ScrollInfo.nPage) <= Span && Track > 0) {
    const TacConstElementData& Slider = Const.Sliders[V ? 1 : 0];
    const TRect R = Along(Thumb.Start, Thumb.Start + Thumb.Length);
    const int State = StateOf(sbpThumbTrack, true);
    Paint(Slider, State, R);
    PaintGlyph(Skin, Slider, State, View, R);
  }

  if (!Enabled) FadeDisabled(Skin, View);
  CopyPictureToDC(DC, Rect.Left, Rect.Top, View, {0, 0, View.Width, View.Height});
}

bool TacScrollWnd::SizeBoxAtParentCorner(const TRect& Box) const {
  const HWND Parent = GetParent(FHandle);
  if (Box.IsEmpty() || !Parent) return false;
  RECT Window{}, Client{};
  GetWindowRect(FHandle, &Window);
  GetClientRect(Parent, &Client);
  POINT Corner{Client.right, Client.bottom};
  ClientToScreen(Parent, &Corner);
  return Window.left + Box.Right == Corner.x && Window.top + Box.Bottom == Corner.y;
}

void TacScrollWnd::DrawSizeBox(HDC DC, const TRect& Box) {
  const TsSkinManager* M = Manager();
  if (!M || Box.IsEmpty()) return;
  const TsSkinStore& Store = M->Store();
  const TacConstElementData& Element = Store.ConstData().Scrolls[0];
  TBitmap32 Picture(Box.Width(), Box.Height());
  const TBitmapView View = Picture.View();
  const TCacheInfo Parent = FSkinData->ParentCacheInfo();
  const TColor Global = Store.GetGlobalColor();
  if (HasSection(Store, Element) &&
      Store.gd()[static_cast<std::size_t>(Element.SkinIndex)].Props[0].Transparency < 100) {
    TColor Color = Store.gd()[static_cast<std::size_t>(Element.SkinIndex)].Props[0].Color;
    if (Color == clFuchsia) Color = Global;
    if (!BarEnabled(sBarHorz) || !BarEnabled(sBarVert)) {
      const TColor Own = Store.IsValidSkinIndex(FSkinData->SkinIndex)
                             ? Store.gd()[static_cast<std::size_t>(FSkinData->SkinIndex)].Props[0].Color
                             : Global;
      Color = static_cast<TColor>(BlendTwoColors(static_cast<std::uint32_t>(Own),
                                                 static_cast<std::uint32_t>(Color), DisabledFadeWeight));
    }
    FillPixels(View, {0, 0, View.Width, View.Height}, Color, 255);
  } else if (Parent.Ready && !Parent.Bmp.Empty()) {
    CopyInto(View, Parent.Bmp,
             {-(Parent.X + FControl.Left() + Box.Left), -(Parent.Y + FControl.Top() + Box.Top)});
  } else {
    FillPixels(View, {0, 0, View.Width, View.Height}, Global, 255);
  }
  const HWND ParentWindow = GetParent(FHandle);
  const bool TopLevelParent = ParentWindow && (GetWindowLongPtrW(ParentWindow, GWL_STYLE) & WS_CHILD) == 0;
  const int Grip = Store.ConstData().GripRightBottom;
  if (TopLevelParent && SizeBoxAtParentCorner(Box) && Store.IsValidImgIndex(Grip)) {
    const TsMaskData& Image = Store.ma()[static_cast<std::size_t>(Grip)];
    TCacheInfo Behind;
    Behind.Bmp = View;
    Behind.Ready = true;
    PaintStateImage(View, {View.Width - Image.Width, View.Height - Image.Height}, 0, Behind, Image,
                    Store.MasterBitmap().View(), 1);
  }
  CopyPictureToDC(DC, Box.Left, Box.Top, View, {0, 0, View.Width, View.Height});
}
