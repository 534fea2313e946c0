#pragma once
// A one-line text field that wraps a long text onto more lines and grows
// with it, up to a few lines (then it scrolls). It holds one line of text:
// Enter is left to whoever watches its keys, a pasted line break becomes a
// space, and Tab moves on as in a line field.
#include <QPlainTextEdit>

class CGrowingField : public QPlainTextEdit {
  Q_OBJECT
 public:
  static constexpr int kMaxLines = 4;

  explicit CGrowingField(QWidget* parent);

  QString text() const { return toPlainText(); }
  // Replaces the text as the program's own writing: no undo step, not modified.
  void setText(const QString& text);
  // Text typed or pasted since the last setModified(false).
  bool isModified() const;
  void setModified(bool modified);
  // Replaces the selection, as an undo step of the field.
  void insert(const QString& text);

  // The lines the text takes at the field's present width.
  int shownLines() const;
  // As wide as a line field asks to be: the panel keeps its width.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The field took another number of lines.
  void heightChanged();

 protected:
  void insertFromMimeData(const QMimeData* source) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitHeight();
  int HeightFor(int lines) const;
};
