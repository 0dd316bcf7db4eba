#pragma once
// The program's text model: GBK (code page 936) byte strings held in
// std::string. A byte of 0x80 or more followed by a non-zero byte is one
// double-byte character; the walking operations step over such a pair.
// Portable: no Win32 here.
#include <cstddef>
#include <cstdint>
#include <string>

// 2 when a double-byte character starts at index, else 1 (0 past the end).
std::size_t char_size_at(const std::string& text, std::size_t index);

// Decimal reading with full-width narrowing, wrapping modulo 2^32; never fails.
std::int32_t text_to_int(const std::string& text);

// Decimal, "-" before a negative value, no leading zeros, no grouping.
std::string int_to_text(std::int32_t value);
std::string int_to_text(std::int64_t value);

// Removes leading and trailing spaces and full-width spaces (0xA1 0xA1),
// and a lone lead byte at the very end.
std::string trim_both_ends(const std::string& text);

// Every occurrence of pattern, left to right, not overlapping, exact bytes,
// tried only at character starts; an empty source or pattern gives source.
std::string replace_text(const std::string& source, const std::string& pattern,
                         const std::string& replacement);

// Copy of the NUL-terminated text at address; a null address gives "".
std::string text_at_address(const char* address);
