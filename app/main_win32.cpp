// Program entry: start-up, the message loop and the orderly end.
#include <windows.h>

#include "app/main_window_win32.h"
#include "hotkeys/hotkey_registry_win32.h"
#include "runtime/runtime_win32.h"
#include "sending/send_run_win32.h"
#include "texts/window_texts_win32.h"

namespace {

// The created event: the stored texts first, then the send keys.
void on_window_created() {
  show_stored_texts();
  bind_send_keys();
}

// The program-wide state of the send run and of the hotkey registry.
void release_program_state() {
  release_send_state();
  release_hotkey_registry();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  runtime_init();
  register_exit_routine(release_program_state);
  window_created_event = on_window_created;
  contact_press_event = open_contact_link;
  set_message_pretranslator(pretranslate_window_keys);
  if (!build_main_window()) runtime_error(runtime_error_window_creation);
  return runtime_end(run_message_loop());
}
