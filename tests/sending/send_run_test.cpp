#include "sending/send_run_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "app/controls_win32.h"
#include "hotkeys/hotkey_registry_win32.h"
#include "runtime/random.h"
#include "runtime/run_directory.h"
#include "runtime/runtime_win32.h"
#include "tests/support/html_document_standin.h"

namespace {

// What the keys did, and what each paste would have pasted.
std::string keys;  // "V" for Ctrl+V (four events), "E" for Enter, "?" otherwise
std::vector<std::string> pasted;
std::vector<BYTE> key_events;
void (*on_paste)(int paste_number) = nullptr;
bool settings_enabled_at_paste[16];
DWORD clipboard_at_paste = 0;

std::string clipboard_text() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<closed>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const wchar_t* wide = static_cast<const wchar_t*>(GlobalLock(data));
    for (const wchar_t* c = wide; c && *c; ++c) text += static_cast<char>(*c);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void put_on_clipboard(const wchar_t* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text, bytes);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

bool any_setting_enabled() {
  for (HWND box : {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5})
    if (box && IsWindowEnabled(box)) return true;
  return false;
}

void record_key(BYTE key, DWORD flags) {
  key_events.push_back(key);
  bool down = !(flags & KEYEVENTF_KEYUP);
  if (key == VK_RETURN && down) keys += "E";
  if (key == 'V' && down) {
    keys += "V";
    pasted.push_back(clipboard_text());
    clipboard_at_paste = GetClipboardSequenceNumber();
    std::size_t n = pasted.size();
    if (n < 16) settings_enabled_at_paste[n] = any_setting_enabled();
    if (on_paste) on_paste(static_cast<int>(n));
  }
}

WPARAM hotkey_id(const char* identifier) {
  std::size_t position = find_hotkey_entry(identifier);
  return position ? static_cast<WPARAM>(hotkey_registry[position - 1].id) : 0;
}
void post_f5() { PostMessageA(main_window, WM_HOTKEY, hotkey_id("开始"), 0); }
void post_f6() { PostMessageA(main_window, WM_HOTKEY, hotkey_id("停止"), 0); }

// The main window's part: its end lets the controls go and asks the loop to end.
LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    main_window = 编辑框1 = 编辑框2 = 编辑框3 = 编辑框4 = 编辑框5 = 标签3 = nullptr;
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

std::string picture_folder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "qqsend_send_run_test";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int n = 0; n <= 15; ++n) {
    std::string path = folder + "\\" + std::to_string(n) + ".jpg";
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  return folder;
}

// A window with the five settings boxes and the counter label, the send
// keys bound against it, the document stand-in behind the clipboard copy.
class SendRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_EQ(register_standin_class(&cookie), S_OK);
    folder = picture_folder();
    WNDCLASSA c{};
    c.lpfnWndProc = window_procedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "send_run_test_window";
    RegisterClassA(&c);
  }
  static void TearDownTestSuite() {
    CoRevokeClassObject(cookie);
    OleUninitialize();
  }

  void SetUp() override {
    keys.clear();
    pasted.clear();
    key_events.clear();
    on_paste = nullptr;
    standin_reset();
    standin.copy_puts_picture_name = true;
    reset_random_state();
    sent_counter = 0;
    stop_flag = 0;
    set_run_directory(folder);
    set_key_event_sink(record_key);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    main_window = CreateWindowExA(0, "send_run_test_window", "send", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  0, 0, 300, 200, nullptr, nullptr, instance, nullptr);
    ASSERT_TRUE(main_window);
    HWND* boxes[] = {&编辑框1, &编辑框2, &编辑框3, &编辑框4, &编辑框5};
    const char* defaults[] = {"20100", "20", "1", "15", ".jpg"};
    for (int i = 0; i < 5; ++i)
      *boxes[i] = CreateWindowExA(0, "EDIT", defaults[i], WS_CHILD | WS_VISIBLE, 0, 20 * i, 80, 18,
                                  main_window, nullptr, instance, nullptr);
    标签3 = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 100, 0, 150, 18, main_window,
                            nullptr, instance, nullptr);
    bind_send_keys();
    ASSERT_EQ(hotkey_registry.size(), 2u);
    ASSERT_EQ(hotkey_registry[0].identifier, "停止");
  }

  void TearDown() override {
    set_key_event_sink(nullptr);
    for (const hotkey_entry& entry : hotkey_registry) UnregisterHotKey(entry.window, entry.id);
    release_hotkey_registry();
    if (main_window) DestroyWindow(main_window);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
    EXPECT_EQ(standin_live_objects(), 0);
  }

  static void settings(const char* count, const char* interval = "0", const char* low = "1",
                       const char* high = "15") {
    SetWindowTextA(编辑框1, count);
    SetWindowTextA(编辑框2, interval);
    SetWindowTextA(编辑框3, low);
    SetWindowTextA(编辑框4, high);
  }
  static std::string label() { return get_text(标签3); }
  static std::string repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
  }

  static DWORD cookie;
  static std::string folder;
};
DWORD SendRun::cookie = 0;
std::string SendRun::folder;

