// TsPanel: a container panel. It owns its skin data (kind 51); its section follows its
// outer bevel. Its own skinned painting comes with the engine's panels.
#pragma once

#include "framework/Panel.h"
#include "skin/controls/SkinnedControl.h"

class TsPanel : public TsSkinnedControl<TPanel> {
 public:
  explicit TsPanel(TComponent* AOwner);
};
