#include "hotkeys/hotkey_registry_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/runtime_win32.h"
#include "runtime/wide_text_win32.h"

namespace {

int stop_calls = 0, start_calls = 0, other_calls = 0;
void count_stop() { ++stop_calls; }
void count_start() { ++start_calls; }
void count_other() { ++other_calls; }

// What the window's own procedure saw, behind the hook.
int own_hotkeys = 0, own_app_messages = 0;
LRESULT CALLBACK own_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_HOTKEY) ++own_hotkeys;
  if (message == WM_APP) ++own_app_messages;
  return DefWindowProcA(window, message, wparam, lparam);
}

HWND make_window(const char* title) {
  static ATOM atom = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = own_procedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "hotkey_test_window";
    return RegisterClassA(&c);
  }();
  (void)atom;
  HWND w = CreateWindowExA(0, "hotkey_test_window", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           10, 10, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return w;
}

// Handles what is queued, for a while, until done() holds.
template <typename Done>
void pump_until(Done done, DWORD milliseconds = 1000) {
  DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < milliseconds) {
    process_events();
    Sleep(5);
  }
  process_events();
}

struct notice {
  HWND owner;
  std::string text, caption;
  UINT flags;
};
std::vector<notice> notices;
int record_notice(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  notices.push_back({owner, text, caption, flags});
  return IDOK;
}

class HotkeyRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    stop_calls = start_calls = other_calls = own_hotkeys = own_app_messages = 0;
    notices.clear();
    set_message_box_seam(record_notice);
    window = make_window("main");
    ASSERT_TRUE(window);
  }
  void TearDown() override {
    for (const hotkey_entry& entry : hotkey_registry) UnregisterHotKey(entry.window, entry.id);
    release_hotkey_registry();
    DestroyWindow(window);
    set_message_box_seam(nullptr);
  }
  void post_hotkey(WPARAM id) {
    PostMessageA(window, WM_HOTKEY, id, 0);
    process_events();
  }
  HWND window = nullptr;
};

TEST_F(HotkeyRegistry, StopThenStartGiveTwoEntriesAndOneHook) {
  LONG_PTR own = GetWindowLongPtrA(window, GWLP_WNDPROC);
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F6, count_stop, "停止"), 1);
  LONG_PTR hooked = GetWindowLongPtrA(window, GWLP_WNDPROC);
  EXPECT_NE(hooked, own);
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F5, count_start, "开始"), 1);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), hooked);

  ASSERT_EQ(hotkey_registry.size(), 2u);
  EXPECT_EQ(hotkey_registry[0].identifier, "停止");
  EXPECT_EQ(hotkey_registry[0].callback, &count_stop);
  EXPECT_EQ(hotkey_registry[1].identifier, "开始");
  EXPECT_EQ(hotkey_registry[1].window, window);
  EXPECT_EQ(find_hotkey_entry("停止"), 1u);
  EXPECT_EQ(find_hotkey_entry("开始"), 2u);
  EXPECT_EQ(find_hotkey_entry("开始 "), 0u);

  // Each id reaches its own routine, and the window's procedure sees every
  // other message exactly once.
  post_hotkey(hotkey_registry[1].id);
  post_hotkey(hotkey_registry[0].id);
  PostMessageA(window, WM_APP, 0, 0);
  process_events();
  EXPECT_EQ(start_calls, 1);
  EXPECT_EQ(stop_calls, 1);
  EXPECT_EQ(own_hotkeys, 0);
  EXPECT_EQ(own_app_messages, 1);
}

// The main window is a Unicode window; hooking it must not route its text
// messages through the ANSI code page, which has no Hangul.
TEST_F(HotkeyRegistry, AHookedUnicodeWindowKeepsItsTextLossless) {
  WNDCLASSW c{};
  c.lpfnWndProc = DefWindowProcW;
  c.hInstance = GetModuleHandleA(nullptr);
  c.lpszClassName = L"hotkey_unicode_window";
  RegisterClassW(&c);
  HWND wide = CreateWindowExW(0, L"hotkey_unicode_window", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(wide);
  ASSERT_EQ(窗口_热键注册(wide, std::nullopt, VK_F6, count_stop, "停止"), 1);
  EXPECT_TRUE(IsWindowUnicode(wide));
  const std::wstring text = L"\uD55C\u505C";
  SetWindowTextW(wide, text.c_str());
  wchar_t back[16] = {};
  GetWindowTextW(wide, back, 16);
  EXPECT_EQ(std::wstring(back), text);
  UnregisterHotKey(wide, hotkey_registry[0].id);
  release_hotkey_registry();
  DestroyWindow(wide);
}

TEST_F(HotkeyRegistry, TheHookIsNotInstalledForALaterWindow) {
  HWND other = make_window("other");
  LONG_PTR other_own = GetWindowLongPtrA(other, GWLP_WNDPROC);
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F6, count_stop, "停止"), 1);
  ASSERT_EQ(窗口_热键注册(other, std::nullopt, VK_F5, count_start, "开始"), 1);
  EXPECT_EQ(GetWindowLongPtrA(other, GWLP_WNDPROC), other_own);
  UnregisterHotKey(other, hotkey_registry[1].id);
  DestroyWindow(other);
}

