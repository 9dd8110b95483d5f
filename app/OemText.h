// Splitting one read of a console program's output into the part that converts now and the
// bytes that must wait for the next read. A read ends wherever the pipe happened to cut the
// stream, which may be in the middle of a double-byte character or of a UTF-8 sequence;
// converting such a piece on its own would turn one character into two replacement marks.
// Portable: the Win32 side describes the OEM code page and does the conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

enum class TOemCodePageKind { SingleByte, DoubleByte, Utf8 };

// A closed range of lead bytes of a double-byte code page, as the system lists them.
struct TLeadByteRange {
  std::uint8_t First = 0;
  std::uint8_t Last = 0;
};

struct TOemCodePage {
  TOemCodePageKind Kind = TOemCodePageKind::SingleByte;
  std::vector<TLeadByteRange> LeadBytes;  // DoubleByte only
};

// Complete: the leading bytes to convert now. Carry: the bytes right after them to put in
// front of the next read (an incomplete character at the end; at most 3 bytes).
struct TOemSplit {
  std::size_t Complete = 0;
  std::size_t Carry = 0;
};

// How many leading bytes of Bytes form whole characters. Bytes must begin at a character
// boundary (the start of the output, or the carried bytes of the previous read).
std::size_t CompleteCharactersLength(std::span<const std::uint8_t> Bytes, const TOemCodePage& CodePage);

// One read's bytes (with the previous carry in front). A zero byte ends the text: the bytes
// from it on are dropped and nothing is carried, since what follows the dropped bytes does not
// continue the character before them.
TOemSplit SplitOemChunk(std::span<const std::uint8_t> Bytes, const TOemCodePage& CodePage);
