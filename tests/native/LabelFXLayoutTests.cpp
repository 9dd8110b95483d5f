// The effect label's text box turned by an angle, its text rectangle beside the shadow, and
// its bounds after a resize that keeps the text in place. Expected values worked by hand.
#include <gtest/gtest.h>

#include "skin/controls/core/LabelFXLayout.h"

namespace {

struct TRotationCase {
  int Angle;
  int BoxWidth, BoxHeight, OriginX, OriginY;
};

TEST(LabelFXLayout, ATurnedTextBoxSwapsItsSidesAndMovesItsOriginToKeepTheTextCentred) {
  // 100 x 20 text. 90: cos 0, sin 1: 20 x 100; X = round((100 - 20) / 2) + (20 - 100) / 2 = 0,
  // Y = round((20 + 100) / 2) + (100 - 20) / 2 = 100 (the text runs upwards from the bottom).
  // 180: X = round(200 / 2) = 100, Y = round(40 / 2) = 20. 45: both sides round(84.85) = 85;
  // X = round((100 - 70.71 - 14.14) / 2) + (85 - 100) / 2 = 8 - 7 = 1,
  // Y = round((20 - 14.14 + 70.71) / 2) + (85 - 20) / 2 = 38 + 32 = 70.
  const TRotationCase Cases[] = {
      {0, 100, 20, 0, 0}, {90, 20, 100, 0, 100}, {180, 100, 20, 100, 20}, {45, 85, 85, 1, 70}};
  for (const TRotationCase& C : Cases) {
    SCOPED_TRACE(C.Angle);
    const TRotatedText Box = RotatedTextBox(100, 20, C.Angle);
    EXPECT_EQ(Box.Width, C.BoxWidth);
    EXPECT_EQ(Box.Height, C.BoxHeight);
    EXPECT_EQ(Box.Origin, (TPoint{C.OriginX, C.OriginY}));
  }
}

struct TTextRectCase {
  const char* What;
  TShadowData Shadow;
  TRect Client;
  TAlignment Alignment;
  TTextLayout Layout;
  TRect Expected;
};

TEST(LabelFXLayout, TheTextSitsByItsAlignmentWithTheShadowsRoomOnTheFarSide) {
  const TShadowData Skin{0, 1, 1, 255};    // extents 0 and 2
  const TShadowData Custom{0, 4, 1, 255};  // extents -3 and 5
  const TTextRectCase Cases[] = {
      {"skin shadow, left and top", Skin, {0, 0, 52, 18}, TAlignment::taLeftJustify, TTextLayout::tlTop, {0, 0, 50, 16}},
      // 52 - 50 - 2 = 0; centred: (52 - 50 - 2 - 0) / 2 + 1 = 1.
      {"skin shadow, right and bottom", Skin, {0, 0, 52, 18}, TAlignment::taRightJustify, TTextLayout::tlBottom,
       {0, 0, 50, 16}},
      {"skin shadow, centred", Skin, {0, 0, 52, 18}, TAlignment::taCenter, TTextLayout::tlCenter, {1, 1, 51, 17}},
      // Left: 0 + 3; right: 58 - 50 - 5 = 3; centred: (58 - 50 - 5 + 3) / 2 + 1 = 4.
      {"wide blur, left and top", Custom, {0, 0, 58, 24}, TAlignment::taLeftJustify, TTextLayout::tlTop,
       {3, 3, 53, 19}},
      {"wide blur, right and centred", Custom, {0, 0, 58, 24}, TAlignment::taRightJustify, TTextLayout::tlCenter,
       {3, 4, 53, 20}},
      {"wide blur, centred and bottom", Custom, {0, 0, 58, 24}, TAlignment::taCenter, TTextLayout::tlBottom,
       {4, 3, 54, 19}},
  };
  for (const TTextRectCase& C : Cases) {
    SCOPED_TRACE(C.What);
    EXPECT_EQ(ShadowedTextRect(C.Client, 50, 16, C.Alignment, C.Layout, C.Shadow), C.Expected);
  }
}

struct TBoundsCase {
  const char* What;
  bool AutoSize;
  TAlignment Alignment;
  TTextLayout Layout;
  TacOffsetKeeper Kept;
  TRect Expected;
};

TEST(LabelFXLayout, AResizedLabelKeepsItsTextWhereItWas) {
  // A 60 x 18 label at (10, 20) with 50 x 16 text; the shadow now reaches 0 .. 2.
  const TRect Bounds{10, 20, 70, 38};
  const TacOffsetKeeper Skin{0, 2};
  const TBoundsCase Cases[] = {
      {"auto size, same extents", true, TAlignment::taLeftJustify, TTextLayout::tlTop, {0, 2}, {10, 20, 62, 38}},
      // From -3 .. 5: the left edge moves by 0 - (-3) = 3, and down as much.
      {"auto size, from a wider blur", true, TAlignment::taLeftJustify, TTextLayout::tlTop, {-3, 5},
       {13, 23, 65, 41}},
      // Right: 10 + 60 - 52 = 18; centred: 10 + (60 - 52) / 2 = 14; bottom: 20 + 18 - 18 = 20.
      {"auto size, right and bottom", true, TAlignment::taRightJustify, TTextLayout::tlBottom, {-3, 5},
       {18, 20, 70, 38}},
      {"auto size, centred", true, TAlignment::taCenter, TTextLayout::tlCenter, {-3, 5}, {14, 20, 66, 38}},
      // Without auto size: 60 + 2 - 8 = 54 wide, 18 + 2 - 8 = 12 high.
      {"fixed size, from a wider blur", false, TAlignment::taLeftJustify, TTextLayout::tlTop, {-3, 5},
       {13, 23, 67, 35}},
  };
  for (const TBoundsCase& C : Cases) {
    SCOPED_TRACE(C.What);
    EXPECT_EQ(ShadowedLabelBounds(Bounds, C.AutoSize, 50, 16, C.Alignment, C.Layout, Skin, C.Kept), C.Expected);
  }
}

}  // namespace
