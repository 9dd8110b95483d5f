#include "framework/WinControl.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>

#include "framework/Colors.h"
#include "framework/PrivateMessages.h"
#include "framework/core/DescriptionValues.h"
#include "framework/WindowProcErrors.h"

namespace {

// The control whose window CreateWindowExW is making on this thread. The first message of a
// window (WM_GETMINMAXINFO for a top-level one, before WM_NCCREATE) arrives inside
// CreateWindowExW, before the handle is known, so the hand-off cannot wait for its return.
thread_local TWinControl* CreationControl = nullptr;

std::string LastErrorText(const char* What, const std::wstring& ClassName) {
  return std::string(What) + " (" + std::string(ClassName.begin(), ClassName.end()) + "): error " +
         std::to_string(GetLastError());
}

POINT PointFromLParam(LPARAM LParam) {
  return {static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
}

bool IsButtonDown(UINT Msg) {
  return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN || Msg == WM_LBUTTONDBLCLK ||
         Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT Msg) { return Msg == WM_LBUTTONUP || Msg == WM_RBUTTONUP || Msg == WM_MBUTTONUP; }

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Children go first; each leaves FControls in its own destructor.
  while (!FControls.empty()) delete FControls.back();
  if (Parent()) std::erase(Parent()->FTabList, this);
  // The window goes the way it goes on RecreateWnd: WM_DESTROY and WM_NCDESTROY pass the
  // message hooks, which are still whole, and TWinControl's own handling (what was derived
  // from it is gone already). The window procedure is never put back: one installed over
  // ours by someone else stays in place and sees the window's end too.
  TWinControl::DestroyWnd();
}

TWinControl* TWinControl::FromHandle(HWND Window) {
  if (!Window) return nullptr;
  if (GetClassLongPtrW(Window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&TWinControl::FrameworkWndProc)) {
    return nullptr;
  }
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
}

LRESULT CALLBACK TWinControl::FrameworkWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* Control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (!Control) {
    Control = std::exchange(CreationControl, nullptr);
    if (!Control) return DefWindowProcW(Window, Msg, WParam, LParam);
    Control->FHandle.Reset(Window);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Control));
  }
  TMessage Message{Msg, WParam, LParam, 0};
  try {
    Control->WindowProc(Message);
  } catch (...) {
    ReportCurrentException();
  }
  return Message.Result;
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle.Get();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  if (Parent()) {
    // Creating the parent's window creates ours with it.
    Parent()->HandleNeeded();
    if (FHandle) return;
  }
  CreateWnd();
  for (TControl* Control : FControls) {
    if (auto* Child = dynamic_cast<TWinControl*>(Control)) Child->CreateHandle();
  }
  UpdateTabOrder();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.WinClassName = L"QvWinControl";
  Params.ClassCursor = LoadCursorW(nullptr, IDC_ARROW);
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) Params.Style |= WS_VISIBLE;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  if (Parent()) Params.WndParent = Parent()->Handle();
}

