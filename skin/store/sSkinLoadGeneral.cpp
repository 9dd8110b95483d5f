// LoadAllGeneralData: the skin-wide values of [GLOBALINFO], the outer effects, one
// TsGeneralData per section (keys inherited through PARENTCLASS), the sections of the
// common text, the palette and the two sections every skin has.
// Sections: key readers (global, inherited); state and section keys; LoadAllGeneralData
// and [GLOBALINFO]; outer effects; common sections; palette; TRANSPARENT and MAINCOLOR.
#include <algorithm>
#include <array>
#include <unordered_map>

#include "gfx/ColorOps.h"
#include "skin/store/Blur5.h"
#include "skin/store/ParentChains.h"
#include "skin/store/SkinValues.h"
#include "skin/store/sSkinStore.h"

namespace {

constexpr const char* GlobalInfo = "GLOBALINFO";

// Keys of [GLOBALINFO], read as written (no inheritance; negative numbers are kept).
class TGlobalReader {
 public:
  explicit TGlobalReader(const TSkinDescription& Description) : FD(Description) {}
  int Int(const std::string& Key, int Default) const {
    const std::string* Value = FD.Find(GlobalInfo, Key);
    return Value ? StrToIntDef(*Value, Default) : Default;
  }
  // A 64-bit number kept in 32 bits.
  TColor Int64(const std::string& Key, TColor Default) const {
    const std::string* Value = FD.Find(GlobalInfo, Key);
    const std::optional<std::int64_t> Number = Value ? TryParseInteger(*Value) : std::nullopt;
    return Number ? static_cast<TColor>(static_cast<std::uint32_t>(*Number)) : Default;
  }
  std::string Text(const std::string& Key) const {
    const std::string* Value = FD.Find(GlobalInfo, Key);
    return Value ? *Value : std::string();
  }

 private:
  const TSkinDescription& FD;
};

// Which section each section of a description inherits a key from: looked up in the
// section, then its PARENTCLASS, its parent's, and so on. The chain ends at a section
// without parent, with "?", at a parent that names itself or no section, and at a section it
// has passed already, which ends any loop. Each key is resolved once for all sections.
class TInheritance {
 public:
  explicit TInheritance(const TSkinDescription& Description) : FD(Description) {
    const std::vector<TSkinSection>& Sections = FD.Sections();
    FParents.assign(Sections.size(), -1);
    for (std::size_t S = 0; S < Sections.size(); ++S) {
      const std::string* Parent = FD.Find(static_cast<int>(S), "PARENTCLASS");
      if (Parent && !Parent->empty() && *Parent != "?" && *Parent != Sections[S].Name)
        FParents[S] = FD.SectionIndex(*Parent);
    }
  }

  // The section whose value of Key Section reads (-1: none along its chain).
  int Text(int Section, std::string_view Key) { return Answer(FTexts, Section, Key, false); }
  // The same for a number: a value that does not parse or is negative counts as absent.
  int Number(int Section, std::string_view Key) { return Answer(FNumbers, Section, Key, true); }

  const TSkinDescription& Description() const { return FD; }

 private:
  using TAnswers = std::unordered_map<std::string, std::vector<int>>;

  int Answer(TAnswers& Answers, int Section, std::string_view Key, bool AsNumber) {
    auto Found = Answers.find(std::string(Key));
    if (Found == Answers.end()) {
      const auto HasOwn = [&](int S) {
        const std::string* Value = FD.Find(S, Key);
        return Value != nullptr && (!AsNumber || StrToIntDef(*Value, -1) >= 0);
      };
      Found = Answers.emplace(std::string(Key), AnsweringSections(FParents, HasOwn)).first;
    }
    return Found->second[static_cast<std::size_t>(Section)];
  }

  const TSkinDescription& FD;
  std::vector<int> FParents;
  TAnswers FTexts, FNumbers;
};

// Per-section keys of one section: inherited through Inheritance, or, without it, only the
// section's own keys (a section of the common text: its parent's values come from the
// skin's section array, not from the common text).
class TInheritedReader {
 public:
  TInheritedReader(TInheritance& Inheritance, int Section)
      : FD(Inheritance.Description()), FSection(Section), FInheritance(&Inheritance) {}
  TInheritedReader(const TSkinDescription& Description, int Section) : FD(Description), FSection(Section) {}

