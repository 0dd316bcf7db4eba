#pragma once
// The badge of the picture box: decoded from PNG bytes with libpng and
// blended over a background colour by its alpha channel. Portable.
#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbaPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // rows top first, R G B A, straight alpha
};

// Any PNG (palette, grey, 16-bit, with or without alpha) becomes 8-bit RGBA.
// false, with the picture left empty, for bytes that are no valid PNG.
bool decode_png(const std::uint8_t* data, std::size_t size, RgbaPicture& picture);

// Opaque pixels, 0x00RRGGBB each, rows top first: each pixel of the picture
// laid over the background colour by its alpha.
std::vector<std::uint32_t> blend_over(const RgbaPicture& picture, std::uint8_t red,
                                      std::uint8_t green, std::uint8_t blue);
