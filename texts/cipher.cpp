#include "texts/cipher.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

// Tables are indexed 1..256 as the index rules are written; entry 0 is unused.
using Table = std::array<int, 257>;

struct Keystream {
  Table state;
  int i = 0;
  int j = 0;
};

// Key table from the key repeated cyclically, then the mixing of the state
// table. j enters each sum as the position it last took.
Keystream keystream_for(const std::string& key) {
  Keystream ks;
  Table k{};
  for (int p = 1; p <= 256; ++p) {
    ks.state[p] = p - 1;
    // An empty key (only a caller's bad prefix can give one) mixes with zeros.
    k[p] = key.empty() ? 0
                       : static_cast<unsigned char>(key[(p - 1) % key.size()]);
  }
  int j = 0;
  for (int p = 1; p <= 256; ++p) {
    j = (j + ks.state[p] + k[p]) % 256 + 1;
    std::swap(ks.state[p], ks.state[j]);
  }
  return ks;
}

// One keystream step: i takes the even positions 2, 4, .., 256 only.
int next_key_byte(Keystream& ks) {
  Table& t = ks.state;
  ks.i = (ks.i + 1) % 256 + 1;
  ks.j = (ks.j + t[ks.i]) % 256 + 1;
  std::swap(t[ks.i], t[ks.j]);
  return t[(t[ks.i] + t[ks.j]) % 256 + 1];
}

int letter_digit(unsigned char byte) {
  if (byte >= 'A' && byte <= 'Z') return byte - 'A';
  if (byte >= 'a' && byte <= 'z') return byte - 'a';
  return -2;
}

int low_eight_bits(int value) { return ((value % 256) + 256) % 256; }

std::string decipher_layer(const std::string& stored,
                           const std::string& pass) {
  if (stored.empty()) return std::string();
  const std::size_t prefix_size = stored.size() < 2 ? stored.size() : 2;
  Keystream ks = keystream_for(pass + stored.substr(0, prefix_size));
  std::string plain;
  for (std::size_t g = prefix_size; g < stored.size(); g += 2) {
    int value = letter_digit(static_cast<unsigned char>(stored[g]));
    if (g + 1 < stored.size())
      value = 16 * value + letter_digit(static_cast<unsigned char>(stored[g + 1]));
    const int byte = low_eight_bits(value) ^ next_key_byte(ks);
    if (byte == 0) break;
    plain += static_cast<char>(byte);
  }
  return plain;
}

}  // namespace

std::string decipher_text(const std::string& stored,
                          const std::optional<std::string>& pass,
                          const std::optional<int>& repeat) {
  const int layers = repeat.value_or(1);
  std::string text = stored;
  for (int n = 0; n < layers && !text.empty(); ++n)
    text = decipher_layer(text, pass.value_or(std::string()));
  return text;
}

std::string encipher_text(const std::string& plain, const std::string& pass,
                          const std::string& prefix) {
  static const char letters[] = "ABCDEFGHIJKLMNOP";
  Keystream ks = keystream_for(pass + prefix);
  std::string stored = prefix;
  stored.reserve(prefix.size() + 2 * plain.size());
  for (char c : plain) {
    const int byte = static_cast<unsigned char>(c) ^ next_key_byte(ks);
    stored += letters[byte >> 4];
    stored += letters[byte & 0x0F];
  }
  return stored;
}
