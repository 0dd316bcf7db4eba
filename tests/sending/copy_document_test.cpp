#include "sending/copy_document.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string expected_template =
    "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>Copy Gif Image</title>\r\n</head>\r\n\r\n"
    "<body>\r\n<img src=\"[&GifFileName]\"  alt=\"\" id=\"img\" />\r\n</body>\r\n\r\n</html>\r\n";

TEST(CopyTemplate, HoldsTheElevenLinesByteForByte) {
  std::string actual(copy_template, copy_template_size);
  EXPECT_EQ(copy_template_size, 150u);
  EXPECT_EQ(actual, expected_template);
  EXPECT_EQ(std::string(copy_placeholder), "[&GifFileName]");
}

struct document_case {
  const char* name;
  std::string path;
};

class CopyDocument : public ::testing::TestWithParam<document_case> {};

// The path lands once, verbatim, where the placeholder was; the rest of the
// template is untouched whatever the path holds.
TEST_P(CopyDocument, PutsThePathVerbatimInPlaceOfThePlaceholder) {
  const std::string& path = GetParam().path;
  std::string document = make_copy_document(path);
  std::size_t at = expected_template.find("[&GifFileName]");
  EXPECT_EQ(document.size(), 136u + path.size());
  EXPECT_EQ(document.substr(0, at), expected_template.substr(0, at));
  EXPECT_EQ(document.substr(at, path.size()), path);
  EXPECT_EQ(document.substr(at + path.size()), expected_template.substr(at + 14));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CopyDocument,
    ::testing::Values(
        document_case{"Picture", "C:\\run\\7.jpg"}, document_case{"Empty", ""},
        document_case{"HoldingThePlaceholder", "C:\\[&GifFileName]\\1.jpg"},
        document_case{"HtmlCharacters", "a<b>&\"c\".gif"},
        // A double-byte character whose trail byte is "\" and one ending in "[".
        document_case{"DoubleByte", "C:\\\xCD\xBC\xC6\xAC\\\x95\\\x81[1.jpg"}),
    [](const ::testing::TestParamInfo<document_case>& info) { return info.param.name; });

}  // namespace
