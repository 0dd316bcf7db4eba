#pragma once
// The program's own texts are GBK bytes; they are shown through the wide
// functions, converted from code page 936 explicitly, so that they read
// right whatever the system's ANSI code page is.
#include <windows.h>

#include <string>

std::wstring gbk_to_wide(const std::string& text);
// What the system's ANSI code page makes of text (edit boxes, paths).
std::wstring acp_to_wide(const std::string& text);
std::string wide_to_acp(const std::wstring& text);

// MessageBoxW with the texts converted from code page 936. Tests may put a
// stand-in in place of the box, so that nobody has to close it.
using MessageBoxSeam = int (*)(HWND owner, const std::string& text,
                               const std::string& caption, UINT flags);
void set_message_box_seam(MessageBoxSeam seam);  // nullptr: MessageBoxW
int show_message_box(HWND owner, const std::string& text,
                     const std::string& caption, UINT flags);
