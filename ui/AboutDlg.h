#pragma once
// "ZORVAのバージョン情報": the program's name, version and picture, and a link
// to the project's web site.
#include <QDialog>
#include <QLabel>

// The project's web site, which the About box links to.

// A text in pure blue with the pointing-hand cursor over it that reports a
// click.
class CLinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit CLinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr unsigned kDialogId = 100;
  static constexpr unsigned kPictureControl = 1060;
  static constexpr unsigned kLinkControl = 1061;

  explicit CAboutDlg(QWidget* parent = nullptr);

  CLinkLabel* Link() const { return m_link; }
  QLabel* Version() const { return m_version; }

 private:
  CLinkLabel* m_link = nullptr;
  QLabel* m_version = nullptr;
};
