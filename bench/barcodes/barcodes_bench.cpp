// zbar's C++ wrappers use a name that ZXing-C++ defines as a macro: zbar first.
#include <zbar.h>

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>
#include <benchmark/benchmark.h>
#include <zint.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fixture_pages.h"
#include "scan/barcodes/page_code_reader.h"
#include "scan/blank/blank_page.h"
#include "writers/common/byte_sink.h"
#include "writers/common/multi_page_io.h"
#include "writers/pdf/pdf_document_writer.h"

namespace quorvane {
namespace {

using testing::TFixtureCode;
using testing::TFixtureColour;

using namespace zbar;  // the C interface lives in this namespace under C++

constexpr int kDpi = 300;

// One A4 page of each colour mode, with the codes a real stack carries.
const std::vector<TFixtureCode>& Codes() {
  static const std::vector<TFixtureCode> codes = {
      {BARCODE_CODE128, "RE-2020-4711", 0.33, 0, 155, 28},
      {BARCODE_CODE39, "LS-17", 0.3, 90, 200, 100},
      {BARCODE_QRCODE, "Lieferschein 0815", 0.5, 12, 150, 60},
      {BARCODE_DATAMATRIX, "DM-4711", 0.5, 270, 120, 62},
      {BARCODE_EANX, "400638133393", 0.33, 180, 150, 265},
      {BARCODE_CODE128, "INV-42", 0.4, 0, 55, 265, true},
  };
  return codes;
}

const std::set<std::string>& Expected() {
  static const std::set<std::string> expected = {"RE-2020-4711", "LS-17", "Lieferschein 0815", "DM-4711",
                                                 "4006381333931", "INV-42"};
  return expected;
}

const TPageBitmap& Page(int mode) {
  static std::map<int, TPageBitmap> pages;
  auto it = pages.find(mode);
  if (it == pages.end()) {
    it = pages.emplace(mode, testing::DrawDocumentPage(kDpi, TFixtureColour(mode), Codes())).first;
  }
  return it->second;
}

struct ReadyPage {
  TLuminanceImage grey;
  TCodeRegions regions;
};

const ReadyPage& Ready(int mode) {
  static std::map<int, ReadyPage> ready;
  auto it = ready.find(mode);
  if (it == ready.end()) {
    TLuminanceImage grey = PageLuminance(Page(mode).View());
    ReadyPage r{grey, FindCodeRegions(grey)};
    it = ready.emplace(mode, std::move(r)).first;
  }
  return it->second;
}

void CountMissed(benchmark::State& state, const std::set<std::string>& found) {
  int missed = 0;
  for (const std::string& code : Expected()) missed += found.count(code) == 0;
  state.counters["missed"] = missed;
}

std::set<std::string> Set(const QStringList& texts) {
  std::set<std::string> set;
  for (const QString& t : texts) set.insert(t.toStdString());
  return set;
}

// Our whole reader: grey conversion, region search, decoder passes.
void BM_ReadPageCodes(benchmark::State& state) {
  const TPageView view = Page(int(state.range(0))).View();
  QStringList texts;
  for (auto _ : state) texts = ReadPageCodes(view);
  CountMissed(state, Set(texts));
}

// The same decoder passes on a grey page and regions made ready beforehand.
void BM_DecoderPassesOnReadyGrey(benchmark::State& state) {
  const ReadyPage& ready = Ready(int(state.range(0)));
  QStringList texts;
  for (auto _ : state) texts = DecodeLuminance(ready.grey, ready.regions);
  CountMissed(state, Set(texts));
}

// Our pixel work before the decoder: grey conversion and region search.
void BM_OurPixelWork(benchmark::State& state) {
  const TPageView view = Page(int(state.range(0))).View();
  TLuminanceImage grey;
  for (auto _ : state) {
    PageLuminance(view, grey);
    benchmark::DoNotOptimize(FindCodeRegions(grey));
  }
}

// ZXing-C++ as it comes: one call on a ready grey buffer, every symbology.
void BM_BareZXingOnReadyGrey(benchmark::State& state) {
  const TLuminanceImage& grey = Ready(int(state.range(0))).grey;
  ZXing::DecodeHints hints;
  hints.setTryDownscale(false);  // the library's own downscaling asserts on linear codes (1.4)
  std::set<std::string> found;
  for (auto _ : state) {
    found.clear();
    for (const ZXing::Result& r :
         ZXing::ReadBarcodes({grey.pixels.data(), grey.width, grey.height, ZXing::ImageFormat::Lum}, hints)) {
      found.insert(r.text());
    }
  }
  CountMissed(state, found);
}

// zbar's reader on the same grey buffer, every symbology it knows (no Data Matrix).
void BM_ZBarOnReadyGrey(benchmark::State& state) {
  const TLuminanceImage& grey = Ready(int(state.range(0))).grey;
  zbar_image_scanner_t* scanner = zbar_image_scanner_create();
  zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
  std::set<std::string> found;
  for (auto _ : state) {
    found.clear();
    zbar_image_t* image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, unsigned(grey.width), unsigned(grey.height));
    zbar_image_set_data(image, grey.pixels.data(), grey.pixels.size(), nullptr);
    zbar_scan_image(scanner, image);
    for (const zbar_symbol_t* s = zbar_image_first_symbol(image); s; s = zbar_symbol_next(s)) {
      found.insert(zbar_symbol_get_data(s));
    }
    zbar_image_destroy(image);
  }
  zbar_image_scanner_destroy(scanner);
  CountMissed(state, found);
}

// A document page: the test stops as soon as the page cannot be blank.
void BM_BlankPageTest(benchmark::State& state) {
  const TPageView view = Page(int(state.range(0))).View();
  for (auto _ : state) benchmark::DoNotOptimize(IsBlankPage(view, 0.005));
}

// A blank page is read to its end.
void BM_BlankPageTestOnBlankPage(benchmark::State& state) {
  const TPageBitmap page = testing::DrawBlankPage(kDpi, TFixtureColour(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(IsBlankPage(page.View(), 0.005));
}

// The page written as a one-page PDF document as document saving codes it:
// Group 4 for black and white, JPEG for grey and colour.
void BM_WritePagePDF(benchmark::State& state) {
  TPage page{Page(int(state.range(0))), TIOParams{}};
  page.Params.PDF_Compression = page.Bitmap.PixelFormat() == pf1Bit ? ioPDF_G4FAX : ioPDF_JPEG;
  TPage* pages[] = {&page};
  std::vector<std::uint8_t> bytes;
  for (auto _ : state) {
    bytes.clear();
    VectorSink sink(bytes);
    TMultiPageIO io;
    io.Pages = pages;
    SaveToStreamPDF(sink, io, false);
  }
  state.counters["pdf_KiB"] = double(bytes.size()) / 1024;
}

void BM_CodeRegions(benchmark::State& state) {
  const ReadyPage& ready = Ready(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(FindCodeRegions(ready.grey));
  state.counters["matrix"] = double(ready.regions.matrix.size());
  state.counters["dark_ground"] = double(ready.regions.darkGround.size());
}

// 0 = black and white, 1 = grey, 2 = colour.
#define PAGE_MODES ->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ReadPageCodes) PAGE_MODES;
BENCHMARK(BM_DecoderPassesOnReadyGrey) PAGE_MODES;
BENCHMARK(BM_OurPixelWork) PAGE_MODES;
BENCHMARK(BM_CodeRegions) PAGE_MODES;
BENCHMARK(BM_BareZXingOnReadyGrey) PAGE_MODES;
BENCHMARK(BM_ZBarOnReadyGrey) PAGE_MODES;
BENCHMARK(BM_BlankPageTest) PAGE_MODES;
BENCHMARK(BM_BlankPageTestOnBlankPage) PAGE_MODES;
BENCHMARK(BM_WritePagePDF) PAGE_MODES;

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
