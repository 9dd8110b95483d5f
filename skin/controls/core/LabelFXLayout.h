// Where an effect label (TsLabelFX) puts its text and how it sizes itself: the box of text
// turned by an angle, the text's rectangle inside the label with room for the shadow, and
// the label's bounds after a resize that keeps the text where it was. Portable.
#pragma once

#include "framework/core/TextAlignment.h"
#include "gfx/Geometry.h"
#include "skin/controls/core/LabelShadow.h"

// Text of Width x Height turned by Angle degrees (counter-clockwise): the box it occupies
// and where the drawing origin moves so that the turned text stays centred in that box.
struct TRotatedText {
  int Width = 0;
  int Height = 0;
  TPoint Origin;
};
TRotatedText RotatedTextBox(int Width, int Height, int Angle);

// The rectangle of a TextWidth x TextHeight text inside Client, placed by Alignment and
// Layout, leaving room for Shadow on the side it falls to.
TRect ShadowedTextRect(const TRect& Client, int TextWidth, int TextHeight, TAlignment Alignment,
                       TTextLayout Layout, const TShadowData& Shadow);

// The label's new bounds when its text measures TextWidth x TextHeight (AutoSize) or it
// keeps its size (no AutoSize), its shadow now reaching Extents and its bounds last made
// for Kept: the text keeps its place by the alignment and layout.
TRect ShadowedLabelBounds(const TRect& Bounds, bool AutoSize, int TextWidth, int TextHeight, TAlignment Alignment,
                          TTextLayout Layout, TacOffsetKeeper Extents, TacOffsetKeeper Kept);
