#include "skin/render/OuterEffectPaint.h"

#include <cstddef>
#include <new>
#include <stdexcept>
#include <utility>

#include "skin/render/CacheInfo.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/PixelBlend.h"

namespace {

// Picture's pixels under Rect; pixels of Rect outside the picture are 0.
std::optional<TBitmap32> PixelsUnder(TConstBitmapView Picture, const TRect& Rect) {
  if (!IsValidBitmapSize(Rect.Width(), Rect.Height())) return std::nullopt;
  TBitmap32 Copy;
  try {
    Copy = NewBitmap32(Rect.Width(), Rect.Height());
  } catch (const std::length_error&) {
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  // Weight 0 keeps nothing of the target: a plain copy, clipped to both.
  BlendBitmaps(Copy.View(), Picture, 0, {0, 0}, Rect);
  return Copy;
}

}  // namespace

std::optional<TOuterEffectLook> OuterEffectOf(const TsGeneralData& Section, const TacOutEffArray& Effects) {
  if (Section.OuterMode < 1) return std::nullopt;
  if (Section.OuterMask >= 0)
    return TOuterEffectLook{Section.OuterMask, Section.OuterOffset, Section.OuterOpacity};
  if (static_cast<std::size_t>(Section.OuterMode) > Effects.size()) return std::nullopt;
  const TacOutEffData& Effect = Effects[static_cast<std::size_t>(Section.OuterMode - 1)];
  if (Effect.Source == 0 || Effect.Mask < 0) return std::nullopt;
  return TOuterEffectLook{
      Effect.Mask, {Effect.OffsetL, Effect.OffsetT, Effect.OffsetR, Effect.OffsetB}, Effect.Opacity};
}

void PaintOuterEffect(TBitmapView Picture, const TRect& Rect, const TOuterEffectLook& Look,
                      const TsMaskData& Item, TConstBitmapView Master, bool RestoreFirst,
                      std::optional<TBitmap32>& Saved) {
  std::optional<TBitmap32> Under = PixelsUnder(Picture, Rect);
  if (!Under) return;
  const TCacheInfo NoParent;
  if (RestoreFirst && Saved) {
    TBitmap32 Before = std::move(*Saved);
    PaintNinePieceAlpha(Before.View(), {0, 0, Rect.Width(), Rect.Height()}, NoParent, 0, Item, Master,
                        Look.Opacity, Look.Offsets);
    BlendBitmaps(Picture, Before.View(), 0, {Rect.Left, Rect.Top}, BitmapRect(Before.View()));
    Saved = std::move(Under);
    return;
  }
  Saved = std::move(Under);
  PaintNinePieceAlpha(Picture, Rect, NoParent, 0, Item, Master, Look.Opacity, Look.Offsets);
}
