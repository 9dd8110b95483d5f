// The skinned scroll bars' arithmetic, worked by hand for the output memo: a 482 x 481 window
// with a 2-pixel client edge and 17-pixel bars, so the vertical bar is (463, 2)-(480, 479),
// 477 long, with 17-pixel arrows and a 443-pixel track.
#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/core/ScrollBarGeometry.h"

namespace {

constexpr TRect MemoWindow{0, 0, 482, 481};
constexpr TRect MemoNativeClient{2, 2, 480, 479};

struct ThumbCase {
  const char* What;
  TScrollState State;
  int BarStart, BarLength, Arrow, MinThumb;
  TThumb Expected;
};

TEST(ThumbPosSize, Cases) {
  const ThumbCase Cases[] = {
      // 37 x 443 / 10000 = 1.64 -> 2: no minimum while there are arrows.
      {"10 000 lines at the top", {0, 9999, 37, 0}, 2, 477, 17, 0, {19, 2}},
      // Offset 9963 x 441 / 9963 = 441: the thumb ends where the lower arrow starts (462).
      {"10 000 lines at the end", {0, 9999, 37, 9963}, 2, 477, 17, 0, {460, 2}},
      // 4981 x 441 / 9963 = 220.48 -> 220.
      {"10 000 lines half way", {0, 9999, 37, 4981}, 2, 477, 17, 0, {239, 2}},
      {"a minimum thumb size with arrows", {0, 9999, 37, 0}, 2, 477, 17, 8, {19, 8}},
      // 37 x 477 / 10000 = 1.76 -> 2, raised to 19 without arrows; at the end 477 - 19 = 458.
      {"no arrows: at least 19", {0, 9999, 37, 0}, 0, 477, 0, 0, {0, 19}},
      {"no arrows, at the end", {0, 9999, 37, 9963}, 0, 477, 0, 0, {458, 19}},
      // 100 x 443 / 100 = 443; the offset's denominator 100 - 100 is 0.
      {"page as large as the range", {0, 99, 100, 50}, 2, 477, 17, 0, {19, 443}},
      // Page 0: the arrow's length; 50 x (443 - 17) / 99 = 215.15 -> 215.
      {"no page", {0, 100 - 1, 0, 50}, 2, 477, 17, 0, {234, 17}},
      // One position, page 0: denominator 1 - 1 is 0.
      {"a single position without page", {5, 5, 0, 5}, 0, 477, 17, 0, {17, 17}},
      {"empty range", {0, -1, 10, 3}, 0, 477, 17, 0, {17, 0}},
      // Text that fits: 37 x 443 / 3 = 5464, longer than the track; the thumb stays at the start.
      {"page beyond the range", {0, 2, 37, 0}, 2, 477, 17, 0, {19, 5464}},
  };
  for (const ThumbCase& C : Cases)
    EXPECT_EQ(ThumbPosSize(C.State, C.BarStart, C.BarLength, C.Arrow, C.MinThumb), C.Expected) << C.What;
}

// The range from a minimum above: 10 x 160 / 100 = 16; 45 x 144 / 90 = 72.
TEST(ThumbPosSize, RangeFromAMinimumIsMeasuredFromIt) {
  EXPECT_EQ(ThumbPosSize({100, 199, 10, 145}, 0, 200, 20, 0), (TThumb{92, 16}));
}

TEST(ThumbPosSize, ExtremeValuesStayInsideTheTrack) {
  const TThumb Thumb = ThumbPosSize({INT_MIN, INT_MAX, 1000, INT_MAX}, 2, 477, 17, 0);
  EXPECT_GE(Thumb.Start, 19);
  EXPECT_LE(Thumb.Start + Thumb.Length, 462);
  const TThumb Short = ThumbPosSize({0, 9999, 37, 5000}, 0, 20, 17, 0);
  EXPECT_EQ(Short.Start, 17);
}

struct FrameCase {
  const char* What;
  TScrollFrameInput Input;
  TScrollFrame Expected;
};

TEST(CalcScrollFrame, Cases) {
  const FrameCase Cases[] = {
      {"memo, bars beside the edge",
       {MemoWindow, MemoNativeClient, false, true, 17, 17, false, 0},
       {{2, 2, 463, 479}, 2, 2, 2, 2, false, true}},
      {"memo, bars over a 2-pixel frame",
       {MemoWindow, MemoNativeClient, false, true, 17, 17, false, -2},
       {{0, 0, 465, 481}, 0, 0, 0, 0, false, true}},
      {"memo, bars over 1 pixel of the frame",
       {MemoWindow, MemoNativeClient, false, true, 17, 17, false, -1},
       {{1, 1, 464, 480}, 1, 1, 1, 1, false, true}},
      {"a 1-pixel frame is not reached into",
       {MemoWindow, {1, 1, 481, 480}, false, true, 17, 17, false, -2},
       {{1, 1, 464, 480}, 1, 1, 1, 1, false, true}},
      {"both bars",
       {MemoWindow, MemoNativeClient, true, true, 17, 17, false, 0},
       {{2, 2, 463, 462}, 2, 2, 2, 2, true, true}},
      {"a left scroll bar",
       {MemoWindow, MemoNativeClient, false, true, 17, 17, true, 0},
       {{19, 2, 480, 479}, 2, 2, 2, 2, false, true}},
      {"too narrow for the bar",
       {{0, 0, 20, 100}, {2, 2, 18, 98}, false, true, 17, 17, false, 0},
       {{2, 2, 18, 98}, 2, 2, 2, 2, false, false}},
      {"too low for the horizontal bar",
       {{0, 0, 100, 20}, {2, 2, 98, 18}, true, false, 17, 17, false, 0},
       {{2, 2, 98, 18}, 2, 2, 2, 2, false, false}},
      {"no bars",
       {MemoWindow, MemoNativeClient, false, false, 17, 17, false, 0},
       {MemoNativeClient, 2, 2, 2, 2, false, false}},
  };
  for (const FrameCase& C : Cases) {
    const TScrollFrame Frame = CalcScrollFrame(C.Input);
    EXPECT_EQ(Frame.Client, C.Expected.Client) << C.What;
    EXPECT_EQ(Frame.LeftEdge, C.Expected.LeftEdge) << C.What;
    EXPECT_EQ(Frame.RightEdge, C.Expected.RightEdge) << C.What;
    EXPECT_EQ(Frame.TopEdge, C.Expected.TopEdge) << C.What;
    EXPECT_EQ(Frame.BottomEdge, C.Expected.BottomEdge) << C.What;
    EXPECT_EQ(Frame.HorzVisible, C.Expected.HorzVisible) << C.What;
    EXPECT_EQ(Frame.VertVisible, C.Expected.VertVisible) << C.What;
  }
}

TScrollBarRects MemoRects(bool Horz, bool Vert, bool Left = false) {
  return ScrollBarRects(
      MemoWindow, CalcScrollFrame({MemoWindow, MemoNativeClient, Horz, Vert, 17, 17, Left, 0}), 17, 17, Left);
}

TEST(ScrollBarRects, TheMemosBars) {
  const TScrollBarRects Vert = MemoRects(false, true);
  EXPECT_EQ(Vert.Vert, (TRect{463, 2, 480, 479}));
  EXPECT_TRUE(Vert.Horz.IsEmpty());
  EXPECT_TRUE(Vert.SizeBox.IsEmpty());

  const TScrollBarRects Both = MemoRects(true, true);
  EXPECT_EQ(Both.Vert, (TRect{463, 2, 480, 462}));
  EXPECT_EQ(Both.Horz, (TRect{2, 462, 463, 479}));
  EXPECT_EQ(Both.SizeBox, (TRect{463, 462, 480, 479}));

  const TScrollBarRects Left = MemoRects(true, true, true);
  EXPECT_EQ(Left.Vert, (TRect{2, 2, 19, 462}));
  EXPECT_EQ(Left.Horz, (TRect{19, 462, 480, 479}));

  const TScrollBarRects HorzOnly = MemoRects(true, false);
  EXPECT_EQ(HorzOnly.Horz, (TRect{2, 462, 480, 479}));
  EXPECT_TRUE(HorzOnly.Vert.IsEmpty());
}

struct PartCase {
  int Along, Across;
  int Expected;
};

void ExpectParts(int Length, int Arrow, TThumb Thumb, bool Shift, std::initializer_list<PartCase> Cases) {
  for (const PartCase& C : Cases)
    EXPECT_EQ(ScrollBarPart(C.Along, C.Across, Length, 17, Arrow, Thumb, Shift), C.Expected)
        << "at " << C.Along << ", " << C.Across << " of " << Length << (Shift ? " with Shift" : "");
}

// The memo's bar with 10 000 lines at the top: the thumb at 17 (bar coordinates), 2 long.
TEST(ScrollBarPart, TheMemosBar) {
  ExpectParts(477, 17, {17, 2}, false,
              {{0, 0, sbpLineUp},
               {16, 16, sbpLineUp},
               {17, 8, sbpThumbTrack},
               {18, 8, sbpThumbTrack},
               {19, 8, sbpPageDown},
               {459, 8, sbpPageDown},
               {460, 8, sbpLineDown},
               {476, 8, sbpLineDown},
               {477, 8, sbpNone},
               {-1, 8, sbpNone},
               {100, 17, sbpNone},
               {100, -1, sbpNone}});
}

TEST(ScrollBarPart, TrackBeforeAndAfterTheThumb) {
  ExpectParts(477, 17, {200, 20}, false,
              {{17, 8, sbpPageUp},
               {199, 8, sbpPageUp},
               {200, 8, sbpThumbTrack},
               {219, 8, sbpThumbTrack},
               {220, 8, sbpPageDown}});
  ExpectParts(477, 17, {200, 20}, true,
              {{17, 8, sbpThumbPosition},
               {199, 8, sbpThumbPosition},
               {200, 8, sbpThumbTrack},
               {220, 8, sbpThumbPosition},
               {10, 8, sbpLineUp},
               {470, 8, sbpLineDown}});
}

TEST(ScrollBarPart, NoRoomForAThumb) {
  // Page as large as the range: the thumb fills the 443-pixel track.
  ExpectParts(477, 17, {17, 443}, false, {{100, 8, sbpNone}, {16, 8, sbpLineUp}, {460, 8, sbpLineDown}});
  // Too short for two arrows: each takes half.
  ExpectParts(30, 17, {17, 0}, false, {{14, 8, sbpLineUp}, {15, 8, sbpLineDown}, {29, 8, sbpLineDown}});
  ExpectParts(34, 17, {17, 0}, false, {{16, 8, sbpLineUp}, {17, 8, sbpLineDown}});
}

TEST(ScrollBarHitCode, TheMemosBar) {
  const TScrollBarRects Rects = MemoRects(false, true);
  EXPECT_EQ(ScrollBarHitCode({470, 100}, Rects, true, true, false), shcVScroll);
  EXPECT_EQ(ScrollBarHitCode({463, 2}, Rects, true, true, false), shcVScroll);
  EXPECT_EQ(ScrollBarHitCode({479, 478}, Rects, true, true, false), shcVScroll);
  EXPECT_EQ(ScrollBarHitCode({470, 100}, Rects, true, false, false), shcNowhere);
  EXPECT_EQ(ScrollBarHitCode({462, 100}, Rects, true, true, false), std::nullopt);
  EXPECT_EQ(ScrollBarHitCode({480, 100}, Rects, true, true, false), std::nullopt);
  EXPECT_EQ(ScrollBarHitCode({470, 1}, Rects, true, true, false), std::nullopt);
  EXPECT_EQ(ScrollBarHitCode({470, 479}, Rects, true, true, false), std::nullopt);
}

TEST(ScrollBarHitCode, BothBarsAndTheSizeBox) {
  const TScrollBarRects Rects = MemoRects(true, true);
  EXPECT_EQ(ScrollBarHitCode({100, 470}, Rects, true, true, true), shcHScroll);
  EXPECT_EQ(ScrollBarHitCode({100, 470}, Rects, false, true, true), shcNowhere);
  EXPECT_EQ(ScrollBarHitCode({470, 461}, Rects, true, true, true), shcVScroll);
  EXPECT_EQ(ScrollBarHitCode({470, 470}, Rects, true, true, true), shcBottomRight);
  EXPECT_EQ(ScrollBarHitCode({470, 470}, Rects, true, true, false), std::nullopt);
}

TEST(DraggedThumbStart, StaysBetweenTheArrows) {
  // The memo's bar 2..479 with a 2-pixel thumb: from 19 to 479 - 17 - 2 = 460.
  EXPECT_EQ(DraggedThumbStart(100, 1, 2, 479, 17, 2), 99);
  EXPECT_EQ(DraggedThumbStart(5, 0, 2, 479, 17, 2), 19);
  EXPECT_EQ(DraggedThumbStart(478, 0, 2, 479, 17, 2), 460);
  EXPECT_EQ(DraggedThumbStart(300, 10, 2, 479, 17, 443), 19);
}

TEST(DragPosition, Cases) {
  const TScrollState Lines{0, 9999, 37, 0};
  // At the end of the 443-pixel track (offset 441): 9999 - 37 + 2, one past the last page.
  EXPECT_EQ(DragPosition(Lines, 441, 443, 2, true), 9964);
  // The horizontal bar: 441 x (9999 - 37 + 1) / 441, no end rule.
  EXPECT_EQ(DragPosition(Lines, 441, 443, 2, false), 9963);
  // 220 x 9964 / 441 = 4970.70 -> 4971; horizontal 220 x 9963 / 441 = 4970.20 -> 4970.
  EXPECT_EQ(DragPosition(Lines, 220, 443, 2, true), 4971);
  EXPECT_EQ(DragPosition(Lines, 220, 443, 2, false), 4970);
  EXPECT_EQ(DragPosition(Lines, 0, 443, 2, true), 0);
  // A range from 100: the position is counted from the minimum (100 x 91 / 150 = 60.67 -> 61).
  EXPECT_EQ(DragPosition({100, 199, 10, 100}, 100, 160, 10, true), 61);
  // An empty range: the thumb's pixel offset.
  EXPECT_EQ(DragPosition({0, 0, 1, 0}, 37, 443, 2, true), 37);
  // A thumb that fills the track: the vertical end rule (99 - 100 + 2), horizontally 0.
  EXPECT_EQ(DragPosition({0, 99, 100, 0}, 0, 443, 443, true), 1);
  EXPECT_EQ(DragPosition({0, 99, 100, 0}, 0, 443, 443, false), 0);
}

}  // namespace
