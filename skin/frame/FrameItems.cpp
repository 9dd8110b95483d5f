#include "skin/frame/FrameItems.h"

#include <algorithm>

namespace {

// Width and height a caption button takes when its glyph is missing.
constexpr int MissingGlyphSize = 21;

const TsMaskData* GlyphOf(const TsSkinStore& Skin, TacTitleGlyph Glyph) {
  const int Index = Skin.ConstData().TitleGlyphs[Glyph];
  return Skin.IsValidImgIndex(Index) ? &Skin.ma()[static_cast<std::size_t>(Index)] : nullptr;
}

}  // namespace

TFrameSkinValues FrameSkinValues(const TsSkinStore& Skin) {
  const TsSkinData& Data = Skin.CommonSkinData();
  TFrameSkinValues Values;
  Values.BILeftMargin = Data.BILeftMargin;
  Values.BITopMargin = Data.BITopMargin;
  Values.BIRightMargin = Data.BIRightMargin;
  Values.BIVAlign = Data.BIVAlign;
  const TsMaskData* const Close = GlyphOf(Skin, tgCloseAlone);
  Values.CloseWidth = Close ? Close->Width : MissingGlyphSize;
  const TsMaskData* const Sizing = GlyphOf(Skin, tgClose);
  Values.ButtonHeight = Sizing ? Sizing->Height : MissingGlyphSize;
  Values.HasCaptionSection = Skin.GetSkinIndex("CAPTION") >= 0;
  return Values;
}

int IconSizeFor(int Height) {
  if (Height <= 8) return 1;
  if (Height <= 16) return 8;
  if (Height <= 47) return 16;
  if (Height <= 64) return 24;
  return 32;
}

TFrameItems CalcItems(const TFrameForm& Form, const TFrameSkinValues& Skin) {
  TFrameItems Items;
  Items.VCenter = Form.CaptionHeight / 2 + Form.BorderWidth / 2;
  Items.FHeaderHeight = Form.BorderHeight + Form.CaptionHeight;

  const int IconLeft = Form.BorderWidth + Skin.BILeftMargin;
  if (Form.ShowIcon) {
    const int Side = IconSizeFor(Form.CaptionHeight - Skin.BITopMargin);
    Items.FIconRect = Bounds(IconLeft, Items.VCenter - Side / 2, Side, Side);
  } else {
    Items.FIconRect = Bounds(IconLeft, Items.VCenter, 0, 0);
  }

  // Buttons are laid out from the right; the close button comes first.
  const int Right = Form.Width - Skin.BIRightMargin - std::max(4, Form.BorderWidth);
  const int Top = Skin.BIVAlign == 1 ? 0 : Items.VCenter - Skin.ButtonHeight / 2;
  Items.CloseRect = {Right - Skin.CloseWidth, Top, Right, Top + Skin.ButtonHeight};
  Items.CaptionButtonsWidth = Skin.BIRightMargin + Skin.CloseWidth;

  Items.CaptionLeft = Form.BorderWidth + Items.FIconRect.Width() + Skin.BILeftMargin +
                      (Skin.HasCaptionSection ? 2 : 0) + 4;
  Items.CaptionRight = Form.Width - Items.CaptionButtonsWidth - 12;
  return Items;
}
