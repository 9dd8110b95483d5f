#include "skin/frame/win32/PreviewHandshake.h"

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/PrivateMessages.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

// An editor that stops answering must not hold the program: each question waits this long.
constexpr UINT EditorAnswerTimeoutMs = 1000;

}  // namespace

TPreviewHandshake& TPreviewHandshake::Process() {
  static TPreviewHandshake TheHandshake;
  return TheHandshake;
}

void TPreviewHandshake::ProviderCreated(const std::vector<std::wstring>& Arguments) {
  if (!Arguments.empty() && Arguments.front() == L"/acpreview") FPreviewMode = true;
}

bool TPreviewHandshake::FormShowing(TCustomForm& Form) {
  if (!Form.HandleAllocated()) return false;
  const bool MainFormOrNone = !Application || !Application->MainForm() || Application->MainForm() == &Form;
  return FormShowing(Form.Handle(), MainFormOrNone);
}

bool TPreviewHandshake::FormShowing(HWND Form, bool MainFormOrNone) {
  if (!FPreviewMode || !Form || !MainFormOrNone) return false;
  FTarget = Form;
  FPreviewMode = false;
  AnnounceToSkinEditor(Form);
  return true;
}

bool TPreviewHandshake::CopyData(HWND Form, const TMessage& Message, TsSkinManager* Manager) const {
  if (!FTarget || Form != FTarget || Message.Msg != WM_COPYDATA || Message.WParam != COPYDATA_SKINPREVIEW ||
      Message.Result != 0 || !Manager)
    return false;
  return Manager->TakePreviewBlock(reinterpret_cast<const COPYDATASTRUCT*>(Message.LParam));
}

int AnnounceToSkinEditor(HWND Form) {
  int Sent = 0;
  while (Sent < SkinEditorAttempts) {
    const HWND Editor = FindWindowW(nullptr, SkinEditorTitle);
    if (!Editor) break;
    DWORD_PTR Answer = 0;
    ++Sent;
    if (SendMessageTimeoutW(Editor, WM_SKINPREVIEW, SKINPREVIEW_HANDSHAKE, reinterpret_cast<LPARAM>(Form),
                            SMTO_ABORTIFHUNG, EditorAnswerTimeoutMs, &Answer) &&
        Answer == 1)
      break;
  }
  return Sent;
}
