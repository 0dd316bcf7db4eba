#include "sending/image_clipboard_win32.h"

bool copy_image_to_clipboard(const std::string&) { return false; }
