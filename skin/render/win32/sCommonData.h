// TsCommonData: a skinned control's skin state — its section and the indexes resolved from
// it, its cached picture, the hot, focus and updating flags — and the handling of the skin
// commands that every skinned control shares. It sits in front of the control's own message
// handling as a message hook, and marks the control's window with the property "ACSDATA".
//
// A skin command that did not come from our own sends (another thread or process, or a
// post) stops here with reply 0.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/MessageHookChain.h"
#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "skin/store/win32/SkinCommands.h"

class TControl;
class TWinControl;
class TsSkinManager;

// CtrlSkinState bits.
constexpr std::uint16_t csPrinting = 0x0200;
constexpr std::uint16_t csInUpdate = 0x0800;
constexpr std::uint16_t csSettingFontColor = 0x2000;

class TsCommonData : public TSkinState {
 public:
  TsCommonData(TControl* AOwner, int ACOC);
  ~TsCommonData();
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  bool FCustomFont = false;
  bool FCustomColor = false;
  TColor FColorTone = clNone;
  TColor SavedColor = clNone;
  TColor SavedFontColor = clNone;
  bool FFocused = false;
  bool FUpdating = false;
  bool HalfVisible = false;
  bool Loading = true;
  const int COC;
  int GlowID = -1;
  int Texture = -1;
  int FHUEOffset = 0;
  int FSaturation = 0;
  int BorderIndex = -1;
  int ScalePercent = 100;
  int FUpdateCount = 0;
  int HotTexture = -1;
  HDC PrintDC = nullptr;
  TBitmap32 FCacheBmp;
  std::uint16_t BGType = 0;
  std::uint16_t CtrlSkinState = 0;
  bool BGChanged = true;
  int SkinIndex = -1;
  TControl* const FOwnerControl;

  // The section a control of this kind uses when it names none (SKC_QUERY_DEFAULT_SECTION);
  // empty: none.
  std::function<std::string()> StandardSection;
  // A container passes the skin's load, removal and repaint on to its children (a skinned
  // window is not entered by the broadcasts, which leave that to it).
  bool ForwardsSkinChanges = false;
  // The control's class name ("TsButton"), the section of kinds that name none otherwise.
  std::string OwnerClassName;

  // ---- The skin
  // The manager set for this control, else the default manager.
  TsSkinManager* SkinManager() const;
  void SetSkinManager(TsSkinManager* Value) { FSkinManager = Value; }
  bool Skinned(bool CheckSkinActive = false) const;
  const std::string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& Value);
  void UpdateIndexes(bool UpdateMain = true);
  void ResolveSection();
  // 0 normal, 1 hot.
  int HotState() const;

  // ---- Lifecycle
  void Loaded(bool UpdateColors = true);
  void InitCommonProp();
  void RemoveCommonProp();
  void BeginUpdate();
  void EndUpdate(bool Repaint = true);
  void Invalidate(bool UpdateNow = false);

  // ---- Messages (true: consumed)
  bool CommonWndProc(TMessage& Message);
  bool CommonSkinCommand(TMessage& Message);

 private:
  std::string FSkinSection;
  TsSkinManager* FSkinManager = nullptr;
  HWND FPropertyWindow = nullptr;  // the window "ACSDATA" is set on
  TMessageHook FHook;

  // The control's window when it has one; null for graphic controls and before creation.
  HWND OwnWindow() const;
  TWinControl* OwnerWindowed() const;
  bool FromOurManager(const TMessage& Message) const;
  TColor SeenColor() const;
  void ForwardToChildren(const TMessage& Message);
  void MouseEntered();
  void MouseLeft();
};
