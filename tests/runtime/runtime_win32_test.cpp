#include "runtime/runtime_win32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "runtime/run_directory.h"
#include "runtime/wide_text_win32.h"

namespace {

// ---- Child modes: the test program started again with "--child=<mode>".
// They run before GoogleTest sees the command line and end the process.

int print_box(HWND owner, const std::string& text, const std::string& caption,
              UINT flags) {
  std::printf("box owner=%d flags=%u caption=%s text=%s\n",
              owner == nullptr ? 0 : 1, flags, caption.c_str(), text.c_str());
  std::fflush(stdout);
  return IDOK;
}

void print_exit_routine_ran() {
  std::printf("exit routine ran\n");
  std::fflush(stdout);
}

void child_runtime_error() {
  runtime_init();
  set_message_box_seam(print_box);
  register_exit_routine(print_exit_routine_ran);
  runtime_error(runtime_error_list_index);
}

void child_out_of_memory() {
  runtime_init();
  set_message_box_seam(print_box);
  register_exit_routine(print_exit_routine_ran);
  volatile std::size_t huge = static_cast<std::size_t>(-1) - 4096;
  void* block = ::operator new(huge);
  std::printf("allocated %p\n", block);
  ExitProcess(0);
}

void child_run_directory() {
  runtime_init();
  char current[4096] = {};
  GetCurrentDirectoryA(sizeof current, current);
  std::printf("%s\n%s\n", run_directory().c_str(), current);
  std::fflush(stdout);
  ExitProcess(runtime_end(0));
}

bool run_child_mode() {
  const std::string command = GetCommandLineA();
  const std::pair<const char*, void (*)()> modes[] = {
      {"--child=runtime-error", child_runtime_error},
      {"--child=out-of-memory", child_out_of_memory},
      {"--child=run-directory", child_run_directory},
  };
  for (const auto& mode : modes)
    if (command.find(mode.first) != std::string::npos) mode.second();
  return false;
}

const bool not_a_child = !run_child_mode();

std::string this_program() {
  char path[4096] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

struct ChildResult {
  DWORD exit_code = 0;
  std::string output;
};

// Runs program with one argument and collects its standard output.
ChildResult run_child(const std::string& program, const std::string& argument) {
  ChildResult result;
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return result;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + program + "\" " + argument;
  BOOL started = CreateProcessA(program.c_str(), &command[0], nullptr, nullptr,
                                TRUE, 0, nullptr, nullptr, &startup, &process);
  CloseHandle(write_end);
  result.exit_code = STILL_ACTIVE;
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0)
    result.output.append(buffer, got);
  CloseHandle(read_end);
  if (started) {
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &result.exit_code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  return result;
}

// ---- Run-time error and out of memory end the process with -1.

TEST(RuntimeError, BoxThenExitMinusOneWithoutExitList) {
  ASSERT_TRUE(not_a_child);
  const struct {
    const char* mode;
    int number;
  } cases[] = {{"--child=runtime-error", runtime_error_list_index},
               {"--child=out-of-memory", runtime_error_out_of_memory}};
  for (const auto& c : cases) {
    const ChildResult child = run_child(this_program(), c.mode);
    EXPECT_EQ(child.exit_code, 0xFFFFFFFFu) << c.mode << ": " << child.output;
    const std::string flags = "flags=" + std::to_string(MB_ICONERROR | MB_OK);
    EXPECT_NE(child.output.find("box owner=0 " + flags), std::string::npos)
        << c.mode << ": " << child.output;
    EXPECT_NE(child.output.find(" " + std::to_string(c.number) + "\xA3\xBA"),
              std::string::npos)
        << "the text names the number: " << child.output;
    EXPECT_EQ(child.output.find("exit routine ran"), std::string::npos)
        << c.mode;
    EXPECT_EQ(child.output.find("allocated"), std::string::npos) << c.mode;
  }
}

// ---- The run directory of a program copied into a folder whose name has
// a double-byte character with trail byte 0x5C (a backslash).

std::string temp_folder() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetTempPathA(sizeof path, path);
  std::string folder(path, length);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

TEST(RuntimeInit, RunDirectoryWithTrailByte5C) {
  // 0x81 0x5C is one GBK character.
  const std::string folder = temp_folder() + "\\qq\x81\x5C" "dir";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) ||
              GetLastError() == ERROR_ALREADY_EXISTS);
  const std::string copy = folder + "\\runtime_copy.exe";
  ASSERT_TRUE(CopyFileA(this_program().c_str(), copy.c_str(), FALSE));
  ChildResult child = run_child(copy, "--child=run-directory");
  DeleteFileA(copy.c_str());
  RemoveDirectoryA(folder.c_str());
  EXPECT_EQ(child.exit_code, 0u);
  // Standard output is in text mode: line ends are CR LF.
  EXPECT_EQ(child.output, folder + "\r\n" + folder + "\r\n");
}

