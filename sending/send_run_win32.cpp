#include "sending/send_run_win32.h"

#include <windows.h>

#include "app/controls_win32.h"
#include "hotkeys/hotkey_registry_win32.h"
#include "runtime/random.h"
#include "runtime/run_directory.h"
#include "runtime/runtime_win32.h"
#include "runtime/text.h"
#include "sending/image_clipboard_win32.h"
#include "sending/responsive_wait_win32.h"

std::int32_t stop_flag = 0;
std::int32_t sent_counter = 0;
std::string current_image_path;

namespace {

// Runs in progress, nested ones included. F5 pressed during a run starts
// a run inside its wait; the bound keeps a stream of F5s from nesting
// until the stack runs out.
int running_runs = 0;
constexpr int deepest_run = 8;

void set_settings_disabled(bool disabled) {
  for (HWND box : {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5}) set_disabled(box, disabled);
}

bool window_gone() { return window_handle(main_window) == nullptr; }

bool file_exists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// True only when the copy put something new on the clipboard: a paste
// must never send what the user had there before.
bool picture_to_clipboard(const std::string& path) {
  if (!file_exists(path)) return false;
  DWORD before = GetClipboardSequenceNumber();
  bool copied = copy_image_to_clipboard(path);
  return copied && GetClipboardSequenceNumber() != before;
}

std::string next_picture_path() {
  std::int32_t low = text_to_int(get_text(编辑框3));
  std::int32_t high = text_to_int(get_text(编辑框4));
  std::int32_t number = random_in_range(low, high);
  return run_directory() + "\\" + int_to_text(number) + get_text(编辑框5);
}

void count_sent_picture() {
  ++sent_counter;
  set_text(标签3, "当前已发送：" + int_to_text(sent_counter));
}

// One send: copy, paste, wait, Enter. A send whose picture did not reach
// the clipboard still waits, so that the window keeps answering, but
// presses nothing and is not counted. False when the window went away.
bool send_one_picture() {
  current_image_path = next_picture_path();
  bool on_clipboard = picture_to_clipboard(current_image_path);
  if (on_clipboard) press_keys(VK_CONTROL, 'V');
  wait_responsive(text_to_int(get_text(编辑框2)), 0);
  if (window_gone()) return false;
  if (!on_clipboard) return true;
  press_keys(VK_RETURN);
  count_sent_picture();
  return true;
}

}  // namespace

void start_sending() {
  if (running_runs >= deepest_run || window_gone()) return;
  ++running_runs;
  stop_flag = 0;
  set_settings_disabled(true);
  std::int64_t count = text_to_int(get_text(编辑框1));
  for (std::int64_t i = 1; i <= count; ++i) {
    if (stop_flag == 1 || window_gone()) break;
    if (!send_one_picture()) break;
  }
  // The outer run gives the settings back, however it ended.
  if (--running_runs == 0) set_settings_disabled(false);
}

void stop_sending() { stop_flag = 1; }

// MOD_NOREPEAT: a held key gives one press, not a stream of them.
void bind_send_keys() {
  窗口_热键注册(main_window, MOD_NOREPEAT, VK_F6, stop_sending, "停止");
  窗口_热键注册(main_window, MOD_NOREPEAT, VK_F5, start_sending, "开始");
}

void release_send_state() { std::string().swap(current_image_path); }
