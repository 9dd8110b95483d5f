#include "skin/controls/core/ButtonCaption.h"

#include <algorithm>

namespace {

// Within a paragraph, lines break only at spaces.
constexpr wchar_t Space = L' ';
// The room a focus rectangle keeps from the button's top and bottom.
constexpr int FocusInset = 3;

// Lines of one paragraph (text without line breaks), filled word by word.
void WrapParagraph(std::wstring_view Paragraph, int MaxWidth, const TTextWidth& TextWidth,
                   std::vector<std::wstring_view>& Lines) {
  std::size_t LineStart = 0;
  std::size_t LineEnd = 0;
  bool HasWord = false;
  std::size_t Pos = 0;
  while (true) {
    const std::size_t WordStart = Paragraph.find_first_not_of(Space, Pos);
    if (WordStart == std::wstring_view::npos) break;
    const std::size_t WordEnd = std::min(Paragraph.find(Space, WordStart), Paragraph.size());
    if (!HasWord || TextWidth(Paragraph.substr(LineStart, WordEnd - LineStart)) <= MaxWidth) {
      LineEnd = WordEnd;
    } else {
      Lines.push_back(Paragraph.substr(LineStart, LineEnd - LineStart));
      LineStart = WordStart;
      LineEnd = WordEnd;
    }
    HasWord = true;
    Pos = WordEnd;
  }
  Lines.push_back(Paragraph.substr(LineStart, LineEnd - LineStart));
}

std::vector<std::wstring_view> WrapText(std::wstring_view Text, int MaxWidth, const TTextWidth& TextWidth) {
  std::vector<std::wstring_view> Lines;
  std::size_t Start = 0;
  while (true) {
    const std::size_t Break = Text.find_first_of(L"\r\n", Start);
    WrapParagraph(Text.substr(Start, Break == std::wstring_view::npos ? Break : Break - Start), MaxWidth, TextWidth,
                  Lines);
    if (Break == std::wstring_view::npos) break;
    const bool CrLf = Text[Break] == L'\r' && Break + 1 < Text.size() && Text[Break + 1] == L'\n';
    Start = Break + (CrLf ? 2 : 1);
  }
  return Lines;
}

}  // namespace

TCaptionText TextRectSize(std::wstring_view Caption, int ButtonWidth, int ContentMargin, bool WordWrap, int LineHeight,
                          const TTextWidth& TextWidth) {
  TCaptionText Text;
  if (Caption.empty()) return Text;
  const std::vector<std::wstring_view> Lines =
      WordWrap ? WrapText(Caption, ButtonWidth - 2 * ContentMargin, TextWidth) : std::vector{Caption};
  for (const std::wstring_view Line : Lines) {
    Text.Lines.push_back({Line, Line.empty() ? 0 : TextWidth(Line)});
    Text.Width = std::max(Text.Width, Text.Lines.back().Width);
  }
  Text.Height = static_cast<int>(Lines.size()) * LineHeight;
  return Text;
}

TRect CaptionRect(int ButtonWidth, int ButtonHeight, int TextWidth, int TextHeight, bool Shifted) {
  TRect R;
  R.Left = (ButtonWidth - TextWidth) / 2 - 1;
  R.Right = R.Left + TextWidth + 2;
  R.Top = (ButtonHeight - TextHeight) / 2;
  R.Bottom = ButtonHeight - R.Top;
  return Shifted ? R.Offset(1, 1) : R;
}

std::vector<TPoint> CaptionLineOrigins(const TRect& Rect, const TCaptionText& Text, int LineHeight) {
  std::vector<TPoint> Origins;
  int Y = Rect.Top;
  for (const TCaptionLine& Line : Text.Lines) {
    Origins.push_back({Rect.Left + (Rect.Width() - Line.Width) / 2, Y});
    Y += LineHeight;
  }
  return Origins;
}

TRect ButtonFocusRect(const TRect& Caption, int FocusMargin, int ButtonHeight) {
  return {Caption.Left - FocusMargin - 1, std::max(FocusInset, Caption.Top - FocusMargin), Caption.Right + FocusMargin + 1,
          std::min(ButtonHeight - FocusInset, Caption.Bottom + FocusMargin)};
}
