// The preview's contact sheet: one picture showing every section of a skin in each of its
// states, every glyph state and every glow picture, each labelled in the tiny font.
// Every item is shown twice per state: on a PANEL picture and on a checkerboard, so that
// what a section lets through is plain to see.
#pragma once

#include <string>
#include <vector>

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"
#include "skin/store/sSkinStore.h"

// The sheet's colours: labels are Ink on Paper; the checkerboard's squares are
// CheckerSquare pixels wide, CheckerLight where (x div size + y div size) is even within
// its tile, CheckerDark elsewhere.
inline constexpr TPixel32 SheetPaper = 0xFF1E1E1Eu;
inline constexpr TPixel32 SheetInk = 0xFFE6E6E6u;
inline constexpr TPixel32 CheckerLight = 0xFFFFFFFFu;
inline constexpr TPixel32 CheckerDark = 0xFFC4C4C4u;
inline constexpr int CheckerSquare = 6;

// A skin with more states than this shows its first ones only (the sheet stays readable).
inline constexpr int MaxShownStates = 6;

// What one label of the sheet shows and where.
struct TSheetEntry {
  std::string Label;  // as drawn: characters the font lacks became '?'
  TPoint LabelAt;     // top-left of the first letter's cells
  // Where the item was painted, state by state: on the PANEL picture, then on the
  // checkerboard.
  std::vector<TRect> Cells;
};

struct TContactSheet {
  TBitmap32 Picture;  // opaque
  std::vector<TSheetEntry> Entries;  // sections in skin order, then glyphs, then glows
};

TContactSheet RenderContactSheet(const TsSkinStore& Store);
