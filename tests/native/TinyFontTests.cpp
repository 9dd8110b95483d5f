#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "tools/picgen/TinyFont.h"

namespace {

// The lit cells of a character, row by row, as text.
std::string CellsOf(char Letter) {
  std::string Cells;
  for (int Row = 0; Row < TinyGlyphHeight; ++Row)
    for (int Column = 0; Column < TinyGlyphWidth; ++Column) Cells += TinyFontCell(Letter, Column, Row) ? '#' : '.';
  return Cells;
}

TEST(TinyFont, EveryPrintableCharacterHasItsOwnGlyph) {
  std::set<std::string> Seen;
  for (char Letter = ' '; Letter <= '~'; ++Letter) {
    const std::string Cells = CellsOf(Letter);
    EXPECT_EQ(Letter == ' ', Cells.find('#') == std::string::npos) << Letter;
    EXPECT_TRUE(Seen.insert(Cells).second) << "glyph of '" << Letter << "' repeats another";
    EXPECT_EQ(TextStrokes(std::string(1, Letter), {0, 0}, 1).size(), 1u);
  }
}

TEST(TinyFont, KnownShapes) {
  EXPECT_EQ(CellsOf('I'), ".###...#....#....#....#....#...###.");
  EXPECT_EQ(CellsOf('_'), std::string(30, '.') + "#####");
  EXPECT_EQ(CellsOf('1'), "..#...##....#....#....#....#...###.");
}

TEST(TinyFont, NothingIsLitOutsideTheCells) {
  for (const auto& [Column, Row] : {std::pair{-1, 0}, {5, 0}, {0, -1}, {0, 7}, {4, 7}}) {
    EXPECT_FALSE(TinyFontCell('#', Column, Row));
    EXPECT_FALSE(TinyFontCell('W', Column, Row));
  }
}

TEST(TinyFont, RejectsCharactersOutsidePrintableAscii) {
  for (const char Letter : {'\n', '\x1f', '\x7f', '\xe9'}) {
    EXPECT_THROW(TinyFontCell(Letter, 0, 0), std::invalid_argument);
    EXPECT_THROW(TextStrokes(std::string(1, Letter), {0, 0}, 1), std::invalid_argument);
  }
}

TEST(TinyFont, TextWidthCountsOneGapBetweenLetters) {
  EXPECT_EQ(TextWidth("", 1), 0);
  EXPECT_EQ(TextWidth("A", 1), 5);
  EXPECT_EQ(TextWidth("AB c", 2), 46);
}

}  // namespace
