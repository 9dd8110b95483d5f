// Sections: creation and properties; state; rendering the picture; painting; messages.
#include "skin/controls/sButton.h"

#include <algorithm>
#include <thread>

#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "framework/core/DescriptionValues.h"
#include "skin/controls/core/ButtonCaption.h"
#include "skin/controls/core/ButtonCornerHit.h"
#include "skin/render/PixelFill.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/SectionPaintWin.h"
#include "skin/render/win32/SkinText.h"
#include "skin/store/sSkinStore.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

// Shared by every button: set while a released button shows its pressed look for a moment.
bool PressedOverride = false;

constexpr auto ReleaseHold = std::chrono::milliseconds(30);

// One line of a laid-out caption, drawn as measured.
constexpr UINT LineFormat = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;

bool LeftButtonHeldOn(HWND Window) { return GetCapture() == Window && (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }

}  // namespace

// ---- Creation and properties ----

TsButton::TsButton(TComponent* AOwner) : TsSkinnedControl(AOwner, cocButton, "TsButton", FixedSection("BUTTON")) {
  // Captions wrap onto further lines rather than being cut.
  SetWordWrap(true);
  // Added after the skin data's own hook, so it sees the messages first.
  FSkinnedPainting = AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (!SkinnedMessage(Message, Next)) Next(Message);
  });
}

bool TsButton::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Reflected") return Reflected = AsBoolean(Value), true;
  if (PropertyName == L"ShowFocus") return ShowFocus = AsBoolean(Value), true;
  if (PropertyName == L"Down") return Down = AsBoolean(Value), true;
  return TsSkinnedControl::ReadProperty(PropertyName, Value);
}

