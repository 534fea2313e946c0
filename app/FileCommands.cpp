#include "app/FileCommands.h"

#include <QCoreApplication>
#include <utility>

#include "app/DocumentStash.h"
#include "app/FileDialogs.h"
#include "model/FileKind.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"
#include "platform/StringTable.h"
#include "ui/MainFrame.h"
#include "ui/PropertyBar.h"
#include "ui/ZorvaViewWidget.h"
#include "view/CommandIds.h"
#include "view/ZorvaView.h"

namespace {

constexpr unsigned kTitleOpen = 65020;
constexpr unsigned kTitleSaveAs = 65021;
constexpr unsigned kMsgSaveKind = 65022;
constexpr unsigned kFilterHtmlFirst = 65023;
constexpr unsigned kFilterProjectFirst = 65024;
constexpr unsigned kFilterPicture = 65025;
constexpr unsigned kMsgBadFileName = 65026;
constexpr unsigned kTitleExportSvg = 65061;
constexpr unsigned kFilterHtmlOnly = 65062;

// A menu shows "&" as the mark of the next letter; a path shows it plainly.
std::string MenuEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

}  // namespace

CFileCommands::CFileCommands(CZorvaDoc& doc, CMainFrame& frame, IFileDialogs& dialogs,
                             zorva::ISettingsStore* settings)
    : m_doc(doc),
      m_frame(frame),
      m_dialogs(dialogs),
      m_recent(settings),
      m_exit([](int code) { QCoreApplication::exit(code); }),
      m_greeting([this] { return RunGreeting(&m_frame); }) {
  m_recent.Load();
}

bool CFileCommands::OnUpdateCommand(unsigned id, CCmdState& state) {
  state = CCmdState{};
  switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE_AS:
    case ID_FILE_EXPORT_SVG:
    case ID_EDIT_CLEAR_ALL:
    case ID_APP_EXIT:
      state.enabled = true;
      return true;
    case ID_FILE_SAVE:
      state.enabled = m_doc.IsModified();
      return true;
    default:
      if (id >= kRecentFirst && id <= kRecentLast) {
        state.enabled = id - kRecentFirst < m_recent.Count();
        return true;
      }
      return false;
  }
}

bool CFileCommands::OnCommand(unsigned id) {
  // The frame's routing has checked the command's state and ended any gesture.
  switch (id) {
    case ID_FILE_NEW: OnFileNew(); break;
    case ID_FILE_OPEN: OnFileOpen(); break;
    case ID_FILE_SAVE: OnFileSave(); break;
    case ID_FILE_SAVE_AS: OnFileSaveAs(); break;
    case ID_FILE_EXPORT_SVG: OnFileExportSvg(); break;
    case ID_EDIT_CLEAR_ALL: OnEditClearAll(); break;
    case ID_APP_EXIT: OnAppExit(); break;
    default:
      if (id < kRecentFirst || id > kRecentLast) return false;
      OnRecentFile(id - kRecentFirst);
      break;
  }
  return true;
}

bool CFileCommands::GetCommandText(unsigned id, std::string& text) {
  if (id < kRecentFirst || id > kRecentLast) return false;
  const size_t index = id - kRecentFirst;
  text.clear();
  if (index < m_recent.Count())
    text = "&" + std::to_string(index + 1) + " " + MenuEscaped(zorva::Cp932ToUtf8(m_recent.At(index)));
  return true;
}

bool CFileCommands::SaveModified() {
  // Text still being typed into the panel (the close box and a drop take no
  // focus from it) is part of the work the question is about.
  if (CPropertyBar* panel = m_frame.PropertyBar()) panel->ApplyPendingEdit();
  if (!m_doc.IsModified()) return true;
  switch (m_doc.ReportMessage(61209, {}, MB_YESNOCANCEL)) {
    case IDYES:
      // Going on after a cancelled or failed save would lose the work the
      // user just asked to keep.
      return OnFileSaveAs() && !m_doc.IsModified();
    case IDNO:
      return true;
    default:
      return false;
  }
}

void CFileCommands::OnFileNew() {
  if (!SaveModified()) return;
  FileDialogRequest request;
  request.filter = zorva::LoadStringUtf8(kFilterPicture);
  request.title = zorva::LoadStringUtf8(61210);
  const auto chosen = m_dialogs.GetOpenFileName(request);
  if (!chosen) {
    EndWithoutPicture();
    return;
  }
  const std::optional<PictureFormat> format = zorva::PictureFormatOfFile(*chosen);
  if (!format) {
    m_doc.ReportMessage(61212);
    return;
  }
  const auto path = ModelPath(*chosen);
  if (!path) return;
  m_doc.m_strPicturePath = *path;
  m_doc.LoadPicture(*format);
  m_doc.OnNewDocument();
  DocumentChanged();
}

