// A caption button's overlay fade worked by hand: 10 steps of 25 in (25 ... 225, then 255),
// out from 250 to 25, the pressed look at once, and one step with animation off.
#include <gtest/gtest.h>

#include <vector>

#include "skin/frame/CaptionButtonFade.h"

namespace {

// The blends of Count ticks (-1 for a tick that shows nothing new).
std::vector<int> Blends(TCaptionButtonFade& Fade, int Count) {
  std::vector<int> Result;
  for (int I = 0; I < Count; ++I) Result.push_back(CaptionButtonFadeTick(Fade).Blend);
  return Result;
}

// A hover of the main window's close button with animation on, faded in completely.
TCaptionButtonFade FadedIn() {
  TCaptionButtonFade Fade = NewCaptionButtonFade(CaptionButtonIterations(1, true), true);
  StartCaptionButtonFade(Fade, 1, true);
  Blends(Fade, 9);
  return Fade;
}

TEST(CaptionButtonFade, HoverFadesInInTenStepsOf25) {
  const int Iterations = CaptionButtonIterations(1, true);
  EXPECT_EQ(Iterations, 10);
  TCaptionButtonFade Fade = NewCaptionButtonFade(Iterations, true);
  EXPECT_EQ(CaptionButtonFadeStep(Fade), 25);
  EXPECT_EQ(StartCaptionButtonFade(Fade, 1, true), 25);  // shown at once
  EXPECT_TRUE(Fade.Enabled);
  for (int Level = 2; Level <= 9; ++Level) {
    const TCaptionButtonTick Tick = CaptionButtonFadeTick(Fade);
    EXPECT_EQ(Tick.Blend, 25 * Level);
    EXPECT_FALSE(Tick.CheckMouseLeave);
  }
  TCaptionButtonTick Tick = CaptionButtonFadeTick(Fade);
  EXPECT_EQ(Tick.Blend, 255);
  EXPECT_TRUE(Tick.CheckMouseLeave);
  EXPECT_EQ(Fade.MaxIterations, -1);
  // From then on the ticks only poll the mouse.
  Tick = CaptionButtonFadeTick(Fade);
  EXPECT_EQ(Tick.Blend, -1);
  EXPECT_TRUE(Tick.CheckMouseLeave);
  EXPECT_FALSE(Tick.Finished);
}

TEST(CaptionButtonFade, LeavingFadesOutFrom250To25ThenEnds) {
  TCaptionButtonFade Fade = FadedIn();
  RestartCaptionButtonFade(Fade, 0, CaptionButtonIterations(0, true), false, true);
  EXPECT_EQ(Blends(Fade, 10), (std::vector<int>{250, 225, 200, 175, 150, 125, 100, 75, 50, 25}));
  const TCaptionButtonTick Tick = CaptionButtonFadeTick(Fade);
  EXPECT_TRUE(Tick.Finished);
  EXPECT_EQ(Tick.Blend, -1);
  EXPECT_EQ(Fade.CurrentState, -1);
  EXPECT_FALSE(Fade.Enabled);
}

TEST(CaptionButtonFade, HoveringAgainShowsTheHotLookOnTheNextTick) {
  TCaptionButtonFade Fade = FadedIn();
  RestartCaptionButtonFade(Fade, 0, 10, false, true);
  Blends(Fade, 11);
  RestartCaptionButtonFade(Fade, 1, 10, true, true);
  EXPECT_EQ(Fade.CurrentState, 1);
  EXPECT_TRUE(Fade.Enabled);
  EXPECT_EQ(CaptionButtonFadeTick(Fade).Blend, 255);
}

TEST(CaptionButtonFade, PressingShowsThePressedLookAtOnce) {
  TCaptionButtonFade Fade = FadedIn();
  const int Iterations = CaptionButtonIterations(2, true);
  EXPECT_EQ(Iterations, 1);
  RestartCaptionButtonFade(Fade, 2, Iterations, true, true);
  EXPECT_EQ(Fade.CurrentState, 2);
  const TCaptionButtonTick Tick = CaptionButtonFadeTick(Fade);
  EXPECT_EQ(Tick.Blend, 255);
  EXPECT_TRUE(Tick.CheckMouseLeave);
}

TEST(CaptionButtonFade, WithoutAnimationOneStep) {
  const int Iterations = CaptionButtonIterations(1, false);
  EXPECT_EQ(Iterations, 1);
  TCaptionButtonFade Fade = NewCaptionButtonFade(Iterations, false);
  EXPECT_EQ(StartCaptionButtonFade(Fade, 1, true), 255);
  EXPECT_FALSE(Fade.Enabled);  // the look stays without a timer
  RestartCaptionButtonFade(Fade, 0, CaptionButtonIterations(0, false), false, false);
  EXPECT_EQ(CaptionButtonFadeTick(Fade).Blend, 255);
  EXPECT_TRUE(CaptionButtonFadeTick(Fade).Finished);
}

TEST(CaptionButtonFade, ANormalButtonGetsNoOverlay) {
  TCaptionButtonFade Fade = NewCaptionButtonFade(10, true);
  EXPECT_EQ(StartCaptionButtonFade(Fade, 0, false), -1);
  EXPECT_FALSE(Fade.Enabled);
}

}  // namespace
