#include "writers/codecs/fax_encoder.h"

#include <gtest/gtest.h>
#include <tiffio.h>

#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "document_pages.h"
#include "memory_tiff.h"

namespace quorvane::codecs {
namespace {

using fixtures::Bilevel;

std::vector<std::uint8_t> Encode(const Bilevel& image, FaxScheme scheme, FaxWhiteBit white) {
  std::vector<std::uint8_t> coded;
  VectorSink sink(coded);
  FaxEncoder encoder(sink, image.width, scheme, white);
  const Bilevel stored = white == FaxWhiteBit::One ? image.Inverted() : image;
  for (int y = 0; y < image.height; ++y) encoder.EncodeRow(stored.Row(y));
  encoder.Finish();
  return coded;
}

// libtiff decodes the data; black runs come back as 1 bits.
Bilevel DecodeWithLibtiff(const std::vector<std::uint8_t>& coded, int width, int height, FaxScheme scheme) {
  fixtures::TiffLayout layout;
  layout.width = width;
  layout.height = height;
  layout.photometric = PHOTOMETRIC_MINISWHITE;
  layout.compression = scheme == FaxScheme::Group4 ? COMPRESSION_CCITTFAX4 : COMPRESSION_CCITTFAX3;
  layout.t4Options = GROUP3OPT_2DENCODING;
  Bilevel decoded(width, height);
  decoded.bits = fixtures::DecodeRows(fixtures::WrapCoded(layout, coded));
  return decoded;
}

// The first differing pixel, or an empty string.
std::string FirstDifference(const Bilevel& expected, const Bilevel& actual) {
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      if (expected.Black(x, y) != actual.Black(x, y)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  return {};
}

struct ImageCase {
  std::string name;
  std::function<Bilevel()> draw;
};

void PrintTo(const ImageCase& imageCase, std::ostream* out) { *out << imageCase.name; }

Bilevel Pattern(int width, int height, const std::function<bool(int, int)>& black) {
  Bilevel image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (black(x, y)) image.SetBlack(x, y);
    }
  }
  return image;
}

// Rows of the given runs; each row rotates the list and swaps the colours,
// so every run appears in both colours and 2-D rows need horizontal mode.
Bilevel Runs(const std::vector<int>& runs, int height) {
  int width = 0;
  for (int run : runs) width += run;
  Bilevel image(width, height);
  for (int y = 0; y < height; ++y) {
    int x = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
      const int length = runs[(i + static_cast<std::size_t>(y)) % runs.size()];
      if ((i + static_cast<std::size_t>(y)) % 2 == 1) image.FillRect(x, y, x + length, y + 1);
      x += length;
    }
  }
  return image;
}

std::vector<int> Range(int first, int last, int step) {
  std::vector<int> values;
  for (int value = first; value <= last; value += step) values.push_back(value);
  return values;
}

// Every make-up code (64..2560) with a different terminating remainder.
std::vector<int> MakeUpRuns() {
  std::vector<int> runs;
  for (int k = 1; k <= 40; ++k) runs.push_back(k * 64 + (k * 3) % 64);
  return runs;
}

Bilevel Text(int width, int height) { return fixtures::DocumentPage(width, height); }

std::vector<ImageCase> ImageCases() {
  std::vector<ImageCase> cases = {
      {"A4Document", [] { return Text(2480, 3508); }},
      {"OddWidthDocument", [] { return Text(2481, 400); }},
      {"HeightOne", [] { return Pattern(300, 1, [](int x, int) { return x % 37 < 5; }); }},
      {"AllWhite", [] { return Bilevel(2480, 40); }},
      {"AllBlack", [] { return Pattern(2480, 40, [](int, int) { return true; }); }},
      {"Checkerboard", [] { return Pattern(2481, 30, [](int x, int y) { return (x + y) % 2 == 1; }); }},
      {"StripedColumns", [] { return Pattern(999, 20, [](int x, int) { return x % 2 == 0; }); }},
      {"StripedRows", [] { return Pattern(64, 20, [](int, int y) { return y % 2 == 0; }); }},
      {"ShortRuns", [] { return Runs(Range(1, 140, 1), 6); }},
      {"MakeUpRuns", [] { return Runs(MakeUpRuns(), 4); }},
      // Several make-up codes of 2560 in one run, and the boundaries around it.
      {"LongRuns",
       [] {
         return Runs({2559, 2560, 2561, 2623, 2624, 5119, 5120, 5121, 7777, 1792, 1, 2560}, 4);
       }},
      {"BlackFirstPixelWhiteRest", [] { return Pattern(100, 5, [](int x, int y) { return x == 0 && y != 2; }); }},
      {"StaircaseShifts", [] { return Pattern(200, 60, [](int x, int y) { return (x + y * (y % 5)) % 50 < 20; }); }},
  };
  for (int width : {1, 7, 8, 9, 31, 33, 63, 64, 65}) {
    cases.push_back({"Width" + std::to_string(width),
                     [width] { return Pattern(width, 9, [](int x, int y) { return (x * 3 + y * y) % 7 < 3; }); }});
  }
  return cases;
}

