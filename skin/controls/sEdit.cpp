// Sections: creation; rendering the picture; painting; messages.
#include "skin/controls/sEdit.h"

#include <algorithm>
#include <string>

#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/ClipChildren.h"
#include "skin/render/win32/ControlLook.h"
#include "skin/render/win32/SectionPaintWin.h"
#include "skin/render/win32/SkinText.h"
#include "skin/render/win32/SolidPaint.h"
#include "skin/render/win32/TextOnPicture.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

// ---- Creation ----

TsEdit::TsEdit(TComponent* AOwner) : TsSkinnedControl(AOwner, cocEdit, "TsEdit", FixedSection("EDIT")) {
  // Added after the skin data's own hook, so it sees the messages first.
  FSkinnedPainting = AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (!FCommonData.Skinned() || !SkinnedMessage(Message, Next)) Next(Message);
  });
}

void TsEdit::Loaded() {
  TsSkinnedControl::Loaded();
  FBoundLabel.UpdateVisibility();
}

bool TsEdit::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  constexpr std::wstring_view Prefix = L"BoundLabel.";
  if (PropertyName.starts_with(Prefix) && FBoundLabel.ReadProperty(PropertyName.substr(Prefix.size()), Value))
    return true;
  return TsSkinnedControl::ReadProperty(PropertyName, Value);
}

void TsEdit::SetDisabledKind(TsDisabledKind Value) {
  if (Value == FDisabledKind) return;
  FDisabledKind = Value;
  if (!Enabled()) FCommonData.Invalidate(false);
}

TEditBorder TsEdit::Border() {
  TEditBorder Result;
  if (HandleAllocated()) {
    const HWND Window = Handle();
    const LONG_PTR ExStyle = GetWindowLongPtrW(Window, GWL_EXSTYLE);
    const LONG_PTR Style = GetWindowLongPtrW(Window, GWL_STYLE);
    Result.Ctl3D = (ExStyle & WS_EX_CLIENTEDGE) != 0;
    Result.HasBorder = Result.Ctl3D || (Style & WS_BORDER) != 0;
  }
  return Result;
}

int TsEdit::ActiveState() const { return FCommonData.HotState() > 0 ? 1 : 0; }

// ---- Rendering the picture ----

bool TsEdit::PrepareCache() {
  BackgroundInfo Info;
  AskParentBackground(Info, Parent(), false);
  if (Info.Kind == bkNotReady) return false;
  FCommonData.PrepareCacheBitmap();
  if (!FCommonData.FCacheBmp) return false;
  const TBitmapView Picture = FCommonData.FCacheBmp->Pixels();
  const TCacheInfo Behind = BackgroundToCacheInfo(Info);
  const TsSectionLook Look = SectionLookOf(FCommonData);
  const TPoint At{Left(), Top()};
  if (Border().HasBorder)
    PaintSection(Look, Behind, FCommonData.HotTexture, FCommonData.Texture, true, Picture, At,
                 BitmapRect(Picture), ActiveState());
  else
    PaintSectionBackground(Look, Behind, ActiveState(), Picture, At, BitmapRect(Picture));
  PaintText();
  if (!Enabled())
    ApplyDisabledLook(Picture, FDisabledKind, static_cast<TColor>(ColorToRGB(Color())), At, Behind);
  FCommonData.BGChanged = false;
  return true;
}

void TsEdit::PaintText() {
  if (!FCommonData.FCacheBmp) return;
  const TRect Area = EditTextRect(Width(), Height(), Border());
  RECT Rect{Area.Left, Area.Top, Area.Right, Area.Bottom};
  constexpr UINT Format = DT_LEFT | DT_NOPREFIX | DT_SINGLELINE;
  TCanvas Canvas;
  const TCanvasPaintScope Scope(Canvas, FCommonData.FCacheBmp->DC(), Font(), Color());
  const std::wstring Content = Text();
  if (!Content.empty()) {
    DrawSkinText(Canvas, ShownEditText(Content, PasswordChar()), Enabled(), ActiveState(), FCommonData,
                 Format, Rect);
    return;
  }
  if (TextHint().empty()) return;
  const HDC DC = Canvas.Handle();
  if (!DC) return;
  const TSavedDCState Saved(DC);
  SetBkMode(DC, TRANSPARENT);
  const TColor Hint = FCommonData.Skinned(true)
                          ? EditHintColor(static_cast<TColor>(ColorToRGB(Font().Color())),
                                          static_cast<TColor>(ColorToRGB(Color())))
                          : static_cast<TColor>(ColorToRGB(clGrayText));
  SetTextColor(DC, static_cast<COLORREF>(Hint));
  DrawTextKeepingAlpha(DC, TextHint(), Rect, Format);
}

void TsEdit::ExcludeChildControls(HDC DC) {
  const int Edge = EditBorderWidth(Border());
  const TsSkinManager* Manager = FCommonData.SkinManager();
  ClipOutChildren(DC, *this, Edge, Edge, !(Manager && Manager->Options.StdImgTransparency));
}

// ---- Painting ----

