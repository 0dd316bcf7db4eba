#pragma once
// The stored texts' shares of the main window's events.

// Created event: the help text into 透明标签6, then the caption.
void show_stored_texts();
// Left press on 标签1: opens the contact address. The arguments are unused.
void open_contact_link(int x, int y, int keys);
