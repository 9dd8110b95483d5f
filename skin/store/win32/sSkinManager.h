// TsSkinManager: the component that owns the current skin and tells every window about it.
// The first one made is the default manager, which every skinned control uses when it names
// none of its own.
//
// Sections: the skin; the published options; scale; the skin list's windows; the broadcasts;
// hot-control tracking; the window-creation hook; the application-window hook.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Brush.h"
#include "framework/Component.h"
#include "framework/Handles.h"
#include "framework/Message.h"
#include "skin/store/ManagerOptions.h"
#include "skin/store/PreviewBlock.h"
#include "skin/store/SkinDescription.h"
#include "skin/store/sSkinStore.h"
#include "skin/store/sStoredSkins.h"

class TControl;
class TTimer;

// The class-name lists of foreign controls to skin, in their stored order.
inline constexpr std::array<const wchar_t*, 23> ThirdPartyListNames{
    L"ThirdEdits",     L"ThirdButtons",      L"ThirdBitBtns",       L"ThirdCheckBoxes",  L"ThirdGroupBoxes",
    L"ThirdListViews", L"ThirdPanels",       L"ThirdGrids",         L"ThirdTreeViews",   L"ThirdComboBoxes",
    L"ThirdWWEdits",   L"ThirdVirtualTrees", L"ThirdGridEh",        L"ThirdPageControl", L"ThirdTabControl",
    L"ThirdToolBar",   L"ThirdStatusBar",    L"ThirdSpeedButton",   L"ThirdScrollControl", L"ThirdUpDown",
    L"ThirdScrollBar", L"ThirdStaticText",   L"ThirdNativePaint"};

// Shown once per load for a skin newer than this engine knows (two lines).
inline constexpr wchar_t SNewerSkinWarning[] =
    L"This version of the skin has not complete support by used Kestrane package release.\r\n"
    L"Components must be updated to latest version for using this skin.";

class TsSkinManager : public TComponent {
 public:
  explicit TsSkinManager(TComponent* AOwner);
  ~TsSkinManager() override;

  // The default manager; null when there is none.
  static TsSkinManager* DefaultManager();
  bool IsDefault() const { return DefaultManager() == this; }

  // ---- The skin
  const TsSkinStore& Store() const { return FStore; }
  // The skin is applied: loaded and broadcast.
  bool SkinActive() const { return FStore.CommonSkinData().Active; }
  // A solid brush of the skin's edit colour (pcEditBG), made when first asked for.
  HBRUSH EditBrush();

  // ---- Published options
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  const std::wstring& SkinName() const { return FSkinName; }
  void SetSkinName(const std::wstring& Value);
  const std::wstring& SkinDirectory() const { return FSkinDirectory; }
  void SetSkinDirectory(const std::wstring& Value) { FSkinDirectory = Value; }
  // A name of one of the skins SkinsFilter lets the skin list show (internal skins, then
  // the .asz files of the skin directory), picked at random; empty when there is none.
  std::wstring GetRandomSkin() const;
  TsStoredSkins InternalSkins;
  // Read back as the loaded skin's version; writing it does nothing.
  std::wstring SkinInfo() const;
  static std::wstring Version() { return L"12.08"; }
  int HueOffset() const { return FHueOffset; }
  void SetHueOffset(int Value);
  int Saturation() const { return FSaturation; }
  void SetSaturation(int Value);
  int Brightness() const { return FBrightness; }
  void SetBrightness(int Value);  // clamped to -100..100
  // Extra description text merged into every skin.
  const std::wstring& CommonSections() const { return FCommonSectionsText; }
  void SetCommonSections(const std::wstring& Value);
  // Layered extended form borders with a shadow; they take effect only where the system
  // has layered windows.
  bool ExtendedBorders() const { return FExtendedBorders; }
  void SetExtendedBorders(bool Value);
  // One text per list of ThirdPartyListNames, class names separated by line breaks.
  std::array<std::wstring, ThirdPartyListNames.size()> ThirdParty;
  // Which windows are skinned without asking, which skins the skin list shows.
  TacSkinningRules SkinningRules{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs,
                                 TacSkinningRule::srThirdParty};
  TacSkinsFilter SkinsFilter{TacSkinsFilterItem::sfiInternal, TacSkinsFilterItem::sfiExternal};
  bool SkinnedPopups = true;
  TacSkinEffects Effects;
  TacAnimEffects AnimEffects;
  TacButtonsSupport ButtonsOptions;
  TacLabelsSupport LabelsOptions;
  TacScrollBarsSupport ScrollsOptions;
  TacOptions Options;
  TacMenuSupport MenuSupport;
  // ThirdParty as lists of names, for the subclassing code.
  std::array<std::vector<std::wstring>, ThirdPartyListNames.size()> ThirdLists;

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnAfterChange;

