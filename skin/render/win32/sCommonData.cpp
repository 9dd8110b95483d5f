// Sections: construction and the window property; the skin and its indexes; lifecycle;
// the picture; the parent's picture (its background, corners, outer effects); colours; the
// message hook; the skin commands; sections under a part; hot tracking.
#include "skin/render/win32/sCommonData.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/PrivateMessages.h"
#include "framework/WinControl.h"
#include "skin/render/BackgroundType.h"
#include "skin/render/ControlKinds.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/OuterEffectPaint.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/SeenThrough.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/ControlLook.h"
#include "skin/render/win32/GraphicChildren.h"
#include "skin/render/StateSeeThrough.h"
#include "skin/store/SkinText.h"
#include "skin/store/win32/sSkinManager.h"

// ---- Construction and the window property ----

TsCommonData::TsCommonData(TControl* AOwner, int ACOC) : COC(ACOC), FOwnerControl(AOwner) {
  WndProc = [this](TMessage& Message) { FOwnerControl->WindowProc(Message); };
  FHook = FOwnerControl->AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (!CommonWndProc(Message)) Next(Message);
    // The window exists once its creation has been handled.
    if (Message.Msg == WM_CREATE) InitCommonProp();
    if (Message.Msg == WM_SKINCOMMAND) ForwardToChildren(Message);
  });
}

TsCommonData::~TsCommonData() {
  RemoveCommonProp();
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
}

TWinControl* TsCommonData::OwnerWindowed() const { return dynamic_cast<TWinControl*>(FOwnerControl); }

HWND TsCommonData::OwnWindow() const {
  TWinControl* Windowed = OwnerWindowed();
  return Windowed && Windowed->HandleAllocated() ? Windowed->Handle() : nullptr;
}

void TsCommonData::InitCommonProp() {
  const HWND Window = OwnWindow();
  if (!Window || Window == FPropertyWindow) return;
  RemoveCommonProp();
  if (SetPropW(Window, SkinStateProperty, static_cast<TSkinState*>(this))) FPropertyWindow = Window;
}

void TsCommonData::RemoveCommonProp() {
  if (FPropertyWindow && IsWindow(FPropertyWindow) &&
      GetPropW(FPropertyWindow, SkinStateProperty) == static_cast<TSkinState*>(this))
    RemovePropW(FPropertyWindow, SkinStateProperty);
  FPropertyWindow = nullptr;
}

void TsCommonData::ForwardToChildren(const TMessage& Message) {
  TWinControl* Container = OwnerWindowed();
  if (!ForwardsSkinChanges || !Container || !IsOwnSkinCommand(OwnWindow(), Message)) return;
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_REPAINT:
      // Whatever manager sent it: the children may have another one.
      BroadcastToChildren(Container, Message);
      break;
    default:
      break;
  }
}

// ---- The skin and its indexes ----

TsSkinManager* TsCommonData::SkinManager() const {
  return FSkinManager ? FSkinManager : TsSkinManager::DefaultManager();
}

bool TsCommonData::Skinned(bool CheckSkinActive) const {
  const TsSkinManager* Manager = SkinManager();
  if (!Manager || Manager->Destroying() || !Manager->Store().IsValidSkinIndex(SkinIndex)) return false;
  if (FOwnerControl->Destroying()) return false;
  return !CheckSkinActive || Manager->SkinActive();
}

void TsCommonData::SetSkinSection(const std::string& Value) {
  // The stored name is upper case and compared with the new text as given.
  if (Value == FSkinSection) return;
  FSkinSection = UpperCaseAscii(Value);
  UpdateIndexes(true);
  if (!FOwnerControl->Parent() || Loading || FOwnerControl->Loading() || FOwnerControl->Destroying()) return;
  if (OwnerWindowed()) {
    FCacheBmp.reset();
    ReframeWindow();
  }
  if (FUpdating) {
    UpdateControlColors();
    return;
  }
  const TsSkinManager* Manager = SkinManager();
  const int Code = Manager && Manager->Store().IsValidSkinIndex(SkinIndex) ? SKC_REPAINT : SKC_SKIN_REMOVED;
  SendSkinCommandTo(FOwnerControl, Code, reinterpret_cast<LPARAM>(Manager));
}

