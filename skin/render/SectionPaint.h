// Painting a skin section into a control's picture: what shows through from the parent, the
// section's colour, texture and gradient mixed by its percentages, corner images, border and
// the control's colour effects; and the colours seen through a control. Portable: the
// control side (its skin data, the messages to its parent) gathers the inputs.
#pragma once

#include <cstdint>
#include <functional>

#include "gfx/Bitmap32.h"
#include "skin/render/CacheInfo.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

class TsSkinStore;

// What section painting takes from a control's skin data.
struct TsSectionLook {
  const TsSkinStore* Manager = nullptr;
  int SkinIndex = -1;
  // The control's colour (a form's colour for a form) when it paints in its own colour;
  // clFuchsia when the skin's colours apply.
  TColor CustomColor = clFuchsia;
  TColor ColorTone = clNone;
  int HueOffset = 0;
  int Saturation = 0;  // percent, -100..100
};

// The whole section into Rect of Bitmap. Offset is where Bitmap's origin lies in the
// parent's picture; ParentCorners goes to the border painter.
void PaintSection(const TsSectionLook& Look, const TCacheInfo& Parent, int HotTexture, int Texture, bool ParentCorners,
                  TBitmapView Bitmap, TPoint Offset, const TRect& Rect, int State);

// The background layers only, for a control.
void PaintSectionBackground(const TsSectionLook& Look, const TCacheInfo& Parent, int State, TBitmapView Bitmap,
                            TPoint Offset, const TRect& Rect);

// The background layers of a section by index. CustomColor clFuchsia means the skin's
// colours; Texture -1 means the state's own texture; HotTexture is the overlay texture of
// states other than 0.
void PaintSectionBackgroundByIndex(int SkinIndex, const TCacheInfo& Parent, int State, TColor CustomColor,
                                   int HotTexture, int Texture, const TsSkinStore* Manager, TBitmapView Bitmap,
                                   TPoint Offset, const TRect& Rect);

// A section by index for painters without a control: background, corner images and the
// border item (BorderIndex, or the section's own when -1); no colour effects.
void PaintSectionByIndex(int SkinIndex, const TCacheInfo& Parent, int State, int HotTexture, int Texture,
                         const TsSkinStore* Manager, TBitmapView Bitmap, TPoint Offset, const TRect& Rect,
                         int BorderIndex);

// The control's tone, hue and saturation applied to every pixel of Bitmap except the key
// colour clFuchsia (a container applies them to its finished picture).
void ApplyColorEffects(TBitmapView Bitmap, const TsSectionLook& Look);

// The control's tone, hue and saturation applied to one colour as they are applied to the
// pixels of its picture.
TColor EffectColor(TColor Color, const TsSectionLook& Look);

// Asks for the colour behind a control. AskAnyParent false: the parent's answer when it is
// a skinned window, else its stored colour; true: the parent is asked whatever it is.
using TParentColorQuery = std::function<TColor(bool AskAnyParent)>;

// The colour seen through a control in State (0 normal, above 0 hot). OwnColor is the
// control's own colour as RGB; it is the answer when the control is not skinned.
TColor ControlColor(const TsSectionLook& Look, int State, TColor OwnColor, const TParentColorQuery& ParentColor);

// The colour a control reports to a child asking for its background colour: the same end
// points as ControlColor, a different mix in between (BgColorQueryMix).
TColor BgColorQueryAnswer(const TsSectionLook& Look, TColor OwnColor, const TParentColorQuery& ParentColor);

// Per colour byte ((P - C) * T + C * 256) >> 8 with T the raw percent, byte 3 from P: the
// parent keeps only T/256.
constexpr TColor BgColorQueryMix(TColor Parent, TColor Color, int Transparency) {
  const auto P = static_cast<std::uint32_t>(Parent);
  const auto C = static_cast<std::uint32_t>(Color);
  std::uint32_t Result = P & 0xFF000000u;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int PB = static_cast<int>((P >> Shift) & 0xFF);
    const int CB = static_cast<int>((C >> Shift) & 0xFF);
    Result |= static_cast<std::uint32_t>((((PB - CB) * Transparency + CB * 256) >> 8) & 0xFF) << Shift;
  }
  return static_cast<TColor>(Result);
}
