// The control operations the other parts of the program call.
#include "app/controls_win32.h"

#include <vector>

#include "app/window_parts_win32.h"
#include "runtime/wide_text_win32.h"

namespace {

RECT rect_in_main_window(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, main_window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Depth first from the top of the stacking order, each window after the
// windows it contains.
void collect_visible(HWND parent, std::vector<HWND>& windows) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    collect_visible(child, windows);
    windows.push_back(child);
  }
}

}  // namespace

// The window background first, then every window that meets the label from
// the bottom up, then the label: a shorter text leaves nothing of a longer one.
void redraw_beneath(HWND label) {
  RECT area = rect_in_main_window(label);
  InvalidateRect(main_window, &area, TRUE);
  UpdateWindow(main_window);
  std::vector<HWND> windows;
  collect_visible(main_window, windows);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    RECT own = rect_in_main_window(*it), common;
    if (!IntersectRect(&common, &own, &area)) continue;
    MapWindowPoints(main_window, *it, reinterpret_cast<POINT*>(&common), 2);
    RedrawWindow(*it, &common, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_UPDATENOW);
  }
  InvalidateRect(label, nullptr, FALSE);
}

// The program's own texts are GBK; they go in through the wide functions,
// converted from code page 936, so that they read right on any system.
void set_text(HWND control, const std::string& text) {
  if (!control) return;
  const ControlDescription* description = find_control(control);
  if (description && description->kind == ControlKind::edit_box) {
    SetWindowTextA(control, text.c_str());
    return;
  }
  SetWindowTextW(control, gbk_to_wide(text).c_str());
  if (!description) return;  // the main window: the caption is all
  if (description->kind == ControlKind::label) InvalidateRect(control, nullptr, FALSE);
  if (description->kind == ControlKind::transparent_label) redraw_beneath(control);
}

std::string get_text(HWND control) {
  int length = GetWindowTextLengthA(control);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, &text[0], length + 1)));
  return text;
}

// A disabled box loses the focus; the window takes it, so that Tab still
// finds the boxes once they are enabled again. Only when the focus is ours:
// the send run disables the boxes while the user types into another program.
void set_disabled(HWND control, bool disabled) {
  if (!control) return;
  bool had_focus = disabled && GetFocus() == control;
  EnableWindow(control, disabled ? FALSE : TRUE);
  if (had_focus && main_window && GetFocus() == nullptr) SetFocus(main_window);
}
