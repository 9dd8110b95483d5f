// TacOuterEffects: whether a control shows its section's outer effect (a shadow painted
// into its parent's picture around it). Portable.
#pragma once

enum class TacOuterVisibility { ovNone = 0, ovAlways = 1 };

class TacOuterEffects {
 public:
  TacOuterVisibility Visibility() const { return FVisibility; }
  void SetVisibility(TacOuterVisibility Value) { FVisibility = Value; }

 private:
  TacOuterVisibility FVisibility = TacOuterVisibility::ovNone;
};
