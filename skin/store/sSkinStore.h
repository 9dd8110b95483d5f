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
#include <unordered_map>
#include <vector>

#include "skin/store/SkinDescription.h"
#include "skin/store/KeyColorCorners.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/sSkinData.h"

// What the store needs to know of the system it runs on.
struct TsSystemInfo {
  // RGB of a system colour index (GetSysColor on Windows).
  std::function<TColor(int Index)> Color;
  int FrameWidth = 4;               // the sizing frame's width: FORMOFFSET's default
  bool DesktopComposition = false;  // DesktopCompositionEnabled
};

// The skin a load builds: what the painters read.
struct TsSkin {
  TsGeneralDataArray gd;
  TsMaskArray ma;
  TacOutEffArray oe;
  TConstantSkinData ConstData;
  TacPaletteArray Palette{};
  TBitmap32 MasterBitmap;
  TacExtArray ExtArray;
  TsSkinData CommonSkinData;
  // The extended border's shadow: its widths and the pictures of the active and inactive
  // form (empty without extended borders).
  TRect FormShadowSize;
  TBitmap32 ShdaTemplate;
  TBitmap32 ShdiTemplate;
};

// The shadow pictures of the program itself, for skins without a frame-and-shadow image.
struct TsBuiltInShadows {
  TBitmap32 Active;
  TBitmap32 Inactive;
};

// Not copyable: painters hold a pointer to the store while the skin inside it changes.
class TsSkinStore {
 public:
  TsSkinStore();
  // A store of a skin assembled in code (the lookups are indexed as after a load).
  explicit TsSkinStore(TsSkin Skin);
  TsSkinStore(const TsSkinStore&) = delete;
  TsSkinStore& operator=(const TsSkinStore&) = delete;

  // ---- The skin (read by painters, replaced by every load)
  const TsGeneralDataArray& gd() const { return FSkin.gd; }
  const TsMaskArray& ma() const { return FSkin.ma; }
  const TacOutEffArray& oe() const { return FSkin.oe; }
  const TConstantSkinData& ConstData() const { return FSkin.ConstData; }
  const TacPaletteArray& Palette() const { return FSkin.Palette; }
  const TBitmap32& MasterBitmap() const { return FSkin.MasterBitmap; }
  const TacExtArray& ExtArray() const { return FSkin.ExtArray; }
  const TsSkinData& CommonSkinData() const { return FSkin.CommonSkinData; }
  const TRect& FormShadowSize() const { return FSkin.FormShadowSize; }
  const TBitmap32& ShdaTemplate() const { return FSkin.ShdaTemplate; }
  const TBitmap32& ShdiTemplate() const { return FSkin.ShdiTemplate; }
  // Set by the manager while the skin is applied.
  void SetActive(bool Active) { FSkin.CommonSkinData.Active = Active; }

  // ---- What the next load uses
  const TsSystemInfo& System() const { return FSystem; }
  void SetSystem(TsSystemInfo System) { FSystem = std::move(System); }
  // The folder an unpacked skin's files are read from.
  void SetSkinPath(std::filesystem::path Path) { FSkinPath = std::move(Path); }
  void SetHueOffset(int Degrees) { FHueOffset = Degrees; }
  void SetSaturation(int Percent) { FSaturation = Percent; }
  void SetBrightness(int Percent) { FBrightness = Percent; }
  // Forms get a layered extended border with a shadow: the load then picks the shadow's
  // widths and pictures, from the skin's EXBORDER image or else from BuiltIn.
  void SetExtendedBorders(bool On, TsBuiltInShadows BuiltIn) {
    FExtendedBorders = On;
    FBuiltInShadows = std::move(BuiltIn);
  }

  // ---- Loading
  // Builds a skin in a fresh store and takes it only when that succeeded: on an error this
  // store keeps the skin it had, whole. The loading sequence once the description is at
  // hand: LoadAllMasks, LoadAllGeneralData, InitConstantIndexes (with InitMaskIndexes and
  // CheckShadows). Images come from Package when it is given, else from the skin path. No
  // description: the arrays stay empty but for TRANSPARENT and MAINCOLOR, the palette holds
  // defaults. CommonSections is the application's text merged into every skin: its sections
  // join the section array and the .BMP files it names become extra pictures (ignored
  // without a description).
  // Throws ESkinError: conversion errors, a skin too large, not enough memory.
  void LoadSkin(const TSkinDescription* Description, const TacSkinConvertor* Package,
                const TSkinDescription& CommonSections = TSkinDescription());
  // Frees every picture and empties every array (skinning switched off).
  void ReleaseSkin();

