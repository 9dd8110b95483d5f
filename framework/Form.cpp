#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/Button.h"
#include "framework/core/DescriptionValues.h"

namespace {

// The first button below Container (depth first, child order) that Wanted accepts.
TButton* FindButton(const TWinControl& Container, bool (*Wanted)(const TButton&)) {
  for (TControl* Control : Container.Controls()) {
    if (auto* Button = dynamic_cast<TButton*>(Control); Button && Wanted(*Button)) return Button;
    if (auto* Child = dynamic_cast<TWinControl*>(Control)) {
      if (TButton* Found = FindButton(*Child, Wanted)) return Found;
    }
  }
  return nullptr;
}

bool IsDefaultButton(const TButton& Button) {
  return Button.Default() && Button.Enabled() && Button.Visible();
}
bool IsCancelButton(const TButton& Button) { return Button.Cancel() && Button.Enabled() && Button.Visible(); }

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
}

TCustomForm::~TCustomForm() {
  if (Application) Application->FormDestroyed(this);
}

bool TCustomForm::IsMainForm() const { return Application && Application->MainForm() == this; }

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TCustomForm::FrameStyle(DWORD& Style, DWORD& ExStyle) const {
  Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  ExStyle = 0;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
      Style |= WS_POPUP;
      return;
    case TFormBorderStyle::bsSingle:
      Style |= WS_CAPTION;
      break;
    case TFormBorderStyle::bsSizeable:
      Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case TFormBorderStyle::bsDialog:
      Style |= WS_POPUP | WS_CAPTION;
      ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (FBorderIcons.Contains(TBorderIcon::biSystemMenu)) Style |= WS_SYSMENU;
  const bool MinMax = FBorderStyle != TFormBorderStyle::bsDialog;
  if (MinMax && FBorderIcons.Contains(TBorderIcon::biMinimize)) Style |= WS_MINIMIZEBOX;
  if (MinMax && FBorderIcons.Contains(TBorderIcon::biMaximize)) Style |= WS_MAXIMIZEBOX;
  // The system shows the help button only without minimize and maximize buttons.
  if (FBorderIcons.Contains(TBorderIcon::biHelp) && !(Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
    ExStyle |= WS_EX_CONTEXTHELP;
  }
}

SIZE TCustomForm::FrameSize() const {
  if (HandleAllocated()) {
    const HWND Window = const_cast<TCustomForm*>(this)->Handle();
    RECT WindowRect;
    RECT Client;
    GetWindowRect(Window, &WindowRect);
    GetClientRect(Window, &Client);
    return {(WindowRect.right - WindowRect.left) - Client.right,
            (WindowRect.bottom - WindowRect.top) - Client.bottom};
  }
  DWORD Style;
  DWORD ExStyle;
  FrameStyle(Style, ExStyle);
  RECT Rect{0, 0, 0, 0};
  AdjustWindowRectEx(&Rect, Style, FALSE, ExStyle);
  return {Rect.right - Rect.left, Rect.bottom - Rect.top};
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  const SIZE Frame = FrameSize();
  return {0, 0, Width() - Frame.cx, Height() - Frame.cy};
}

void TCustomForm::SetClientWidth(int Value) {
  if (Loading()) {
    FLoadedClientWidth = Value;
    return;
  }
  SetWidth(Value + FrameSize().cx);
}

void TCustomForm::SetClientHeight(int Value) {
  if (Loading()) {
    FLoadedClientHeight = Value;
    return;
  }
  SetHeight(Value + FrameSize().cy);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"QvForm";
  FrameStyle(Params.Style, Params.ExStyle);
  if (Visible()) Params.Style |= WS_VISIBLE;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  switch (FPosition) {
    case TPosition::poDesigned:
      break;
    case TPosition::poDefault:
    case TPosition::poDefaultPosOnly:
      Params.X = CW_USEDEFAULT;
      Params.Y = CW_USEDEFAULT;
      if (FPosition == TPosition::poDefault && FBorderStyle == TFormBorderStyle::bsSizeable) {
        Params.Width = CW_USEDEFAULT;
        Params.Height = CW_USEDEFAULT;
      }
      break;
    case TPosition::poScreenCenter: {
      RECT Work;
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
      Params.X = Work.left + (Work.right - Work.left - Width()) / 2;
      Params.Y = Work.top + (Work.bottom - Work.top - Height()) / 2;
      break;
    }
  }
  // Which window owns the form decides whose button the taskbar shows.
  Params.WndParent = nullptr;
  if (Application) {
    const bool Main = !Application->MainForm() || Application->MainForm() == this;
    if (!Application->MainFormOnTaskBar) {
      Params.WndParent = Application->Handle();
    } else if (Main) {
      Params.ExStyle |= WS_EX_APPWINDOW;
    } else {
      Params.WndParent = Application->MainForm()->Handle();
    }
  }
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyIcons();
}

void TCustomForm::LoadIconResource(const wchar_t* ResourceName) {
  const HINSTANCE Instance = GetModuleHandleW(nullptr);
  TUniqueIcon Big(static_cast<HICON>(LoadImageW(
      Instance, ResourceName, IMAGE_ICON, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  TUniqueIcon Small(static_cast<HICON>(LoadImageW(
      Instance, ResourceName, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  // The window lets go of the old icons before they are destroyed.
  std::swap(FBigIcon, Big);
  std::swap(FSmallIcon, Small);
  ApplyIcons();
}

void TCustomForm::ApplyIcons() {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FBigIcon.Get()));
  SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FSmallIcon.Get()));
}

void TCustomForm::SetVisible(bool Value) {
  if (Value) HandleNeeded();
  TWinControl::SetVisible(Value);
}

void TCustomForm::Show() {
  SetVisible(true);
  BringWindowToTop(Handle());
}

void TCustomForm::Close() {
  if (IsMainForm()) Application->Terminate();
  Hide();
}

HWND TCustomForm::DefaultButtonWindow(bool Cancel) const {
  TButton* Button = FindButton(*this, Cancel ? IsCancelButton : IsDefaultButton);
  return Button && Button->HandleAllocated() ? Button->Handle() : nullptr;
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case DM_GETDEFID:
      // Enter in the form (IsDialogMessageW) clicks the default button.
      if (const HWND Button = DefaultButtonWindow(false)) {
        Message.Result = MAKELRESULT(GetDlgCtrlID(Button), DC_HASDEFID);
        return;
      }
      break;
    case WM_COMMAND:
      // IsDialogMessageW finds only direct children by id: for Enter and Esc it may send the
      // command without a control window.
      if (Message.LParam == 0 && HIWORD(Message.WParam) == BN_CLICKED) {
        const int Id = LOWORD(Message.WParam);
        const HWND Button = DefaultButtonWindow(Id == IDCANCEL);
        if (Button && (Id == IDCANCEL || GetDlgCtrlID(Button) == Id)) {
          if (auto* Control = FromHandle(Button)) Control->Click();
          return;
        }
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(Message);
}

void TCustomForm::Loaded() {
  const int ClientW = std::exchange(FLoadedClientWidth, -1);
  const int ClientH = std::exchange(FLoadedClientHeight, -1);
  TWinControl::Loaded();
  if (ClientW >= 0) SetClientWidth(ClientW);
  if (ClientH >= 0) SetClientHeight(ClientH);
}

bool TCustomForm::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"BorderStyle") {
    SetBorderStyle(AsEnum<TFormBorderStyle>(Value, {{L"bsNone", TFormBorderStyle::bsNone},
                                                    {L"bsSingle", TFormBorderStyle::bsSingle},
                                                    {L"bsSizeable", TFormBorderStyle::bsSizeable},
                                                    {L"bsDialog", TFormBorderStyle::bsDialog}}));
  } else if (PropertyName == L"BorderIcons") {
    SetBorderIcons(AsSet<TBorderIcon>(Value, {{L"biSystemMenu", TBorderIcon::biSystemMenu},
                                              {L"biMinimize", TBorderIcon::biMinimize},
                                              {L"biMaximize", TBorderIcon::biMaximize},
                                              {L"biHelp", TBorderIcon::biHelp}}));
  } else if (PropertyName == L"Position") {
    SetPosition(AsEnum<TPosition>(Value, {{L"poDesigned", TPosition::poDesigned},
                                          {L"poDefault", TPosition::poDefault},
                                          {L"poDefaultPosOnly", TPosition::poDefaultPosOnly},
                                          {L"poScreenCenter", TPosition::poScreenCenter}}));
  } else if (PropertyName == L"ClientWidth") {
    SetClientWidth(AsInteger(Value));
  } else if (PropertyName == L"ClientHeight") {
    SetClientHeight(AsInteger(Value));
  } else if (PropertyName == L"PixelsPerInch") {
    FPixelsPerInch = AsInteger(Value);
  } else if (PropertyName == L"TextHeight") {
    FTextHeight = AsInteger(Value);
  } else {
    return TWinControl::ReadProperty(PropertyName, Value);
  }
  return true;
}
