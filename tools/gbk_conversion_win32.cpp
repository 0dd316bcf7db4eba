#include "tools/gbk_conversion.h"

#include <windows.h>

namespace {

bool to_wide(UINT code_page, const std::string& in, std::wstring& wide) {
  wide.clear();
  if (in.empty()) return true;
  const int size = static_cast<int>(in.size());
  int length = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(),
                                   size, nullptr, 0);
  if (length <= 0) return false;
  wide.resize(static_cast<std::size_t>(length));
  return MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, in.data(), size,
                             &wide[0], length) == length;
}

bool from_wide(UINT code_page, const std::wstring& wide, std::string& out) {
  out.clear();
  if (wide.empty()) return true;
  const int size = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  // Code page 65001 takes no default-character argument.
  BOOL* lost_flag = code_page == CP_UTF8 ? nullptr : &lost;
  int length = WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0,
                                   nullptr, lost_flag);
  if (length <= 0 || lost) return false;
  out.resize(static_cast<std::size_t>(length));
  WideCharToMultiByte(code_page, 0, wide.data(), size, &out[0], length, nullptr,
                      nullptr);
  return true;
}

}  // namespace

bool utf8_to_gbk(const std::string& utf8, std::string& gbk) {
  std::wstring wide;
  return to_wide(CP_UTF8, utf8, wide) && from_wide(936, wide, gbk);
}

bool gbk_to_utf8(const std::string& gbk, std::string& utf8) {
  std::wstring wide;
  return to_wide(936, gbk, wide) && from_wide(CP_UTF8, wide, utf8);
}
