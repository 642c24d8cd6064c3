// Saving page lists: the directory chain, appending, failures and the 4 GiB limit.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "tiff_test_support.h"
#include "writers/tiff/tiff_document.h"
#include "writers/tiff/tiff_ifd_writer.h"
#include "writers/tiff/tiff_page_writer.h"

namespace quorvane::testing {
namespace {

// Pages told apart by their width.
std::vector<TPage> PagesOfWidths(std::initializer_list<int> widths) {
  std::vector<TPage> pages;
  for (int width : widths) pages.push_back(MakeDocumentPage(width, 40, TPageKind::BlackWhite));
  return pages;
}

std::vector<std::uint32_t> DecodedWidths(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint32_t> widths;
  for (const TDecodedPage& page : DecodeWithLibtiff(bytes)) widths.push_back(page.width);
  return widths;
}

TEST(TiffDocument, AppendLinksAtTheImageIndex) {
  std::vector<TPage> pages = PagesOfWidths({10, 30});
  std::vector<std::uint8_t> bytes = WriteTiff(pages);
  TPage inserted = MakeDocumentPage(20, 40, TPageKind::BlackWhite);
  inserted.Params.TIFF_ImageIndex = 1;
  MemoryStream stream(bytes);
  WriteTIFFPage(stream, true, inserted.Bitmap, inserted.Params);
  EXPECT_EQ(DecodedWidths(bytes), (std::vector<std::uint32_t>{10, 20, 30}));

  inserted.Params.TIFF_ImageIndex = 0;  // in front of all
  stream.Seek(0);
  WriteTIFFPage(stream, true, inserted.Bitmap, inserted.Params);
  EXPECT_EQ(DecodedWidths(bytes), (std::vector<std::uint32_t>{20, 10, 20, 30}));
}

TEST(TiffDocument, HeaderStartsAtTheStreamPosition) {
  std::vector<TPage> pages = PagesOfWidths({17, 19});
  std::vector<TPage*> pointers{&pages[0], &pages[1]};
  TMultiPageIO io;
  io.Pages = pointers;
  std::vector<std::uint8_t> bytes{'j', 'u', 'n', 'k', '!'};
  MemoryStream stream(bytes);
  stream.Seek(5);
  ASSERT_TRUE(SaveToStreamTIFF(stream, io, false));
  EXPECT_EQ(pages[1].Params.TIFF_ImageIndex, 1);
  const std::vector<std::uint8_t> tiff(bytes.begin() + 5, bytes.end());
  EXPECT_EQ(DecodedWidths(tiff), (std::vector<std::uint32_t>{17, 19}));
}

TEST(TiffDocument, SelectedPagesInSelectionOrder) {
  std::vector<TPage> pages = PagesOfWidths({11, 12, 13});
  std::vector<TPage*> pointers{&pages[0], &pages[1], &pages[2]};
  TMultiPageIO io;
  io.Pages = pointers;
  io.Selection = std::vector<int>{2, 0};
  std::vector<std::uint8_t> bytes;
  MemoryStream stream(bytes);
  ASSERT_TRUE(SaveToStreamTIFF(stream, io, true));
  EXPECT_EQ(DecodedWidths(bytes), (std::vector<std::uint32_t>{13, 11}));
}

TEST(TiffDocument, ProgressPerPageAndAbortBetweenPages) {
  std::vector<TPage> pages = PagesOfWidths({11, 12, 13});
  std::vector<TPage*> pointers{&pages[0], &pages[1], &pages[2]};
  TMultiPageIO io;
  io.Pages = pointers;
  std::vector<int> reported;
  io.OnProgress = [&](int percent) {
    reported.push_back(percent);
    if (percent >= 66) io.Aborting = true;
  };
  std::vector<std::uint8_t> bytes;
  MemoryStream stream(bytes);
  EXPECT_FALSE(SaveToStreamTIFF(stream, io, false));
  EXPECT_EQ(reported, (std::vector<int>{33, 66}));
  EXPECT_EQ(DecodedWidths(bytes), (std::vector<std::uint32_t>{11, 12}));

  // An aborted save to a file leaves no file.
  const std::string path = ::testing::TempDir() + "aborted.tif";
  io.Aborting = false;
  EXPECT_FALSE(SaveToFileTIFF(path, io, false));
  EXPECT_FALSE(std::ifstream(path).good());
}

TEST(TiffDocument, NoPagesWriteNothing) {
  TMultiPageIO io;
  std::vector<std::uint8_t> bytes;
  MemoryStream stream(bytes);
  EXPECT_TRUE(SaveToStreamTIFF(stream, io, false));
  EXPECT_TRUE(bytes.empty());
}

TEST(TiffDocument, AppendingToAForeignStreamIsRefusedUnchanged) {
  TPage page = MakeDocumentPage(8, 8, TPageKind::BlackWhite);
  for (std::vector<std::uint8_t> bytes : {std::vector<std::uint8_t>{'M', 'M', 0, 42, 0, 0, 0, 8},
                                          std::vector<std::uint8_t>{'%', 'P', 'D', 'F'}, std::vector<std::uint8_t>{}}) {
    const auto before = bytes;
    MemoryStream stream(bytes);
    EXPECT_THROW(WriteTIFFPage(stream, true, page.Bitmap, page.Params), TTIFFError);
    EXPECT_EQ(bytes, before);
  }
}

TEST(TiffDocument, DamagedChainIsAnErrorNotALoop) {
  std::vector<TPage> pages = PagesOfWidths({10});
  std::vector<std::uint8_t> bytes = WriteTiff(pages);
  const std::uint32_t directory = ReadU32(bytes, 4);
  const std::size_t nextField = directory + 2 + 12 * ReadU16(bytes, directory);
  for (std::uint32_t next : {directory, 0x7FFFFFF0u}) {  // points at itself; points past the end
    for (int i = 0; i < 4; ++i) bytes[nextField + i] = static_cast<std::uint8_t>(next >> (8 * i));
    MemoryStream stream(bytes);
    pages[0].Params.TIFF_ImageIndex = 1000;  // walks the whole chain
    EXPECT_THROW(WriteTIFFPage(stream, true, pages[0].Bitmap, pages[0].Params), TTIFFError);
  }
}

// A sink that fails like a full disk after a number of bytes.
class FullDisk final : public SeekableSink {
 public:
  explicit FullDisk(std::size_t room) : room_(room), inner_(bytes_) {}
  void Write(const std::uint8_t* data, std::size_t size) override {
    if (inner_.Position() + size > room_) throw std::runtime_error("No space left on device");
    inner_.Write(data, size);
  }
  using ByteSink::Write;
  std::uint64_t Position() const override { return inner_.Position(); }
  void Seek(std::uint64_t position) override { inner_.Seek(position); }
  std::uint64_t Size() override { return inner_.Size(); }
  std::size_t Read(std::uint8_t* data, std::size_t size) override { return inner_.Read(data, size); }

