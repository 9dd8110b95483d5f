#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "gfx/ColorOps.h"
#include "skin/render/Gradient.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/SectionPaint.h"
#include "tests/native/PaintFixture.h"
#include "tests/native/PixelTestSupport.h"

namespace {

constexpr TPixel32 Back = 0xFF102030u;

// A pixel of colour C (a TColor) with alpha 255.
constexpr TPixel32 Opaque(TColor C) { return ExchangeRedBlue(static_cast<TPixel32>(C)) | 0xFF000000u; }

struct SectionPaint : ::testing::Test {
  // The skin the test assembles; painted through a store made of it as it is then.
  TsSkin Skin;
  std::unique_ptr<TsSkinStore> Built;
  TsSectionLook Look;

  // One section, all three states alike; returns its normal state to adjust.
  TsGenState& Section(TColor Color, int Transparency = 0, int States = 3) {
    Skin.gd.assign(1, TsGeneralData{});
    TsGeneralData& S = Skin.gd[0];
    S.States = States;
    for (TsGenState& P : S.Props) {
      P.Color = Color;
      P.Transparency = Transparency;
    }
    Look.SkinIndex = 0;
    return S.Props[0];
  }
  int AddItem(const TsMaskData& M) {
    Skin.ma.push_back(M);
    return static_cast<int>(Skin.ma.size()) - 1;
  }
  const TsSkinStore* Store() {
    Built = std::make_unique<TsSkinStore>(Skin);
    return Built.get();
  }
  // Look, painting the skin as it is now.
  TsSectionLook Skinned() {
    TsSectionLook Result = Look;
    Result.Manager = Store();
    return Result;
  }
};

TCacheInfo ReadyParent(const TBitmap32& Picture, int X = 0, int Y = 0) {
  TCacheInfo P;
  P.Bmp = Picture.View();
  P.X = X;
  P.Y = Y;
  P.Ready = true;
  return P;
}

TCacheInfo ColourParent(TColor Color) {
  TCacheInfo P;
  P.FillColor = Color;
  return P;
}

TEST_F(SectionPaint, OpaqueSectionIsItsColour) {
  Section(0x3366CC);
  TBitmap32 Bmp = Filled(4, 4, 0);
  PaintSection(Skinned(), {}, -1, -1, false, Bmp.View(), {0, 0}, {1, 1, 3, 3}, 0);
  EXPECT_EQ(Bmp.Row(1)[1], Opaque(0x3366CC));
  EXPECT_EQ(Bmp.Row(2)[2], Opaque(0x3366CC));
  EXPECT_EQ(Bmp.Row(0)[0], 0u);
  EXPECT_EQ(Bmp.Row(3)[3], 0u);
}

TEST_F(SectionPaint, FullTransparencyShowsExactlyTheParent) {
  Section(0x3366CC, 100);
  const TBitmap32 Parent = NamedPixels(10, 10, 33);
  TBitmap32 Bmp = Filled(4, 3, Back);
  // The bitmap's origin lies at (5, 2) of a parent picture whose child starts at (1, 1).
  PaintSection(Skinned(), ReadyParent(Parent, 1, 1), -1, -1, false, Bmp.View(), {5, 2}, {0, 0, 4, 3}, 0);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X) EXPECT_EQ(Bmp.Row(Y)[X], At(X + 6, Y + 3, 33)) << X << "," << Y;
}

TEST_F(SectionPaint, HalfTransparentOverAColourIsOneMixedColour) {
  Section(0x0000FF, 50);
  TBitmap32 Bmp = Filled(3, 2, Back);
  PaintSection(Skinned(), ColourParent(0xFFFFFF), -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 3, 2}, 0);
  const TColor Mixed = static_cast<TColor>(BlendTwoColors(0xFFFFFF, 0x0000FF, 127));
  EXPECT_EQ(Mixed, 0x7E7EFE);  // 255 * 255 >> 8 = 254
  EXPECT_EQ(Bmp, Filled(3, 2, Opaque(Mixed)));
}

