// Measures the send run and the responsive wait and prints a table:
//   - the time of one send beyond its interval (interval 0 and 20 ms),
//   - the measured length of requested waits of 1, 5, 20 and 50 ms,
//   - the CPU time the process uses during a 5-second wait.
// The HTML document class is the in-process stand-in, the window is hidden,
// and the key presses go to a recording sink, so nothing is really typed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/controls_win32.h"
#include "runtime/run_directory.h"
#include "runtime/runtime_win32.h"
#include "sending/responsive_wait_win32.h"
#include "sending/send_run_win32.h"
#include "tests/support/html_document_standin.h"

namespace {

double ticks_per_ms = 1;

double now_ms() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticks_per_ms;
}

// The sink notes when each send's Enter comes up and counts the pastes.
std::vector<double> enter_times;
int pastes = 0;

void record_key(BYTE key, DWORD flags) {
  bool up = (flags & KEYEVENTF_KEYUP) != 0;
  if (key == VK_RETURN && up) enter_times.push_back(now_ms());
  if (key == 'V' && !up) ++pastes;
}

struct Figures {
  double mean, median, p95, max;
};

Figures figures_of(std::vector<double> values) {
  if (values.empty()) return {0, 0, 0, 0};
  std::sort(values.begin(), values.end());
  double sum = 0;
  for (double v : values) sum += v;
  return {sum / values.size(), values[values.size() / 2], values[values.size() * 95 / 100],
          values.back()};
}

HWND make_edit(HWND parent, const char* text) {
  return CreateWindowExA(0, "EDIT", text, WS_CHILD | ES_AUTOHSCROLL, 0, 0, 80, 24, parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

// A hidden window with the controls the send run reads and writes.
void make_hidden_window() {
  main_window = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPED, 0, 0, 380, 236, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  编辑框1 = make_edit(main_window, "0");
  编辑框2 = make_edit(main_window, "0");
  编辑框3 = make_edit(main_window, "1");
  编辑框4 = make_edit(main_window, "15");
  编辑框5 = make_edit(main_window, ".jpg");
  标签3 = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 146, 32, main_window, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
}

std::string picture_path(int n) { return run_directory() + "\\" + std::to_string(n) + ".jpg"; }

void make_pictures() {
  for (int n = 1; n <= 15; ++n) {
    HANDLE file = CreateFileA(picture_path(n).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, "picture", 7, &written, nullptr);
    CloseHandle(file);
  }
}

void remove_pictures() {
  for (int n = 1; n <= 15; ++n) DeleteFileA(picture_path(n).c_str());
}

// One run of sends; each send's time is from the previous Enter to its own.
void bench_sends(int interval, int sends) {
  SetWindowTextA(编辑框1, std::to_string(sends + 1).c_str());
  SetWindowTextA(编辑框2, std::to_string(interval).c_str());
  enter_times.clear();
  pastes = 0;
  standin_reset();
  standin.copy_puts_picture_name = true;
  start_sending();
  std::vector<double> beyond;
  for (size_t i = 1; i < enter_times.size(); ++i)
    beyond.push_back(enter_times[i] - enter_times[i - 1] - interval);
  Figures f = figures_of(beyond);
  std::printf("send beyond interval %2d ms  %5zu sends %5d pasted  mean %7.3f  median %7.3f"
              "  p95 %7.3f  max %8.3f ms\n",
              interval, beyond.size(), pastes, f.mean, f.median, f.p95, f.max);
}

void bench_wait(int requested, int repeats) {
  std::vector<double> measured;
  for (int i = 0; i < repeats; ++i) {
    double start = now_ms();
    wait_responsive(requested, 0);
    measured.push_back(now_ms() - start);
  }
  Figures f = figures_of(measured);
  std::printf("wait_responsive(%2d ms)      %5d waits              mean %7.3f  median %7.3f"
              "  p95 %7.3f  max %8.3f ms\n",
              requested, repeats, f.mean, f.median, f.p95, f.max);
}

double cpu_ms() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                               t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

// A busy loop of known length shows that the CPU figure below can see work.
void bench_busy_cpu() {
  double wall = now_ms(), cpu = cpu_ms();
  while (now_ms() - wall < 200) {
  }
  wall = now_ms() - wall;
  cpu = cpu_ms() - cpu;
  std::printf("CPU while spinning 200 ms    wall %8.1f ms  CPU %7.1f ms  (%.2f %% of one core)\n",
              wall, cpu, 100.0 * cpu / wall);
}

void bench_idle_cpu() {
  double wall = now_ms(), cpu = cpu_ms();
  wait_responsive(5000, 0);
  wall = now_ms() - wall;
  cpu = cpu_ms() - cpu;
  std::printf("CPU during a 5 s wait        wall %8.1f ms  CPU %7.1f ms  (%.2f %% of one core)\n",
              wall, cpu, 100.0 * cpu / wall);
}

}  // namespace

int main() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  ticks_per_ms = static_cast<double>(frequency.QuadPart) / 1000.0;

  runtime_init();
  DWORD cookie = 0;
  if (FAILED(register_standin_class(&cookie))) {
    std::printf("bench: the HTML document stand-in could not be registered\n");
    return 1;
  }
  set_key_event_sink(record_key);
  make_hidden_window();
  make_pictures();

  std::printf("%s\n", "measure                      count                  figures");
  bench_sends(0, 1000);
  bench_sends(20, 1000);
  for (int requested : {1, 5, 20, 50}) bench_wait(requested, 5000 / (requested + 5));
  bench_busy_cpu();
  bench_idle_cpu();

  remove_pictures();
  DestroyWindow(main_window);
  CoRevokeClassObject(cookie);
  return runtime_end(0);
}
