#include <benchmark/benchmark.h>
#include <tiffio.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "document_pages.h"
#include "memory_tiff.h"
#include "writers/codecs/fax_encoder.h"
#include "writers/codecs/lzw_encoder.h"

namespace quorvane::codecs {
namespace {

constexpr int kWidth = 2480;  // A4 at 300 dpi
constexpr int kHeight = 3508;

const fixtures::Bilevel& BilevelPage() {
  static const fixtures::Bilevel page = fixtures::DocumentPage(kWidth, kHeight);
  return page;
}

const fixtures::Continuous& GreyPage() {
  static const fixtures::Continuous page = fixtures::GreyDocumentPage(kWidth, kHeight);
  return page;
}

const fixtures::Continuous& ColourPage() {
  static const fixtures::Continuous page = fixtures::ColourDocumentPage(kWidth, kHeight);
  return page;
}

// Counts the coded bytes and keeps none, like libtiff's side below.
class DiscardSink final : public ByteSink {
 public:
  void Write(const std::uint8_t*, std::size_t size) override { size_ += size; }
  using ByteSink::Write;
  std::size_t Size() const { return size_; }

 private:
  std::size_t size_ = 0;
};

void CountPage(benchmark::State& state, std::size_t inputBytes, std::size_t codedBytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * inputBytes));
  state.counters["coded_KiB"] = static_cast<double>(codedBytes) / 1024.0;
}

void FaxOurs(benchmark::State& state, FaxScheme scheme) {
  const fixtures::Bilevel& page = BilevelPage();
  std::size_t coded = 0;
  for (auto _ : state) {
    DiscardSink sink;
    FaxEncoder encoder(sink, page.width, scheme, FaxWhiteBit::Zero);
    for (int y = 0; y < page.height; ++y) encoder.EncodeRow(page.Row(y));
    encoder.Finish();
    coded = sink.Size();
  }
  CountPage(state, page.bits.size(), coded);
}

void FaxLibtiff(benchmark::State& state, std::uint16_t compression) {
  const fixtures::Bilevel& page = BilevelPage();
  fixtures::TiffLayout layout;
  layout.width = page.width;
  layout.height = page.height;
  layout.photometric = PHOTOMETRIC_MINISWHITE;
  layout.compression = compression;
  layout.t4Options = GROUP3OPT_2DENCODING;
  std::vector<std::uint8_t> rows = page.bits;
  std::size_t coded = 0;
  for (auto _ : state) coded = fixtures::EncodeWithLibtiff(layout, rows.data());
  CountPage(state, page.bits.size(), coded);
}

// With the predictor both sides start from a fresh copy of the page: we
// difference the rows as the TIFF writer does, libtiff in place.
void LzwOurs(benchmark::State& state, const fixtures::Continuous& page, bool difference) {
  fixtures::Continuous work = page;
  std::size_t coded = 0;
  for (auto _ : state) {
    if (difference) {
      work.bytes = page.bytes;
      fixtures::DifferenceRows(work);
    }
    DiscardSink sink;
    LzwEncoder encoder(sink);
    for (int y = 0; y < work.height; ++y) {
      encoder.Encode(work.bytes.data() + static_cast<std::size_t>(y) * work.RowBytes(), work.RowBytes());
    }
    encoder.Finish();
    coded = sink.Size();
  }
  CountPage(state, page.bytes.size(), coded);
}

void LzwLibtiff(benchmark::State& state, const fixtures::Continuous& page, bool difference) {
  fixtures::TiffLayout layout;
  layout.width = page.width;
  layout.height = page.height;
  layout.samplesPerPixel = page.samples;
  layout.bitsPerSample = 8;
  layout.photometric = page.samples == 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
  layout.compression = COMPRESSION_LZW;
  layout.predictor = difference ? PREDICTOR_HORIZONTAL : PREDICTOR_NONE;
  fixtures::Continuous work = page;
  std::size_t coded = 0;
  for (auto _ : state) {
    if (difference) work.bytes = page.bytes;
    coded = fixtures::EncodeWithLibtiff(layout, work.bytes.data());
  }
  CountPage(state, page.bytes.size(), coded);
}

double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

// Every case runs a few times; the fastest run counts, as the machine may
// be busy with other work.
void Register(const std::string& name, const std::function<void(benchmark::State&)>& run) {
  benchmark::RegisterBenchmark(name.c_str(), run)
      ->Unit(benchmark::kMillisecond)
      ->Repetitions(5)
      ->ComputeStatistics("min", Fastest)
      ->ReportAggregatesOnly(true);
}

void RegisterAll() {
  Register("G4/ours", [](benchmark::State& s) { FaxOurs(s, FaxScheme::Group4); });
  Register("G4/libtiff", [](benchmark::State& s) { FaxLibtiff(s, COMPRESSION_CCITTFAX4); });
  Register("G3_2D/ours", [](benchmark::State& s) { FaxOurs(s, FaxScheme::Group3TwoD); });
  Register("G3_2D/libtiff", [](benchmark::State& s) { FaxLibtiff(s, COMPRESSION_CCITTFAX3); });
  Register("LZW_grey/ours", [](benchmark::State& s) { LzwOurs(s, GreyPage(), false); });
  Register("LZW_grey/libtiff", [](benchmark::State& s) { LzwLibtiff(s, GreyPage(), false); });
  Register("LZW_colour/ours", [](benchmark::State& s) { LzwOurs(s, ColourPage(), false); });
  Register("LZW_colour/libtiff", [](benchmark::State& s) { LzwLibtiff(s, ColourPage(), false); });
  Register("LZW_colour_predictor/ours", [](benchmark::State& s) { LzwOurs(s, ColourPage(), true); });
  Register("LZW_colour_predictor/libtiff", [](benchmark::State& s) { LzwLibtiff(s, ColourPage(), true); });
}

// Prints the usual table, then how many times faster ours is for every
// "<name>/ours" and "<name>/libtiff" pair, by the fastest CPU time.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    for (const auto& [name, ours] : times_) {
      const auto slash = name.rfind("/ours");
      if (slash == std::string::npos) continue;
      const auto theirs = times_.find(name.substr(0, slash) + "/libtiff");
      if (theirs == times_.end() || ours <= 0) continue;
      std::printf("%-22s ours is %.2fx libtiff's throughput\n", name.substr(0, slash).c_str(), theirs->second / ours);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace quorvane::codecs

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  quorvane::codecs::RegisterAll();
  quorvane::codecs::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