void CFileCommands::OnFileOpen() {
  const bool answered = std::exchange(m_saveQuestionAnswered, false);
  if (!answered && !SaveModified()) return;
  FileDialogRequest request;
  request.filter = zorva::LoadStringUtf8(kFilterHtmlFirst);
  request.defaultExt = "html";
  request.title = zorva::LoadStringUtf8(kTitleOpen);
  const auto chosen = m_dialogs.GetOpenFileName(request);
  if (!chosen) {
    EndWithoutPicture();
    return;
  }
  const auto path = ModelPath(*chosen);
  const bool opened = path && OpenDocument(*path);
  if (opened && !m_doc.GetPathName().empty()) m_recent.Add(m_doc.GetPathName());
  DocumentChanged();
  if (!opened) {
    // The dialog comes back (posted, so a run of failures never nests),
    // without asking again about the document the user still has.
    m_saveQuestionAnswered = true;
    PostCommand(ID_FILE_OPEN);
  }
}

bool CFileCommands::OnFileSave() {
  const CString path = m_doc.GetPathName();
  if (path.empty()) {
    FileDialogRequest request;
    request.filter = zorva::LoadStringUtf8(kFilterHtmlFirst);
    request.defaultExt = "html";
    request.title = zorva::LoadStringUtf8(kTitleSaveAs);
    request.initialName = zorva::LoadStringUtf8(61208);
    const auto chosen = m_dialogs.GetSaveFileName(request);
    return chosen && SaveUnder(*chosen);
  }
  bool saved = false;
  switch (zorva::FileKindOf(path)) {
    case zorva::FileKind::Project: saved = m_doc.OnSaveDocument(path); break;
    case zorva::FileKind::Page: saved = WritePage(path); break;
    // A picture opened as the document (recent files, drops, start-up):
    // there is nothing to write it as until the user names a file.
    default: return OnFileSaveAs();
  }
  DocumentChanged();
  return saved;
}

bool CFileCommands::OnFileSaveAs() {
  const CString path = m_doc.GetPathName();
  FileDialogRequest request;
  if (m_doc.m_bFromPage) {
    request.filter = zorva::LoadStringUtf8(kFilterHtmlFirst);
    request.defaultExt = "html";
  } else {
    request.filter = zorva::LoadStringUtf8(kFilterProjectFirst);
    request.defaultExt = "zvf";
  }
  request.title = zorva::LoadStringUtf8(kTitleSaveAs);
  if (!path.empty()) {
    request.initialName = zorva::Cp932ToUtf8(zorva::SplitPath(path).name);
    request.folder = zorva::ToFsPath(zorva::FolderOf(path));
  }
  const auto chosen = m_dialogs.GetSaveFileName(request);
  return chosen && SaveUnder(*chosen);
}

void CFileCommands::OnFileExportSvg() {
  FileDialogRequest request;
  request.filter = zorva::LoadStringUtf8(kFilterHtmlOnly);
  request.defaultExt = "html";
  request.title = zorva::LoadStringUtf8(kTitleExportSvg);
  const CString path = m_doc.GetPathName();
  if (!path.empty()) request.folder = zorva::ToFsPath(zorva::FolderOf(path));
  const auto chosen = m_dialogs.GetSaveFileName(request);
  if (!chosen) return;
  if (zorva::FileKindOf(*chosen) != zorva::FileKind::Page) {
    m_doc.ReportMessage(kMsgSaveKind);
    return;
  }
  if (const auto target = ModelPath(*chosen)) m_doc.WriteResponsiveHtml(*target);
}

bool CFileCommands::SaveUnder(const std::string& chosen) {
  const zorva::FileKind kind = zorva::FileKindOf(chosen);
  if (kind != zorva::FileKind::Project && kind != zorva::FileKind::Page) {
    // Only a project file or a page can hold the map; taking the name anyway
    // would leave a document path that Save cannot write to.
    m_doc.ReportMessage(kMsgSaveKind);
    return false;
  }
  const auto path = ModelPath(chosen);
  if (!path) return false;
  // The document takes the new name only once its file is there: a failed
  // write must leave the name that the next Save writes to as it was.
  bool saved = false;
  if (kind == zorva::FileKind::Project) {
    saved = m_doc.OnSaveDocument(*path);
  } else if (WritePage(*path)) {
    m_doc.SetPathName(*path);
    m_doc.SetTitle(*path);
    saved = true;
  }
  if (saved) m_recent.Add(m_doc.GetPathName());
  DocumentChanged();
  return saved;
}