TEST_F(HotkeyRegistry, WithoutAWindowTheProcesssFirstVisibleWindowIsUsed) {
  ASSERT_EQ(窗口_热键注册(std::nullopt, MOD_CONTROL, VK_F6, count_stop, "停止"), 1);
  EXPECT_EQ(hotkey_registry.at(0).window, first_visible_window_of_process());
  EXPECT_EQ(hotkey_registry.at(0).window, window);
}

TEST_F(HotkeyRegistry, RegisteringAnIdentifierAgainReleasesItsEarlierKey) {
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F5, count_start, "开始"), 1);
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F7, count_other, "开始"), 1);
  ASSERT_EQ(hotkey_registry.size(), 2u);
  EXPECT_EQ(hotkey_registry[1].callback, &count_other);
  EXPECT_EQ(find_hotkey_entry("开始"), 1u);

  // F5 is free again: this thread can take it.
  EXPECT_TRUE(RegisterHotKey(nullptr, 0x7000, 0, VK_F5));
  UnregisterHotKey(nullptr, 0x7000);
  // The identifier's message runs the first entry's routine.
  post_hotkey(hotkey_registry[1].id);
  EXPECT_EQ(start_calls, 1);
  EXPECT_EQ(other_calls, 0);
}

TEST_F(HotkeyRegistry, AnIdentifierKeepsItsSurroundingSpaces) {
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F6, count_stop, " 停止 "), 1);
  EXPECT_EQ(hotkey_registry.at(0).identifier, " 停止 ");
  EXPECT_TRUE(notices.empty());
}

TEST_F(HotkeyRegistry, AnEmptyIdentifierGetsTheNoticeAndNoKey) {
  for (const char* blank : {"", "   ", "\xA1\xA1 \xA1\xA1"}) {
    SCOPED_TRACE(blank);
    notices.clear();
    EXPECT_EQ(窗口_热键注册(window, std::nullopt, VK_F6, count_stop, blank), 0);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, "【窗口_热键注册】命令第5个参数【标识文本】不能为空文本");
    EXPECT_EQ(notices[0].caption, "友情提醒");
    EXPECT_EQ(notices[0].flags, static_cast<UINT>(MB_ICONINFORMATION | MB_OK));
    EXPECT_EQ(notices[0].owner, window);
    EXPECT_TRUE(hotkey_registry.empty());
  }
  // F6 was never taken.
  EXPECT_TRUE(RegisterHotKey(nullptr, 0x7000, 0, VK_F6));
  UnregisterHotKey(nullptr, 0x7000);
}

// A second process holds F8 while this one tries to take it.
TEST_F(HotkeyRegistry, AKeyTakenByAnotherProcessGivesZeroAndNoEntry) {
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F6, count_stop, "停止"), 1);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "hotkey_test_ready");
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, "hotkey_test_done");
  char command[] = "hotkey_holder.exe 119 hotkey_test_ready hotkey_test_done";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION holder{};
  char directory[MAX_PATH];
  GetModuleFileNameA(nullptr, directory, MAX_PATH);
  *strrchr(directory, '\\') = 0;
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, directory,
                             &startup, &holder));
  HANDLE both[] = {ready, holder.hProcess};
  ASSERT_EQ(WaitForMultipleObjects(2, both, FALSE, 20000), WAIT_OBJECT_0) << "holder did not start";

  EXPECT_EQ(窗口_热键注册(window, std::nullopt, VK_F8, count_other, "其他"), 0);
  EXPECT_EQ(hotkey_registry.size(), 1u);
  EXPECT_EQ(find_hotkey_entry("其他"), 0u);

  SetEvent(done);
  WaitForSingleObject(holder.hProcess, 20000);
  for (HANDLE h : {holder.hProcess, holder.hThread, ready, done}) CloseHandle(h);
}

TEST_F(HotkeyRegistry, AHotkeyIdNeverHandedOutGoesToTheWindowOnly) {
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F6, count_stop, "停止"), 1);
  const char* text = "停止";  // what an address-reading hook would have trusted
  for (WPARAM id : {WPARAM(0), WPARAM(0x5A5A), WPARAM(0xBFFF), reinterpret_cast<WPARAM>(text),
                    ~WPARAM(0)})
    post_hotkey(id);
  EXPECT_EQ(stop_calls, 0);
  EXPECT_EQ(own_hotkeys, 5);
}

TEST_F(HotkeyRegistry, F6PressedWhileAnotherWindowHasTheFocusRunsTheRoutine) {
  ASSERT_EQ(窗口_热键注册(window, std::nullopt, VK_F6, count_stop, "停止"), 1);
  HWND other = make_window("focused");
  SetForegroundWindow(other);
  SetFocus(other);
  pump_until([&] { return GetForegroundWindow() == other; });
  ASSERT_EQ(GetForegroundWindow(), other);
  keybd_event(VK_F6, 0, 0, 0);
  keybd_event(VK_F6, 0, KEYEVENTF_KEYUP, 0);
  pump_until([] { return stop_calls > 0; });
  EXPECT_EQ(stop_calls, 1);
  EXPECT_EQ(own_hotkeys, 0);
  DestroyWindow(other);
}

}  // namespace
