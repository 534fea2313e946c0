#include "model/ZorvaDoc.h"

#include "model/AreaTexts.h"
#include <algorithm>
#include <unordered_set>

#include "model/DocumentUndoTarget.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"
#include "platform/StringTable.h"

namespace {
CNullDocumentHost g_nullHost;
}  // namespace

CZorvaDoc::CZorvaDoc(IDocumentHost* host) : m_pHost(host ? host : &g_nullHost) {
  m_areaDefault.m_strComment = zorva::LoadStringCp932(61207);
}

CZorvaDoc::~CZorvaDoc() {
  // Nobody hears a document that is going away.
  m_listeners.clear();
  if (m_pPictureLoader) m_pPictureLoader->Shutdown();
  DeletePreviewFile();
  DeleteContents();
}

void CZorvaDoc::SetHost(IDocumentHost* host) { m_pHost = host ? host : &g_nullHost; }

void CZorvaDoc::DeleteContents() {
  // Each record holds exactly what is out of the lists in its state.
  m_listUndo.clear();
  m_listArea.clear();
  m_listGuide.clear();

  SetSelArea(nullptr);
  m_pSelGuide = nullptr;
  m_pGrabPoint = nullptr;
  m_nUndoPos = 0;
  m_nSavedPos = 0;
  m_listSelPoint.clear();

  m_bFromPage = false;
  m_nImgTagPos = -1;
  m_nMapStartPos = -1;
  m_nMapEndPos = -1;
  m_strUseMap.clear();
  m_bPageHasUseMap = false;
  m_strMapOtherAttrs.clear();
  m_listMapKept.clear();
  m_bPageSelfClosing = false;
  m_pszPageText.reset();
  m_pageOnDisk = {};
  m_bPageOnDiskIsText = false;

  // The default area's comment is its name in the area list, which stays.
  for (const CAreaText& t : kAreaTexts)
    if (!t.IsComment()) (m_areaDefault.*t.member).clear();
  m_areaDefault.m_bJavaScript = false;
  // A page read may have taken the stock comment away (it had no default
  // area); new contents have it again.
  m_areaDefault.m_strComment =
      zorva::ConvertCharsetLossy(zorva::ECharset::ShiftJis, m_nCharset, zorva::LoadStringCp932(61207));

  m_listScriptName.clear();
  // New contents hold any character; opening a project or a page sets the
  // charset of what it read.
  SetTextCharset(zorva::ECharset::Utf8);
  Tell([](IDocumentListener& l) { l.HistoryChanged(); });
}

void CZorvaDoc::SetTextCharset(zorva::ECharset charset) {
  if (charset == m_nCharset) return;
  m_areaDefault.ConvertTexts(m_nCharset, charset);
  for (CArea* a : m_listArea) a->ConvertTexts(m_nCharset, charset);
  for (CString& name : m_listScriptName) name = zorva::ConvertCharsetLossy(m_nCharset, charset, name);
  m_strMapOtherAttrs = zorva::ConvertCharsetLossy(m_nCharset, charset, m_strMapOtherAttrs);
  m_nCharset = charset;
}

bool CZorvaDoc::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  SetModifiedFlag(false);

  m_pHost->ClearScriptFuncList();
  m_strTitle = zorva::LoadStringCp932(61208);
  DeletePreviewFile();
  SetPreviewPathFrom(m_strPathName.empty() ? m_strPicturePath : m_strPathName);
  return true;
}

void CZorvaDoc::SetPreviewPathFrom(const CString& path) {
  m_strPreviewPath = zorva::FolderOf(path) + zorva::LoadStringCp932(61204);
}

void CZorvaDoc::DeletePreviewFile() {
  if (!m_strPreviewPath.empty() && zorva::FileExists(m_strPreviewPath))
    zorva::RemoveFile(m_strPreviewPath);
}

// --- selected points ---

bool CZorvaDoc::TogglePointSel(CPoint* point) {
  auto it = std::find(m_listSelPoint.begin(), m_listSelPoint.end(), point);
  if (it != m_listSelPoint.end()) {
    m_listSelPoint.erase(it);
    return false;
  }
  m_listSelPoint.push_back(point);
  return true;
}

void CZorvaDoc::RebindPointSel(CPoint* point) {
  for (CPoint*& p : m_listSelPoint)
    if (*p == *point) {
      p = point;
      return;
    }
}

void CZorvaDoc::OffsetPointSel(int32_t dx, int32_t dy) {
  for (CPoint* p : m_listSelPoint) {
    p->x += dx;
    p->y += dy;
  }
}

bool CZorvaDoc::IsPointSel(const CPoint* point) const {
  return std::any_of(m_listSelPoint.begin(), m_listSelPoint.end(),
                     [point](const CPoint* p) { return *p == *point; });
}

void CZorvaDoc::ForgetPoint(const CPoint* point, CArea* owner) {
  m_listSelPoint.remove(const_cast<CPoint*>(point));
  if (m_pGrabPoint == point) m_pGrabPoint = nullptr;
  if (owner && owner->m_pPending == point) owner->m_pPending = nullptr;
}

void CZorvaDoc::ForgetPointsOf(CArea& area) {
  area.m_pPending = nullptr;
  // Undo and redo come here twice each; mostly nothing points into the area.
  if (m_listSelPoint.empty() && !m_pGrabPoint) return;
  std::unordered_set<const CPoint*> own;
  for (const CPoint& p : area.m_listPoint) own.insert(&p);
  m_listSelPoint.remove_if([&own](const CPoint* p) { return own.count(p) != 0; });
  if (own.count(m_pGrabPoint)) m_pGrabPoint = nullptr;
}

