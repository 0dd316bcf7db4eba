#include "texts/window_texts_win32.h"

#include "app/controls_win32.h"
#include "runtime/runtime_win32.h"
#include "texts/cipher.h"
#include "texts/stored_texts.h"

// Deciphered anew at each use; the plain texts are never kept.
void show_stored_texts() {
  set_text(透明标签6, decipher_text(stored_help_text));
  set_text(main_window, decipher_text(stored_caption));
}

void open_contact_link(int, int, int) { open_url(decipher_text(stored_contact_link)); }