TEST_F(SectionPaint, HalfTransparentOverAPictureBlendsTheLayersOverIt) {
  Section(0x000000, 50);
  const TBitmap32 Parent = Filled(4, 4, 0xFFC8C8C8u);
  TBitmap32 Bmp = Filled(2, 2, Back);
  PaintSection(Skinned(), ReadyParent(Parent), -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 2, 2}, 0);
  // The parent keeps weight 127: (127 * 200 + 0 * 129) >> 8 = 99 per colour byte.
  EXPECT_EQ(Bmp.Row(1)[1], 0xFF636363u);
}

TEST_F(SectionPaint, ColourFrameAnswerTakesTheFrameFromThePicture) {
  Section(0x3366CC, 100);
  const TBitmap32 Picture = NamedPixels(6, 6, 21);
  TCacheInfo Parent = ColourParent(0x0000FF);
  Parent.Bmp = Picture.View();
  Parent.FillRect = {1, 2, 1, 1};  // left 1, top 2, right 1, bottom 1
  TBitmap32 Bmp = Filled(6, 6, Back);
  PaintSection(Skinned(), Parent, -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 6, 6}, 0);
  EXPECT_EQ(Bmp.Row(0)[3], At(3, 0, 21));
  EXPECT_EQ(Bmp.Row(1)[5], At(5, 1, 21));
  EXPECT_EQ(Bmp.Row(3)[0], At(0, 3, 21));
  EXPECT_EQ(Bmp.Row(3)[5], At(5, 3, 21));
  EXPECT_EQ(Bmp.Row(5)[2], At(2, 5, 21));
  EXPECT_EQ(Bmp.Row(2)[1], Opaque(0x0000FF));
  EXPECT_EQ(Bmp.Row(4)[4], Opaque(0x0000FF));
}

TEST_F(SectionPaint, HalfTransparentLayersOverAColourUseTheColourAlone) {
  // A gradient makes a layer to blend; under it lies the parent's colour only, even where a
  // colour frame would take the parent's picture.
  TsGenState& S = Section(0x000000, 50);
  S.GradientPercent = 100;
  S.GradientArray = {TsGradPoint{0, 0, TsColor{0, 0, 0, 0}, 0}, TsGradPoint{1, 0, TsColor{0, 0, 0, 0}, 100}};
  const TBitmap32 Picture = NamedPixels(4, 4, 21);
  TCacheInfo Parent = ColourParent(0xC8C8C8);
  Parent.Bmp = Picture.View();
  Parent.FillRect = {1, 1, 1, 1};
  TBitmap32 Bmp = Filled(4, 4, Back);
  PaintSection(Skinned(), Parent, -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 4, 4}, 0);
  EXPECT_EQ(Bmp.Row(0)[0], 0xFF636363u);  // (127 * 200) >> 8 = 99
  EXPECT_EQ(Bmp.Row(1)[1], 0xFF636363u);
}

TEST_F(SectionPaint, TextureAndGradientMixInOneTexturedPass) {
  // 20 % texture, 80 % gradient of one colour: every pixel is (51 * (t - g) + g * 256) >> 8,
  // with the texture tiled from the bitmap's corner, not from the rectangle's.
  TsGenState& S = Section(0x000000);
  Skin.MasterBitmap = BitmapOf(2, 1, {0xFF0000FFu, 0xFF00FF00u});
  S.TextureIndex = AddItem(Item({0, 0, 2, 1}, 1, 0, 0));
  S.ImagePercent = 20;
  S.GradientPercent = 80;
  S.GradientArray = {TsGradPoint{0, 0, TsColor{0, 0, 200, 0}, 0}, TsGradPoint{1, 0, TsColor{0, 0, 200, 0}, 100}};
  TBitmap32 Bmp = Filled(4, 2, Back);
  PaintSectionBackground(Skinned(), {}, 0, Bmp.View(), {0, 0}, {1, 0, 4, 2});
  const auto Mix = [](int T, int G) { return static_cast<TPixel32>((51 * (T - G) + G * 256) >> 8); };
  // Column 1 lies under texture pixel 1 (green), column 2 under pixel 0 (red byte 0 in blue).
  const TPixel32 UnderGreen = 0xFF000000u | (Mix(0, 200) << 0) | (Mix(255, 0) << 8);
  const TPixel32 UnderBlue = 0xFF000000u | (Mix(255, 200) << 0);
  EXPECT_EQ(Bmp.Row(0)[1], UnderGreen);
  EXPECT_EQ(Bmp.Row(1)[2], UnderBlue);
  EXPECT_EQ(Bmp.Row(0)[0], Back);
}

