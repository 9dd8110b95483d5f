#include "framework/core/Description.h"

#include <cctype>
#include <string>

namespace {

// Deep enough for any form we store; shallow enough that hostile input cannot exhaust the stack.
constexpr int MaxNesting = 64;

class TDescriptionParser {
 public:
  explicit TDescriptionParser(std::string_view Text) : FText(Text) {}

  TDescriptionObject ParseRoot() {
    SkipBom();
    TDescriptionObject Root = ParseObject(0);
    SkipBlank();
    if (FPos != FText.size()) Fail("text after the end of the root object");
    return Root;
  }

 private:
  std::string_view FText;
  std::size_t FPos = 0;
  int FLine = 1;

  [[noreturn]] void Fail(const std::string& What) const {
    throw EDescriptionError("description, line " + std::to_string(FLine) + ": " + What);
  }

  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }

  void SkipBom() {
    if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
  }

  void SkipBlank() {
    while (!AtEnd()) {
      const char C = FText[FPos];
      if (C == '\n') ++FLine;
      if (C != ' ' && C != '\t' && C != '\r' && C != '\n') return;
      ++FPos;
    }
  }

  void Expect(char C) {
    SkipBlank();
    if (Peek() != C) Fail(std::string("expected '") + C + "'");
    ++FPos;
  }

  static bool IsIdentStart(char C) { return std::isalpha(static_cast<unsigned char>(C)) || C == '_'; }
  static bool IsIdentChar(char C) { return std::isalnum(static_cast<unsigned char>(C)) || C == '_'; }

  // An identifier, dots allowed inside ("Font.Height").
  std::string_view Identifier() {
    SkipBlank();
    if (!IsIdentStart(Peek())) Fail("expected a name");
    const std::size_t Start = FPos;
    while (!AtEnd() && (IsIdentChar(FText[FPos]) || FText[FPos] == '.')) ++FPos;
    return FText.substr(Start, FPos - Start);
  }

  bool NextWordIs(std::string_view Word) {
    SkipBlank();
    if (FText.substr(FPos, Word.size()) != Word) return false;
    const std::size_t After = FPos + Word.size();
    return After >= FText.size() || !IsIdentChar(FText[After]);
  }

  static std::wstring Widen(std::string_view Ascii) { return std::wstring(Ascii.begin(), Ascii.end()); }

  TDescriptionObject ParseObject(int Depth) {
    if (Depth > MaxNesting) Fail("objects nested too deeply");
    if (Identifier() != "object") Fail("expected 'object'");
    TDescriptionObject Object;
    SkipBlank();
    if (Peek() != ':') Object.Name = Widen(Identifier());
    Expect(':');
    Object.ClassName = Widen(Identifier());
    for (;;) {
      SkipBlank();
      if (AtEnd()) Fail("missing 'end'");
      if (NextWordIs("end")) {
        FPos += 3;
        return Object;
      }
      if (NextWordIs("object")) {
        Object.Children.push_back(ParseObject(Depth + 1));
      } else {
        Object.Properties.push_back(ParseProperty(Depth));
      }
    }
  }

  TDescriptionProperty ParseProperty(int Depth) {
    TDescriptionProperty Property;
    Property.Name = Widen(Identifier());
    Expect('=');
    Property.Value = ParseValue(Depth + 1);
    return Property;
  }

  TDescriptionValue ParseValue(int Depth) {
    if (Depth > MaxNesting) Fail("values nested too deeply");
    SkipBlank();
    const char C = Peek();
    if (C == '\'' || C == '#') return StringValue();
    if (C == '-' || C == '+' || C == '$' || std::isdigit(static_cast<unsigned char>(C))) return IntegerValue();
    if (C == '[') return SetValue();
    if (C == '{') return BinaryValue();
    if (C == '(') return ListValue(Depth);
    if (C == '<') return CollectionValue(Depth);
    TDescriptionValue Value;
    Value.Kind = TDescriptionValue::TKind::Identifier;
    Value.Text = Widen(Identifier());
    return Value;
  }

  TDescriptionValue IntegerValue() {
    bool Negative = false;
    if (Peek() == '-' || Peek() == '+') {
      Negative = Peek() == '-';
      ++FPos;
    }
    const bool Hex = Peek() == '$';
    if (Hex) ++FPos;
    const int Base = Hex ? 16 : 10;
    std::uint64_t Magnitude = 0;
    int Digits = 0;
    for (; !AtEnd(); ++FPos, ++Digits) {
      const int D = DigitValue(FText[FPos]);
      if (D < 0 || D >= Base) break;
      if (Magnitude > (UINT64_C(1) << 62) / static_cast<unsigned>(Base)) Fail("number too large");
      Magnitude = Magnitude * static_cast<unsigned>(Base) + static_cast<unsigned>(D);
    }
    if (Digits == 0) Fail("expected digits");
    TDescriptionValue Value;
    Value.Integer = Negative ? -static_cast<std::int64_t>(Magnitude) : static_cast<std::int64_t>(Magnitude);
    return Value;
  }

  static int DigitValue(char C) {
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    return -1;
  }

