// TUtilityWindow: a hidden window that exists only to receive messages (the application
// window, timers). Its handler sees every message after creation and returns true for the
// ones it answered; the rest go to DefWindowProcW.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/Handles.h"
#include "framework/Message.h"

class TUtilityWindow {
 public:
  using THandler = std::function<bool(TMessage& Message)>;
  enum class TKind {
    MessageOnly,  // child of HWND_MESSAGE: no Z order, never visible, no broadcasts
    TopLevel,     // a hidden top-level window (it can own windows and take broadcasts)
  };

  TUtilityWindow(TKind Kind, const std::wstring& Title, THandler Handler);
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;
  ~TUtilityWindow();

  HWND Handle() const { return FWindow.Get(); }

 private:
  THandler FHandler;
  TUniqueWindow FWindow;

  static LRESULT CALLBACK WindowProcedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
};