void TsCommonData::UpdateIndexes(bool UpdateMain) {
  BGChanged = true;
  const TsSkinManager* Manager = SkinManager();
  const bool Active = Manager && Manager->Active() && !Manager->Store().gd().empty();
  if (UpdateMain) {
    if (!Active) {
      SkinIndex = -1;
    } else if (!FSkinSection.empty()) {
      SkinIndex = Manager->Store().GetSkinIndex(FSkinSection);
    } else {
      SkinIndex = static_cast<int>(PerformSkinCommand(FOwnerControl, SKC_QUERY_DEFAULT_SECTION, 0)) - 1;
    }
  }
  BGType = 0;
  if (!Active || !Manager->Store().IsValidSkinIndex(SkinIndex)) {
    BorderIndex = Texture = HotTexture = -1;
    return;
  }
  const TsSkinStore& Store = Manager->Store();
  BorderIndex = Store.GetMaskIndex(SkinIndex, "BORDERSMASK");
  Texture = Store.GetTextureIndex(SkinIndex, "PATTERN");
  HotTexture = Store.GetTextureIndex(SkinIndex, "HOTPATTERN");
  const TsGenState& Normal = Store.gd()[static_cast<std::size_t>(SkinIndex)].Props[0];
  const int GradientKind =
      Normal.GradientPercent > 0 && !Normal.GradientArray.empty() ? (Normal.GradientArray[0].Mode & GradientKindMask) : -1;
  const int FillMode =
      Normal.ImagePercent > 0 && Store.IsValidImgIndex(Texture) ? Store.ma()[static_cast<std::size_t>(Texture)].DrawMode : -1;
  BGType = BackgroundType(GradientKind, FillMode);
}

void TsCommonData::ResolveSection() {
  if (FSkinSection.empty()) {
    switch (SectionSourceOf(COC)) {
      case TSectionSource::Named:
        FSkinSection = NamedSectionOf(COC);
        break;
      case TSectionSource::AskControl:
        break;
      case TSectionSource::ClassName:
        FSkinSection = UpperCaseAscii(OwnerClassName);
        break;
    }
  }
  UpdateIndexes(true);
}

int TsCommonData::HotState() const {
  const HWND Window = OwnWindow();
  THotInputs In;
  In.HasControl = true;
  In.Loading = FOwnerControl->Loading();
  In.Enabled = FOwnerControl->Enabled();
  In.Focused = FFocused;
  In.WindowFocused = Window && GetFocus() == Window;
  In.IsPanel = COC == cocPanel;
  In.MouseAbove = FMouseAbove;
  In.NoMouseHover = SkinManager() && SkinManager()->Options.NoMouseHover;
  In.Code = COC;
  return ::HotState(In);
}

void TsCommonData::SetSectionFromList(std::initializer_list<std::string_view> Names) {
  const TsSkinManager* Manager = SkinManager();
  SkinIndex = -1;
  if (Manager)
    for (const std::string_view Name : Names)
      if ((SkinIndex = Manager->Store().GetSkinIndex(Name)) >= 0) break;
  UpdateIndexes(false);
}

// ---- Lifecycle ----

void TsCommonData::Loaded(bool UpdateColors) {
  Loading = false;
  ResolveSection();
  if (Skinned() && FOwnerControl->Parent() && !FOwnerControl->Loading()) {
    AnnounceToParentForm();
    if (UpdateColors) ApplySectionColors(false);
  }
  InitCommonProp();
}

namespace {

// The form at the top of Control's chain of parents; null when there is none.
TCustomForm* ParentFormOf(const TControl* Control) {
  TCustomForm* Form = nullptr;
  for (TWinControl* Parent = Control->Parent(); Parent; Parent = Parent->Parent())
    if (auto* AsForm = dynamic_cast<TCustomForm*>(Parent)) Form = AsForm;
  return Form;
}

}  // namespace

void TsCommonData::AnnounceToParentForm() {
  if (!OwnerWindowed() || !FOwnerControl->Parent() || FOwnerControl->Loading() || !Skinned()) return;
  TCustomForm* Form = ParentFormOf(FOwnerControl);
  if (Form && Form->HandleAllocated())
    SendSkinCommand(Form->Handle(), SKC_ADD_CONTROL, reinterpret_cast<LPARAM>(FOwnerControl));
}

void TsCommonData::BeginUpdate() {
  ++FUpdateCount;
  FUpdating = true;
  CtrlSkinState |= csInUpdate;
  PerformSkinCommand(FOwnerControl, SKC_UPDATE_BEGUN, 0);
}

void TsCommonData::EndUpdate(bool Repaint) {
  FUpdateCount = std::max(FUpdateCount - 1, 0);
  if (FUpdateCount > 0) return;
  FUpdating = false;
  CtrlSkinState &= static_cast<std::uint16_t>(~csInUpdate);
  PerformSkinCommand(FOwnerControl, SKC_UPDATE_ENDED, 0);
  if (Repaint) Invalidate(true);
}

