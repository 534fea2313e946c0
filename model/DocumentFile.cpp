#include "model/DocumentFile.h"

#include <cerrno>
#include <new>

#include "model/Archive.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"
#include "platform/ReplacingFile.h"

namespace zorva {

std::string StoreProjectStream(CZorvaDoc& doc) {
  CArchive ar;
  doc.Serialize(ar);
  return std::string(ar.Data());
}

namespace {

// The members a stream overwrites besides the cleared contents.
struct PictureState {
  int32_t version;
  CString path;
  CSize size;
  CPoint press, spare1, spare2, anchor;

  explicit PictureState(const CZorvaDoc& d)
      : version(d.m_nVersion),
        path(d.m_strPicturePath),
        size(d.m_sizePicture),
        press(d.m_ptPress),
        spare1(d.m_ptSpare1),
        spare2(d.m_ptSpare2),
        anchor(d.m_ptAnchor) {}
  void RestoreTo(CZorvaDoc& d) const {
    d.m_nVersion = version;
    d.m_strPicturePath = path;
    d.m_sizePicture = size;
    d.m_ptPress = press;
    d.m_ptSpare1 = spare1;
    d.m_ptSpare2 = spare2;
    d.m_ptAnchor = anchor;
  }
};

unsigned FailureId(const CArchiveException& e) {
  switch (e.m_cause) {
    case CArchiveException::endOfFile:
    case CArchiveException::badClass:
    case CArchiveException::badSchema:
    case CArchiveException::badIndex:
    case CArchiveException::badText:
    case CArchiveException::badValue:
      return 61728;
    default:
      return 61697;
  }
}

}  // namespace

unsigned LoadProjectStream(CZorvaDoc& doc, std::string_view data) {
  doc.DeleteContents();
  doc.SetModifiedFlag(true);
  if (data.empty()) return 0;
  // The picture of a stream that fails is not this document's picture: the
  // one shown before stays, with its own path and size.
  PictureState before(doc);
  unsigned failure = 0;
  const auto read = [&](zorva::ECharset charset) {
    CArchive ar(data);
    ar.SetTextCharset(charset);
    ar.SetStrictStrings(true);
    doc.Serialize(ar);
  };
  try {
    try {
      read(zorva::ECharset::ShiftJis);
    } catch (const CArchiveException& e) {
      if (e.m_cause != CArchiveException::textCharset) throw;
      // A text Shift_JIS cannot hold: the document's texts become UTF-8, all
      // of them, read again from the start.
      doc.DeleteContents();
      read(zorva::ECharset::Utf8);
    }
  } catch (const CArchiveException& e) {
    failure = FailureId(e);
  } catch (const std::bad_alloc&) {
    failure = 61697;
  }
  if (failure) {
    doc.DeleteContents();
    before.RestoreTo(doc);
  }
  doc.SetSelArea(nullptr);
  doc.m_pSelGuide = nullptr;
  return failure;
}

}  // namespace zorva

bool CZorvaDoc::OnSaveDocument(const CString& path) {
  zorva::PathParts parts = zorva::SplitPath(path);
  parts.ext = ".zvf";
  const CString file = zorva::JoinPath(parts);

  // The file names the picture relative to itself; the document keeps the
  // absolute path, so a later save elsewhere or an HTML page still finds it.
  CString stored = m_strPicturePath;
  MakeRelativePath(file, stored);
  int err = 0;
  bool serialized = true;
  try {
    // The stream is written while it is built; a stream that cannot be
    // completed abandons the file, leaving the previous one as it was.
    zorva::CReplacingFile out;
    if (out.Open(file, &err)) {
      CArchive ar(&out);
      m_strPicturePath.swap(stored);
      try {
        Serialize(ar);
        ar.Finish();
      } catch (const std::exception&) {
        serialized = false;
      }
      m_strPicturePath.swap(stored);
      if (serialized && out.Commit(&err)) err = 0;
    }
  } catch (const std::bad_alloc&) {
    err = ENOMEM;
  }
  if (!serialized || err == ENOMEM) {
    ReportMessage(61698);
    return false;
  }
  if (err) {
    ReportMessage(zorva::FileErrorStringId(err), {zorva::Cp932ToUtf8(file)});
    return false;
  }
  SetPathName(file);
  SetTitle(file);
  MarkSaved();
  SetModifiedFlag(false);
  return true;
}
