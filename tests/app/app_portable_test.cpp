// Window placement and the badge picture: decoding and blending.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/badge_picture.h"
#include "app/window_geometry.h"

namespace {

struct ScreenCase {
  int width, height;
  int left, top;
};

TEST(CentredOrigin, HalvesTheRestTruncatingTowardsZero) {
  const ScreenCase cases[] = {
      {800, 600, 210, 182},
      {640, 480, 130, 122},
      {801, 601, 210, 182},  // odd remainders are dropped
      {380, 236, 0, 0},
      {301, 235, -39, 0},  // smaller than the window: towards zero, not down
  };
  for (const ScreenCase& c : cases) {
    WindowOrigin origin = centred_origin(c.width, c.height);
    EXPECT_EQ(origin.left, c.left) << c.width << " x " << c.height;
    EXPECT_EQ(origin.top, c.top) << c.width << " x " << c.height;
  }
}

std::vector<std::uint8_t> badge_file() {
  std::ifstream file(BADGE_PNG_PATH, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::uint8_t alpha_at(const RgbaPicture& picture, int x, int y) {
  return picture.rgba[(y * picture.width + x) * 4 + 3];
}

TEST(DecodePng, BadgeIs32SquareWithTransparentCornersAndOpaqueMiddle) {
  std::vector<std::uint8_t> bytes = badge_file();
  RgbaPicture badge;
  ASSERT_TRUE(decode_png(bytes.data(), bytes.size(), badge));
  ASSERT_EQ(badge.width, 32);
  ASSERT_EQ(badge.height, 32);
  ASSERT_EQ(badge.rgba.size(), 32u * 32u * 4u);
  for (int corner : {0, 31}) {
    EXPECT_EQ(alpha_at(badge, corner, 0), 0);
    EXPECT_EQ(alpha_at(badge, corner, 31), 0);
  }
  EXPECT_EQ(alpha_at(badge, 16, 16), 255);
  EXPECT_GT(alpha_at(badge, 16, 1), 0);  // standing on a corner: the top point
  // The yellow of the badge between its rim and the face.
  const std::uint8_t* yellow = &badge.rgba[(16 * 32 + 4) * 4];
  EXPECT_GT(yellow[0], 200);
  EXPECT_GT(yellow[1], 150);
  EXPECT_LT(yellow[2], 80);
}

TEST(DecodePng, RefusesWhatIsNoWholePng) {
  std::vector<std::uint8_t> bytes = badge_file();
  const std::vector<std::uint8_t> not_png = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};
  const std::vector<std::vector<std::uint8_t>> cases = {
      {},
      not_png,
      std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8),  // signature only
      std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2),
  };
  for (const auto& c : cases) {
    RgbaPicture picture;
    picture.width = 5;
    EXPECT_FALSE(decode_png(c.data(), c.size(), picture)) << c.size() << " bytes";
    EXPECT_EQ(picture.width, 0);
    EXPECT_TRUE(picture.rgba.empty());
  }
}

struct BlendCase {
  std::uint8_t over, alpha, under, expected;
};

TEST(BlendOver, MixesEachChannelByAlphaIntoOpaqueRgb) {
  const BlendCase cases[] = {
      {200, 0, 100, 100}, {200, 255, 100, 200}, {200, 128, 100, 150}, {255, 1, 0, 1},
      {0, 254, 255, 1},
  };
  for (const BlendCase& c : cases) {
    RgbaPicture picture;
    picture.width = 1;
    picture.height = 1;
    picture.rgba = {c.over, 0, 0, c.alpha};
    std::vector<std::uint32_t> pixels = blend_over(picture, c.under, 10, 20);
    ASSERT_EQ(pixels.size(), 1u);
    SCOPED_TRACE(int(c.alpha));
    EXPECT_EQ(pixels[0] >> 16, c.expected);  // red
  }
  RgbaPicture two;
  two.width = 2;
  two.height = 1;
  two.rgba = {1, 2, 3, 255, 9, 9, 9, 0};
  EXPECT_EQ(blend_over(two, 7, 8, 9), (std::vector<std::uint32_t>{0x010203u, 0x070809u}));
}

}  // namespace
