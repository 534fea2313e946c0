#pragma once
// The main frame window.
#include <QMainWindow>

class CZorvaDoc;
class QLabel;
class QProgressBar;
class CZorvaViewWidget;
namespace zorva {
struct Message;
class ISettingsStore;
}

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // `settings` holds the HTML output choices that the preferences command edits.
  CMainFrame(CZorvaDoc& doc, zorva::ISettingsStore* settings, QWidget* parent = nullptr);

  // "<document title> - ZORVA", as the frame shows it.
  void UpdateTitle();

  QLabel* StatusText() const { return m_statusText; }
  QProgressBar* Progress() const { return m_progress; }
  CZorvaViewWidget* View() const { return m_view; }

  // A message posted to the editing view (loader notifications).
  void OnViewMessage(const zorva::Message& message);

 private:
  CZorvaDoc& m_doc;
  zorva::ISettingsStore* m_settings;
  QLabel* m_statusText = nullptr;
  QProgressBar* m_progress = nullptr;
  CZorvaViewWidget* m_view = nullptr;

  void CreateViewMenu();
};
