// The skinned image control's picture drawn into its cached picture, which already shows
// what lies behind the control: the picture given alpha, resized with the Mitchell filter
// when stretched, placed as ImagePlacement says, and composited (greyed, faded, reflected).
// Portable.
#pragma once

#include "gfx/Bitmap32.h"
#include "skin/controls/core/ImageFit.h"

struct TImagePictureOptions {
  TImageFitOptions Fit;
  // A picture without alpha loses the colour of its bottom-left pixel.
  bool Transparent = false;
  bool Grayed = false;  // drawn as a grey shape
  int Blend = 0;        // extra transparency, percent
};

// Picture as 32 bits with alpha. BitCount below 32 means the picture has no alpha of its
// own: every pixel becomes opaque, except, with Transparent, those of the bottom-left
// pixel's colour, which become transparent.
TBitmap32 PictureWithAlpha(TConstBitmapView Picture, int BitCount, bool Transparent);

// Draws Picture (BitCount bits per pixel as stored) into Cache. An empty picture draws
// nothing.
void DrawImagePicture(TBitmapView Cache, TConstBitmapView Picture, int BitCount, const TImagePictureOptions& Options);
