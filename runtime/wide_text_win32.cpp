#include "runtime/wide_text_win32.h"

namespace {

MessageBoxSeam message_box_seam = nullptr;

std::wstring to_wide(UINT code_page, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, &wide[0], length);
  return wide;
}

}  // namespace

std::wstring gbk_to_wide(const std::string& text) { return to_wide(936, text); }

std::wstring acp_to_wide(const std::string& text) {
  return to_wide(CP_ACP, text);
}

std::string wide_to_acp(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0,
                                   nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, &bytes[0], length, nullptr,
                      nullptr);
  return bytes;
}

void set_message_box_seam(MessageBoxSeam seam) { message_box_seam = seam; }

int show_message_box(HWND owner, const std::string& text,
                     const std::string& caption, UINT flags) {
  if (message_box_seam != nullptr)
    return message_box_seam(owner, text, caption, flags);
  return MessageBoxW(owner, gbk_to_wide(text).c_str(),
                     gbk_to_wide(caption).c_str(), flags);
}
