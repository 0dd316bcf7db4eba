#pragma once
// Where the main window goes: its outer size and its place at start,
// centred on the primary screen. Portable.

const int main_window_width = 380;
const int main_window_height = 236;

struct WindowOrigin {
  int left;
  int top;
};

// (screen − window) / 2 for each axis, truncated towards zero.
WindowOrigin centred_origin(int screen_width, int screen_height);
