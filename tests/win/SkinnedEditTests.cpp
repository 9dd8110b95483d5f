// The skinned field and output pane with real windows: their colours and frame from the skin
// section "EDIT", the hint and the password characters in the field's picture, Ctrl+A in
// the pane, and the native window given back when the skin goes.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "framework/Application.h"
#include "framework/Colors.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPanel.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// EDIT as the internal skin colours it, without a border picture, so its frame is its
// colour: 0x333333 with text 0xEFEFEF, white text when focused.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\nCOLOR=3355443\n"
    "[PANEL]\nSTATES=1\nCOLOR=4210752\nFONTCOLOR=15724527\n"
    "[EDIT]\nSTATES=2\nCOLOR=3355443\nHOTCOLOR=3355443\nFONTCOLOR=15724527\nHOTFONTCOLOR=16777215\n";

constexpr COLORREF FieldGrey = RGB(0x33, 0x33, 0x33);
// (0xEF * 166 + 0x33 * 89) >> 8 = 0xAC in each byte.
constexpr COLORREF HintGrey = RGB(0xAC, 0xAC, 0xAC);

// What the window shows now, frame included, read back from its window surface.
struct TShown {
  int Width = 0;
  int Height = 0;
  std::optional<TDibSection> Dib;

  COLORREF At(int X, int Y) const {
    const TPixel32 P = ReadPixel(Dib->Pixels(), X, Y);
    return RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF);
  }
  int Count(const RECT& Area, bool (*Which)(COLORREF)) const {
    int N = 0;
    for (int Y = Area.top; Y < Area.bottom; ++Y)
      for (int X = Area.left; X < Area.right; ++X) N += Which(At(X, Y)) ? 1 : 0;
    return N;
  }
  int Count(const RECT& Area, COLORREF Color) const {
    int N = 0;
    for (int Y = Area.top; Y < Area.bottom; ++Y)
      for (int X = Area.left; X < Area.right; ++X) N += At(X, Y) == Color ? 1 : 0;
    return N;
  }
  RECT All() const { return {0, 0, Width, Height}; }
};

TShown Shown(HWND Window) {
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  RECT R;
  GetWindowRect(Window, &R);
  TShown Result;
  Result.Width = R.right - R.left;
  Result.Height = R.bottom - R.top;
  std::optional<TDibSection> Made = TDibSection::Make(Result.Width, Result.Height);
  if (!Made) throw std::runtime_error("no DIB section");
  Result.Dib.emplace(std::move(*Made));
  const TWindowDC Whole(Window, TWindowDC::TArea::Window);
  BitBlt(Result.Dib->DC(), 0, 0, Result.Width, Result.Height, Whole.Get(), 0, 0, SRCCOPY);
  return Result;
}

bool Light(COLORREF C) { return GetRValue(C) >= 0xC0 && GetGValue(C) >= 0xC0 && GetBValue(C) >= 0xC0; }
bool Hinted(COLORREF C) { return C == HintGrey; }

// Serves the queue without translating keys: the test posts the characters a key makes.
void Serve() {
  MSG Msg;
  while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&Msg);
}

