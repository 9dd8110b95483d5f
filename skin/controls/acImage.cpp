#include "skin/controls/acImage.h"

#include <algorithm>

#include "framework/core/DescriptionValues.h"
#include "skin/controls/core/ImagePicture.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/ControlLook.h"

TsImage::TsImage(TComponent* AOwner) : TsSkinnedControl(AOwner, cocImage, "TsImage", nullptr) {}

void TsImage::Invalidate() {
  ImageChanged = true;
  TsSkinnedControl::Invalidate();
}

template <class T>
void TsImage::SetLook(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  FCommonData.Invalidate(false);
}

void TsImage::SetGrayed(bool Value) { SetLook(FGrayed, Value); }
void TsImage::SetReflected(bool Value) { SetLook(FReflected, Value); }
void TsImage::SetBlend(int Value) { SetLook(FBlend, std::clamp(Value, 0, 100)); }

bool TsImage::ComposeCache() {
  FCommonData.PrepareCacheBitmap();
  if (!FCommonData.FCacheBmp) return false;
  const TBitmapView Cache = FCommonData.FCacheBmp->Pixels();
  BackgroundInfo Info;
  AskParentBackground(Info, Parent(), false);
  if (Info.Kind == bkNotReady) {
    FCommonData.FUpdating = true;
    return false;
  }
  if (Info.Kind == bkPicture && Info.Picture.Empty()) return false;
  // The section (the main window's images use a wholly see-through one) over what lies
  // behind the image in its parent's picture.
  PaintSection(SectionLookOf(FCommonData), BackgroundToCacheInfo(Info), FCommonData.HotTexture, FCommonData.Texture,
               true, Cache, {Left(), Top()}, BitmapRect(Cache), 0);
  TImagePictureOptions Options;
  Options.Fit = {Stretch(), Proportional(), Center(), FReflected, UseFullSize};
  Options.Transparent = Transparent();
  Options.Grayed = FGrayed;
  Options.Blend = FBlend;
  DrawImagePicture(Cache, Picture().Bitmap().View(), Picture().BitCount(), Options);
  ImageChanged = false;
  FCommonData.BGChanged = false;
  return true;
}

void TsImage::Paint() {
  if (!FCommonData.Skinned() || FCommonData.Updating() || (Empty() && FCommonData.SkinSection().empty())) {
    TImage::Paint();
    return;
  }
  if (FCommonData.BGChanged || ImageChanged || !FCommonData.FCacheBmp) {
    FCommonData.UpdateIndexes(true);
    if (!ComposeCache()) return;
  }
  BitBlt(Canvas().Handle(), 0, 0, Width(), Height(), FCommonData.FCacheBmp->DC(), 0, 0, SRCCOPY);
}

bool TsImage::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"SkinData.SkinSection") {
    // Section names are ASCII.
    const std::wstring Name = AsString(Value);
    FCommonData.SetSkinSection(std::string(Name.begin(), Name.end()));
    return true;
  }
  if (PropertyName == L"UseFullSize") return UseFullSize = AsBoolean(Value), true;
  if (PropertyName == L"Grayed") return SetGrayed(AsBoolean(Value)), true;
  if (PropertyName == L"Reflected") return SetReflected(AsBoolean(Value)), true;
  if (PropertyName == L"Blend") return SetBlend(AsInteger(Value)), true;
  return TsSkinnedControl::ReadProperty(PropertyName, Value);
}
