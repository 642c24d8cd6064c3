#pragma once

#include <cstdint>
#include <memory>

#include "writers/common/byte_sink.h"

namespace quorvane::codecs {

// CCITT coding of 1-bit rows (leftmost pixel in the most significant bit).
enum class FaxScheme {
  Group4,       // ITU-T T.6, ends with the end-of-block code, byte-completed with 0 bits
  Group3TwoD,   // ITU-T T.4 with K = 1: EOL + tag bit before every row, first row 1-D, then 2-D
};

// Which stored bit value is a white pixel; decided once where pages enter the coder.
enum class FaxWhiteBit { Zero, One };

class FaxEncoder {
 public:
  FaxEncoder(ByteSink& out, int width, FaxScheme scheme, FaxWhiteBit white);
  ~FaxEncoder();
  FaxEncoder(const FaxEncoder&) = delete;
  FaxEncoder& operator=(const FaxEncoder&) = delete;

  // One row of ceil(width / 8) bytes; bits past the width are ignored.
  void EncodeRow(const std::uint8_t* row);
  // Writes the closing codes and the last partial byte.
  void Finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace quorvane::codecs
