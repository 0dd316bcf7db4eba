#include "app/window_geometry.h"

// C++ integer division truncates towards zero, as the placement rule asks,
// also for a screen smaller than the window.
WindowOrigin centred_origin(int screen_width, int screen_height) {
  return {(screen_width - main_window_width) / 2, (screen_height - main_window_height) / 2};
}
