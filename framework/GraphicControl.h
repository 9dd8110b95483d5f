// TGraphicControl: a control without a window of its own. Its parent paints it (WM_PAINT with
// the parent's DC in WParam, origin at the control's top-left, clipped to its bounds) and
// routes the mouse messages over it to it, in the control's own coordinates.
#pragma once

#include "framework/Canvas.h"
#include "framework/Control.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);

  TCanvas& Canvas() { return FCanvas; }

 protected:
  // Draws the control on Canvas, whose DC shows the parent's pixels under it.
  virtual void Paint();
  void WndProc(TMessage& Message) override;

 private:
  TCanvas FCanvas;
};
