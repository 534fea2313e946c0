#include "app/DocumentStash.h"

#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "model/ZorvaDoc.h"

namespace {

// Moves every item across in order (from the top, where taking costs nothing).
template <typename T>
void SwapLists(COwnedList<T>& a, COwnedList<T>& b) {
  auto drain = [](COwnedList<T>& list) {
    std::vector<std::unique_ptr<T>> items;
    items.reserve(list.size());
    while (!list.empty()) items.push_back(list.Take(list.back()));
    return items;
  };
  std::vector<std::unique_ptr<T>> fromA = drain(a), fromB = drain(b);
  a.reserve(fromB.size());
  for (auto it = fromB.rbegin(); it != fromB.rend(); ++it) a.push_back(std::move(*it));
  b.reserve(fromA.size());
  for (auto it = fromA.rbegin(); it != fromA.rend(); ++it) b.push_back(std::move(*it));
}

}  // namespace

void SwapDocumentContents(CZorvaDoc& a, CZorvaDoc& b) {
  using std::swap;
  swap(a.m_ptPress, b.m_ptPress);
  swap(a.m_ptSpare1, b.m_ptSpare1);
  swap(a.m_ptSpare2, b.m_ptSpare2);
  swap(a.m_ptAnchor, b.m_ptAnchor);
  swap(a.m_pSelArea, b.m_pSelArea);
  swap(a.m_listSelPoint, b.m_listSelPoint);
  swap(a.m_pSelGuide, b.m_pSelGuide);
  swap(a.m_pGrabPoint, b.m_pGrabPoint);
  swap(a.m_nUndoPos, b.m_nUndoPos);
  swap(a.m_nSavedPos, b.m_nSavedPos);
  {
    // The loader's thread hands its picture over under this lock.
    std::scoped_lock lock(a.m_mutexPicture, b.m_mutexPicture);
    swap(a.m_sizePicture, b.m_sizePicture);
    swap(a.m_pBitmap, b.m_pBitmap);
    swap(a.m_pPalette, b.m_pPalette);
    const bool loaded = a.m_bPictureLoaded;
    a.m_bPictureLoaded = b.m_bPictureLoaded.load();
    b.m_bPictureLoaded = loaded;
    swap(a.m_strPicturePath, b.m_strPicturePath);
  }
  swap(a.m_bFromPage, b.m_bFromPage);
  swap(a.m_nImgTagPos, b.m_nImgTagPos);
  swap(a.m_nMapStartPos, b.m_nMapStartPos);
  swap(a.m_nMapEndPos, b.m_nMapEndPos);
  swap(a.m_strUseMap, b.m_strUseMap);
  swap(a.m_bPageHasUseMap, b.m_bPageHasUseMap);
  swap(a.m_strMapOtherAttrs, b.m_strMapOtherAttrs);
  swap(a.m_listMapKept, b.m_listMapKept);
  swap(a.m_bPageSelfClosing, b.m_bPageSelfClosing);
  swap(a.m_pszPageText, b.m_pszPageText);
  swap(a.m_strStartFile, b.m_strStartFile);
  swap(a.m_listScriptName, b.m_listScriptName);
  swap(a.m_strPreviewPath, b.m_strPreviewPath);
  {
    CArea held;
    held.CopyFrom(a.m_areaDefault);
    a.m_areaDefault.CopyFrom(b.m_areaDefault);
    b.m_areaDefault.CopyFrom(held);
  }
  SwapLists(a.m_listArea, b.m_listArea);
  SwapLists(a.m_listGuide, b.m_listGuide);
  swap(a.m_listUndo, b.m_listUndo);
  swap(a.m_nCharset, b.m_nCharset);
  const CString title = a.GetTitle(), path = a.GetPathName();
  const bool modified = a.IsModified();
  a.SetTitle(b.GetTitle());
  a.SetPathName(b.GetPathName());
  a.SetModifiedFlag(b.IsModified());
  b.SetTitle(title);
  b.SetPathName(path);
  b.SetModifiedFlag(modified);
}

CDocumentStash::CDocumentStash(CZorvaDoc& doc) : m_doc(doc), m_pHeld(std::make_unique<CZorvaDoc>()) {
  m_pHeld->DeleteContents();
  SwapDocumentContents(m_doc, *m_pHeld);
}

// Whatever it holds last goes with it, its preview page too.
CDocumentStash::~CDocumentStash() = default;

void CDocumentStash::Restore() {
  SwapDocumentContents(m_doc, *m_pHeld);
}
