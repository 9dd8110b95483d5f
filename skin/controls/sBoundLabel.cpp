// Sections: the label; activation and placing; settings; the owner's messages.
#include "skin/controls/sBoundLabel.h"

#include <utility>

#include "framework/PrivateMessages.h"
#include "framework/WinControl.h"
#include "framework/core/DescriptionValues.h"
#include "skin/store/win32/SkinCommands.h"

// ---- The label ----

TsEditLabel::TsEditLabel(TComponent* AOwner, TsBoundLabel& ABoundLabel) : TsLabel(AOwner), FBoundLabel(ABoundLabel) {}

TsEditLabel::~TsEditLabel() { FBoundLabel.LabelGone(); }

TsBoundLabel::TsBoundLabel(TControl* Owner)
    : FOwnerControl(Owner),
      FOwnerHook(Owner->AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
        Next(Message);
        HandleOwnerMsg(Message);
      })) {
  FFont.OnChange = [this](TObject*) {
    FParentFont = false;
    if (FTheLabel) FTheLabel->Font().Assign(FFont);
  };
}

TsBoundLabel::~TsBoundLabel() {
  if (FTheLabel && !FTheLabel->Destroying()) delete std::exchange(FTheLabel, nullptr);
}

bool TsBoundLabel::LabelEnabled() const { return FOwnerControl->Enabled() || FEnabledAlways; }

// ---- Activation and placing ----

void TsBoundLabel::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  UpdateVisibility();
}

void TsBoundLabel::UpdateVisibility() {
  if (FActive && !FTheLabel) {
    FTheLabel = new TsEditLabel(nullptr, *this);
    TsEditLabel& Label = *FTheLabel;
    if (!FParentFont) Label.Font().Assign(FFont);
    Label.SetVisible(false);
    Label.FocusControl = FOwnerControl;
    Label.UseHTML = FUseHTML;
    Label.SetParent(FOwnerControl->Parent());
    Label.SetAlignment(BoundLabelAlignment(FLayout));
    Label.SetName(FOwnerControl->Name() + L"Label");
    if (FText.empty()) FText = FOwnerControl->Name();
    Label.SetCaption(FText);
    Label.SetVisible(FOwnerControl->Visible());
    Label.SetEnabled(LabelEnabled());
    Label.SetAutoSize(true);
    AlignLabel();
  } else if (!FActive && FTheLabel) {
    delete std::exchange(FTheLabel, nullptr);
  }
  ApplyAllowClick();
}

void TsBoundLabel::ApplyAllowClick() {
  if (!FTheLabel) return;
  FTheLabel->OnClick = nullptr;
  if (FAllowClick) FTheLabel->OnClick = [Owner = FOwnerControl](TObject*) { Owner->Click(); };
}

void TsBoundLabel::AlignLabel() {
  if (!FTheLabel || !FTheLabel->Visible()) return;
  TsEditLabel& Label = *FTheLabel;
  Label.SetAlign(TAlign::alNone);
  Label.SetBounds(Label.Left(), Label.Top(), BoundLabelWidth(FMaxWidth), 0);
  Label.SetWordWrap(true);
  Label.SetAutoSize(true);
  Label.SetEnabled(LabelEnabled());
  Label.UseHTML = FUseHTML;
  // Measured again at the wrapping width: the text's widest line and its height.
  Label.AdjustBounds();
  const RECT F = FOwnerControl->BoundsRect();
  const TPoint At = BoundLabelPosition(FLayout, {F.left, F.top, F.right, F.bottom}, Label.Width(), Label.Height(),
                                       FOffset, FIndent);
  Label.SetBounds(At.X, At.Y, Label.Width(), Label.Height());
  if (FLayout == sclLeft && FOwnerControl->Align() == TAlign::alLeft) {
    Label.SetAlign(TAlign::alLeft);
    Label.SetLayout(TTextLayout::tlCenter);
  }
  Label.SetParent(FOwnerControl->Parent());
}

void TsBoundLabel::Replace() {
  if (FActive) AlignLabel();
}

void TsBoundLabel::UpdateScale(int NewPercent) {
  FMaxWidth = ScaledMaxWidth(FMaxWidth, NewPercent, ScalePercent);
  Replace();
  ScalePercent = NewPercent;
}

// ---- Settings ----

void TsBoundLabel::SetUseHTML(bool Value) {
  if (Value == FUseHTML) return;
  FUseHTML = Value;
  Replace();
}

