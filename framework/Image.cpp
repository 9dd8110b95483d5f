#include "framework/Image.h"

#include <optional>

#include "framework/core/DescriptionValues.h"
#include "framework/DibSection.h"
#include "framework/core/ImageLayout.h"

namespace {

// AlphaBlend wants premultiplied pixels.
TPixel32 Premultiplied(TPixel32 Pixel) {
  const std::uint32_t A = PixelAlpha(Pixel);
  if (A == 255) return Pixel;
  auto Scale = [A](std::uint32_t Channel) { return (Channel * A + 127) / 255; };
  return (A << 24) | (Scale((Pixel >> 16) & 0xFF) << 16) | (Scale((Pixel >> 8) & 0xFF) << 8) |
         Scale(Pixel & 0xFF);
}

}  // namespace

TCustomImage::TCustomImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 105, 105);
  FPicture.OnChange = [this](TObject*) { Invalidate(); };
}

void TCustomImage::SetFlag(bool& Flag, bool Value) {
  if (Flag == Value) return;
  Flag = Value;
  Invalidate();
}

void TCustomImage::SetCenter(bool Value) { SetFlag(FCenter, Value); }
void TCustomImage::SetStretch(bool Value) { SetFlag(FStretch, Value); }
void TCustomImage::SetProportional(bool Value) { SetFlag(FProportional, Value); }
void TCustomImage::SetTransparent(bool Value) { SetFlag(FTransparent, Value); }

void TCustomImage::Paint() {
  if (FPicture.Empty()) return;
  const TBitmap32& Source = FPicture.Bitmap();
  const int W = Source.Width();
  const int H = Source.Height();
  const HDC DC = Canvas().Handle();

  const std::optional<TDibSection> Premultiplied32 = TDibSection::Make(W, H);
  if (!Premultiplied32) return;

  const bool HasAlpha = FPicture.BitCount() == 32;
  const TPixel32 Key = Source.Row(H - 1)[0] | 0xFF000000u;
  const TBitmapView Out = Premultiplied32->Pixels();
  for (int Y = 0; Y < H; ++Y) {
    const TPixel32* Row = Source.Row(Y);
    TPixel32* const OutRow = Out.Row(Y);
    for (int X = 0; X < W; ++X) {
      TPixel32 Pixel = Row[X];
      if (!HasAlpha) Pixel = (FTransparent && (Pixel | 0xFF000000u) == Key) ? 0 : Pixel | 0xFF000000u;
      OutRow[X] = Premultiplied(Pixel);
    }
  }

  const TRect Dest = ImageDestRect(Width(), Height(), W, H, FStretch, FProportional, FCenter);
  const BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // gdi32's own entry: msimg32's AlphaBlend only forwards to it, and loading that module
  // costs start-up time.
  GdiAlphaBlend(DC, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Premultiplied32->DC(), 0, 0, W, H, Blend);
}

bool TCustomImage::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Picture.Data") {
    RequireKind(Value, TDescriptionValue::TKind::Binary);
    FPicture.LoadFromStoredData(Value.Bytes);
  } else if (PropertyName == L"Center") {
    SetCenter(AsBoolean(Value));
  } else if (PropertyName == L"Stretch") {
    SetStretch(AsBoolean(Value));
  } else if (PropertyName == L"Proportional") {
    SetProportional(AsBoolean(Value));
  } else if (PropertyName == L"Transparent") {
    SetTransparent(AsBoolean(Value));
  } else {
    return TGraphicControl::ReadProperty(PropertyName, Value);
  }
  return true;
}
