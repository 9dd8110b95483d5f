// qv_skinpreview <skin.asz | skin folder> <out.png>
// Renders the skin's contact sheet (see ContactSheet.h) into a PNG file.
#include <exception>
#include <iostream>

#include "tools/skinpreview/ContactSheet.h"
#include "tools/skinpreview/PngFile.h"
#include "tools/skinpreview/PreviewSkin.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: qv_skinpreview <skin.asz | skin folder> <out.png>\n";
    return 2;
  }
  try {
    TsSkinStore Store;
    LoadPreviewSkin(argv[1], Store);
    const TContactSheet Sheet = RenderContactSheet(Store);
    WritePngFile(argv[2], Sheet.Picture);
    std::cout << argv[2] << ": " << Sheet.Picture.Width() << " x " << Sheet.Picture.Height() << ", "
              << Sheet.Entries.size() << " items\n";
  } catch (const std::exception& Error) {
    std::cerr << "qv_skinpreview: " << Error.what() << "\n";
    return 1;
  }
  return 0;
}