TEST_F(SectionPaint, GradientAloneAtFullPercent) {
  TsGenState& S = Section(0x000000);
  S.GradientPercent = 100;
  S.GradientArray = {TsGradPoint{0, 0, TsColor{10, 20, 30, 0}, 0}, TsGradPoint{1, 0, TsColor{10, 20, 30, 0}, 100}};
  TBitmap32 Bmp = Filled(2, 2, Back);
  PaintSectionBackground(Skinned(), {}, 0, Bmp.View(), {0, 0}, {0, 0, 2, 2});
  EXPECT_EQ(Bmp, Filled(2, 2, Opaque(0x1E140A)));
}

TEST_F(SectionPaint, PartialLayersFadeTowardsTheColour) {
  TsGenState& S = Section(0xFFFFFF);
  S.GradientPercent = 50;
  S.GradientArray = {TsGradPoint{0, 0, TsColor{0, 0, 0, 0}, 0}, TsGradPoint{1, 0, TsColor{0, 0, 0, 0}, 100}};
  TBitmap32 Bmp = Filled(1, 4, Back);
  PaintSectionBackground(Skinned(), {}, 0, Bmp.View(), {0, 0}, {0, 0, 1, 4});
  // Black kept with weight 127, white the rest: (0 * 127 + 255 * 128) >> 8 = 127.
  EXPECT_EQ(Bmp.Row(0)[0], 0xFF7F7F7Fu);
}

TEST_F(SectionPaint, StateIsClampedToTheSectionsStates) {
  Section(0x000001, 0, 3);
  Skin.gd[0].Props[2].Color = 0x000002;
  TBitmap32 Bmp = Filled(1, 1, Back);
  PaintSection(Skinned(), {}, -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 1, 1}, 3);
  EXPECT_EQ(Bmp.Row(0)[0], Opaque(0x000002));

  // Four states: images use state 3, properties state 2.
  Section(0x000001, 0, 4);
  Skin.gd[0].Props[2].Color = 0x000002;
  Skin.MasterBitmap = NamedPixels(4, 1);
  Skin.gd[0].ImgTL = AddItem(Item({0, 0, 4, 1}, 4, 0));
  TBitmap32 Four = Filled(2, 1, Back);
  PaintSection(Skinned(), {}, -1, -1, false, Four.View(), {0, 0}, {0, 0, 2, 1}, 3);
  EXPECT_EQ(Four.Row(0)[0], At(3, 0));
  EXPECT_EQ(Four.Row(0)[1], Opaque(0x000002));
}

TEST_F(SectionPaint, CornerImagesSitInTheFourCorners) {
  Section(0x000000);
  Skin.MasterBitmap = NamedPixels(2, 2);
  TsMaskData Corner = Item({1, 1, 2, 2}, 1, 0);
  const int I = AddItem(Corner);
  Skin.gd[0].ImgTL = Skin.gd[0].ImgTR = Skin.gd[0].ImgBL = Skin.gd[0].ImgBR = I;
  TBitmap32 Bmp = Filled(5, 4, Back);
  PaintSection(Skinned(), {}, -1, -1, false, Bmp.View(), {0, 0}, {1, 0, 5, 4}, 0);
  EXPECT_EQ(Bmp.Row(0)[1], At(1, 1));
  EXPECT_EQ(Bmp.Row(0)[4], At(1, 1));
  EXPECT_EQ(Bmp.Row(3)[1], At(1, 1));
  EXPECT_EQ(Bmp.Row(3)[4], At(1, 1));
  EXPECT_EQ(Bmp.Row(1)[2], Opaque(0));
}

