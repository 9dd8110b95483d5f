// What the skin engine's Windows tests share: skins made in memory and a manager read with
// one of them, as the main window's stored description reads its manager.
#pragma once

#include <string>

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/sStoredSkins.h"

class TForm;
class TsPanel;
class TsSkinManager;

// A container holding only Options.dat with the text Options.
TBytes SkinContainer(const std::string& Options);
// Options.dat and Master as "Master.bmp" (name it with MASTERBITMAP=MASTER.BMP).
TBytes SkinContainer(const std::string& Options, const TBitmap32& Master);
TsStoredSkin StoredSkin(const wchar_t* Name, const std::string& Options);
// Reads Manager as a stored description does, its one internal skin "Test" of Options, and
// no external skins to find.
void ReadManagerWithSkin(TsSkinManager& Manager, const std::string& Options);
// The same with a master bitmap.
void ReadManagerWithSkin(TsSkinManager& Manager, const std::string& Options, const TBitmap32& Master);

// A skinned panel on Form at Bounds (form coordinates), loaded as a stored description makes
// it; the form is shown and the panel painted once.
TsPanel* ShownPanel(TForm& Form, const TRect& Bounds);
