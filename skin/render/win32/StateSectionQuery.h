// The record of SKC_QUERY_STATE_SECTION: which section paints under a rectangle of a
// control in a state. Win32.
#pragma once
#include <windows.h>

#include <cstdint>

struct TStateSectionQuery {
  std::int32_t State = 0;
  std::int32_t SkinIndex = -1;  // filled by the receiver
  RECT Rect{};
};
