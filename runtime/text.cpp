#include "runtime/text.h"

namespace {

unsigned char byte_at(const std::string& text, std::size_t index) {
  return static_cast<unsigned char>(text[index]);
}

bool is_space_at(const std::string& text, std::size_t index) {
  return text[index] == ' ' ||
         (char_size_at(text, index) == 2 && byte_at(text, index) == 0xA1 &&
          byte_at(text, index + 1) == 0xA1);
}

// The single byte a full-width character reads as, or 0 when it stays.
char narrowed(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
    return static_cast<char>(trail - 0x80);
  if (lead == 0xA1) {
    if (trail == 0xA1) return ' ';
    if (trail == 0xAB) return '~';
    if (trail == 0xEE || trail == 0xEF) return '*';
  }
  return 0;
}

std::string narrow_full_width(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t size = char_size_at(text, i);
    if (size == 2) {
      char single = narrowed(byte_at(text, i), byte_at(text, i + 1));
      if (single != 0)
        out += single;
      else
        out.append(text, i, 2);
    } else if (byte_at(text, i) < 0x80 || i + 1 < text.size()) {
      out += text[i];  // a lead byte at the very end is dropped
    }
    i += size;
  }
  return out;
}

}  // namespace

std::size_t char_size_at(const std::string& text, std::size_t index) {
  if (index >= text.size()) return 0;
  if (byte_at(text, index) >= 0x80 && index + 1 < text.size() &&
      text[index + 1] != '\0')
    return 2;
  return 1;
}

std::int32_t text_to_int(const std::string& text) {
  const std::string narrow = narrow_full_width(text);
  std::size_t i = 0;
  while (i < narrow.size() &&
         (narrow[i] == ' ' || (narrow[i] >= 0x09 && narrow[i] <= 0x0D)))
    ++i;
  bool negative = false;
  if (i < narrow.size() && (narrow[i] == '+' || narrow[i] == '-')) {
    negative = narrow[i] == '-';
    ++i;
  }
  // Unsigned arithmetic wraps modulo 2^32 without undefined behaviour.
  std::uint32_t value = 0;
  for (; i < narrow.size() && narrow[i] >= '0' && narrow[i] <= '9'; ++i)
    value = value * 10u + static_cast<std::uint32_t>(narrow[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::string int_to_text(std::int64_t value) {
  std::uint64_t magnitude = value < 0 ? 0u - static_cast<std::uint64_t>(value)
                                      : static_cast<std::uint64_t>(value);
  char digits[24];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string out = value < 0 ? "-" : "";
  while (n > 0) out += digits[--n];
  return out;
}

std::string int_to_text(std::int32_t value) {
  return int_to_text(static_cast<std::int64_t>(value));
}

std::string trim_both_ends(const std::string& text) {
  std::size_t begin = 0;
  while (begin < text.size() && is_space_at(text, begin))
    begin += char_size_at(text, begin);
  // Walk by characters so that a trail byte 0x20 is never taken for a space.
  std::size_t end = begin;
  for (std::size_t i = begin; i < text.size();) {
    std::size_t size = char_size_at(text, i);
    bool lone_lead_at_end = i + 1 == text.size() && byte_at(text, i) >= 0x80;
    if (!is_space_at(text, i) && !lone_lead_at_end) end = i + size;
    i += size;
  }
  return text.substr(begin, end - begin);
}

std::string replace_text(const std::string& source, const std::string& pattern,
                         const std::string& replacement) {
  if (source.empty() || pattern.empty()) return source;
  std::string out;
  out.reserve(source.size());
  for (std::size_t i = 0; i < source.size();) {
    if (source.compare(i, pattern.size(), pattern) == 0) {
      out += replacement;
      i += pattern.size();
    } else {
      std::size_t size = char_size_at(source, i);
      out.append(source, i, size);
      i += size;
    }
  }
  return out;
}

std::string text_at_address(const char* address) {
  return address != nullptr ? std::string(address) : std::string();
}
