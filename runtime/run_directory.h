#pragma once
// The run directory: the folder of the program file, without a trailing
// backslash. Portable: the Win32 start-up hands in the module path.
#include <string>

// The part of a module path before its last "\" (a trail byte 0x5C of a
// double-byte character does not count); "" when there is none.
std::string directory_of_module_path(const std::string& module_path);

// Set once by runtime_init; "" before.
const std::string& run_directory();
void set_run_directory(const std::string& directory);
