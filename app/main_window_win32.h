#pragma once
// Building the main window, its events, and the keys it handles before the
// focused control sees them.
#include <windows.h>

// Events of the main window. Start-up attaches the handlers, so that the
// window itself knows nothing of what they do.
using WindowCreatedHandler = void (*)();
// x, y in the label's client coordinates; keys: 1 Ctrl, 2 Shift, 4 Alt.
using LabelPressHandler = void (*)(int x, int y, int keys);
extern WindowCreatedHandler window_created_event;
extern LabelPressHandler contact_press_event;

// Builds the window and its controls hidden, raises the created event, then
// shows and activates the window. false when the window cannot be created.
bool build_main_window();

// Tab and Shift+Tab through the edit boxes, Esc closes the window; a
// MessagePretranslator for set_message_pretranslator.
bool pretranslate_window_keys(MSG& message);
