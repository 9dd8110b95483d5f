// The skin manager's scale: the system's font scale from its applied DPI, and sizes scaled.
#include <gtest/gtest.h>

#include <climits>

#include "skin/store/ManagerScale.h"

namespace {

TEST(ManagerScale, TheAppliedDpiMapsToFourScalesAtTheirBoundaries) {
  struct TCase {
    int Dpi, Scale;
  };
  for (const TCase& Case : {TCase{0, 0},
                            {96, 0},
                            {119, 0},
                            {120, 1},
                            {143, 1},
                            {144, 2},
                            {191, 2},
                            {192, 3},
                            {480, 3},
                            {-5, 0},
                            {INT_MAX, 3}})
    EXPECT_EQ(SysFontScaleFromDpi(Case.Dpi), Case.Scale) << Case.Dpi;
}

TEST(ManagerScale, TheOldModeNeverScales) {
  for (int Scale = 0; Scale <= 3; ++Scale) EXPECT_EQ(ScaleInt(40, TacScaleMode::smOldMode, Scale), 40);
}

TEST(ManagerScale, OtherModesAddAQuarterAHalfOrDouble) {
  struct TCase {
    int Value, Scale, Scaled;
  };
  for (const TCase& Case : {TCase{40, 0, 40},
                            {40, 1, 50},
                            {40, 2, 60},
                            {40, 3, 80},
                            {9, 1, 11},
                            {9, 2, 13},
                            {-8, 3, -16},
                            {0, 3, 0},
                            {40, 7, 40},
                            {INT_MAX, 3, INT_MAX},
                            {INT_MIN, 2, INT_MIN}})
    EXPECT_EQ(ScaleInt(Case.Value, TacScaleMode::smAuto, Case.Scale), Case.Scaled)
        << Case.Value << " at scale " << Case.Scale;
}

}  // namespace
