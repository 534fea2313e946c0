#pragma once
// One replay: the document opened as the editor opens it, its picture really
// decoded, and the editing view with the headless window, frame and property
// panel, driven line by line as the window system would drive it.
#include <vector>

#include "cli/HtmlOptions.h"
#include "cli/ReplayHost.h"
#include "cli/ReplayScript.h"
#include "image/PictureLoader.h"
#include "model/ZorvaDoc.h"
#include "view/AreaList.h"
#include "view/HeadlessHost.h"
#include "view/ZorvaView.h"

namespace zorva::cli {

class CReplaySession {
 public:
  explicit CReplaySession(const HtmlOptions& options);
  CReplaySession(const CReplaySession&) = delete;
  CReplaySession& operator=(const CReplaySession&) = delete;

  // Opens `path` (a model path) and waits for its picture. False when the
  // file or its picture could not be opened; the reason is on stderr.
  bool Open(const CString& path);
  // Runs the script; at a line that cannot be carried out stops with `error`.
  // `pageSettings`, when the script ends in a page, are the output settings
  // the editor would hold meanwhile (a comment must fit the page's charset).
  bool Run(const std::vector<ReplayCommand>& script, ReplayError& error,
           ISettingsStore* pageSettings = nullptr);
  // Saves as the editor's Save As does: a project file, or, with
  // `pageSettings`, a page. False with the reason on stderr.
  bool Save(const CString& path, ISettingsStore* pageSettings);

  // The state line of the "state" command (JSON, no line end).
  std::string StateLine();

 private:
  // Starts are counted so that a picture that failed can be told from a
  // document without one.
  class CountingLoader : public IPictureLoader {
   public:
    void Start(CZorvaDoc& doc, PictureFormat format) override;
    void Shutdown() override { loader.Shutdown(); }
    CPictureLoader loader;
    int starts = 0;
  };

  // The area list keeps the rows it showed when the view last told it of a
  // change, as the editor's list does; a click picks one of those.
  class ListFrame : public CHeadlessFrame {
   public:
    explicit ListFrame(CZorvaDoc& doc) : m_doc(doc) {}
    void AreaListReset() override {
      CHeadlessFrame::AreaListReset();
      rows = AreaListRows(m_doc);
    }
    void AreaListRowInserted(int row) override {
      CHeadlessFrame::AreaListRowInserted(row);
      rows = AreaListRows(m_doc);
    }
    void AreaListRowRemoved(int row) override {
      CHeadlessFrame::AreaListRowRemoved(row);
      rows = AreaListRows(m_doc);
    }
    void AreaListRowChanged(int row) override {
      CHeadlessFrame::AreaListRowChanged(row);
      rows = AreaListRows(m_doc);
    }
    std::vector<AreaListRow> rows;

   private:
    CZorvaDoc& m_doc;
  };

  bool Execute(const ReplayCommand& c, std::string& reason);
  void Mouse(const ReplayCommand& c);
  void Key(unsigned vk, bool down);
  bool Panel(const ReplayCommand& c, std::string& reason);
  void ClearAll();
  // What the window system does between two lines: posted moves and the
  // loader's messages reach the view, the scroll bars hold their range, and
  // the window is painted.
  void Settle();
  void HandToView();

  // The document stops its loader as it goes, so both outlive it.
  CReplayHost m_docHost;
  CountingLoader m_loader;
  CZorvaDoc m_doc{&m_docHost};
  CHeadlessViewHost m_viewHost;
  ListFrame m_frame{m_doc};
  CMemoryPropertyPanel m_panel;
  CZorvaView m_view{m_doc, m_viewHost, m_frame, &m_panel};
  bool m_loadFailed = false;
};

}  // namespace zorva::cli
