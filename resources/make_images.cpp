// Draws the program's pictures: the badge of the picture box (badge.png,
// 32 x 32 RGBA) and the program icon (qqsend.ico, one 64 x 64 image with
// alpha). Host tool, built natively; rerun it to remake the committed files:
//   cmake --preset native -B build/native && cmake --build build/native --target make_images
//   build/native/resources/make_images resources
#include <png.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Rgba {
  double r, g, b, a;
};

const double kPi = 3.14159265358979323846;

// Inside the hexagon of circumradius 1 standing on a corner (one corner up).
bool in_hexagon(double x, double y, double radius) {
  // A pointy-top hexagon: |x| <= r*sqrt(3)/2 and the slanted sides.
  double ax = std::fabs(x), ay = std::fabs(y);
  double half_width = radius * std::sqrt(3.0) / 2.0;
  return ax <= half_width && ay <= radius - ax / std::sqrt(3.0);
}

// The colour of the picture at a point of the unit square, y downwards.
Rgba badge_colour(double u, double v) {
  double x = (u - 0.5) * 2.0, y = (v - 0.5) * 2.0;  // -1..1
  const Rgba none{0, 0, 0, 0};
  if (!in_hexagon(x, y, 0.98)) return none;
  if (!in_hexagon(x, y, 0.86)) return {196, 132, 0, 255};  // rim
  double d = std::sqrt(x * x + y * y);
  if (d > 0.62) return {255, 204, 0, 255};  // the yellow of the badge
  if (d > 0.54) return {120, 70, 10, 255};  // outline of the face
  // Eyes.
  for (double ex : {-0.2, 0.2}) {
    double dx = x - ex, dy = y + 0.16;
    if (dx * dx + dy * dy < 0.085 * 0.085 * 1.4) return {60, 35, 5, 255};
  }
  // Smile: the lower part of a ring around the face's centre.
  double sd = std::sqrt(x * x + (y + 0.02) * (y + 0.02));
  double angle = std::atan2(y + 0.02, x);
  if (sd > 0.28 && sd < 0.37 && angle > 0.2 * kPi && angle < 0.8 * kPi)
    return {60, 35, 5, 255};
  return {255, 236, 140, 255};  // the face
}

// Supersampled, so that the edges are smooth through the alpha channel.
// Rows top first, bytes R, G, B, A, straight (not premultiplied) alpha.
std::vector<std::uint8_t> draw(int size) {
  const int n = 4;
  std::vector<std::uint8_t> out(size * size * 4);
  for (int py = 0; py < size; ++py)
    for (int px = 0; px < size; ++px) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < n; ++sy)
        for (int sx = 0; sx < n; ++sx) {
          Rgba c = badge_colour((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size);
          r += c.r * c.a;
          g += c.g * c.a;
          b += c.b * c.a;
          a += c.a;
        }
      std::uint8_t* p = &out[(py * size + px) * 4];
      if (a > 0) {
        p[0] = static_cast<std::uint8_t>(std::lround(r / a));
        p[1] = static_cast<std::uint8_t>(std::lround(g / a));
        p[2] = static_cast<std::uint8_t>(std::lround(b / a));
      }
      p[3] = static_cast<std::uint8_t>(std::lround(a / (n * n)));
    }
  return out;
}

bool write_png(const std::string& path, const std::vector<std::uint8_t>& rgba, int size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  for (int y = 0; y < size; ++y)
    png_write_row(png, const_cast<png_bytep>(&rgba[y * size * 4]));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

void put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, unsigned value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// One 32-bit BGRA image with its AND mask, in the icon file format.
bool write_ico(const std::string& path, const std::vector<std::uint8_t>& rgba, int size) {
  const unsigned mask_row = ((size + 31) / 32) * 4;
  const unsigned image_bytes = 40 + size * size * 4 + mask_row * size;
  std::vector<std::uint8_t> out;
  put16(out, 0);  // reserved
  put16(out, 1);  // icon
  put16(out, 1);  // one image
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(0);  // no palette
  out.push_back(0);
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, image_bytes);
  put32(out, 6 + 16);
  put32(out, 40);  // BITMAPINFOHEADER
  put32(out, size);
  put32(out, size * 2);  // colour and mask together
  put16(out, 1);
  put16(out, 32);
  for (int i = 0; i < 6; ++i) put32(out, 0);
  for (int y = size - 1; y >= 0; --y)  // bottom-up
    for (int x = 0; x < size; ++x) {
      const std::uint8_t* p = &rgba[(y * size + x) * 4];
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
      out.push_back(p[3]);
    }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(mask_row, 0);
    for (int x = 0; x < size; ++x)
      if (rgba[(y * size + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = argc > 1 ? argv[1] : ".";
  bool ok = write_png(folder + "/badge.png", draw(32), 32) &&
            write_ico(folder + "/qqsend.ico", draw(64), 64);
  if (!ok) std::fprintf(stderr, "make_images: cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
