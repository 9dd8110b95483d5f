// Sections: reading the stored manager; construction and destruction; loading a skin by
// name; the broadcasts; option changes; scale; the skin list; switching skinning off;
// hot-control tracking; the window-creation hook; the application-window hook.
#include "skin/store/win32/sSkinManager.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <random>
#include <string_view>

#include "framework/Application.h"
#include "framework/Colors.h"
#include "framework/Control.h"
#include "framework/Dialogs.h"
#include "framework/Form.h"
#include "framework/ProgramArguments.h"
#include "framework/SystemBindings.h"
#include "framework/TextConversion.h"
#include "framework/Timer.h"
#include "framework/core/DescriptionValues.h"
#include "skin/store/ManagerScale.h"
#include "skin/store/SkinError.h"
#include "skin/store/SkinPaths.h"
#include "skin/store/SkinText.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/SkinManagerStartup.h"

namespace {

TsSkinManager* TheDefaultManager = nullptr;

// The preview tool writes 8-bit text in the system's ANSI code page.
std::wstring AnsiToWide(std::string_view Text) { return WideFrom(CP_ACP, Text); }

// The folder of the program file, with its trailing "\".
std::wstring AppDirectory() {
  const std::wstring Path = ProgramFilePath();
  return Path.substr(0, Path.find_last_of(L"\\/") + 1);
}

// The system's applied DPI as the user's settings hold it; 0 when it cannot be read.
int AppliedDpi() {
  DWORD Dpi = 0;
  DWORD Size = sizeof(Dpi);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop\\WindowMetrics", L"AppliedDPI", RRF_RT_REG_DWORD,
                   nullptr, &Dpi, &Size) != ERROR_SUCCESS)
    return 0;
  return static_cast<int>(std::min<DWORD>(Dpi, INT_MAX));
}

TsSystemInfo WindowsSystemInfo() {
  TsSystemInfo System;
  System.Color = [](int Index) { return static_cast<TColor>(GetSysColor(Index)); };
  System.FrameWidth = GetSystemMetrics(SM_CXSIZEFRAME);
  System.DesktopComposition = DesktopCompositionEnabled();
  return System;
}

std::vector<std::wstring> SplitLines(const std::wstring& Text) {
  std::vector<std::wstring> Lines;
  std::size_t Start = 0;
  while (Start <= Text.size()) {
    const std::size_t End = std::min(Text.find_first_of(L"\r\n", Start), Text.size());
    Lines.push_back(Text.substr(Start, End - Start));
    if (End == Text.size()) break;
    Start = End + (Text.compare(End, 2, L"\r\n") == 0 ? 2 : 1);
  }
  return Lines;
}

// The application's extra description: spaces removed from every line that is not a comment.
std::wstring WithoutSpaces(const std::wstring& Text) {
  std::wstring Result;
  for (std::wstring Line : SplitLines(Text)) {
    if (!Line.starts_with(L";")) std::erase(Line, L' ');
    if (!Result.empty()) Result += L"\r\n";
    Result += Line;
  }
  return Result;
}

TsStoredSkin ReadStoredSkin(const std::vector<TDescriptionProperty>& Item) {
  TsStoredSkin Skin;
  for (const TDescriptionProperty& Property : Item) {
    if (Property.Name == L"Name") Skin.Name = AsString(Property.Value);
    else if (Property.Name == L"Shadow1Color") Skin.Shadow1Color = AsColor(Property.Value);
    else if (Property.Name == L"Shadow1Offset") Skin.Shadow1Offset = AsInteger(Property.Value);
    else if (Property.Name == L"Shadow1Transparency") Skin.Shadow1Transparency = AsInteger(Property.Value);
    else if (Property.Name == L"Data") {
      RequireKind(Property.Value, TDescriptionValue::TKind::Binary);
      Skin.PackedData = Property.Value.Bytes;
    } else {
      throw EPropertyError("unknown property of an internal skin");
    }
  }
  return Skin;
}

}  // namespace

// ---- Reading the stored manager ----

