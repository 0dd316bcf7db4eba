// Development-time tool: makes the stored enciphered texts that the program
// keeps, and reads them back.
//   encipher_text [--pass P] [--prefix XY] [--layers N] [--utf8] TEXT
//   encipher_text --decipher [--pass P] [--layers N] [--utf8] STORED
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "texts/cipher.h"
#include "tools/gbk_conversion.h"

namespace {

struct Options {
  bool decipher = false;
  bool utf8 = false;
  bool has_prefix = false;
  std::string pass;
  std::string prefix;
  int layers = 1;
  bool has_text = false;
  std::string text;
};

// Each layer more than doubles the text; beyond this it only eats memory.
const int max_layers = 20;

const char usage[] =
    "usage: encipher_text [--decipher] [--pass P] [--prefix XY] "
    "[--layers N] [--utf8] TEXT\n";

int usage_error() {
  std::fputs(usage, stderr);
  return 2;
}

bool parse_layers(const char* text, int& layers) {
  if (*text == '\0' || std::strlen(text) > 2) return false;
  for (const char* c = text; *c != '\0'; ++c)
    if (*c < '0' || *c > '9') return false;
  layers = std::atoi(text);
  return layers >= 1 && layers <= max_layers;
}

// The option at argv[index] with its value, if any; false for a bad one.
bool parse_option(int argc, char** argv, int& index, Options& options) {
  const std::string name = argv[index];
  if (name == "--decipher") return options.decipher = true;
  if (name == "--utf8") return options.utf8 = true;
  if (name != "--pass" && name != "--prefix" && name != "--layers") return false;
  if (index + 1 >= argc) return false;
  const char* value = argv[++index];
  if (name == "--pass") {
    options.pass = value;
    return true;
  }
  if (name == "--prefix") {
    options.prefix = value;
    options.has_prefix = true;
    return options.prefix.size() == 2;
  }
  return parse_layers(value, options.layers);
}

bool parse_arguments(int argc, char** argv, Options& options) {
  bool options_done = false;
  for (int index = 1; index < argc; ++index) {
    const char* arg = argv[index];
    if (!options_done && std::strcmp(arg, "--") == 0) {
      options_done = true;
    } else if (!options_done && arg[0] == '-' && arg[1] != '\0') {
      if (!parse_option(argc, argv, index, options)) return false;
    } else {
      if (options.has_text) return false;
      options.text = arg;
      options.has_text = true;
    }
  }
  return options.has_text && !(options.decipher && options.has_prefix);
}

std::string random_prefix(std::mt19937& generator) {
  std::uniform_int_distribution<int> letter('A', 'Z');
  std::string prefix;
  prefix += static_cast<char>(letter(generator));
  prefix += static_cast<char>(letter(generator));
  return prefix;
}

std::string encipher_layers(const Options& options, const std::string& plain) {
  std::random_device seed;
  std::mt19937 generator(seed());
  std::string text = plain;
  for (int n = 0; n < options.layers; ++n)
    text = encipher_text(text, options.pass,
                         options.has_prefix ? options.prefix
                                            : random_prefix(generator));
  return text;
}

int fail(const char* message) {
  std::fprintf(stderr, "encipher_text: %s\n", message);
  return 1;
}

int run(const Options& options) {
  std::string input = options.text;
  if (options.utf8 && !options.decipher && !utf8_to_gbk(options.text, input))
    return fail("TEXT is not UTF-8 text with a GBK form");
  std::string output = options.decipher
                           ? decipher_text(input, options.pass, options.layers)
                           : encipher_layers(options, input);
  if (options.utf8 && options.decipher) {
    std::string utf8;
    if (!gbk_to_utf8(output, utf8)) return fail("the result is not GBK text");
    output = utf8;
  }
  std::fwrite(output.data(), 1, output.size(), stdout);
  std::fputc('\n', stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse_arguments(argc, argv, options)) return usage_error();
  return run(options);
}
