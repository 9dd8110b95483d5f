// The main window's 130 x 35 buttons with a fixed-width font of 6 pixels a character and
// 13-pixel lines: 118 pixels between the 6-pixel content margins hold 19 characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/core/ButtonCaption.h"

namespace {

constexpr int LineHeight = 13;
const TTextWidth FixedWidth = [](std::wstring_view Line) { return 6 * static_cast<int>(Line.size()); };

TCaptionText Measure(std::wstring_view Caption, int Width = 130, bool WordWrap = true) {
  return TextRectSize(Caption, Width, 6, WordWrap, LineHeight, FixedWidth);
}

std::vector<std::wstring> LinesOf(const TCaptionText& Text) {
  std::vector<std::wstring> Lines;
  for (const TCaptionLine& Line : Text.Lines) Lines.emplace_back(Line.Text);
  return Lines;
}

TEST(ButtonCaption, MainWindowButtons) {
  const struct {
    const wchar_t* Caption;
    std::vector<std::wstring> Lines;
    TRect Rect;
    std::vector<TPoint> Origins;
  } Cases[] = {
      // 90 wide: (130 - 90) / 2 - 1 = 19 to 19 + 92; (35 - 13) / 2 = 11 to 24.
      {L"Ping Test Start", {L"Ping Test Start"}, {19, 11, 111, 24}, {{20, 11}}},
      {L"Ping Test Stop", {L"Ping Test Stop"}, {22, 11, 108, 24}, {{23, 11}}},
      {L"Display DNS Cache.", {L"Display DNS Cache."}, {10, 11, 120, 24}, {{11, 11}}},
      {L"Systeminfo", {L"Systeminfo"}, {34, 11, 96, 24}, {{35, 11}}},
      // 19 characters fill the first line exactly; two lines 26 high from (35 - 26) / 2 = 4.
      {L"Display basic TCP / IP configuration",
       {L"Display basic TCP /", L"IP configuration"},
       {7, 4, 123, 31},
       {{8, 4}, {17, 17}}},
      {L"Display full TCP/IP configuration",
       {L"Display full TCP/IP", L"configuration"},
       {7, 4, 123, 31},
       {{8, 4}, {26, 17}}},
      // "Return IP address IPv4" is 22 characters: the last word goes down.
      {L"Return IP address IPv4", {L"Return IP address", L"IPv4"}, {13, 4, 117, 31}, {{14, 4}, {53, 17}}},
      {L"renew your IP Address IPv4", {L"renew your IP", L"Address IPv4"}, {25, 4, 105, 31}, {{26, 4}, {29, 17}}},
  };
  for (const auto& C : Cases) {
    const TCaptionText Text = Measure(C.Caption);
    EXPECT_EQ(LinesOf(Text), C.Lines) << std::wstring(C.Caption).size();
    const TRect Rect = CaptionRect(130, 35, Text.Width, Text.Height, false);
    EXPECT_EQ(Rect, C.Rect) << C.Lines.front().size();
    EXPECT_EQ(CaptionLineOrigins(Rect, Text, LineHeight), C.Origins) << C.Lines.front().size();
  }
}

TEST(ButtonCaption, PressedMovesOnePixelRightAndDown) {
  const TCaptionText Text = Measure(L"renew your IP Address IPv6");
  const TRect Rect = CaptionRect(130, 35, Text.Width, Text.Height, true);
  EXPECT_EQ(Rect, (TRect{26, 5, 106, 32}));
  EXPECT_EQ(CaptionLineOrigins(Rect, Text, LineHeight), (std::vector<TPoint>{{27, 5}, {30, 18}}));
}

TEST(ButtonCaption, ALongCaptionWrapsOntoMoreLinesAndStaysCentred) {
  // 30 wide: room for 3 characters; three lines, 39 high on 35: the rectangle reaches out
  // 2 pixels above and below.
  const TCaptionText Text = Measure(L"ab cd ef", 30);
  EXPECT_EQ(LinesOf(Text), (std::vector<std::wstring>{L"ab", L"cd", L"ef"}));
  EXPECT_EQ(Text.Height, 39);
  EXPECT_EQ(CaptionRect(30, 35, Text.Width, Text.Height, false), (TRect{8, -2, 22, 37}));
}

TEST(ButtonCaption, AWordWiderThanTheRoomStaysWhole) {
  const TCaptionText Text = Measure(L"Registrierungsdatenbankeintrag ok");  // 30 characters, then 2
  EXPECT_EQ(LinesOf(Text), (std::vector<std::wstring>{L"Registrierungsdatenbankeintrag", L"ok"}));
  EXPECT_EQ(Text.Width, 180);
  EXPECT_EQ(CaptionRect(130, 35, Text.Width, Text.Height, false), (TRect{-26, 4, 156, 31}));
}

TEST(ButtonCaption, SpacesAtABreakAreDropped) {
  EXPECT_EQ(LinesOf(Measure(L"Display basic TCP /   IP configuration")),
            (std::vector<std::wstring>{L"Display basic TCP /", L"IP configuration"}));
}

TEST(ButtonCaption, LineBreaksInTheCaption) {
  const TCaptionText Text = Measure(L"Ping\r\nTest\nStart\r\rStop");
  EXPECT_EQ(LinesOf(Text), (std::vector<std::wstring>{L"Ping", L"Test", L"Start", L"", L"Stop"}));
  EXPECT_EQ(Text.Height, 5 * 13);
  EXPECT_EQ(Text.Width, 30);
}

TEST(ButtonCaption, WithoutWordWrapOneLine) {
  const TCaptionText Text = Measure(L"Display basic TCP / IP configuration", 130, false);
  EXPECT_EQ(LinesOf(Text), (std::vector<std::wstring>{L"Display basic TCP / IP configuration"}));
  EXPECT_EQ(Text.Width, 216);
  EXPECT_EQ(Text.Height, 13);
}

TEST(ButtonCaption, EmptyCaptionMeasuresNothing) {
  const TCaptionText Text = Measure(L"");
  EXPECT_TRUE(Text.Lines.empty());
  EXPECT_EQ(Text.Width, 0);
  EXPECT_EQ(Text.Height, 0);
  EXPECT_EQ(CaptionRect(130, 35, 0, 0, false), (TRect{64, 17, 66, 18}));
}

TEST(ButtonFocusRect, AroundTheCaptionAtLeastThreePixelsInside) {
  const struct {
    TRect Caption;
    int FocusMargin;
    TRect Focus;
  } Cases[] = {
      {{19, 11, 111, 24}, 1, {17, 10, 113, 25}},  // one line
      {{7, 4, 123, 31}, 1, {5, 3, 125, 32}},     // two lines: top and bottom at 3 and 35 - 3
      {{8, -2, 22, 37}, 1, {6, 3, 24, 32}},      // three lines, kept inside
      {{19, 11, 111, 24}, 0, {18, 11, 112, 24}},
  };
  for (const auto& C : Cases) EXPECT_EQ(ButtonFocusRect(C.Caption, C.FocusMargin, 35), C.Focus) << C.Caption.Top;
}

}  // namespace
