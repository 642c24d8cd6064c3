#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "writers/common/byte_sink.h"

namespace quorvane {

// A TIFF that cannot be written as asked (unsupported request, foreign file, too large).
class TTIFFError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Little-endian access to a TIFF whose header sits at headerStart of the sink.
// Offsets are relative to the header and 32-bit by format: a file that would
// reach past 4 GiB is refused rather than written with wrapped offsets.
class TTIFFStream {
 public:
  TTIFFStream(SeekableSink& sink, std::uint64_t headerStart) : sink_(sink), headerStart_(headerStart) {}

  SeekableSink& Sink() { return sink_; }
  // The current position as a TIFF offset.
  std::uint32_t Offset() const;
  void SeekOffset(std::uint32_t offset) { sink_.Seek(headerStart_ + offset); }
  void SeekEnd() { sink_.Seek(sink_.Size()); }
  // Values and directories start at even offsets; the padding byte is 0.
  void PadToEven();

  void Write(const std::uint8_t* data, std::size_t size) { sink_.Write(data, size); }
  void WriteU16(std::uint16_t value);
  void WriteU32(std::uint32_t value);
  // Reads that find the file shorter than its own offsets say throw.
  std::uint16_t ReadU16();
  std::uint32_t ReadU32();

 private:
  void ReadExactly(std::uint8_t* data, std::size_t size);

  SeekableSink& sink_;
  std::uint64_t headerStart_;
};

}  // namespace quorvane
