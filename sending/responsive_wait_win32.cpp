#include "sending/responsive_wait_win32.h"

#include <cmath>

#include "runtime/runtime_win32.h"

namespace {

// QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER |
// QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY
constexpr DWORD wake_mask = 0xFF;

TimerMaker timer_maker = nullptr;

double multiplier_of(std::int32_t unit) {
  switch (unit) {
    case 1: return 1000.0;
    case 2: return 60000.0;
    case 3: return 3600000.0;
    default: return 1.0;
  }
}

// Negative: relative, in 100 ns units, as SetWaitableTimer takes it. A
// negative amount gives a positive, absolute due time; it is held at the
// first moment of 1601, since a large one would lie centuries ahead.
LONGLONG due_time(std::int32_t amount, std::int32_t unit) {
  double due = std::trunc(static_cast<double>(amount) * multiplier_of(unit) * -10000.0);
  constexpr double limit = 9.2e18;  // inside LONGLONG
  if (due < -limit) due = -limit;
  if (due > 0) due = 1;
  return static_cast<LONGLONG>(due);
}

bool quit_pending() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

// Without a timer the wait runs against the tick count instead.
void wait_without_timer(LONGLONG due) {
  ULONGLONG milliseconds = due < 0 ? static_cast<ULONGLONG>(-due / 10000) : 0;
  ULONGLONG deadline = GetTickCount64() + milliseconds;
  for (;;) {
    ULONGLONG now = GetTickCount64();
    if (now >= deadline || quit_pending()) return;
    ULONGLONG left = deadline - now;
    DWORD timeout = left > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(left);
    DWORD r = MsgWaitForMultipleObjectsEx(0, nullptr, timeout, wake_mask, MWMO_INPUTAVAILABLE);
    if (r == WAIT_FAILED) Sleep(1);
    process_events();
  }
}

// MWMO_INPUTAVAILABLE: a message that came before the wait, and that some
// call already looked at (the clipboard calls do), still wakes it.
void wait_on_timer(HANDLE timer, LONGLONG due) {
  while (!quit_pending()) {
    DWORD r = MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, wake_mask, MWMO_INPUTAVAILABLE);
    if (r == WAIT_OBJECT_0) return;
    if (r == WAIT_FAILED) {
      // The signal may never come: wait the whole amount by the clock.
      wait_without_timer(due);
      return;
    }
    process_events();
  }
}

}  // namespace

void set_timer_maker(TimerMaker maker) { timer_maker = maker; }

bool wait_responsive(std::int32_t amount, std::int32_t unit) {
  LARGE_INTEGER due;
  due.QuadPart = due_time(amount, unit);
  HANDLE timer = timer_maker ? timer_maker() : CreateWaitableTimerA(nullptr, FALSE, nullptr);
  if (timer && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE))
    wait_on_timer(timer, due.QuadPart);
  else
    wait_without_timer(due.QuadPart);
  if (timer) CloseHandle(timer);
  return true;
}
