#include "skin/controls/core/EditLook.h"

#include <algorithm>

#include "gfx/ColorOps.h"

namespace {

int BevelCount(const TEditBorder& Border) {
  return (Border.BevelInner ? 1 : 0) + (Border.BevelOuter ? 1 : 0);
}

}  // namespace

int EditBorderWidth(const TEditBorder& Border) {
  return (Border.HasBorder ? 1 : 0) * (Border.Ctl3D ? 2 : 1) + BevelCount(Border);
}

int EditFrameStripWidth(const TEditBorder& Border) {
  const int Width = EditBorderWidth(Border);
  return Width > 0 ? Width : BevelCount(Border);
}

TRect EditTextRect(int Width, int Height, const TEditBorder& Border) {
  const int Inset = Border.HasBorder ? EditBorderWidth(Border) : 0;
  const int Extra = Border.HasBorder ? 1 : 0;
  TRect R{Inset + Extra, Inset + Extra, Width - Inset - Extra, Height - Inset};
  R.Right = std::max(R.Right, R.Left);
  R.Bottom = std::max(R.Bottom, R.Top);
  return R;
}

std::wstring ShownEditText(std::wstring_view Text, wchar_t PasswordChar) {
  if (PasswordChar == 0) return std::wstring(Text);
  return std::wstring(Text.size(), PasswordChar == L'*' ? L'\u25CF' : PasswordChar);
}

TColor EditHintColor(TColor FontColor, TColor ControlColor) {
  return static_cast<TColor>(BlendTwoColors(static_cast<std::uint32_t>(FontColor) & 0xFFFFFF,
                                            static_cast<std::uint32_t>(ControlColor) & 0xFFFFFF, 166));
}
