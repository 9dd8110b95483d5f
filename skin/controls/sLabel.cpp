// Sections: skin section and colours; painting; messages.
#include "skin/controls/sLabel.h"

#include "framework/Colors.h"
#include "framework/TextConversion.h"
#include "framework/WinControl.h"
#include "framework/core/DescriptionValues.h"
#include "gfx/ColorOps.h"
#include "skin/render/DisabledLook.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/SectionPaintWin.h"
#include "skin/store/SkinText.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

TsCustomLabel::TsCustomLabel(TComponent* AOwner) : TLabel(AOwner) { SetTransparent(true); }

// ---- Skin section and colours ----

TsSkinManager* TsCustomLabel::SkinManager() const {
  return FSkinManager ? FSkinManager : TsSkinManager::DefaultManager();
}

const TsSkinStore* TsCustomLabel::ActiveStore() const {
  const TsSkinManager* Manager = SkinManager();
  // The manager's switch, not the store's flag: the store is marked inactive while the
  // skin-loaded broadcast runs, and a label sizes itself for the new skin then.
  const bool Active = Manager && !Manager->Destroying() && Manager->Active() && !Manager->Store().gd().empty();
  return Active ? &Manager->Store() : nullptr;
}

void TsCustomLabel::SetSkinSection(const std::string& Value) {
  if (Value == FSkinSection) return;
  FSkinSection = UpperCaseAscii(Value);
  FSkinIndex = -1;
  Invalidate();
}

void TsCustomLabel::ResolveSection() {
  const TsSkinStore* Store = ActiveStore();
  FSkinIndex = Store && !FSkinSection.empty() ? Store->GetSkinIndex(FSkinSection) : -1;
}

TColor TsCustomLabel::ParentBackColor() const {
  TWinControl* Owner = Parent();
  if (!Owner) return ColorToRGB(Color());
  if (SendSkinCommandTo(Owner, SKC_QUERY_SKINNED, 0) == 1)
    return static_cast<TColor>(SendSkinCommandTo(Owner, SKC_QUERY_BG_COLOR, 0));
  return ColorToRGB(Owner->Color());
}

TColor TsCustomLabel::Faded(TColor Color, TColor Behind) const {
  if (Enabled()) return Color;
  return static_cast<TColor>(BlendTwoColors(static_cast<std::uint32_t>(ColorToRGB(Color)),
                                            static_cast<std::uint32_t>(ColorToRGB(Behind)), DisabledFadeWeight));
}

TColor TsCustomLabel::CurrentFontColor() {
  const TsSkinStore* Store = ActiveStore();
  if (!Store) return Font().Color();
  return Faded(Store->GetGlobalFontColor(), Store->GetGlobalColor());
}

TColor TsCustomLabel::SkinStateFontColor() {
  const TsSkinStore* Store = ActiveStore();
  if (!Store) return Font().Color();
  TacStateSectionQuery Query;
  Query.State = 0;
  Query.R = {0, 0, Width(), Height()};
  const LRESULT Reply = PerformSkinCommand(this, SKC_QUERY_STATE_SECTION, reinterpret_cast<LPARAM>(&Query));
  int Section = Query.SkinIndex;
  if (Reply == -1) Section = FSkinIndex;
  if (Reply == 0) return Parent() ? Parent()->Font().Color() : Font().Color();
  if (!Store->IsValidSkinIndex(Section)) return Store->GetGlobalFontColor();
  return Store->gd()[static_cast<std::size_t>(Section)].Props[0].FontColor.Color;
}

void TsLabel::SetUseSkinColor(bool Value) {
  if (Value == FUseSkinColor) return;
  FUseSkinColor = Value;
  Invalidate();
}

TColor TsLabel::CurrentFontColor() {
  const TColor Color = FUseSkinColor && ActiveStore() ? SkinStateFontColor() : Font().Color();
  return Faded(Color, ParentBackColor());
}

// ---- Painting ----

void TsCustomLabel::Paint() {
  if (Destroying()) return;
  ResolveSection();
  if (FSkinIndex >= 0) {
    BackgroundInfo Behind;
    if (Parent()) AskParentBackground(Behind, Parent(), false);
    PaintSectionToDC(FSkinIndex, BackgroundToCacheInfo(Behind), 0, ActiveStore(), Canvas().Handle(), {Left(), Top()},
                     {0, 0, Width(), Height()}, -1);
  }
  TLabel::Paint();
  FSkinIndex = -1;
}

std::wstring TsCustomLabel::DrawnCaption(UINT Flags) const {
  const std::wstring Text = Caption();
  if ((Flags & DT_CALCRECT) && (Text.empty() || (ShowAccelChar() && Text == L"&"))) return L" ";
  return Text;
}

void TsCustomLabel::DoDrawText(RECT& Rect, UINT Flags) {
  if (!(Flags & DT_CALCRECT)) Canvas().Font().SetColor(CurrentFontColor());
  Canvas().DrawText(DrawnCaption(Flags), Rect, Flags);
}

// ---- Messages ----

void TsCustomLabel::WndProc(TMessage& Message) {
  if (Message.Msg == WM_SKINCOMMAND && IsOwnSkinCommand(nullptr, Message) && SkinCommand(Message)) return;
  TLabel::WndProc(Message);
}

bool TsCustomLabel::SkinCommand(TMessage& Message) {
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_SKIN_REMOVED:
      if (Loading() || Destroying()) return true;
      if (FSavedParentFont) SetParentFont(true);
      FSkinIndex = -1;
      Invalidate();
      return true;
    case SKC_REPAINT:
      FSavedParentFont = ParentFont();
      FSkinIndex = -1;
      Invalidate();
      return true;
    case SKC_QUERY_STATE_SECTION:
      if (!ActiveStore() || !Parent() || !Message.LParam) return false;
      OffsetRect(&reinterpret_cast<TacStateSectionQuery*>(Message.LParam)->R, Left(), Top());
      Message.Result = SendSkinCommandTo(Parent(), SKC_QUERY_STATE_SECTION, Message.LParam);
      return true;
    default:
      return false;
  }
}

bool TsCustomLabel::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"SkinSection") return SetSkinSection(Utf8FromWide(AsString(Value))), true;
  return TLabel::ReadProperty(PropertyName, Value);
}

bool TsLabel::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"UseSkinColor") return SetUseSkinColor(AsBoolean(Value)), true;
  return TsCustomLabel::ReadProperty(PropertyName, Value);
}
