#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "writers/common/byte_sink.h"

namespace quorvane {

// A coded image parked on disk until the document is written. The file is
// named "~qvtemp-XXXXXXXX.tmp" in the temporary folder ($TMPDIR or /tmp) and
// unlinked right after it is created, so it disappears with its descriptor,
// also when the program dies.
class TTemporaryFileStream {
 public:
  // Throws std::system_error "Unable to create <path>" when no file can be made.
  TTemporaryFileStream();
  ~TTemporaryFileStream();
  TTemporaryFileStream(const TTemporaryFileStream&) = delete;
  TTemporaryFileStream& operator=(const TTemporaryFileStream&) = delete;

  void Write(const std::uint8_t* data, std::size_t size);
  // Copies exactly `length` bytes from the start of the file to out.
  void CopyTo(ByteSink& out, std::uint64_t length) const;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

}  // namespace quorvane