void TsCommonData::Invalidate(bool UpdateNow) {
  if (Loading || FOwnerControl->Loading() || FOwnerControl->Destroying()) return;
  BGChanged = true;
  if (const HWND Window = OwnWindow()) {
    if (IsWindowVisible(Window))
      RedrawWindow(Window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME | (UpdateNow ? RDW_UPDATENOW : 0));
  } else if (FOwnerControl->Visible()) {
    FOwnerControl->Invalidate();
  }
}

bool TsCommonData::Updating() const {
  if (!SkinManager()) return false;
  if (FUpdating) return true;
  if (FOwnerControl->Destroying()) return false;
  TWinControl* Parent = FOwnerControl->Parent();
  return Parent && Parent->HandleAllocated() && SendSkinCommand(Parent->Handle(), SKC_QUERY_UPDATING, 0) != 0;
}

bool TsCommonData::CheckUpdating(bool Reset) {
  if (Reset) FUpdating = false;
  if (!Updating()) return false;
  FUpdating = true;
  return true;
}

bool TsCommonData::RepaintIfMoved() const {
  if (!Skinned() || !FOwnerControl->Enabled()) return true;
  TWinControl* Parent = FOwnerControl->Parent();
  if (Section()->Props[0].Transparency > 0 && Parent && Parent->HandleAllocated())
    return SendSkinCommand(Parent->Handle(), SKC_QUERY_CONTAINER, 0) != 0;
  return false;
}

