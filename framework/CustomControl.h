// TCustomControl: a windowed control of the framework's own window class that draws itself
// on a Canvas in Paint.
#pragma once

#include "framework/Canvas.h"
#include "framework/WinControl.h"

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);

  TCanvas& Canvas() { return FCanvas; }

 protected:
  virtual void Paint();
  void PaintWindow(HDC DC) override;

 private:
  TCanvas FCanvas;
};