TEST_F(SectionPaint, BorderNotInState0LeavesEffectsToOpaqueStates) {
  Section(0x808080, 50);
  Skin.MasterBitmap = NamedPixels(6, 3);
  Skin.gd[0].BorderIndex = AddItem(Item({0, 0, 6, 3}, 2, 0, dmNotInState0, 1, 1, 1, 1));
  Look.ColorTone = 0x0000FF;
  TBitmap32 Bmp = Filled(3, 3, Back);
  PaintSection(Skinned(), ColourParent(0x808080), -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 3, 3}, 0);
  EXPECT_EQ(Bmp.Row(0)[0], Opaque(0x7F7F7F));  // no border, no tone: the state is not opaque

  Skin.gd[0].Props[0].Transparency = 0;
  PaintSection(Skinned(), ColourParent(0x808080), -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 3, 3}, 0);
  EXPECT_EQ(Bmp.Row(0)[0], Opaque(EffectColor(0x808080, Look)));
  EXPECT_EQ(Opaque(EffectColor(0x808080, Look)), Opaque(0x00007F));

  PaintSection(Skinned(), ColourParent(0x808080), -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 3, 3}, 1);
  EXPECT_EQ(Bmp.Row(0)[0], TintPixel(At(3, 0), 0x0000FF));  // state 1 border, toned
}

TEST_F(SectionPaint, BorderCornersFindTheParentAtTheBitmapsOffset) {
  Section(0x000000);
  TBitmap32 Master = NamedPixels(3, 3);
  Master.Row(0)[0] = 0x00FF00FFu;
  Skin.MasterBitmap = Master;
  TsMaskData Border = Item({0, 0, 3, 3}, 1, 0, 0, 1, 1, 1, 1);
  Border.CornerType = 1;
  Skin.gd[0].BorderIndex = AddItem(Border);
  const TBitmap32 Parent = NamedPixels(10, 10, 60);
  TBitmap32 Bmp = Filled(4, 4, Back);
  PaintSection(Skinned(), ReadyParent(Parent, 1, 2), -1, -1, true, Bmp.View(), {3, 4}, {0, 0, 4, 4}, 0);
  EXPECT_EQ(Bmp.Row(0)[0], At(4, 6, 60));
  PaintSection(Skinned(), ReadyParent(Parent, 1, 2), -1, -1, false, Bmp.View(), {3, 4}, {0, 0, 4, 4}, 0);
  EXPECT_EQ(Bmp.Row(0)[0], Opaque(0));  // without parent corners the background stays
}

TEST_F(SectionPaint, MaskedMode10OverlayLiesOverTheBackground) {
  TsGenState& S = Section(0x000000);
  Skin.MasterBitmap = BitmapOf(1, 2, {0xFF00FF00u, 0});
  S.TextureIndex = AddItem(Item({0, 0, 1, 2}, 1, 1, 10));
  TBitmap32 Bmp = Filled(3, 3, Back);
  PaintSection(Skinned(), ColourParent(0x0000FF), -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 3, 3}, 0);
  EXPECT_EQ(Bmp.Row(0)[0], 0xFF00FF00u);
  EXPECT_EQ(Bmp.Row(1)[1], 0xFF00FF00u);
  EXPECT_EQ(Bmp.Row(2)[2], Opaque(0x0000FF));  // the uncovered strip takes the parent's colour
}

