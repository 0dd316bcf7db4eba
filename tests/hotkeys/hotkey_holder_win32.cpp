// Holds one system hotkey from a second process: registers the key given
// as argv[1], signals the event named argv[2], and waits (at most a minute)
// for the event named argv[3] before it ends.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  UINT key = static_cast<UINT>(std::atoi(argv[1]));
  if (!RegisterHotKey(nullptr, 1, 0, key)) return 1;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  HANDLE done = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
  if (!ready || !done) return 3;
  SetEvent(ready);
  WaitForSingleObject(done, 60000);
  UnregisterHotKey(nullptr, 1);
  return 0;
}