bool TsSkinManager::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"InternalSkins") {
    RequireKind(Value, TDescriptionValue::TKind::Collection);
    InternalSkins.clear();
    for (const auto& Item : Value.CollectionItems) InternalSkins.push_back(ReadStoredSkin(Item));
    return true;
  }
  if (PropertyName == L"SkinDirectory") return FSkinDirectory = AsString(Value), true;
  // Loads at once, while the component is still loading: no broadcast yet.
  if (PropertyName == L"SkinName") return SetSkinName(AsString(Value)), true;
  if (PropertyName == L"SkinInfo" || PropertyName == L"Version") return AsString(Value), true;
  constexpr std::wstring_view Prefix = L"ThirdParty.";
  if (PropertyName.starts_with(Prefix)) {
    const std::wstring_view List = std::wstring_view(PropertyName).substr(Prefix.size());
    for (std::size_t I = 0; I < ThirdPartyListNames.size(); ++I)
      if (List == ThirdPartyListNames[I]) return ThirdParty[I] = AsString(Value), true;
  }
  return TComponent::ReadProperty(PropertyName, Value);
}

// ---- Construction and destruction ----

TsSkinManager::TsSkinManager(TComponent* AOwner) : TComponent(AOwner) {
  FStore.SetSystem(WindowsSystemInfo());
  FSysFontScale = SysFontScaleFromDpi(AppliedDpi());
  // Built-in defaults of the foreign-control lists: a single blank, buttons "TButton".
  ThirdParty.fill(L" ");
  ThirdParty[1] = L"TButton";
  ReadThirdLists();
  if (!TheDefaultManager) {
    TheDefaultManager = this;
    // The application window is hooked only where the start-up found an NT-family system.
    const TsManagerUnit* Unit = ManagerUnit();
    if (Application && Unit && Unit->IsNTFamily)
      FApplicationHook = Application->HookMainWindow([this](TMessage& Message) { return ApplicationWindowMessage(Message); });
  }
  FTimerCheckHot = new TTimer(this);
  FTimerCheckHot->SetInterval(100);
  FTimerCheckHot->SetEnabled(false);  // runs only while something is hot
  FTimerCheckHot->SetOnTimer([this](TObject*) { CheckHot(); });
  FSkinDirectory = L"c:\\Skins";
}

TsSkinManager::~TsSkinManager() {
  MarkDestroying();
  SetActive(false);
  SetExtendedBorders(false);
  if (IsDefault()) {
    if (Application && FApplicationHook) Application->UnhookMainWindow(FApplicationHook);
    TheDefaultManager = nullptr;
  }
  WriteThirdLists();
}

TsSkinManager* TsSkinManager::DefaultManager() { return TheDefaultManager; }

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (FSkinDirectory.empty()) FSkinDirectory = L"c:\\Skins";
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = L"ICOLINE";
  for (std::size_t I = 0; I < ThirdParty.size(); ++I)
    if (ThirdParty[I].empty()) ThirdParty[I] = I == 1 ? L"TButton" : L" ";
  ReadThirdLists();
  if (FActive && !FSkinName.empty()) UpdateSkin(false);
  if (FActive && OnActivate) OnActivate(this);
}

void TsSkinManager::ReadThirdLists() {
  for (std::size_t I = 0; I < ThirdParty.size(); ++I) ThirdLists[I] = SplitLines(ThirdParty[I]);
}

void TsSkinManager::WriteThirdLists() {
  for (std::size_t I = 0; I < ThirdParty.size(); ++I) {
    std::wstring Text;
    for (const std::wstring& Name : ThirdLists[I]) Text += (Text.empty() ? L"" : L"\r\n") + Name;
    ThirdParty[I] = Text;
  }
}

std::wstring TsSkinManager::SkinInfo() const { return WideFromUtf8(FStore.GetSkinInfo()); }

HBRUSH TsSkinManager::EditBrush() {
  if (!FEditBrush) FEditBrush.Reset(CreateSolidBrush(ColorToRGB(FStore.GetActiveEditColor())));
  return FEditBrush.Get();
}

// ---- Loading a skin by name ----

