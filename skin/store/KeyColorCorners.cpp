#include "skin/store/KeyColorCorners.h"

#include <algorithm>

namespace {

bool IsKeyColor(TPixel32 Pixel) { return (Pixel & 0x00FFFFFFu) == 0xFF00FFu; }

}  // namespace

TKeyColorCount::TKeyColorCount(TConstBitmapView Source)
    : FWidth(std::max(0, Source.Width - 1)), FHeight(std::max(0, Source.Height - 1)),
      FCounts(static_cast<std::size_t>(FWidth + 1) * static_cast<std::size_t>(FHeight + 1)) {
  const auto Stride = static_cast<std::size_t>(FWidth) + 1;
  for (int Y = 0; Y < FHeight; ++Y) {
    const TPixel32* const Line = Source.Row(Y);
    std::uint32_t InRow = 0;
    const std::uint32_t* const Above = &FCounts[static_cast<std::size_t>(Y) * Stride];
    std::uint32_t* const Here = &FCounts[static_cast<std::size_t>(Y + 1) * Stride];
    for (int X = 0; X < FWidth; ++X) {
      InRow += IsKeyColor(Line[X]) ? 1 : 0;
      Here[X + 1] = Above[X + 1] + InRow;
    }
  }
}

bool TKeyColorCount::Any(TRect Area) const {
  Area = IntersectRect(Area, TRect{0, 0, FWidth, FHeight});
  if (Area.IsEmpty()) return false;
  const auto Stride = static_cast<std::size_t>(FWidth) + 1;
  const auto At = [&](int X, int Y) { return FCounts[static_cast<std::size_t>(Y) * Stride + static_cast<std::size_t>(X)]; };
  return At(Area.Right, Area.Bottom) - At(Area.Left, Area.Bottom) - At(Area.Right, Area.Top) + At(Area.Left, Area.Top) > 0;
}

bool TKeyColorCorners::HasKeyColorCorner(TConstBitmapView Source, const TsMaskData& Picture) {
  if (Picture.ImageCount <= 0 || Picture.MaskType < 0 || Source.Row0 == nullptr) return false;
  auto Found = FCounts.find(Source.Row0);
  if (Found == FCounts.end()) Found = FCounts.emplace(Source.Row0, TKeyColorCount(Source)).first;
  const TKeyColorCount& Count = Found->second;
  const TRect& R = Picture.R;
  const int W = R.Width() / Picture.ImageCount;
  const int H = R.Height() / (Picture.MaskType + 1);
  for (int I = 0; I < Picture.ImageCount; ++I) {
    const int X0 = R.Left + I * W;
    const TRect Corners[4] = {{X0, R.Top, X0 + Picture.WL, R.Top + Picture.WT},
                              {X0 + W - Picture.WR, R.Top, X0 + W, R.Top + Picture.WT},
                              {X0, R.Top + H - Picture.WB, X0 + Picture.WL, R.Top + H},
                              {X0 + W - Picture.WR, R.Top + H - Picture.WB, X0 + W, R.Top + H}};
    for (const TRect& Corner : Corners)
      if (Count.Any(Corner)) return true;
  }
  return false;
}