  // The section's own value, never inherited.
  const std::string* Own(std::string_view Key) const { return FD.Find(FSection, Key); }

  // The first value present along the chain, or null.
  const std::string* Text(std::string_view Key) const {
    return FInheritance ? FD.Find(FInheritance->Text(FSection, Key), Key) : Own(Key);
  }
  // An integer or colour: a value that does not parse or is negative counts as absent.
  int Int(std::string_view Key, int Default) const {
    const std::string* Value = FInheritance ? FD.Find(FInheritance->Number(FSection, Key), Key) : Own(Key);
    const int Number = Value ? StrToIntDef(*Value, -1) : -1;
    return Number < 0 ? Default : Number;
  }
  int IntAtMost(std::string_view Key, int Default, int Maximum) const { return std::min(Int(Key, Default), Maximum); }
  bool Boolean(std::string_view Key, bool Default) const {
    const std::string* Value = Text(Key);
    return Value ? ParseBoolean(*Value) : Default;
  }

 private:
  const TSkinDescription& FD;
  int FSection;
  TInheritance* FInheritance = nullptr;
};

// The keys of one state: normal, hot, third.
struct TStateKeys {
  const char* Color;
  const char* FontColor;
  const char* Left;
  const char* Top;
  const char* Right;
  const char* Bottom;
  const char* GlowColor;
  const char* GlowSize;
  const char* GradientPercent;
  const char* GradientData;
  const char* ImagePercent;
  const char* Transparency;
};
constexpr std::array<TStateKeys, 3> StateKeys{{
    {"COLOR", "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM", "GCOL", "GSIZE", "GRADIENTPERCENT",
     "GRADIENTDATA", "IMAGEPERCENT", "TRANSPARENCY"},
    {"HOTCOLOR", "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "HGCOL", "HGSIZE",
     "HOTGRADIENTPERCENT", "HOTGRADIENTDATA", "HOTIMAGEPERCENT", "HOTTRANSPARENCY"},
    {"COLOR2", "FONTCOLOR2", "TCLEFT2", "TCTOP2", "TCRIGHT2", "TCBOTTOM2", "GCOL2", "GSIZE2", "GRADIENTPERCENT2",
     "GRADIENTDATA2", "IMAGEPERCENT2", "TRANSPARENCY2"},
}};

// The keys of one state applied over State: an absent key keeps its value (for a skin's
// own section, the state defaults).
TsGenState ReadState(const TInheritedReader& Reader, const TStateKeys& Keys, TsGenState State) {
  State.Color = Reader.Int(Keys.Color, State.Color);
  State.FontColor.Color = Reader.Int(Keys.FontColor, State.FontColor.Color);
  State.FontColor.Left = Reader.Int(Keys.Left, State.FontColor.Left);
  State.FontColor.Top = Reader.Int(Keys.Top, State.FontColor.Top);
  State.FontColor.Right = Reader.Int(Keys.Right, State.FontColor.Right);
  State.FontColor.Bottom = Reader.Int(Keys.Bottom, State.FontColor.Bottom);
  State.GlowColor = Reader.Int(Keys.GlowColor, State.GlowColor);
  State.GlowSize = Reader.Int(Keys.GlowSize, State.GlowSize);
  State.GradientPercent = Reader.Int(Keys.GradientPercent, State.GradientPercent);
  State.ImagePercent = Reader.Int(Keys.ImagePercent, State.ImagePercent);
  State.Transparency = Reader.Int(Keys.Transparency, State.Transparency);
  const std::string* Gradient = Reader.Text(Keys.GradientData);
  if (Gradient && Gradient->size() >= 4) {
    State.GradientArray = ParseGradient(*Gradient);
  } else if (Gradient || State.GradientArray.empty()) {
    // A text too short for a gradient, or no points at all: no gradient share either.
    State.GradientArray.clear();
    State.GradientPercent = 0;
  }
  return State;
}

// The keys of a section applied over Data (the defaults for a skin's own section).
TsGeneralData ReadSection(const TInheritedReader& Reader, TsGeneralData Data) {
  if (const std::string* Parent = Reader.Own("PARENTCLASS")) Data.ParentClass = *Parent;
  Data.ReservedBoolean = Reader.Boolean("RESERVEDBOOLEAN", Data.ReservedBoolean);
  Data.GiveOwnFont = Reader.Boolean("GIVEOWNFONT", Data.GiveOwnFont);
  Data.GlowCount = Reader.IntAtMost("GLOW", Data.GlowCount, 255);
  Data.GlowMargin = Reader.IntAtMost("GLOWMARGIN", Data.GlowMargin, 255);
  Data.States = Reader.IntAtMost("STATES", Data.States, 255);
  Data.OuterMode = Reader.Int("OUTERMODE", Data.OuterMode);
  const TRect Offset = Data.OuterOffset;
  Data.OuterOffset = {Reader.IntAtMost("OUTOFFSL", Offset.Left, 255), Reader.IntAtMost("OUTOFFST", Offset.Top, 255),
                      Reader.IntAtMost("OUTOFFSR", Offset.Right, 255), Reader.IntAtMost("OUTOFFSB", Offset.Bottom, 255)};
  Data.OuterOpacity = Reader.IntAtMost("OUTOPACITY", Data.OuterOpacity, 255);
  Data.Props[0] = ReadState(Reader, StateKeys[0], Data.Props[0]);
  Data.Props[1] = Data.States < 2 ? Data.Props[0] : ReadState(Reader, StateKeys[1], Data.Props[1]);
  Data.UseState2 = Reader.Int("USESTATE2", Data.UseState2 ? 1 : 0) == 1;
  Data.Props[2] = Data.UseState2 ? ReadState(Reader, StateKeys[2], Data.Props[2]) : Data.Props[1];
  return Data;
}

constexpr TColor Opaque(std::uint32_t Color) { return static_cast<TColor>(Color | 0xFF000000u); }
constexpr TColor Mix(TColor A, TColor B, int K) {
  return static_cast<TColor>(BlendTwoColors(static_cast<std::uint32_t>(A), static_cast<std::uint32_t>(B), K));
}

TsGeneralData DefaultSection(const char* Name, int Transparency, TColor Color, TColor FontColor) {
  TsGeneralData Section;
  Section.ClassName = Name;
  Section.States = 1;
  Section.OuterMode = 0;
  Section.OuterOpacity = 0;
  for (TsGenState& State : Section.Props) {
    State = TsGenState{};
    State.Transparency = Transparency;
    State.Color = Color;
    State.GlowColor = 0;
    State.FontColor.Color = FontColor;
  }
  return Section;
}

}  // namespace

