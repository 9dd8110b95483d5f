#include "skin/controls/sPanel.h"

TsPanel::TsPanel(TComponent* AOwner)
    : TsSkinnedControl(AOwner, cocPanel, "TsPanel", [this] {
        switch (BevelOuter()) {
          case TBevelCut::bvNone:
            return std::string("TRANSPARENT");
          case TBevelCut::bvLowered:
            return std::string("PANEL_LOW");
          case TBevelCut::bvRaised:
            break;
        }
        return std::string("PANEL");
      }) {
  FCommonData.ForwardsSkinChanges = true;
}
