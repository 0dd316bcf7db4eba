// trim_both_ends gives a piece of its input that starts and ends with no
// space, full-width space or lone lead byte, and trimming it again changes
// nothing.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/text.h"

namespace {

bool is_space_char(const std::string& text, std::size_t index) {
  if (text[index] == ' ') return true;
  return char_size_at(text, index) == 2 && text[index] == '\xA1' &&
         text[index + 1] == '\xA1';
}

void check_ends(const std::string& trimmed) {
  if (trimmed.empty()) return;
  if (is_space_char(trimmed, 0)) std::abort();
  std::size_t last = 0;
  for (std::size_t i = 0; i < trimmed.size(); i += char_size_at(trimmed, i))
    last = i;
  if (is_space_char(trimmed, last)) std::abort();
  if (last + 1 == trimmed.size() &&
      static_cast<unsigned char>(trimmed[last]) >= 0x80)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string trimmed = trim_both_ends(text);
  if (text.find(trimmed) == std::string::npos) std::abort();
  check_ends(trimmed);
  if (trim_both_ends(trimmed) != trimmed) std::abort();
  return 0;
}
