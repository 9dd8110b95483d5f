// Handle owners and guards: what a selection guard gives back, window properties.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "framework/DibSection.h"
#include "framework/Handles.h"

namespace {

TEST(LiveGdiObjectsTest, CountsWhatTheOwnersHoldUntilTheyFreeOrGiveItUp) {
  const int Before = LiveGdiObjects;
  {
    const TUniqueBrush Brush(CreateSolidBrush(RGB(1, 2, 3)));
    TUniqueRegion Region(CreateRectRgn(0, 0, 4, 4));
    TMemoryDC DC(CreateCompatibleDC(nullptr));
    EXPECT_EQ(LiveGdiObjects, Before + 3);
    // Moving keeps one owner; replacing frees the old one; an empty owner holds nothing.
    TUniqueRegion Moved(std::move(Region));
    Moved.Reset(CreateRectRgn(0, 0, 2, 2));
    TUniqueFont None;
    EXPECT_EQ(LiveGdiObjects, Before + 3);
    DeleteDC(DC.Release());
    EXPECT_EQ(LiveGdiObjects, Before + 2);
    // A DIB section: its bitmap and its DC.
    std::optional<TDibSection> Dib = TDibSection::Make(4, 4);
    ASSERT_TRUE(Dib);
    EXPECT_EQ(LiveGdiObjects, Before + 4);
  }
  EXPECT_EQ(LiveGdiObjects, Before);
}

TEST(SelectObjectGuardTest, AnObjectSelectedThroughTheGuardIsSelectedBack) {
  std::optional<TDibSection> Dib = TDibSection::Make(8, 8);
  ASSERT_TRUE(Dib);
  const HGDIOBJ Before = GetCurrentObject(Dib->DC(), OBJ_BRUSH);
  const TUniqueBrush Brush(CreateSolidBrush(RGB(1, 2, 3)));
  {
    const TSelectObjectGuard Selected(Dib->DC(), Brush.Get());
    EXPECT_EQ(GetCurrentObject(Dib->DC(), OBJ_BRUSH), Brush.Get());
  }
  EXPECT_EQ(GetCurrentObject(Dib->DC(), OBJ_BRUSH), Before);
}

TEST(SelectObjectGuardTest, ARegionSelectionClipsAndIsNotTakenForAPreviousObject) {
  std::optional<TDibSection> Dib = TDibSection::Make(8, 8);
  ASSERT_TRUE(Dib);
  const HDC DC = Dib->DC();
  const HGDIOBJ Objects[] = {GetCurrentObject(DC, OBJ_BRUSH), GetCurrentObject(DC, OBJ_PEN),
                             GetCurrentObject(DC, OBJ_FONT), GetCurrentObject(DC, OBJ_BITMAP)};
  const TUniqueRegion Region(CreateRectRgn(2, 3, 6, 7));
  {
    const TSelectObjectGuard Selected(DC, Region.Get());
    RECT Clip{};
    EXPECT_EQ(GetClipBox(DC, &Clip), SIMPLEREGION);
    EXPECT_EQ(Clip.left, 2);
    EXPECT_EQ(Clip.bottom, 7);
    // What the guard does when it goes must not fail: SelectObject of a region type
    // (SIMPLEREGION) would be a call with an invalid handle.
    SetLastError(12345);
  }
  EXPECT_EQ(GetLastError(), 12345u);
  const HGDIOBJ After[] = {GetCurrentObject(DC, OBJ_BRUSH), GetCurrentObject(DC, OBJ_PEN),
                           GetCurrentObject(DC, OBJ_FONT), GetCurrentObject(DC, OBJ_BITMAP)};
  for (int I = 0; I < 4; ++I) EXPECT_EQ(After[I], Objects[I]) << I;
  // The DC clips to its own copy of the region, which the region's owner may free.
  const HRGN Current = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(DC, Current), 1);
  RECT Box{};
  GetRgnBox(Current, &Box);
  EXPECT_EQ(Box.right, 6);
  DeleteObject(Current);
}

TEST(WindowPropertyTest, APropertyGoesWithItsOwnerUnlessReplaced) {
  const TUniqueWindow Window(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr));
  ASSERT_TRUE(Window);
  int First = 0;
  int Second = 0;
  {
    const TWindowProperty Property(Window.Get(), L"QvTestProperty", &First);
    EXPECT_TRUE(Property.Set());
    EXPECT_EQ(GetPropW(Window.Get(), L"QvTestProperty"), &First);
  }
  EXPECT_EQ(GetPropW(Window.Get(), L"QvTestProperty"), nullptr);
  {
    const TWindowProperty Property(Window.Get(), L"QvTestProperty", &First);
    SetPropW(Window.Get(), L"QvTestProperty", &Second);  // someone else's value now
  }
  EXPECT_EQ(GetPropW(Window.Get(), L"QvTestProperty"), &Second);
  RemovePropW(Window.Get(), L"QvTestProperty");
}

}  // namespace
