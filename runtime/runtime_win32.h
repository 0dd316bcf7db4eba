#pragma once
// Win32 run-time services: start and end, exit list, run-time error,
// message handling shared by the main loop and process_events, simulated
// keys and opening an address.
#include <windows.h>

#include <string>

// The program file's path, whatever its length: the buffer starts at
// first_size bytes and grows until the path fits.
std::string module_file_path(std::size_t first_size = MAX_PATH);
// OLE on this thread, the run directory, which becomes the current directory.
void runtime_init();
// The normal end: runs the exit list in order of registration, then
// OleUninitialize. Returns exit_code.
int runtime_end(int exit_code);
// Appends routine to the exit list unless it is there already.
void register_exit_routine(void (*routine)());
// The error numbers the program raises.
enum : int {
  runtime_error_list_index = 1,    // a list element indexed outside the list
  runtime_error_out_of_memory = 2,  // a failed allocation
  runtime_error_window_creation = 3  // the main window could not be made
};
// Shows the error box, discards the exit list, OleUninitialize, exit code -1.
[[noreturn]] void runtime_error(int number);
// The window's handle, or 0 while the window does not exist.
HWND window_handle(HWND window);

// Keys the main window handles before the focused control sees them. The
// pre-translator returns true when it has handled the message itself.
using MessagePretranslator = bool (*)(MSG& message);
void set_message_pretranslator(MessagePretranslator pretranslator);
// Pre-translation, TranslateMessage, DispatchMessageA: the one way a
// message is handled, by the main loop and by process_events alike.
void handle_message(MSG& message);
// Runs until WM_QUIT; returns its wParam.
int run_message_loop();
// Handles every queued message until the queue is empty; WM_QUIT stays queued.
void process_events();

// Every synthetic key event passes through one sink; tests may record them.
using KeyEventSink = void (*)(BYTE key, DWORD flags);
void set_key_event_sink(KeyEventSink sink);  // nullptr: keybd_event
// Downs of key1, key2, key3, then ups in the same order; zero keys skipped.
void press_keys(int key1, int key2 = 0, int key3 = 0);

// ShellExecuteA "open", owned by a window titled "Microsoft Internet Explorer"
// when there is one. Tests may replace the opener.
using UrlOpener = void (*)(HWND owner, const std::string& address);
void set_url_opener(UrlOpener opener);  // nullptr: ShellExecuteA
void open_url(const std::string& address);
