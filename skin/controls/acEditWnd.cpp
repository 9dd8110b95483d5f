// Sections: the frame's picture; creation; colours; messages; attaching.
#include "skin/controls/acEditWnd.h"

#include <algorithm>

#include "framework/Colors.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "framework/WinControl.h"
#include "skin/controls/acSBUtils.h"
#include "skin/render/DisabledLook.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/ControlLook.h"
#include "skin/render/win32/SolidPaint.h"
#include "skin/render/win32/sCommonData.h"
#include "skin/render/win32/sCtrlSkinData.h"
#include "skin/store/sSkinStore.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

const TsGeneralData* SectionOf(const TsCommonData& SkinData) {
  if (!SkinData.Skinned()) return nullptr;
  return &SkinData.SkinManager()->Store().gd()[static_cast<std::size_t>(SkinData.SkinIndex)];
}

// State 1 while focused or hovered, when the section has a look for it.
int FrameState(const TsCommonData& SkinData) {
  const TsGeneralData* Section = SectionOf(SkinData);
  return Section && Section->States > 1 && SkinData.HotState() > 0 ? 1 : 0;
}

bool IsBordered(HWND Window) {
  return (GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0 ||
         (GetWindowLongPtrW(Window, GWL_STYLE) & WS_BORDER) != 0;
}

// The width of the window's left edge: where its client area starts.
int LeftEdge(HWND Window) {
  RECT Whole;
  POINT Client{0, 0};
  if (!GetWindowRect(Window, &Whole) || !ClientToScreen(Window, &Client)) return 2;
  const int Edge = static_cast<int>(Client.x - Whole.left);
  return Edge > 0 ? Edge : 2;
}

}  // namespace

// ---- The frame's picture ----

bool RenderEditFrame(TsCommonData& SkinData, HWND Window) {
  if (!SkinData.BGChanged) return true;
  TControl& Control = *SkinData.FOwnerControl;
  SkinData.PrepareCacheBitmap();
  if (!SkinData.FCacheBmp) return false;
  BackgroundInfo Info;
  AskParentBackground(Info, Control.Parent(), false);
  if (Info.Kind == bkNotReady) {
    SkinData.FUpdating = true;
    return false;
  }
  const TBitmapView Picture = SkinData.FCacheBmp->Pixels();
  const TCacheInfo Behind = BackgroundToCacheInfo(Info);
  const TsSectionLook Look = SectionLookOf(SkinData);
  const TPoint At{Control.Left(), Control.Top()};
  const int State = FrameState(SkinData);
  if (IsBordered(Window))
    PaintSection(Look, Behind, SkinData.HotTexture, SkinData.Texture, true, Picture, At, BitmapRect(Picture),
                 State);
  else
    PaintSectionBackground(Look, Behind, State, Picture, At, BitmapRect(Picture));
  if (!Control.Enabled())
    ApplyDisabledLook(Picture, TsDisabledKind{dkBlended}, static_cast<TColor>(ColorToRGB(Control.Color())),
                      At, Behind);
  SkinData.BGChanged = false;
  return true;
}

// ---- Creation ----

TacEditWnd::TacEditWnd(TWinControl& Control, TsScrollWndData& SkinData)
    : FControl(Control), FSkinData(SkinData) {
  SaveStdParams();
  TControlStyle Style = FControl.ControlStyle();
  Style.Include(TControlStyleFlag::csOpaque);
  FControl.SetControlStyle(Style);
  FHook = FControl.AddMessageHook(
      [this](TMessage& Message, const TMessageHookChain::TNext& Next) { acWndProc(Message, Next); });
  // Hooked after the subclass: the bars see the frame's messages first and draw over the
  // frame the subclass paints.
  AttachSkinnedScrollBars(FControl, &SkinData);
  SyncScrollBars(true);
}

TacEditWnd::~TacEditWnd() { Unhook(); }

void TacEditWnd::Unhook() {
  if (FHook.Hooked() && !FControl.Destroying()) DetachSkinnedScrollBars(FControl);
  FHook.Reset();
}

HWND TacEditWnd::Window() const { return FControl.Handle(); }

bool TacEditWnd::HasHotLook() const {
  const TsGeneralData* Section = SectionOf(FSkinData);
  return Section && Section->States > 1;
}

void TacEditWnd::RefreshGeometry() { GetClientRect(Window(), &FClientRect); }

void TacEditWnd::SyncScrollBars(bool EvenWhileSuspended) {
  TacScrollWnd* Bars = SkinnedScrollBarsOf(Window());
  if (Bars && (EvenWhileSuspended || !Bars->DontRepaint)) Bars->SyncScrollBars(true);
}

