// Placement of a bound caption label on every side of its owner, worked by hand for an owner
// at (100, 50) of 120 x 21 and a 40 x 15 label.
#include <gtest/gtest.h>

#include "skin/render/BoundLabelLayout.h"

namespace {

constexpr TRect Owner{100, 50, 220, 71};

struct Case {
  TsCaptionLayout Layout;
  TPoint Plain;          // Offset 0, Indent 0
  TPoint Moved;          // Offset 5, Indent 2
  TAlignment Alignment;
};

TEST(BoundLabelPosition, EveryLayout) {
  using enum TAlignment;
  const Case Cases[] = {
      // Beside: 4 pixels off the owner; centred on its height one pixel high: 50 + 3 - 1.
      {sclLeft, {56, 52}, {54, 57}, taRightJustify},
      {sclLeftTop, {56, 53}, {54, 58}, taLeftJustify},
      {sclRight, {224, 52}, {226, 57}, taLeftJustify},
      {sclRightTop, {224, 53}, {226, 58}, taLeftJustify},
      // Above and below: on the owner's edge, Offset along it.
      {sclTopLeft, {100, 35}, {105, 33}, taLeftJustify},
      {sclTopCenter, {140, 35}, {145, 33}, taCenter},
      {sclTopRight, {180, 35}, {185, 33}, taRightJustify},
      {sclBottomLeft, {100, 71}, {105, 73}, taLeftJustify},
      {sclBottomCenter, {140, 71}, {145, 73}, taCenter},
      {sclBottomRight, {180, 71}, {185, 73}, taRightJustify},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(BoundLabelPosition(C.Layout, Owner, 40, 15, 0, 0), C.Plain) << C.Layout;
    EXPECT_EQ(BoundLabelPosition(C.Layout, Owner, 40, 15, 5, 2), C.Moved) << C.Layout;
    EXPECT_EQ(BoundLabelAlignment(C.Layout), C.Alignment) << C.Layout;
  }
}

TEST(BoundLabelPosition, HalvesRoundTowardZero) {
  // A label taller and wider than its owner: (10 - 15) div 2 = -2, (35 - 40) div 2 = -2.
  const TRect Small{100, 50, 135, 60};
  EXPECT_EQ(BoundLabelPosition(sclLeft, Small, 40, 15, 0, 0), (TPoint{56, 47}));
  EXPECT_EQ(BoundLabelPosition(sclTopCenter, Small, 40, 15, 0, 0), (TPoint{98, 35}));
}

TEST(BoundLabelPosition, AnUnknownLayoutSitsLeft) {
  EXPECT_EQ(BoundLabelPosition(static_cast<TsCaptionLayout>(42), Owner, 40, 15, 0, 0), (TPoint{56, 52}));
  EXPECT_EQ(BoundLabelAlignment(static_cast<TsCaptionLayout>(-1)), TAlignment::taRightJustify);
}

TEST(BoundLabelWidth, NoLimitIs9999) {
  EXPECT_EQ(BoundLabelWidth(0), 9999);
  EXPECT_EQ(BoundLabelWidth(-3), 9999);
  EXPECT_EQ(BoundLabelWidth(200), 200);
}

TEST(ScaledMaxWidth, ScalesFromTheScaleItWasGivenAt) {
  EXPECT_EQ(ScaledMaxWidth(200, 150, 100), 300);
  EXPECT_EQ(ScaledMaxWidth(300, 100, 150), 200);
  EXPECT_EQ(ScaledMaxWidth(7, 150, 100), 11);  // 10.5 rounded away from zero
  EXPECT_EQ(ScaledMaxWidth(0, 150, 100), 0);
  EXPECT_EQ(ScaledMaxWidth(200, 150, 0), -1);  // as MulDiv: no limit any more
}

}  // namespace
