// Components: ownership, destruction (objects, windows and GDI handles), stored properties.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/core/Description.h"
#include "framework/core/DescriptionValues.h"
#include "framework/Edit.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "framework/Panel.h"

namespace {

// Records its name in Log when it goes.
class TLoggedComponent : public TComponent {
 public:
  TLoggedComponent(TComponent* AOwner, std::wstring Name, std::vector<std::wstring>& Log)
      : TComponent(AOwner), FLog(Log) {
    SetName(Name);
  }
  ~TLoggedComponent() override { FLog.push_back(Name()); }

 private:
  std::vector<std::wstring>& FLog;
};

TEST(ComponentTest, OwnerFreesWhatItOwnsLastCreatedFirst) {
  std::vector<std::wstring> Log;
  {
    TLoggedComponent Root(nullptr, L"Root", Log);
    auto* A = new TLoggedComponent(&Root, L"A", Log);
    new TLoggedComponent(A, L"A1", Log);
    new TLoggedComponent(&Root, L"B", Log);
    new TLoggedComponent(&Root, L"C", Log);
    EXPECT_EQ(Root.Components().size(), 3u);
    EXPECT_EQ(Root.FindComponent(L"B")->Owner(), &Root);
    EXPECT_EQ(Root.FindComponent<TLoggedComponent>(L"A"), A);
    EXPECT_EQ(Root.FindComponent(L"A1"), nullptr);  // only what it owns itself
  }
  // Each logs in its own destructor, which runs before the components it owns go.
  EXPECT_EQ(Log, (std::vector<std::wstring>{L"Root", L"C", L"B", L"A", L"A1"}));
}

TEST(ComponentTest, AComponentFreedEarlyLeavesItsOwner) {
  std::vector<std::wstring> Log;
  {
    TLoggedComponent Root(nullptr, L"Root", Log);
    auto* A = new TLoggedComponent(&Root, L"A", Log);
    new TLoggedComponent(&Root, L"B", Log);
    delete A;
    EXPECT_EQ(Root.Components().size(), 1u);
    EXPECT_EQ(Root.FindComponent(L"A"), nullptr);
  }
  EXPECT_EQ(Log, (std::vector<std::wstring>{L"A", L"Root", L"B"}));
}

TEST(ComponentTest, NamesAreUniqueUnderOneOwner) {
  std::vector<std::wstring> Log;
  TLoggedComponent Root(nullptr, L"Root", Log);
  new TLoggedComponent(&Root, L"A", Log);
  auto* B = new TLoggedComponent(&Root, L"B", Log);
  EXPECT_THROW(B->SetName(L"A"), std::invalid_argument);
  EXPECT_EQ(B->Name(), L"B");
}

TEST(ComponentTest, FreeingAFormDestroysItsWindowsAndFonts) {
  const DWORD GdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD UserBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  std::vector<HWND> Windows;
  std::vector<HGDIOBJ> GdiObjects;
  {
    TForm Form(nullptr);
    Form.SetBounds(10, 10, 300, 200);
    auto* Panel = new TPanel(&Form);
    Panel->SetParent(&Form);
    auto* Button = new TButton(&Form);
    Button->SetParent(Panel);
    Button->Font().SetHeight(-15);  // a font of its own
    auto* Edit = new TEdit(&Form);
    Edit->SetParent(Panel);
    auto* Label = new TLabel(&Form);
    Label->SetParent(Panel);
    Label->SetCaption(L"label");
    Windows = {Form.Handle(), Panel->Handle(), Button->Handle(), Edit->Handle()};
    for (HWND Window : Windows) ASSERT_TRUE(IsWindow(Window));
    GdiObjects.push_back(reinterpret_cast<HGDIOBJ>(SendMessageW(Button->Handle(), WM_GETFONT, 0, 0)));
    // The edit's colour brush, as its parent's WM_CTLCOLOREDIT answers it.
    const HDC DC = GetDC(Edit->Handle());
    GdiObjects.push_back(
        reinterpret_cast<HGDIOBJ>(SendMessageW(Panel->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(DC),
                                               reinterpret_cast<LPARAM>(Edit->Handle()))));
    ReleaseDC(Edit->Handle(), DC);
    for (HGDIOBJ Object : GdiObjects) ASSERT_NE(GetObjectType(Object), 0u);
  }
  for (HWND Window : Windows) EXPECT_FALSE(IsWindow(Window));
  for (HGDIOBJ Object : GdiObjects) EXPECT_EQ(GetObjectType(Object), 0u);
  // Where the system counts them (Windows does; Wine answers 0), nothing is left over.
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GdiBefore);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), UserBefore);
}

