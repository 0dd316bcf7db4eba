#pragma once
// Waiting on the GUI thread while its messages keep being handled.
#include <windows.h>

#include <cstdint>

// Waits amount units (0 ms, 1 s, 2 min, 3 h; another code counts as ms),
// handling messages meanwhile through process_events. A negative amount
// returns at once. A pending WM_QUIT ends the wait early and stays queued.
// Always true.
bool wait_responsive(std::int32_t amount, std::int32_t unit);

// Tests may make the timer fail: the maker stands in for CreateWaitableTimerA.
using TimerMaker = HANDLE (*)();
void set_timer_maker(TimerMaker maker);  // nullptr: CreateWaitableTimerA
