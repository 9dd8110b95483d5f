// The value notations of a skin description: numbers, booleans, the version, and the four
// picture notations ("@" glyph, "^" border and "~" texture at fixed character positions of
// the master bitmap; "!" or a bare file name for a separate image).
// Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Geometry.h"

// A decimal integer with an optional minus sign; nothing else (no blanks), within 64 bits.
std::optional<std::int64_t> TryParseInteger(std::string_view Text);
// As TryParseInteger, within 32 bits, else Default.
int StrToIntDef(std::string_view Text, int Default);
// As TryParseInteger within 32 bits, else throws the conversion error (ESkinError).
int StrToIntStrict(std::string_view Text);
// "TRUE" or "1" (case-sensitive) are true; anything else is false.
bool ParseBoolean(std::string_view Text);
// A decimal with "." as separator whatever the locale; 0 when it does not parse.
double ParseVersion(std::string_view Text);
// The words of Text between Separator characters; empty words are skipped.
std::vector<std::string_view> SplitWords(std::string_view Text, char Separator);

// "@LLLL@TTTT@RRRR@BBBB@I@M": a rectangle of glyph pictures.
struct TsGlyphValue {
  TRect R;
  int ImageCount = 0;
  int MaskType = 0;
};
// "^LLLL^TTTT^RRRR^BBBB^wwww^wwww^wwww^wwww^I^M^D^W": a rectangle of border pictures.
struct TsBorderValue {
  TRect R;
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int ImageCount = 0;
  int MaskType = 0;
  int DrawMode = 0;
  int BorderWidth = 0;
};
// "~LLLL~TTTT~RRRR~BBBB~DD~M[~...~FILE]": a texture rectangle, optionally of a separate image.
struct TsTextureValue {
  TRect R;
  int DrawMode = 0;
  int MaskType = 0;
  std::string FileName;  // empty: the rectangle is of the master bitmap
};
// "!FILE!I!M!K!L!T!R!B!D" or a bare file name: a whole separate image.
struct TsImageValue {
  std::string FileName;
  int ImageCount = 1;
  int MaskType = 0;
  int ImgType = 1;  // clamped to 0..4
  bool HasBorderWidths = false;  // at least 5 words: the border widths are given
  int WL = 0, WT = 0, WR = 0, WB = 0;
  int DrawMode = 0;
};

// Each throws the conversion error when a fixed-position field is not a decimal number.
// The value is already upper-cased and begins with its notation's character.
TsGlyphValue ParseGlyphValue(std::string_view Value);
TsBorderValue ParseBorderValue(std::string_view Value);
TsTextureValue ParseTextureValue(std::string_view Value);
// Never throws: a numeric word that is not a number counts as 0.
TsImageValue ParseImageValue(std::string_view Value);
