#include "skin/render/DisabledLook.h"

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
    const TRect Under = BitmapRect(Bitmap).Offset(Parent.X + Offset.X, Parent.Y + Offset.Y);
    BlendBitmapsKeyed(Bitmap, 0, 0, clFuchsia, DisabledFadeWeight,
                      {Under.Left, Under.Top, Under.Right - 1, Under.Bottom - 1}, Parent.Bmp);
  } else {
    const TColor Background = Parent.FillColor != clFuchsia ? Parent.FillColor : ControlColor;
    FadeRectToColor(Bitmap, BitmapRect(Bitmap), DisabledFadeWeight, Background);
  }
}
