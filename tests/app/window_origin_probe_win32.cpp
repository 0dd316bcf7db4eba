// Builds the main window wherever it is started (the small-screen test runs
// it inside a 640 x 480 desktop) and writes the screen size and the
// window's outer rectangle to the file named by its argument.
#include <cstdio>

#include "app/controls_win32.h"
#include "app/main_window_win32.h"

int main(int argc, char** argv) {
  if (argc < 2 || !build_main_window()) return 2;
  RECT outer;
  GetWindowRect(main_window, &outer);
  std::FILE* file = std::fopen(argv[1], "w");
  if (!file) return 3;
  std::fprintf(file, "%d %d %ld %ld %ld %ld\n", GetSystemMetrics(SM_CXSCREEN),
               GetSystemMetrics(SM_CYSCREEN), outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top);
  std::fclose(file);
  DestroyWindow(main_window);
  return 0;
}
