#include "app/RecoveryStart.h"

#include <QFile>

#include "app/Autosaver.h"
#include "app/RecoveryFolder.h"
#include "model/PictureLoading.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/StringTable.h"

namespace {

constexpr unsigned kMsgMovedAside = 65309;
constexpr unsigned kMsgLeftInPlace = 65317;
constexpr unsigned kAskDiscard = 65318;

std::string Utf8(const QString& s) { return s.toStdString(); }

void ReportBadFile(CZorvaDoc& doc, BadRecoveryFile& bad) {
  const QString aside = MoveRecoveryFileAside(bad.path);
  const std::string why = zorva::LoadStringUtf8(RecoveryFaultText(bad.fault));
  if (aside.isEmpty())
    doc.ReportMessage(kMsgLeftInPlace, {Utf8(bad.path), why});
  else
    doc.ReportMessage(kMsgMovedAside, {Utf8(bad.path), why, Utf8(aside)});
  bad.lock->unlock();
}

// The picture of a restored document, found as opening its file would find it.
void StartPicture(CZorvaDoc& doc) {
  if (doc.m_strPicturePath.empty()) {
    doc.m_bPictureLoaded = false;
    return;
  }
  if (!CZorvaDoc::IsAbsolutePicturePath(doc.m_strPicturePath) && !doc.GetPathName().empty())
    CZorvaDoc::MakeAbsolutePath(doc.GetPathName(), doc.m_strPicturePath);
  if (auto format = PictureFormatOfEnding(doc.m_strPicturePath))
    doc.LoadPicture(*format);
  else
    doc.m_bPictureLoaded = false;
}

}  // namespace

bool OfferLeftWork(CZorvaDoc& doc, CAutosaver& autosaver, zorva::ISettingsStore* settings,
                   const QString& folder, const RecoveryChooser& choose) {
  std::vector<LeftRecoveryFile> left;
  std::vector<BadRecoveryFile> bad;
  FindLeftRecoveryFiles(folder, left, bad);
  for (BadRecoveryFile& b : bad) ReportBadFile(doc, b);
  if (left.empty()) return false;

  std::vector<RecoveryOfferRow> rows;
  for (const LeftRecoveryFile& f : left)
    rows.push_back({QString::fromStdString(zorva::Cp932ToUtf8(f.summary.pathName)), f.summary.savedAt,
                    f.summary.areaCount});
  const auto discard = [&](size_t i) {
    if (doc.ReportMessage(kAskDiscard, {}, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) return false;
    QFile::remove(left[i].path);
    left[i].lock->unlock();
    return true;
  };
  const std::optional<size_t> chosen = choose(rows, discard);
  bool restored = false;
  if (chosen && *chosen < left.size() && left[*chosen].lock->isLocked()) {
    LeftRecoveryFile& file = left[*chosen];
    std::string bytes;
    std::string_view body;
    zorva::RecoverySummary summary;
    zorva::RecoveryOutputChoices output;
    // Read again: the file is this editor's (locked) since it was looked at,
    // but its bytes were not kept while the user chose.
    zorva::RecoveryFault fault = ReadRecoveryFile(file.path, bytes, body, summary);
    if (fault == zorva::RecoveryFault::None) fault = zorva::RestoreDocument(body, doc, output);
    if (fault != zorva::RecoveryFault::None) {
      BadRecoveryFile b{file.path, fault, std::move(file.lock)};
      doc.SetPathName(CString());
      doc.SetTitle(zorva::LoadStringCp932(61208));
      ReportBadFile(doc, b);
    } else {
      if (settings) WriteRecoveryOutputChoices(*settings, output);
      // Unsaved work, and no step of its history leads back to a saved state.
      doc.m_nSavedPos = CZorvaDoc::kDiscardedSavedPos;
      doc.SetModifiedFlag(true);
      doc.SetPreviewPathFrom(doc.GetPathName().empty() ? doc.m_strPicturePath : doc.GetPathName());
      StartPicture(doc);
      // Kept on the disk under this editor's name until it is saved.
      autosaver.Adopt(file.path);
      file.lock->unlock();
      restored = true;
    }
  }
  // The rest (後で) stay for a later start; their locks go with `left`.
  return restored;
}
