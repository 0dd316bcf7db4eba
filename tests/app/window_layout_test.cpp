// The main window as built: frame, place, icon, every control of the
// table, the stacking order, and the created event.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/controls_win32.h"
#include "app/main_window_win32.h"
#include "runtime/wide_text_win32.h"
#include "tests/app/window_fixture_win32.h"
#include "texts/cipher.h"
#include "texts/stored_texts.h"
#include "texts/window_texts_win32.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void TearDown() override { destroy_window(); }
};

std::wstring wide_text(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

std::string class_of(HWND window) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

TEST_F(MainWindow, IsCentredWithFixedFrameAndNoMaximiseBox) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 800) << "the tests expect Wine's 800 x 600 desktop";
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  ASSERT_TRUE(build_window());
  RECT outer;
  GetWindowRect(main_window, &outer);
  EXPECT_EQ(outer.left, 210);
  EXPECT_EQ(outer.top, 182);
  EXPECT_EQ(outer.right - outer.left, 380);
  EXPECT_EQ(outer.bottom - outer.top, 236);

  LONG style = GetWindowLongW(main_window, GWL_STYLE);
  const LONG wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_POPUP | WS_CHILD), 0);
  EXPECT_EQ(GetWindow(main_window, GW_OWNER), nullptr);  // its own task bar button
  // The system adds WS_EX_WINDOWEDGE to a captioned window; nothing else.
  EXPECT_EQ(GetWindowLongW(main_window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_TRUE(GetSystemMenu(main_window, FALSE));
  EXPECT_EQ(GetForegroundWindow(), main_window);
}

// The probe builds the window inside a 640 x 480 desktop of its own.
TEST(SmallScreen, WindowIsCentredOnA640By480Screen) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string probe = self;
  probe = probe.substr(0, probe.find_last_of('\\') + 1) + "window_origin_probe.exe";
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string report = std::string(temp) + "qqsend_origin_probe.txt";
  DeleteFileA(report.c_str());
  std::string command = "explorer.exe /desktop=QQSendSmall,640x480 \"" + probe + "\" \"" + report + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  int values[6] = {};
  int read = 0;
  for (int wait = 0; wait < 200 && read != 6; ++wait) {
    Sleep(100);
    if (std::FILE* file = std::fopen(report.c_str(), "r")) {
      read = std::fscanf(file, "%d %d %d %d %d %d", &values[0], &values[1], &values[2],
                         &values[3], &values[4], &values[5]);
      std::fclose(file);
    }
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  DeleteFileA(report.c_str());
  ASSERT_EQ(read, 6) << "no report from " << probe;
  EXPECT_EQ(values[0], 640);
  EXPECT_EQ(values[1], 480);
  EXPECT_EQ(values[2], 130);
  EXPECT_EQ(values[3], 122);
  EXPECT_EQ(values[4], 380);
  EXPECT_EQ(values[5], 236);
}

TEST_F(MainWindow, IconIsThe64PixelImageWithAlphaAsBothIcons) {
  ASSERT_TRUE(build_window());
  for (WPARAM which : {ICON_BIG, ICON_SMALL}) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(main_window, WM_GETICON, which, 0));
    ASSERT_TRUE(icon) << which;
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour = {};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 64);
    EXPECT_EQ(colour.bmHeight, 64);
    EXPECT_EQ(colour.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

struct ExpectedControl {
  HWND* handle;
  const char* name;
  const char* window_class;  // "EDIT" or the program's own
  RECT rect;                 // client coordinates
  const char* text;
  LONG style;  // beyond WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE
  LONG ex_style;
};

const LONG edit = WS_TABSTOP | ES_AUTOHSCROLL;

// Topmost first, as they are stacked.
const ExpectedControl expected_controls[] = {
    {&图片框1, "图片框1", "QQSendPictureBox", {172, 94, 204, 134}, "", 0, 0},
    {&标签1, "标签1", "QQSendLabel", {304, 180, 365, 200}, "联系作者", 0, 0},
    {&透明标签6, "透明标签6", "QQSendTransparentLabel", {9, 113, 288, 225}, nullptr, 0,
     WS_EX_TRANSPARENT},
    {&透明标签5, "透明标签5", "QQSendTransparentLabel", {47, 56, 103, 80}, "发送间隔：", 0,
     WS_EX_TRANSPARENT},
    {&透明标签4, "透明标签4", "QQSendTransparentLabel", {24, 24, 104, 48}, "设置发送次数：", 0,
     WS_EX_TRANSPARENT},
    // The edit control takes WS_BORDER over and draws the thin border itself
    // (the paint tests look at it).
    {&编辑框5, "编辑框5", "Edit", {262, 57, 351, 80}, ".jpg", edit, 0},
    {&透明标签3, "透明标签3", "QQSendTransparentLabel", {206, 58, 262, 82}, "图片格式：", 0,
     WS_EX_TRANSPARENT},
    {&透明标签2, "透明标签2", "QQSendTransparentLabel", {298, 30, 314, 46}, "～", 0,
     WS_EX_TRANSPARENT},
    {&编辑框4, "编辑框4", "Edit", {310, 24, 350, 48}, "15", edit | ES_CENTER, WS_EX_CLIENTEDGE},
    {&编辑框3, "编辑框3", "Edit", {262, 24, 294, 48}, "1", edit | ES_CENTER, WS_EX_CLIENTEDGE},
    {&透明标签1, "透明标签1", "QQSendTransparentLabel", {206, 24, 262, 48}, "图片范围：", 0,
     WS_EX_TRANSPARENT},
    {&标签3, "标签3", "QQSendLabel", {206, 94, 352, 126}, "当前已发送：0", 0, 0},
    {&编辑框2, "编辑框2", "Edit", {103, 58, 191, 82}, "20", edit, WS_EX_CLIENTEDGE},
    {&编辑框1, "编辑框1", "Edit", {104, 24, 190, 48}, "20100", edit, WS_EX_CLIENTEDGE},
};

// Bits that must be off where the table does not ask for them.
const LONG unasked_style =
    WS_TABSTOP | ES_CENTER | ES_RIGHT | ES_NUMBER | ES_UPPERCASE | ES_LOWERCASE |
    ES_PASSWORD | ES_READONLY | ES_NOHIDESEL | ES_MULTILINE | WS_DISABLED;
const LONG own_class_unasked = WS_BORDER | WS_TABSTOP | WS_DISABLED | WS_DLGFRAME;

TEST_F(MainWindow, EveryControlHasItsKindPlaceTextAndStyles) {
  ASSERT_TRUE(build_window());
  for (const ExpectedControl& c : expected_controls) {
    SCOPED_TRACE(c.name);
    HWND control = *c.handle;
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(GetParent(control), main_window);
    EXPECT_STRCASEEQ(class_of(control).c_str(), c.window_class);
    RECT rect = client_rect_of(control);
    EXPECT_EQ(rect.left, c.rect.left);
    EXPECT_EQ(rect.top, c.rect.top);
    EXPECT_EQ(rect.right, c.rect.right);
    EXPECT_EQ(rect.bottom, c.rect.bottom);
    if (c.text) {
      EXPECT_EQ(wide_text(control), gbk_to_wide(c.text));
    }
    bool is_edit = std::string(c.window_class) == "Edit";
    if (is_edit) {
      EXPECT_EQ(get_text(control), c.text);
    }
    LONG style = GetWindowLongW(control, GWL_STYLE);
    LONG always = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
    EXPECT_EQ(style & (always | c.style), always | c.style);
    EXPECT_EQ(style & (is_edit ? unasked_style : own_class_unasked) & ~c.style, 0);
    EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE), c.ex_style);
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
    if (!is_edit) {
      WNDCLASSEXW wc = {};
      wc.cbSize = sizeof wc;
      ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr),
                                  gbk_to_wide(c.window_class).c_str(), &wc));
      EXPECT_EQ(wc.style, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
      EXPECT_EQ(wc.hbrBackground, nullptr);
    }
  }
  // The caret of 编辑框1 at 0 with nothing selected, the focus there.
  EXPECT_EQ(GetFocus(), 编辑框1);
  DWORD start = 1, end = 1;
  SendMessageA(编辑框1, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

TEST_F(MainWindow, ControlsAreStackedInTheTableOrder) {
  ASSERT_TRUE(build_window());
  std::vector<HWND> stacked;
  for (HWND w = GetWindow(main_window, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    stacked.push_back(w);
  std::vector<HWND> expected;
  for (const ExpectedControl& c : expected_controls) expected.push_back(*c.handle);
  EXPECT_EQ(stacked, expected);
}

// What the window looked like when it was first shown.
bool visible_at_created = true;
int controls_at_created = 0;
std::wstring caption_at_first_show;
std::wstring help_at_first_show;
HHOOK show_hook = nullptr;

LRESULT CALLBACK watch_first_show(int code, WPARAM wparam, LPARAM lparam) {
  auto* call = reinterpret_cast<CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam &&
      call->hwnd == main_window && caption_at_first_show.empty()) {
    caption_at_first_show = wide_text(main_window);
    help_at_first_show = wide_text(透明标签6);
  }
  return CallNextHookEx(show_hook, code, wparam, lparam);
}

void record_created() {
  visible_at_created = IsWindowVisible(main_window) != FALSE;
  controls_at_created = 0;
  for (const ExpectedControl& c : expected_controls)
    if (IsWindow(*c.handle) && (GetWindowLongW(*c.handle, GWL_STYLE) & WS_VISIBLE))
      ++controls_at_created;
  show_stored_texts();
}

TEST_F(MainWindow, CreatedEventSetsTheStoredTextsBeforeTheFirstShow) {
  show_hook = SetWindowsHookExW(WH_CALLWNDPROC, watch_first_show, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(show_hook);
  caption_at_first_show.clear();
  ASSERT_TRUE(build_window(record_created));
  UnhookWindowsHookEx(show_hook);

  EXPECT_FALSE(visible_at_created);
  EXPECT_EQ(controls_at_created, 14);
  const std::wstring caption = gbk_to_wide(decipher_text(stored_caption));
  const std::wstring help = gbk_to_wide(decipher_text(stored_help_text));
  EXPECT_EQ(caption_at_first_show, caption);
  EXPECT_EQ(help_at_first_show, help);
  EXPECT_EQ(wide_text(main_window), caption);
  EXPECT_EQ(wide_text(透明标签6), help);
  EXPECT_NE(caption, gbk_to_wide("QQVelmora"));
  EXPECT_TRUE(IsWindowVisible(main_window));
}

TEST_F(MainWindow, WithoutCreatedHandlerTheDesignTextsStand) {
  ASSERT_TRUE(build_window());
  EXPECT_EQ(wide_text(main_window), L"QQVelmora");
  EXPECT_EQ(wide_text(透明标签6).substr(0, 7), L"使用帮助：\r\n");
}

}  // namespace
