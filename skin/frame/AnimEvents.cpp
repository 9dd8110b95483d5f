#include "skin/frame/AnimEvents.h"

#include <optional>

namespace {

// The manager's event for a control's mouse event; aeGlobalDef has none.
std::optional<TacBtnEvent> ManagerEventFor(TacAnimatEvent Event) {
  switch (Event) {
    case TacAnimatEvent::aeMouseEnter: return TacBtnEvent::beMouseEnter;
    case TacAnimatEvent::aeMouseLeave: return TacBtnEvent::beMouseLeave;
    case TacAnimatEvent::aeMouseDown: return TacBtnEvent::beMouseDown;
    case TacAnimatEvent::aeMouseUp: return TacBtnEvent::beMouseUp;
    case TacAnimatEvent::aeGlobalDef: break;
  }
  return std::nullopt;
}

}  // namespace

bool AnimEventAllowed(TacAnimatEvent Event, TacAnimatEvents ControlEvents, TSet<TacBtnEvent> ManagerEvents) {
  if (ControlEvents.Contains(Event)) return true;
  if (!ControlEvents.Contains(TacAnimatEvent::aeGlobalDef)) return false;
  const std::optional<TacBtnEvent> ManagerEvent = ManagerEventFor(Event);
  return ManagerEvent && ManagerEvents.Contains(*ManagerEvent);
}
