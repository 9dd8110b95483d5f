// TCustomForm / TForm: a top-level window holding controls. Closing the application's main
// form ends the application's message loop.
#pragma once

#include <windows.h>

#include "framework/Handles.h"
#include "gfx/Set.h"
#include "framework/WinControl.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poScreenCenter };

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  // Where the window appears when its window is created: as designed (Left, Top), where the
  // system puts new windows (poDefault also lets it choose the size of a sizeable form), or
  // centred on the work area.
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }

  // The window size follows from the client size and the frame of the current style.
  void SetClientWidth(int Value);
  void SetClientHeight(int Value);
  RECT ClientRect() const override;

  int PixelsPerInch() const { return FPixelsPerInch; }
  int TextHeight() const { return FTextHeight; }

  // Big and small icon from an icon resource of this program.
  void LoadIconResource(const wchar_t* ResourceName);

  void SetVisible(bool Value) override;
  void Show();
  void Hide() { SetVisible(false); }
  // Hides the form; for the application's main form also ends the application.
  void Close();

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition FPosition = TPosition::poDesigned;
  int FPixelsPerInch = 96;
  int FTextHeight = 13;
  int FLoadedClientWidth = -1;  // client size stored while loading, applied by Loaded
  int FLoadedClientHeight = -1;
  TUniqueIcon FBigIcon;
  TUniqueIcon FSmallIcon;

  void FrameStyle(DWORD& Style, DWORD& ExStyle) const;
  SIZE FrameSize() const;
  bool IsMainForm() const;
  void ApplyIcons();
  HWND DefaultButtonWindow(bool Cancel) const;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};
