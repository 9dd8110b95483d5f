// The in-memory skin: the records every painter indexes (one TsGeneralData per section, one
// TsMaskData per picture), the outer effects, the resolved indexes of ConstData, the
// palette, and the section, glyph and palette vocabularies.
// Index: vocabularies; state and section records; pictures; outer effects; constant
// indexes; skin-wide values.
// Portable.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "skin/store/GradientText.h"

// ---- Vocabularies

enum TacImgType : int { itisaBorder, itisaTexture, itisaGlyph, itisaGlow, itisaPngGlyph };

enum TacSection : int {
  ssMenuItem, ssCheckBox, ssSpeedButton, ssSpeedButton_Small, ssToolButton, ssTransparent, ssGroupBox,
  ssDivider, ssWebBtn, ssButton, ssComboNoEdit, ssButtonHuge, ssToolBar, ssEdit, ssGauge, ssSelection,
  ssStatusBar, ssPanel, ssPanelLow, ssTrackBar, ssColHeader, ssProgressV, ssDragBar, ssGripH, ssGripV,
  ssProgressH, ssTabSheet, ssMenuButton, ssUpDown, ssComboBox, ssCaption, ssMenuLine, ssMainMenu,
  ssSplitter, ssSlider_Off, ssSlider_On, ssThumb_Off, ssThumb_On, ssComboBtn, ssFormTitle, ssHint,
  ssMenuCaption, ssDividerV, ssPageControl, ssBarPanel, ssBarTitle
};
inline constexpr int SectionCount = 46;
inline constexpr std::array<const char*, SectionCount> acSectionNames{
    "MENUITEM", "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON", "TRANSPARENT", "GROUPBOX",
    "DIVIDER", "WEBBUTTON", "BUTTON", "COMBONOEDIT", "BUTTON_HUGE", "TOOLBAR", "EDIT", "GAUGE", "SELECTION",
    "STATUSBAR", "PANEL", "PANEL_LOW", "TRACKBAR", "COLHEADER", "PROGRESSV", "DRAGBAR", "GRIPH", "GRIPV",
    "PROGRESSH", "TABSHEET", "MENUBTN", "UPDOWNBTN", "COMBOBOX", "CAPTION", "MENULINE", "MAINMENU",
    "SPLITTER", "SLIDER_OFF", "SLIDER_ON", "THUMB_OFF", "THUMB_ON", "COMBOBTN", "FORMTITLE", "HINT",
    "MENUCAPTION", "DIVIDERV", "PAGECONTROL", "BARPANEL", "BARTITLE"};

enum TacTitleGlyph : int {
  tgCloseAlone, tgClose, tgMax, tgMin, tgNormal, tgHelp, tgSmallClose, tgSmallMax, tgSmallMin,
  tgSmallNormal, tgSmallHelp, tgUser, tgNone
};
inline constexpr int TitleGlyphCount = 13;
// The [GLOBALINFO] key of every glyph but tgNone.
inline constexpr std::array<const char*, TitleGlyphCount - 1> acTitleGlyphKeys{
    "BICLOSEALONE", "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP",
    "SICONCLOSE", "SICONMAX", "SICONMIN", "SICONNORM", "SICONHELP", "TITLEBUTTON"};
// tgCloseAlone .. tgNormal: the caption glyphs that may glow.
inline constexpr int GlowingGlyphCount = 5;

enum TacPaletteColors : int {
  pcMainColor, pcLabelText, pcWebText, pcWebTextHot, pcEditText, pcEditBG, pcSelectionBG, pcSelectionText,
  pcSelectionBG_Focused, pcSelectionText_Focused, pcEditBG_Inverted, pcEditText_Inverted, pcEditBG_OddRow,
  pcEditBG_EvenRow, pcEditText_Ok, pcEditText_Warning, pcEditText_Alert, pcEditText_Caution,
  pcEditText_Bypassed, pcEditBG_Ok, pcEditBG_Warning, pcEditBG_Alert, pcEditBG_Caution, pcEditBG_Bypassed,
  pcEditText_Highlight1, pcEditText_Highlight2, pcEditText_Highlight3, pcBtnColor1Active, pcBtnColor2Active,
  pcBtnBorderActive, pcBtnFontActive, pcBtnColor1Normal, pcBtnColor2Normal, pcBtnBorderNormal,
  pcBtnFontNormal, pcBtnColor1Pressed, pcBtnColor2Pressed, pcBtnBorderPressed, pcBtnFontPressed, pcBorder,
  pcGrid, pcHintBG, pcHintText
};
inline constexpr int PaletteCount = 43;
using TacPaletteArray = std::array<TColor, PaletteCount>;

// ---- Sections and their states

// A state's text colour and its four contour colours; -1 is none.
struct TsFontColor {
  TColor Color = 0;
  TColor Left = -1;
  TColor Top = -1;
  TColor Right = -1;
  TColor Bottom = -1;
};

struct TsGenState {
  int GlowSize = 0;
  int ImagePercent = 0;
  int TextureIndex = -1;
  int Transparency = 0;
  int GradientPercent = 0;
  TColor Color = clWhite;
  TColor GlowColor = clWhite;
  TsFontColor FontColor;
  TsGradArray GradientArray;
};
using TsProps = std::array<TsGenState, 3>;  // normal, hot, third

