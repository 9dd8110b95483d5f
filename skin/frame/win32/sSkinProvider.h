// TsSkinProvider: takes over one top-level form's frame while a skin is active. It sits in
// front of the form's message handling as a message hook (the window procedure itself is
// never replaced), paints the whole window — border, title, icon, caption text, the close
// button and the client background — from the skin into one cached picture, and copies
// that picture to the screen; it answers the non-client hit tests and mouse messages, lends
// its picture to the form's children, and gives the system's frame back when the skin goes.
//
// Sections: creation; geometry; the picture; messages.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/Component.h"
#include "framework/DibSection.h"
#include "framework/MessageHookChain.h"
#include "gfx/Geometry.h"
#include "skin/frame/FrameHitCode.h"
#include "skin/frame/FrameItems.h"
#include "skin/frame/win32/DisabledCover.h"
#include "skin/frame/win32/acCtrlAdapter.h"
#include "skin/render/TextGlow.h"
#include "skin/render/win32/sCtrlSkinData.h"
#include "skin/store/win32/SkinCommands.h"

class TCustomForm;
class TsSkinManager;

// One caption button (the frame shows only the close button).
struct TsCaptionButton {
  int cpState = 0;  // 0 normal, 1 hot, 2 pressed
  TRect cpRect;     // window coordinates, those of the cached picture
};

class TsSkinProvider : public TComponent {
 public:
  // Attaches to AForm at once; the rest of the set-up (LoadInit) runs with the first
  // non-client paint, hit test or show.
  static TsSkinProvider* CreateRT(TCustomForm* AForm);
  ~TsSkinProvider() override;

  // The form takes the skin's global colour when it is prepared.
  bool UseGlobalColor = true;
  bool FormActive = true;
  // The cover over the disabled form: its colour, and 255 minus its opacity (-1: none).
  int DisabledBlendValue = 255;
  TColor DisabledBlendColor = 0;
  // Standard controls of the form are given the skin's look where they can be.
  bool AllowSkin3rdParty = true;
  const TacCtrlAdapter* ControlAdapter() const { return Adapter ? &*Adapter : nullptr; }
  TsCaptionButton ButtonClose;

  // ---- Geometry (window coordinates)
  int BorderWidth() const;
  int BorderHeight() const { return BorderWidth(); }
  int CaptionHeight() const;
  int HeaderHeight() const;
  int CaptionWidth() const;
  int OffsetX() const;
  int OffsetY() const;
  TFrameForm FrameForm() const;

  // ---- The picture
  // Brings the cached window picture up to date (painted again only when BGChanged).
  void PaintAll();
  // The skin is in use on this form.
  bool Skinned() const;

  // Opens the form's system menu at (X, Y), screen coordinates.
  void DropSysMenu(int X, int Y);

 private:
  explicit TsSkinProvider(TCustomForm* AForm);

  TCustomForm* const FForm;
  TsScrollWndData FCommonData;
  TSkinnedFormRegistration FRegistration;
  TMessageHook FHook;
  TFrameItems FItems;
  int FTitleSkinIndex = -1;
  int FCaptionSkinIndex = -1;
  // Caption-text glows, active and inactive, kept until the caption, size or skin changes.
  TGlowMask FGlow1;
  TGlowMask FGlow2;
  int CurrentHT = 0;
  bool biClicked = false;
  bool RightPressed = false;
  bool RTInit = true;
  bool RgnChanged = true;
  bool RgnChanging = false;
  // The form had WS_SYSMENU before it was skinned; it gets it back unskinned.
  bool FHadSysMenu = false;
  bool FPrepared = false;
  HMENU SystemMenu = nullptr;  // the window's own, lent
  TDisabledCover LayerForm;
  std::optional<TacCtrlAdapter> Adapter;

  // ---- Creation and the skin's coming and going
  void LoadInit();
  void PrepareForm();
  // Gives the form the system's frame back.
  void RestoreSystemFrame();
  // Lets the control adapter walk the form (made when missing).
  void AdaptControls();
  void RefreshIndexes();
  void DropGlowCaches();
  // Lays out the title elements for the window as it is now.
  void UpdateItems();
  // The system menu's Close item is enabled.
  bool CloseEnabled() const;
  const TDibSection* Cache() const;

  // ---- Painting
  void PaintTitle(TBitmapView Picture, HDC DC);
  void PaintTitleIcon(HDC DC);
  void PaintCaptionText(TBitmapView Picture, HDC DC, int State);
  void PaintCaptionButtons(TBitmapView Picture);
  // The four frame strips of the picture onto DC (the window's).
  void PaintNonClient(HDC DC);
  // The client part of the picture onto DC (client coordinates), the children's own
  // rectangles left out.
  void CopyClientPart(HDC DC, bool ClipChildren);
  void RepaintFrame();
  void UpdateRegion();

  // ---- Messages
  void NewWndProc(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next);
  // True: consumed.
  bool SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next);
  // Passes Message on with the window's drawing switched off, so the system's default
  // handling (caption text, activation look) never paints its own frame over ours.
  void ForwardUnpainted(TMessage& Message, const TMessageHookChain::TNext& Next);
  void WMNCPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message, const TMessageHookChain::TNext& Next);
  void WMPaint(TMessage& Message, const TMessageHookChain::TNext& Next);
  void WMPrint(TMessage& Message);
  void WMNCHitTest(TMessage& Message, const TMessageHookChain::TNext& Next);
  void WMNCLButtonDown(TMessage& Message, const TMessageHookChain::TNext& Next);
  // A left button release over the frame element Code.
  void ButtonReleased(TFrameHitCode Code);
  void WMNCActivate(TMessage& Message, const TMessageHookChain::TNext& Next);
  void WMSetText(TMessage& Message, const TMessageHookChain::TNext& Next);
  void WMSize(TMessage& Message, const TMessageHookChain::TNext& Next);
  void WMGetMinMaxInfo(TMessage& Message, const TMessageHookChain::TNext& Next);
  void AnswerBackground(BackgroundInfo& Info);
  void SetHotElement(int Code);
  void PressElement(int Code);
  // The hit code of a point in screen coordinates.
  TFrameHitCode HitCodeAt(POINT Screen) const;
  void TellChildren(int Code);
  HWND Handle() const;
};
