#include "skin/store/SkinText.h"

#include <algorithm>
#include <array>

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 control of the same
// value, as the system's own conversion does.
constexpr std::array<char16_t, 32> Cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& Out, char32_t Code) {
  if (Code < 0x80) {
    Out.push_back(static_cast<char>(Code));
  } else if (Code < 0x800) {
    Out.push_back(static_cast<char>(0xC0 | (Code >> 6)));
    Out.push_back(static_cast<char>(0x80 | (Code & 0x3F)));
  } else if (Code < 0x10000) {
    Out.push_back(static_cast<char>(0xE0 | (Code >> 12)));
    Out.push_back(static_cast<char>(0x80 | ((Code >> 6) & 0x3F)));
    Out.push_back(static_cast<char>(0x80 | (Code & 0x3F)));
  } else {
    Out.push_back(static_cast<char>(0xF0 | (Code >> 18)));
    Out.push_back(static_cast<char>(0x80 | ((Code >> 12) & 0x3F)));
    Out.push_back(static_cast<char>(0x80 | ((Code >> 6) & 0x3F)));
    Out.push_back(static_cast<char>(0x80 | (Code & 0x3F)));
  }
}

// UTF-16 units to UTF-8; an unpaired surrogate or an odd last byte becomes U+FFFD.
std::string Utf16ToUtf8(std::span<const std::uint8_t> Bytes, bool BigEndian) {
  std::string Out;
  Out.reserve(Bytes.size());
  const auto Unit = [&](std::size_t I) -> char32_t {
    const std::uint8_t Lo = Bytes[I + (BigEndian ? 1 : 0)];
    const std::uint8_t Hi = Bytes[I + (BigEndian ? 0 : 1)];
    return static_cast<char32_t>(Lo | Hi << 8);
  };
  std::size_t I = 0;
  for (; I + 1 < Bytes.size(); I += 2) {
    const char32_t First = Unit(I);
    if (First >= 0xD800 && First < 0xDC00 && I + 3 < Bytes.size()) {
      const char32_t Second = Unit(I + 2);
      if (Second >= 0xDC00 && Second < 0xE000) {
        AppendUtf8(Out, 0x10000 + ((First - 0xD800) << 10) + (Second - 0xDC00));
        I += 2;
        continue;
      }
    }
    AppendUtf8(Out, First >= 0xD800 && First < 0xE000 ? char32_t{0xFFFD} : First);
  }
  if (I < Bytes.size()) AppendUtf8(Out, 0xFFFD);
  return Out;
}

}  // namespace

std::string AnsiToUtf8(std::string_view Ansi) {
  std::string Out;
  Out.reserve(Ansi.size());
  for (const char Byte : Ansi) {
    const auto Code = static_cast<unsigned char>(Byte);
    if (Code < 0x80) Out.push_back(Byte);
    else if (Code < 0xA0) AppendUtf8(Out, Cp1252High[Code - 0x80]);
    else AppendUtf8(Out, Code);
  }
  return Out;
}

std::string DecodeSkinText(std::span<const std::uint8_t> Bytes) {
  if (Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF)
    return std::string(reinterpret_cast<const char*>(Bytes.data()) + 3, Bytes.size() - 3);
  if (Bytes.size() >= 2 && Bytes[0] == 0xFF && Bytes[1] == 0xFE) return Utf16ToUtf8(Bytes.subspan(2), false);
  if (Bytes.size() >= 2 && Bytes[0] == 0xFE && Bytes[1] == 0xFF) return Utf16ToUtf8(Bytes.subspan(2), true);
  return AnsiToUtf8(std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

std::string UpperCaseAscii(std::string_view Text) {
  std::string Out(Text);
  for (char& C : Out)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  return Out;
}

bool SameTextAscii(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
           const auto Up = [](char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; };
           return Up(X) == Up(Y);
         });
}