bool TsEdit::OnlyPartlyInsideParent() const {
  const TWinControl* Owner = Parent();
  if (!Owner) return false;
  const RECT Inside = Owner->ClientRect();
  const RECT Own = BoundsRect();
  return Own.left < Inside.left || Own.top < Inside.top || Own.right > Inside.right ||
         Own.bottom > Inside.bottom;
}

bool TsEdit::PictureReady() {
  if (FCommonData.BGChanged || OnlyPartlyInsideParent() || !FCommonData.FCacheBmp) {
    if (!PrepareCache()) {
      FCommonData.FUpdating = true;
      return false;
    }
  }
  FCommonData.RefreshCorners(ActiveState(), bcAllCorners);
  return true;
}

void TsEdit::CopyPicture(HDC DC) {
  const TSavedDCState Saved(DC);
  ExcludeChildControls(DC);
  const TDibSection& Picture = *FCommonData.FCacheBmp;
  BitBlt(DC, 0, 0, Picture.Width(), Picture.Height(), Picture.DC(), 0, 0, SRCCOPY);
}

void TsEdit::Paint(TMessage& Message) {
  Message.Result = 0;
  if (Message.WParam) {
    if (!FCommonData.Updating() && PictureReady()) CopyPicture(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  // Through BeginPaint the window is validated whether or not it is painted now.
  const TPaintDC Validated(Handle());
  if (FCommonData.Updating() || !PictureReady()) return;
  const TWindowDC Whole(Handle(), TWindowDC::TArea::Window);
  if (Whole.Get()) CopyPicture(Whole.Get());
}

void TsEdit::PaintFrame() {
  if (FCommonData.Updating() || !PictureReady()) return;
  const TWindowDC Whole(Handle(), TWindowDC::TArea::Window);
  if (!Whole.Get()) return;
  const TDibSection& Picture = *FCommonData.FCacheBmp;
  CopyFrameStrips(Whole.Get(), 0, 0, Picture.Width(), Picture.Height(), Picture.DC(), 0, 0,
                  EditFrameStripWidth(Border()));
}

void TsEdit::PrintClient(HDC DC, LPARAM Flags) {
  FCommonData.FUpdating = false;
  if (!DC || !PrepareCache()) return;
  FCommonData.RefreshCorners(ActiveState(), bcAllCorners);
  const TDibSection& Picture = *FCommonData.FCacheBmp;
  const TSavedDCState Saved(DC);
  // The frame's width without the bevels: where the client area starts.
  const int Edge = Border().HasBorder ? (Border().Ctl3D ? 2 : 1) : 0;
  if (Flags & PRF_NONCLIENT) {
    CopyFrameStrips(DC, 0, 0, Picture.Width(), Picture.Height(), Picture.DC(), 0, 0, Edge);
  } else {
    POINT Origin;
    OffsetViewportOrgEx(DC, -Edge, -Edge, &Origin);
    IntersectClipRect(DC, Edge, Edge, Picture.Width() - Edge, Picture.Height() - Edge);
  }
  CopyPicture(DC);
}

void TsEdit::RedrawFrame() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TsEdit::ContentChanged() {
  if (Loading() || (FCommonData.CtrlSkinState & csPrinting)) return;
  FCommonData.BGChanged = true;
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

// ---- Messages ----

bool TsEdit::SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next) {
  switch (Message.Msg) {
    case WM_PAINT:
      // Focused, the native edit shows its text and caret inside the skinned frame.
      if (Enabled() && Focused()) return false;
      Paint(Message);
      return true;
    case WM_NCPAINT:
      if (!IsWindowVisible(Handle())) return false;
      PaintFrame();
      Message.Result = 0;
      return true;
    case WM_ERASEBKGND:
      if (Enabled() && !FCommonData.Updating()) return false;
      Message.Result = 1;
      return true;
    case WM_PRINTCLIENT:
      PrintClient(reinterpret_cast<HDC>(Message.WParam), Message.LParam);
      Message.Result = 0;
      return true;
    case WM_SETTEXT:
    case WM_SETFONT:
    case CM_TEXTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      Next(Message);
      ContentChanged();
      return true;
    case CN_COMMAND:
      Next(Message);
      if (HIWORD(Message.WParam) == EN_CHANGE) ContentChanged();
      return true;
    case WM_SIZE:
      Next(Message);
      RedrawFrame();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FCommonData.BGChanged = true;
      Next(Message);
      // The native painting and the picture take turns: the whole window again.
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return true;
    case CM_COLORCHANGED:
      if (FCommonData.CustomColor()) FCommonData.BGChanged = true;
      return false;
    case WM_SKINCOMMAND:
      return SkinCommand(Message, Next);
    default:
      return false;
  }
}

bool TsEdit::SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!IsOwnSkinCommand(HandleAllocated() ? Handle() : nullptr, Message)) return false;
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_REPAINT:
      Next(Message);
      if (HandleAllocated() && !(FCommonData.CtrlSkinState & csPrinting))
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return true;
    case SKC_QUERY_CONTAINER:
      // A field holds no controls that would show its picture.
      Message.Result = 0;
      return true;
    case SKC_PREPARE_CACHE:
      if (!FCommonData.Updating() && FCommonData.BGChanged && !PrepareCache()) FCommonData.FUpdating = true;
      return true;
    default:
      return false;
  }
}
