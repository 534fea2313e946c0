#pragma once
// The document's areas or guides, bottom first, each owned by the list. Its
// iterators yield plain pointers, because everything outside the list
// (the selection, the undo history's references, the selected points) points
// at items it does not own and an item never moves in memory while listed.
// Items are stored in one array, so "the item at row N" costs nothing; a
// deletion in the middle moves pointers, not items.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

template <typename T>
class COwnedList {
  using Store = std::vector<std::unique_ptr<T>>;

  // Yields T* for each owner the underlying iterator walks.
  template <typename It>
  class PointerIterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T*;
    using difference_type = std::ptrdiff_t;
    using pointer = T* const*;
    using reference = T*;

    PointerIterator() = default;
    explicit PointerIterator(It it) : m_it(it) {}
    T* operator*() const { return m_it->get(); }
    T* operator[](difference_type n) const { return m_it[n].get(); }
    PointerIterator& operator++() { ++m_it; return *this; }
    PointerIterator operator++(int) { auto old = *this; ++m_it; return old; }
    PointerIterator& operator--() { --m_it; return *this; }
    PointerIterator operator--(int) { auto old = *this; --m_it; return old; }
    PointerIterator& operator+=(difference_type n) { m_it += n; return *this; }
    PointerIterator& operator-=(difference_type n) { m_it -= n; return *this; }
    friend PointerIterator operator+(PointerIterator a, difference_type n) { return a += n; }
    friend PointerIterator operator+(difference_type n, PointerIterator a) { return a += n; }
    friend PointerIterator operator-(PointerIterator a, difference_type n) { return a -= n; }
    friend difference_type operator-(const PointerIterator& a, const PointerIterator& b) { return a.m_it - b.m_it; }
    friend bool operator==(const PointerIterator& a, const PointerIterator& b) { return a.m_it == b.m_it; }
    friend auto operator<=>(const PointerIterator& a, const PointerIterator& b) { return a.m_it <=> b.m_it; }

   private:
    It m_it{};
  };

 public:
  using iterator = PointerIterator<typename Store::const_iterator>;
  using const_iterator = iterator;
  using reverse_iterator = std::reverse_iterator<iterator>;
  using const_reverse_iterator = reverse_iterator;
  static constexpr size_t npos = static_cast<size_t>(-1);

  COwnedList() = default;
  COwnedList(const COwnedList&) = delete;
  COwnedList& operator=(const COwnedList&) = delete;

  iterator begin() const { return iterator(m_items.cbegin()); }
  iterator end() const { return iterator(m_items.cend()); }
  reverse_iterator rbegin() const { return reverse_iterator(end()); }
  reverse_iterator rend() const { return reverse_iterator(begin()); }

  size_t size() const { return m_items.size(); }
  bool empty() const { return m_items.empty(); }
  T* front() const { return m_items.front().get(); }
  T* back() const { return m_items.back().get(); }
  T* At(size_t i) const { return m_items[i].get(); }
  void reserve(size_t n) { m_items.reserve(n); }

  // The item's row counted from the bottom, or npos when it is not listed.
  size_t IndexOf(const T* item) const {
    if (!item) return npos;
    // One change is told to several listeners, each asking for the same
    // item's row: the last answer is tried first (it is checked, so a list
    // that changed since costs one comparison more, never a wrong row).
    if (m_nLastFound < m_items.size() && m_items[m_nLastFound].get() == item) return m_nLastFound;
    for (size_t i = m_items.size(); i-- > 0;)
      if (m_items[i].get() == item) return m_nLastFound = i;
    return npos;
  }
  bool Contains(const T* item) const { return IndexOf(item) != npos; }

  // Adds on top; returns the item, now the list's.
  T* push_back(std::unique_ptr<T> item) {
    m_items.push_back(std::move(item));
    return m_items.back().get();
  }
  // Puts the item at row `pos` (on top when the list is shorter).
  T* InsertAt(std::unique_ptr<T> item, size_t pos) {
    if (pos > m_items.size()) pos = m_items.size();
    return m_items.insert(m_items.begin() + std::ptrdiff_t(pos), std::move(item))->get();
  }
  // Takes the item out and hands it back; empty when it was not listed.
  std::unique_ptr<T> Take(const T* item) {
    const size_t i = IndexOf(item);
    if (i == npos) return nullptr;
    std::unique_ptr<T> owned = std::move(m_items[i]);
    m_items.erase(m_items.begin() + std::ptrdiff_t(i));
    return owned;
  }
  // Takes the item out and frees it.
  void remove(const T* item) { Take(item); }
  // Turns the order around: a reader that meets the top item first adds
  // in reading order and reverses once instead of inserting at the bottom.
  void Reverse() { std::reverse(m_items.begin(), m_items.end()); }
  void clear() { m_items.clear(); }

 private:
  Store m_items;
  // The row IndexOf found last (the list lives on the event loop's thread).
  mutable size_t m_nLastFound = 0;
};