void TWinControl::RegisterWindowClass(const TCreateParams& Params) {
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof(Class);
  if (Params.SystemClassName.empty()) {
    FDefWndProc = DefWindowProcW;
    Class.style = Params.ClassStyle;
    Class.hCursor = Params.ClassCursor;
  } else {
    if (!GetClassInfoExW(nullptr, Params.SystemClassName.c_str(), &Class)) {
      throw std::runtime_error(LastErrorText("system window class not found", Params.SystemClassName));
    }
    FDefWndProc = Class.lpfnWndProc;
    Class.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  }
  WNDCLASSEXW Existing{};
  Existing.cbSize = sizeof(Existing);
  if (GetClassInfoExW(Instance, Params.WinClassName.c_str(), &Existing)) return;
  Class.lpfnWndProc = &TWinControl::FrameworkWndProc;
  Class.hInstance = Instance;
  Class.lpszMenuName = nullptr;
  Class.lpszClassName = Params.WinClassName.c_str();
  if (!RegisterClassExW(&Class))
    throw std::runtime_error(LastErrorText("RegisterClassExW failed", Params.WinClassName));
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  RegisterWindowClass(Params);
  HMENU Id = nullptr;
  if ((Params.Style & WS_CHILD) && Parent()) {
    // Ids unique within the top-level window, so a form can find a button by its id.
    TWinControl* Root = Parent();
    while (Root->Parent()) Root = Root->Parent();
    Id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(Root->FNextChildId++));
  }
  TWinControl* const Previous = std::exchange(CreationControl, this);
  const HWND Window = CreateWindowExW(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                                      Params.Style, Params.X, Params.Y, Params.Width, Params.Height,
                                      Params.WndParent, Id, GetModuleHandleW(nullptr), nullptr);
  CreationControl = Previous;
  if (!Window) {
    FHandle.Release();
    throw std::runtime_error(LastErrorText("CreateWindowExW failed", Params.WinClassName));
  }
  SendMessageW(Window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  SyncBoundsFromWindow();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* Control : FControls) {
    if (auto* Child = dynamic_cast<TWinControl*>(Control)) Child->DestroyHandle();
  }
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  if (!FHandle) return;
  // WM_DESTROY saves the text, WM_NCDESTROY lets go of the handle.
  DestroyWindow(FHandle.Get());
  FHandle.Release();
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyHandle();
  CreateHandle();
}