using RoundTripParam = std::tuple<ImageCase, FaxScheme, FaxWhiteBit>;

class FaxRoundTrip : public ::testing::TestWithParam<RoundTripParam> {};

TEST_P(FaxRoundTrip, LibtiffDecodesTheSamePixels) {
  const auto& [imageCase, scheme, white] = GetParam();
  const Bilevel image = imageCase.draw();
  const Bilevel decoded = DecodeWithLibtiff(Encode(image, scheme, white), image.width, image.height, scheme);
  EXPECT_EQ(FirstDifference(image, decoded), "");
}

std::string RoundTripName(const ::testing::TestParamInfo<RoundTripParam>& param) {
  const auto& [imageCase, scheme, white] = param.param;
  return imageCase.name + (scheme == FaxScheme::Group4 ? "_G4" : "_G3") +
         (white == FaxWhiteBit::Zero ? "_WhiteZero" : "_WhiteOne");
}

INSTANTIATE_TEST_SUITE_P(Images, FaxRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(ImageCases()),
                                            ::testing::Values(FaxScheme::Group4, FaxScheme::Group3TwoD),
                                            ::testing::Values(FaxWhiteBit::Zero, FaxWhiteBit::One)),
                         RoundTripName);

// The closing codes are not checked by libtiff, which stops after the last row.
TEST(FaxEncoder, ClosesTheDataWithItsEndCodesAndZeroFill) {
  const Bilevel white(8, 1);
  // Group 4: V0 for the blank row, then EOL EOL, then 7 fill bits.
  EXPECT_EQ(Encode(white, FaxScheme::Group4, FaxWhiteBit::Zero), (std::vector<std::uint8_t>{0x80, 0x08, 0x00, 0x80}));
  // Group 3: EOL + tag 1, white run 8 (10011), EOL, then 2 fill bits.
  EXPECT_EQ(Encode(white, FaxScheme::Group3TwoD, FaxWhiteBit::Zero),
            (std::vector<std::uint8_t>{0x00, 0x1C, 0xC0, 0x04}));
}

// Rows come from images whose row padding holds anything; both padding
// values are tried in both bit senses.
TEST(FaxEncoder, IgnoresBitsPastTheWidth) {
  for (int width : {1, 7, 9, 63, 65, 2481}) {
    const Bilevel image = Pattern(width, 5, [](int x, int y) { return (x + y) % 3 == 0; });
    Bilevel padded = image;
    for (int y = 0; y < padded.height; ++y) {
      for (int x = width; x < padded.stride * 8; ++x) {
        padded.bits[static_cast<std::size_t>(y) * padded.stride + (x >> 3)] |=
            static_cast<std::uint8_t>(0x80 >> (x & 7));
      }
    }
    for (const FaxScheme scheme : {FaxScheme::Group4, FaxScheme::Group3TwoD}) {
      for (const FaxWhiteBit white : {FaxWhiteBit::Zero, FaxWhiteBit::One}) {
        EXPECT_EQ(Encode(padded, scheme, white), Encode(image, scheme, white)) << "width " << width;
      }
    }
  }
}

TEST(FaxEncoder, RejectsBadUse) {
  std::vector<std::uint8_t> coded;
  VectorSink sink(coded);
  EXPECT_THROW(FaxEncoder(sink, 0, FaxScheme::Group4, FaxWhiteBit::Zero), std::invalid_argument);
  EXPECT_THROW(FaxEncoder(sink, std::numeric_limits<int>::max(), FaxScheme::Group4, FaxWhiteBit::Zero),
               std::invalid_argument);
  FaxEncoder encoder(sink, 8, FaxScheme::Group4, FaxWhiteBit::Zero);
  encoder.Finish();
  const std::uint8_t row = 0;
  EXPECT_THROW(encoder.EncodeRow(&row), std::logic_error);
  EXPECT_THROW(encoder.Finish(), std::logic_error);
}

}  // namespace
}  // namespace quorvane::codecs
