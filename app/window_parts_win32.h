#pragma once
// Pieces of the main window shared between its source files.
#include <windows.h>

#include "app/control_table_win32.h"

// Focus memory: the control that had the focus when the window was last
// deactivated gets it back when the window gets the focus.
void remember_focus();
void restore_focus();
void forget_focus();

// The classes of labels, transparent labels and the picture box.
extern const wchar_t label_class[];
extern const wchar_t transparent_label_class[];
extern const wchar_t picture_box_class[];
bool register_control_classes(HINSTANCE instance);

// Fonts of the link and of the help text, made once per window.
void make_control_fonts();
void release_control_fonts();
HFONT control_font(ControlFont font);

// The badge, decoded and blended over the face colour when the picture box
// is created.
void prepare_badge(HINSTANCE instance);
void paint_picture_box(HWND box);

// Redraws what lies beneath a transparent label, then the label itself.
void redraw_beneath(HWND label);
