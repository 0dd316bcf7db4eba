// The main window: its class, its procedure and how it is built.
#include "app/main_window_win32.h"

#include <string>

#include "app/controls_win32.h"
#include "app/window_geometry.h"
#include "app/window_parts_win32.h"
#include "runtime/wide_text_win32.h"

WindowCreatedHandler window_created_event = nullptr;
LabelPressHandler contact_press_event = nullptr;

namespace {

const wchar_t main_window_class[] = L"QQSendMainWindow";
HCURSOR hand_cursor = nullptr;

// Only the contact label has its own cursor; elsewhere the class cursors.
LRESULT on_set_cursor(HWND window, WPARAM wparam, LPARAM lparam) {
  if (reinterpret_cast<HWND>(wparam) == 标签1 && LOWORD(lparam) == HTCLIENT && hand_cursor) {
    SetCursor(hand_cursor);
    return TRUE;
  }
  return DefWindowProcW(window, WM_SETCURSOR, wparam, lparam);
}

LRESULT on_edit_colour(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void on_destroy() {
  for (std::size_t i = 0; i < control_count; ++i) *control_table[i].handle = nullptr;
  main_window = nullptr;
  forget_focus();
  release_control_fonts();
  PostQuitMessage(0);
}

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  switch (message) {
    case WM_SETCURSOR:
      return on_set_cursor(window, wparam, lparam);
    case WM_CTLCOLOREDIT:
      return on_edit_colour(reinterpret_cast<HDC>(wparam));
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) remember_focus();
      break;
    case WM_SETFOCUS:
      restore_focus();
      return 0;
    case WM_DESTROY:
      on_destroy();
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HICON program_icon(HINSTANCE instance) {
  // Width and height 0 without LR_DEFAULTSIZE: the image at its own 64 x 64.
  return static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 0, 0, 0));
}

bool register_main_class(HINSTANCE instance) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = main_window_procedure;
  wc.hInstance = instance;
  wc.hIcon = program_icon(instance);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = main_window_class;
  return RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void set_outer_size() {
  RECT outer;
  GetWindowRect(main_window, &outer);
  if (outer.right - outer.left != main_window_width ||
      outer.bottom - outer.top != main_window_height)
    SetWindowPos(main_window, nullptr, outer.left, outer.top, main_window_width,
                 main_window_height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool create_frame(HINSTANCE instance) {
  WindowOrigin origin =
      centred_origin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  main_window = CreateWindowExW(0, main_window_class, gbk_to_wide(design_caption).c_str(),
                                WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                origin.left, origin.top, main_window_width, main_window_height,
                                nullptr, nullptr, instance, nullptr);
  if (!main_window) return false;
  set_outer_size();
  HICON icon = program_icon(instance);
  SendMessageW(main_window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(main_window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SendMessageW(main_window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return true;
}

const wchar_t* own_class(ControlKind kind) {
  switch (kind) {
    case ControlKind::label: return label_class;
    case ControlKind::transparent_label: return transparent_label_class;
    default: return picture_box_class;
  }
}

// Edit boxes are ANSI windows of the system class: their content is in the
// system's ANSI code page. The program's own controls take wide texts.
HWND create_control(HINSTANCE instance, const ControlDescription& description, int id) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | description.style;
  HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  if (description.kind == ControlKind::edit_box) {
    HWND box = CreateWindowExA(description.ex_style, "EDIT", description.text, style, description.left, description.top,
                               description.width, description.height, main_window, menu, instance, nullptr);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return box;
  }
  if (description.kind == ControlKind::picture_box) prepare_badge(instance);
  return CreateWindowExW(description.ex_style, own_class(description.kind), gbk_to_wide(description.text).c_str(),
                         style, description.left, description.top, description.width, description.height, main_window, menu,
                         instance, nullptr);
}

// Bottom of the table first, so that 图片框1 comes last.
void create_controls(HINSTANCE instance) {
  for (std::size_t i = control_count; i-- > 0;)
    *control_table[i].handle = create_control(instance, control_table[i], 100 + static_cast<int>(i));
}

// Each control goes just beneath the one before it in the table.
void stack_controls() {
  HWND above = HWND_TOP;
  for (std::size_t i = 0; i < control_count; ++i) {
    HWND control = *control_table[i].handle;
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

void show_controls() {
  for (std::size_t i = 0; i < control_count; ++i) ShowWindow(*control_table[i].handle, SW_SHOWNA);
}

}  // namespace

bool build_main_window() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  forget_focus();
  if (!register_main_class(instance) || !register_control_classes(instance)) return false;
  if (!create_frame(instance)) return false;
  make_control_fonts();
  create_controls(instance);
  stack_controls();
  hand_cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
  show_controls();
  if (window_created_event) window_created_event();
  if (main_window && IsWindow(main_window)) {
    ShowWindow(main_window, SW_SHOW);
    SetForegroundWindow(main_window);
  }
  return true;
}
