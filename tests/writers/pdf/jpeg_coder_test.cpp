// The JPEG coder's settings, read back from the markers it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

#include "fixture_pages.h"
#include "writers/pdf/jpeg_coder.h"

namespace quorvane {
namespace {

struct Segment {
  std::uint8_t marker;
  std::vector<std::uint8_t> data;  // without the length field
};

// Marker segments up to the first scan, then the scan markers themselves.
std::vector<Segment> Segments(const std::vector<std::uint8_t>& jpeg) {
  std::vector<Segment> segments;
  EXPECT_GE(jpeg.size(), 4u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  std::size_t at = 2;
  while (at + 4 <= jpeg.size()) {
    if (jpeg[at] != 0xFF) {  // entropy-coded data: skip to the next real marker
      ++at;
      continue;
    }
    const std::uint8_t marker = jpeg[at + 1];
    if (marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0xFF) {
      ++at;
      continue;
    }
    if (marker == 0xD9) break;
    const std::size_t length = (jpeg[at + 2] << 8) | jpeg[at + 3];
    segments.push_back({marker, std::vector<std::uint8_t>(jpeg.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                                          jpeg.begin() + static_cast<std::ptrdiff_t>(at + 2 + length))});
    at += 2 + length;
  }
  EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
  EXPECT_EQ(jpeg.back(), 0xD9);
  return segments;
}

const Segment* Find(const std::vector<Segment>& segments, std::uint8_t marker) {
  for (const Segment& s : segments)
    if (s.marker == marker) return &s;
  return nullptr;
}

std::vector<std::uint8_t> Encode(const TPageBitmap& page, const TIOParams& params, const TProgressRecord& progress = {}) {
  std::vector<std::uint8_t> bytes;
  VectorSink sink(bytes);
  EncodeJPEG(page, params, sink, progress);
  return bytes;
}

class JpegCoder : public ::testing::Test {
 protected:
  const TPageBitmap page_ = test::DrawLetterPage(203, 287, pf24RGB);
};

TEST_F(JpegCoder, SamplingFactorsAndColourSpaces) {
  const struct {
    TIOJPEGColorspace space;
    TIOJPEGCromaSubsampling subsampling;
    int components;
    int luminance;  // horizontal << 4 | vertical
  } cases[] = {
      {ioJPEG_YCbCr, ioJPEG_HIGH, 3, 0x22},  {ioJPEG_YCbCr, ioJPEG_MEDIUM, 3, 0x21},
      {ioJPEG_YCbCr, ioJPEG_NONE, 3, 0x11},  {ioJPEG_RGB, ioJPEG_HIGH, 3, 0x11},
      {ioJPEG_GRAYLEV, ioJPEG_HIGH, 1, 0x11}, {ioJPEG_CMYK, ioJPEG_HIGH, 3, 0x22},  // a PDF page is never CMYK
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.space) * 10 + c.subsampling);
    TIOParams params;
    params.JPEG_ColorSpace = c.space;
    params.JPEG_CromaSubsampling = c.subsampling;
    const auto segments = Segments(Encode(page_, params));
    const Segment* frame = Find(segments, 0xC0);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->data[0], 8);  // 8-bit samples
    EXPECT_EQ((frame->data[1] << 8) | frame->data[2], 287);
    EXPECT_EQ((frame->data[3] << 8) | frame->data[4], 203);
    ASSERT_EQ(frame->data[5], c.components);
    EXPECT_EQ(frame->data[7], c.luminance);
    for (int k = 1; k < c.components; ++k) EXPECT_EQ(frame->data[7 + 3 * k], 0x11);
  }
}

TEST_F(JpegCoder, QualityUsesBaselineTables) {
  std::map<int, std::vector<std::uint8_t>> tables;
  for (const int quality : {80, 5, 100}) {
    TIOParams params;
    params.JPEG_Quality = quality;
    const auto segments = Segments(Encode(page_, params));
    const Segment* dqt = Find(segments, 0xDB);
    ASSERT_NE(dqt, nullptr);
    EXPECT_EQ(dqt->data[0] >> 4, 0);  // 8-bit entries: baseline
    tables[quality] = dqt->data;
  }
  EXPECT_EQ(tables[80][1], 6);     // 16 scaled by 40 %
  EXPECT_EQ(tables[100][1], 1);
  EXPECT_EQ(tables[5][1], 160);    // 16 x 10
  // 99 x 10 and the like are clamped to the baseline limit.
  EXPECT_EQ(*std::max_element(tables[5].begin() + 1, tables[5].begin() + 65), 255);
}

