#include "skin/controls/core/ScrollBarGeometry.h"

#include <algorithm>

#include "gfx/MulDivRound.h"

namespace {

constexpr int MinThumbWithoutArrows = 19;

// Lo wins when the range is inverted: a track too short for the thumb keeps it at its start.
int ClampLow(int Value, int Lo, int Hi) { return std::max(Lo, std::min(Value, Hi)); }

// A x B / C rounded; 0 for a zero C.
int MulDivOrZero(int A, int B, int C) { return C == 0 ? 0 : MulDivRound(A, B, C); }

}  // namespace

TThumb ThumbPosSize(const TScrollState& State, int BarStart, int BarLength, int ArrowLength,
                    int MinThumbSize) {
  const int Track = BarLength - 2 * ArrowLength;
  const long long RangeWide = static_cast<long long>(State.Max) - State.Min + 1;
  const int Range = static_cast<int>(std::clamp<long long>(RangeWide, -1, 0x7FFFFFFF));
  int Length = 0;
  if (State.Page == 0)
    Length = std::max(ArrowLength, MinThumbSize);
  else if (Range > 0)
    Length = std::max(0, MulDivRound(State.Page, Track, Range));
  if (ArrowLength == 0 && Length < MinThumbWithoutArrows)
    Length = MinThumbWithoutArrows;
  else
    Length = std::max(Length, MinThumbSize);

  int Offset = 0;
  if (Range > 0) {
    const long long Delta = static_cast<long long>(State.Pos) - State.Min;
    const int Denominator = Range - std::max(1, State.Page);
    Offset = MulDivOrZero(static_cast<int>(std::clamp<long long>(Delta, -0x7FFFFFFF, 0x7FFFFFFF)),
                          Track - Length, Denominator);
    Offset = ClampLow(Offset, 0, Track - Length);
  }
  return {BarStart + ArrowLength + Offset, Length};
}

TScrollFrame CalcScrollFrame(const TScrollFrameInput& Input) {
  TScrollFrame Frame;
  TRect Client = Input.NativeClient;
  if (Input.ScrollBorderOffset < 0 && Client.Left - Input.Window.Left > 1) {
    const int Widen = -Input.ScrollBorderOffset;
    Client = {Client.Left - Widen, Client.Top - Widen, Client.Right + Widen, Client.Bottom + Widen};
  }
  Frame.LeftEdge = Client.Left - Input.Window.Left;
  Frame.RightEdge = Input.Window.Right - Client.Right;
  Frame.TopEdge = Client.Top - Input.Window.Top;
  Frame.BottomEdge = Input.Window.Bottom - Client.Bottom;

  Frame.HorzVisible = Input.HasHorz && Client.Height() >= Input.HorzThickness;
  if (Frame.HorzVisible) Client.Bottom -= Input.HorzThickness;
  Frame.VertVisible = Input.HasVert && Client.Width() >= Input.VertThickness;
  if (Frame.VertVisible) {
    if (Input.LeftScrollBar)
      Client.Left += Input.VertThickness;
    else
      Client.Right -= Input.VertThickness;
  }
  Frame.Client = Client;
  return Frame;
}

TScrollBarRects ScrollBarRects(const TRect& Window, const TScrollFrame& Frame, int HorzThickness,
                               int VertThickness, bool LeftScrollBar) {
  const int Left = Window.Left + Frame.LeftEdge;
  const int Right = Window.Right - Frame.RightEdge;
  const int Top = Window.Top + Frame.TopEdge;
  const int Bottom = Window.Bottom - Frame.BottomEdge;
  const int HorzRoom = Frame.HorzVisible ? HorzThickness : 0;
  const int VertRoom = Frame.VertVisible ? VertThickness : 0;

  TScrollBarRects Rects;
  if (Frame.VertVisible)
    Rects.Vert = LeftScrollBar ? TRect{Left, Top, Left + VertThickness, Bottom - HorzRoom}
                               : TRect{Right - VertThickness, Top, Right, Bottom - HorzRoom};
  if (Frame.HorzVisible)
    Rects.Horz = LeftScrollBar ? TRect{Left + VertRoom, Bottom - HorzThickness, Right, Bottom}
                               : TRect{Left, Bottom - HorzThickness, Right - VertRoom, Bottom};
  if (Frame.HorzVisible && Frame.VertVisible)
    Rects.SizeBox = {Rects.Vert.Left, Rects.Horz.Top, Rects.Vert.Right, Rects.Horz.Bottom};
  return Rects;
}

int ScrollBarPart(int Along, int Across, int Length, int Thickness, int ArrowLength, const TThumb& Thumb,
                  bool Shift) {
  if (Across < 0 || Across >= Thickness || Along < 0 || Along >= Length) return sbpNone;
  const int Arrow = 2 * ArrowLength < Length ? ArrowLength : Length / 2;
  if (Along < Arrow) return sbpLineUp;
  if (Along >= Length - Arrow) return sbpLineDown;
  if (Thumb.Length >= Length - 2 * ArrowLength) return sbpNone;
  if (Along >= Thumb.Start && Along < Thumb.Start + Thumb.Length) return sbpThumbTrack;
  if (Shift) return sbpThumbPosition;
  return Along < Thumb.Start ? sbpPageUp : sbpPageDown;
}

std::optional<int> ScrollBarHitCode(TPoint Point, const TScrollBarRects& Rects, bool HorzEnabled,
                                    bool VertEnabled, bool SizeBoxAtParentCorner) {
  if (Rects.Horz.Contains(Point.X, Point.Y)) return HorzEnabled ? shcHScroll : shcNowhere;
  if (Rects.Vert.Contains(Point.X, Point.Y)) return VertEnabled ? shcVScroll : shcNowhere;
  if (SizeBoxAtParentCorner && Rects.SizeBox.Contains(Point.X, Point.Y)) return shcBottomRight;
  return std::nullopt;
}

int DraggedThumbStart(int Point, int GrabOffset, int BarStart, int BarEnd, int ArrowLength, int ThumbLength) {
  return ClampLow(Point - GrabOffset, BarStart + ArrowLength, BarEnd - ArrowLength - ThumbLength);
}

int DragPosition(const TScrollState& State, int ThumbOffset, int TrackLength, int ThumbLength,
                 bool Vertical) {
  const long long Span = static_cast<long long>(State.Max) - State.Min;
  if (Span < 1) return ThumbOffset;
  const int Room = TrackLength - ThumbLength;
  const long long Last = Span - State.Page + (Vertical ? 2 : 1);
  const int LastPosition = static_cast<int>(std::clamp<long long>(Last, -0x7FFFFFFF, 0x7FFFFFFF));
  if (Vertical && ThumbOffset >= Room) return LastPosition;
  return MulDivOrZero(ThumbOffset, LastPosition, Room);
}
