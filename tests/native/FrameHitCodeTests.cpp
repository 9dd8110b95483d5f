// Hit codes of the painted frame, point by point at the edges of every band.
#include <gtest/gtest.h>

#include "skin/frame/FrameHitCode.h"

namespace {

constexpr TFrameSkinValues InternalValues{0, 3, 2, 0, 24, 25, false};

struct Case {
  int X, Y;
  TFrameHitCode Code;
};

void ExpectCodes(const TFrameForm& Form, std::initializer_list<Case> Cases) {
  const TFrameItems Items = CalcItems(Form, InternalValues);
  for (const Case& C : Cases)
    EXPECT_EQ(CalcHitCode(Form, Items, {C.X, C.Y}, true), C.Code) << "(" << C.X << ", " << C.Y << ")";
}

// The main window with a 23-pixel caption: icon (3, 4)-(19, 20), close (784, 0)-(808, 25),
// title band down to 26.
TEST(CalcHitCode, SingleBorderedMainWindow) {
  ExpectCodes({814, 512, 23, 3, 3, false, true},
              {{784, 0, hcClose},     {807, 24, hcClose},   {808, 10, hcCaption},  {783, 10, hcCaption},
               {790, 25, hcCaption},  {3, 4, hcSysMenu},    {18, 19, hcSysMenu},   {19, 10, hcCaption},
               {10, 20, hcCaption},   {2, 10, hcCaption},   {400, 25, hcCaption},  {400, 26, hcClient},
               {0, 300, hcClient},    {813, 511, hcClient}, {-1, 10, hcNowhere},   {814, 10, hcNowhere},
               {400, 512, hcNowhere}, {400, -1, hcNowhere}});
}

// A sizeable form: 4-pixel bands on every side, corners where two meet. Its close button
// (770, 1)-(794, 26) is found before the top band.
TEST(CalcHitCode, SizingFrameBandsAndCorners) {
  ExpectCodes({800, 600, 23, 4, 4, true, true},
              {{0, 0, hcTopLeft},      {3, 3, hcTopLeft},      {4, 0, hcTop},          {795, 3, hcTop},
               {796, 0, hcTopRight},   {799, 3, hcTopRight},   {0, 4, hcLeft},         {3, 300, hcLeft},
               {4, 300, hcClient},     {795, 300, hcClient},   {796, 300, hcRight},    {0, 596, hcBottomLeft},
               {3, 599, hcBottomLeft}, {4, 596, hcBottom},     {400, 595, hcClient},   {796, 596, hcBottomRight},
               {799, 599, hcBottomRight}, {780, 1, hcClose},  {780, 0, hcTop},        {400, 26, hcCaption},
               {400, 27, hcClient}});
}

TEST(CalcHitCode, DisabledCloseIsCaption) {
  const TFrameForm Form{814, 512, 23, 3, 3, false, true};
  const TFrameItems Items = CalcItems(Form, InternalValues);
  EXPECT_EQ(CalcHitCode(Form, Items, {790, 10}, false), hcCaption);
  EXPECT_EQ(CalcHitCode(Form, Items, {790, 10}, true), hcClose);
}

TEST(CalcHitCode, WithoutIconTheCornerIsCaption) {
  const TFrameForm Form{814, 512, 23, 3, 3, false, false};
  EXPECT_EQ(CalcHitCode(Form, CalcItems(Form, InternalValues), {3, 4}, true), hcCaption);
}

}  // namespace