void TsSkinStore::LoadAllGeneralData() {
  if (FDescription) {
    FSkin.CommonSkinData.Version = ParseVersion(TGlobalReader(*FDescription).Text("VERSION"));
    LoadGlobalInfo();
    TInheritance Inheritance(*FDescription);
    for (std::size_t S = 0; S < FDescription->Sections().size(); ++S) {
      TsGeneralData Data = ReadSection(TInheritedReader(Inheritance, static_cast<int>(S)), TsGeneralData());
      Data.ClassName = FDescription->Sections()[S].Name;
      AddSection(std::move(Data));
    }
    MergeCommonSections();
  }
  FillPalette();
  AddDefaultSections();
  AdjustColors();
}

void TsSkinStore::LoadGlobalInfo() {
  const TGlobalReader G(*FDescription);
  TsSkinData& D = FSkin.CommonSkinData;
  D.Author = G.Text("AUTHOR");
  D.Description = G.Text("DESCRIPTION");
  D.UseAeroBluring = G.Int("AEROBLUR", 0) != 0;
  D.Shadow1Color = G.Int("SHADOW1COLOR", 0);
  D.Shadow1Offset = G.Int("SHADOW1OFFSET", 0);
  D.Shadow1Blur = G.Int("SHADOW1BLUR", -1);
  D.Shadow1Transparency = G.Int("SHADOW1TRANSPARENCY", 0);
  D.ExBorderWidth = G.Int("BORDERWIDTH", 4);
  D.ExTitleHeight = G.Int("TITLEHEIGHT", 30);
  if (D.ExTitleHeight <= 0) D.ExTitleHeight = 30;
  D.ExMaxHeight = G.Int("MAXHEIGHT", D.ExTitleHeight);
  if (D.ExMaxHeight <= 0) D.ExMaxHeight = D.ExTitleHeight;
  D.ExCenterOffs = G.Int("CENTEROFFSET", 0);
  D.ExContentOffs = G.Int("FORMOFFSET", FSystem.FrameWidth);
  D.ExDrawMode = G.Int("BORDERMODE", 0);
  D.ExShadowOffs = G.Int("ALIGNOFFSET", 0);
  D.ExShadowOffsR = G.Int("ALIGNOFFSETR", D.ExShadowOffs);
  D.ExShadowOffsT = G.Int("ALIGNOFFSETT", D.ExShadowOffs);
  D.ExShadowOffsB = G.Int("ALIGNOFFSETB", D.ExShadowOffs);
  D.BrightMin = G.Int("BRIGHTMIN", -50);
  D.BrightMax = G.Int("BRIGHTMAX", 50);
  D.BISpacing = G.Int("BISPACE", 0);
  D.BIVAlign = G.Int("BIVALIGN", 0);
  D.BILeftMargin = G.Int("BILEFT", 0);
  D.BIRightMargin = G.Int("BIRIGHT", 0);
  D.BITopMargin = G.Int("BITOP", 0);
  D.BIKeepHUE = G.Int("BIKEEPHUE", 0);
  D.ComboBoxMargin = G.Int("COMBOMARGIN", 2);
  D.SliderMargin = G.Int("SLIDERMARGIN", 1);
  D.ArrowLineWidth = G.Int("ARROWLINE", 0);
  for (int Glyph = 0; Glyph < GlowingGlyphCount; ++Glyph) {
    const std::string Key = acTitleGlyphKeys[static_cast<std::size_t>(Glyph)];
    // Bounded like a section's GLOW: each counted picture is looked up by name.
    FTitleGlowCounts[static_cast<std::size_t>(Glyph)] = std::min(G.Int(Key + "GLOW", 0), 255);
    FSkin.ConstData.GlowMargins[static_cast<std::size_t>(Glyph)] = G.Int(Key + "GLOWMARGIN", 0);
  }
  LoadOuterEffect(1, "SH_");
  LoadOuterEffect(0, "LO_");

  const auto Covering = [&](const char* Section) {
    const std::string* Value = FDescription->Find(Section, "TABSCOVERING");
    return Value ? StrToIntDef(*Value, 0) : 0;
  };
  D.TabsCovering = Covering("TABTOP");
  D.RibbonCovering = Covering("RIBBONTAB");
}

