#include "runtime/run_directory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DirectoryOfModulePath, PartBeforeLastBackslash) {
  const std::string long_folder = "C:\\" + std::string(300, 'd');
  const struct {
    const char* name;
    std::string path;
    std::string expected;
  } cases[] = {
      {"drive root", "C:\\x.exe", "C:"},
      {"nested", "C:\\a\\b\\x.exe", "C:\\a\\b"},
      {"no backslash", "x.exe", ""},
      {"empty", "", ""},
      {"network share", "\\\\srv\\share\\x.exe", "\\\\srv\\share"},
      {"longer than 260 bytes", long_folder + "\\x.exe", long_folder},
      // 0x81 0x5C is one character: its trail byte is no separator.
      {"trail byte 0x5C in name", "C:\\dir\\\x81\x5Cx.exe", "C:\\dir"},
      {"trail byte 0x5C ends folder", "C:\\\x81\x5C\\x.exe", "C:\\\x81\x5C"},
      {"only a trail byte 0x5C", "\x81\x5Cx.exe", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(directory_of_module_path(c.path), c.expected) << c.name;
}

TEST(RunDirectory, HoldsWhatWasSet) {
  set_run_directory("C:\\prog");
  EXPECT_EQ(run_directory(), "C:\\prog");
  set_run_directory("");
  EXPECT_EQ(run_directory(), "");
}

}  // namespace
