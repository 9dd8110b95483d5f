// Every private message number of the program and every skin command code, in one place,
// with compile-time checks that no two of them meet. All messages lie in the application
// range (WM_APP .. 0xBFFF).
//
// Sections: the framework's CM_ and CN_ messages; the synchronizer's call; the skin engine's
// messages; the skin command codes; the checks.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

// ---- The framework ----

// CM_ messages tell a control that one of its properties changed or that the mouse came or
// went. They travel through a control's window procedure like window messages, so a hook
// sees them too. 0xB000 itself belongs to the skin manager (below).
constexpr UINT CM_BASE = 0xB000;
// The mouse entered / left the control. LParam: the control (TControl*) itself.
constexpr UINT CM_MOUSEENTER = CM_BASE + 1;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 3;
// WParam: 1 when the control became visible, 0 when it was hidden.
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 4;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 5;
constexpr UINT CM_FONTCHANGED = CM_BASE + 6;
constexpr UINT CM_COLORCHANGED = CM_BASE + 7;
// A panel's bevels or border width changed.
constexpr UINT CM_BORDERCHANGED = CM_BASE + 8;
// Posted to a control whose window is to be made again once the message in hand has
// returned (a window subclass that removed itself is freed then).
constexpr UINT CM_RECREATEWND = CM_BASE + 9;

// CN_ messages are notifications reflected from the parent to the child control that sent
// them (CN_BASE + the original message number, same WParam and LParam), so a button handles
// its own click and an edit its own colours. Only system messages below 0x400 are reflected.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_LAST = CN_BASE + 0x3FF;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

// The synchronizer's blocking call into the main thread; only its own window class gets it.
constexpr UINT WM_SYNCHRONIZECALL = WM_APP;

// ---- The skin engine ----

// The skin command message: command code in the high word of wParam, see SKC_ below.
constexpr UINT WM_SKINCOMMAND = 0xA100;
// The skin preview tool's message; the preview block it sends begins with the same value
// as its magic. Its wParam says what it is about (SKINPREVIEW_ below).
constexpr UINT WM_SKINPREVIEW = 0xA400;
// From the tool to a form: close.
constexpr WPARAM SKINPREVIEW_CLOSE = 1;
// From a form to the tool: lParam is the form that takes previews; the tool answers 1.
constexpr WPARAM SKINPREVIEW_HANDSHAKE = 3;
// From the tool to a form: is it there; answered 1.
constexpr WPARAM SKINPREVIEW_QUERY = 4;
// The wParam of a WM_COPYDATA that carries a preview block.
constexpr WPARAM COPYDATA_SKINPREVIEW = 7;
// Sent to the application window: every form with a window is told SKC_INVALIDATE.
constexpr UINT WM_INVALIDATEFORMS = 0xB000;
// Border painting of skinned popup menus.
constexpr UINT WM_POPUPBORDER1 = 0xBCB3;
constexpr UINT WM_POPUPBORDER2 = 0xBCB4;

// ---- Skin command codes (the high word of WM_SKINCOMMAND's wParam) ----