void TsSkinManager::SetSkinName(const std::wstring& Value) {
  const std::wstring OldName = FSkinName;
  FSkinName = StripAszSuffix(Value);
  if (FActive) {
    if (OnBeforeChange) OnBeforeChange(this);
    FSkinLoadInProgress = true;
    FStore.SetActive(false);
    try {
      LoadNamedSkin();
    } catch (const std::exception& Error) {
      FSkinName = OldName;
      ErrorBox(WideFromUtf8(Error.what()));
    }
    if (!FActive) {
      RemoveSkin();
    } else if (!FNoAutoUpdate) {
      UpdateSkin(true);
    }
    if (!Loading() && FActive && OnActivate) OnActivate(this);
    FSkinLoadInProgress = false;
    if (!FNoAutoUpdate && OnAfterChange) OnAfterChange(this);
  }
  NotifySkinListWindows();
}

void TsSkinManager::LoadNamedSkin() {
  FEditBrush.Reset();
  const std::wstring Packed = PackedSkinPath(FSkinDirectory, FSkinName);
  std::error_code Error;
  const bool PreferFolder =
      FPreviewMode && std::filesystem::is_directory(WithTrailingSlash(FSkinDirectory) + FSkinName, Error);
  if (!PreferFolder && !Packed.empty() && std::filesystem::is_regular_file(Packed, Error)) {
    LoadPacked(Packed);
  } else {
    LoadFromFolderOrInternal();
  }
  if (FActive) WarnIfNewer();
}

void TsSkinManager::LoadPacked(const std::wstring& Path) {
  TacSkinConvertor Package;
  if (!LoadPackedSkinFile(Path, Package)) throw ESkinError(SNotPackedFile);
  if (!Package.Options) {
    // The previous skin stays.
    MessageBoxW(nullptr, WideFromUtf8(InternalFormatErrorText(Utf8FromWide(FSkinName))).c_str(), L"", MB_OK);
    return;
  }
  FStore.SetSkinPath(WithTrailingSlash(GetFullSkinDirectory(FSkinDirectory, AppDirectory())));
  LoadPackage(Package);
}

void TsSkinManager::LoadFromFolderOrInternal() {
  const std::filesystem::path Folder =
      GetFullSkinDirectory(FSkinDirectory, AppDirectory()) + L"\\" + FSkinName + L"\\";
  const std::filesystem::path DescriptionFile = Folder / L"Options.dat";
  if (FPreviewOptions) {
    FStore.SetSkinPath(Folder);
    LoadDescription(&*FPreviewOptions, nullptr);
    return;
  }
  if (const auto Bytes = FSkinName.empty() ? std::nullopt : ReadWholeFile(DescriptionFile)) {
    FStore.SetSkinPath(Folder);
    const TSkinDescription Description = TSkinDescription::FromBytes(*Bytes);
    LoadDescription(&Description, nullptr);
    return;
  }
  FStore.SetSkinPath({});
  std::size_t Index = 0;
  while (Index < InternalSkins.size() && InternalSkins[Index].Name != FSkinName) ++Index;
  if (Index == InternalSkins.size()) {
    if (InternalSkins.empty()) {
      FActive = false;
      return;
    }
    Index = 0;
    FSkinName = InternalSkins[0].Name;
  }
  const TsStoredSkin& Skin = InternalSkins[Index];
  if (Skin.PackedData.empty()) {
    LoadDescription(nullptr, nullptr);
    return;
  }
  TacSkinConvertor Package;
  Package.PackedData = Skin.PackedData;
  if (!UnpackSkinPackage(Package)) throw ESkinError(SNotPackedFile);
  if (!Package.Options) throw ESkinError(InternalFormatErrorText(Utf8FromWide(FSkinName)));
  LoadPackage(Package);
}

void TsSkinManager::LoadPackage(const TacSkinConvertor& Package) {
  const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
  LoadDescription(&Description, &Package);
}

void TsSkinManager::LoadDescription(const TSkinDescription* Description, const TacSkinConvertor* Package) {
  FStore.SetHueOffset(FHueOffset);
  FStore.SetSaturation(FSaturation);
  FStore.SetBrightness(FBrightness);
  FStore.LoadSkin(Description, Package, FCommonSections);
}

