#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "skin/store/VersionSwitch.h"

namespace {

struct TCase {
  std::vector<std::wstring> Arguments;
  std::optional<std::size_t> Expected;
};

TEST(VersionSwitch, FirstArgumentThatIsTheSwitchIgnoringCase) {
  const TCase Cases[] = {
      {{}, std::nullopt},
      {{L"/acver"}, 0},
      {{L"/ACVER"}, 0},
      {{L"/AcVeR"}, 0},
      {{L"-x", L"C:\\Skins", L"/acver"}, 2},
      {{L"/acverx"}, std::nullopt},
      {{L"/acve"}, std::nullopt},
      {{L"acver"}, std::nullopt},
      {{L" /acver"}, std::nullopt},
      {{L"/acver "}, std::nullopt},
      {{L"-acver"}, std::nullopt},
      {{L"/acverx", L"/ACVER", L"/acver"}, 1},
      {{L"/acver", L"/acver"}, 0},
      // A look-alike letter of another script is not the switch's letter.
      {{L"/\u0430cver"}, std::nullopt},  // Cyrillic a
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::PrintToString(Case.Arguments));
    EXPECT_EQ(FindVersionSwitch(Case.Arguments), Case.Expected);
  }
}

}  // namespace
