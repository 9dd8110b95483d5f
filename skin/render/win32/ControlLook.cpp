#include "skin/render/win32/ControlLook.h"

#include "framework/Colors.h"
#include "framework/Control.h"
#include "skin/render/win32/sCommonData.h"
#include "skin/store/win32/sSkinManager.h"

TsSectionLook SectionLookOf(const TsCommonData& SkinData) {
  TsSectionLook Look;
  if (const TsSkinManager* Manager = SkinData.SkinManager()) Look.Manager = &Manager->Store();
  Look.SkinIndex = SkinData.SkinIndex;
  if (SkinData.FCustomColor) Look.CustomColor = static_cast<TColor>(ColorToRGB(SkinData.FOwnerControl->Color()));
  Look.ColorTone = SkinData.FColorTone;
  Look.HueOffset = SkinData.FHUEOffset;
  Look.Saturation = SkinData.FSaturation;
  return Look;
}