// --- undo history ---

void CZorvaDoc::PushAreaAdded(CArea* area, CArea* prevSel) {
  PushUndo(std::make_unique<CAdditionRecord<CArea>>(area, prevSel));
  const size_t pos = m_listArea.IndexOf(area);
  if (pos != m_listArea.npos) Tell([&](IDocumentListener& l) { l.AreaInserted(*area, pos); });
}

void CZorvaDoc::PushAreaRemoved(std::unique_ptr<CArea> area, size_t listPos) {
  Tell([&](IDocumentListener& l) { l.AreaRemoved(*area, listPos); });
  PushUndo(std::make_unique<CDeletionRecord<CArea>>(std::move(area), listPos));
}

void CZorvaDoc::PushAreaChanged(CArea* area, std::unique_ptr<CArea> before) {
  const CRect boundBefore = before->m_rcBound;
  PushUndo(std::make_unique<CChangeRecord<CArea>>(area, std::move(before)));
  if (area == &m_areaDefault) {
    Tell([](IDocumentListener& l) { l.DefaultAreaChanged(); });
    return;
  }
  const size_t pos = m_listArea.IndexOf(area);
  if (pos != m_listArea.npos)
    Tell([&](IDocumentListener& l) { l.AreaChanged(*area, pos, boundBefore); });
}

void CZorvaDoc::PushGuideAdded(CGuide* guide) {
  PushUndo(std::make_unique<CAdditionRecord<CGuide>>(guide, nullptr));
  Tell([&](IDocumentListener& l) { l.GuideChanged(*guide, nullptr); });
}

void CZorvaDoc::PushGuideRemoved(std::unique_ptr<CGuide> guide, size_t listPos) {
  Tell([&](IDocumentListener& l) { l.GuideChanged(*guide, nullptr); });
  PushUndo(std::make_unique<CDeletionRecord<CGuide>>(std::move(guide), listPos));
}

void CZorvaDoc::PushGuideMoved(CGuide* guide, std::unique_ptr<CGuide> before) {
  const CGuide was = *before;
  PushUndo(std::make_unique<CChangeRecord<CGuide>>(guide, std::move(before)));
  Tell([&](IDocumentListener& l) { l.GuideChanged(*guide, &was); });
}

void CZorvaDoc::PushUndo(std::unique_ptr<CUndoRecord> record) {
  if (m_nSavedPos != kDiscardedSavedPos && m_nSavedPos > m_nUndoPos) m_nSavedPos = kDiscardedSavedPos;
  m_listUndo.resize(m_nUndoPos);
  m_listUndo.push_back(std::move(record));
  m_nUndoPos = m_listUndo.size();
  m_bModified = true;
  Tell([](IDocumentListener& l) { l.HistoryChanged(); });
}

bool CZorvaDoc::Undo() {
  CUndoRecord* r = RecordToUndo();
  if (!r) return false;
  CDocumentUndoTarget target(*this);
  r->Undo(target);
  StepBack();
  return true;
}

bool CZorvaDoc::Redo() {
  CUndoRecord* r = RecordToRedo();
  if (!r) return false;
  CDocumentUndoTarget target(*this);
  r->Redo(target);
  StepForward();
  return true;
}

void CZorvaDoc::StepBack() {
  if (m_nUndoPos > 0) --m_nUndoPos;
  m_bModified = m_nUndoPos != m_nSavedPos;
  Tell([](IDocumentListener& l) { l.HistoryChanged(); });
}

bool CZorvaDoc::StepForward() {
  const bool moved = m_nUndoPos < m_listUndo.size();
  if (moved) ++m_nUndoPos;
  m_bModified = m_nUndoPos != m_nSavedPos;
  Tell([](IDocumentListener& l) { l.HistoryChanged(); });
  return moved;
}

void CZorvaDoc::MarkSaved() {
  m_nSavedPos = m_nUndoPos;
  Tell([](IDocumentListener& l) { l.HistoryChanged(); });
}

void CZorvaDoc::SetModifiedFlag(bool modified) {
  if (modified == m_bModified) return;
  m_bModified = modified;
  Tell([](IDocumentListener& l) { l.HistoryChanged(); });
}

void CZorvaDoc::AddListener(IDocumentListener* listener) {
  if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
    m_listeners.push_back(listener);
}

void CZorvaDoc::RemoveListener(IDocumentListener* listener) {
  std::erase(m_listeners, listener);
}

void CZorvaDoc::SetSelArea(CArea* area) {
  CArea* before = m_pSelArea;
  m_pSelArea = area;
  if (before != area) Tell([&](IDocumentListener& l) { l.SelectionChanged(before, area); });
}

// --- progress and messages ---

void CZorvaDoc::BeginProgress(const std::string& text) { m_pHost->BeginProgress(text); }
void CZorvaDoc::SetProgress(int percent) { m_pHost->SetProgress(percent); }
void CZorvaDoc::EndProgress() { m_pHost->EndProgress(); }

int CZorvaDoc::ReportMessage(unsigned id, const std::vector<std::string>& args, unsigned type) {
  return m_pHost->MessageBox(id, zorva::FormatString(id, args), type);
}

void CZorvaDoc::LoadPicture(PictureFormat format) {
  m_bPictureLoaded = true;
  if (m_pPictureLoader) m_pPictureLoader->Start(*this, format);
}
