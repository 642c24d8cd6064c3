#include "writers/pdf/run_length_encoder.h"

namespace quorvane {

namespace {
constexpr std::size_t kMaxBlock = 128;
// Shorter runs are cheaper inside a literal block.
constexpr std::size_t kMinRun = 3;
constexpr std::uint8_t kEndOfData = 128;
}  // namespace

void RunLengthEncoder::Encode(const std::uint8_t* data, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t byte = data[i];
    if (runLength_ > 0 && byte == runByte_) {
      if (++runLength_ == kMaxBlock) EndRun();
      continue;
    }
    EndRun();
    runByte_ = byte;
    runLength_ = 1;
  }
}

void RunLengthEncoder::Finish() {
  EndRun();
  FlushLiteral();
  out_.WriteByte(kEndOfData);
}

void RunLengthEncoder::EndRun() {
  if (runLength_ >= kMinRun) {
    FlushLiteral();
    const std::uint8_t block[2] = {static_cast<std::uint8_t>(257 - runLength_), runByte_};
    out_.Write(block, 2);
  } else {
    for (std::size_t i = 0; i < runLength_; ++i) {
      literal_.push_back(runByte_);
      if (literal_.size() == kMaxBlock) FlushLiteral();
    }
  }
  runLength_ = 0;
}

void RunLengthEncoder::FlushLiteral() {
  if (literal_.empty()) return;
  out_.WriteByte(static_cast<std::uint8_t>(literal_.size() - 1));
  out_.Write(literal_.data(), literal_.size());
  literal_.clear();
}

}  // namespace quorvane
