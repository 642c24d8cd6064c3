#include "comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "pdf_test_tools.h"

namespace quorvane::test {

namespace {

constexpr const char* kGerman = "de_DE.UTF-8";
constexpr const char* kOwnLocale = "qv_COMMA.UTF-8";

bool DecimalComma() {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", 0.5);
  return std::string(text) == "0,50";
}

// A locale with nothing but German number formats compiles in a fraction
// of the time a whole one takes.
bool CompileCommaLocale(const std::string& folder) {
  std::filesystem::create_directories(folder);
  WriteFileText(folder + "/comma",
                "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3;3\nEND LC_NUMERIC\n");
  RunTool("localedef -c -i " + folder + "/comma -f UTF-8 " + folder + "/" + kOwnLocale);
  ::setenv("LOCPATH", folder.c_str(), 1);
  return std::setlocale(LC_NUMERIC, kOwnLocale) != nullptr;
}

}  // namespace

CommaLocale::CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
  if (!std::setlocale(LC_NUMERIC, kGerman)) {
    compiled_ = (std::filesystem::temp_directory_path() / "qv-pdf-test-locale").string();
    if (!CompileCommaLocale(compiled_)) return;
  }
  active_ = DecimalComma();
}

CommaLocale::~CommaLocale() {
  std::setlocale(LC_ALL, previous_.c_str());
  if (!compiled_.empty()) {
    ::unsetenv("LOCPATH");
    std::error_code ignored;
    std::filesystem::remove_all(compiled_, ignored);
  }
}

}  // namespace quorvane::test
