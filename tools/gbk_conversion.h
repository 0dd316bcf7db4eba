#pragma once
// UTF-8 <-> GBK (code page 936) for the encipher_text tool's --utf8 option.
// Portable interface; iconv on the host, the Win32 code page calls on Windows.
#include <string>

// False when the input is not valid in its encoding or has no GBK form.
bool utf8_to_gbk(const std::string& utf8, std::string& gbk);
bool gbk_to_utf8(const std::string& gbk, std::string& utf8);
