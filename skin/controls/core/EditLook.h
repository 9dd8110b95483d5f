// What a skinned field draws, as plain arithmetic: the width of its border, where its text
// goes inside the picture, the text a password field shows and the colour of its hint.
// Portable: the Win32 field gathers the inputs and draws.
#pragma once

#include <string>
#include <string_view>

#include "gfx/Color.h"
#include "gfx/Geometry.h"

struct TEditBorder {
  bool HasBorder = true;
  bool Ctl3D = true;
  bool BevelInner = false;
  bool BevelOuter = false;
};

// (1 with a border, else 0) x (Ctl3D + 1), plus one for each bevel that is set.
int EditBorderWidth(const TEditBorder& Border);
// The width the frame strips are copied with: the border width, or one per bevel when that
// comes out 0.
int EditFrameStripWidth(const TEditBorder& Border);

// The text's rectangle in a Width x Height picture: inset by the border width on all sides
// (none without a border), and one pixel more on the left, top and right of a bordered
// field, whose bottom edge is inset by the border width only.
TRect EditTextRect(int Width, int Height, const TEditBorder& Border);

// What a field with PasswordChar (0: none) shows for Text: the character once per character
// of the text, "*" shown as "●".
std::wstring ShownEditText(std::wstring_view Text, wchar_t PasswordChar);

// The hint's colour: the font colour mixed into the control colour with weight 166 of 255
// (both RGB).
TColor EditHintColor(TColor FontColor, TColor ControlColor);
