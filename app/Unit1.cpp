#include "app/Unit1.h"

#include "app/CommandTable.h"
#include "framework/DescriptionReader.h"

namespace {

// The classes a stored description of this program may name.
TComponentClasses StoredClasses() {
  return {
      {L"TsPanel", ClassFactory<TsPanel>()},     {L"TsMemo", ClassFactory<TsMemo>()},
      {L"TsButton", ClassFactory<TsButton>()},   {L"TsEdit", ClassFactory<TsEdit>()},
      {L"TsLabel", ClassFactory<TsLabel>()},     {L"TsLabelFX", ClassFactory<TsLabelFX>()},
      {L"TsImage", ClassFactory<TsImage>()},     {L"TsSkinManager", ClassFactory<TsSkinManager>()},
  };
}

}  // namespace

template <class T>
T& TForm1::Stored(std::wstring_view Name) const {
  T* Component = FindComponent<T>(Name);
  if (!Component) throw EDescriptionError("the stored description lacks a component the window needs");
  return *Component;
}

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
  // "TFORM1" is the RCDATA entry of resources/quorvane.rc.in.
  ReadDescription(*this, LoadDescriptionResource(L"TFORM1"), StoredClasses());
  sPanel1 = &Stored<TsPanel>(L"sPanel1");
  sMemo1 = &Stored<TsMemo>(L"sMemo1");
  sPanel2 = &Stored<TsPanel>(L"sPanel2");
  sButton1 = &Stored<TsButton>(L"sButton1");
  sEdit1 = &Stored<TsEdit>(L"sEdit1");
  sButton2 = &Stored<TsButton>(L"sButton2");
  sButton3 = &Stored<TsButton>(L"sButton3");
  sButton4 = &Stored<TsButton>(L"sButton4");
  sButton5 = &Stored<TsButton>(L"sButton5");
  sButton6 = &Stored<TsButton>(L"sButton6");
  sButton7 = &Stored<TsButton>(L"sButton7");
  sButton8 = &Stored<TsButton>(L"sButton8");
  sButton9 = &Stored<TsButton>(L"sButton9");
  sButton10 = &Stored<TsButton>(L"sButton10");
  sButton11 = &Stored<TsButton>(L"sButton11");
  sLabel1 = &Stored<TsLabel>(L"sLabel1");
  sEdit2 = &Stored<TsEdit>(L"sEdit2");
  sLabel2 = &Stored<TsLabel>(L"sLabel2");
  sSkinManager1 = &Stored<TsSkinManager>(L"sSkinManager1");
  sImage1 = &Stored<TsImage>(L"sImage1");
  sImage2 = &Stored<TsImage>(L"sImage2");
  sButton12 = &Stored<TsButton>(L"sButton12");
  sLabelFX1 = &Stored<TsLabelFX>(L"sLabelFX1");
  sLabelFX2 = &Stored<TsLabelFX>(L"sLabelFX2");
  sLabelFX3 = &Stored<TsLabelFX>(L"sLabelFX3");
}

TForm1::~TForm1() {
  // The window goes with the program: its runners must not deliver to it any more, and the
  // commands they run end with it.
  for (TCmdThread* Runner : FRunners) {
    Runner->FOnCmdLine = nullptr;
    Runner->OnTerminate = nullptr;
    Runner->Stop();
  }
}

TNotifyEvent TForm1::MethodAddress(const std::wstring& MethodName) {
  const std::pair<const wchar_t*, void (TForm1::*)(TObject*)> Methods[] = {
      {L"sButton1Click", &TForm1::sButton1Click}, {L"sButton2Click", &TForm1::sButton2Click},
      {L"sImage1Click", &TForm1::sImage1Click},   {L"sImage2Click", &TForm1::sImage2Click},
      {L"sLabelFX3Click", &TForm1::sLabelFX3Click},
  };
  for (const auto& [Name, Method] : Methods)
    if (MethodName == Name) return [this, Method](TObject* Sender) { (this->*Method)(Sender); };
  for (const TCommand& Command : FixedCommands())
    if (MethodName == Command.Handler)
      return [this, CmdLine = std::wstring(Command.CmdLine)](TObject*) { RunCommand(CmdLine); };
  return TForm::MethodAddress(MethodName);
}

void TForm1::sButton1Click(TObject*) { RunCommand(PingCommandLine(sEdit1->Text(), sEdit2->Text())); }

void TForm1::sButton2Click(TObject*) {
  if (CmdThread && !CmdThread->FStoped) CmdThread->Stop();
}

void TForm1::sImage1Click(TObject*) { ShellOpen(nullptr, WebSite, nullptr, nullptr, SW_SHOW); }

void TForm1::sImage2Click(TObject*) { ShellOpen(L"open", DonationPage, L"", L"", SW_SHOWNORMAL); }

void TForm1::sLabelFX3Click(TObject*) { ShellOpen(nullptr, ContactMail, nullptr, nullptr, SW_SHOW); }

void TForm1::OnCmdLine(TObject* Sender) {
  // Each chunk exactly as it came: a line split between two reads stays one line.
  sMemo1->AppendText(static_cast<TCmdThread*>(Sender)->FOutCmdLine);
}

void TForm1::RunCommand(const std::wstring& CmdLine) {
  sMemo1->Clear();
  TCmdThread* Runner = StartRunner(CmdLine);
  CmdThread = Runner;
  FRunners.insert(Runner);
  Runner->FOnCmdLine = [this](TObject* Sender) { OnCmdLine(Sender); };
  Runner->OnTerminate = [this](TObject* Sender) {
    FRunners.erase(static_cast<TCmdThread*>(Sender));
    if (CmdThread == Sender) CmdThread = nullptr;
  };
}

TCmdThread* TForm1::StartRunner(const std::wstring& CmdLine) { return new TCmdThread(CmdLine); }

void TForm1::ShellOpen(const wchar_t* Verb, const std::wstring& Target, const wchar_t* Parameters,
                       const wchar_t* Directory, int ShowMode) {
  // The shell is loaded on the first link click, not at start: loading it (and all it
  // pulls in) would double the time until the window shows. It stays loaded until the end.
  using TShellExecuteW = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const auto Execute = reinterpret_cast<TShellExecuteW>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"shell32.dll"), "ShellExecuteW")));
  // The shell's answer is not looked at: a link that cannot open shows nothing.
  if (Execute) Execute(Handle(), Verb, Target.c_str(), Parameters, Directory, ShowMode);
}
