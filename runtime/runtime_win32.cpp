#include "runtime/runtime_win32.h"

#include <ole2.h>
#include <shellapi.h>

#include <algorithm>
#include <new>
#include <vector>

#include "runtime/run_directory.h"
#include "runtime/text.h"
#include "runtime/wide_text_win32.h"

namespace {

std::vector<void (*)()> exit_list;
MessagePretranslator message_pretranslator = nullptr;
KeyEventSink key_event_sink = nullptr;
UrlOpener url_opener = nullptr;

void out_of_memory() { runtime_error(runtime_error_out_of_memory); }

const char* error_description(int number) {
  switch (number) {
    case runtime_error_list_index: return "列表成员索引超出范围";
    case runtime_error_out_of_memory: return "内存不足";
    case runtime_error_window_creation: return "无法创建主窗口";
    default: return "未知错误";
  }
}

void key_event(BYTE key, DWORD flags) {
  if (key_event_sink != nullptr)
    key_event_sink(key, flags);
  else
    keybd_event(key, 0, flags, 0);
}

}  // namespace

// GetModuleFileNameA truncates a longer path and then returns the buffer's
// size, so a result that fills the buffer means: grow and try again.
std::string module_file_path(std::size_t first_size) {
  std::vector<char> buffer(first_size < 2 ? 2 : first_size);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(),
                                      static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

void runtime_init() {
  OleInitialize(nullptr);
  std::set_new_handler(out_of_memory);
  set_run_directory(directory_of_module_path(module_file_path()));
  SetCurrentDirectoryA(run_directory().c_str());
}

int runtime_end(int exit_code) {
  // Taken out first, so that a routine registering another does not upset
  // the walk, and a second end runs nothing twice.
  std::vector<void (*)()> routines;
  routines.swap(exit_list);
  for (void (*routine)() : routines) routine();
  OleUninitialize();
  return exit_code;
}

void register_exit_routine(void (*routine)()) {
  if (routine == nullptr) return;
  if (std::find(exit_list.begin(), exit_list.end(), routine) == exit_list.end())
    exit_list.push_back(routine);
}

void runtime_error(int number) {
  const std::string text = "运行时错误 " + int_to_text(number) + "：" +
                           error_description(number) + "。程序将退出。";
  show_message_box(nullptr, text, "运行时错误", MB_ICONERROR | MB_OK);
  exit_list.clear();
  OleUninitialize();
  ExitProcess(0xFFFFFFFFu);
}

HWND window_handle(HWND window) {
  return window != nullptr && IsWindow(window) ? window : nullptr;
}

void set_message_pretranslator(MessagePretranslator pretranslator) {
  message_pretranslator = pretranslator;
}

void handle_message(MSG& message) {
  if (message_pretranslator != nullptr && message_pretranslator(message))
    return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

int run_message_loop() {
  MSG message = {};
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0)
    handle_message(message);
  // -1: the loop itself failed; there is no WM_QUIT code to pass on.
  return got == 0 ? static_cast<int>(message.wParam) : -1;
}

void process_events() {
  MSG message = {};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) &&
         message.message != WM_QUIT) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {
      // Taken by mistake: it belongs to the main loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    handle_message(message);
  }
}

void set_key_event_sink(KeyEventSink sink) { key_event_sink = sink; }

void press_keys(int key1, int key2, int key3) {
  const int keys[] = {key1, key2, key3};
  for (int key : keys)
    if (key != 0) key_event(static_cast<BYTE>(key), 0);
  for (int key : keys)
    if (key != 0) key_event(static_cast<BYTE>(key), KEYEVENTF_KEYUP);
}

void set_url_opener(UrlOpener opener) { url_opener = opener; }

void open_url(const std::string& address) {
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr,
                             "Microsoft Internet Explorer");
  if (url_opener != nullptr)
    url_opener(owner, address);
  else
    ShellExecuteA(owner, "open", address.c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}
