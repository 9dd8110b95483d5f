#include "skin/frame/RegionRects.h"

#include <algorithm>
#include <utility>

namespace {

bool IsKeyColor(TPixel32 Pixel) { return (Pixel & 0x00FFFFFFu) == 0x00FF00FFu; }

// The runs of key pixels in columns [From, To) of one picture row, moved by (DX, DY).
void AddRowRuns(std::vector<TRect>& Rects, const TPixel32* Line, int From, int To, int DX, int Y,
                const TRect& Window) {
  for (int X = From; X < To;) {
    if (!IsKeyColor(Line[X])) {
      ++X;
      continue;
    }
    const int Start = X;
    while (X < To && IsKeyColor(Line[X])) ++X;
    const TRect Run = IntersectRect({Start + DX, Y, X + DX, Y + 1}, Window);
    if (!Run.IsEmpty()) Rects.push_back(Run);
  }
}

// The intervals of [0, Width) left over once Cuts (each inside it) are taken away.
std::vector<std::pair<int, int>> Remaining(int Width, std::vector<std::pair<int, int>> Cuts) {
  std::sort(Cuts.begin(), Cuts.end());
  std::vector<std::pair<int, int>> Kept;
  int X = 0;
  for (const auto& [Left, Right] : Cuts) {
    if (Left > X) Kept.emplace_back(X, Left);
    X = std::max(X, Right);
  }
  if (X < Width) Kept.emplace_back(X, Width);
  return Kept;
}

}  // namespace

void AddCornerRuns(std::vector<TRect>& Rects, const TsMaskData& Border, TConstBitmapView Master, int Width,
                   int Height, bool TopOnly) {
  const TConstBitmapView Source = Border.Bmp ? Border.Bmp->View() : Master;
  const TRect& R = Border.R;
  if (Source.Row0 == nullptr || Border.ImageCount <= 0 || Border.MaskType < 0 || R.IsEmpty() ||
      IntersectRect(R, BitmapRect(Source)) != R)
    return;
  const int W = R.Width() / Border.ImageCount;
  const int H = R.Height() / (Border.MaskType + 1);
  const int WL = std::clamp<int>(Border.WL, 0, W);
  const int WR = std::clamp<int>(Border.WR, 0, W);
  const int WT = std::clamp<int>(Border.WT, 0, H);
  const int WB = std::clamp<int>(Border.WB, 0, H);
  const TRect Window{0, 0, Width, Height};
  // Picture row Y of the state picture lands on window row Y + DY.
  const auto AddRows = [&](int FromRow, int ToRow, int DY) {
    for (int Y = FromRow; Y < ToRow; ++Y) {
      const TPixel32* const Line = Source.Row(R.Top + Y) + R.Left;
      AddRowRuns(Rects, Line, 0, WL, 0, Y + DY, Window);
      AddRowRuns(Rects, Line, W - WR, W, Width - W, Y + DY, Window);
    }
  };
  AddRows(0, WT, 0);
  if (!TopOnly) AddRows(H - WB, H, Height - H);
}

std::vector<TRect> CollectRegionRects(const TsSkinStore& Skin, int FormBorderIndex, int TitleBorderIndex,
                                      int Width, int Height) {
  std::vector<TRect> Rects;
  const TConstBitmapView Master = Skin.MasterBitmap().View();
  if (Skin.IsValidImgIndex(FormBorderIndex))
    AddCornerRuns(Rects, Skin.ma()[static_cast<std::size_t>(FormBorderIndex)], Master, Width, Height, false);
  if (Skin.IsValidImgIndex(TitleBorderIndex))
    AddCornerRuns(Rects, Skin.ma()[static_cast<std::size_t>(TitleBorderIndex)], Master, Width, Height, true);
  return Rects;
}

std::vector<TRect> WindowRegionRects(int Width, int Height, const std::vector<TRect>& Rects) {
  std::vector<TRect> Region;
  if (Width <= 0 || Height <= 0) return Region;
  // Every rectangle's top and bottom splits the window into bands that each rectangle
  // covers whole or not at all.
  std::vector<int> Edges{0, Height};
  for (const TRect& Cut : Rects) {
    const TRect Inside = IntersectRect(Cut, {0, 0, Width, Height});
    if (Inside.IsEmpty()) continue;
    Edges.push_back(Inside.Top);
    Edges.push_back(Inside.Bottom);
  }
  std::sort(Edges.begin(), Edges.end());
  Edges.erase(std::unique(Edges.begin(), Edges.end()), Edges.end());

  std::vector<std::pair<int, int>> Previous;
  std::size_t PreviousStart = 0;  // first rectangle of the band above in Region
  for (std::size_t I = 0; I + 1 < Edges.size(); ++I) {
    const int Top = Edges[I];
    const int Bottom = Edges[I + 1];
    std::vector<std::pair<int, int>> Cuts;
    for (const TRect& Cut : Rects) {
      const int Left = std::max(Cut.Left, 0);
      const int Right = std::min(Cut.Right, Width);
      if (Cut.Top <= Top && Cut.Bottom >= Bottom && Left < Right) Cuts.emplace_back(Left, Right);
    }
    std::vector<std::pair<int, int>> Kept = Remaining(Width, std::move(Cuts));
    if (I > 0 && Kept == Previous) {
      for (std::size_t K = PreviousStart; K < Region.size(); ++K) Region[K].Bottom = Bottom;
      continue;
    }
    PreviousStart = Region.size();
    for (const auto& [Left, Right] : Kept) Region.push_back({Left, Top, Right, Bottom});
    Previous = std::move(Kept);
  }
  return Region;
}