void TsSkinManager::WarnIfNewer() {
  if (FStore.CommonSkinData().Version <= 12.99) return;
  // The box itself is drawn unskinned.
  const TacSkinningRules Rules = SkinningRules;
  SkinningRules.Exclude(TacSkinningRule::srStdDialogs);
  WarningBox(SNewerSkinWarning);
  SkinningRules = Rules;
}

// ---- The broadcasts ----

void TsSkinManager::UpdateSkin(bool Repaint) {
  if (!FActive || Loading()) return;
  FStore.SetActive(false);
  FBroadcasting = true;
  BroadcastToForms(SkinCommandMessage(SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(this)), HookedWindows);
  FBroadcasting = false;
  FStore.SetActive(true);
  if (IsDefault() && !GlobalHookInstalled()) InstallHook();
  if (Repaint) RepaintForms(false);
}

void TsSkinManager::RepaintForms(bool) {
  const LPARAM Self = reinterpret_cast<LPARAM>(this);
  BroadcastToForms(SkinCommandMessage(SKC_STOP_ANIMATIONS, Self), HookedWindows);
  BroadcastToForms(SkinCommandMessage(SKC_REPAINT, Self), HookedWindows);
  for (const HWND Window : HookedWindows)
    if (IsWindowVisible(Window))
      RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsSkinManager::BeginUpdate() { FNoAutoUpdate = true; }

void TsSkinManager::EndUpdate(bool Repaint, bool) {
  FNoAutoUpdate = false;
  UpdateSkin(Repaint);
  if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::UpdateSkinSection(const std::string& SectionName) {
  const std::string Upper = UpperCaseAscii(SectionName);
  BroadcastToForms(SkinCommandMessage(SKC_SECTION_CHANGED, reinterpret_cast<LPARAM>(Upper.c_str())), HookedWindows);
}

// ---- Option changes ----

void TsSkinManager::SetHueOffset(int Value) {
  if (Value == FHueOffset) return;
  FHueOffset = Value;
  ReloadAfterOptionChange();
}

void TsSkinManager::SetSaturation(int Value) {
  if (Value == FSaturation) return;
  FSaturation = Value;
  ReloadAfterOptionChange();
}

void TsSkinManager::SetBrightness(int Value) {
  Value = std::clamp(Value, -100, 100);
  if (Value == FBrightness) return;
  FBrightness = Value;
  ReloadAfterOptionChange();
}

void TsSkinManager::SetCommonSections(const std::wstring& Value) {
  FCommonSectionsText = WithoutSpaces(Value);
  FCommonSections = TSkinDescription(Utf8FromWide(FCommonSectionsText));
  SetSkinName(FSkinName);
}

void TsSkinManager::SetExtendedBorders(bool Value) {
  if (Value == FExtendedBorders) return;
  FExtendedBorders = Value;
  UpdateShadowTemplates();
  // Without a skin the next load takes the new shadows.
  if (!FActive || FStore.gd().empty()) return;
  const bool WasApplied = SkinActive();
  try {
    LoadNamedSkin();
  } catch (const std::exception& Error) {
    ErrorBox(WideFromUtf8(Error.what()));
  }
  // The same skin again: what the windows resolved from it still holds.
  FStore.SetActive(WasApplied);
  if (!Loading()) RepaintForms(true);
}

void TsSkinManager::UpdateShadowTemplates() {
  const TsManagerUnit* Unit = ManagerUnit();
  FStore.SetExtendedBorders(FExtendedBorders && LayeredWindowsSupported(),
                            Unit ? TsBuiltInShadows{Unit->ShdaTemplate, Unit->ShdiTemplate} : TsBuiltInShadows{});
}

void TsSkinManager::ReloadAfterOptionChange() {
  if (!FActive || Loading()) return;
  try {
    LoadNamedSkin();
  } catch (const std::exception& Error) {
    ErrorBox(WideFromUtf8(Error.what()));
  }
  UpdateSkin(true);
  if (!FNoAutoUpdate) {
    if (OnAfterChange) OnAfterChange(this);
    RepaintForms(true);
  }
}

// ---- Scale ----

int TsSkinManager::ScaleInt(int Value, int SysScale) const {
  return ::ScaleInt(Value, Options.ScaleMode, SysScale == -1 ? FSysFontScale : SysScale);
}

// ---- The skin list ----

std::wstring TsSkinManager::GetRandomSkin() const {
  const std::vector<std::wstring> Names =
      ListSkins(SkinsFilter.Contains(TacSkinsFilterItem::sfiInternal) ? InternalSkins : TsStoredSkins{},
                SkinsFilter.Contains(TacSkinsFilterItem::sfiExternal)
                    ? std::filesystem::path(GetFullSkinDirectory(FSkinDirectory, AppDirectory()))
                    : std::filesystem::path{});
  if (Names.empty()) return {};
  static std::mt19937 Random{std::random_device{}()};
  return Names[std::uniform_int_distribution<std::size_t>(0, Names.size() - 1)(Random)];
}

void TsSkinManager::RegisterSkinListWindow(HWND Window) {
  if (Window && std::find(FSkinListWindows.begin(), FSkinListWindows.end(), Window) == FSkinListWindows.end())
    FSkinListWindows.push_back(Window);
}

void TsSkinManager::UnregisterSkinListWindow(HWND Window) { std::erase(FSkinListWindows, Window); }

void TsSkinManager::NotifySkinListWindows() {
  // Posted: the list shows the new skin once the change is over.
  std::erase_if(FSkinListWindows, [](HWND Window) { return !IsWindow(Window); });
  for (const HWND Window : FSkinListWindows)
    PostMessageW(Window, WM_SKINCOMMAND, SkinCommandWParam(SKC_SKIN_LIST_SKIN_CHANGED), 0);
}

// ---- Switching skinning off ----

void TsSkinManager::SetActive(bool Value) {
  if (Value == FActive) return;
  if (!Value) {
    FActive = false;
    RemoveSkin();
    if (!Destroying() && OnDeactivate) OnDeactivate(this);
  } else {
    FActive = true;
    SetSkinName(FSkinName);
  }
}

void TsSkinManager::RemoveSkin() {
  FSkinRemoving = true;
  UnInstallHook();
  FStore.SetActive(false);
  BroadcastToForms(SkinCommandMessage(SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(this)), HookedWindows);
  FStore.ReleaseSkin();
  FEditBrush.Reset();
  SetActiveControl(nullptr);
  FActiveGraphControl = nullptr;
  UpdateHotTimer();
  FSkinRemoving = false;
}

// ---- Hot-control tracking ----

void TsSkinManager::SetActiveControl(HWND Window) {
  if (Window == FActiveControl) return;
  if (FActiveControl && FActiveGraphControl) {
    // A graphic control that still has the mouse keeps everything as it is.
    const auto* State = reinterpret_cast<const TSkinState*>(
        SendSkinCommandTo(FActiveGraphControl, SKC_QUERY_SKIN_STATE, 0));
    if (State && State->FMouseAbove) return;
    SendSkinCommandTo(FActiveGraphControl, SKC_MOUSE_LEAVE, reinterpret_cast<LPARAM>(this));
    FActiveGraphControl = nullptr;
  }
  const LPARAM Self = reinterpret_cast<LPARAM>(this);
  const HWND Old = FActiveControl;
  FActiveControl = Window;
  // A hot window that was destroyed is forgotten, not messaged.
  if (Old && IsWindow(Old)) SendSkinCommand(Old, SKC_MOUSE_LEAVE, Self);
  if (Window) SendSkinCommand(Window, SKC_MOUSE_ENTER, Self);
  UpdateHotTimer();
}

void TsSkinManager::SetActiveGraphControl(TControl* Control) {
  FActiveGraphControl = Control;
  UpdateHotTimer();
}

void TsSkinManager::UpdateHotTimer() {
  if (FTimerCheckHot) FTimerCheckHot->SetEnabled(FActiveControl != nullptr);
}

void TsSkinManager::CheckHot() {
  if (!FActiveControl) return UpdateHotTimer();
  if (!IsWindow(FActiveControl)) {
    FActiveControl = nullptr;
    return UpdateHotTimer();
  }
  POINT Cursor{};
  RECT Bounds{};
  GetCursorPos(&Cursor);
  GetWindowRect(FActiveControl, &Bounds);
  if (PtInRect(&Bounds, Cursor)) return;
  TControl* Graphic = FActiveGraphControl;
  FActiveGraphControl = nullptr;
  SetActiveControl(nullptr);
  if (Graphic) SendSkinCommandTo(Graphic, SKC_MOUSE_LEAVE, reinterpret_cast<LPARAM>(Graphic));
}

// ---- The window-creation hook ----

void TsSkinManager::InstallHook() {
  if (!IsDefault() || GlobalHookInstalled()) return;
  HookedWindows.clear();
  FCbtHook.reset(SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, GetCurrentThreadId()));
}

void TsSkinManager::UnInstallHook() {
  FCbtHook.reset();
  HookedWindows.clear();
}

LRESULT CALLBACK TsSkinManager::CbtProc(int Code, WPARAM WParam, LPARAM LParam) {
  // The other hooks first: one of them may still refuse the activation.
  const LRESULT Result = CallNextHookEx(nullptr, Code, WParam, LParam);
  TsSkinManager* Manager = TheDefaultManager;
  if (Code == HCBT_ACTIVATE && Manager && Manager->OnWindowActivated && !Manager->FSkinRemoving) {
    try {
      Manager->OnWindowActivated(reinterpret_cast<HWND>(WParam));
    } catch (...) {
      // A failing frame must not take the activation with it.
    }
  }
  return Result;
}

// ---- The application-window hook ----

bool TsSkinManager::ApplicationWindowMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_THEMECHANGED:
      return true;
    case WM_SYSCOMMAND:
      // The window system minimises and restores; the manager only notes which it was.
      if ((Message.WParam & 0xFFF0) == SC_MINIMIZE) FShowState = TacShowState::saMinimize;
      else if ((Message.WParam & 0xFFF0) == SC_RESTORE) FShowState = TacShowState::saRestore;
      return false;
    case WM_COPYDATA:
      if (Message.WParam != COPYDATA_SKINPREVIEW) return false;
      TakePreviewBlock(reinterpret_cast<const COPYDATASTRUCT*>(Message.LParam));
      return true;
    case WM_SKINCOMMAND:
      if (SkinCommandCode(Message.WParam) != SKC_APPLY_PREVIEW ||
          !IsOwnSkinCommand(Application ? Application->Handle() : nullptr, Message))
        return false;
      ApplyPreview();
      return true;
    case WM_INVALIDATEFORMS:
      if (Application)
        for (TComponent* Component : std::vector<TComponent*>(Application->Components()))
          if (auto* Form = dynamic_cast<TCustomForm*>(Component); Form && Form->HandleAllocated())
            SendSkinCommand(Form->Handle(), SKC_INVALIDATE, 0);
      return true;
    default:
      return false;
  }
}

