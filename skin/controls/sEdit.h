// TsEdit: a single-line field. Skinned painting comes with the engine.
#pragma once

#include "framework/Edit.h"

class TsEdit : public TEdit {
 public:
  using TEdit::TEdit;
};
