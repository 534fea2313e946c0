#pragma once
// What changed in a document, told to whoever shows it (the view, the
// property panel, the area list, the frame's title and command states).
// The document never calls them by name: they register and hear only what
// they care about; every hook does nothing unless overridden.
#include <cstddef>

#include "platform/Types.h"

class CArea;
class CGuide;

class IDocumentListener {
 public:
  virtual ~IDocumentListener() = default;

  // `area` joined the area list at `pos` (the list's top is its end).
  virtual void AreaInserted(const CArea& /*area*/, size_t /*pos*/) {}
  // `area` left the list from `pos` (told once it has left; it is still
  // alive while this runs).
  virtual void AreaRemoved(const CArea& /*area*/, size_t /*pos*/) {}
  // `area` (in the list at `pos`) changed; it covered `boundBefore`
  // (picture pixels) before the change.
  virtual void AreaChanged(const CArea& /*area*/, size_t /*pos*/, const CRect& /*boundBefore*/) {}
  // The default area's texts changed.
  virtual void DefaultAreaChanged() {}
  // A guide was added, removed or moved; `before` is a copy of it as it
  // was (null for an added or removed one).
  virtual void GuideChanged(const CGuide& /*guide*/, const CGuide* /*before*/) {}
  // The selected area is another one (`before` may be gone from the list).
  virtual void SelectionChanged(const CArea* /*before*/, const CArea* /*after*/) {}
  // The history moved (undo and redo possible) or the modified flag turned.
  virtual void HistoryChanged() {}
  // The contents were replaced as a whole (new, open, clear, a picture).
  virtual void DocumentReset() {}
};
