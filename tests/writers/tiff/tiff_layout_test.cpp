// The byte layout of the files: header, directory entries and their order,
// out-of-line values, strips and the directory chain.
#include <gtest/gtest.h>

#include <cstring>

#include "tiff_test_support.h"
#include "writers/tiff/tiff_strips.h"

namespace quorvane::testing {
namespace {

struct ExpectedEntry {
  std::uint16_t tag, type;
  std::uint32_t count;
  std::int64_t value;  // -1: not checked (offsets, sizes)
};

void ExpectEntries(const TRawDirectory& directory, const std::vector<ExpectedEntry>& expected) {
  ASSERT_EQ(directory.entries.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const TRawEntry& got = directory.entries[i];
    EXPECT_EQ(got.tag, expected[i].tag) << "entry " << i;
    EXPECT_EQ(got.type, expected[i].type) << "tag " << got.tag;
    EXPECT_EQ(got.count, expected[i].count) << "tag " << got.tag;
    if (expected[i].value >= 0) {
      EXPECT_EQ(got.value, expected[i].value) << "tag " << got.tag;
    }
  }
}

constexpr std::uint16_t kShort = 3, kLong = 4, kRational = 5;

TEST(TiffLayout, ThreePageGroup4Document) {
  std::vector<TPage> pages;
  for (int i = 0; i < 3; ++i) {
    pages.push_back(MakeDocumentPage(2480, 3508, TPageKind::BlackWhite));
    pages.back().Params.TIFF_Compression = ioTIFF_G4FAX;
  }
  const auto bytes = WriteTiff(pages);
  ASSERT_GE(bytes.size(), 32u);
  EXPECT_EQ(bytes[0], 'I');
  EXPECT_EQ(bytes[1], 'I');
  EXPECT_EQ(ReadU16(bytes, 2), 42);
  // Resolutions first, then the strips.
  EXPECT_EQ(ReadU32(bytes, 8), 300u);
  EXPECT_EQ(ReadU32(bytes, 12), 1u);
  EXPECT_EQ(ReadU32(bytes, 16), 300u);
  EXPECT_EQ(ReadU32(bytes, 20), 1u);

  const auto directories = ReadRawDirectories(bytes);
  ASSERT_EQ(directories.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(directories[i].offset % 2, 0u);
    EXPECT_EQ(directories[i].next, i < 2 ? directories[i + 1].offset : 0u);
  }
  ExpectEntries(directories[0], {{254, kLong, 1, 0},      {256, kLong, 1, 2480}, {257, kLong, 1, 3508},
                                 {258, kShort, 1, 1},     {259, kShort, 1, 4},   {262, kShort, 1, 0},
                                 {266, kShort, 1, 1},     {273, kLong, 2, -1},   {277, kShort, 1, 1},
                                 {278, kLong, 1, 1754},   {279, kLong, 2, -1},   {282, kRational, 1, 8},
                                 {283, kRational, 1, 16}, {284, kShort, 1, 1},   {292, kLong, 1, 0},
                                 {293, kLong, 1, 0},      {296, kShort, 1, 2},   {327, kShort, 1, 0}});
  const std::uint32_t stripOffsets = directories[0].Find(273)->value;
  EXPECT_EQ(stripOffsets % 2, 0u);
  EXPECT_EQ(ReadU32(bytes, stripOffsets), 24u) << "the first strip follows the resolutions";
  EXPECT_EQ(directories[0].Find(279)->value % 2, 0u);

  const auto decoded = DecodeWithLibtiff(bytes);
  ASSERT_EQ(decoded.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(decoded[i].compression, 4);
    EXPECT_EQ(DecodedPixel(decoded[i], 2479, 100), SourcePixel(pages[i].Bitmap, 2479, 100));
  }
}

TEST(TiffLayout, ColourPageHasItsBitsPerSampleArrayBeforeTheStrips) {
  for (const TIOTIFFCompression compression : {ioTIFF_UNCOMPRESSED, ioTIFF_LZW}) {
    std::vector<TPage> pages{MakeDocumentPage(640, 480, TPageKind::Colour)};
    pages[0].Params.TIFF_Compression = compression;
    const auto bytes = WriteTiff(pages);
    EXPECT_EQ(ReadU16(bytes, 24), 8);
    EXPECT_EQ(ReadU16(bytes, 26), 8);
    EXPECT_EQ(ReadU16(bytes, 28), 8);
    const auto directories = ReadRawDirectories(bytes);
    ASSERT_EQ(directories.size(), 1u);
    const bool lzw = compression == ioTIFF_LZW;
    std::vector<ExpectedEntry> expected{{254, kLong, 1, 0},   {256, kLong, 1, 640},      {257, kLong, 1, 480},
                                        {258, kShort, 3, 24}, {259, kShort, 1, lzw ? 5 : 1}, {262, kShort, 1, 2},
                                        {273, kLong, 1, 30},  {277, kShort, 1, 3},       {278, kLong, 1, 480},
                                        {279, kLong, 1, -1},  {282, kRational, 1, 8},    {283, kRational, 1, 16},
                                        {296, kShort, 1, 2}};
    if (lzw) expected.push_back({317, kShort, 1, 2});
    ExpectEntries(directories[0], expected);
  }
}

TEST(TiffLayout, GreyPageIsOneBytePerPixelWithoutPredictor) {
  for (const TIOTIFFCompression compression : {ioTIFF_UNCOMPRESSED, ioTIFF_LZW}) {
    std::vector<TPage> pages{MakeDocumentPage(333, 111, TPageKind::Grey)};
    pages[0].Params.TIFF_Compression = compression;
    const auto bytes = WriteTiff(pages);
    const auto directories = ReadRawDirectories(bytes);
    ASSERT_EQ(directories.size(), 1u);
    ExpectEntries(directories[0], {{254, kLong, 1, 0},
                                   {256, kLong, 1, 333},
                                   {257, kLong, 1, 111},
                                   {258, kShort, 1, 8},
                                   {259, kShort, 1, compression == ioTIFF_LZW ? 5 : 1},
                                   {262, kShort, 1, 1},
                                   {273, kLong, 1, 24},
                                   {277, kShort, 1, 1},
                                   {278, kLong, 1, 111},
                                   {279, kLong, 1, -1},
                                   {282, kRational, 1, 8},
                                   {283, kRational, 1, 16},
                                   {296, kShort, 1, 2}});
    const auto decoded = DecodeWithLibtiff(bytes);
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0].rows[50][100], pages[0].Bitmap.Row(50)[3 * 100 + 2]);
  }
}

