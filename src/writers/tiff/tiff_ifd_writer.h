#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "writers/tiff/tiff_stream.h"

namespace quorvane {

enum TTIFFDataType : std::uint16_t {
  dtByte = 1,
  dtAscii = 2,
  dtShort = 3,
  dtLong = 4,
  dtRational = 5,
  dtUndefined = 7,
};

// One directory entry: the value itself when it fits in 4 bytes, else its offset.
struct TTIFFEntry {
  std::uint16_t IdTag = 0;
  std::uint16_t DataType = 0;
  std::uint32_t DataNum = 0;
  std::uint32_t DataPos = 0;
};

// Collects the entries of one page's directory while the page's data is
// written; values that do not fit into an entry go to the stream at once.
class TTIFFIFDWriter {
 public:
  explicit TTIFFIFDWriter(TTIFFStream& stream) : stream_(stream) {}

  void AddTag(std::uint16_t tag, std::uint16_t type, std::uint32_t valueOrOffset, std::uint32_t count);
  void WriteSingleShort(std::uint16_t tag, std::uint16_t value);
  void WriteSingleLong(std::uint16_t tag, std::uint32_t value);
  void WriteSingleRational(std::uint16_t tag, double value);
  void WriteString(std::uint16_t tag, const std::string& text);
  void WriteMultiShort(std::uint16_t tag, std::span<const std::uint16_t> values);
  void WriteMultiLongEx(std::uint16_t tag, std::span<const std::uint32_t> values);

  void ReorderTags();
  const TTIFFEntry& GetTag(int index) const { return Items.at(static_cast<std::size_t>(index)); }
  int Count() const { return static_cast<int>(Items.size()); }

  // Writes the entry count, the entries in tag order and the next directory's offset here.
  void WriteDirectory(std::uint32_t nextOffset);

  std::vector<TTIFFEntry> Items;

 private:
  TTIFFStream& stream_;
};

// Numerator and denominator of a RATIONAL value.
struct TTIFFRational {
  std::uint32_t numerator;
  std::uint32_t denominator;
};
TTIFFRational ToTIFFRational(double value);

}  // namespace quorvane
