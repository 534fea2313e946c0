#pragma once
// The single document: areas, guides, the default area, the picture, the undo
// history, the selection and the scratch state of editing gestures.
#include <atomic>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Area.h"
#include "model/DocumentHost.h"
#include "model/DocumentListener.h"
#include "model/Guide.h"
#include "model/OwnedList.h"
#include "model/PictureLoading.h"
#include "model/UndoRecord.h"
#include "platform/Bitmap.h"
#include "platform/Charset.h"
#include "platform/FileStamp.h"
#include "platform/SettingsStore.h"
#include "platform/Types.h"

class CArchive;

class CZorvaDoc {
 public:
  explicit CZorvaDoc(IDocumentHost* host = nullptr);
  ~CZorvaDoc();
  CZorvaDoc(const CZorvaDoc&) = delete;
  CZorvaDoc& operator=(const CZorvaDoc&) = delete;

  // --- the framework's document state ---
  const CString& GetTitle() const { return m_strTitle; }
  void SetTitle(const CString& title) { m_strTitle = title; }
  const CString& GetPathName() const { return m_strPathName; }
  void SetPathName(const CString& path) { m_strPathName = path; }
  bool IsModified() const { return m_bModified; }
  void SetModifiedFlag(bool modified = true);

  // --- who hears of changes (DocumentListener.h) ---
  // A listener stays registered until removed; it must outlive that.
  void AddListener(IDocumentListener* listener);
  void RemoveListener(IDocumentListener* listener);
  // Tells every listener; `f` takes an IDocumentListener&.
  template <typename F>
  void Tell(F&& f) {
    // A listener may register another while hearing: index, not iterators.
    for (size_t i = 0; i < m_listeners.size(); ++i) f(*m_listeners[i]);
  }
  // The selected area becomes `area`; listeners hear of it when it differs.
  void SetSelArea(CArea* area);

  IDocumentHost& Host() { return *m_pHost; }
  void SetHost(IDocumentHost* host);
  void SetPictureLoader(IPictureLoader* loader) { m_pPictureLoader = loader; }

  // --- lifecycle ---
  void DeleteContents();
  // The Edit menu's "clear all": asks first (it cannot be undone), then
  // deletes the contents and keeps the picture. True when cleared; the
  // caller then updates its views. The modified flag stays as it was.
  bool OnEditClearAll();
  bool OnNewDocument();
  bool OnOpenDocument(const CString& path);
  bool OnSaveDocument(const CString& path);
  void Serialize(CArchive& ar);

  // --- picture paths, on plain strings ---
  // Absolute: a drive letter and colon at the start, or a leading "/".
  static bool IsAbsolutePicturePath(std::string_view path);
  // Replaces `picture` by its form relative to the folder of `file`.
  static void MakeRelativePath(const CString& file, CString& picture);
  // Replaces `path` by the absolute path it names relative to the folder of `base`.
  static void MakeAbsolutePath(const CString& base, CString& path);

  // Reads an HTML page's map into the document (the HTML reader).
  bool ReadHtml(const CString& path);

  // --- selected points ---
  bool TogglePointSel(CPoint* point);
  void RebindPointSel(CPoint* point);
  void OffsetPointSel(int32_t dx, int32_t dy);
  bool IsPointSel(const CPoint* point) const;
  // Before a point goes away: the selected vertices, the grabbed point and
  // the pending point of `owner` (when given) stop referring to it.
  void ForgetPoint(const CPoint* point, CArea* owner = nullptr);
  // The same for every point of `area`, before its points are freed or
  // replaced (a content exchange, a copy over it, a removal).
  void ForgetPointsOf(CArea& area);

  // --- undo history ---
  // A new step after the applied ones; the undone ones after them go.
  void PushUndo(std::unique_ptr<CUndoRecord> record);
  // `area` joined the top of the list; `prevSel` was selected before.
  void PushAreaAdded(CArea* area, CArea* prevSel);
  // `area` left the list from `listPos`.
  void PushAreaRemoved(std::unique_ptr<CArea> area, size_t listPos);
  // `area` changed; `before` is a copy of it as it was.
  void PushAreaChanged(CArea* area, std::unique_ptr<CArea> before);
  void PushGuideAdded(CGuide* guide);
  void PushGuideRemoved(std::unique_ptr<CGuide> guide, size_t listPos);
  void PushGuideMoved(CGuide* guide, std::unique_ptr<CGuide> before);
  // The step an undo would take back (the last applied one); null when none.
  CUndoRecord* RecordToUndo() const { return m_nUndoPos ? m_listUndo[m_nUndoPos - 1].get() : nullptr; }
  // The newest step, applied or not.
  const CUndoRecord* LastRecord() const { return m_listUndo.empty() ? nullptr : m_listUndo.back().get(); }
  // The step a redo would apply; null when none.
  CUndoRecord* RecordToRedo() const { return CanRedo() ? m_listUndo[m_nUndoPos].get() : nullptr; }
  // Takes back the last applied step, or applies the next one, on the
  // document alone (its lists and selection); the listeners hear what
  // changed. False when there is no such step.
  bool Undo();
  bool Redo();
  void StepBack();
  bool StepForward();
  // Makes the present state the saved one (after a successful save).
  void MarkSaved();
  bool CanUndo() const { return m_nUndoPos > 0; }
  bool CanRedo() const { return m_nUndoPos < m_listUndo.size(); }

