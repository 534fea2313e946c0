#pragma once
// The offer at start of work that editors left unsaved: one row a recovery
// file (its document's name or 無題, the time of its last autosave, its
// number of areas) and 復元 / 破棄 / 後で.
#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QTreeWidget;

struct RecoveryOfferRow {
  QString name;     // the document's file, or empty when it had none
  int64_t savedAt;  // seconds since 1970
  uint64_t areas;
};

class CRecoveryDlg : public QDialog {
  Q_OBJECT
 public:
  // `discard` throws away the row's file, asked first; false when it stays.
  CRecoveryDlg(const std::vector<RecoveryOfferRow>& rows, std::function<bool(size_t)> discard,
               QWidget* parent = nullptr);
  // The row to restore (after 復元), or none (後で, or every row discarded).
  std::optional<size_t> Chosen() const { return m_chosen; }
  QTreeWidget* List() const { return m_list; }

 private:
  void OnDiscard();
  QTreeWidget* m_list;
  std::vector<size_t> m_rowFile;  // each shown row's index among the rows given
  std::function<bool(size_t)> m_discard;
  std::optional<size_t> m_chosen;
};

// Shows the offer modally; the row to restore, if any.
std::optional<size_t> RunRecoveryOffer(const std::vector<RecoveryOfferRow>& rows,
                                       const std::function<bool(size_t)>& discard, QWidget* parent);
