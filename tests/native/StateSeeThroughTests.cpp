// Whether a section lets what lies under it show in a state.
#include <gtest/gtest.h>

#include "skin/render/StateSeeThrough.h"

namespace {

TEST(StateSeeThroughTest, TransparencyAboveHalfAndABorderThatLeavesItsInsideShowThrough) {
  struct TCase {
    const char* What;
    bool HasParent;
    int State, Transparency;
    bool HasBorder;
    int DrawMode;
    bool Masked;
    int CentreBlue;
    bool Expected;
  };
  const TCase Cases[] = {
      {"no parent", false, 0, 100, false, 0, false, 0, false},
      {"half is not enough", true, 0, 50, false, 0, false, 0, false},
      {"just above half", true, 0, 51, false, 0, false, 0, true},
      {"border without centre, normal", true, 0, 100, true, 1, false, 0, true},
      {"border without centre, hot", true, 1, 100, true, 1, false, 0, true},
      {"centre painted in every state, normal", true, 0, 100, true, 4, false, 0, false},
      {"centre painted in every state, hot", true, 1, 100, true, 5, false, 0, false},
      {"border only past normal: normal shows through", true, 0, 100, true, 6, false, 0, true},
      {"border only past normal: hot does not", true, 1, 100, true, 7, false, 0, false},
      {"masked centre keeping most", true, 0, 80, true, 4, true, 128, true},
      {"masked centre keeping less", true, 0, 80, true, 4, true, 127, false},
      {"masked but thin", true, 1, 40, true, 4, true, 255, false},
  };
  for (const TCase& C : Cases) {
    TSeeThroughInputs In;
    In.HasParent = C.HasParent;
    In.State = C.State;
    In.Transparency = C.Transparency;
    In.HasBorder = C.HasBorder;
    In.BorderDrawMode = C.DrawMode;
    In.BorderMasked = C.Masked;
    In.MaskCentreBlue = C.CentreBlue;
    EXPECT_EQ(IsSeeThrough(In), C.Expected) << C.What;
  }
}

}  // namespace