// ---- Colours ----

void TacEditWnd::SaveStdParams() {
  FStdColor = FControl.Color();
  FStdFontColor = FControl.Font().Color();
}

void TacEditWnd::RestoreStdParams() {
  if (!FSkinData.CustomColor()) FControl.SetColor(clWindow);
  if (!FSkinData.CustomFont()) FControl.Font().SetColor(clWindowText);
  FSkinData.ReframeWindow();
}

void TacEditWnd::SetSkinParams() {
  const TsGeneralData* Section = SectionOf(FSkinData);
  if (FInSkinParams || !Section) return;
  FInSkinParams = true;
  FSkinData.FUpdating = true;
  int State = 0;
  if (FSkinData.HotState() > 0 && Section->States > 1) {
    State = 1;
    CtrlState.Include(csNCPaintNeeded);
  }
  const TsGenState& Props = Section->Props[static_cast<std::size_t>(State)];
  if (!FSkinData.CustomColor()) {
    if (FControl.Color() != Props.Color) {
      FControl.SetColor(Props.Color);
      CtrlState.Include(csPaintNeeded);
    }
    Color = Props.Color;
  }
  if (!FSkinData.CustomFont() && FControl.Font().Color() != Props.FontColor.Color) {
    FSkinData.CtrlSkinState |= csSettingFontColor;
    FControl.Font().SetColor(Props.FontColor.Color);
    FSkinData.CtrlSkinState &= static_cast<std::uint16_t>(~csSettingFontColor);
    CtrlState.Include(csPaintNeeded);
  }
  // The frame is made again only for a new look: every paint passes here.
  if (State != FLastState || CtrlState.Contains(csPaintNeeded)) FSkinData.BGChanged = true;
  FLastState = State;
  FSkinData.FUpdating = false;
  FInSkinParams = false;
}

// ---- Messages ----

void TacEditWnd::acWndProc(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!FSkinData.Skinned() || !SkinnedMessage(Message, Next)) Next(Message);
  // The hook may have been let go meanwhile (the skin removed): then nothing more here.
  if (Hooked()) AfterChain(Message);
}

bool TacEditWnd::SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next) {
  const bool Visible = IsWindowVisible(Window()) != 0;
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!HasHotLook() || !FControl.TabStop()) return false;
      FocusChanged(Message, Next);
      return true;
    case WM_SETTEXT:
    case WM_SETFONT:
    case CM_ENABLEDCHANGED:
      FSkinData.BGChanged = true;
      Next(Message);
      if (!FSkinData.FUpdating)
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return true;
    case WM_PAINT:
      if (!Visible) return false;
      if (Message.WParam == 0 && (!GetUpdateRect(Window(), nullptr, FALSE) || FSkinData.FUpdating)) {
        ValidateRect(Window(), nullptr);
        Message.Result = 0;
        return true;
      }
      CtrlState.Exclude(csPaintNeeded);
      SetSkinParams();
      return false;
    case WM_ERASEBKGND:
      if (!Visible) return false;
      if (FSkinData.FUpdating) {
        Message.Result = 1;
        return true;
      }
      CtrlState.Exclude(csPaintNeeded);
      SetSkinParams();
      return false;
    case WM_NCPAINT:
      if (!Visible || StdNCPaint) return false;
      PaintFrame(Message, Next);
      return true;
    case WM_PRINTCLIENT:
      PrintClient(Message, Next);
      return true;
    case WM_SKINCOMMAND:
      return SkinCommand(Message, Next);
    default:
      return false;
  }
}

void TacEditWnd::FocusChanged(TMessage& Message, const TMessageHookChain::TNext& Next) {
  FSkinData.BGChanged = true;
  FSkinData.FFocused = Message.Msg == WM_SETFOCUS;
  Next(Message);
  if (!Hooked()) return;
  SetSkinParams();
  if (CtrlState.Contains(csPaintNeeded))
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  else if (CtrlState.Contains(csNCPaintNeeded))
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOINTERNALPAINT);
  CtrlState.Exclude(csNCPaintNeeded);
}

void TacEditWnd::PaintFrame(TMessage& Message, const TMessageHookChain::TNext& Next) {
  Message.Result = 0;
  RefreshGeometry();
  if (FSkinData.FUpdating) return;
  const TWindowDC Whole(Window(), TWindowDC::TArea::Window);
  RECT Clip;
  if (!Whole.Get() || GetClipBox(Whole.Get(), &Clip) == NULLREGION) return;
  if (FSkinData.BGChanged) {
    SetSkinParams();
    if (!RenderEditFrame(FSkinData, Window())) return;
  }
  NativeFrameContent(Message, Next);
  if (!FSkinData.FCacheBmp) return;
  const TDibSection& Picture = *FSkinData.FCacheBmp;
  CopyFrameStrips(Whole.Get(), 0, 0, Picture.Width(), Picture.Height(), Picture.DC(), 0, 0,
                  LeftEdge(Window()));
}

