// The arithmetic of a control's state fade: how far a fade has come (the animation timer's
// fading fields), where a new fade starts, and what each step does to the picture and the
// glow. The Win32 side keeps a TFade in its timer, calls these, and only blends, blits and
// sets alphas as the answers say. Rounding is to the nearest integer, halves to even.
// Portable.
#pragma once

// The fading fields of a control's animation timer.
struct TFade {
  double Glow = 0;      // intensity of the new look, 0..255 (also the glow's alpha)
  double GlowStep = 0;  // change of Glow per step
  int State = -1;       // target of the running fade: 0 normal, 1 hot, 2 pressed; -1 idle
  int OldState = -1;    // the target before
  int Iteration = 0;    // current step
  int Iterations = 6;   // steps of the running fade
};

// A timer made for a control's first fade (NeedAnimTimer without a timer): a fade towards
// normal starts from the full new look (Glow 255) unless KeepGlow; its start iteration is 0.
TFade NewFade(bool KeepGlow);

// The start iteration NeedAnimTimer gives for an existing timer: the steps left of a hot
// or pressed fade, six more after a fade towards normal.
int FadeStartIteration(const TFade& Fade);

// Prepares Fade for a fade towards NewState (InitData without the timer's own settings).
// HasBmpOut: the timer still holds the picture last shown. Answers true when the fade
// continues from that picture (BmpFrom must become a copy of BmpOut).
bool InitFade(TFade& Fade, int StartIteration, bool HalfSpeed, int NewState, bool HasBmpOut);

// A tick of the fade's timer: the next iteration. False when the fade has run all its steps
// and the timer is to be disabled; true when the step routine runs for Fade.Iteration.
bool AdvanceFade(TFade& Fade);

// What one step asks of the caller, in this order: paint, glow alpha, hide, stop, run again.
struct TFadeStepActions {
  bool Paint = false;    // blend BmpTo into a copy of BmpFrom keeping weight K, and show it
  int C = 0;             // the step's intensity, 0..255
  int K = 0;             // the weight BmpOut keeps in the blend
  int GlowAlpha = -1;    // set the glow's alpha (when a glow is shown); -1 leaves it
  bool HideGlow = false;  // hide the glow at once
  bool StopFade = false;
  bool RunAgain = false;  // run the step again at once, for the stepped-back Fade.Iteration
  bool Continue = false;  // the step routine's answer: the fade goes on
};

// One step of the picture-and-glow fade (StateFadeStep) at Fade.Iteration: Fade.Glow moves
// by a step and the answer says how to paint it. With Iterations at 0 or below nothing
// happens. StopFade is the caller's (it also sets State to -1).
TFadeStepActions StateFadeStep(TFade& Fade);

// One step of the glow-only fade (GlowFadeStep) at Fade.Iteration; GlowShown: the control's
// glow exists. Paint is never asked for.
TFadeStepActions GlowFadeStep(TFade& Fade, bool GlowShown);
