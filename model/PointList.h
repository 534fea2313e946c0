#pragma once
// The points of one outline, in order, each held inside its own list node.
//
// Other objects keep plain pointers to points (the selection, the pending
// point, hit-test results), so a point never moves while it is in its list:
// inserting or erasing other points, and moving the list itself, leave it at
// its address. Nodes come from blocks the list owns. Erased nodes wait on a
// free list for the next insertion; the blocks go back all at once when the
// list is cleared or destroyed. An area read from a file takes one block for
// its points, which sit side by side in memory: building, walking and freeing
// millions of points is what opening and saving a big project spends its
// time on.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <type_traits>

#include "platform/Types.h"

class CPointList {
  struct Link {
    Link* prev;
    Link* next;
  };
  struct Node : Link {
    CPoint pt;
  };
  struct Block {
    Block* next;
    uint32_t capacity;   // nodes that follow the header
    uint32_t sizeClass;  // which pool the block came from, if any
  };

  template <bool Const>
  class Iter {
   public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = CPoint;
    using difference_type = std::ptrdiff_t;
    using pointer = std::conditional_t<Const, const CPoint*, CPoint*>;
    using reference = std::conditional_t<Const, const CPoint&, CPoint&>;

    Iter() = default;
    template <bool C>
      requires(Const && !C)
    Iter(const Iter<C>& o) : m_link(o.m_link) {}

    reference operator*() const { return static_cast<Node*>(m_link)->pt; }
    pointer operator->() const { return &static_cast<Node*>(m_link)->pt; }
    Iter& operator++() {
      m_link = m_link->next;
      return *this;
    }
    Iter operator++(int) {
      Iter old = *this;
      m_link = m_link->next;
      return old;
    }
    Iter& operator--() {
      m_link = m_link->prev;
      return *this;
    }
    Iter operator--(int) {
      Iter old = *this;
      m_link = m_link->prev;
      return old;
    }
    bool operator==(const Iter&) const = default;

   private:
    friend class CPointList;
    friend class Iter<!Const>;
    explicit Iter(Link* link) : m_link(link) {}
    Link* m_link = nullptr;
  };

 public:
  using value_type = CPoint;
  using size_type = size_t;
  using difference_type = std::ptrdiff_t;
  using reference = CPoint&;
  using const_reference = const CPoint&;
  using iterator = Iter<false>;
  using const_iterator = Iter<true>;
  using reverse_iterator = std::reverse_iterator<iterator>;
  using const_reverse_iterator = std::reverse_iterator<const_iterator>;

  CPointList() noexcept { m_head.prev = m_head.next = &m_head; }
  ~CPointList() { ReleaseBlocks(); }
  // Copies are made point by point into fresh nodes.
  CPointList(const CPointList& other);
  CPointList& operator=(const CPointList& other);
  // Moves hand the nodes over: every point keeps its address.
  CPointList(CPointList&& other) noexcept;
  CPointList& operator=(CPointList&& other) noexcept;

  iterator begin() noexcept { return iterator(m_head.next); }
  iterator end() noexcept { return iterator(&m_head); }
  const_iterator begin() const noexcept { return const_iterator(m_head.next); }
  const_iterator end() const noexcept { return const_iterator(const_cast<Link*>(&m_head)); }
  const_iterator cbegin() const noexcept { return begin(); }
  const_iterator cend() const noexcept { return end(); }
  reverse_iterator rbegin() noexcept { return reverse_iterator(end()); }
  reverse_iterator rend() noexcept { return reverse_iterator(begin()); }
  const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
  const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }

  size_t size() const noexcept { return m_size; }
  bool empty() const noexcept { return m_size == 0; }
  // front() and back() of an empty list are undefined, as for std::list.
  CPoint& front() { return *begin(); }
  const CPoint& front() const { return *begin(); }
  CPoint& back() { return *std::prev(end()); }
  const CPoint& back() const { return *std::prev(end()); }

  CPoint& emplace_back(int32_t x, int32_t y) { return *insert(end(), CPoint(x, y)); }
  CPoint& emplace_front(int32_t x, int32_t y) { return *insert(begin(), CPoint(x, y)); }
  // Places `p` before `pos` and returns the new point's position.
  iterator insert(const_iterator pos, const CPoint& p) {
    Node* n = TakeNode();
    n->pt = p;
    Link* at = pos.m_link;
    n->prev = at->prev;
    n->next = at;
    at->prev->next = n;
    at->prev = n;
    ++m_size;
    return iterator(n);
  }
  // Removes the point at `pos` (which must not be end()) and returns the
  // position after it. The node is kept for the next insertion.
  iterator erase(const_iterator pos) noexcept {
    Link* at = pos.m_link;
    Link* next = at->next;
    at->prev->next = next;
    next->prev = at->prev;
    at->next = m_free;
    m_free = at;
    --m_size;
    return iterator(next);
  }
  // Drops every point and gives the memory back.
  void clear() noexcept;
  // Keeps the first `n` points and drops the rest; a longer `n` changes nothing.
  void truncate(size_t n) noexcept;
  // Makes room for `n` points in all, so that growing to them takes no
  // further allocation.
  void reserve(size_t n);

 private:
  Node* TakeNode() {
    if (m_free) {
      Link* l = m_free;
      m_free = l->next;
      return static_cast<Node*>(l);
    }
    if (m_bump == m_bumpEnd) AddBlock(NextBlockSize());
    Node* n = ::new (static_cast<void*>(m_bump)) Node;
    m_bump += sizeof(Node);
    return n;
  }
  size_t NextBlockSize() const noexcept;
  void AddBlock(size_t nodes);
  static Block* NewBlock(size_t nodes);
  static void DeleteBlock(Block* block) noexcept;
  void ReleaseBlocks() noexcept;
  void StealFrom(CPointList& other) noexcept;

  Link m_head;              // sentinel: end() and the ring's anchor
  Link* m_free = nullptr;   // erased nodes, linked through `next`
  Block* m_blocks = nullptr;  // newest first
  char* m_bump = nullptr;   // untouched room in the newest block
  char* m_bumpEnd = nullptr;
  size_t m_size = 0;
  size_t m_capacity = 0;    // nodes in all blocks
};
