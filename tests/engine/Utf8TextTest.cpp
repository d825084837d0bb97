#include "Utf8Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Utf8TextTest, NextCodePointReadsOneCharacterAtATime) {
  struct TRow {
    std::string Text;
    std::vector<char32_t> Expected;
  };
  const TRow Rows[] = {
      {"a{", {U'a', U'{'}},
      {"\xC3\xA9t\xC3\xA9", {0xE9, U't', 0xE9}},  // été
      {"30\xC2\xB0", {U'3', U'0', 0xB0}},         // the degree sign
      {"\xE2\x82\xAC", {0x20AC}},                 // the euro sign
      {"\xF0\x9F\x98\x80!", {0x1F600, U'!'}},     // beyond the 16-bit range
      {"\xC3", {0xFFFD}},                         // cut short at the end
      {"\xC3(", {0xFFFD, U'('}},                  // a lead byte without its continuation
      {"\x80x", {0xFFFD, U'x'}},                  // a stray continuation byte
      {"\xE2\x82", {0xFFFD, 0xFFFD}},             // cut short: each byte on its own
  };
  for (const TRow& R : Rows) {
    SCOPED_TRACE(R.Text);
    std::vector<char32_t> Got;
    for (std::size_t At = 0; At < R.Text.size();)
      Got.push_back(Utf8Text::NextCodePoint(R.Text, At));
    EXPECT_EQ(Got, R.Expected);
  }
}

}  // namespace