TEST_F(SendRun, SendsTheUnseededSeriesAndCountsEachSend) {
  settings("5", "20");
  start_sending();
  EXPECT_EQ(pasted, (std::vector<std::string>{"12.jpg", "3.jpg", "5.jpg", "11.jpg", "15.jpg"}));
  EXPECT_EQ(keys, repeat("VE", 5));
  std::vector<BYTE> one_send = {VK_CONTROL, 'V', VK_CONTROL, 'V', VK_RETURN, VK_RETURN};
  EXPECT_EQ(std::vector<BYTE>(key_events.begin(), key_events.begin() + 6), one_send);
  EXPECT_EQ(sent_counter, 5);
  EXPECT_EQ(label(), "当前已发送：5");
  EXPECT_EQ(current_image_path, folder + "\\15.jpg");
  EXPECT_FALSE(settings_enabled_at_paste[1]);
  EXPECT_FALSE(settings_enabled_at_paste[5]);
  EXPECT_TRUE(IsWindowEnabled(编辑框1) && IsWindowEnabled(编辑框5));  // given back at the end
}

struct bounds_case {
  const char* name;
  const char *low, *high;
  std::vector<std::string> pictures;
};

class SendRunBounds : public SendRun, public ::testing::WithParamInterface<bounds_case> {};

TEST_P(SendRunBounds, PicksPicturesBetweenTheBoundsAsGiven) {
  settings("3", "0", GetParam().low, GetParam().high);
  start_sending();
  EXPECT_EQ(pasted, GetParam().pictures);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, SendRunBounds,
    ::testing::Values(bounds_case{"Swapped", "15", "1", {"12.jpg", "3.jpg", "5.jpg"}},
                      bounds_case{"NegativeLow", "-5", "3", {"1.jpg", "3.jpg", "2.jpg"}},
                      bounds_case{"Equal", "7", "7", {"7.jpg", "7.jpg", "7.jpg"}},
                      bounds_case{"NotNumbers", "abc", "x", {"0.jpg", "0.jpg", "0.jpg"}},
                      bounds_case{"FullWidth", "\xA3\xB1", "\xA3\xB1\xA3\xB5", {"12.jpg", "3.jpg", "5.jpg"}}),
    [](const ::testing::TestParamInfo<bounds_case>& info) { return info.param.name; });

TEST_F(SendRun, ACountOfNothingSendsNothing) {
  for (const char* count : {"0", "-3", "abc", ""}) {
    settings(count);
    start_sending();
    EXPECT_EQ(keys, "") << count;
    EXPECT_TRUE(standin_calls().empty()) << count;
    EXPECT_TRUE(IsWindowEnabled(编辑框1)) << count;
  }
}

TEST_F(SendRun, F6DuringASendLetsItFinishAndStopsBeforeTheNextPaste) {
  settings("10", "30");
  on_paste = [](int n) {
    if (n == 2) post_f6();
  };
  start_sending();
  EXPECT_EQ(keys, "VEVE");
  EXPECT_EQ(label(), "当前已发送：2");
  EXPECT_EQ(stop_flag, 1);
  EXPECT_TRUE(IsWindowEnabled(编辑框1) && IsWindowEnabled(编辑框5));
}

TEST_F(SendRun, ASecondRunContinuesTheCounter) {
  settings("2");
  start_sending();
  start_sending();
  EXPECT_EQ(label(), "当前已发送：4");
  EXPECT_EQ(pasted, (std::vector<std::string>{"12.jpg", "3.jpg", "5.jpg", "11.jpg"}));
}

TEST_F(SendRun, F5ArrivesThroughTheHookAndStartsARun) {
  settings("1");
  post_f5();
  process_events();
  EXPECT_EQ(keys, "VE");
}

// A send whose picture never reached the clipboard pastes nothing: the
// clipboard still holds what the user put there.
struct no_paste_case {
  const char* name;
  void (*arrange)();
};

class SendRunWithoutPicture : public SendRun, public ::testing::WithParamInterface<no_paste_case> {};

