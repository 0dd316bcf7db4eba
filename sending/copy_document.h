#pragma once
// The HTML document that puts one picture on the clipboard. Portable.
#include <cstddef>
#include <string>

// 11 lines, each ended by CR LF; the src value is the placeholder.
extern const char copy_template[];
extern const std::size_t copy_template_size;
extern const char copy_placeholder[];

// The template with every placeholder replaced by path, verbatim.
std::string make_copy_document(const std::string& path);
