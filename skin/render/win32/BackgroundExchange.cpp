#include "skin/render/win32/BackgroundExchange.h"

#include <algorithm>

#include "framework/Colors.h"
#include "framework/Control.h"
#include "framework/WinControl.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/ControlLook.h"
#include "skin/render/win32/PictureToDC.h"
#include "skin/render/win32/sCommonData.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

void ResetQuestion(BackgroundInfo& Info, bool PaintNow) {
  Info.Kind = bkUnanswered;
  Info.PaintNow = PaintNow;
  Info.ColorFrame = {};
}

// An unskinned window paints its own background and content into the asker's DC, moved so
// that the asker's origin (Info.Offset in the window) lands on the DC's origin.
void MakeWindowPaintInto(HWND Window, const BackgroundInfo& Info) {
  const HDC DC = Info.TargetDC;
  if (!Window || !DC) return;
  const int Saved = SaveDC(DC);
  POINT Old;
  OffsetViewportOrgEx(DC, -Info.Offset.X, -Info.Offset.Y, &Old);
  const TRect Area = Info.Area.Offset(Info.Offset.X, Info.Offset.Y);
  IntersectClipRect(DC, Area.Left, Area.Top, Area.Right, Area.Bottom);
  SendMessageW(Window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
  SendMessageW(Window, WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  RestoreDC(DC, Saved);
}

TColor GlobalColor() {
  const TsSkinManager* Manager = TsSkinManager::DefaultManager();
  return Manager ? Manager->Store().GetGlobalColor() : static_cast<TColor>(0xFF00000F);
}

HWND WindowOf(TWinControl* Control) { return Control->HandleAllocated() ? Control->Handle() : nullptr; }

// A control that is not a windowed one keeps no picture of its own to lend.
bool HasPictureBitmap(const TsCommonData& SkinData) {
  return dynamic_cast<const TWinControl*>(SkinData.FOwnerControl) != nullptr;
}

void PrepareCache(TsCommonData& SkinData) {
  SendSkinCommandTo(SkinData.FOwnerControl, SKC_PREPARE_CACHE, 0);
}

void AnswerPicture(TsCommonData& SkinData, BackgroundInfo& Info) {
  Info.Kind = bkPicture;
  Info.Picture = SkinData.CachePicture();
  Info.Offset = {};
}

void AnswerColor(BackgroundInfo& Info, TColor Color) {
  Info.Kind = bkColor;
  Info.Color = Color;
  Info.Offset = {};
}

// The picture under the asker (its origin at Info.Offset) copied to Area of the target DC.
void PaintPictureNow(const TsCommonData& SkinData, BackgroundInfo& Info) {
  const TRect Source{Info.Offset.X, Info.Offset.Y, Info.Offset.X + Info.Area.Width(),
                     Info.Offset.Y + Info.Area.Height()};
  CopyPictureToDC(Info.TargetDC, Info.Area.Left, Info.Area.Top, SkinData.CachePicture(), Source);
  Info.Kind = bkPicture;
}


// A see-through control without a picture of its own (a window-less one) hands its
// parent's answer on, moved by its own position in that parent.
void PassQuestionOn(TsCommonData& SkinData, BackgroundInfo& Info) {
  const TControl* Control = SkinData.FOwnerControl;
  TWinControl* Parent = Control->Parent();
  if (!Parent) return AnswerColor(Info, GlobalColor());
  AskParentBackground(Info, Parent, Info.PaintNow);
  if (Info.Picture.Empty()) return;
  Info.Offset = {Info.Offset.X + Control->Left(), Info.Offset.Y + Control->Top()};
  Info.ColorFrame.Left -= Control->Left();
  Info.ColorFrame.Top -= Control->Top();
}

bool IsPlainSection(const TsCommonData& SkinData, const TsGenState& Props) {
  const TsGeneralData& Section = SkinData.SkinManager()->Store().gd()[static_cast<std::size_t>(SkinData.SkinIndex)];
  // A windowed control's children paint their outer effects into its picture.
  const bool OuterEffects = HasPictureBitmap(SkinData) && SkinData.OuterEffectsOn();
  return Props.GradientPercent < 1 && Props.ImagePercent < 1 && Section.ImgTL < 0 && Section.ImgTR < 0 &&
         Section.ImgBL < 0 && Section.ImgBR < 0 && !OuterEffects;
}

void AnswerOpaque(TsCommonData& SkinData, BackgroundInfo& Info, const TsGenState& Props, int State) {
  const TsSkinStore& Store = SkinData.SkinManager()->Store();
  if (IsPlainSection(SkinData, Props)) {
    AnswerColor(Info, ControlColorOf(SkinData, State));
    if (Store.IsValidImgIndex(SkinData.BorderIndex)) {
      const TsMaskData& Border = Store.ma()[static_cast<std::size_t>(SkinData.BorderIndex)];
      if ((Border.DrawMode & 2) == 0) {
        // The border's pixels differ from the colour: the child takes them from the picture.
        Info.ColorFrame = {Border.WL, Border.WT, Border.WR, Border.WB};
        Info.Picture = SkinData.CachePicture();
      }
    }
    return;
  }
  Info.Color = GlobalColor();
  const TControl* Control = SkinData.FOwnerControl;
  const std::optional<TDibSection>& Picture = SkinData.FCacheBmp;
  if (SkinData.BGChanged || !Picture || Picture->Width() != Control->Width() ||
      Picture->Height() != Control->Height()) {
    SkinData.BGChanged = true;
    SkinData.FCacheBmp.reset();
    PrepareCache(SkinData);
    if (!SkinData.FCacheBmp) {
      Info.Kind = bkNotReady;
      return;
    }
  }
  AnswerPicture(SkinData, Info);
}

}  // namespace

TColor ControlColorOf(const TsCommonData& SkinData, int State) {
  const TControl* Control = SkinData.FOwnerControl;
  const TColor Own = static_cast<TColor>(ColorToRGB(Control->Color()));
  return ControlColor(SectionLookOf(SkinData), State, Own, [Control](bool AskAnyParent) {
    TWinControl* Parent = Control->Parent();
    if (!Parent) return static_cast<TColor>(ColorToRGB(Control->Color()));
    const HWND ParentWindow = WindowOf(Parent);
    if (AskAnyParent || (ParentWindow && IsSkinnedWindow(ParentWindow)))
      return static_cast<TColor>(SendSkinCommandTo(Parent, SKC_QUERY_BG_COLOR, 0));
    return static_cast<TColor>(ColorToRGB(Parent->Color()));
  });
}

bool AskParentBackground(BackgroundInfo& Info, TWinControl* Parent, bool PaintNow) {
  ResetQuestion(Info, PaintNow);
  if (!Parent) return true;
  SendSkinCommandTo(Parent, SKC_QUERY_BG_INFO, reinterpret_cast<LPARAM>(&Info));
  if (Info.Kind != bkUnanswered) return true;
  if (PaintNow) {
    MakeWindowPaintInto(WindowOf(Parent), Info);
    return true;
  }
  const auto Reported = static_cast<TColor>(SendSkinCommandTo(Parent, SKC_QUERY_BG_COLOR, 0));
  Info.Kind = bkColor;
  Info.Color = Reported != 0 ? Reported : Parent->Color();
  return true;
}

bool AskParentBackground(BackgroundInfo& Info, HWND Parent, bool PaintNow) {
  ResetQuestion(Info, PaintNow);
  if (Parent) SendSkinCommand(Parent, SKC_QUERY_BG_INFO, reinterpret_cast<LPARAM>(&Info));
  if (Info.Kind != bkUnanswered) return true;
  if (PaintNow) {
    MakeWindowPaintInto(Parent, Info);
  } else {
    Info.Kind = bkColor;
    Info.Color = GlobalColor();
  }
  return false;
}

TCacheInfo BackgroundToCacheInfo(const BackgroundInfo& Info) {
  return BackgroundToCacheInfo(Info, [](TColor Color) { return static_cast<TColor>(ColorToRGB(Color)); });
}

void AnswerBackgroundQuery(TsCommonData& SkinData, BackgroundInfo& Info, int State) {
  // A child asking for painting always gets the picture (the colour answers below are for
  // children that paint for themselves).
  if (Info.PaintNow) {
    if (SkinData.BGChanged) PrepareCache(SkinData);
    if (!SkinData.BGChanged) PaintPictureNow(SkinData, Info);
    Info.Kind = bkPicture;
    return;
  }
  if (!SkinData.Skinned() || SkinData.FCustomColor) {
    // A form's colour is its own colour here too.
    AnswerColor(Info, SkinData.FOwnerControl->Color());
    return;
  }
  const TsGeneralData& Section = SkinData.SkinManager()->Store().gd()[static_cast<std::size_t>(SkinData.SkinIndex)];
  const int S = std::clamp(std::min(State, Section.States - 1), 0, 2);
  const TsGenState& Props = Section.Props[static_cast<std::size_t>(S)];
  const int T = Props.Transparency;
  if (T > 0 && T < 100) {
    if (!HasPictureBitmap(SkinData)) return AnswerColor(Info, clFuchsia);
    if (!SkinData.FCacheBmp) {
      if (SkinData.BGChanged) PrepareCache(SkinData);
      if (!SkinData.FCacheBmp) {
        SkinData.FUpdating = true;
        Info.Kind = bkNotReady;
        return;
      }
      return AnswerBackgroundQuery(SkinData, Info, State);
    }
    return AnswerPicture(SkinData, Info);
  }
  if (T >= 100) {
    if (!HasPictureBitmap(SkinData)) return PassQuestionOn(SkinData, Info);
    if (SkinData.BGChanged) PrepareCache(SkinData);
    if (SkinData.BGChanged) return AnswerColor(Info, ControlColorOf(SkinData, 0));
    return AnswerPicture(SkinData, Info);
  }
  AnswerOpaque(SkinData, Info, Props, S);
}