void TsSkinStore::LoadOuterEffect(int Index, const char* Prefix) {
  const TGlobalReader G(*FDescription);
  const std::string P = Prefix;
  const bool Light = Index == 0;
  TacOutEffData& E = FSkin.oe[static_cast<std::size_t>(Index)];
  E = TacOutEffData{};
  E.ColorL = G.Int(P + "COLORL", Light ? clWhite : 0);
  E.ColorT = G.Int(P + "COLORT", 0);
  E.ColorR = G.Int(P + "COLORR", Light ? clWhite : 0);
  E.ColorB = G.Int(P + "COLORB", Light ? clWhite : 0);
  E.WidthL = G.Int(P + "WIDTHL", -1);
  E.WidthT = G.Int(P + "WIDTHT", -1);
  E.WidthR = G.Int(P + "WIDTHR", -1);
  E.WidthB = G.Int(P + "WIDTHB", -1);
  E.OffsetL = G.Int(P + "OFFSETL", Light ? 2 : 3);
  E.OffsetT = G.Int(P + "OFFSETT", 2);
  E.OffsetR = G.Int(P + "OFFSETR", Light ? 2 : 3);
  E.OffsetB = G.Int(P + "OFFSETB", Light ? 4 : 5);
  E.Source = G.Int(P + "SOURCE", 2);
  E.Opacity = G.Int(P + "OPACITY", Light ? 200 : 60);

  // The effect's picture belongs to GLOBALINFO, which a skin may lack (SkinIndex -1).
  const int Section = FDescription->SectionIndex(GlobalInfo);
  const std::string Key = P + "MASK";
  if (E.Source == 1) {
    const std::string* Value = FDescription->Find(GlobalInfo, Key);
    if (!Value || Value->empty()) return;
    const TsBorderValue Border = ParseBorderValue(*Value);
    TsMaskData& Picture = AddPicture(Section, GlobalInfo, Key);
    Picture.R = Border.R;
    Picture.ImageCount = static_cast<std::int16_t>(Border.ImageCount);
    Picture.MaskType = static_cast<std::int16_t>(Border.MaskType);
    Picture.DrawMode = static_cast<std::int16_t>(Border.DrawMode);
    Picture.BorderWidth = static_cast<std::int16_t>(Border.BorderWidth);
    Picture.WL = static_cast<std::int16_t>(Border.WL);
    Picture.WT = static_cast<std::int16_t>(Border.WT);
    Picture.WR = static_cast<std::int16_t>(Border.WR);
    Picture.WB = static_cast<std::int16_t>(Border.WB);
    Picture.ImgType = itisaBorder;
    E.Mask = static_cast<int>(FSkin.ma.size()) - 1;
  } else if (E.Source == 2) {
    // A picture of our own: the side colours above, BLUR5 below as the mask.
    const TBitmap32 Blur = MakeBlur5();
    const int W = Blur.Width();
    const int H = W / 2;
    for (int* Width : {&E.WidthL, &E.WidthT, &E.WidthR, &E.WidthB})
      if (*Width == -1) *Width = H;
    auto Image = std::make_shared<TBitmap32>(W, 2 * W);
    for (int Y = 0; Y < W; ++Y) {
      for (int X = 0; X < W; ++X) {
        // The nearest edge gives the colour; on a diagonal the top or bottom edge wins.
        const int ToLeft = X, ToRight = W - 1 - X, ToTop = Y, ToBottom = W - 1 - Y;
        TColor Color = E.ColorT;
        if (ToBottom < ToTop) Color = ToBottom <= std::min(ToLeft, ToRight) ? E.ColorB : (ToLeft < ToRight ? E.ColorL : E.ColorR);
        else if (std::min(ToLeft, ToRight) < ToTop) Color = ToLeft < ToRight ? E.ColorL : E.ColorR;
        Image->Row(Y)[X] = ExchangeRedBlue(static_cast<std::uint32_t>(Color) & 0xFFFFFFu) | 0xFF000000u;
      }
      std::copy(Blur.Row(Y), Blur.Row(Y) + W, Image->Row(W + Y));
    }
    TsMaskData& Picture = AddPicture(Section, GlobalInfo, Key);
    Picture.Bmp = std::move(Image);
    Picture.R = TRect{0, 0, W, 2 * W};
    Picture.ImageCount = 1;
    Picture.MaskType = 1;
    Picture.DrawMode = 1;
    Picture.ImgType = itisaBorder;
    Picture.BorderWidth = Picture.WL = Picture.WT = Picture.WR = Picture.WB = static_cast<std::int16_t>(H);
    E.Mask = static_cast<int>(FSkin.ma.size()) - 1;
  }
}

