#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/codec/PngEncode.h"
#include "skin/store/ShadowTemplate.h"

namespace {

TEST(ShadowTemplate, OnlyExactlyTransparentWhiteBecomesZero) {
  const TPixel32 Pixels[] = {0x00FFFFFF, 0x01FFFFFF, 0xFFFFFFFF, 0x00FFFFFE, 0x00FEFFFF, 0x80000000, 0x00000000};
  const TPixel32 Expected[] = {0x00000000, 0x01FFFFFF, 0xFFFFFFFF, 0x00FFFFFE, 0x00FEFFFF, 0x80000000, 0x00000000};
  TBitmap32 Source(7, 2);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 7; ++X) Source.Row(Y)[X] = Pixels[X];

  const TBitmap32 Template = DecodeShadowTemplate(EncodePng(Source));
  ASSERT_EQ(Template.Width(), 7);
  ASSERT_EQ(Template.Height(), 2);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 7; ++X) EXPECT_EQ(Template.Row(Y)[X], Expected[X]) << X << "," << Y;
}

TEST(ShadowTemplate, BytesThatAreNoPngGiveAnEmptyTemplate) {
  const std::vector<std::uint8_t> NotPng{'B', 'M', 0, 0, 0, 0};
  EXPECT_TRUE(DecodeShadowTemplate(NotPng).Empty());
  EXPECT_TRUE(DecodeShadowTemplate({}).Empty());
}

}  // namespace
