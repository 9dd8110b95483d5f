// Writes the seed containers of fuzz_container and fuzz_skin_load into a folder, so the
// committed seeds can always be made again: qv_make_skin_seeds <folder>.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "SkinFixture.h"
#include "gfx/codec/BmpCodec.h"
#include "gfx/codec/PngEncode.h"

namespace {

void Write(const std::filesystem::path& Path, const TBytes& Bytes) {
  std::ofstream(Path, std::ios::binary).write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

}  // namespace

int main(int Count, char** Arguments) {
  if (Count != 2) {
    std::fprintf(stderr, "usage: qv_make_skin_seeds <folder>\n");
    return 2;
  }
  const std::filesystem::path Folder = Arguments[1];
  std::filesystem::create_directories(Folder);
  Write(Folder / "sections.asz",
        PackSkin("[GLOBALINFO]\nVERSION=8.10\nCOLOR=3355443\nMASTERBITMAP=MASTER.BMP\nBICONCLOSE=@0000@0000@0012@0008@3@1\n"
                 "SH_SOURCE=1\nSH_MASK=^0000^0000^0012^0012^0002^0002^0002^0002^1^1^1^2\n"
                 "[BASE]\nBORDERSMASK=^0000^0000^0012^0008^0000^0000^0000^0000^3^1^5^0\nPATTERN=~0000~0000~0004~0004~01~0\n"
                 "GRADIENTDATA=3618615;5263440;97;0;0;5263440;5263440;0;0;0\nHOTGRADIENTDATA=N/A\n"
                 "[BUTTON]\nPARENTCLASS=BASE\nSTATES=3\nUSESTATE2=1\nCOLOR2=5\nGLOW=1\nGLOW0=!G.PNG!1!0!3!0002!0002!0002!0002!1\n"
                 "[EDIT]\nCOLOR=3355443\nFONTCOLOR=15724527\n[SELECTION]\nSTATES=1\n[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\n",
                 {{"Master.bmp", WriteBmp32(PatternPicture(12, 12, 255).View())},
                  {"G.png", EncodePng(PatternPicture(6, 6, 100))}}));
  Write(Folder / "images.asz",
        PackSkin("[GLOBALINFO]\nVERSION=7.00\n[S]\nJ=!J.JPG!1!0!1\nB=WOOD.BMP\nT=~0000~0000~0004~0004~00~0~J.JPG\n",
                 {{"J.jpg", EncodeJpeg(PatternPicture(8, 8, 255), 80)}, {"Wood.bmp", WriteBmp32(PatternPicture(3, 3, 0).View())}}));
  // Small versions of skins that cost a careless loader far more than their size.
  Write(Folder / "parent-chain.asz", ParentChainSkin(300));
  Write(Folder / "parent-loop.asz", ParentLoopSkin(300));
  Write(Folder / "keyed-borders.asz", KeyedBordersSkin(64, 20));
  Write(Folder / "many-pictures.asz", ManyPicturesSkin(200));
  Write(Folder / "empty-description.asz", PackSkin("", {}));
  Write(Folder / "no-description.asz", WriteSkinPackage(std::vector<TacPackageEntry>{}));
  return 0;
}