class SkinnedEdit : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);
  TsPanel* Panel = nullptr;

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin);
    Form->SetBounds(40, 40, 420, 300);
    Panel = ShownPanel(*Form, {0, 0, 400, 260});
  }

  // A field of the host field's size and font, loaded as the stored description loads it.
  TsEdit* Field(int Top, const wchar_t* Hint = L"", wchar_t Password = 0) {
    auto* Edit = new TsEdit(Form);
    Edit->BeginLoading();
    Edit->SetParent(Panel);
    Edit->SetBounds(17, Top, 165, 21);
    Edit->Font().SetName(L"Tahoma");
    Edit->Font().SetHeight(-11);
    Edit->SetTextHint(Hint);
    Edit->SetPasswordChar(Password);
    Edit->Loaded();
    Edit->HandleNeeded();
    Serve();
    return Edit;
  }

  TsMemo* Pane() {
    auto* Memo = new TsMemo(Form);
    Memo->BeginLoading();
    Memo->SetParent(Panel);
    Memo->SetBounds(200, 10, 180, 200);
    Memo->SetReadOnly(true);
    Memo->SetScrollBars(TScrollStyle::ssVertical);
    Memo->Loaded();
    Memo->HandleNeeded();
    Serve();
    return Memo;
  }

  // The field's text drawn by GDI alone in its font and the skin's text colour on the
  // field's colour, where the field puts its text (3 pixels in on the left and top).
  static TDibSection Expected(TsEdit& Edit, const std::wstring& Text) {
    std::optional<TDibSection> Dib = TDibSection::Make(Edit.Width(), Edit.Height());
    if (!Dib) throw std::runtime_error("no DIB section");
    const HBRUSH Grey = CreateSolidBrush(FieldGrey);
    RECT All{0, 0, Edit.Width(), Edit.Height()};
    FillRect(Dib->DC(), &All, Grey);
    DeleteObject(Grey);
    const TSelectObjectGuard Font(Dib->DC(), Edit.Font().Handle());
    SetBkMode(Dib->DC(), TRANSPARENT);
    SetTextColor(Dib->DC(), RGB(0xEF, 0xEF, 0xEF));
    RECT Area{3, 3, Edit.Width() - 3, Edit.Height() - 2};
    DrawTextW(Dib->DC(), Text.c_str(), -1, &Area, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    return std::move(*Dib);
  }
};

TEST_F(SkinnedEdit, FieldsAndPaneTakeTheSectionsColoursAndFrame) {
  TsEdit* Edit = Field(26);
  Edit->SetText(L"64");
  TsMemo* Memo = Pane();
  Memo->AppendText(L"Windows IP Configuration\r\n");
  for (TWinControl* Control : {static_cast<TWinControl*>(Edit), static_cast<TWinControl*>(Memo)}) {
    EXPECT_EQ(Control->Color(), static_cast<TColor>(0x333333));
    EXPECT_EQ(Control->Font().Color(), static_cast<TColor>(15724527));
    const TShown Picture = Shown(Control->Handle());
    // The 2-pixel frame is the section's colour all round: no system edge.
    const RECT Top{0, 0, Picture.Width, 2}, Left{0, 0, 2, Picture.Height};
    const RECT Bottom{0, Picture.Height - 2, Picture.Width, Picture.Height};
    EXPECT_EQ(Picture.Count(Top, FieldGrey), Picture.Width * 2);
    EXPECT_EQ(Picture.Count(Left, FieldGrey), Picture.Height * 2);
    EXPECT_EQ(Picture.Count(Bottom, FieldGrey), Picture.Width * 2);
    // Light text on the field's grey.
    const RECT Inside{2, 2, 120, 19};
    EXPECT_GT(Picture.Count(Inside, Light), 10);
    EXPECT_GT(Picture.Count(Inside, FieldGrey), Picture.Count(Inside, Light));
  }
  EXPECT_NE(Memo->ListSW(), nullptr);
}

TEST_F(SkinnedEdit, AnEmptyFieldShowsItsHintInTheMixedColourUntilItHasTheFocusOrText) {
  TsEdit* Edit = Field(26, L"www.example.com / 127.0.0.1");
  const RECT Inside{2, 2, 163, 19};
  EXPECT_GT(Shown(Edit->Handle()).Count(Inside, Hinted), 10);

  Edit->SetFocus();
  Serve();
  const TShown Focused = Shown(Edit->Handle());
  EXPECT_EQ(Focused.Count(Inside, Hinted), 0);
  // Nothing but the field's colour, and the caret's column.
  EXPECT_GE(Focused.Count(Inside, FieldGrey), 161 * 17 - 17);

  Form->SetFocus();
  Serve();
  EXPECT_GT(Shown(Edit->Handle()).Count(Inside, Hinted), 10);
  Edit->SetText(L"example.org");
  const TShown Typed = Shown(Edit->Handle());
  EXPECT_EQ(Typed.Count(Inside, Hinted), 0);
  EXPECT_GT(Typed.Count(Inside, Light), 10);
}