  // --- progress, routed to the host; callable from a loader thread ---
  void BeginProgress(const std::string& text);
  void SetProgress(int percent);
  void EndProgress();

  // Sets the preview path: the folder of `path` (up to its last separator)
  // followed by the preview file name.
  void SetPreviewPathFrom(const CString& path);

  // --- picture ---
  void LoadPicture(PictureFormat format);

  // --- HTML pages (html/) ---
  // Writes the map as an HTML page (a new page, or the page it was read from
  // with its map replaced); false on cancel or a failed write.
  bool WriteHtml(const CString& path);
  // The responsive page (an SVG map over the picture) whatever the settings
  // choose; always a new page, also for a document read from a page.
  bool WriteResponsiveHtml(const CString& path);
  // (ReadHtml, the reader, is declared with the open and save entries.)
  // The settings store the writer reads its output settings from at every
  // write; without one the defaults of an empty store apply.
  void SetSettingsStore(zorva::ISettingsStore* store) { m_pSettingsStore = store; }
  zorva::ISettingsStore* m_pSettingsStore = nullptr;

  // --- the charset of the texts ---
  // Areas, the default area and script names hold their texts as bytes in
  // m_nCharset: UTF-8 for new contents (New, a picture, Clear all); the
  // page's charset for a page that was read; Shift_JIS for a project unless
  // it held texts Shift_JIS cannot.
  // Converts every text of the document to `charset` and makes it the
  // document's (characters it cannot hold become "?"; the callers change
  // only while the history is empty, and to a charset the texts fit).
  void SetTextCharset(zorva::ECharset charset);
  zorva::ECharset m_nCharset = zorva::ECharset::ShiftJis;

  // A message box with string `id`, its placeholders filled from `args` (UTF-8).
  int ReportMessage(unsigned id, const std::vector<std::string>& args = {},
                    unsigned type = MB_OK | MB_ICONEXCLAMATION);

  // --- members ---
  int32_t m_nVersion = 78;
  CPoint m_ptPress;
  CPoint m_ptSpare1;
  CPoint m_ptSpare2;
  CPoint m_ptAnchor;
  CArea* m_pSelArea = nullptr;
  CPointRefList m_listSelPoint;
  CGuide* m_pSelGuide = nullptr;
  CPoint* m_pGrabPoint = nullptr;
  // How many steps of the history are applied, and how many were when the
  // document was saved (kDiscardedSavedPos once that state can no longer
  // be reached, so the document stays modified until saved again).
  size_t m_nUndoPos = 0;
  size_t m_nSavedPos = 0;
  static constexpr size_t kDiscardedSavedPos = SIZE_MAX;
  CSize m_sizePicture;
  std::unique_ptr<CBitmap> m_pBitmap;
  // Set by LoadPicture, cleared by a failing loader thread.
  std::atomic<bool> m_bPictureLoaded{false};
  CString m_strPicturePath;
  // The palette of palette displays (the 8-bit bitmap carries its own copy).
  std::unique_ptr<std::array<COLORREF, 256>> m_pPalette;
  bool m_bFromPage = false;
  int32_t m_nImgTagPos = -1;
  int32_t m_nMapStartPos = -1;
  int32_t m_nMapEndPos = -1;
  CString m_strUseMap;
  // What the page's own tags hold beyond what the writer makes: whether the
  // chosen image has a usemap attribute (its map may be missing), the map
  // tag's other attributes, and whether the map's area tags end in "/>".
  bool m_bPageHasUseMap = false;
  CString m_strMapOtherAttrs;
  // The map's content besides its areas, as ranges of the page text.
  std::vector<std::pair<int32_t, int32_t>> m_listMapKept;
  bool m_bPageSelfClosing = false;
  std::optional<std::string> m_pszPageText;
  // The page file as this document last read or wrote it, and whether its
  // bytes are m_pszPageText (read and not written since): a save first makes
  // sure no other program changed it meanwhile.
  zorva::FileStamp m_pageOnDisk;
  bool m_bPageOnDiskIsText = false;
  CString m_strStartFile;
  std::list<CString> m_listScriptName;
  CString m_strPreviewPath;
  std::mutex m_mutexPicture;
  CArea m_areaDefault;
  COwnedList<CArea> m_listArea;
  COwnedList<CGuide> m_listGuide;
  std::vector<std::unique_ptr<CUndoRecord>> m_listUndo;

 private:
  void DeletePreviewFile();
  // Reads a project file into the document and starts its picture.
  bool ReadProjectFile(const CString& path);

  CString m_strTitle;
  CString m_strPathName;
  bool m_bModified = false;
  std::vector<IDocumentListener*> m_listeners;
  IDocumentHost* m_pHost;
  IPictureLoader* m_pPictureLoader = nullptr;
};

