#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "writers/common/byte_sink.h"

namespace quorvane::codecs {

// TIFF 6.0 LZW (Section 13; also PDF's LZWDecode with EarlyChange 1):
// one continuous code stream over everything fed in, closed by Finish().
class LzwEncoder {
 public:
  explicit LzwEncoder(ByteSink& out);
  ~LzwEncoder();
  LzwEncoder(const LzwEncoder&) = delete;
  LzwEncoder& operator=(const LzwEncoder&) = delete;

  void Encode(const std::uint8_t* data, std::size_t size);
  // Emits the pending code and EndOfInformation, then the last partial byte.
  void Finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quorvane::codecs
