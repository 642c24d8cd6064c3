#include "tiff_ifd_writer.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {
constexpr std::uint32_t kRationalLimit = 999999999;

// Continued-fraction convergents until the fraction is within 5e-9 of the value.
TTIFFRational ApproximateFraction(double value) {
  double rest = value;
  std::uint64_t h0 = 0, h1 = 1, k0 = 1, k1 = 0;  // previous and current convergent
  for (int step = 0; step < 64; ++step) {
    const double whole = std::floor(rest);
    const std::uint64_t a = static_cast<std::uint64_t>(whole);
    const std::uint64_t h2 = a * h1 + h0;
    const std::uint64_t k2 = a * k1 + k0;
    if (h2 > 0xFFFFFFFFu || k2 > 0xFFFFFFFFu) break;
    h0 = h1, h1 = h2, k0 = k1, k1 = k2;
    if (std::fabs(value - static_cast<double>(h1) / static_cast<double>(k1)) < 5e-9) break;
    const double fraction = rest - whole;
    if (fraction <= 0) break;
    rest = 1.0 / fraction;
  }
  return {static_cast<std::uint32_t>(h1), static_cast<std::uint32_t>(k1)};
}
}  // namespace

// A negative or not-a-number value has no RATIONAL form; it is written as
// 0/1, the way an unknown resolution is written.
TTIFFRational ToTIFFRational(double value) {
  if (!(value > 0)) return {0, 1};
  if (value < 1e-19) return {1, kRationalLimit};
  if (value > 1e19) return {kRationalLimit, 1};
  if (value == std::floor(value)) {
    if (value <= 0xFFFFFFFFu) return {static_cast<std::uint32_t>(value), 1};
    return {0xFFFFFFFFu, 1};
  }
  return ApproximateFraction(value);
}

void TTIFFIFDWriter::AddTag(std::uint16_t tag, std::uint16_t type, std::uint32_t valueOrOffset, std::uint32_t count) {
  Items.push_back(TTIFFEntry{tag, type, count, valueOrOffset});
}

void TTIFFIFDWriter::WriteSingleShort(std::uint16_t tag, std::uint16_t value) { AddTag(tag, dtShort, value, 1); }

void TTIFFIFDWriter::WriteSingleLong(std::uint16_t tag, std::uint32_t value) { AddTag(tag, dtLong, value, 1); }

void TTIFFIFDWriter::WriteSingleRational(std::uint16_t tag, double value) {
  const TTIFFRational rational = ToTIFFRational(value);
  stream_.PadToEven();
  const std::uint32_t offset = stream_.Offset();
  stream_.WriteU32(rational.numerator);
  stream_.WriteU32(rational.denominator);
  AddTag(tag, dtRational, offset, 1);
}

void TTIFFIFDWriter::WriteString(std::uint16_t tag, const std::string& text) {
  if (text.empty()) return;
  if (text.size() <= 4) {
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
      packed |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(text[i])) << (8 * i);
    AddTag(tag, dtAscii, packed, static_cast<std::uint32_t>(text.size()));
    return;
  }
  stream_.PadToEven();
  const std::uint32_t offset = stream_.Offset();
  stream_.Write(reinterpret_cast<const std::uint8_t*>(text.c_str()), text.size() + 1);
  AddTag(tag, dtAscii, offset, static_cast<std::uint32_t>(text.size() + 1));
}

void TTIFFIFDWriter::WriteMultiShort(std::uint16_t tag, std::span<const std::uint16_t> values) {
  const auto count = static_cast<std::uint32_t>(values.size());
  if (values.size() <= 2) {
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < values.size(); ++i) packed |= static_cast<std::uint32_t>(values[i]) << (16 * i);
    AddTag(tag, dtShort, packed, count);
    return;
  }
  stream_.PadToEven();
  const std::uint32_t offset = stream_.Offset();
  for (std::uint16_t value : values) stream_.WriteU16(value);
  AddTag(tag, dtShort, offset, count);
}

void TTIFFIFDWriter::WriteMultiLongEx(std::uint16_t tag, std::span<const std::uint32_t> values) {
  stream_.PadToEven();
  const std::uint32_t offset = stream_.Offset();
  for (std::uint32_t value : values) stream_.WriteU32(value);
  AddTag(tag, dtLong, offset, static_cast<std::uint32_t>(values.size()));
}

void TTIFFIFDWriter::ReorderTags() {
  std::stable_sort(Items.begin(), Items.end(),
                   [](const TTIFFEntry& a, const TTIFFEntry& b) { return a.IdTag < b.IdTag; });
}

void TTIFFIFDWriter::WriteDirectory(std::uint32_t nextOffset) {
  ReorderTags();
  stream_.WriteU16(static_cast<std::uint16_t>(Items.size()));
  for (const TTIFFEntry& entry : Items) {
    stream_.WriteU16(entry.IdTag);
    stream_.WriteU16(entry.DataType);
    stream_.WriteU32(entry.DataNum);
    stream_.WriteU32(entry.DataPos);
  }
  stream_.WriteU32(nextOffset);
}

}  // namespace quorvane
