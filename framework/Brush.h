// TBrush: a fill colour and style with a lazily created HBRUSH (recreated after a change).
#pragma once

#include <windows.h>

#include "framework/Handles.h"
#include "framework/core/Object.h"
#include "gfx/Color.h"

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  // The solid brush, or the stock hollow brush for bsClear.
  HBRUSH Handle();

  TNotifyEvent OnChange;

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  TUniqueBrush FHandle;
  bool FHandleStale = false;

  void Changed();
};
