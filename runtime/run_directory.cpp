#include "runtime/run_directory.h"

#include "runtime/text.h"

namespace {
std::string the_run_directory;
}

std::string directory_of_module_path(const std::string& module_path) {
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < module_path.size();) {
    std::size_t size = char_size_at(module_path, i);
    if (size == 1 && module_path[i] == '\\') last = i;
    i += size;
  }
  return last == std::string::npos ? std::string() : module_path.substr(0, last);
}

const std::string& run_directory() { return the_run_directory; }

void set_run_directory(const std::string& directory) {
  the_run_directory = directory;
}
