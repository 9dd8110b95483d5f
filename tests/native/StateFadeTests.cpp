// The state fade worked by hand from its rules: a hover with a fresh timer (6 steps of 42.5),
// leaving after it (12 steps of 21.25), pressing a hot button (3 steps at half speed),
// releasing to hot (6 steps), an interrupted hover, and the rounding (halves to even).
#include <gtest/gtest.h>

#include "skin/frame/StateFade.h"

namespace {

// One step as the tables below expect it.
struct TStep {
  int Iteration;
  int C;
  bool Continue;
};

// The first step runs at once, every later one on a tick; the last step of each table is
// the one that ends the fade.
void ExpectSteps(TFade& Fade, std::initializer_list<TStep> Steps, bool KeepsWeightOfC) {
  bool First = true;
  for (const TStep& S : Steps) {
    if (!First) {
      ASSERT_TRUE(AdvanceFade(Fade)) << S.Iteration;
    }
    First = false;
    ASSERT_EQ(Fade.Iteration, S.Iteration);
    const TFadeStepActions A = StateFadeStep(Fade);
    EXPECT_TRUE(A.Paint) << S.Iteration;
    EXPECT_EQ(A.C, S.C) << S.Iteration;
    EXPECT_EQ(A.K, KeepsWeightOfC ? S.C : 255 - S.C) << S.Iteration;
    EXPECT_EQ(A.Continue, S.Continue) << S.Iteration;
    EXPECT_EQ(A.GlowAlpha, S.Continue ? S.C : -1) << S.Iteration;
    EXPECT_FALSE(A.RunAgain) << S.Iteration;
  }
}

// The timer after a complete hover from a fresh timer: the last step (iteration 6) raised
// Glow to 6 x 42.5 + 42.5 = 297.5, and the tick after it (iteration 7) disabled the timer.
TFade AfterFullHover() {
  TFade Fade;
  Fade.Glow = 297.5;
  Fade.GlowStep = 42.5;
  Fade.State = 1;
  Fade.OldState = -1;
  Fade.Iteration = 7;
  Fade.Iterations = 6;
  return Fade;
}

TEST(StateFade, HoverWithAFreshTimer) {
  TFade Fade = NewFade(true);
  EXPECT_EQ(Fade.Glow, 0);
  EXPECT_FALSE(InitFade(Fade, 0, false, 1, false));
  EXPECT_EQ(Fade.Iterations, 6);
  EXPECT_EQ(Fade.GlowStep, 42.5);
  EXPECT_EQ(Fade.Iteration, 0);
  EXPECT_EQ(Fade.State, 1);
  EXPECT_EQ(Fade.OldState, -1);
  // 42.5 and 212.5 round down to even, 127.5 up; the hot look is complete after 5 ticks.
  ExpectSteps(Fade, {{0, 42, true}, {1, 85, true}, {2, 128, true}, {3, 170, true}, {4, 212, true}, {5, 255, true},
                     {6, 255, false}},
              false);
  EXPECT_EQ(Fade.Glow, 297.5);
  EXPECT_FALSE(AdvanceFade(Fade));
  EXPECT_EQ(Fade.Iteration, 7);
}

TEST(StateFade, TheLastStepOfAHoverKeepsTheGlow) {
  TFade Fade = AfterFullHover();
  Fade.Glow = 255;
  Fade.Iteration = 6;
  const TFadeStepActions A = StateFadeStep(Fade);
  EXPECT_FALSE(A.HideGlow);
  EXPECT_FALSE(A.StopFade);
  EXPECT_FALSE(A.Continue);
}

TEST(StateFade, LeavingAfterAFullHover) {
  TFade Fade = AfterFullHover();
  const int Start = FadeStartIteration(Fade);
  EXPECT_EQ(Start, 0);  // max(0, 6 - 7)
  EXPECT_FALSE(InitFade(Fade, Start, false, 0, true));
  EXPECT_EQ(Fade.Glow, 255);  // clamped
  EXPECT_EQ(Fade.Iterations, 12);
  EXPECT_EQ(Fade.GlowStep, 21.25);
  EXPECT_EQ(Fade.Iteration, 0);  // round((255 - 255) x 12 / 255)
  EXPECT_EQ(Fade.OldState, 1);
  ExpectSteps(Fade, {{0, 234, true}, {1, 212, true}, {2, 191, true}, {3, 170, true}, {4, 149, true}, {5, 128, true},
                     {6, 106, true}, {7, 85, true}, {8, 64, true}, {9, 42, true}, {10, 21, true}},
              true);

  // Iteration 11: alpha below 10, the glow goes at once (about 130 ms after the start).
  ASSERT_TRUE(AdvanceFade(Fade));
  TFadeStepActions A = StateFadeStep(Fade);
  EXPECT_EQ(A.C, 0);
  EXPECT_TRUE(A.Continue);
  EXPECT_TRUE(A.HideGlow);
  EXPECT_EQ(Fade.Glow, 0);

  // Iteration 12 ends at the normal picture and stops the fade.
  ASSERT_TRUE(AdvanceFade(Fade));
  A = StateFadeStep(Fade);
  EXPECT_TRUE(A.Paint);
  EXPECT_EQ(A.K, 0);
  EXPECT_FALSE(A.Continue);
  EXPECT_TRUE(A.StopFade);
  EXPECT_TRUE(A.HideGlow);
  EXPECT_FALSE(A.RunAgain);
}

TEST(StateFade, PressingAHotButton) {
  TFade Fade = AfterFullHover();
  const int Start = FadeStartIteration(Fade);
  EXPECT_EQ(Start, 0);
  EXPECT_TRUE(InitFade(Fade, Start, true, 2, true));  // from the picture on screen
  EXPECT_EQ(Fade.Iterations, 3);
  EXPECT_EQ(Fade.GlowStep, 85);
  EXPECT_EQ(Fade.Iteration, 0);
  // The pressed look gains weight as Glow falls; no early hide below 10 for the pressed state.
  ExpectSteps(Fade, {{0, 170, true}, {1, 85, true}, {2, 0, true}}, true);
  ASSERT_TRUE(AdvanceFade(Fade));
  const TFadeStepActions A = StateFadeStep(Fade);
  EXPECT_EQ(A.K, 0);
  EXPECT_FALSE(A.Continue);
  EXPECT_TRUE(A.HideGlow);  // hidden once the pressed look is complete
  EXPECT_FALSE(A.StopFade);
  EXPECT_EQ(Fade.Glow, -85);
}

TEST(StateFade, PressingWithoutAPictureOnScreenStartsFromTheStartIteration) {
  TFade Fade = AfterFullHover();
  EXPECT_FALSE(InitFade(Fade, 1, true, 2, false));
  EXPECT_EQ(Fade.Iteration, 1);
}

TEST(StateFade, ReleasingToHot) {
  // After the press: Glow 255 - 4 x 85, and the tick after the last step left iteration 4.
  TFade Fade;
  Fade.Glow = -85;
  Fade.GlowStep = 85;
  Fade.State = 2;
  Fade.OldState = 1;
  Fade.Iteration = 4;
  Fade.Iterations = 3;
  const int Start = FadeStartIteration(Fade);
  EXPECT_EQ(Start, 2);  // 6 - 4
  EXPECT_TRUE(InitFade(Fade, Start, true, 1, true));
  EXPECT_EQ(Fade.Glow, 0);
  EXPECT_EQ(Fade.Iterations, 6);  // coming from pressed: six steps even at half speed
  EXPECT_EQ(Fade.GlowStep, 42.5);
  EXPECT_EQ(Fade.Iteration, 0);
  EXPECT_EQ(Fade.OldState, 2);
  ExpectSteps(Fade, {{0, 42, true}, {1, 85, true}, {2, 128, true}, {3, 170, true}, {4, 212, true}, {5, 255, true},
                     {6, 255, false}},
              false);
}

TEST(StateFade, LeavingDuringTheHoverStartsFromTheIntensityReached) {
  TFade Fade = NewFade(true);
  InitFade(Fade, 0, false, 1, false);
  ExpectSteps(Fade, {{0, 42, true}, {1, 85, true}, {2, 128, true}}, false);
  EXPECT_EQ(Fade.Glow, 127.5);

  const int Start = FadeStartIteration(Fade);
  EXPECT_EQ(Start, 4);  // 6 - 2
  EXPECT_FALSE(InitFade(Fade, Start, false, 0, true));
  EXPECT_EQ(Fade.Iterations, 12);
  EXPECT_EQ(Fade.GlowStep, 10.625);      // 127.5 / 12
  EXPECT_EQ(Fade.Iteration, 6);          // round(127.5 x 12 / 255)
  // Falls from 117, below the 128 reached: never fully hot first.
  ExpectSteps(Fade, {{6, 117, true}, {7, 106, true}, {8, 96, true}, {9, 85, true}, {10, 74, true}, {11, 64, true}},
              true);

  // The last iteration finds the glow still up: it steps back and runs the step again, so
  // each later tick lowers Glow twice until it is gone.
  const struct {
    int LastC, AgainC;
  } Rounds[] = {{53, 42}, {32, 21}, {11, 0}};
  for (const auto& R : Rounds) {
    ASSERT_TRUE(AdvanceFade(Fade));
    ASSERT_EQ(Fade.Iteration, 12);
    TFadeStepActions A = StateFadeStep(Fade);
    EXPECT_EQ(A.C, R.LastC);
    EXPECT_EQ(A.GlowAlpha, R.LastC);
    EXPECT_TRUE(A.RunAgain);
    EXPECT_FALSE(A.Continue);
    EXPECT_FALSE(A.StopFade);
    EXPECT_EQ(Fade.Iteration, 11);
    A = StateFadeStep(Fade);
    EXPECT_EQ(A.C, R.AgainC);
    EXPECT_TRUE(A.Continue);
    EXPECT_EQ(A.HideGlow, R.AgainC < 10);
  }
  ASSERT_TRUE(AdvanceFade(Fade));
  const TFadeStepActions A = StateFadeStep(Fade);
  EXPECT_EQ(A.C, 0);
  EXPECT_TRUE(A.StopFade);
  EXPECT_FALSE(A.RunAgain);
}

TEST(StateFade, FreshTimerStartsTowardsNormalFromTheFullLook) {
  EXPECT_EQ(NewFade(false).Glow, 255);
  TFade Fade = NewFade(false);
  EXPECT_FALSE(InitFade(Fade, 0, false, 0, false));
  EXPECT_EQ(Fade.Iteration, 0);
  EXPECT_EQ(Fade.GlowStep, 21.25);
}

TEST(FadeStartIteration, StepsLeftAndSixMoreAfterAFadeToNormal) {
  const struct {
    int Iteration, State, Start;
  } Cases[] = {{7, 1, 0}, {2, 1, 4}, {4, 2, 2}, {3, 0, 9}, {13, 0, 0}, {0, -1, 6}};
  for (const auto& C : Cases) {
    TFade Fade;
    Fade.Iteration = C.Iteration;
    Fade.State = C.State;
    EXPECT_EQ(FadeStartIteration(Fade), C.Start) << C.Iteration << " " << C.State;
  }
}

TEST(InitFade, HotFromNormalRoundsHalvesToEven) {
  // Steps round((255 - Glow) x 6 / 255), at least 1; start round(6 x Glow / 255).
  const struct {
    double Glow;
    int Iterations, Iteration;
    double GlowStep;
  } Cases[] = {
      {233.75, 1, 6, 21.25},    // 0.5 -> 0, at least 1; 5.5 -> 6
      {191.25, 2, 4, 31.875},   // 1.5 -> 2; 4.5 -> 4
      {148.75, 2, 4, 53.125},   // 2.5 -> 2; 3.5 -> 4
      {106.25, 4, 2, 37.1875},  // 3.5 -> 4; 2.5 -> 2
      {300, 1, 6, 0},           // clamped to 255 first
  };
  for (const auto& C : Cases) {
    TFade Fade;
    Fade.Glow = C.Glow;
    Fade.State = 0;
    InitFade(Fade, 0, false, 1, false);
    EXPECT_EQ(Fade.Iterations, C.Iterations) << C.Glow;
    EXPECT_EQ(Fade.Iteration, C.Iteration) << C.Glow;
    EXPECT_EQ(Fade.GlowStep, C.GlowStep) << C.Glow;
  }
}

TEST(InitFade, NormalFromHotRoundsHalvesToEven) {
  // Start round((255 - Glow) x 12 / 255), 0 for Glow 0.
  const struct {
    double Glow;
    int Iteration;
  } Cases[] = {{244.375, 0}, {223.125, 2}, {201.875, 2}, {180.625, 4}, {0, 0}};
  for (const auto& C : Cases) {
    TFade Fade;
    Fade.Glow = C.Glow;
    Fade.State = 1;
    InitFade(Fade, 5, false, 0, true);
    EXPECT_EQ(Fade.Iteration, C.Iteration) << C.Glow;
  }
}

TEST(InitFade, HalfSpeedTowardsNormalTakesSixSteps) {
  TFade Fade;
  Fade.Glow = 255;
  Fade.State = 2;
  InitFade(Fade, 3, true, 0, false);
  EXPECT_EQ(Fade.Iterations, 6);
  EXPECT_EQ(Fade.GlowStep, 42.5);
  EXPECT_EQ(Fade.Iteration, 3);  // not coming from hot, no picture on screen: the start iteration
}

TEST(StateFadeStep, NoStepsNoPainting) {
  TFade Fade;
  Fade.State = 1;
  Fade.Iterations = 0;
  const TFadeStepActions A = StateFadeStep(Fade);
  EXPECT_FALSE(A.Paint);
  EXPECT_FALSE(A.Continue);
  EXPECT_EQ(A.GlowAlpha, -1);
}

TEST(GlowFadeStep, RisesWithAShownGlowAndKeepsItAtTheEnd) {
  TFade Fade = NewFade(true);
  InitFade(Fade, 0, false, 1, false);
  const int Alphas[] = {42, 85, 128, 170, 212, 255};
  for (int I = 0; I < 6; ++I) {
    if (I > 0) {
      ASSERT_TRUE(AdvanceFade(Fade));
    }
    const TFadeStepActions A = GlowFadeStep(Fade, true);
    EXPECT_FALSE(A.Paint);
    EXPECT_EQ(A.GlowAlpha, Alphas[I]) << I;
    EXPECT_TRUE(A.Continue);
  }
  ASSERT_TRUE(AdvanceFade(Fade));
  const TFadeStepActions A = GlowFadeStep(Fade, true);
  EXPECT_FALSE(A.Continue);
  EXPECT_FALSE(A.HideGlow);
  EXPECT_FALSE(A.StopFade);
}

TEST(GlowFadeStep, WithoutAGlowGoesOnUnchanged) {
  TFade Fade = NewFade(true);
  InitFade(Fade, 0, false, 1, false);
  const TFadeStepActions A = GlowFadeStep(Fade, false);
  EXPECT_TRUE(A.Continue);
  EXPECT_EQ(A.GlowAlpha, -1);
  EXPECT_EQ(Fade.Glow, 0);
}

TEST(GlowFadeStep, FallsToTheEndBeforeHidingTheGlow) {
  TFade Fade = NewFade(false);  // a glow hidden with a fade: from 255 in 12 steps
  InitFade(Fade, 0, false, 0, false);
  const int Alphas[] = {234, 212, 191, 170, 149, 128, 106, 85, 64, 42, 21, 0};
  for (int I = 0; I < 12; ++I) {
    if (I > 0) {
      ASSERT_TRUE(AdvanceFade(Fade));
    }
    const TFadeStepActions A = GlowFadeStep(Fade, true);
    EXPECT_EQ(A.GlowAlpha, Alphas[I]) << I;
    EXPECT_FALSE(A.HideGlow) << I;  // no early hide below 10 here
  }
  ASSERT_TRUE(AdvanceFade(Fade));
  const TFadeStepActions A = GlowFadeStep(Fade, true);
  EXPECT_FALSE(A.Continue);
  EXPECT_TRUE(A.HideGlow);
  EXPECT_TRUE(A.StopFade);
}

}  // namespace
