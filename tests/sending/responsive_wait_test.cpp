#include "sending/responsive_wait_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace {

int hotkeys_seen = 0;
LRESULT CALLBACK counting_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_HOTKEY) ++hotkeys_seen;
  return DefWindowProcA(window, message, wparam, lparam);
}

class ResponsiveWait : public ::testing::Test {
 protected:
  void SetUp() override {
    hotkeys_seen = 0;
    WNDCLASSA c{};
    c.lpfnWndProc = counting_procedure;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "wait_test_window";
    RegisterClassA(&c);
    window = CreateWindowExA(0, "wait_test_window", "wait", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window);
  }
  void TearDown() override {
    set_timer_maker(nullptr);
    DestroyWindow(window);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  // Milliseconds the wait took.
  static ULONGLONG timed_wait(std::int32_t amount, std::int32_t unit) {
    ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(wait_responsive(amount, unit));
    return GetTickCount64() - start;
  }
  // Posts WM_HOTKEY to the window from another thread after a while.
  std::thread post_hotkey_later(DWORD milliseconds) {
    HWND target = window;
    return std::thread([target, milliseconds] {
      Sleep(milliseconds);
      PostMessageA(target, WM_HOTKEY, 1, 0);
    });
  }
  HWND window = nullptr;
};

struct prompt_case {
  std::int32_t amount, unit;
};

// None of these may wait: a wrong sign or scale would wait for hours.
TEST_F(ResponsiveWait, ZeroAndNegativeAmountsReturnAtOnce) {
  for (prompt_case c : {prompt_case{0, 0}, prompt_case{0, 3}, prompt_case{-1, 0},
                        prompt_case{-20, 0}, prompt_case{-5, 3}, prompt_case{INT32_MIN, 3}}) {
    SCOPED_TRACE(testing::Message() << c.amount << " unit " << c.unit);
    EXPECT_LT(timed_wait(c.amount, c.unit), 500u);
  }
}

TEST_F(ResponsiveWait, WaitsTheAmountInItsUnit) {
  ULONGLONG twenty = timed_wait(20, 0);
  EXPECT_GE(twenty, 15u);
  EXPECT_LT(twenty, 1000u);
  ULONGLONG second = timed_wait(1, 1);
  EXPECT_GE(second, 950u);
  EXPECT_LT(second, 3000u);
}

TEST_F(ResponsiveWait, AHotkeyPostedDuringTheWaitIsHandledBeforeItReturns) {
  std::thread poster = post_hotkey_later(30);
  ULONGLONG took = timed_wait(300, 0);
  poster.join();
  EXPECT_EQ(hotkeys_seen, 1);
  EXPECT_GE(took, 280u);  // the message did not end the wait
}

TEST_F(ResponsiveWait, APendingQuitEndsTheWaitAndStaysQueued) {
  PostQuitMessage(3);
  EXPECT_LT(timed_wait(5000, 0), 1000u);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(m.wParam, 3u);
}

// A timer that cannot be made, or is not a timer and so cannot be set.
HANDLE no_timer() { return nullptr; }
HANDLE event_instead_of_timer() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

TEST_F(ResponsiveWait, WithoutAWorkingTimerItStillWaitsTheAmountAndHandlesMessages) {
  for (TimerMaker maker : {&no_timer, &event_instead_of_timer}) {
    set_timer_maker(maker);
    hotkeys_seen = 0;
    std::thread poster = post_hotkey_later(20);
    ULONGLONG took = timed_wait(200, 0);
    poster.join();
    EXPECT_EQ(hotkeys_seen, 1);
    EXPECT_GE(took, 180u);
    EXPECT_LT(took, 2000u);
    EXPECT_LT(timed_wait(-10, 0), 500u);
  }
}

}  // namespace
