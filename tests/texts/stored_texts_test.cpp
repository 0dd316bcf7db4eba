// Each stored text deciphers (empty pass text, one layer) to its plain text.
#include "texts/stored_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "texts/cipher.h"

namespace {

struct StoredCase {
  const char* name;
  const char* stored;
  const char* plain;
};

const StoredCase stored_cases[] = {
    {"caption", stored_caption, "QQ群图片连发助手"},
    {"help", stored_help_text,
     "使用帮助：\r\n1.打开要发图的QQ群聊天窗口；\r\n"
     "2.图片按数字命名（如1.jpg），与本程序放在同一文件夹；\r\n"
     "3.光标放在聊天输入栏里，按F5开始，F6停止。"},
    {"contact", stored_contact_link,
     "mailto:maintainers@users.noreply.c-seed-ab2d8354.example"},
};

TEST(StoredTexts, DecipherToTheirPlainTexts) {
  for (const StoredCase& c : stored_cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(decipher_text(c.stored), c.plain);
    // A wrong pass text must not give the same text: the key really matters.
    EXPECT_NE(decipher_text(c.stored, std::string("x")), c.plain);
  }
}

}  // namespace
