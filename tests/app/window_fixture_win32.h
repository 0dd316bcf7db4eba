#pragma once
// Builds the real main window in the test process and drives it with real
// input (SendInput) inside Wine's virtual desktop.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Messages handled as the program's loop handles them, for ms milliseconds.
void pump(int ms = 150);

// The main window built with the given created handler; nullptr on failure.
HWND build_window(void (*created)() = nullptr);
// Destroys what is left of the window and drops its WM_QUIT.
void destroy_window();

// Real key presses; modifiers are held around the key.
void press(WORD key, const std::vector<WORD>& modifiers = {});
// Types ASCII text character by character.
void type_text(const std::string& text);
// The main window's client area as opaque 0x00RRGGBB pixels, rows top first.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t at(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
};
Capture capture_client();
// Pixels of a rectangle of the client area, row by row.
std::vector<std::uint32_t> pixels_in(const Capture& capture, const RECT& area);

// A control's rectangle in the main window's client coordinates.
RECT client_rect_of(HWND control);
std::uint32_t rgb_of(COLORREF colour);
