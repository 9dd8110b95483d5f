// Sections: creation; rendering the picture; painting; messages.
#include "skin/controls/sPanel.h"

#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/ClipChildren.h"
#include "skin/render/win32/ControlLook.h"
#include "skin/render/win32/GraphicChildren.h"
#include "skin/render/win32/SectionPaintWin.h"
#include "skin/render/win32/SkinText.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

// ---- Creation ----

TsPanel::TsPanel(TComponent* AOwner)
    : TsSkinnedControl(AOwner, cocPanel, "TsPanel", [this] {
        switch (BevelOuter()) {
          case TBevelCut::bvNone:
            return std::string("TRANSPARENT");
          case TBevelCut::bvLowered:
            return std::string("PANEL_LOW");
          case TBevelCut::bvRaised:
            break;
        }
        return std::string("PANEL");
      }) {
  FCommonData.ForwardsSkinChanges = true;
  // Added after the skin data's own hook, so it sees the messages first.
  FSkinnedPainting = AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (!FCommonData.Skinned() || !SkinnedMessage(Message, Next)) Next(Message);
  });
}

void TsPanel::Loaded() {
  TsSkinnedControl::Loaded();
  FOldBevel = BevelOuter();
}

// ---- Rendering the picture ----

bool TsPanel::PrepareCache() {
  FCommonData.PrepareCacheBitmap();
  if (!FCommonData.FCacheBmp) return false;
  const TBitmapView Picture = FCommonData.FCacheBmp->Pixels();
  if (!PaintSectionOverParent(FCommonData, Parent(), FCommonData.HotTexture, FCommonData.Texture, true, Picture,
                              {Left(), Top()}, BitmapRect(Picture), 0)) {
    FCommonData.FUpdating = true;
    return false;
  }
  ApplyColorEffects(Picture, SectionLookOf(FCommonData));
  RECT TextArea = ClientRect();
  AdjustClientRect(TextArea);
  TCanvas Canvas;
  {
    const TCanvasPaintScope Scope(Canvas, FCommonData.FCacheBmp->DC(), Font(), Color());
    WriteText(TextArea, Canvas);
  }
  FCommonData.BGChanged = false;
  // What the children show through them has changed with it.
  TellChildren(SKC_BG_CHANGED);
  return true;
}

void TsPanel::WriteText(const RECT& R, TCanvas& Canvas) {
  const std::wstring Text = Caption();
  if (Text.empty()) return;
  constexpr UINT Format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
  RECT Measured = R;
  const int TextHeight = Canvas.DrawText(Text, Measured, Format | DT_CALCRECT);
  RECT Centred = R;
  OffsetRect(&Centred, 0, BorderWidth());
  Centred.top += (Centred.bottom - Centred.top - TextHeight) / 2;
  Centred.bottom = Centred.top + TextHeight;
  DrawSkinText(Canvas, Text, Enabled(), 0, FCommonData, Format, Centred);
}

// ---- Painting ----

void TsPanel::CopyCacheToDC(HDC DC) {
  if (!FCommonData.FCacheBmp) return;
  const TSavedDCState Saved(DC);
  const TsSkinManager* Manager = FCommonData.SkinManager();
  ClipOutChildren(DC, *this, 0, 0, !(Manager && Manager->Options.StdImgTransparency));
  BitBlt(DC, 0, 0, FCommonData.FCacheBmp->Width(), FCommonData.FCacheBmp->Height(), FCommonData.FCacheBmp->DC(), 0,
         0, SRCCOPY);
}

void TsPanel::OurPaint(HDC DC, bool SendUpdated) {
  if (!Visible()) return;
  RECT Clip;
  if (GetClipBox(DC, &Clip) == NULLREGION || IsRectEmpty(&Clip)) return;
  if (!FCommonData.FUpdating && FCommonData.BGChanged && !PrepareCache() && FCommonData.BGChanged) return;
  CopyCacheToDC(DC);
  PaintGraphicChildren(DC, this, true, {0, 0});
  if (SendUpdated) TellChildren(SKC_PARENT_UPDATED);
}

void TsPanel::TellChildren(int Code) {
  // Indexes: a child may add or remove children of the panel.
  for (std::size_t I = 0; I < Controls().size(); ++I)
    if (TControl* Child = Controls()[I]; !Child->Destroying()) SendSkinCommandTo(Child, Code, 0);
}

// ---- Messages ----

bool TsPanel::SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (Message.WParam) {
        OurPaint(reinterpret_cast<HDC>(Message.WParam), false);
      } else {
        // Painting through BeginPaint validates the window, whether or not it paints now.
        const TPaintDC Paint(Handle());
        if (!FCommonData.Updating()) OurPaint(Paint.Get(), true);
      }
      Message.Result = 0;
      return true;
    case WM_ERASEBKGND:
      // The picture itself is the background: the framework's fill never runs, so nothing
      // flashes in the panel's own colour.
      if (Message.WParam) {
        if (FCommonData.BGChanged) PrepareCache();
        if (!FCommonData.BGChanged) CopyCacheToDC(reinterpret_cast<HDC>(Message.WParam));
      }
      Message.Result = 1;
      return true;
    case WM_PRINTCLIENT:
      FCommonData.FUpdating = false;
      FCommonData.HalfVisible = false;
      if (Message.WParam) OurPaint(reinterpret_cast<HDC>(Message.WParam), false);
      Message.Result = 0;
      return true;
    case WM_SIZE:
      FCommonData.BGChanged = true;
      return false;
    case CM_VISIBLECHANGED:
      FCommonData.BGChanged = true;
      FCommonData.FUpdating = false;
      return false;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      Next(Message);
      FCommonData.Invalidate(false);
      return true;
    case CM_BORDERCHANGED:
      BorderChanged();
      return false;
    case WM_SKINCOMMAND:
      return SkinCommand(Message, Next);
    default:
      return false;
  }
}

bool TsPanel::SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!IsOwnSkinCommand(HandleAllocated() ? Handle() : nullptr, Message)) return false;
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_QUERY_BG_INFO:
      if (Message.LParam) AnswerBackground(*reinterpret_cast<BackgroundInfo*>(Message.LParam));
      return true;
    case SKC_PREPARE_CACHE:
      if (!FCommonData.Updating() && FCommonData.BGChanged && !PrepareCache()) FCommonData.FUpdating = true;
      return true;
    case SKC_SKIN_REMOVED:
      Next(Message);
      Invalidate();
      return true;
    default:
      return false;
  }
}

void TsPanel::BorderChanged() {
  if (BevelOuter() == FOldBevel) return;
  FOldBevel = BevelOuter();
  FCommonData.UpdateIndexes(true);
  FCommonData.Invalidate(false);
}

bool TsPanel::ParentUpdating() {
  TWinControl* Owner = Parent();
  return Owner && Owner->HandleAllocated() && SendSkinCommand(Owner->Handle(), SKC_QUERY_UPDATING, 0) != 0;
}

void TsPanel::AnswerBackground(BackgroundInfo& Info) {
  const std::optional<TDibSection>& Picture = FCommonData.FCacheBmp;
  const bool Sized = Picture && Picture->Width() == Width() && Picture->Height() == Height();
  if (FCommonData.BGChanged && !Sized && ParentUpdating()) {
    Info.Kind = bkNotReady;
    return;
  }
  // A panel shows no hover look: its children always see its normal state.
  AnswerBackgroundQuery(FCommonData, Info, 0);
}