constexpr int SKC_SKIN_LOADED = 1;
constexpr int SKC_SKIN_REMOVED = 2;
constexpr int SKC_REPAINT = 3;
constexpr int SKC_QUERY_PROVIDER = 4;
constexpr int SKC_PARENT_UPDATED = 6;
constexpr int SKC_QUERY_SKINNED = 7;
constexpr int SKC_SET_UPDATING = 8;
constexpr int SKC_QUERY_DEFAULT_SECTION = 9;
constexpr int SKC_QUERY_UPDATING = 10;
constexpr int SKC_QUERY_HALF_VISIBLE = 11;
constexpr int SKC_QUERY_WINDOW_HANDLER = 12;
constexpr int SKC_SECTION_CHANGED = 13;
constexpr int SKC_SET_SECTION = 15;
constexpr int SKC_STOP_ANIMATIONS = 16;
constexpr int SKC_BG_CHANGED = 17;
constexpr int SKC_INVALIDATE = 18;
constexpr int SKC_QUERY_CONTAINER = 19;
constexpr int SKC_REPAINT_IF_MOVED = 20;
constexpr int SKC_QUERY_BG_COLOR = 21;
constexpr int SKC_SET_HALF_VISIBLE = 22;
constexpr int SKC_PREPARE_CACHE = 23;
constexpr int SKC_ADD_CONTROL = 25;
constexpr int SKC_QUERY_SKIN_INDEX = 26;
constexpr int SKC_MOUSE_ENTER = 29;
constexpr int SKC_MOUSE_LEAVE = 30;
constexpr int SKC_UPDATE_BEGUN = 31;
constexpr int SKC_UPDATE_ENDED = 32;
constexpr int SKC_CLEAR_CACHE = 33;
constexpr int SKC_QUERY_BG_INFO = 34;
constexpr int SKC_QUERY_SKIN_STATE = 37;
constexpr int SKC_SET_PRINT_DC = 38;
constexpr int SKC_PAINT_OUTER_EFFECT = 40;
constexpr int SKC_BEFORE_SCROLL = 51;
constexpr int SKC_AFTER_SCROLL = 52;
constexpr int SKC_FRAME_CHANGED = 53;
constexpr int SKC_QUERY_APPLICATION = 60;
constexpr int SKC_QUERY_CLIENT_OFFSET = 61;
constexpr int SKC_REPAINT_FRAME = 62;
constexpr int SKC_SET_FORM_FLAG = 63;
constexpr int SKC_QUERY_FORM_FLAG = 64;
constexpr int SKC_SET_OPACITY = 65;
constexpr int SKC_QUERY_STATE_SECTION = 66;
constexpr int SKC_QUERY_CLIENT_LEFT = 67;
constexpr int SKC_SET_SCALE = 68;
constexpr int SKC_QUERY_SCALE = 69;
constexpr int SKC_QUERY_BOUNDS = 70;
constexpr int SKC_APPLY_PREVIEW = 71;
constexpr int SKC_SKIN_LIST_SKIN_CHANGED = 74;
constexpr int SKC_SKIN_LIST_CHANGED = 75;

// Codes the skinned periphery uses among itself; a frame passes 76..81 on to its form.
constexpr std::array<int, 22> SkinCommandsOfThePeriphery = {5,  14, 27, 41, 42, 43, 44, 45, 46, 47, 48, 49,
                                                            50, 72, 73, 76, 77, 78, 79, 80, 81, 82};
constexpr int SKC_PERIPHERY_FORM_FIRST = 76;
constexpr int SKC_PERIPHERY_FORM_LAST = 81;

// ---- Checks ----

