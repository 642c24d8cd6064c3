#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "document_page.h"
#include "libtiff_oracle.h"
#include "writers/common/multi_page_io.h"

namespace quorvane::testing {

// Writes the pages into memory as one TIFF.
std::vector<std::uint8_t> WriteTiff(std::vector<TPage>& pages);

// Red, green, blue of a pixel of our page, and of libtiff's decoded page.
std::array<std::uint8_t, 3> SourcePixel(const TPageBitmap& bitmap, int x, int y);
std::array<std::uint8_t, 3> DecodedPixel(const TDecodedPage& page, int x, int y);

// Raw view of the directories in file order, to check the layout byte by byte.
struct TRawEntry {
  std::uint16_t tag, type;
  std::uint32_t count, value;
};
struct TRawDirectory {
  std::uint32_t offset;
  std::vector<TRawEntry> entries;
  std::uint32_t next;
  const TRawEntry* Find(std::uint16_t tag) const;
};
std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint16_t ReadU16(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::vector<TRawDirectory> ReadRawDirectories(const std::vector<std::uint8_t>& bytes);

}  // namespace quorvane::testing
