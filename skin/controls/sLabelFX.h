// TsLabelFX: a label with effects — a blurred drop shadow computed per pixel over what lies
// behind it, text turned by an angle, and a choice of where its text colour comes from
// (TsKind). Its shadow settings (TsShadow) may follow the skin's first shadow.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/DibSection.h"
#include "skin/controls/core/LabelShadow.h"
#include "skin/controls/sLabel.h"

class TsLabelFX;

enum TsKindType : int { ktStandard, ktCustom, ktSkin };

// Where the text colour comes from: the label's Color (ktStandard), Color here (ktCustom) or
// the skin (ktSkin). Each change repaints the label.
class TsKind {
 public:
  explicit TsKind(TsLabelFX& AOwner) : FOwner(AOwner) {}
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TsKindType KindType() const { return FKindType; }
  void SetKindType(TsKindType Value);

 private:
  TsLabelFX& FOwner;
  TColor FColor = 0xFFFFFF;
  TsKindType FKindType = ktSkin;
};

// The label's own shadow settings and the extents its bounds were last made for. A change
// of the distance, blur or mode moves the label so that its text stays in place.
class TsShadow {
 public:
  explicit TsShadow(TsLabelFX& AOwner) : FOwner(AOwner) {}
  int Distance() const { return FDistance; }
  void SetDistance(int Value);
  int BlurCount() const { return FBlurCount; }
  void SetBlurCount(int Value);
  // Reuse the shadow picture between paints until the label changes.
  bool Buffered() const { return FBuffered; }
  void SetBuffered(bool Value) { FBuffered = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TsShadowMode Mode() const { return FMode; }
  void SetMode(TsShadowMode Value);
  int AlphaValue() const { return FAlphaValue; }
  void SetAlphaValue(int Value);
  TacOffsetKeeper OffsetKeeper;

 private:
  TsLabelFX& FOwner;
  int FDistance = 1;
  int FBlurCount = 4;
  bool FBuffered = false;
  TColor FColor = 0;
  TsShadowMode FMode = smSkin1;
  std::uint8_t FAlphaValue = 255;
};

class TsLabelFX : public TsCustomLabel {
 public:
  explicit TsLabelFX(TComponent* AOwner);

  // Degrees, counter-clockwise. A non-zero angle turns word wrap off.
  int Angle() const { return FAngle; }
  void SetAngle(int Value);
  TsKind& Kind() { return FKind; }
  TsShadow& Shadow() { return FShadow; }

  // The shadow drawn now: none, the label's own or the skin's.
  TShadowData CurrentShadowData() const;
  bool ShadowExists() const { return FShadow.Mode() != smNone; }
  // Resizes and moves the label when the shadow's extents differ from those its bounds
  // were made for.
  void UpdatePosition();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Invalidate() override;
  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  TColor CurrentFontColor() override;
  void DoDrawText(RECT& Rect, UINT Flags) override;
  void AdjustBounds() override;
  bool SkinCommand(TMessage& Message) override;

 private:
  int FAngle = 0;
  bool IntPosChanging = false;
  // The shadow picture must be made again.
  bool FNeedInvalidate = true;
  // The shadow picture: the label's size, what lies behind darkened by the blurred text.
  std::optional<TDibSection> FMask;
  std::vector<std::uint8_t> FMaskBits;
  TsShadow FShadow{*this};
  TsKind FKind{*this};

  // The colour of the plain path (while loading, or with neither shadow nor section).
  TColor PlainFontColor() const;
  // The label's font turned by Angle; none without an angle.
  std::optional<TUniqueFont> RotatedFont();
  // Text in Font (the label's when null) at T, turned when there is an angle.
  void DrawTextAt(HDC DC, HFONT Font, const std::wstring& Text, RECT T, UINT Flags, TColor Color);
  // Makes FMask the shadow picture for text at T.
  bool BuildShadowPicture(HDC Canvas, HFONT Font, const std::wstring& Text, RECT T, UINT Flags,
                          const TShadowData& Shadow);
};
