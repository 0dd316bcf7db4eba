#include "hotkeys/hotkey_registry_win32.h"

#include "runtime/text.h"
#include "runtime/wide_text_win32.h"

std::vector<hotkey_entry> hotkey_registry;

namespace {

WNDPROC previous_window_procedure = nullptr;
bool hook_is_unicode = false;
// RegisterHotKey takes application ids from 0x0000 to 0xBFFF.
constexpr int last_hotkey_id = 0xBFFF;

const hotkey_entry* entry_with_id(WPARAM id) {
  for (const hotkey_entry& entry : hotkey_registry)
    if (static_cast<WPARAM>(entry.id) == id) return &entry;
  return nullptr;
}

// WM_HOTKEY of an id the registry handed out runs the routine of the first
// entry with that id; anything else goes on to the previous procedure.
LRESULT CALLBACK hotkey_hook(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_HOTKEY) {
    if (const hotkey_entry* entry = entry_with_id(wparam)) {
      Routine callback = entry->callback;  // the registry may grow inside it
      if (callback) callback();
      return 0;
    }
  }
  if (hook_is_unicode) return CallWindowProcW(previous_window_procedure, window, message, wparam, lparam);
  return CallWindowProcA(previous_window_procedure, window, message, wparam, lparam);
}

BOOL CALLBACK note_window(HWND window, LPARAM found) {
  HWND* first = reinterpret_cast<HWND*>(found);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (!*first && process == GetCurrentProcessId() && IsWindowVisible(window)) *first = window;
  return TRUE;
}

void release_earlier_hotkeys(const std::string& identifier) {
  for (const hotkey_entry& entry : hotkey_registry)
    if (entry.identifier == identifier) UnregisterHotKey(entry.window, entry.id);
}

void install_hook(HWND window) {
  // Hooking a window twice would make the hook its own previous procedure.
  if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&hotkey_hook)) return;
  // The hook keeps the window's character set: an ANSI hook on a Unicode
  // window would pass every text message through the ANSI code page.
  hook_is_unicode = IsWindowUnicode(window);
  const LONG_PTR hook = reinterpret_cast<LONG_PTR>(&hotkey_hook);
  previous_window_procedure = reinterpret_cast<WNDPROC>(
      hook_is_unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, hook)
                      : SetWindowLongPtrA(window, GWLP_WNDPROC, hook));
}

}  // namespace

HWND first_visible_window_of_process() {
  HWND first = nullptr;
  EnumWindows(&note_window, reinterpret_cast<LPARAM>(&first));
  return first;
}

int hotkey_id_for(const std::string& identifier) {
  if (std::size_t position = find_hotkey_entry(identifier))
    return hotkey_registry[position - 1].id;
  int highest = 0;
  for (const hotkey_entry& entry : hotkey_registry)
    if (entry.id > highest) highest = entry.id;
  return highest < last_hotkey_id ? highest + 1 : 0;
}

int 窗口_热键注册(std::optional<HWND> window, std::optional<UINT> modifiers,
                  UINT virtual_key, Routine callback, const std::string& 标识文本) {
  release_earlier_hotkeys(标识文本);
  HWND target = window ? *window : first_visible_window_of_process();
  if (trim_both_ends(标识文本).empty()) {
    show_message_box(first_visible_window_of_process(),
                     "【窗口_热键注册】命令第5个参数【标识文本】不能为空文本", "友情提醒",
                     MB_ICONINFORMATION | MB_OK);
    return 0;
  }
  int id = hotkey_id_for(标识文本);
  if (id == 0 || !RegisterHotKey(target, id, modifiers.value_or(0), virtual_key)) return 0;
  hotkey_registry.push_back(hotkey_entry{target, 标识文本, callback, id});
  if (hotkey_registry.size() < 2) install_hook(target);
  return 1;
}

std::size_t find_hotkey_entry(const std::string& identifier) {
  for (std::size_t i = 0; i < hotkey_registry.size(); ++i)
    if (hotkey_registry[i].identifier == identifier) return i + 1;
  return 0;
}

void release_hotkey_registry() {
  hotkey_registry.clear();
  hotkey_registry.shrink_to_fit();
}
