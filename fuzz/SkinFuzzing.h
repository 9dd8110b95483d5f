// What the skin fuzzers share: their custom mutator (defined beside LoadFuzzedSkin) and the
// load of an input container.
#pragma once

#include <cstdint>
#include <span>

#include "skin/store/sSkinStore.h"

// Loads the container in Data into Store; false when it is refused (not a container, no
// description, or a load error).
bool LoadFuzzedSkin(std::span<const std::uint8_t> Data, TsSkinStore& Store);
