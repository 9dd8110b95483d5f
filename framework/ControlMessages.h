// The framework's own messages, all in the application range (WM_APP .. 0xBFFF). They travel
// through a control's WindowProc like window messages, so a replaced WindowProc sees them too.
//
// CM_ messages tell a control that one of its properties changed or that the mouse came or
// went. CN_ messages are notifications reflected from the parent to the child control that
// sent them (CN_BASE + the original message number, same WParam and LParam), so a button
// handles its own click and an edit its own colours.
#pragma once

#include <windows.h>

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

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