TEST_F(SectionPaint, NothingIsPaintedForBadInput) {
  Section(0x3366CC);
  const TBitmap32 Clean = Filled(4, 4, Back);
  const TRect Rects[] = {{0, 0, 5, 4}, {-1, 0, 3, 3}, {3, 3, 1, 1}, {2, 2, 2, 2}};
  for (const TRect& R : Rects) {
    TBitmap32 Bmp = Clean;
    PaintSection(Skinned(), {}, -1, -1, false, Bmp.View(), {0, 0}, R, 0);
    PaintSectionByIndex(0, {}, 0, -1, -1, Store(), Bmp.View(), {0, 0}, R, -1);
    EXPECT_EQ(Bmp, Clean) << R.Left << "," << R.Top << "," << R.Right << "," << R.Bottom;
  }
  TBitmap32 Bmp = Clean;
  TsSectionLook Invalid = Skinned();
  Invalid.SkinIndex = 1;
  PaintSection(Invalid, {}, -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 4, 4}, 0);
  Invalid.SkinIndex = -1;
  PaintSection(Invalid, {}, -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 4, 4}, 0);
  Invalid = Skinned();
  Invalid.Manager = nullptr;
  PaintSection(Invalid, {}, -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 4, 4}, 0);
  PaintSectionByIndex(0, {}, 0, -1, -1, nullptr, Bmp.View(), {0, 0}, {0, 0, 4, 4}, -1);
  EXPECT_EQ(Bmp, Clean);
}

TEST_F(SectionPaint, SectionByIndexPaintsTheGivenBorder) {
  Section(0x000000);
  Skin.MasterBitmap = NamedPixels(3, 3);
  const int Border = AddItem(Item({0, 0, 3, 3}, 1, 0, 0, 1, 1, 1, 1));
  TBitmap32 Bmp = Filled(4, 4, Back);
  PaintSectionByIndex(0, {}, 0, -1, -1, Store(), Bmp.View(), {0, 0}, {0, 0, 4, 4}, Border);
  EXPECT_EQ(Bmp.Row(0)[0], At(0, 0));
  EXPECT_EQ(Bmp.Row(3)[3], At(2, 2));
  EXPECT_EQ(Bmp.Row(1)[1], Opaque(0));
}

TEST_F(SectionPaint, CustomColourReplacesTheSkinLayers) {
  Section(0x3366CC, 100);
  Look.CustomColor = 0x00FF00;
  TBitmap32 Bmp = Filled(2, 2, Back);
  PaintSection(Skinned(), ColourParent(0x0000FF), -1, -1, false, Bmp.View(), {0, 0}, {0, 0, 2, 2}, 0);
  EXPECT_EQ(Bmp, Filled(2, 2, Opaque(0x00FF00)));
}

// ---- Colours seen through a control

TEST_F(SectionPaint, ControlColourAndBackgroundQueryMixDiffer) {
  Section(0x000000, 50);
  const TParentColorQuery White = [](bool) { return TColor{0xFFFFFF}; };
  EXPECT_EQ(ControlColor(Skinned(), 0, 0x123456, White), 0x7E7E7E);
  EXPECT_EQ(BgColorQueryAnswer(Skinned(), 0x123456, White), 0x313131);
}

TEST_F(SectionPaint, ColourQueriesAtTheirEndPoints) {
  TsGenState& S = Section(0x112233, 0, 2);
  Skin.gd[0].Props[1].Color = 0x445566;
  Skin.gd[0].Props[1].Transparency = 100;
  bool AskedAny = true;
  const TParentColorQuery Parent = [&AskedAny](bool Any) {
    AskedAny = Any;
    return TColor{0x0A0B0C};
  };
  EXPECT_EQ(ControlColor(Skinned(), 0, 0x999999, Parent), 0x112233);
  EXPECT_EQ(ControlColor(Skinned(), 2, 0x999999, Parent), 0x0A0B0C);  // hot properties
  EXPECT_FALSE(AskedAny);
  EXPECT_EQ(BgColorQueryAnswer(Skinned(), 0x999999, Parent), 0x112233);
  S.Transparency = 30;
  EXPECT_EQ(BgColorQueryAnswer(Skinned(), 0x999999, Parent), BgColorQueryMix(0x0A0B0C, 0x112233, 30));
  EXPECT_TRUE(AskedAny);  // a partly transparent control asks any parent
  Look.CustomColor = 0x00FF00;
  EXPECT_EQ(ControlColor(Skinned(), 0, 0x999999, Parent), 0x999999);
  TsSectionLook Unskinned;
  EXPECT_EQ(ControlColor(Unskinned, 0, 0x999999, Parent), 0x999999);
  EXPECT_EQ(BgColorQueryAnswer(Unskinned, 0x999999, Parent), 0x999999);
}