// A section the skin lacks is added as a copy of its PARENTCLASS section (or of an empty
// one) with the common keys applied. For a section the skin has, the common keys are applied
// over the skin's values, so they override them: the common text is how the application
// imposes values on every skin. Only the merged section changes; skin sections that
// inherit from it keep what they read from the skin.
void TsSkinStore::MergeCommonSections() {
  if (!FCommonSections || FCommonSections->Sections().empty()) return;
  const std::vector<TSkinSection>& Sections = FCommonSections->Sections();
  for (std::size_t S = 0; S < Sections.size(); ++S) {
    const TInheritedReader Reader(*FCommonSections, static_cast<int>(S));
    const int Existing = GetSkinIndex(Sections[S].Name);
    if (Existing >= 0) {
      TsGeneralData& Data = FSkin.gd[static_cast<std::size_t>(Existing)];
      Data = ReadSection(Reader, std::move(Data));
      continue;
    }
    const std::string* Parent = Reader.Own("PARENTCLASS");
    const int ParentIndex = Parent ? GetSkinIndex(*Parent) : -1;
    TsGeneralData Data = ReadSection(Reader, ParentIndex >= 0 ? FSkin.gd[static_cast<std::size_t>(ParentIndex)] : TsGeneralData());
    Data.ClassName = Sections[S].Name;
    AddSection(std::move(Data));
  }
  // The common text's pictures wait for their section's skin index until now.
  for (TsMaskData& Picture : FSkin.ma)
    if (Picture.SkinIndex < 0) Picture.SkinIndex = GetSkinIndex(Picture.ClassName);
}

