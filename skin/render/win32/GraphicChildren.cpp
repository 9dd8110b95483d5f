// Order: which children; their backgrounds; painting one child; the whole pass.
#include "skin/render/win32/GraphicChildren.h"

#include <optional>
#include <utility>
#include <vector>

#include "framework/Colors.h"
#include "framework/DibSection.h"
#include "framework/Handles.h"
#include "framework/WinControl.h"
#include "skin/render/CacheInfo.h"
#include "skin/render/win32/BackgroundExchange.h"
#include "skin/store/win32/SkinCommands.h"

namespace {

// Painting runs on the main thread only, so one flag for the process is enough to stop a
// child that paints its container's children from painting them again inside.
bool PaintingGraphicChildren = false;

class TReentryGuard {
 public:
  TReentryGuard() : FEntered(!PaintingGraphicChildren) { PaintingGraphicChildren = true; }
  ~TReentryGuard() {
    if (FEntered) PaintingGraphicChildren = false;
  }
  TReentryGuard(const TReentryGuard&) = delete;
  TReentryGuard& operator=(const TReentryGuard&) = delete;
  bool Entered() const { return FEntered; }

 private:
  bool FEntered;
};

TRect AsTRect(const RECT& R) { return {R.left, R.top, R.right, R.bottom}; }
TRect Moved(const RECT& R, TPoint By) { return {R.left + By.X, R.top + By.Y, R.right + By.X, R.bottom + By.Y}; }
RECT AsRECT(const TRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

bool IsPaintedChild(const TControl* Child, HDC DC, TPoint Offset) {
  if (dynamic_cast<const TWinControl*>(Child) || Child->Destroying() || !Child->Visible()) return false;
  if (Child->Width() <= 0 || Child->Height() <= 0) return false;
  const RECT OnTarget = AsRECT(Moved(Child->BoundsRect(), Offset));
  return RectVisible(DC, &OnTarget) != FALSE;
}

// ---- Backgrounds ----

// The container's background as its children see it; one whose picture is not ready is
// its own colour.
BackgroundInfo ContainerBackground(TWinControl* Container) {
  BackgroundInfo Info;
  AskParentBackground(Info, Container, false);
  if (Info.Kind != bkPicture && Info.Kind != bkColor) {
    Info.Kind = bkColor;
    Info.Color = Container->Color();
    Info.Picture = {};
  }
  return Info;
}

void FillArea(TBitmapView Bitmap, const TRect& Area, TColor Color) {
  const TRect R = IntersectRect(Area, BitmapRect(Bitmap));
  const TPixel32 Pixel = ExchangeRedBlue(static_cast<TPixel32>(ColorToRGB(Color)));
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) Bitmap.Row(Y)[X] = Pixel;
}

// Area of Bitmap from Picture, whose origin lies at -Offset.
void CopyArea(TBitmapView Bitmap, const TRect& Area, TConstBitmapView Picture, TPoint Offset) {
  const TRect R = IntersectRect(IntersectRect(Area, BitmapRect(Bitmap)),
                                {-Offset.X, -Offset.Y, Picture.Width - Offset.X, Picture.Height - Offset.Y});
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) Bitmap.Row(Y)[X] = Picture.Row(Y + Offset.Y)[X + Offset.X];
}

void FillChildBackground(TBitmapView Bitmap, TControl* Child, const BackgroundInfo& Behind) {
  const TRect Area = AsTRect(Child->BoundsRect());
  if (Child->ControlStyle().Contains(TControlStyleFlag::csOpaque)) {
    const bool Skinned = SendSkinCommandTo(Child, SKC_QUERY_SKINNED, 0) == 1;
    FillArea(Bitmap, Area, Skinned ? static_cast<TColor>(SendSkinCommandTo(Child, SKC_QUERY_BG_COLOR, 0)) : Child->Color());
    return;
  }
  if (Behind.Kind == bkPicture) {
    CopyArea(Bitmap, Area, Behind.Picture, Behind.Offset);
    return;
  }
  FillArea(Bitmap, Area, Behind.Color);
  if (Behind.Picture.Empty()) return;
  // The picture's edge strips that differ from the colour.
  const TRect Whole = {-Behind.Offset.X, -Behind.Offset.Y, Behind.Picture.Width - Behind.Offset.X,
                       Behind.Picture.Height - Behind.Offset.Y};
  const TRect& Frame = Behind.ColorFrame;
  const TRect Strips[] = {{Whole.Left, Whole.Top, Whole.Right, Whole.Top + Frame.Top},
                          {Whole.Left, Whole.Top, Whole.Left + Frame.Left, Whole.Bottom},
                          {Whole.Left, Whole.Bottom - Frame.Bottom, Whole.Right, Whole.Bottom},
                          {Whole.Right - Frame.Right, Whole.Top, Whole.Right, Whole.Bottom}};
  for (const TRect& Strip : Strips) CopyArea(Bitmap, IntersectRect(Area, Strip), Behind.Picture, Behind.Offset);
}

// ---- Painting one child ----

void PaintChild(TControl* Child, HDC Target, TPoint Offset, HDC OffScreen) {
  RECT Clip;
  GetClipBox(Target, &Clip);
  const RECT OnTarget = AsRECT(Moved(Child->BoundsRect(), Offset));
  RECT Inside;
  if (!IntersectRect(&Inside, &Clip, &OnTarget) || !EqualRect(&Inside, &OnTarget))
    SendSkinCommandTo(Child, SKC_SET_HALF_VISIBLE, 0);
  const TSavedDCState Saved(OffScreen);
  SetViewportOrgEx(OffScreen, Child->Left(), Child->Top(), nullptr);
  IntersectClipRect(OffScreen, 0, 0, Child->Width(), Child->Height());
  Child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(OffScreen), 0);
}

constexpr TPixel32 Magenta = 0xFF00FF;

}  // namespace

void PaintGraphicChildren(HDC DC, TWinControl* Container, bool CheckVisible, TPoint Offset) {
  const TReentryGuard Guard;
  if (!Guard.Entered()) return;
  if ((CheckVisible && !Container->Visible()) || Container->Controls().empty()) return;
  RECT Clip;
  if (GetClipBox(DC, &Clip) == NULLREGION) {
    SendSkinCommandTo(Container, SKC_SET_HALF_VISIBLE, 0);
    return;
  }
  const BackgroundInfo Behind = ContainerBackground(Container);
  std::optional<TDibSection> OffScreen;
  std::vector<TControl*> Painted;
  for (TControl* Child : Container->Controls()) {
    if (!IsPaintedChild(Child, DC, Offset)) continue;
    if (!OffScreen) {
      auto Made = TDibSection::Make(Container->Width(), Container->Height());
      if (!Made) return;
      OffScreen.emplace(std::move(*Made));
    }
    FillChildBackground(OffScreen->Pixels(), Child, Behind);
    Painted.push_back(Child);
  }
  if (!OffScreen) return;
  // All backgrounds first: a child painted later over an earlier one lets it show through
  // where it draws nothing itself.
  for (TControl* Child : Painted) PaintChild(Child, DC, Offset, OffScreen->DC());
  const TConstBitmapView Pixels = OffScreen->Pixels();
  for (const TControl* Child : Painted) {
    // A child that left its corner magenta has nothing to show.
    if ((ReadPixel(Pixels, Child->Left(), Child->Top()) & 0xFFFFFF) == Magenta) continue;
    BitBlt(DC, Child->Left() + Offset.X, Child->Top() + Offset.Y, Child->Width(), Child->Height(), OffScreen->DC(),
           Child->Left(), Child->Top(), SRCCOPY);
  }
}
