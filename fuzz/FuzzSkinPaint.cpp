// libFuzzer target for painting with an untrusted skin: a container is loaded, then every
// section is painted in its states and every picture item by each painter, over the three
// kinds of parent answer, into rectangles that are normal, tiny, partly outside the picture
// or inverted; textures in every fill mode, nine-piece borders and whole sections also into
// rectangles far larger than the picture or at the ends of the int range, sections also from
// offsets at the ends of the int range. Nothing may be read or written out of bounds
// (ASan watches), nothing may throw or overflow (UBSan). Inputs are mutated by the mutator
// in SkinFuzzing.cpp.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "fuzz/SkinFuzzing.h"
#include "gfx/Bitmap32.h"
#include "skin/render/CacheInfo.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/SectionPaint.h"

namespace {

constexpr int PictureWidth = 48;
constexpr int PictureHeight = 30;
constexpr TRect Targets[] = {{0, 0, 48, 30}, {3, 2, 8, 5}, {-6, -4, 20, 12}, {40, 20, 60, 40}, {30, 20, 10, 5}};
constexpr int Min = std::numeric_limits<int>::min();
constexpr int Max = std::numeric_limits<int>::max();
constexpr TRect ExtremeTargets[] = {
    {Min, Min, Max, Max}, {-20000, -20000, 20000, 20000}, {Max - 5, 0, Max, 30}, {0, Min, 48, Min + 7},
    {10, 5, Max, Max},    {Min, Min, 7, 9},               {-3, -2, 2000, 10},    {Min, 0, Max, 1}};
constexpr TPoint ExtremeOffsets[] = {{Min, Min}, {Max, Max}, {Max, Min}};
constexpr int FillModes = 14;

// The parent answers: a ready picture, a colour, a colour with a frame from the picture.
TCacheInfo ParentAnswer(int Kind, const TBitmap32& Behind) {
  TCacheInfo Parent;
  Parent.X = 2;
  Parent.Y = 1;
  if (Kind == 0) {
    Parent.Bmp = Behind.View();
    Parent.Ready = true;
  } else {
    Parent.FillColor = 0x404040;
    if (Kind == 2) {
      Parent.Bmp = Behind.View();
      Parent.FillRect = {3, 2, 3, 2};
    }
  }
  return Parent;
}

void PaintSections(const TsSkinStore& Store, TBitmap32& Picture, const TCacheInfo& Parent) {
  for (int Index = 0; Index < static_cast<int>(Store.gd().size()); ++Index) {
    const int States = std::clamp<int>(Store.gd()[static_cast<std::size_t>(Index)].States, 1, 3);
    for (int State = 0; State <= States; ++State)
      for (const TRect& Target : Targets)
        PaintSectionByIndex(Index, Parent, State, State > 0 ? 0 : -1, -1, &Store, Picture.View(), {1, 1}, Target, -1);
    // The whole section with colour effects, and sections reaching out of the picture or
    // placed at the ends of the int range in the parent's picture.
    const TsSectionLook Effects{&Store, Index, clFuchsia, 0x2040C0, 40, -30};
    PaintSection(Effects, Parent, -1, -1, true, Picture.View(), {1, 1}, Targets[0], 1);
    const TsSectionLook Plain{&Store, Index};
    for (const TRect& Target : ExtremeTargets) {
      PaintSection(Plain, Parent, -1, -1, true, Picture.View(), {1, 1}, Target, 0);
      PaintSectionByIndex(Index, Parent, 1, 0, -1, &Store, Picture.View(), {1, 1}, Target, -1);
    }
    for (const TPoint Offset : ExtremeOffsets) {
      PaintSection(Plain, Parent, -1, -1, true, Picture.View(), Offset, Targets[1], 1);
      PaintSectionByIndex(Index, Parent, 0, -1, -1, &Store, Picture.View(), Offset, Targets[1], -1);
    }
  }
  // Indexes no skin has.
  for (const int Index : {-1, static_cast<int>(Store.gd().size()), Min, Max})
    PaintSectionByIndex(Index, Parent, 0, Index, Index, &Store, Picture.View(), {1, 1}, Targets[0], Index);
}

void PaintTextures(TBitmap32& Picture, const TRect& Target, const TCacheInfo& Parent, const TsMaskData& Item,
                   TConstBitmapView Master, int Mode) {
  TRect Left = Target;
  PaintTexture(Picture.View(), Left, Item, Master, Mode);
  Left = Target;
  PaintMaskedTexture(Picture.View(), Left, Parent, Mode % 2 ? 10 : 0, Item, Master);
}

// Each item gets a fill mode of its own, so that an input with enough items reaches them all.
void PaintItems(const TsSkinStore& Store, TBitmap32& Picture, const TCacheInfo& Parent, int FirstMode) {
  const TConstBitmapView Master = Store.MasterBitmap().View();
  int Mode = FirstMode;
  for (const TsMaskData& Item : Store.ma()) {
    for (int State = 0; State <= std::clamp<int>(Item.ImageCount, 1, 3); ++State) {
      PaintStateImage(Picture.View(), {PictureWidth - 5, -3}, State, Parent, Item, Master, 1);
      PaintStateImage(Picture.View(), {2, 1}, State, Parent, Item, Master, 0);
      for (const TRect& Target : Targets) {
        PaintNinePiece(Picture.View(), Target, Parent, true, State, Item, Master);
        PaintNinePieceAlpha(Picture.View(), Target, Parent, State, Item, Master, 200, {2, 1, 40, 3});
        PaintTextures(Picture, Target, Parent, Item, Master, Mode);
      }
    }
    for (const TRect& Target : ExtremeTargets) {
      PaintTextures(Picture, Target, Parent, Item, Master, Mode);
      // State 1: borders that skip state 0 are painted too.
      PaintNinePiece(Picture.View(), Target, Parent, true, 1, Item, Master);
      PaintNinePieceAlpha(Picture.View(), Target, Parent, 1, Item, Master, 200, {2, 1, 40, 3});
    }
    Mode = (Mode + 1) % FillModes;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TsSkinStore Store;
  if (!LoadFuzzedSkin(std::span(Data, Size), Store)) return 0;
  TBitmap32 Behind(PictureWidth, PictureHeight);
  Behind.Fill(0xFF808080u);
  TBitmap32 Picture(PictureWidth, PictureHeight);
  const TCacheInfo Parent = ParentAnswer(static_cast<int>(Size % 3), Behind);
  PaintSections(Store, Picture, Parent);
  PaintItems(Store, Picture, Parent, static_cast<int>(Size % FillModes));
  return 0;
}
