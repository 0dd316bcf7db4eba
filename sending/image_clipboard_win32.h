#pragma once
// A picture file onto the clipboard through an in-memory HTML document.
#include <string>

// True when the document's "copy" command reported success.
bool copy_image_to_clipboard(const std::string& path);
