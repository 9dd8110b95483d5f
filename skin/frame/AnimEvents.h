// Which mouse events of a control fade its look: the control's own animation events, or,
// with aeGlobalDef, the skin manager's button events. Portable.
#pragma once

#include "gfx/Set.h"
#include "skin/store/ManagerOptions.h"

enum class TacAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
using TacAnimatEvents = TSet<TacAnimatEvent>;

// ManagerEvents: AnimEffects.Buttons.Events of the control's manager (the default manager's
// when the control has none).
bool AnimEventAllowed(TacAnimatEvent Event, TacAnimatEvents ControlEvents, TSet<TacBtnEvent> ManagerEvents);
