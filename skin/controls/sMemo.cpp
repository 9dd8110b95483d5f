// Sections: creation; colours; messages.
#include "skin/controls/sMemo.h"

#include <algorithm>

#include "framework/PrivateMessages.h"
#include "skin/store/sSkinStore.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

// ---- Creation ----

TsMemo::TsMemo(TComponent* AOwner) : TsSkinnedControl(AOwner, cocMemo, "TsMemo", FixedSection("EDIT")) {
  // Added after the skin data's own hook, so it sees the messages first; the subclass,
  // added later still, sees them before this.
  FMemoHandling = AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (!SkinnedMessage(Message, Next)) Next(Message);
    AfterChain(Message);
  });
}

// The subclass goes first, then the bound label, then the skin data.
TsMemo::~TsMemo() {
  FListSW.reset();
  FRetiredSW.reset();
}

void TsMemo::Loaded() {
  TsSkinnedControl::Loaded();
  FBoundLabel.UpdateVisibility();
  Attach();
}

bool TsMemo::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  constexpr std::wstring_view Prefix = L"BoundLabel.";
  if (PropertyName.starts_with(Prefix) && FBoundLabel.ReadProperty(PropertyName.substr(Prefix.size()), Value))
    return true;
  return TsSkinnedControl::ReadProperty(PropertyName, Value);
}

void TsMemo::SetDisabledKind(TsDisabledKind Value) {
  if (Value == FDisabledKind) return;
  FDisabledKind = Value;
  if (!Enabled()) FCommonData.Invalidate(false);
}

void TsMemo::CreateWnd() {
  TsSkinnedControl::CreateWnd();
  if (!Loading()) Attach();
}

void TsMemo::Attach() {
  if (!Loading() && HandleAllocated()) AttachEditSubclass(FCommonData, FListSW);
}

// ---- Colours ----

void TsMemo::FollowSectionColors() {
  if (!FCommonData.Skinned()) return;
  const TsGeneralData& Section =
      FCommonData.SkinManager()->Store().gd()[static_cast<std::size_t>(FCommonData.SkinIndex)];
  const int State = Section.States > 1 && FCommonData.HotState() > 0 ? 1 : 0;
  const TsGenState& Props = Section.Props[static_cast<std::size_t>(State)];
  if (!FCommonData.CustomColor() && Color() != Props.Color) {
    FCommonData.SavedColor = Color();
    SetColor(Props.Color);
    FCommonData.BGChanged = true;
  }
  if (!FCommonData.CustomFont() && Font().Color() != Props.FontColor.Color) {
    FCommonData.CtrlSkinState |= csSettingFontColor;
    Font().SetColor(Props.FontColor.Color);
    FCommonData.CtrlSkinState &= static_cast<std::uint16_t>(~csSettingFontColor);
  }
}

// ---- Messages ----

bool TsMemo::SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (!FCommonData.Skinned()) return false;
      FollowSectionColors();
      if (FCommonData.FUpdating && Message.WParam == 0) {
        ValidateRect(Handle(), nullptr);
        Message.Result = 0;
        return true;
      }
      return false;
    case WM_KEYDOWN:
      if (Message.WParam != 'A' || GetKeyState(VK_CONTROL) >= 0) return false;
      SelectAll();
      Message.Result = 0;
      return true;
    case CM_RECREATEWND:
      // The subclass let go of the window when the skin went; now the window comes back
      // with its native frame.
      if (!FRetiredSW) return true;
      FRetiredSW.reset();
      RecreateWnd();
      return true;
    case CM_FONTCHANGED:
      Next(Message);
      if (HandleAllocated() && IsWindowVisible(Handle()))
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return true;
    case WM_SKINCOMMAND:
      return SkinCommand(Message, Next);
    default:
      return false;
  }
}

void TsMemo::SelectAll() {
  SendMessageW(Handle(), EM_SETSEL, 0, -1);
  // The character the key has already put in the queue (Ctrl+A is 1) would only beep.
  MSG Pending;
  PeekMessageW(&Pending, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE);
}

bool TsMemo::SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next) {
  if (!IsOwnSkinCommand(HandleAllocated() ? Handle() : nullptr, Message)) return false;
  const bool FromOurs = Message.LParam == reinterpret_cast<LPARAM>(FCommonData.SkinManager());
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_SKIN_REMOVED:
      Next(Message);
      if (FromOurs) SkinRemoved();
      return true;
    case SKC_REPAINT:
      Attach();
      Next(Message);
      if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return true;
    default:
      return false;
  }
}

void TsMemo::SkinRemoved() {
  if (!FListSW) return;
  FListSW->Unhook();
  FListSW->RestoreStdParams();
  FRetiredSW = std::move(FListSW);
  if (HandleAllocated()) PostMessageW(Handle(), CM_RECREATEWND, 0, 0);
}

void TsMemo::AfterChain(const TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFONT:
    case CM_ENABLEDCHANGED:
      FCommonData.Invalidate(false);
      break;
    case CM_VISIBLECHANGED:
      FCommonData.Invalidate(false);
      Attach();
      break;
    case EM_SCROLLCARET:
      if (OnScrollCaret) OnScrollCaret(this);
      break;
    case WM_VSCROLL:
      if (OnVScroll) OnVScroll(this);
      break;
    default:
      break;
  }
}
