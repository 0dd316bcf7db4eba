// Any stored text deciphers without fault to a text without zero bytes,
// and deciphering encipher_text's output gives the plain text back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "texts/cipher.h"

namespace {

void check_any_stored_text(const std::string& stored, const std::string& pass,
                           int repeat) {
  const std::string plain = decipher_text(stored, pass, repeat);
  if (repeat <= 0 && plain != stored) std::abort();
  if (repeat == 1 && plain.find('\0') != std::string::npos) std::abort();
  if (repeat == 1 && plain.size() > (stored.size() - 1) / 2) std::abort();
}

void check_round_trip(std::string plain, const std::string& pass,
                      const std::string& prefix) {
  for (char& c : plain)
    if (c == '\0') c = 'z';  // plain texts never hold a zero byte
  const std::string stored = encipher_text(plain, pass, prefix);
  if (stored.size() != 2 + 2 * plain.size()) std::abort();
  if (decipher_text(stored, pass) != plain) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int repeat = input.ConsumeIntegralInRange<int>(-1, 3);
  const std::string prefix = {static_cast<char>(input.ConsumeIntegralInRange('A', 'Z')),
                              static_cast<char>(input.ConsumeIntegralInRange('A', 'Z'))};
  const std::string pass = input.ConsumeRandomLengthString(300);
  const std::string text = input.ConsumeRemainingBytesAsString();
  if (!text.empty()) check_any_stored_text(text, pass, repeat);
  check_round_trip(text, pass, prefix);
  return 0;
}
