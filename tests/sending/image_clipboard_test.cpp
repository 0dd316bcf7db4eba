#include "sending/image_clipboard_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "sending/automation_win32.h"
#include "sending/copy_document.h"
#include "tests/support/html_document_standin.h"

namespace {

// OLE on the test thread and the stand-in registered for the document class.
class ImageClipboard : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_EQ(register_standin_class(&cookie), S_OK);
  }
  static void TearDownTestSuite() {
    CoRevokeClassObject(cookie);
    OleUninitialize();
  }
  void SetUp() override { standin_reset(); }
  void TearDown() override {
    EXPECT_EQ(standin_live_references(), 0);
    EXPECT_EQ(standin_live_objects(), 0);
  }
  static DWORD cookie;
};
DWORD ImageClipboard::cookie = 0;

std::vector<std::string> logged_calls() {
  std::vector<std::string> lines;
  for (const recorded_call& call : standin_calls()) lines.push_back(format_call(call));
  return lines;
}

std::vector<std::string> members_called() {
  std::vector<std::string> names;
  for (const recorded_call& call : standin_calls()) names.push_back(call.object + "." + call.member);
  return names;
}

std::wstring written_document() {
  for (const recorded_call& call : standin_calls())
    if (call.member == "write" && call.arguments.size() == 1) return call.arguments[0].text;
  return L"<no write>";
}

std::wstring wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

TEST_F(ImageClipboard, MakesTheCallsInOrderWithTheirArgumentsAndReleasesEverything) {
  EXPECT_TRUE(copy_image_to_clipboard("C:\\run\\7.jpg"));
  std::string write = format_call(standin_calls().at(0));
  const std::vector<std::string> expected = {
      write,
      "document.body 2",
      "body.createControlRange 1",
      "body.released 0",
      "document.getElementById 1 BSTR:\"img\"",
      "range.add 1 BYREF DISPATCH:element",
      "range.execCommand 1 I4:0 BOOL:0 BSTR:\"copy\"",
      "document.released 0",
      "range.released 0",
      "element.released 0",
  };
  EXPECT_EQ(logged_calls(), expected);
  EXPECT_EQ(written_document(), wide(make_copy_document("C:\\run\\7.jpg")));
  EXPECT_EQ(standin_calls().at(0).arguments.at(0).type, VT_BSTR);
  for (const recorded_call& call : standin_calls()) EXPECT_EQ(call.named_arguments, 0u);
}

struct failure_case {
  const char* name;
  void (*arrange)();
  bool result;
  std::vector<std::string> members;
};

class ImageClipboardFailure : public ImageClipboard,
                              public ::testing::WithParamInterface<failure_case> {};

// A failed step never ends the operation early, and nothing stays held.
TEST_P(ImageClipboardFailure, RunsTheRemainingStepsAndReleasesEverything) {
  GetParam().arrange();
  EXPECT_EQ(copy_image_to_clipboard("C:\\run\\1.jpg"), GetParam().result);
  EXPECT_EQ(members_called(), GetParam().members);
}

const std::vector<std::string> all_steps = {
    "document.write", "document.body", "body.createControlRange", "body.released",
    "document.getElementById", "range.add", "range.execCommand",
    "document.released", "range.released", "element.released"};

INSTANTIATE_TEST_SUITE_P(
    Steps, ImageClipboardFailure,
    ::testing::Values(
        failure_case{"ClassUnavailable", [] { standin.refuse_creation = true; }, false, {}},
        failure_case{"RunRefused", [] { standin.refuse_run = true; }, false, {"document.released"}},
        failure_case{"NoWrite", [] { standin.missing_member = "write"; }, true,
                     {all_steps.begin() + 1, all_steps.end()}},
        failure_case{"NoBody", [] { standin.missing_member = "body"; }, false,
                     {"document.write", "document.getElementById", "document.released",
                      "element.released"}},
        failure_case{"NoControlRange", [] { standin.missing_member = "createControlRange"; },
                     false,
                     {"document.write", "document.body", "body.released",
                      "document.getElementById", "document.released", "element.released"}},
        failure_case{"NoElement", [] { standin.missing_member = "getElementById"; }, true,
                     {"document.write", "document.body", "body.createControlRange",
                      "body.released", "range.add", "range.execCommand", "document.released",
                      "range.released"}},
        failure_case{"CopyFails", [] { standin.copy_succeeds = false; }, false, all_steps},
        failure_case{"CopyInvokeFails", [] { standin.exec_command_result = E_FAIL; }, false,
                     all_steps}),
    [](const ::testing::TestParamInfo<failure_case>& info) { return info.param.name; });

TEST_F(ImageClipboard, EmptyPathGivesAnEmptySource) {
  copy_image_to_clipboard("");
  EXPECT_NE(written_document().find(L"<img src=\"\"  alt=\"\" id=\"img\" />\r\n"), std::wstring::npos);
}

TEST_F(ImageClipboard, PathHoldingThePlaceholderGoesInOnceUnexpanded) {
  copy_image_to_clipboard("C:\\[&GifFileName].gif");
  EXPECT_NE(written_document().find(L"<img src=\"C:\\[&GifFileName].gif\"  alt"), std::wstring::npos);
}

TEST_F(ImageClipboard, DoubleBytePathReachesTheDocumentAsUtf16) {
  if (GetACP() != 936) GTEST_SKIP() << "needs the ANSI code page 936";
  copy_image_to_clipboard("C:\\\xCD\xBC\xC6\xAC\\1.jpg");  // 图片 in GBK
  EXPECT_NE(written_document().find(L"src=\"C:\\\u56FE\u7247\\1.jpg\""), std::wstring::npos);
}

TEST_F(ImageClipboard, EachCallUsesAFreshDocumentReleasedBeforeTheNext) {
  copy_image_to_clipboard("C:\\1.jpg");
  std::size_t first = standin_calls().size();
  copy_image_to_clipboard("C:\\2.jpg");
  EXPECT_EQ(standin_documents_created(), 2);
  std::vector<std::string> members = members_called();
  EXPECT_EQ(std::vector<std::string>(members.begin(), members.begin() + first), all_steps);
  EXPECT_EQ(std::vector<std::string>(members.begin() + first, members.end()), all_steps);
}

static_assert(!std::is_copy_constructible_v<com_object> && !std::is_copy_assignable_v<com_object>,
              "an object variable owns its reference alone");

// An object variable holds one reference; moving hands it on, clearing and
// going out of scope give it back, a failed creation leaves the old object.
TEST_F(ImageClipboard, AnObjectVariableOwnsExactlyOneReference) {
  const std::string clsid = "{25336920-03F9-11CF-8FD0-00AA00686F13}";
  {
    com_object first;
    ASSERT_TRUE(create_object(first, clsid));
    EXPECT_EQ(standin_live_references(), 1);
    com_object second = std::move(first);
    EXPECT_EQ(first.pointer, nullptr);
    EXPECT_EQ(standin_live_references(), 1);
    standin.refuse_creation = true;
    EXPECT_FALSE(create_object(second, clsid));
    EXPECT_NE(second.pointer, nullptr);
    standin.refuse_creation = false;
    ASSERT_TRUE(create_object(second, clsid));  // the old one goes, the new one stays
    EXPECT_EQ(standin_live_objects(), 1);
    EXPECT_EQ(standin_live_references(), 1);
    second.clear();
    EXPECT_EQ(standin_live_references(), 0);
    ASSERT_TRUE(create_object(first, clsid));
  }
  EXPECT_EQ(standin_live_references(), 0);
}

}  // namespace
