#include "html/PicturePath.h"

#include "model/ZorvaDoc.h"

namespace zorva::html {

CString RelativePicturePath(const CString& page, const CString& picture) {
  CString out = picture;
  CZorvaDoc::MakeRelativePath(page, out);
  return out;
}

CString AbsolutePicturePath(const CString& page, const CString& source) {
  CString out = source;
  CZorvaDoc::MakeAbsolutePath(page, out);
  return out;
}

}  // namespace zorva::html
