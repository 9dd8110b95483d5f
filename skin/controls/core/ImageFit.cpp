#include "skin/controls/core/ImageFit.h"

#include <algorithm>
#include <cstdint>

#include "gfx/MulDivRound.h"

TRect ImagePlacement(int ControlWidth, int ControlHeight, int PictureWidth, int PictureHeight,
                     const TImageFitOptions& Options) {
  if (PictureWidth <= 0 || PictureHeight <= 0) return {};
  const int CW = std::max(ControlWidth, 0);
  const int CH = std::max(ControlHeight, 0);
  int W = PictureWidth;
  int H = PictureHeight;
  if (Options.Stretch) {
    const int Usable = Options.Reflected ? static_cast<int>(std::int64_t{CH} * 2 / 3) : CH;
    if (!Options.Proportional) {
      W = CW;
      H = Usable;
    } else if (PictureWidth > PictureHeight) {  // wide: bound by the width first
      W = CW;
      H = MulDivRound(CW, PictureHeight, PictureWidth);
      if (H > Usable) {
        H = Usable;
        W = MulDivRound(Usable, PictureWidth, PictureHeight);
      }
    } else {  // tall or square: bound by the height first
      H = Usable;
      W = MulDivRound(Usable, PictureWidth, PictureHeight);
      if (W > CW) {
        W = CW;
        H = MulDivRound(CW, PictureHeight, PictureWidth);
      }
    }
  }
  if ((Options.Stretch && !Options.Proportional) || !Options.Center) return Bounds(0, 0, W, H);
  return Bounds((CW - W) / 2, (CH - H - (Options.UseFullSize ? H / 2 : 0)) / 2, W, H);
}