void TsButton::CreateParams(TCreateParams& Params) {
  TsSkinnedControl::CreateParams(Params);
  // The system never paints the face: neither in its paint handler nor when its pushed or
  // focus state changes.
  Params.Style = (Params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TsButton::SetButtonStyle(bool ADefault) {
  IsFocused = ADefault;
  FCommonData.Invalidate(false);
}

// ---- State ----

int TsButton::CurrentState() {
  if (HandleAllocated()) {
    const LRESULT Native = SendMessageW(Handle(), BM_GETSTATE, 0, 0);
    if ((Native & BST_PUSHED) != 0 || PressedOverride) {
      const TsSkinManager* Manager = FCommonData.SkinManager();
      if (FCommonData.FMouseAbove || !LeftButtonHeldOn(Handle()) || (Manager && Manager->Options.NoMouseHover))
        return 2;
    }
  }
  if (Down) return 2;
  if (FCommonData.HotState() == 1) return 1;
  return Default() ? 3 : 0;
}

int TsButton::StateIndex(int State, int States) {
  if (State == 3 && States < 4) return 1;
  return std::clamp(State, 0, std::max(1, States) - 1);
}

// ---- Rendering the picture ----

TsButton::TCaptionLayout TsButton::LayCaption(TCanvas& Canvas, const std::wstring& Text, int State) {
  TCaptionLayout Layout;
  const HDC DC = Canvas.Handle();
  TEXTMETRICW Metrics{};
  if (!DC || !GetTextMetricsW(DC, &Metrics)) return Layout;
  Layout.LineHeight = Metrics.tmHeight;
  // Our own line breaking, measured in the font the lines are drawn in: each line is then
  // drawn on its own, exactly where the layout put it.
  Layout.Text = ::TextRectSize(Text, Width(), ContentMargin, WordWrap(), Layout.LineHeight, [DC](std::wstring_view Line) {
    SIZE Size{};
    GetTextExtentPoint32W(DC, Line.data(), static_cast<int>(Line.size()), &Size);
    return static_cast<int>(Size.cx);
  });
  Layout.Rect = ::CaptionRect(Width(), Height(), Layout.Text.Width, Layout.Text.Height, ContentShifted(State));
  return Layout;
}

template <class TDrawLine>
void TsButton::ForEachCaptionLine(const TCaptionLayout& Layout, TDrawLine&& DrawLine) {
  const std::vector<TPoint> Origins = CaptionLineOrigins(Layout.Rect, Layout.Text, Layout.LineHeight);
  for (std::size_t I = 0; I < Origins.size(); ++I) {
    const TCaptionLine& Line = Layout.Text.Lines[I];
    DrawLine(Line.Text, RECT{Origins[I].X, Origins[I].Y, Origins[I].X + Line.Width, Origins[I].Y + Layout.LineHeight});
  }
}

bool TsButton::ContentShifted(int State) const {
  const TsSkinManager* Manager = FCommonData.SkinManager();
  return State == 2 && (!FCommonData.Skinned() || (Manager && Manager->ButtonsOptions.ShiftContentOnClick));
}

void TsButton::DrawCaption(TCanvas& Canvas, int State) {
  const std::wstring Text = Caption();
  const TCaptionLayout Layout = LayCaption(Canvas, Text, State);
  const TsGeneralData& Section = FCommonData.SkinManager()->Store().gd()[static_cast<std::size_t>(FCommonData.SkinIndex)];
  const int Index = std::min(StateIndex(State, Section.States), 2);
  ForEachCaptionLine(Layout, [&](std::wstring_view Line, const RECT& At) {
    DrawSkinText(Canvas, Line, true, Index, FCommonData, LineFormat, At);
  });
  const TsSkinManager* Manager = FCommonData.SkinManager();
  if (!Focused() || !Enabled() || Text.empty() || !ShowFocus || !Manager->ButtonsOptions.ShowFocusRect) return;
  // The pressed state's text colour, or the last state's when the section has fewer.
  const int DotsState = std::min(2, std::max(1, Section.States) - 1);
  DrawDotFrame(FCommonData.FCacheBmp->Pixels(), ButtonFocusRect(Layout.Rect, FocusMargin, Height()),
               Section.Props[static_cast<std::size_t>(DotsState)].FontColor.Color, clNone);
}

bool TsButton::PrepareCache() {
  FCommonData.PrepareCacheBitmap();
  if (!FCommonData.FCacheBmp) return false;
  const TBitmapView Picture = FCommonData.FCacheBmp->Pixels();
  const int State = CurrentState();
  const TsGeneralData& Section = FCommonData.SkinManager()->Store().gd()[static_cast<std::size_t>(FCommonData.SkinIndex)];
  const int Index = StateIndex(State, Section.States);
  if (!PaintSectionOverParent(FCommonData, Parent(), FCommonData.HotTexture, FCommonData.Texture, true, Picture,
                              {Left(), Top()}, BitmapRect(Picture), Index)) {
    FCommonData.FUpdating = true;
    return false;
  }
  FCommonData.ApplyEffectsAndCorners(Picture, Index);
  {
    TCanvas Canvas;
    const TCanvasPaintScope Scope(Canvas, FCommonData.FCacheBmp->DC(), Font(), Color());
    DrawCaption(Canvas, State);
  }
  if (!Enabled()) {
    BackgroundInfo Behind;
    AskParentBackground(Behind, Parent(), false);
    ApplyDisabledLook(Picture, DisabledKind, static_cast<TColor>(ColorToRGB(Color())), {Left(), Top()},
                      BackgroundToCacheInfo(Behind));
  }
  FCommonData.BGChanged = false;
  return true;
}

// ---- Painting ----

void TsButton::CopyCache(HDC DC) const {
  const TDibSection& Picture = *FCommonData.FCacheBmp;
  BitBlt(DC, 0, 0, Picture.Width(), Picture.Height(), Picture.DC(), 0, 0, SRCCOPY);
}

void TsButton::Paint(HDC DC) {
  RECT Clip;
  if (GetClipBox(DC, &Clip) == NULLREGION) return;
  // A partly visible button renders again next time: what was hidden may have changed.
  FCommonData.HalfVisible = Clip.left > 0 || Clip.top > 0 || Clip.right < Width() || Clip.bottom < Height();
  if ((FCommonData.BGChanged || !FCommonData.FCacheBmp) && !PrepareCache()) return;
  CopyCache(DC);
}

void TsButton::PaintUnskinned(HDC DC) {
  const int State = CurrentState();
  RECT Face{0, 0, Width(), Height()};
  UINT Push = DFCS_BUTTONPUSH;
  if (State == 2) Push |= DFCS_PUSHED;
  if (!Enabled()) Push |= DFCS_INACTIVE;
  if (Focused() || Default()) {
    FrameRect(DC, &Face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&Face, -1, -1);
  }
  DrawFrameControl(DC, &Face, DFC_BUTTON, Push);
  TCanvas Canvas;
  const TCanvasPaintScope Scope(Canvas, DC, Font(), Color());
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const std::wstring Text = Caption();
  ForEachCaptionLine(LayCaption(Canvas, Text, State), [&](std::wstring_view Line, RECT At) {
    Canvas.DrawText(Line, At, LineFormat);
  });
  if (Focused() && ShowFocus) {
    InflateRect(&Face, -3, -3);
    DrawFocusRect(DC, &Face);
  }
}

void TsButton::Repaint() {
  FCommonData.BGChanged = true;
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// ---- Messages ----

bool TsButton::SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next) {
  const bool Skinned = FCommonData.Skinned();
  switch (Message.Msg) {
    case WM_PAINT: {
      const auto Given = reinterpret_cast<HDC>(Message.WParam);
      if (!Skinned) {
        if (Given) {
          PaintUnskinned(Given);
        } else {
          const TPaintDC DC(Handle());
          PaintUnskinned(DC.Get());
        }
      } else if (Given) {
        Paint(Given);
      } else {
        const TPaintDC DC(Handle());
        if (!FCommonData.Updating()) Paint(DC.Get());
      }
      Message.Result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      if (Skinned && Message.WParam) {
        if (FCommonData.BGChanged) PrepareCache();
        if (!FCommonData.BGChanged && FCommonData.FCacheBmp) CopyCache(reinterpret_cast<HDC>(Message.WParam));
      }
      Message.Result = Skinned ? 0 : 1;
      return true;
    case WM_PRINTCLIENT:
      if (!Message.WParam) return false;
      FCommonData.FUpdating = false;
      if (Skinned)
        Paint(reinterpret_cast<HDC>(Message.WParam));
      else
        PaintUnskinned(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 0;
      return true;
    case CN_DRAWITEM:
      // The system asks for a drawing when the pushed or focus state changes; the messages
      // that changed it have repainted the face already.
      Message.Result = 1;
      return true;
    case WM_UPDATEUISTATE:
      Message.Result = 1;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Skinned || !Enabled()) return false;
      MouseDown(Message, Next);
      return true;
    case WM_LBUTTONUP:
      if (!Skinned || !Enabled()) return false;
      MouseUp(Message, Next);
      return true;
    case WM_MOUSEMOVE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYUP:
    case WM_KEYDOWN:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED: {
      // Each may change the state: the look follows it. The focus has moved already when
      // its messages arrive, and the dots come or go with it.
      const int Before = CurrentState();
      Next(Message);
      const bool Always = Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS ||
                          Message.Msg == CM_ENABLEDCHANGED || Message.Msg == CM_TEXTCHANGED ||
                          Message.Msg == CM_FONTCHANGED;
      if (Always || CurrentState() != Before) Repaint();
      return true;
    }
    case WM_SIZE:
      FCommonData.BGChanged = true;
      return false;
    case WM_NCHITTEST:
      if (!Skinned || !CornerLetsClickThrough(Message.LParam)) return false;
      Message.Result = HTTRANSPARENT;
      return true;
    case WM_SKINCOMMAND:
      return SkinCommand(Message, Next);
    default:
      return false;
  }
}

bool TsButton::SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!IsOwnSkinCommand(HandleAllocated() ? Handle() : nullptr, Message)) return false;
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_QUERY_SKINNED:
      Message.Result = 1;
      return true;
    case SKC_QUERY_DEFAULT_SECTION:
      Message.Result = FCommonData.SkinManager() ? FCommonData.SkinManager()->Store().GetSkinIndex("BUTTON") + 1 : 0;
      return true;
    case SKC_PREPARE_CACHE:
      if (FCommonData.Skinned() && !PrepareCache()) FCommonData.FUpdating = true;
      return true;
    case SKC_SKIN_REMOVED:
    case SKC_REPAINT:
      Next(Message);
      if (!Destroying() && HandleAllocated()) Repaint();
      return true;
    default:
      return false;
  }
}

