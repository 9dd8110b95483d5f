// TCustomPanel / TPanel: a container window of its own class with a bevelled frame and a
// centred caption. The bevels and the border narrow the area its aligned children share.
#pragma once

#include "framework/CustomControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);
  // Space between the outer and the inner bevel, in the panel's colour.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  // The panel's face shows its parent's colour instead of its own.
  bool ParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool Value);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(RECT& Rect) const override;
  void Paint() override;

 private:
  TBevelCut FBevelInner = TBevelCut::bvNone;
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  bool FParentBackground = false;

  void FrameChanged();
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};