struct TsGeneralData {
  std::string ParentClass;  // as written
  std::string ClassName;
  TsProps Props;
  bool UseState2 = false;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  int States = 3;
  int ScrollBorderOffset = -2;
  int GlowCount = 0;
  int GlowMargin = 0;
  int GlowSize = 0;
  int HotGlowSize = 0;
  TColor HotGlowColor = 0;
  TColor GlowColor = 0;
  int BorderIndex = -1;
  int ImgTL = -1, ImgTR = -1, ImgBL = -1, ImgBR = -1;
  int OuterMode = 2;
  int OuterMask = -1;
  int OuterOpacity = 200;
  TRect OuterOffset;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// ---- Pictures

// One picture: a rectangle of the master bitmap (Bmp null) or of a separate image.
struct TsMaskData {
  std::shared_ptr<const TBitmap32> Bmp;  // shared with ExtArray, or the loader's own picture
  std::string ClassName;                 // section, as written
  std::string PropertyName;              // key, as written
  TRect R;                               // ImageCount pictures side by side, MaskType mask rows below
  std::int16_t ImageCount = 0;
  std::int16_t MaskType = 0;
  std::int16_t BorderWidth = 0;
  std::int16_t DrawMode = 0;
  TacImgType ImgType = itisaBorder;
  std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;
  int CornerType = 0;  // 0 opaque corners; 1 a key-colour pixel in a corner; 2 BUTTON_HUGE's border
  int SkinIndex = -1;
  int Width = 0;  // one state picture
  int Height = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

// A separate image decoded once per skin; FileName is the upper-case name it was asked for.
struct TacExtFileData {
  std::shared_ptr<TBitmap32> Bmp;  // changed in place by the colour adjustments
  std::string FileName;
  int MaskType = 0;
};
using TacExtArray = std::vector<TacExtFileData>;

// ---- Outer effects: element 0 the light effect (LO_ keys), element 1 the shadow (SH_ keys)

struct TacOutEffData {
  TColor ColorL = 0, ColorT = 0, ColorR = 0, ColorB = 0;
  int OffsetL = 0, OffsetT = 0, OffsetR = 0, OffsetB = 0;
  int WidthL = -1, WidthT = -1, WidthR = -1, WidthB = -1;
  int Mask = -1;
  int Source = 2;  // 0 none, 1 from the file, 2 generated
  int Opacity = 0;
};
using TacOutEffArray = std::array<TacOutEffData, 2>;

// ---- Resolved indexes

struct TacConstElementData {
  int SkinIndex = -1;
  int MaskIndex = -1;   // BORDERSMASK
  int GlyphIndex = -1;  // GLYPHMASK
  std::array<int, 3> BGIndex{-1, -1, 0};  // PATTERN, HOTPATTERN
  std::string SkinSection;
};

struct TacTrackBarData {
  int SkinIndex = -1;
  int BorderIndex = -1;
  int SliderIndex = -1;
  int PatternIndex = -1;
  int HotPatternIndex = -1;
  int TickIndex = -1;
  int ProgressIndex = -1;
  int ChannelIndex = -1;
};

enum TacSide : int { sdLeft, sdTop, sdRight, sdBottom };
enum TacTabPosition : int { tpFirst, tpLast, tpMiddle, tpSingle };

struct TConstantSkinData {
  int IndexGLobalInfo = -1;
  std::array<int, SectionCount> Sections = FilledWith<SectionCount>(-1);
  std::array<TacConstElementData, 16> Tabs;  // [position * 4 + side]
  std::array<TacConstElementData, 4> Scrolls;  // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V
  std::array<TacConstElementData, 4> ScrollBtns;  // by side
  std::array<TacConstElementData, 4> UpDownBtns;  // by side
  std::array<TacConstElementData, 2> Sliders;  // SCROLLSLIDERH, SCROLLSLIDERV
  TacConstElementData MenuItem;
  TacConstElementData ComboBtn;
  std::array<std::vector<int>, GlowingGlyphCount> TitleGlows;
  std::array<int, GlowingGlyphCount> GlowMargins{};
  std::array<int, TitleGlyphCount> TitleGlyphs = FilledWith<TitleGlyphCount>(-1);
  std::array<int, 2> RadioButton{-1, -1};
  std::array<int, 3> CheckBox{-1, -1, -1};
  std::array<int, 3> SmallCheckBox{-1, -1, -1};
  std::array<TacTrackBarData, 2> TrackBar;  // vertical, horizontal
  int ExBorder = -1;
  int GripRightBottom = -1;
  int GripHorizontal = -1;
  int GripVertical = -1;

 private:
  template <std::size_t N>
  static constexpr std::array<int, N> FilledWith(int Value) {
    std::array<int, N> Result{};
    Result.fill(Value);
    return Result;
  }
};

// ---- Skin-wide values

struct TsSkinData {
  bool Active = false;
  bool UseAeroBluring = false;
  std::string Author;
  std::string Description;
  std::filesystem::path SkinPath;  // folder of an unpacked skin's files; empty for a packed one
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  TColor Shadow1Color = 0;
  int ExBorderWidth = 4;
  int ExTitleHeight = 30;
  int ExMaxHeight = 30;
  int ExContentOffs = 0;
  int ExCenterOffs = 0;
  int ExDrawMode = 0;
  int ExShadowOffs = 0, ExShadowOffsR = 0, ExShadowOffsT = 0, ExShadowOffsB = 0;
  int BISpacing = 0;
  int BIVAlign = 0;
  int BIRightMargin = 0, BILeftMargin = 0, BITopMargin = 0;
  int BIKeepHUE = 0;
  int ComboBoxMargin = 2;
  int SliderMargin = 1;
  int BrightMin = -50, BrightMax = 50;
  int TabsCovering = 0;
  int RibbonCovering = 0;
  int ArrowLineWidth = 0;
  TColor FXColor = 0;
  TColor SysInactiveBorderColor = 0;
  double Version = 0;
};
