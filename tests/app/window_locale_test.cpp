// The window on a system whose ANSI code page is not 936 (run under Wine
// with an English locale): the program's own Chinese texts still read right.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/controls_win32.h"
#include "app/window_parts_win32.h"
#include "tests/app/window_fixture_win32.h"
#include "texts/window_texts_win32.h"

namespace {

struct ShownText {
  HWND* control;
  const wchar_t* text;  // what the window must hold, as Unicode
};

std::wstring wide_text(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

// Every character of the text has a glyph in the font the control paints with.
bool font_has_glyphs(HWND control, const std::wstring& text) {
  const ControlDescription* description = find_control(control);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, control_font(description->font));
  std::vector<WORD> glyphs(text.size());
  DWORD got = GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                               GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (got != text.size()) return false;
  for (WORD glyph : glyphs)
    if (glyph == 0xFFFF) return false;
  return true;
}

TEST(NonChineseLocale, OwnTextsReadBackAsTheirUnicodeTextsWithGlyphs) {
  ASSERT_NE(GetACP(), 936u) << "this test must run with another ANSI code page";
  ASSERT_TRUE(build_window(show_stored_texts));
  EXPECT_EQ(wide_text(main_window), L"QQ群图片连发助手");
  const ShownText shown[] = {
      {&标签1, L"联系作者"},        {&标签3, L"当前已发送：0"},
      {&透明标签1, L"图片范围："},  {&透明标签2, L"～"},
      {&透明标签3, L"图片格式："},  {&透明标签4, L"设置发送次数："},
      {&透明标签5, L"发送间隔：", },
  };
  for (const ShownText& s : shown) {
    SCOPED_TRACE(testing::Message() << "control " << s.control - &标签1);
    EXPECT_EQ(wide_text(*s.control), s.text);
    EXPECT_TRUE(font_has_glyphs(*s.control, s.text));
  }
  std::wstring help = wide_text(透明标签6);
  EXPECT_EQ(help.substr(0, 7), L"使用帮助：\r\n");
  EXPECT_TRUE(font_has_glyphs(透明标签6, help.substr(0, 5)));
  destroy_window();
}

}  // namespace