void TsCommonData::ReframeWindow() {
  if (const HWND Window = OwnWindow())
    SetWindowPos(Window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TsCommonData::PassToChildren(int Code, WORD Argument, LPARAM LParam) {
  TWinControl* Windowed = OwnerWindowed();
  if (!Windowed) return;
  // Indexes: a receiver may add or remove children.
  for (std::size_t I = 0; I < Windowed->Controls().size(); ++I)
    if (TControl* Child = Windowed->Controls()[I]; !Child->Destroying())
      SendSkinCommandTo(Child, Code, LParam, Argument);
}

// ---- The picture ----

void TsCommonData::PrepareCacheBitmap() {
  const int Width = std::max(FOwnerControl->Width(), 0);
  const int Height = std::max(FOwnerControl->Height(), 0);
  if (FCacheBmp && FCacheBmp->Width() == Width && FCacheBmp->Height() == Height) return;
  FCacheBmp.reset();
  if (auto Made = TDibSection::Make(Width, Height)) FCacheBmp.emplace(std::move(*Made));
}

bool TsCommonData::PictureOutOfDate() {
  if (!FCacheBmp) return true;
  if (BGChanged) PerformSkinCommand(FOwnerControl, SKC_PREPARE_CACHE, 0);
  return BGChanged || !FCacheBmp || FCacheBmp->Width() != FOwnerControl->Width() ||
         FCacheBmp->Height() != FOwnerControl->Height();
}

int TsCommonData::MaxBorderWidth() const {
  const TsSkinManager* Manager = SkinManager();
  if (!Manager || !Manager->Store().IsValidImgIndex(BorderIndex)) return 0;
  return ::MaxBorderWidth(Manager->Store().ma()[static_cast<std::size_t>(BorderIndex)]);
}

// ---- The parent's picture ----

TCacheInfo TsCommonData::ParentCacheInfo() const {
  if (!Skinned()) {
    TCacheInfo Plain;
    Plain.FillColor = ControlColorOf(*this, 0);
    return Plain;
  }
  BackgroundInfo Info;
  if (TWinControl* Parent = FOwnerControl->Parent()) {
    AskParentBackground(Info, Parent, false);
  } else {
    const HWND Window = OwnWindow();
    AskParentBackground(Info, Window ? GetParent(Window) : nullptr, false);
  }
  // A parent still making its picture: no information yet.
  if (Info.Kind == bkNotReady) return TCacheInfo{};
  return BackgroundToCacheInfo(Info);
}

void TsCommonData::ApplyEffectsAndCorners(TBitmapView Bitmap, int State) {
  ApplyColorEffects(Bitmap, SectionLookOf(*this));
  RefreshCorners(State, bcAllCorners);
}

void TsCommonData::RefreshCorners(int State, int Corners) {
  if (!FCacheBmp || !Skinned()) return;
  const TsSkinStore& Store = SkinManager()->Store();
  if (!Store.IsValidImgIndex(BorderIndex)) return;
  TCacheInfo Parent = ParentCacheInfo();
  // The picture's origin lies at the control's position in the parent's.
  Parent.X += FOwnerControl->Left();
  Parent.Y += FOwnerControl->Top();
  const TsMaskData Border = BorderForCornerRefresh(Store.ma()[static_cast<std::size_t>(BorderIndex)]);
  const TBitmapView Picture = FCacheBmp->Pixels();
  PaintBorderCorners(Picture, BitmapRect(Picture), Parent, State, Border, Store.MasterBitmap().View(), Corners);
}

bool TsCommonData::OuterEffectsOn() const {
  const TsSkinManager* Manager = SkinManager();
  return FOuterEffects.Visibility() == TacOuterVisibility::ovAlways && Manager && Manager->Effects.AllowOuterEffects;
}

void TsCommonData::InvalidateParentBackground() {
  if (Updating()) return;
  TWinControl* Parent = FOwnerControl->Parent();
  const HWND ParentWindow = Parent && Parent->HandleAllocated() ? Parent->Handle()
                            : OwnWindow()                        ? GetParent(OwnWindow())
                                                                 : nullptr;
  if (!ParentWindow) return;
  SendSkinCommand(ParentWindow, SKC_BG_CHANGED, 0);
  SendSkinCommand(ParentWindow, SKC_PREPARE_CACHE, 0);
}

void TsCommonData::PaintOuterEffects(TWinControl* Container, TPoint Offset) {
  if (!Container || !FCacheBmp || !Skinned() || !SkinManager()->Effects.AllowOuterEffects) return;
  BackgroundInfo Info;
  Info.Picture = CachePicture();
  Info.Offset = Offset;
  Info.Kind = bkPicture;
  for (std::size_t I = 0; I < Container->Controls().size(); ++I) {
    TControl* Child = Container->Controls()[I];
    auto* Windowed = dynamic_cast<TWinControl*>(Child);
    const bool Showing = Windowed ? Windowed->HandleAllocated() && IsWindowVisible(Windowed->Handle()) : Child->Visible();
    if (Child->Visible() && Showing) SendSkinCommandTo(Child, SKC_PAINT_OUTER_EFFECT, reinterpret_cast<LPARAM>(&Info));
  }
}

void TsCommonData::PaintOuterEffect(const BackgroundInfo& Info, bool RestoreFirst) {
  if (!Skinned() || FOuterEffects.Visibility() != TacOuterVisibility::ovAlways || Info.Picture.Empty()) return;
  const TsSkinStore& Store = SkinManager()->Store();
  const std::optional<TOuterEffectLook> Look = OuterEffectOf(*Section(), Store.oe());
  if (!Look || !Store.IsValidImgIndex(Look->Mask)) return;
  RECT Bounds{};
  SendSkinCommandTo(FOwnerControl, SKC_QUERY_BOUNDS, reinterpret_cast<LPARAM>(&Bounds));
  const TRect Rect = OuterEffectRect({Bounds.left, Bounds.top, Bounds.right, Bounds.bottom}, Info.Offset, Look->Offsets);
  // The container lends its own picture, which it owns writable, for the effect.
  const TBitmapView Picture{const_cast<std::byte*>(Info.Picture.Row0), Info.Picture.Width, Info.Picture.Height,
                            Info.Picture.Stride};
  ::PaintOuterEffect(Picture, Rect, *Look, Store.ma()[static_cast<std::size_t>(Look->Mask)],
                     Store.MasterBitmap().View(), RestoreFirst, FOuterCache);
}

// ---- Colours ----

const TsGeneralData* TsCommonData::Section() const {
  return Skinned() ? &SkinManager()->Store().gd()[static_cast<std::size_t>(SkinIndex)] : nullptr;
}

bool TsCommonData::SeeThroughBothStates() const {
  const TsGeneralData* S = Section();
  return S && S->Props[0].Transparency >= 100 && S->Props[1].Transparency >= 100;
}

void TsCommonData::SetCustomColor(bool Value) {
  if (Value == FCustomColor) return;
  FCustomColor = Value;
  if (FOwnerControl->Loading()) return;
  if (Value && SavedColor != clNone) FOwnerControl->SetColor(SavedColor);
  else SavedColor = FOwnerControl->Color();
  ApplySectionColors(true);
}

void TsCommonData::SetCustomFont(bool Value) {
  if (Value == FCustomFont) return;
  FCustomFont = Value;
  if (FOwnerControl->Loading()) return;
  if (Value && SavedFontColor != clNone) FOwnerControl->Font().SetColor(SavedFontColor);
  else SavedFontColor = FOwnerControl->Font().Color();
  ApplySectionColors(true);
}

bool TsCommonData::SetStateColors(int State, bool WithEffects, bool FontToo) {
  const TsGeneralData* S = Section();
  if (!S) return false;
  const TsGenState& Props = S->Props[static_cast<std::size_t>(std::clamp(State, 0, 2))];
  TsSectionLook Look;
  Look.Manager = &SkinManager()->Store();
  Look.SkinIndex = SkinIndex;
  Look.HueOffset = FHUEOffset;
  Look.Saturation = FSaturation;
  const auto Effect = [&](TColor Color) { return WithEffects ? EffectColor(Color, Look) : Color; };
  bool Changed = false;
  if (!FCustomColor && FOwnerControl->Color() != Effect(Props.Color)) {
    FOwnerControl->SetColor(Effect(Props.Color));
    Changed = true;
  }
  if (FontToo && !FCustomFont && FOwnerControl->Font().Color() != Effect(Props.FontColor.Color)) {
    CtrlSkinState |= csSettingFontColor;
    FOwnerControl->Font().SetColor(Effect(Props.FontColor.Color));
    CtrlSkinState &= static_cast<std::uint16_t>(~csSettingFontColor);
    Changed = true;
  }
  return Changed;
}

void TsCommonData::UpdateControlColors(bool NoRedrawToggle) {
  if (!Section()) return;
  const HWND Window = OwnWindow();
  const bool Toggle = !NoRedrawToggle && Window && IsWindowVisible(Window);
  if (Toggle) SendMessageW(Window, WM_SETREDRAW, FALSE, 0);
  SetStateColors(HotState(), false, true);
  if (Toggle) SendMessageW(Window, WM_SETREDRAW, TRUE, 0);
}

void TsCommonData::ApplySectionColors(bool Repaint) {
  if (OwnerWindowed() && !OwnWindow()) return;
  if (!IsColorFollowsStateKind(COC) || !Section() || SeeThroughBothStates()) return;
  // Code 10 takes its font colour only with the hover switch for edits, off in this program.
  SetStateColors(0, true, COC != 10);
  if (Repaint) Invalidate(true);
}

void TsCommonData::FollowStateColors(int State) {
  const TsGeneralData* S = Section();
  if (!IsColorFollowsStateKind(COC) || !S || S->States < 2 || SeeThroughBothStates()) return;
  const bool Changed = SetStateColors(State, false, true);
  const HWND Window = OwnWindow();
  if (Window && IsWindowVisible(Window))
    RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | (Changed ? RDW_ERASE | RDW_ALLCHILDREN : 0));
  else if (Changed) Invalidate(false);
}

void TsCommonData::FocusChanged(bool Focused) {
  const TWinControl* Windowed = OwnerWindowed();
  if (!Skinned() || !Windowed || !Windowed->TabStop() || SeeThroughBothStates()) return;
  BGChanged = true;
  FFocused = Focused;
  if (Focused) FollowStateColors(1);
  else if (HotState() == 0) FollowStateColors(0);
}

void TsCommonData::SkinRemovedColors() {
  if (auto* Edit = dynamic_cast<TCustomEdit*>(FOwnerControl)) {
    if (!FCustomColor) Edit->SetColor(clWindow);
    if (!FCustomFont) Edit->Font().SetColor(clWindowText);
    if (const HWND Window = OwnWindow()) RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  } else if (const TWinControl* Windowed = OwnerWindowed()) {
    for (TControl* Child : Windowed->Controls())
      if (auto* Label = dynamic_cast<TCustomLabel*>(Child)) Label->Font().SetColor(clWindowText);
  }
}

// ---- The message hook ----

bool TsCommonData::CommonWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SKINCOMMAND:
      if (!IsOwnSkinCommand(OwnWindow(), Message)) {
        Message.Result = 0;
        return true;
      }
      return CommonSkinCommand(Message);
    case WM_DESTROY:
      RemoveCommonProp();
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusChanged(Message.Msg == WM_SETFOCUS);
      return false;
    case WM_MOVE:
      if (!Skinned()) return false;
      if (OuterEffectsOn()) InvalidateParentBackground();
      if (RepaintIfMoved()) {
        BGChanged = true;
        if (const HWND Window = OwnWindow()) SendSkinMessage(Window, SkinCommandMessage(SKC_REPAINT_IF_MOVED, 0, 1));
      }
      return false;
    case WM_SIZE:
      Resized();
      return false;
    case WM_UPDATEUISTATE:
      return Skinned();
    case WM_PARENTNOTIFY:
      if (LOWORD(Message.WParam) == WM_CREATE) AnnounceToParentForm();
      return false;
    case WM_PRINT:
      if (!Message.WParam || Skinned() || !OwnerWindowed()) return false;
      PrintGraphicChildren(reinterpret_cast<HDC>(Message.WParam));
      return true;
    case CM_VISIBLECHANGED:
      VisibleChanged(Message.WParam != 0);
      return false;
    case CM_ENABLEDCHANGED:
      FMouseAbove = false;
      FFocused = false;
      BGChanged = true;
      return false;
    case CM_MOUSEENTER:
      MouseEntered(Message.LParam);
      return false;
    case CM_MOUSELEAVE:
      MouseLeft();
      return false;
    default:
      return false;
  }
}

