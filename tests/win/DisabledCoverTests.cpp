// The layered cover over a disabled form: made over the form's bounds when it is disabled,
// at the opacity the blend value gives, and gone when the form is enabled again.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/frame/win32/DisabledCover.h"
#include "tests/win/WinTestSupport.h"

namespace {

TEST(DisabledCoverAlpha, IsTheComplementOfTheBlendValue) {
  struct Case {
    int Value;
    std::optional<BYTE> Alpha;
  } const Cases[] = {{-1, std::nullopt}, {255, 0}, {0, 255}, {100, 155}, {254, 1}, {300, 0}, {-7, 255}};
  for (const Case& C : Cases) EXPECT_EQ(DisabledCoverAlpha(C.Value), C.Alpha) << C.Value;
}

class DisabledCover : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = App.CreateForm<TForm>();
  TDisabledCover Cover;

  void SetUp() override {
    Form->SetBounds(40, 50, 320, 240);
    Form->Show();
  }
  HWND Window() { return Form->Handle(); }
};

// The default blend value makes the cover fully transparent: nothing is put over the form.
TEST_F(DisabledCover, TheDefaultCoverLeavesTheFormAsItIs) {
  EnableWindow(Window(), FALSE);
  Cover.Follow(Window(), 255, 0);
  EXPECT_EQ(Cover.Handle(), nullptr);
}

TEST_F(DisabledCover, ACoverLiesOverTheFormWithoutTakingItsActivationAndGoesWhenEnabled) {
  EnableWindow(Window(), FALSE);
  Cover.Follow(Window(), 100, 0);
  const HWND Layer = Cover.Handle();
  ASSERT_NE(Layer, nullptr);
  EXPECT_TRUE(IsWindowVisible(Layer));
  EXPECT_NE(GetWindowLongPtrW(Layer, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(GetWindow(Layer, GW_OWNER), Window());
  RECT FormBounds{}, LayerBounds{};
  GetWindowRect(Window(), &FormBounds);
  GetWindowRect(Layer, &LayerBounds);
  EXPECT_TRUE(EqualRect(&FormBounds, &LayerBounds));
  // It never takes the activation from the form's windows.
  EXPECT_NE(GetActiveWindow(), Layer);

  EnableWindow(Window(), TRUE);
  Cover.Follow(Window(), 100, 0);
  EXPECT_EQ(Cover.Handle(), nullptr);
  EXPECT_FALSE(IsWindow(Layer));
}

TEST_F(DisabledCover, ABlendValueDimsTheFormAndMinusOneLeavesItUncovered) {
  EnableWindow(Window(), FALSE);
  Cover.Follow(Window(), 100, 0x00FF0000);
  ASSERT_NE(Cover.Handle(), nullptr);
  EXPECT_EQ(Cover.Alpha(), 155);
  Cover.Follow(Window(), -1, 0);
  EXPECT_EQ(Cover.Handle(), nullptr);
}

TEST_F(DisabledCover, AnEnabledFormGetsNoCoverAndTheCoverGoesWithItsOwner) {
  Cover.Follow(Window(), 100, 0);
  EXPECT_EQ(Cover.Handle(), nullptr);
  HWND Layer = nullptr;
  {
    TDisabledCover Scoped;
    EnableWindow(Window(), FALSE);
    Scoped.Follow(Window(), 100, 0);
    Layer = Scoped.Handle();
    ASSERT_NE(Layer, nullptr);
  }
  EXPECT_FALSE(IsWindow(Layer));
}

}  // namespace
