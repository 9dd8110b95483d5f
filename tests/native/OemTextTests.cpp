#include "app/OemText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Shift-JIS (932) as the system lists its lead bytes: 0x81-0x9F and 0xE0-0xFC. Its trail
// bytes 0x40-0xFC overlap the lead range, which is what makes the split interesting.
const TOemCodePage ShiftJis{TOemCodePageKind::DoubleByte, {{0x81, 0x9F}, {0xE0, 0xFC}}};
const TOemCodePage Utf8{TOemCodePageKind::Utf8, {}};
const TOemCodePage Cp437{TOemCodePageKind::SingleByte, {}};

struct TSplitCase {
  const char* Name;
  const TOemCodePage* CodePage;
  std::vector<std::uint8_t> Bytes;
  std::size_t Complete;
  std::size_t Carry;
};

class OemSplit : public testing::TestWithParam<TSplitCase> {};

TEST_P(OemSplit, KeepsWholeCharactersAndCarriesTheUnfinishedOne) {
  const TSplitCase& Case = GetParam();
  const TOemSplit Split = SplitOemChunk(Case.Bytes, *Case.CodePage);
  EXPECT_EQ(Split.Complete, Case.Complete);
  EXPECT_EQ(Split.Carry, Case.Carry);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OemSplit,
    testing::Values(
        TSplitCase{"Empty", &ShiftJis, {}, 0, 0},
        TSplitCase{"SingleByteNeverCarries", &Cp437, {0x41, 0xE0, 0xE2}, 3, 0},
        TSplitCase{"DbcsWholePairs", &ShiftJis, {0x41, 0x82, 0xA0, 0x42}, 4, 0},
        TSplitCase{"DbcsLoneLeadAtEnd", &ShiftJis, {0x41, 0x42, 0x82}, 2, 1},
        TSplitCase{"DbcsOnlyALeadByte", &ShiftJis, {0x93}, 0, 1},
        // 0x93 0x81 is one character whose trail byte is also a lead byte: nothing to carry.
        TSplitCase{"DbcsTrailInLeadRange", &ShiftJis, {0x93, 0x81}, 2, 0},
        TSplitCase{"DbcsTrailInLeadRangeThenLead", &ShiftJis, {0x93, 0x81, 0x93}, 2, 1},
        TSplitCase{"DbcsSingleByteKatakanaIsNoLead", &ShiftJis, {0xB1, 0xB2}, 2, 0},
        TSplitCase{"Utf8Whole", &Utf8, {0x61, 0xCE, 0xB1, 0xE2, 0x82, 0xAC}, 6, 0},
        TSplitCase{"Utf8TwoByteCut", &Utf8, {0x61, 0xCE}, 1, 1},
        TSplitCase{"Utf8ThreeByteCutAfterOne", &Utf8, {0x61, 0xE2}, 1, 1},
        TSplitCase{"Utf8ThreeByteCutAfterTwo", &Utf8, {0x61, 0xE2, 0x82}, 1, 2},
        TSplitCase{"Utf8FourByteCutAfterThree", &Utf8, {0xF0, 0x9F, 0x98}, 0, 3},
        TSplitCase{"Utf8FourByteWhole", &Utf8, {0xF0, 0x9F, 0x98, 0x80}, 4, 0},
        TSplitCase{"Utf8StrayContinuationsStay", &Utf8, {0x61, 0x80, 0x80}, 3, 0},
        TSplitCase{"Utf8InvalidLeadStays", &Utf8, {0x61, 0xFF}, 2, 0},
        TSplitCase{"ZeroEndsTheText", &Cp437, {0x41, 0x42, 0x00, 0x43}, 2, 0},
        TSplitCase{"ZeroFirst", &Cp437, {0x00, 0x41}, 0, 0},
        TSplitCase{"ZeroDropsTheUnfinishedCharacterBeforeIt", &ShiftJis, {0x41, 0x00, 0x82}, 1, 0},
        TSplitCase{"ZeroAfterLeadByteEndsThere", &ShiftJis, {0x41, 0x82, 0x00, 0xA0}, 2, 0}),
    [](const testing::TestParamInfo<TSplitCase>& Info) { return std::string(Info.param.Name); });

// A stream cut into reads at every possible place comes out as the same characters: the
// carried bytes go in front of the next read, as the runner does.
TEST(OemSplitStream, EveryCutGivesTheSameText) {
  const std::vector<std::uint8_t> Stream{0x41, 0x93, 0x81, 0x82, 0xA0, 0x0D, 0x0A, 0x95, 0x5C, 0x42};
  for (std::size_t Cut = 0; Cut <= Stream.size(); ++Cut) {
    std::vector<std::uint8_t> Converted;
    std::vector<std::uint8_t> Pending;
    for (const auto& Piece : {std::vector<std::uint8_t>(Stream.begin(), Stream.begin() + Cut),
                              std::vector<std::uint8_t>(Stream.begin() + Cut, Stream.end())}) {
      Pending.insert(Pending.end(), Piece.begin(), Piece.end());
      const TOemSplit Split = SplitOemChunk(Pending, ShiftJis);
      // Each converted piece must itself be whole characters.
      EXPECT_EQ(CompleteCharactersLength(std::span(Pending).first(Split.Complete), ShiftJis), Split.Complete)
          << "cut at " << Cut;
      Converted.insert(Converted.end(), Pending.begin(), Pending.begin() + Split.Complete);
      Pending.erase(Pending.begin(), Pending.begin() + Split.Complete);
      EXPECT_EQ(Pending.size(), Split.Carry);
    }
    EXPECT_EQ(Converted, Stream) << "cut at " << Cut;
    EXPECT_TRUE(Pending.empty()) << "cut at " << Cut;
  }
}

}  // namespace
