// The skins kept inside the program (the manager's InternalSkins): each item a name, a few
// informational values copied with it, and the packed container itself.
// Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"

struct TsStoredSkin {
  std::wstring Name;  // the SkinName that selects this item (case-sensitive)
  // Kept with the item and copied with it; the loader takes every skin value from the
  // container instead.
  TBitmap32 MasterBitmap;
  TColor Shadow1Color = clBlack;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  TColor BorderColor = clFuchsia;
  double Version = 0;
  std::wstring Author;
  std::wstring Description;
  std::vector<std::uint8_t> PackedData;  // the container, stored as the property "Data"
};

class TsStoredSkins {
 public:
  // Fired after every change of the list (the manager's OnSkinListChanged).
  std::function<void()> OnChange;

  std::size_t size() const { return FItems.size(); }
  bool empty() const { return FItems.empty(); }
  TsStoredSkin& operator[](std::size_t Index) { return FItems[Index]; }
  const TsStoredSkin& operator[](std::size_t Index) const { return FItems[Index]; }
  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

  void clear() {
    FItems.clear();
    Changed();
  }
  void push_back(TsStoredSkin Item) {
    FItems.push_back(std::move(Item));
    Changed();
  }

  // The first item whose Name equals Name exactly, or -1.
  int IndexOf(const std::wstring& Name) const {
    for (std::size_t I = 0; I < FItems.size(); ++I)
      if (FItems[I].Name == Name) return static_cast<int>(I);
    return -1;
  }

 private:
  void Changed() const {
    if (OnChange) OnChange();
  }
  std::vector<TsStoredSkin> FItems;
};
