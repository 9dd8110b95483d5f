#include "framework/core/AlignLayout.h"

#include <algorithm>
#include <cstddef>

namespace {

// Distance of an item from the edge its kind sticks to (smaller goes first).
int EdgeDistance(const TAlignItem& Item) {
  switch (Item.Align) {
    case TAlign::alTop:
      return Item.Bounds.Top;
    case TAlign::alBottom:
      return -Item.Bounds.Bottom;
    case TAlign::alLeft:
      return Item.Bounds.Left;
    case TAlign::alRight:
      return -Item.Bounds.Right;
    default:
      return 0;
  }
}

}  // namespace

std::vector<TRect> AlignBounds(const TRect& Client, const std::vector<TAlignItem>& Items) {
  std::vector<TRect> Result;
  Result.reserve(Items.size());
  for (const TAlignItem& Item : Items) Result.push_back(Item.Bounds);

  int Left = Client.Left;
  int Top = Client.Top;
  int Right = Client.Right;
  int Bottom = Client.Bottom;

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
      TRect& B = Result[I];
      const int FreeWidth = std::max(0, Right - Left);
      const int FreeHeight = std::max(0, Bottom - Top);
      const int Width = std::max(0, B.Width());
      const int Height = std::max(0, B.Height());
      switch (Kind) {
        case TAlign::alTop:
          B = Bounds(Left, Top, FreeWidth, Height);
          Top += Height;
          break;
        case TAlign::alBottom:
          B = Bounds(Left, Bottom - Height, FreeWidth, Height);
          Bottom -= Height;
          break;
        case TAlign::alLeft:
          B = Bounds(Left, Top, Width, FreeHeight);
          Left += Width;
          break;
        case TAlign::alRight:
          B = Bounds(Right - Width, Top, Width, FreeHeight);
          Right -= Width;
          break;
        default:
          B = Bounds(Left, Top, FreeWidth, FreeHeight);
          break;
      }
    }
  }
  return Result;
}
