#include "skin/render/win32/SkinText.h"

#include <algorithm>
#include <optional>

#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "framework/Control.h"
#include "framework/Handles.h"
#include "framework/WinControl.h"
#include "gfx/ColorOps.h"
#include "skin/render/DisabledLook.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextGlow.h"
#include "skin/render/win32/ControlLook.h"
#include "skin/render/win32/TextOnPicture.h"
#include "skin/render/win32/sCommonData.h"
#include "skin/store/sSkinStore.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

void DrawIn(HDC DC, TColor Color, std::wstring_view Text, RECT Rect, UINT Format) {
  SetTextColor(DC, ColorToRGB(Color));
  DrawTextKeepingAlpha(DC, Text, Rect, Format);
}

const TsGenState& StateProps(const TsGeneralData& Section, int State) {
  return Section.Props[static_cast<std::size_t>(std::clamp(std::min(State, Section.States - 1), 0, 2))];
}

// The four contours, then the text itself (never clipped to Rect), each colour through Paint.
template <class TPaintColor>
void DrawWithContours(HDC DC, const TsFontColor& Colors, std::wstring_view Text, RECT Rect, UINT Format,
                      TPaintColor&& Paint) {
  const struct {
    TColor Color;
    int DX, DY;
  } Contours[] = {{Colors.Left, -1, 0}, {Colors.Top, 0, -1}, {Colors.Right, 1, 0}, {Colors.Bottom, 0, 1}};
  for (const auto& C : Contours) {
    if (C.Color == -1) continue;
    RECT Moved = Rect;
    OffsetRect(&Moved, C.DX, C.DY);
    DrawIn(DC, Paint(C.Color), Text, Moved, Format);
  }
  DrawIn(DC, Paint(Colors.Color), Text, Rect, Format | DT_NOCLIP);
}

bool IsWebButton(const TsSkinStore& Store, int SkinIndex) {
  return SkinIndex >= 0 && Store.ConstData().Sections[ssWebBtn] == SkinIndex;
}

// Web buttons are underlined in their hot and pressed states.
std::optional<TUniqueFont> UnderlinedFont(HDC DC) {
  LOGFONTW Log{};
  if (!GetObjectW(GetCurrentObject(DC, OBJ_FONT), sizeof(Log), &Log)) return std::nullopt;
  Log.lfUnderline = TRUE;
  return TUniqueFont(CreateFontIndirectW(&Log));
}

// The section whose colours the text takes: the one under the control in State for the
// first nine standard sections (they are often see-through); -1 for none.
int TextSection(TsCommonData& SkinData, const TsSkinStore& Store, int State) {
  const int Own = SkinData.SkinIndex;
  TControl* Control = SkinData.FOwnerControl;
  if (!Control->Parent()) return Own;
  const auto& Standard = Store.ConstData().Sections;
  if (std::find(Standard.begin(), Standard.begin() + 9, Own) == Standard.begin() + 9) return Own;
  const TsGeneralData& Section = Store.gd()[static_cast<std::size_t>(Own)];
  if (State != 0 && StateProps(Section, State).Transparency <= 39) return Own;
  TacStateSectionQuery Query;
  Query.State = State;
  Query.R = {0, 0, Control->Width(), Control->Height()};
  const LRESULT Reply = PerformSkinCommand(Control, SKC_QUERY_STATE_SECTION, reinterpret_cast<LPARAM>(&Query));
  if (Reply == -1) return Own;
  if (Reply == 0) return -1;
  return Query.SkinIndex;
}

// A sub-view of Picture clipped to Rect, and Rect's origin in it.
TBitmapView ClippedTo(TBitmapView Picture, const RECT& Rect, TPoint& Origin) {
  const int Left = std::clamp(static_cast<int>(Rect.left), 0, Picture.Width);
  const int Top = std::clamp(static_cast<int>(Rect.top), 0, Picture.Height);
  const int Right = std::clamp(static_cast<int>(Rect.right), Left, Picture.Width);
  const int Bottom = std::clamp(static_cast<int>(Rect.bottom), Top, Picture.Height);
  Origin = {Left, Top};
  if (Right == Left || Bottom == Top) return {};
  return {Picture.Row0 + Top * Picture.Stride + Left * 4, Right - Left, Bottom - Top, Picture.Stride};
}

