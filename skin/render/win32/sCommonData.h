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
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "framework/DibSection.h"
#include "framework/MessageHookChain.h"
#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "skin/render/CacheInfo.h"
#include "skin/render/OuterEffects.h"
#include "skin/store/win32/SkinCommands.h"

class TControl;
class TWinControl;
class TsSkinManager;
struct TsGeneralData;

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
  // The parent's pixels under this control's outer effect, as they were before it was
  // painted; none until it is first painted.
  std::optional<TBitmap32> FOuterCache;
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
  // The control's finished picture; none until PrepareCacheBitmap makes it (and for a
  // control of no size). A DIB section, so GDI draws into it and copies it to the screen.
  std::optional<TDibSection> FCacheBmp;
  std::uint16_t BGType = 0;
  std::uint16_t CtrlSkinState = 0;
  bool BGChanged = true;
  int SkinIndex = -1;
  TControl* const FOwnerControl;

  TacOuterEffects& OuterEffects() { return FOuterEffects; }
  const TacOuterEffects& OuterEffects() const { return FOuterEffects; }
  // The control shows its outer effect and the manager allows outer effects.
  bool OuterEffectsOn() const;

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
  // Whether the control's picture changes when it moves against its parent's picture.
  bool RepaintIfMoved() const;
  // The first of Names the skin knows becomes the section (its index and the dependent
  // ones); none known: no section.
  void SetSectionFromList(std::initializer_list<std::string_view> Names);

  // ---- Colours
  bool CustomColor() const { return FCustomColor; }
  void SetCustomColor(bool Value);
  bool CustomFont() const { return FCustomFont; }
  void SetCustomFont(bool Value);
  // The control's colour and font colour from the section's state HotState.
  void UpdateControlColors(bool NoRedrawToggle = false);
  // For kinds whose colours follow their state: the normal state's colours, with the
  // control's hue and saturation.
  void ApplySectionColors(bool Repaint);

  // ---- The picture
  // Makes the picture the control's size (none for no size), keeping it when it is that.
  void PrepareCacheBitmap();
  // The finished picture's pixels; empty without one.
  TBitmapView CachePicture() const { return FCacheBmp ? FCacheBmp->Pixels() : TBitmapView{}; }
  // The widest of the border's four widths; 0 without a border or for one painted only in
  // the states above 0.
  int MaxBorderWidth() const;
  // The parent's picture (or colour) behind the control, as the painters take it; its
  // origin is the parent's, so a painter adds the control's position.
  TCacheInfo ParentCacheInfo() const;
  // The control's tone, hue and saturation on Bitmap, then all four border corners again.
  void ApplyEffectsAndCorners(TBitmapView Bitmap, int State);
  // Paints the border corners that Corners names (bcTopLeft ... of MaskPaint.h) of State's
  // image into the picture again, over what the parent shows behind them now.
  void RefreshCorners(int State, int Corners);
  // Tells the parent that its picture must be made again (its children's outer effects lie
  // in it), unless painting is postponed.
  void InvalidateParentBackground();
  // Asks every visible child of Container to paint its outer effect into this control's
  // picture, whose origin lies at Offset in the children's parent.
  void PaintOuterEffects(TWinControl* Container, TPoint Offset);

  // ---- Lifecycle
  void Loaded(bool UpdateColors = true);
  void InitCommonProp();
  void RemoveCommonProp();
  void BeginUpdate();
  void EndUpdate(bool Repaint = true);
  void Invalidate(bool UpdateNow = false);
  // Repositions the control's window with a frame change, so its frame is measured again.
  void ReframeWindow();
  // Postponed: this control's update, or its parent's (asked with SKC_QUERY_UPDATING).
  bool Updating() const;
  // With Reset, forgets the own flag first; sets it again when still updating.
  bool CheckUpdating(bool Reset = false);

  // ---- Messages (true: consumed)
  bool CommonWndProc(TMessage& Message);
  bool CommonSkinCommand(TMessage& Message);

 private:
  std::string FSkinSection;
  TacOuterEffects FOuterEffects;
  TsSkinManager* FSkinManager = nullptr;
  HWND FPropertyWindow = nullptr;  // the window "ACSDATA" is set on
  TMessageHook FHook;

  // The control's window when it has one; null for graphic controls and before creation.
  HWND OwnWindow() const;
  TWinControl* OwnerWindowed() const;
  bool FromOurManager(const TMessage& Message) const;
  TColor SeenColor() const;
  void ForwardToChildren(const TMessage& Message);
  // Named: a control the mouse is entering that keeps its hot state, or 0.
  void MouseEntered(LPARAM Named);
  // Skinned non-windowed children other than Named that still take the mouse as above them
  // get a mouse leave.
  void LeaveGraphicChildren(LPARAM Named);
  void MouseLeft();
  // The cursor is over the part of the control's window that shows (its client area and
  // scroll bars), so a leave that arrives is stale.
  bool CursorStillInside() const;
  // A skinned windowed control with a parent tells its form, which may skin it further.
  void AnnounceToParentForm();
  void Resized();
  void VisibleChanged(bool Visible);
  void PrintGraphicChildren(HDC DC);
  // Into the picture lent by the parent (Info.Picture at Info.Offset); RestoreFirst paints
  // over the pixels kept last time.
  void PaintOuterEffect(const BackgroundInfo& Info, bool RestoreFirst);
  // The section while skinned, else null.
  const TsGeneralData* Section() const;
  // Fully transparent in both the normal and the hot state.
  bool SeeThroughBothStates() const;
  // The state's colours on the control unless custom; true when one changed.
  bool SetStateColors(int State, bool WithEffects, bool FontToo);
  // For kinds whose colours follow their state: the colours of State, redrawn if changed.
  void FollowStateColors(int State);
  void FocusChanged(bool Focused);
  void SkinRemovedColors();
  bool PictureOutOfDate();
  void PassToChildren(int Code, WORD Argument = 0, LPARAM LParam = 0);
  LRESULT QueryStateSection(TacStateSectionQuery& Query);
};
