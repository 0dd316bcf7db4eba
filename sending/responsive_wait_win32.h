#pragma once
// Waiting on the GUI thread while its messages keep being handled.
#include <cstdint>

// Waits amount units (0 ms, 1 s, 2 min, 3 h), dispatching messages
// meanwhile; always true.
bool wait_responsive(std::int32_t amount, std::int32_t unit);