void TsCommonData::Resized() {
  if (!Skinned()) return;
  BGChanged = true;
  if (OuterEffectsOn()) InvalidateParentBackground();
  const TsGenState& Normal = Section()->Props[0];
  // A gradient stretches with the control: what its children show of it changes.
  if (Normal.GradientPercent > 0 && !Normal.GradientArray.empty()) PassToChildren(SKC_REPAINT_IF_MOVED, 1);
}

void TsCommonData::VisibleChanged(bool Visible) {
  const TsSkinManager* Manager = SkinManager();
  if (!Manager || Manager->Options.OptimizingPriority != TacOptimizingPriority::opMemory) return;
  if (Visible) {
    FUpdating = false;
    return;
  }
  // Hidden, the control keeps no picture; nor do its children.
  FCacheBmp.reset();
  PassToChildren(SKC_CLEAR_CACHE);
  BGChanged = true;
}

void TsCommonData::PrintGraphicChildren(HDC DC) {
  const HWND Window = OwnWindow();
  const bool ClientEdge = Window && (GetWindowLongW(Window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
  // The client area of a window with a client edge starts 2 pixels in.
  PaintGraphicChildren(DC, OwnerWindowed(), true, ClientEdge ? TPoint{2, 2} : TPoint{0, 0});
}

bool TsCommonData::FromOurManager(const TMessage& Message) const {
  return Message.LParam == reinterpret_cast<LPARAM>(SkinManager());
}

TColor TsCommonData::SeenColor() const {
  const TColor Own = FOwnerControl->Color();
  const TsGeneralData* S = Section();
  if (!S) return Own;
  const TsSkinManager* Manager = SkinManager();
  const TsGenState& Normal = S->Props[0];
  const int T = Normal.Transparency;
  if (T == 0) return Normal.Color;
  TWinControl* Parent = FOwnerControl->Parent();
  if (!Parent) return Manager->Store().ColorToRGB(Own);
  const HWND ParentWindow = Parent->HandleAllocated() ? Parent->Handle() : nullptr;
  if (T == 100) {
    if (ParentWindow && IsSkinnedWindow(ParentWindow))
      return static_cast<TColor>(SendSkinCommand(ParentWindow, SKC_QUERY_BG_COLOR, 0));
    return Parent->Color();
  }
  // Asked whether or not the parent is skinned: one that does not answer gives black.
  const TColor Behind = static_cast<TColor>(
      ParentWindow ? SendSkinCommand(ParentWindow, SKC_QUERY_BG_COLOR, 0) : SendSkinCommandTo(Parent, SKC_QUERY_BG_COLOR, 0));
  return MixSeenThrough(Behind, Normal.Color, T);
}

bool TsCommonData::CommonSkinCommand(TMessage& Message) {
  const WORD Argument = SkinCommandArgument(Message.WParam);
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_SKIN_LOADED:
      if (FromOurManager(Message)) {
        ResolveSection();
        FCacheBmp.reset();
      }
      break;
    case SKC_SKIN_REMOVED:
      if (FromOurManager(Message)) {
        if (SkinManager() && SkinManager()->Destroying()) FSkinManager = nullptr;
        BorderIndex = SkinIndex = Texture = HotTexture = -1;
        FUpdating = true;
        FCacheBmp.reset();
        SkinRemovedColors();
      }
      return false;  // left to the control too
    case SKC_REPAINT:
      if (FromOurManager(Message)) {
        BGChanged = true;
        FUpdating = false;
        ApplySectionColors(true);
        if (IsReframeOnRepaintKind(COC)) ReframeWindow();
        Invalidate(false);
      }
      break;
    case SKC_PARENT_UPDATED:
      if (FUpdating && !CheckUpdating(true)) Invalidate(false);
      PassToChildren(SKC_PARENT_UPDATED);
      break;
    case SKC_QUERY_SKINNED:
      Message.Result = 1;
      break;
    case SKC_QUERY_UPDATING:
      Message.Result = CheckUpdating() || (OwnerWindowed() && !FCustomColor && PictureOutOfDate()) ? 1 : 0;
      break;
    case SKC_SET_UPDATING:
      FUpdating = Argument == 1;
      break;
    case SKC_QUERY_HALF_VISIBLE:
      Message.Result = HalfVisible ? 1 : 0;
      break;
    case SKC_SECTION_CHANGED:
      if (Message.LParam && FSkinSection == reinterpret_cast<const char*>(Message.LParam)) Invalidate(false);
      break;
    case SKC_SET_SECTION:
      if (!Message.LParam) {
        Message.Result = 0;
        break;
      }
      SetSkinSection(*reinterpret_cast<const std::string*>(Message.LParam));
      Message.Result = 1;
      break;
    case SKC_STOP_ANIMATIONS:
      break;  // no state animation runs yet
    case SKC_BG_CHANGED:
      BGChanged = true;
      break;
    case SKC_INVALIDATE:
      Invalidate(false);
      break;
    case SKC_QUERY_CONTAINER:
      Message.Result = 1;
      break;
    case SKC_REPAINT_IF_MOVED: {
      const bool Moved = RepaintIfMoved();
      BGChanged = BGChanged || Moved;
      if (const HWND Window = OwnWindow(); Window && Argument == 1)
        RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT);
      if (Moved) PassToChildren(SKC_REPAINT_IF_MOVED, 1);
      break;
    }
    case SKC_QUERY_BG_COLOR:
      Message.Result = static_cast<LRESULT>(static_cast<std::uint32_t>(SeenColor()));
      break;
    case SKC_QUERY_BG_INFO:
      if (Message.LParam)
        AnswerBackgroundQuery(*this, *reinterpret_cast<BackgroundInfo*>(Message.LParam),
                              FFocused || (FMouseAbove && !IsNoHoverGlowKind(COC)) ? 1 : 0);
      break;
    case SKC_SET_HALF_VISIBLE:
      HalfVisible = true;
      break;
    case SKC_PREPARE_CACHE:
      BGChanged = false;
      break;
    case SKC_QUERY_SKIN_INDEX:
      if (Message.LParam) reinterpret_cast<std::int32_t*>(Message.LParam)[1] = SkinIndex;
      break;
    case SKC_CLEAR_CACHE:
      if (!FCacheBmp) break;
      if (TWinControl* Windowed = OwnerWindowed())
        for (TControl* Child : Windowed->Controls())
          if (auto* WindowedChild = dynamic_cast<TWinControl*>(Child); WindowedChild && WindowedChild->HandleAllocated())
            SendSkinCommand(WindowedChild->Handle(), SKC_CLEAR_CACHE, 0);
      FCacheBmp.reset();
      BGChanged = true;
      break;
    case SKC_QUERY_SKIN_STATE:
      Message.Result = reinterpret_cast<LRESULT>(static_cast<TSkinState*>(this));
      break;
    case SKC_SET_PRINT_DC:
      PrintDC = reinterpret_cast<HDC>(Message.LParam);
      if (PrintDC) CtrlSkinState |= csPrinting;
      else CtrlSkinState &= static_cast<std::uint16_t>(~csPrinting);
      break;
    case SKC_PAINT_OUTER_EFFECT:
      if (Message.LParam) PaintOuterEffect(*reinterpret_cast<const BackgroundInfo*>(Message.LParam), (Argument & 1) != 0);
      break;
    case SKC_FRAME_CHANGED:
      if (OwnWindow()) {
        ReframeWindow();
        PassToChildren(SKC_FRAME_CHANGED);
      }
      break;
    case SKC_QUERY_STATE_SECTION:
      if (!Skinned() || !Message.LParam) return false;
      Message.Result = QueryStateSection(*reinterpret_cast<TacStateSectionQuery*>(Message.LParam));
      break;
    case SKC_QUERY_APPLICATION:
      Message.Result = reinterpret_cast<LRESULT>(Application);
      break;
    case SKC_SET_SCALE:
      ScalePercent = static_cast<int>(Message.LParam);
      PassToChildren(SKC_SET_SCALE, 0, Message.LParam);
      return false;  // left to the control too
    case SKC_QUERY_SCALE:
      Message.Result = ScalePercent;
      break;
    case SKC_QUERY_BOUNDS:
      if (Message.LParam) {
        const RECT Bounds = FOwnerControl->BoundsRect();
        *reinterpret_cast<RECT*>(Message.LParam) = Bounds;
      }
      break;
    case SKC_MOUSE_ENTER:
      MouseEntered(0);
      break;
    case SKC_MOUSE_LEAVE:
      MouseLeft();
      break;
    case SKC_QUERY_DEFAULT_SECTION: {
      const std::string Name = StandardSection ? StandardSection() : std::string();
      const TsSkinManager* Manager = SkinManager();
      Message.Result = Name.empty() || !Manager ? 0 : Manager->Store().GetSkinIndex(Name) + 1;
      break;
    }
    default:
      return false;
  }
  return true;
}