void TsSkinStore::FillPalette() {
  TacPaletteArray& P = FSkin.Palette;
  const auto Sys = [&](TColor Constant) { return ColorToRGB(Constant); };
  const auto SectionOf = [&](const char* Name) -> const TsGeneralData* {
    const int Index = GetSkinIndex(Name);
    return Index >= 0 ? &FSkin.gd[static_cast<std::size_t>(Index)] : nullptr;
  };
  std::optional<TGlobalReader> Global;
  if (FDescription) Global.emplace(*FDescription);
  const auto Int = [&](const char* Key, TColor Default) { return Global ? Global->Int(Key, Default) : Default; };
  const auto Int64 = [&](const char* Key, TColor Default) { return Global ? Global->Int64(Key, Default) : Default; };

  P[pcMainColor] = Int("COLOR", Sys(clBtnFace));
  P[pcLabelText] = Int("FONTCOLOR", 0);
  P[pcWebText] = Int("TCBOTTOM", clBlue);
  P[pcWebTextHot] = Int("TCTOP", clRed);
  const TsGeneralData* Edit = SectionOf("EDIT");
  P[pcEditText] = Edit ? ColorToRGB(Edit->Props[0].FontColor.Color) : Sys(clWindowText);
  P[pcEditBG] = Edit ? ColorToRGB(Edit->Props[0].Color) : Sys(clWindow);

  P[pcSelectionBG] = P[pcSelectionText] = P[pcSelectionBG_Focused] = P[pcSelectionText_Focused] = -1;
  if (const TsGeneralData* Selection = SectionOf("SELECTION")) {
    const TsGenState& Focused = Selection->Props[Selection->States > 1 ? 1 : 0];
    P[pcSelectionBG] = ColorToRGB(Selection->Props[0].Color);
    P[pcSelectionText] = ColorToRGB(Selection->Props[0].FontColor.Color);
    P[pcSelectionBG_Focused] = ColorToRGB(Focused.Color);
    P[pcSelectionText_Focused] = ColorToRGB(Focused.FontColor.Color);
  }
  if (P[pcSelectionText] == -1 || P[pcSelectionText] == clFuchsia) {
    if (const TsGeneralData* MenuItem = SectionOf("MENUITEM")) {
      TColor Text = ColorToRGB(MenuItem->Props[1].FontColor.Color);
      if (Text == -1 || Text == clFuchsia) Text = Sys(clHighlightText);
      P[pcSelectionText] = P[pcSelectionText_Focused] = Text;
      P[pcSelectionBG] = P[pcSelectionBG_Focused] = ColorToRGB(MenuItem->Props[1].Color);
    } else {
      P[pcSelectionBG] = P[pcSelectionBG_Focused] = Sys(clHighlight);
      P[pcSelectionText] = P[pcSelectionText_Focused] = Sys(clHighlightText);
    }
  }

  P[pcEditBG_Inverted] = Int("EDITBG_INV", P[pcEditText]);
  P[pcEditText_Inverted] = Int("EDITTEXT_INV", P[pcEditBG]);
  P[pcEditBG_OddRow] = Int("EDITBG_ODD", P[pcEditBG]);
  P[pcEditBG_EvenRow] = Int("EDITBG_EVEN", Mix(P[pcEditText], P[pcEditBG], 13));
  P[pcEditText_Ok] = Int("EDITTEXT_OK", 0x008000);
  P[pcEditText_Warning] = Int("EDITTEXT_WARN", 0x008484);
  P[pcEditText_Alert] = Int("EDITTEXT_ALERT", 0x0000FF);
  P[pcEditText_Caution] = Int("EDITTEXT_ALERT", 0x8597D9);
  P[pcEditText_Bypassed] = Int("EDITTEXT_ALERT", 0x4AB28F);
  P[pcEditBG_Ok] = Int("EDITBG_OK", 0x6CC2A5);
  P[pcEditBG_Warning] = Int("EDITBG_WARN", 0x40FFFF);
  P[pcEditBG_Alert] = Int("EDITBG_ALERT", 0x95A7E9);
  P[pcEditBG_Caution] = Int("EDITBG_ALERT", 0x8597D9);
  P[pcEditBG_Bypassed] = Int("EDITBG_ALERT", 0x4AB28F);
  P[pcEditText_Highlight1] = Int("EDITTEXT_H1", 0);
  P[pcEditText_Highlight2] = Int("EDITTEXT_H2", 0);
  P[pcEditText_Highlight3] = Int("EDITTEXT_H3", 0);

  P[pcBorder] = Int("BORDERCOLOR", 0);
  const TColor Main = P[pcMainColor];
  P[pcBtnColor1Active] = Int64("BTNCOLOR1ACTIVE", Opaque(static_cast<std::uint32_t>(Mix(Main, clWhite, 177))));
  P[pcBtnColor2Active] = Int64("BTNCOLOR2ACTIVE", Opaque(static_cast<std::uint32_t>(Main)));
  P[pcBtnBorderActive] = Int64("BTNBORDERACTIVE", P[pcBorder]);
  P[pcBtnFontActive] = Int64("BTNFONTACTIVE", P[pcLabelText]);
  P[pcBtnColor1Normal] = Int64("BTNCOLOR1NORMAL", Opaque(static_cast<std::uint32_t>(Main)));
  P[pcBtnColor2Normal] = Int64("BTNCOLOR2NORMAL", Opaque(static_cast<std::uint32_t>(Mix(Main, 0, 244))));
  P[pcBtnBorderNormal] = Int64("BTNBORDERNORMAL", P[pcBorder]);
  P[pcBtnFontNormal] = Int64("BTNFONTNORMAL", P[pcLabelText]);
  P[pcBtnColor1Pressed] = Int64("BTNCOLOR1PRESSED", Opaque(static_cast<std::uint32_t>(Mix(Main, 0, 233))));
  P[pcBtnColor2Pressed] = Int64("BTNCOLOR2PRESSED", Opaque(static_cast<std::uint32_t>(Mix(Main, 0, 233))));
  P[pcBtnBorderPressed] = Int64("BTNBORDERPRESSED", P[pcBorder]);
  P[pcBtnFontPressed] = Int64("BTNFONTPRESSED", P[pcLabelText]);
  const TColor Grid = Int("GRIDLINE", -1);
  P[pcGrid] = Grid != -1 ? Grid : Mix(P[pcEditText], P[pcEditBG], 30);

  const TsGeneralData* Hint = SectionOf("HINT");
  P[pcHintBG] = Hint ? ColorToRGB(Hint->Props[0].Color) : Sys(clInfoBk);
  P[pcHintText] = Hint ? ColorToRGB(Hint->Props[0].FontColor.Color) : Sys(clInfoText);
}

void TsSkinStore::AddDefaultSections() {
  if (GetSkinIndex("TRANSPARENT") < 0) AddSection(DefaultSection("TRANSPARENT", 100, clWhite, FSkin.Palette[pcLabelText]));
  if (GetSkinIndex("MAINCOLOR") < 0)
    AddSection(DefaultSection("MAINCOLOR", 0, FSkin.Palette[pcMainColor], FSkin.Palette[pcLabelText]));
}