  // ---- Scale
  // The system's font scale (0 100 %, 1 125 %, 2 150 %, 3 200 %), read once at creation.
  int SysFontScale() const { return FSysFontScale; }
  // Value at the scale SysScale (0..3), or at the current scale when SysScale is -1: in the
  // old mode always Value itself.
  int ScaleInt(int Value, int SysScale = -1) const;

  // ---- The skin list's windows, told when the skin changes
  void RegisterSkinListWindow(HWND Window);
  void UnregisterSkinListWindow(HWND Window);

  // ---- Broadcasts
  // When active, tells every window that the skin was loaded, then repaints with Repaint.
  void UpdateSkin(bool Repaint = true);
  void RepaintForms(bool DoLockForms = true);
  void BeginUpdate();
  void EndUpdate(bool Repaint = true, bool AllowAnimation = false);
  bool NoAutoUpdate() const { return FNoAutoUpdate; }
  // Tells every window that the section SectionName changed (the data stays).
  void UpdateSkinSection(const std::string& SectionName);

  // ---- Hot-control tracking (windows that get no mouse-leave notification)
  HWND ActiveControl() const { return FActiveControl; }
  void SetActiveControl(HWND Window);
  TControl* ActiveGraphControl() const { return FActiveGraphControl; }
  void SetActiveGraphControl(TControl* Control);

  // ---- The window-creation hook (default manager only)
  void InstallHook();
  void UnInstallHook();
  bool GlobalHookInstalled() const { return static_cast<bool>(FCbtHook); }
  // Called for every window the hook sees activated; frames attach themselves here.
  std::function<void(HWND Window)> OnWindowActivated;
  // Standard windows skinned by subclassing, registered while the hook runs.
  std::vector<HWND> HookedWindows;
  // The application's last minimise or restore command.
  TacShowState ShowState() const { return FShowState; }

  // ---- The skin preview channel
  // Takes a preview block that came with a WM_COPYDATA (to the application window or to the
  // form a skin editor previews in): when it is whole and not another one is being taken,
  // keeps it and posts SKC_APPLY_PREVIEW to the application window. True when taken.
  bool TakePreviewBlock(const COPYDATASTRUCT* Data);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
  void Loaded() override;

 private:
  struct THookDeleter {
    void operator()(HHOOK Hook) const { UnhookWindowsHookEx(Hook); }
  };

  TsSkinStore FStore;
  bool FActive = true;
  std::wstring FSkinName;
  std::wstring FSkinDirectory;
  int FHueOffset = 0;
  int FSaturation = 0;
  int FBrightness = 0;
  std::wstring FCommonSectionsText;
  bool FExtendedBorders = false;
  int FSysFontScale = 0;
  TacShowState FShowState = TacShowState::saIgnore;
  std::vector<HWND> FSkinListWindows;
  TSkinDescription FCommonSections;
  bool FNoAutoUpdate = false;
  bool FSkinLoadInProgress = false;
  bool FSkinRemoving = false;
  bool FBroadcasting = false;
  TUniqueBrush FEditBrush;
  HWND FActiveControl = nullptr;
  TControl* FActiveGraphControl = nullptr;
  TTimer* FTimerCheckHot = nullptr;  // owned as a component
  std::unique_ptr<std::remove_pointer_t<HHOOK>, THookDeleter> FCbtHook;
  int FApplicationHook = 0;
  // The preview channel: the last block taken, whether one is being taken, whether a
  // preview ran (folders are then preferred to .asz files), and the preview's description
  // while it loads.
  std::optional<TacSkinData> FPreviewBuffer;
  bool FTakingPreview = false;
  bool FPreviewMode = false;
  std::optional<TSkinDescription> FPreviewOptions;

  // Loads the skin FSkinName names; throws ESkinError. Clears FActive when there is no
  // skin at all.
  void LoadNamedSkin();
  void LoadPacked(const std::wstring& Path);
  void LoadFromFolderOrInternal();
  // A container with its description.
  void LoadPackage(const TacSkinConvertor& Package);
  void LoadDescription(const TSkinDescription* Description, const TacSkinConvertor* Package);
  void ReloadAfterOptionChange();
  // Hands the store the shadows the next load gives forms with extended borders.
  void UpdateShadowTemplates();
  void NotifySkinListWindows();
  void RemoveSkin();
  void WarnIfNewer();
  void CheckHot();
  void UpdateHotTimer();
  void ReadThirdLists();
  void WriteThirdLists();
  bool ApplicationWindowMessage(TMessage& Message);
  void ApplyPreview();
  static LRESULT CALLBACK CbtProc(int Code, WPARAM WParam, LPARAM LParam);
};
