// Our small 5 x 7 bitmap font for the printable ASCII characters (space to tilde). It is
// read two ways: as strokes, where each lit cell is joined to its lit neighbours (and
// diagonally where no corner cell is lit), so that letters come out with smooth diagonals
// and round ends at any size; and as plain cells, one pixel each, for small labels.
#pragma once

#include <string_view>
#include <vector>

#include "tools/picgen/Shapes.h"

// Glyph cells are Cell pixels square; letters are 5 cells wide, 7 high, one cell apart.
inline constexpr int TinyGlyphWidth = 5;
inline constexpr int TinyGlyphHeight = 7;
inline constexpr int TinyGlyphAdvance = TinyGlyphWidth + 1;

double TextWidth(std::string_view Text, double Cell);

// Whether cell (Column, Row) of Letter is lit; false outside the 5 x 7 cells. Throws
// std::invalid_argument for a character the font lacks (anything but printable ASCII).
bool TinyFontCell(char Letter, int Column, int Row);

// The stroke skeleton of each letter of Text, with the top-left of the first letter's
// first cell at Origin; draw it with a stroke about Cell wide. Throws
// std::invalid_argument for a character the font lacks.
std::vector<std::vector<TSegment>> TextStrokes(std::string_view Text, TPointF Origin, double Cell);
