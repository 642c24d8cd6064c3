#include "tiff_stream.h"

namespace quorvane {

std::uint32_t TTIFFStream::Offset() const {
  const std::uint64_t offset = sink_.Position() - headerStart_;
  if (offset > 0xFFFFFFFFu)
    throw TTIFFError("TIFF file would exceed 4 GiB, the limit of its 32-bit offsets");
  return static_cast<std::uint32_t>(offset);
}

void TTIFFStream::PadToEven() {
  if (Offset() % 2 != 0) sink_.WriteByte(0);
}

void TTIFFStream::WriteU16(std::uint16_t value) {
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
  sink_.Write(bytes, 2);
}

void TTIFFStream::WriteU32(std::uint32_t value) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  sink_.Write(bytes, 4);
}

void TTIFFStream::ReadExactly(std::uint8_t* data, std::size_t size) {
  if (sink_.Read(data, size) != size) throw TTIFFError("TIFF file ends inside its directory chain");
}

std::uint16_t TTIFFStream::ReadU16() {
  std::uint8_t bytes[2];
  ReadExactly(bytes, 2);
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t TTIFFStream::ReadU32() {
  std::uint8_t bytes[4];
  ReadExactly(bytes, 4);
  return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
         (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

}  // namespace quorvane
