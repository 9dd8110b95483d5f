// Which mouse events fade a control: its own events, else the manager's with aeGlobalDef.
#include <gtest/gtest.h>

#include "skin/frame/AnimEvents.h"

namespace {

using enum TacAnimatEvent;
constexpr TSet<TacBtnEvent> AllManagerEvents{TacBtnEvent::beMouseEnter, TacBtnEvent::beMouseLeave,
                                             TacBtnEvent::beMouseDown, TacBtnEvent::beMouseUp};

TEST(AnimEventAllowed, DefaultButtonFadesEveryEvent) {
  for (const TacAnimatEvent Event : {aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp})
    EXPECT_TRUE(AnimEventAllowed(Event, {aeGlobalDef}, AllManagerEvents)) << static_cast<int>(Event);
}

TEST(AnimEventAllowed, NoEventsNeverFades) {
  for (const TacAnimatEvent Event : {aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp})
    EXPECT_FALSE(AnimEventAllowed(Event, {}, AllManagerEvents)) << static_cast<int>(Event);
}

TEST(AnimEventAllowed, ManagerWithoutMouseLeaveStillFadesIn) {
  TSet<TacBtnEvent> Manager = AllManagerEvents;
  Manager.Exclude(TacBtnEvent::beMouseLeave);
  EXPECT_FALSE(AnimEventAllowed(aeMouseLeave, {aeGlobalDef}, Manager));
  EXPECT_TRUE(AnimEventAllowed(aeMouseEnter, {aeGlobalDef}, Manager));
}

TEST(AnimEventAllowed, OwnEventsNeedNoManager) {
  EXPECT_TRUE(AnimEventAllowed(aeMouseDown, {aeMouseDown}, {}));
  EXPECT_FALSE(AnimEventAllowed(aeMouseUp, {aeMouseDown}, AllManagerEvents));
  EXPECT_TRUE(AnimEventAllowed(aeMouseUp, {aeMouseDown, aeGlobalDef}, AllManagerEvents));
}

}  // namespace
