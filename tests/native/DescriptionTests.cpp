#include "framework/core/Description.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Description, ReadsObjectsPropertiesAndChildrenInStoredOrder) {
  const TDescriptionObject Root = ParseDescription(R"(object Form1: TForm1
  Caption = 'Quorvane v1.1'
  ClientWidth = 808
  object sPanel1: TsPanel
    Align = alClient
    object sMemo1: TsMemo
    end
  end
  object sPanel2: TsPanel
  end
end
)");
  EXPECT_EQ(Root.Name, L"Form1");
  EXPECT_EQ(Root.ClassName, L"TForm1");
  ASSERT_EQ(Root.Properties.size(), 2u);
  EXPECT_EQ(Root.Properties[0].Name, L"Caption");
  EXPECT_EQ(Root.Properties[0].Value.Text, L"Quorvane v1.1");
  EXPECT_EQ(Root.Properties[1].Value.Integer, 808);
  ASSERT_EQ(Root.Children.size(), 2u);
  EXPECT_EQ(Root.Children[0].Name, L"sPanel1");
  EXPECT_EQ(Root.Children[0].Properties[0].Value.Kind, TDescriptionValue::TKind::Identifier);
  EXPECT_EQ(Root.Children[0].Properties[0].Value.Text, L"alClient");
  ASSERT_EQ(Root.Children[0].Children.size(), 1u);
  EXPECT_EQ(Root.Children[0].Children[0].ClassName, L"TsMemo");
  EXPECT_EQ(Root.Children[1].Name, L"sPanel2");
}

TEST(Description, ReadsEveryKindOfValue) {
  const TDescriptionObject Root = ParseDescription(
      "object : TThing\n"
      "  Negative = -11\n"
      "  Hex = $FF00FF\n"
      "  Joined = 'It''s'#32'a' + ' t\xC3\xA9st'\n"
      "  Style = [fsBold, fsItalic]\n"
      "  Empty = []\n"
      "  Data = {0B54 504e\n 47}\n"
      "  Lines = ('a' 12 Ident)\n"
      "  Items = <\n    item\n      Name = 'FM (internal)'\n      Data = {00FF}\n    end\n    item\n    end>\n"
      "end");
  EXPECT_TRUE(Root.Name.empty());
  const auto& P = Root.Properties;
  ASSERT_EQ(P.size(), 8u);
  EXPECT_EQ(P[0].Value.Integer, -11);
  EXPECT_EQ(P[1].Value.Integer, 0xFF00FF);
  EXPECT_EQ(P[2].Value.Text, L"It's a t\u00E9st");
  EXPECT_EQ(P[3].Value.SetItems, (std::vector<std::wstring>{L"fsBold", L"fsItalic"}));
  EXPECT_TRUE(P[4].Value.SetItems.empty());
  EXPECT_EQ(P[4].Value.Kind, TDescriptionValue::TKind::Set);
  EXPECT_EQ(P[5].Value.Bytes, (std::vector<std::uint8_t>{0x0B, 0x54, 0x50, 0x4E, 0x47}));
  ASSERT_EQ(P[6].Value.Items.size(), 3u);
  EXPECT_EQ(P[6].Value.Items[1].Integer, 12);
  EXPECT_EQ(P[6].Value.Items[2].Text, L"Ident");
  ASSERT_EQ(P[7].Value.CollectionItems.size(), 2u);
  EXPECT_EQ(P[7].Value.CollectionItems[0][0].Value.Text, L"FM (internal)");
  EXPECT_EQ(P[7].Value.CollectionItems[0][1].Value.Bytes.size(), 2u);
  EXPECT_TRUE(P[7].Value.CollectionItems[1].empty());
}

TEST(Description, RefusesMalformedTextWithTheLine) {
  const struct {
    const char* Text;
    const char* Message;
  } Cases[] = {
      {"", "line 1: expected a name"},
      {"object A: T\n  X = 1\n", "line 3: missing 'end'"},
      {"object A: T\n  X = 'open\nend", "line 2: unterminated string"},
      {"object A: T\n  X = {ABC}\nend", "line 2: odd number of hexadecimal digits"},
      {"object A: T\n  X = {AZ}\nend", "line 2: expected a hexadecimal digit"},
      {"object A: T\n  X = 99999999999999999999\nend", "number too large"},
      {"object A: T\n  X = #70000\nend", "character code out of range"},
      {"object A: T\n  X = '\xC3'\nend", "truncated UTF-8"},
      {"object A: T\n  X = [a b]\nend", "expected ','"},
      {"object A: T\nend\nobject B: T\nend", "text after the end of the root object"},
      {"thing A: T\nend", "expected 'object'"},
  };
  for (const auto& Case : Cases) {
    try {
      ParseDescription(Case.Text);
      ADD_FAILURE() << "accepted: " << Case.Text;
    } catch (const EDescriptionError& Error) {
      EXPECT_NE(std::string(Error.what()).find(Case.Message), std::string::npos)
          << Error.what() << " for " << Case.Text;
    }
  }
}

TEST(Description, RefusesNestingDeepEnoughToExhaustTheStack) {
  std::string Deep;
  for (int I = 0; I < 100000; ++I) Deep += "object : T\n";
  EXPECT_THROW(ParseDescription(Deep), EDescriptionError);
  std::string DeepList = "object : T\n X = ";
  DeepList.append(100000, '(');
  EXPECT_THROW(ParseDescription(DeepList), EDescriptionError);
}

}  // namespace