// ---- Sections under a part of the control ----

namespace {

// The blue byte of the mask pixel at the centre of State's image of a masked item.
int MaskCentreBlue(const TsSkinStore& Store, const TsMaskData& Item, int State) {
  const TBitmap32& Source = Item.Bmp ? *Item.Bmp : Store.MasterBitmap();
  const int Image = std::clamp(State, 0, std::max(Item.ImageCount - 1, 0));
  const int X = Item.R.Left + Image * Item.Width + Item.Width / 2;
  const int Y = Item.R.Top + Item.Height + Item.Height / 2;
  if (X < 0 || Y < 0 || X >= Source.Width() || Y >= Source.Height()) return 0;
  return static_cast<int>(Source.Row(Y)[X] & 0xFF);
}

}  // namespace

LRESULT TsCommonData::QueryStateSection(TacStateSectionQuery& Query) {
  const TsGeneralData& S = *Section();
  const TsSkinStore& Store = SkinManager()->Store();
  TSeeThroughInputs In;
  In.HasParent = FOwnerControl->Parent() != nullptr;
  In.State = std::clamp(Query.State, 0, std::clamp(S.States - 1, 0, 2));
  In.Transparency = S.Props[static_cast<std::size_t>(In.State)].Transparency;
  if (Store.IsValidImgIndex(BorderIndex)) {
    const TsMaskData& Border = Store.ma()[static_cast<std::size_t>(BorderIndex)];
    In.HasBorder = true;
    In.BorderDrawMode = Border.DrawMode;
    In.BorderMasked = Border.MaskType > 0;
    if (In.BorderMasked) In.MaskCentreBlue = MaskCentreBlue(Store, Border, In.State);
  }
  if (IsSeeThrough(In)) {
    OffsetRect(&Query.R, FOwnerControl->Left(), FOwnerControl->Top());
    return SendSkinCommandTo(FOwnerControl->Parent(), SKC_QUERY_STATE_SECTION, reinterpret_cast<LPARAM>(&Query));
  }
  Query.SkinIndex = Query.State < S.States ? SkinIndex : -1;
  return Query.State < S.States ? 1 : -1;
}

