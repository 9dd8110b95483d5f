// Quorvane: runs the system's network diagnostic commands and shows their output live.
#include <windows.h>

#include "app/Unit1.h"
#include "framework/Application.h"
#include "framework/ProgramArguments.h"
#include "skin/frame/win32/acProvider.h"
#include "skin/store/win32/SkinManagerStartup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TApplication App;
  App.Initialize();
  // Before the main window: /acver shows its box first, and the skin manager the main
  // window holds finds the shadow templates and system facts ready.
  const TsManagerUnit ManagerUnit = StartSkinManagerUnit(ProgramArguments());
  // The taskbar button belongs to the main window itself.
  App.MainFormOnTaskBar = true;
  TForm1* Form1 = App.CreateForm<TForm1>();
  // Every form the manager sees activated gets its skinned frame, the main window first.
  Form1->sSkinManager1->OnWindowActivated = SkinFormOnActivate;
  App.Run();
  return 0;
}
