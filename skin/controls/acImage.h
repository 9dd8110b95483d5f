// TsImage: a picture that can take a skin section's look. It owns its skin data (kind 50,
// section "CHECKBOX" unless it names another). Skinned, it composes its picture over its
// parent's background in its cached picture (section, then the picture resized with the
// Mitchell filter, centred, greyed, faded or reflected) and copies that to its parent's
// device context. An empty picture shows the background alone; an empty picture without a
// section, or an image whose skin data is updating, paints as the framework's image.
#pragma once

#include "framework/Image.h"
#include "skin/controls/SkinnedControl.h"

class TsImage : public TsSkinnedControl<TImage> {
 public:
  explicit TsImage(TComponent* AOwner);

  bool UseFullSize = false;

  bool Grayed() const { return FGrayed; }
  void SetGrayed(bool Value);
  bool Reflected() const { return FReflected; }
  void SetReflected(bool Value);
  // Extra transparency of the picture, percent.
  int Blend() const { return FBlend; }
  void SetBlend(int Value);
  bool Empty() const { return Picture().Empty(); }

  // Whatever asks for a repaint (the picture, a way of fitting it, a move or resize) asks
  // for composing anew.
  void Invalidate() override;
  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void Paint() override;

 private:
  bool FGrayed = false;
  bool FReflected = false;
  int FBlend = 0;
  // The picture must be composed again.
  bool ImageChanged = true;

  template <class T>
  void SetLook(T& Field, T Value);
  // False when the parent's picture is not ready (or is empty): nothing was composed.
  bool ComposeCache();
};
