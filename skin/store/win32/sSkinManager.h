// TsSkinManager: the component that owns the current skin. For now it keeps what the main
// window's description stores for it; loading and activating the skin come with the engine.
#pragma once

#include <array>
#include <string>

#include "framework/Component.h"
#include "skin/store/sStoredSkins.h"

// The class-name lists of foreign controls to skin, in their stored order.
inline constexpr std::array<const wchar_t*, 23> ThirdPartyListNames{
    L"ThirdEdits",     L"ThirdButtons",      L"ThirdBitBtns",       L"ThirdCheckBoxes",  L"ThirdGroupBoxes",
    L"ThirdListViews", L"ThirdPanels",       L"ThirdGrids",         L"ThirdTreeViews",   L"ThirdComboBoxes",
    L"ThirdWWEdits",   L"ThirdVirtualTrees", L"ThirdGridEh",        L"ThirdPageControl", L"ThirdTabControl",
    L"ThirdToolBar",   L"ThirdStatusBar",    L"ThirdSpeedButton",   L"ThirdScrollControl", L"ThirdUpDown",
    L"ThirdScrollBar", L"ThirdStaticText",   L"ThirdNativePaint"};

class TsSkinManager : public TComponent {
 public:
  explicit TsSkinManager(TComponent* AOwner);

  TsStoredSkins InternalSkins;
  std::wstring SkinDirectory;
  std::wstring SkinName;
  std::wstring SkinInfo;
  // One text per list of ThirdPartyListNames, class names separated by line breaks.
  std::array<std::wstring, ThirdPartyListNames.size()> ThirdParty;

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
};
