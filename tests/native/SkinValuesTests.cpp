#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/store/SkinError.h"
#include "skin/store/SkinValues.h"

namespace {

TEST(SkinValues, IntegersAreDecimalWithAnOptionalMinusSign) {
  EXPECT_EQ(StrToIntDef("3355443", 7), 3355443);
  EXPECT_EQ(StrToIntDef("-2", 7), -2);
  for (const char* Bad : {"", " 1", "1 ", "+1", "0x10", "$10", "1.5", "N/A", "99999999999"})
    EXPECT_EQ(StrToIntDef(Bad, 7), 7) << Bad;
  EXPECT_EQ(TryParseInteger("99999999999"), 99999999999LL);
}

TEST(SkinValues, BooleansAreTrueOnlyForTrueAndOne) {
  EXPECT_TRUE(ParseBoolean("TRUE"));
  EXPECT_TRUE(ParseBoolean("1"));
  for (const char* Other : {"yes", "true", "0", "2", ""}) EXPECT_FALSE(ParseBoolean(Other)) << Other;
}

TEST(SkinValues, VersionUsesAPointWhateverTheLocale) {
  EXPECT_DOUBLE_EQ(ParseVersion("8.10"), 8.10);
  EXPECT_DOUBLE_EQ(ParseVersion("12"), 12.0);
  EXPECT_DOUBLE_EQ(ParseVersion("8,10"), 0.0);
  EXPECT_DOUBLE_EQ(ParseVersion(""), 0.0);
}

TEST(SkinValues, GlyphFieldsSitAtFixedPositions) {
  const TsGlyphValue Close = ParseGlyphValue("@0000@0000@0072@0050@3@1");
  EXPECT_EQ(Close.R, (TRect{0, 0, 72, 50}));
  EXPECT_EQ(Close.ImageCount, 3);
  EXPECT_EQ(Close.MaskType, 1);
  const TsGlyphValue Pair = ParseGlyphValue("@0000@0148@0028@0162@2@0");
  EXPECT_EQ(Pair.R, (TRect{0, 148, 28, 162}));
  EXPECT_EQ(Pair.R.Width() / Pair.ImageCount, 14);
  EXPECT_EQ(Pair.MaskType, 0);
}

TEST(SkinValues, BorderAndTextureFieldsSitAtFixedPositions) {
  const TsBorderValue B = ParseBorderValue("^0112^0101^0139^0119^0004^0004^0004^0004^3^1^5^1");
  EXPECT_EQ(B.R, (TRect{112, 101, 139, 119}));
  EXPECT_EQ(std::vector<int>({B.WL, B.WT, B.WR, B.WB}), std::vector<int>({4, 4, 4, 4}));
  EXPECT_EQ(std::vector<int>({B.ImageCount, B.MaskType, B.DrawMode, B.BorderWidth}), std::vector<int>({3, 1, 5, 1}));

  const TsTextureValue T = ParseTextureValue("~0143~0101~0144~0194~01~0");
  EXPECT_EQ(T.R, (TRect{143, 101, 144, 194}));
  EXPECT_EQ(T.DrawMode, 1);
  EXPECT_EQ(T.MaskType, 0);
  EXPECT_EQ(T.FileName, "");
  EXPECT_EQ(ParseTextureValue("~0143~0101~0144~0194~12").MaskType, 0) << "shorter than 25: no mask type";
  const TsTextureValue FromFile = ParseTextureValue("~0000~0000~0010~0010~02~1~WOOD.JPG");
  EXPECT_EQ(FromFile.MaskType, 1);
  EXPECT_EQ(FromFile.FileName, "WOOD.JPG");
}

TEST(SkinValues, MalformedFixedPositionFieldsAreConversionErrors) {
  struct TCase {
    const char* Value;
    char Kind;
    const char* Message;
  };
  const std::vector<TCase> Cases{
      {"@00X0@0000@0072@0050@3@1", '@', "'00X0' is not a valid integer value"},
      {"@0000@0000@0072@0050@3", '@', "'' is not a valid integer value"},
      {"^0112^0101^0139^0119^0004^0004^0004^0004^3^1^5^", '^', "'' is not a valid integer value"},
      {"^0112^0101^0139^0119^00 4^0004^0004^0004^3^1^5^1", '^', "'00 4' is not a valid integer value"},
      {"~0143~0101~0144~0194~A1~0", '~', "'A1' is not a valid integer value"},
  };
  for (const TCase& Case : Cases) {
    try {
      if (Case.Kind == '@') ParseGlyphValue(Case.Value);
      else if (Case.Kind == '^') ParseBorderValue(Case.Value);
      else ParseTextureValue(Case.Value);
      ADD_FAILURE() << "accepted " << Case.Value;
    } catch (const ESkinError& Error) {
      EXPECT_STREQ(Error.what(), Case.Message) << Case.Value;
    }
  }
}

TEST(SkinValues, SeparateImageWords) {
  const TsImageValue Glow = ParseImageValue("!EDITGLOW.PNG!1!0!3!0008!0008!0009!0008!1");
  EXPECT_EQ(Glow.FileName, "EDITGLOW.PNG");
  EXPECT_EQ(std::vector<int>({Glow.ImageCount, Glow.MaskType, Glow.ImgType}), std::vector<int>({1, 0, 3}));
  EXPECT_TRUE(Glow.HasBorderWidths);
  EXPECT_EQ(std::vector<int>({Glow.WL, Glow.WT, Glow.WR, Glow.WB, Glow.DrawMode}), std::vector<int>({8, 8, 9, 8, 1}));

  const TsImageValue Short = ParseImageValue("!A.PNG!2!X!9");
  EXPECT_EQ(Short.ImageCount, 2);
  EXPECT_EQ(Short.MaskType, 0) << "a word that is not a number counts as 0";
  EXPECT_EQ(Short.ImgType, 4) << "kind clamped to 0..4";
  EXPECT_FALSE(Short.HasBorderWidths);
  EXPECT_EQ(Short.DrawMode, 0);

  const TsImageValue Bare = ParseImageValue("WOOD.BMP");
  EXPECT_EQ(Bare.FileName, "WOOD.BMP");
  EXPECT_EQ(std::vector<int>({Bare.ImageCount, Bare.MaskType, Bare.ImgType}), std::vector<int>({1, 0, 1}));
}

}  // namespace
