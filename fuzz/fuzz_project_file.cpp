// Feeds arbitrary bytes to the project-file reader. Whatever it accepts must
// store again, and what it stores must read back to the very same bytes; what
// it refuses must leave no areas or guides behind.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/DocumentFile.h"
#include "model/ZorvaDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view in(reinterpret_cast<const char*>(data), size);
  CZorvaDoc doc;
  if (zorva::LoadProjectStream(doc, in) != 0) {
    if (!doc.m_listArea.empty() || !doc.m_listGuide.empty()) std::abort();
    return 0;
  }
  // The stored picture text goes through both path rules, as opening and
  // saving take it.
  for (const char* base : {"/base/dir/f.zvf", "C:\\base\\dir\\f.zvf"}) {
    CString path = doc.m_strPicturePath;
    CZorvaDoc::MakeAbsolutePath(base, path);
    CZorvaDoc::MakeRelativePath(base, path);
  }
  std::string once = zorva::StoreProjectStream(doc);
  CZorvaDoc again;
  if (zorva::LoadProjectStream(again, once) != 0) std::abort();
  if (zorva::StoreProjectStream(again) != once) std::abort();
  return 0;
}
