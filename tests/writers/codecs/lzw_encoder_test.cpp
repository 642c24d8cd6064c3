#include "writers/codecs/lzw_encoder.h"

#include <gtest/gtest.h>
#include <tiffio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document_pages.h"
#include "memory_tiff.h"

namespace quorvane::codecs {
namespace {

using fixtures::Continuous;

std::vector<std::uint8_t> EncodeInChunks(const std::vector<std::uint8_t>& data, std::size_t chunk) {
  std::vector<std::uint8_t> coded;
  VectorSink sink(coded);
  LzwEncoder encoder(sink);
  for (std::size_t at = 0; at < data.size(); at += chunk) {
    encoder.Encode(data.data() + at, std::min(chunk, data.size() - at));
  }
  encoder.Finish();
  return coded;
}

// Rows fed one by one, as the writers do.
std::vector<std::uint8_t> EncodeRows(const Continuous& image) { return EncodeInChunks(image.bytes, image.RowBytes()); }

fixtures::TiffLayout LayoutOf(const Continuous& image, bool differenced) {
  fixtures::TiffLayout layout;
  layout.width = image.width;
  layout.height = image.height;
  layout.samplesPerPixel = image.samples;
  layout.bitsPerSample = 8;
  layout.photometric = image.samples == 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
  layout.compression = COMPRESSION_LZW;
  layout.predictor = differenced ? PREDICTOR_HORIZONTAL : PREDICTOR_NONE;
  return layout;
}

// Pseudo-random bytes: no string repeats often, so the table fills fastest.
std::vector<std::uint8_t> Scrambled(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::uint32_t state = 7;
  for (auto& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<std::uint8_t>(state >> 23);
  }
  return bytes;
}

struct LzwCase {
  std::string name;
  Continuous image;
  bool differenced;
};

void PrintTo(const LzwCase& lzwCase, std::ostream* out) { *out << lzwCase.name; }

Continuous Differenced(Continuous image) {
  fixtures::DifferenceRows(image);
  return image;
}

std::vector<LzwCase> LzwCases() {
  return {
      {"GreyA4Document", fixtures::GreyDocumentPage(2480, 3508), false},
      {"ColourDocument", fixtures::ColourDocumentPage(1240, 1754), false},
      {"ColourDocumentDifferenced", Differenced(fixtures::ColourDocumentPage(1240, 1754)), true},
      {"GreyDocumentDifferenced", Differenced(fixtures::GreyDocumentPage(999, 700)), true},
      {"ScrambledManyTableResets", {512, 2048, 1, Scrambled(512 * 2048)}, false},
      {"OnePixel", {1, 1, 1, {200}}, false},
      {"OneColourPixel", {1, 1, 3, {1, 2, 3}}, false},
      {"UniformLongRows", {60000, 3, 1, std::vector<std::uint8_t>(180000, 255)}, false},
  };
}

class LzwRoundTrip : public ::testing::TestWithParam<LzwCase> {};

// Differenced rows come back as the original rows: libtiff undoes predictor 2.
TEST_P(LzwRoundTrip, LibtiffDecodesTheSameSamples) {
  const LzwCase& c = GetParam();
  Continuous original = c.image;
  if (c.differenced) {
    for (int y = 0; y < original.height; ++y) {
      std::uint8_t* row = &original.bytes[static_cast<std::size_t>(y) * original.RowBytes()];
      for (std::size_t i = static_cast<std::size_t>(original.samples); i < original.RowBytes(); ++i) {
        row[i] = static_cast<std::uint8_t>(row[i] + row[i - original.samples]);
      }
    }
  }
  const auto decoded = fixtures::DecodeRows(fixtures::WrapCoded(LayoutOf(c.image, c.differenced), EncodeRows(c.image)));
  const auto mismatch = std::mismatch(original.bytes.begin(), original.bytes.end(), decoded.begin(), decoded.end());
  EXPECT_TRUE(mismatch.first == original.bytes.end() && mismatch.second == decoded.end())
      << "first difference at byte " << (mismatch.first - original.bytes.begin()) << " of " << original.bytes.size();
}

INSTANTIATE_TEST_SUITE_P(Images, LzwRoundTrip, ::testing::ValuesIn(LzwCases()),
                         [](const ::testing::TestParamInfo<LzwCase>& param) { return param.param.name; });

// One continuous code stream: how the input is cut up does not matter.
TEST(LzwEncoder, CodesTheSameStreamWhateverTheCallSizes) {
  const std::vector<std::uint8_t> data = Scrambled(30000);
  const auto whole = EncodeInChunks(data, data.size());
  for (std::size_t chunk : {1u, 7u, 4093u}) EXPECT_EQ(EncodeInChunks(data, chunk), whole) << chunk;
}

// libtiff stops reading once it has all the rows, so the end of the stream
// is checked by asking for one row more: it must then meet End of
// Information exactly one row short. The lengths walk the stream's end over
// every code-width switch and the table-full Clear.
TEST(LzwEncoder, EndsWithEndOfInformationAtTheReadersCodeWidth) {
  const std::vector<std::uint8_t> data = Scrambled(6000);
  for (std::size_t length = 1; length <= data.size(); ++length) {
    const std::vector<std::uint8_t> input(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length));
    const Continuous oneRow{static_cast<int>(length), 1, 1, input};
    fixtures::TiffLayout layout = LayoutOf(oneRow, false);
    layout.height = 2;
    const fixtures::Decoded decoded = fixtures::TryDecodeRows(fixtures::WrapCoded(layout, EncodeRows(oneRow)));
    ASSERT_NE(decoded.error.find("(short " + std::to_string(length) + " bytes)"), std::string::npos)
        << "length " << length << ": " << decoded.error;
    ASSERT_TRUE(std::equal(input.begin(), input.end(), decoded.rows.begin())) << "length " << length;
  }
}

TEST(LzwEncoder, EmptyInputIsClearThenEndOfInformation) {
  // 9-bit codes 256 and 257, then 0 bits to the byte boundary.
  EXPECT_EQ(EncodeInChunks({}, 1), (std::vector<std::uint8_t>{0x80, 0x40, 0x40}));
}

TEST(LzwEncoder, RejectsUseAfterFinish) {
  std::vector<std::uint8_t> coded;
  VectorSink sink(coded);
  LzwEncoder encoder(sink);
  encoder.Finish();
  const std::uint8_t byte = 0;
  EXPECT_THROW(encoder.Encode(&byte, 1), std::logic_error);
  EXPECT_THROW(encoder.Finish(), std::logic_error);
}

}  // namespace
}  // namespace quorvane::codecs
