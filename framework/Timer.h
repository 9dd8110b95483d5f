// TTimer: calls OnTimer every Interval milliseconds while Enabled, from window messages
// (WM_TIMER) of a message-only window of its own, so it ticks whenever the thread handles
// messages (Run, ProcessMessages, a modal loop).
#pragma once

#include <memory>
#include <optional>

#include "framework/Component.h"
#include "framework/Handles.h"
#include "framework/UtilityWindow.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);

  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Setting the event (re)starts the timer when enabled.
  void SetOnTimer(TNotifyEvent Value);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
  void Loaded() override;

 private:
  unsigned FInterval = 1000;
  bool FEnabled = true;
  TNotifyEvent FOnTimer;
  std::unique_ptr<TUtilityWindow> FWindow;
  std::optional<TWindowTimer> FTimer;  // goes before the window it runs on

  void UpdateTimer();
};
