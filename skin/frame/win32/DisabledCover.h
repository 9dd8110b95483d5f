// The cover over a disabled form (the provider's LayerForm): a layered window over the
// form's bounds, filled with DisabledBlendColor and shown at the overall opacity
// 255 - DisabledBlendValue, so the form looks dimmed while it cannot be used. The default
// value 255 makes it fully transparent, so no cover is made. Win32.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/Handles.h"
#include "gfx/Color.h"

// The cover's overall opacity for a DisabledBlendValue; nothing for -1, which means no
// cover. Other values outside 0..255 are taken as the nearer end.
std::optional<BYTE> DisabledCoverAlpha(int DisabledBlendValue);

class TDisabledCover {
 public:
  TDisabledCover() = default;
  TDisabledCover(const TDisabledCover&) = delete;
  TDisabledCover& operator=(const TDisabledCover&) = delete;

  // Follows Form's enabled state: a disabled form gets the cover (made afresh over its
  // current bounds), an enabled one loses it. Call on every enabled change of the form.
  void Follow(HWND Form, int DisabledBlendValue, TColor DisabledBlendColor);
  // Frees the cover.
  void Remove();

  // The cover's window; null when there is none.
  HWND Handle() const { return FWindow.Get(); }
  // The opacity it was shown with.
  BYTE Alpha() const { return FAlpha; }

 private:
  TUniqueWindow FWindow;
  BYTE FAlpha = 0;

  void Show(HWND Form, BYTE Alpha, TColor Color);
};
