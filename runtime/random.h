#pragma once
// The run time's random generator: one 32-bit state per thread, 1 when the
// thread starts, never seeded by the program. Portable.
#include <cstdint>

// A number from low to high, both included (negative bounds count as 0,
// swapped bounds are put in order, equal bounds do not advance the state).
std::int32_t random_in_range(std::int32_t low, std::int32_t high);

// Tests only: put this thread's generator back to a given state.
void reset_random_state(std::uint32_t state = 1);
