// The concrete controls with real windows: memo, edit, button, image.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/Colors.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "framework/Image.h"
#include "framework/Memo.h"
#include "framework/Panel.h"
#include "gfx/codec/BmpCodec.h"
#include "tests/win/WinTestSupport.h"

namespace {

struct TFormFixture : testing::Test {
  TForm Form{nullptr};
  TFormFixture() { Form.SetBounds(0, 0, 400, 300); }
};

using MemoTest = TFormFixture;

TEST_F(MemoTest, HoldsMoreThanAMegabyteAndAppendsAtTheEnd) {
  auto* Memo = new TMemo(&Form);
  Memo->SetParent(&Form);
  Memo->SetReadOnly(true);
  Memo->SetScrollBars(TScrollStyle::ssVertical);
  Memo->SetText(L"start\r\n");
  // The caret somewhere else must not matter.
  SendMessageW(Memo->Handle(), EM_SETSEL, 0, 2);
  std::wstring Expected = L"start\r\n";
  // Output-like text: 2000 lines of 64 characters per append.
  std::wstring Block;
  for (int Line = 0; Line < 2000; ++Line)
    Block += std::wstring(62, static_cast<wchar_t>(L'a' + Line % 26)) + L"\r\n";
  for (int I = 0; I < 9; ++I) {
    const std::wstring Chunk = std::to_wstring(I) + Block;
    Memo->AppendText(Chunk);
    Expected += Chunk;
  }
  ASSERT_GT(Expected.size(), 1024u * 1024u);
  const std::wstring Text = Memo->Text();
  EXPECT_EQ(Text.size(), Expected.size());
  EXPECT_TRUE(Text == Expected);
  DWORD Start = 0;
  DWORD End = 0;
  SendMessageW(Memo->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  EXPECT_EQ(Start, Expected.size());
  EXPECT_EQ(End, Expected.size());
}

TEST_F(MemoTest, StyleFollowsScrollBarsReadOnlyAndWordWrap) {
  auto* Memo = new TMemo(&Form);
  Memo->SetParent(&Form);
  Memo->SetScrollBars(TScrollStyle::ssVertical);
  Memo->SetReadOnly(true);
  LONG_PTR Style = GetWindowLongPtrW(Memo->Handle(), GWL_STYLE);
  EXPECT_NE(Style & ES_MULTILINE, 0);
  EXPECT_NE(Style & WS_VSCROLL, 0);
  EXPECT_EQ(Style & WS_HSCROLL, 0);
  EXPECT_NE(Style & ES_READONLY, 0);
  EXPECT_EQ(Style & ES_AUTOHSCROLL, 0);
  Memo->SetText(L"kept");
  Memo->SetWordWrap(false);
  Memo->SetScrollBars(TScrollStyle::ssBoth);
  Style = GetWindowLongPtrW(Memo->Handle(), GWL_STYLE);
  EXPECT_NE(Style & WS_HSCROLL, 0);
  EXPECT_NE(Style & ES_AUTOHSCROLL, 0);
  EXPECT_NE(Style & ES_READONLY, 0);
  EXPECT_EQ(Memo->Text(), L"kept");
  Memo->Clear();
  EXPECT_EQ(GetWindowTextLengthW(Memo->Handle()), 0);
}

using EditTest = TFormFixture;

TEST_F(EditTest, ShowsItsHintOnlyWhileEmpty) {
  auto* Edit = new TEdit(&Form);
  Edit->SetParent(&Form);
  Edit->SetBounds(0, 0, 200, 24);
  Edit->Font().SetColor(clRed);  // text pixels never match the hint's grey
  const COLORREF Hint = GetSysColor(COLOR_GRAYTEXT);
  EXPECT_EQ(PrintClient(Edit->Handle(), 196, 20).Count(Hint), 0);  // no hint set
  Edit->SetTextHint(L"www.example.com / 127.0.0.1");
  EXPECT_GT(PrintClient(Edit->Handle(), 196, 20).Count(Hint), 10);
  Edit->SetText(L"127.0.0.1");
  EXPECT_EQ(PrintClient(Edit->Handle(), 196, 20).Count(Hint), 0);
  Edit->SetText(L"");
  EXPECT_GT(PrintClient(Edit->Handle(), 196, 20).Count(Hint), 10);
}

TEST_F(EditTest, ColoursComeFromTheControl) {
  auto* Edit = new TEdit(&Form);
  Edit->SetParent(&Form);
  Edit->SetColor(0x333333);
  Edit->Font().SetColor(0xEFEFEF);
  Edit->SetText(L"64");
  for (const bool ReadOnly : {false, true}) {  // a read-only edit asks with WM_CTLCOLORSTATIC
    Edit->SetReadOnly(ReadOnly);
    const TCapture Pixels = PrintClient(Edit->Handle(), 60, 15);
    EXPECT_GT(Pixels.Count(RGB(0x33, 0x33, 0x33)), 60 * 15 / 2);
    EXPECT_GT(Pixels.Count(RGB(0xEF, 0xEF, 0xEF)), 0);
  }
}

using ButtonTest = TFormFixture;

TEST_F(ButtonTest, StyleFollowsDefaultAndWordWrap) {
  auto* Button = new TButton(&Form);
  Button->SetParent(&Form);
  Button->SetCaption(L"Display basic TCP / IP configuration");
  Button->SetWordWrap(true);
  EXPECT_NE(GetWindowLongPtrW(Button->Handle(), GWL_STYLE) & BS_MULTILINE, 0);
  Button->SetDefault(true);
  const LONG_PTR Style = GetWindowLongPtrW(Button->Handle(), GWL_STYLE);
  EXPECT_EQ(Style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_NE(Style & BS_MULTILINE, 0);
  EXPECT_EQ(Button->Caption(), L"Display basic TCP / IP configuration");
}

TEST_F(ButtonTest, EnterAndEscClickTheDefaultAndCancelButtons) {
  auto* Panel = new TPanel(&Form);
  Panel->SetParent(&Form);
  auto* Edit = new TEdit(&Form);
  Edit->SetParent(Panel);
  auto* Ok = new TButton(&Form);
  Ok->SetParent(Panel);
  Ok->SetDefault(true);
  auto* Cancel = new TButton(&Form);
  Cancel->SetParent(Panel);
  Cancel->SetCancel(true);
  std::vector<TObject*> Clicked;
  Ok->OnClick = [&Clicked](TObject* Sender) { Clicked.push_back(Sender); };
  Cancel->OnClick = [&Clicked](TObject* Sender) { Clicked.push_back(Sender); };
  Form.Show();
  Edit->SetFocus();
  for (const WPARAM Key : {VK_RETURN, VK_ESCAPE}) {
    MSG Msg{Edit->Handle(), WM_KEYDOWN, Key, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(Form.Handle(), &Msg));
  }
  EXPECT_EQ(Clicked, (std::vector<TObject*>{Ok, Cancel}));
}

std::vector<std::uint8_t> StoredPicture(const TBitmap32& Pixels) {
  const std::vector<std::uint8_t> File = WriteBmp32(Pixels.View());
  std::vector<std::uint8_t> Data{11};
  for (const char C : std::string("TPNGGraphic")) Data.push_back(static_cast<std::uint8_t>(C));
  for (int Shift = 0; Shift < 32; Shift += 8) Data.push_back(static_cast<std::uint8_t>(File.size() >> Shift));
  Data.insert(Data.end(), File.begin(), File.end());
  return Data;
}

TEST_F(ButtonTest, ImagePaintsThroughPerPixelAlpha) {
  auto* Panel = new TPanel(&Form);
  Panel->SetParent(&Form);
  Panel->SetBevelOuter(TBevelCut::bvNone);
  Panel->SetColor(clWhite);
  Panel->SetBounds(0, 0, 40, 20);
  auto* Image = new TImage(&Form);
  Image->SetParent(Panel);
  Image->SetBounds(0, 0, 40, 20);
  // Left half opaque red, right half black at half alpha, one fully transparent column.
  TBitmap32 Pixels(4, 2);
  for (int Y = 0; Y < 2; ++Y) {
    Pixels.Row(Y)[0] = MakePixel32(255, 0, 0, 255);
    Pixels.Row(Y)[1] = MakePixel32(255, 0, 0, 255);
    Pixels.Row(Y)[2] = MakePixel32(0, 0, 0, 128);
    Pixels.Row(Y)[3] = MakePixel32(0, 255, 0, 0);
  }
  Image->Picture().LoadFromStoredData(StoredPicture(Pixels));
  Image->SetStretch(true);
  const TCapture Shown = PrintClient(Panel->Handle(), 40, 20);
  EXPECT_EQ(Shown.At(3, 5), RGB(255, 0, 0));
  const COLORREF Half = Shown.At(25, 10);  // black over white at alpha 128
  EXPECT_NEAR(GetRValue(Half), 127, 2);
  EXPECT_NEAR(GetGValue(Half), 127, 2);
  EXPECT_EQ(Shown.At(37, 15), RGB(255, 255, 255));  // transparent: the panel shows
}

}  // namespace