TEST(RuntimeInit, ModulePathOfAnyLength) {
  // Starting from a 4-byte buffer makes the path "longer" than the buffer.
  const std::string path = this_program();
  ASSERT_GT(path.size(), 8u);
  EXPECT_EQ(module_file_path(4), path);
  EXPECT_EQ(module_file_path(path.size()), path) << "no room for the zero";
  EXPECT_EQ(module_file_path(), path);
}

// ---- Exit list.

std::vector<int> exit_calls;
void exit_a() { exit_calls.push_back(1); }
void exit_b() { exit_calls.push_back(2); }
void exit_c() { exit_calls.push_back(3); }

TEST(ExitList, RunsOnceInRegistrationOrderWithoutDuplicates) {
  OleInitialize(nullptr);
  exit_calls.clear();
  register_exit_routine(exit_b);
  register_exit_routine(exit_a);
  register_exit_routine(exit_b);
  register_exit_routine(exit_c);
  register_exit_routine(exit_a);
  EXPECT_EQ(runtime_end(5), 5);
  EXPECT_EQ(exit_calls, (std::vector<int>{2, 1, 3}));
  OleInitialize(nullptr);
  runtime_end(0);
  EXPECT_EQ(exit_calls.size(), 3u) << "a second end runs nothing again";
}

// ---- Message handling.

std::vector<UINT> pretranslated;
std::vector<UINT> dispatched;

bool record_pretranslated(MSG& message) {
  if (message.message >= WM_APP) pretranslated.push_back(message.message);
  return message.message == WM_APP + 2;  // handled here, never dispatched
}

