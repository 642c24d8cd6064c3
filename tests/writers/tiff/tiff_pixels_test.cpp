// What we write decodes, with libtiff, to the pixels we wrote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tiff_test_support.h"

namespace quorvane::testing {
namespace {

struct PixelCase {
  const char* name;
  TPageKind kind;
  TIOTIFFCompression compression;
  int width;
  int height;
  int stripCount;  // TIFF_StripCount; 0 computes
};

void PrintTo(const PixelCase& c, std::ostream* os) { *os << c.name; }

class TiffPixels : public ::testing::TestWithParam<PixelCase> {};

TEST_P(TiffPixels, LibtiffDecodesThePixelsWritten) {
  const PixelCase& c = GetParam();
  std::vector<TPage> pages{MakeDocumentPage(c.width, c.height, c.kind)};
  pages[0].Params.TIFF_Compression = c.compression;
  pages[0].Params.TIFF_StripCount = c.stripCount;
  const TPageBitmap original = pages[0].Bitmap;

  const auto decoded = DecodeWithLibtiff(WriteTiff(pages));
  ASSERT_EQ(decoded.size(), 1u);
  const TDecodedPage& page = decoded[0];
  ASSERT_EQ(page.width, static_cast<std::uint32_t>(c.width));
  ASSERT_EQ(page.height, static_cast<std::uint32_t>(c.height));
  ASSERT_EQ(page.rows.size(), static_cast<std::size_t>(c.height));
  int mismatches = 0;
  for (int y = 0; y < c.height && mismatches < 5; ++y) {
    for (int x = 0; x < c.width && mismatches < 5; ++x) {
      if (SourcePixel(original, x, y) != DecodedPixel(page, x, y)) {
        ADD_FAILURE() << "pixel " << x << "," << y << " differs";
        ++mismatches;
      }
    }
  }
  // The page list's image is never changed by writing it.
  for (int y = 0; y < c.height; ++y)
    ASSERT_EQ(0, std::memcmp(original.Row(y), pages[0].Bitmap.Row(y), original.RowStride())) << "row " << y;
}

constexpr PixelCase kPixelCases[] = {
    {"BlackWhiteA4Uncompressed", TPageKind::BlackWhite, ioTIFF_UNCOMPRESSED, 2480, 3508, 0},
    {"BlackWhiteA4Group4", TPageKind::BlackWhite, ioTIFF_G4FAX, 2480, 3508, 0},
    {"BlackWhiteOddWidthUncompressed", TPageKind::BlackWhite, ioTIFF_UNCOMPRESSED, 1237, 301, 0},
    {"BlackWhiteOddWidthGroup4", TPageKind::BlackWhite, ioTIFF_G4FAX, 1237, 301, 0},
    {"BlackWhiteWidth1Group4", TPageKind::BlackWhite, ioTIFF_G4FAX, 1, 17, 0},
    {"BlackWhiteWidth9Height1Group4", TPageKind::BlackWhite, ioTIFF_G4FAX, 9, 1, 0},
    {"BlackWhiteHeight1Uncompressed", TPageKind::BlackWhite, ioTIFF_UNCOMPRESSED, 33, 1, 0},
    {"BlackWhiteManyStripsGroup4", TPageKind::BlackWhite, ioTIFF_G4FAX, 803, 211, 13},
    {"BlackWhiteManyStripsUncompressed", TPageKind::BlackWhite, ioTIFF_UNCOMPRESSED, 803, 211, 13},
    {"BlackWhiteLzw", TPageKind::BlackWhite, ioTIFF_LZW, 1001, 157, 0},
    {"GreyUncompressed", TPageKind::Grey, ioTIFF_UNCOMPRESSED, 1001, 157, 0},
    {"GreyLzw", TPageKind::Grey, ioTIFF_LZW, 1001, 157, 0},
    {"GreyLzwWidth1", TPageKind::Grey, ioTIFF_LZW, 1, 40, 0},
    {"GreyLzwHeight1", TPageKind::Grey, ioTIFF_LZW, 777, 1, 0},
    {"GreyLzwManyStrips", TPageKind::Grey, ioTIFF_LZW, 1240, 1754, 0},
    {"ColourUncompressed", TPageKind::Colour, ioTIFF_UNCOMPRESSED, 1001, 157, 0},
    {"ColourLzwPredictor", TPageKind::Colour, ioTIFF_LZW, 1001, 157, 0},
    {"ColourLzwWidth1", TPageKind::Colour, ioTIFF_LZW, 1, 40, 0},
    {"ColourLzwHeight1", TPageKind::Colour, ioTIFF_LZW, 1003, 1, 0},
    {"ColourLzwManyStrips", TPageKind::Colour, ioTIFF_LZW, 1240, 1754, 0},
    {"ColourLzwRequestedStrips", TPageKind::Colour, ioTIFF_LZW, 317, 97, 10},
};

INSTANTIATE_TEST_SUITE_P(Pages, TiffPixels, ::testing::ValuesIn(kPixelCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// A colour image written with one sample and few colours keeps every colour exactly in a palette.
TEST(TiffPalette, FewColoursAreKeptExactly) {
  std::vector<TPage> pages{MakeDocumentPage(300, 200, TPageKind::Colour)};
  pages[0].Params.SamplesPerPixel = 1;
  pages[0].Params.TIFF_Compression = ioTIFF_LZW;
  const auto decoded = DecodeWithLibtiff(WriteTiff(pages));
  ASSERT_EQ(decoded.size(), 1u);
  EXPECT_EQ(decoded[0].photometric, 3);
  EXPECT_FALSE(decoded[0].hasPredictorTag);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) ASSERT_EQ(SourcePixel(pages[0].Bitmap, x, y), DecodedPixel(decoded[0], x, y));
}

// With more colours than a palette holds, every pixel gets the nearest of an even spread of colours.
TEST(TiffPalette, ManyColoursComeClose) {
  TPage page;
  page.Bitmap = TPageBitmap(256, 64, pf24RGB);
  page.Params.SamplesPerPixel = 1;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 256; ++x) {
      std::uint8_t* p = page.Bitmap.Row(y) + 3 * x;
      p[0] = static_cast<std::uint8_t>(y * 4), p[1] = static_cast<std::uint8_t>(255 - x), p[2] = static_cast<std::uint8_t>(x);
    }
  std::vector<TPage> pages{page};
  const auto decoded = DecodeWithLibtiff(WriteTiff(pages));
  ASSERT_EQ(decoded.size(), 1u);
  EXPECT_EQ(decoded[0].photometric, 3);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 256; ++x) {
      const auto want = SourcePixel(page.Bitmap, x, y), got = DecodedPixel(decoded[0], x, y);
      ASSERT_LE(std::abs(want[0] - got[0]), 37) << x << "," << y;
      ASSERT_LE(std::abs(want[1] - got[1]), 37) << x << "," << y;
      ASSERT_LE(std::abs(want[2] - got[2]), 86) << x << "," << y;
    }
}

}  // namespace
}  // namespace quorvane::testing
