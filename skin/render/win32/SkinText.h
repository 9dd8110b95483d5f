// Control text in the colours of its skin section: contour colours, a glow in the control's
// picture, the disabled colour. Win32.
#pragma once
#include <windows.h>

#include <string_view>

class TCanvas;
class TsCommonData;
class TsSkinStore;

// Text of SkinData's control at Rect on Canvas, in State (0 normal, 1 hot, 2 pressed), with
// DrawTextW's Format. The canvas's brush becomes clear; the DC's state comes back.
void DrawSkinText(TCanvas& Canvas, std::wstring_view Text, bool Enabled, int State, TsCommonData& SkinData,
                  UINT Format, RECT Rect);

// The same for painters without a control (menus): the section SkinIndex of Manager's skin,
// its colours as they are; disabled text mixes the normal font colour with the normal colour.
void DrawSectionText(TCanvas& Canvas, std::wstring_view Text, bool Enabled, const TsSkinStore* Manager, int State,
                     int SkinIndex, UINT Format, RECT Rect);
