#include "framework/AlignLayout.h"

#include <algorithm>
#include <cstddef>

namespace {

// Distance of an item from the edge its kind sticks to (smaller goes first).
int EdgeDistance(const TAlignItem& Item) {
  switch (Item.Align) {
    case TAlign::alTop:
      return Item.Bounds.Top;
    case TAlign::alBottom:
      return -(Item.Bounds.Top + Item.Bounds.Height);
    case TAlign::alLeft:
      return Item.Bounds.Left;
    case TAlign::alRight:
      return -(Item.Bounds.Left + Item.Bounds.Width);
    default:
      return 0;
  }
}

}  // namespace

std::vector<TBounds> AlignBounds(const TBounds& Client, const std::vector<TAlignItem>& Items) {
  std::vector<TBounds> Result;
  Result.reserve(Items.size());
  for (const TAlignItem& Item : Items) Result.push_back(Item.Bounds);

  int Left = Client.Left;
  int Top = Client.Top;
  int Right = Client.Left + Client.Width;
  int Bottom = Client.Top + Client.Height;

  for (const TAlign Kind :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    std::vector<std::size_t> Order;
    for (std::size_t I = 0; I < Items.size(); ++I) {
      if (Items[I].Align == Kind) Order.push_back(I);
    }
    std::stable_sort(Order.begin(), Order.end(), [&Items](std::size_t A, std::size_t B) {
      return EdgeDistance(Items[A]) < EdgeDistance(Items[B]);
    });
    for (const std::size_t I : Order) {
      TBounds& B = Result[I];
      const int FreeWidth = std::max(0, Right - Left);
      const int FreeHeight = std::max(0, Bottom - Top);
      switch (Kind) {
        case TAlign::alTop:
          B = {Left, Top, FreeWidth, std::max(0, B.Height)};
          Top += B.Height;
          break;
        case TAlign::alBottom:
          B.Height = std::max(0, B.Height);
          B = {Left, Bottom - B.Height, FreeWidth, B.Height};
          Bottom -= B.Height;
          break;
        case TAlign::alLeft:
          B = {Left, Top, std::max(0, B.Width), FreeHeight};
          Left += B.Width;
          break;
        case TAlign::alRight:
          B.Width = std::max(0, B.Width);
          B = {Right - B.Width, Top, B.Width, FreeHeight};
          Right -= B.Width;
          break;
        default:
          B = {Left, Top, FreeWidth, FreeHeight};
          break;
      }
    }
  }
  return Result;
}
