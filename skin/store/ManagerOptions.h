// The skin manager's option objects, with the defaults a manager starts with. Portable.
#pragma once

#include <string>

#include "gfx/Set.h"

enum class TacSkinningRule { srStdForms, srStdDialogs, srThirdParty };
using TacSkinningRules = TSet<TacSkinningRule>;
enum class TacSkinsFilterItem { sfiInternal, sfiExternal };
using TacSkinsFilter = TSet<TacSkinsFilterItem>;

// Global effect switches.
struct TacSkinEffects {
  bool AllowAnimation = true;
  bool AllowAeroBluring = true;
  bool AllowGlowing = true;
  bool AllowOuterEffects = true;
  bool DiscoloredGlyphs = false;
};

enum class TacAnimType { atFading = 0, atAero = 1, atDropDown = 2 };

struct TacFormAnimation {
  bool Active = true;
  int Time = 0;
};
struct TacFormShow : TacFormAnimation {
  TacAnimType Mode = TacAnimType::atAero;
};
using TacDialogShow = TacFormShow;
using TacFormHide = TacFormShow;
struct TacMinimizing : TacFormAnimation {
  TacMinimizing() { Time = 120; }
};
using TacPageChange = TacFormAnimation;
struct TacSkinChanging : TacFormAnimation {
  TacSkinChanging() { Time = 100; }
  TacAnimType Mode = TacAnimType::atFading;
};
struct TacBlendOnMoving : TacFormAnimation {
  TacBlendOnMoving() {
    Active = false;
    Time = 1000;
  }
  int BlendValue = 170;
};
enum class TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
struct TacBtnEffects {
  TSet<TacBtnEvent> Events{TacBtnEvent::beMouseEnter, TacBtnEvent::beMouseLeave, TacBtnEvent::beMouseDown,
                           TacBtnEvent::beMouseUp};
};

struct TacAnimEffects {
  TacBlendOnMoving BlendOnMoving;
  TacBtnEffects Buttons;
  TacDialogShow DialogShow;
  TacFormShow FormShow;
  TacFormHide FormHide;
  TacFormHide DialogHide;
  TacMinimizing Minimizing;
  TacPageChange PageChange;
  TacSkinChanging SkinChanging;
};

struct TacButtonsSupport {
  bool ShowFocusRect = true;
  bool ShiftContentOnClick = true;
};
struct TacLabelsSupport {
  bool TransparentAlways = true;
};
// -1: the system's sizes.
struct TacScrollBarsSupport {
  int ButtonsSize = -1;
  int ScrollSize = -1;
};

enum class TacScaleMode { smOldMode, smAuto };
enum class TacOptimizingPriority { opSpeed, opMemory };
struct TacOptions {
  bool NoMouseHover = false;
  bool StdGlyphsOrder = false;
  bool ChangeSysColors = false;
  bool CheckEmptyAlpha = false;
  bool StdImgTransparency = false;
  bool NativeBordersMaximized = false;
  TacScaleMode ScaleMode = TacScaleMode::smOldMode;
  TacOptimizingPriority OptimizingPriority = TacOptimizingPriority::opSpeed;
};

// Skinned menus: the section that paints the icon line beside menu items.
struct TacMenuSupport {
  std::wstring IcoLineSkin;  // "ICOLINE" when empty at load
};

// The last show command of the application.
enum class TacShowState { saIgnore, saRestore, saMinimize };
