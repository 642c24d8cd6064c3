// Writes ten-page A4 documents at 300 dpi (2480 x 3508) to a file, the way
// document saving codes them: black and white in Group 4, grey and colour
// in JPEG quality 80 with optimised Huffman tables. Every page of a document
// shows the same image, so the page images themselves take the memory of one
// page; writer_peak_MiB is how far the resident size rises above that while
// documents are written.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fixture_pages.h"
#include "writers/pdf/pdf_document_writer.h"

namespace quorvane {
namespace {

constexpr int kWidth = 2480;
constexpr int kHeight = 3508;
constexpr int kPagesPerDocument = 10;

enum Mode { kBlackAndWhite, kGrey, kColour };

TPageBitmap FixturePage(Mode mode) {
  if (mode == kBlackAndWhite) return test::DrawLetterPage(kWidth, kHeight, pf1Bit);
  TPageBitmap page = test::DrawLetterPage(kWidth, kHeight, pf24RGB);
  if (mode == kGrey) {
    // Grey scans arrive as 24-bit pages with three equal samples.
    for (int y = 0; y < kHeight; ++y) {
      std::uint8_t* p = page.Row(y);
      for (int x = 0; x < kWidth; ++x, p += 3) p[0] = p[1] = p[2] = static_cast<std::uint8_t>((p[0] + 2 * p[1] + p[2]) / 4);
    }
  }
  return page;
}

// A field of /proc/self/status in MiB ("VmRSS", "VmHWM").
double StatusMiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024;
  }
  return 0;
}

// Lets the peak resident size start again from the current one.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_WriteA4Document(benchmark::State& state) {
  const auto mode = static_cast<Mode>(state.range(0));
  TPage page{FixturePage(mode), {}};
  page.Params.BitsPerSample = mode == kBlackAndWhite ? 1 : 8;
  page.Params.PDF_Compression = mode == kBlackAndWhite ? ioPDF_G4FAX : ioPDF_JPEG;
  page.Params.JPEG_Quality = 80;
  page.Params.JPEG_OptimalHuffman = true;
  page.Params.PDF_Title = "Benchmark.pdf";
  page.Params.PDF_Creator = "Kestrow's Quorvane 3";
  const std::vector<TPage*> pages(kPagesPerDocument, &page);
  TMultiPageIO io;
  io.Pages = pages;

  const std::string path = (std::filesystem::temp_directory_path() /
                            ("qv-bench-" + std::to_string(::getpid()) + ".pdf")).string();
  ResetPeak();
  const double residentBefore = StatusMiB("VmRSS");
  for (auto _ : state) SaveToFilePDF(path, io, false);
  state.counters["pages_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kPagesPerDocument), benchmark::Counter::kIsRate);
  state.counters["KiB_per_page"] = static_cast<double>(std::filesystem::file_size(path)) / 1024 / kPagesPerDocument;
  state.counters["peak_MiB"] = StatusMiB("VmHWM");
  state.counters["writer_peak_MiB"] = StatusMiB("VmHWM") - residentBefore;
  std::remove(path.c_str());
}

BENCHMARK(BM_WriteA4Document)
    ->ArgName("mode")  // 0 black and white G4, 1 grey JPEG, 2 colour JPEG
    ->Arg(kBlackAndWhite)
    ->Arg(kGrey)
    ->Arg(kColour)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
