#include "sending/automation_win32.h"
