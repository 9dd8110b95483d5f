// The title layout of a single-bordered form with the lone close button, worked by hand for
// the two system captions the program meets: Windows 10's 23 pixels and Wine's 19.
#include <gtest/gtest.h>

#include "skin/frame/FrameItems.h"

namespace {

// The internal skin's title values: BITOP=3, BIRIGHT=2, no BILEFT, 24 x 25 close glyphs.
constexpr TFrameSkinValues InternalValues{0, 3, 2, 0, 24, 25, false};

constexpr TFrameForm SingleBorder(int Width, int Height, int Caption) {
  return {Width, Height, Caption, 3, 3, false, true};
}

TEST(IconSizeFor, StepsAtEachBound) {
  const struct {
    int Height, Side;
  } Cases[] = {{-5, 1}, {8, 1}, {9, 8}, {16, 8}, {17, 16}, {47, 16}, {48, 24}, {64, 24}, {65, 32}};
  for (const auto& C : Cases) EXPECT_EQ(IconSizeFor(C.Height), C.Side) << C.Height;
}

TEST(CalcItems, WindowsTenCaption) {
  const TFrameItems Items = CalcItems(SingleBorder(814, 512, 23), InternalValues);
  EXPECT_EQ(Items.VCenter, 12);  // 23 div 2 + 3 div 2
  EXPECT_EQ(Items.FHeaderHeight, 26);
  EXPECT_EQ(Items.FIconRect, (TRect{3, 4, 19, 20}));  // 16 x 16 for 23 - 3, centred on 12
  EXPECT_EQ(Items.CloseRect, (TRect{814 - 30, 0, 814 - 6, 25}));
  EXPECT_EQ(Items.CaptionButtonsWidth, 26);
  EXPECT_EQ(Items.CaptionLeft, 3 + 16 + 4);
  EXPECT_EQ(Items.CaptionRight, 814 - 26 - 12);
}

TEST(CalcItems, WineCaption) {
  const TFrameItems Items = CalcItems(SingleBorder(814, 508, 19), InternalValues);
  EXPECT_EQ(Items.VCenter, 10);  // 19 div 2 + 3 div 2
  EXPECT_EQ(Items.FHeaderHeight, 22);
  EXPECT_EQ(Items.FIconRect, (TRect{3, 6, 11, 14}));  // 19 - 3 leaves room for 8 x 8 only
  // The 25-pixel button centred on 10 reaches 2 pixels above the window.
  EXPECT_EQ(Items.CloseRect, (TRect{814 - 30, -2, 814 - 6, 23}));
  EXPECT_EQ(Items.CaptionLeft, 3 + 8 + 4);
}

TEST(CalcItems, SkinMarginsAndAlignment) {
  TFrameSkinValues Skin = InternalValues;
  Skin.BILeftMargin = 5;
  Skin.BIVAlign = 1;
  Skin.HasCaptionSection = true;
  const TFrameItems Items = CalcItems(SingleBorder(400, 300, 23), Skin);
  EXPECT_EQ(Items.FIconRect, (TRect{8, 4, 24, 20}));
  EXPECT_EQ(Items.CloseRect, (TRect{400 - 30, 0, 400 - 6, 25}));  // at the top, not centred
  EXPECT_EQ(Items.CaptionLeft, 3 + 16 + 5 + 2 + 4);
}

TEST(CalcItems, RightEdgeKeepsFourPixelsFromAThinBorderAndTheBorderFromAWideOne) {
  TFrameForm Thin = SingleBorder(400, 300, 23);
  Thin.BorderWidth = 1;
  EXPECT_EQ(CalcItems(Thin, InternalValues).CloseRect.Right, 400 - 2 - 4);
  TFrameForm Wide = SingleBorder(400, 300, 23);
  Wide.BorderWidth = 8;
  EXPECT_EQ(CalcItems(Wide, InternalValues).CloseRect.Right, 400 - 2 - 8);
}

TEST(CalcItems, NoIconGivesAnEmptyIconRectAndMoreRoomForTheCaption) {
  TFrameForm Form = SingleBorder(400, 300, 23);
  Form.ShowIcon = false;
  const TFrameItems Items = CalcItems(Form, InternalValues);
  EXPECT_EQ(Items.FIconRect.Width(), 0);
  EXPECT_EQ(Items.CaptionLeft, 3 + 4);
}

TEST(FrameSkinValues, GlyphSizesFromTheSkinElse21) {
  TsSkin Skin;
  Skin.CommonSkinData.BITopMargin = 3;
  Skin.CommonSkinData.BIRightMargin = 2;
  Skin.CommonSkinData.BILeftMargin = 1;
  Skin.CommonSkinData.BIVAlign = 1;
  // Extended-border values do not reach the frame of a form without extended borders.
  Skin.CommonSkinData.ExTitleHeight = 40;
  Skin.CommonSkinData.ExBorderWidth = 16;
  const TsSkinStore Bare{TsSkin(Skin)};
  const TFrameSkinValues Missing = FrameSkinValues(Bare);
  EXPECT_EQ(Missing.CloseWidth, 21);
  EXPECT_EQ(Missing.ButtonHeight, 21);
  EXPECT_FALSE(Missing.HasCaptionSection);
  EXPECT_EQ(Missing.BITopMargin, 3);
  EXPECT_EQ(Missing.BIRightMargin, 2);
  EXPECT_EQ(Missing.BILeftMargin, 1);
  EXPECT_EQ(Missing.BIVAlign, 1);

  TsMaskData Alone;
  Alone.Width = 24;
  Alone.Height = 25;
  TsMaskData Close;
  Close.Width = 30;
  Close.Height = 27;
  Skin.ma = {Alone, Close};
  Skin.ConstData.TitleGlyphs[tgCloseAlone] = 0;
  Skin.ConstData.TitleGlyphs[tgClose] = 1;
  Skin.gd.resize(1);
  Skin.gd[0].ClassName = "CAPTION";
  const TFrameSkinValues Given = FrameSkinValues(TsSkinStore(std::move(Skin)));
  EXPECT_EQ(Given.CloseWidth, 24);   // the lone glyph's width
  EXPECT_EQ(Given.ButtonHeight, 27);  // every button as tall as BICONCLOSE
  EXPECT_TRUE(Given.HasCaptionSection);
}

TEST(FrameSkinValues, AGlyphIndexOutOfRangeCountsAsMissing) {
  TsSkin Skin;
  Skin.ConstData.TitleGlyphs[tgCloseAlone] = 7;
  Skin.ConstData.TitleGlyphs[tgClose] = -3;
  const TFrameSkinValues Values = FrameSkinValues(TsSkinStore(std::move(Skin)));
  EXPECT_EQ(Values.CloseWidth, 21);
  EXPECT_EQ(Values.ButtonHeight, 21);
}

}  // namespace
