#include "html/PageFile.h"

#include <cerrno>
#include <new>

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/ReplacingFile.h"

namespace zorva::html {

bool WritePageFile(CZorvaDoc& doc, const CString& target, const std::function<bool(CPageBytes&)>& build) {
  int err = 0;
  try {
    CReplacingFile file;
    if (file.Open(target, &err)) {
      CPageBytes page(&file);
      if (!build(page)) return false;
      page.Finish();
      if (file.Commit(&err)) err = 0;
    }
  } catch (const std::bad_alloc&) {
    // The file was abandoned on the way out: the target is as it was.
    err = ENOMEM;
  }
  if (err == ENOMEM) {
    doc.ReportMessage(61698);
    return false;
  }
  if (err) {
    doc.ReportMessage(FileErrorStringId(err), {Cp932ToUtf8(target)});
    return false;
  }
  return true;
}

bool BuildPageString(std::string& out, const std::function<bool(CPageBytes&)>& build) {
  CPageBytes bytes;
  const bool built = build(bytes);
  out.assign(built ? bytes.View() : std::string_view());
  return built;
}

}  // namespace zorva::html
