// Where an image control puts its picture. Portable.
//
// Without Stretch the picture keeps its size, unless Proportional shrinks one that does not
// fit; Stretch fills the control, keeping the aspect ratio with Proportional (rounded to
// whole pixels). Center centres the result, else it sits at the top-left corner.
#pragma once

#include "gfx/Geometry.h"

TRect ImageDestRect(int ControlWidth, int ControlHeight, int PictureWidth, int PictureHeight, bool Stretch,
                    bool Proportional, bool Center);
