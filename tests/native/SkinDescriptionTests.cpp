#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/store/SkinDescription.h"
#include "skin/store/SkinText.h"

namespace {

std::vector<std::uint8_t> Bytes(std::initializer_list<int> Values) {
  std::vector<std::uint8_t> Out;
  for (const int Value : Values) Out.push_back(static_cast<std::uint8_t>(Value));
  return Out;
}

std::string Value(const TSkinDescription& D, const char* Section, const char* Key) {
  const std::string* Found = D.Find(Section, Key);
  return Found ? *Found : "<absent>";
}

TEST(SkinDescription, LinesAreTrimmedCommentsSkippedAndKeysSplitAtTheFirstEqualSign) {
  const TSkinDescription D(
      "IGNORED=before any section\r\n"
      "  [ GLOBALINFO ]  \r\n"
      "; a comment=with an equal sign\n"
      "\tVERSION = 8.10 \n"
      "\n"
      "FORMULA=a=b\r"
      "NOVALUE\n"
      "[BUTTON]\n"
      "COLOR=1\n");
  ASSERT_EQ(D.Sections().size(), 2u);
  EXPECT_EQ(D.Sections()[0].Name, "GLOBALINFO");
  EXPECT_EQ(Value(D, "GLOBALINFO", "VERSION"), "8.10");
  EXPECT_EQ(Value(D, "GLOBALINFO", "FORMULA"), "a=b");
  EXPECT_EQ(Value(D, "GLOBALINFO", "NOVALUE"), "");
  EXPECT_EQ(Value(D, "GLOBALINFO", "IGNORED"), "<absent>");
  EXPECT_EQ(Value(D, "GLOBALINFO", "; a comment"), "<absent>");
  EXPECT_EQ(Value(D, "BUTTON", "COLOR"), "1");
  EXPECT_EQ(D.SectionIndex("BUTTON"), 1);
}

TEST(SkinDescription, LookupsAreCaseSensitive) {
  const TSkinDescription D("[Edit]\nColor=1\n[EDIT]\nCOLOR=2\n");
  EXPECT_EQ(Value(D, "Edit", "Color"), "1");
  EXPECT_EQ(Value(D, "EDIT", "COLOR"), "2");
  EXPECT_EQ(Value(D, "EDIT", "Color"), "<absent>");
  EXPECT_EQ(D.SectionIndex("edit"), -1);
}

TEST(SkinDescription, RepeatedSectionsContinueTheFirstAndTheFirstKeyWins) {
  const TSkinDescription D("[A]\nK=1\n[B]\nK=2\n[A]\nK=3\nL=4\n");
  ASSERT_EQ(D.Sections().size(), 2u);
  EXPECT_EQ(D.SectionIndex("A"), 0);
  EXPECT_EQ(Value(D, "A", "K"), "1");
  EXPECT_EQ(Value(D, "A", "L"), "4");
  EXPECT_EQ(D.Sections()[0].Keys.size(), 3u) << "repeats stay in file order";
}

TEST(SkinText, ByteOrderMarksSelectTheEncodingAndEverythingElseIsAnsi) {
  struct TCase {
    const char* Name;
    std::vector<std::uint8_t> File;
    std::string Utf8;
  };
  const std::vector<TCase> Cases{
      {"ANSI", Bytes({'[', 'A', ']', 0x80, 0xE9}), "[A]\u20AC\u00E9"},
      {"UTF-8", Bytes({0xEF, 0xBB, 0xBF, '[', 'A', ']', 0xC3, 0xA9}), "[A]\u00E9"},
      {"UTF-16 LE", Bytes({0xFF, 0xFE, '[', 0, 'A', 0, ']', 0, 0xAC, 0x20}), "[A]\u20AC"},
      {"UTF-16 BE", Bytes({0xFE, 0xFF, 0, '[', 0, 'A', 0, ']', 0xD8, 0x3D, 0xDE, 0x00}), "[A]\U0001F600"},
      {"UTF-16 odd end", Bytes({0xFF, 0xFE, 'A', 0, 'B'}), "A\uFFFD"},
      {"UTF-16 lone surrogate", Bytes({0xFF, 0xFE, 0x00, 0xD8, 'A', 0}), "\uFFFDA"},
  };
  for (const TCase& Case : Cases) EXPECT_EQ(DecodeSkinText(Case.File), Case.Utf8) << Case.Name;
}

TEST(SkinText, DescriptionsInEveryEncodingReadAlike) {
  const auto Utf16Le = [](const std::string& Ascii) {
    std::vector<std::uint8_t> Out{0xFF, 0xFE};
    for (const char C : Ascii) Out.insert(Out.end(), {static_cast<std::uint8_t>(C), 0});
    return Out;
  };
  const TSkinDescription D = TSkinDescription::FromBytes(Utf16Le("[EDIT]\r\nCOLOR=3355443\r\n"));
  EXPECT_EQ(Value(D, "EDIT", "COLOR"), "3355443");
}

TEST(SkinText, CaseRulesTouchOnlyAsciiLetters) {
  EXPECT_EQ(UpperCaseAscii("master.bmp \u00e9"), "MASTER.BMP \u00e9");
  EXPECT_TRUE(SameTextAscii("Options.dat", "OPTIONS.DAT"));
  EXPECT_FALSE(SameTextAscii("Options.da", "OPTIONS.DAT"));
  EXPECT_FALSE(SameTextAscii("Options.dat", "Options_dat"));
}

}  // namespace
