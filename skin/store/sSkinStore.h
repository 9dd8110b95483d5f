// TsSkinStore: the data half of the skin manager. It turns a description and its images
// into the arrays every painter indexes, and answers the lookups. The Win32 manager owns
// one (or derives from it) and adds the lifecycle: which skin to load, error boxes,
// broadcasts, brushes and device contexts.
// Portable.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/store/SkinDescription.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/sSkinData.h"

// What the store needs to know of the system it runs on.
struct TsSystemInfo {
  // RGB of a system colour index (GetSysColor on Windows).
  std::function<TColor(int Index)> Color;
  int FrameWidth = 4;               // the sizing frame's width: FORMOFFSET's default
  bool DesktopComposition = false;  // DesktopCompositionEnabled
};

class TsSkinStore {
 public:
  TsSkinStore();

  // ---- The skin (read by painters, rebuilt by every load)
  TsGeneralDataArray gd;
  TsMaskArray ma;
  TacOutEffArray oe;
  TConstantSkinData ConstData;
  TacPaletteArray Palette{};
  TBitmap32 MasterBitmap;
  TacExtArray ExtArray;
  TsSkinData CommonSkinData;
  bool SkinIsPacked = false;
  int FHueOffset = 0;
  int FSaturation = 0;
  int FBrightness = 0;
  TRect FormShadowSize;

  TsSystemInfo System;

  // ---- Loading
  // The loading sequence once the description is at hand: LoadAllMasks,
  // LoadAllGeneralData, InitConstantIndexes (with InitMaskIndexes and CheckShadows). Images
  // come from Package when it is given, else from CommonSkinData.SkinPath. No description:
  // the arrays stay empty but for TRANSPARENT and MAINCOLOR, the palette holds defaults.
  // CommonSections is the application's text merged into every skin: its sections join the
  // section array and the .BMP files it names become extra pictures (ignored without a
  // description).
  // Throws ESkinError (conversion errors); what was built until then stays.
  void LoadSkin(const TSkinDescription* Description, const TacSkinConvertor* Package,
                const TSkinDescription& CommonSections = TSkinDescription());

  void LoadAllMasks();
  void LoadAllGeneralData();
  void InitConstantIndexes();
  void InitMaskIndexes();
  void CheckShadows();
  // Frees every picture, ExtArray and the master bitmap.
  void ReleasePictures();

  // The decoded image of a separate file (UpperName already upper case), cached in
  // ExtArray; null when there is no such file. An image that could not be decoded is an
  // empty bitmap, which callers treat as no image.
  std::shared_ptr<const TBitmap32> LoadSkinImage(const std::string& UpperName);

  // ---- Lookups (linear, by exact name; -1 is none)
  int GetSkinIndex(std::string_view SectionName) const;
  int GetMaskIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropertyName) const;
  int GetMaskIndex(std::string_view SkinSection, std::string_view PropertyName) const;
  int GetMaskIndex(int SkinIndex, std::string_view PropertyName) const;
  int GetTextureIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropName) const;
  int GetTextureIndex(int SkinIndex, std::string_view PropName) const;
  bool IsValidSkinIndex(int Index) const { return Index >= 0 && Index < static_cast<int>(gd.size()); }
  bool IsValidImgIndex(int Index) const { return Index >= 0 && Index < static_cast<int>(ma.size()); }
  std::vector<std::string> GetSkinSections() const;
  std::string GetSkinInfo() const;
  static std::string GetVersion() { return "12.08"; }

  // ---- Palette accessors
  TColor GetGlobalColor() const { return Palette[pcMainColor]; }
  TColor GetGlobalFontColor() const { return Palette[pcLabelText]; }
  TColor GetActiveEditColor() const { return Palette[pcEditBG]; }
  TColor GetActiveEditFontColor() const { return Palette[pcEditText]; }
  TColor GetHighLightColor(bool Focused) const { return Palette[Focused ? pcSelectionBG_Focused : pcSelectionBG]; }
  TColor GetHighLightFontColor(bool Focused) const {
    return Palette[Focused ? pcSelectionText_Focused : pcSelectionText];
  }

  // A system colour constant as RGB; any other colour unchanged.
  TColor ColorToRGB(TColor Color) const;

 private:
  // Steps of the loaders, in the files named after them.
  void AddPicturesOfKey(int Section, const TSkinKey& Key);
  void AddSeparateImage(int Section, const TSkinKey& Key, const std::string& Value);
  TsMaskData& AddPicture(int Section, std::string_view ClassName, std::string_view PropertyName);
  void LoadMasterBitmap();
  void AddCommonPictures();
  // A .BMP file of the common text, from disk; null when missing, unreadable or empty.
  std::shared_ptr<const TBitmap32> LoadCommonImage(const std::string& Name) const;
  void LoadGlobalInfo();
  void LoadOuterEffect(int Index, const char* Prefix);
  void MergeCommonSections();
  void FillPalette();
  void AddDefaultSections();
  void AdjustColors();
  TacConstElementData ElementData(int SkinIndex) const;

  // Valid only while LoadSkin runs.
  const TSkinDescription* FDescription = nullptr;
  const TacSkinConvertor* FPackage = nullptr;
  const TSkinDescription* FCommonSections = nullptr;
  std::array<int, GlowingGlyphCount> FTitleGlowCounts{};
};

// A corner of any state picture of a border holds the key colour (CornerType 1)?
bool HasKeyColorCorner(TConstBitmapView Source, const TsMaskData& Picture);
