// TsMemo: the multi-line output pane. Skinned painting comes with the engine.
#pragma once

#include "framework/Memo.h"

class TsMemo : public TMemo {
 public:
  using TMemo::TMemo;
};
