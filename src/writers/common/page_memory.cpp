#include "page_memory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace quorvane {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
}  // namespace

void* AllocatePageMemory(std::size_t bytes) {
  if (bytes < kHugePage) {
    void* memory = std::malloc(bytes == 0 ? 1 : bytes);
    if (!memory) throw std::bad_alloc();
    return memory;
  }
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (!memory) throw std::bad_alloc();
  // Only advice: where the kernel has no huge pages the memory works as usual.
  ::madvise(memory, rounded, MADV_HUGEPAGE);
  return memory;
}

void FreePageMemory(void* memory) noexcept { std::free(memory); }

}  // namespace quorvane
