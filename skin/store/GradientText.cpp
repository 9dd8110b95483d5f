#include "skin/store/GradientText.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "skin/store/ConvertError.h"

namespace {

std::vector<std::string_view> SplitFields(std::string_view Text) {
  std::vector<std::string_view> Fields;
  std::size_t Pos = 0;
  while (Pos < Text.size()) {
    const std::size_t End = std::min(Text.find(';', Pos), Text.size());
    if (End > Pos) Fields.push_back(Text.substr(Pos, End - Pos));
    Pos = End + 1;
  }
  return Fields;
}

// Field N (from 1); a missing field reads as an empty, hence invalid, number.
std::int64_t Field(const std::vector<std::string_view>& Fields, std::size_t N) {
  return StrToInt64(N - 1 < Fields.size() ? Fields[N - 1] : std::string_view());
}

std::int32_t Field32(const std::vector<std::string_view>& Fields, std::size_t N) {
  const std::int64_t Value = Field(Fields, N);
  if (Value < INT32_MIN || Value > INT32_MAX)
    throw EConvertError("'" + std::string(Fields[N - 1]) + "' is not a valid integer value");
  return static_cast<std::int32_t>(Value);
}

TsColor LowColor(std::int64_t Value) { return TsColor::FromC(static_cast<std::uint32_t>(Value)); }

std::uint8_t ClampPercent(std::int64_t Value) { return static_cast<std::uint8_t>(std::clamp<std::int64_t>(Value, 0, 100)); }

}  // namespace

TsGradArray ParseGradient(std::string_view Text) {
  TsGradArray Points;
  if (Text.size() <= 4) return Points;
  const std::vector<std::string_view> Fields = SplitFields(Text);
  const unsigned char Last = static_cast<unsigned char>(Text.back());
  if (Last == '0') {
    const std::size_t N = Fields.size() / 5;
    Points.resize(N);
    std::int64_t Acc = 0;
    for (std::size_t I = 0; I < N; ++I) {
      TsGradPoint& P = Points[I];
      P.Color = LowColor(Field(Fields, 5 * I + 1));
      P.Percent = static_cast<std::uint8_t>(std::min<std::int64_t>(100, Acc));
      P.Mode = Field32(Fields, 5 * I + 4) & ~GradientSmoothBand;
      P.Index = static_cast<std::uint16_t>(I);
      Acc += ClampPercent(Field(Fields, 5 * I + 3));
      P.Color.A = 255;
    }
    if (!Points.empty() && (Points[0].Mode & GradientKindMask) == 2)
      while (Points.size() < 5) Points.push_back(Points.back());
  } else {
    const int N = static_cast<int>(Last) - 64;
    if (N <= 0) return Points;
    Points.resize(static_cast<std::size_t>(N));
    for (std::size_t I = 0; I < Points.size(); ++I) {
      TsGradPoint& P = Points[I];
      P.Color = LowColor(Field(Fields, 3 * I + 1));
      P.Percent = ClampPercent(Field(Fields, 3 * I + 2));
      P.Mode = Field32(Fields, 3 * I + 3);
      P.Index = static_cast<std::uint16_t>(I);
      if (P.Mode & GradientSmoothBand) Points[0].Mode |= GradientPathCorners;
    }
  }
  if (!Points.empty()) Points.back().Percent = 100;
  return Points;
}

