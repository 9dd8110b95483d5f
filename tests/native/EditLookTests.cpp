#include <gtest/gtest.h>

#include "skin/controls/core/EditLook.h"

namespace {

TEST(EditLook, BorderWidthCountsTheEdgeAndEachBevel) {
  struct {
    TEditBorder Border;
    int Width;
    int Strips;
  } const Cases[] = {
      {{true, true, false, false}, 2, 2},   // the program's fields: a 3-D border
      {{true, false, false, false}, 1, 1},  // a flat border
      {{false, true, false, false}, 0, 0},  // no border at all
      {{true, true, true, true}, 4, 4},     // 3-D border and both bevels
      {{false, false, true, false}, 1, 1},  // only a bevel
      {{false, true, true, true}, 2, 2},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(EditBorderWidth(C.Border), C.Width);
    EXPECT_EQ(EditFrameStripWidth(C.Border), C.Strips);
  }
}

TEST(EditLook, TextSitsInsideTheBorderWithOneMorePixelAboveAndBeside) {
  // The host field: 165 x 21 with a 3-D border of 2.
  EXPECT_EQ(EditTextRect(165, 21, {true, true, false, false}), (TRect{3, 3, 162, 19}));
  EXPECT_EQ(EditTextRect(81, 21, {true, false, false, false}), (TRect{2, 2, 79, 20}));
  // Without a border the text fills the picture.
  EXPECT_EQ(EditTextRect(40, 12, {false, true, false, false}), (TRect{0, 0, 40, 12}));
  // A field smaller than its border gives an empty rectangle, never an inverted one.
  const TRect Tiny = EditTextRect(4, 3, {true, true, false, false});
  EXPECT_TRUE(Tiny.IsEmpty());
  EXPECT_GE(Tiny.Width(), 0);
  EXPECT_GE(Tiny.Height(), 0);
}

TEST(EditLook, PasswordFieldShowsOneCharacterPerCharacter) {
  EXPECT_EQ(ShownEditText(L"secret", L'*'), L"\u25CF\u25CF\u25CF\u25CF\u25CF\u25CF");
  EXPECT_EQ(ShownEditText(L"abc", L'#'), L"###");
  EXPECT_EQ(ShownEditText(L"plain", 0), L"plain");
  EXPECT_EQ(ShownEditText(L"", L'*'), L"");
}

TEST(EditLook, HintColourLeansTowardsTheFontColour) {
  // Each byte (239 * 166 + 51 * 89) >> 8 = 172.
  EXPECT_EQ(EditHintColor(0xEFEFEF, 0x333333), static_cast<TColor>(0xACACAC));
  // Black on white: (0 * 166 + 255 * 89) >> 8 = 88.
  EXPECT_EQ(EditHintColor(0x000000, 0xFFFFFF), static_cast<TColor>(0x585858));
  // Per channel: red 255 over 0 gives 165, blue 0 over 255 gives 88.
  EXPECT_EQ(EditHintColor(0x0000FF, 0xFF0000), static_cast<TColor>(0x5800A5));
}

}  // namespace
