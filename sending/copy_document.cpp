#include "sending/copy_document.h"

#include "runtime/text.h"

const char copy_template[] =
    "<!DOCTYPE html>\r\n"
    "<html>\r\n"
    "<head>\r\n"
    "<title>Copy Gif Image</title>\r\n"
    "</head>\r\n"
    "\r\n"
    "<body>\r\n"
    "<img src=\"[&GifFileName]\"  alt=\"\" id=\"img\" />\r\n"
    "</body>\r\n"
    "\r\n"
    "</html>\r\n";
const std::size_t copy_template_size = sizeof copy_template - 1;
const char copy_placeholder[] = "[&GifFileName]";

// replace_text scans the template only, character by character, so a path
// holding the placeholder itself goes in unchanged.
std::string make_copy_document(const std::string& path) {
  return replace_text(std::string(copy_template, copy_template_size),
                      copy_placeholder, path);
}
