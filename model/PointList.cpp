#include "model/PointList.h"

#include <array>
#include <new>
#include <utility>

#include "platform/FixedPool.h"

namespace {

// Rectangles and ellipses hold two points, polygons a handful to a few dozen.
// A growing list adds half its size again, so that an outline drawn or read
// point by point wastes little room; blocks stop growing at a size that keeps
// one erased-then-idle block from holding much memory.
constexpr size_t kFirstBlockNodes = 4;
constexpr size_t kLargestBlockNodes = 1024;

// Blocks of these capacities come from the thread's block arena: opening a
// project builds and frees hundreds of thousands of them, which the general
// heap does at several times the cost. Larger blocks come from the heap.
constexpr std::array<uint32_t, 8> kPooledNodes = {4, 8, 12, 16, 24, 32, 48, 64};
constexpr uint32_t kHeapClass = kPooledNodes.size();
// Block header and node sizes, checked against the real types below.
constexpr size_t kHeaderBytes = 16;
constexpr size_t kNodeBytes = 24;
constexpr size_t kArenaChunkBytes = size_t(1) << 20;

// Per thread: one free list per capacity and one chunk that new blocks of
// every capacity are cut from in turn. A list built point by point thus gets
// its blocks side by side. Chunks stay with the process, like the object
// pools; a block freed on another thread joins that thread's free list.
struct BlockArena {
  std::array<void*, kPooledNodes.size()> free{};
  char* next = nullptr;
  char* end = nullptr;
};

BlockArena& ThreadArena() {
  thread_local BlockArena arena;
  return arena;
}

void* ArenaAllocate(uint32_t sizeClass) {
  BlockArena& a = ThreadArena();
  if (void* p = a.free[sizeClass]) {
    a.free[sizeClass] = *static_cast<void**>(p);
    return p;
  }
  const size_t bytes = kHeaderBytes + kPooledNodes[sizeClass] * kNodeBytes;
  if (size_t(a.end - a.next) < bytes) {
    a.next = static_cast<char*>(zorva::AllocatePoolBlock(kArenaChunkBytes));
    a.end = a.next + kArenaChunkBytes;
  }
  void* p = a.next;
  a.next += bytes;
  return p;
}

void ArenaFree(void* p, uint32_t sizeClass) noexcept {
  BlockArena& a = ThreadArena();
  *static_cast<void**>(p) = a.free[sizeClass];
  a.free[sizeClass] = p;
}

// Under the address sanitizer every block is a heap block of its own, so that
// a pointer kept past its point's list is caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUsePools = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUsePools = false;
#else
constexpr bool kUsePools = true;
#endif
#else
constexpr bool kUsePools = true;
#endif

uint32_t SizeClass(size_t nodes) {
  if (!kUsePools) return kHeapClass;
  uint32_t c = 0;
  while (c < kHeapClass && kPooledNodes[c] < nodes) ++c;
  return c;
}

}  // namespace

CPointList::CPointList(const CPointList& other) : CPointList() {
  reserve(other.size());
  for (const CPoint& p : other) insert(end(), p);
}

CPointList& CPointList::operator=(const CPointList& other) {
  if (this != &other) {
    // Built aside first: a failed allocation leaves this list as it was.
    CPointList copy(other);
    *this = std::move(copy);
  }
  return *this;
}

CPointList::CPointList(CPointList&& other) noexcept : CPointList() { StealFrom(other); }

CPointList& CPointList::operator=(CPointList&& other) noexcept {
  if (this != &other) {
    ReleaseBlocks();
    StealFrom(other);
  }
  return *this;
}

void CPointList::clear() noexcept {
  // Points need no destruction: the blocks simply go.
  ReleaseBlocks();
  m_head.prev = m_head.next = &m_head;
  m_free = nullptr;
  m_blocks = nullptr;
  m_bump = m_bumpEnd = nullptr;
  m_size = 0;
  m_capacity = 0;
}

void CPointList::truncate(size_t n) noexcept {
  while (m_size > n) erase(std::prev(cend()));
}

void CPointList::reserve(size_t n) {
  if (n > m_capacity) AddBlock(n - m_capacity);
}

size_t CPointList::NextBlockSize() const noexcept {
  const size_t half = m_capacity / 2;
  return half < kFirstBlockNodes ? kFirstBlockNodes : half < kLargestBlockNodes ? half : kLargestBlockNodes;
}

CPointList::Block* CPointList::NewBlock(size_t nodes) {
  static_assert(sizeof(Block) == kHeaderBytes && sizeof(Node) == kNodeBytes);
  static_assert(alignof(Node) <= alignof(void*), "pool slots are pointer-aligned");
  static_assert(std::is_trivially_destructible_v<Node>, "blocks are freed without a walk");
  if (nodes > UINT32_MAX) throw std::bad_alloc();
  const uint32_t sizeClass = SizeClass(nodes);
  void* memory;
  if (sizeClass < kHeapClass) {
    nodes = kPooledNodes[sizeClass];
    memory = ArenaAllocate(sizeClass);
  } else {
    memory = ::operator new(sizeof(Block) + nodes * sizeof(Node));
  }
  return ::new (memory) Block{nullptr, uint32_t(nodes), sizeClass};
}

void CPointList::DeleteBlock(Block* block) noexcept {
  if (block->sizeClass < kHeapClass)
    ArenaFree(block, block->sizeClass);
  else
    ::operator delete(block);
}

void CPointList::AddBlock(size_t nodes) {
  Block* block = NewBlock(nodes);
  block->next = m_blocks;
  // Room left in the previous block joins the free list so that every node
  // counted in m_capacity stays usable.
  for (; m_bump != m_bumpEnd; m_bump += sizeof(Node)) {
    Node* n = ::new (static_cast<void*>(m_bump)) Node;
    n->next = m_free;
    m_free = n;
  }
  m_blocks = block;
  m_bump = reinterpret_cast<char*>(block + 1);
  m_bumpEnd = m_bump + block->capacity * sizeof(Node);
  m_capacity += block->capacity;
}

void CPointList::ReleaseBlocks() noexcept {
  for (Block* b = m_blocks; b;) {
    Block* next = b->next;
    DeleteBlock(b);
    b = next;
  }
}

void CPointList::StealFrom(CPointList& other) noexcept {
  if (other.m_size) {
    m_head = other.m_head;
    m_head.next->prev = &m_head;
    m_head.prev->next = &m_head;
  } else {
    m_head.prev = m_head.next = &m_head;
  }
  m_free = other.m_free;
  m_blocks = other.m_blocks;
  m_bump = other.m_bump;
  m_bumpEnd = other.m_bumpEnd;
  m_size = other.m_size;
  m_capacity = other.m_capacity;
  other.m_blocks = nullptr;
  other.clear();
}
