#include "skin/frame/FrameHitCode.h"

namespace {

// The sizing edges of a thick frame: corners where two bands meet; hcNowhere inside.
TFrameHitCode SizingEdge(const TFrameForm& Form, TPoint Point) {
  const bool Top = Point.Y < Form.BorderHeight;
  const bool Bottom = Point.Y >= Form.Height - Form.BorderHeight;
  const bool Left = Point.X < Form.BorderWidth;
  const bool Right = Point.X >= Form.Width - Form.BorderWidth;
  if (Top) return Left ? hcTopLeft : Right ? hcTopRight : hcTop;
  if (Bottom) return Left ? hcBottomLeft : Right ? hcBottomRight : hcBottom;
  if (Left) return hcLeft;
  if (Right) return hcRight;
  return hcNowhere;
}

}  // namespace

TFrameHitCode CalcHitCode(const TFrameForm& Form, const TFrameItems& Items, TPoint Point, bool CloseEnabled) {
  if (!TRect{0, 0, Form.Width, Form.Height}.Contains(Point.X, Point.Y)) return hcNowhere;
  if (Items.CloseRect.Contains(Point.X, Point.Y)) return CloseEnabled ? hcClose : hcCaption;
  if (Form.ThickFrame) {
    const TFrameHitCode Edge = SizingEdge(Form, Point);
    if (Edge != hcNowhere) return Edge;
  }
  if (Point.Y < Items.FHeaderHeight)
    return Items.FIconRect.Contains(Point.X, Point.Y) ? hcSysMenu : hcCaption;
  return hcClient;
}
