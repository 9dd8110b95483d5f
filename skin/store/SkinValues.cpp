#include "skin/store/SkinValues.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "skin/store/SkinError.h"

namespace {

// Characters [Position, Position + Length) counted from 1, cut at the end of Text.
std::string_view Field(std::string_view Text, std::size_t Position, std::size_t Length) {
  if (Position - 1 >= Text.size()) return {};
  return Text.substr(Position - 1, Length);
}

int FieldInt(std::string_view Text, std::size_t Position, std::size_t Length) {
  return StrToIntStrict(Field(Text, Position, Length));
}

TRect FieldRect(std::string_view Value) {
  return {FieldInt(Value, 2, 4), FieldInt(Value, 7, 4), FieldInt(Value, 12, 4), FieldInt(Value, 17, 4)};
}

std::optional<int> ToInt32(std::optional<std::int64_t> Value) {
  if (!Value || *Value < std::numeric_limits<int>::min() || *Value > std::numeric_limits<int>::max()) return {};
  return static_cast<int>(*Value);
}

}  // namespace

std::optional<std::int64_t> TryParseInteger(std::string_view Text) {
  std::int64_t Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Error != std::errc() || End != Text.data() + Text.size()) return {};
  return Value;
}

int StrToIntDef(std::string_view Text, int Default) { return ToInt32(TryParseInteger(Text)).value_or(Default); }

int StrToIntStrict(std::string_view Text) {
  const std::optional<int> Value = ToInt32(TryParseInteger(Text));
  if (!Value) throw ConversionError(std::string(Text));
  return *Value;
}

bool ParseBoolean(std::string_view Text) { return Text == "TRUE" || Text == "1"; }

double ParseVersion(std::string_view Text) {
  double Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value, std::chars_format::fixed);
  return Error == std::errc() && End == Text.data() + Text.size() ? Value : 0;
}

std::vector<std::string_view> SplitWords(std::string_view Text, char Separator) {
  std::vector<std::string_view> Words;
  std::size_t Start = 0;
  while (Start <= Text.size()) {
    std::size_t End = Text.find(Separator, Start);
    if (End == std::string_view::npos) End = Text.size();
    if (End > Start) Words.push_back(Text.substr(Start, End - Start));
    Start = End + 1;
  }
  return Words;
}

TsGlyphValue ParseGlyphValue(std::string_view Value) {
  return {FieldRect(Value), FieldInt(Value, 22, 1), FieldInt(Value, 24, 1)};
}

TsBorderValue ParseBorderValue(std::string_view Value) {
  TsBorderValue Border;
  Border.R = FieldRect(Value);
  Border.WL = FieldInt(Value, 22, 4);
  Border.WT = FieldInt(Value, 27, 4);
  Border.WR = FieldInt(Value, 32, 4);
  Border.WB = FieldInt(Value, 37, 4);
  Border.ImageCount = FieldInt(Value, 42, 1);
  Border.MaskType = FieldInt(Value, 44, 1);
  Border.DrawMode = FieldInt(Value, 46, 1);
  Border.BorderWidth = FieldInt(Value, 48, 1);
  return Border;
}

TsTextureValue ParseTextureValue(std::string_view Value) {
  TsTextureValue Texture;
  Texture.R = FieldRect(Value);
  Texture.DrawMode = FieldInt(Value, 22, 2);
  if (Value.size() >= 25) Texture.MaskType = FieldInt(Value, 25, 1);
  if (Value.size() > 26) {
    const std::vector<std::string_view> Words = SplitWords(Value, '~');
    if (Words.size() >= 7) Texture.FileName = std::string(Words[6]);
  }
  return Texture;
}

TsImageValue ParseImageValue(std::string_view Value) {
  TsImageValue Image;
  if (Value.find('!') == std::string_view::npos) {
    Image.FileName = std::string(Value);
    return Image;
  }
  const std::vector<std::string_view> Words = SplitWords(Value, '!');
  const auto Word = [&](std::size_t Number) {
    return Number <= Words.size() ? StrToIntDef(Words[Number - 1], 0) : 0;
  };
  if (!Words.empty()) Image.FileName = std::string(Words[0]);
  Image.ImageCount = Word(2);
  Image.MaskType = Word(3);
  Image.ImgType = std::clamp(Word(4), 0, 4);
  Image.HasBorderWidths = Words.size() >= 5;
  if (Image.HasBorderWidths) {
    Image.WL = Word(5);
    Image.WT = Word(6);
    Image.WR = Word(7);
    Image.WB = Word(8);
  }
  if (Words.size() >= 9) Image.DrawMode = Word(9);
  return Image;
}