TEST_P(SendRunWithoutPicture, PressesNothingAndCountsNothing) {
  settings("3", "10");
  GetParam().arrange();
  put_on_clipboard(L"password");
  start_sending();
  EXPECT_EQ(keys, "");
  EXPECT_EQ(sent_counter, 0);
  EXPECT_EQ(label(), "");
  EXPECT_EQ(clipboard_text(), "password");
  EXPECT_TRUE(IsWindowEnabled(编辑框1));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SendRunWithoutPicture,
    ::testing::Values(
        no_paste_case{"MissingFile", [] { SetWindowTextA(编辑框5, ".png"); }},
        no_paste_case{"ClassUnavailable", [] { standin.refuse_creation = true; }},
        no_paste_case{"CopyReportsFailure", [] { standin.copy_succeeds = false; }},
        no_paste_case{"ClipboardUntouched", [] { standin.copy_puts_picture_name = false; }}),
    [](const ::testing::TestParamInfo<no_paste_case>& info) { return info.param.name; });

TEST_F(SendRun, ARunWithoutPicturesStillWaitsAndHearsF6) {
  settings("100000000", "5");
  SetWindowTextA(编辑框5, ".png");
  HWND target = main_window;
  WPARAM stop = hotkey_id("停止");
  std::thread stopper([target, stop] {
    Sleep(200);
    PostMessageA(target, WM_HOTKEY, stop, 0);
  });
  start_sending();
  stopper.join();
  EXPECT_EQ(keys, "");
  EXPECT_EQ(stop_flag, 1);
}

TEST_F(SendRun, ANestedRunSendsInsideTheOuterWaitAndKeepsTheSettingsDisabled) {
  settings("2", "10");
  on_paste = [](int n) {
    if (n == 1) post_f5();
  };
  start_sending();
  // outer paste, the nested run's two sends, the outer Enter, the outer second send
  EXPECT_EQ(keys, "V" "VEVE" "E" "VE");
  EXPECT_EQ(label(), "当前已发送：4");
  EXPECT_FALSE(settings_enabled_at_paste[4]);  // outer run, after the nested one ended
  EXPECT_TRUE(IsWindowEnabled(编辑框1));
}

TEST_F(SendRun, AStreamOfF5NestsOnlySoDeep) {
  settings("1", "10");
  on_paste = [](int) { post_f5(); };
  start_sending();
  EXPECT_EQ(keys, repeat("V", 8) + repeat("E", 8));
  EXPECT_TRUE(IsWindowEnabled(编辑框1));
}

// The keyboard repeats a held key. The registration asks for one press
// (Windows honours that, Wine does not); the nesting bound holds either way.
TEST_F(SendRun, HoldingF5DownNestsAtMostEightRuns) {
  settings("1", "10");
  SetForegroundWindow(main_window);
  set_key_event_sink(nullptr);
  for (int i = 0; i < 20; ++i) keybd_event(VK_F5, 0, 0, 0);
  keybd_event(VK_F5, 0, KEYEVENTF_KEYUP, 0);
  set_key_event_sink(record_key);
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 500) {
    process_events();
    Sleep(10);
  }
  std::size_t runs = pasted.size();
  EXPECT_GE(runs, 1u);
  EXPECT_LE(runs, 8u);
  EXPECT_EQ(keys, repeat("V", static_cast<int>(runs)) + repeat("E", static_cast<int>(runs)));
  EXPECT_TRUE(IsWindowEnabled(编辑框1));
}

TEST_F(SendRun, ClosingTheWindowDuringTheWaitEndsTheRunAtOnce) {
  settings("20100", "20");
  on_paste = [](int n) {
    if (n == 1) PostMessageA(main_window, WM_CLOSE, 0, 0);
  };
  start_sending();
  EXPECT_EQ(keys, "V");
  EXPECT_EQ(main_window, nullptr);
  EXPECT_EQ(GetClipboardSequenceNumber(), clipboard_at_paste);  // no copy after the close
  EXPECT_EQ(standin_documents_created(), 1);
  MSG m;
  EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));  // the loop ends normally
  start_sending();  // a run without its window does nothing
  EXPECT_EQ(keys, "V");
  EXPECT_EQ(standin_documents_created(), 1);
}

TEST_F(SendRun, ReleasingTheStateFreesThePath) {
  settings("1");
  start_sending();
  EXPECT_FALSE(current_image_path.empty());
  release_send_state();
  EXPECT_TRUE(current_image_path.empty());
}

}  // namespace