 private:
  std::size_t room_;
  std::vector<std::uint8_t> bytes_;
  MemoryStream inner_;
};

TEST(TiffDocument, ShortWriteIsAnError) {
  std::vector<TPage> pages = PagesOfWidths({300, 300});
  std::vector<TPage*> pointers{&pages[0], &pages[1]};
  TMultiPageIO io;
  io.Pages = pointers;
  FullDisk disk(2000);
  EXPECT_THROW(SaveToStreamTIFF(disk, io, false), std::runtime_error);
}

// Positions beyond 4 GiB cannot be TIFF offsets.
class FarAway final : public SeekableSink {
 public:
  void Write(const std::uint8_t*, std::size_t size) override { position_ += size; }
  using ByteSink::Write;
  std::uint64_t Position() const override { return position_; }
  void Seek(std::uint64_t position) override { position_ = position; }
  std::uint64_t Size() override { return position_; }
  std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }

 private:
  std::uint64_t position_ = 0;
};

TEST(TiffDocument, RefusesToPass4GiB) {
  FarAway sink;
  TTIFFStream stream(sink, 0);
  sink.Seek(0xFFFFFFFFu);
  EXPECT_EQ(stream.Offset(), 0xFFFFFFFFu);
  sink.Seek(0x100000000u);
  EXPECT_THROW(stream.Offset(), TTIFFError);
  TTIFFIFDWriter ifd(stream);
  EXPECT_THROW(ifd.WriteSingleRational(282, 300), TTIFFError);
}

TEST(TiffDocument, UnsupportedRequestsAreClearErrors) {
  TPage colour = MakeDocumentPage(8, 8, TPageKind::Colour);
  colour.Params.TIFF_Compression = ioTIFF_G4FAX;
  TPage jpeg = MakeDocumentPage(8, 8, TPageKind::Colour);
  jpeg.Params.TIFF_Compression = ioTIFF_JPEG;
  TPage bwFromColour = MakeDocumentPage(8, 8, TPageKind::Colour);
  bwFromColour.Params.BitsPerSample = 1;
  TPage empty;
  for (TPage* page : {&colour, &jpeg, &bwFromColour, &empty}) {
    std::vector<std::uint8_t> bytes;
    MemoryStream stream(bytes);
    EXPECT_THROW(WriteTIFFPage(stream, false, page->Bitmap, page->Params), TTIFFError);
    EXPECT_TRUE(bytes.empty());
  }
}

TEST(TiffRational, WholeNumbersExactOthersByContinuedFraction) {
  struct Case {
    double value;
    std::uint32_t numerator, denominator;
  };
  const Case cases[] = {{300, 300, 1},  {0, 0, 1},       {0.5, 1, 2},         {1.0 / 3, 1, 3},
                        {72.25, 289, 4}, {1e-20, 1, 999999999}, {1e20, 999999999, 1}, {-5, 0, 1}};
  for (const Case& c : cases) {
    const TTIFFRational r = ToTIFFRational(c.value);
    EXPECT_EQ(r.numerator, c.numerator) << c.value;
    EXPECT_EQ(r.denominator, c.denominator) << c.value;
  }
  const TTIFFRational pi = ToTIFFRational(3.14159265358979);
  EXPECT_LT(std::fabs(static_cast<double>(pi.numerator) / pi.denominator - 3.14159265358979), 5e-9);
}

}  // namespace
}  // namespace quorvane::testing
