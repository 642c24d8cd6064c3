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
  // Bits not yet written out: the low `count` bits of `bits`. Hot loops keep
  // a copy in registers (Pending() ... Append() ... SetPending()).
  struct PendingBits {
    std::uint64_t bits = 0;
    int count = 0;
  };

  explicit BitWriter(ByteSink& out) : out_(out) {}

  // Appends the low `length` bits of `code` (0..32 bits, nothing above them).
  void Put(std::uint32_t code, int length) { Append(pending_, code, length); }

  void Append(PendingBits& pending, std::uint32_t code, int length) {
    pending.bits = (pending.bits << length) | code;
    pending.count += length;
    if (pending.count >= 32) {
      pending.count -= 32;
      WriteWord(static_cast<std::uint32_t>(pending.bits >> pending.count));
    }
  }

  PendingBits Pending() const { return pending_; }
  void SetPending(PendingBits pending) { pending_ = pending; }

  // Completes the last byte with 0 bits and passes everything on.
  void FinishBytes();

 private:
  void WriteWord(std::uint32_t word) {
    std::uint8_t* at = buffer_.data() + used_;
    at[0] = static_cast<std::uint8_t>(word >> 24);
    at[1] = static_cast<std::uint8_t>(word >> 16);
    at[2] = static_cast<std::uint8_t>(word >> 8);
    at[3] = static_cast<std::uint8_t>(word);
    used_ += 4;
    if (used_ == buffer_.size()) Flush();
  }

  void Flush();

  ByteSink& out_;
  PendingBits pending_;
  std::size_t used_ = 0;
  std::array<std::uint8_t, 16384> buffer_{};
};

}  // namespace quorvane::codecs
