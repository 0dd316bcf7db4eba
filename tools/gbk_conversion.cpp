#include "tools/gbk_conversion.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

bool convert(const char* to, const char* from, const std::string& in,
             std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> buffer(in.size() * 4 + 16);
  char* source = const_cast<char*>(in.data());
  std::size_t source_left = in.size();
  char* target = buffer.data();
  std::size_t target_left = buffer.size();
  std::size_t result = iconv(cd, &source, &source_left, &target, &target_left);
  bool ok = result != static_cast<std::size_t>(-1) && source_left == 0;
  // Flush any shift state; neither encoding has one, but iconv asks for it.
  if (ok && iconv(cd, nullptr, nullptr, &target, &target_left) ==
                static_cast<std::size_t>(-1))
    ok = false;
  iconv_close(cd);
  if (ok) out.assign(buffer.data(), buffer.size() - target_left);
  return ok;
}

}  // namespace

bool utf8_to_gbk(const std::string& utf8, std::string& gbk) {
  return convert("GBK", "UTF-8", utf8, gbk);
}

bool gbk_to_utf8(const std::string& gbk, std::string& utf8) {
  return convert("UTF-8", "GBK", gbk, utf8);
}