bool CFileCommands::WritePage(const CString& path) {
  if (!m_doc.WriteHtml(path)) return false;
  m_doc.MarkSaved();
  m_doc.SetModifiedFlag(false);
  return true;
}

void CFileCommands::OnEditClearAll() {
  if (m_doc.OnEditClearAll()) DocumentChanged();
}

void CFileCommands::OnRecentFile(size_t index) {
  if (index >= m_recent.Count()) return;
  const CString path = m_recent.At(index);
  if (OpenFile(path) != OpenResult::Failed) return;
  // The entry may have moved while the document was saved under a new name.
  for (size_t i = 0; i < m_recent.Count(); ++i) {
    if (m_recent.At(i) == path) {
      m_recent.Remove(i);
      break;
    }
  }
}

void CFileCommands::OnAppExit() {
  if (!SaveModified()) return;
  // The close that follows must not ask a second time.
  m_closeApproved = true;
  m_frame.close();
  m_closeApproved = false;
}

bool CFileCommands::QueryClose() {
  if (m_closeApproved) return true;
  CancelGesture();
  return SaveModified();
}

CFileCommands::OpenResult CFileCommands::OpenFile(const CString& path) {
  if (IsSameFilePath(path, m_doc.GetPathName())) {
    ActivateWindow();
    return OpenResult::AlreadyOpen;
  }
  if (!SaveModified()) return OpenResult::Stopped;
  const bool opened = OpenDocument(path);
  if (opened) {
    m_doc.SetPathName(path);
    m_doc.SetTitle(path);
    m_recent.Add(path);
  }
  DocumentChanged();
  return opened ? OpenResult::Opened : OpenResult::Failed;
}

bool CFileCommands::OpenDocument(const CString& path) {
  CancelGesture();
  // The file is tried on fresh contents; a failed or cancelled open gives
  // the user's document back as it was instead of an empty one.
  CDocumentStash stash(m_doc);
  if (m_doc.OnOpenDocument(path)) {
    if (!m_doc.GetPathName().empty()) m_doc.SetTitle(m_doc.GetPathName());
    return true;
  }
  stash.Restore();
  return false;
}

void CFileCommands::OpenDroppedFiles(const std::vector<std::string>& paths) {
  for (const std::string& file : paths) {
    const auto path = ModelPath(file);
    if (!path) continue;
    // Cancel in the save question ends the whole drop, not just this file.
    if (OpenFile(*path) == OpenResult::Stopped) return;
  }
}

void CFileCommands::OnFirstShow(const std::string& startFile) {
  if (m_doc.m_bPictureLoaded) return;
  if (m_doc.m_strStartFile.empty() && startFile.empty()) {
    switch (m_greeting()) {
      case GreetingChoice::New: PostCommand(ID_FILE_NEW); break;
      case GreetingChoice::Open: PostCommand(ID_FILE_OPEN); break;
      case GreetingChoice::Cancel: m_exit(1); break;
    }
    return;
  }
  // A name the model cannot hold never became the start file: say so here,
  // where there is a window to say it in.
  std::optional<CString> path;
  if (!m_doc.m_strStartFile.empty()) path = m_doc.m_strStartFile;
  else path = ModelPath(startFile);
  if (path && OpenFile(*path) == OpenResult::Opened) return;
  m_doc.OnNewDocument();
  DocumentChanged();
  PostCommand(ID_FILE_OPEN);
}

std::optional<CString> CFileCommands::ModelPath(const std::string& utf8Path) {
  if (auto path = zorva::ModelPathFromFs(utf8Path)) return path;
  const std::string bad = zorva::FirstUnmappableChar(utf8Path).value_or(utf8Path);
  m_doc.ReportMessage(kMsgBadFileName, {bad});
  return std::nullopt;
}

void CFileCommands::PostCommand(unsigned id) {
  CMainFrame* frame = &m_frame;
  QMetaObject::invokeMethod(frame, [frame, id] { frame->RouteCommand(id); }, Qt::QueuedConnection);
}

void CFileCommands::ActivateWindow() {
  if (m_frame.isMinimized()) m_frame.showNormal();
  m_frame.raise();
  m_frame.activateWindow();
}

void CFileCommands::CancelGesture() { m_frame.View()->View().CancelGesture(); }

void CFileCommands::DocumentChanged() {
  m_frame.UpdateTitle();
  m_frame.View()->View().OnUpdate();
}

void CFileCommands::EndWithoutPicture() {
  // The editor never runs without a picture.
  if (!m_doc.m_bPictureLoaded) m_exit(1);
}
