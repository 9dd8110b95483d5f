// Sections: creation; geometry; the skin's coming and going; the picture; on screen;
// messages; skin commands; the mouse on the frame.
#include "skin/frame/win32/sSkinProvider.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "framework/ProgramArguments.h"
#include "skin/frame/RegionRects.h"
#include "skin/frame/win32/PreviewHandshake.h"
#include "skin/frame/win32/SysMenuDrop.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/win32/ClipChildren.h"
#include "skin/render/win32/GraphicChildren.h"
#include "skin/render/win32/PictureToDC.h"
#include "skin/render/win32/SkinText.h"
#include "skin/render/win32/TextOnPicture.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

// The frame's skin data is of no control kind of its own: it never hovers or glows.
constexpr int cocFormFrame = 0;

// The undocumented request of the system for the system menu (Alt+Space, taskbar).
constexpr UINT WM_SYSMENUREQUEST = 0x313;

constexpr UINT CaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

LONG_PTR StyleOf(HWND Window) { return GetWindowLongPtrW(Window, GWL_STYLE); }

RECT WindowRectOf(HWND Window) {
  RECT R{};
  GetWindowRect(Window, &R);
  return R;
}

RECT ClientRectOf(HWND Window) {
  RECT R{};
  GetClientRect(Window, &R);
  return R;
}

// The window's visible bit switched off while it lives: the system's default handling then
// draws nothing of its own (caption text, the activation look) over the skinned frame.
class TDrawingOff {
 public:
  explicit TDrawingOff(HWND Window) : FWindow(Window), FWasVisible((StyleOf(Window) & WS_VISIBLE) != 0) {
    if (FWasVisible)
      SetWindowLongPtrW(FWindow, GWL_STYLE, StyleOf(FWindow) & ~static_cast<LONG_PTR>(WS_VISIBLE));
  }
  TDrawingOff(const TDrawingOff&) = delete;
  TDrawingOff& operator=(const TDrawingOff&) = delete;
  ~TDrawingOff() {
    if (FWasVisible && IsWindow(FWindow))
      SetWindowLongPtrW(FWindow, GWL_STYLE, StyleOf(FWindow) | WS_VISIBLE);
  }

 private:
  HWND FWindow;
  bool FWasVisible;
};

// Font becomes the system's caption font.
void TakeCaptionFont(TFont& Font) {
  NONCLIENTMETRICSW Metrics{};
  Metrics.cbSize = sizeof(Metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0)) return;
  const LOGFONTW& Log = Metrics.lfCaptionFont;
  Font.SetName(Log.lfFaceName);
  Font.SetHeight(Log.lfHeight);
  Font.SetCharset(Log.lfCharSet);
  TFontStyles Style;
  if (Log.lfWeight >= FW_BOLD) Style.Include(TFontStyle::fsBold);
  if (Log.lfItalic) Style.Include(TFontStyle::fsItalic);
  Font.SetStyle(Style);
}

// The form's small icon, else its big one, else the class's, else the system's.
HICON FormIcon(HWND Window) {
  for (const WPARAM Kind : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}})
    if (const auto Icon = reinterpret_cast<HICON>(SendMessageW(Window, WM_GETICON, Kind, 0))) return Icon;
  if (const auto Icon = reinterpret_cast<HICON>(GetClassLongPtrW(Window, GCLP_HICONSM))) return Icon;
  return LoadIconW(nullptr, IDI_APPLICATION);
}

TUniqueRegion RegionOf(const std::vector<TRect>& Rects) {
  TUniqueRegion Region(CreateRectRgn(0, 0, 0, 0));
  for (const TRect& R : Rects) {
    const TUniqueRegion Part(CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom));
    CombineRgn(Region.Get(), Region.Get(), Part.Get(), RGN_OR);
  }
  return Region;
}

int StateCount(const TsSkinStore& Store, int SkinIndex) {
  return Store.IsValidSkinIndex(SkinIndex) ? Store.gd()[static_cast<std::size_t>(SkinIndex)].States : 0;
}

}  // namespace

// ---- Creation ----

TsSkinProvider* TsSkinProvider::CreateRT(TCustomForm* AForm) { return new TsSkinProvider(AForm); }

TsSkinProvider::TsSkinProvider(TCustomForm* AForm)
    : TComponent(AForm), FForm(AForm), FCommonData(AForm, cocFormFrame), FRegistration(AForm) {
  FCommonData.SetSkinSection("FORM");
  FCommonData.Loaded(false);
  // Added after the skin data's own hook, so the frame sees every message first.
  FHook = AForm->AddMessageHook(
      [this](TMessage& Message, const TMessageHookChain::TNext& Next) { NewWndProc(Message, Next); });
  TPreviewHandshake::Process().ProviderCreated(ProgramArguments());
}

