#pragma once
// The main window's controls as data: kind, place, text and look, in
// stacking order, topmost first. Building and painting both read it.
#include <windows.h>

#include <cstddef>

enum class ControlKind { picture_box, label, transparent_label, edit_box };
enum class ControlFont { gui, link, help };

struct ControlDescription {
  HWND* handle;
  ControlKind kind;
  int left, top, width, height;
  const char* text;  // GBK; "" for none
  ControlFont font;
  COLORREF text_colour;
  UINT draw_flags;  // DrawText flags of labels and transparent labels
  DWORD style;      // beyond WS_CHILD | WS_CLIPSIBLINGS
  DWORD ex_style;
};

extern const ControlDescription control_table[];
extern const std::size_t control_count;

// The design-time texts, replaced by the created event.
extern const char design_caption[];
extern const char design_help_text[];

// The entry of a control, or nullptr for any other window.
const ControlDescription* find_control(HWND control);

// The five edit boxes in the Tab order.
HWND tab_order_box(std::size_t index);
const std::size_t tab_order_count = 5;
