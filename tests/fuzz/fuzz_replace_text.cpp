// replace_text never faults; replacing a pattern by itself, or a pattern
// that does not occur, gives the source back; the result's size agrees with
// one count of matches whatever the replacement.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string pattern = input.ConsumeRandomLengthString(8);
  const std::string replacement = input.ConsumeRandomLengthString(8);
  const std::string source = input.ConsumeRemainingBytesAsString();

  if (replace_text(source, pattern, pattern) != source) std::abort();
  const std::string result = replace_text(source, pattern, replacement);
  if (source.find(pattern) == std::string::npos && result != source)
    std::abort();
  if (pattern.empty()) return 0;

  const std::size_t removed = source.size() - replace_text(source, pattern, "").size();
  if (removed % pattern.size() != 0) std::abort();
  const std::size_t matches = removed / pattern.size();
  if (result.size() + matches * pattern.size() !=
      source.size() + matches * replacement.size())
    std::abort();
  return 0;
}
