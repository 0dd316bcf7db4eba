// The picture box: the badge from the program's resources, blended over the
// face colour once, when the box is created, and drawn opaque.
#include <cstdint>
#include <vector>

#include "app/badge_picture.h"
#include "app/window_parts_win32.h"

namespace {

COLORREF box_background = 0;
int badge_width = 0;
int badge_height = 0;
std::vector<std::uint32_t> badge_pixels;

bool load_badge(HINSTANCE instance, RgbaPicture& picture) {
  HRSRC found = FindResourceW(instance, L"BADGE_PNG", reinterpret_cast<LPCWSTR>(RT_RCDATA));
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  return bytes && decode_png(static_cast<const std::uint8_t*>(bytes),
                             SizeofResource(instance, found), picture);
}

}  // namespace

void prepare_badge(HINSTANCE instance) {
  box_background = GetSysColor(COLOR_BTNFACE);
  RgbaPicture picture;
  if (!load_badge(instance, picture)) picture = RgbaPicture();
  badge_width = picture.width;
  badge_height = picture.height;
  badge_pixels = blend_over(picture, GetRValue(box_background), GetGValue(box_background),
                            GetBValue(box_background));
}

// Background first over the whole box, then the picture at its natural
// size in the top-left corner.
void paint_picture_box(HWND box) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(box, &paint);
  RECT area;
  GetClientRect(box, &area);
  HBRUSH brush = CreateSolidBrush(box_background);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  if (!badge_pixels.empty()) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = badge_width;
    info.bmiHeader.biHeight = -badge_height;  // rows top first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, badge_width, badge_height, 0, 0, 0, badge_height,
                      badge_pixels.data(), &info, DIB_RGB_COLORS);
  }
  EndPaint(box, &paint);
}
