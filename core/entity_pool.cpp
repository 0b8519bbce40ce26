#include "core/entity_pool.h"

#include <array>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define KORVO_POOL_DISABLED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVO_POOL_DISABLED 1
#endif
#endif

namespace korvo {
namespace {

constexpr std::size_t kGranule = 8;
constexpr std::size_t kLargestPooled = 512;
[[maybe_unused]] constexpr std::size_t kChunkBytes = 64 * 1024;

struct FreeSlot {
  FreeSlot* next;
};

// One size class: chunks carved into equal slots, a free list, and a count of live slots so
// that the chunks can go back to the heap when the last object of the class is released.
struct SizeClass {
  std::vector<char*> chunks;
  FreeSlot* free = nullptr;
  char* cursor = nullptr;  // unused tail of the newest chunk
  char* limit = nullptr;
  std::size_t live = 0;
};

struct Pool {
  std::array<SizeClass, kLargestPooled / kGranule + 1> classes;
  std::size_t footprint = 0;
};

// Never destroyed: entities owned by static objects may be released during exit.
Pool& ThePool() {
  static Pool* pool = new Pool;
  return *pool;
}

}  // namespace

void* AllocateEntityStorage(std::size_t size) {
#ifdef KORVO_POOL_DISABLED
  return ::operator new(size);
#else
  if (size > kLargestPooled) return ::operator new(size);
  Pool& pool = ThePool();
  const std::size_t rounded = (size + kGranule - 1) / kGranule * kGranule;
  SizeClass& sizeClass = pool.classes[rounded / kGranule];
  ++sizeClass.live;
  if (sizeClass.free != nullptr) {
    FreeSlot* slot = sizeClass.free;
    sizeClass.free = slot->next;
    return slot;
  }
  if (sizeClass.cursor == nullptr || sizeClass.cursor + rounded > sizeClass.limit) {
    char* chunk = static_cast<char*>(::operator new(kChunkBytes));
    sizeClass.chunks.push_back(chunk);
    pool.footprint += kChunkBytes;
    sizeClass.cursor = chunk;
    sizeClass.limit = chunk + kChunkBytes;
  }
  void* storage = sizeClass.cursor;
  sizeClass.cursor += rounded;
  return storage;
#endif
}

void ReleaseEntityStorage(void* storage, std::size_t size) noexcept {
  if (storage == nullptr) return;
#ifdef KORVO_POOL_DISABLED
  (void)size;
  ::operator delete(storage);
#else
  if (size > kLargestPooled) {
    ::operator delete(storage);
    return;
  }
  Pool& pool = ThePool();
  const std::size_t rounded = (size + kGranule - 1) / kGranule * kGranule;
  SizeClass& sizeClass = pool.classes[rounded / kGranule];
  if (--sizeClass.live == 0) {
    for (char* chunk : sizeClass.chunks) ::operator delete(chunk);
    pool.footprint -= sizeClass.chunks.size() * kChunkBytes;
    sizeClass = SizeClass{};
    return;
  }
  auto* slot = static_cast<FreeSlot*>(storage);
  slot->next = sizeClass.free;
  sizeClass.free = slot;
#endif
}

std::size_t EntityPoolFootprint() {
  return ThePool().footprint;
}

}  // namespace korvo
