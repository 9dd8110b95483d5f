// TColor: a 32-bit colour, byte 0 red, byte 1 green, byte 2 blue. A top byte of 0xFF marks a
// system colour (the low byte is its index), resolved to RGB before use.
// Portable: no <windows.h>.
#pragma once

#include <bit>
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// System colours: 0xFF000000 + the system's colour index.
constexpr TColor SystemColor(int Index) {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(Index));
}
constexpr bool IsSystemColor(TColor Color) {
  return (static_cast<std::uint32_t>(Color) & 0xFF000000u) == 0xFF000000u;
}
constexpr int SystemColorIndex(TColor Color) {
  return static_cast<int>(static_cast<std::uint32_t>(Color) & 0xFFu);
}

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// One colour or pixel seen as a whole (C as unsigned, I as signed) or as its bytes 0..3.
// The byte names follow a TColor (R is byte 0); in a BGRA pixel byte 0 is blue, so for a
// pixel R holds the blue channel and B the red one.
struct TsColor {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  std::uint8_t A = 0;

  static constexpr TsColor FromC(std::uint32_t Value) { return std::bit_cast<TsColor>(Value); }
  constexpr std::uint32_t C() const { return std::bit_cast<std::uint32_t>(*this); }
  constexpr std::int32_t I() const { return std::bit_cast<std::int32_t>(*this); }
  constexpr bool operator==(const TsColor&) const = default;
};
static_assert(sizeof(TsColor) == 4);

// Swaps bytes 0 and 2 and keeps bytes 1 and 3: turns a TColor (red in byte 0) into pixel
// order (blue in byte 0) and back.
constexpr std::uint32_t ExchangeRedBlue(std::uint32_t Value) {
  return (Value & 0xFF00FF00u) | ((Value & 0xFFu) << 16) | ((Value >> 16) & 0xFFu);
}
constexpr TColor ExchangeRedBlue(TColor Value) {
  return static_cast<TColor>(ExchangeRedBlue(static_cast<std::uint32_t>(Value)));
}