void TsBoundLabel::SetAllowClick(bool Value) {
  FAllowClick = Value;
  ApplyAllowClick();
}

void TsBoundLabel::SetEnabledAlways(bool Value) {
  if (Value == FEnabledAlways) return;
  FEnabledAlways = Value;
  Replace();
}

bool TsBoundLabel::UseSkinColor() const { return FTheLabel ? FTheLabel->UseSkinColor() : true; }

void TsBoundLabel::SetUseSkinColor(bool Value) {
  if (FTheLabel) FTheLabel->SetUseSkinColor(Value);
}

void TsBoundLabel::SetParentFont(bool Value) {
  FParentFont = Value;
  if (!FTheLabel) return;
  if (Value) {
    FTheLabel->SetParentFont(true);
    const auto Notify = std::exchange(FFont.OnChange, nullptr);
    FFont.Assign(FTheLabel->Font());
    FFont.OnChange = Notify;
  } else {
    FTheLabel->Font().Assign(FFont);
  }
}

void TsBoundLabel::SetFont(const TFont& Value) {
  if (!FTheLabel) return;
  FTheLabel->Font().Assign(Value);
  FTheLabel->SetParent(FOwnerControl->Parent());
  FParentFont = false;
  Replace();
}

void TsBoundLabel::SetIndent(int Value) {
  if (Value == FIndent) return;
  FIndent = Value;
  Replace();
}

void TsBoundLabel::SetMaxWidth(int Value) {
  if (Value == FMaxWidth) return;
  FMaxWidth = Value;
  Replace();
}

void TsBoundLabel::SetOffset(int Value) {
  if (Value == FOffset) return;
  FOffset = Value;
  Replace();
}

void TsBoundLabel::SetCaption(const std::wstring& Value) {
  if (Value == FText) return;
  FText = Value;
  if (FTheLabel) FTheLabel->SetCaption(Value);
  Replace();
}

void TsBoundLabel::SetLayout(TsCaptionLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  if (FTheLabel) FTheLabel->SetAlignment(BoundLabelAlignment(Value));
  Replace();
}

bool TsBoundLabel::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Active") return FActive = AsBoolean(Value), true;
  if (PropertyName == L"Caption") return SetCaption(AsString(Value)), true;
  if (PropertyName == L"Indent") return SetIndent(AsInteger(Value)), true;
  if (PropertyName == L"Offset") return SetOffset(AsInteger(Value)), true;
  if (PropertyName == L"MaxWidth") return SetMaxWidth(AsInteger(Value)), true;
  if (PropertyName == L"EnabledAlways") return SetEnabledAlways(AsBoolean(Value)), true;
  if (PropertyName == L"AllowClick") return SetAllowClick(AsBoolean(Value)), true;
  if (PropertyName == L"Layout") {
    SetLayout(AsEnum<TsCaptionLayout>(
        Value, {{L"sclLeft", sclLeft}, {L"sclTopLeft", sclTopLeft}, {L"sclTopCenter", sclTopCenter},
                {L"sclTopRight", sclTopRight}, {L"sclLeftTop", sclLeftTop}, {L"sclBottomLeft", sclBottomLeft},
                {L"sclBottomCenter", sclBottomCenter}, {L"sclBottomRight", sclBottomRight}, {L"sclRight", sclRight},
                {L"sclRightTop", sclRightTop}}));
    return true;
  }
  return false;
}

// ---- The owner's messages ----

void TsBoundLabel::HandleOwnerMsg(const TMessage& Message) {
  if (!FTheLabel) return;
  switch (Message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      AlignLabel();
      break;
    case CM_VISIBLECHANGED:
      FTheLabel->SetVisible(FOwnerControl->Visible());
      AlignLabel();
      break;
    case CM_ENABLEDCHANGED:
      FTheLabel->SetEnabled(LabelEnabled());
      AlignLabel();
      break;
    case WM_SKINCOMMAND: {
      auto* Windowed = dynamic_cast<TWinControl*>(FOwnerControl);
      const HWND Window = Windowed && Windowed->HandleAllocated() ? Windowed->Handle() : nullptr;
      if (IsOwnSkinCommand(Window, Message) && SkinCommandCode(Message.WParam) == SKC_SET_SCALE)
        UpdateScale(static_cast<int>(Message.LParam));
      break;
    }
    default:
      break;
  }
}
