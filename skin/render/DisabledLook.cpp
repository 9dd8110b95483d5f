#include "skin/render/DisabledLook.h"

#include <cstdint>
#include <limits>

#include "gfx/ColorOps.h"
#include "skin/render/PixelBlend.h"
#include "skin/render/PixelFill.h"
#include "skin/render/PixelLoops.h"

void ApplyDisabledLook(TBitmapView Bitmap, TsDisabledKind Kind, TColor ControlColor, TPoint Offset,
                       const TCacheInfo& Parent) {
  if (Bitmap.Empty()) return;
  if (Kind.Contains(dkGrayed)) {
    if (DisabledGreyPercent == -100) {
      MakeGrey(Bitmap);
    } else {
      const int Amount = DisabledGreyPercent * 255 / 100;
      ForEachPixel(Bitmap, [Amount](TPixel32 P) { return ShiftSaturation(Amount, P); }, clFuchsia);
    }
  }
  if (!Kind.Contains(dkBlended)) return;
  if (Parent.Ready) {
    // Shifted beyond the int range the bitmap lies beyond the parent's picture: nothing to blend.
    const std::int64_t X = std::int64_t{Parent.X} + Offset.X;
    const std::int64_t Y = std::int64_t{Parent.Y} + Offset.Y;
    constexpr std::int64_t Lowest = std::numeric_limits<int>::min();
    constexpr std::int64_t Highest = std::numeric_limits<int>::max();
    if (X < Lowest || Y < Lowest || X + Bitmap.Width > Highest || Y + Bitmap.Height > Highest) return;
    const TRect Under = BitmapRect(Bitmap).Offset(static_cast<int>(X), static_cast<int>(Y));
    BlendBitmapsKeyed(Bitmap, 0, 0, clFuchsia, DisabledFadeWeight,
                      {Under.Left, Under.Top, Under.Right - 1, Under.Bottom - 1}, Parent.Bmp);
  } else {
    const TColor Background = Parent.FillColor != clFuchsia ? Parent.FillColor : ControlColor;
    FadeRectToColor(Bitmap, BitmapRect(Bitmap), DisabledFadeWeight, Background);
  }
}
