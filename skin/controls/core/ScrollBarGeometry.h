// The skinned scroll bars' arithmetic: the room they take from a window's frame, where each
// bar and the size box lie, the thumb's place and length, the part under a point, the hit
// code of a point, and the position a dragged thumb stands for. Portable: the Win32 layer
// gathers the window's numbers and calls these.
#pragma once

#include <optional>

#include "gfx/Geometry.h"

// Part codes: the system's scroll codes.
constexpr int sbpNone = -1;
constexpr int sbpLineUp = 0;         // first arrow (up or left)
constexpr int sbpLineDown = 1;       // second arrow
constexpr int sbpPageUp = 2;         // track before the thumb
constexpr int sbpPageDown = 3;       // track after the thumb
constexpr int sbpThumbPosition = 4;  // shift-click on the track
constexpr int sbpThumbTrack = 5;     // the thumb

// The system's hit codes a bar answers (named apart from the macros of <windows.h>).
constexpr int shcNowhere = 0;
constexpr int shcHScroll = 6;
constexpr int shcVScroll = 7;
constexpr int shcBottomRight = 17;

// A bar's scroll state as the window keeps it.
struct TScrollState {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  constexpr bool operator==(const TScrollState&) const = default;
};

// Thumb start (in the coordinates the bar's start is given in) and length.
struct TThumb {
  int Start = 0;
  int Length = 0;
  constexpr bool operator==(const TThumb&) const = default;
};

// BarStart and BarLength: the bar along its direction; ArrowLength: one arrow button.
// Without arrow buttons the thumb is at least 19 long; with them only MinThumbSize holds.
// A page as large as the range, or an empty range, puts the thumb at the track's start.
TThumb ThumbPosSize(const TScrollState& State, int BarStart, int BarLength, int ArrowLength,
                    int MinThumbSize);

// What the window's frame looks like with skinned bars.
struct TScrollFrameInput {
  TRect Window;        // the window rectangle
  TRect NativeClient;  // the client rectangle the native frame calculation gave, without bars
  bool HasHorz = false;
  bool HasVert = false;
  int HorzThickness = 0;
  int VertThickness = 0;
  bool LeftScrollBar = false;
  // Negative: the bars reach this far into a frame wider than 1 pixel; 0 or above: not.
  int ScrollBorderOffset = 0;
};
struct TScrollFrame {
  TRect Client;  // the client rectangle left after the bars
  int LeftEdge = 0, RightEdge = 0, TopEdge = 0, BottomEdge = 0;
  bool HorzVisible = false;
  bool VertVisible = false;
};
TScrollFrame CalcScrollFrame(const TScrollFrameInput& Input);

// Where the bars and the size box lie, in the window rectangle's coordinates.
struct TScrollBarRects {
  TRect Horz;  // empty when that bar is not visible
  TRect Vert;
  TRect SizeBox;  // empty unless both bars are visible
};
TScrollBarRects ScrollBarRects(const TRect& Window, const TScrollFrame& Frame, int HorzThickness,
                               int VertThickness, bool LeftScrollBar);

// The part at Along (from the bar's start) and Across (from its side) of a bar Length long
// and Thickness thick; Thumb relative to the bar's start. Shift turns the track parts into
// sbpThumbPosition.
int ScrollBarPart(int Along, int Across, int Length, int Thickness, int ArrowLength, const TThumb& Thumb,
                  bool Shift);

// The hit code at Point among the bars (shcHScroll, shcVScroll, shcNowhere for a disabled
// bar, shcBottomRight for a size box at its parent's bottom right corner); none: the native
// handling answers.
std::optional<int> ScrollBarHitCode(TPoint Point, const TScrollBarRects& Rects, bool HorzEnabled,
                                    bool VertEnabled, bool SizeBoxAtParentCorner);

// The new thumb start when the pointer is at Point along the bar, grabbed GrabOffset past the
// thumb's start: inside the track between the arrows.
int DraggedThumbStart(int Point, int GrabOffset, int BarStart, int BarEnd, int ArrowLength, int ThumbLength);

// The position (from Min) a thumb ThumbOffset past the track's start stands for. The vertical
// bar at the track's very end reaches one past the last page position; the horizontal has
// no such end.
int DragPosition(const TScrollState& State, int ThumbOffset, int TrackLength, int ThumbLength, bool Vertical);
