// Our small 5 x 7 bitmap font, drawn as strokes: each lit cell is joined to its lit
// neighbours (and diagonally where no corner cell is lit), so that letters come out with
// smooth diagonals and round ends at any size. It holds only the letters we draw.
#pragma once

#include <string_view>
#include <vector>

#include "tools/picgen/Shapes.h"

// Glyph cells are Cell pixels square; letters are 5 cells wide, 7 high, one cell apart.
double TextWidth(std::string_view Text, double Cell);

// The stroke skeleton of each letter of Text, with the top-left of the first letter's
// first cell at Origin; draw it with a stroke about Cell wide. Throws
// std::invalid_argument for a letter the font lacks.
std::vector<std::vector<TSegment>> TextStrokes(std::string_view Text, TPointF Origin, double Cell);
