#include "framework/Canvas.h"

#include "framework/Colors.h"

TCanvas::TCanvas() {
  // A changed font or brush deletes its old handle on next use: let go of it first.
  FFont.OnChange = [this](TObject*) {
    FFontSelection.reset();
    FSelectedFont = nullptr;
  };
  FBrush.OnChange = [this](TObject*) {
    FBrushSelection.reset();
    FSelectedBrush = nullptr;
  };
}

TCanvas::~TCanvas() { Deselect(); }

void TCanvas::Deselect() {
  FFontSelection.reset();
  FBrushSelection.reset();
  FSelectedFont = nullptr;
  FSelectedBrush = nullptr;
}

void TCanvas::SetHandle(HDC DC) {
  if (DC == FDC) return;
  Deselect();
  FDC = DC;
}

HDC TCanvas::Handle() {
  if (!FDC) return nullptr;
  const HFONT Font = FFont.Handle();
  if (Font != FSelectedFont) {
    FFontSelection.reset();
    FFontSelection.emplace(FDC, Font);
    FSelectedFont = Font;
  }
  const HBRUSH Brush = FBrush.Handle();
  if (Brush != FSelectedBrush) {
    FBrushSelection.reset();
    FBrushSelection.emplace(FDC, Brush);
    FSelectedBrush = Brush;
  }
  SetTextColor(FDC, ColorToRGB(FFont.Color()));
  if (FBrush.Style() == TBrushStyle::bsClear) {
    SetBkMode(FDC, TRANSPARENT);
  } else {
    SetBkMode(FDC, OPAQUE);
    SetBkColor(FDC, ColorToRGB(FBrush.Color()));
  }
  return FDC;
}

void TCanvas::FillRect(const RECT& Rect) {
  const HDC DC = Handle();
  if (DC && FBrush.Style() != TBrushStyle::bsClear) ::FillRect(DC, &Rect, FBrush.Handle());
}

void TCanvas::TextOut(int X, int Y, std::wstring_view Text) {
  if (const HDC DC = Handle())
    ::ExtTextOutW(DC, X, Y, 0, nullptr, Text.data(), static_cast<UINT>(Text.size()), nullptr);
}

void TCanvas::TextRect(const RECT& Rect, int X, int Y, std::wstring_view Text) {
  const HDC DC = Handle();
  if (!DC) return;
  UINT Options = ETO_CLIPPED;
  if (FBrush.Style() != TBrushStyle::bsClear) Options |= ETO_OPAQUE;
  ::ExtTextOutW(DC, X, Y, Options, &Rect, Text.data(), static_cast<UINT>(Text.size()), nullptr);
}

int TCanvas::DrawText(std::wstring_view Text, RECT& Rect, UINT Flags) {
  const HDC DC = Handle();
  if (!DC) return 0;
  return ::DrawTextW(DC, Text.data(), static_cast<int>(Text.size()), &Rect, Flags);
}

SIZE TCanvas::TextExtent(std::wstring_view Text) {
  SIZE Size{};
  if (const HDC DC = Handle()) GetTextExtentPoint32W(DC, Text.data(), static_cast<int>(Text.size()), &Size);
  return Size;
}

TCanvasPaintScope::TCanvasPaintScope(TCanvas& Canvas, HDC DC, const TFont& Font, TColor Color) : FCanvas(Canvas) {
  FCanvas.SetHandle(DC);
  FCanvas.Font().Assign(Font);
  FCanvas.Brush().SetColor(Color);
  FCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
}
