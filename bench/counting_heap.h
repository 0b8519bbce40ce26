#pragma once

// Every heap allocation of the benchmark program is counted, so that the memory of one step
// can be read. Include from exactly one file of a benchmark program: it replaces the global
// allocation functions.
#include <malloc.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace korvo::bench {

inline std::size_t g_heapInUse = 0;
inline std::size_t g_heapPeak = 0;

inline void* Counted(void* p) {
  if (p == nullptr) throw std::bad_alloc();
  g_heapInUse += malloc_usable_size(p);
  if (g_heapInUse > g_heapPeak) g_heapPeak = g_heapInUse;
  return p;
}

inline void Uncounted(void* p) noexcept {
  if (p == nullptr) return;
  g_heapInUse -= malloc_usable_size(p);
  std::free(p);
}

}  // namespace korvo::bench

void* operator new(std::size_t size) {
  return korvo::bench::Counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new[](std::size_t size) {
  return korvo::bench::Counted(std::malloc(size == 0 ? 1 : size));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p != nullptr) korvo::bench::Counted(p);
  return p;
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p != nullptr) korvo::bench::Counted(p);
  return p;
}
void operator delete(void* p) noexcept {
  korvo::bench::Uncounted(p);
}
void operator delete[](void* p) noexcept {
  korvo::bench::Uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
  korvo::bench::Uncounted(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  korvo::bench::Uncounted(p);
}
