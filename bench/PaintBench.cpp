// Painting the main window's skinned surfaces with the internal skin (native, Release):
// every section the window shows, each into its own picture, as the controls repaint them
// (goal: under 0.7 ms in all), also without the borders' centre pieces and control by control; and single nine-piece borders, in microseconds per call.
// Texture fills by mode, in microseconds per call. The main window's two pictures composed
// into their images' pictures (Mitchell resize included), in microseconds per call.
// Run: paint_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

#include "skin/controls/core/ImagePicture.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/SectionPaint.h"
#include "skin/store/SkinDescription.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/sSkinStore.h"

namespace {

class TSkin {
 public:
  // Without CentrePieces every border item paints its frame only (the section's colour,
  // gradient and texture fill the inside), to show what the stretched centres cost.
  explicit TSkin(bool CentrePieces) {
    std::ifstream In(QUORVANE_INTERNAL_SKIN, std::ios::binary);
    const TBytes Container{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    TacSkinConvertor Package;
    Package.PackedData = Container;
    if (!UnpackSkinPackage(Package)) throw std::runtime_error("cannot unpack " QUORVANE_INTERNAL_SKIN);
    const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
    TsSkinStore Loaded;
    Loaded.LoadSkin(&Description, &Package);
    TsSkin Skin{Loaded.gd(),         Loaded.ma(),      Loaded.oe(),           Loaded.ConstData(),    Loaded.Palette(),
                Loaded.MasterBitmap(), Loaded.ExtArray(), Loaded.CommonSkinData(), Loaded.FormShadowSize()};
    if (!CentrePieces)
      for (TsMaskData& Picture : Skin.ma)
        if (Picture.ImgType == itisaBorder) Picture.DrawMode = static_cast<std::int16_t>(Picture.DrawMode & ~dmCentre);
    Store = std::make_unique<TsSkinStore>(std::move(Skin));
  }
  std::unique_ptr<TsSkinStore> Store;
};

const TsSkinStore& Skin(bool CentrePieces = true) {
  static const TSkin WithCentres(true);
  static const TSkin FramesOnly(false);
  return CentrePieces ? *WithCentres.Store : *FramesOnly.Store;
}

// One control of the main window: its section, where it lies in its parent's picture and
// its size; Parent is the index of the parent's entry (-1: the form itself).
struct TControl {
  const char* Section;
  int Parent;
  int Left, Top, Width, Height;
  int State;
};

// The form (814 x 512, client area 808 x 483 from (3, 26)), the two panels, the memo, the
// two edit fields and the twelve buttons in state 1, at their places.
const std::vector<TControl>& MainWindow() {
  static const std::vector<TControl> Controls = [] {
    std::vector<TControl> List{
        {"FORM", -1, 0, 0, 814, 512, 1},     {"PANEL", 0, 3, 26, 484, 483, 0},
        {"PANEL", 0, 487, 26, 324, 483, 0},  {"EDIT", 1, 1, 1, 482, 481, 0},
        {"EDIT", 2, 17, 26, 165, 21, 0},     {"EDIT", 2, 206, 26, 81, 21, 0},
    };
    for (const int Top : {78, 121, 169, 217, 264, 310}) List.push_back({"BUTTON", 2, 22, Top, 130, 35, 1});
    for (const int Top : {73, 121, 169, 217, 264, 310}) List.push_back({"BUTTON", 2, 169, Top, 130, 35, 1});
    return List;
  }();
  return Controls;
}

constexpr int TitleHeight = 26;

// Paints the controls First .. Last - 1 of the main window (the form first: the others
// lie on its picture).
void PaintControls(benchmark::State& State, bool CentrePieces, std::size_t First, std::size_t Last) {
  const TsSkinStore& Store = Skin(CentrePieces);
  const std::vector<TControl>& Controls = MainWindow();
  std::vector<TBitmap32> Pictures;
  std::vector<int> Indexes;
  for (const TControl& Control : Controls) {
    Pictures.emplace_back(Control.Width, Control.Height);
    Indexes.push_back(Store.GetSkinIndex(Control.Section));
    if (!Store.IsValidSkinIndex(Indexes.back())) {
      State.SkipWithError(Control.Section);
      return;
    }
  }
  const int Title = Store.GetSkinIndex("FORMTITLE");

  TsSectionLook Look;
  Look.Manager = &Store;
  const auto Paint = [&](std::size_t Index) {
    const TControl& Control = Controls[Index];
    TCacheInfo Parent;
    if (Control.Parent < 0) {
      Parent.FillColor = Store.Palette()[pcMainColor];
    } else {
      Parent.Bmp = Pictures[static_cast<std::size_t>(Control.Parent)].View();
      Parent.X = Control.Left;
      Parent.Y = Control.Top;
      Parent.Ready = true;
    }
    Look.SkinIndex = Indexes[Index];
    TBitmap32& Picture = Pictures[Index];
    PaintSection(Look, Parent, -1, -1, true, Picture.View(), {0, 0}, BitmapRect(Picture.View()), Control.State);
    if (Control.Parent < 0) {
      // The title bar lies on the form's own picture.
      TCacheInfo Form;
      Form.Bmp = Picture.View();
      Form.Ready = true;
      PaintSectionByIndex(Title, Form, 1, -1, -1, &Store, Picture.View(), {0, 0}, {0, 0, Picture.Width(), TitleHeight},
                          -1);
    }
  };
  // The parents' pictures, painted once for the controls measured alone.
  for (std::size_t Index = 0; Index < First; ++Index) Paint(Index);

  for (auto _ : State) {
    for (std::size_t Index = First; Index < Last; ++Index) Paint(Index);
    benchmark::DoNotOptimize(Pictures[Last - 1].Row(0));
  }
  State.counters["pictures"] = static_cast<double>(Last - First);
}

void MainWindowSections(benchmark::State& State, bool CentrePieces) {
  PaintControls(State, CentrePieces, 0, MainWindow().size());
}
BENCHMARK_CAPTURE(MainWindowSections, AsTheSkinIs, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MainWindowSections, FramesOnly, false)->Unit(benchmark::kMillisecond);

// The share of each kind of control, as the skin is.
void OneControl(benchmark::State& State, std::size_t Index) { PaintControls(State, true, Index, Index + 1); }
BENCHMARK_CAPTURE(OneControl, Form_814x512, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneControl, Panel_484x483, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneControl, Panel_324x483, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneControl, Memo_482x481, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneControl, Edit_165x21, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OneControl, Button_130x35, 6)->Unit(benchmark::kMicrosecond);

// A border item of a section at Width x Height over a ready parent picture, in state 1.
void NinePiece(benchmark::State& State, const char* Section, int Width, int Height, int DrawMode) {
  const TsSkinStore& Store = Skin();
  const int Index = Store.GetSkinIndex(Section);
  if (!Store.IsValidSkinIndex(Index) || !Store.IsValidImgIndex(Store.gd()[static_cast<std::size_t>(Index)].BorderIndex)) {
    State.SkipWithError("no border item");
    return;
  }
  TsMaskData Border = Store.ma()[static_cast<std::size_t>(Store.gd()[static_cast<std::size_t>(Index)].BorderIndex)];
  if (DrawMode >= 0) Border.DrawMode = static_cast<std::int16_t>(DrawMode);
  TBitmap32 Behind(Width, Height);
  Behind.Fill(0xFF404040u);
  TBitmap32 Picture(Width, Height);
  TCacheInfo Parent;
  Parent.Bmp = Behind.View();
  Parent.Ready = true;
  for (auto _ : State) {
    PaintNinePiece(Picture.View(), BitmapRect(Picture.View()), Parent, true, 1, Border, Store.MasterBitmap().View());
    benchmark::DoNotOptimize(Picture.Row(0));
  }
  State.counters["masked"] = Border.MaskType > 0 ? 1 : 0;
  State.counters["draw_mode"] = Border.DrawMode;
}
// The button's border as the skin gives it, then its frame alone (no centre), then a
// stretched masked centre over a panel's area.
BENCHMARK_CAPTURE(NinePiece, ButtonBorder_130x35, "BUTTON", 130, 35, -1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NinePiece, ButtonFrameOnly_130x35, "BUTTON", 130, 35, dmStretch)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NinePiece, StretchedMaskedCentre_324x483, "PANEL", 324, 483, dmStretch | dmCentre)
    ->Unit(benchmark::kMicrosecond);

// A 32 x 24 texture filling a 400 x 300 picture by fill mode: tiled (0), stretched over the
// whole area (1), and in rows one texture high stretched to the full width (11).
void TextureFill(benchmark::State& State, int Mode) {
  TBitmap32 Master(32, 24);
  for (int Y = 0; Y < 24; ++Y)
    for (int X = 0; X < 32; ++X) Master.Row(Y)[X] = 0xFF000000u | static_cast<TPixel32>(X * 8 + Y * 2048);
  TsMaskData Texture;
  Texture.R = {0, 0, 32, 24};
  Texture.ImageCount = 1;
  Texture.ImgType = itisaTexture;
  Texture.Width = 32;
  Texture.Height = 24;
  TBitmap32 Picture(400, 300);
  for (auto _ : State) {
    TRect Rect = BitmapRect(Picture.View());
    PaintTexture(Picture.View(), Rect, Texture, Master.View(), Mode);
    benchmark::DoNotOptimize(Picture.Row(0));
  }
}
BENCHMARK_CAPTURE(TextureFill, Tiled_400x300, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TextureFill, Stretched_400x300, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TextureFill, StretchedRows_400x300, 11)->Unit(benchmark::kMicrosecond);

// A picture of PW x PH (24 bits, Transparent) stretched into a W x H image, Center on.
void ImageCompose(benchmark::State& State, int PW, int PH, int W, int H) {
  TBitmap32 Picture(PW, PH);
  for (int Y = 0; Y < PH; ++Y)
    for (int X = 0; X < PW; ++X) Picture.Row(Y)[X] = static_cast<TPixel32>(X * 4 + Y * 1024);
  TBitmap32 Cache(W, H);
  TImagePictureOptions Options;
  Options.Fit = {true, false, true};
  Options.Transparent = true;
  for (auto _ : State) {
    Cache.Fill(0xFF404040);
    DrawImagePicture(Cache.View(), Picture.View(), 24, Options);
    benchmark::DoNotOptimize(Cache.Row(0));
  }
}
BENCHMARK_CAPTURE(ImageCompose, Logo_60x60_to_30x30, 60, 60, 30, 30)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ImageCompose, Donate_225x125_to_77x41, 225, 125, 77, 41)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
