#include "tools/picgen/TinyFont.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 7;
constexpr int Advance = GlyphWidth + 1;

struct TGlyph {
  char Letter;
  std::array<std::string_view, GlyphHeight> Rows;
};

constexpr std::array<TGlyph, 6> Glyphs{{
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
}};

const TGlyph& GlyphOf(char Letter) {
  for (const TGlyph& Glyph : Glyphs)
    if (Glyph.Letter == Letter) return Glyph;
  throw std::invalid_argument(std::string("the tiny font has no letter '") + Letter + "'");
}

bool Lit(const TGlyph& Glyph, int Column, int Row) {
  return Column >= 0 && Column < GlyphWidth && Row >= 0 && Row < GlyphHeight &&
         Glyph.Rows[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Column)] == '#';
}

}  // namespace

double TextWidth(std::string_view Text, double Cell) {
  return Text.empty() ? 0 : (static_cast<double>(Text.size()) * Advance - 1) * Cell;
}

std::vector<std::vector<TSegment>> TextStrokes(std::string_view Text, TPointF Origin, double Cell) {
  std::vector<std::vector<TSegment>> Letters;
  for (std::size_t Index = 0; Index < Text.size(); ++Index) {
    std::vector<TSegment>& Segments = Letters.emplace_back();
    const TGlyph& Glyph = GlyphOf(Text[Index]);
    const double Left = Origin.X + static_cast<double>(Index) * Advance * Cell;
    auto Centre = [&](int Column, int Row) {
      return TPointF{Left + (Column + 0.5) * Cell, Origin.Y + (Row + 0.5) * Cell};
    };
    for (int Row = 0; Row < GlyphHeight; ++Row)
      for (int Column = 0; Column < GlyphWidth; ++Column) {
        if (!Lit(Glyph, Column, Row)) continue;
        const TPointF Here = Centre(Column, Row);
        const std::size_t Before = Segments.size();
        if (Lit(Glyph, Column + 1, Row)) Segments.push_back({Here, Centre(Column + 1, Row)});
        if (Lit(Glyph, Column, Row + 1)) Segments.push_back({Here, Centre(Column, Row + 1)});
        for (const int Side : {-1, 1})
          if (Lit(Glyph, Column + Side, Row + 1) && !Lit(Glyph, Column + Side, Row) &&
              !Lit(Glyph, Column, Row + 1))
            Segments.push_back({Here, Centre(Column + Side, Row + 1)});
        // A cell joined to nothing below or to its right may still be an end or a dot.
        if (Segments.size() == Before) Segments.push_back({Here, Here});
      }
  }
  return Letters;
}
