#include "tools/skinpreview/ContactSheet.h"

#include <algorithm>
#include <array>
#include <functional>

#include "skin/render/CacheInfo.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/PixelBlend.h"
#include "skin/render/PixelFill.h"
#include "skin/render/SectionPaint.h"
#include "tools/picgen/TinyFont.h"

namespace {

constexpr int Margin = 12;        // around the sheet
constexpr int Inset = 10;         // backdrop shown around each painted item
constexpr int TileGap = 4;        // between the tiles of one entry
constexpr int EntryGap = 16;      // between entries
constexpr int LabelGap = 4;       // between a label and its tiles
constexpr int MaxSheetWidth = 1800;

// Section items are shown at about a button's size, larger when their border picture is.
constexpr int SectionWidth = 96;
constexpr int SectionHeight = 32;
constexpr int MaxSectionWidth = 240;
constexpr int MaxSectionHeight = 120;

using TItemPainter = std::function<void(TBitmapView Tile, const TCacheInfo& Parent, const TRect& Item, int State)>;

struct TPlannedEntry {
  std::string Label;
  int ItemWidth = 0;
  int ItemHeight = 0;
  int States = 1;
  TItemPainter Paint;

  int TileWidth() const { return ItemWidth + 2 * Inset; }
  int TileHeight() const { return ItemHeight + 2 * Inset; }
  int Width() const {
    const int Tiles = 2 * States;
    return std::max(static_cast<int>(TextWidth(Label, 1)), Tiles * TileWidth() + (Tiles - 1) * TileGap);
  }
  int Height() const { return TinyGlyphHeight + LabelGap + TileHeight(); }
};

std::string Printable(const std::string& Text) {
  std::string Result = Text;
  for (char& Letter : Result)
    if (Letter < ' ' || Letter > '~') Letter = '?';
  return Result;
}

void DrawLabel(TBitmapView Sheet, TPoint At, const std::string& Text) {
  for (std::size_t Index = 0; Index < Text.size(); ++Index)
    for (int Row = 0; Row < TinyGlyphHeight; ++Row)
      for (int Column = 0; Column < TinyGlyphWidth; ++Column)
        if (TinyFontCell(Text[Index], Column, Row))
          Sheet.Row(At.Y + Row)[At.X + static_cast<int>(Index) * TinyGlyphAdvance + Column] = SheetInk;
}

TBitmap32 Checkerboard(int Width, int Height) {
  TBitmap32 Board(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      Board.Row(Y)[X] = (X / CheckerSquare + Y / CheckerSquare) % 2 == 0 ? CheckerLight : CheckerDark;
  return Board;
}

// The PANEL section as a control of that size would show it on the skin's main colour.
TBitmap32 PanelPicture(const TsSkinStore& Store, int Width, int Height) {
  TBitmap32 Panel(Width, Height);
  const TRect Whole = BitmapRect(Panel.View());
  FillPixels(Panel.View(), Whole, Store.Palette()[pcMainColor], 255);
  TCacheInfo MainColor;
  MainColor.FillColor = Store.Palette()[pcMainColor];
  PaintSectionByIndex(Store.GetSkinIndex("PANEL"), MainColor, 0, -1, -1, &Store, Panel.View(), {0, 0}, Whole, -1);
  return Panel;
}

void CopyInto(TBitmapView Sheet, TConstBitmapView Tile, TPoint At) {
  for (int Y = 0; Y < Tile.Height; ++Y) std::copy_n(Tile.Row(Y), Tile.Width, Sheet.Row(At.Y + Y) + At.X);
}

void PlanSections(const TsSkinStore& Store, std::vector<TPlannedEntry>& Plan) {
  for (int Index = 0; Index < static_cast<int>(Store.gd().size()); ++Index) {
    const TsGeneralData& Section = Store.gd()[static_cast<std::size_t>(Index)];
    if (Section.ClassName == "GLOBALINFO") continue;
    TPlannedEntry Entry{Printable(Section.ClassName), SectionWidth, SectionHeight,
                        std::clamp(Section.States, 1, MaxShownStates), {}};
    if (Store.IsValidImgIndex(Section.BorderIndex)) {
      const TsMaskData& Border = Store.ma()[static_cast<std::size_t>(Section.BorderIndex)];
      Entry.ItemWidth = std::clamp(2 * Border.Width, SectionWidth, MaxSectionWidth);
      Entry.ItemHeight = std::clamp(2 * Border.Height, SectionHeight, MaxSectionHeight);
    }
    Entry.Paint = [&Store, Index, &Section](TBitmapView Tile, const TCacheInfo& Parent, const TRect& Item, int State) {
      // The overlay texture of the hot and later states is the state's own.
      const int HotTexture = Section.Props[static_cast<std::size_t>(std::clamp(State, 0, 2))].TextureIndex;
      PaintSectionByIndex(Index, Parent, State, HotTexture, -1, &Store, Tile, {0, 0}, Item, -1);
    };
    Plan.push_back(std::move(Entry));
  }
}

void PlanPictures(const TsSkinStore& Store, std::vector<TPlannedEntry>& Plan, bool Glows) {
  for (const TsMaskData& Picture : Store.ma()) {
    const bool IsGlow = Picture.ImgType == itisaGlow;
    const bool IsGlyph = Picture.ImgType == itisaGlyph || Picture.ImgType == itisaPngGlyph;
    if ((Glows ? !IsGlow : !IsGlyph) || Picture.Width <= 0 || Picture.Height <= 0) continue;
    TPlannedEntry Entry{Printable(Picture.ClassName + " " + Picture.PropertyName), Picture.Width, Picture.Height,
                        std::clamp<int>(Picture.ImageCount, 1, MaxShownStates), {}};
    if (Glows) {
      // A glow surrounds a control: shown around an area as large again as its corners.
      Entry.ItemWidth *= 2;
      Entry.ItemHeight *= 2;
      // Glows are shown by layered windows: painted into a clear layer, which the screen
      // then composites over what lies behind.
      Entry.Paint = [&Picture, &Store](TBitmapView Tile, const TCacheInfo&, const TRect& Item, int State) {
        TBitmap32 Layer(Tile.Width, Tile.Height);
        const TRect FullSides{Picture.WL, Picture.WT, Picture.WR, Picture.WB};
        PaintNinePieceAlpha(Layer.View(), Item, TCacheInfo{}, State, Picture, Store.MasterBitmap().View(), 255, FullSides);
        CompositeAlpha(Item, Item, Tile, false, TCacheInfo{}, Layer.View());
      };
    } else {
      Entry.Paint = [&Picture, &Store](TBitmapView Tile, const TCacheInfo& Parent, const TRect& Item, int State) {
        PaintStateImage(Tile, {Item.Left, Item.Top}, State, Parent, Picture, Store.MasterBitmap().View(), 1);
      };
    }
    Plan.push_back(std::move(Entry));
  }
}

}  // namespace

TContactSheet RenderContactSheet(const TsSkinStore& Store) {
  std::vector<TPlannedEntry> Plan;
  PlanSections(Store, Plan);
  PlanPictures(Store, Plan, false);
  PlanPictures(Store, Plan, true);

  // Entries flow left to right in lines no wider than MaxSheetWidth (a wider entry gets a
  // line of its own).
  std::vector<TPoint> Places;
  int X = Margin, Y = Margin, LineHeight = 0, SheetWidth = 0;
  for (const TPlannedEntry& Entry : Plan) {
    if (X > Margin && X + Entry.Width() > MaxSheetWidth - Margin) {
      X = Margin;
      Y += LineHeight + EntryGap;
      LineHeight = 0;
    }
    Places.push_back({X, Y});
    X += Entry.Width() + EntryGap;
    SheetWidth = std::max(SheetWidth, X - EntryGap + Margin);
    LineHeight = std::max(LineHeight, Entry.Height());
  }

  TContactSheet Sheet;
  Sheet.Picture = TBitmap32(std::max(SheetWidth, 2 * Margin), Y + LineHeight + Margin);
  Sheet.Picture.Fill(SheetPaper);
  for (std::size_t Index = 0; Index < Plan.size(); ++Index) {
    const TPlannedEntry& Entry = Plan[Index];
    const TPoint At = Places[Index];
    TSheetEntry& Shown = Sheet.Entries.emplace_back(TSheetEntry{Entry.Label, At, {}});
    DrawLabel(Sheet.Picture.View(), At, Entry.Label);

    const std::array<TBitmap32, 2> Backdrops{PanelPicture(Store, Entry.TileWidth(), Entry.TileHeight()),
                                    Checkerboard(Entry.TileWidth(), Entry.TileHeight())};
    const TRect Item = Bounds(Inset, Inset, Entry.ItemWidth, Entry.ItemHeight);
    TPoint TileAt{At.X, At.Y + TinyGlyphHeight + LabelGap};
    for (int State = 0; State < Entry.States; ++State)
      for (const TBitmap32& Backdrop : Backdrops) {
        TBitmap32 Tile = Backdrop;
        TCacheInfo Parent;
        Parent.Bmp = Backdrop.View();
        Parent.Ready = true;
        Entry.Paint(Tile.View(), Parent, Item, State);
        CopyInto(Sheet.Picture.View(), Tile.View(), TileAt);
        Shown.Cells.push_back(Item.Offset(TileAt.X, TileAt.Y));
        TileAt.X += Entry.TileWidth() + TileGap;
      }
  }
  // Painters may leave alpha below 255; the backdrops already show what lies behind.
  SetPixelAlpha(Sheet.Picture.View(), BitmapRect(Sheet.Picture.View()), 255, clNone);
  return Sheet;
}
