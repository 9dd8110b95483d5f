// Where the painted frame puts its title elements (CalcItems): the vertical centre line, the
// title band, the icon, the lone close button and the room left for the caption text. The
// frame keeps the system's own non-client sizes, so the system gives the caption height
// and the border sizes and the skin only places the elements inside them. All values are
// window coordinates. Portable, so the layout is tested without a window.
#pragma once

#include "gfx/Geometry.h"
#include "skin/store/sSkinStore.h"

// What the skin says about the title elements, gathered once per skin.
struct TFrameSkinValues {
  int BILeftMargin = 0;   // BILEFT
  int BITopMargin = 0;    // BITOP
  int BIRightMargin = 0;  // BIRIGHT
  int BIVAlign = 0;       // BIVALIGN: 1 puts large buttons at the top instead of centring them
  int CloseWidth = 21;    // one state picture of the lone close glyph (BICLOSEALONE)
  int ButtonHeight = 21;  // one state picture of BICONCLOSE: every caption button is this tall
  bool HasCaptionSection = false;  // a "CAPTION" section is painted behind the caption text
};

// The values of Skin; a glyph the skin lacks counts as 21 x 21 pixels.
TFrameSkinValues FrameSkinValues(const TsSkinStore& Skin);

// The form as the system sizes it.
struct TFrameForm {
  int Width = 0;   // the window (CaptionWidth)
  int Height = 0;
  int CaptionHeight = 0;  // CaptionHeight(true): the system caption, 0 without one
  int BorderWidth = 0;    // BorderWidth(true): the system frame of the border style
  int BorderHeight = 0;   // BorderHeight(true)
  bool ThickFrame = false;  // a sizing frame (WS_THICKFRAME): its edges size the window
  bool ShowIcon = true;     // the title icon is shown (the window has a system menu)
};

struct TFrameItems {
  int VCenter = 0;       // the line the title elements are centred on
  int FHeaderHeight = 0;  // bottom of the title band: border and caption
  TRect FIconRect;       // zero width when no icon is shown
  TRect CloseRect;       // the close button (ButtonClose.cpRect)
  int CaptionButtonsWidth = 0;
  int CaptionLeft = 0;   // the caption text runs from here ...
  int CaptionRight = 0;  // ... to here (left alignment)
};

// The icon's side for an available height: 1, 8, 16, 24 or 32 pixels.
int IconSizeFor(int Height);

// The layout of a single-bordered form whose only caption button is the lone close button.
TFrameItems CalcItems(const TFrameForm& Form, const TFrameSkinValues& Skin);
