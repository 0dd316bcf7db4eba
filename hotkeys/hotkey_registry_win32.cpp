#include "hotkeys/hotkey_registry_win32.h"

std::vector<hotkey_entry> hotkey_registry;

int 窗口_热键注册(std::optional<HWND>, std::optional<UINT>, UINT, Routine,
                  const std::string&) {
  return 0;
}

std::size_t find_hotkey_entry(const std::string&) { return 0; }

void release_hotkey_registry() { hotkey_registry.clear(); }
