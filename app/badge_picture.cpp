#include "app/badge_picture.h"

#include <png.h>

#include <cstring>

namespace {

struct MemoryReader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t offset;
};

void read_from_memory(png_structp png, png_bytep out, png_size_t count) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (count > reader->size - reader->offset) png_error(png, "truncated PNG");
  std::memcpy(out, reader->data + reader->offset, count);
  reader->offset += count;
}

// libpng reports errors by longjmp; nothing of C++ with a destructor may
// live across it, so the rows are read into storage made before setjmp.
bool read_png(png_structp png, png_infop info, MemoryReader& reader, RgbaPicture& picture,
              std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &reader, read_from_memory);
  png_read_info(png, info);
  png_set_expand(png);  // palette and grey to RGB, tRNS to alpha
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  png_uint_32 width = png_get_image_width(png, info);
  png_uint_32 height = png_get_image_height(png, info);
  if (width == 0 || height == 0 || width > 4096 || height > 4096) return false;
  if (png_get_rowbytes(png, info) != width * 4) return false;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.rgba.resize(static_cast<std::size_t>(width) * height * 4);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = &picture.rgba[y * width * 4];
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  return true;
}

std::uint32_t mix(std::uint8_t over, std::uint8_t under, std::uint8_t alpha) {
  return (over * alpha + under * (255u - alpha) + 127u) / 255u;
}

}  // namespace

bool decode_png(const std::uint8_t* data, std::size_t size, RgbaPicture& picture) {
  picture = RgbaPicture();
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  MemoryReader reader{data, size, 0};
  std::vector<png_bytep> rows;
  bool ok = info && read_png(png, info, reader, picture, rows);
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (!ok) picture = RgbaPicture();
  return ok;
}

std::vector<std::uint32_t> blend_over(const RgbaPicture& picture, std::uint8_t red,
                                      std::uint8_t green, std::uint8_t blue) {
  std::vector<std::uint32_t> pixels(picture.rgba.size() / 4);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint8_t* p = &picture.rgba[i * 4];
    pixels[i] = mix(p[0], red, p[3]) << 16 | mix(p[1], green, p[3]) << 8 | mix(p[2], blue, p[3]);
  }
  return pixels;
}
