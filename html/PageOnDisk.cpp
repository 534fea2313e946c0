#include "html/PageOnDisk.h"

#include "html/MapReader.h"
#include "model/ZorvaDoc.h"
#include "platform/FileSystem.h"
#include "platform/FileStamp.h"

namespace zorva::html {

namespace {

// Reads the page's new text for a document that keeps its own map: the
// scratch reader must take the same picture as before, and says nothing.
class CRereadHost : public CNullDocumentHost {
 public:
  explicit CRereadHost(const CZorvaDoc& doc) : m_doc(doc) {}
  int ChooseImage(const std::vector<ImageChoice>& images) override {
    const std::string usemap = CharsetToUtf8(m_doc.m_nCharset, m_doc.m_strUseMap);
    for (size_t i = 0; i < images.size(); ++i)
      if (images[i].hasUsemap && images[i].usemap == usemap) return int(i);
    return images.empty() ? -1 : 0;
  }

 private:
  const CZorvaDoc& m_doc;
};

// The page members of `from`, a document that read the page's new text, go
// to `doc`; its areas, default area and picture stay.
void TakePage(CZorvaDoc& doc, CZorvaDoc& from) {
  if (from.m_nCharset != doc.m_nCharset) doc.SetTextCharset(from.m_nCharset);
  doc.m_pszPageText = std::move(from.m_pszPageText);
  doc.m_nImgTagPos = from.m_nImgTagPos;
  doc.m_nMapStartPos = from.m_nMapStartPos;
  doc.m_nMapEndPos = from.m_nMapEndPos;
  doc.m_strUseMap = from.m_strUseMap;
  doc.m_bPageHasUseMap = from.m_bPageHasUseMap;
  doc.m_strMapOtherAttrs = from.m_strMapOtherAttrs;
  doc.m_listMapKept = from.m_listMapKept;
  doc.m_bPageSelfClosing = from.m_bPageSelfClosing;
}

bool RereadPage(CZorvaDoc& doc, const CString& path) {
  std::string text;
  if (!ReadPageBytes(doc, path, text)) return false;
  CRereadHost host(doc);
  CZorvaDoc scratch(&host);
  if (!ReadPageText(scratch, path, std::move(text))) {
    // A page without a picture now: nothing to put the map by.
    doc.ReportMessage(61219);
    return false;
  }
  TakePage(doc, scratch);
  NotePageRead(doc, path);
  return true;
}

}  // namespace

void NotePageRead(CZorvaDoc& doc, const CString& path) {
  doc.m_pageOnDisk = StampOfFile(path).value_or(FileStamp{});
  doc.m_bPageOnDiskIsText = true;
}

void NotePageWritten(CZorvaDoc& doc, const CString& path) {
  doc.m_pageOnDisk = StampOfFile(path).value_or(FileStamp{});
  doc.m_bPageOnDiskIsText = false;
}

bool PageChangedOnDisk(const CZorvaDoc& doc, const CString& path) {
  if (!doc.m_bFromPage || doc.m_pageOnDisk.path.empty() || doc.m_pageOnDisk.path != path) return false;
  const std::optional<FileStamp> now = StampOfFile(path);
  // A page deleted meanwhile is simply written again.
  if (!now || *now == doc.m_pageOnDisk) return false;
  if (now->size != doc.m_pageOnDisk.size) return true;
  // Only the time moved: the bytes tell, where the page text is what was read.
  if (!doc.m_bPageOnDiskIsText || !doc.m_pszPageText) return true;
  std::string bytes;
  int err = 0;
  return !ReadWholeFile(path, bytes, &err, kMaxPageBytes) || bytes != *doc.m_pszPageText;
}

bool PreparePageWrite(CZorvaDoc& doc, const CString& path) {
  if (!PageChangedOnDisk(doc, path)) return true;
  switch (doc.Host().DoChoiceDialog(kDlgPageChangedOnDisk, 0)) {
    case kAnswerPatchAsNow: return RereadPage(doc, path);
    case kAnswerOverwrite: return true;
    default: return false;
  }
}

}  // namespace zorva::html
