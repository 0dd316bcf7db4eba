#include "texts/cipher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Worked out from the index rules on their own, outside this code. A plain
// RC4 with the same key gives other text ("ABMNMFFKPBPI" for the first),
// so a 0-based j or an i stepping by one fails here. With key "AB" the
// first keystream bytes are 58, 56, 76.
TEST(Cipher, KnownAnswers) {
  const struct {
    std::string plain, pass, prefix, stored;
  } cases[] = {
      {"hello", "", "AB", "ABFCFNCAKMDC"},
      {"Hi", "", "QQ", "QQKGBJ"},
      {"Hi", "key", "QQ", "QQHBGE"},
      {"", "", "XY", "XY"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encipher_text(c.plain, c.pass, c.prefix), c.stored) << c.plain;
    EXPECT_EQ(decipher_text(c.stored, c.pass), c.plain) << c.stored;
  }
}

TEST(Cipher, DecipherReadsMalformedBodies) {
  const struct {
    const char* name;
    std::string stored, expected;
  } cases[] = {
      {"empty", "", ""},
      {"prefix of one byte", "A", ""},
      {"prefix only", "AB", ""},
      // "F" alone is 5; 5 XOR 56 is '='.
      {"odd body", "ABFCF", "h="},
      {"lower-case body", "ABfcfn", "he"},
      // 16 * 21 + 2 = 338, which is 82 ("FC") modulo 256.
      {"letters beyond P", "ABVC", "h"},
      // '1' has digit -2: 16 * -2 + 2 = -30, which is 226 ("OC").
      {"non-letter", "AB1C", decipher_text("ABOC")},
      // Two bytes of a double-byte character: -34, which is 222 ("NO").
      {"double-byte character", "AB\xB1\xED", decipher_text("ABNO")},
      // "DI" is 56, the second keystream byte: plain zero ends the text.
      {"zero byte ends result", "ABFCDIFN", "h"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(decipher_text(c.stored), c.expected) << c.name;
  EXPECT_NE(decipher_text("abFC"), "h") << "lower-case prefix is another key";
}

TEST(Cipher, RepeatCount) {
  const std::string two_layers =
      encipher_text(encipher_text("text", "", "AB"), "", "CD");
  EXPECT_EQ(decipher_text(two_layers, std::nullopt, 2), "text");
  EXPECT_EQ(decipher_text(two_layers, std::nullopt, 1),
            encipher_text("text", "", "AB"));
  EXPECT_EQ(decipher_text(two_layers, std::nullopt, 0), two_layers);
  EXPECT_EQ(decipher_text(two_layers, std::nullopt, -3), two_layers);
  EXPECT_EQ(decipher_text("", std::nullopt, 5), "");
  EXPECT_EQ(decipher_text("", std::nullopt, 0), "");
}

TEST(Cipher, OnlyFirst256KeyBytesCount) {
  const std::string pass(256, 'k');
  const std::string stored = encipher_text("secret", pass + "one", "AB");
  EXPECT_EQ(decipher_text(stored, pass + "two"), "secret");
  // The prefix lies beyond the 256th key byte too.
  EXPECT_EQ(decipher_text("CD" + stored.substr(2), pass), "secret");
  // The 256th key byte still counts. It moves only two state entries, so
  // the text is long enough for i to reach position 256.
  const std::string short_pass(255, 'k');
  const std::string plain(200, 'p');
  EXPECT_NE(decipher_text(encipher_text(plain, short_pass, "AB"),
                          short_pass + "x"),
            plain);
}

std::string random_bytes(std::mt19937& generator, int low_byte,
                         std::size_t max_size) {
  std::uniform_int_distribution<std::size_t> size(0, max_size);
  std::uniform_int_distribution<int> byte(low_byte, 255);
  std::string text(size(generator), '\0');
  for (char& c : text) c = static_cast<char>(byte(generator));
  return text;
}

TEST(Cipher, RoundTripOverLayers) {
  std::mt19937 generator(20260);
  std::uniform_int_distribution<int> letter('A', 'Z');
  std::uniform_int_distribution<int> layer_count(1, 3);
  for (int round = 0; round < 300; ++round) {
    const std::string plain = random_bytes(generator, 1, 40);
    const std::string pass = random_bytes(generator, 0, 12);
    const int layers = layer_count(generator);
    std::string stored = plain;
    for (int n = 0; n < layers; ++n) {
      const std::string prefix = {static_cast<char>(letter(generator)),
                                  static_cast<char>(letter(generator))};
      const std::size_t plain_size = stored.size();
      stored = encipher_text(stored, pass, prefix);
      ASSERT_EQ(stored.size(), 2 + 2 * plain_size);
      ASSERT_EQ(stored.find_first_not_of("ABCDEFGHIJKLMNOP", 2),
                std::string::npos);
    }
    ASSERT_EQ(decipher_text(stored, pass, layers), plain)
        << "round " << round << ", " << layers << " layers";
  }
}

}  // namespace
