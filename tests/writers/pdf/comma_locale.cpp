#include "comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <locale>

#include "pdf_test_tools.h"

namespace quorvane::test {

namespace {
constexpr const char* kGerman = "de_DE.UTF-8";

bool DecimalComma() {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", 0.5);
  return std::string(text) == "0,50";
}
}  // namespace

CommaLocale::CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
  if (!std::setlocale(LC_ALL, kGerman)) {
    compiled_ = (std::filesystem::temp_directory_path() / "qv-pdf-test-locales").string();
    std::filesystem::create_directories(compiled_);
    RunTool("localedef -i de_DE -f UTF-8 " + compiled_ + "/" + kGerman);
    ::setenv("LOCPATH", compiled_.c_str(), 1);
    if (!std::setlocale(LC_ALL, kGerman)) return;
  }
  std::locale::global(std::locale(kGerman));
  active_ = DecimalComma();
}

CommaLocale::~CommaLocale() {
  std::setlocale(LC_ALL, previous_.c_str());
  std::locale::global(std::locale::classic());
  if (!compiled_.empty()) {
    ::unsetenv("LOCPATH");
    std::error_code ignored;
    std::filesystem::remove_all(compiled_, ignored);
  }
}

}  // namespace quorvane::test
