// The pictures of the internal graphite skin, drawn the same way on every run: the master
// bitmap (caption buttons, check marks, grips, arrows and the element frames, each state
// beside the others with its transparency mask under it), the large button frame and the
// seven PNG pictures with alpha (glows, the extended border, the size grip).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TSkinPicture {
  std::string Name;
  std::vector<std::uint8_t> Bytes;
};

// ButtonHuge.bmp, Master.bmp, then the PNG files, in the order they are packed.
std::vector<TSkinPicture> DrawSkinPictures();
