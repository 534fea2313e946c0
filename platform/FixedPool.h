#pragma once
// Allocation of many small objects of one size (the areas of a document). A
// project holds up to hundreds of thousands of them; taking each from the
// general heap dominated the time to open and close it.
//
// Each thread keeps its own free list, so allocating and freeing take no lock.
// An object freed on another thread than the one that made it simply joins
// that thread's free list. Blocks are never returned to the system: they stay
// registered for reuse (and reachable, so leak checkers stay quiet).
#include <cstddef>
#include <new>

namespace zorva {

// Takes one block of `bytesPerBlock` from the system and records it.
void* AllocatePoolBlock(size_t bytesPerBlock);

template <size_t Size>
class CFixedPool {
  static_assert(Size >= sizeof(void*), "a free slot holds the link to the next one");

 public:
  static void* Allocate() {
    Slot*& head = FreeList();
    if (!head) Refill(head);
    Slot* s = head;
    head = s->next;
    return s;
  }

  static void Free(void* p) noexcept {
    if (!p) return;
    Slot*& head = FreeList();
    Slot* s = static_cast<Slot*>(p);
    s->next = head;
    head = s;
  }

 private:
  struct Slot {
    Slot* next;
  };
  // Pooled objects need no more than pointer alignment; packing them tightly
  // keeps a big project in fewer cache lines.
  static constexpr size_t kAlign = alignof(void*);
  static constexpr size_t kSlot = (Size + kAlign - 1) / kAlign * kAlign;
  static constexpr size_t kSlotsPerBlock = 4096;

  static Slot*& FreeList() {
    thread_local Slot* head = nullptr;
    return head;
  }

  static void Refill(Slot*& head) {
    char* block = static_cast<char*>(AllocatePoolBlock(kSlot * kSlotsPerBlock));
    for (size_t i = kSlotsPerBlock; i-- > 0;) {
      Slot* s = reinterpret_cast<Slot*>(block + i * kSlot);
      s->next = head;
      head = s;
    }
  }
};

// For a class's own operator new and delete: objects of exactly T's size come
// from the pool, anything else (a derived class) from the heap.
template <typename T>
void* PoolNew(size_t size) {
  return size == sizeof(T) ? CFixedPool<sizeof(T)>::Allocate() : ::operator new(size);
}
template <typename T>
void PoolDelete(void* p, size_t size) noexcept {
  if (size == sizeof(T))
    CFixedPool<sizeof(T)>::Free(p);
  else
    ::operator delete(p);
}

}  // namespace zorva
