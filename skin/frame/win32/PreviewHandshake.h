// The hand-shake with a skin editor that previews skins in the running program. Started
// with "/acpreview" as its first parameter, the program is in preview mode until its main
// form shows; that form becomes the preview target and is announced to the editor's window
// ("Norvexas Editor") with WM_SKINPREVIEW / SKINPREVIEW_HANDSHAKE. From then on a preview
// block the editor sends to the target (WM_COPYDATA, COPYDATA_SKINPREVIEW) goes the way of
// the skin manager's preview channel. Win32.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Message.h"

class TCustomForm;
class TsSkinManager;

inline constexpr wchar_t SkinEditorTitle[] = L"Norvexas Editor";
// The editor is asked this often at most until it answers 1.
inline constexpr int SkinEditorAttempts = 101;

class TPreviewHandshake {
 public:
  // The one of the process, which every form provider uses.
  static TPreviewHandshake& Process();

  // A provider is made: the process goes into preview mode when Arguments (the program's
  // parameters, without its name) begin with exactly "/acpreview".
  void ProviderCreated(const std::vector<std::wstring>& Arguments);
  bool PreviewMode() const { return FPreviewMode; }
  // The form whose window takes preview blocks; null before one showed in preview mode.
  HWND Target() const { return FTarget; }

  // Form shows (the framework's showing change). In preview mode the application's main
  // form (or any form while there is no main form) becomes the target, preview mode ends
  // and the editor is told; true when Form became the target.
  bool FormShowing(TCustomForm& Form);
  // The same for a form window that Application's main-form question was answered for.
  bool FormShowing(HWND Form, bool MainFormOrNone);

  // A WM_COPYDATA that the form Form has passed on and left unanswered (Result 0): true when
  // it was a preview block for the target, which Manager has then taken.
  bool CopyData(HWND Form, const TMessage& Message, TsSkinManager* Manager) const;

 private:
  bool FPreviewMode = false;
  HWND FTarget = nullptr;
};

// Tells the editor's window, while there is one, that Form takes previews, until it answers
// 1 or SkinEditorAttempts messages went unanswered. How many were sent.
int AnnounceToSkinEditor(HWND Form);
