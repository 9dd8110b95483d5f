// The main window: an output pane on the left; the host and packet-size fields, twelve
// command buttons and the links on the right. Created from its stored description.
#pragma once

#include <set>
#include <string>

#include "app/UCmdLine.h"
#include "framework/Form.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sLabelFX.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPanel.h"
#include "skin/store/win32/sSkinManager.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* AOwner);
  ~TForm1() override;

  // Components, in declaration order; the window owns them.
  TsPanel* sPanel1 = nullptr;
  TsMemo* sMemo1 = nullptr;
  TsPanel* sPanel2 = nullptr;
  TsButton* sButton1 = nullptr;
  TsEdit* sEdit1 = nullptr;
  TsButton* sButton2 = nullptr;
  TsButton* sButton3 = nullptr;
  TsButton* sButton4 = nullptr;
  TsButton* sButton5 = nullptr;
  TsButton* sButton6 = nullptr;
  TsButton* sButton7 = nullptr;
  TsButton* sButton8 = nullptr;
  TsButton* sButton9 = nullptr;
  TsButton* sButton10 = nullptr;
  TsButton* sButton11 = nullptr;
  TsLabel* sLabel1 = nullptr;
  TsEdit* sEdit2 = nullptr;
  TsLabel* sLabel2 = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;
  TsImage* sImage1 = nullptr;
  TsImage* sImage2 = nullptr;
  TsButton* sButton12 = nullptr;
  TsLabelFX* sLabelFX1 = nullptr;
  TsLabelFX* sLabelFX2 = nullptr;
  TsLabelFX* sLabelFX3 = nullptr;

  // The most recently started runner while it runs; cleared when it ends (its OnTerminate
  // runs on this thread before it deletes itself), so Stop never reaches a deleted runner.
  TCmdThread* CmdThread = nullptr;

  void sButton1Click(TObject* Sender);
  void sButton2Click(TObject* Sender);
  void sImage1Click(TObject* Sender);
  void sImage2Click(TObject* Sender);
  void sLabelFX3Click(TObject* Sender);
  void OnCmdLine(TObject* Sender);

  TNotifyEvent MethodAddress(const std::wstring& MethodName) override;

 protected:
  // Seams: how a command starts and how a link opens (tests replace them).
  virtual TCmdThread* StartRunner(const std::wstring& CmdLine);
  virtual void ShellOpen(const wchar_t* Verb, const std::wstring& Target, const wchar_t* Parameters,
                         const wchar_t* Directory, int ShowMode);

 private:
  template <class T>
  T& Stored(std::wstring_view Name) const;
  void RunCommand(const std::wstring& CmdLine);

  // Every runner still at work, so the window can let go of them when it goes.
  std::set<TCmdThread*> FRunners;
};

// The addresses behind the links.
inline constexpr wchar_t WebSite[] = L"www.example.com";
inline constexpr wchar_t DonationPage[] = L"https://www.example.com/donate";
inline constexpr wchar_t ContactMail[] = L"mailto:contact@example.com";