TEST_F(SkinnedEdit, FocusedTheNativeEditDrawsTheTextInTheHotColourAndUnfocusedThePictureInTheNormalOne) {
  TsEdit* Edit = Field(26);
  Edit->SetText(L"127.0.0.1");
  const RECT Inside{2, 2, 163, 19};
  const auto Count = [&](COLORREF Color) { return Shown(Edit->Handle()).Count(Inside, Color); };
  EXPECT_GT(Count(RGB(0xEF, 0xEF, 0xEF)), 10);
  EXPECT_EQ(Count(RGB(0xFF, 0xFF, 0xFF)), 0);

  Edit->SetFocus();
  Serve();
  EXPECT_EQ(Edit->Font().Color(), static_cast<TColor>(0xFFFFFF));
  EXPECT_GT(Count(RGB(0xFF, 0xFF, 0xFF)), 10);
  EXPECT_EQ(Count(RGB(0xEF, 0xEF, 0xEF)), 0);

  Form->SetFocus();
  Serve();
  EXPECT_GT(Count(RGB(0xEF, 0xEF, 0xEF)), 10);
  EXPECT_EQ(Count(RGB(0xFF, 0xFF, 0xFF)), 0);
}

TEST_F(SkinnedEdit, APasswordFieldShowsOneDotPerCharacterInItsPicture) {
  TsEdit* Edit = Field(60, L"", L'*');
  Edit->SetText(L"abc");
  const TShown Picture = Shown(Edit->Handle());
  const TDibSection Dots = Expected(*Edit, L"\u25CF\u25CF\u25CF");
  const TDibSection Stars = Expected(*Edit, L"***");
  int SameAsDots = 0, SameAsStars = 0, Total = 0;
  for (int Y = 2; Y < 19; ++Y)
    for (int X = 2; X < 163; ++X) {
      const TPixel32 P = ReadPixel(Picture.Dib->Pixels(), X, Y) & 0xFFFFFF;
      SameAsDots += P == (ReadPixel(Dots.Pixels(), X, Y) & 0xFFFFFF) ? 1 : 0;
      SameAsStars += P == (ReadPixel(Stars.Pixels(), X, Y) & 0xFFFFFF) ? 1 : 0;
      ++Total;
    }
  EXPECT_EQ(SameAsDots, Total);
  EXPECT_LT(SameAsStars, Total);
}

TEST_F(SkinnedEdit, OnceShownTheFieldAndThePaneGetNoFurtherPaints) {
  TsEdit* Edit = Field(26, L"www.example.com / 127.0.0.1");
  TsMemo* Memo = Pane();
  Memo->AppendText(L"Windows IP Configuration\r\n");
  int Paints = 0;
  const auto Counting = [&Paints](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == WM_PAINT || Message.Msg == WM_NCPAINT || Message.Msg == WM_ERASEBKGND) ++Paints;
    Next(Message);
  };
  TMessageHook OnEdit = Edit->AddMessageHook(Counting);
  TMessageHook OnMemo = Memo->AddMessageHook(Counting);
  PumpUntil([] { return false; }, 300ms);
  ASSERT_GT(Paints, 0);  // the first paints after showing
  Paints = 0;
  PumpUntil([] { return false; }, 500ms);
  EXPECT_EQ(Paints, 0);
}

TEST_F(SkinnedEdit, AFieldTakesNoMoreTypedCharactersThanItsMaxLength) {
  TsEdit* Limited = Field(26);
  Limited->SetMaxLength(5);
  TsEdit* Free = Field(60);
  for (TsEdit* Edit : {Limited, Free})
    for (const wchar_t C : std::wstring(L"1234567")) PostMessageW(Edit->Handle(), WM_CHAR, C, 1);
  Serve();
  EXPECT_EQ(Limited->Text(), L"12345");
  EXPECT_EQ(Free->Text(), L"1234567");
}

