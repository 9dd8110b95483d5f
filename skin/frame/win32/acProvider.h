// Frames attach themselves to forms: the default skin manager's hook reports every window
// it sees activated, and SkinFormOnActivate gives a form that should be skinned a
// TacProvider, which owns the form's TsSkinProvider. Both are owned by the form, so the
// frame lives and dies with it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/Component.h"

class TCustomForm;
class TsSkinProvider;

// A form whose Tag holds every bit of ExceptTag is never skinned automatically.
inline std::intptr_t ExceptTag = 256;

class TacProvider : public TComponent {
 public:
  explicit TacProvider(TCustomForm* AForm);
  ~TacProvider() override;

  TCustomForm* Form() const { return FForm; }
  TsSkinProvider* Provider() const { return FProvider; }

 private:
  TCustomForm* const FForm;
  TsSkinProvider* FProvider;  // owned by the form
};

// Every TacProvider alive, in the order they were made.
const std::vector<TacProvider*>& acProviders();

// Attaches a frame to Window's form when it should have one and has none yet.
void SkinFormOnActivate(HWND Window);
