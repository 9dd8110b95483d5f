// BGType: what a control's picture depends on, from its section's normal state, so that a
// container can tell whether a child's picture changes when the child moves or is resized.
// Portable.
#pragma once

#include <cstdint>
#include <initializer_list>

constexpr std::uint16_t bgHorizontalGradient = 0x01;
constexpr std::uint16_t bgVerticalGradient = 0x02;
constexpr std::uint16_t bgStretchedTexture = 0x04;
constexpr std::uint16_t bgTextureLeft = 0x10;
constexpr std::uint16_t bgTextureTop = 0x20;
constexpr std::uint16_t bgTextureRight = 0x40;
constexpr std::uint16_t bgTextureBottom = 0x80;

// GradientKind: the gradient's kind (0 top to bottom, 1 left to right, 2 four corners), -1
// for none; FillMode: the texture's fill mode, -1 without an image.
constexpr std::uint16_t BackgroundType(int GradientKind, int FillMode) {
  std::uint16_t Type = 0;
  if (GradientKind == 0 || GradientKind == 2) Type |= bgVerticalGradient;
  if (GradientKind == 1 || GradientKind == 2) Type |= bgHorizontalGradient;
  auto In = [FillMode](std::initializer_list<int> Modes) {
    for (const int M : Modes)
      if (M == FillMode) return true;
    return false;
  };
  if (FillMode < 0) return Type;
  if (In({1, 4, 5, 8, 9, 11, 12})) Type |= bgStretchedTexture;
  if (In({0, 1, 3, 5, 10, 12})) Type |= bgTextureLeft;
  if (In({0, 1, 2, 4, 10, 11})) Type |= bgTextureTop;
  if (In({0, 1, 7, 9, 10, 12})) Type |= bgTextureRight;
  if (In({0, 1, 6, 8, 10, 11})) Type |= bgTextureBottom;
  return Type;
}
