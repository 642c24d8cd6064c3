#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Where coders and writers put their bytes. Errors are exceptions
// (std::system_error for files) so that a short write never goes unnoticed.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(const std::uint8_t* data, std::size_t size) = 0;

  void Write(std::span<const std::uint8_t> bytes) { Write(bytes.data(), bytes.size()); }
  void Write(std::string_view text) { Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()); }
  void WriteByte(std::uint8_t byte) { Write(&byte, 1); }
};

class VectorSink final : public ByteSink {
 public:
  explicit VectorSink(std::vector<std::uint8_t>& out) : out_(out) {}
  void Write(const std::uint8_t* data, std::size_t size) override { out_.insert(out_.end(), data, data + size); }
  using ByteSink::Write;

 private:
  std::vector<std::uint8_t>& out_;
};

// Passes bytes on and counts them: the position gives the offsets that
// cross-reference tables and TIFF directories need.
class CountingSink final : public ByteSink {
 public:
  explicit CountingSink(ByteSink& next, std::uint64_t start = 0) : next_(next), position_(start) {}
  void Write(const std::uint8_t* data, std::size_t size) override {
    next_.Write(data, size);
    position_ += size;
  }
  using ByteSink::Write;
  std::uint64_t Position() const { return position_; }

 private:
  ByteSink& next_;
  std::uint64_t position_;
};

// A sink that can also go back: the TIFF writer links each page's directory
// into the chain after its data, and appending reads the chain it extends.
class SeekableSink : public ByteSink {
 public:
  virtual std::uint64_t Position() const = 0;
  virtual void Seek(std::uint64_t position) = 0;
  virtual std::uint64_t Size() = 0;
  // Reads up to size bytes at the position; returns how many there were.
  virtual std::size_t Read(std::uint8_t* data, std::size_t size) = 0;
  using ByteSink::Write;
};

// Random-access bytes in memory; writing past the end extends them.
class MemoryStream final : public SeekableSink {
 public:
  explicit MemoryStream(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  void Write(const std::uint8_t* data, std::size_t size) override;
  using ByteSink::Write;
  std::uint64_t Position() const override { return position_; }
  void Seek(std::uint64_t position) override { position_ = position; }
  std::uint64_t Size() override { return bytes_.size(); }
  std::size_t Read(std::uint8_t* data, std::size_t size) override;

 private:
  std::vector<std::uint8_t>& bytes_;
  std::uint64_t position_ = 0;
};

// Buffered output to a file; a failed write or close throws with the file's name.
class FileSink final : public SeekableSink {
 public:
  // Creates or truncates the file.
  explicit FileSink(const std::string& path);
  // Takes over an open descriptor; path is only used in messages.
  FileSink(int fd, std::string path);
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  void Write(const std::uint8_t* data, std::size_t size) override;
  using ByteSink::Write;
  std::uint64_t Position() const override;
  void Seek(std::uint64_t position) override;
  std::uint64_t Size() override;
  std::size_t Read(std::uint8_t* data, std::size_t size) override;
  // Flushes to disk (fsync) and closes; throws when any byte did not arrive.
  void Close();

 private:
  // stdio wants a seek between reading and writing on the same stream.
  void SwitchTo(bool reading);

  std::string path_;
  std::FILE* file_ = nullptr;
  bool reading_ = false;
};

// Writes a document beside its target and renames it into place only when
// complete, so a failure never leaves a half-written file under the target name.
class AtomicFileSink final : public SeekableSink {
 public:
  explicit AtomicFileSink(std::string targetPath);
  ~AtomicFileSink() override;  // removes the partial file unless Commit() succeeded

  void Write(const std::uint8_t* data, std::size_t size) override { file_.Write(data, size); }
  using ByteSink::Write;
  std::uint64_t Position() const override { return file_.Position(); }
  void Seek(std::uint64_t position) override { file_.Seek(position); }
  std::uint64_t Size() override { return file_.Size(); }
  std::size_t Read(std::uint8_t* data, std::size_t size) override { return file_.Read(data, size); }
  void Commit();
  const std::string& TempPath() const { return tempPath_; }

 private:
  static int CreateTemp(std::string& tempPath, const std::string& targetPath);

  std::string targetPath_;
  std::string tempPath_;
  FileSink file_;
  bool committed_ = false;
};

}  // namespace quorvane