LRESULT CALLBACK record_dispatched(HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam) {
  if (message >= WM_APP) {
    dispatched.push_back(message);
    // A message posted by a handler is still handled before the return.
    if (message == WM_APP + 1) PostMessageA(window, WM_APP + 3, 0, 0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

class MessageHandling : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = record_dispatched;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "runtime_test_window";
    RegisterClassA(&window_class);
    window_ = CreateWindowExA(0, "runtime_test_window", "", WS_OVERLAPPED, 0,
                              0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    drain_queue();
    pretranslated.clear();
    dispatched.clear();
    set_message_pretranslator(record_pretranslated);
  }
  void TearDown() override {
    set_message_pretranslator(nullptr);
    if (window_ != nullptr) DestroyWindow(window_);
    drain_queue();
  }
  static void drain_queue() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  HWND window_ = nullptr;
};

TEST_F(MessageHandling, ProcessEventsHandlesQueueAndLeavesQuit) {
  PostMessageA(window_, WM_APP + 1, 0, 0);
  PostMessageA(window_, WM_APP + 2, 0, 0);
  PostQuitMessage(7);
  process_events();
  EXPECT_EQ(pretranslated, (std::vector<UINT>{WM_APP + 1, WM_APP + 2,
                                              WM_APP + 3}));
  EXPECT_EQ(dispatched, (std::vector<UINT>{WM_APP + 1, WM_APP + 3}));
  MSG message = {};
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
}

TEST_F(MessageHandling, ProcessEventsReturnsOnEmptyQueue) {
  process_events();
  EXPECT_TRUE(dispatched.empty());
}

TEST_F(MessageHandling, MessageLoopHandlesLikeProcessEventsUntilQuit) {
  PostMessageA(window_, WM_APP + 1, 0, 0);
  PostMessageA(window_, WM_APP + 2, 0, 0);
  PostQuitMessage(9);
  EXPECT_EQ(run_message_loop(), 9);
  EXPECT_EQ(pretranslated, (std::vector<UINT>{WM_APP + 1, WM_APP + 2,
                                              WM_APP + 3}));
  EXPECT_EQ(dispatched, (std::vector<UINT>{WM_APP + 1, WM_APP + 3}));
}

TEST_F(MessageHandling, WindowHandleIsZeroOnceDestroyed) {
  EXPECT_EQ(window_handle(window_), window_);
  DestroyWindow(window_);
  EXPECT_EQ(window_handle(window_), nullptr);
  EXPECT_EQ(window_handle(nullptr), nullptr);
  window_ = nullptr;
}

// ---- Simulated keys.

std::vector<std::pair<int, DWORD>> key_events;
void record_key(BYTE key, DWORD flags) { key_events.emplace_back(key, flags); }

TEST(PressKeys, DownsThenUpsInTheSameOrder) {
  const DWORD up = KEYEVENTF_KEYUP;
  const struct {
    int key1, key2, key3;
    std::vector<std::pair<int, DWORD>> expected;
  } cases[] = {
      {17, 86, 0, {{17, 0}, {86, 0}, {17, up}, {86, up}}},
      {13, 0, 0, {{13, 0}, {13, up}}},
      {16, 0, 65, {{16, 0}, {65, 0}, {16, up}, {65, up}}},
      {17, 16, 9, {{17, 0}, {16, 0}, {9, 0}, {17, up}, {16, up}, {9, up}}},
  };
  set_key_event_sink(record_key);
  for (const auto& c : cases) {
    key_events.clear();
    press_keys(c.key1, c.key2, c.key3);
    EXPECT_EQ(key_events, c.expected) << c.key1 << "," << c.key2 << "," << c.key3;
  }
  set_key_event_sink(nullptr);
}

// ---- Opening an address.

HWND opened_owner = nullptr;
std::string opened_address;
void record_open(HWND owner, const std::string& address) {
  opened_owner = owner;
  opened_address = address;
}

TEST(OpenUrl, OwnedByTheBrowserWindowWhenThereIsOne) {
  set_url_opener(record_open);
  open_url("http://example.invalid/a");
  EXPECT_EQ(opened_owner, nullptr);
  EXPECT_EQ(opened_address, "http://example.invalid/a");
  HWND browser = CreateWindowExA(0, "STATIC", "Microsoft Internet Explorer",
                                 WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(browser, nullptr);
  open_url("http://example.invalid/b");
  EXPECT_EQ(opened_owner, browser);
  DestroyWindow(browser);
  set_url_opener(nullptr);
}

// ---- Wide texts.

TEST(WideText, ConvertsFromGbkAndTheAnsiCodePage) {
  // The literal is GBK bytes; the wide one is the same characters in UTF-16.
  EXPECT_EQ(gbk_to_wide("中文 ok"), L"中文 ok");
  EXPECT_EQ(gbk_to_wide(""), L"");
  EXPECT_EQ(wide_to_acp(acp_to_wide("abc")), "abc");
  if (GetACP() == 936) {
    EXPECT_EQ(acp_to_wide("中文"), L"中文");
    EXPECT_EQ(wide_to_acp(L"中文"), "中文");
  }
}

std::vector<std::string> boxes;
int record_box(HWND, const std::string& text, const std::string& caption,
               UINT flags) {
  boxes.push_back(caption + "|" + text + "|" + std::to_string(flags));
  return IDCANCEL;
}

TEST(WideText, MessageBoxSeamGetsTheTexts) {
  set_message_box_seam(record_box);
  EXPECT_EQ(show_message_box(nullptr, "正文", "标题", MB_OK), IDCANCEL);
  set_message_box_seam(nullptr);
  EXPECT_EQ(boxes, (std::vector<std::string>{std::string("标题|正文|") +
                                             std::to_string(MB_OK)}));
}

}  // namespace
