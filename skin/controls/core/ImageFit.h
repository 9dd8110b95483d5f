// Where the skinned image control (TsImage) draws its picture: stretched to the control,
// fitted into it keeping the aspect ratio, centred, or at the top-left corner; with a
// reflection the lower third of the control is left for the mirror image. Portable.
#pragma once

#include "gfx/Geometry.h"

struct TImageFitOptions {
  bool Stretch = false;
  bool Proportional = false;  // with Stretch: keep the picture's aspect ratio
  bool Center = false;
  bool Reflected = false;     // a mirror image is drawn below the picture
  bool UseFullSize = false;   // the control's height includes the reflection
};

// The rectangle the picture (its natural size) is drawn into, in control coordinates. A
// stretched picture without Proportional fills the control from (0, 0), Center or not. A
// picture without pixels is not fitted: the rectangle is empty and nothing is drawn.
TRect ImagePlacement(int ControlWidth, int ControlHeight, int PictureWidth, int PictureHeight,
                     const TImageFitOptions& Options);
