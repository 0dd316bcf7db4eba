#pragma once
// The stored-text cipher: a byte stream cipher on the pattern of RC4 with
// index rules of its own; a stored text is a 2-byte prefix (the end of the
// key) and two letters "A".."P" per cipher byte. Portable.
#include <optional>
#include <string>

// Deciphers layers of a stored text. No pass text means the empty one;
// no repeat count means one layer; a given count of 0 or less returns the
// stored text unchanged.
std::string decipher_text(const std::string& stored,
                          const std::optional<std::string>& pass = std::nullopt,
                          const std::optional<int>& repeat = std::nullopt);

// One layer of the inverse: prefix (two bytes, the end of the key) followed
// by two letters "A".."P" per plain byte.
std::string encipher_text(const std::string& plain, const std::string& pass,
                          const std::string& prefix);