  // Quoted UTF-8 pieces and #nnn code units, joined by adjacency or '+'.
  TDescriptionValue StringValue() {
    TDescriptionValue Value;
    Value.Kind = TDescriptionValue::TKind::String;
    for (;;) {
      if (Peek() == '\'') {
        ++FPos;
        std::string Piece;
        for (;;) {
          if (AtEnd() || Peek() == '\n') Fail("unterminated string");
          if (Peek() == '\'') {
            if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
              Piece += '\'';
              FPos += 2;
              continue;
            }
            ++FPos;
            break;
          }
          Piece += FText[FPos++];
        }
        AppendUtf8(Value.Text, Piece);
      } else if (Peek() == '#') {
        ++FPos;
        const TDescriptionValue Code = IntegerValue();
        if (Code.Integer < 0 || Code.Integer > 0xFFFF) Fail("character code out of range");
        Value.Text += static_cast<wchar_t>(Code.Integer);
      } else {
        Fail("expected a string");
      }
      const std::size_t Mark = FPos;
      const int MarkLine = FLine;
      SkipBlank();
      if (Peek() == '+') {
        ++FPos;
        SkipBlank();
        continue;
      }
      if (Peek() == '\'' || Peek() == '#') {
        if (FPos == Mark) continue;  // adjacent pieces: 'a'#13#10'b'
      }
      FPos = Mark;
      FLine = MarkLine;
      return Value;
    }
  }

  void AppendUtf8(std::wstring& Out, std::string_view Utf8) {
    for (std::size_t I = 0; I < Utf8.size();) {
      const unsigned char Lead = static_cast<unsigned char>(Utf8[I]);
      int Extra = 0;
      std::uint32_t Code = 0;
      if (Lead < 0x80) Code = Lead;
      else if ((Lead & 0xE0) == 0xC0) Extra = 1, Code = Lead & 0x1Fu;
      else if ((Lead & 0xF0) == 0xE0) Extra = 2, Code = Lead & 0x0Fu;
      else if ((Lead & 0xF8) == 0xF0) Extra = 3, Code = Lead & 0x07u;
      else Fail("invalid UTF-8 in a string");
      if (I + static_cast<std::size_t>(Extra) >= Utf8.size()) Fail("truncated UTF-8 in a string");
      for (int K = 1; K <= Extra; ++K) {
        const unsigned char Next = static_cast<unsigned char>(Utf8[I + static_cast<std::size_t>(K)]);
        if ((Next & 0xC0) != 0x80) Fail("invalid UTF-8 in a string");
        Code = (Code << 6) | (Next & 0x3Fu);
      }
      if (Code > 0x10FFFF) Fail("invalid UTF-8 in a string");
      I += static_cast<std::size_t>(Extra) + 1;
      if (Code >= 0x10000) {
        Code -= 0x10000;
        Out += static_cast<wchar_t>(0xD800 + (Code >> 10));
        Out += static_cast<wchar_t>(0xDC00 + (Code & 0x3FF));
      } else {
        Out += static_cast<wchar_t>(Code);
      }
    }
  }

  TDescriptionValue SetValue() {
    ++FPos;
    TDescriptionValue Value;
    Value.Kind = TDescriptionValue::TKind::Set;
    SkipBlank();
    if (Peek() == ']') {
      ++FPos;
      return Value;
    }
    for (;;) {
      Value.SetItems.push_back(Widen(Identifier()));
      SkipBlank();
      if (Peek() == ']') {
        ++FPos;
        return Value;
      }
      Expect(',');
    }
  }

  TDescriptionValue BinaryValue() {
    ++FPos;
    TDescriptionValue Value;
    Value.Kind = TDescriptionValue::TKind::Binary;
    int High = -1;
    for (;;) {
      SkipBlank();
      if (AtEnd()) Fail("unterminated binary value");
      const char C = FText[FPos++];
      if (C == '}') break;
      const int D = DigitValue(C);
      if (D < 0) Fail("expected a hexadecimal digit");
      if (High < 0) {
        High = D;
      } else {
        Value.Bytes.push_back(static_cast<std::uint8_t>(High << 4 | D));
        High = -1;
      }
    }
    if (High >= 0) Fail("odd number of hexadecimal digits");
    return Value;
  }

  TDescriptionValue ListValue(int Depth) {
    ++FPos;
    TDescriptionValue Value;
    Value.Kind = TDescriptionValue::TKind::List;
    for (;;) {
      SkipBlank();
      if (AtEnd()) Fail("unterminated list");
      if (Peek() == ')') {
        ++FPos;
        return Value;
      }
      Value.Items.push_back(ParseValue(Depth + 1));
    }
  }

  TDescriptionValue CollectionValue(int Depth) {
    ++FPos;
    TDescriptionValue Value;
    Value.Kind = TDescriptionValue::TKind::Collection;
    for (;;) {
      SkipBlank();
      if (Peek() == '>') {
        ++FPos;
        return Value;
      }
      if (!NextWordIs("item")) Fail("expected 'item' or '>'");
      FPos += 4;
      std::vector<TDescriptionProperty> Item;
      while (!NextWordIs("end")) {
        if (AtEnd()) Fail("missing 'end' of an item");
        Item.push_back(ParseProperty(Depth + 1));
      }
      FPos += 3;
      Value.CollectionItems.push_back(std::move(Item));
    }
  }
};

}  // namespace

TDescriptionObject ParseDescription(std::string_view Utf8Text) {
  return TDescriptionParser(Utf8Text).ParseRoot();
}
