// The in-place conversions between NUL-terminated and length-prefixed text.
#include "plugin/shell/strings.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

struct LengthCase {
  size_t characters;
  bool converts;
};

void PrintTo(const LengthCase& c, std::ostream* out) {
  *out << c.characters << " characters";
}

class LengthPrefixed : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthPrefixed, ConvertsUpTo255CharactersAndLeavesTheRestAlone) {
  const LengthCase& c = GetParam();
  // Distinct characters show a front-to-back copy smearing the first one.
  std::string text;
  for (size_t i = 0; i < c.characters; ++i) text += char('a' + i % 26);
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  buffer.push_back('#');  // behind the terminator: never touched
  std::vector<char> before = buffer;

  unsigned char* result = MakeLengthPrefixed(buffer.data());
  if (!c.converts) {
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(buffer, before);
    return;
  }
  ASSERT_EQ(result, reinterpret_cast<unsigned char*>(buffer.data()));
  EXPECT_EQ(result[0], c.characters);
  EXPECT_EQ(std::string(buffer.data() + 1, c.characters), text);
  EXPECT_EQ(buffer.back(), '#');

  char* back = MakeNulTerminated(result);
  EXPECT_EQ(back, buffer.data());
  EXPECT_EQ(std::string(back), text);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, LengthPrefixed,
    ::testing::Values(LengthCase{0, true}, LengthCase{1, true},
                      LengthCase{13, true}, LengthCase{254, true},
                      LengthCase{255, true}, LengthCase{256, false},
                      LengthCase{1000, false}),
    [](const auto& info) {
      return std::to_string(info.param.characters) + "_characters";
    });

TEST(NulTerminated, WritesTheTerminatorRightBehindTheCharacters) {
  unsigned char text[8] = {4, 'A', 'B', 'C', 'D', 'x', 'y', 'z'};
  EXPECT_STREQ(MakeNulTerminated(text), "ABCD");
  EXPECT_EQ(text[5], 'x');
  unsigned char empty[2] = {0, 'q'};
  EXPECT_STREQ(MakeNulTerminated(empty), "");
}

}  // namespace
