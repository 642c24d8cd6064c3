#include "writers/pdf/stream_cache.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

namespace quorvane {

namespace {

constexpr std::size_t kCopyBlock = 196607;

// $TMPDIR as set (like QDir::tempPath), else /tmp.
std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder && *folder ? folder : "/tmp";
}

std::string CandidateName(const std::string& folder, std::mt19937& random) {
  std::uniform_int_distribution<std::uint32_t> below(0, 0x7FFFFFFE);
  char name[32];
  std::snprintf(name, sizeof name, "~qvtemp-%08X.tmp", below(random));
  return (std::filesystem::path(folder) / name).string();
}

[[noreturn]] void ThrowCacheError(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

TTemporaryFileStream::TTemporaryFileStream() {
  static thread_local std::mt19937 random{std::random_device{}()};
  const std::string folder = TemporaryFolder();
  for (;;) {
    path_ = CandidateName(folder, random);
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd_ >= 0) break;
    if (errno != EEXIST) ThrowCacheError(errno, "Unable to create " + path_);
  }
  // Nobody else may open it, and it must not outlive us.
  ::unlink(path_.c_str());
}

TTemporaryFileStream::~TTemporaryFileStream() { ::close(fd_); }

void TTemporaryFileStream::Write(const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      ThrowCacheError(errno, "Unable to write " + path_);
    }
    data += written;
    size -= static_cast<std::size_t>(written);
    size_ += static_cast<std::uint64_t>(written);
  }
}

void TTemporaryFileStream::CopyTo(ByteSink& out, std::uint64_t length) const {
  if (length > size_) ThrowCacheError(EIO, "Unable to read " + path_);
  std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min<std::uint64_t>(length, kCopyBlock)));
  std::uint64_t offset = 0;
  while (offset < length) {
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(length - offset, kCopyBlock));
    const ssize_t got = ::pread(fd_, block.data(), want, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) ThrowCacheError(got < 0 ? errno : EIO, "Unable to read " + path_);
    out.Write(block.data(), static_cast<std::size_t>(got));
    offset += static_cast<std::uint64_t>(got);
  }
}

}  // namespace quorvane