void TacEditWnd::NativeFrameContent(TMessage& Message, const TMessageHookChain::TNext& Next) {
  RECT Whole;
  GetWindowRect(Window(), &Whole);
  const int Edge = LeftEdge(Window());
  const bool OwnContent = FClientRect.right < Whole.right - Whole.left - 2 * Edge ||
                          FClientRect.bottom < Whole.bottom - Whole.top - 2 * Edge;
  // The skinned bars paint what lies inside the border themselves.
  if (!OwnContent || SkinnedScrollBarsOf(Window())) return;
  // The system's scroll bars are painted inside the border only.
  InflateRect(&Whole, -2, -2);
  const TUniqueRegion Inside(CreateRectRgnIndirect(&Whole));
  if (!Inside) return;
  const auto Given = reinterpret_cast<HRGN>(Message.WParam);
  if (Message.WParam > 1 && GetObjectType(Given) == OBJ_REGION)
    CombineRgn(Inside.Get(), Inside.Get(), Given, RGN_AND);
  TMessage Native{WM_NCPAINT, reinterpret_cast<WPARAM>(Inside.Get()), 0, 0};
  StdNCPaint = true;
  Next(Native);
  StdNCPaint = false;
}

void TacEditWnd::PrintClient(TMessage& Message, const TMessageHookChain::TNext& Next) {
  const auto DC = reinterpret_cast<HDC>(Message.WParam);
  if (DC && RenderEditFrame(FSkinData, Window()) && FSkinData.FCacheBmp) {
    const TDibSection& Picture = *FSkinData.FCacheBmp;
    const TSavedDCState Saved(DC);
    CopyFrameStrips(DC, 0, 0, Picture.Width(), Picture.Height(), Picture.DC(), 0, 0, LeftEdge(Window()));
  }
  Next(Message);
}

bool TacEditWnd::SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!IsOwnSkinCommand(Window(), Message)) return false;
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_REPAINT:
      Next(Message);
      if (Hooked() && Message.LParam == reinterpret_cast<LPARAM>(FSkinData.SkinManager())) SetSkinParams();
      return true;
    case SKC_QUERY_SKINNED:
      Message.Result = 1;
      return true;
    case SKC_QUERY_BG_INFO:
      if (!Message.LParam) return false;
      AnswerBackground(*reinterpret_cast<BackgroundInfo*>(Message.LParam));
      return true;
    case SKC_PREPARE_CACHE:
      RefreshGeometry();
      if (RenderEditFrame(FSkinData, Window())) FSkinData.RefreshCorners(FrameState(FSkinData), bcAllCorners);
      return true;
    default:
      return false;
  }
}

void TacEditWnd::AnswerBackground(BackgroundInfo& Info) {
  Info.Kind = bkColor;
  Info.Color = FSkinData.CustomColor() || Color == clNone ? FControl.Color() : Color;
  // The asker's origin lies in the client area, inside the frame.
  POINT Client{0, 0};
  RECT Whole;
  if (ClientToScreen(Window(), &Client) && GetWindowRect(Window(), &Whole)) {
    Info.Offset.X += static_cast<int>(Client.x - Whole.left);
    Info.Offset.Y += static_cast<int>(Client.y - Whole.top);
  }
}

void TacEditWnd::AfterChain(const TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOINTERNALPAINT);
      break;
    case WM_SETFONT:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
      SyncScrollBars(false);
      break;
    case EM_REPLACESEL:
      SyncScrollBars(true);
      break;
    case WM_MOUSEMOVE:
      if (TsSkinManager* Manager = FSkinData.SkinManager(); Manager && Manager->ActiveControl() != Window())
        Manager->SetActiveControl(Window());
      if (GetCapture() == Window()) SyncScrollBars(false);
      break;
    default:
      break;
  }
}

// ---- Attaching ----

void AttachEditSubclass(TsScrollWndData& SkinData, std::unique_ptr<TacEditWnd>& Subclass) {
  auto* Control = dynamic_cast<TWinControl*>(SkinData.FOwnerControl);
  if (!Control || !SkinData.Skinned(true)) {
    Subclass.reset();
    return;
  }
  if (Subclass && Subclass->Hooked()) return;
  if (!Control->HandleAllocated()) return;
  Subclass = std::make_unique<TacEditWnd>(*Control, SkinData);
}
