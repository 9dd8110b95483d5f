// TApplication: the program's message loop, its hidden application window, its forms and its
// synchronizer for worker threads. One per program; Application points at it while it lives.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Component.h"
#include "framework/Message.h"
#include "framework/Synchronizer.h"
#include "framework/UtilityWindow.h"
#include "framework/WindowProcErrors.h"

class TCustomForm;

// Sees a message of the application window before anyone else; true marks it handled (the
// hook then sets Message.Result).
using TWindowHook = std::function<bool(TMessage& Message)>;
using THookId = int;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  // Start-up of the application before its forms are made; nothing needs preparing beyond
  // what the constructor did, and the call stays for the start-up order programs follow.
  void Initialize();
  // The main form owns the taskbar button (WS_EX_APPWINDOW, no owner window) instead of
  // the hidden application window. Set before the main form's window is created.
  bool MainFormOnTaskBar = false;

  // The hidden top-level application window.
  HWND Handle() const { return FWindow.Handle(); }
  const std::wstring& Title() const { return FTitle; }

  TCustomForm* MainForm() const { return FMainForm; }
  // Creates a form owned by the application; the first one becomes the main form.
  template <class TFormClass>
  TFormClass* CreateForm() {
    auto* Form = new TFormClass(this);
    if (!FMainForm) FMainForm = Form;
    return Form;
  }

  THookId HookMainWindow(TWindowHook Hook);
  void UnhookMainWindow(THookId Id);

  // Shows the main form and handles messages until the application terminates (the main
  // form closes, Terminate, or WM_QUIT).
  void Run();
  // Handles every message waiting now and returns.
  void ProcessMessages();
  // Ends the message loop (posts WM_QUIT).
  void Terminate();
  bool Terminated() const { return FTerminated; }

 private:
  friend class TCustomForm;
  std::wstring FTitle;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  std::vector<std::pair<THookId, TWindowHook>> FHooks;
  THookId FLastHookId = 0;
  TErrorReporterScope FErrorReporting;  // errors in message handlers: the error box
  TSynchronizer FSynchronizer;  // the process's main synchronizer, for worker threads
  TUtilityWindow FWindow;

  bool WindowMessage(TMessage& Message);
  void HandleMessage(MSG& Msg);
  void FormDestroyed(const TCustomForm* Form);
};

// The running application; null before it is made and after it is gone.
extern TApplication* Application;
