#include "app/OemText.h"

#include <algorithm>

namespace {

bool IsLeadByte(std::uint8_t Byte, const std::vector<TLeadByteRange>& Ranges) {
  return std::any_of(Ranges.begin(), Ranges.end(),
                     [Byte](const TLeadByteRange& R) { return Byte >= R.First && Byte <= R.Last; });
}

// A trail byte may lie in the lead-byte range too, so only a walk from a known character
// boundary tells whether the last byte starts a character.
std::size_t CompleteDoubleByteLength(std::span<const std::uint8_t> Bytes,
                                     const std::vector<TLeadByteRange>& LeadBytes) {
  std::size_t I = 0;
  while (I < Bytes.size()) {
    if (!IsLeadByte(Bytes[I], LeadBytes)) {
      ++I;
    } else if (I + 1 < Bytes.size()) {
      I += 2;
    } else {
      break;
    }
  }
  return I;
}

// Length of the sequence a UTF-8 lead byte announces; 0 for a byte that cannot start one.
std::size_t Utf8SequenceLength(std::uint8_t Lead) {
  if (Lead >= 0xC2 && Lead <= 0xDF) return 2;
  if (Lead >= 0xE0 && Lead <= 0xEF) return 3;
  if (Lead >= 0xF0 && Lead <= 0xF4) return 4;
  return 0;
}

bool IsUtf8Continuation(std::uint8_t Byte) { return (Byte & 0xC0) == 0x80; }

// Only the last few bytes can belong to an unfinished sequence: step back over continuation
// bytes to the lead and compare what is there with what it announces. Invalid bytes stay in
// the complete part; the converter replaces them.
std::size_t CompleteUtf8Length(std::span<const std::uint8_t> Bytes) {
  const std::size_t Size = Bytes.size();
  std::size_t Back = 0;
  while (Back < 3 && Back < Size && IsUtf8Continuation(Bytes[Size - 1 - Back])) ++Back;
  if (Back == Size) return Size;
  const std::size_t LeadAt = Size - 1 - Back;
  const std::size_t Needed = Utf8SequenceLength(Bytes[LeadAt]);
  return Needed > Back + 1 ? LeadAt : Size;
}

}  // namespace

std::size_t CompleteCharactersLength(std::span<const std::uint8_t> Bytes, const TOemCodePage& CodePage) {
  switch (CodePage.Kind) {
    case TOemCodePageKind::SingleByte:
      return Bytes.size();
    case TOemCodePageKind::DoubleByte:
      return CompleteDoubleByteLength(Bytes, CodePage.LeadBytes);
    case TOemCodePageKind::Utf8:
      return CompleteUtf8Length(Bytes);
  }
  return Bytes.size();
}

TOemSplit SplitOemChunk(std::span<const std::uint8_t> Bytes, const TOemCodePage& CodePage) {
  const auto Zero = std::find(Bytes.begin(), Bytes.end(), std::uint8_t{0});
  if (Zero != Bytes.end()) return {static_cast<std::size_t>(Zero - Bytes.begin()), 0};
  const std::size_t Complete = CompleteCharactersLength(Bytes, CodePage);
  return {Complete, Bytes.size() - Complete};
}
