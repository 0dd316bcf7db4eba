#include "sending/responsive_wait_win32.h"

bool wait_responsive(std::int32_t, std::int32_t) { return true; }
