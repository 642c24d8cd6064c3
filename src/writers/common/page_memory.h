#pragma once

#include <cstddef>
#include <new>

namespace quorvane {

// Allocates page pixels. A scanned page is megabytes that are written once,
// row by row; on large buffers transparent huge pages cut the page faults of
// that first touch, which otherwise cost more than the scan itself.
void* AllocatePageMemory(std::size_t bytes);
void FreePageMemory(void* memory) noexcept;

template <class T>
struct TPageMemoryAllocator {
  using value_type = T;

  TPageMemoryAllocator() = default;
  template <class U>
  TPageMemoryAllocator(const TPageMemoryAllocator<U>&) noexcept {}

  T* allocate(std::size_t count) { return static_cast<T*>(AllocatePageMemory(count * sizeof(T))); }
  void deallocate(T* memory, std::size_t) noexcept { FreePageMemory(memory); }

  template <class U>
  bool operator==(const TPageMemoryAllocator<U>&) const noexcept { return true; }
};

}  // namespace quorvane
