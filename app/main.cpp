// Quorvane: runs the system's network diagnostic commands and shows their output live.
#include <windows.h>

#include "app/Unit1.h"
#include "framework/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TApplication App;
  App.Initialize();
  // The taskbar button belongs to the main window itself.
  App.MainFormOnTaskBar = true;
  App.CreateForm<TForm1>();
  App.Run();
  return 0;
}