TEST(ComponentTest, AParentFreesItsChildControls) {
  std::vector<std::wstring> Log;
  TForm Form(nullptr);
  auto* Panel = new TPanel(nullptr);  // owned by nobody: its parent frees it
  Panel->SetParent(&Form);
  auto* Label = new TLabel(nullptr);
  Label->SetParent(Panel);
  new TLoggedComponent(Label, L"OwnedByLabel", Log);
  const HWND PanelWindow = Panel->Handle();
  delete Panel;
  EXPECT_TRUE(Form.Controls().empty());
  EXPECT_FALSE(IsWindow(PanelWindow));
  EXPECT_EQ(Log, (std::vector<std::wstring>{L"OwnedByLabel"}));
}

// Applies every property of a stored object; the results of ReadProperty in order.
std::vector<bool> ReadAll(TComponent& Component, const char* Text) {
  std::vector<bool> Known;
  for (const TDescriptionProperty& Property : ParseDescription(Text).Properties) {
    Known.push_back(Component.ReadProperty(Property.Name, Property.Value));
  }
  return Known;
}

class TFormWithHandler : public TForm {
 public:
  using TForm::TForm;
  int Clicks = 0;
  TNotifyEvent MethodAddress(const std::wstring& MethodName) override {
    if (MethodName == L"Button1Click") return [this](TObject*) { ++Clicks; };
    return TForm::MethodAddress(MethodName);
  }
};

TEST(ReadPropertyTest, KnownPropertiesTakeEffect) {
  TFormWithHandler Form(nullptr);
  auto* Button = new TButton(&Form);
  Button->SetParent(&Form);
  const std::vector<bool> Known = ReadAll(*Button, R"(object B: TButton
    Left = 22
    Top = 78
    Width = 130
    Height = 35
    Caption = 'Ping Test Start'
    Font.Height = -13
    Font.Style = [fsBold]
    Cursor = crHandPoint
    Default = True
    TabOrder = 0
    Tag = 7
    OnClick = Button1Click
  end)");
  EXPECT_EQ(Known, std::vector<bool>(Known.size(), true));
  EXPECT_EQ(Button->BoundsRect().right, 152);
  EXPECT_EQ(Button->BoundsRect().bottom, 113);
  EXPECT_EQ(Button->Caption(), L"Ping Test Start");
  EXPECT_EQ(Button->Font().Height(), -13);
  EXPECT_TRUE(Button->Font().Style().Contains(TFontStyle::fsBold));
  EXPECT_FALSE(Button->ParentFont());
  EXPECT_EQ(Button->Cursor(), crHandPoint);
  EXPECT_TRUE(Button->Default());
  EXPECT_EQ(Button->Tag(), 7);
  Button->Click();
  EXPECT_EQ(Form.Clicks, 1);
}

TEST(ReadPropertyTest, UnknownPropertiesAreReportedAndBadValuesThrow) {
  TFormWithHandler Form(nullptr);
  TLabel* Label = new TLabel(&Form);
  EXPECT_EQ(ReadAll(*Label, "object L: TLabel\n  Layout = tlCenter\n  Default = True\n  Frobnicate = 1\nend"),
            (std::vector<bool>{true, false, false}));
  const TDescriptionObject Bad = ParseDescription(R"(object L: TLabel
    Left = 'ten'
    Layout = tlMiddle
    OnClick = NoSuchHandler
    Color = clNoSuchColour
  end)");
  for (const TDescriptionProperty& Property : Bad.Properties) {
    EXPECT_THROW(Label->ReadProperty(Property.Name, Property.Value), EPropertyError)
        << std::string(Property.Name.begin(), Property.Name.end());
  }
}

TEST(ReadPropertyTest, AFormsClientSizeWaitsForItsBorderStyle) {
  // Stored before the border style on purpose: the frame is known only at the end of loading.
  TForm Form(nullptr);
  Form.BeginLoading();
  ReadAll(Form, "object F: TForm\n  ClientWidth = 400\n  ClientHeight = 300\n  BorderStyle = bsDialog\nend");
  Form.Loaded();
  RECT Client;
  GetClientRect(Form.Handle(), &Client);
  EXPECT_EQ(Client.right, 400);
  EXPECT_EQ(Client.bottom, 300);
}

}  // namespace
