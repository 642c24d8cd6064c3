#include "byte_sink.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace quorvane {

namespace {
[[noreturn]] void ThrowFileError(int error, const std::string& what, const std::string& path) {
  throw std::system_error(error, std::generic_category(), what + " \"" + path + "\"");
}
}  // namespace

void MemoryStream::Write(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const std::size_t end = static_cast<std::size_t>(position_) + size;
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, data, size);
  position_ = end;
}

std::size_t MemoryStream::Read(std::uint8_t* data, std::size_t size) {
  if (position_ >= bytes_.size()) return 0;
  const std::size_t count = std::min<std::size_t>(size, bytes_.size() - static_cast<std::size_t>(position_));
  std::memcpy(data, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

FileSink::FileSink(const std::string& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "w+b");
  if (!file_) ThrowFileError(errno, "cannot create", path);
}

FileSink::FileSink(int fd, std::string path) : path_(std::move(path)) {
  file_ = ::fdopen(fd, "w+b");
  if (!file_) {
    const int error = errno;
    ::close(fd);
    ThrowFileError(error, "cannot open", path_);
  }
}

FileSink::~FileSink() {
  if (file_) std::fclose(file_);
}

void FileSink::Write(const std::uint8_t* data, std::size_t size) {
  if (!file_) ThrowFileError(EBADF, "write after close of", path_);
  SwitchTo(false);
  if (size != 0 && std::fwrite(data, 1, size, file_) != size) ThrowFileError(errno, "cannot write", path_);
}

void FileSink::SwitchTo(bool reading) {
  if (reading == reading_) return;
  if (::fseeko(file_, 0, SEEK_CUR) != 0) ThrowFileError(errno, "cannot seek in", path_);
  reading_ = reading;
}

std::uint64_t FileSink::Position() const {
  if (!file_) ThrowFileError(EBADF, "position after close of", path_);
  const off_t position = ::ftello(file_);
  if (position < 0) ThrowFileError(errno, "cannot tell position in", path_);
  return static_cast<std::uint64_t>(position);
}

void FileSink::Seek(std::uint64_t position) {
  if (!file_) ThrowFileError(EBADF, "seek after close of", path_);
  if (::fseeko(file_, static_cast<off_t>(position), SEEK_SET) != 0) ThrowFileError(errno, "cannot seek in", path_);
}

std::uint64_t FileSink::Size() {
  if (!file_) ThrowFileError(EBADF, "size after close of", path_);
  SwitchTo(false);
  if (std::fflush(file_) != 0) ThrowFileError(errno, "cannot write", path_);
  struct stat info {};
  if (::fstat(::fileno(file_), &info) != 0) ThrowFileError(errno, "cannot stat", path_);
  return static_cast<std::uint64_t>(info.st_size);
}

std::size_t FileSink::Read(std::uint8_t* data, std::size_t size) {
  if (!file_) ThrowFileError(EBADF, "read after close of", path_);
  SwitchTo(true);
  const std::size_t count = std::fread(data, 1, size, file_);
  if (count < size && std::ferror(file_)) ThrowFileError(errno, "cannot read", path_);
  return count;
}

void FileSink::Close() {
  if (!file_) return;
  std::FILE* file = file_;
  file_ = nullptr;
  int error = 0;
  if (std::fflush(file) != 0) error = errno;
  if (error == 0 && ::fsync(::fileno(file)) != 0 && errno != EINVAL) error = errno;
  if (std::fclose(file) != 0 && error == 0) error = errno;
  if (error != 0) ThrowFileError(error, "cannot write", path_);
}

int AtomicFileSink::CreateTemp(std::string& tempPath, const std::string& targetPath) {
  std::vector<char> name(targetPath.begin(), targetPath.end());
  for (char c : std::string_view(".part-XXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) ThrowFileError(errno, "cannot create", targetPath);
  tempPath.assign(name.data());
  return fd;
}

AtomicFileSink::AtomicFileSink(std::string targetPath)
    : targetPath_(std::move(targetPath)), file_(CreateTemp(tempPath_, targetPath_), tempPath_) {}

AtomicFileSink::~AtomicFileSink() {
  if (!committed_) ::unlink(tempPath_.c_str());
}

void AtomicFileSink::Commit() {
  file_.Close();
  // mkstemp creates 0600; documents get the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(tempPath_.c_str(), 0666 & ~mask);
  if (std::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) ThrowFileError(errno, "cannot rename to", targetPath_);
  committed_ = true;
}

}  // namespace quorvane
