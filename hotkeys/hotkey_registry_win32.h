#pragma once
// System-wide hotkeys bound to routines through a replaced window procedure.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

using Routine = void (*)();

struct hotkey_entry {
  HWND window;
  std::string identifier;
  Routine callback;
  // The system hotkey id: one per distinct identifier, the same for every
  // entry carrying it (never an address, so a message cannot forge one).
  int id;
};

// Registers key (with modifiers) against window (by default the first
// visible top-level window of this process); 1 on success, 0 otherwise.
int 窗口_热键注册(std::optional<HWND> window, std::optional<UINT> modifiers,
                  UINT virtual_key, Routine callback, const std::string& 标识文本);
#define register_window_hotkey 窗口_热键注册

// Position from 1 of the first entry with exactly this identifier; 0 if none.
std::size_t find_hotkey_entry(const std::string& identifier);

// The system hotkey id of an identifier: the one it already has, else a
// new one; 0 when the ids are used up.
int hotkey_id_for(const std::string& identifier);

// The first visible top-level window of this process; 0 if none.
HWND first_visible_window_of_process();

extern std::vector<hotkey_entry> hotkey_registry;
// Exit routine share: releases the registry.
void release_hotkey_registry();
