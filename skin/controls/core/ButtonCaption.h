// Where a push button without a glyph puts its caption: the text broken into lines for the
// room between its content margins (as DrawText's word break does), the caption rectangle
// centred on the button, each line centred in it, and the focus rectangle around it.
// Portable: the Win32 side measures lines in the button's font through a callback.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "gfx/Geometry.h"

// The width of one line of text in the button's font (tabs expanded, no line breaks).
using TTextWidth = std::function<int(std::wstring_view Line)>;

struct TCaptionLine {
  std::wstring_view Text;  // a piece of the caption given to TextRectSize
  int Width = 0;
};

struct TCaptionText {
  std::vector<TCaptionLine> Lines;
  int Width = 0;   // the widest line
  int Height = 0;  // lines x line height
};

// TextRectSize: Caption laid out in the width from ContentMargin to ButtonWidth -
// ContentMargin. With WordWrap lines break at CR LF, LF or CR and between words (the spaces
// at a break are dropped; a word wider than the room stays whole and widens the text);
// without, the caption is one line. An empty caption measures 0 x 0.
TCaptionText TextRectSize(std::wstring_view Caption, int ButtonWidth, int ContentMargin, bool WordWrap, int LineHeight,
                          const TTextWidth& TextWidth);

// CaptionRect: a TextWidth x TextHeight text centred on the button, one more pixel each
// side; Shifted (pressed, with content shifting on) moves it one pixel right and down.
TRect CaptionRect(int ButtonWidth, int ButtonHeight, int TextWidth, int TextHeight, bool Shifted);

// Where each line of Text starts when drawn centred in Rect from its top.
std::vector<TPoint> CaptionLineOrigins(const TRect& Rect, const TCaptionText& Text, int LineHeight);

// The focus rectangle: Caption widened by FocusMargin + 1 across and FocusMargin down,
// kept 3 pixels inside the top and bottom of a ButtonHeight high button.
TRect ButtonFocusRect(const TRect& Caption, int FocusMargin, int ButtonHeight);