namespace PrivateMessageChecks {

// Every private message but the reflected ones, which fill CN_BASE .. CN_LAST.
constexpr std::array<UINT, 13> Messages = {CM_MOUSEENTER,   CM_MOUSELEAVE,      CM_ENABLEDCHANGED,
                                           CM_VISIBLECHANGED, CM_TEXTCHANGED,    CM_FONTCHANGED,
                                           CM_COLORCHANGED, CM_BORDERCHANGED,   CM_RECREATEWND,
                                           WM_SYNCHRONIZECALL,
                                           WM_SKINCOMMAND,  WM_SKINPREVIEW,     WM_INVALIDATEFORMS};
// The popup messages lie inside the reflection range; no notification we reflect may meet them.
constexpr std::array<UINT, 2> InsideReflection = {WM_POPUPBORDER1, WM_POPUPBORDER2};

constexpr std::array<UINT, 8> Reflected = {CN_COMMAND,        CN_NOTIFY,         CN_DRAWITEM,
                                           CN_CTLCOLORBTN,    CN_CTLCOLOREDIT,   CN_CTLCOLORLISTBOX,
                                           CN_CTLCOLORSCROLLBAR, CN_CTLCOLORSTATIC};

constexpr std::array<int, 49> Codes = {
    SKC_SKIN_LOADED,        SKC_SKIN_REMOVED,        SKC_REPAINT,
    SKC_QUERY_PROVIDER,     SKC_PARENT_UPDATED,      SKC_QUERY_SKINNED,
    SKC_SET_UPDATING,       SKC_QUERY_DEFAULT_SECTION, SKC_QUERY_UPDATING,
    SKC_QUERY_HALF_VISIBLE, SKC_QUERY_WINDOW_HANDLER, SKC_SECTION_CHANGED,
    SKC_SET_SECTION,        SKC_STOP_ANIMATIONS,     SKC_BG_CHANGED,
    SKC_INVALIDATE,         SKC_QUERY_CONTAINER,     SKC_REPAINT_IF_MOVED,
    SKC_QUERY_BG_COLOR,     SKC_SET_HALF_VISIBLE,    SKC_PREPARE_CACHE,
    SKC_ADD_CONTROL,        SKC_QUERY_SKIN_INDEX,    SKC_MOUSE_ENTER,
    SKC_MOUSE_LEAVE,        SKC_UPDATE_BEGUN,        SKC_UPDATE_ENDED,
    SKC_CLEAR_CACHE,        SKC_QUERY_BG_INFO,       SKC_QUERY_SKIN_STATE,
    SKC_SET_PRINT_DC,       SKC_PAINT_OUTER_EFFECT,  SKC_BEFORE_SCROLL,
    SKC_AFTER_SCROLL,       SKC_FRAME_CHANGED,       SKC_QUERY_APPLICATION,
    SKC_QUERY_CLIENT_OFFSET, SKC_REPAINT_FRAME,      SKC_SET_FORM_FLAG,
    SKC_QUERY_FORM_FLAG,    SKC_SET_OPACITY,         SKC_QUERY_STATE_SECTION,
    SKC_QUERY_CLIENT_LEFT,  SKC_SET_SCALE,           SKC_QUERY_SCALE,
    SKC_QUERY_BOUNDS,       SKC_APPLY_PREVIEW,       SKC_SKIN_LIST_SKIN_CHANGED,
    SKC_SKIN_LIST_CHANGED};

template <class T, std::size_t N>
constexpr bool AllDistinct(const std::array<T, N>& Values) {
  for (std::size_t I = 0; I < N; ++I)
    for (std::size_t J = I + 1; J < N; ++J)
      if (Values[I] == Values[J]) return false;
  return true;
}

template <class T, std::size_t N, std::size_t M>
constexpr bool NoneIn(const std::array<T, N>& Values, const std::array<T, M>& Others) {
  for (const T& V : Values)
    for (const T& O : Others)
      if (V == O) return false;
  return true;
}

template <std::size_t N>
constexpr bool InApplicationRange(const std::array<UINT, N>& Values) {
  for (const UINT V : Values)
    if (V < WM_APP || V > 0xBFFF) return false;
  return true;
}

template <std::size_t N>
constexpr bool FitTheHighWord(const std::array<int, N>& Values) {
  for (const int V : Values)
    if (V < 1 || V > 0x7FFF) return false;
  return true;
}

template <std::size_t N>
constexpr bool OutsideReflection(const std::array<UINT, N>& Values) {
  for (const UINT V : Values)
    if (V >= CN_BASE && V <= CN_LAST) return false;
  return true;
}

}  // namespace PrivateMessageChecks

static_assert(PrivateMessageChecks::InApplicationRange(PrivateMessageChecks::Messages));
static_assert(PrivateMessageChecks::InApplicationRange(PrivateMessageChecks::Reflected));
static_assert(PrivateMessageChecks::InApplicationRange(PrivateMessageChecks::InsideReflection));
static_assert(PrivateMessageChecks::AllDistinct(PrivateMessageChecks::Messages));
static_assert(PrivateMessageChecks::OutsideReflection(PrivateMessageChecks::Messages),
              "a private message lies among the reflected notifications");
static_assert(PrivateMessageChecks::NoneIn(PrivateMessageChecks::Reflected, PrivateMessageChecks::InsideReflection),
              "a reflected notification meets a popup message");
static_assert(PrivateMessageChecks::AllDistinct(
    std::array<WPARAM, 3>{SKINPREVIEW_CLOSE, SKINPREVIEW_HANDSHAKE, SKINPREVIEW_QUERY}));
static_assert(PrivateMessageChecks::FitTheHighWord(PrivateMessageChecks::Codes));
static_assert(PrivateMessageChecks::AllDistinct(PrivateMessageChecks::Codes));
static_assert(PrivateMessageChecks::FitTheHighWord(SkinCommandsOfThePeriphery));
static_assert(PrivateMessageChecks::AllDistinct(SkinCommandsOfThePeriphery));
static_assert(PrivateMessageChecks::NoneIn(PrivateMessageChecks::Codes, SkinCommandsOfThePeriphery),
              "a skin command code takes a number the periphery keeps");
