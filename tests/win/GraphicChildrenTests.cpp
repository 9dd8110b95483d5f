// A container painting its non-windowed children through one off-screen bitmap.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>

#include "framework/Application.h"
#include "framework/Colors.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "skin/render/win32/GraphicChildren.h"

namespace {

// A child that fills itself with one colour and counts its paints.
class TSwatch : public TGraphicControl {
 public:
  TSwatch(TComponent* AOwner, TColor AFill) : TGraphicControl(AOwner), Fill(AFill) {}
  TColor Fill;
  int Paints = 0;
  std::function<void(HDC)> WhilePainting;

 protected:
  void Paint() override {
    ++Paints;
    Canvas().Brush().SetColor(Fill);
    Canvas().FillRect({0, 0, Width(), Height()});
    if (WhilePainting) WhilePainting(Canvas().Handle());
  }
};

class GraphicChildren : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  std::optional<TDibSection> Target = TDibSection::Make(100, 50);

  TSwatch* Swatch(int Left, TColor Fill) {
    auto* Child = new TSwatch(Form, Fill);
    Child->SetParent(Form);
    Child->SetBounds(Left, 0, 10, 10);
    return Child;
  }
  TPixel32 At(int X, int Y) const { return ReadPixel(Target->Pixels(), X, Y) & 0xFFFFFF; }

  void SetUp() override {
    ASSERT_TRUE(Target);
    Form->SetBounds(0, 0, 100, 50);
    Target->Pixels().Fill(0x123456);
  }
};

TEST_F(GraphicChildren, EachChildIsCopiedAtItsPlaceMovedByTheOffsetButOneLeftMagentaIsNot) {
  Swatch(0, clBlue);
  Swatch(20, clFuchsia);
  PaintGraphicChildren(Target->DC(), Form, false, {5, 3});
  EXPECT_EQ(At(5, 3), 0x0000FFu);    // blue, as a pixel
  EXPECT_EQ(At(14, 12), 0x0000FFu);
  EXPECT_EQ(At(4, 3), 0x123456u);    // outside it
  EXPECT_EQ(At(25, 3), 0x123456u);   // the magenta child left the target as it was
  EXPECT_EQ(At(34, 12), 0x123456u);
}

TEST_F(GraphicChildren, AChildPaintingItsContainersChildrenAgainPaintsNothingMore) {
  TSwatch* First = Swatch(0, clBlue);
  TSwatch* Second = Swatch(20, clRed);
  First->WhilePainting = [&](HDC DC) { PaintGraphicChildren(DC, Form, false, {}); };
  PaintGraphicChildren(Target->DC(), Form, false, {});
  EXPECT_EQ(First->Paints, 1);
  EXPECT_EQ(Second->Paints, 1);
  EXPECT_EQ(At(25, 5), 0xFF0000u);  // red, as a pixel
  // The guard is gone once the outer call has returned.
  PaintGraphicChildren(Target->DC(), Form, false, {});
  EXPECT_EQ(Second->Paints, 2);
}

// A see-through child: draws a 2 x 2 red mark at its corner and nothing else.
class TMark : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect({0, 0, 2, 2});
  }
};

TEST_F(GraphicChildren, AChildOverAnEarlierOneLetsItShowWhereItDrawsNothing) {
  Swatch(0, clBlue);
  auto* Mark = new TMark(Form);
  Mark->SetParent(Form);
  Mark->SetBounds(5, 0, 10, 10);
  PaintGraphicChildren(Target->DC(), Form, false, {});
  EXPECT_EQ(At(5, 0), 0xFF0000u);  // the mark
  EXPECT_EQ(At(8, 5), 0x0000FFu);  // the swatch under the mark's empty part
  // Beyond the swatch the mark shows the form.
  EXPECT_EQ(At(12, 5), ExchangeRedBlue(static_cast<std::uint32_t>(ColorToRGB(Form->Color()))));
}

TEST_F(GraphicChildren, NothingIsPaintedWhereNothingShows) {
  TSwatch* Child = Swatch(0, clBlue);
  Child->SetVisible(false);
  PaintGraphicChildren(Target->DC(), Form, false, {});
  EXPECT_EQ(Child->Paints, 0);
  Child->SetVisible(true);
  IntersectClipRect(Target->DC(), 0, 0, 0, 0);
  PaintGraphicChildren(Target->DC(), Form, false, {});
  EXPECT_EQ(Child->Paints, 0);
  EXPECT_EQ(At(5, 5), 0x123456u);
}

}  // namespace
