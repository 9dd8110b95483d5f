// Where a control's glow window goes: around the control's visible rectangle, reaching out
// by the glow image's border widths less the section's glow margin on each side. Portable.
#pragma once

#include <optional>

#include "gfx/Geometry.h"
#include "skin/store/sSkinData.h"

// The glow window's rectangle (in RealRect's coordinates) for a glow image Glow and Margin,
// how far its border pieces reach into the control; none when it would have no area.
std::optional<TRect> GlowWindowRect(const TRect& RealRect, const TsMaskData& Glow, int Margin);
