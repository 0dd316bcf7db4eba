#include "runtime/random.h"

#include <utility>

namespace {
thread_local std::uint32_t random_state = 1;
}

std::int32_t random_in_range(std::int32_t low, std::int32_t high) {
  if (low < 0) low = 0;
  if (high < 0) high = 0;
  if (low > high) std::swap(low, high);
  if (low == high) return low;
  random_state = random_state * 214013u + 2531011u;
  const std::uint32_t r = (random_state >> 16) & 0x7FFFu;
  // high - low + 1 can be 2^31: count in unsigned.
  const std::uint32_t span = static_cast<std::uint32_t>(high - low) + 1u;
  return low + static_cast<std::int32_t>(r % span);
}

void reset_random_state(std::uint32_t state) { random_state = state; }
