#pragma once
// The open and save file dialogs of the file commands, behind an interface so
// that tests answer them from a script.
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QWidget;

struct FileDialogRequest {
  std::string filter;       // the product's form: "desc|patterns|desc|patterns||"
  std::string defaultExt;   // without the dot, empty for none
  std::string title;
  std::string initialName;  // file name shown at first, may be empty
  std::string folder;       // where the dialog starts; empty: where it was last
};

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  // The chosen file as a UTF-8 path; nothing after cancel.
  virtual std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) = 0;
};

// The product's "|"-separated filter as Qt name filters: each description
// keeps its text, its parenthesised pattern list is rewritten the way Qt reads
// it ("*.html *.htm"), and "*.*" becomes "*" so that names without a dot show.
QStringList QtNameFilters(const std::string& productFilter);

// The ending a bare file name takes under a Qt name filter: its first
// pattern's, lower case ("HTML (*.html *.htm)" gives "html"); empty when the
// first pattern names no single ending ("*").
QString SuffixOfNameFilter(const QString& nameFilter);

// QFileDialog, asking before an existing file is replaced.
class CQtFileDialogs : public IFileDialogs {
 public:
  explicit CQtFileDialogs(QWidget* parent) : m_parent(parent) {}
  std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) override;

 private:
  std::optional<std::string> Run(const FileDialogRequest& request, bool save);

  QWidget* m_parent;
  QString m_lastFolder;
};
