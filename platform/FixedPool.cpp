#include "platform/FixedPool.h"

#include <cstdlib>
#include <mutex>
#include <vector>

namespace zorva {

void* AllocatePoolBlock(size_t bytesPerBlock) {
  // The registry lives for the whole process on purpose: blocks may hold
  // objects of any thread until the very end.
  static std::mutex* mutex = new std::mutex;
  static std::vector<void*>* blocks = new std::vector<void*>;
  void* block = std::malloc(bytesPerBlock);
  if (!block) throw std::bad_alloc();
  std::lock_guard<std::mutex> lock(*mutex);
  blocks->push_back(block);
  return block;
}

}  // namespace zorva
