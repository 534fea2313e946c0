#pragma once
// While another file is tried, the open document waits here whole: an open
// that fails or is cancelled gives it back as it was (areas, history,
// selection, picture, page, name and modified mark).
#include <memory>

class CZorvaDoc;

class CDocumentStash {
 public:
  // Takes the contents of `doc`, which is left a fresh untitled document
  // without a picture, as a new open expects it.
  explicit CDocumentStash(CZorvaDoc& doc);
  ~CDocumentStash();
  CDocumentStash(const CDocumentStash&) = delete;
  CDocumentStash& operator=(const CDocumentStash&) = delete;

  // The tried file's contents go and the stashed ones come back.
  void Restore();

 private:
  CZorvaDoc& m_doc;
  std::unique_ptr<CZorvaDoc> m_pHeld;
};

// Trades every part of the two documents' contents; their hosts, loaders
// and settings stores stay where they are.
void SwapDocumentContents(CZorvaDoc& a, CZorvaDoc& b);
