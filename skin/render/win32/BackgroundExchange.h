// The background exchange between a skinned control and its parent: the child's question
// (SKC_QUERY_BG_INFO with a BackgroundInfo), the parent's answer, and what is assumed of a
// parent that does not answer. Win32.
#pragma once
#include <windows.h>

#include "skin/render/CacheInfo.h"

class TWinControl;
class TsCommonData;

// Asks Parent for its background into Info (Kind, PaintNow and ColorFrame are reset first).
// An unskinned parent is made to paint itself into Info.TargetDC with PaintNow, and is taken
// as its reported colour (or its own colour) without. Always true.
bool AskParentBackground(BackgroundInfo& Info, TWinControl* Parent, bool PaintNow);
// The same for a parent window. False when the window did not answer and Info was filled in
// here (with PaintNow: painted by the window; without: the manager's global colour, or the
// button face colour without a manager).
bool AskParentBackground(BackgroundInfo& Info, HWND Parent, bool PaintNow);

// The painters' view of an answer, system colours resolved.
TCacheInfo BackgroundToCacheInfo(const BackgroundInfo& Info);

// The colour seen through SkinData's control in State (0 normal, above 0 hot); its own
// colour when it is not skinned. RGB.
TColor ControlColorOf(const TsCommonData& SkinData, int State);

// The parent's side: fills Info with SkinData's picture or colour for a child asking in State
// (0 normal, 1 hot), painting into Info.TargetDC when the child asks for PaintNow.
void AnswerBackgroundQuery(TsCommonData& SkinData, BackgroundInfo& Info, int State);
