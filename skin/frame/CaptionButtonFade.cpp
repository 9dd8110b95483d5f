#include "skin/frame/CaptionButtonFade.h"

#include <algorithm>

namespace {

constexpr int AnimatedIterations = 10;

int AnimationFactor(bool AllowAnimation) { return AllowAnimation ? 1 : 0; }

int Alpha(const TCaptionButtonFade& Fade) {
  return std::clamp(CaptionButtonFadeStep(Fade) * Fade.CurrentLevel, 0, 255);
}

}  // namespace

int CaptionButtonIterations(int State, bool AllowAnimation) {
  if (State == 2) return 1;
  return std::max(1, AnimatedIterations * AnimationFactor(AllowAnimation));
}

TCaptionButtonFade NewCaptionButtonFade(int Iterations, bool AllowAnimation) {
  TCaptionButtonFade Fade;
  Fade.MaxIterations = std::max(1, Iterations * AnimationFactor(AllowAnimation));
  return Fade;
}

void RestartCaptionButtonFade(TCaptionButtonFade& Fade, int ButtonState, int Iterations, bool Up,
                              bool AllowAnimation) {
  if (Up) Fade.CurrentState = ButtonState;
  Fade.MaxIterations = Iterations;
  Fade.Up = Up;
  Fade.Enabled = true;
  Fade.CurrentLevel = std::max(1, Iterations * AnimationFactor(AllowAnimation));
}

int CaptionButtonFadeStep(const TCaptionButtonFade& Fade) {
  return Fade.MaxIterations == 0 ? 0 : std::max(255 / Fade.MaxIterations, 0);
}

int StartCaptionButtonFade(TCaptionButtonFade& Fade, int NewState, bool ToUp) {
  if (NewState == Fade.CurrentState) return -1;
  Fade.CurrentState = NewState;
  Fade.CurrentLevel = 1;
  Fade.Up = ToUp;
  const int Blend = std::min(CaptionButtonFadeStep(Fade), 255);
  Fade.CurrentLevel = 2;
  // A single step shows the look at full strength at once and keeps it.
  Fade.Enabled = Fade.MaxIterations > 1;
  return Blend;
}

TCaptionButtonTick CaptionButtonFadeTick(TCaptionButtonFade& Fade) {
  TCaptionButtonTick Tick;
  if (Fade.Up) {
    if (Fade.CurrentLevel < Fade.MaxIterations) {
      Tick.Blend = Alpha(Fade);
      ++Fade.CurrentLevel;
      return Tick;
    }
    Tick.CheckMouseLeave = true;
    if (Fade.MaxIterations != -1) {
      Fade.MaxIterations = -1;
      Tick.Blend = 255;
    }
    return Tick;
  }
  if (Fade.CurrentLevel > 0) {
    Tick.Blend = Alpha(Fade);
    --Fade.CurrentLevel;
    return Tick;
  }
  Fade.CurrentState = -1;
  Fade.Enabled = false;
  Tick.Finished = true;
  return Tick;
}
