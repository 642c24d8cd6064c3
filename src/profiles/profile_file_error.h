#pragma once

#include <stdexcept>

namespace quorvane {

// A profile file that cannot be read or written; what() names the file and why.
class TProfileFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TProfileReadError : public TProfileFileError {
 public:
  using TProfileFileError::TProfileFileError;
};

class TProfileWriteError : public TProfileFileError {
 public:
  using TProfileFileError::TProfileFileError;
};

}  // namespace quorvane
