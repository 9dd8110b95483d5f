// InitConstantIndexes and InitMaskIndexes: the indexes resolved once after loading, so
// that painters never search by name.
#include <array>

#include "skin/store/ParentChains.h"
#include "skin/store/sSkinStore.h"

namespace {

constexpr std::array<const char*, 4> SideNames{"LEFT", "TOP", "RIGHT", "BOTTOM"};
constexpr std::array<const char*, 4> TabPositionSuffixes{"FIRST", "LAST", "MIDDLE", ""};

}  // namespace

TacConstElementData TsSkinStore::ElementData(int SkinIndex) const {
  TacConstElementData Element;
  Element.SkinIndex = SkinIndex;
  if (!IsValidSkinIndex(SkinIndex)) return Element;
  Element.SkinSection = FSkin.gd[static_cast<std::size_t>(SkinIndex)].ClassName;
  Element.MaskIndex = GetMaskIndex(SkinIndex, "BORDERSMASK");
  Element.GlyphIndex = GetMaskIndex(SkinIndex, "GLYPHMASK");
  Element.BGIndex[0] = GetTextureIndex(SkinIndex, "PATTERN");
  Element.BGIndex[1] = GetTextureIndex(SkinIndex, "HOTPATTERN");
  return Element;
}

void TsSkinStore::InitConstantIndexes() {
  IndexPictures();
  TConstantSkinData& C = FSkin.ConstData;
  const std::string Global = "GLOBALINFO";
  const auto GlobalPicture = [&](const std::string& Key) { return GetMaskIndex(Global, Key); };

  C.IndexGLobalInfo = GetSkinIndex(Global);
  C.RadioButton = {GlobalPicture("RADIOUNCHECKED"), GlobalPicture("RADIOCHECKED")};
  C.CheckBox = {GlobalPicture("BOXUNCHECKED"), GlobalPicture("BOXCHECKED"), GlobalPicture("BOXGRAYED")};
  C.SmallCheckBox = {GlobalPicture("SMALLUNCHECKED"), GlobalPicture("SMALLCHECKED"), GlobalPicture("SMALLGRAYED")};
  C.ExBorder = GlobalPicture("EXBORDER");
  C.GripRightBottom = GlobalPicture("GRIPIMAGE");
  C.GripHorizontal = GlobalPicture("GRIPHORZ");
  C.GripVertical = GlobalPicture("GRIPVERT");

  C.MenuItem = ElementData(GetSkinIndex("MENUITEM"));
  C.ComboBtn = ElementData(GetSkinIndex("COMBOBTN"));
  C.ComboBtn.GlyphIndex = GetMaskIndex(GetSkinIndex("COMBOBOX"), "GLYPHMASK");
  for (std::size_t Position = 0; Position < TabPositionSuffixes.size(); ++Position)
    for (std::size_t Side = 0; Side < SideNames.size(); ++Side)
      C.Tabs[Position * 4 + Side] =
          ElementData(GetSkinIndex(std::string("TAB") + SideNames[Side] + TabPositionSuffixes[Position]));
  C.Sliders = {ElementData(GetSkinIndex("SCROLLSLIDERH")), ElementData(GetSkinIndex("SCROLLSLIDERV"))};

  const int TrackBar = GetSkinIndex("TRACKBAR");
  for (std::size_t Record = 0; Record < C.TrackBar.size(); ++Record) {
    TacTrackBarData& T = C.TrackBar[Record];
    const bool IsVertical = Record == 0;
    T.SkinIndex = TrackBar;
    T.BorderIndex = GetMaskIndex(TrackBar, "BORDERSMASK");
    T.SliderIndex = IsVertical ? GetMaskIndex(TrackBar, "SLIDERVMASK") : -1;
    if (T.SliderIndex < 0) T.SliderIndex = GetMaskIndex(TrackBar, "SLIDERMASK");
    T.PatternIndex = GetTextureIndex(TrackBar, "PATTERN");
    T.HotPatternIndex = GetTextureIndex(TrackBar, "HOTPATTERN");
    T.TickIndex = GetMaskIndex(TrackBar, IsVertical ? "TICKVERT" : "TICKHORZ");
    T.ProgressIndex = GetMaskIndex(TrackBar, IsVertical ? "PROGVERT" : "PROGHORZ");
    T.ChannelIndex = GetMaskIndex(TrackBar, "SLIDERCHANNEL");
  }

  constexpr std::array<const char*, 4> ScrollBtnNames{"SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM"};
  constexpr std::array<const char*, 4> ScrollNames{"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
  constexpr std::array<const char*, 4> UpDownNames{"UPDOWNBTN_LEFT", "UPDOWNBTN_TOP", "UPDOWNBTNRIGHT", "UPDOWNBTN_BOTTOM"};
  for (std::size_t Side = 0; Side < 4; ++Side) {
    C.ScrollBtns[Side] = ElementData(GetSkinIndex(ScrollBtnNames[Side]));
    C.Scrolls[Side] = ElementData(GetSkinIndex(ScrollNames[Side]));
    int UpDown = GetSkinIndex(UpDownNames[Side]);
    if (UpDown < 0) UpDown = GetSkinIndex("UPDOWNBTN");
    if (UpDown < 0) UpDown = GetSkinIndex("BUTTON");
    C.UpDownBtns[Side] = ElementData(UpDown);
  }

  for (std::size_t Glyph = 0; Glyph < acTitleGlyphKeys.size(); ++Glyph)
    C.TitleGlyphs[Glyph] = GlobalPicture(acTitleGlyphKeys[Glyph]);
  C.TitleGlyphs[tgNone] = -1;
  const bool CloseAloneFellBack = C.TitleGlyphs[tgCloseAlone] < 0;
  if (CloseAloneFellBack) C.TitleGlyphs[tgCloseAlone] = C.TitleGlyphs[tgClose];
  for (int Small = tgSmallClose; Small <= tgSmallHelp; ++Small)
    if (C.TitleGlyphs[static_cast<std::size_t>(Small)] < 0)
      C.TitleGlyphs[static_cast<std::size_t>(Small)] = C.TitleGlyphs[static_cast<std::size_t>(Small - tgSmallClose + tgClose)];

  for (std::size_t Glyph = 0; Glyph < GlowingGlyphCount; ++Glyph) {
    C.TitleGlows[Glyph].clear();
    for (int J = 0; J < FTitleGlowCounts[Glyph]; ++J)
      C.TitleGlows[Glyph].push_back(GlobalPicture(std::string(acTitleGlyphKeys[Glyph]) + "GLOW" + std::to_string(J)));
  }
  if (CloseAloneFellBack) {
    C.GlowMargins[tgCloseAlone] = C.GlowMargins[tgClose];
    C.TitleGlows[tgCloseAlone] = C.TitleGlows[tgClose];
  }

  for (std::size_t Section = 0; Section < acSectionNames.size(); ++Section)
    C.Sections[Section] = GetSkinIndex(acSectionNames[Section]);

  InitMaskIndexes();
  CheckShadows();
}

void TsSkinStore::InitMaskIndexes() {
  // Every section's pictures along its parents, each chain walked once for all sections (as
  // GetMaskIndex and GetTextureIndex answer one section).
  const auto Inherited = [&](const std::unordered_map<std::string, int>& Pictures, const char* Property) {
    const auto Own = [&](int Section) { return FirstPicture(Pictures, Section, Property); };
    std::vector<int> Answers = AnsweringSections(FParents, [&](int Section) { return Own(Section) >= 0; });
    for (int& Answer : Answers) Answer = Answer >= 0 ? Own(Answer) : -1;
    return Answers;
  };
  const std::vector<int> Borders = Inherited(FPictureBySection, "BORDERSMASK");
  const std::vector<int> OuterMasks = Inherited(FPictureBySection, "OUTERMASK");
  const std::vector<int> TopLefts = Inherited(FPictureBySection, "IMGTOPLEFT");
  const std::vector<int> TopRights = Inherited(FPictureBySection, "IMGTOPRIGHT");
  const std::vector<int> BottomLefts = Inherited(FPictureBySection, "IMGBTMLEFT");
  const std::vector<int> BottomRights = Inherited(FPictureBySection, "IMGBTMRIGHT");
  const std::vector<int> Patterns = Inherited(FTextureBySection, "PATTERN");
  const std::vector<int> HotPatterns = Inherited(FTextureBySection, "HOTPATTERN");
  const std::vector<int> Patterns2 = Inherited(FTextureBySection, "PATTERN2");
  for (std::size_t S = 0; S < FSkin.gd.size(); ++S) {
    TsGeneralData& Section = FSkin.gd[S];
    if (Section.ClassName == "GLOBALINFO") continue;
    Section.BorderIndex = Borders[S];
    Section.OuterMask = OuterMasks[S];
    Section.ImgTL = TopLefts[S];
    Section.ImgTR = TopRights[S];
    Section.ImgBL = BottomLefts[S];
    Section.ImgBR = BottomRights[S];
    Section.Props[0].TextureIndex = Patterns[S];
    if (Section.States > 1) Section.Props[1].TextureIndex = HotPatterns[S];
    Section.Props[2].TextureIndex = Section.States > 2 && Section.UseState2 ? Patterns2[S] : Section.Props[1].TextureIndex;
    if (Section.BorderIndex < 0) {
      Section.ScrollBorderOffset = -2;
    } else {
      const TsMaskData& Border = FSkin.ma[static_cast<std::size_t>(Section.BorderIndex)];
      const bool Thin = Border.WL == 1 && Border.WT == 1 && Border.WR == 1 && Border.WB == 1;
      Section.ScrollBorderOffset = Thin && (Section.ClassName == "EDIT" || Section.ClassName == "ALPHAEDIT") ? -1 : 0;
    }
  }

  for (TsMaskData& Picture : FSkin.ma) {
    Picture.Width = Picture.ImageCount > 0 ? Picture.R.Width() / Picture.ImageCount : 0;
    if (Picture.MaskType < 0) Picture.Height = 0;
    else Picture.Height = Picture.R.Height() / (Picture.MaskType + 1);
    if (Picture.ImageCount == 0) {
      const auto Fill = [&](std::int16_t& Side, int Size) {
        if (Side <= 0) Side = static_cast<std::int16_t>(Picture.BorderWidth > 0 ? Picture.BorderWidth : Size);
      };
      Fill(Picture.WT, Picture.Height);
      Fill(Picture.WB, Picture.Height);
      Fill(Picture.WL, Picture.Width);
      Fill(Picture.WR, Picture.Width);
      Picture.ImageCount = 1;
    }
  }
}
