#pragma once
// The picture path as pages hold it: relative to the page, with "/"
// separators; the document's path rules, as values.
#include "platform/Types.h"

namespace zorva::html {

// `picture` made relative to the folder of `page`; a relative `picture` is
// returned unchanged.
CString RelativePicturePath(const CString& page, const CString& picture);

// `source` resolved against the folder of `page`; an absolute `source` is
// returned unchanged.
CString AbsolutePicturePath(const CString& page, const CString& source);

}  // namespace zorva::html
