#pragma once
// The main window, its controls, and the control operations the other
// parts of the program call.
#include <windows.h>

#include <string>

extern HWND main_window;
extern HWND 编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5;
extern HWND 标签1, 标签3;
extern HWND 透明标签1, 透明标签2, 透明标签3, 透明标签4, 透明标签5, 透明标签6;
extern HWND 图片框1;

// The caption of the main window, or the text of a label (repainted) or of a
// transparent label (with the redraw of what lies beneath it).
void set_text(HWND control, const std::string& text);
// A new text with the edit box's content.
std::string get_text(HWND control);
// true disables the edit box, false enables it.
void set_disabled(HWND control, bool disabled);
