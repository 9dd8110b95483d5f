// What hangs on a control's kind code, and the colour seen through a control.
#include <gtest/gtest.h>

#include "skin/render/BackgroundType.h"
#include "skin/render/ControlKinds.h"
#include "skin/render/SeenThrough.h"

namespace {

TEST(ControlKindsTest, TheMainWindowsKindsFallInTheirSets) {
  struct TCase {
    int Code;
    bool NoHover, OnRequest, ColorFollows, NoHoverGlow, SelfGlowing, Reframe;
  };
  const TCase Cases[] = {
      {cocEdit, false, true, true, false, false, false},
      {cocMemo, false, true, true, false, false, true},
      {cocImage, false, false, false, false, false, false},
      {cocPanel, true, false, false, true, false, false},
      {cocButton, false, false, false, false, true, false},
      // The ends of the ranges.
      {19, true, false, false, false, false, false},
      {74, true, false, false, true, false, false},
      {75, false, false, false, false, false, false},
      {85, false, true, false, false, false, true},
      {231, false, true, true, false, false, true},
  };
  for (const TCase& C : Cases) {
    EXPECT_EQ(IsNoHoverKind(C.Code), C.NoHover) << C.Code;
    EXPECT_EQ(IsHoverOnRequestKind(C.Code), C.OnRequest) << C.Code;
    EXPECT_EQ(IsColorFollowsStateKind(C.Code), C.ColorFollows) << C.Code;
    EXPECT_EQ(IsNoHoverGlowKind(C.Code), C.NoHoverGlow) << C.Code;
    EXPECT_EQ(IsSelfGlowingKind(C.Code), C.SelfGlowing) << C.Code;
    EXPECT_EQ(IsReframeOnRepaintKind(C.Code), C.Reframe) << C.Code;
  }
}

TEST(ControlKindsTest, AKindWithoutASectionNameFindsOneByItsCode) {
  EXPECT_EQ(SectionSourceOf(cocImage), TSectionSource::Named);
  EXPECT_EQ(NamedSectionOf(cocImage), "CHECKBOX");
  EXPECT_EQ(NamedSectionOf(230), "EDIT");
  for (const int Asks : {cocEdit, cocMemo, cocPanel, cocButton, 227})
    EXPECT_EQ(SectionSourceOf(Asks), TSectionSource::AskControl) << Asks;
  for (const int ByClass : {0, 11, 55, 228})
    EXPECT_EQ(SectionSourceOf(ByClass), TSectionSource::ClassName) << ByClass;
}

TEST(ControlKindsTest, AButtonIsHotUnderTheMouseAPanelIsNot) {
  THotInputs Button{.HasControl = true, .MouseAbove = true, .Code = cocButton};
  EXPECT_EQ(HotState(Button), 1);
  THotInputs Panel{.HasControl = true, .MouseAbove = true, .Code = cocPanel};
  EXPECT_EQ(HotState(Panel), 0);
  Button.NoMouseHover = true;
  EXPECT_EQ(HotState(Button), 0);
  Button.NoMouseHover = false;
  Button.Enabled = false;
  EXPECT_EQ(HotState(Button), 0);
}

TEST(ControlKindsTest, AnEditIsHotOnFocusButOnHoverOnlyWithTheSwitch) {
  THotInputs Edit{.HasControl = true, .MouseAbove = true, .Code = cocEdit};
  EXPECT_EQ(HotState(Edit), 0);
  Edit.EditHoverSwitch = true;
  EXPECT_EQ(HotState(Edit), 1);
  Edit = {.HasControl = true, .Focused = true, .Code = cocEdit};
  EXPECT_EQ(HotState(Edit), 1);
  Edit = {.HasControl = true, .WindowFocused = true, .Code = cocEdit};
  EXPECT_EQ(HotState(Edit), 1);
  THotInputs Panel{.HasControl = true, .WindowFocused = true, .IsPanel = true, .Code = cocPanel};
  EXPECT_EQ(HotState(Panel), 0);
  THotInputs None{.Focused = true, .Code = cocEdit};
  EXPECT_EQ(HotState(None), 0);
}

TEST(SeenThroughTest, TheParentsShareIsTheTransparencyOver256) {
  // Each byte (255 x 50) shr 8 = 49.
  EXPECT_EQ(MixSeenThrough(0xFFFFFF, 0x000000, 50), 0x313131);
  EXPECT_EQ(MixSeenThrough(0x123456, 0x654321, 0), 0x654321);
  // White over black at 50: (-255 x 50 + 255 x 256) shr 8 = 205 per byte.
  EXPECT_EQ(MixSeenThrough(0x000000, 0xFFFFFF, 50), 0xCDCDCD);
  // Byte 3 comes from what lies behind.
  EXPECT_EQ(static_cast<std::uint32_t>(MixSeenThrough(static_cast<TColor>(0x01FFFFFFu), 0, 50)), 0x01313131u);
  // Per channel: red only behind, blue only in front, at 100: (255 x 100) shr 8 = 99 red,
  // (-255 x 100 + 255 x 256) shr 8 = 155 blue.
  EXPECT_EQ(MixSeenThrough(0x0000FF, 0xFF0000, 100), 0x9B0063);
}

TEST(BackgroundTypeTest, GradientsAndTextureModesGiveTheirBits) {
  EXPECT_EQ(BackgroundType(-1, -1), 0);
  EXPECT_EQ(BackgroundType(0, -1), bgVerticalGradient);
  EXPECT_EQ(BackgroundType(1, -1), bgHorizontalGradient);
  EXPECT_EQ(BackgroundType(2, -1), bgVerticalGradient | bgHorizontalGradient);
  EXPECT_EQ(BackgroundType(3, -1), 0);  // "nothing" is no gradient
  // Tiled everywhere: all four edges, not stretched; stretched over all: every bit.
  EXPECT_EQ(BackgroundType(-1, 0), bgTextureLeft | bgTextureTop | bgTextureRight | bgTextureBottom);
  EXPECT_EQ(BackgroundType(-1, 1),
            bgStretchedTexture | bgTextureLeft | bgTextureTop | bgTextureRight | bgTextureBottom);
  EXPECT_EQ(BackgroundType(-1, 6), bgTextureBottom);
  EXPECT_EQ(BackgroundType(-1, 9), bgStretchedTexture | bgTextureRight);
  EXPECT_EQ(BackgroundType(-1, 13), 0);
}

}  // namespace