void TWinControl::SyncBoundsFromWindow() {
  RECT Rect;
  GetWindowRect(FHandle.Get(), &Rect);
  if (GetWindowLongPtrW(FHandle.Get(), GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(HWND_DESKTOP, GetParent(FHandle.Get()), reinterpret_cast<POINT*>(&Rect), 2);
  }
  UpdateBounds(Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
}

void TWinControl::InsertControl(TControl* Control) {
  FControls.push_back(Control);
  Control->FParent = this;
  if (Control->ParentFont()) Control->TakeParentFont();
  if (Control->ParentColor()) Control->TakeParentColor();
  if (auto* Child = dynamic_cast<TWinControl*>(Control)) {
    FTabList.push_back(Child);
    Child->DestroyHandle();
    if (FHandle) {
      Child->CreateHandle();
      UpdateTabOrder();
    }
  } else {
    Control->Invalidate();
  }
  if (Control->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* Control) {
  // Called from ~TControl too, when Control is no longer anything more than a TControl.
  if (auto* Child = dynamic_cast<TWinControl*>(Control)) {
    Child->DestroyHandle();
    std::erase(FTabList, Child);
  } else {
    Control->Invalidate();
  }
  std::erase(FControls, Control);
  Control->FParent = nullptr;
  if (FMouseControl == Control) FMouseControl = nullptr;
  if (FCaptureControl == Control) FCaptureControl = nullptr;
  if (Control->Align() != TAlign::alNone) Realign();
}

TWinControl* TWinControl::FindChildControl(HWND Window) const {
  for (TWinControl* Child : FTabList) {
    if (Child->FHandle.Get() == Window) return Child;
  }
  return nullptr;
}

TControl* TWinControl::GraphicControlAtPos(POINT Point) const {
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
    TControl* Control = *It;
    if (dynamic_cast<TWinControl*>(Control) || !Control->Visible() || !Control->Enabled()) continue;
    const RECT Bounds = Control->BoundsRect();
    if (PtInRect(&Bounds, Point)) return Control;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& List = Parent()->FTabList;
  return static_cast<int>(std::find(List.begin(), List.end(), this) - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (Loading()) {
    // Siblings are still being read: the parent sorts them all in its Loaded.
    FLoadedTabOrder = Value;
    return;
  }
  if (!Parent()) return;
  auto& List = Parent()->FTabList;
  std::erase(List, this);
  const int Index = std::clamp(Value, 0, static_cast<int>(List.size()));
  List.insert(List.begin() + Index, this);
  Parent()->UpdateTabOrder();
}

void TWinControl::UpdateTabOrder() {
  if (!FHandle) return;
  // Tab navigation follows the windows' Z order.
  HWND Previous = HWND_TOP;
  for (TWinControl* Child : FTabList) {
    if (!Child->FHandle) continue;
    SetWindowPos(Child->FHandle.Get(), Previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Previous = Child->FHandle.Get();
  }
}

void TWinControl::SetTabStop(bool Value) {
  if (Value == FTabStop) return;
  FTabStop = Value;
  if (!FHandle) return;
  LONG_PTR Style = GetWindowLongPtrW(FHandle.Get(), GWL_STYLE);
  Style = Value ? (Style | WS_TABSTOP) : (Style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrW(FHandle.Get(), GWL_STYLE, Style);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle.Get(); }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height()) return;
  if (FHandle) {
    // WM_WINDOWPOSCHANGED brings the new bounds back, WM_SIZE re-aligns the children.
    SetWindowPos(FHandle.Get(), nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const bool Resized = AWidth != Width() || AHeight != Height();
  UpdateBounds(ALeft, ATop, AWidth, AHeight);
  if (Resized) Realign();
}

RECT TWinControl::ClientRect() const {
  if (!FHandle) return TControl::ClientRect();
  RECT Rect;
  GetClientRect(FHandle.Get(), &Rect);
  return Rect;
}

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::Realign() {
  if (FAligning || Loading() || Destroying()) return;
  ++FAligning;
  RECT Client = ClientRect();
  AdjustClientRect(Client);
  std::vector<TControl*> Aligned;
  std::vector<TAlignItem> Items;
  for (TControl* Control : FControls) {
    if (Control->Align() == TAlign::alNone || !Control->Visible()) continue;
    Aligned.push_back(Control);
    Items.push_back(
        {Control->Align(), Bounds(Control->Left(), Control->Top(), Control->Width(), Control->Height())});
  }
  const std::vector<TRect> Placed = AlignBounds({Client.left, Client.top, Client.right, Client.bottom}, Items);
  for (std::size_t I = 0; I < Aligned.size(); ++I) {
    Aligned[I]->SetBounds(Placed[I].Left, Placed[I].Top, Placed[I].Width(), Placed[I].Height());
  }
  --FAligning;
}

void TWinControl::SetVisible(bool Value) {
  if (Value == Visible()) return;
  TControl::SetVisible(Value);
  if (FHandle) ShowWindow(FHandle.Get(), Value ? (Parent() ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
}

void TWinControl::SetEnabled(bool Value) {
  if (Value == Enabled()) return;
  if (FHandle) EnableWindow(FHandle.Get(), Value);
  TControl::SetEnabled(Value);
}

std::wstring TWinControl::Text() const {
  if (!FHandle) return FText;
  std::wstring Result(static_cast<std::size_t>(GetWindowTextLengthW(FHandle.Get())), L'\0');
  if (!Result.empty()) {
    const int Copied = GetWindowTextW(FHandle.Get(), Result.data(), static_cast<int>(Result.size()) + 1);
    Result.resize(static_cast<std::size_t>(std::max(0, Copied)));
  }
  return Result;
}

void TWinControl::SetText(const std::wstring& Value) {
  if (Value == Text()) return;
  FText = Value;
  if (FHandle) SetWindowTextW(FHandle.Get(), Value.c_str());
  Perform(CM_TEXTCHANGED);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle.Get(), nullptr, TRUE);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Stored tab orders in their order; a child without one keeps its place.
  std::vector<std::pair<int, TWinControl*>> Keyed;
  for (std::size_t I = 0; I < FTabList.size(); ++I) {
    const int Stored = FTabList[I]->FLoadedTabOrder;
    Keyed.emplace_back(Stored >= 0 ? Stored : static_cast<int>(I), FTabList[I]);
    FTabList[I]->FLoadedTabOrder = -1;
  }
  std::stable_sort(Keyed.begin(), Keyed.end(),
                   [](const auto& A, const auto& B) { return A.first < B.first; });
  for (std::size_t I = 0; I < Keyed.size(); ++I) FTabList[I] = Keyed[I].second;
  UpdateTabOrder();
  Realign();
}

bool TWinControl::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"TabOrder") {
    SetTabOrder(AsInteger(Value));
  } else if (PropertyName == L"TabStop") {
    SetTabStop(AsBoolean(Value));
  } else {
    return TControl::ReadProperty(PropertyName, Value);
  }
  return true;
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) return;
  if (Message.Msg >= CN_BASE && Message.Msg <= CN_LAST) {
    // A reflected notification nobody handled: what the parent's default would have done.
    const UINT Original = Message.Msg - CN_BASE;
    if (Original >= WM_CTLCOLORMSGBOX && Original <= WM_CTLCOLORSTATIC && Parent() && Parent()->FHandle) {
      Message.Result = DefWindowProcW(Parent()->FHandle.Get(), Original, Message.WParam, Message.LParam);
    }
    return;
  }
  Message.Result = CallWindowProcW(FDefWndProc, FHandle.Get(), Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (ReflectNotification(Message)) return;
      break;
    case WM_SETCURSOR:
      if (HandleSetCursor(Message)) return;
      break;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (OwnWindowClass()) {
        PaintHandler(Message);
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (OwnWindowClass()) {
        const RECT Client = ClientRect();
        const TUniqueBrush Brush(CreateSolidBrush(ColorToRGB(Color())));
        FillRect(reinterpret_cast<HDC>(Message.WParam), &Client, Brush.Get());
        Message.Result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      // Before the default handling, which sends WM_SIZE and WM_MOVE.
      SyncBoundsFromWindow();
      break;
    case WM_SIZE:
      DefaultHandler(Message);
      Realign();
      return;
    case WM_MOUSEMOVE:
      TrackMouse(Message);
      if (RouteMouseToGraphicChild(Message)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (RouteMouseToGraphicChild(Message)) return;
      if (ControlStyle().Contains(TControlStyleFlag::csClickEvents)) {
        // Our own capture, so that the button's release arrives even outside the window.
        // (A system control takes and releases its own: releasing it here first would cancel
        // a button's click.)
        if (Message.Msg == WM_LBUTTONDOWN) SetCapture(FHandle.Get());
        if (Message.Msg == WM_LBUTTONUP && GetCapture() == FHandle.Get()) ReleaseCapture();
      }
      break;
    case WM_CAPTURECHANGED:
      FCaptureControl = nullptr;
      break;
    case WM_MOUSELEAVE:
      SetMouseControl(nullptr);
      SetMouseInControl(false);
      Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
      break;
    case WM_DESTROY:
      FText = Text();
      SetMouseInControl(false);
      FMouseControl = nullptr;
      FCaptureControl = nullptr;
      break;
    case WM_NCDESTROY:
      DefaultHandler(Message);
      SetWindowLongPtrW(FHandle.Get(), GWLP_USERDATA, 0);
      FHandle.Release();
      return;
    case CM_FONTCHANGED:
      if (FHandle) SendMessageW(FHandle.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
      for (TControl* Control : FControls) {
        if (Control->ParentFont()) Control->TakeParentFont();
      }
      Invalidate();
      return;
    case CM_COLORCHANGED:
      for (TControl* Control : FControls) {
        if (Control->ParentColor()) Control->TakeParentColor();
      }
      Invalidate();
      return;
    default:
      break;
  }
  TControl::WndProc(Message);
}

bool TWinControl::ReflectNotification(TMessage& Message) {
  HWND Child = nullptr;
  switch (Message.Msg) {
    case WM_COMMAND:
      Child = reinterpret_cast<HWND>(Message.LParam);
      break;
    case WM_NOTIFY:
      Child = reinterpret_cast<const NMHDR*>(Message.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      if (Item->CtlType != ODT_MENU) Child = Item->hwndItem;
      break;
    }
    default:
      Child = reinterpret_cast<HWND>(Message.LParam);
      break;
  }
  TWinControl* Control = FromHandle(Child);
  if (!Control || Control == this) return false;
  Message.Result = Control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  return true;
}

bool TWinControl::HandleSetCursor(TMessage& Message) {
  // Only for our own window: a parent answering for its children would override theirs.
  if (reinterpret_cast<HWND>(Message.WParam) != FHandle.Get() || LOWORD(Message.LParam) != HTCLIENT)
    return false;
  POINT Point;
  GetCursorPos(&Point);
  ScreenToClient(FHandle.Get(), &Point);
  TCursor Wanted = Cursor();
  if (const TControl* Child = GraphicControlAtPos(Point); Child && Child->Cursor() != crDefault)
    Wanted = Child->Cursor();
  if (Wanted == crDefault) return false;
  ::SetCursor(CursorHandle(Wanted));
  Message.Result = TRUE;
  return true;
}

void TWinControl::TrackMouse(TMessage& Message) {
  if (!MouseInControl()) {
    SetMouseInControl(true);
    TRACKMOUSEEVENT Track{};
    Track.cbSize = sizeof(Track);
    Track.dwFlags = TME_LEAVE;
    Track.hwndTrack = FHandle.Get();
    TrackMouseEvent(&Track);
    Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
  }
  SetMouseControl(FCaptureControl ? FCaptureControl : GraphicControlAtPos(PointFromLParam(Message.LParam)));
}

void TWinControl::SetMouseControl(TControl* Control) {
  if (Control == FMouseControl) return;
  TControl* const Old = std::exchange(FMouseControl, Control);
  if (Old) {
    Old->SetMouseInControl(false);
    Old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Old));
  }
  if (Control) {
    Control->SetMouseInControl(true);
    Control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Control));
  }
}

bool TWinControl::RouteMouseToGraphicChild(TMessage& Message) {
  const POINT Point = PointFromLParam(Message.LParam);
  TControl* Target = FCaptureControl ? FCaptureControl : GraphicControlAtPos(Point);
  if (!Target) return false;
  if (IsButtonDown(Message.Msg)) {
    FCaptureControl = Target;
    SetCapture(FHandle.Get());
  }
  const bool Release = IsButtonUp(Message.Msg) && FCaptureControl == Target;
  if (Release) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle.Get()) ReleaseCapture();
  }
  const LPARAM Local =
      MAKELPARAM(static_cast<WORD>(Point.x - Target->Left()), static_cast<WORD>(Point.y - Target->Top()));
  Message.Result = Target->Perform(Message.Msg, Message.WParam, Local);
  return true;
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintHandler(TMessage& Message) {
  if (Message.WParam) {
    const HDC DC = reinterpret_cast<HDC>(Message.WParam);
    if (Message.Msg == WM_PRINTCLIENT && (Message.LParam & PRF_ERASEBKGND))
      Perform(WM_ERASEBKGND, Message.WParam);
    PaintWindow(DC);
    PaintControls(DC);
  } else {
    const TPaintDC Paint(FHandle.Get());
    PaintWindow(Paint.Get());
    PaintControls(Paint.Get());
  }
  Message.Result = 0;
}

void TWinControl::PaintControls(HDC DC) {
  for (TControl* Control : FControls) {
    if (dynamic_cast<TWinControl*>(Control) || !Control->Visible() || Control->Width() <= 0 ||
        Control->Height() <= 0) {
      continue;
    }
    const RECT Bounds = Control->BoundsRect();
    if (!RectVisible(DC, &Bounds)) continue;
    const TSavedDCState Saved(DC);
    IntersectClipRect(DC, Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
    POINT Origin;
    GetViewportOrgEx(DC, &Origin);
    SetViewportOrgEx(DC, Origin.x + Bounds.left, Origin.y + Bounds.top, nullptr);
    Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  }
}
