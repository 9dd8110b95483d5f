// TsPanel: a container panel. Skinned painting comes with the engine.
#pragma once

#include "framework/Panel.h"

class TsPanel : public TPanel {
 public:
  using TPanel::TPanel;
};