TEST(EffectColour, AppliesToneHueAndSaturationLikeThePicture) {
  TsSectionLook Look;
  EXPECT_EQ(EffectColor(0x336699, Look), 0x336699);
  Look.Saturation = -100;
  const TColor Grey = EffectColor(0x0000FF, Look);
  EXPECT_EQ(Grey & 0xFF, (Grey >> 8) & 0xFF);
  EXPECT_EQ(Grey & 0xFF, (Grey >> 16) & 0xFF);
  Look.Saturation = 0;
  Look.HueOffset = 120;
  EXPECT_EQ(ExchangeRedBlue(static_cast<TPixel32>(EffectColor(0x0000FF, Look))),
            RotateHue(120, ExchangeRedBlue(static_cast<TPixel32>(0x0000FF))));
  EXPECT_EQ(EffectColor(clFuchsia, Look), clFuchsia);
}

// ---- Background answers

TEST(BackgroundAnswer, PictureAndColourKinds) {
  const TBitmap32 Picture = Filled(3, 3, 1);
  BackgroundInfo Info;
  Info.Picture = Picture.View();
  Info.Offset = {4, 5};
  Info.Color = SystemColor(15);
  Info.ColorFrame = {1, 2, 3, 4};
  Info.Kind = bkPicture;
  const auto Resolve = [](TColor C) { return IsSystemColor(C) ? TColor{0x0F0F0F} : C; };
  const TCacheInfo Ready = BackgroundToCacheInfo(Info, Resolve);
  EXPECT_TRUE(Ready.Ready);
  EXPECT_EQ(Ready.Bmp.Row0, Picture.View().Row0);
  EXPECT_EQ(Ready.X, 4);
  EXPECT_EQ(Ready.Y, 5);
  EXPECT_EQ(Ready.FillColor, clFuchsia);
  EXPECT_TRUE(Ready.FillRect.IsEmpty());
  Info.Kind = bkColor;
  const TCacheInfo Colour = BackgroundToCacheInfo(Info, Resolve);
  EXPECT_FALSE(Colour.Ready);
  EXPECT_EQ(Colour.FillColor, 0x0F0F0F);
  EXPECT_EQ(Colour.FillRect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(Colour.X, 4);
}

// Rectangles and offsets at the ends of the int range and indexes no skin has: a rectangle
// not inside the bitmap and an invalid section paint nothing, an invalid border or texture
// index is left out, a parent picture shifted beyond the int range shows nowhere.
TEST_F(SectionPaint, AnyRectangleOffsetOrIndexPaintsWhatFits) {
  constexpr int Min = INT_MIN;
  constexpr int Max = INT_MAX;
  const TBitmap32 Picture = NamedPixels(10, 10, 60);
  const TBitmap32 Untouched = Filled(4, 3, Back);
  TBitmap32 Shown(4, 3);  // the parent picture from (0, 0)
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X) Shown.Row(Y)[X] = At(X, Y, 60);
  TCacheInfo Framed = ColourParent(0x0000FF);  // a frame wider and higher than its picture
  Framed.Bmp = Picture.View();
  Framed.FillRect = {Max, Max, Min, Min};
  const struct {
    int Transparency;
    int SkinIndex;
    TCacheInfo Parent;
    TPoint Offset;
    TRect Rect;
    const TBitmap32& Expected;
  } Cases[] = {
      {0, 0, {}, {0, 0}, {Min, Min, Max, Max}, Untouched},
      {0, 0, {}, {0, 0}, {-20000, -20000, 20000, 20000}, Untouched},
      {0, 0, {}, {0, 0}, {0, 0, Max, 3}, Untouched},
      {0, Max, {}, {0, 0}, {0, 0, 4, 3}, Untouched},
      {0, -1, {}, {0, 0}, {0, 0, 4, 3}, Untouched},
      {0, Min, {}, {0, 0}, {0, 0, 4, 3}, Untouched},
      {100, 0, ReadyParent(Picture, 1, 1), {Max, Max}, {0, 0, 4, 3}, Untouched},
      {100, 0, ReadyParent(Picture, -1, -1), {Min, Min}, {0, 0, 4, 3}, Untouched},
      {100, 0, ReadyParent(Picture, 1, 1), {-1, -1}, {0, 0, 4, 3}, Shown},
      // The frame's widths held to the picture: its top strip is all of it.
      {100, 0, Framed, {0, 0}, {0, 0, 4, 3}, Shown},
  };
  for (const auto& C : Cases) {
    Section(0x3366CC, C.Transparency);
    Look.SkinIndex = C.SkinIndex;
    TBitmap32 Bmp = Filled(4, 3, Back);
    PaintSection(Skinned(), C.Parent, -1, -1, true, Bmp.View(), C.Offset, C.Rect, 0);
    EXPECT_EQ(Bmp, C.Expected) << "section " << C.SkinIndex << " offset " << C.Offset.X << " rect " << C.Rect.Left
                               << ", " << C.Rect.Right;
    TBitmap32 ByIndex = Filled(4, 3, Back);
    PaintSectionByIndex(C.SkinIndex, C.Parent, 0, -1, -1, Store(), ByIndex.View(), C.Offset, C.Rect, -1);
    EXPECT_EQ(ByIndex, C.Expected) << "section " << C.SkinIndex << " offset " << C.Offset.X << " rect "
                                   << C.Rect.Left << ", " << C.Rect.Right;
  }
  // Border and texture (and overlay texture) indexes no skin has: the colour alone.
  Section(0x3366CC);
  for (const int Index : {Min, -2, 0, Max}) {
    TBitmap32 Bmp = Filled(4, 3, Back);
    PaintSectionByIndex(0, {}, 0, Index, Index, Store(), Bmp.View(), {0, 0}, {0, 0, 4, 3}, Index);
    EXPECT_EQ(Bmp, Filled(4, 3, Opaque(0x3366CC))) << Index;
  }
}


