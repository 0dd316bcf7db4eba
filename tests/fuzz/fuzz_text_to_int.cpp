// text_to_int never faults, reads back what int_to_text writes (64-bit
// values modulo 2^32) and ignores a leading space.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::int32_t n32 = input.ConsumeIntegral<std::int32_t>();
  const std::int64_t n64 = input.ConsumeIntegral<std::int64_t>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  if (text_to_int(int_to_text(n32)) != n32) std::abort();
  const auto wrapped =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(n64));
  if (text_to_int(int_to_text(n64)) != wrapped) std::abort();
  if (text_to_int(" " + text) != text_to_int(text)) std::abort();
  return 0;
}
