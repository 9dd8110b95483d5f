#include "skin/controls/core/ImagePicture.h"

#include <algorithm>
#include <utility>

#include "gfx/Resample.h"
#include "skin/render/PixelBlend.h"

TBitmap32 PictureWithAlpha(TConstBitmapView Picture, int BitCount, bool Transparent) {
  if (Picture.Empty()) return {};
  TBitmap32 Result(Picture.Width, Picture.Height);
  const bool OwnAlpha = BitCount >= 32;
  const TPixel32 Key = Picture.Row(Picture.Height - 1)[0] & 0xFFFFFFu;
  for (int Y = 0; Y < Picture.Height; ++Y) {
    const TPixel32* const Row = Picture.Row(Y);
    TPixel32* const Out = Result.Row(Y);
    for (int X = 0; X < Picture.Width; ++X) {
      const TPixel32 Colour = Row[X] & 0xFFFFFFu;
      if (OwnAlpha) Out[X] = Row[X];
      else Out[X] = Transparent && Colour == Key ? Colour : Colour | 0xFF000000u;
    }
  }
  return Result;
}

void DrawImagePicture(TBitmapView Cache, TConstBitmapView Picture, int BitCount, const TImagePictureOptions& Options) {
  TBitmap32 Source = PictureWithAlpha(Picture, BitCount, Options.Transparent);
  const TRect Place = ImagePlacement(Cache.Width, Cache.Height, Source.Width(), Source.Height(), Options.Fit);
  if (Place.IsEmpty()) return;
  if (Options.Fit.Stretch && (Place.Width() != Source.Width() || Place.Height() != Source.Height())) {
    TBitmap32 Resized;
    ResampleBitmap(Source.View(), Resized, Place.Width(), rfMitchell, Place.Height());
    // A size the filter cannot make (one pixel) keeps the natural picture, cut to the place.
    if (!Resized.Empty()) Source = std::move(Resized);
  }
  DrawImage32(Place, BitmapRect(Source.View()), Cache, Options.Fit.Reflected, Options.Blend,
              Options.Grayed ? clWhite : clNone, false, TCacheInfo{}, Source.View());
}
