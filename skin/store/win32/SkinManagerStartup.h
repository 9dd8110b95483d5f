// The start-up work of the skin manager's unit, done once before the main window is
// created: the facts and pictures every skin manager of the run shares.
#pragma once

#include <span>
#include <string>

#include "framework/SystemBindings.h"
#include "gfx/Bitmap32.h"

// Made once by the program and kept for its run.
struct TsManagerUnit {
  // The system is of the NT family: the default manager may hook the application window.
  bool IsNTFamily = false;
  // The built-in form-shadow templates (resources acSHDA and acSHDI, 33 x 33), used when a
  // skin has no frame-and-shadow image of its own; empty if a resource cannot be decoded.
  TBitmap32 ShdaTemplate;  // active form
  TBitmap32 ShdiTemplate;  // inactive form
  // For Loaded when the scale mode asks for it; null when the system lacks it.
  TSetProcessDPIAware SetProcessDPIAware = nullptr;
};

// Runs the start-up and keeps its result for the run (a later start-up replaces it).
// Arguments are the program's command-line parameters (without its name); the first that
// is the version switch shows the version in a plain message box, and the start-up goes on
// when the box is closed.
const TsManagerUnit& StartSkinManagerUnit(std::span<const std::wstring> Arguments);
// What the start-up found; null before it ran.
const TsManagerUnit* ManagerUnit();