TEST_F(SectionPaint, ColourEffectsRunOnePassEachSoAPixelTurnedIntoTheKeyIsSkippedAfterwards) {
  // Hue 180 turns green into magenta; a transparent green pixel so becomes the key, which
  // the saturation pass leaves, while the opaque one goes grey: round(0.299 * 255 + 0.114 *
  // 255) = 105, each byte (255 * 105) >> 8 = 104.
  TBitmap32 Picture = BitmapOf(3, 1, {0x0000FF00u, 0xFF00FF00u, 0x00FF00FFu});
  TsSectionLook Effects;
  Effects.HueOffset = 180;
  Effects.Saturation = -100;
  ApplyColorEffects(Picture.View(), Effects);
  EXPECT_EQ(Picture.Row(0)[0], 0x00FF00FFu);
  EXPECT_EQ(Picture.Row(0)[1], 0xFF686868u);
  EXPECT_EQ(Picture.Row(0)[2], 0x00FF00FFu);  // the key from the start
  // No effect asked for: nothing changes.
  TBitmap32 Same = BitmapOf(1, 1, {0xFF123456u});
  ApplyColorEffects(Same.View(), TsSectionLook{});
  EXPECT_EQ(Same.Row(0)[0], 0xFF123456u);
}

}  // namespace
