#pragma once
// The program's stored enciphered texts: the window caption, the usage help
// and the contact address. Deciphered with the empty pass text, one layer,
// at every use. Portable.

extern const char stored_caption[];
extern const char stored_help_text[];
extern const char stored_contact_link[];