TsSkinProvider::~TsSkinProvider() {
  FHook.Reset();
  // A form being destroyed is no longer a window control: only its component part is asked.
  if (!FForm->Destroying() && FForm->HandleAllocated()) RestoreSystemFrame();
}

HWND TsSkinProvider::Handle() const { return FForm->HandleAllocated() ? FForm->Handle() : nullptr; }

bool TsSkinProvider::Skinned() const {
  return !FForm->Destroying() && FForm->HandleAllocated() && FCommonData.Skinned(true);
}

// ---- Geometry ----

int TsSkinProvider::BorderWidth() const {
  const LONG_PTR Style = StyleOf(Handle());
  if (Style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
  if (Style & WS_BORDER) return GetSystemMetrics(SM_CXDLGFRAME);
  return 0;
}

int TsSkinProvider::CaptionHeight() const {
  const HWND Window = Handle();
  if ((StyleOf(Window) & WS_CAPTION) != WS_CAPTION) return 0;
  const bool Tool = (GetWindowLongPtrW(Window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
  return GetSystemMetrics(Tool ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int TsSkinProvider::HeaderHeight() const {
  const HWND Window = Handle();
  const RECT W = WindowRectOf(Window);
  const RECT C = ClientRectOf(Window);
  const int Outer = (W.bottom - W.top) - C.bottom;
  const int Header = CaptionHeight() > 0 ? Outer - BorderHeight() : Outer - BorderWidth();
  return std::max(0, Header);
}

int TsSkinProvider::CaptionWidth() const {
  const RECT W = WindowRectOf(Handle());
  return W.right - W.left;
}

int TsSkinProvider::OffsetX() const {
  const HWND Window = Handle();
  const RECT W = WindowRectOf(Window);
  return ((W.right - W.left) - ClientRectOf(Window).right) / 2;
}

int TsSkinProvider::OffsetY() const {
  const HWND Window = Handle();
  const RECT W = WindowRectOf(Window);
  const int Border = (StyleOf(Window) & WS_BORDER) ? BorderWidth() : 0;
  return (W.bottom - W.top) - ClientRectOf(Window).bottom - Border;
}

TFrameForm TsSkinProvider::FrameForm() const {
  const RECT W = WindowRectOf(Handle());
  TFrameForm Frame;
  Frame.Width = W.right - W.left;
  Frame.Height = W.bottom - W.top;
  Frame.CaptionHeight = CaptionHeight();
  Frame.BorderWidth = BorderWidth();
  Frame.BorderHeight = BorderHeight();
  Frame.ThickFrame = (StyleOf(Handle()) & WS_THICKFRAME) != 0;
  const TFormBorderStyle Border = FForm->BorderStyle();
  Frame.ShowIcon =
      FHadSysMenu && (Border == TFormBorderStyle::bsSingle || Border == TFormBorderStyle::bsSizeable);
  return Frame;
}

void TsSkinProvider::UpdateItems() {
  FItems = CalcItems(FrameForm(), FrameSkinValues(FCommonData.SkinManager()->Store()));
  if (!FHadSysMenu) FItems.CloseRect = {};
  ButtonClose.cpRect = FItems.CloseRect;
}

bool TsSkinProvider::CloseEnabled() const {
  if (!FHadSysMenu) return false;
  if (!SystemMenu) return true;
  const UINT State = GetMenuState(SystemMenu, SC_CLOSE, MF_BYCOMMAND);
  return State == static_cast<UINT>(-1) || (State & (MF_GRAYED | MF_DISABLED)) == 0;
}

// ---- The skin's coming and going ----

void TsSkinProvider::LoadInit() {
  RTInit = false;
  PrepareForm();
  AdaptControls();
}

void TsSkinProvider::PrepareForm() {
  const HWND Window = Handle();
  if (!Window || !FCommonData.Skinned(true)) return;
  RefreshIndexes();
  const LONG_PTR Style = StyleOf(Window);
  if (Style & WS_SYSMENU) {
    FHadSysMenu = true;
    SystemMenu = GetSystemMenu(Window, FALSE);
    // Without it the system draws no caption buttons and no icon of its own.
    SetWindowLongPtrW(Window, GWL_STYLE, Style & ~static_cast<LONG_PTR>(WS_SYSMENU));
  }
  if (UseGlobalColor) FForm->SetColor(FCommonData.SkinManager()->Store().GetGlobalColor());
  FPrepared = true;
  FCommonData.BGChanged = true;
  RgnChanged = true;
}

void TsSkinProvider::AdaptControls() {
  if (!AllowSkin3rdParty || !Skinned()) return;
  if (!Adapter) Adapter.emplace(*FForm);
  Adapter->AddAllItems(*FCommonData.SkinManager());
}

void TsSkinProvider::RestoreSystemFrame() {
  const HWND Window = Handle();
  if (Adapter) Adapter->RemoveAllItems();
  DropGlowCaches();
  FCommonData.FCacheBmp.reset();
  FCommonData.BGChanged = true;
  RgnChanged = true;
  ButtonClose.cpState = 0;
  CurrentHT = 0;
  biClicked = false;
  LayerForm.Remove();
  if (!FPrepared || !Window) return;
  FPrepared = false;
  if (FHadSysMenu) SetWindowLongPtrW(Window, GWL_STYLE, StyleOf(Window) | WS_SYSMENU);
  // The system takes the icon again for its own caption.
  if (const auto Small = reinterpret_cast<HICON>(SendMessageW(Window, WM_GETICON, ICON_SMALL, 0)))
    SendMessageW(Window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Small));
  SetWindowRgn(Window, nullptr, FALSE);
  SetWindowPos(Window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsSkinProvider::RefreshIndexes() {
  const TsSkinManager* Manager = FCommonData.SkinManager();
  if (!Manager) {
    FTitleSkinIndex = FCaptionSkinIndex = -1;
    return;
  }
  FTitleSkinIndex = Manager->Store().GetSkinIndex("FORMTITLE");
  FCaptionSkinIndex = Manager->Store().GetSkinIndex("CAPTION");
}

void TsSkinProvider::DropGlowCaches() {
  FGlow1 = {};
  FGlow2 = {};
}

// ---- The picture ----

void TsSkinProvider::PaintAll() {
  if (!Skinned()) return;
  const TFrameForm Frame = FrameForm();
  std::optional<TDibSection>& Bitmap = FCommonData.FCacheBmp;
  if (!Bitmap || Bitmap->Width() != Frame.Width || Bitmap->Height() != Frame.Height) {
    Bitmap.reset();
    if (std::optional<TDibSection> Made = TDibSection::Make(Frame.Width, Frame.Height))
      Bitmap.emplace(std::move(*Made));
    FCommonData.BGChanged = true;
    DropGlowCaches();
  }
  if (!Bitmap || !FCommonData.BGChanged) return;
  UpdateItems();
  const TsSkinStore& Store = FCommonData.SkinManager()->Store();
  const TBitmapView Picture = Bitmap->Pixels();
  TCacheInfo Behind;
  Behind.FillColor = static_cast<TColor>(ColorToRGB(Store.GetGlobalColor()));
  PaintSectionByIndex(FCommonData.SkinIndex, Behind, FormActive ? 1 : 0, FCommonData.HotTexture,
                      FCommonData.Texture, &Store, Picture, {}, BitmapRect(Picture), -1);
  PaintTitle(Picture, Bitmap->DC());
  FCommonData.BGChanged = false;
}

void TsSkinProvider::PaintTitle(TBitmapView Picture, HDC DC) {
  const TsSkinStore& Store = FCommonData.SkinManager()->Store();
  const int State = std::min(FormActive ? 1 : 0, std::max(0, StateCount(Store, FTitleSkinIndex) - 1));
  if (Store.IsValidSkinIndex(FTitleSkinIndex)) {
    TCacheInfo Behind;
    Behind.Bmp = Picture;
    Behind.Ready = true;
    PaintSectionByIndex(FTitleSkinIndex, Behind, State, -1, -1, &Store, Picture, {},
                        {0, 0, Picture.Width, std::min(Picture.Height, FItems.FHeaderHeight)}, -1);
  }
  PaintTitleIcon(DC);
  PaintCaptionText(Cache()->Pixels(), DC, State);
  PaintCaptionButtons(Cache()->Pixels());
}

void TsSkinProvider::PaintTitleIcon(HDC DC) {
  const TRect& R = FItems.FIconRect;
  if (R.IsEmpty()) return;
  DrawIconEx(DC, R.Left, R.Top, FormIcon(Handle()), R.Width(), R.Height(), 0, nullptr, DI_NORMAL);
}

void TsSkinProvider::PaintCaptionText(TBitmapView Picture, HDC DC, int State) {
  const std::wstring Text = FForm->Caption();
  if (Text.empty() || FItems.CaptionRight <= FItems.CaptionLeft) return;
  const TsSkinStore& Store = FCommonData.SkinManager()->Store();
  TFont Font;
  TakeCaptionFont(Font);
  TCanvas Canvas;
  const TCanvasPaintScope Scope(Canvas, DC, Font, FForm->Color());
  RECT Measured{FItems.CaptionLeft, 0, FItems.CaptionRight, 0};
  const int Height = Canvas.DrawText(Text, Measured, CaptionFormat | DT_CALCRECT);
  const int Top = FItems.VCenter - Height / 2;
  const TRect R{FItems.CaptionLeft, Top, FItems.CaptionRight, Top + Height};
  const int CaptionState = std::min(State, std::max(0, StateCount(Store, FCaptionSkinIndex) - 1));
  if (Store.IsValidSkinIndex(FCaptionSkinIndex)) {
    TCacheInfo Behind;
    Behind.Bmp = Picture;
    Behind.Ready = true;
    const TRect Area = IntersectRect({R.Left - 4, R.Top - 2, R.Right + 4, R.Bottom + 2}, BitmapRect(Picture));
    if (!Area.IsEmpty())
      PaintSectionByIndex(FCaptionSkinIndex, Behind, CaptionState, -1, -1, &Store, Picture, {}, Area, -1);
  }
  // The glow comes from "CAPTION" when the skin has it, else from the title.
  const int GlowSection = Store.IsValidSkinIndex(FCaptionSkinIndex) ? FCaptionSkinIndex : FTitleSkinIndex;
  if (Store.IsValidSkinIndex(GlowSection)) {
    const TsGeneralData& Section = Store.gd()[static_cast<std::size_t>(GlowSection)];
    const TsGenState& Props =
        Section.Props[static_cast<std::size_t>(std::clamp(State, 0, Section.States - 1))];
    if (Props.GlowSize > 0)
      PaintTextGlow(Cache()->Pixels(), R, FormActive ? FGlow1 : FGlow2, Props.GlowColor, Props.GlowSize,
                    GlowMaskTextDrawer(Text, Canvas.Font().Handle(), CaptionFormat, 1 | 2 | 4 | 8));
  }
  DrawSectionText(Canvas, Text, true, &Store, State, FTitleSkinIndex, CaptionFormat,
                  {R.Left, R.Top, R.Right, R.Bottom});
}

void TsSkinProvider::PaintCaptionButtons(TBitmapView Picture) {
  if (ButtonClose.cpRect.IsEmpty()) return;
  const TsSkinStore& Store = FCommonData.SkinManager()->Store();
  const int Glyph = Store.ConstData().TitleGlyphs[tgCloseAlone];
  if (!Store.IsValidImgIndex(Glyph)) return;
  const TsMaskData& Mask = Store.ma()[static_cast<std::size_t>(Glyph)];
  const int State = std::clamp(ButtonClose.cpState, 0, std::max(0, Mask.ImageCount - 1));
  // The normal look of a button of an inactive form, or of a disabled one, is faded.
  const bool Faded = State == 0 && (!FormActive || !CloseEnabled());
  TCacheInfo Behind;
  Behind.Bmp = Picture;
  Behind.Ready = true;
  PaintStateImage(Picture, {ButtonClose.cpRect.Left, ButtonClose.cpRect.Top}, State, Behind, Mask,
                  Store.MasterBitmap().View(), Faded ? 2 : 1);
}

const TDibSection* TsSkinProvider::Cache() const {
  return FCommonData.FCacheBmp ? &*FCommonData.FCacheBmp : nullptr;
}

// ---- On screen ----

void TsSkinProvider::PaintNonClient(HDC DC) {
  PaintAll();
  const TDibSection* Picture = Cache();
  if (!DC || !Picture || FCommonData.BGChanged) return;
  const int W = Picture->Width();
  const int H = Picture->Height();
  const int Header = std::min(HeaderHeight(), H);
  const int BW = std::min(BorderWidth(), W);
  const int BH = std::min(BorderHeight(), H - Header);
  const HDC Source = Picture->DC();
  const auto Strip = [&](int X, int Y, int Width, int Height) {
    if (Width > 0 && Height > 0) BitBlt(DC, X, Y, Width, Height, Source, X, Y, SRCCOPY);
  };
  Strip(0, 0, W, Header);
  Strip(0, Header, BW, H - Header);
  Strip(BW, H - BH, W - BW, BH);
  Strip(W - BW, Header, BW, H - Header - BH);
}

void TsSkinProvider::CopyClientPart(HDC DC, bool ClipChildren) {
  const TDibSection* Picture = Cache();
  if (!DC || !Picture || FCommonData.BGChanged) return;
  const TSavedDCState Saved(DC);
  const RECT Client = ClientRectOf(Handle());
  IntersectClipRect(DC, 0, 0, Client.right, Client.bottom);
  if (ClipChildren) {
    const TsSkinManager* Manager = FCommonData.SkinManager();
    ClipOutChildren(DC, *FForm, 0, 0, !(Manager && Manager->Options.StdImgTransparency));
  }
  BitBlt(DC, 0, 0, Client.right, Client.bottom, Picture->DC(), OffsetX(), OffsetY(), SRCCOPY);
}

void TsSkinProvider::RepaintFrame() {
  const HWND Window = Handle();
  if (!Window || !IsWindowVisible(Window)) return;
  const TWindowDC DC(Window, TWindowDC::TArea::Window);
  PaintNonClient(DC.Get());
}

void TsSkinProvider::UpdateRegion() {
  const HWND Window = Handle();
  if (RgnChanging || !Window) return;
  RgnChanging = true;
  RgnChanged = false;
  const TsSkinStore& Store = FCommonData.SkinManager()->Store();
  const int TitleBorder = Store.IsValidSkinIndex(FTitleSkinIndex)
                              ? Store.gd()[static_cast<std::size_t>(FTitleSkinIndex)].BorderIndex
                              : -1;
  const int W = CaptionWidth();
  const RECT R = WindowRectOf(Window);
  const int H = R.bottom - R.top;
  TUniqueRegion Region = RegionOf(
      WindowRegionRects(W, H, CollectRegionRects(Store, FCommonData.BorderIndex, TitleBorder, W, H)));
  // The system owns the region once it has taken it.
  if (SetWindowRgn(Window, Region.Get(), FALSE)) Region.Release();
  RgnChanging = false;
}

void TsSkinProvider::TellChildren(int Code) {
  // Indexes: a child may add or remove children of the form.
  for (std::size_t I = 0; I < FForm->Controls().size(); ++I)
    if (TControl* Child = FForm->Controls()[I]; !Child->Destroying()) SendSkinCommandTo(Child, Code, 0);
}

void TsSkinProvider::DropSysMenu(int X, int Y) {
  const HWND Window = Handle();
  if (!SystemMenu || !Window) return;
  ::DropSysMenu(Window, SysMenuFormOf(*FForm), {X, Y}, FCommonData.SkinManager()->SkinnedPopups);
}

// ---- Messages ----

void TsSkinProvider::NewWndProc(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (Message.Msg == WM_SKINCOMMAND) {
    if (!SkinCommand(Message, Next)) Next(Message);
    return;
  }
  if (Message.Msg == WM_CREATE) {
    // A window made anew has the system's frame again: it is set up at its first paint.
    Next(Message);
    FPrepared = false;
    RgnChanged = true;
    FCommonData.BGChanged = true;
    return;
  }
  if (!Skinned() || !SkinnedMessage(Message, Next)) Next(Message);
}

bool TsSkinProvider::SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next) {
  switch (Message.Msg) {
    case WM_NCPAINT:
      WMNCPaint(Message);
      return true;
    case WM_ERASEBKGND:
      WMEraseBkgnd(Message, Next);
      return true;
    case WM_PAINT:
      WMPaint(Message, Next);
      return true;
    case WM_PRINT:
      WMPrint(Message);
      return true;
    case WM_PRINTCLIENT:
      Message.Result = 0;
      return true;
    case WM_NCHITTEST:
      WMNCHitTest(Message, Next);
      return true;
    case WM_NCMOUSEMOVE:
      if (Message.WParam == HTCLOSE) {
        SetHotElement(hcClose);
        TRACKMOUSEEVENT Track{sizeof(Track), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
        TrackMouseEvent(&Track);
        Message.Result = 0;
        return true;
      }
      SetHotElement(0);
      return false;
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
      SetHotElement(0);
      CurrentHT = -1;
      biClicked = false;
      return false;
    case WM_NCLBUTTONDOWN:
      WMNCLButtonDown(Message, Next);
      return true;
    case WM_NCLBUTTONUP:
      if (!biClicked) return false;
      ButtonReleased(HitCodeAt({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}));
      Message.Result = 0;
      return true;
    case WM_LBUTTONUP: {
      if (!biClicked) return false;
      POINT Screen{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      ClientToScreen(Handle(), &Screen);
      ButtonReleased(HitCodeAt(Screen));
      Message.Result = 0;
      return true;
    }
    case WM_NCLBUTTONDBLCLK:
      if (Message.WParam != HTSYSMENU) return false;
      // A double click on the icon closes the window.
      PostMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      Message.Result = 0;
      return true;
    case WM_NCRBUTTONDOWN:
      if (Message.WParam != HTCAPTION && Message.WParam != HTSYSMENU) return false;
      RightPressed = true;
      Message.Result = 0;
      return true;
    case WM_NCRBUTTONUP:
      if (!RightPressed) return false;
      RightPressed = false;
      SetHotElement(0);
      DropSysMenu(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
      Message.Result = 0;
      return true;
    case WM_SYSMENUREQUEST:
      DropSysMenu(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
      Message.Result = 0;
      return true;
    case WM_NCACTIVATE:
      WMNCActivate(Message, Next);
      return true;
    case WM_SETTEXT:
      WMSetText(Message, Next);
      return true;
    case WM_SETICON:
      ForwardUnpainted(Message, Next);
      FCommonData.BGChanged = true;
      RepaintFrame();
      return true;
    case WM_SIZE:
      WMSize(Message, Next);
      return true;
    case WM_GETMINMAXINFO:
      WMGetMinMaxInfo(Message, Next);
      return true;
    case WM_SETTINGCHANGE:
      FCommonData.BGChanged = true;
      return false;
    case CM_VISIBLECHANGED:
      if (Message.WParam && (RTInit || !FPrepared)) LoadInit();
      if (!Message.WParam) {
        FCommonData.FCacheBmp.reset();
        FCommonData.BGChanged = true;
      }
      Next(Message);
      if (Message.WParam) TPreviewHandshake::Process().FormShowing(*FForm);
      return true;
    case WM_ENABLE:
      Next(Message);
      RepaintFrame();
      LayerForm.Follow(Handle(), DisabledBlendValue, DisabledBlendColor);
      return true;
    case WM_COPYDATA:
      Next(Message);
      if (TPreviewHandshake::Process().CopyData(Handle(), Message, FCommonData.SkinManager()))
        Message.Result = 1;
      return true;
    case WM_SKINPREVIEW:
      if (Message.WParam == SKINPREVIEW_CLOSE) {
        // Posted: the form may go, and its frame with it, only after this message.
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
      } else if (Message.WParam == SKINPREVIEW_QUERY) {
        Message.Result = 1;
      } else {
        Next(Message);
      }
      return true;
    default:
      return false;
  }
}

void TsSkinProvider::ForwardUnpainted(TMessage& Message, const TMessageHookChain::TNext& Next) {
  const TDrawingOff Off(Handle());
  Next(Message);
}

void TsSkinProvider::WMNCPaint(TMessage& Message) {
  Message.Result = 0;
  if (RTInit || !FPrepared) LoadInit();
  if (!Adapter) AdaptControls();
  if (RgnChanged) UpdateRegion();
  // The system never paints its own frame: its handling is not called.
  const TWindowDC DC(Handle(), TWindowDC::TArea::Window);
  PaintNonClient(DC.Get());
}

void TsSkinProvider::WMEraseBkgnd(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!IsWindowVisible(Handle())) return Next(Message);
  Message.Result = 1;
  if (FCommonData.FUpdating) return;
  PaintAll();
  CopyClientPart(reinterpret_cast<HDC>(Message.WParam), true);
  TellChildren(SKC_PARENT_UPDATED);
}

void TsSkinProvider::WMPaint(TMessage& Message, const TMessageHookChain::TNext& Next) {
  Message.Result = 0;
  if (!IsWindowVisible(Handle())) return Next(Message);
  if (Message.WParam) {
    // A copy of the client area into a given device context.
    const auto DC = reinterpret_cast<HDC>(Message.WParam);
    PaintAll();
    CopyClientPart(DC, false);
    PaintGraphicChildren(DC, FForm, true, {});
    return;
  }
  // Painting through BeginPaint validates the window, whether or not it paints now.
  const TPaintDC Paint(Handle());
  if (FCommonData.FUpdating) return;
  PaintAll();
  CopyClientPart(Paint.Get(), true);
  PaintGraphicChildren(Paint.Get(), FForm, true, {});
  TellChildren(SKC_PARENT_UPDATED);
}

void TsSkinProvider::WMPrint(TMessage& Message) {
  Message.Result = 0;
  const auto DC = reinterpret_cast<HDC>(Message.WParam);
  if (!DC) return;
  PaintAll();
  const TDibSection* Picture = Cache();
  if (!Picture || FCommonData.BGChanged) return;
  if (Message.LParam & PRF_NONCLIENT) PaintNonClient(DC);
  if (!(Message.LParam & PRF_CLIENT)) return;
  const int X = OffsetX();
  const int Y = OffsetY();
  const RECT Client = ClientRectOf(Handle());
  BitBlt(DC, X, Y, Client.right, Client.bottom, Picture->DC(), X, Y, SRCCOPY);
  if (!(Message.LParam & PRF_CHILDREN)) return;
  const RECT Window = WindowRectOf(Handle());
  for (TControl* Control : std::vector<TControl*>(FForm->Controls())) {
    auto* Child = dynamic_cast<TWinControl*>(Control);
    if (!Child || !Child->HandleAllocated() || !IsWindowVisible(Child->Handle())) continue;
    const RECT At = WindowRectOf(Child->Handle());
    const TSavedDCState Saved(DC);
    OffsetViewportOrgEx(DC, At.left - Window.left, At.top - Window.top, nullptr);
    SendMessageW(Child->Handle(), WM_PRINT, Message.WParam, Message.LParam & ~PRF_CHECKVISIBLE);
  }
  PaintGraphicChildren(DC, FForm, true, {X, Y});
}

void TsSkinProvider::WMNCActivate(TMessage& Message, const TMessageHookChain::TNext& Next) {
  const bool Active = Message.WParam != 0;
  if (Active != FormActive) {
    FormActive = Active;
    const TsSkinStore& Store = FCommonData.SkinManager()->Store();
    if (StateCount(Store, FCommonData.SkinIndex) > 1 || StateCount(Store, FTitleSkinIndex) > 1 ||
        (Store.IsValidImgIndex(FCommonData.BorderIndex) &&
         Store.ma()[static_cast<std::size_t>(FCommonData.BorderIndex)].ImageCount > 1))
      FCommonData.BGChanged = true;
  }
  ForwardUnpainted(Message, Next);
  RepaintFrame();
}

void TsSkinProvider::WMSetText(TMessage& Message, const TMessageHookChain::TNext& Next) {
  DropGlowCaches();
  FCommonData.BGChanged = true;
  // The system's caption drawing during its own handling is never seen.
  ForwardUnpainted(Message, Next);
  RepaintFrame();
}

void TsSkinProvider::WMSize(TMessage& Message, const TMessageHookChain::TNext& Next) {
  Next(Message);
  const HWND Window = Handle();
  if (!IsWindowVisible(Window) || IsIconic(Window)) return;
  DropGlowCaches();
  FCommonData.BGChanged = true;
  UpdateRegion();
  RepaintFrame();
  InvalidateRect(Window, nullptr, TRUE);
}

void TsSkinProvider::WMGetMinMaxInfo(TMessage& Message, const TMessageHookChain::TNext& Next) {
  const HWND Window = Handle();
  auto* Info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  MONITORINFO Monitor{};
  Monitor.cbSize = sizeof(Monitor);
  if (Info && BorderWidth() > 0 && !GetParent(Window) &&
      GetMonitorInfoW(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST), &Monitor)) {
    // Maximised, the frame reaches just past the work area on every side.
    const int B = BorderWidth();
    const RECT& Work = Monitor.rcWork;
    Info->ptMaxPosition = {Work.left - Monitor.rcMonitor.left - B, Work.top - Monitor.rcMonitor.top - B};
    Info->ptMaxSize = {Work.right - Work.left + 2 * B, Work.bottom - Work.top + 2 * B};
  }
  Message.Result = 0;
  Next(Message);
}

// ---- Skin commands ----

bool TsSkinProvider::SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!IsOwnSkinCommand(Handle(), Message)) return false;
  const bool OurManager = Message.LParam == reinterpret_cast<LPARAM>(FCommonData.SkinManager());
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_QUERY_PROVIDER:
      Message.Result = reinterpret_cast<LRESULT>(this);
      return true;
    case SKC_SKIN_LOADED:
      Next(Message);
      if (OurManager) {
        RefreshIndexes();
        DropGlowCaches();
        // Set up again once the new skin is in use.
        FPrepared = false;
        FCommonData.BGChanged = true;
        RgnChanged = true;
      }
      return true;
    case SKC_SKIN_REMOVED:
      Next(Message);
      if (OurManager) RestoreSystemFrame();
      return true;
    case SKC_REPAINT:
      if (OurManager && FCommonData.Skinned(true) && !FPrepared) PrepareForm();
      if (OurManager) AdaptControls();
      FCommonData.BGChanged = true;
      RgnChanged = true;
      Next(Message);
      return true;
    case SKC_PARENT_UPDATED:
      if (!Skinned()) return false;
      FCommonData.FUpdating = false;
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      Message.Result = 0;
      return true;
    case SKC_SET_UPDATING:
      Next(Message);
      FCommonData.BGChanged = true;
      return true;
    case SKC_QUERY_UPDATING:
      if (!Skinned()) return false;
      Message.Result = FCommonData.FUpdating ? 1 : 0;
      return true;
    case SKC_BG_CHANGED:
      FCommonData.BGChanged = true;
      return true;
    case SKC_PREPARE_CACHE:
      PaintAll();
      return true;
    case SKC_MOUSE_LEAVE:
      SetHotElement(0);
      return false;
    case SKC_REPAINT_FRAME:
      if (Message.LParam == 1) FCommonData.BGChanged = true;
      RepaintFrame();
      return true;
    case SKC_QUERY_BG_INFO:
      if (!Skinned() || !Message.LParam) return false;
      AnswerBackground(*reinterpret_cast<BackgroundInfo*>(Message.LParam));
      return true;
    case SKC_QUERY_CLIENT_OFFSET:
      if (!Skinned()) return false;
      Message.Result = MAKELRESULT(OffsetX(), OffsetY());
      return true;
    case SKC_QUERY_CLIENT_LEFT: {
      if (!Skinned()) return false;
      const int Left = (CaptionWidth() - ClientRectOf(Handle()).right) / 2;
      Message.Result = Left != 0 ? Left : Message.LParam;
      return true;
    }
    default:
      return false;
  }
}

void TsSkinProvider::AnswerBackground(BackgroundInfo& Info) {
  PaintAll();
  const TDibSection* Picture = Cache();
  if (!Picture || FCommonData.BGChanged) {
    Info.Kind = bkNotReady;
    return;
  }
  const TPoint Client{OffsetX(), OffsetY()};
  if (Info.PaintNow) {
    const TRect Source{Client.X + Info.Offset.X, Client.Y + Info.Offset.Y,
                       Client.X + Info.Offset.X + Info.Area.Width(),
                       Client.Y + Info.Offset.Y + Info.Area.Height()};
    CopyPictureToDC(Info.TargetDC, Info.Area.Left, Info.Area.Top, Picture->Pixels(), Source);
    Info.Kind = bkPicture;
    return;
  }
  // The children's origin is the client area's, which lies inside the window's picture.
  Info.Kind = bkPicture;
  Info.Picture = Picture->Pixels();
  Info.Offset = Client;
}

// ---- The mouse on the frame ----

TFrameHitCode TsSkinProvider::HitCodeAt(POINT Screen) const {
  const RECT W = WindowRectOf(Handle());
  return CalcHitCode(FrameForm(), FItems,
                     {static_cast<int>(Screen.x - W.left), static_cast<int>(Screen.y - W.top)},
                     CloseEnabled());
}

void TsSkinProvider::WMNCHitTest(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (RTInit || !FPrepared) LoadInit();
  if (CaptionHeight() == 0) return Next(Message);
  UpdateItems();
  const POINT Screen{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  const TFrameHitCode Code = HitCodeAt(Screen);
  const RECT W = WindowRectOf(Handle());
  const bool OnButton = ButtonClose.cpRect.Contains(Screen.x - W.left, Screen.y - W.top);
  // Only the painted elements answer for themselves; the rest is the system's.
  if (Code == hcSysMenu || Code == hcClose || OnButton) {
    Message.Result = Code;
    return;
  }
  Next(Message);
}

void TsSkinProvider::WMNCLButtonDown(TMessage& Message, const TMessageHookChain::TNext& Next) {
  switch (Message.WParam) {
    case HTSYSMENU: {
      Message.Result = 0;
      SetHotElement(0);
      biClicked = false;
      const RECT W = WindowRectOf(Handle());
      DropSysMenu(W.left + BorderWidth(), W.top + 2 * BorderHeight() + FItems.FIconRect.Height());
      return;
    }
    case HTCLOSE:
      Message.Result = 0;
      PressElement(hcClose);
      return;
    default:
      // Moving by the caption, sizing by the border: the system's.
      Next(Message);
  }
}

void TsSkinProvider::ButtonReleased(TFrameHitCode Code) {
  const bool Close = biClicked && Code == hcClose && CurrentHT == hcClose;
  biClicked = false;
  SetHotElement(0);
  // The form may close for good here: nothing of it is used afterwards.
  if (Close) SendMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void TsSkinProvider::SetHotElement(int Code) {
  if (Code == CurrentHT) return;
  const bool WasShown = ButtonClose.cpState != 0;
  if (CurrentHT == hcClose) ButtonClose.cpState = 0;
  CurrentHT = Code;
  if (!biClicked && Code == hcClose) ButtonClose.cpState = 1;
  if (WasShown != (ButtonClose.cpState != 0)) {
    FCommonData.BGChanged = true;
    RepaintFrame();
  }
}

void TsSkinProvider::PressElement(int Code) {
  if (Code != CurrentHT) SetHotElement(Code);
  CurrentHT = Code;
  if (Code != hcClose || !CloseEnabled()) {
    CurrentHT = 0;
    return;
  }
  ButtonClose.cpState = 2;
  biClicked = true;
  FCommonData.BGChanged = true;
  RepaintFrame();
}
