// Acquisition must not be the slow part of a job: pages per second from SANE's
// test backend into the page list, against scanimage writing the same scan
// (feeder, A4, 150 dpi) to /dev/null, in one run. The page list holds every
// page as a 1-bit or 24-bit image in memory, which scanimage never does; the
// third benchmark takes the time of just that memory for the same ten pages.
#include <benchmark/benchmark.h>

#include <QString>

#include <cstdlib>
#include <string>

#include "scan/acquisition/scanner_sources.h"
#include "scan/page_list.h"

namespace {

constexpr int kDpi = 150;

struct TMode {
  int Farbe;
  const char* ScanimageArgs;
};

constexpr TMode kModes[] = {
    {1, "--mode Gray --depth 1"},
    {3, "--mode Gray --depth 8"},
    {2, "--mode Color --depth 8"},
};

void ReportPages(benchmark::State& state, std::int64_t pages) {
  state.counters["pages_per_second"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}

void BM_AcquireIntoPageList(benchmark::State& state) {
  const TMode& mode = kModes[state.range(0)];
  std::int64_t pages = 0;
  for (auto _ : state) {
    auto source = quorvane::OpenScanner(QStringLiteral("test:0"));
    quorvane::TScanSettings settings;
    settings.Farbe = mode.Farbe;
    settings.DPI = kDpi;
    settings.InputSize = 1;
    source->Prepare(settings);
    quorvane::TPageList list;
    pages += source->Acquire([&](quorvane::TPage&& page) { list.AddPage(std::move(page)); }).PageCount;
    benchmark::DoNotOptimize(list.PageCount());
  }
  ReportPages(state, pages);
}

void BM_ScanimageToDevNull(benchmark::State& state) {
  const TMode& mode = kModes[state.range(0)];
  const std::string command = std::string("scanimage -d test:0 --source 'Automatic Document Feeder' ") +
                              mode.ScanimageArgs + " --resolution " + std::to_string(kDpi) +
                              " -l 0 -t 0 -x 210 -y 297 --batch=/dev/null 2>/dev/null";
  std::int64_t pages = 0;
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("scanimage failed");
      return;
    }
    pages += 10;  // the test backend's feeder holds ten sheets
  }
  ReportPages(state, pages);
}

void BM_NewPageMemory(benchmark::State& state) {
  const quorvane::TPagePixelFormat format = kModes[state.range(0)].Farbe == 1 ? quorvane::pf1Bit : quorvane::pf24RGB;
  const int width = static_cast<int>(210 / 25.4 * kDpi);
  const int height = static_cast<int>(297 / 25.4 * kDpi);
  std::int64_t pages = 0;
  for (auto _ : state) {
    quorvane::TPageList list;
    for (int i = 0; i < 10; ++i) list.AddPage(quorvane::TPage{quorvane::TPageBitmap(width, height, format), {}});
    benchmark::DoNotOptimize(list.PageCount());
    pages += 10;
  }
  ReportPages(state, pages);
}

// 0: black and white, 1: grey, 2: colour.
BENCHMARK(BM_AcquireIntoPageList)->DenseRange(0, 2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanimageToDevNull)->DenseRange(0, 2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewPageMemory)->DenseRange(0, 2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The project's SANE folder alone: the test backend, nothing else to probe.
  setenv("SANE_CONFIG_DIR", QUORVANE_BENCH_SANE_CONFIG, 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
