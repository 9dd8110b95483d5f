// libFuzzer target for the whole skin load: a container in, skin data out. Any input ends
// either in skin data whose every index is in range, or in ESkinError.
// Inputs are mutated by the mutator in SkinFuzzing.cpp.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz/SkinFuzzing.h"

namespace {

void RequireIndex(const TsSkinStore& Store, int Index) {
  if (Index != -1 && !Store.IsValidImgIndex(Index)) std::abort();
}

void CheckIndexes(const TsSkinStore& Store) {
  for (const TsGeneralData& Section : Store.gd()) {
    for (const int Index : {Section.BorderIndex, Section.OuterMask, Section.ImgTL, Section.ImgTR, Section.ImgBL,
                            Section.ImgBR})
      RequireIndex(Store, Index);
    for (const TsGenState& State : Section.Props) RequireIndex(Store, State.TextureIndex);
  }
  for (const int Index : Store.ConstData().TitleGlyphs) RequireIndex(Store, Index);
  for (const TacOutEffData& Effect : Store.oe()) RequireIndex(Store, Effect.Mask);
  for (const int Index : Store.ConstData().Sections)
    if (Index != -1 && !Store.IsValidSkinIndex(Index)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TsSkinStore Store;
  // The colour adjustments run on every other input, with composition on the others.
  Store.SetHueOffset(Size % 2 ? 40 : 0);
  Store.SetSaturation(Size % 2 ? -30 : 0);
  Store.SetBrightness(Size % 4 == 1 ? 20 : 0);
  TsSystemInfo System = Store.System();
  System.DesktopComposition = Size % 2 == 0;
  Store.SetSystem(System);
  if (LoadFuzzedSkin(std::span(Data, Size), Store)) CheckIndexes(Store);
  return 0;
}
