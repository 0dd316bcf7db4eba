// Keys handled for the window and all its controls, and the focus memory.
#include "app/control_table_win32.h"
#include "app/controls_win32.h"
#include "app/main_window_win32.h"
#include "app/window_parts_win32.h"

namespace {

HWND remembered_focus = nullptr;

bool usable(HWND control) {
  return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

bool held(int key) { return GetKeyState(key) < 0; }

bool inside_main_window(HWND window) {
  return main_window && (window == main_window || IsChild(main_window, window));
}

int focused_box() {
  HWND focus = GetFocus();
  for (std::size_t i = 0; i < tab_order_count; ++i)
    if (focus && tab_order_box(i) == focus) return static_cast<int>(i);
  return -1;
}

// The next usable box after the focused one (or the first, from none),
// passing disabled and hidden boxes by; the focus stays where no box is usable.
void move_focus(bool backwards) {
  const int count = static_cast<int>(tab_order_count);
  const int at = focused_box();
  for (int step = 1; step <= count; ++step) {
    int index = at < 0 ? (backwards ? count - step : step - 1)
                       : (at + (backwards ? count - step : step)) % count;
    HWND box = tab_order_box(static_cast<std::size_t>(index));
    if (usable(box)) {
      SetFocus(box);
      return;
    }
  }
}

HWND first_usable_box() {
  for (std::size_t i = 0; i < tab_order_count; ++i)
    if (usable(tab_order_box(i))) return tab_order_box(i);
  return nullptr;
}

}  // namespace

bool pretranslate_window_keys(MSG& message) {
  if (message.message != WM_KEYDOWN || !inside_main_window(message.hwnd)) return false;
  if (message.wParam == VK_TAB) {
    move_focus(held(VK_SHIFT));
    return true;
  }
  if (message.wParam == VK_ESCAPE && !held(VK_CONTROL) && !held(VK_SHIFT) && !held(VK_MENU)) {
    SendMessageW(main_window, WM_CLOSE, 0, 0);
    return true;
  }
  return false;
}

void remember_focus() {
  HWND focus = GetFocus();
  if (focus && IsChild(main_window, focus)) remembered_focus = focus;
}

void restore_focus() {
  HWND target = remembered_focus;
  if (!target || !IsWindow(target) || !IsChild(main_window, target) || !usable(target))
    target = first_usable_box();
  if (target) SetFocus(target);
}

void forget_focus() { remembered_focus = nullptr; }