bool TsButton::CornerLetsClickThrough(LPARAM ScreenPoint) {
  const TsSkinStore& Store = FCommonData.SkinManager()->Store();
  if (!Store.IsValidImgIndex(FCommonData.BorderIndex)) return false;
  POINT At{static_cast<short>(LOWORD(ScreenPoint)), static_cast<short>(HIWORD(ScreenPoint))};
  ScreenToClient(Handle(), &At);
  return ButtonCornerLetsClickThrough(Store.ma()[static_cast<std::size_t>(FCommonData.BorderIndex)], Width(), Height(),
                                      {At.x, At.y});
}

void TsButton::MouseDown(TMessage& Message, const TMessageHookChain::TNext& Next) {
  FCommonData.FUpdating = false;
  FMouseClicked = true;
  // The system takes the capture and pushes the button; the pressed look follows.
  Next(Message);
  if (!Down) Repaint();
}

void TsButton::MouseUp(TMessage& Message, const TMessageHookChain::TNext& Next) {
  // A press that began elsewhere ends here unseen.
  if (!FMouseClicked) return;
  FMouseClicked = false;
  // A click quicker than the eye still shows the pressed look for a moment.
  PressedOverride = true;
  Repaint();
  PressedOverride = false;
  std::this_thread::sleep_for(ReleaseHold);
  Next(Message);
  if (HandleAllocated()) Repaint();
}
