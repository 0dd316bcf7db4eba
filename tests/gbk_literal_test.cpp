#include <gtest/gtest.h>

#include <string>

// The program's texts are GBK bytes: the compiler must turn the UTF-8
// source into code page 936.
TEST(GbkLiteral, ChineseLiteralIsGbkBytes) {
  const std::string stop = "停止";
  EXPECT_EQ(stop, std::string("\xCD\xA3\xD6\xB9"));
  const std::string sent = "当前已发送：";
  EXPECT_EQ(sent, std::string("\xB5\xB1\xC7\xB0\xD2\xD1\xB7\xA2\xCB\xCD\xA3\xBA"));
}