// ---- Hot tracking ----

void TsCommonData::MouseEntered(LPARAM Named) {
  TsSkinManager* Manager = SkinManager();
  if (!Skinned() || FMouseAbove || Manager->Options.NoMouseHover || SeeThroughBothStates()) return;
  LeaveGraphicChildren(Named);
  if (!IsNoHoverKind(COC)) FMouseAbove = true;
  if (const HWND Window = OwnWindow(); Window && Manager->ActiveControl() != Window)
    Manager->SetActiveControl(Window);
  BGChanged = true;
  // Hover makes these kinds hot only with the hover switch for edits; HotState knows.
  if (HotState() == 1) FollowStateColors(1);
}

void TsCommonData::LeaveGraphicChildren(LPARAM Named) {
  TWinControl* Windowed = OwnerWindowed();
  if (!Windowed) return;
  // Non-windowed children learn of the mouse only from their container, which may miss a
  // quick move out of them: the mouse is now over this control, not over them.
  for (std::size_t I = 0; I < Windowed->Controls().size(); ++I) {
    TControl* Child = Windowed->Controls()[I];
    if (dynamic_cast<TWinControl*>(Child) || reinterpret_cast<LPARAM>(Child) == Named || Child->Destroying()) continue;
    const auto* State = reinterpret_cast<const TSkinState*>(SendSkinCommandTo(Child, SKC_QUERY_SKIN_STATE, 0));
    if (State && State != this && State->FMouseAbove) Child->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Child));
  }
}

bool TsCommonData::CursorStillInside() const {
  const HWND Window = OwnWindow();
  POINT Cursor;
  if (!Window || !IsWindowVisible(Window) || !GetCursorPos(&Cursor)) return false;
  RECT Area;
  GetClientRect(Window, &Area);
  const LONG Style = GetWindowLongW(Window, GWL_STYLE);
  if ((Style & WS_VSCROLL) != 0) Area.right += GetSystemMetrics(SM_CXVSCROLL);
  if ((Style & WS_HSCROLL) != 0) Area.bottom += GetSystemMetrics(SM_CYHSCROLL);
  POINT Local = Cursor;
  ScreenToClient(Window, &Local);
  // Only where the window itself shows: not under another window, not over a child window.
  return PtInRect(&Area, Local) && WindowFromPoint(Cursor) == Window;
}

void TsCommonData::MouseLeft() {
  if (!Skinned() || SkinManager()->Options.NoMouseHover || CursorStillInside()) return;
  if (!IsNoHoverKind(COC)) FMouseAbove = false;
  BGChanged = true;
  if (HotState() == 0) FollowStateColors(0);
}
