// A field's bound caption label with real windows: made and named when switched on, placed
// by its layout beside the field and kept there, shown and enabled as the field is.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/controls/sEdit.h"
#include "skin/store/win32/SkinCommands.h"
#include "tests/win/WinTestSupport.h"

namespace {

class BoundLabel : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsEdit* Edit = new TsEdit(Form);

  void SetUp() override {
    Form->SetBounds(40, 40, 400, 200);
    Edit->BeginLoading();
    Edit->SetName(L"sEditHost");
    Edit->SetParent(Form);
    Edit->SetBounds(150, 60, 80, 21);
    Edit->Loaded();
    Form->Show();
  }
  TsEditLabel& Label() { return *Edit->BoundLabel().TheLabel(); }
};

TEST_F(BoundLabel, SwitchedOnItIsNamedAfterItsFieldAndShowsItsNameWhenItHasNoCaption) {
  EXPECT_EQ(Edit->BoundLabel().TheLabel(), nullptr);
  Edit->BoundLabel().SetActive(true);
  ASSERT_NE(Edit->BoundLabel().TheLabel(), nullptr);
  EXPECT_EQ(Label().Name(), L"sEditHostLabel");
  EXPECT_EQ(Label().Caption(), L"sEditHost");
  EXPECT_EQ(Edit->BoundLabel().Caption(), L"sEditHost");
  EXPECT_EQ(Label().Parent(), Form);
  EXPECT_TRUE(Label().Visible());
  EXPECT_EQ(&Label().BoundLabel(), &Edit->BoundLabel());
  Edit->BoundLabel().SetActive(false);
  EXPECT_EQ(Edit->BoundLabel().TheLabel(), nullptr);
  EXPECT_EQ(Form->Controls().size(), 1u);  // the field alone
}

TEST_F(BoundLabel, EachLayoutPutsTheLabelOnItsSideOfTheField) {
  Edit->BoundLabel().SetCaption(L"Host");
  Edit->BoundLabel().SetActive(true);
  const SIZE Text = TextSize(Label());
  ASSERT_EQ(Label().Width(), Text.cx);
  ASSERT_EQ(Label().Height(), Text.cy);
  const int W = Text.cx, H = Text.cy;
  // The field is 80 x 21 at (150, 60): its right edge at 230, its bottom at 81.
  const int Beside = 60 + (21 - H) / 2 - 1;
  const struct {
    TsCaptionLayout Layout;
    int Left, Top;
    TAlignment Alignment;
  } Cases[] = {
      {sclLeft, 150 - W - 4, Beside, TAlignment::taRightJustify},
      {sclTopLeft, 150, 60 - H, TAlignment::taLeftJustify},
      {sclTopCenter, 150 + (80 - W) / 2, 60 - H, TAlignment::taCenter},
      {sclTopRight, 230 - W, 60 - H, TAlignment::taRightJustify},
      {sclLeftTop, 150 - W - 4, 63, TAlignment::taLeftJustify},
      {sclBottomLeft, 150, 81, TAlignment::taLeftJustify},
      {sclBottomCenter, 150 + (80 - W) / 2, 81, TAlignment::taCenter},
      {sclBottomRight, 230 - W, 81, TAlignment::taRightJustify},
      {sclRight, 234, Beside, TAlignment::taLeftJustify},
      {sclRightTop, 234, 63, TAlignment::taLeftJustify},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(static_cast<int>(C.Layout));
    Edit->BoundLabel().SetLayout(C.Layout);
    EXPECT_EQ(Label().Left(), C.Left);
    EXPECT_EQ(Label().Top(), C.Top);
    EXPECT_EQ(Label().Alignment(), C.Alignment);
  }
  // Offset along the edge, indent away from it.
  Edit->BoundLabel().SetLayout(sclTopLeft);
  Edit->BoundLabel().SetOffset(5);
  Edit->BoundLabel().SetIndent(3);
  EXPECT_EQ(Label().Left(), 155);
  EXPECT_EQ(Label().Top(), 60 - H - 3);
  Edit->BoundLabel().SetLayout(sclRight);
  EXPECT_EQ(Label().Left(), 237);
  EXPECT_EQ(Label().Top(), Beside + 5);
}

TEST_F(BoundLabel, TheLabelFollowsItsFieldWhenItMovesHidesOrIsDisabled) {
  Edit->BoundLabel().SetLayout(sclTopLeft);
  Edit->BoundLabel().SetActive(true);
  Edit->SetBounds(20, 100, 80, 21);
  EXPECT_EQ(Label().Left(), 20);
  EXPECT_EQ(Label().Top() + Label().Height(), 100);

  Edit->SetEnabled(false);
  EXPECT_FALSE(Label().Enabled());
  Edit->BoundLabel().SetEnabledAlways(true);
  Edit->SetEnabled(true);
  Edit->SetEnabled(false);
  EXPECT_TRUE(Label().Enabled());

  Edit->SetVisible(false);
  EXPECT_FALSE(Label().Visible());
  Edit->SetVisible(true);
  EXPECT_TRUE(Label().Visible());
}

TEST_F(BoundLabel, ANewScaleScalesTheMaximumWidth) {
  Edit->BoundLabel().SetMaxWidth(200);
  Edit->BoundLabel().SetActive(true);
  SendSkinCommand(Edit->Handle(), SKC_SET_SCALE, 150);
  EXPECT_EQ(Edit->BoundLabel().MaxWidth(), 300);
  EXPECT_EQ(Edit->BoundLabel().ScalePercent, 150);
}

TEST_F(BoundLabel, ALongCaptionWrapsAtTheMaximumWidth) {
  Edit->BoundLabel().SetCaption(L"Host name or address");
  Edit->BoundLabel().SetLayout(sclTopLeft);
  Edit->BoundLabel().SetActive(true);
  const int OneLine = Label().Height();
  ASSERT_GT(Label().Width(), 60);
  Edit->BoundLabel().SetMaxWidth(60);
  EXPECT_LE(Label().Width(), 60);
  EXPECT_GE(Label().Height(), 2 * OneLine);
  // Still sitting on the field's top edge.
  EXPECT_EQ(Label().Top() + Label().Height(), 60);
}

TEST_F(BoundLabel, WithAllowClickAClickOnTheLabelClicksTheField) {
  int Clicks = 0;
  Edit->OnClick = [&](TObject*) { ++Clicks; };
  Edit->BoundLabel().SetActive(true);
  const auto ClickLabel = [&] {
    const LPARAM At = MAKELPARAM(Label().Left() + Label().Width() / 2, Label().Top() + Label().Height() / 2);
    SendMessageW(Form->Handle(), WM_MOUSEMOVE, 0, At);
    SendMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At);
    SendMessageW(Form->Handle(), WM_LBUTTONUP, 0, At);
  };
  ClickLabel();
  EXPECT_EQ(Clicks, 0);
  Edit->BoundLabel().SetAllowClick(true);
  ClickLabel();
  EXPECT_EQ(Clicks, 1);
}

}  // namespace
