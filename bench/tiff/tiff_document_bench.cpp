// Writing scanned documents as multi-page TIFF files: the 50-page black-and-
// white A4 document at 300 dpi must take well under a second on one core, and
// the writer may hold no more than a row and the coder's state per page.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "document_page.h"
#include "writers/tiff/tiff_document.h"

namespace {

// Live and peak heap bytes, so the writer's own memory can be told from the pages'.
std::atomic<std::size_t> gLive{0};
std::atomic<std::size_t> gPeak{0};

void* Track(void* block) {
  if (!block) throw std::bad_alloc();
  const std::size_t live = gLive += malloc_usable_size(block);
  std::size_t peak = gPeak.load();
  while (live > peak && !gPeak.compare_exchange_weak(peak, live)) {
  }
  return block;
}

}  // namespace

// These replace the global allocation functions, so malloc and free are their own pair.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) { return Track(std::malloc(size == 0 ? 1 : size)); }
void* operator new[](std::size_t size) { return Track(std::malloc(size == 0 ? 1 : size)); }
void operator delete(void* block) noexcept {
  if (!block) return;
  gLive -= malloc_usable_size(block);
  std::free(block);
}
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }

namespace {

using quorvane::TPage;
using quorvane::testing::MakeDocumentPage;
using quorvane::testing::TPageKind;

std::string BenchFile() { return "/tmp/quorvane-bench-tiff-" + std::to_string(::getpid()) + ".tif"; }

void WriteDocument(benchmark::State& state, TPageKind kind, quorvane::TIOTIFFCompression compression, int pageCount) {
  TPage page = MakeDocumentPage(2480, 3508, kind);
  page.Params.TIFF_Compression = compression;
  std::vector<TPage> pages(static_cast<std::size_t>(pageCount), page);
  std::vector<TPage*> pointers;
  for (TPage& p : pages) pointers.push_back(&p);
  const std::string path = BenchFile();

  std::size_t writerPeak = 0;
  for (auto _ : state) {
    quorvane::TMultiPageIO io;
    io.Pages = pointers;
    const std::size_t before = gLive.load();
    gPeak = before;
    quorvane::SaveToFileTIFF(path, io, false);
    writerPeak = std::max(writerPeak, gPeak.load() - before);
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["pages"] = pageCount;
  state.counters["writer_heap_peak_KiB"] = static_cast<double>(writerPeak) / 1024;
  state.counters["page_images_MiB"] = static_cast<double>(pageCount) * page.Bitmap.RowStride() * 3508 / (1 << 20);
  state.counters["process_peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;
  std::remove(path.c_str());
}

void BM_BlackWhiteDocument50PagesGroup4(benchmark::State& state) {
  WriteDocument(state, TPageKind::BlackWhite, quorvane::ioTIFF_G4FAX, 50);
}
void BM_BlackWhiteBackup50PagesUncompressed(benchmark::State& state) {
  WriteDocument(state, TPageKind::BlackWhite, quorvane::ioTIFF_UNCOMPRESSED, 50);
}
void BM_ColourDocument5PagesLzw(benchmark::State& state) {
  WriteDocument(state, TPageKind::Colour, quorvane::ioTIFF_LZW, 5);
}

BENCHMARK(BM_BlackWhiteDocument50PagesGroup4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BlackWhiteBackup50PagesUncompressed)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColourDocument5PagesLzw)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
