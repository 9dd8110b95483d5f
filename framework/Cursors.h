// Mouse cursors as numbers: 0 keeps the default (the parent's or the window class's), the
// negative values name system cursors.
#pragma once

#include <windows.h>

#include <string_view>

using TCursor = int;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The shared system cursor (never to be destroyed); null for crNone and crDefault.
HCURSOR CursorHandle(TCursor Cursor);
// The cursor a stored identifier (crHandPoint ...) names; throws EPropertyError when unknown.
TCursor CursorFromIdentifier(std::wstring_view Identifier);
