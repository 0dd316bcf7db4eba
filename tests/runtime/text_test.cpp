#include "runtime/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace {

struct TextCase {
  const char* name;
  std::string input;
  std::string expected;
};

struct IntCase {
  const char* name;
  std::string input;
  std::int32_t expected;
};

TEST(TextToInt, ReadsDecimalWithNarrowingAndWrap) {
  const IntCase cases[] = {
      {"plain", "20100", 20100},
      {"leading space", " 20", 20},
      {"letters only", "abc", 0},
      {"digits then letters", "12abc", 12},
      {"empty", "", 0},
      {"negative", "-5", -5},
      {"stops at point", "3.7", 3},
      {"sign not before digit", "- 5", 0},
      {"full-width digits", "\xA3\xB1\xA3\xB5", 15},
      {"full-width minus", "\xA3\xAD\xA3\xB5", -5},
      {"full-width space skipped", "\xA1\xA1" "42", 42},
      {"wraps past INT_MAX", "2147483648", INT32_MIN},
      {"wraps at 2^32", "4294967296", 0},
      {"wraps below INT_MIN", "-2147483649", INT32_MAX},
      {"INT_MIN", "-2147483648", INT32_MIN},
      {"plus sign", "+7", 7},
      {"control whitespace", "\t\n\v\f\r 9", 9},
      {"only one sign", "--5", 0},
      // 0xB0 0x31 is one double-byte character: its trail is no digit.
      {"trail byte is not a digit", "\xB0" "12", 0},
      {"other double-byte stays", "\xB0\xA1" "5", 0},
  };
  for (const IntCase& c : cases)
    EXPECT_EQ(text_to_int(c.input), c.expected) << c.name;
}

TEST(IntToText, DecimalWithSignOnlyWhenNegative) {
  EXPECT_EQ(int_to_text(std::int32_t{0}), "0");
  EXPECT_EQ(int_to_text(std::int32_t{1000}), "1000");
  EXPECT_EQ(int_to_text(std::int32_t{-7}), "-7");
  EXPECT_EQ(int_to_text(std::int32_t{INT32_MAX}), "2147483647");
  EXPECT_EQ(int_to_text(std::int32_t{INT32_MIN}), "-2147483648");
  EXPECT_EQ(int_to_text(std::int64_t{10000000000}), "10000000000");
  EXPECT_EQ(int_to_text(std::int64_t{INT64_MIN}), "-9223372036854775808");
  EXPECT_EQ(int_to_text(std::int64_t{INT64_MAX}), "9223372036854775807");
}

TEST(CharSizeAt, PairsLeadWithNonZeroTrail) {
  const std::string text("a\xB0\xA1\xB0", 4);
  EXPECT_EQ(char_size_at(text, 0), 1u);
  EXPECT_EQ(char_size_at(text, 1), 2u);
  EXPECT_EQ(char_size_at(text, 3), 1u) << "lead byte at the end";
  EXPECT_EQ(char_size_at(text, 4), 0u) << "past the end";
  EXPECT_EQ(char_size_at(std::string("\xB0\0x", 3), 0), 1u) << "zero trail";
}

TEST(TrimBothEnds, RemovesSpaceRunsCharacterWise) {
  const TextCase cases[] = {
      {"spaces", "  a b  ", "a b"},
      {"full-width spaces", "\xA1\xA1 a\xA1\xA1", "a"},
      {"leading tab stays", "\ta ", "\ta"},
      {"trailing line break stays", " a\n", "a\n"},
      {"empty", "", ""},
      {"only spaces", " \xA1\xA1 ", ""},
      {"lone lead byte at end", "ab\xB0", "ab"},
      {"lone lead after spaces", "ab \xB0", "ab"},
      // The 0x20 here is the trail byte of 0xB0 0x20, not a space.
      {"trail byte 0x20 stays", "a\xB0 ", "a\xB0 "},
      // The last 0xA1 0xA1 bytes are a trail and a lone lead, not a space.
      {"misaligned A1 A1", "x\xB0\xA1\xA1", "x\xB0\xA1"},
  };
  for (const TextCase& c : cases)
    EXPECT_EQ(trim_both_ends(c.input), c.expected) << c.name;
}

struct ReplaceCase {
  const char* name;
  std::string source, pattern, replacement, expected;
};

TEST(ReplaceText, EveryOccurrenceAtCharacterStarts) {
  const ReplaceCase cases[] = {
      {"every occurrence", "aXbXc", "X", "YY", "aYYbYYc"},
      {"not overlapping", "aaa", "aa", "b", "ba"},
      {"adjacent", "aaaa", "aa", "b", "bb"},
      {"case-sensitive", "Aa", "a", "b", "Ab"},
      {"no rescan of replacement", "a", "a", "aa", "aa"},
      {"deletion", "a-b-", "-", "", "ab"},
      {"empty pattern", "abc", "", "x", "abc"},
      {"empty source", "", "a", "x", ""},
      // 0x41 is the trail byte of 0xB0 0x41 and is skipped.
      {"trail byte not matched", "\xB0" "AA", "A", "b", "\xB0" "Ab"},
      {"double-byte pattern", "\xD6\xD0\xCE\xC4", "\xCE\xC4", "x",
       "\xD6\xD0x"},
  };
  for (const ReplaceCase& c : cases)
    EXPECT_EQ(replace_text(c.source, c.pattern, c.replacement), c.expected)
        << c.name;
}

TEST(TextAtAddress, CopiesUpToZeroAndNullIsEmpty) {
  const char bytes[] = {'a', 'b', '\0', 'c', '\0'};
  EXPECT_EQ(text_at_address(bytes), "ab");
  EXPECT_EQ(text_at_address(nullptr), "");
}

}  // namespace
