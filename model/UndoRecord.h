#pragma once
// One step of the undo history: a command that owns what it needs and knows
// how to undo and redo itself. What applying a step means beyond the lists
// (repainting, moving the selection) belongs to whoever applies it, through
// IUndoTarget.
#include <cstddef>
#include <memory>
#include <type_traits>

class CArea;
class CGuide;

// The lists a record changes. An inserted item goes into the document's
// list; a removed one comes back to the caller.
class IUndoTarget {
 public:
  virtual ~IUndoTarget() = default;
  // `pos` is the item's place in its list; the list's size puts it on top.
  virtual void Insert(std::unique_ptr<CArea> area, size_t pos) = 0;
  virtual void Insert(std::unique_ptr<CGuide> guide, size_t pos) = 0;
  // `select`: the area selected afterwards, when it is still in the list.
  virtual std::unique_ptr<CArea> Remove(CArea* area, CArea* select) = 0;
  virtual std::unique_ptr<CGuide> Remove(CGuide* guide, CArea* select) = 0;
  // Trades the contents of the live item and the record's copy.
  virtual void Exchange(CArea& live, CArea& copy) = 0;
  virtual void Exchange(CGuide& live, CGuide& copy) = 0;
  virtual size_t Count(const CArea*) const = 0;
  virtual size_t Count(const CGuide*) const = 0;
};

class CUndoRecord {
 public:
  enum class Kind { Addition, Deletion, Change, Order };

  virtual ~CUndoRecord() = default;
  virtual void Undo(IUndoTarget& target) = 0;
  virtual void Redo(IUndoTarget& target) = 0;

  virtual Kind GetKind() const = 0;
  virtual bool IsGuide() const = 0;
  // The area or guide the record is about: the one in the document, or the
  // one the record holds while it is out of it.
  virtual const void* Item() const = 0;
  // The area selected before an addition, and again after its undo.
  CArea* PrevSel() const { return m_pPrevSel; }

 protected:
  explicit CUndoRecord(CArea* prevSel = nullptr) : m_pPrevSel(prevSel) {}

 private:
  CArea* m_pPrevSel;
};

// An item that joined its list. Applied, the item is the document's;
// undone, the record holds it.
template <typename T>
class CAdditionRecord : public CUndoRecord {
 public:
  CAdditionRecord(T* added, CArea* prevSel) : CUndoRecord(prevSel), m_pItem(added) {}
  void Undo(IUndoTarget& target) override { m_pOwned = target.Remove(m_pItem, PrevSel()); }
  void Redo(IUndoTarget& target) override {
    const size_t top = target.Count(m_pItem);
    target.Insert(std::move(m_pOwned), top);
  }
  Kind GetKind() const override { return Kind::Addition; }
  bool IsGuide() const override { return std::is_same_v<T, CGuide>; }
  const void* Item() const override { return m_pItem; }

 private:
  T* m_pItem;
  std::unique_ptr<T> m_pOwned;
};

// An item that left its list from `listPos`, which undo puts it back at:
// which area wins a shared pixel depends on the order. Applied, the record
// holds the item; undone, the document has it.
template <typename T>
class CDeletionRecord : public CUndoRecord {
 public:
  CDeletionRecord(std::unique_ptr<T> removed, size_t listPos, CArea* selectAfter = nullptr)
      : CUndoRecord(selectAfter), m_pItem(removed.get()), m_pOwned(std::move(removed)), m_nListPos(listPos) {}
  void Undo(IUndoTarget& target) override { target.Insert(std::move(m_pOwned), m_nListPos); }
  void Redo(IUndoTarget& target) override { m_pOwned = target.Remove(m_pItem, PrevSel()); }
  Kind GetKind() const override { return Kind::Deletion; }
  bool IsGuide() const override { return std::is_same_v<T, CGuide>; }
  const void* Item() const override { return m_pItem; }
  size_t ListPos() const { return m_nListPos; }

 private:
  T* m_pItem;
  std::unique_ptr<T> m_pOwned;
  size_t m_nListPos;
};

// An item changed in place. The record holds a copy of the other state;
// trading contents turns one state into the other, so undo and redo are the
// same step.
template <typename T>
class CChangeRecord : public CUndoRecord {
 public:
  CChangeRecord(T* live, std::unique_ptr<T> before) : m_pLive(live), m_pCopy(std::move(before)) {}
  void Undo(IUndoTarget& target) override { target.Exchange(*m_pLive, *m_pCopy); }
  void Redo(IUndoTarget& target) override { target.Exchange(*m_pLive, *m_pCopy); }
  Kind GetKind() const override { return Kind::Change; }
  bool IsGuide() const override { return std::is_same_v<T, CGuide>; }
  const void* Item() const override { return m_pLive; }
  const T& Copy() const { return *m_pCopy; }

 private:
  T* m_pLive;
  std::unique_ptr<T> m_pCopy;
};

// An area moved to another place in the list's order, which decides the
// area a browser gives a shared pixel to. Undo puts it back at `from`, redo
// at `to` (rows counted from the bottom).
class COrderRecord : public CUndoRecord {
 public:
  COrderRecord(CArea* area, size_t from, size_t to) : m_pArea(area), m_nFrom(from), m_nTo(to) {}
  void Undo(IUndoTarget& target) override { MoveTo(target, m_nFrom); }
  void Redo(IUndoTarget& target) override { MoveTo(target, m_nTo); }
  Kind GetKind() const override { return Kind::Order; }
  bool IsGuide() const override { return false; }
  const void* Item() const override { return m_pArea; }

 private:
  void MoveTo(IUndoTarget& target, size_t row) { target.Insert(target.Remove(m_pArea, nullptr), row); }

  CArea* m_pArea;
  size_t m_nFrom;
  size_t m_nTo;
};
