// The arithmetic of a caption button's overlay fade (TacSBAnimation): the steps of a fade
// in and out, the overlay's alpha on each tick, and when the fade is over. The Win32 side
// keeps a TCaptionButtonFade in the button's animation, runs its 12 ms timer while Enabled
// says so, and builds, shows and frees the overlay as the answers say. Portable.
#pragma once

// The fading fields of a button's animation.
struct TCaptionButtonFade {
  int CurrentLevel = 0;
  int CurrentState = 0;    // the look the overlay shows: 0, 1, 2; -1 once faded out
  int MaxIterations = 0;   // -1 once the fade-in has completed
  bool Up = false;         // fading in
  bool Enabled = false;    // the timer runs
};

// The steps RepaintCaptionButton asks for a button in State: 10 for hot and normal with
// animation on, else 1 (the pressed look is shown at once).
int CaptionButtonIterations(int State, bool AllowAnimation);

// A new animation (StartButtonAnimation without one), before StartButtonAnimation's call
// of StartButtonFade.
TCaptionButtonFade NewCaptionButtonFade(int Iterations, bool AllowAnimation);

// StartButtonAnimation for a button that already has its animation: ButtonState is its
// cpState. The next tick shows the full look when fading in, and starts a fade-out from
// the top.
void RestartCaptionButtonFade(TCaptionButtonFade& Fade, int ButtonState, int Iterations, bool Up,
                              bool AllowAnimation);

// The alpha step: 255 div MaxIterations, never below 0 (25 for 10 steps).
int CaptionButtonFadeStep(const TCaptionButtonFade& Fade);

// StartAnimation(NewState, ToUp): the overlay's first alpha, or -1 when the fade is already
// at NewState (nothing happens). The pressed look (2) needs its picture made again first.
int StartCaptionButtonFade(TCaptionButtonFade& Fade, int NewState, bool ToUp);

// What a tick asks, in this order: test the mouse, show the overlay, or end the fade.
struct TCaptionButtonTick {
  bool CheckMouseLeave = false;  // the fade-in is complete: stop and send WM_MOUSELEAVE once outside
  int Blend = -1;                // the overlay's constant alpha; -1 leaves it
  bool Finished = false;         // faded out: the timer stops, the overlay picture and window go
};
TCaptionButtonTick CaptionButtonFadeTick(TCaptionButtonFade& Fade);
