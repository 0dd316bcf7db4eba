#include "tests/app/window_fixture_win32.h"

#include <algorithm>

#include "app/controls_win32.h"
#include "app/main_window_win32.h"
#include "runtime/runtime_win32.h"

void pump(int ms) {
  DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    process_events();
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

HWND build_window(void (*created)()) {
  window_created_event = created;
  set_message_pretranslator(pretranslate_window_keys);
  if (!build_main_window()) return nullptr;
  pump(300);
  return main_window;
}

void destroy_window() {
  if (main_window) DestroyWindow(main_window);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
  window_created_event = nullptr;
  contact_press_event = nullptr;
}

namespace {

INPUT key_input(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

void press(WORD key, const std::vector<WORD>& modifiers) {
  std::vector<INPUT> inputs;
  for (WORD m : modifiers) inputs.push_back(key_input(m, false));
  inputs.push_back(key_input(key, false));
  inputs.push_back(key_input(key, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
    inputs.push_back(key_input(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  pump(60);
}

// Unicode key packets: the X keyboard map of the test display lacks some
// shifted signs, and a packet passes the same message path as a real key.
void type_text(const std::string& text) {
  for (char c : text) {
    INPUT inputs[2] = {};
    for (int i = 0; i < 2; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wScan = static_cast<unsigned char>(c);
      inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, inputs, sizeof(INPUT));
    pump(20);
  }
}

Capture capture_client() {
  Capture capture;
  UpdateWindow(main_window);
  RECT area;
  GetClientRect(main_window, &area);
  capture.width = area.right;
  capture.height = area.bottom;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC window_dc = GetDC(main_window);
  HDC memory_dc = CreateCompatibleDC(window_dc);
  HBITMAP bitmap = CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory_dc, bitmap);
  BitBlt(memory_dc, 0, 0, capture.width, capture.height, window_dc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  capture.pixels.assign(first, first + capture.width * capture.height);
  SelectObject(memory_dc, old);
  DeleteObject(bitmap);
  DeleteDC(memory_dc);
  ReleaseDC(main_window, window_dc);
  return capture;
}

// Parts of the rectangle outside the client area (透明标签6 reaches below
// it) are left out.
std::vector<std::uint32_t> pixels_in(const Capture& capture, const RECT& area) {
  std::vector<std::uint32_t> pixels;
  for (int y = std::max(0, static_cast<int>(area.top)); y < std::min(capture.height, static_cast<int>(area.bottom)); ++y)
    for (int x = std::max(0, static_cast<int>(area.left)); x < std::min(capture.width, static_cast<int>(area.right)); ++x)
      pixels.push_back(capture.at(x, y));
  return pixels;
}

RECT client_rect_of(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, main_window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::uint32_t rgb_of(COLORREF colour) {
  return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
         static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}
