// TMessage: one window message as it travels through a control's WindowProc chain; a handler
// that answers it sets Result.
#pragma once

#include <windows.h>

#include <functional>

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage& Message)>;