TEST_F(SkinnedEdit, CtrlASelectsThePanesWholeTextAndSwallowsItsCharacter) {
  TsMemo* Memo = Pane();
  Memo->AppendText(L"Pinging 127.0.0.1\r\nReply from 127.0.0.1\r\n");
  const int Length = GetWindowTextLengthW(Memo->Handle());
  int Characters = 0;
  TMessageHook Counter = Memo->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == WM_CHAR) ++Characters;
    Next(Message);
  });
  Memo->SetFocus();
  SendMessageW(Memo->Handle(), EM_SETSEL, 3, 3);
  BYTE Keys[256];
  GetKeyboardState(Keys);
  Keys[VK_CONTROL] = 0x80;
  SetKeyboardState(Keys);
  // What the system posts for Ctrl+A: the key, then the character 1 it translates to.
  PostMessageW(Memo->Handle(), WM_KEYDOWN, 'A', 1);
  PostMessageW(Memo->Handle(), WM_CHAR, 1, 1);
  Serve();
  Keys[VK_CONTROL] = 0;
  SetKeyboardState(Keys);
  DWORD Start = 99, End = 99;
  SendMessageW(Memo->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  EXPECT_EQ(Start, 0u);
  EXPECT_EQ(End, static_cast<DWORD>(Length));
  EXPECT_EQ(Characters, 0);

  // A plain A is no shortcut (the pane is read-only, so it changes nothing either).
  PostMessageW(Memo->Handle(), WM_KEYDOWN, 'A', 1);
  PostMessageW(Memo->Handle(), WM_CHAR, 'a', 1);
  Serve();
  EXPECT_EQ(Characters, 1);
}

TEST_F(SkinnedEdit, RemovingTheSkinGivesThePaneItsNativeWindowWithTextReadOnlyAndNoLimit) {
  TsMemo* Memo = Pane();
  const std::wstring Before = L"Windows IP Configuration\r\n\r\n   Host Name . . . : wine\r\n";
  Memo->AppendText(Before);
  ASSERT_NE(Memo->ListSW(), nullptr);
  Manager->SetActive(false);
  Serve();
  EXPECT_EQ(Memo->ListSW(), nullptr);
  const HWND Window = Memo->Handle();
  EXPECT_EQ(Memo->Text(), Before);
  EXPECT_NE(GetWindowLongPtrW(Window, GWL_STYLE) & ES_READONLY, 0);
  EXPECT_NE(GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(Memo->Color(), clWindow);
  EXPECT_EQ(Memo->Font().Color(), clWindowText);
  // The system's client edge again: its outer line in the shadow colour.
  const TShown Picture = Shown(Window);
  EXPECT_EQ(Picture.At(5, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Picture.At(0, 5), GetSysColor(COLOR_BTNSHADOW));

  std::wstring Mebibyte;
  const std::wstring Line = L"Reply from 127.0.0.1: bytes=32 time<1ms TTL=128 ........ \r\n";
  while (Mebibyte.size() + Line.size() <= 1024 * 1024) Mebibyte += Line;
  Mebibyte.append(1024 * 1024 - Mebibyte.size(), L'.');
  // Hidden, the system's edit control takes the text several times faster.
  Memo->SetVisible(false);
  Memo->AppendText(Mebibyte);
  EXPECT_EQ(GetWindowTextLengthW(Window), static_cast<int>(Before.size() + Mebibyte.size()));
}

TEST_F(SkinnedEdit, TheSkinComingBackTakesThePaneOverAgain) {
  TsMemo* Memo = Pane();
  Manager->SetActive(false);
  Serve();
  ASSERT_EQ(Memo->ListSW(), nullptr);
  Manager->SetActive(true);
  Serve();
  EXPECT_NE(Memo->ListSW(), nullptr);
  EXPECT_EQ(Memo->Color(), static_cast<TColor>(0x333333));
  const TShown Picture = Shown(Memo->Handle());
  EXPECT_EQ(Picture.At(5, 0), FieldGrey);
  EXPECT_EQ(Picture.At(0, 5), FieldGrey);
}

}  // namespace