TEST(TiffLayout, GreyImageWithThreeSamplesRequestedBecomesRgb) {
  std::vector<TPage> pages{MakeDocumentPage(101, 51, TPageKind::Grey)};
  pages[0].Params.SamplesPerPixel = 3;
  const auto decoded = DecodeWithLibtiff(WriteTiff(pages));
  ASSERT_EQ(decoded.size(), 1u);
  EXPECT_EQ(decoded[0].photometric, 2);
  EXPECT_EQ(decoded[0].samplesPerPixel, 3);
  for (int y = 0; y < 51; ++y)
    for (int x = 0; x < 101; ++x) ASSERT_EQ(DecodedPixel(decoded[0], x, y), SourcePixel(pages[0].Bitmap, x, y));
}

TEST(TiffLayout, BlackWhiteImageWithColourParametersBecomesRgb) {
  std::vector<TPage> pages{MakeDocumentPage(75, 20, TPageKind::BlackWhite)};
  pages[0].Params.BitsPerSample = 8;
  pages[0].Params.SamplesPerPixel = 3;
  const auto decoded = DecodeWithLibtiff(WriteTiff(pages));
  ASSERT_EQ(decoded.size(), 1u);
  EXPECT_EQ(decoded[0].photometric, 2);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 75; ++x) ASSERT_EQ(DecodedPixel(decoded[0], x, y), SourcePixel(pages[0].Bitmap, x, y));
}

TEST(TiffLayout, BackupOfABlackWhitePageIsUncompressedBlackIsZero) {
  std::vector<TPage> pages{MakeDocumentPage(203, 64, TPageKind::BlackWhite)};
  const auto bytes = WriteTiff(pages);
  const auto directories = ReadRawDirectories(bytes);
  ASSERT_EQ(directories.size(), 1u);
  ExpectEntries(directories[0], {{254, kLong, 1, 0},     {256, kLong, 1, 203},   {257, kLong, 1, 64},
                                 {258, kShort, 1, 1},    {259, kShort, 1, 1},    {262, kShort, 1, 1},
                                 {273, kLong, 1, 24},    {277, kShort, 1, 1},    {278, kLong, 1, 64},
                                 {279, kLong, 1, 26 * 64}, {282, kRational, 1, 8}, {283, kRational, 1, 16},
                                 {296, kShort, 1, 2}});
  // The rows as they are in memory, 1 = white, without their padding.
  for (int y = 0; y < 64; ++y)
    ASSERT_EQ(0, std::memcmp(bytes.data() + 24 + 26 * y, pages[0].Bitmap.Row(y), 26)) << "row " << y;
}

TEST(TiffLayout, Group4WithFillOrder2HasItsBitsReversed) {
  std::vector<TPage> pages{MakeDocumentPage(517, 90, TPageKind::BlackWhite)};
  pages[0].Params.TIFF_Compression = ioTIFF_G4FAX;
  pages[0].Params.TIFF_FillOrder = 2;
  const auto bytes = WriteTiff(pages);
  const auto directories = ReadRawDirectories(bytes);
  ASSERT_EQ(directories.size(), 1u);
  EXPECT_EQ(directories[0].Find(266)->value, 2u);
  const auto decoded = DecodeWithLibtiff(bytes);
  ASSERT_EQ(decoded.size(), 1u);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 517; ++x) ASSERT_EQ(DecodedPixel(decoded[0], x, y), SourcePixel(pages[0].Bitmap, x, y));
}

