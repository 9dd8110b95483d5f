#include "skin/render/win32/SectionPaintWin.h"

#include <optional>

#include "framework/DibSection.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/render/win32/ControlLook.h"
#include "skin/store/win32/sSkinManager.h"

bool PaintSectionOverParent(const TsCommonData& SkinData, TWinControl* ParentControl, int HotTexture, int Texture,
                            bool ParentCorners, TBitmapView Bitmap, TPoint Offset, const TRect& Rect, int State) {
  BackgroundInfo Info;
  AskParentBackground(Info, ParentControl, false);
  if (Info.Kind == bkNotReady) return false;
  // The panel applies its colour effects to its finished picture itself.
  TsSectionLook Look = SectionLookOf(SkinData);
  Look.ColorTone = clNone;
  Look.HueOffset = 0;
  Look.Saturation = 0;
  PaintSection(Look, BackgroundToCacheInfo(Info), HotTexture, Texture, ParentCorners, Bitmap, Offset, Rect, State);
  return true;
}

void PaintSectionToDC(int SkinIndex, const TCacheInfo& Parent, int State, const TsSkinStore* Manager, HDC DC,
                      TPoint Offset, const TRect& Rect, int BorderIndex) {
  if (!Manager) {
    const TsSkinManager* Default = TsSkinManager::DefaultManager();
    if (!Default) return;
    Manager = &Default->Store();
  }
  const std::optional<TDibSection> Scratch = TDibSection::Make(Rect.Width(), Rect.Height());
  if (!Scratch) return;
  const TPoint Moved{Offset.X + Rect.Left, Offset.Y + Rect.Top};
  PaintSectionByIndex(SkinIndex, Parent, State, -1, -1, Manager, Scratch->Pixels(), Moved,
                      {0, 0, Rect.Width(), Rect.Height()}, BorderIndex);
  const int Saved = SaveDC(DC);
  BitBlt(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Scratch->DC(), 0, 0, SRCCOPY);
  RestoreDC(DC, Saved);
}
