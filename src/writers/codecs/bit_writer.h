#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "writers/common/byte_sink.h"

namespace quorvane::codecs {

// Packs codes most significant bit first and hands the bytes to a sink in
// blocks, so the coders never call the sink per code. The partial byte is
// carried from call to call (and from row to row).
class BitWriter {
 public:
  explicit BitWriter(ByteSink& out) : out_(out) {}

  // Appends the low `length` bits of `code` (1..32 bits, nothing above them).
  void Put(std::uint32_t code, int length) {
    pending_ = (pending_ << length) | code;
    pendingBits_ += length;
    if (pendingBits_ >= 32) {
      pendingBits_ -= 32;
      const auto word = static_cast<std::uint32_t>(pending_ >> pendingBits_);
      std::uint8_t* at = buffer_.data() + used_;
      at[0] = static_cast<std::uint8_t>(word >> 24);
      at[1] = static_cast<std::uint8_t>(word >> 16);
      at[2] = static_cast<std::uint8_t>(word >> 8);
      at[3] = static_cast<std::uint8_t>(word);
      used_ += 4;
      if (used_ == buffer_.size()) Flush();
    }
  }

  // Completes the last byte with 0 bits and passes everything on.
  void FinishBytes();

 private:
  void Flush();

  ByteSink& out_;
  std::uint64_t pending_ = 0;  // the low pendingBits_ bits are not yet written
  int pendingBits_ = 0;
  std::size_t used_ = 0;
  std::array<std::uint8_t, 16384> buffer_{};
};

}  // namespace quorvane::codecs
