// Opening any file the user names: project files, HTML pages and pictures.
#include <cerrno>
#include <new>

#include "model/DocumentFile.h"
#include "model/FileKind.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"
#include "platform/StringTable.h"

bool CZorvaDoc::OnOpenDocument(const CString& path) {
  auto open = [&]() -> bool {
    if (!m_pHost->HasMainWindow()) {
      // Named at start-up: the view opens it once the window exists.
      m_strStartFile = path;
      return true;
    }
    m_pHost->ClearScriptFuncList();
    SetPreviewPathFrom(path);

    const zorva::FileKind kind = zorva::FileKindOf(path);
    const std::optional<PictureFormat> format = zorva::PictureFormatOfFile(path);
    if (kind == zorva::FileKind::Project) {
      SetPathName(path);
      if (!ReadProjectFile(path)) return false;
      SetTitle(path);
      SetPathName(path);
    } else if (kind == zorva::FileKind::Page) {
      if (!OnNewDocument()) return false;
      SetPathName(path);
      return ReadHtml(path);
    } else if (format) {
      m_strPicturePath = path;
      LoadPicture(*format);
      OnNewDocument();
    } else {
      ReportMessage(61213);
      return false;
    }
    DeletePreviewFile();
    return true;
  };
  try {
    return open();
  } catch (const std::bad_alloc&) {
    // Running out of memory anywhere on the way is a failed open like any
    // other: nothing read halfway stays, and the document is untitled so a
    // later save cannot overwrite the file that failed to open.
    DeleteContents();
    SetPathName(CString());
    SetTitle(zorva::LoadStringCp932(61208));
    SetModifiedFlag(false);
    ReportMessage(61697);
    return false;
  }
}

bool CZorvaDoc::ReadProjectFile(const CString& path) {
  zorva::CByteBuffer data;
  int err = 0;
  unsigned failure = 0;
  std::vector<std::string> args;
  if (!zorva::ReadWholeFile(path, data, &err, zorva::kMaxProjectFileBytes)) {
    DeleteContents();
    if (err == ENOMEM) {
      failure = 61697;
    } else {
      failure = zorva::FileErrorStringId(err);
      args.push_back(zorva::Cp932ToUtf8(path));
    }
  } else {
    failure = zorva::LoadProjectStream(*this, data.View());
  }
  if (failure) {
    // The document is left empty and untitled, so that a later save cannot
    // overwrite the file that failed to open.
    SetPathName(CString());
    SetTitle(zorva::LoadStringCp932(61208));
    SetModifiedFlag(false);
    ReportMessage(failure, args);
    return false;
  }

  if (data.Size() != 0) {
    if (!IsAbsolutePicturePath(m_strPicturePath)) MakeAbsolutePath(path, m_strPicturePath);
    if (auto format = zorva::PictureFormatOfFile(m_strPicturePath))
      LoadPicture(*format);
    else
      m_bPictureLoaded = false;  // a picture shown before is not this file's
  }
  SetModifiedFlag(false);
  return true;
}
