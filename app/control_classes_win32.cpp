// The program's own control classes: labels, transparent labels and the
// picture box, their fonts and their painting.
#include <string>

#include "app/controls_win32.h"
#include "app/gdi_holder_win32.h"
#include "app/main_window_win32.h"
#include "app/window_parts_win32.h"
#include "runtime/wide_text_win32.h"

const wchar_t label_class[] = L"QQSendLabel";
const wchar_t transparent_label_class[] = L"QQSendTransparentLabel";
const wchar_t picture_box_class[] = L"QQSendPictureBox";

namespace {

GdiHolder link_font;
GdiHolder help_font;

// The face name is GBK; converting it from code page 936 keeps it right on
// systems with another ANSI code page. No face (the link font) takes the
// face of the default GUI font: an empty name lets the system pick by the
// ANSI code page, which on a non-Chinese system is a face without Chinese
// glyphs; on a Chinese one both choices give the same face.
HFONT make_font(bool underline, const char* face) {
  LOGFONTW font = {};
  font.lfHeight = -12;
  font.lfWeight = 400;
  font.lfUnderline = underline;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  std::wstring name = gbk_to_wide(face);
  if (name.empty()) {
    LOGFONTW gui = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    name = gui.lfFaceName;
  }
  lstrcpynW(font.lfFaceName, name.c_str(), LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

std::wstring window_text(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, &text[0], length + 1)));
  return text;
}

// Labels fill their rectangle with the face colour first; transparent
// labels leave what lies beneath them. Both draw the text transparently.
void paint_label(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  const ControlDescription* description = find_control(label);
  if (description) {
    RECT area;
    GetClientRect(label, &area);
    if (description->kind == ControlKind::label) FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, description->text_colour);
    HGDIOBJ old_font = SelectObject(dc, control_font(description->font));
    std::wstring text = window_text(label);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, description->draw_flags);
    SelectObject(dc, old_font);
  }
  EndPaint(label, &paint);
}

int key_state(WPARAM buttons) {
  return ((buttons & MK_CONTROL) ? 1 : 0) | ((buttons & MK_SHIFT) ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// Raised before the label handles the press; the second press of a double
// click comes as WM_LBUTTONDBLCLK and raises nothing.
void on_label_press(HWND label, WPARAM buttons, LPARAM position) {
  if (label == 标签1 && contact_press_event)
    contact_press_event(LOWORD(position), HIWORD(position), key_state(buttons));
}

LRESULT CALLBACK label_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted in WM_PAINT, or not at all
    case WM_PAINT:
      paint_label(window);
      return 0;
    case WM_LBUTTONDOWN:
      on_label_press(window, wparam, lparam);
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK picture_box_procedure(HWND window, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paint_picture_box(window);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool register_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool register_control_classes(HINSTANCE instance) {
  return register_class(instance, label_class, label_procedure) &&
         register_class(instance, transparent_label_class, label_procedure) &&
         register_class(instance, picture_box_class, picture_box_procedure);
}

void make_control_fonts() {
  link_font.reset(make_font(true, ""));
  help_font.reset(make_font(false, "黑体"));
}

void release_control_fonts() {
  link_font.reset();
  help_font.reset();
}

HFONT control_font(ControlFont font) {
  switch (font) {
    case ControlFont::link: return static_cast<HFONT>(link_font.object);
    case ControlFont::help: return static_cast<HFONT>(help_font.object);
    default: return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
}
