// The skin manager's unit start-up in the real program's surroundings: the resources linked
// into this test are the program's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "skin/store/win32/SkinManagerStartup.h"

namespace {

TEST(SkinManagerStartup, DecodesBothShadowTemplatesFromTheResources) {
  const TsManagerUnit Unit = StartSkinManagerUnit({});
  for (const TBitmap32* Template : {&Unit.ShdaTemplate, &Unit.ShdiTemplate}) {
    ASSERT_EQ(Template->Width(), 33);
    ASSERT_EQ(Template->Height(), 33);
    // Transparent at the corners, a shadow under the form's middle.
    EXPECT_EQ(Template->Row(0)[0], 0u);
    EXPECT_EQ(Template->Row(32)[32], 0u);
    EXPECT_GT(PixelAlpha(Template->Row(16)[16]), 0);
  }
  EXPECT_LT(PixelAlpha(Unit.ShdiTemplate.Row(16)[4]), PixelAlpha(Unit.ShdaTemplate.Row(16)[4]));
}

TEST(SkinManagerStartup, KnowsTheSystemAndBindsSetProcessDPIAware) {
  const TsManagerUnit Unit = StartSkinManagerUnit(std::vector<std::wstring>{L"/acverx", L"-x"});
  // Wine, like every system this program runs on, is of the NT family and has the function.
  EXPECT_TRUE(Unit.IsNTFamily);
  const HMODULE User32 = GetModuleHandleW(L"user32.dll");
  ASSERT_NE(User32, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(Unit.SetProcessDPIAware),
            reinterpret_cast<void*>(GetProcAddress(User32, "SetProcessDPIAware")));
  EXPECT_NE(Unit.SetProcessDPIAware, nullptr);
}

}  // namespace
