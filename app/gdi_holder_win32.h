#pragma once
// Owns one GDI object (font, brush, bitmap) and deletes it when replaced
// or when the holder goes.
#include <windows.h>

struct GdiHolder {
  HGDIOBJ object = nullptr;

  GdiHolder() = default;
  explicit GdiHolder(HGDIOBJ owned) : object(owned) {}
  GdiHolder(const GdiHolder&) = delete;
  GdiHolder& operator=(const GdiHolder&) = delete;
  ~GdiHolder() { reset(); }

  void reset(HGDIOBJ owned = nullptr) {
    if (object) DeleteObject(object);
    object = owned;
  }
};
