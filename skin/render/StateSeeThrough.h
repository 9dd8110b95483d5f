// Whether a section lets what is under it show in a state: the question a control answers
// for a painter looking for the section that really lies under a part of it. Portable.
#pragma once

// Border draw-mode bits that decide whether the border covers its inside.
constexpr int BorderNotInNormalState = 2;
constexpr int BorderPaintsCentre = 4;

struct TSeeThroughInputs {
  bool HasParent = false;
  int State = 0;          // already clamped to the section's states
  int Transparency = 0;   // of that state
  bool HasBorder = false;
  int BorderDrawMode = 0;
  bool BorderMasked = false;
  int MaskCentreBlue = 0;  // blue byte of the mask at the centre of the state's image
};

constexpr bool BorderCoversCentre(int DrawMode, int State) {
  if ((DrawMode & BorderPaintsCentre) == 0) return false;
  return State != 0 || (DrawMode & BorderNotInNormalState) == 0;
}

constexpr bool IsSeeThrough(const TSeeThroughInputs& In) {
  if (!In.HasParent || In.Transparency <= 50) return false;
  if (!In.HasBorder || !BorderCoversCentre(In.BorderDrawMode, In.State)) return true;
  // A mask byte of 128 or more keeps most of what is under the centre.
  return In.BorderMasked && In.MaskCentreBlue >= 128;
}
