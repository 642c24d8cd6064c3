#include "tiff_test_support.h"

#include <gtest/gtest.h>

#include "writers/tiff/tiff_document.h"

namespace quorvane::testing {

std::vector<std::uint8_t> WriteTiff(std::vector<TPage>& pages) {
  std::vector<TPage*> pointers;
  for (TPage& page : pages) pointers.push_back(&page);
  TMultiPageIO io;
  io.Pages = pointers;
  std::vector<std::uint8_t> bytes;
  MemoryStream stream(bytes);
  EXPECT_TRUE(SaveToStreamTIFF(stream, io, false));
  return bytes;
}

std::array<std::uint8_t, 3> SourcePixel(const TPageBitmap& bitmap, int x, int y) {
  if (bitmap.PixelFormat() == pf1Bit) {
    const std::uint8_t v = bitmap.IsWhite(x, y) ? 255 : 0;
    return {v, v, v};
  }
  const std::uint8_t* p = bitmap.Row(y) + 3 * x;
  return {p[2], p[1], p[0]};
}

std::array<std::uint8_t, 3> DecodedPixel(const TDecodedPage& page, int x, int y) {
  const std::vector<std::uint8_t>& row = page.rows.at(static_cast<std::size_t>(y));
  const auto ux = static_cast<std::size_t>(x);
  if (page.bitsPerSample == 1) {
    const bool one = (row[ux >> 3] & (0x80 >> (ux & 7))) != 0;
    const bool white = page.photometric == 0 ? !one : one;
    const std::uint8_t v = white ? 255 : 0;
    return {v, v, v};
  }
  switch (page.photometric) {
    case 1: return {row[ux], row[ux], row[ux]};
    case 2: return {row[3 * ux], row[3 * ux + 1], row[3 * ux + 2]};
    case 3: {
      const std::size_t i = row[ux];
      return {static_cast<std::uint8_t>(page.colorMap[i] >> 8), static_cast<std::uint8_t>(page.colorMap[256 + i] >> 8),
              static_cast<std::uint8_t>(page.colorMap[512 + i] >> 8)};
    }
    default: ADD_FAILURE() << "unexpected photometric " << page.photometric; return {0, 0, 0};
  }
}

std::uint16_t ReadU16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(ReadU16(bytes, at)) | static_cast<std::uint32_t>(ReadU16(bytes, at + 2)) << 16;
}

const TRawEntry* TRawDirectory::Find(std::uint16_t tag) const {
  for (const TRawEntry& entry : entries)
    if (entry.tag == tag) return &entry;
  return nullptr;
}

std::vector<TRawDirectory> ReadRawDirectories(const std::vector<std::uint8_t>& bytes) {
  std::vector<TRawDirectory> directories;
  for (std::uint32_t offset = ReadU32(bytes, 4); offset != 0 && directories.size() < 1000;) {
    TRawDirectory directory{offset, {}, 0};
    const std::uint16_t count = ReadU16(bytes, offset);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = offset + 2 + 12 * i;
      directory.entries.push_back({ReadU16(bytes, at), ReadU16(bytes, at + 2), ReadU32(bytes, at + 4), ReadU32(bytes, at + 8)});
    }
    directory.next = ReadU32(bytes, offset + 2 + 12u * count);
    offset = directory.next;
    directories.push_back(directory);
  }
  return directories;
}

}  // namespace quorvane::testing
