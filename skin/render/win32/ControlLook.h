// What section painting needs from a control's skin data, gathered in one place (Win32).
#pragma once
#include "skin/render/SectionPaint.h"

class TsCommonData;

// The manager's store, the skin index, the custom colour (the control's own colour when the
// application sets it) and the colour effects of SkinData.
TsSectionLook SectionLookOf(const TsCommonData& SkinData);