TEST(TiffLayout, ZeroDpiIsWrittenAsZeroOverOne) {
  std::vector<TPage> pages{MakeDocumentPage(16, 16, TPageKind::BlackWhite, 0)};
  const auto bytes = WriteTiff(pages);
  EXPECT_EQ(ReadU32(bytes, 8), 0u);
  EXPECT_EQ(ReadU32(bytes, 12), 1u);
}

TEST(TiffLayout, StripsHoldAbout512KiBOfInMemoryRows) {
  const TTIFFStripLayout colour = ComputeTIFFStripLayout(3508, PaddedRowStride(2480, 24), 0);
  EXPECT_EQ(colour.RowsPerStrip, 71);
  EXPECT_EQ(colour.StripCount, 50);
  const TTIFFStripLayout bw = ComputeTIFFStripLayout(3508, PaddedRowStride(2480, 1), 0);
  EXPECT_EQ(bw.RowsPerStrip, 1754);
  EXPECT_EQ(bw.StripCount, 2);
  const TTIFFStripLayout requested = ComputeTIFFStripLayout(100, 1, 7);
  EXPECT_EQ(requested.RowsPerStrip, 14);
  EXPECT_EQ(requested.StripCount, 8);
  EXPECT_EQ(ComputeTIFFStripLayout(3, 1, 50).RowsPerStrip, 1) << "never fewer than one row per strip";

  // A grey page held as a 24-bit image is cut like a colour page.
  std::vector<TPage> pages{MakeDocumentPage(2480, 3508, TPageKind::Grey)};
  const auto decoded = DecodeWithLibtiff(WriteTiff(pages));
  ASSERT_EQ(decoded.size(), 1u);
  EXPECT_EQ(decoded[0].rowsPerStrip, 71u);
  EXPECT_EQ(decoded[0].strips, 50u);
}

TEST(TiffLayout, HeightOneGivesOneStripInline) {
  std::vector<TPage> pages{MakeDocumentPage(640, 1, TPageKind::Colour)};
  pages[0].Params.TIFF_Compression = ioTIFF_LZW;
  const auto directories = ReadRawDirectories(WriteTiff(pages));
  ASSERT_EQ(directories.size(), 1u);
  EXPECT_EQ(directories[0].Find(273)->count, 1u);
  EXPECT_EQ(directories[0].Find(273)->value, 30u);
  EXPECT_EQ(directories[0].Find(279)->count, 1u);
  EXPECT_EQ(directories[0].Find(278)->value, 1u);
}

TEST(TiffLayout, OptionalTagsAndTexts) {
  std::vector<TPage> pages{MakeDocumentPage(32, 8, TPageKind::BlackWhite)};
  TIOParams& params = pages[0].Params;
  params.TIFF_ImageDescription = "Scan";         // fits into the entry
  params.TIFF_DocumentName = "Rechnung 4711";    // out of line, with its zero
  params.TIFF_PageName = "Seite";
  params.TIFF_PageNumber = 0;
  params.TIFF_PageCount = 3;
  params.TIFF_XPos = 2;
  params.TIFF_NewSubfileType = 2;
  const auto bytes = WriteTiff(pages);
  const auto directories = ReadRawDirectories(bytes);
  ASSERT_EQ(directories.size(), 1u);
  const TRawDirectory& d = directories[0];
  EXPECT_EQ(d.Find(270)->count, 4u);
  EXPECT_EQ(d.Find(270)->value, 'S' | 'c' << 8 | 'a' << 16 | 'n' << 24);
  EXPECT_EQ(d.Find(269)->count, 14u);
  EXPECT_EQ(d.Find(269)->value % 2, 0u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + d.Find(269)->value)), "Rechnung 4711");
  EXPECT_EQ(d.Find(285)->count, 6u);
  EXPECT_EQ(d.Find(297)->count, 2u);
  EXPECT_EQ(d.Find(297)->value, 0u | 3u << 16);
  EXPECT_EQ(d.Find(286)->type, kRational);
  EXPECT_EQ(d.Find(287), nullptr);
  EXPECT_EQ(d.Find(254)->value, 2u);
  for (std::size_t i = 1; i < d.entries.size(); ++i) EXPECT_LT(d.entries[i - 1].tag, d.entries[i].tag);
  EXPECT_EQ(DecodeWithLibtiff(bytes).size(), 1u);
}

}  // namespace
}  // namespace quorvane::testing
