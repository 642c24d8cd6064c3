#include "writers/codecs/bit_writer.h"

namespace quorvane::codecs {

void BitWriter::FinishBytes() {
  while (pendingBits_ > 0) {
    const int shift = pendingBits_ >= 8 ? pendingBits_ - 8 : 0;
    const int keep = pendingBits_ >= 8 ? 8 : pendingBits_;
    auto byte = static_cast<std::uint8_t>((pending_ >> shift) & ((1u << keep) - 1));
    byte = static_cast<std::uint8_t>(byte << (8 - keep));
    if (used_ == buffer_.size()) Flush();
    buffer_[used_++] = byte;
    pendingBits_ -= keep;
  }
  pending_ = 0;
  Flush();
}

void BitWriter::Flush() {
  if (used_ > 0) out_.Write(buffer_.data(), used_);
  used_ = 0;
}

}  // namespace quorvane::codecs