void PaintGlow(TsCommonData& SkinData, HDC DC, const TsGenState& Props, std::wstring_view Text, RECT Rect,
               UINT Format) {
  if (!SkinData.FCacheBmp || Props.GlowSize == 0) return;
  TPoint Origin;
  const TBitmapView Clipped = ClippedTo(SkinData.CachePicture(), Rect, Origin);
  if (Clipped.Empty()) return;
  TGlowMask Mask;
  const TRect At{Rect.left - Origin.X, Rect.top - Origin.Y, Rect.right - Origin.X, Rect.bottom - Origin.Y};
  const auto Font = static_cast<HFONT>(GetCurrentObject(DC, OBJ_FONT));
  PaintTextGlow(Clipped, At, Mask, EffectColor(Props.GlowColor, SectionLookOf(SkinData)), Props.GlowSize,
                GlowMaskTextDrawer(Text, Font, Format, 1 | 2 | 4 | 8));
}

}  // namespace

void DrawSkinText(TCanvas& Canvas, std::wstring_view Text, bool Enabled, int State, TsCommonData& SkinData,
                  UINT Format, RECT Rect) {
  if (Text.empty()) return;
  Canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const HDC DC = Canvas.Handle();
  if (!DC) return;
  const TSavedDCState Saved(DC);
  SetBkMode(DC, TRANSPARENT);
  if (!SkinData.Skinned() || SkinData.FCustomFont)
    return DrawIn(DC, Canvas.Font().Color(), Text, Rect, Format);
  const TsSkinStore& Store = SkinData.SkinManager()->Store();
  std::optional<TUniqueFont> Underlined;
  if (State != 0 && IsWebButton(Store, SkinData.SkinIndex)) Underlined = UnderlinedFont(DC);
  std::optional<TSelectObjectGuard> UnderlinedSelection;
  if (Underlined && Underlined->Get()) UnderlinedSelection.emplace(DC, Underlined->Get());

  const int Section = TextSection(SkinData, Store, State);
  if (!Store.IsValidSkinIndex(Section))
    return DrawIn(DC, SkinData.FOwnerControl->Parent()->Font().Color(), Text, Rect, Format);
  const TsGenState& Props = StateProps(Store.gd()[static_cast<std::size_t>(Section)], State);
  PaintGlow(SkinData, DC, Props, Text, Rect, Format);
  const TsSectionLook Look = SectionLookOf(SkinData);
  if (!Enabled) return DrawIn(DC, EffectColor(Props.FontColor.Color, Look), Text, Rect, Format);
  DrawWithContours(DC, Props.FontColor, Text, Rect, Format, [&Look](TColor C) { return EffectColor(C, Look); });
}

void DrawSectionText(TCanvas& Canvas, std::wstring_view Text, bool Enabled, const TsSkinStore* Manager, int State,
                     int SkinIndex, UINT Format, RECT Rect) {
  if (Text.empty()) return;
  const HDC DC = Canvas.Handle();
  if (!DC) return;
  const TSavedDCState Saved(DC);
  SetBkMode(DC, TRANSPARENT);
  if (!Manager || !Manager->IsValidSkinIndex(SkinIndex))
    return DrawIn(DC, Canvas.Font().Color(), Text, Rect, Format);
  const TsGeneralData& Section = Manager->gd()[static_cast<std::size_t>(SkinIndex)];
  if (!Enabled) {
    const TsGenState& Normal = Section.Props[0];
    const auto Faded = static_cast<TColor>(BlendTwoColors(static_cast<std::uint32_t>(Normal.FontColor.Color),
                                                          static_cast<std::uint32_t>(Normal.Color),
                                                          DisabledFadeWeight));
    return DrawIn(DC, Faded, Text, Rect, Format);
  }
  DrawWithContours(DC, StateProps(Section, State).FontColor, Text, Rect, Format, [](TColor C) { return C; });
}
