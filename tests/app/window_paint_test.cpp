// What the window paints, read back as pixels of its client area.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/badge_picture.h"
#include "app/controls_win32.h"
#include "app/gdi_holder_win32.h"
#include "tests/app/window_fixture_win32.h"

namespace {

class WindowPaint : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(build_window()); }
  void TearDown() override { destroy_window(); }
};

TEST_F(WindowPaint, ContactLabelDrawsInItsLinkColour) {
  Capture shot = capture_client();
  std::vector<std::uint32_t> inside = pixels_in(shot, client_rect_of(标签1));
  EXPECT_NE(std::count(inside.begin(), inside.end(), 0x0088FFu), 0);
  // And nowhere else: the colour belongs to the link.
  RECT left_half = {0, 0, 300, shot.height};
  std::vector<std::uint32_t> elsewhere = pixels_in(shot, left_half);
  EXPECT_EQ(std::count(elsewhere.begin(), elsewhere.end(), 0x0088FFu), 0);
}

// A longer text and back to the short one must give the pixels of the
// short one alone.
TEST_F(WindowPaint, ShorterTextLeavesNoTraceOfTheLongerOne) {
  const std::string longer =
      "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\r\n使用帮助使用帮助使用帮助使用帮助\r\n"
      "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW\r\nWWWWWWWWWWWWWWW\r\nWWWWWWWWWWWW";
  for (HWND label : {透明标签6, 标签3}) {
    SCOPED_TRACE(label == 标签3 ? "标签3" : "透明标签6");
    RECT area = client_rect_of(label);
    set_text(label, "短");
    pump();
    std::vector<std::uint32_t> short_only = pixels_in(capture_client(), area);
    set_text(label, longer);
    pump();
    std::vector<std::uint32_t> with_long = pixels_in(capture_client(), area);
    ASSERT_NE(with_long, short_only) << "the longer text must show";
    set_text(label, "短");
    pump();
    std::vector<std::uint32_t> after = pixels_in(capture_client(), area);
    int width = area.right - area.left;  // the label's rows start inside the client area
    for (std::size_t i = 0; i < after.size(); ++i)
      if (after[i] != short_only[i]) {
        ADD_FAILURE() << "trace of the longer text at " << area.left + int(i) % width << ", "
                      << area.top + int(i) / width;
        break;
      }
  }
}

TEST_F(WindowPaint, BadgeIsBlendedOverTheFaceColourWithFaceRowsBeneath) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(self, L"BADGE_PNG", reinterpret_cast<LPCWSTR>(RT_RCDATA));
  ASSERT_TRUE(found);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(self, found)));
  RgbaPicture badge;
  ASSERT_TRUE(decode_png(bytes, SizeofResource(self, found), badge));
  ASSERT_EQ(badge.width, 32);
  ASSERT_EQ(badge.height, 32);
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  std::vector<std::uint32_t> expected =
      blend_over(badge, GetRValue(face), GetGValue(face), GetBValue(face));

  Capture shot = capture_client();
  RECT box = client_rect_of(图片框1);
  RECT picture = {box.left, box.top, box.left + 32, box.top + 32};
  EXPECT_EQ(pixels_in(shot, picture), expected);
  RECT beneath = {box.left, box.top + 32, box.left + 32, box.top + 40};
  std::vector<std::uint32_t> rows = pixels_in(shot, beneath);
  EXPECT_EQ(static_cast<std::size_t>(std::count(rows.begin(), rows.end(), rgb_of(face))),
            rows.size());
  // The corners lie outside the hexagon: face colour; the middle is the badge.
  EXPECT_EQ(shot.at(box.left, box.top), rgb_of(face));
  EXPECT_NE(shot.at(box.left + 16, box.top + 8), rgb_of(face));
}

// 编辑框5 draws its thin border itself inside its rectangle: a dark line
// and white at once; the others have a 3-D edge outside their client area.
TEST_F(WindowPaint, EditBoxesHaveTheirBorders) {
  Capture shot = capture_client();
  RECT r = client_rect_of(编辑框5);
  int y = (r.top + r.bottom) / 2;
  EXPECT_LT(shot.at(r.left, y) & 0xFF, 0xC0u);
  EXPECT_EQ(shot.at(r.left + 1, y), 0xFFFFFFu);
  RECT client;
  GetClientRect(编辑框5, &client);
  EXPECT_EQ(client.right, r.right - r.left);
  for (HWND box : {编辑框1, 编辑框2, 编辑框3, 编辑框4}) {
    RECT outer = client_rect_of(box);
    GetClientRect(box, &client);
    EXPECT_EQ(client.right, outer.right - outer.left - 2 * GetSystemMetrics(SM_CXEDGE));
  }
}

TEST(GdiHolder, DeletesItsObjectWhenReplacedAndWhenGone) {
  HGDIOBJ first = CreateSolidBrush(RGB(1, 2, 3));
  HGDIOBJ second = CreateSolidBrush(RGB(4, 5, 6));
  {
    GdiHolder holder(first);
    holder.reset(second);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
  }
  EXPECT_EQ(GetObjectType(second), 0u);
}

}  // namespace
