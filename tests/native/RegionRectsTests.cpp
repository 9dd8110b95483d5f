// The window region from the border masks' key-colour corners, on small pictures drawn here.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/frame/RegionRects.h"
#include "tests/native/PixelTestSupport.h"

namespace {

constexpr TPixel32 Key = 0xFFFF00FFu;
constexpr TPixel32 Wall = 0xFF808080u;

// A border of two 6 x 6 state pictures above their 6 x 6 masks (a 12 x 12 picture), corners
// 2 pixels wide. Key pixels of state 0 are put by the test; the second state and the mask
// rows are all key colour, and must not be read.
TsMaskData KeyedBorder(std::initializer_list<TPoint> KeyPixels) {
  auto Picture = std::make_shared<TBitmap32>(Filled(12, 12, Key));
  for (int Y = 0; Y < 6; ++Y)
    for (int X = 0; X < 6; ++X) Picture->Row(Y)[X] = Wall;
  for (const TPoint P : KeyPixels) Picture->Row(P.Y)[P.X] = Key;
  TsMaskData Border;
  Border.Bmp = Picture;
  Border.R = {0, 0, 12, 12};
  Border.ImageCount = 2;
  Border.MaskType = 1;
  Border.WL = Border.WT = Border.WR = Border.WB = 2;
  Border.Width = Border.Height = 6;
  return Border;
}

// Key pixels in every corner, one in the middle and one just right of the top-left corner.
const std::initializer_list<TPoint> RoundCorners{{0, 0}, {1, 0}, {0, 1}, {5, 0}, {0, 5}, {4, 5}, {5, 5}, {3, 3}, {2, 0}};

TEST(AddCornerRuns, KeyRunsOfTheCornersAtTheWindowsCorners) {
  std::vector<TRect> Rects;
  AddCornerRuns(Rects, KeyedBorder(RoundCorners), {}, 20, 10, false);
  const std::vector<TRect> Expected{{0, 0, 2, 1}, {19, 0, 20, 1}, {0, 1, 1, 2}, {0, 9, 1, 10}, {18, 9, 20, 10}};
  EXPECT_EQ(Rects, Expected);
}

TEST(AddCornerRuns, TopOnlyLeavesTheBottomCorners) {
  std::vector<TRect> Rects;
  AddCornerRuns(Rects, KeyedBorder(RoundCorners), {}, 20, 10, true);
  const std::vector<TRect> Expected{{0, 0, 2, 1}, {19, 0, 20, 1}, {0, 1, 1, 2}};
  EXPECT_EQ(Rects, Expected);
}

TEST(AddCornerRuns, NoKeyColourInTheCornersGivesNoRuns) {
  std::vector<TRect> Rects;
  AddCornerRuns(Rects, KeyedBorder({{3, 3}, {2, 0}, {3, 5}}), {}, 20, 10, false);
  EXPECT_TRUE(Rects.empty());
}

TEST(AddCornerRuns, CornersWiderThanThePictureEndAtItsEdge) {
  TsMaskData Border = KeyedBorder({{2, 0}, {3, 3}});
  Border.WL = Border.WT = 100;
  Border.WR = Border.WB = 0;
  std::vector<TRect> Rects;
  AddCornerRuns(Rects, Border, {}, 20, 10, false);
  const std::vector<TRect> Expected{{2, 0, 3, 1}, {3, 3, 4, 4}};
  EXPECT_EQ(Rects, Expected);
}

TEST(AddCornerRuns, RunsOutsideASmallWindowAreCut) {
  std::vector<TRect> Rects;
  AddCornerRuns(Rects, KeyedBorder({{0, 0}, {1, 0}, {5, 0}}), {}, 1, 4, true);
  const std::vector<TRect> Expected{{0, 0, 1, 1}, {0, 0, 1, 1}};  // the right corner's pixel lands at x 0
  EXPECT_EQ(Rects, Expected);
}

TEST(AddCornerRuns, AMissingOrTooSmallPictureGivesNoRuns) {
  TsMaskData Border = KeyedBorder(RoundCorners);
  Border.Bmp.reset();
  std::vector<TRect> Rects;
  AddCornerRuns(Rects, Border, {}, 20, 10, false);  // no master either
  Border = KeyedBorder(RoundCorners);
  Border.R = {0, 0, 13, 12};
  AddCornerRuns(Rects, Border, {}, 20, 10, false);
  Border = KeyedBorder(RoundCorners);
  Border.ImageCount = 0;
  AddCornerRuns(Rects, Border, {}, 20, 10, false);
  EXPECT_TRUE(Rects.empty());
}

TEST(AddCornerRuns, CutFromTheMasterWithoutAPictureOfItsOwn) {
  TsMaskData Border = KeyedBorder(RoundCorners);
  const TBitmap32 Master = *Border.Bmp;
  Border.Bmp.reset();
  std::vector<TRect> Rects;
  AddCornerRuns(Rects, Border, Master.View(), 20, 10, true);
  EXPECT_EQ(Rects.size(), 3u);
}

TEST(CollectRegionRects, FormCornersThenTheTitlesTopCorners) {
  TsSkin Skin;
  Skin.ma = {KeyedBorder({{5, 5}}), KeyedBorder({{0, 0}, {0, 5}})};
  const TsSkinStore Store(std::move(Skin));
  const std::vector<TRect> Expected{{19, 9, 20, 10}, {0, 0, 1, 1}};
  EXPECT_EQ(CollectRegionRects(Store, 0, 1, 20, 10), Expected);
  EXPECT_EQ(CollectRegionRects(Store, -1, 1, 20, 10), (std::vector<TRect>{{0, 0, 1, 1}}));
  EXPECT_TRUE(CollectRegionRects(Store, -1, 2, 20, 10).empty());
}

TEST(WindowRegionRects, TheWindowWithoutTheRunsBandByBand) {
  const std::vector<TRect> Runs{{0, 0, 2, 1}, {19, 0, 20, 1}, {0, 1, 1, 2}, {0, 9, 1, 10}, {18, 9, 20, 10}};
  const std::vector<TRect> Expected{{2, 0, 19, 1}, {1, 1, 20, 2}, {0, 2, 20, 9}, {1, 9, 18, 10}};
  EXPECT_EQ(WindowRegionRects(20, 10, Runs), Expected);
}

TEST(WindowRegionRects, RowsAlikeShareARectangle) {
  const std::vector<TRect> Runs{{0, 0, 1, 1}, {0, 1, 1, 2}, {5, 1, 7, 2}};
  const std::vector<TRect> Expected{{1, 0, 10, 1}, {1, 1, 5, 2}, {7, 1, 10, 2}, {0, 2, 10, 4}};
  EXPECT_EQ(WindowRegionRects(10, 4, Runs), Expected);
  const std::vector<TRect> Twice{{0, 0, 1, 1}, {0, 1, 1, 2}};
  EXPECT_EQ(WindowRegionRects(10, 4, Twice), (std::vector<TRect>{{1, 0, 10, 2}, {0, 2, 10, 4}}));
}

TEST(WindowRegionRects, NoRunsIsTheWholeWindowAndOverlapsOrStrayRunsAreHarmless) {
  EXPECT_EQ(WindowRegionRects(20, 10, {}), (std::vector<TRect>{{0, 0, 20, 10}}));
  EXPECT_TRUE(WindowRegionRects(0, 10, {}).empty());
  const std::vector<TRect> Odd{{-5, 0, 3, 1}, {2, 0, 30, 1}, {25, 3, 30, 4}, {0, 20, 5, 21}};
  EXPECT_EQ(WindowRegionRects(20, 10, Odd), (std::vector<TRect>{{0, 1, 20, 10}}));
}

}  // namespace