TEST_F(JpegCoder, HuffmanProgressiveDctAndSmoothingChangeTheCoding) {
  TIOParams plain;
  const auto reference = Encode(page_, plain);
  EXPECT_NE(Find(Segments(reference), 0xC0), nullptr);

  TIOParams optimal;
  optimal.JPEG_OptimalHuffman = true;
  const auto optimised = Encode(page_, optimal);
  EXPECT_LT(optimised.size(), reference.size());

  TIOParams progressive;
  progressive.JPEG_Progressive = true;
  const auto segments = Segments(Encode(page_, progressive));
  EXPECT_NE(Find(segments, 0xC2), nullptr);
  EXPECT_EQ(Find(segments, 0xC0), nullptr);

  for (const TIOJPEGDCTMethod method : {ioJPEG_IFAST, ioJPEG_FLOAT}) {
    TIOParams params;
    params.JPEG_DCTMethod = method;
    EXPECT_NE(Encode(page_, params), reference) << static_cast<int>(method);
  }
  TIOParams smooth;
  smooth.JPEG_Smooth = 50;
  EXPECT_NE(Encode(page_, smooth), reference);
}

TEST_F(JpegCoder, DensityInDotsPerInch) {
  const struct {
    int dpiX, dpiY, densityX, densityY;
  } cases[] = {{300, 300, 300, 300}, {200, 100, 200, 100}, {0, 0, 300, 300}, {600, 0, 600, 300}};
  for (const auto& c : cases) {
    TIOParams params;
    params.DpiX = c.dpiX;
    params.DpiY = c.dpiY;
    const auto segments = Segments(Encode(page_, params));
    const Segment* jfif = Find(segments, 0xE0);
    ASSERT_NE(jfif, nullptr);
    EXPECT_EQ(std::string(jfif->data.begin(), jfif->data.begin() + 5), std::string("JFIF\0", 5));
    EXPECT_EQ(jfif->data[7], 1);  // dots per inch
    EXPECT_EQ((jfif->data[8] << 8) | jfif->data[9], c.densityX);
    EXPECT_EQ((jfif->data[10] << 8) | jfif->data[11], c.densityY);
  }
}

TEST_F(JpegCoder, MarkerListWithoutAdobeMarkers) {
  TIOParams params;
  params.JPEG_MarkerList.push_back({0xFE, {'s', 'c', 'a', 'n'}});
  params.JPEG_MarkerList.push_back({0xEE, {'A', 'd', 'o', 'b', 'e'}});
  params.JPEG_MarkerList.push_back({0xE1, {'E', 'x', 'i', 'f', 0, 0}});
  const auto segments = Segments(Encode(page_, params));
  const Segment* comment = Find(segments, 0xFE);
  ASSERT_NE(comment, nullptr);
  EXPECT_EQ(comment->data, (std::vector<std::uint8_t>{'s', 'c', 'a', 'n'}));
  EXPECT_NE(Find(segments, 0xE1), nullptr);
  EXPECT_EQ(Find(segments, 0xEE), nullptr);

  params.JPEG_MarkerList.push_back({0xE2, std::vector<std::uint8_t>(70000, 1)});
  EXPECT_THROW(Encode(page_, params), std::runtime_error);
}

TEST_F(JpegCoder, TransparentPixelsBecomeWhite) {
  TPageBitmap transparent = page_;
  transparent.AddAlpha(0);
  TPageBitmap white(203, 287, pf24RGB);
  TIOParams params;
  EXPECT_EQ(Encode(transparent, params), Encode(white, params));
  transparent.AddAlpha(255);
  EXPECT_EQ(Encode(transparent, params), Encode(page_, params));
}

TEST_F(JpegCoder, BilevelInputIsCodedAsColour) {
  TIOParams params;
  const TPageBitmap bilevel = test::DrawLetterPage(203, 287, pf1Bit);
  EXPECT_EQ(Encode(bilevel, params), Encode(bilevel.ToRGB24(), params));
}

TEST_F(JpegCoder, ProgressPerRowAndFailuresReported) {
  std::vector<int> reports;
  TProgressRecord progress;
  progress.OnProgress = [&](int percent) { reports.push_back(percent); };
  TIOParams params;
  Encode(page_, params, progress);
  ASSERT_EQ(reports.size(), 287u);
  EXPECT_EQ(reports.back(), 100);

  struct FailingSink final : ByteSink {
    void Write(const std::uint8_t*, std::size_t) override { throw std::runtime_error("disk full"); }
  } failing;
  EXPECT_THROW(EncodeJPEG(page_, params, failing, {}), std::runtime_error);
}

}  // namespace
}  // namespace quorvane
