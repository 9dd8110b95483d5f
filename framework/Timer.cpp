#include "framework/Timer.h"

#include <algorithm>

#include "framework/core/DescriptionValues.h"

namespace {

constexpr UINT_PTR TimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

void TTimer::SetInterval(unsigned Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  FTimer.reset();
  if (!FEnabled || FInterval == 0 || !FOnTimer || Loading()) return;
  if (!FWindow) {
    FWindow =
        std::make_unique<TUtilityWindow>(TUtilityWindow::TKind::MessageOnly, L"", [this](TMessage& Message) {
          if (Message.Msg != WM_TIMER || Message.WParam != TimerId) return false;
          if (FOnTimer) FOnTimer(this);
          return true;
        });
  }
  FTimer.emplace(FWindow->Handle(), TimerId, FInterval);
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

bool TTimer::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Interval") {
    SetInterval(static_cast<unsigned>(std::max(0, AsInteger(Value))));
  } else if (PropertyName == L"Enabled") {
    SetEnabled(AsBoolean(Value));
  } else if (PropertyName == L"OnTimer") {
    SetOnTimer(ReadEvent(Value));
  } else {
    return TComponent::ReadProperty(PropertyName, Value);
  }
  return true;
}
