// TCanvas: drawing on a borrowed HDC with the canvas's own Font and Brush. Handle() gives the
// DC with both selected and the text colour and background mode set from them; the previous
// selections come back when the canvas lets go of the DC (SetHandle, destruction).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "framework/Brush.h"
#include "framework/Font.h"
#include "framework/Handles.h"

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;

  // The DC prepared for drawing; null when the canvas has none.
  HDC Handle();
  // Borrows DC (null lets go of the current one).
  void SetHandle(HDC DC);

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }

  void FillRect(const RECT& Rect);
  void TextOut(int X, int Y, std::wstring_view Text);
  // Text at (X, Y) clipped to Rect; a solid brush fills Rect first.
  void TextRect(const RECT& Rect, int X, int Y, std::wstring_view Text);
  // DrawTextW with Flags (DT_CALCRECT updates Rect); returns the text height.
  int DrawText(std::wstring_view Text, RECT& Rect, UINT Flags);
  SIZE TextExtent(std::wstring_view Text);

 private:
  HDC FDC = nullptr;
  TFont FFont;
  TBrush FBrush;
  std::optional<TSelectObjectGuard> FFontSelection;
  std::optional<TSelectObjectGuard> FBrushSelection;
  HFONT FSelectedFont = nullptr;
  HBRUSH FSelectedBrush = nullptr;

  void Deselect();
};

// Lends DC to a control's canvas for one paint: the canvas takes the control's font and a
// solid brush of its colour, and lets go of DC when the scope ends (also on an exception).
class TCanvasPaintScope {
 public:
  TCanvasPaintScope(TCanvas& Canvas, HDC DC, const TFont& Font, TColor Color);
  ~TCanvasPaintScope() { FCanvas.SetHandle(nullptr); }
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

 private:
  TCanvas& FCanvas;
};