  // ---- Lookups (by exact name, through hash maps; -1 is none)
  int GetSkinIndex(std::string_view SectionName) const;
  int GetMaskIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropertyName) const;
  int GetMaskIndex(std::string_view SkinSection, std::string_view PropertyName) const;
  int GetMaskIndex(int SkinIndex, std::string_view PropertyName) const;
  int GetTextureIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropName) const;
  int GetTextureIndex(int SkinIndex, std::string_view PropName) const;
  bool IsValidSkinIndex(int Index) const { return Index >= 0 && Index < static_cast<int>(FSkin.gd.size()); }
  bool IsValidImgIndex(int Index) const { return Index >= 0 && Index < static_cast<int>(FSkin.ma.size()); }
  std::vector<std::string> GetSkinSections() const;
  std::string GetSkinInfo() const;
  static std::string GetVersion() { return "12.08"; }

  // ---- Palette accessors
  TColor GetGlobalColor() const { return FSkin.Palette[pcMainColor]; }
  TColor GetGlobalFontColor() const { return FSkin.Palette[pcLabelText]; }
  TColor GetActiveEditColor() const { return FSkin.Palette[pcEditBG]; }
  TColor GetActiveEditFontColor() const { return FSkin.Palette[pcEditText]; }
  TColor GetHighLightColor(bool Focused) const {
    return FSkin.Palette[Focused ? pcSelectionBG_Focused : pcSelectionBG];
  }
  TColor GetHighLightFontColor(bool Focused) const {
    return FSkin.Palette[Focused ? pcSelectionText_Focused : pcSelectionText];
  }

  // A system colour constant as RGB; any other colour unchanged.
  TColor ColorToRGB(TColor Color) const;

 private:
  // Swaps in the skin and lookups of Fresh.
  void TakeSkinOf(TsSkinStore& Fresh);
  // The whole load into this (fresh) store.
  void Build(const TSkinDescription* Description, const TacSkinConvertor* Package,
             const TSkinDescription& CommonSections);
  void LoadAllMasks();
  void LoadAllGeneralData();
  void InitConstantIndexes();
  void InitMaskIndexes();
  void CheckShadows();
  // The decoded image of a separate file (UpperName already upper case), cached in
  // ExtArray; null when there is no such file. An image that could not be decoded is an
  // empty bitmap, which callers treat as no image.
  std::shared_ptr<const TBitmap32> LoadSkinImage(const std::string& UpperName);

  // Steps of the loaders, in the files named after them.
  void AddPicturesOfKey(int Section, const TSkinKey& Key, TKeyColorCorners& Corners);
  void AddSeparateImage(int Section, const TSkinKey& Key, const std::string& Value, TKeyColorCorners& Corners);
  TsMaskData& AddPicture(int Section, std::string_view ClassName, std::string_view PropertyName);
  void AddSection(TsGeneralData Section);
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
  // The lookups' maps over the finished section and picture arrays.
  void IndexPictures();
  // The first picture of Section and Property in one of the maps below, or -1.
  static int FirstPicture(const std::unordered_map<std::string, int>& Pictures, int Section,
                          std::string_view Property);
  TacConstElementData ElementData(int SkinIndex) const;
  // Match(section index, section name) along the parent chain of SkinIndex, starting with
  // SkinSection as the section's name; the first answer that is not -1.
  template <class TMatch>
  int SearchWithParents(int SkinIndex, std::string_view SkinSection, TMatch Match) const;

  TsSkin FSkin;
  // Section name to its first index in gd.
  std::unordered_map<std::string, int> FSectionIndex;
  // Per section, the index of its PARENTCLASS section (-1 none or itself).
  std::vector<int> FParents;
  // First picture by "section index / property" and "section name / property", all and
  // textures only.
  std::unordered_map<std::string, int> FPictureBySection, FTextureBySection;
  std::unordered_map<std::string, int> FPictureByName, FTextureByName;
  // ExtArray's position of each file name.
  std::unordered_map<std::string, std::size_t> FExtIndex;

  TsSystemInfo FSystem;
  std::filesystem::path FSkinPath;
  int FHueOffset = 0;
  int FSaturation = 0;
  int FBrightness = 0;
  bool FExtendedBorders = false;
  TsBuiltInShadows FBuiltInShadows;

  // Valid only while a load runs.
  const TSkinDescription* FDescription = nullptr;
  const TacSkinConvertor* FPackage = nullptr;
  const TSkinDescription* FCommonSections = nullptr;
  std::array<int, GlowingGlyphCount> FTitleGlowCounts{};
};
