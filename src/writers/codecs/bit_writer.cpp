#include "writers/codecs/bit_writer.h"

namespace quorvane::codecs {

void BitWriter::FinishBytes() {
  while (pending_.count > 0) {
    const int keep = pending_.count >= 8 ? 8 : pending_.count;
    auto byte = static_cast<std::uint8_t>((pending_.bits >> (pending_.count - keep)) & ((1u << keep) - 1));
    byte = static_cast<std::uint8_t>(byte << (8 - keep));
    if (used_ == buffer_.size()) Flush();
    buffer_[used_++] = byte;
    pending_.count -= keep;
  }
  pending_ = {};
  Flush();
}

void BitWriter::Flush() {
  if (used_ > 0) out_.Write(buffer_.data(), used_);
  used_ = 0;
}

}  // namespace quorvane::codecs
