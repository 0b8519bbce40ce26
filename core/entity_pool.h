#pragma once

#include <cstddef>

namespace korvo {

// Storage for entities. A drawing holds up to millions of small objects of a few sizes, so
// they come from per-size free lists carved out of 64 KiB chunks instead of one heap
// allocation each: no per-object header, and a cleared drawing gives its chunks back.
// Single-threaded, like the drawing database. Under AddressSanitizer every object is an
// ordinary heap allocation so that misuse is still caught.
void* AllocateEntityStorage(std::size_t size);
void ReleaseEntityStorage(void* storage, std::size_t size) noexcept;

// Bytes currently taken from the heap by the pool (chunks in use), for measurements.
std::size_t EntityPoolFootprint();

}  // namespace korvo
