// Pure layout rules of the framework: alignment of children and placement of pictures.
#include <gtest/gtest.h>

#include <vector>

#include "framework/core/AlignLayout.h"
#include "framework/core/ImageLayout.h"

namespace {

constexpr TRect Client = Bounds(0, 0, 200, 100);

TEST(AlignBoundsTest, EachKindTakesItsEdgeInTheUsualOrder) {
  // Stored in an order other than top, bottom, left, right, client on purpose.
  const std::vector<TAlignItem> Items = {
      {TAlign::alClient, Bounds(5, 5, 1, 1)},  {TAlign::alRight, Bounds(0, 0, 40, 1)}, {TAlign::alLeft, Bounds(0, 0, 30, 1)},
      {TAlign::alBottom, Bounds(0, 0, 1, 20)}, {TAlign::alTop, Bounds(0, 0, 1, 10)},   {TAlign::alNone, Bounds(7, 8, 9, 10)},
  };
  const std::vector<TRect> Expected = {
      Bounds(30, 10, 130, 70), Bounds(160, 10, 40, 70), Bounds(0, 10, 30, 70), Bounds(0, 80, 200, 20), Bounds(0, 0, 200, 10), Bounds(7, 8, 9, 10),
  };
  EXPECT_EQ(AlignBounds(Client, Items), Expected);
}

TEST(AlignBoundsTest, FollowsTheParentsClientArea) {
  const std::vector<TAlignItem> Items = {{TAlign::alRight, Bounds(0, 0, 40, 1)}, {TAlign::alClient, Bounds(0, 0, 1, 1)}};
  const std::vector<TRect> Expected = {Bounds(262, 3, 40, 50), Bounds(2, 3, 260, 50)};
  EXPECT_EQ(AlignBounds(Bounds(2, 3, 300, 50), Items), Expected);
}

TEST(AlignBoundsTest, SameKindStacksFromItsEdgeByPosition) {
  // The one nearer the top edge stays first, whatever the child order.
  const std::vector<TAlignItem> Items = {{TAlign::alTop, Bounds(0, 50, 1, 10)},
                                         {TAlign::alTop, Bounds(0, 0, 1, 20)},
                                         {TAlign::alBottom, Bounds(0, 60, 1, 5)},
                                         {TAlign::alBottom, Bounds(0, 90, 1, 7)}};
  const std::vector<TRect> Expected = {Bounds(0, 20, 200, 10), Bounds(0, 0, 200, 20), Bounds(0, 88, 200, 5), Bounds(0, 93, 200, 7)};
  EXPECT_EQ(AlignBounds(Client, Items), Expected);
}

TEST(AlignBoundsTest, RealigningAnAlignedLayoutChangesNothing) {
  const std::vector<TAlignItem> Items = {{TAlign::alTop, Bounds(0, 0, 1, 10)},
                                         {TAlign::alTop, Bounds(0, 0, 1, 15)},
                                         {TAlign::alLeft, Bounds(0, 0, 20, 1)},
                                         {TAlign::alClient, Bounds(0, 0, 1, 1)}};
  const std::vector<TRect> First = AlignBounds(Client, Items);
  std::vector<TAlignItem> Again = Items;
  for (std::size_t I = 0; I < Again.size(); ++I) Again[I].Bounds = First[I];
  EXPECT_EQ(AlignBounds(Client, Again), First);
}

TEST(AlignBoundsTest, OverfullEdgesLeaveTheClientChildNothing) {
  const std::vector<TAlignItem> Items = {
      {TAlign::alLeft, Bounds(0, 0, 150, 1)}, {TAlign::alRight, Bounds(0, 0, 80, 1)}, {TAlign::alClient, Bounds(0, 0, 1, 1)}};
  const std::vector<TRect> Result = AlignBounds(Client, Items);
  EXPECT_EQ(Result[0], Bounds(0, 0, 150, 100));
  EXPECT_EQ(Result[1].Width(), 80);  // keeps its own width
  EXPECT_EQ(Result[2].Width(), 0);
  EXPECT_EQ(Result[2].Height(), 100);
}

struct TImageCase {
  int ControlWidth, ControlHeight, PictureWidth, PictureHeight;
  bool Stretch, Proportional, Center;
  TRect Expected;
};

class ImageDestRectTest : public testing::TestWithParam<TImageCase> {};

TEST_P(ImageDestRectTest, PlacesThePicture) {
  const TImageCase& C = GetParam();
  EXPECT_EQ(ImageDestRect(C.ControlWidth, C.ControlHeight, C.PictureWidth, C.PictureHeight, C.Stretch,
                          C.Proportional, C.Center),
            C.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageDestRectTest,
    testing::Values(
        TImageCase{30, 30, 60, 60, false, false, false, Bounds(0, 0, 60, 60)},  // natural size, top-left
        TImageCase{30, 30, 10, 20, false, false, true, Bounds(10, 5, 10, 20)},  // centred
        TImageCase{
            30, 30, 60, 60, true, false, true, Bounds(0, 0, 30, 30)},  // stretched fills: centring moves nothing
        TImageCase{77, 41, 225, 125, true, false, false, Bounds(0, 0, 77, 41)},  // stretched, aspect lost
        TImageCase{100, 50, 40, 10, true, true, true, Bounds(0, 12, 100, 25)},   // wide: width-bound
        TImageCase{100, 50, 10, 40, true, true, false, Bounds(0, 0, 13, 50)},    // tall: height-bound, rounded
        TImageCase{20, 20, 40, 10, false, true, false, Bounds(0, 0, 20, 5)},     // proportional shrinks a big one
        TImageCase{50, 50, 40, 10, false, true, false, Bounds(0, 0, 40, 10)}));  // ... but never grows a small one

}  // namespace
