// The window's keys, focus, cursor and the contact label's press, driven
// by real input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/controls_win32.h"
#include "app/main_window_win32.h"
#include "runtime/runtime_win32.h"
#include "tests/app/window_fixture_win32.h"
#include "texts/cipher.h"
#include "texts/stored_texts.h"
#include "texts/window_texts_win32.h"

namespace {

class WindowInput : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(build_window()); }
  void TearDown() override { destroy_window(); }
};

HWND box(int number) {
  HWND boxes[] = {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5};
  return boxes[number - 1];
}

std::vector<int> focus_walk(const std::vector<WORD>& modifiers, int presses) {
  std::vector<int> seen;
  for (int i = 0; i < presses; ++i) {
    press(VK_TAB, modifiers);
    int at = 0;
    for (int n = 1; n <= 5; ++n)
      if (GetFocus() == box(n)) at = n;
    seen.push_back(at);
  }
  return seen;
}

TEST_F(WindowInput, TabAndShiftTabCycleThroughTheEnabledBoxes) {
  ASSERT_EQ(GetFocus(), 编辑框1);
  EXPECT_EQ(focus_walk({}, 5), (std::vector<int>{2, 3, 4, 5, 1}));
  EXPECT_EQ(focus_walk({VK_SHIFT}, 5), (std::vector<int>{5, 4, 3, 2, 1}));

  set_disabled(编辑框3, true);
  set_disabled(编辑框5, true);
  EXPECT_EQ(focus_walk({}, 3), (std::vector<int>{2, 4, 1}));
  EXPECT_EQ(focus_walk({VK_SHIFT}, 3), (std::vector<int>{4, 2, 1}));

  for (int n = 1; n <= 5; ++n) set_disabled(box(n), true);
  EXPECT_EQ(focus_walk({}, 2), (std::vector<int>{0, 0}));
  for (int n = 1; n <= 5; ++n) set_disabled(box(n), false);
  EXPECT_EQ(focus_walk({}, 1), (std::vector<int>{1}));  // from none, the first
}

TEST_F(WindowInput, EnterNeitherMovesTheFocusNorClosesTheWindow) {
  press(VK_RETURN);
  EXPECT_TRUE(IsWindow(main_window));
  EXPECT_EQ(GetFocus(), 编辑框1);
  EXPECT_EQ(get_text(编辑框1), "20100");
}

TEST_F(WindowInput, ModifiedEscDoesNotClose) {
  const std::vector<std::vector<WORD>> modifiers = {{VK_CONTROL}, {VK_SHIFT}, {VK_MENU}};
  for (const auto& held : modifiers) {
    SetForegroundWindow(main_window);
    SetFocus(编辑框2);
    press(VK_ESCAPE, held);
    pump(100);
    ASSERT_TRUE(main_window && IsWindow(main_window)) << "modifier " << held[0];
  }
}

bool exit_routine_ran = false;
void note_exit() { exit_routine_ran = true; }

// Esc from each box ends the message loop, and the program's end runs the
// exit routine, as start-up wires them.
TEST(WindowEsc, ClosesTheWindowFromAnyBoxAndTheExitRoutineRuns) {
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(build_window());
    exit_routine_ran = false;
    register_exit_routine(note_exit);
    SetFocus(box(n));
    press(VK_ESCAPE);
    EXPECT_EQ(main_window, nullptr);
    EXPECT_EQ(run_message_loop(), 0);  // WM_QUIT was posted
    runtime_end(0);
    EXPECT_TRUE(exit_routine_ran);
    destroy_window();
  }
}

TEST_F(WindowInput, TypedTextReadsBackExactly) {
  const std::string typed = "aZ09 .-+*/=!@#$%^&()_[]{};:'\",<>?|\\`~";
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    SetWindowTextA(box(n), "");
    SetFocus(box(n));
    type_text(typed);
    EXPECT_EQ(get_text(box(n)), typed);
  }
}

TEST_F(WindowInput, FocusComesBackToTheControlThatHadIt) {
  SetFocus(编辑框4);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               100, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  pump();
  ASSERT_NE(GetForegroundWindow(), main_window);
  SetForegroundWindow(main_window);
  pump();
  EXPECT_EQ(GetFocus(), 编辑框4);
  DestroyWindow(other);
}

std::vector<std::string> opened;
void record_open(HWND, const std::string& address) { opened.push_back(address); }
int presses = 0;
void count_press(int, int, int) { ++presses; }

// The messages the system sends for a click and for a double click on a
// class with CS_DBLCLKS (the table test checks the class style): only the
// first press of a double click raises the event.
TEST_F(WindowInput, OnePressEventPerClickAndOneForADoubleClick) {
  contact_press_event = count_press;
  const UINT single[] = {WM_LBUTTONDOWN, WM_LBUTTONUP};
  const UINT double_click[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
  presses = 0;
  for (UINT message : single) SendMessageW(标签1, message, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(presses, 1);
  for (UINT message : double_click) SendMessageW(标签1, message, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(presses, 2);
  for (UINT message : single) SendMessageW(标签3, message, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(presses, 2);
}

// Each press opens the address again, whatever its arguments.
TEST_F(WindowInput, PressOnTheContactLabelOpensTheDecipheredAddress) {
  contact_press_event = open_contact_link;
  set_url_opener(record_open);
  opened.clear();
  SendMessageW(标签1, WM_LBUTTONDOWN, 0, MAKELPARAM(20, 10));
  SendMessageW(标签1, WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  SendMessageW(标签1, WM_LBUTTONDOWN, MK_CONTROL, MAKELPARAM(1, 1));
  set_url_opener(nullptr);
  const std::string address = decipher_text(stored_contact_link);
  EXPECT_EQ(opened, (std::vector<std::string>{address, address}));
}

// WM_SETCURSOR as the system sends it to the window under the pointer;
// the label's DefWindowProc asks the main window first. (Pointer moves and
// clicks sent through Wine's virtual desktop arrive too unreliably to be
// tested with.)
TEST_F(WindowInput, PointerIsAHandOverTheContactLabelOnly) {
  HCURSOR hand = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
  HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  struct Step {
    HWND* control;
    HCURSOR expected;
  };
  const Step steps[] = {{&标签3, arrow}, {&标签1, hand}, {&透明标签6, arrow}, {&编辑框1, nullptr},
                        {&标签1, hand}};
  for (const Step& step : steps) {
    SetCursor(nullptr);
    SendMessageW(*step.control, WM_SETCURSOR, reinterpret_cast<WPARAM>(*step.control),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    if (step.expected)
      EXPECT_EQ(GetCursor(), step.expected) << (step.expected == hand ? "hand" : "arrow");
    else
      EXPECT_NE(GetCursor(), hand) << "edit box";
  }
}

}  // namespace
