#pragma once
// The main frame window.
#include <QMainWindow>

class CZorvaDoc;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(CZorvaDoc& doc, QWidget* parent = nullptr);

  // "<document title> - ZORVA", as the frame shows it.
  void UpdateTitle();

 private:
  CZorvaDoc& m_doc;
};
