#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "writers/common/byte_sink.h"

namespace quorvane {

// PDF run-length coding (RunLengthDecode): literal blocks and repeated bytes of
// at most 128, closed by the end marker 128. Input may arrive in pieces; runs
// continue across them, so the result is one block.
class RunLengthEncoder {
 public:
  explicit RunLengthEncoder(ByteSink& out) : out_(out) {}

  void Encode(const std::uint8_t* data, std::size_t size);
  void Finish();

 private:
  void EndRun();
  void FlushLiteral();

  ByteSink& out_;
  std::vector<std::uint8_t> literal_;
  std::uint8_t runByte_ = 0;
  std::size_t runLength_ = 0;
};

}  // namespace quorvane
