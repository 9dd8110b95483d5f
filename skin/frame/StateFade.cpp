#include "skin/frame/StateFade.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double FullGlow = 255;
// Steps of a fade at full speed; a fade towards normal takes twice as many.
constexpr int FullSpeedIterations = 6;

// nearbyint rounds in the current mode, which is to nearest with ties to even.
int RoundEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

int Intensity(double Glow) { return static_cast<int>(std::clamp(std::nearbyint(Glow), 0.0, FullGlow)); }

}  // namespace

TFade NewFade(bool KeepGlow) {
  TFade Fade;
  if (!KeepGlow) Fade.Glow = FullGlow;
  return Fade;
}

int FadeStartIteration(const TFade& Fade) {
  return std::max(0, FullSpeedIterations - Fade.Iteration + (Fade.State == 0 ? FullSpeedIterations : 0));
}

bool InitFade(TFade& Fade, int StartIteration, bool HalfSpeed, int NewState, bool HasBmpOut) {
  const int Previous = Fade.State;
  Fade.Glow = std::clamp(Fade.Glow, 0.0, FullGlow);
  Fade.Iterations = HalfSpeed ? FullSpeedIterations / 2 : FullSpeedIterations;
  if (NewState == 0) {
    Fade.Iterations *= 2;
    Fade.GlowStep = Fade.Glow / Fade.Iterations;
  } else if (NewState == 2) {
    Fade.GlowStep = Fade.Glow / Fade.Iterations;
  } else {
    // A fade to hot from normal takes only the steps the glow still has to rise.
    Fade.Iterations = Previous > 0 ? FullSpeedIterations : RoundEven((FullGlow - Fade.Glow) * FullSpeedIterations / FullGlow);
    Fade.Iterations = std::max(1, Fade.Iterations);
    Fade.GlowStep = (FullGlow - Fade.Glow) / Fade.Iterations;
  }

  if (NewState == 1 && Previous < 1) {
    Fade.Iteration = RoundEven(FullSpeedIterations * Fade.Glow / FullGlow);
  } else if (NewState == 0 && Previous == 1) {
    Fade.Iteration = Fade.Glow == 0 ? 0 : RoundEven((FullGlow - Fade.Glow) * Fade.Iterations / FullGlow);
  } else {
    Fade.Iteration = HasBmpOut ? 0 : StartIteration;
  }
  Fade.OldState = Previous;
  Fade.State = NewState;
  return HasBmpOut && (NewState == 2 || (NewState == 1 && Previous == 2));
}

bool AdvanceFade(TFade& Fade) { return ++Fade.Iteration <= Fade.Iterations; }

TFadeStepActions StateFadeStep(TFade& Fade) {
  TFadeStepActions Actions;
  if (Fade.Iterations <= 0) return Actions;
  switch (Fade.State) {
    case 0:
    case 2: Fade.Glow -= Fade.GlowStep; break;
    case 1: Fade.Glow += Fade.GlowStep; break;
    default: Fade.Glow = FullGlow - static_cast<double>(Fade.Iteration) / Fade.Iterations * FullGlow; break;
  }
  Actions.Paint = true;
  Actions.C = Intensity(Fade.Glow);
  // The new look gains weight as Glow rises (hot) or falls (normal, pressed).
  Actions.K = Fade.State == 1 ? 255 - Actions.C : Actions.C;

  if (Fade.Iteration < Fade.Iterations) {
    Actions.Continue = true;
    Actions.GlowAlpha = Actions.C;
    if (Fade.State == 0 && Actions.C < 10) {
      Fade.Glow = 0;
      Actions.HideGlow = true;
    }
    return Actions;
  }
  if (Fade.State == 0 && Actions.C > 0) {
    // A fade back to normal always ends at the normal picture.
    Actions.GlowAlpha = Actions.C;
    --Fade.Iteration;
    Actions.RunAgain = true;
    return Actions;
  }
  Actions.StopFade = Fade.State == 0;
  Actions.HideGlow = Fade.State != 1;
  return Actions;
}

TFadeStepActions GlowFadeStep(TFade& Fade, bool GlowShown) {
  TFadeStepActions Actions;
  if (Fade.Iterations <= 0) return Actions;
  if (Fade.Iteration >= Fade.Iterations) {
    Actions.HideGlow = Fade.State != 1;
    Actions.StopFade = Fade.State == 0;
    return Actions;
  }
  Actions.Continue = true;
  if (!GlowShown) return Actions;
  Fade.Glow += Fade.State == 1 ? Fade.GlowStep : -Fade.GlowStep;
  Actions.C = Intensity(Fade.Glow);
  Actions.GlowAlpha = Actions.C;
  return Actions;
}
