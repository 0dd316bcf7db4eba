#include "app/control_table_win32.h"

#include "app/controls_win32.h"

HWND main_window;
HWND 编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5;
HWND 标签1, 标签3;
HWND 透明标签1, 透明标签2, 透明标签3, 透明标签4, 透明标签5, 透明标签6;
HWND 图片框1;

const char design_caption[] = "QQVelmora";
const char design_help_text[] =
    "使用帮助：\r\n\r\n1.最好自己先创建个QQ群；\r\n\r\n2.然后打开自己创建的QQ群的聊天窗口；"
    "\r\n\r\n3.光标放在聊天输入栏里。点击F5开始，F6停止；";

namespace {

const COLORREF black = RGB(0, 0, 0);
const COLORREF link_blue = RGB(0, 136, 255);
// One line, vertically centred, left-aligned.
const UINT line_centred = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER;
const DWORD edit_style = WS_TABSTOP | ES_AUTOHSCROLL;

}  // namespace

const ControlDescription control_table[] = {
    {&图片框1, ControlKind::picture_box, 172, 94, 32, 40, "", ControlFont::gui, black, 0, 0, 0},
    {&标签1, ControlKind::label, 304, 180, 61, 20, "联系作者", ControlFont::link, link_blue,
     DT_NOCLIP | DT_RIGHT | DT_SINGLELINE | DT_BOTTOM, 0, 0},
    // DT_VCENTER does nothing without DT_SINGLELINE: the lines start at the top.
    {&透明标签6, ControlKind::transparent_label, 9, 113, 279, 112, design_help_text,
     ControlFont::help, black, DT_NOCLIP | DT_WORDBREAK | DT_VCENTER, 0, WS_EX_TRANSPARENT},
    {&透明标签5, ControlKind::transparent_label, 47, 56, 56, 24, "发送间隔：", ControlFont::gui,
     black, line_centred, 0, WS_EX_TRANSPARENT},
    {&透明标签4, ControlKind::transparent_label, 24, 24, 80, 24, "设置发送次数：",
     ControlFont::gui, black, line_centred, 0, WS_EX_TRANSPARENT},
    {&编辑框5, ControlKind::edit_box, 262, 57, 89, 23, ".jpg", ControlFont::gui, black, 0,
     edit_style | ES_LEFT | WS_BORDER, 0},
    {&透明标签3, ControlKind::transparent_label, 206, 58, 56, 24, "图片格式：", ControlFont::gui,
     black, line_centred, 0, WS_EX_TRANSPARENT},
    {&透明标签2, ControlKind::transparent_label, 298, 30, 16, 16, "～", ControlFont::gui, black,
     line_centred, 0, WS_EX_TRANSPARENT},
    {&编辑框4, ControlKind::edit_box, 310, 24, 40, 24, "15", ControlFont::gui, black, 0,
     edit_style | ES_CENTER, WS_EX_CLIENTEDGE},
    {&编辑框3, ControlKind::edit_box, 262, 24, 32, 24, "1", ControlFont::gui, black, 0,
     edit_style | ES_CENTER, WS_EX_CLIENTEDGE},
    {&透明标签1, ControlKind::transparent_label, 206, 24, 56, 24, "图片范围：", ControlFont::gui,
     black, line_centred, 0, WS_EX_TRANSPARENT},
    {&标签3, ControlKind::label, 206, 94, 146, 32, "当前已发送：0", ControlFont::gui, black,
     line_centred, 0, 0},
    {&编辑框2, ControlKind::edit_box, 103, 58, 88, 24, "20", ControlFont::gui, black, 0,
     edit_style | ES_LEFT, WS_EX_CLIENTEDGE},
    {&编辑框1, ControlKind::edit_box, 104, 24, 86, 24, "20100", ControlFont::gui, black, 0,
     edit_style | ES_LEFT, WS_EX_CLIENTEDGE},
};
const std::size_t control_count = sizeof control_table / sizeof control_table[0];

const ControlDescription* find_control(HWND control) {
  if (!control) return nullptr;
  for (const ControlDescription& description : control_table)
    if (*description.handle == control) return &description;
  return nullptr;
}

HWND tab_order_box(std::size_t index) {
  HWND boxes[tab_order_count] = {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5};
  return index < tab_order_count ? boxes[index] : nullptr;
}
