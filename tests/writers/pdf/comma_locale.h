#pragma once

#include <string>

namespace quorvane::test {

// Switches the C library's number format to German (decimal comma) for the
// scope; compiles the locale into a temporary folder when the system lacks
// it. Active() is false when no such locale can be had.
class CommaLocale {
 public:
  CommaLocale();
  ~CommaLocale();
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;
  bool Active() const { return active_; }

 private:
  std::string previous_;
  std::string compiled_;
  bool active_ = false;
};

}  // namespace quorvane::test
