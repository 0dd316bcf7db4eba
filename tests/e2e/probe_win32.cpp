// Looks at the program's main window and at notepad from outside, for the
// end-to-end script. Prints "name=value" lines in UTF-8 on stdout; exits 0
// on success, 1 when the window is not there, 2 on a usage error.
//
//   probe main [seconds]        the main window's edit boxes and counter
//   probe set-edit N TEXT       puts TEXT into edit box N (1..5)
//   probe close-main            posts WM_CLOSE to the main window
//   probe notepad-text          notepad's text, lines ended by LF
//   probe notepad-clear         empties notepad
//   probe focus-notepad         brings notepad forward, caret in its text
//   probe clipboard-set TEXT    puts TEXT on the clipboard as Unicode text
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct ControlPlace {
  const char* name;
  int left, top;
  bool edit;
};

// Client positions of the controls the probe reports, as the window lays them out.
const ControlPlace kPlaces[] = {
    {"edit1", 104, 24, true}, {"edit2", 103, 58, true}, {"edit3", 262, 24, true},
    {"edit4", 310, 24, true}, {"edit5", 262, 57, true}, {"label3", 206, 94, false},
};
constexpr int kPlaceCount = sizeof kPlaces / sizeof kPlaces[0];

struct MainWindow {
  HWND window = nullptr;
  HWND controls[kPlaceCount] = {};
};

void write_out(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
            &written, nullptr);
}

std::string to_utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                 nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size,
                      nullptr, nullptr);
  return out;
}

std::wstring from_acp(const char* text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &out[0], size);
  out.resize(static_cast<size_t>(size > 0 ? size - 1 : 0));
  return out;
}

// WM_GETTEXT through the other process's message dispatch (GetWindowText
// would only read the caption the system keeps, not an edit box's content).
std::wstring window_text(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 3000, &length))
    return L"<no answer>";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 3000, &copied);
  text.resize(copied);
  return text;
}

bool is_edit(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, "Edit") == 0;
}

struct ChildSearch {
  HWND parent;
  MainWindow* found;
};

BOOL CALLBACK note_child(HWND child, LPARAM search_address) {
  auto* search = reinterpret_cast<ChildSearch*>(search_address);
  if (GetParent(child) != search->parent) return TRUE;
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, search->parent, reinterpret_cast<POINT*>(&rect), 2);
  for (int i = 0; i < kPlaceCount; ++i) {
    const ControlPlace& place = kPlaces[i];
    if (rect.left == place.left && rect.top == place.top && is_edit(child) == place.edit)
      search->found->controls[i] = child;
  }
  return TRUE;
}

// A top-level window is the main window when every reported control sits at its place.
BOOL CALLBACK try_top_level(HWND window, LPARAM result_address) {
  if (!IsWindowVisible(window)) return TRUE;
  MainWindow candidate;
  candidate.window = window;
  ChildSearch search{window, &candidate};
  EnumChildWindows(window, note_child, reinterpret_cast<LPARAM>(&search));
  for (HWND control : candidate.controls)
    if (!control) return TRUE;
  *reinterpret_cast<MainWindow*>(result_address) = candidate;
  return FALSE;
}

bool find_main(MainWindow& main, double seconds) {
  DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    main = MainWindow{};
    EnumWindows(try_top_level, reinterpret_cast<LPARAM>(&main));
    if (main.window) return true;
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
    Sleep(100);
  }
}

int report_main(double seconds) {
  MainWindow main;
  if (!find_main(main, seconds)) {
    write_out("main=none\n");
    return 1;
  }
  std::string out = "main=found\ncaption=" + to_utf8(window_text(main.window)) + "\n";
  for (int i = 0; i < kPlaceCount; ++i) {
    std::string name = kPlaces[i].name;
    if (kPlaces[i].edit)
      out += name + ".enabled=" + (IsWindowEnabled(main.controls[i]) ? "1" : "0") + "\n";
    out += name + ".text=" + to_utf8(window_text(main.controls[i])) + "\n";
  }
  write_out(out);
  return 0;
}

int set_edit(const char* number, const char* text) {
  int index = std::atoi(number) - 1;
  if (index < 0 || index >= 5) return 2;
  MainWindow main;
  if (!find_main(main, 5)) return 1;
  std::wstring wide = from_acp(text);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(main.controls[index], WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 3000, &ignored);
  return 0;
}

int close_main() {
  MainWindow main;
  if (!find_main(main, 5)) return 1;
  PostMessageW(main.window, WM_CLOSE, 0, 0);
  return 0;
}

HWND find_notepad_edit(HWND* notepad) {
  *notepad = FindWindowW(L"Notepad", nullptr);
  return *notepad ? FindWindowExW(*notepad, nullptr, L"Edit", nullptr) : nullptr;
}

int notepad_text() {
  HWND notepad;
  HWND edit = find_notepad_edit(&notepad);
  if (!edit) return 1;
  std::wstring text = window_text(edit), lines;
  for (wchar_t c : text)
    if (c != L'\r') lines += c;
  write_out(to_utf8(lines));
  return 0;
}

int notepad_clear() {
  HWND notepad;
  HWND edit = find_notepad_edit(&notepad);
  if (!edit) return 1;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_ABORTIFHUNG,
                      3000, &ignored);
  return 0;
}

// Foreground activation from another process; the caret goes to the end of the text.
int focus_notepad() {
  HWND notepad;
  HWND edit = find_notepad_edit(&notepad);
  if (!edit) return 1;
  SetForegroundWindow(notepad);
  DWORD thread = GetWindowThreadProcessId(notepad, nullptr);
  AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
  SetFocus(edit);
  AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1, SMTO_ABORTIFHUNG, 3000,
                      &ignored);
  Sleep(200);
  bool forward = GetForegroundWindow() == notepad;
  write_out(std::string("notepad.foreground=") + (forward ? "1" : "0") + "\n");
  return forward ? 0 : 1;
}

int clipboard_set(const char* text) {
  std::wstring wide = from_acp(text);
  size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return 1;
  std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return 1;
  }
  EmptyClipboard();
  bool stored = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!stored) GlobalFree(memory);
  CloseClipboard();
  return stored ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "main") return report_main(argc > 2 ? std::atof(argv[2]) : 0);
  if (command == "set-edit" && argc == 4) return set_edit(argv[2], argv[3]);
  if (command == "close-main") return close_main();
  if (command == "notepad-text") return notepad_text();
  if (command == "notepad-clear") return notepad_clear();
  if (command == "focus-notepad") return focus_notepad();
  if (command == "clipboard-set" && argc == 3) return clipboard_set(argv[2]);
  write_out("usage: probe main [seconds] | set-edit N TEXT | close-main | notepad-text |"
            " notepad-clear | focus-notepad | clipboard-set TEXT\n");
  return 2;
}