// ---- The skin preview channel ----

bool TsSkinManager::TakePreviewBlock(const COPYDATASTRUCT* Data) {
  if (FTakingPreview) return false;
  FTakingPreview = true;
  // The block comes from another process: its size is checked before any byte is read.
  std::optional<TacSkinData> Block = Data ? ReadPreviewBlock(Data->lpData, Data->cbData) : std::nullopt;
  const bool Taken = Block.has_value();
  if (Taken) {
    FPreviewBuffer = std::move(Block);
    // Loading runs outside the message that delivered the block.
    if (Application) PostMessageW(Application->Handle(), WM_SKINCOMMAND, SkinCommandWParam(SKC_APPLY_PREVIEW), 0);
  }
  FTakingPreview = false;
  return Taken;
}

void TsSkinManager::ApplyPreview() {
  if (!FPreviewBuffer || FPreviewBuffer->Magic != PreviewMagic) return;
  const TacSkinData Block = std::move(*FPreviewBuffer);
  FPreviewBuffer.reset();
  FPreviewMode = true;
  BeginUpdate();
  const std::string& Data = Block.Data;
  FPreviewOptions = TSkinDescription::FromBytes(
      std::span(reinterpret_cast<const std::uint8_t*>(Data.data()), Data.size()));
  FSkinDirectory = AnsiToWide(Block.SkinDir);
  SetSkinName(AnsiToWide(Block.SkinName));
  EndUpdate(true, false);
  FPreviewOptions.reset();
}
